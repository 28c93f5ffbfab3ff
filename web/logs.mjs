// Sensor logs on the page: the log is converted by the command line's own
// log converter, compiled into the page's WebAssembly, in a worker that
// reads the user's file and collects the converted bytes; nothing leaves
// the device. The chart's code is loaded with the first log.

// The worker's whole code; it is started from this text. It serves the
// converter's standard input from the file, its standard output into
// pieces of the converted log, and tells the page of progress, rows, bad
// rows, messages and the header's columns as they happen.
function logWorker() {
    const CHART_BUCKETS = 4000;  // the chart keeps the lowest and highest value of at most this many stretches
    const READ_AHEAD = 1 << 24;  // FileReaderSync is slow by the call: few, large reads
    const OUTPUT_PIECE = 1 << 22;
    self.onmessage = ({ data: { module, file, args, limit } }) => {
        const size = Math.min(file.size, limit ?? file.size);
        const reader = new FileReaderSync();
        let position = 0;
        let held = new Uint8Array(0);  // the file from heldStart on, read ahead
        let heldStart = 0;
        let pieces = [];
        let pieceBytes = 0;
        let lastReport = 0;
        let memory = null;
        const decoder = new TextDecoder();
        const bytesAt = (pointer, length) => new Uint8Array(memory.buffer, pointer, length);
        const view = () => new DataView(memory.buffer);
        const sendOutput = () => {
            if (pieces.length > 0) postMessage({ output: new Blob(pieces) });
            pieces = [];
            pieceBytes = 0;
        };
        // The chart's data: stretches of rows, each with its first row's
        // line and time and its lowest and highest pressure dewpoint; two
        // neighbours merge whenever there are too many.
        const chart = { line: [], time: [], low: [], high: [], rowsEach: 1, rowsInLast: 0 };
        // `time` is a function: a row's time is read only where it starts a stretch.
        const addPoint = (line, time, value) => {
            const last = chart.line.length - 1;
            if (last >= 0 && chart.rowsInLast < chart.rowsEach) {
                chart.low[last] = Math.min(chart.low[last], value);
                chart.high[last] = Math.max(chart.high[last], value);
                ++chart.rowsInLast;
                return;
            }
            if (chart.line.length === CHART_BUCKETS) {
                for (const key of ["line", "time", "low", "high"]) {
                    const merged = [];
                    for (let i = 0; i < chart[key].length; i += 2) {
                        const [a, b] = [chart[key][i], chart[key][i + 1]];
                        merged.push(key === "low" ? Math.min(a, b) : key === "high" ? Math.max(a, b) : a);
                    }
                    chart[key] = merged;
                }
                chart.rowsEach *= 2;
            }
            chart.line.push(line);
            chart.time.push(time());
            chart.low.push(value);
            chart.high.push(value);
            chart.rowsInLast = 1;
        };
        // A log's time as seconds since 1970 (as UTC, for the chart's axis):
        // ISO dates; day.month.year; month/day/year, or day/month/year
        // where the first number cannot be a month.
        const seconds = (text) => {
            const at = (year, month, day, hour, minute, second) => Date.UTC(year, month - 1, day, hour ?? 0,
                minute ?? 0, 0) / 1000 + Number(second ?? 0);
            let m = /^(\d{4})-(\d\d)-(\d\d)(?:[T ](\d\d?):(\d\d)(?::(\d\d(?:\.\d+)?))?)?/.exec(text);
            if (m) return at(m[1], m[2], m[3], m[4], m[5], m[6]);
            m = /^(\d\d?)([./])(\d\d?)[./](\d{4})(?:[ ,T]+(\d\d?):(\d\d)(?::(\d\d(?:\.\d+)?))?)?/.exec(text);
            if (!m) return NaN;
            const dayFirst = m[2] === "." || Number(m[1]) > 12;
            return at(m[4], dayFirst ? m[3] : m[1], dayFirst ? m[1] : m[3], m[5], m[6], m[7]);
        };
        // The chart's horizontal axis: the times where every stretch has one
        // and they rise, else the lines.
        const finishChart = () => {
            const timed = chart.time.length > 0 && chart.time.every((t, i) => Number.isFinite(t)
                && (i === 0 || t > chart.time[i - 1]));
            return { x: timed ? chart.time : chart.line, low: chart.low, high: chart.high, rowsEach: chart.rowsEach,
                timed };
        };
        const ok = 0, badDescriptor = 8, invalid = 28, noSeek = 70;
        const wasi = {
            fd_read(fd, vectors, count, readPointer) {
                if (fd !== 0) return badDescriptor;
                let total = 0;
                for (let i = 0; i < count; ++i) {
                    const base = view().getUint32(vectors + 8 * i, true);
                    const length = view().getUint32(vectors + 8 * i + 4, true);
                    if (position >= size) break;
                    if (position < heldStart || position >= heldStart + held.length) {
                        heldStart = position;
                        held = new Uint8Array(reader.readAsArrayBuffer(
                            file.slice(position, Math.min(size, position + Math.max(READ_AHEAD, length)))));
                    }
                    const part = held.subarray(position - heldStart, Math.min(held.length, position - heldStart + length));
                    bytesAt(base, part.length).set(part);
                    position += part.length;
                    total += part.length;
                    if (part.length < length) break;
                }
                view().setUint32(readPointer, total, true);
                return ok;
            },
            fd_write(fd, vectors, count, writtenPointer) {
                if (fd !== 1 && fd !== 2) return badDescriptor;
                let total = 0;
                for (let i = 0; i < count; ++i) {
                    const base = view().getUint32(vectors + 8 * i, true);
                    const length = view().getUint32(vectors + 8 * i + 4, true);
                    if (fd === 1 && length > 0) {
                        pieces.push(bytesAt(base, length).slice());
                        pieceBytes += length;
                    }
                    total += length;
                }
                view().setUint32(writtenPointer, total, true);
                if (pieceBytes >= OUTPUT_PIECE) sendOutput();
                return ok;
            },
            fd_seek(fd, offset, whence, newOffsetPointer) {
                if (fd !== 0) return noSeek;
                const from = [0, position, size][whence];
                if (from === undefined) return invalid;
                position = Math.max(0, Math.min(size, from + Number(offset)));
                view().setBigUint64(newOffsetPointer, BigInt(position), true);
                return ok;
            },
            // Every descriptor is a regular file: output is written in blocks, not lines.
            fd_fdstat_get(fd, statPointer) {
                view().setUint8(statPointer, 4);
                view().setUint16(statPointer + 2, 0, true);
                view().setBigUint64(statPointer + 8, 0xFFFFFFFFFFFFFFFFn, true);
                view().setBigUint64(statPointer + 16, 0xFFFFFFFFFFFFFFFFn, true);
                return ok;
            },
            fd_close: () => ok,
        };
        const page = {
            progress(rows, bytes) {
                const now = performance.now();
                if (now - lastReport < 100) return;
                lastReport = now;
                postMessage({ progress: { rows, bytes, size } });
            },
            row(line, value, time, timeLength) {
                addPoint(line, () => (timeLength > 0 ? seconds(decoder.decode(bytesAt(time, timeLength))) : NaN), value);
            },
            bad(line) {
                postMessage({ bad: line });
            },
            message(text, length) {
                postMessage({ message: decoder.decode(bytesAt(text, length)) });
            },
            column(name, length, pressureUnit, temperatureUnit) {
                postMessage({ column: { name: decoder.decode(bytesAt(name, length)), pressureUnit, temperatureUnit } });
            },
        };
        const instance = new WebAssembly.Instance(module, { wasi_snapshot_preview1: wasi, dewpoint: page });
        memory = instance.exports.memory;
        instance.exports._initialize();
        const encoder = new TextEncoder();
        args.forEach((argument, i) => {
            const bytes = encoder.encode(argument);
            bytesAt(instance.exports.dp_log_argument_buffer(bytes.length), bytes.length).set(bytes);
            instance.exports.dp_log_argument(i === 0 ? 1 : 0);
        });
        const status = instance.exports.dp_log_convert();
        sendOutput();
        const summaryPointer = instance.exports.dp_log_summary();
        const summary = decoder.decode(bytesAt(summaryPointer, new Uint8Array(memory.buffer).indexOf(0, summaryPointer)
            - summaryPointer));
        postMessage({ done: { status, summary, chart: finishChart() } });
    };
}

