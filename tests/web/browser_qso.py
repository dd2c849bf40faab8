#!/usr/bin/env python3
"""A QSO from the browser: log in, take control, call, read what comes back,
type and send, Stop, log out. Received markup must stay text.

  browser_qso.py --url https://HOST:PORT/ --password PW [--call EB2XYZ]
  browser_qso.py --server path/to/web-fake-server    (starts it and uses it)
  browser_qso.py --terminal path/to/keldo-terminal --modem path/to/keldo-modem-sim
      the real station: the console on a fresh settings file, with the
      practice modem; then the watchdog: the browser in control stopped
      (SIGSTOP), cut off silently, or killed while text waits (ABORT once the
      control link's time-out has passed), or its page left (ABORT at once)
      [--screenshot PNG]

KELDO_WEB_URL and KELDO_WEB_PASSWORD may stand for --url and --password.
Without Chromium, chromedriver or Selenium it skips (exit 77), unless CI=true:
then it fails.
"""
import argparse
import os
import re
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77


def missing(why):
    if os.environ.get("CI") == "true":
        print(f"browser_qso: {why} (required under CI=true)", file=sys.stderr)
        sys.exit(1)
    print(f"browser_qso: skipped: {why}")
    sys.exit(SKIP)


try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    # Debian's Selenium belongs to the system's Python.
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    missing("python3-selenium is not installed")


def find_program(*names):
    for name in names:
        for folder in os.environ.get("PATH", "").split(os.pathsep) + ["/usr/bin", "/usr/lib/chromium"]:
            path = os.path.join(folder, name)
            if os.access(path, os.X_OK):
                return path
    return None


