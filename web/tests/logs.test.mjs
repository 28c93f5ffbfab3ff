// Sensor logs on the page, in Chromium and in Firefox: opened by the file
// input and by dropping, converted to the very bytes `dewpoint --csv` writes
// with the same settings, for the dialects and encodings it reads; the
// summary equal to its --summary=json; the chart with its class lines; bad
// rows, Cancel, a 100 MB log, a phone.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { createHash } from "node:crypto";
import { closeSync, mkdtempSync, openSync, readFileSync, rmSync, writeFileSync, writeSync } from "node:fs";
import { tmpdir } from "node:os";
import { basename, join } from "node:path";
import { BROWSERS, here, launch, open } from "./browsers.mjs";

const dewpoint = process.env.DEWPOINT_PROGRAM ?? here("../../build/cli/dewpoint");
const folder = mkdtempSync(join(tmpdir(), "dewpoint-logs-"));
after(() => rmSync(folder, { recursive: true, force: true }));

const latin1 = (text) => Buffer.from(text, "latin1");
// Logs as spreadsheets and loggers write them.
const DIALECTS = [
    ["spreadsheet.csv", "a spreadsheet's export with a byte-order mark",
        Buffer.concat([Buffer.from([0xEF, 0xBB, 0xBF]), Buffer.from(
            "Time,Dewpoint (°C),Pressure (bar)\r\n2026-12-01 08:00,-40.0,7.0\r\n2026-12-01 08:01,-38.2,7.1\r\n")])],
    ["semicolon.csv", "';' with decimal commas", Buffer.from(
        "Zeit;Taupunkt [°C];Druck [bar]\n01.12.2026 08:00;-40,0;7,0\n01.12.2026 08:01;-3,5;6,5\n01.12.2026 08:02;5,25;7\n")],
    ["windows-1252.csv", "Windows-1252", latin1(
        "Zeit;Taupunkt Kühler [°C];Druck [bar]\r\n01.12.2026 08:00;-40,0;7,0\r\n01.12.2026 08:01;-41,0;7,0\r\n")],
    ["mac.csv", "CR line ends", Buffer.from("time,dewpoint,pressure\r1,-40,7\r2,-20,8\r3,0,9\r")],
    ["notes.csv", "notes above the header", Buffer.from(
        "Logger XY-3000\nSerial,1234\n\nDate,Dewpoint,Pressure\n2026-12-01,-55.5,7.5\n2026-12-02,-60.1,7.5\n")],
    ["unicode.txt", "Excel's Unicode Text (UTF-16LE)", Buffer.concat([Buffer.from([0xFF, 0xFE]),
        Buffer.from("Zeit\tTaupunkt (°C)\tDruck (bar)\r\n08:00\t-40\t7\r\n08:01\t-30\t7\r\n", "utf16le")])],
    ["unicode-notes.txt", "Unicode Text with a logger's notes above the header", Buffer.concat([Buffer.from([0xFF, 0xFE]),
        Buffer.from("Gerät DP-40\r\nZeit\tTaupunkt (°C)\tDruck (bar)\r\n08:00\t-40\t7\r\n", "utf16le")])],
    ["psi.csv", "a pressure in psi, a dewpoint in °F", Buffer.from(
        "Date,Dew point [°F],Line pressure [psig]\n2026-12-01,-40,101.5\n2026-12-02,-22,110\n")],
];
for (const [name, , bytes] of DIALECTS) writeFileSync(join(folder, name), bytes);

// What `dewpoint` writes and prints with the page's arguments, in the log's folder.
function commandLine(args, extra = []) {
    const result = spawnSync(dewpoint, [...args.slice(0, -2), ...extra, ...args.slice(-2)], { cwd: folder });
    return { status: result.status, stdout: result.stdout, stderr: result.stderr.toString() };
}

// Opens the page; every Blob it makes a link to is kept for reading back.
function openKeepingBlobs(browser, options = {}) {
    return open(browser, {
        ...options,
        before: (page) => page.evaluateOnNewDocument(() => {
            window.linkedBlobs = [];
            const original = URL.createObjectURL;
            URL.createObjectURL = (blob) => {
                window.linkedBlobs.push(blob);
                return original.call(URL, blob);
            };
        }),
    });
}

