#!/usr/bin/env python3
"""Serves the game's web page on 127.0.0.1, as any static web server would.

    serve.py FOLDER [PORT]      (bash tools/setup.sh web serve [PORT])

WebAssembly goes out as application/wasm, which browsers need to compile it
while it downloads, and everything gzip-compressed to a browser that accepts
it, as most servers are set up to do. Each answer carries a validator (an
ETag, and the file's date): the browser asks again on each load, as a page
that may change should, and gets "304 Not Modified" with no body while its
copy is current, rather than the whole program again. The browser test and
the benchmark start the same server on a free port.
"""
import functools
import gzip
import hashlib
import http.server
import os
import sys
import threading

TYPES = {".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
         ".ico": "image/vnd.microsoft.icon", ".txt": "text/plain; charset=utf-8",
         ".patch": "text/plain; charset=utf-8"}


class Handler(http.server.SimpleHTTPRequestHandler):
    # Each file's bodies (plain and compressed) and their ETags, made once per
    # version of the file, not on every request.
    prepared = {}

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)

    def guess_type(self, path):
        return TYPES.get(os.path.splitext(path)[1], "application/octet-stream")

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            return super().send_head()
        compressed = "gzip" in self.headers.get("Accept-Encoding", "")
        stat = os.stat(path)
        key = (path, stat.st_mtime_ns, stat.st_size, compressed)
        body, tag = self.prepared.get(key, (None, None))
        if body is None:
            with open(path, "rb") as file:
                body = file.read()
            if compressed:
                body = gzip.compress(body, compresslevel=9, mtime=0)
            # Of the bytes sent: the plain and the compressed body differ.
            tag = '"' + hashlib.sha256(body).hexdigest()[:32] + '"'
            self.prepared[key] = body, tag
        current = tag in (t.strip() for t in self.headers.get("If-None-Match", "").split(","))
        self.send_response(304 if current else 200)
        self.send_header("ETag", tag)
        self.send_header("Last-Modified", self.date_time_string(int(stat.st_mtime)))
        # Kept, but checked with the server before each use.
        self.send_header("Cache-Control", "no-cache")
        self.send_header("Vary", "Accept-Encoding")
        if current:
            self.end_headers()
            return None
        self.send_header("Content-Type", self.guess_type(path))
        if compressed:
            self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return _Body(body)


class _Body:
    """What send_head returns: something copyfile can read and close."""

    def __init__(self, data):
        self.data = data

    def read(self, size=-1):
        data, self.data = self.data, b""
        return data

    def close(self):
        pass


def start(folder, port=0, verbose=False):
    """Serves FOLDER on 127.0.0.1 from a thread; returns the server (its
    server_port, and shutdown() to end it)."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port),
                                             functools.partial(Handler, directory=folder))
    server.verbose = verbose
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: serve.py FOLDER [PORT]")
    server = start(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000, verbose=True)
    print(f"kestavine: http://127.0.0.1:{server.server_port}/ (Ctrl-C ends)", flush=True)
    try:
        threading.Event().wait()
    except KeyboardInterrupt:
        server.shutdown()


if __name__ == "__main__":
    main()
