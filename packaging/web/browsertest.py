#!/usr/bin/env python3
"""Plays the game's web page in headless Chromium, as a player would.

    browsertest.py SITE OUT       (bash tools/setup.sh web test)

Serves SITE (build-web/site) on 127.0.0.1 and plays it four times:
  - at 800 x 600, with the mouse and the keyboard: the splash, the hand-over
    to the main window 1.5 s later, the layout against the Linux game's
    (mainwindow-linux.png: its client area as the Linux game shows it on
    Debian 12 under Xvfb, figures left out), a building placed by keyboard and one by mouse,
    a bad figure in the settings and its message, and the end, which the
    page reports and from which it starts again;
  - as a screen reader reads it, through the elements Qt keeps in the page
    and the browser's accessibility tree: every control named as on the
    desktop, and nothing stray; the page's focus following Tab; the tree after
    a build, a tick and ストップ; every notice (a build, F, the time's state, a
    refusal, the settings confirmed) in the page's live region; a button
    pressed through the tree; a hidden tab holding the town;
  - as a phone held sideways (844 x 390, three device pixels to one, touch):
    the windows scaled to fit, a building placed by touch, the pictures sharp;
  - as the page changes size (700 x 500 to a phone held upright and back):
    the windows refitted and centred each time, the town kept, and the town's
    tiles meeting without a gap at the fractional scales 0.96 and 0.68.
And that the server sends the program only once to a browser that keeps it.
Screenshots go to OUT. Prints each check and ends with "N passed, N failed".
"""
import json
import os
import re
import struct
import sys
import time
import urllib.error
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import chromium  # noqa: E402
import png  # noqa: E402
import serve  # noqa: E402

MAIN_TITLE = "VELDORAKS   kestavine    "

# Watches the windows Qt puts in the page, every frame from the page's start:
# each change (a window shown or gone, its canvas first painted) is logged with
# its time since the page started, the window's title and where its client
# area (its canvas) lies.
WATCHER = r"""
(() => {
    const log = [];
    let last = "";
    function windows() {
        const host = document.getElementById("qt-shadow-container");
        const root = host && host.shadowRoot;
        if (!root)
            return [];
        return [...root.querySelectorAll(".qt-window")].filter(w => w.style.display !== "none").map(w => {
            const canvas = w.querySelector("canvas");
            const box = canvas.getBoundingClientRect();
            let painted = false;
            if (canvas.width && canvas.height)
                painted = canvas.getContext("2d").getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data[3] > 0;
            const name = w.querySelector(".window-name");
            const frame = w.getBoundingClientRect();
            return {title: name ? name.textContent : "", painted, x: box.x, y: box.y,
                    width: box.width, height: box.height,
                    frame: [frame.x, frame.y, frame.width, frame.height]};
        });
    }
    function watch() {
        const now = windows();
        const key = JSON.stringify(now.map(w => [w.title, w.painted]));
        if (key !== last) {
            last = key;
            log.push({time: performance.now(), windows: now});
        }
        requestAnimationFrame(watch);
    }
    requestAnimationFrame(watch);
    window.kestavineWindowLog = log;
    window.kestavineWindows = windows;
})();
"""


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def __call__(self, name, ok, detail=""):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
        print(f"{'PASS' if ok else 'FAIL'}  {name}{': ' + str(detail) if detail else ''}", flush=True)
        return ok


def design(twips):
    """A design figure in twips, in pixels at 96 dots per inch."""
    return twips // 15


