"""The tasks' table, shared by the desktop's and the page's task scripts: each
chosen task played in turn, its keys beside what a mouse player needs and
whether its outcome was heard, then the total."""

import os
import time


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