for (const name of BROWSERS) {
    describe(name, () => {
        let browser;
        before(async () => { browser = await launch(name); });
        after(() => browser?.close());

        const openPage = (options) => openKeepingBlobs(browser, options);
        async function openLog(page, path) {
            await (await page.$("#log_file")).uploadFile(path);
            await page.waitForFunction((file) => !document.getElementById("log_settings").hidden
                && document.getElementById("log_name").textContent.startsWith(file), {}, basename(path));
        }
        async function convert(page, { skipBad = false } = {}) {
            await page.$eval("#log", (log) => { delete log.dataset.status; });
            if (skipBad !== await page.$eval("#log_skip_bad", (box) => box.checked)) await page.click("#log_skip_bad");
            await page.click("#log_convert");
            await page.waitForFunction(() => document.getElementById("log").dataset.status, { timeout: 120000 });
            return page.evaluate(async () => {
                const link = document.getElementById("log_download");
                const blob = window.linkedBlobs.filter((b) => b.type === "text/csv").at(-1);
                return {
                    status: Number(document.getElementById("log").dataset.status),
                    args: JSON.parse(document.getElementById("log_command").dataset.arguments),
                    download: link.hidden ? null : link.download,
                    bytes: link.hidden || !blob ? null : [...new Uint8Array(await blob.arrayBuffer())],
                    summary: document.getElementById("log_summary").dataset.json,
                    cells: [...document.querySelectorAll("#log_summary td")].map((cell) => cell.textContent),
                    messages: [...document.querySelectorAll("#log_bad_list li")].map((item) => item.textContent),
                    outcome: document.getElementById("log_outcome").textContent,
                };
            });
        }

        test("every dialect converts to the bytes dewpoint --csv writes, with the same summary", async () => {
            const { page } = await openPage();
            for (const [file, dialect] of DIALECTS) {
                await openLog(page, join(folder, file));
                const result = await convert(page);
                assert.equal(result.status, 0, `${dialect}: ${result.messages.join(" ")}`);
                assert.equal(result.download, file.replace(/(\.[^.]+)$/, "-pdp$1"));
                const out = join(folder, `${file}.out`);
                const cli = commandLine(result.args, ["-o", out]);
                assert.equal(cli.status, 0, cli.stderr);
                assert.deepEqual(Buffer.from(result.bytes), readFileSync(out), dialect);
                // The summary: the command line's to the byte, and every figure shown.
                assert.equal(result.summary, cli.stdout.toString(), dialect);
                const figures = JSON.parse(result.summary);
                for (const key of ["min_c", "mean_c", "max_c", "p5_c", "p50_c", "p95_c"]) {
                    const shown = cli.stdout.toString().match(new RegExp(`"${key}": (-?[0-9.]+)`))[1];
                    assert.ok(result.cells.some((cell) => cell.includes(`${shown} °C`)), `${dialect}: ${key} ${shown}`);
                }
                assert.equal(result.cells[1], String(figures.rows));
            }
            await page.close();
        });

        test("the settings are prefilled from the header, and the units it names are taken", async () => {
            const { page } = await openPage();
            await openLog(page, join(folder, "psi.csv"));
            const settings = await page.evaluate(() => Object.fromEntries(["log_sensor_column", "log_sensor_unit",
                "log_pressure_column", "log_pressure_unit"].map((id) => [id,
                `${document.getElementById(id).value}${document.getElementById(id).disabled ? " (header)" : ""}`])));
            assert.deepEqual(settings, { log_sensor_column: "Dew point [°F]", log_sensor_unit: "F (header)",
                log_pressure_column: "Line pressure [psig]", log_pressure_unit: "psi (header)" });
            assert.deepEqual(await page.$$eval("#log_sensor_column option", (all) => all.map((o) => o.value)),
                ["Date", "Dew point [°F]", "Line pressure [psig]"]);
            // Without a pressure column: every row at the System Pressure set above.
            await openLog(page, join(folder, "mac.csv"));
            await page.select("#log_pressure_column", "");
            await page.click("#Option1_1");
            const result = await convert(page);
            assert.deepEqual(result.args.slice(0, 9), ["--csv", "--sensor-column", "dewpoint", "--sensor-unit", "C",
                "--pressure", "7.0", "--sensor-at", "system"]);
            const cli = commandLine(result.args);
            assert.equal(result.summary, cli.stdout.toString());
            await page.close();
        });

        test("dropped on the page, a log opens as from the file input", async () => {
            const { page } = await openPage();
            const bytes = [...readFileSync(join(folder, "semicolon.csv"))];
            await page.evaluate((content) => {
                const transfer = new DataTransfer();
                transfer.items.add(new File([new Uint8Array(content)], "dropped.csv", { type: "text/csv" }));
                const zone = document.getElementById("log_drop");
                for (const type of ["dragenter", "dragover", "drop"])
                    zone.dispatchEvent(new DragEvent(type, { dataTransfer: transfer, bubbles: true, cancelable: true }));
            }, bytes);
            await page.waitForFunction(() => !document.getElementById("log_settings").hidden);
            const result = await convert(page);
            assert.equal(result.download, "dropped-pdp.csv");
            writeFileSync(join(folder, "dropped.csv"), Buffer.from(bytes));
            const out = join(folder, "dropped.out");
            assert.equal(commandLine(result.args, ["-o", out]).status, 0);
            assert.deepEqual(Buffer.from(result.bytes), readFileSync(out));
            await page.close();
        });

        test("bad rows: listed with dewpoint's messages; they stop the run, or are left without a result", async () => {
            writeFileSync(join(folder, "bad.csv"), "Time,Dewpoint,Pressure\n1,-40,7\n2,wet,7\n3,-20,7\n4,-30,99\n");
            const { page } = await openPage();
            await openLog(page, join(folder, "bad.csv"));
            const stopped = await convert(page);
            const cli = commandLine(stopped.args);
            assert.deepEqual([stopped.status, stopped.download, cli.status], [1, null, 1]);
            assert.deepEqual(stopped.messages, cli.stderr.trim().split("\n").map((line) => line.replace(/^dewpoint: /, "")));
            const skipped = await convert(page, { skipBad: true });
            const out = join(folder, "bad.out");
            const cliSkipped = commandLine(skipped.args, ["-o", out]);
            assert.deepEqual([skipped.status, cliSkipped.status], [3, 3]);
            assert.deepEqual(Buffer.from(skipped.bytes), readFileSync(out));
            assert.deepEqual(skipped.messages, cliSkipped.stderr.trim().split("\n").map((l) => l.replace(/^dewpoint: /, "")));
            assert.match(skipped.messages[0], /^bad\.csv:3: column "Dewpoint": 'wet' is not a number/);
            assert.equal(skipped.outcome, "2 rows converted; 2 bad rows left without a result.");
            await page.close();
        });

        test("a log that can no longer be read ends the run with a message, not a hang", async () => {
            const path = join(folder, "vanishing.csv");
            writeFileSync(path, "Time,Dewpoint,Pressure\n1,-40,7\n");
            const { page } = await openPage();
            await openLog(page, path);
            rmSync(path);
            const result = await convert(page);
            assert.deepEqual([result.status, result.download], [1, null]);
            assert.equal(result.messages.length, 1);
            await page.close();
        });

        test("the chart: the pressure dewpoint with the class lines, zoom, pan, and a picture to save", async () => {
            const { page } = await openPage();
            await openLog(page, join(folder, "semicolon.csv"));
            await convert(page);
            const drawn = await page.evaluate(() => {
                const canvas = document.querySelector("#log_chart canvas");
                const pixels = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
                let red = 0;
                let blue = 0;
                for (let i = 0; i < pixels.length; i += 4) {
                    if (pixels[i] > 150 && pixels[i + 1] < 40 && pixels[i + 2] < 40) ++red;
                    if (pixels[i] < 60 && pixels[i + 1] < 60 && pixels[i + 2] > 150) ++blue;
                }
                const box = document.getElementById("log_chart");
                return { red, blue, points: Number(box.dataset.points), lines: Number(box.dataset.classLines),
                    legend: document.querySelector(".u-legend")?.textContent ?? "" };
            });
            assert.equal(drawn.points, 3);
            assert.ok(drawn.lines >= 3, `${drawn.lines} class lines`);
            assert.ok(drawn.red > 200 && drawn.blue > 50, JSON.stringify(drawn));
            assert.match(drawn.legend, /Time/);
            // The value under the pointer.
            await page.$eval("#log_chart", (chart) => chart.scrollIntoView({ block: "center" }));
            const plot = await (await page.$("#log_chart .u-over")).boundingBox();
            await page.mouse.move(plot.x + plot.width / 2, plot.y + plot.height / 2);
            await page.waitForFunction(() => /-?\d+[.,]\d °C/.test(document.querySelector(".u-legend").textContent));
            const scale = () => page.$eval("#log_chart_range", (range) => range.textContent);
            const before = await scale();
            assert.equal(before, "Shown: 2026-12-01 08:00 to 2026-12-01 08:02");
            await page.click("#log_zoom_in");
            const zoomed = await scale();
            await page.click("#log_pan_right");
            assert.notEqual(await scale(), zoomed, "panned");
            await page.click("#log_zoom_reset");
            assert.notEqual(zoomed, before, "zoomed");
            assert.equal(await scale(), before, "all shown again");
            await page.click("#log_save_chart");
            await page.waitForFunction(() => window.linkedBlobs.some((b) => b.type === "image/png"));
            // A long log is drawn as stretches of rows, each with its lowest and highest value.
            const long = join(folder, "twelve-thousand.csv");
            writeFileSync(long, ["Row,Dewpoint,Pressure", ...Array.from({ length: 12000 },
                (_, i) => `${i},${i === 7000 ? 15 : -40},7`)].join("\n"));
            await openLog(page, long);
            await convert(page);
            const stretches = await page.$eval("#log_chart", (box) => Number(box.dataset.points));
            assert.ok(stretches >= 2000 && stretches <= 4000, `${stretches} stretches`);
            assert.match(await scale(), /^Shown: 2 to 1\d{4}$/, "from the first row on");
            assert.match(await page.$eval(".u-legend", (legend) => legend.textContent), /Highest/);
            await page.close();
        });

        test("Cancel stops a long conversion, and nothing is offered", async () => {
            const path = join(folder, "long.csv");
            const file = openSync(path, "w");
            writeSync(file, "Time,Dewpoint,Pressure\n");
            const block = Array.from({ length: 10000 }, (_, i) => `${i},-40.${i % 10},7.0\n`).join("");
            for (let i = 0; i < 200; ++i) writeSync(file, block);
            closeSync(file);
            const { page } = await openPage();
            await openLog(page, path);
            await page.click("#log_convert");
            await page.waitForFunction(() => !document.getElementById("log_running").hidden);
            await page.click("#log_cancel");
            const after = await page.evaluate(() => ({ running: !document.getElementById("log_running").hidden,
                download: !document.getElementById("log_download").hidden,
                outcome: document.getElementById("log_outcome").textContent }));
            assert.deepEqual(after, { running: false, download: false, outcome: "Cancelled." });
            await new Promise((resolve) => setTimeout(resolve, 500));
            assert.equal(await page.$eval("#log", (log) => log.dataset.status ?? ""), "");
            await page.close();
        });

        test("on a phone: opened, converted and charted without sideways scrolling", async () => {
            const { page } = await openPage({ width: 360, height: 740, scale: 2, mobile: true });
            await openLog(page, join(folder, "spreadsheet.csv"));
            const result = await convert(page);
            assert.equal(result.status, 0);
            const fit = await page.evaluate(() => ({ scroll: document.documentElement.scrollWidth,
                chart: document.querySelector("#log_chart canvas").getBoundingClientRect().width }));
            assert.ok(fit.scroll <= 360, `scroll width ${fit.scroll}`);
            assert.ok(fit.chart >= 280 && fit.chart <= 340, `chart ${fit.chart}`);
            // The value under a finger.
            await page.$eval("#log_chart", (chart) => chart.scrollIntoView({ block: "center" }));
            const plot = await (await page.$("#log_chart .u-over")).boundingBox();
            if (name === "chromium") await page.touchscreen.tap(plot.x + plot.width * 0.9, plot.y + plot.height / 2);
            else await page.mouse.click(plot.x + plot.width * 0.9, plot.y + plot.height / 2);
            await page.waitForFunction(() => /-?\d+\.\d °C/.test(document.querySelector(".u-legend").textContent));
            await page.close();
        });
    });
}

