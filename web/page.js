// The calculator's page: the window's controls, wired to the engine compiled
// to WebAssembly. Every number and text shown comes from the engine; this
// script only moves the controls, picks the language and places the texts.

const ENGINE_BASE64 = "@WASM_BASE64@";
const CATALOGUES = JSON.parse("@CATALOGUES_JSON@");

// The engine's texts, in the order of its dp_text.
const READ_OUT = 0, BAR = 1, PSI = 2, SENSOR = 3, ABSOLUTE_BAR = 4, ABSOLUTE_PSI = 5;
const SENSOR_FAHRENHEIT = 6, READ_OUT_FAHRENHEIT = 7, CLASS_LIMIT = 8;

// The window's steps: a scroll position is a tenth of a bar or of a degree.
const STEPS_PER_UNIT = 10;
const PAGE_STEP = { HScroll1: 10, HScroll2: 1 };

async function loadEngine() {
    // The engine writes nowhere: its system interface answers "not supported".
    const unsupported = () => 52;
    const imports = { wasi_snapshot_preview1: { fd_close: unsupported, fd_seek: unsupported, fd_write: unsupported } };
    // Compiled while its bytes are decoded, from the page's own data.
    const { instance } = await WebAssembly.instantiateStreaming(
        fetch(`data:application/wasm;base64,${ENGINE_BASE64}`), imports);
    instance.exports._initialize();
    return instance.exports;
}

// The catalogue for the first of the user's languages that has one, the way
// the window reads the desktop's languages; English needs none.
function chooseLanguage(languages) {
    for (const tag of languages) {
        const [language, ...rest] = tag.split("-");
        if (language === "en") return { tag: "en", catalogue: null };
        const region = rest.find((part) => /^[A-Z]{2}$/i.test(part));
        const candidates = [region ? `${language}_${region.toUpperCase()}` : null, language,
            language === "zh" ? "zh_CN" : null, language === "pt" ? "pt_BR" : null];
        for (const name of candidates)
            if (name && CATALOGUES[name]) return { tag, catalogue: CATALOGUES[name] };
    }
    return { tag: "en", catalogue: null };
}

const $ = (id) => document.getElementById(id);

function main(engine) {
    const { tag, catalogue } = chooseLanguage(navigator.languages || [navigator.language || "en"]);
    const tr = (source, comment = "") => (catalogue && catalogue[`${source}|${comment}`]) || source;
    const fill = (template, ...values) => values.reduce((text, value, i) => text.replace(`%${i + 1}`, value), template);
    // The locale's decimal separator: at once from the language, then, once
    // the page is shown, from the browser's own locale data (slow to load the
    // first time), which knows regions such as de-CH.
    let decimal = ["de", "es", "fr", "it", "pt"].includes(tag.split("-")[0]) ? "," : ".";

    document.documentElement.lang = tag;
    for (const element of document.querySelectorAll("[data-text]")) {
        const [source, comment] = element.dataset.text.split("|");
        element.textContent = tr(source, comment);
    }
    const title = tr(" Dewpoint @ Atmosphere/Pressure Conversion").trim();
    document.title = title;
    $("title").textContent = title;

    const pressure = $("HScroll1");
    const sensor = $("HScroll2");
    const atmosphere = document.querySelector("input[value=atmosphere]");
    const cString = (pointer) => {
        const memory = new Uint8Array(engine.memory.buffer);
        return new TextDecoder().decode(memory.subarray(pointer, memory.indexOf(0, pointer)));
    };
    const text = (which) => cString(engine.dp_text(which));

    // One conversion, as the window's handlers run it; a fault keeps the
    // last good read-out and says what happened.
    function update() {
        try {
            engine.dp_set(Number(pressure.value), Number(sensor.value), atmosphere.checked ? 1 : 0,
                decimal.charCodeAt(0));
        } catch (trap) {
            const fault = $("fault");
            fault.textContent = fill(tr("Run-time error: %1.\n\nThe calculation cannot continue and the program will close."),
                cString(engine.dp_fault()) || tr("unknown error"));
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

        const absolute = fill(tr("Absolute pressure: %1 = %2"), text(ABSOLUTE_BAR), text(ABSOLUTE_PSI));
        for (const id of ["HScroll1", "Label2", "Label4"]) $(id).title = absolute;
        const atSensor = fill(tr("Dewpoint at the sensor: %1 = %2"), text(SENSOR), text(SENSOR_FAHRENHEIT));
        for (const id of ["HScroll2", "Label3"]) $(id).title = atSensor;
        const humidityClass = engine.dp_humidity_class();
        const quality = humidityClass === 0
            ? tr("ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)")
            : fill(tr("ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)"), String(humidityClass),
                text(CLASS_LIMIT));
        $("Text2").title = `${fill(tr("Pressure dewpoint: %1 = %2"), readOut, text(READ_OUT_FAHRENHEIT))}\n${quality}`;
    }

    // The window's keys: arrows one step; Page Up/Down one bar on the
    // pressure bar, one step on the sensor bar; with Ctrl one whole unit;
    // Home and End the ends.
    for (const bar of [pressure, sensor]) {
        bar.addEventListener("input", update);
        bar.addEventListener("keydown", (event) => {
            const page = event.ctrlKey ? STEPS_PER_UNIT : PAGE_STEP[bar.id];
            const moves = { ArrowRight: 1, ArrowUp: 1, ArrowLeft: -1, ArrowDown: -1, PageUp: page, PageDown: -page };
            let value = Number(bar.value);
            if (event.key in moves) value += moves[event.key];
            else if (event.key === "Home") value = Number(bar.min);
            else if (event.key === "End") value = Number(bar.max);
            else return;
            event.preventDefault();
            const bounded = Math.min(Number(bar.max), Math.max(Number(bar.min), value));
            if (bounded !== Number(bar.value)) {
                bar.value = String(bounded);
                update();
            }
        });
    }
    for (const option of document.querySelectorAll("input[name=where]")) option.addEventListener("change", update);

    // Narrower than the window, the page shrinks to fit.
    const fit = () => {
        $("scaler").style.zoom = String(Math.min(1, document.documentElement.clientWidth / 536));
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
}

main(await loadEngine());
