#!/usr/bin/env python3
"""The desktop program in a Wayland session, on Debian's weston.

Starts its own weston (headless backend) and the built Kvantor2 inside it,
with the session's environment as a Wayland desktop gives it, and no
QT_QPA_PLATFORM: the program chooses its window system itself.

  check_wayland.py xwayland  weston with XWayland: the program runs through
                             XWayland; its bar is mapped at its first-run
                             place, docked (upright) where its saved place
                             is near the right edge, and its first button opens
                             the converter (seen with xdotool and xwininfo on
                             XWayland's display). Runs under dbus-run-session:
                             the button is pressed through the accessibility
                             bus, as weston's headless output has no pointer.
  check_wayland.py native    weston without XWayland: the program runs on
                             Wayland itself; weston's screenshots before and
                             after the start differ by the bar's size.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import stop  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_bar_desktop as bar
from check_bar_desktop import PROGRAM, SKIPPED, geometry, mapped, poll, report, window_of_size

BAR = (316, 67)
BACKGROUND = (0x20, 0x30, 0x40)
CONVERTER = (515, 364)
SCREEN = (1024, 768)
WESTON_INI = """[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff203040
locking=false
"""


class Weston:
    """A private weston: its own runtime folder, socket and log."""

    def __init__(self, folder, xwayland):
        self.folder = folder
        self.runtime = os.path.join(folder, "run")
        os.makedirs(self.runtime, mode=0o700)
        self.log = os.path.join(folder, "weston.log")
        config = os.path.join(folder, "weston.ini")
        with open(config, "w") as out:
            out.write(WESTON_INI)
        self.socket = f"kv-wayland-{os.getpid()}"
        args = ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={self.socket}", f"--log={self.log}",
                f"--config={config}", f"--width={SCREEN[0]}", f"--height={SCREEN[1]}"]
        args.append("--xwayland" if xwayland else "--debug")
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        self.env.pop("DISPLAY", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.process = subprocess.Popen(args, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll("weston's socket", lambda: os.path.exists(os.path.join(self.runtime, self.socket)), timeout=10)

    def log_text(self):
        with open(self.log, errors="replace") as f:
            return f.read()

    def x_display(self):
        """XWayland's display, as weston's log names it."""
        for line in self.log_text().splitlines():
            if "xserver listening on display" in line:
                return line.rsplit(" ", 1)[-1].strip()
        return None

    def screenshot(self, name):
        """Weston's picture of its output (weston-screenshooter, with --debug)."""
        before = set(os.listdir(self.folder))
        subprocess.run(["weston-screenshooter"], cwd=self.folder, env=self.session_env(),
                       capture_output=True, timeout=10)
        made = [f for f in set(os.listdir(self.folder)) - before if f.endswith(".png")]
        if not made:
            raise AssertionError("weston-screenshooter made no picture")
        path = os.path.join(self.folder, name)
        shutil.move(os.path.join(self.folder, made[0]), path)
        return path

    def session_env(self):
        return dict(self.env, WAYLAND_DISPLAY=self.socket, XDG_SESSION_TYPE="wayland")

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def on_screen(window):
    """Where the window's client area lies on the screen (a window manager's
    frame around it makes xdotool's place relative to the frame)."""
    out = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True, text=True).stdout
    values = {}
    for line in out.splitlines():
        if "Absolute upper-left" in line:
            key, value = line.split(":")
            values[key.strip()[-1]] = int(value)
    return (values.get("X"), values.get("Y"))