def kind_button(kind):
    """The centre of kind button Command1..30 in the main window."""
    if kind <= 18:
        x, y = design(120 if kind % 2 else 720), design(120 + 600 * ((kind - 1) // 2))
    else:
        x, y = design(1320 + 600 * ((kind - 19) // 2)), design(4320 if kind % 2 else 4920)
    return x + 16, y + 16


def lot_picture(lot):
    """The centre of lot picture Image1..25 in the main window."""
    row, column = (lot - 1) // 5, (lot - 1) % 5
    return design(2880 + 240 * row - 240 * column) + 16, design(1080 + 240 * row + 240 * column) + 16


def lot_button(lot):
    """The centre of lot button Command1..25 in the lot picker."""
    row, column = (lot - 1) // 5, (lot - 1) % 5
    return design(1440 + 240 * (row - column)) + 8, design(600 + 240 * (row + column)) + 8


# The main window's controls, left, top, width, height in twips.
SETTINGS_BUTTON = (6720, 2520, 1215, 375)
END_BUTTON = (5280, 3960, 2535, 615)
STOP_OPTION = (5520, 2040, 975, 255)
START_OPTION = (5520, 2520, 975, 255)
CANCEL_BUTTON = (2400, 2280, 975, 495)  # in the lot picker
# The figures, which change by themselves: left out of the layout comparison.
FIGURES = [(5400, 480, 2535, 255), (5400, 1200, 2535, 255), (6720, 2040, 975, 255)]


def shows_kind(image, lot, kind):
    """Whether lot picture Image<lot> shows what kind button Command<kind> shows:
    the middle of the tile, which no neighbouring lot overlaps, pixel for pixel.
    The button's style places its icon within a pixel or two of its corner."""
    lx, ly = (v - 16 for v in lot_picture(lot))
    bx, by = (v - 16 for v in kind_button(kind))
    middle = [(x, y) for y in range(10, 22) for x in range(10, 22)]
    return any(all(image.pixel(lx + x, ly + y) == image.pixel(bx + dx + x, by + dy + y) for x, y in middle)
               for dx in range(-1, 4) for dy in range(-1, 4))


def centre(box):
    left, top, width, height = (design(v) for v in box)
    return left + width // 2, top + height // 2


class Game:
    """One page of the game in one tab."""

    def __init__(self, browser, url, width, height, scale=1, mobile=False):
        self.page = browser.new_page(width, height, scale, mobile)
        self.page.call("Page.addScriptToEvaluateOnNewDocument", {"source": WATCHER})
        self.url = url
        self.page.go(url)

    def log(self):
        return self.page.evaluate("kestavineWindowLog")

    def windows(self):
        return self.page.evaluate("kestavineWindows()")

    def wait_for_window(self, title, painted=True, count=1, timeout=30):
        """The window with this title once it is shown (and painted), or None."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = [w for w in self.windows() if w["title"] == title and (w["painted"] or not painted)]
            if len(found) >= count:
                return found[-1]
            time.sleep(0.02)
        return None

    def wait_gone(self, title, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not any(w["title"] == title for w in self.windows()):
                return True
            time.sleep(0.02)
        return False

    def click(self, window, x, y, scale=1.0, touch=False):
        """Clicks (or taps) at design pixels x, y of a window's client area."""
        px, py = window["x"] + x * scale, window["y"] + y * scale
        (self.page.tap if touch else self.page.click)(px, py)
        time.sleep(0.15)

    def shot(self, path, window=None):
        self.page.screenshot(path)
        image = png.Image.read(path)
        if window:
            image = image.crop(round(window["x"]), round(window["y"]), round(window["width"]), round(window["height"]))
        return image


def read_bmp(path):
    """The game's splash picture, an 8-bit Windows bitmap, as rows of RGB."""
    with open(path, "rb") as file:
        data = file.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    colours, = struct.unpack_from("<I", data, 46)
    palette = [data[54 + 4 * i:54 + 4 * i + 3][::-1] for i in range(colours or 256)]
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        line = data[offset + stride * y:offset + stride * y + width]
        rows.append(bytearray(b"".join(palette[i] for i in line)))
    if height > 0:
        rows.reverse()
    return png.Image(width, abs(height), rows)


def differing(a, b, skip=(), tolerance=48):
    """The share of pixels of two same-sized images that differ visibly,
    leaving out the boxes in skip (left, top, width, height in pixels)."""
    total = wrong = 0
    for y in range(min(a.height, b.height)):
        for x in range(min(a.width, b.width)):
            if any(left <= x < left + w and top <= y < top + h for left, top, w, h in skip):
                continue
            total += 1
            if max(abs(p - q) for p, q in zip(a.pixel(x, y), b.pixel(x, y))) > tolerance:
                wrong += 1
    return wrong / max(total, 1)


def play_with_mouse_and_keyboard(check, browser, url, out, palette):
    game = Game(browser, url, 800, 600)
    splash = game.wait_for_window("")
    if not check("the splash appears", splash):
        return
    image = game.shot(os.path.join(out, "splash.png"), splash)
    picture = read_bmp(os.path.join(HERE, "..", "..", "assets", "splash", "splash.bmp"))
    check("the splash shows the splash picture, pixel for pixel",
          image.width == 572 and image.height == 352 and differing(image, picture, tolerance=0) == 0,
          f"{image.width} x {image.height}")

    main = game.wait_for_window(MAIN_TITLE)
    if not check("the main window follows", main):
        return
    log = game.log()
    shown = next(entry["time"] for entry in log if any(w["title"] == "" and w["painted"] for w in entry["windows"]))
    handed = next(entry for entry in log if any(w["title"] == MAIN_TITLE and w["painted"] for w in entry["windows"]))
    check("the hand-over comes about 1.5 s after the splash",
          1400 <= handed["time"] - shown <= 2500, f"{handed['time'] - shown:.0f} ms")
    check("the splash is gone with the hand-over",
          all(w["title"] != "" for w in handed["windows"]) and all(w["title"] != "" for w in game.windows()))
    check("the main window's client area is 542 x 375", (main["width"], main["height"]) == (542, 375),
          f"{main['width']} x {main['height']}")

    image = game.shot(os.path.join(out, "main.png"), main)
    reference = png.Image.read(os.path.join(HERE, "mainwindow-linux.png"))
    share = differing(image, reference, skip=[tuple(design(v) for v in box) for box in FIGURES])
    check("the main window is laid out as the Linux game's", share < 0.02, f"{share:.2%} of pixels differ")

    # The keyboard: Space opens the picker with the kind that has the focus,
    # and Space again builds on the lot that has the picker's focus.
    game.page.key(" ", "Space", 32, " ")
    picker = game.wait_for_window("建設物購入")
    if check("Space on a kind opens the lot picker", picker):
        game.page.key(" ", "Space", 32, " ")
        time.sleep(0.3)
        # The picker stands over the town: it goes before the town is looked at.
        game.click(picker, *centre(CANCEL_BUTTON))
        check("キャンセル closes the picker", game.wait_gone("建設物購入"))
        image = game.shot(os.path.join(out, "keyboard.png"), main)
        # The focus starts on the first kind, as on the desktop (the page
        # activates the main window before its buttons show).
        focused = next((kind for kind in (1, 2) if shows_kind(image, 1, kind)), None)
        check("Space on the picker's first lot builds the first kind there", focused == 1, f"kind {focused}")

    # The mouse: kind 7, then lot 13 in the picker.
    game.click(main, *kind_button(7))
    picker = game.wait_for_window("建設物購入")
    if check("clicking a kind opens the lot picker", picker):
        game.click(picker, *lot_button(13))
        game.click(picker, *centre(CANCEL_BUTTON))
        game.wait_gone("建設物購入")
        image = game.shot(os.path.join(out, "mouse.png"), main)
        check("clicking a lot builds the kind there", shows_kind(image, 13, 7))
        x, y = kind_button(3)
        palette.update(image.pixel(x + dx, y + dy) for dx in range(-11, 12) for dy in range(-11, 12)
                       if abs(dx) + abs(dy) < 11)

    # A figure that is not a number: refused, with a message.
    game.click(main, *centre(SETTINGS_BUTTON))
    settings = game.wait_for_window("基本設定")
    if check("基本設定 opens the settings", settings):
        game.click(settings, design(840) + 20, design(120) + 9)
        game.page.call("Input.dispatchKeyEvent", {"type": "rawKeyDown", "key": "a", "code": "KeyA",
                                                  "windowsVirtualKeyCode": 65, "modifiers": 2})
        game.page.call("Input.dispatchKeyEvent", {"type": "keyUp", "key": "a", "code": "KeyA",
                                                  "windowsVirtualKeyCode": 65, "modifiers": 2})
        game.page.type("abc")
        game.click(settings, *centre((1320, 2640, 1095, 615)))
        message = game.wait_for_window("基本設定", count=2)
        if check("a figure that is no number brings a message", message):
            game.shot(os.path.join(out, "refusal.png"))
            game.page.key("Enter", "Enter", 13, "\r")
            check("the message goes with Enter, the settings stay",
                  game.wait_for_window("基本設定") and len([w for w in game.windows() if w["title"] == "基本設定"]) == 1)

    # 終了 ends the game; the page says so and starts it again.
    game.click(main, *centre(END_BUTTON))
    said = game.page.wait_for("!document.getElementById('status').hidden && "
                              "document.getElementById('message').textContent")
    check("終了 ends the game and the page says so", said == "ゲームは終了しました。", said)
    check("no window of the game is left", not game.windows())
    game.shot(os.path.join(out, "ended.png"))
    check("the page offers to start again", game.page.evaluate("!document.getElementById('again').hidden"))
    game.page.evaluate("document.getElementById('again').click()")
    time.sleep(0.5)
    check("starting again shows the splash again", game.wait_for_window(""))
    problems = [line for line in game.page.console if "exception" in line.lower() or "abort" in line.lower()]
    check("nothing went wrong in the page's console", not problems, problems[:3])


AX_OF_PAGE = "Accessibility.getFullAXTree"


def accessible_nodes(page):
    page.call("Accessibility.enable")
    nodes = page.call(AX_OF_PAGE)["nodes"]
    found = []
    for node in nodes:
        if node.get("ignored"):
            continue
        role = node.get("role", {}).get("value", "")
        name = node.get("name", {}).get("value", "")
        description = next((p["value"].get("value", "") for p in node.get("properties", [])
                            if p["name"] == "description"), "")
        if not description:
            description = node.get("description", {}).get("value", "")
        found.append((role, name, description))
    return found


def play_by_screen_reader(check, browser, url, out, report):
    game = Game(browser, url, 800, 600)
    main = game.wait_for_window(MAIN_TITLE)
    if not check("the main window follows (screen reader)", main):
        return
    page = game.page

    def hears(name, wanted, passing=None):  # the live region's next line past passing: wanted, or matching it
        text = said(page)
        if text == passing:
            text = said(page)
        check(f"{name} is said in the live region", re.fullmatch(wanted, text) if isinstance(wanted, re.Pattern)
              else text == wanted, text)

    time.sleep(0.5)
    # What a screen reader's user meets: Qt's elements for every control, from
    # the start (Qt takes Tab, so its hidden switch could not be reached by keys).
    check("Qt's screen-reader support is on from the start",
          in_windows(page, "!root.querySelector('button.hidden-visually-read-by-screen-reader')")
          and mirror(page, KINDS[0]["name"]))
    nodes = accessible_nodes(page)
    with open(os.path.join(out, "accessibility-tree.json"), "w") as file:
        json.dump(nodes, file, ensure_ascii=False, indent=1)
    report["tree"] = nodes
    names = [name for _, name, _ in nodes]
    kinds = {name: description for role, name, description in nodes if role == "button"}
    missing = [k["name"] for k in KINDS if k["name"] not in kinds]
    check("the tree names every kind button", not missing and len(KINDS) == 30, missing[:3])
    wrong = [k["name"] for k in KINDS if k["name"] in kinds and not k["tip"].endswith(kinds[k["name"]] or "-")]
    check("each kind button carries its price", not wrong, wrong[:3])
    check("the tree holds the figures with their captions",
          all(caption in names for caption in ("残高", "人口", "年")) and balance(page) is not None)
    lots = sorted({name for role, name, _ in nodes if role == "image" and re.match(r"区画\d+ ", name)})
    check("the tree names the 25 lots and what stands there", len(lots) == 25, lots[:2])
    dialogs = [" ".join(name.split()) for role, name, _ in nodes if role == "dialog"]
    check("the main window is a dialog named by its title", dialogs == ["VELDORAKS kestavine"], dialogs)
    stray = [(role, name) for role, name, _ in nodes
             if " ".join(name.split()) == "VELDORAKS kestavine" and role != "dialog"
             or role == "image" and not name or role in ("textbox", "status") or name == "Enable Screen Reader"]
    check("nothing else in the tree: no title bar, no unnamed picture, no stray box", not stray, stray[:3])
    ids = in_windows(page, "[...root.querySelectorAll('.qt-window-a11y-container [id]')].map(e => e.id)")
    check("no two elements share an id", len(ids) == len(set(ids)), len(ids) - len(set(ids)))

    # The page's focus is where the keys go, on an element a reader may read.
    check("the page's focus starts on the first kind", focused(page) == KINDS[0]["name"], focused(page))
    page.key("Tab", "Tab", 9)
    time.sleep(0.2)
    check("Tab moves the page's focus with Qt's", focused(page) == KINDS[1]["name"], focused(page))
    page.key("Tab", "Tab", 9, modifiers=8)
    time.sleep(0.2)

    options = {m["name"]: m for m in mirrors(page) if m["tag"] == "INPUT" and m["type"] == "radio"}
    check("the time options are named, and say that time runs",
          sorted(options) == ["スタート", "ストップ"]
          and all(m["description"] == "時間は進んでいます" and not m["checked"] for m in options.values()),
          list(options.values()))
    # Time stands still: a purchase's price is what the balance loses.
    game.click(main, *centre(STOP_OPTION))
    hears("ストップ", "時間は止まっています")
    options = {m["name"]: m for m in mirrors(page) if m["tag"] == "INPUT" and m["type"] == "radio"}
    check("the tree has ストップ chosen", options.get("ストップ", {}).get("checked")
          and not options.get("スタート", {}).get("checked"), list(options.values()))
    time.sleep(1.2)
    page.key("f", "KeyF", 70, "f")
    hears("F's figures", re.compile(r"残高 -?\d+ 人口 \d* ?年 \d+"))
    before = balance(page)
    game.click(main, *kind_button(7))
    picker = game.wait_for_window("建設物購入")
    if picker:
        game.click(picker, *lot_button(13))
        time.sleep(0.5)
    after = balance(page)
    price = KINDS[6]["price"]
    check("a purchase takes its price from the balance", before is not None and after == before - price,
          f"{before} -> {after}")
    built = f"区画13 {KINDS[6]['name']}"
    hears("the build", f"{built}、{price}＄、残高 {after:.0f}")
    check("the tree names lot 13 anew, in the main window and in the open picker",
          mirror(page, built, "建設物購入") and mirror(page, built, MAIN_TITLE), built)
    check("the picker is a dialog described by what it places",
          (dialog(page, "建設物購入") or {}).get("description", "").startswith(KINDS[6]["name"]),
          dialog(page, "建設物購入"))
    # A screen reader presses a button through its element in the page.
    check("キャンセル pressed through the tree closes the picker",
          press_mirror(page, "キャンセル") and game.wait_gone("建設物購入"))
    check("a kind pressed through the tree opens the picker",
          press_mirror(page, KINDS[27]["name"]) and game.wait_for_window("建設物購入"))
    press_mirror(page, "キャンセル")
    game.wait_gone("建設物購入")
    year = year_counter(page)
    game.click(main, *centre(START_OPTION))
    hears("スタート", "時間は進んでいます")
    time.sleep(2.5)
    check("the tree's year advances with each tick", year is not None and (year_counter(page) or 0) >= year + 2,
          f"{year} -> {year_counter(page)}")

    # The settings: each figure named by its caption, with its value.
    game.click(main, *centre(SETTINGS_BUTTON))
    settings = game.wait_for_window("基本設定")
    if check("基本設定 opens (screen reader)", settings):
        time.sleep(0.3)
        boxes = [(m["name"], m["value"]) for m in mirrors(page, "基本設定") if m["tag"] == "INPUT" and m["type"] == "text"]
        check("基本設定's figures are named, with their values",
              boxes == [("消費税", "10"), ("交通", "10"), ("教育", "10")], boxes)
        game.click(settings, design(840) + 20, design(120) + 9)
        page.key("a", "KeyA", 65, modifiers=2)
        check("the page's focus is on the figure Qt is on", focused(page) == "消費税", focused(page))
        page.type("x")
        game.click(settings, *centre((1320, 2640, 1095, 615)))
        if game.wait_for_window("基本設定", count=2):
            hears("a refusal", re.compile("基本設定 消費税の値を数字として読めません.*", re.S),
                  passing="消費税 x")  # the typed figure, read back
            page.key("Enter", "Enter", 13, "\r")
            time.sleep(0.3)
        check("the focus is back on the figure after the message", focused(page) == "消費税", focused(page))
        page.type("5")
        game.click(settings, *centre((1320, 2640, 1095, 615)))
        game.wait_gone("基本設定")
        time.sleep(0.5)
        hears("the new figures after OK", "消費税 5、交通 10、教育 10")

    # A hidden tab holds the town, and says so when it comes back.
    year = year_counter(page)
    page.evaluate(VISIBILITY % "true")
    time.sleep(2.5)
    held = year_counter(page)
    page.evaluate(VISIBILITY % "false")
    time.sleep(0.3)
    check("a hidden tab holds time", held == year, f"{year} -> {held}")
    hears("the tab's return", "タブが隠れている間、時間は止まっていました")
    time.sleep(2.2)
    check("time runs on once the tab is back", (year_counter(page) or 0) >= (held or 0) + 2, year_counter(page))
    warnings = [line for line in page.console if "aria-hidden" in line or "Unable to find window" in line]
    check("no accessibility warning in the page's console", not warnings, warnings[:2])


def play_as_the_page_changes(check, browser, url, out):
    """The page resized and a phone turned, while the town stays."""
    game = Game(browser, url, 800, 600)
    main = game.wait_for_window(MAIN_TITLE)
    if not check("the main window follows (resizing)", main):
        return
    game.click(main, *kind_button(3))
    picker = game.wait_for_window("建設物購入")
    if picker:
        game.click(picker, *lot_button(7))
        game.click(picker, *centre(CANCEL_BUTTON))
        game.wait_gone("建設物購入")
    built = f"区画7 {KINDS[2]['name']}"
    for width, height, ratio, wanted in ((700, 500, 1, 1.0), (1200, 900, 1, 1.0), (390, 844, 3, 0.68),
                                         (550, 600, 3, 0.96), (800, 600, 1, 1.0)):
        game.page.resize(width, height, ratio, mobile=ratio > 1)
        time.sleep(0.8)
        main = game.wait_for_window(MAIN_TITLE)
        scale = main["width"] / 542
        left, top, outer_width, outer_height = main["frame"]
        right, bottom = width - left - outer_width, height - top - outer_height
        check(f"at {width} x {height} the main window is scaled to fit and centred",
              abs(scale - wanted) < 0.005 and min(left, top, right, bottom) > -1
              and abs(left - right) <= 2.5 and abs(top - bottom) <= 2.5,
              f"scale {scale:.3f}, margins {left:.1f} {top:.1f} {right:.1f} {bottom:.1f}")
        image = game.shot(os.path.join(out, f"page-{width}x{height}.png"))
        gaps = town_gaps(image, main, scale, ratio)
        check(f"at {width} x {height} the town is seamless", not gaps, f"{len(gaps)} pixels of the window's blue "
              f"inside the town, {gaps[:3]}")
    check("the town is kept through every change", mirror(game.page, built, MAIN_TITLE), built)


def town_gaps(image, main, scale, device):
    """Screen pixels of the window's blue well inside the town's diamond, which
    its tiles cover whole: where two tiles do not meet, the blue shows."""
    # The diamond on the main window, in its own pixels: centre and half-width.
    cx, cy, half = design(1920) + 80, design(1080) + 80, 80
    found = []
    for py in range(int((main["y"] + (cy - half) * scale) * device), int((main["y"] + (cy + half) * scale) * device)):
        for px in range(int((main["x"] + (cx - half) * scale) * device),
                        int((main["x"] + (cx + half) * scale) * device)):
            x, y = (px / device - main["x"]) / scale - cx, (py / device - main["y"]) / scale - cy
            if abs(x) + abs(y) < half - 3 and image.pixel(px, py) == (128, 128, 255):
                found.append((px, py))
    return found


def play_on_a_phone(check, browser, url, out, palette):
    game = Game(browser, url, 844, 390, scale=3, mobile=True)
    main = game.wait_for_window(MAIN_TITLE)
    if not check("the main window shows on a phone held sideways", main):
        return
    scale = main["width"] / 542
    outer = main["frame"]
    # Within a CSS pixel: the page rounds the frame's place.
    check("the windows are scaled to fit the phone's screen",
          scale < 1 and outer[0] > -1 and outer[1] > -1 and outer[0] + outer[2] < 845 and outer[1] + outer[3] < 391,
          f"scale {scale:.2f}, frame at {outer[0]:.1f}, {outer[1]:.1f}, {outer[2]:.1f} x {outer[3]:.1f}")

    def at(image, point):
        return image.pixel(round((main["x"] + point[0] * scale) * 3), round((main["y"] + point[1] * scale) * 3))
    game.page.screenshot(os.path.join(out, "phone-before.png"))
    before = png.Image.read(os.path.join(out, "phone-before.png"))
    game.click(main, *kind_button(3), scale=scale, touch=True)
    picker = game.wait_for_window("建設物購入")
    if check("a tap on a kind opens the lot picker", picker):
        game.click(picker, *lot_button(7), scale=scale, touch=True)
        game.click(picker, *centre(CANCEL_BUTTON), scale=scale, touch=True)
        game.wait_gone("建設物購入")
    game.page.screenshot(os.path.join(out, "phone.png"))
    image = png.Image.read(os.path.join(out, "phone.png"))
    x, y = lot_picture(7)
    changed = [(dx, dy) for dx in range(-6, 7, 3) for dy in range(-6, 7, 3)
               if at(image, (x + dx, y + dy)) != at(before, (x + dx, y + dy))]
    check("a tap on a lot builds there", len(changed) > 10, f"{len(changed)} of 25 points changed")
    # Sharp: every screen pixel of a kind's picture is one of the picture's
    # own colours, as a picture enlarged by repeating pixels is, and no blend
    # of them; only the middle of its diamond, where the picture is opaque.
    x0, y0 = kind_button(3)
    colours = set()
    for py in range(round((main["y"] + (y0 - 11) * scale) * 3), round((main["y"] + (y0 + 11) * scale) * 3)):
        for px in range(round((main["x"] + (x0 - 11) * scale) * 3), round((main["x"] + (x0 + 11) * scale) * 3)):
            dx, dy = (px / 3 - main["x"]) / scale - x0, (py / 3 - main["y"]) / scale - y0
            if abs(dx) + abs(dy) < 10:
                colours.add(image.pixel(px, py))
    check("the pictures stay sharp when scaled", palette and colours <= palette,
          f"{len(colours - palette)} colours that the picture does not have")


def press_mirror(page, name):
    """Clicks the page's element that mirrors the button of this name."""
    return in_windows(page, f"""(button => !!button && (button.click(), true))(
        [...root.querySelectorAll("button")].find(b => b.textContent === {json.dumps(name)}))""")


def in_windows(page, expression):
    """The value of an expression of root, the root of the windows Qt puts in the page."""
    return page.evaluate(f"(root => ({expression}))(document.getElementById('qt-shadow-container').shadowRoot)")

# Every element that mirrors a control, in the windows shown: its window (the
# dialog's name), tag, type, name, description, state and value.
MIRRORS = """[...root.querySelectorAll(".qt-window")].filter(w => w.style.display !== "none").flatMap(w => {
        const box = w.querySelector(".qt-window-a11y-container");
        return [...box.children].map(e => ({
            window: box.getAttribute("aria-label"), tag: e.tagName, type: e.type || "",
            name: e.getAttribute("aria-label") ?? e.textContent, description: e.getAttribute("aria-description") || "",
            checked: !!e.checked, value: e.value ?? "", hidden: e.ariaHidden === "true"}));
    })"""


def mirrors(page, window=None):
    found = in_windows(page, MIRRORS) or []
    return [m for m in found if window is None or m["window"] == window]


def mirror(page, name, window=None):
    """The element of this name that a screen reader finds (not hidden), or None."""
    return next((m for m in mirrors(page, window) if m["name"] == name and not m["hidden"]), None)


def dialog(page, title):
    """The name and description of the window titled so, as a screen reader meets it."""
    return in_windows(page, f"""(box => box && {{role: box.getAttribute("role"),
        description: box.getAttribute("aria-description") || ""}})([...root.querySelectorAll(".qt-window-a11y-container")]
        .find(b => b.getAttribute("aria-label") === {json.dumps(title)}))""")


def focused(page):
    """The name of the element that has the page's focus; None if none of Qt's
    elements has it, or if it is hidden from a screen reader."""
    return page.evaluate("""(() => {
        let e = document.activeElement;
        while (e && e.shadowRoot && e.shadowRoot.activeElement)
            e = e.shadowRoot.activeElement;
        if (!e || !e.closest(".qt-window-a11y-container") || e.closest("[aria-hidden=true]"))
            return null;
        return e.getAttribute("aria-label") ?? e.textContent;
    })()""")


def said(page, timeout=2):
    """What the page's polite live region says now, once it has said anything
    since the last time asked."""
    text = page.wait_for("""(() => {
        const region = document.querySelector("body > [aria-live=polite]");
        const line = region && region.firstElementChild;
        if (!line || line.dataset.read) return null;
        line.dataset.read = "1";
        return line.textContent.replace(/\\u200b/g, "");
    })()""", timeout=timeout)
    return text or ""


# Has the page's tab hidden ("true") or shown again ("false").
VISIBILITY = """(() => {
    Object.defineProperty(document, "hidden", {configurable: true, get: () => %s});
    Object.defineProperty(document, "visibilityState", {configurable: true,
                                                        get: () => document.hidden ? "hidden" : "visible"});
    document.dispatchEvent(new Event("visibilitychange"));
})()"""


def balance(page):
    return number_after(page, "残高")


def year_counter(page):
    return number_after(page, "年")


def number_after(page, caption):
    """The figure whose value follows its caption in the main window's tree."""
    texts = [m["name"] for m in mirrors(page, MAIN_TITLE) if m["tag"] == "DIV" and not m["hidden"]]
    for i, text in enumerate(texts[:-1]):
        if text == caption:
            try:
                return float(texts[i + 1])
            except ValueError:
                return None
    return None


def catalogue():
    """Each kind's name, tool tip and price, read from the game's catalogue."""
    with open(os.path.join(HERE, "..", "..", "construction", "catalogue.h"), encoding="utf-8") as file:
        return [{"number": int(m[0]), "tip": m[1], "name": m[2], "price": int(m[3])}
                for m in re.findall(r'\{(\d+), "([^"]*)", "([^"]*)", (\d+),', file.read())]


KINDS = catalogue()


def check_the_server(check, url):
    """The program goes out once: a browser that has it is told that it is current."""
    def fetch(tag=None):
        headers = {"Accept-Encoding": "gzip", **({"If-None-Match": tag} if tag else {})}
        try:
            with urllib.request.urlopen(urllib.request.Request(url + "kestavine.wasm", headers=headers)) as answer:
                return answer.status, answer.headers.get("ETag"), len(answer.read())
        except urllib.error.HTTPError as error:
            return error.code, error.headers.get("ETag"), 0
    status, tag, size = fetch()
    again = fetch(tag)
    check("the server sends a validator, and no body again while the copy is current",
          status == 200 and tag and size > 0 and again == (304, tag, 0), f"{status} {tag} {size}; {again}")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: browsertest.py SITE OUT")
    site, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    check = Checks()
    server = serve.start(site)
    url = f"http://127.0.0.1:{server.server_port}/"
    report = {}
    with chromium.Chromium() as browser:
        print(f"== {browser.version}, {url}", flush=True)
        # The colours of a kind's picture, as the page shows it at its own size.
        palette = set()
        play_with_mouse_and_keyboard(check, browser, url, out, palette)
        play_by_screen_reader(check, browser, url, out, report)
        play_on_a_phone(check, browser, url, out, palette)
        play_as_the_page_changes(check, browser, url, out)
    check_the_server(check, url)
    server.shutdown()
    print(f"{check.passed} passed, {check.failed} failed")
    sys.exit(1 if check.failed else 0)


if __name__ == "__main__":
    main()
