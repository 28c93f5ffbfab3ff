// The page at a desk, in Chromium and in Firefox: what a user sees and does
// with keyboard and mouse, in several languages, checked against the command
// line's own conversion.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { BROWSERS, commandLine, here, launch, open, setBar, state, texts, value } from "./browsers.mjs";

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
// The languages both the window and the page are tested with.
const LANGUAGE_CASES = readFileSync(here("../../tests/data/languages.txt"), "utf8").split("\n")
    .filter((line) => line && !line.startsWith("#")).map((line) => line.split("\t"))
    .map(([wanted, catalogue]) => [wanted.split(" "), catalogue || "en"]);

for (const name of BROWSERS) {
    describe(name, () => {
        let browser;
        before(async () => { browser = await launch(name); });
        after(() => browser?.close());

        test("opens as the window does, under a heading, with no request beyond itself", async () => {
            const { page, refused } = await open(browser);
            assert.deepEqual(await texts(page), {
                Label1_2: "System Pressure", Label1_0: "Dewpoint @ Sensor", Label1_1: "Dewpoint Sensor @",
                Label1_3: "Dewpoint @ Pressure", Label2: "7.0 bar", Label4: "102 psi", Label3: "0.0 °C",
                Text2: "32.1 °C", Option1_0: "Atmosphere", Option1_1: "System Pressure",
            });
            assert.equal(await page.$eval("input[value=atmosphere]", (option) => option.checked), true);
            assert.equal(await page.title(), "Dewpoint @ Atmosphere/Pressure Conversion");
            const placed = await page.evaluate(() => {
                const heading = document.querySelector("h1").getBoundingClientRect();
                const face = document.getElementById("Form1").getBoundingClientRect();
                return { heading: document.querySelector("h1").textContent, below: face.top >= heading.bottom,
                    left: face.left, right: innerWidth - face.right };
            });
            assert.equal(placed.heading, "Dewpoint @ Atmosphere/Pressure Conversion");
            assert.ok(placed.below, "the face is under the heading");
            assert.ok(Math.abs(placed.left - placed.right) <= 20, `centred: ${placed.left} | ${placed.right}`);
            assert.deepEqual(refused, []);
            await page.close();
        });

        test("every key, sent through the browser's input, moves the bars as in the window", async () => {
            const { page, chromium } = await open(browser);
            const cases = [
                ["HScroll1", "ArrowRight", "", 70, 71], ["HScroll1", "ArrowLeft", "", 70, 69],
                ["HScroll1", "ArrowUp", "", 70, 71], ["HScroll1", "ArrowDown", "", 70, 69],
                ["HScroll1", "PageUp", "", 70, 80], ["HScroll1", "PageDown", "", 70, 60],
                ["HScroll1", "Home", "", 70, 0], ["HScroll1", "End", "", 70, 400],
                ["HScroll1", "PageUp", "", 395, 400], ["HScroll1", "ArrowLeft", "", 0, 0],
                ["HScroll1", "PageUp", "Shift", 70, 80], ["HScroll1", "PageDown", "Shift", 3, 0],
                ["HScroll2", "ArrowRight", "", 1000, 1001], ["HScroll2", "ArrowLeft", "", 1000, 999],
                ["HScroll2", "PageUp", "", 1000, 1001], ["HScroll2", "PageDown", "", 1000, 999],
                ["HScroll2", "PageUp", "Shift", 1000, 1010], ["HScroll2", "PageDown", "Shift", 5, 0],
                ["HScroll2", "PageUp", "Shift", 1195, 1200], ["HScroll2", "ArrowUp", "Shift", 1000, 1001],
                ["HScroll2", "Home", "", 1000, 0], ["HScroll2", "End", "", 1000, 1200],
            ];
            // Ctrl+Page Up/Down switch tabs in a browser; where it lets them through, they do what Shift does.
            if (chromium) cases.push(["HScroll2", "PageUp", "Control", 1000, 1010]);
            for (const [id, key, modifier, start, expected] of cases) {
                await setBar(page, id, start);
                await page.focus(`#${id}`);
                if (modifier) await page.keyboard.down(modifier);
                await page.keyboard.press(key);
                if (modifier) await page.keyboard.up(modifier);
                assert.equal(await value(page, id), expected, `${id} ${modifier}+${key} from ${start}`);
                const now = await state(page);
                assert.equal(now.readOut, commandLine(now.pressure, now.sensor, true), `${id} ${key}`);
            }
            await page.close();
        });

        test("the mouse: a dragged thumb, the trough pages, the arrows step, the wheel steps", async () => {
            const { page } = await open(browser);
            const box = await (await page.$("#HScroll1")).boundingBox();
            const middle = box.y + box.height / 2;
            const x = (v) => box.x + 8.5 + (box.width - 17) * v / 400;
            await page.mouse.move(x(70), middle);
            await page.mouse.down();
            await page.mouse.move(x(300), middle, { steps: 5 });
            const during = await texts(page);  // before the button is released
            const pressure = await value(page, "HScroll1");
            assert.ok(Math.abs(pressure - 300) <= 2, `dragged to ${pressure}`);
            assert.equal(during.Label2, `${pressure / 10 | 0}.${pressure % 10} bar`);
            assert.equal(during.Text2, commandLine(pressure, 1000, true));
            await page.mouse.up();

            // A click in the trough moves one page towards it, not to it.
            await setBar(page, "HScroll1", 70);
            await page.mouse.click(x(350), middle);
            assert.equal(await value(page, "HScroll1"), 80);
            await page.mouse.click(x(10), middle);
            assert.equal(await value(page, "HScroll1"), 70);
            // Held, it goes on paging until the thumb reaches the pointer.
            await page.mouse.move(x(200), middle);
            await page.mouse.down();
            await page.waitForFunction(() => Number(document.getElementById("HScroll1").value) >= 190,
                { timeout: 5000 });
            await new Promise((resolve) => setTimeout(resolve, 300));
            await page.mouse.up();
            const paged = await value(page, "HScroll1");
            assert.ok(paged >= 190 && paged <= 210 && paged % 10 === 0, `paged to ${paged}`);

            // The arrow buttons: one step a click, repeating while held.
            await setBar(page, "HScroll2", 1000);
            await page.click("#HScroll2_more");
            assert.equal(await value(page, "HScroll2"), 1001);
            await page.click("#HScroll2_less");
            await page.click("#HScroll2_less");
            assert.equal(await value(page, "HScroll2"), 999);
            const less = await (await page.$("#HScroll2_less")).boundingBox();
            await page.mouse.move(less.x + less.width / 2, less.y + less.height / 2);
            await page.mouse.down();
            await page.waitForFunction(() => Number(document.getElementById("HScroll2").value) <= 990, { timeout: 5000 });
            await page.mouse.up();
            const held = await value(page, "HScroll2");
            await new Promise((resolve) => setTimeout(resolve, 200));
            assert.equal(await value(page, "HScroll2"), held, "released, it stops");

            // The wheel: one step a notch, away from the user raising.
            await setBar(page, "HScroll2", 1000);
            const sensorBox = await (await page.$("#HScroll2")).boundingBox();
            await page.mouse.move(sensorBox.x + sensorBox.width / 2, sensorBox.y + sensorBox.height / 2);
            await page.mouse.wheel({ deltaY: -100 });
            await page.waitForFunction(() => document.getElementById("HScroll2").value === "1001");
            await page.mouse.wheel({ deltaY: 100 });
            await page.mouse.wheel({ deltaY: 100 });
            await page.waitForFunction(() => document.getElementById("HScroll2").value === "999");
            const now = await state(page);
            assert.equal(now.readOut, commandLine(now.pressure, now.sensor, true));

            await page.click("#Option1_1");
            assert.equal(await page.$eval("input[value=system]", (option) => option.checked), true);
            assert.equal((await texts(page)).Text2, commandLine(now.pressure, 999, false));
            await page.close();
        });

        test("100 random states reached by keyboard show dewpoint's read-out", async () => {
            const { page } = await open(browser);
            let seed = 20261209;
            const random = (n) => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
            const keys = ["ArrowRight", "ArrowLeft", "ArrowUp", "ArrowDown", "PageUp", "PageDown", "Home", "End"];
            for (let i = 0; i < 100; ++i) {
                for (let k = 1 + random(4); k > 0; --k) {
                    await page.focus(random(2) === 0 ? "#HScroll1" : "#HScroll2");
                    const shift = random(3) === 0;
                    if (shift) await page.keyboard.down("Shift");
                    await page.keyboard.press(keys[random(keys.length - (i % 10 === 0 ? 0 : 2))]);
                    if (shift) await page.keyboard.up("Shift");
                }
                if (random(4) === 0) await page.click(random(2) === 0 ? "#Option1_0" : "#Option1_1");
                const now = await state(page);
                assert.equal(now.readOut, commandLine(now.pressure, now.sensor, now.atmosphere), JSON.stringify(now));
            }
            await page.close();
        });

        test("the facts of the tooltips are also text beneath, and the read-out takes the focus", async () => {
            const { page } = await open(browser);
            const facts = () => page.$$eval("#facts li", (items) => items.map((item) => item.textContent));
            const title = (id) => page.$eval(`#${id}`, (element) => element.title);
            assert.deepEqual(await facts(), ["Absolute pressure: 8.01 bar(a) = 116.2 psia",
                "Dewpoint at the sensor: 0.0 °C = 32.0 °F", "Pressure dewpoint: 32.1 °C = 89.9 °F",
                "ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)"]);
            assert.equal(await title("Label4"), "Absolute pressure: 8.01 bar(a) = 116.2 psia");
            assert.equal(await title("HScroll2"), "Dewpoint at the sensor: 0.0 °C = 32.0 °F");
            assert.equal(await title("Text2"), "Pressure dewpoint: 32.1 °C = 89.9 °F\n"
                + "ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)");
            await setBar(page, "HScroll2", 600);
            assert.equal((await facts())[3], "ISO 8573-1:2010 humidity class 3 (pressure dewpoint ≤ -20 °C)");
            // Limits above zero carry their sign.
            await setBar(page, "HScroll2", 750);
            assert.deepEqual((await facts()).slice(2),
                ["Pressure dewpoint: -2.7 °C = 27.1 °F", "ISO 8573-1:2010 humidity class 4 (pressure dewpoint ≤ +3 °C)"]);
            // Visible, and the read-out names them as its description.
            const shown = await page.evaluate(() => {
                const list = document.getElementById("facts");
                const readOut = document.getElementById("Text2");
                readOut.focus();
                return { height: list.getBoundingClientRect().height, focused: document.activeElement === readOut,
                    describedBy: readOut.getAttribute("aria-describedby") };
            });
            assert.ok(shown.height > 40, `facts ${shown.height} px high`);
            assert.deepEqual([shown.focused, shown.describedBy], [true, "facts"]);
            await page.close();
        });

        test("the tab order follows the window's: pressure, sensor, option pair, read-out", async () => {
            const { page } = await open(browser);
            const order = [];
            for (let i = 0; i < 5; ++i) {
                await page.keyboard.press("Tab");
                order.push(await page.evaluate(() => document.activeElement.id || document.activeElement.value
                    || document.activeElement.tagName));
            }
            assert.deepEqual(order, ["HScroll1", "HScroll2", "atmosphere", "Text2", "keys_title"]);
            const outline = await page.evaluate(() => {
                const style = getComputedStyle(document.getElementById("HScroll2"));
                return { style: style.outlineStyle, width: parseFloat(style.outlineWidth), colour: style.outlineColor };
            });
            await page.keyboard.down("Shift");
            for (let i = 0; i < 3; ++i) await page.keyboard.press("Tab");
            await page.keyboard.up("Shift");
            const back = await page.evaluate(() => document.activeElement.id);
            assert.equal(back, "HScroll2");
            const focused = await page.evaluate(() => {
                const style = getComputedStyle(document.activeElement);
                return { style: style.outlineStyle, width: parseFloat(style.outlineWidth), colour: style.outlineColor };
            });
            assert.notEqual(focused.style, "none", JSON.stringify(focused));
            assert.ok(focused.width >= 2, JSON.stringify(focused));
            assert.equal(focused.colour, "rgb(0, 0, 192)");
            assert.equal(outline.style, "none", "no frame without the focus");
            await page.close();
        });

        test("the Keys disclosure lists the keys, Shift+Page Up among them", async () => {
            const { page } = await open(browser, { languages: ["de-DE"] });
            await page.click("#keys summary");
            const shown = await page.$eval("#keys", (keys) => ({ open: keys.open, text: keys.innerText }));
            assert.ok(shown.open);
            assert.match(shown.text, /Tasten/);
            assert.match(shown.text, /Umschalt\+Bild auf/);
            await page.close();
        });

        test("a fault in the engine is shown, and the last good read-out kept", async () => {
            const { page } = await open(browser);
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

        test("without WebAssembly it says why it cannot start", async () => {
            for (const languages of [["en-US"], ["fr-FR"]]) {
                const { page } = await open(browser, { languages,
                    before: (p) => p.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; }) });
                const shown = await page.evaluate(() => ({
                    text: document.getElementById("fault").textContent,
                    visible: document.getElementById("fault").getBoundingClientRect().height > 0,
                    inert: document.getElementById("Form1").inert,
                    readOut: document.getElementById("Text2").textContent,
                }));
                assert.ok(shown.visible);
                assert.match(shown.text, languages[0] === "en-US" ? /cannot start: it needs WebAssembly/
                    : /ne peut pas démarrer : il lui faut WebAssembly/);
                assert.deepEqual([shown.inert, shown.readOut], [true, ""]);
                await page.close();
            }
        });

        test("the language: the window's rule, from the table both are tested with", async () => {
            const captions = { en: "System Pressure", de: "Systemdruck", it: "Pressione di sistema",
                fr: "Pression du réseau", pt_BR: "Pressão do sistema" };
            for (const [languages, catalogue] of LANGUAGE_CASES) {
                const { page } = await open(browser, { languages });
                const shown = await page.evaluate(() => ({ lang: document.documentElement.lang,
                    caption: document.getElementById("Label1_2").textContent }));
                assert.equal(shown.lang, catalogue.replace("_", "-"), languages.join(","));
                if (captions[catalogue]) assert.equal(shown.caption, captions[catalogue], languages.join(","));
                await page.close();
            }
        });

        test("in German and in Chinese, with the locale's decimal separator", async () => {
            const german = await open(browser, { languages: ["de-AT", "de", "en"] });
            const de = await texts(german.page);
            assert.deepEqual([de.Label1_2, de.Label2, de.Text2], ["Systemdruck", "7,0 bar", "32,1 °C"]);
            assert.equal(await german.page.$eval("#HScroll1", (bar) => bar.title),
                "Absolutdruck: 8,01 bar(a) = 116,2 psia");
            assert.match(await german.page.$eval("#HScroll2", (bar) => bar.title), /: 0,0 °C = 32,0 °F$/);
            assert.match(await german.page.$eval("#Text2", (box) => box.title), /: 32,1 °C = 89,9 °F\n/);
            await german.page.close();
            const chinese = await open(browser, { languages: ["zh-CN"] });
            const zh = await texts(chinese.page);
            assert.notEqual(zh.Label1_2, "System Pressure");
            assert.equal(zh.Text2, "32.1 °C");
            await chinese.page.close();
        });

        test("accessible: named controls, values with units, a polite read-out, no axe-core violation", async () => {
            const { page } = await open(browser);
            const names = await page.evaluate(() => {
                const label = (id) => document.getElementById(id).getAttribute("aria-labelledby").split(" ")
                    .map((part) => document.getElementById(part).textContent).join(" ");
                return { pressure: label("HScroll1"), sensor: label("HScroll2"),
                    valueText: document.getElementById("HScroll1").getAttribute("aria-valuetext"),
                    live: document.getElementById("Text2").getAttribute("aria-live"),
                    less: document.getElementById("HScroll2_less").getAttribute("aria-label") };
            });
            assert.deepEqual(names, { pressure: "System Pressure", sensor: "Dewpoint @ Sensor", valueText: "7.0 bar",
                live: "polite", less: "Dewpoint @ Sensor: one step down" });
            await page.addScriptTag({ content: axeSource });
            const result = await page.evaluate(() => window.axe.run(document));
            assert.deepEqual(result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`), []);
            await page.close();
        });
    });
}