// A new worker running logWorker, from its text: the page has no other files.
function startLogWorker() {
    const url = URL.createObjectURL(new Blob([`(${logWorker.toString()})();`], { type: "text/javascript" }));
    const worker = new Worker(url);
    URL.revokeObjectURL(url);
    return worker;
}

// The converted log's name: "day.csv" gives "day-pdp.csv".
function convertedName(name) {
    const dot = name.lastIndexOf(".");
    return dot > 0 ? `${name.slice(0, dot)}-pdp${name.slice(dot)}` : `${name}-pdp`;
}

// Where a log's columns are guessed from their names, in the languages loggers write.
const SENSOR_WORDS = /dew|taupunkt|td\b|tp\b|ros[ée]e|roc[ií]o|rugiada|orvalho|露点|dauwpunt|daggpunkt/i;
const PRESSURE_WORDS = /press|druck|presi[oó]n|pressione|press[aã]o|压力|\bbar\b|psi|kpa|mpa/i;
// The ISO 8573-1:2010 class limits, in °C, from class 1 to 6.
const CLASS_LIMITS = [-70, -40, -20, 3, 7, 10];

// The section's texts in the user's language.
function logTexts({ QT_TRANSLATE_NOOP, windowText }) {
    return {
        labels: {
            log_title: QT_TRANSLATE_NOOP("page", "Sensor log"),
            log_file_label: QT_TRANSLATE_NOOP("page", "Open a sensor log (CSV or text table)"),
            log_drop_hint: QT_TRANSLATE_NOOP("page", "or drop it here. It is read on this device and never leaves it."),
            log_sensor_column_label: QT_TRANSLATE_NOOP("page", "Sensor dewpoint column"),
            log_sensor_unit_label: QT_TRANSLATE_NOOP("page", "Its unit"),
            log_pressure_column_label: QT_TRANSLATE_NOOP("page", "Pressure"),
            log_pressure_unit_label: QT_TRANSLATE_NOOP("page", "Its unit"),
            log_class_label: QT_TRANSLATE_NOOP("page", "Longest stretch above the limit of class"),
            log_skip_bad_text: QT_TRANSLATE_NOOP("page", "Leave bad rows without a result, rather than stopping"),
            log_convert: QT_TRANSLATE_NOOP("page", "Convert"),
            log_cancel: QT_TRANSLATE_NOOP("page", "Cancel"),
            log_zoom_reset: QT_TRANSLATE_NOOP("page", "Show all"),
            log_save_chart: QT_TRANSLATE_NOOP("page", "Save the chart as a picture"),
            log_summary_title: QT_TRANSLATE_NOOP("page", "Summary"),
        },
        everyRowAt: QT_TRANSLATE_NOOP("page", "every row at the System Pressure above, %1"),
        sensorAt: QT_TRANSLATE_NOOP("page", "Sensor position, as chosen above: %1"),
        atmosphere: windowText("Atmosphere"),
        system: windowText("System Pressure", "option"),
        cancelled: QT_TRANSLATE_NOOP("page", "Cancelled."),
        progress: QT_TRANSLATE_NOOP("page", "%1 rows, %2 %"),
        messages: QT_TRANSLATE_NOOP("page", "Messages (%1)"),
        stopped: QT_TRANSLATE_NOOP("page", "Stopped at a bad row or a problem the messages name; nothing was converted. Leave bad rows without a result to convert the rest."),
        done: QT_TRANSLATE_NOOP("page", "%1 rows converted."),
        doneWithBad: QT_TRANSLATE_NOOP("page", "%1 rows converted; %2 bad rows left without a result."),
        download: QT_TRANSLATE_NOOP("page", "Download %1"),
        commandLine: QT_TRANSLATE_NOOP("page", "The same conversion on the command line:"),
        line: QT_TRANSLATE_NOOP("page", "line %1"),
        lineAt: QT_TRANSLATE_NOOP("page", "line %1 (%2)"),
        rows: QT_TRANSLATE_NOOP("page", "Rows converted"),
        badRows: QT_TRANSLATE_NOOP("page", "Bad rows"),
        minimum: QT_TRANSLATE_NOOP("page", "Minimum"),
        mean: QT_TRANSLATE_NOOP("page", "Mean"),
        maximum: QT_TRANSLATE_NOOP("page", "Maximum"),
        percentiles: QT_TRANSLATE_NOOP("page", "5th, 50th, 95th percentile"),
        classShare: QT_TRANSLATE_NOOP("page", "ISO 8573-1:2010 class %1 (≤ %2 °C)"),
        aboveTen: QT_TRANSLATE_NOOP("page", "Above +10 °C"),
        longest: QT_TRANSLATE_NOOP("page", "Longest above the class %1 limit"),
        none: QT_TRANSLATE_NOOP("page", "none"),
        stretch: QT_TRANSLATE_NOOP("page", "%1 rows, %2 to %3"),
        chartTitle: QT_TRANSLATE_NOOP("page", "Pressure dewpoint over the log %1, with the ISO 8573-1:2010 class limits"),
        classLine: QT_TRANSLATE_NOOP("page", "class %1 ≤ %2 °C"),
        axisLabel: QT_TRANSLATE_NOOP("page", "Pressure dewpoint"),
        time: QT_TRANSLATE_NOOP("page", "Time"),
        row: QT_TRANSLATE_NOOP("page", "Row"),
        lowest: QT_TRANSLATE_NOOP("page", "Pressure dewpoint"),
        highest: QT_TRANSLATE_NOOP("page", "Highest of the rows drawn as one"),
        shown: QT_TRANSLATE_NOOP("page", "Shown: %1 to %2"),
        zoomIn: QT_TRANSLATE_NOOP("page", "Zoom in"),
        zoomOut: QT_TRANSLATE_NOOP("page", "Zoom out"),
        earlier: QT_TRANSLATE_NOOP("page", "Earlier"),
        later: QT_TRANSLATE_NOOP("page", "Later"),
    };
}

