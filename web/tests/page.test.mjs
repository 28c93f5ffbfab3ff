// The page in Debian's Chromium, headless, with every request but the page
// itself refused: what a user sees and does, in three languages, checked
// against the command line's own conversion.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";
import { PNG } from "pngjs";

const here = (path) => fileURLToPath(new URL(path, import.meta.url));
const pagePath = process.env.DEWPOINT_PAGE ?? here("../../build/web/dewpoint-converter.html");
const dewpoint = process.env.DEWPOINT_PROGRAM ?? here("../../build/cli/dewpoint");
const pageUrl = pathToFileURL(pagePath).href;
const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

let browser;
before(async () => {
    browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        headless: true,
        args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
            "--no-first-run", "--disable-sync", "--font-render-hinting=none", "--force-color-profile=srgb"],
    });
});
after(() => browser?.close());

// Opens the page in the given languages; every request other than the page
// itself (and its inline data) is refused and recorded.
async function open({ languages = ["en-US", "en"], width = 600, height = 340, scale = 1, mobile = false } = {}) {
    const page = await browser.newPage();
    await page.setViewport({ width, height, deviceScaleFactor: scale, isMobile: mobile, hasTouch: mobile });
    const refused = [];
    await page.setRequestInterception(true);
    page.on("request", (request) => {
        const url = request.url();
        if (url === pageUrl || url.startsWith("data:")) request.continue();
        else refused.push(url), request.abort();
    });
    await page.evaluateOnNewDocument((list) => {
        Object.defineProperty(navigator, "languages", { get: () => list });
        Object.defineProperty(navigator, "language", { get: () => list[0] });
    }, languages);
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.body.dataset.ready);
    return { page, refused };
}

const texts = (page) => page.evaluate(() => Object.fromEntries(
    ["Label1_2", "Label1_0", "Label1_1", "Label1_3", "Label2", "Label4", "Label3", "Text2", "Option1_0", "Option1_1"]
        .map((id) => [id, document.getElementById(id).textContent])));
const value = (page, id) => page.$eval(`#${id}`, (input) => Number(input.value));

// The command line's read-out for a state of the window.
function commandLine(pressureScroll, sensorScroll, atmosphere) {
    const tenths = (n) => `${n < 0 ? "-" : ""}${Math.floor(Math.abs(n) / 10)}.${Math.abs(n) % 10}`;
    return execFileSync(dewpoint, ["--pressure", tenths(pressureScroll), "--sensor", tenths(sensorScroll - 1000),
        "--sensor-at", atmosphere ? "atmosphere" : "system"], { encoding: "utf8" }).trim();
}

test("opens as the window does, with no request beyond itself", async () => {
    const { page, refused } = await open();
    assert.deepEqual(await texts(page), {
        Label1_2: "System Pressure", Label1_0: "Dewpoint @ Sensor", Label1_1: "Dewpoint Sensor @",
        Label1_3: "Dewpoint @ Pressure", Label2: "7.0 bar", Label4: "102 psi", Label3: "0.0 °C", Text2: "32.1 °C",
        Option1_0: "Atmosphere", Option1_1: "System Pressure",
    });
    assert.equal(await page.$eval("input[value=atmosphere]", (option) => option.checked), true);
    assert.equal(await page.title(), "Dewpoint @ Atmosphere/Pressure Conversion");
    assert.deepEqual(refused, []);
    await page.close();
});

