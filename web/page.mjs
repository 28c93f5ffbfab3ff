// The calculator's page: the window's controls, wired to the engine compiled
// to WebAssembly. Every number and text shown comes from the engine; this
// script only moves the controls, picks the language and places the texts.

const ENGINE_GZIP_BASE64 = "@WASM_GZIP_BASE64@";
const CATALOGUES = JSON.parse("@CATALOGUES_JSON@");

// The engine's texts, in the order of its dp_text.
const READ_OUT = 0, BAR = 1, PSI = 2, SENSOR = 3, ABSOLUTE_BAR = 4, ABSOLUTE_PSI = 5;
const SENSOR_FAHRENHEIT = 6, READ_OUT_FAHRENHEIT = 7, CLASS_LIMIT = 8;

// The window's steps: a scroll position is a tenth of a bar or of a degree.
const STEPS_PER_UNIT = 10;
const PAGE_STEP = { HScroll1: 10, HScroll2: 1 };
// A scroll position's value in its unit is (position − offset) / 10.
const OFFSET = { HScroll1: 0, HScroll2: 1000 };
// Held buttons and held clicks in the trough repeat, as a scroll bar's do.
const REPEAT_DELAY_MS = 400, REPEAT_INTERVAL_MS = 50;

// The engine, compiled once: the calculator runs one instance of it, and
// each log conversion another, in a worker.
async function loadEngine() {
    // The calculator's instance writes nowhere: its system interface answers
    // "not supported", and the log converter's calls to the page do nothing.
    const unsupported = new Proxy({}, { get: () => () => 52 });
    const nothing = new Proxy({}, { get: () => () => {} });
    // Compiled while its bytes are decoded and uncompressed, from the page's own data.
    const packed = await fetch(`data:application/gzip;base64,${ENGINE_GZIP_BASE64}`);
    const module = await WebAssembly.compileStreaming(new Response(packed.body.pipeThrough(
        new DecompressionStream("gzip")), { headers: { "Content-Type": "application/wasm" } }));
    const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: unsupported, dewpoint: nothing });
    instance.exports._initialize();
    return { engine: instance.exports, module };
}

// A language tag's language, script and region. The script is the tag's own,
// or the one its language is written in by default; of the languages with a
// catalogue, only Chinese has two: traditional characters in Taiwan, Hong
// Kong and Macau, simplified elsewhere. (A table, where the browser's
// likely-subtags data would cost the first read-out tens of milliseconds.)
function parseTag(tag) {
    const [language, ...rest] = tag.replace(/_/g, "-").toLowerCase().split("-");
    const region = rest.find((part) => /^([a-z]{2}|\d{3})$/.test(part))?.toUpperCase() ?? "";
    const own = rest.find((part) => /^[a-z]{4}$/.test(part));
    const script = own ? own[0].toUpperCase() + own.slice(1)
        : language === "zh" ? (["TW", "HK", "MO"].includes(region) ? "Hant" : "Hans") : "Latn";
    return { language, script, region };
}

// The window's rule: the first of the user's languages that is English, or
// that a catalogue speaks in the same script (a region of its own preferred;
// Portuguese in Portugal reads the Brazilian catalogue, Chinese in Taiwan does
// not read the simplified one). English where none is found.
function chooseLanguage(languages) {
    const catalogues = Object.keys(CATALOGUES).map((name) => ({ name, locale: parseTag(name) }));
    for (const tag of languages) {
        const wanted = parseTag(tag);
        if (wanted.language === "en") return { tag, catalogue: null, language: "en" };
        const same = catalogues.filter(({ locale }) => locale.language === wanted.language
            && locale.script === wanted.script);
        const best = same.find(({ locale }) => locale.region === wanted.region) ?? same[0];
        if (best) return { tag, catalogue: CATALOGUES[best.name], language: best.name.replace(/_/g, "-") };
    }
    return { tag: "en", catalogue: null, language: "en" };
}

const $ = (id) => document.getElementById(id);
const fill = (template, ...values) => values.reduce((text, value, i) => text.replace(`%${i + 1}`, value), template);

