// The page on a phone held upright, 360 × 740: large controls, every value
// within reach of a finger, nothing to read smaller than 16 pixels. Chromium
// emulates the touch screen; in Firefox, whose protocol has no touch, the
// same layout is used with the mouse.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { BROWSERS, commandLine, launch, open, state, tenths } from "./browsers.mjs";

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const PHONE = { width: 360, height: 740, scale: 2, mobile: true };

for (const name of BROWSERS) {
    describe(name, () => {
        let browser;
        before(async () => { browser = await launch(name); });
        after(() => browser?.close());

        async function openPhone(options = {}) {
            const opened = await open(browser, { ...PHONE, ...options });
            const { page, chromium } = opened;
            const centre = async (selector, at = 0.5) => {
                await page.$eval(selector, (element) => element.scrollIntoView({ block: "center" }));
                const box = await (await page.$(selector)).boundingBox();
                return [box.x + box.width * at, box.y + box.height / 2];
            };
            // One tap of a finger (or, in Firefox, a click), at a share of the element's width.
            opened.tap = async (selector, at) => {
                const [x, y] = await centre(selector, at);
                if (chromium) await page.touchscreen.tap(x, y);
                else await page.mouse.click(x, y);
            };
            return opened;
        }

        // Taps the bar near a value, then the step buttons until it is there.
        async function reachByTaps(phone, id, target) {
            const { page, tap } = phone;
            const [min, max] = await page.$eval(`#${id}`, (bar) => [Number(bar.min), Number(bar.max)]);
            const thumb = 36;
            const width = await page.$eval(`#${id}`, (bar) => bar.getBoundingClientRect().width);
            const at = (position) => (thumb / 2 + (width - thumb) * (position - min) / (max - min)) / width;
            if (phone.chromium) {
                await tap(`#${id}`, at(target));
            } else {
                // A mouse pages in the trough: it drags the thumb instead.
                const box = await (await page.$(`#${id}`)).boundingBox();
                const from = Number(await page.$eval(`#${id}`, (bar) => bar.value));
                await page.mouse.move(box.x + box.width * at(from), box.y + box.height / 2);
                await page.mouse.down();
                await page.mouse.move(box.x + box.width * at(target), box.y + box.height / 2, { steps: 4 });
                await page.mouse.up();
            }
            let taps = 1;
            for (let position = Number(await page.$eval(`#${id}`, (bar) => bar.value)); position !== target; ++taps) {
                assert.ok(taps < 40, `${id}: ${position} after ${taps} taps, aiming at ${target}`);
                await tap(position < target ? `#${id}_more` : `#${id}_less`);
                const next = Number(await page.$eval(`#${id}`, (bar) => bar.value));
                assert.equal(Math.abs(next - position), 1, "one step a tap");
                position = next;
            }
            return taps;
        }

        test("every value within reach of taps: -40.0 °C, 0.0 °C and a random state", async () => {
            const phone = await openPhone();
            const { page } = phone;
            for (const target of [600, 1000, 1001, 0, 1200]) {
                await reachByTaps(phone, "HScroll2", target);
                assert.equal(await page.$eval("#HScroll2_entry", (entry) => entry.value), tenths(target - 1000));
            }
            assert.equal(await page.$eval("#Label3", (label) => label.textContent), "20.0 °C");
            let seed = Date.now() % 100000;
            const random = (n) => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
            const goal = { pressure: random(401), sensor: random(1201), atmosphere: random(2) === 0 };
            await reachByTaps(phone, "HScroll1", goal.pressure);
            await reachByTaps(phone, "HScroll2", goal.sensor);
            await phone.tap(goal.atmosphere ? "#Option1_0" : "#Option1_1");
            const now = await state(page);
            assert.deepEqual([now.pressure, now.sensor, now.atmosphere], [goal.pressure, goal.sensor, goal.atmosphere],
                `seed ${JSON.stringify(goal)}`);
            assert.equal(now.readOut, commandLine(goal.pressure, goal.sensor, goal.atmosphere));
            await page.close();
        });

        test("a step button held repeats until it is let go", async () => {
            const phone = await openPhone();
            const { page, chromium } = phone;
            await page.$eval("#HScroll1_more", (button) => button.scrollIntoView({ block: "center" }));
            const box = await (await page.$("#HScroll1_more")).boundingBox();
            const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
            if (chromium) await page.touchscreen.touchStart(x, y);
            else await page.mouse.move(x, y), await page.mouse.down();
            await page.waitForFunction(() => Number(document.getElementById("HScroll1").value) >= 80, { timeout: 5000 });
            if (chromium) await page.touchscreen.touchEnd();
            else await page.mouse.up();
            const held = Number(await page.$eval("#HScroll1", (bar) => bar.value));
            await new Promise((resolve) => setTimeout(resolve, 300));
            assert.equal(Number(await page.$eval("#HScroll1", (bar) => bar.value)), held);
            await page.close();
        });

        test("a typed value, in either decimal notation, goes to the nearest step within the range", async () => {
            const { page } = await openPhone({ languages: ["de-DE"] });
            const cases = [
                ["HScroll1", "12,5", 125, "12,5"], ["HScroll1", "3.14", 31, "3,1"], ["HScroll1", "99", 400, "40,0"],
                ["HScroll1", "-2", 0, "0,0"], ["HScroll2", "−40", 600, "-40,0"], ["HScroll2", "-40,04 °C", 600, "-40,0"],
                ["HScroll2", "+7.06", 1071, "7,1"], ["HScroll2", ",5", 1005, "0,5"],
            ];
            for (const [id, typed, position, shown] of cases) {
                await page.focus(`#${id}_entry`);  // which selects what it shows, for typing over
                await page.keyboard.type(typed);
                await page.keyboard.press("Enter");
                const after = await page.$eval(`#${id}`, (bar) => [Number(bar.value),
                    document.getElementById(`${bar.id}_entry`).value]);
                assert.deepEqual(after, [position, shown], typed);
            }
            // What is not a number is marked, and the value stays.
            await page.focus("#HScroll1_entry");
            await page.keyboard.type("1,2,3");
            await page.keyboard.press("Enter");
            assert.deepEqual(await page.$eval("#HScroll1_entry", (entry) => [entry.getAttribute("aria-invalid"),
                document.getElementById("HScroll1").value]), ["true", "0"]);
            await page.focus("#HScroll2_entry");  // leaving the field puts the value back
            assert.equal(await page.$eval("#HScroll1_entry", (entry) => entry.value), "0,0");
            await page.close();
        });

        test("large: every target at least 44 pixels, text at least 16, no sideways scrolling", async () => {
            const { page } = await openPhone();
            const measured = await page.evaluate(() => {
                const visible = (element) => {
                    const box = element.getBoundingClientRect();
                    return box.width > 0 && box.height > 0 && getComputedStyle(element).visibility !== "hidden";
                };
                const targets = [...document.querySelectorAll("button, input:not([type=radio]), label, summary, output")]
                    .filter(visible).map((element) => {
                        const box = element.getBoundingClientRect();
                        return { id: element.id || element.tagName, width: box.width, height: box.height };
                    });
                const small = [];
                const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
                for (let node = walker.nextNode(); node; node = walker.nextNode()) {
                    const element = node.parentElement;
                    if (!node.textContent.trim() || !visible(element) || element.closest("[aria-hidden=true], script, style"))
                        continue;
                    const size = parseFloat(getComputedStyle(element).fontSize);
                    if (size < 16) small.push(`${element.id || element.tagName} ${size}px: ${node.textContent.trim()}`);
                }
                return { targets, small, scrollWidth: document.documentElement.scrollWidth, width: innerWidth };
            });
            const tooSmall = measured.targets.filter((target) => target.width < 44 || target.height < 44);
            assert.deepEqual(tooSmall, []);
            assert.ok(measured.targets.length >= 10, `${measured.targets.length} targets`);
            assert.deepEqual(measured.small, []);
            assert.ok(measured.scrollWidth <= measured.width, `scroll width ${measured.scrollWidth}`);
            await page.addScriptTag({ content: axeSource });
            const result = await page.evaluate(() => window.axe.run(document));
            assert.deepEqual(result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`), []);
            await page.close();
        });

        test("the read-out large, and the facts beneath it as text", async () => {
            const { page } = await openPhone();
            const shown = await page.evaluate(() => {
                const readOut = document.getElementById("Text2").getBoundingClientRect();
                const facts = document.getElementById("facts").getBoundingClientRect();
                const picture = document.getElementById("picture").getBoundingClientRect();
                return { size: parseFloat(getComputedStyle(document.getElementById("Text2")).fontSize),
                    below: facts.top >= readOut.bottom, facts: document.getElementById("facts").innerText,
                    picture: picture.width };
            });
            assert.ok(shown.size >= 28, `read-out ${shown.size}px`);
            assert.ok(shown.below);
            assert.match(shown.facts, /Absolute pressure: 8.01 bar\(a\) = 116.2 psia/);
            assert.match(shown.facts, /ISO 8573-1:2010/);
            assert.ok(shown.picture >= 320 && shown.picture <= 336, `picture ${shown.picture} px wide`);
            await page.close();
        });
    });
}