test("every key moves the bars as in the window, and the read-out follows", async () => {
    const { page } = await open();
    const cases = [
        ["HScroll1", "ArrowRight", false, 70, 71], ["HScroll1", "ArrowLeft", false, 70, 69],
        ["HScroll1", "ArrowUp", false, 70, 71], ["HScroll1", "ArrowDown", false, 70, 69],
        ["HScroll1", "PageUp", false, 70, 80], ["HScroll1", "PageDown", false, 70, 60],
        ["HScroll1", "Home", false, 70, 0], ["HScroll1", "End", false, 70, 400],
        ["HScroll1", "PageUp", false, 395, 400], ["HScroll1", "ArrowLeft", false, 0, 0],
        ["HScroll2", "ArrowRight", false, 1000, 1001], ["HScroll2", "ArrowLeft", false, 1000, 999],
        ["HScroll2", "PageUp", false, 1000, 1001], ["HScroll2", "PageDown", false, 1000, 999],
        ["HScroll2", "PageUp", true, 1000, 1010], ["HScroll2", "PageDown", true, 5, 0],
        ["HScroll2", "Home", false, 1000, 0], ["HScroll2", "End", false, 1000, 1200],
    ];
    for (const [id, key, control, start, expected] of cases) {
        await page.$eval(`#${id}`, (bar, v) => { bar.value = String(v); bar.dispatchEvent(new Event("input")); }, start);
        await page.focus(`#${id}`);
        if (control) await page.keyboard.down("Control");
        await page.keyboard.press(key);
        if (control) await page.keyboard.up("Control");
        assert.equal(await value(page, id), expected, `${id} ${key} from ${start}`);
        const state = [await value(page, "HScroll1"), await value(page, "HScroll2"), true];
        assert.equal((await texts(page)).Text2, commandLine(...state), `${id} ${key}`);
    }
    await page.close();
});

test("dragging a thumb moves the labels and the read-out with it; the option switches the sensor", async () => {
    const { page } = await open();
    const box = await (await page.$("#HScroll1")).boundingBox();
    const x = (v) => box.x + 8 + (box.width - 16) * v / 400;
    await page.mouse.move(x(70), box.y + box.height / 2);
    await page.mouse.down();
    await page.mouse.move(x(300), box.y + box.height / 2, { steps: 5 });
    const during = await texts(page);  // before the button is released
    const pressure = await value(page, "HScroll1");
    assert.ok(pressure > 250, `dragged to ${pressure}`);
    assert.equal(during.Label2, `${pressure / 10 | 0}.${pressure % 10} bar`);
    assert.equal(during.Text2, commandLine(pressure, 1000, true));
    await page.mouse.up();

    await page.click("#Option1_1");
    assert.equal(await page.$eval("input[value=system]", (option) => option.checked), true);
    assert.equal((await texts(page)).Text2, commandLine(pressure, 1000, false));
    await page.click("#Option1_0");
    assert.equal((await texts(page)).Text2, commandLine(pressure, 1000, true));
    await page.close();
});

test("200 random states reached by keyboard show dewpoint's read-out", async () => {
    const { page } = await open();
    let seed = 20261209;
    const random = (n) => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
    const keys = ["ArrowRight", "ArrowLeft", "ArrowUp", "ArrowDown", "PageUp", "PageDown", "Home", "End"];
    // A seeded walk: each state is a few random keys, on a random bar, away from the last.
    for (let i = 0; i < 200; ++i) {
        for (let k = 1 + random(4); k > 0; --k) {
            await page.focus(random(2) === 0 ? "#HScroll1" : "#HScroll2");
            const control = random(3) === 0;
            if (control) await page.keyboard.down("Control");
            await page.keyboard.press(keys[random(keys.length - (i % 10 === 0 ? 0 : 2))]);
            if (control) await page.keyboard.up("Control");
        }
        if (random(4) === 0) await page.click(random(2) === 0 ? "#Option1_0" : "#Option1_1");
        const [pressure, sensor, atmosphere, readOut] = await page.evaluate(() => [
            Number(document.getElementById("HScroll1").value), Number(document.getElementById("HScroll2").value),
            document.querySelector("input[value=atmosphere]").checked, document.getElementById("Text2").textContent]);
        assert.equal(readOut, commandLine(pressure, sensor, atmosphere), `${pressure} ${sensor} ${atmosphere}`);
    }
    await page.close();
});

