#!/usr/bin/python3
"""Writes the calculator's one-file page: web/index.html with the styles, the
script, the engine (WebAssembly), the pictures of resources/ and
the catalogues of translations/ inlined, so that it needs nothing else.

    build_page.py <engine.wasm> <out.html>
"""
import base64
import json
import os
import sys
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def read(*path):
    with open(os.path.join(*path), encoding="utf-8") as source:
        return source.read()


def catalogues():
    """Each language's translations, keyed "source|comment", from the same
    catalogues the window is built from."""
    result = {}
    lines = read(ROOT, "translations", "LINGUAS").splitlines()
    for language in [line.strip() for line in lines if line.strip() and not line.startswith("#")]:
        tree = ElementTree.parse(os.path.join(ROOT, "translations", f"dewpoint-converter_{language}.ts"))
        messages = {}
        for message in tree.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            comment = message.findtext("comment") or ""
            messages[f"{message.findtext('source')}|{comment}"] = translation.text or ""
        result[language] = messages
    return result


def data_uri(name):
    svg = read(ROOT, "resources", f"{name}.svg").encode("utf-8")
    return "data:image/svg+xml;base64," + base64.b64encode(svg).decode("ascii")


def main():
    wasm_path, out_path = sys.argv[1], sys.argv[2]
    with open(wasm_path, "rb") as wasm:
        engine = wasm.read()
    script = read(HERE, "page.js")
    script = script.replace("@WASM_BASE64@", base64.b64encode(engine).decode("ascii"))
    # JSON inside a JavaScript string literal: escaped once more.
    script = script.replace("@CATALOGUES_JSON@", json.dumps(json.dumps(catalogues(), ensure_ascii=False))[1:-1])
    page = read(HERE, "index.html").replace("@STYLE@", read(HERE, "style.css")).replace("@SCRIPT@", script)
    for name in ("emblem", "installation", "stem_ring", "water_drop"):
        page = page.replace(f"@IMAGE_{name}@", data_uri(name))
    with open(out_path, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