function main() {
    const { tag, catalogue, language } = chooseLanguage(navigator.languages);
    // windowText: the window's own texts; QT_TRANSLATE_NOOP: the page's, named so that lupdate finds them.
    const windowText = (source, comment = "") => (catalogue && catalogue[`${source}|${comment}`]) || source;
    const QT_TRANSLATE_NOOP = (context, source) => windowText(source);
    document.documentElement.lang = language;
    for (const element of document.querySelectorAll("[data-text]")) {
        const [source, comment] = element.dataset.text.split("|");
        element.textContent = windowText(source, comment);
    }
    const title = windowText(" Dewpoint @ Atmosphere/Pressure Conversion").trim();
    document.title = title;
    $("title").textContent = title;
    const pageTexts = {
        keys_title: QT_TRANSLATE_NOOP("page", "Keys"),
        keys_arrows_do: QT_TRANSLATE_NOOP("page", "one step: 0.1 bar or 0.1 °C"),
        keys_page: QT_TRANSLATE_NOOP("page", "Page Up, Page Down"),
        keys_page_do: QT_TRANSLATE_NOOP("page", "1 bar on the pressure, 0.1 °C on the sensor dewpoint"),
        keys_whole: QT_TRANSLATE_NOOP("page", "Shift+Page Up, Shift+Page Down"),
        keys_whole_do: QT_TRANSLATE_NOOP("page", "1 bar or 1 °C (also Ctrl+Page Up and Page Down, where the browser passes them on)"),
        keys_ends: QT_TRANSLATE_NOOP("page", "Home, End"),
        keys_ends_do: QT_TRANSLATE_NOOP("page", "the lowest or the highest value"),
    };
    for (const [id, text] of Object.entries(pageTexts)) $(id).textContent = text;
    for (const id of ["HScroll1", "HScroll2"]) {
        const caption = $(id).getAttribute("aria-labelledby");
        $(`${id}_less`).setAttribute("aria-label", fill(QT_TRANSLATE_NOOP("page", "%1: one step down"), $(caption).textContent));
        $(`${id}_more`).setAttribute("aria-label", fill(QT_TRANSLATE_NOOP("page", "%1: one step up"), $(caption).textContent));
    }
    return { tag, windowText, QT_TRANSLATE_NOOP };
}