test("the tooltips: absolute pressure, °F, the ISO 8573-1 class", async () => {
    const { page } = await open();
    const title = (id) => page.$eval(`#${id}`, (element) => element.title);
    assert.equal(await title("HScroll1"), "Absolute pressure: 8.01 bar(a) = 116.2 psia");
    assert.equal(await title("Label4"), "Absolute pressure: 8.01 bar(a) = 116.2 psia");
    assert.equal(await title("HScroll2"), "Dewpoint at the sensor: 0.0 °C = 32.0 °F");
    assert.equal(await title("Text2"), "Pressure dewpoint: 32.1 °C = 89.9 °F\n"
        + "ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)");
    await page.$eval("#HScroll2", (bar) => { bar.value = "600"; bar.dispatchEvent(new Event("input")); });
    assert.equal(await title("Text2"), "Pressure dewpoint: -20.2 °C = -4.3 °F\n"
        + "ISO 8573-1:2010 humidity class 3 (pressure dewpoint ≤ -20 °C)");
    // Limits above zero carry their sign.
    await page.$eval("#HScroll2", (bar) => { bar.value = "750"; bar.dispatchEvent(new Event("input")); });
    assert.equal(await title("Text2"), "Pressure dewpoint: -2.7 °C = 27.1 °F\n"
        + "ISO 8573-1:2010 humidity class 4 (pressure dewpoint ≤ +3 °C)");
    await page.close();
});

test("a fault in the engine is shown, and the last good read-out kept", async () => {
    const { page } = await open();
    // A scroll position no bar can reach, which the engine refuses with an integer overflow.
    await page.$eval("#HScroll2", (bar) => {
        bar.min = "-32768";
        bar.value = "-31769";
        bar.dispatchEvent(new Event("input"));
    });
    const shown = await page.evaluate(() => ({
        hidden: document.getElementById("fault").hidden,
        visible: document.getElementById("fault").getBoundingClientRect().height > 0,
        text: document.getElementById("fault").textContent,
        readOut: document.getElementById("Text2").textContent,
    }));
    assert.equal(shown.hidden, false);
    assert.ok(shown.visible);
    assert.match(shown.text, /^Run-time error: .*overflow/);
    assert.equal(shown.readOut, "32.1 °C");
    await page.close();
});

test("the first of the user's languages that the page speaks, English included", async () => {
    const cases = [
        [["en-GB", "de"], "System Pressure"],
        [["de-CH", "en"], "Systemdruck"],
        [["ja-JP", "it-IT"], "Pressione di sistema"],
        [["fr-CA"], "Pression du réseau"],
        [["pt-BR"], "Pressão do sistema"],
        [["ja-JP"], "System Pressure"],
    ];
    for (const [languages, caption] of cases) {
        const { page } = await open({ languages });
        assert.equal((await texts(page)).Label1_2, caption, languages.join(","));
        await page.close();
    }
});

test("in German and in Chinese, with the locale's decimal separator", async () => {
    const german = await open({ languages: ["de-AT", "de", "en"] });
    const de = await texts(german.page);
    assert.equal(de.Label1_2, "Systemdruck");
    assert.equal(de.Label2, "7,0 bar");
    assert.equal(de.Text2, "32,1 °C");
    assert.equal(await german.page.$eval("html", (html) => html.lang), "de-AT");
    assert.match(await german.page.$eval("#HScroll1", (bar) => bar.title), /^Absolutdruck: 8,01 bar\(a\) = 116,2 psia$/);
    assert.match(await german.page.$eval("#HScroll2", (bar) => bar.title), /: 0,0 °C = 32,0 °F$/);
    assert.match(await german.page.$eval("#Text2", (box) => box.title), /: 32,1 °C = 89,9 °F\n/);
    await german.page.close();
    const chinese = await open({ languages: ["zh-CN"] });
    const zh = await texts(chinese.page);
    assert.notEqual(zh.Label1_2, "System Pressure");
    assert.equal(zh.Text2, "32.1 °C");
    await chinese.page.close();
});

