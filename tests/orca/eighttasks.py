#!/usr/bin/python3
"""Plays eight everyday tasks through the real Orca screen reader, keys only.

    tests/orca/eighttasks.py [--orca-tools DIR] [--only N] [--logs DIR] [PROGRAM]

Each task starts the game afresh (PROGRAM, by default build/app/kestavine),
sends its keys as a player would, checks that Orca spoke what the task is for,
and counts the keys: a chord such as ctrl+q is one key, typed text one key a
character; keys that only set a task up (the three builds before "which lots
are built") are not counted. It prints every task's keys beside what a mouse
player needs, and the total. Exit status 0 when every outcome was heard.

The Orca harness (orca_speech.py: a private Xvfb, D-Bus, AT-SPI and Orca) is
looked for in ../shared/tools/orca beside the repository, or in --orca-tools.
It runs Debian 12's Orca 43 on the host, or Orca 48 in a Debian 13 root with
the game built there. A developer's check, not a test: the suite does not
run it.
"""

import os
import re
import sys
import time

import taskrun

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))


class Task:
    def __init__(self, name, mouse, keys, heard, setup=(), quits=False):
        self.name = name
        self.mouse = mouse  # clicks a mouse player needs
        self.keys = keys  # the player's steps, as orca_speech takes them
        self.heard = heard  # patterns that must be among what Orca spoke
        self.setup = setup  # steps that only prepare the task, not counted
        self.quits = quits  # the game must have ended


def count(keys):
    return sum(len(step[5:]) if step.startswith("type:") else 1 for step in keys)


TASKS = [
    Task("hear 残高, 人口 and 年", 0, ["f"], [r"残高 \d+ 人口 \d* ?年 \d+"]),
    Task("build kind 11 on lot 8, hear its cost and the new balance", 2,
         ["type:11", "Return", "8", "Return"], [r"区画8 道路 直線 右上と左下、5＄、残高 -?\d+"]),
    Task("hear which lots are built, after three builds", 0, ["t"],
         [r"建物のある区画 区画1 低密度住宅、区画2 低密度住宅、区画3 低密度住宅\.?$"],
         setup=["Return", "n", "n", "n"]),
    Task("hear the land value in 地価, and come back", 2, ["l", "space"],
         [r"合計地価 は \d+", r"低密度住宅 push button|低密度住宅 button"]),
    Task("change 消費税 in 基本設定, and hear it confirmed", 4, ["s", "Tab", "type:5", "shift+Tab", "space"],
         [r"消費税 5、交通 10、教育 10"]),
    Task("stop and start time", 2, ["p", "p"], [r"時間は止まっています", r"時間は進んでいます"]),
    Task("build on all 25 lots", 26, ["Return"] + ["n"] * 25,
         [r"区画%d 低密度住宅、5＄、残高 -?\d+" % lot for lot in range(1, 26)]),
    Task("quit", 1, ["ctrl+q"], [], quits=True),
]


def play(orca_speech, program, task, logs):
    """Plays one task from a fresh start; returns the patterns not heard."""
    with orca_speech.OrcaSpeech(max_wait=4.0, log_dir=logs) as orca:
        orca.launch([program], window="VELDORAKS")
        for step in task.setup:
            orca.step(step)
        spoken = []
        for step in task.keys:
            spoken += orca.step(step).texts
        missing = [pattern for pattern in task.heard if not any(re.search(pattern, text) for text in spoken)]
        if task.quits:
            deadline = time.time() + 5
            while orca.app.poll() is None and time.time() < deadline:
                time.sleep(0.1)
            if orca.app.poll() != 0:
                missing.append("the game ending")
        return missing, spoken, orca.orca_version()


def main():
    args, orca_speech = taskrun.arguments(__doc__.split("\n")[0], TOP, "program",
                                          os.path.join(TOP, "build", "app", "kestavine"), "the game to play")
    failed = taskrun.run(TASKS, lambda task, logs: play(orca_speech, args.program, task, logs), count,
                         args.only, args.logs, args.verbose)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