def start_program(env, home):
    env = dict(env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
    env.pop("QT_QPA_PLATFORM", None)
    return subprocess.Popen([PROGRAM], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)


def open_converter_by_its_button():
    """The bar's first button pressed through the accessibility bus (weston's
    headless output has no seat: XWayland has no pointer to click with)."""
    import check_accessibility as a11y
    app = poll("the program on the accessibility bus", a11y.application)
    bar_node = poll("the bar on the accessibility bus", lambda: app.childCount > 0 and app.getChildAtIndex(0))
    buttons = [n for n in a11y.nodes(bar_node) if n.getRoleName() == "push button" and n.description == "Measure units"]
    if not buttons:
        raise AssertionError("no converter button on the bar")
    a11y.press(buttons[0])


def check_xwayland(weston, home, failures):
    display = poll("XWayland's display in weston's log", weston.x_display, timeout=10)
    os.environ["DISPLAY"] = display  # for xdotool and xwininfo
    env = dict(weston.session_env(), DISPLAY=display, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    screen_w = SCREEN[0]
    # (what, saved place, expected place and size). Weston's own X window
    # manager keeps a mapped window where it first put it and ignores later
    # moves: a docked bar shows its docked shape at its first place there.
    cases = [
        ("first run", {}, (173, 151, 316, 67)),
        ("saved 201 from the right edge: docked", {"X_SC": screen_w - 201, "Y_SC": 40}, (173, 151, 67, 316)),
    ]
    output = ""
    for what, saved, expected in cases:
        with tempfile.TemporaryDirectory() as case_home:
            if saved:
                bar.write_screen_settings(os.path.join(case_home, ".config"), saved)
            program = start_program(env, case_home)
            try:
                window = poll(f"{what}: the bar on XWayland", lambda: bar.bar_window())
                if not mapped(window):
                    failures.append(f"{what}: the bar is not mapped")
                place = lambda: on_screen(window) + geometry(window)[2:]
                try:
                    poll(f"{what}: the bar at {expected}", lambda: place() == expected, timeout=5)
                except AssertionError:
                    failures.append(f"{what}: the bar at {place()}, expected {expected}")
                if not saved:
                    open_converter_by_its_button()
                    converter = poll("the converter opened from the bar", lambda: window_of_size(program.pid, CONVERTER))
                    if not mapped(converter):
                        failures.append("the converter is not mapped")
            except AssertionError as e:
                failures.append(f"{what}: {e}")
            output += stop(program)
    return output


def shown_box(picture):
    """The box around everything on weston's screen that is not its plain background."""
    from PIL import Image, ImageChops
    shot = Image.open(picture).convert("RGB")
    ground = Image.new("RGB", shot.size, BACKGROUND)
    return ImageChops.difference(shot, ground).getbbox()


def check_native(weston, home, failures):
    env = weston.session_env()
    # The desktop first shows its plain background only.
    poll("weston's empty desktop", lambda: shown_box(weston.screenshot("before.png")) is None, timeout=10)
    program = start_program(env, home)
    try:
        def bar_shown():
            if program.poll() is not None:
                raise AssertionError("the program ended")
            box = shown_box(weston.screenshot("after.png"))
            return box if box and (box[2] - box[0], box[3] - box[1]) == BAR else None
        poll("the bar on weston's screen", bar_shown, timeout=15)
    except AssertionError as e:
        failures.append(str(e))
    output = stop(program)
    if "xcb" in output:
        failures.append("the program tried X11 in a session without it")
    return output


def main():
    mode = sys.argv[1] if len(sys.argv) > 1 else ""
    if mode not in ("xwayland", "native"):
        print("usage: check_wayland.py xwayland|native", file=sys.stderr)
        return 2
    if not shutil.which("weston") or (mode == "xwayland" and not shutil.which("Xwayland")):
        print("SKIP: weston (and xwayland) are not installed", file=sys.stderr)
        return SKIPPED
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        home = os.path.join(folder, "home")
        os.makedirs(home)
        try:
            weston = Weston(folder, mode == "xwayland")
        except AssertionError as e:
            print(f"SKIP: {e}", file=sys.stderr)
            return SKIPPED
        try:
            check = check_xwayland if mode == "xwayland" else check_native
            output = check(weston, home, failures)
        finally:
            weston.stop()
        if failures:
            output += "\n--- weston's log ---\n" + weston.log_text()
    return report(f"the program on weston ({mode})", failures, output)


if __name__ == "__main__":
    sys.exit(main())