function run(engine, { tag, windowText }) {
    // The locale's decimal separator: at once from the language, then, once
    // the page is shown, from the browser's own locale data (slow to load the
    // first time), which knows regions such as de-CH.
    let decimal = ["de", "es", "fr", "it", "pt"].includes(tag.split("-")[0]) ? "," : ".";

    const bars = [$("HScroll1"), $("HScroll2")];
    const [pressure, sensor] = bars;
    const atmosphere = document.querySelector("input[value=atmosphere]");
    const cString = (pointer) => {
        const memory = new Uint8Array(engine.memory.buffer);
        return new TextDecoder().decode(memory.subarray(pointer, memory.indexOf(0, pointer)));
    };
    const text = (which) => cString(engine.dp_text(which));
    // The number of a text such as "7.0 bar": the entry fields show it beside their unit.
    const number = (which) => text(which).split(" ")[0];

    // One conversion, as the window's handlers run it; a fault keeps the
    // last good read-out and says what happened.
    function update() {
        try {
            engine.dp_set(Number(pressure.value), Number(sensor.value), atmosphere.checked ? 1 : 0,
                decimal.charCodeAt(0));
        } catch {
            const fault = $("fault");
            fault.textContent = fill(windowText("Run-time error: %1.\n\nThe calculation cannot continue and the program will close."),
                cString(engine.dp_fault()) || windowText("unknown error"));
            fault.hidden = false;
            return;
        }
        $("Label2").textContent = text(BAR);
        $("Label4").textContent = text(PSI);
        $("Label3").textContent = text(SENSOR);
        const readOut = text(READ_OUT);
        if ($("Text2").textContent !== readOut) $("Text2").textContent = readOut;
        pressure.setAttribute("aria-valuetext", text(BAR));
        sensor.setAttribute("aria-valuetext", text(SENSOR));
        for (const [bar, which] of [[pressure, BAR], [sensor, SENSOR]]) {
            const entry = $(`${bar.id}_entry`);
            if (document.activeElement !== entry || entry.dataset.shown !== bar.value) {
                entry.value = number(which);
                entry.dataset.shown = bar.value;
                entry.removeAttribute("aria-invalid");
            }
        }

        const absolute = fill(windowText("Absolute pressure: %1 = %2"), text(ABSOLUTE_BAR), text(ABSOLUTE_PSI));
        for (const id of ["HScroll1", "Label2", "Label4"]) $(id).title = absolute;
        const atSensor = fill(windowText("Dewpoint at the sensor: %1 = %2"), text(SENSOR), text(SENSOR_FAHRENHEIT));
        for (const id of ["HScroll2", "Label3"]) $(id).title = atSensor;
        const humidityClass = engine.dp_humidity_class();
        const quality = humidityClass === 0
            ? windowText("ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)")
            : fill(windowText("ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)"), String(humidityClass),
                text(CLASS_LIMIT));
        const atPressure = fill(windowText("Pressure dewpoint: %1 = %2"), readOut, text(READ_OUT_FAHRENHEIT));
        $("Text2").title = `${atPressure}\n${quality}`;
        $("fact_absolute").textContent = absolute;
        $("fact_sensor").textContent = atSensor;
        $("fact_read_out").textContent = atPressure;
        $("fact_class").textContent = quality;
    }

    // Moves a bar to a position within its range; true where it moved.
    function moveTo(bar, position) {
        const bounded = Math.min(Number(bar.max), Math.max(Number(bar.min), position));
        if (bounded === Number(bar.value)) return false;
        bar.value = String(bounded);
        update();
        return true;
    }
    const moveBy = (bar, steps) => moveTo(bar, Number(bar.value) + steps);

    // Repeats an action while a button or the trough is held, as a scroll
    // bar does; the action says when to stop by returning false.
    function holdRepeating(element, pointerId, action) {
        let timer = null;
        const stop = () => {
            clearTimeout(timer);
            element.removeEventListener("pointerup", stop);
            element.removeEventListener("pointercancel", stop);
            element.removeEventListener("lostpointercapture", stop);
        };
        element.setPointerCapture?.(pointerId);
        element.addEventListener("pointerup", stop);
        element.addEventListener("pointercancel", stop);
        element.addEventListener("lostpointercapture", stop);
        if (!action()) return stop();
        const again = () => {
            if (action()) timer = setTimeout(again, REPEAT_INTERVAL_MS);
            else stop();
        };
        timer = setTimeout(again, REPEAT_DELAY_MS);
    }

    // The window's keys: arrows one step; Page Up/Down one bar on the
    // pressure bar, one step on the sensor bar; with Shift (or Ctrl, which
    // browsers keep for switching tabs) one whole unit; Home and End the ends.
    function keyMoves(bar, event) {
        const page = event.shiftKey || event.ctrlKey ? STEPS_PER_UNIT : PAGE_STEP[bar.id];
        const moves = { ArrowRight: 1, ArrowUp: 1, ArrowLeft: -1, ArrowDown: -1, PageUp: page, PageDown: -page };
        if (event.key in moves) return Number(bar.value) + moves[event.key];
        if (event.key === "Home") return Number(bar.min);
        if (event.key === "End") return Number(bar.max);
        return null;
    }

    for (const bar of bars) {
        bar.addEventListener("input", update);
        bar.addEventListener("keydown", (event) => {
            if (event.altKey || event.metaKey) return;
            const position = keyMoves(bar, event);
            if (position === null) return;
            event.preventDefault();
            moveTo(bar, position);
        });

        // The wheel moves one step a notch, away from the user or to the
        // right raising, as on the window's bars; small touchpad deltas add up.
        let wheelRemainder = 0;
        bar.addEventListener("wheel", (event) => {
            event.preventDefault();
            const perNotch = [100, 3, 1][event.deltaMode];  // pixels, lines or pages
            const raise = Math.abs(event.deltaY) >= Math.abs(event.deltaX) ? -event.deltaY : event.deltaX;
            wheelRemainder += raise / perNotch;
            const notches = Math.trunc(wheelRemainder);
            wheelRemainder -= notches;
            if (notches !== 0) moveBy(bar, notches);
        }, { passive: false });

        // A mouse click in the trough pages towards the pointer, and goes on
        // paging while held until the thumb reaches it; a click on the thumb
        // drags it. Touch keeps the browser's own behaviour.
        const trough = (event) => {
            const box = bar.getBoundingClientRect();
            const thumb = parseFloat(getComputedStyle(bar).getPropertyValue("--thumb"));
            const share = (Number(bar.value) - Number(bar.min)) / (Number(bar.max) - Number(bar.min));
            const centre = box.left + thumb / 2 + (box.width - thumb) * share;
            return Math.abs(event.clientX - centre) <= thumb / 2 ? 0 : Math.sign(event.clientX - centre);
        };
        bar.addEventListener("pointerdown", (event) => {
            if (event.pointerType !== "mouse" || event.button !== 0) return;
            const direction = trough(event);
            if (direction === 0) return;
            event.preventDefault();
            bar.focus();
            let pointer = event;
            const follow = (moved) => { pointer = moved; };
            bar.addEventListener("pointermove", follow);
            holdRepeating(bar, event.pointerId, () => {
                if (trough(pointer) !== direction) return bar.removeEventListener("pointermove", follow), false;
                return moveBy(bar, direction * PAGE_STEP[bar.id]);
            });
        });
        bar.addEventListener("mousedown", (event) => {
            if (trough(event) !== 0) event.preventDefault();
        });

        // The step buttons: one step a press, repeating while held.
        for (const [suffix, direction] of [["_less", -1], ["_more", 1]]) {
            const button = $(bar.id + suffix);
            button.addEventListener("pointerdown", (event) => {
                if (event.button !== 0) return;
                event.preventDefault();
                holdRepeating(button, event.pointerId, () => moveBy(bar, direction));
            });
            // A click without a pointer (a screen reader's, or Enter on a button).
            button.addEventListener("click", (event) => {
                if (event.detail === 0) moveBy(bar, direction);
            });
        }

        // The entry field: a value typed in the unit, with either decimal
        // separator, taken to the nearest step within the range.
        const entry = $(`${bar.id}_entry`);
        const take = () => {
            const typed = entry.value.trim().replace(/^[−–]/, "-").replace(",", ".").replace(/\s*(bar|°?C)$/i, "");
            const value = /^[-+]?(\d+\.?\d*|\.\d+)$/.test(typed) ? Number(typed) : NaN;
            if (!Number.isFinite(value)) {
                entry.setAttribute("aria-invalid", "true");
                return;
            }
            entry.dataset.shown = "";
            if (!moveTo(bar, Math.round(value * STEPS_PER_UNIT) + OFFSET[bar.id])) update();
        };
        entry.addEventListener("focus", () => entry.select());
        entry.addEventListener("change", take);
        entry.addEventListener("keydown", (event) => {
            if (event.key === "Enter") {
                take();
                entry.select();  // the value as taken, ready to be typed over
            }
            else if (event.key === "ArrowUp" || event.key === "ArrowDown") {
                event.preventDefault();
                entry.dataset.shown = "";
                moveBy(bar, event.key === "ArrowUp" ? 1 : -1);
            }
        });
        entry.addEventListener("blur", () => {
            entry.dataset.shown = "";
            update();
        });
    }
    for (const option of document.querySelectorAll("input[name=where]")) option.addEventListener("change", update);

    // On a phone the picture is scaled to the width.
    const fit = () => {
        const width = $("Form1").clientWidth;
        document.documentElement.style.setProperty("--picture-zoom", String(Math.min(1, width / 536)));
    };
    window.addEventListener("resize", fit);
    fit();

    update();
    document.body.dataset.ready = String(performance.now());
    setTimeout(() => {
        const locale = new Intl.NumberFormat(tag).formatToParts(1.5).find((part) => part.type === "decimal")?.value;
        if (locale && locale !== decimal) {
            decimal = locale;
            update();
        }
    }, 0);

    // What the sensor-log section takes from the calculator.
    return {
        locale: tag,
        decimal: () => decimal,
        atmosphere: () => atmosphere.checked,
        pressureText: () => text(BAR),
        // The System Pressure as `dewpoint --pressure` takes it: bar, with a point.
        pressureArgument: () => `${Math.floor(Number(pressure.value) / STEPS_PER_UNIT)}.${Number(pressure.value) % STEPS_PER_UNIT}`,
    };
}

const texts = main();
let started = null;
try {
    if (typeof WebAssembly !== "object") throw new Error("no WebAssembly");
    const { engine, module } = await loadEngine();
    started = { module, calculator: run(engine, texts) };
} catch (error) {
    const fault = $("fault");
    fault.textContent = fill(texts.QT_TRANSLATE_NOOP("page", "This calculator cannot start: it needs WebAssembly, which this browser "
        + "does not offer or has turned off (%1). Allow WebAssembly for this page, or use the program dewpoint."),
        String(error.message || error));
    fault.hidden = false;
    $("Form1").inert = true;
    $("log").inert = true;
    document.body.dataset.failed = "true";
}
if (started) startLogs(started.module, started.calculator, logTexts(texts));
