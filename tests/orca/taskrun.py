"""The tasks' table, shared by the desktop's and the page's task scripts: each
chosen task played in turn, its keys beside what a mouse player needs and
whether its outcome was heard, then the total."""

import argparse
import os
import sys
import time


def arguments(description, top, target, default, about):
    """The options both scripts take, parsed, with the Orca harness imported
    from --orca-tools: target is the positional argument (the program, the
    site), default its value when none is given."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument(target, nargs="?", default=default, help=about)
    parser.add_argument("--orca-tools", default=os.path.join(os.path.dirname(top), "shared", "tools", "orca"),
                        help="the folder of orca_speech.py")
    parser.add_argument("--only", type=int, action="append", help="play only task N (1 to 8); repeatable")
    parser.add_argument("--logs", help="keep each run's logs here")
    parser.add_argument("-v", "--verbose", action="store_true", help="print what Orca spoke in each task")
    args = parser.parse_args()
    sys.path.insert(0, args.orca_tools)
    import orca_speech
    return args, orca_speech


def run(tasks, play, count, only=None, logs=None, verbose=False, where="", first_keys=()):
    """play(task, logs) plays one task and returns the patterns not heard,
    what Orca spoke and Orca's version; count(keys) counts a task's keys, to
    which first_keys (what every task begins with) are added. Returns the
    number of tasks whose outcome went unheard."""
    started = time.monotonic()
    version = None
    total_keys = total_mouse = failed = 0
    for number, task in enumerate(tasks, 1):
        if only and number not in only:
            continue
        missing, spoken, orca_version = play(task, os.path.join(logs, str(number)) if logs else None)
        if version != orca_version:
            version = orca_version
            print(f"# Orca {version}{where}", flush=True)
        keys = len(first_keys) + count(task.keys)
        total_keys += keys
        total_mouse += task.mouse
        failed += bool(missing)
        verdict = "heard" if not missing else "NOT HEARD: " + "; ".join(missing)
        print(f"{number}. {task.name}: {keys} keys (mouse {task.mouse}) [{' '.join([*first_keys, *task.keys])}] "
              f"{verdict}", flush=True)
        if verbose or missing:
            for text in spoken:
                print(f"     {text}")
    ratio = f" ({total_keys / total_mouse:.2f}x)" if total_mouse else ""
    print(f"total: {total_keys} keys, mouse {total_mouse}{ratio}; "
          f"{'every outcome heard' if not failed else f'{failed} task(s) not heard'}; "
          f"{time.monotonic() - started:.0f} s")
    return failed
