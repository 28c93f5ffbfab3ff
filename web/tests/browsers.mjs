// The browsers the page is tested in, Debian's own: Chromium over the
// DevTools protocol and Firefox ESR over WebDriver BiDi, both headless and
// both through puppeteer-core. Every request but the page itself is refused.
import { execFileSync } from "node:child_process";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

export const here = (path) => fileURLToPath(new URL(path, import.meta.url));
export const pagePath = process.env.DEWPOINT_PAGE ?? here("../../build/web/dewpoint-converter.html");
export const pageUrl = pathToFileURL(pagePath).href;
const dewpoint = process.env.DEWPOINT_PROGRAM ?? here("../../build/cli/dewpoint");

export const BROWSERS = ["chromium", "firefox"];

export function launch(name, { firefoxPrefs = {} } = {}) {
    if (name === "firefox") {
        return puppeteer.launch({
            browser: "firefox", executablePath: process.env.FIREFOX ?? "/usr/bin/firefox-esr", headless: true,
            extraPrefsFirefox: { "intl.accept_languages": "en-US", ...firefoxPrefs },
        });
    }
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        headless: true,
        args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
            "--no-first-run", "--disable-sync", "--font-render-hinting=none", "--force-color-profile=srgb"],
    });
}

// Opens the page in the given languages. A phone (touch) is emulated in
// Chromium; Firefox's protocol has no touch, so there `mobile` is only the width.
export async function open(browser, { languages = ["en-US", "en"], width = 800, height = 600, scale = 1,
    mobile = false, url = pageUrl, before } = {}) {
    const page = await browser.newPage();
    const chromium = (await browser.version()).toLowerCase().includes("chrom");
    await page.setViewport({ width, height, deviceScaleFactor: scale, isMobile: mobile && chromium,
        hasTouch: mobile && chromium });
    const refused = [];
    if (url === pageUrl) {
        await page.setRequestInterception(true);
        page.on("request", (request) => {
            const address = request.url();
            if (address === pageUrl || address.startsWith("data:")) request.continue();
            else refused.push(address), request.abort();
        });
    }
    await page.evaluateOnNewDocument((list) => {
        Object.defineProperty(navigator, "languages", { get: () => list });
        Object.defineProperty(navigator, "language", { get: () => list[0] });
    }, languages);
    if (before) await before(page);
    await page.goto(url);
    await page.waitForFunction(() => document.body.dataset.ready || document.body.dataset.failed);
    return { page, refused, chromium };
}

export const texts = (page) => page.evaluate(() => Object.fromEntries(
    ["Label1_2", "Label1_0", "Label1_1", "Label1_3", "Label2", "Label4", "Label3", "Text2", "Option1_0", "Option1_1"]
        .map((id) => [id, document.getElementById(id).textContent])));
export const value = (page, id) => page.$eval(`#${id}`, (input) => Number(input.value));
export const setBar = (page, id, position) => page.$eval(`#${id}`, (bar, v) => {
    bar.value = String(v);
    bar.dispatchEvent(new Event("input"));
}, position);
export const tenths = (n) => `${n < 0 ? "-" : ""}${Math.floor(Math.abs(n) / 10)}.${Math.abs(n) % 10}`;

// The command line's read-out for a state of the window.
export function commandLine(pressureScroll, sensorScroll, atmosphere) {
    return execFileSync(dewpoint, ["--pressure", tenths(pressureScroll), "--sensor", tenths(sensorScroll - 1000),
        "--sensor-at", atmosphere ? "atmosphere" : "system"], { encoding: "utf8" }).trim();
}

// The state the page shows: both positions, the option and the read-out.
export const state = (page) => page.evaluate(() => ({
    pressure: Number(document.getElementById("HScroll1").value),
    sensor: Number(document.getElementById("HScroll2").value),
    atmosphere: document.querySelector("input[value=atmosphere]").checked,
    readOut: document.getElementById("Text2").textContent,
}));