// The sensor-log section: opening by the file input or by dropping, the
// settings, the conversion with its progress, the download, the bad rows,
// the chart and the summary. `calculator` gives the window's current state
// and texts; `text` the page's texts in the user's language.
function startLogs(engineModule, calculator, text) {
    const $ = (id) => document.getElementById(id);
    let file = null;
    let columns = [];
    let worker = null;
    let downloadUrl = null;
    let chart = null;

    for (const [id, source] of Object.entries(text.labels)) $(id).textContent = source;
    for (const [id, label] of [["log_zoom_in", text.zoomIn], ["log_zoom_out", text.zoomOut],
        ["log_pan_left", text.earlier], ["log_pan_right", text.later]]) $(id).setAttribute("aria-label", label);

    // The log's first lines, to guess which column holds the sensor
    // dewpoint; the converter itself then finds the header by that name,
    // below any notes a logger writes first.
    async function guessSensorColumn(opened) {
        const head = new Uint8Array(await opened.slice(0, 1 << 16).arrayBuffer());
        const utf16 = head[0] === 0xFF && head[1] === 0xFE;
        let lines;
        try {
            lines = new TextDecoder(utf16 ? "utf-16le" : "utf-8", { fatal: !utf16 }).decode(head).split(/\r\n|\r|\n/);
        } catch {
            lines = new TextDecoder("windows-1252").decode(head).split(/\r\n|\r|\n/);
        }
        for (const line of lines.slice(0, 50)) {
            const names = line.split(/[;,\t]/).map((name) => name.trim().replace(/^"(.*)"$/, "$1").replace(/""/g, "\""));
            // A header has columns: a note such as "DP-40 dewpoint transmitter" is not one.
            const found = names.length > 1 && names.find((name) => SENSOR_WORDS.test(name));
            if (found) return found;
        }
        return "1";
    }

    // Runs the converter in a new worker; `on` receives its messages.
    function run(args, { limit, on }) {
        worker?.terminate();
        worker = startLogWorker();
        return new Promise((resolve) => {
            worker.onmessage = ({ data }) => {
                on(data);
                if (data.done) {
                    worker.terminate();
                    worker = null;
                    resolve(data.done);
                }
            };
            // A fault in the worker (a trap, memory exhausted) ends the run as a failure that says why.
            worker.onerror = (event) => {
                event.preventDefault();
                on({ message: event.message || "the conversion failed" });
                worker.terminate();
                worker = null;
                resolve({ status: 1, summary: "{}", chart: null });
            };
            worker.postMessage({ module: engineModule, file, args, limit });
        });
    }

    // What a conversion shows, hidden until the next one has run.
    const hideResults = () => {
        for (const id of ["log_result", "log_bad", "log_download", "log_command"]) $(id).hidden = true;
    };

    function option(select, value, label) {
        const element = document.createElement("option");
        element.value = value;
        element.textContent = label;
        select.append(element);
        return element;
    }

    const unitFromHeader = (column, kind) => {
        const unit = kind === "pressure" ? column?.pressureUnit : column?.temperatureUnit;
        return unit === undefined || unit < 0 ? null
            : kind === "pressure" ? ["bar", "bar", "psi", "psi", "kPa", "kPa", "MPa", "MPa"][unit] : ["C", "F", "K"][unit];
    };
    // Where the header names a column's unit, that unit is taken and cannot be chosen.
    function showUnits() {
        for (const kind of ["sensor", "pressure"]) {
            const column = columns.find((c) => c.name === $(`log_${kind}_column`).value);
            const named = unitFromHeader(column, kind);
            const select = $(`log_${kind}_unit`);
            select.disabled = named !== null || (kind === "pressure" && !column);
            // Named by the header, or else the command line's default, bar or °C, to be chosen.
            select.value = named ?? select.options[0].value;
        }
    }

    async function open(opened) {
        if (!opened) return;
        file = opened;
        cancel();
        $("log_settings").hidden = true;
        hideResults();
        $("log_outcome").textContent = "";
        $("log_name").textContent = `${file.name} (${file.size.toLocaleString(calculator.locale)} bytes)`;
        // A trial run over the first rows: the header's names, as the converter reads them.
        columns = [];
        const sensorGuess = await guessSensorColumn(file);
        await run(["--csv", "--sensor-column", sensorGuess, "--pressure", "0", "--skip-bad", "--", file.name],
            { limit: 1 << 18, on: (data) => data.column && columns.push(data.column) });
        const sensorSelect = $("log_sensor_column");
        const pressureSelect = $("log_pressure_column");
        sensorSelect.replaceChildren();
        pressureSelect.replaceChildren();
        option(pressureSelect, "", fill(text.everyRowAt, calculator.pressureText()));
        for (const column of columns) {
            option(sensorSelect, column.name, column.name);
            option(pressureSelect, column.name, column.name);
        }
        if (columns.length === 0) option(sensorSelect, "1", "1");
        sensorSelect.value = columns.find((c) => c.name === sensorGuess)?.name
            ?? columns.find((c) => SENSOR_WORDS.test(c.name))?.name ?? sensorSelect.options[0].value;
        pressureSelect.value = columns.find((c) => c.name !== sensorSelect.value && (PRESSURE_WORDS.test(c.name)
            || unitFromHeader(c, "pressure")))?.name ?? "";
        showUnits();
        $("log_position").textContent = fill(text.sensorAt, calculator.atmosphere() ? text.atmosphere : text.system);
        $("log_settings").hidden = false;
        $("log_convert").focus();
    }

    // The arguments `dewpoint --csv` takes for the settings chosen.
    function argumentsChosen() {
        const args = ["--csv", "--sensor-column", $("log_sensor_column").value];
        if (!$("log_sensor_unit").disabled) args.push("--sensor-unit", $("log_sensor_unit").value);
        const pressureColumn = $("log_pressure_column").value;
        if (pressureColumn) {
            args.push("--pressure-column", pressureColumn);
            if (!$("log_pressure_unit").disabled) args.push("--pressure-unit", $("log_pressure_unit").value);
        } else {
            args.push("--pressure", calculator.pressureArgument());
        }
        args.push("--sensor-at", calculator.atmosphere() ? "atmosphere" : "system");
        if ($("log_skip_bad").checked) args.push("--skip-bad");
        args.push("--summary=json", "--summary-class", $("log_class").value, "--", file.name);
        return args;
    }

    function cancel() {
        if (!worker) return;
        worker.terminate();
        worker = null;
        $("log_running").hidden = true;
        $("log_outcome").textContent = text.cancelled;
        $("log_convert").disabled = false;
    }

    async function convert() {
        const args = argumentsChosen();
        hideResults();
        $("log_bad_list").replaceChildren();
        $("log_outcome").textContent = "";
        $("log_convert").disabled = true;
        $("log_running").hidden = false;
        $("log_progress").value = 0;
        const pieces = [];
        const messages = [];
        let badRows = 0;
        const started = performance.now();
        const done = await run(args, {
            on: (data) => {
                if (data.output) pieces.push(data.output);
                if (data.message !== undefined) messages.push(data.message);
                if (data.bad !== undefined) ++badRows;
                if (data.progress) {
                    const { rows, bytes, size } = data.progress;
                    $("log_progress").value = size > 0 ? bytes / size : 0;
                    $("log_progress_text").textContent = fill(text.progress, rows.toLocaleString(calculator.locale),
                        String(Math.floor(100 * bytes / Math.max(size, 1))));
                }
            },
        });
        const seconds = (performance.now() - started) / 1000;
        $("log_running").hidden = true;
        $("log_convert").disabled = false;
        // The figures as the converter wrote them ("-17.0", not -17).
        // For the record, and for repeating it with `dewpoint`: the command that does the same.
        const quote = (argument) => (/^[\w@%+=:,./-]+$/.test(argument) ? argument : `'${argument.replace(/'/g, "'\\''")}'`);
        $("log_command_label").textContent = text.commandLine;
        $("log_command_text").textContent = ["dewpoint", ...args.slice(0, -2), "-o", convertedName(file.name), "--",
            file.name].map(quote).join(" ");
        $("log_command").dataset.arguments = JSON.stringify(args);
        const summary = JSON.parse(done.summary,
            (key, value, context) => (typeof value === "number" ? context?.source ?? String(value) : value));
        $("log").dataset.status = String(done.status);
        $("log").dataset.seconds = String(seconds);
        $("log_summary").dataset.json = done.summary;
        $("log_command").hidden = false;
        if (messages.length > 0) {
            $("log_bad_title").textContent = fill(text.messages, String(messages.length));
            $("log_bad_list").append(...messages.slice(0, 1000).map((message) =>
                Object.assign(document.createElement("li"), { textContent: message })));
            $("log_bad").hidden = false;
            $("log_bad").open = done.status === 1 || done.status === 2;
        }
        // As `dewpoint -o OUT` leaves OUT untouched where it stops, a stopped run offers nothing.
        if (done.status === 1 || done.status === 2) {
            $("log_outcome").textContent = text.stopped;
            return;
        }
        $("log_outcome").textContent = done.status === 3 ? fill(text.doneWithBad, String(summary.rows), String(badRows))
            : fill(text.done, String(summary.rows));
        if (downloadUrl) URL.revokeObjectURL(downloadUrl);
        downloadUrl = URL.createObjectURL(new Blob(pieces, { type: "text/csv" }));
        const link = $("log_download");
        link.href = downloadUrl;
        link.download = convertedName(file.name);
        link.textContent = fill(text.download, convertedName(file.name));
        link.hidden = false;
        showSummary(summary);
        showChart(done.chart, summary);
        $("log_result").hidden = false;
    }

    // The summary's figures, as the command line's --summary gives them.
    function showSummary(summary) {
        const body = $("log_summary").tBodies[0];
        body.replaceChildren();
        const row = (label, value) => {
            const tr = body.insertRow();
            tr.insertCell().textContent = label;
            tr.insertCell().textContent = value;
        };
        const celsius = (value) => `${String(value).replace(".", calculator.decimal())} °C`;
        const place = (p) => p.time ? fill(text.lineAt, String(p.line), p.time) : fill(text.line, String(p.line));
        row(text.rows, String(summary.rows));
        row(text.badRows, String(summary.bad_rows));
        if (Number(summary.rows) > 0) {
            row(text.minimum, celsius(summary.min_c));
            row(text.mean, celsius(summary.mean_c));
            row(text.maximum, `${celsius(summary.max_c)}, ${place(summary.worst)}`);
            row(text.percentiles, [summary.p5_c, summary.p50_c, summary.p95_c].map(celsius).join(", "));
            for (let c = 1; c <= 6; ++c) {
                const limit = CLASS_LIMITS[c - 1];
                row(fill(text.classShare, String(c), `${limit > 0 ? "+" : ""}${limit}`),
                    `${String(summary.class_percent[c]).replace(".", calculator.decimal())} %`);
            }
            row(text.aboveTen, `${String(summary.class_percent[0]).replace(".", calculator.decimal())} %`);
            const longest = summary.longest_above;
            row(fill(text.longest, String(longest.class)), Number(longest.rows) === 0 ? text.none
                : fill(text.stretch, String(longest.rows), place(longest.from), place(longest.to)));
        }
    }

    // The log's times, kept as seconds since 1970 read as UTC, shown as written.
    const isoTime = (seconds) => new Date(seconds * 1000).toISOString().slice(0, 19).replace("T", " ").replace(/:00$/, "");
    const celsiusValue = (u, v) => (v === null ? "–" : `${v.toFixed(1).replace(".", calculator.decimal())} °C`);

    // The pressure dewpoint over time (or row), the class limits as labelled lines.
    function showChart(data, summary) {
        if (!window.uPlot) {
            const code = document.createElement("script");
            code.textContent = $("uplot_code").textContent;
            document.head.append(code);
        }
        chart?.destroy();
        const box = $("log_chart");
        $("log_result").hidden = false;
        const width = Math.max(280, Math.min(900, $("log").clientWidth));
        const limit = CLASS_LIMITS[summary.longest_above.class - 1];
        const timed = data.timed === true;
        $("log_chart_title").textContent = fill(text.chartTitle, file.name);
        const classLines = (u) => {
            const { ctx } = u;
            const { left, width: plotWidth } = u.bbox;
            ctx.save();
            ctx.font = `${Math.round(12 * devicePixelRatio)}px "Liberation Sans", Arial, sans-serif`;
            ctx.textAlign = "right";
            ctx.setLineDash([6 * devicePixelRatio, 4 * devicePixelRatio]);
            let lastLabel = -Infinity;
            let drawn = 0;
            CLASS_LIMITS.forEach((value, i) => {
                const y = Math.round(u.valToPos(value, "y", true));
                if (y < u.bbox.top || y > u.bbox.top + u.bbox.height) return;
                const labelled = Math.abs(y - lastLabel) >= 14 * devicePixelRatio;  // close limits share the space
                ctx.strokeStyle = "#a00";
                ctx.lineWidth = devicePixelRatio;
                ctx.beginPath();
                ctx.moveTo(left, y);
                ctx.lineTo(left + plotWidth, y);
                ctx.stroke();
                ++drawn;
                if (!labelled) return;
                lastLabel = y;
                ctx.fillStyle = "#a00";
                ctx.fillText(fill(text.classLine, String(i + 1), `${value > 0 ? "+" : ""}${value}`),
                    left + plotWidth - 4 * devicePixelRatio, y + (value > limit ? -3 : 13) * devicePixelRatio);
            });
            ctx.restore();
            box.dataset.classLines = String(drawn);
        };
        chart = new window.uPlot({
            width,
            height: Math.round(width * (width < 500 ? 0.8 : 0.5)),  // taller on a phone
            scales: {
                x: { time: timed },
                y: { range: (u, min, max) => [Math.min(min, limit) - 3, Math.max(max, limit) + 3] },
            },
            axes: [
                { space: 90, values: (u, values) => values.map((v) => (timed ? isoTime(v).slice(5).replace(" ", "\n") : String(v))) },
                { size: 64, values: (u, values) => values.map((v) => `${String(v).replace(".", calculator.decimal())} °C`) },
            ],
            series: [
                { label: timed ? text.time : text.row, value: (u, v) => (v === null ? "–" : timed ? isoTime(v) : String(v)) },
                { label: text.lowest, stroke: "#0000c0", width: 1.5, value: celsiusValue },
                // Where many rows are drawn as one, their highest value too.
                ...(data.rowsEach > 1 ? [{ label: text.highest, stroke: "#5050ff", width: 1, value: celsiusValue }] : []),
            ],
            cursor: { drag: { x: true, y: false } },
            hooks: {
                draw: [classLines],
                // The stretch shown, in words: after zooming and panning, and for screen readers.
                setScale: [(u, key) => {
                    if (key !== "x") return;
                    const shown = (v) => (timed ? isoTime(v) : String(Math.round(v)));
                    $("log_chart_range").textContent = fill(text.shown, shown(u.scales.x.min), shown(u.scales.x.max));
                }],
            },
        }, data.rowsEach > 1 ? [data.x, data.low, data.high] : [data.x, data.low], box);
        box.dataset.points = String(data.x.length);
        // A finger shows the value under it, as the pointer does; the page still scrolls.
        const follow = (event) => {
            const touch = event.touches[0];
            const over = chart.over.getBoundingClientRect();
            chart.setCursor({ left: touch.clientX - over.left, top: touch.clientY - over.top });
        };
        chart.over.addEventListener("touchstart", follow, { passive: true });
        chart.over.addEventListener("touchmove", follow, { passive: true });
    }

    // Zoom and pan by buttons (for touch as for the mouse); a drag across
    // the chart zooms to it, a double click shows it all.
    function zoom(factor, shift = 0) {
        if (!chart) return;
        const { min, max } = chart.scales.x;
        const span = (max - min) * factor;
        const centre = (min + max) / 2 + (max - min) * shift;
        chart.setScale("x", { min: centre - span / 2, max: centre + span / 2 });
    }
    $("log_zoom_in").addEventListener("click", () => zoom(0.5));
    $("log_zoom_out").addEventListener("click", () => zoom(2));
    $("log_pan_left").addEventListener("click", () => zoom(1, -0.25));
    $("log_pan_right").addEventListener("click", () => zoom(1, 0.25));
    $("log_zoom_reset").addEventListener("click", () => {
        if (chart) chart.setData(chart.data);
    });
    $("log_save_chart").addEventListener("click", () => {
        chart?.ctx.canvas.toBlob((picture) => {
            const link = document.createElement("a");
            link.href = URL.createObjectURL(picture);
            link.download = convertedName(file.name).replace(/\.[^.]*$/, "") + ".png";
            link.click();
            setTimeout(() => URL.revokeObjectURL(link.href), 1000);
        }, "image/png");
    });

    $("log_file").addEventListener("change", () => open($("log_file").files[0]));
    const drop = $("log_drop");
    drop.addEventListener("dragover", (event) => {
        event.preventDefault();
        drop.classList.add("over");
    });
    drop.addEventListener("dragleave", () => drop.classList.remove("over"));
    drop.addEventListener("drop", (event) => {
        event.preventDefault();
        drop.classList.remove("over");
        open(event.dataTransfer.files[0]);
    });
    for (const id of ["log_sensor_column", "log_pressure_column"]) $(id).addEventListener("change", showUnits);
    $("log_settings").addEventListener("submit", (event) => {
        event.preventDefault();
        convert();
    });
    $("log_cancel").addEventListener("click", cancel);
}
