// The page's start in headless Chromium: from navigation to the first
// read-out, median of 11 runs, beside the same file with the engine and the
// script taken out (from navigation to its load event); the file's size; and
// a 1,000,000-row log converted on the page and by dewpoint, side by side.
//   node benchmarks/web_benchmark.mjs build/web/dewpoint-converter.html build/cli/dewpoint
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createRequire } from "node:module";
import { pathToFileURL } from "node:url";

const require = createRequire(new URL("../web/package.json", import.meta.url));
const puppeteer = require("puppeteer-core");

const pagePath = process.argv[2];
const programPath = process.argv[3];
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

// The log: a minute's reading a row, as a logger writes it.
const folder = mkdtempSync(join(tmpdir(), "dewpoint-bench-"));
const logPath = join(folder, "log.csv");
const rows = 1000000;
const lines = ["Time,Pressure (bar),Dewpoint (°C)"];
for (let i = 0; i < rows; ++i) {
    const day = Math.floor(i / 1440);
    lines.push(`2026-${String(1 + Math.floor(day / 28) % 12).padStart(2, "0")}-${String(1 + day % 28).padStart(2, "0")} `
        + `${String(Math.floor(i / 60) % 24).padStart(2, "0")}:${String(i % 60).padStart(2, "0")},`
        + `${(i % 400) / 10},${-60 + (i * 7) % 80}.${i % 10}`);
}
writeFileSync(logPath, `${lines.join("\n")}\n`);
const pageSeconds = [];
let args = [];
for (let i = 0; i < 3; ++i) {
    const page = await browser.newPage();
    await page.goto(pathToFileURL(pagePath).href);
    await page.waitForFunction(() => document.body.dataset.ready);
    await (await page.$("#log_file")).uploadFile(logPath);
    await page.waitForFunction(() => !document.getElementById("log_settings").hidden, { timeout: 60000 });
    await page.click("#log_convert");
    await page.waitForFunction(() => document.getElementById("log").dataset.status === "0",
        { timeout: 600000, polling: 100 });
    pageSeconds.push(Number(await page.$eval("#log", (log) => log.dataset.seconds)));
    args = JSON.parse(await page.$eval("#log_command", (command) => command.dataset.arguments));
    await page.close();
}
await browser.close();
const programSeconds = [];
for (let i = 0; i < 3; ++i) {
    const start = process.hrtime.bigint();
    execFileSync(programPath, [...args.slice(0, -2), "-o", join(folder, "out.csv"), "--", logPath]);
    programSeconds.push(Number(process.hrtime.bigint() - start) / 1e9);
}
rmSync(folder, { recursive: true, force: true });
console.log(`web_first_read_out_ms ${full.toFixed(1)}`);
console.log(`web_bare_page_ms ${bare.toFixed(1)}`);
console.log(`web_ratio ${(full / bare).toFixed(2)}`);
console.log(`web_page_bytes ${statSync(pagePath).size}`);
const pageRate = rows / median(pageSeconds);
const programRate = rows / median(programSeconds);
console.log(`web_log_rows_per_second ${pageRate.toFixed(0)}`);
console.log(`dewpoint_log_rows_per_second ${programRate.toFixed(0)}`);
console.log(`web_log_ratio ${(pageRate / programRate).toFixed(2)}`);
