#!/usr/bin/python3
"""Writes the calculator's one-file page: web/index.html with the styles, the
script, the engine (WebAssembly), the pictures of resources/ and
the catalogues of translations/ inlined, so that it needs nothing else.
With a site folder, also the same page for a web server, with what a phone
needs to add it to its home screen and open it offline: a web app manifest,
icons and a service worker.

    build_page.py <engine.wasm> <out.html> [<site folder> <folder of the icons>]
"""
import base64
import functools
import gzip
import hashlib
import json
import os
import sys
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def read(*path):
    with open(os.path.join(*path), encoding="utf-8") as source:
        return source.read()


@functools.cache
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


# The one-file page loads nothing: its own inline data only.
POLICY = ("default-src 'none'; img-src data:; style-src 'unsafe-inline'; "
          "script-src 'unsafe-inline' 'wasm-unsafe-eval'; connect-src data:; worker-src blob:")
# The hosted page also loads its manifest, icons and service worker from its own site.
SITE_POLICY = (POLICY.replace("img-src data:", "img-src data: 'self'").replace("worker-src blob:", "worker-src 'self' blob:")
               + "; manifest-src 'self'")
SITE_HEAD = """<link rel="manifest" href="manifest.webmanifest">
<link rel="apple-touch-icon" href="icon-192.png">
<meta name="theme-color" content="#800080">
"""
# Registered after the first read-out, so that it never delays it.
SITE_SCRIPT = """
if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("service-worker.js").catch(() => {});
"""
ICON_SIZES = (192, 512)


def page(engine, policy, head, extra_script=""):
    # The log section first: the calculator's script starts it.
    script = read(HERE, "logs.mjs") + read(HERE, "page.mjs") + extra_script
    # Compressed: the engine is most of the page, and shrinks to less than half.
    packed = gzip.compress(engine, compresslevel=9, mtime=0)
    script = script.replace("@WASM_GZIP_BASE64@", base64.b64encode(packed).decode("ascii"))
    # JSON inside a JavaScript string literal: escaped once more.
    script = script.replace("@CATALOGUES_JSON@", json.dumps(json.dumps(catalogues(), ensure_ascii=False))[1:-1])
    text = read(HERE, "index.html").replace("@POLICY@", policy).replace("@SITE_HEAD@", head)
    # The chart library, inlined but not run until a log is opened; its
    # licence comes first, as it asks.
    uplot = os.path.join(HERE, "node_modules", "uplot")
    chart_code = "/*! uPlot, https://github.com/leeoniya/uPlot\n" + read(uplot, "LICENSE") + "*/\n" + read(
        uplot, "dist", "uPlot.iife.min.js")
    if "</script" in chart_code.lower():
        raise SystemExit("build_page: the chart library holds </script>")
    style = read(HERE, "style.css") + read(uplot, "dist", "uPlot.min.css")
    text = text.replace("@STYLE@", style).replace("@UPLOT@", chart_code).replace("@SCRIPT@", script)
    for name in ("emblem", "installation", "stem_ring", "water_drop"):
        text = text.replace(f"@IMAGE_{name}@", data_uri(name))
    return text


def write(path, content):
    with open(path, "wb") as out:
        out.write(content.encode("utf-8") if isinstance(content, str) else content)


def write_site(engine, folder, icons):
    """The hosted page, its manifest, its icons (PNG files drawn from the
    emblem, in the folder `icons`) and its service worker, which keeps one
    versioned copy of all of them for offline use."""
    os.makedirs(folder, exist_ok=True)
    files = {"index.html": page(engine, SITE_POLICY, SITE_HEAD, SITE_SCRIPT)}
    for size in ICON_SIZES:
        with open(os.path.join(icons, f"icon-{size}.png"), "rb") as icon:
            files[f"icon-{size}.png"] = icon.read()
    files["icon.svg"] = read(ROOT, "resources", "emblem.svg")
    title = "Dewpoint @ Atmosphere/Pressure Conversion"
    files["manifest.webmanifest"] = json.dumps({
        "name": title,
        "short_name": "Dewpoint",
        "description": "Pressure dewpoint from the dewpoint a sensor reports, at the line's system pressure.",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": "#ffffff",
        "theme_color": "#800080",
        "icons": [{"src": f"icon-{size}.png", "sizes": f"{size}x{size}", "type": "image/png", "purpose": "any"}
                  for size in ICON_SIZES] + [{"src": "icon.svg", "sizes": "any", "type": "image/svg+xml"}],
    }, indent=2) + "\n"
    digest = hashlib.sha256()
    for name in sorted(files):
        content = files[name]
        digest.update(name.encode() + b"\0" + (content.encode("utf-8") if isinstance(content, str) else content))
    worker = read(HERE, "service-worker.js")
    worker = worker.replace("@VERSION@", digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", json.dumps(["./"] + sorted(name for name in files if name != "index.html")))
    files["service-worker.js"] = worker
    for name, content in files.items():
        write(os.path.join(folder, name), content)


def main():
    wasm_path, out_path = sys.argv[1], sys.argv[2]
    with open(wasm_path, "rb") as wasm:
        engine = wasm.read()
    write(out_path, page(engine, POLICY, ""))
    if len(sys.argv) > 4:
        write_site(engine, sys.argv[3], sys.argv[4])


if __name__ == "__main__":
    main()