def start_server(executable, password):
    server = subprocess.Popen([executable], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    server.stdin.write(password + "\n")
    server.stdin.flush()
    line = server.stdout.readline().split()
    if len(line) != 2 or line[0] != "url":
        server.kill()
        sys.exit(f"browser_qso: the server did not start ({line})")
    return server, line[1]


def free_port(pair=False):
    """A free TCP port on 127.0.0.1 (with the next one free too, for a modem's data port)."""
    while True:
        with socket.socket() as a:
            a.bind(("127.0.0.1", 0))
            port = a.getsockname()[1]
            if not pair:
                return port
            if port >= 65535:
                continue
            try:
                with socket.socket() as b:
                    b.bind(("127.0.0.1", port + 1))
                    return port
            except OSError:
                continue


class Lines:
    """What a child process prints, line by line, each with when it came."""

    def __init__(self, stream, echo=None):
        self.lines = []  # (monotonic time, line)
        self.cond = threading.Condition()
        self.echo = echo
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for line in stream:
            with self.cond:
                self.lines.append((time.monotonic(), line.rstrip("\n")))
                self.cond.notify_all()
            if self.echo:
                print(self.echo + line.rstrip("\n"), file=sys.stderr)

    def wait(self, match, timeout=20, since=0):
        """The first line from index `since` on for which match(line) holds: (index, time, line)."""
        deadline = time.monotonic() + timeout
        with self.cond:
            while True:
                for i in range(since, len(self.lines)):
                    if match(self.lines[i][1]):
                        return i, self.lines[i][0], self.lines[i][1]
                left = deadline - time.monotonic()
                if left <= 0:
                    raise AssertionError("waited in vain; last lines:\n" + "\n".join(l for _, l in self.lines[-15:]))
                self.cond.wait(left)

    def count(self):
        with self.cond:
            return len(self.lines)

    def text(self):
        with self.cond:
            return "\n".join(l for _, l in self.lines)


class RealStation:
    """keldo-terminal --console on a fresh settings file with the web front end
    on, and the practice modem (driven by its control lines) as its modem."""

    CALL = "N0CALL-1"

    def __init__(self, terminal, modem, password, link_timeout=5, verbose=False):
        self.dir = tempfile.TemporaryDirectory(prefix="keldo-web-")
        self.password = password
        self.link_timeout = link_timeout
        command_port = free_port(pair=True)
        self.modem = subprocess.Popen(
            [modem, "--port", str(command_port), "--reply", "none", "--connect-delay-ms", "300",
             "--abort-delay-ms", "100", "--ptt-delay-ms", "50", "--report-ms", "200"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        self.modem_out = Lines(self.modem.stdout, "modem| " if verbose else None)
        self.modem_out.wait(lambda l: l.startswith("# listening"))
        ini = os.path.join(self.dir.name, "station.ini")
        with open(ini, "w", newline="") as f:
            f.write(f"[Setup]\r\nHF Host=127.0.0.1\r\nHF TCP Port={command_port}\r\nKELDO Mode=KELDOHF\r\n"
                    f"AutoLaunch=0\r\nMy Callsign={self.CALL}\r\n[Remote]\r\nEnabled=1\r\n"
                    f"Port={free_port()}\r\nControl Link Timeout={link_timeout}\r\n")
        subprocess.run([terminal, "--set-remote-password", "--settings", ini], input=password + "\n",
                       text=True, check=True, capture_output=True)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        self.console = subprocess.Popen([terminal, "--console", "--settings", ini], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                                        bufsize=1, env=env, cwd=self.dir.name)
        self.console_out = Lines(self.console.stdout, "console| " if verbose else None)
        _, _, line = self.console_out.wait(lambda l: "Remote access: Serving on https://" in l, timeout=30)
        self.url = re.search(r"(https://\S+/)", line).group(1)
        self.modem_out.wait(lambda l: l.startswith("<- MYCALL"), timeout=30)

    def tell_modem(self, line):
        self.modem.stdin.write(line + "\n")
        self.modem.stdin.flush()

    def sent_on_air(self, since=0):
        """The bytes the terminal wrote on the data channel, as the modem shows them."""
        with self.modem_out.cond:
            lines = [l for _, l in self.modem_out.lines[since:] if l.startswith("<= ")]
        return "".join(l.split(": ", 1)[1] for l in lines)

    def close(self):
        for child, quit_line in ((self.console, "/quit"), (self.modem, "quit")):
            try:
                child.stdin.write(quit_line + "\n")
                child.stdin.flush()
                child.wait(timeout=10)
            except (OSError, subprocess.TimeoutExpired):
                child.kill()
                child.wait()
        self.dir.cleanup()


def start_browser(chromium, driver_path, size="1200,900"):
    """Headless Chromium under a chromedriver of its own process group, so that
    the whole browser can be stopped or killed as one."""
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--ignore-certificate-errors",
                 f"--window-size={size}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    service = Service(driver_path, popen_kw={"start_new_session": True})
    browser = webdriver.Chrome(service=service, options=options)
    browser.group = os.getpgid(service.process.pid)
    return browser


def log_in(d, url, password, wrong_first=False):
    wait = WebDriverWait(d, 20)
    el = lambda id: d.find_element(By.ID, id)
    d.get(url)
    if wrong_first:
        el("password").send_keys("not the password" + Keys.ENTER)
        wait.until(lambda _: el("login-error").text != "")
    el("password").send_keys(password + Keys.ENTER)
    wait.until(lambda _: d.current_url.endswith("/station") and el("controller").text != "")


def take_control(d):
    el = lambda id: d.find_element(By.ID, id)
    el("take-control").click()
    WebDriverWait(d, 20).until(
        lambda _: "watching" not in el("controller").find_element(By.XPATH, "/html/body").get_attribute("class"))
    assert not el("take-control").is_displayed()


def markup_stays_text(d):
    text = d.find_element(By.ID, "rx").text
    assert '<img src=x onerror="window.__pwned=1">' in text and "<b>bold</b>" in text, text
    assert not d.find_elements(By.CSS_SELECTOR, "#rx img, #rx b, #rx script"), "markup from the air became elements"
    assert d.execute_script("return window.__pwned === undefined"), "a script from the air ran"


def phone_screenshot(d, path):
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
    WebDriverWait(d, 10).until(lambda _: d.execute_script(
        "return new Promise(done => requestAnimationFrame(() => done(innerWidth)))") == 390)
    d.save_screenshot(path)
    d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def run_station(d, station, args):
    """A QSO through the real station: what the page shows, and what went on the air."""
    wait = WebDriverWait(d, 20)
    el = lambda id: d.find_element(By.ID, id)
    rx_text = lambda: el("rx").text
    modem = station.modem_out
    log_in(d, station.url, station.password, wrong_first=True)
    take_control(d)

    mark = modem.count()
    el("call").send_keys(args.call)
    el("connect").click()
    modem.wait(lambda l: l == f"<- CONNECT {station.CALL} {args.call}", since=mark)
    modem.wait(lambda l: l.startswith("-> CONNECTED"), since=mark)
    wait.until(lambda _: "<->" in el("connection").text and args.call in el("connection").text)

    station.tell_modem(f'say {args.call} de {station.CALL}: <img src=x onerror="window.__pwned=1"> and <b>bold</b>')
    wait.until(lambda _: "<b>bold</b>" in rx_text())
    markup_stays_text(d)
    assert el("bytes-rcvd").text != "0"
    if args.screenshot:
        phone_screenshot(d, args.screenshot)

    mark = modem.count()
    el("tx").send_keys("hello from the browser" + Keys.ENTER)
    modem.wait(lambda l: l == "-> PTT OFF", since=mark)
    assert station.sent_on_air(mark) == "hello from the browser\\r", station.sent_on_air(mark)
    wait.until(lambda _: "hello from the browser" in rx_text() and el("bytes-sent").text != "0")
    assert el("tx").get_attribute("value") == ""

    mark = modem.count()
    el("stop").click()
    modem.wait(lambda l: l == "<- ABORT", since=mark)
    modem.wait(lambda l: l == "-> DISCONNECTED", since=mark)
    wait.until(lambda _: args.call not in el("connection").text)
    if el("qso").is_displayed():
        el("qso-log").click()
        wait.until(lambda _: not el("qso").is_displayed())
    assert rx_text().count("hello from the browser") == 1, rx_text()
    policy = [e["message"] for e in d.get_log("browser") if "Content Security Policy" in e["message"]]
    assert not policy, policy


def watchdog(d, station, args, how, proxy=None):
    """Text waiting on the air, and the browser in control goes: ABORT only once
    the control link has been silent for its time-out, and the text is kept."""
    wait = WebDriverWait(d, 20)
    el = lambda id: d.find_element(By.ID, id)
    modem = station.modem_out
    mark = modem.count()
    el("call").clear()
    el("call").send_keys(args.call)
    el("connect").click()
    modem.wait(lambda l: l.startswith("-> CONNECTED"), since=mark)
    wait.until(lambda _: "<->" in el("connection").text)
    # Step mode: the modem holds the block at its first BUFFER report.
    station.tell_modem("manual")
    text = f"unsent words for the {how} watchdog " * 3
    el("tx").send_keys(text.strip() + Keys.ENTER)
    modem.wait(lambda l: l.startswith("<= "), since=mark)
    station.tell_modem("step 2")
    modem.wait(lambda l: re.fullmatch(r"-> BUFFER [1-9]\d*", l), since=mark)
    console_mark = station.console_out.count()

    mark = modem.count()
    if how == "stopped":
        os.killpg(d.group, signal.SIGSTOP)
    elif how == "silent":
        proxy.silence()
    elif how == "left":
        d.get("about:blank")  # the page says it is going away
    else:
        os.killpg(d.group, signal.SIGKILL)
    gone = time.monotonic()
    _, aborted, _ = modem.wait(lambda l: l == "<- ABORT", since=mark, timeout=station.link_timeout * 3 + 10)
    waited = aborted - gone
    print(f"browser_qso: {how}: ABORT {waited:.2f} s after the browser went (time-out {station.link_timeout} s)")
    if how == "left":
        assert waited < station.link_timeout - 1, f"ABORT only {waited:.2f} s after the page left"
    else:
        # The page answered the last ping before it went; the server pings every
        # few seconds, so the silence it measures is at least the time since then.
        assert waited >= station.link_timeout - 0.5, f"ABORT after {waited:.2f} s, before the time-out"
    station.tell_modem("run")
    modem.wait(lambda l: l == "-> DISCONNECTED", since=mark)
    station.tell_modem("auto")
    _, _, line = station.console_out.wait(lambda l: "Not sent:" in l, since=console_mark)
    assert "watchdog" in line and len(line.split("Not sent:", 1)[1].strip()) > 10, line
    station.console_out.wait(lambda l: "lost: stopped, the unsent text kept" in l, since=console_mark)
    with modem.cond:
        aborts = [l for _, l in modem.lines[mark:] if l == "<- ABORT"]
    assert len(aborts) == 1, aborts


class Proxy:
    """Passes TCP both ways between the browser and the server until told to
    go silent: then nothing more passes and nothing is closed, as a network gone."""

    def __init__(self, target_port):
        self.target = target_port
        self.quiet = threading.Event()
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(16)
        self.port = self.listener.getsockname()[1]
        self.held = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            try:
                outside, _ = self.listener.accept()
            except OSError:
                return
            inside = socket.create_connection(("127.0.0.1", self.target))
            self.held += [outside, inside]
            for a, b in ((outside, inside), (inside, outside)):
                threading.Thread(target=self._pass, args=(a, b), daemon=True).start()

    def _pass(self, a, b):
        while True:
            try:
                data = a.recv(65536)
            except OSError:
                return
            if self.quiet.is_set():
                return  # held open, never answered
            if not data:
                try:
                    b.shutdown(socket.SHUT_WR)
                except OSError:
                    pass
                return
            try:
                b.sendall(data)
            except OSError:
                return

    def silence(self):
        self.quiet.set()

    def close(self):
        self.listener.close()
        for s in self.held:
            s.close()


def station_main(args, chromium, driver_path):
    args.password = args.password or "practice password"
    station = RealStation(args.terminal, args.modem, args.password, verbose=args.verbose)
    browsers = []
    proxy = None
    try:
        d = start_browser(chromium, driver_path)
        browsers.append(d)
        run_station(d, station, args)
        watchdog(d, station, args, "stopped")
        # Through a proxy that goes silent.
        proxy = Proxy(int(station.url.rsplit(":", 1)[1].strip("/")))
        d = start_browser(chromium, driver_path)
        browsers.append(d)
        log_in(d, f"https://127.0.0.1:{proxy.port}/", station.password)
        take_control(d)
        watchdog(d, station, args, "silent", proxy)
        d = start_browser(chromium, driver_path)
        browsers.append(d)
        log_in(d, station.url, station.password)
        take_control(d)
        watchdog(d, station, args, "killed")
        del browsers[-1]
        d = start_browser(chromium, driver_path)
        browsers.append(d)
        log_in(d, station.url, station.password)
        take_control(d)
        watchdog(d, station, args, "left")
    finally:
        for b in browsers:
            try:
                os.killpg(b.group, signal.SIGKILL)
            except OSError:
                pass
        if proxy:
            proxy.close()
        station.close()
    print("browser_qso: passed")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--url", default=os.environ.get("KELDO_WEB_URL"))
    parser.add_argument("--password", default=os.environ.get("KELDO_WEB_PASSWORD"))
    parser.add_argument("--server")
    parser.add_argument("--call", default="EB2XYZ")
    parser.add_argument("--terminal")
    parser.add_argument("--modem")
    parser.add_argument("--screenshot")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()

    chromium = find_program("chromium", "chromium-browser", "google-chrome")
    driver_path = find_program("chromedriver")
    if not chromium or not driver_path:
        missing("chromium or chromedriver is not installed")
    if args.terminal:
        station_main(args, chromium, driver_path)
        return

    server = None
    if args.server:
        args.password = args.password or "practice password"
        server, args.url = start_server(args.server, args.password)
    if not args.url or not args.password:
        sys.exit("browser_qso: give --url and --password (or --server)")

    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--ignore-certificate-errors",
                 "--window-size=1200,900"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    browser = webdriver.Chrome(service=Service(driver_path), options=options)
    try:
        run(browser, args, server)
    finally:
        browser.quit()
        if server:
            server.kill()
            server.wait()
    print("browser_qso: passed")


def run(d, args, server=None):
    wait = WebDriverWait(d, 20)
    el = lambda id: d.find_element(By.ID, id)
    rx_text = lambda: el("rx").text

    d.get(args.url)
    el("password").send_keys("not the password" + Keys.ENTER)
    wait.until(lambda _: el("login-error").text != "")
    el("password").send_keys(args.password + Keys.ENTER)
    wait.until(lambda _: d.current_url.endswith("/station") and el("controller").text != "")

    # Watching first: commands are refused until control is taken.
    el("take-control").click()
    wait.until(lambda _: "watching" not in el("controller").find_element(By.XPATH, "/html/body").get_attribute("class"))
    assert not el("take-control").is_displayed()

    el("call").send_keys(args.call)
    el("connect").click()
    wait.until(lambda _: "CONNECTED" in rx_text() and "<b>bold</b>" in rx_text())
    text = rx_text()
    assert '<img src=x onerror="window.__pwned=1">' in text, text
    assert not d.find_elements(By.CSS_SELECTOR, "#rx img, #rx b, #rx script"), "markup from the air became elements"
    assert d.execute_script("return window.__pwned === undefined"), "a script from the air ran"
    assert args.call in el("connection").text

    el("tx").send_keys("hello from the browser" + Keys.ENTER)
    wait.until(lambda _: "hello from the browser" in rx_text())
    assert el("tx").get_attribute("value") == ""
    assert el("bytes-sent").text != "0"

    el("stop").click()
    wait.until(lambda _: "DISCONNECTED" in rx_text() and el("connection").text == "Disconnected")
    assert rx_text().count("CONNECTED with") == 1, rx_text()  # nothing shown twice
    if server:
        wait.until(lambda _: el("qso").is_displayed() and args.call in el("qso-text").text)
        el("qso-log").click()
        wait.until(lambda _: not el("qso").is_displayed())

    if server:
        # The network goes away and comes back: what was said meanwhile
        # appears once, and nothing shown before is repeated.
        server.stdin.write("cut\nsay said while away\n")
        server.stdin.flush()
        WebDriverWait(d, 10, poll_frequency=0.05).until(lambda _: el("offline").is_displayed())
        wait.until(lambda _: "said while away" in rx_text())
        text = rx_text()
        for line in ("said while away", "CONNECTED with", "hello from the browser", "Welcome"):
            assert text.count(line) == 1, text

    # A phone: one column.
    d.set_window_size(400, 900)
    assert d.execute_script(
        "return document.getElementById('controls').getBoundingClientRect().top >="
        " document.getElementById('rx').getBoundingClientRect().bottom")

    policy = [e["message"] for e in d.get_log("browser") if "Content Security Policy" in e["message"]]
    assert not policy, policy

    el("log-out").click()
    wait.until(lambda _: d.find_elements(By.ID, "password"))


if __name__ == "__main__":
    main()
