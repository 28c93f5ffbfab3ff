// The page's start in headless Chromium: from navigation to the first
// read-out, median of 11 runs, beside the same file with the engine and the
// script taken out (from navigation to its load event); and the file's size.
//   node benchmarks/web_benchmark.mjs build/web/dewpoint-converter.html
import { readFileSync, statSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { pathToFileURL } from "node:url";

const require = createRequire(new URL("../web/package.json", import.meta.url));
const puppeteer = require("puppeteer-core");

const pagePath = process.argv[2];
const barePath = pagePath.replace(/\.html$/, "-bare.html");
writeFileSync(barePath, readFileSync(pagePath, "utf8").replace(/<script type="module">[\s\S]*<\/script>/, ""));

const browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
        "--no-first-run", "--disable-sync"],
});
const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
async function run(path, ready) {
    const times = [];
    for (let i = 0; i < 11; ++i) {
        const page = await browser.newPage();
        await page.goto(pathToFileURL(path).href, { waitUntil: "load" });
        times.push(await page.evaluate(ready));
        await page.close();
    }
    return median(times);
}
const full = await run(pagePath, async () => {
    while (!document.body.dataset.ready) await new Promise((resolve) => setTimeout(resolve, 1));
    return Number(document.body.dataset.ready);
});
const bare = await run(barePath, () => performance.getEntriesByType("navigation")[0].loadEventEnd);
await browser.close();
console.log(`web_first_read_out_ms ${full.toFixed(1)}`);
console.log(`web_bare_page_ms ${bare.toFixed(1)}`);
console.log(`web_ratio ${(full / bare).toFixed(2)}`);
console.log(`web_page_bytes ${statSync(pagePath).size}`);
