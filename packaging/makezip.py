#!/usr/bin/env python3
"""Packs a folder into a zip that two builds make byte for byte alike.

    makezip.py FOLDER ZIP TOP EPOCH

Every file goes in under TOP/, in sorted order, dated at EPOCH (UTC), with
the same mode and compression whoever packs it, and nothing of the packer's
(user, group, extra time fields).
"""
import os
import sys
import time
import zipfile


def main(folder, out, top, epoch):
    # A zip's dates are local DOS times, from 1980 on; the source's time as UTC.
    date = time.gmtime(max(int(epoch), 315532800))[:6]
    files = []
    for root, dirs, names in os.walk(folder):
        dirs.sort()
        files.extend(os.path.join(root, name) for name in names)
    with zipfile.ZipFile(out + ".part", "w") as archive:
        for path in sorted(files, key=lambda p: os.path.relpath(p, folder).replace(os.sep, "/")):
            name = top + "/" + os.path.relpath(path, folder).replace(os.sep, "/")
            entry = zipfile.ZipInfo(name, date)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 0  # MS-DOS: no Unix modes to differ
            entry.external_attr = 0x20  # the archive bit, as Windows writes it
            with open(path, "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)
    os.replace(out + ".part", out)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit("usage: makezip.py FOLDER ZIP TOP EPOCH")
    main(*sys.argv[1:])
