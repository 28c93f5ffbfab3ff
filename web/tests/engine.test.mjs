// The engine compiled to WebAssembly, run in node over every state of the
// window: its 17 fields and its read-out texts must be the native engine's.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { fileURLToPath } from "node:url";

const wasmPath = process.env.DEWPOINT_WASM ?? fileURLToPath(new URL("../../build/web/engine.wasm", import.meta.url));

// The native engine's digests, as tests/CMakeLists.txt and tests/grid_test.cpp check them.
const NATIVE_FIELDS = "cf23772a37ae0b87";
const NATIVE_READ_OUTS = "486f19689b21d339";

async function loadEngine() {
    // As the calculator runs it: no system beneath it, and the log converter's page calls doing nothing.
    const { instance } = await WebAssembly.instantiate(readFileSync(wasmPath), {
        wasi_snapshot_preview1: new Proxy({}, { get: () => () => 52 }),
        dewpoint: new Proxy({}, { get: () => () => {} }),
    });
    instance.exports._initialize();
    return instance.exports;
}

const cString = (engine, pointer) => {
    const memory = new Uint8Array(engine.memory.buffer);
    return new TextDecoder().decode(memory.subarray(pointer, memory.indexOf(0, pointer)));
};

// Without C++ exceptions a fault traps back to the page with its message,
// and the engine goes on working for the next state.
test("a fault reaches the page as a trap with the window's message", async () => {
    const engine = await loadEngine();
    assert.throws(() => engine.dp_set(70, -31769, 1, 46), WebAssembly.RuntimeError);
    assert.match(cString(engine, engine.dp_fault()), /overflow/);
    assert.equal(engine.dp_set(70, 1000, 1, 46), 0);
    assert.equal(cString(engine, engine.dp_text(0)), "32.1 °C");
    assert.equal(cString(engine, engine.dp_fault()), "");
});

test("the WebAssembly engine gives the native engine's bits and read-outs for all 963,202 states", async () => {
    const engine = await loadEngine();
    const digest = (which) => cString(engine, engine.dp_grid_digest(which));
    assert.equal(digest(0), NATIVE_FIELDS);
    assert.equal(digest(1), NATIVE_READ_OUTS);
});
