// How the page looks under the user's settings: a dark scheme, forced
// colours, a large minimum font size, no JavaScript; both layouts against
// reference pictures; and the hosted site, installable and offline.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { existsSync, readFileSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { dirname, extname, join } from "node:path";
import { PNG } from "pngjs";
import { here, launch, open, pagePath } from "./browsers.mjs";

// WCAG's contrast of two "rgb(r, g, b)" colours.
function contrast(a, b) {
    const luminance = (colour) => {
        const [r, g, bl] = colour.match(/\d+(\.\d+)?/g).slice(0, 3).map(Number).map((c) => {
            const s = c / 255;
            return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
    };
    const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
    return (light + 0.05) / (dark + 0.05);
}

// Each caption's and value's text colour, and the colour behind it: the
// white picture where it lies over it, else the first box that has a colour.
const captionColours = (page) => page.evaluate(() => {
    const picture = document.getElementById("Image2").getBoundingClientRect();
    const overlaps = (box) => box.left < picture.right && box.right > picture.left && box.top < picture.bottom
        && box.bottom > picture.top;
    return [...document.querySelectorAll(".label, .value, #Text2")]
        .filter((element) => element.getBoundingClientRect().width > 0).map((element) => {
            let behind = element;
            while (behind && getComputedStyle(behind).backgroundColor.match(/rgba\(.*, 0\)|transparent/))
                behind = behind.parentElement;
            const own = behind ? getComputedStyle(behind).backgroundColor : "rgb(255, 255, 255)";
            return { id: element.id, text: getComputedStyle(element).color,
                background: behind === element || !overlaps(element.getBoundingClientRect()) ? own : "rgb(255, 255, 255)" };
        });
});

describe("chromium", () => {
    let browser;
    before(async () => { browser = await launch("chromium"); });
    after(() => browser?.close());

    test("under a dark colour scheme it keeps its own white face", async () => {
        const { page } = await open(browser);
        await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
        for (const colours of await captionColours(page))
            assert.ok(contrast(colours.text, colours.background) >= 4.5, JSON.stringify(colours));
        assert.equal(await page.$eval("#Form1", (face) => getComputedStyle(face).backgroundColor), "rgb(255, 255, 255)");
        await page.close();
    });

    for (const width of [800, 360]) {
        test(`in forced colours, every caption and line stays visible (${width} px)`, async () => {
            const { page } = await open(browser, { width, mobile: width < 600 });
            // Forced colours as the DevTools protocol emulates them: with the system's colours.
            const session = await page.createCDPSession();
            await session.send("Emulation.setEmulatedMedia", { features: [{ name: "forced-colors", value: "active" },
                { name: "prefers-color-scheme", value: "dark" }] });
            for (const colours of await captionColours(page))
                assert.ok(contrast(colours.text, colours.background) >= 4.5, JSON.stringify(colours));
            // The lines run from the picture to captions beside it, over the face's own colour.
            const [lines, face] = await page.evaluate(() => {
                let behind = document.getElementById("lines");
                while (getComputedStyle(behind).backgroundColor.match(/rgba\(.*, 0\)|transparent/))
                    behind = behind.parentElement;
                return [[...document.querySelectorAll("#lines line")].map((line) => getComputedStyle(line).stroke),
                    getComputedStyle(behind).backgroundColor];
            });
            for (const stroke of lines) assert.ok(contrast(stroke, face) >= 3, `${stroke} on ${face}`);
            await page.close();
        });
    }

    test("without JavaScript it says so, and shows no dead controls", async () => {
        const page = await browser.newPage();
        await page.setJavaScriptEnabled(false);
        await page.goto(`file://${pagePath}`);
        const shown = await page.evaluate(() => ({
            notice: [...document.querySelectorAll(".notice")].map((n) => n.innerText).join(" "),
            controls: [...document.querySelectorAll("#Form1 input, #Form1 button")]
                .map((element) => getComputedStyle(element).visibility),
        }));
        assert.match(shown.notice, /needs JavaScript/);
        assert.ok(shown.controls.every((visibility) => visibility === "hidden"), shown.controls.join());
        await page.close();
    });

    // Both layouts against reference pictures; DEWPOINT_REFRESH_REFERENCE=1
    // redraws them after an intended change.
    const layouts = [
        ["desktop", { width: 800, height: 470, scale: 1 }],
        ["desktop-x2", { width: 800, height: 470, scale: 2 }],
        ["phone", { width: 360, height: 740, scale: 2, mobile: true }],
    ];
    for (const [name, viewport] of layouts) {
        test(`the ${name} layout looks as its reference picture`, async () => {
            const { page } = await open(browser, viewport);
            // Every picture decoded, which a phone's scaled face may not be at once.
            await page.evaluate(() => Promise.all([...document.images].map((image) => image.decode())));
            const shot = PNG.sync.read(Buffer.from(await page.screenshot({ fullPage: true })));
            await page.close();
            const path = here(`reference/page-${name}.png`);
            if (process.env.DEWPOINT_REFRESH_REFERENCE || !existsSync(path)) {
                writeFileSync(path, PNG.sync.write(shot));
                if (!process.env.DEWPOINT_REFRESH_REFERENCE) assert.fail(`no reference picture yet: drawn ${path}`);
                return;
            }
            const reference = PNG.sync.read(readFileSync(path));
            assert.deepEqual([shot.width, shot.height], [reference.width, reference.height]);
            let differing = 0;
            for (let i = 0; i < shot.data.length; i += 4)
                if ([0, 1, 2].some((c) => Math.abs(shot.data[i + c] - reference.data[i + c]) > 24)) ++differing;
            assert.ok(differing <= shot.width * shot.height * 0.002, `${differing} pixels differ`);
        });
    }

    test("hosted, it can be installed and opens offline after the first visit", async () => {
        const site = join(dirname(pagePath), "site");
        const types = { ".html": "text/html", ".js": "text/javascript", ".webmanifest": "application/manifest+json",
            ".png": "image/png", ".svg": "image/svg+xml" };
        const requested = [];
        const server = createServer((request, response) => {
            const name = request.url === "/" ? "index.html" : request.url.slice(1);
            requested.push(name);
            if (!existsSync(join(site, name)) || name.includes("..")) return response.writeHead(404).end();
            response.writeHead(200, { "Content-Type": types[extname(name)] ?? "application/octet-stream" });
            response.end(readFileSync(join(site, name)));
        });
        await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
        const url = `http://127.0.0.1:${server.address().port}/`;
        try {
            const { page } = await open(browser, { url });
            await page.waitForFunction(() => navigator.serviceWorker.controller !== null
                || navigator.serviceWorker.ready.then(() => true), { timeout: 10000 });
            await page.evaluate(() => navigator.serviceWorker.ready);
            // The manifest as the browser itself read it.
            const session = await page.createCDPSession();
            const read = await session.send("Page.getAppManifest");
            assert.deepEqual(read.errors, []);
            const manifest = JSON.parse(read.data);
            assert.equal(manifest.display, "standalone");
            assert.equal(manifest.start_url, "./");
            const sizes = manifest.icons.map((icon) => icon.sizes);
            assert.ok(sizes.includes("192x192") && sizes.includes("512x512"), sizes.join());
            for (const icon of manifest.icons.filter((i) => i.type === "image/png")) {
                const png = PNG.sync.read(readFileSync(join(site, icon.src)));
                assert.equal(`${png.width}x${png.height}`, icon.sizes);
            }
            // Offline: the server gone, the page still starts and converts.
            await new Promise((resolve) => server.close(resolve));
            server.closeAllConnections?.();
            await page.setOfflineMode(true);
            await page.reload();
            await page.waitForFunction(() => document.body.dataset.ready, { timeout: 10000 });
            assert.equal(await page.$eval("#Text2", (box) => box.textContent), "32.1 °C");
            await page.close();
        } finally {
            server.close();
        }
        assert.ok(requested.includes("service-worker.js"), requested.join());
    });
});

describe("firefox", () => {
    let browser;
    before(async () => { browser = await launch("firefox", { firefoxPrefs: { "font.minimum-size.x-western": 22 } }); });
    after(() => browser?.close());

    test("with a 22-pixel minimum font size, every caption's box grows with its text", async () => {
        const { page } = await open(browser);
        const boxes = await page.$$eval(".label, .value, #Text2, #options label", (all) => all.map((element) => ({
            id: element.id || element.textContent, height: element.getBoundingClientRect().height,
            overflow: element.scrollWidth > element.clientWidth + 1 || element.scrollHeight > element.clientHeight + 1,
        })));
        assert.ok(boxes.every((box) => box.height >= 22), JSON.stringify(boxes));  // the setting holds
        assert.deepEqual(boxes.filter((box) => box.overflow), []);
        await page.close();
    });
});
