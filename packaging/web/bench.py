#!/usr/bin/env python3
"""What the game's web page costs a browser, measured in headless Chromium.

    bench.py SITE [RUNS]        (bash tools/setup.sh web bench)

Serves SITE on 127.0.0.1 (gzip-compressed, as serve.py does) and
loads the page RUNS times (default 5), each in a new tab with the browser's
cache off, and prints:
  - the bytes the browser fetched: as sent (compressed) and unpacked, file by file;
  - the time from the page's start (its navigation) to the splash painted, to
    the main window painted, and the hand-over between them (the game's 1.5 s);
  - memory once the main window is up: the WebAssembly memory the game has
    grown to, the JavaScript heap, and the whole tab's renderer process (its
    proportional share of memory, PSS, from /proc).
Times are the median of the runs, with their least and greatest.
"""
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "web"))
import chromium  # noqa: E402
import serve  # noqa: E402
from browsertest import MAIN_TITLE, WATCHER  # noqa: E402

# Keeps the WebAssembly memory the program makes, however emscripten names it.
MEMORY_HOOK = r"""
(() => {
    function keep(result) {
        const exports = (result.instance || result).exports;
        for (const value of Object.values(exports))
            if (value instanceof WebAssembly.Memory)
                window.kestavineMemory = value;
        return result;
    }
    for (const name of ["instantiate", "instantiateStreaming"]) {
        const original = WebAssembly[name];
        WebAssembly[name] = (...args) => original.apply(WebAssembly, args).then(keep);
    }
})();
"""


def renderer_pss(profile):
    """The PSS, in bytes, of the renderer processes of the browser whose
    profile folder this is. (Chromium rewrites its processes' command lines,
    and its launcher script forks, so the profile finds the browser.)"""
    commands, parents = {}, {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as file:
                commands[int(pid)] = file.read().replace(b"\0", b" ")
            with open(f"/proc/{pid}/stat") as file:
                parents[int(pid)] = int(file.read().rsplit(")", 1)[1].split()[1])
        except OSError:
            continue
    browsers = {pid for pid, command in commands.items()
                if f"--user-data-dir={profile}".encode() in command and b"--type=" not in command}

    def under_browser(pid):
        while pid > 1:
            if pid in browsers:
                return True
            pid = parents.get(pid, 1)
        return False

    total = 0
    for pid, command in commands.items():
        if b"--type=renderer" not in command or not under_browser(pid):
            continue
        try:
            with open(f"/proc/{pid}/smaps_rollup") as file:
                total += sum(int(line.split()[1]) * 1024 for line in file if line.startswith("Pss:"))
        except OSError:
            continue
    return total


def load_once(browser, url):
    page = browser.new_page(800, 600)
    page.call("Network.setCacheDisabled", {"cacheDisabled": True})
    for script in (WATCHER, MEMORY_HOOK):
        page.call("Page.addScriptToEvaluateOnNewDocument", {"source": script})
    files = {}

    def network(message):
        if message.get("sessionId") != page.session:
            return
        params = message.get("params", {})
        if message["method"] == "Network.responseReceived" and params["response"]["url"].startswith("http"):
            files[params["requestId"]] = {"url": params["response"]["url"], "sent": 0, "unpacked": 0}
        elif message["method"] == "Network.dataReceived" and params["requestId"] in files:
            files[params["requestId"]]["unpacked"] += params["dataLength"]
        elif message["method"] == "Network.loadingFinished" and params["requestId"] in files:
            files[params["requestId"]]["sent"] = params["encodedDataLength"]

    browser.listen(network)
    page.go(url)
    deadline = time.monotonic() + 60
    log = []
    while time.monotonic() < deadline:
        log = page.evaluate("typeof kestavineWindowLog == 'undefined' ? [] : kestavineWindowLog")
        if any(w["title"] == MAIN_TITLE and w["painted"] for entry in log for w in entry["windows"]):
            break
        time.sleep(0.05)
    splash = next((e["time"] for e in log if any(w["title"] == "" and w["painted"] for w in e["windows"])), None)
    main = next((e["time"] for e in log if any(w["title"] == MAIN_TITLE and w["painted"] for w in e["windows"])), None)
    time.sleep(1)
    page.call("Performance.enable")
    metrics = {m["name"]: m["value"] for m in page.call("Performance.getMetrics")["metrics"]}
    memory = {
        "wasm": page.evaluate("window.kestavineMemory ? kestavineMemory.buffer.byteLength : 0"),
        "heap": metrics["JSHeapUsedSize"],
        "renderer": renderer_pss(browser.profile),
    }
    page.call("Page.close")
    return {"files": list(files.values()), "splash": splash, "main": main, "memory": memory}


def megabytes(count):
    return f"{count / 1e6:.2f} MB"


def spread(values, unit="ms"):
    values = [v for v in values if v is not None]
    if not values:
        return "not reached"
    return f"{statistics.median(values):.0f} {unit} (from {min(values):.0f} to {max(values):.0f})"


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: bench.py SITE [RUNS]")
    runs = int(sys.argv[2]) if len(sys.argv) == 3 else 5
    server = serve.start(sys.argv[1])
    url = f"http://127.0.0.1:{server.server_port}/"
    with chromium.Chromium() as browser:
        print(f"== {browser.version}, {url}, {runs} loads, cache off")
        results = [load_once(browser, url) for _ in range(runs)]
    server.shutdown()

    files = results[-1]["files"]
    print("bytes fetched (sent gzip-compressed / unpacked):")
    for entry in sorted(files, key=lambda e: -e["unpacked"]):
        print(f"  {entry['url'].rsplit('/', 1)[-1] or 'index.html':<16} {entry['sent']:>10,} / {entry['unpacked']:>10,}")
    print(f"  {'all':<16} {sum(e['sent'] for e in files):>10,} / {sum(e['unpacked'] for e in files):>10,}"
          f"   ({megabytes(sum(e['sent'] for e in files))} / {megabytes(sum(e['unpacked'] for e in files))})")
    print(f"splash painted after      {spread([r['splash'] for r in results])}")
    print(f"main window painted after {spread([r['main'] for r in results])}")
    print(f"hand-over                 {spread([r['main'] - r['splash'] for r in results if r['main'] and r['splash']])}")
    memory = results[-1]["memory"]
    print(f"memory: WebAssembly {megabytes(memory['wasm'])}, JavaScript heap {megabytes(memory['heap'])}, "
          f"renderer process {megabytes(memory['renderer'])} (PSS)")


if __name__ == "__main__":
    main()