describe("chromium, 100 MB", () => {
    let browser;
    before(async () => { browser = await launch("chromium"); });
    after(() => browser?.close());

    test("a 100 MB log converts with a progress bar, in flat memory, to dewpoint's bytes", async () => {
        const path = join(folder, "hundred.csv");
        const file = openSync(path, "w");
        writeSync(file, "Time,Dewpoint (°C),Pressure (bar)\n");
        let written = 0;
        for (let day = 0; written < 100 * 1024 * 1024; ++day) {
            const rows = [];
            for (let minute = 0; minute < 1440; ++minute)
                rows.push(`2026-${String(1 + (day >> 5) % 12).padStart(2, "0")}-${String(1 + day % 28).padStart(2, "0")} `
                    + `${String(minute / 60 | 0).padStart(2, "0")}:${String(minute % 60).padStart(2, "0")},`
                    + `${-60 + (minute * 7 + day) % 70}.${minute % 10},${(minute % 40) / 4}\n`);
            written += writeSync(file, rows.join(""));
        }
        closeSync(file);
        const { page } = await openKeepingBlobs(browser);
        const session = await page.createCDPSession();
        await session.send("Performance.enable");
        await (await page.$("#log_file")).uploadFile(path);
        await page.waitForFunction(() => !document.getElementById("log_settings").hidden, { timeout: 60000 });
        await page.click("#log_convert");
        const progress = [];
        let heap = 0;
        while (!(await page.$eval("#log", (log) => log.dataset.status))) {
            progress.push(await page.$eval("#log_progress", (bar) => bar.value));
            const metrics = await session.send("Performance.getMetrics");
            heap = Math.max(heap, metrics.metrics.find((m) => m.name === "JSHeapUsedSize").value);
            await new Promise((resolve) => setTimeout(resolve, 200));
        }
        const status = await page.$eval("#log", (log) => Number(log.dataset.status));
        assert.equal(status, 0);
        const rising = progress.filter((value, i) => i > 0 && value > progress[i - 1]).length;
        assert.ok(rising >= 3, `progress ${progress.join(" ")}`);
        assert.ok(heap < 64 * 1024 * 1024, `the page's heap reached ${(heap / 1048576).toFixed(1)} MB`);
        // The bytes, compared by digest with the command line's output of the same log.
        const args = JSON.parse(await page.$eval("#log_command", (p) => p.dataset.arguments));
        const digest = await page.evaluate(async () => {
            const blob = window.linkedBlobs.filter((b) => b.type === "text/csv").at(-1);
            const hash = await crypto.subtle.digest("SHA-256", await blob.arrayBuffer());
            return [...new Uint8Array(hash)].map((byte) => byte.toString(16).padStart(2, "0")).join("");
        });
        const seconds = Number(await page.$eval("#log", (log) => log.dataset.seconds));
        const start = process.hrtime.bigint();
        execFileSync(dewpoint, [...args.slice(0, -2), "-o", join(folder, "hundred.out"), ...args.slice(-2)],
            { cwd: folder });
        const cliSeconds = Number(process.hrtime.bigint() - start) / 1e9;
        assert.equal(digest, createHash("sha256").update(readFileSync(join(folder, "hundred.out"))).digest("hex"));
        console.log(`# 100 MB: page ${seconds.toFixed(1)} s, dewpoint ${cliSeconds.toFixed(1)} s`);
        await page.close();
    });
});
