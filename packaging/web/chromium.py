"""Drives Debian's Chromium, headless, through the DevTools protocol over a pipe.

    with Chromium() as browser:
        page = browser.new_page(800, 600)
        page.go("http://127.0.0.1:8000/")
        page.click(100, 100)
        page.screenshot("shot.png")

Chromium reads commands from its file descriptor 3 and writes answers and
events to 4, each a JSON message ended by a NUL byte (--remote-debugging-pipe):
no port, no websocket, nothing but Python's standard library. It starts with a
fresh profile and with every background connection off, so the page under test
is all it fetches. Everything it starts ends with it.
"""
import base64
import fcntl
import json
import os
import queue
import shutil
import subprocess
import tempfile
import threading
import time

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-default-apps", "--disable-extensions", "--mute-audio", "--hide-scrollbars",
         "--remote-debugging-pipe"]


class ProtocolError(Exception):
    pass


def _above_4(fd):
    moved = fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 5)
    os.close(fd)
    return moved


class Chromium:
    def __init__(self, program="chromium", timeout=30):
        self.timeout = timeout
        self._profile = tempfile.mkdtemp(prefix="kestavine-chromium-")
        to_browser_read, self._to_browser = os.pipe()
        self._from_browser, from_browser_write = os.pipe()
        # Out of the way of 3 and 4, which the child's ends become.
        to_browser_read, from_browser_write = (_above_4(fd) for fd in (to_browser_read, from_browser_write))

        def pipes_as_3_and_4():
            os.dup2(to_browser_read, 3)
            os.dup2(from_browser_write, 4)

        self._log = open(os.path.join(self._profile, "chromium.log"), "wb")
        self._process = subprocess.Popen(
            [shutil.which(program) or program, *FLAGS, f"--user-data-dir={self._profile}", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=self._log, stderr=self._log,
            # Python's own descriptors are not inherited; the two pipes are, as 3 and 4.
            preexec_fn=pipes_as_3_and_4, close_fds=False)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self.profile = self._profile
        self._next_id = 0
        self._answers = {}
        self._answered = threading.Condition()
        self._events = []
        self._listeners = []
        threading.Thread(target=self._read, daemon=True).start()
        self.version = self.call("Browser.getVersion")["product"]

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        if self._process.poll() is None:
            try:
                self.call("Browser.close", timeout=5)
            except (ProtocolError, OSError):
                pass
            try:
                self._process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        os.close(self._to_browser)
        self._log.close()
        shutil.rmtree(self._profile, ignore_errors=True)

    def _read(self):
        buffer = b""
        while True:
            chunk = os.read(self._from_browser, 1 << 16)
            if not chunk:
                break
            buffer += chunk
            while b"\0" in buffer:
                raw, buffer = buffer.split(b"\0", 1)
                message = json.loads(raw)
                with self._answered:
                    if "id" in message:
                        self._answers[message["id"]] = message
                    else:
                        for listener in list(self._listeners):
                            listener(message)
                    self._answered.notify_all()
        with self._answered:
            self._answers[None] = {"error": {"message": "Chromium closed its pipe"}}
            self._answered.notify_all()

    def call(self, method, params=None, session=None, timeout=None):
        """Sends a command and returns its result, or raises ProtocolError."""
        with self._answered:
            self._next_id += 1
            number = self._next_id
        message = {"id": number, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + (timeout or self.timeout)
        with self._answered:
            while number not in self._answers and None not in self._answers:
                left = deadline - time.monotonic()
                if left <= 0:
                    raise ProtocolError(f"{method}: no answer in {timeout or self.timeout} s")
                self._answered.wait(left)
            answer = self._answers.pop(number, None) or self._answers[None]
        if "error" in answer:
            raise ProtocolError(f"{method}: {answer['error'].get('message')}")
        return answer["result"]

    def listen(self, listener):
        with self._answered:
            self._listeners.append(listener)

    def new_page(self, width, height, scale=1, mobile=False):
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        return Page(self, session, width, height, scale, mobile)


class Page:
    """One tab, with the viewport of a screen WIDTH x HEIGHT CSS pixels."""

    def __init__(self, browser, session, width, height, scale, mobile):
        self.browser = browser
        self.session = session
        self.events = queue.Queue()
        self.console = []
        browser.listen(self._event)
        for domain in ("Page", "Runtime", "Network", "Log"):
            self.call(f"{domain}.enable")
        self.resize(width, height, scale, mobile)
        if mobile:
            self.call("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})

    def _event(self, message):
        if message.get("sessionId") != self.session:
            return
        if message["method"] == "Runtime.consoleAPICalled":
            self.console.append(" ".join(str(a.get("value", a.get("description", ""))) for a in message["params"]["args"]))
        elif message["method"] == "Log.entryAdded":
            # The browser's own word on the page, such as an accessibility warning.
            entry = message["params"]["entry"]
            self.console.append(f"{entry.get('level', '')}: {entry.get('text', '')}")
        elif message["method"] == "Runtime.exceptionThrown":
            details = message["params"]["exceptionDetails"]
            self.console.append("exception: " + details.get("exception", {}).get("description", details.get("text", "")))
        self.events.put(message)

    def call(self, method, params=None, timeout=None):
        return self.browser.call(method, params, self.session, timeout)

    def go(self, url):
        self.call("Page.navigate", {"url": url})

    def evaluate(self, expression, timeout=None):
        """The value of a JavaScript expression (awaited if it is a promise)."""
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True}, timeout)
        if "exceptionDetails" in result:
            raise ProtocolError(f"{expression}: {result['exceptionDetails'].get('text')}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=10, interval=0.02):
        """Polls until the expression is truthy; returns its value, or None on time-out."""
        deadline = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value or time.monotonic() > deadline:
                return value
            time.sleep(interval)

    def resize(self, width, height, scale=1, mobile=False):
        """Gives the tab another viewport, as a window resized or a phone turned."""
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", {"format": "png"})["data"]
        with open(path, "wb") as file:
            file.write(base64.b64decode(data))

    def mouse(self, kind, x, y, button="left", clicks=1):
        self.call("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": button,
                                               "clickCount": clicks})

    def click(self, x, y):
        self.mouse("mouseMoved", x, y, button="none", clicks=0)
        self.mouse("mousePressed", x, y)
        self.mouse("mouseReleased", x, y)

    def tap(self, x, y):
        point = [{"x": x, "y": y, "id": 1, "radiusX": 4, "radiusY": 4, "force": 1}]
        self.call("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": point})
        self.call("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def key(self, key, code, key_code, text=None, modifiers=0):
        """Presses and releases one key (key "Tab", code "Tab", Windows key code 9),
        with modifiers held (1 Alt, 2 Ctrl, 4 Meta, 8 Shift)."""
        down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": key_code, "nativeVirtualKeyCode": key_code, "modifiers": modifiers}
        if text:
            down["text"] = down["unmodifiedText"] = text
        self.call("Input.dispatchKeyEvent", down)
        self.call("Input.dispatchKeyEvent", {"type": "keyUp", "key": key, "code": code, "modifiers": modifiers,
                                             "windowsVirtualKeyCode": key_code, "nativeVirtualKeyCode": key_code})

    def type(self, text):
        """Types plain characters, one key press each."""
        for character in text:
            code = f"Digit{character}" if character.isdigit() else f"Key{character.upper()}"
            self.key(character, code, ord(character.upper()), character)
