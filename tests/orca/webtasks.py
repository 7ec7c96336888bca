#!/usr/bin/python3
"""Plays the eight everyday tasks in the web page through the real Orca screen
reader reading Chromium, keys only.

    tests/orca/webtasks.py [--orca-tools DIR] [--only N] [--logs DIR] [-v] [SITE]

The page (SITE, by default build-web/site) is served on 127.0.0.1 and each task
opens it afresh in Debian's Chromium, a real window on the harness's private
Xvfb with Chromium's accessibility on, as a screen reader's user has it. The
tasks, their keys and what must be heard are the desktop's (eighttasks.py),
with two differences a browser makes: the player first puts Orca in focus
mode for the page (Orca+A, twice quickly to keep it there), so that the game
rather than Orca's browsing takes its letters and digits; and quitting is
heard as the page's word. It prints every task's keys beside what a mouse
player needs, and the total. Exit status 0 when every outcome was heard.
A developer's check: the suite does not run it (it takes some minutes).
"""

import os
import re
import shutil
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(TOP, "packaging", "web"))
import eighttasks  # noqa: E402
import serve  # noqa: E402
import taskrun  # noqa: E402

# Orca+A twice quickly: focus mode, kept whatever the focus lands on.
FOCUS_MODE = ["Insert+a", "Insert+a"]
QUIT_HEARD = [r"ゲームは終了しました"]


def open_page(orca, url, profile):
    """Opens the page in Chromium and waits until the town is on screen and
    Orca has read the control that has the focus."""
    orca.launch(["chromium", "--no-sandbox", "--force-renderer-accessibility", "--no-first-run", "--disable-gpu",
                 "--password-store=basic", "--disable-features=Translate", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-default-apps", "--disable-extensions",
                 "--start-maximized", f"--user-data-dir={profile}", url], window="kestavine")
    deadline = time.time() + 60
    heard = []
    while time.time() < deadline and not any("低密度住宅" in text for text in heard):
        heard += orca.step("sleep:1").texts
    return heard


def play(orca_speech, url, task, logs):
    """Plays one task from a fresh page; returns the patterns not heard, what
    Orca spoke, and Orca's version."""
    with orca_speech.OrcaSpeech(max_wait=4.0, log_dir=logs) as orca:
        profile = tempfile.mkdtemp(prefix="kestavine-chromium-")
        try:
            if not any("低密度住宅" in text for text in open_page(orca, url, profile)):
                return ["the town, read out as the page opened"], [], orca.orca_version()
            # Both presses in one go, as Orca counts a double press.
            orca._run(["xdotool", "key", "--delay", "80", *FOCUS_MODE])
            spoken = orca.step("sleep:1").texts
            for step in task.setup:
                orca.step(step)
            for step in task.keys:
                spoken += orca.step(step).texts
            heard = QUIT_HEARD if task.quits else task.heard
            # The page's live region marks a repeated line with a zero-width space.
            spoken = [text.replace("\u200b", "") for text in spoken]
            missing = [pattern for pattern in heard if not any(re.search(pattern, text) for text in spoken)]
            return missing, spoken, orca.orca_version()
        finally:
            shutil.rmtree(profile, ignore_errors=True)


def main():
    args, orca_speech = taskrun.arguments(__doc__.split("\n")[0], TOP, "site",
                                          os.path.join(TOP, "build-web", "site"), "the page's folder")
    server = serve.start(args.site)
    url = f"http://127.0.0.1:{server.server_port}/"
    failed = taskrun.run(eighttasks.TASKS, lambda task, logs: play(orca_speech, url, task, logs), eighttasks.count,
                         args.only, args.logs, args.verbose, f", Chromium, {url}", FOCUS_MODE)
    server.shutdown()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