test("accessible: named controls, values with units, a polite read-out, and no axe-core violation", async () => {
    const { page } = await open();
    const names = await page.evaluate(() => ({
        pressure: document.getElementById(document.getElementById("HScroll1").getAttribute("aria-labelledby")).textContent,
        sensor: document.getElementById(document.getElementById("HScroll2").getAttribute("aria-labelledby")).textContent,
        valueText: document.getElementById("HScroll1").getAttribute("aria-valuetext"),
        live: document.getElementById("Text2").getAttribute("aria-live"),
    }));
    assert.deepEqual(names, { pressure: "System Pressure", sensor: "Dewpoint @ Sensor", valueText: "7.0 bar", live: "polite" });
    const snapshot = await page.accessibility.snapshot();
    const flat = JSON.stringify(snapshot);
    for (const name of ["System Pressure", "Dewpoint @ Sensor", "Dewpoint Sensor @", "Dewpoint @ Pressure"])
        assert.ok(flat.includes(`"name":"${name}"`), name);
    await page.addScriptTag({ content: axeSource });
    const result = await page.evaluate(() => window.axe.run(document));
    assert.deepEqual(result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`), []);
    await page.close();
});

test("the control that has the keyboard focus wears a visible frame", async () => {
    const { page } = await open();
    await page.keyboard.press("Tab");
    const outline = await page.evaluate(() => {
        const style = getComputedStyle(document.activeElement);
        return { id: document.activeElement.id, style: style.outlineStyle, width: parseFloat(style.outlineWidth),
            colour: style.outlineColor };
    });
    assert.notEqual(outline.style, "none", JSON.stringify(outline));
    assert.ok(outline.width >= 2, JSON.stringify(outline));
    assert.equal(outline.colour, "rgb(0, 0, 192)");
    await page.close();
});

test("under a dark colour scheme it keeps its own white face", async () => {
    const { page } = await open();
    await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
    const colours = await page.evaluate(() => ["body", "Form1", "Text2", "Label1_0"].map((id) => {
        const style = getComputedStyle(id === "body" ? document.body : document.getElementById(id));
        return [style.backgroundColor, style.color];
    }));
    assert.deepEqual(colours.map(([background]) => background).slice(0, 3),
        ["rgb(255, 255, 255)", "rgb(255, 255, 255)", "rgb(255, 255, 255)"]);
    assert.equal(colours[3][1], "rgb(0, 0, 0)");
    await page.close();
});

test("on a phone held upright it fits without scrolling sideways", async () => {
    // A phone lays a page out 980 pixels wide unless the page says otherwise.
    const { page } = await open({ width: 360, height: 640, scale: 2, mobile: true });
    const fit = await page.evaluate(() => ({
        scroll: document.documentElement.scrollWidth,
        readOut: document.getElementById("Text2").getBoundingClientRect().right,
    }));
    assert.ok(fit.scroll <= 360, `scroll width ${fit.scroll}`);
    assert.ok(fit.readOut <= 360, `read-out ends at ${fit.readOut}`);
    await page.close();
});

// The page drawn at device scales 1 and 2 against reference pictures;
// DEWPOINT_REFRESH_REFERENCE=1 redraws them after an intended change.
for (const scale of [1, 2]) {
    test(`the page at device scale ${scale} looks as its reference picture`, async () => {
        const { page } = await open({ width: 536, height: 301, scale });
        const shot = PNG.sync.read(Buffer.from(await page.screenshot({ clip: { x: 0, y: 0, width: 536, height: 301 } })));
        await page.close();
        const path = here(`reference/page-x${scale}.png`);
        if (process.env.DEWPOINT_REFRESH_REFERENCE || !existsSync(path)) {
            writeFileSync(path, PNG.sync.write(shot));
            if (!process.env.DEWPOINT_REFRESH_REFERENCE) assert.fail(`no reference picture yet: drawn ${path}`);
            return;
        }
        const reference = PNG.sync.read(readFileSync(path));
        assert.equal(shot.width, reference.width);
        assert.equal(shot.height, reference.height);
        let differing = 0;
        for (let i = 0; i < shot.data.length; i += 4)
            if ([0, 1, 2].some((c) => Math.abs(shot.data[i + c] - reference.data[i + c]) > 24)) ++differing;
        assert.ok(differing <= shot.width * shot.height * 0.002, `${differing} pixels differ`);
    });
}
