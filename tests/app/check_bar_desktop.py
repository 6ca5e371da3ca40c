#!/usr/bin/env python3
"""The launcher bar end to end on a private X server with a tray (trayer).

Runs under tests/support/with-xvfb.sh --tray. Starts the built Kvantor2 with a
fresh home and settings folder, then drives it with xdotool as a user would:
the first run puts the bar at 173, 151; a second start ends at once and leaves
one bar; dragging it close to the right edge docks it there, vertical, and
saves the place; "Hide" from the menu sends it to the tray; a double click on
the tray icon, or another start, brings it back.

With the argument "start-place" (under with-xvfb.sh --screen 1024x768) it
starts the program on saved places off the screen instead: the bar must start
wholly on the screen, docked where the place is near the right edge.
"""
import configparser
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import stop  # noqa: E402

BIN_DIR = os.environ.get("KV_BIN_DIR", "")
PROGRAM = os.path.join(BIN_DIR, "Kvantor2")
TITLE = "Veltrano Prof."
TIMEOUT = 15.0
SKIPPED = 77  # the test's SKIP_RETURN_CODE


def xdotool(*args, check=True):
    done = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=10)
    if check and done.returncode != 0:
        raise RuntimeError(f"xdotool {' '.join(map(str, args))} failed: {done.stderr.strip()}")
    return done.stdout.strip() if done.returncode == 0 else ""


def poll(what, probe, timeout=TIMEOUT):
    """probe() until it gives something true; fails naming what was awaited."""
    end = time.monotonic() + timeout
    last = None
    while time.monotonic() < end:
        last = probe()
        if last:
            return last
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what} (last seen: {last!r})")


def geometry(window):
    """(x, y, width, height) of a window, or None when it is gone."""
    out = xdotool("getwindowgeometry", "--shell", window, check=False)
    if not out:
        return None
    values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def mapped(window):
    out = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True, text=True).stdout
    return "IsViewable" in out


def bar_windows(scale=1):
    """The bars: the viewable windows with the program's title and the bar's size."""
    found = []
    for window in xdotool("search", "--onlyvisible", "--name", "^Veltrano Prof\\.$", check=False).split():
        g = geometry(window)
        if g and sorted(g[2:]) == [67 * scale, 316 * scale]:
            found.append(window)
    return found


def bar_window(scale=1):
    found = bar_windows(scale)
    return found[0] if found else None


def screen_size():
    out = xdotool("getdisplaygeometry")
    w, h = out.split()
    return int(w), int(h)


def settings(config_home):
    path = os.path.join(config_home, "Tessmark Ltd.", "Veltrano.conf")
    parser = configparser.ConfigParser()
    parser.optionxform = str
    if os.path.exists(path):
        parser.read(path)
    return parser


def tray_icon(program_pid, bar):
    """The program's icon window docked in trayer: a small viewable window of ours."""
    for window in xdotool("search", "--onlyvisible", "--pid", program_pid, check=False).split():
        if window == bar:
            continue
        g = geometry(window)
        if g and 8 <= g[2] <= 64 and 8 <= g[3] <= 64:
            return window, g
    return None


def open_menu(program_pid, bar, x, y):
    """Right click at (x, y) and wait for the popup menu of thirty entries to show."""
    def menu():
        for window in xdotool("search", "--onlyvisible", "--pid", program_pid, check=False).split():
            g = geometry(window)
            if window != bar and g and g[3] > 200:
                return window
        return None
    xdotool("mousemove", x, y)
    xdotool("click", 3)
    try:
        return poll("the popup menu", menu)
    except AssertionError:
        seen = [(w, geometry(w)) for w in xdotool("search", "--onlyvisible", "--pid", program_pid, check=False).split()]
        raise AssertionError(f"no popup menu after a right click at {x}, {y}; windows {seen}")


def display_answers():
    return subprocess.run(["xdpyinfo"], capture_output=True).returncode == 0


class Unavailable(Exception):
    """The private X server or its tray did not come up: nothing to test on."""


def ensure_desktop():
    """Waits for the X server and the tray. The tray panel is started here when
    it is missing (it can lose the race for a display that was just freed)."""
    try:
        poll("the X server to answer", display_answers, timeout=10)
    except AssertionError as e:
        raise Unavailable(str(e))
    trayer = lambda: xdotool("search", "--class", "trayer", check=False)
    try:
        poll("the tray panel", trayer, timeout=3)
        return None
    except AssertionError:
        pass
    panel = subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel",
                              "--width", "200", "--height", "24"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        poll("the tray panel", trayer, timeout=10)
    except AssertionError as e:
        panel.kill()
        raise Unavailable(str(e))
    return panel


def start(env):
    """Starts the program once the X server answers. On a loaded machine a first
    connection can still be refused; the program is then started once more."""
    for attempt in range(2):
        poll("the X server to answer", display_answers)
        program = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        program.env = env
        try:
            program.wait(1.0)
        except subprocess.TimeoutExpired:
            return program  # running
        output = program.stdout.read().decode(errors="replace")
        if attempt == 0 and 'platform plugin "xcb"' in output:
            continue
        print(output, file=sys.stderr)
        return program
    return program


def main():
    if not os.environ.get("DISPLAY"):
        print("needs a private X server: run under tests/support/with-xvfb.sh --tray", file=sys.stderr)
        return 1
    failures = []
    if sys.argv[1:] == ["start-place"]:
        try:
            poll("the X server to answer", display_answers, timeout=10)
        except AssertionError as e:
            print(f"SKIP: {e}", file=sys.stderr)
            return SKIPPED
        return run_start_places(failures)
    try:
        panel = ensure_desktop()
    except Unavailable as e:
        print(f"SKIP: {e}", file=sys.stderr)
        return SKIPPED
    try:
        return run_program(failures)
    finally:
        if panel:
            panel.kill()
            panel.wait()


def run_and_stop(env, checks, failures):
    """Starts the program, runs checks(program), stops the program if it still
    runs, and returns what it printed. A failed wait becomes a failure."""
    program = start(env)
    try:
        checks(program)
    except AssertionError as e:
        failures.append(str(e))
    finally:
        output = stop(program)
    return output


def run_program(failures):
    with tempfile.TemporaryDirectory() as home:
        config_home = os.path.join(home, ".config")
        os.makedirs(config_home)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config_home, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=home)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        output = run_and_stop(env, lambda program: run_checks(program, config_home, failures), failures)
    return report("bar end to end", failures, output)


def write_screen_settings(config_home, values):
    path = os.path.join(config_home, "Tessmark Ltd.", "Veltrano.conf")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as out:
        out.write("[Screen]\n" + "".join(f"{k}={v}\n" for k, v in values.items()))


def run_start_places(failures):
    """Saved places that lie off the screen: each start shows the whole bar."""
    screen_w, screen_h = screen_size()
    # (what, settings, scale factor, expected place in screen pixels)
    cases = [
        ("far below", {"Y_SC": 99999}, 1, (173, screen_h - 67, 316, 67)),
        ("bottom right corner docks", {"X_SC": 1000, "Y_SC": 990}, 1, (screen_w - 67, screen_h - 316, 67, 316)),
        ("201 from the right edge docks", {"X_SC": screen_w - 201, "Y_SC": 40}, 1, (screen_w - 67, 40, 67, 316)),
        ("202 from the right edge stays horizontal, on the screen", {"X_SC": screen_w - 202, "Y_SC": 40}, 1,
         (screen_w - 316, 40, 316, 67)),
        ("docked at a scale factor of 2", {"X_SC": screen_w // 2 - 67, "Y_SC": 300}, 2,
         (screen_w - 134, screen_h - 632, 134, 632)),
    ]
    output = ""
    for what, values, scale, expected in cases:
        with tempfile.TemporaryDirectory() as home:
            config_home = os.path.join(home, ".config")
            write_screen_settings(config_home, values)
            env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config_home, QT_QPA_PLATFORM="xcb",
                       XDG_RUNTIME_DIR=home, QT_SCALE_FACTOR=str(scale))
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)

            def checks(program):
                bar = poll(f"{what}: the bar to be mapped", lambda: bar_window(scale))
                try:
                    poll(f"{what}: the bar at {expected}", lambda: geometry(bar) == expected, timeout=5)
                except AssertionError:
                    failures.append(f"{what}: bar at {geometry(bar)}, expected {expected}")
            output += run_and_stop(env, checks, failures)
    return report("bar start places", failures, output)


def report(title, failures, output):
    """Prints the failures (with what the program printed, when there are any)
    and the verdict; returns the exit status."""
    if failures:
        print(output, file=sys.stderr)
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    print(f"{title}:", "FAILED" if failures else "passed")
    return 1 if failures else 0


def windows_of_size(program_pid, size):
    """The viewable windows of the program with the given client size."""
    found = []
    for window in xdotool("search", "--onlyvisible", "--pid", program_pid, check=False).split():
        g = geometry(window)
        if g and g[2:] == size:
            found.append(window)
    return found


def window_of_size(program_pid, size):
    """A viewable window of the program with the given client size, or None."""
    found = windows_of_size(program_pid, size)
    return found[0] if found else None


def close_window(window, what):
    """Escape closes a dialog; fails when it stays on the screen."""
    # No window manager here: give the dialog the focus directly.
    xdotool("windowfocus", window, check=False)
    xdotool("key", "Escape")
    poll(f"the {what} window to close", lambda: not mapped(window), timeout=5)


def check_tool_window(failures, program, what, size, open_it):
    """open_it() must show the tool window of `size`; Escape closes it again."""
    open_it()
    try:
        window = poll(f"the {what} window", lambda: window_of_size(program.pid, size))
        close_window(window, what)
    except AssertionError as e:
        failures.append(str(e))


def start_again(failures, env):
    """Another start of the program while it runs: it must end at once, with 0."""
    second = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        status = second.wait(10)
    except subprocess.TimeoutExpired:
        second.kill()
        second.wait()
        failures.append("a second start still runs after 10 s")
        return
    output = second.stdout.read().decode(errors="replace")
    check(failures, status == 0, f"a second start ended with {status}: {output}")


def check(failures, condition, message):
    if not condition:
        failures.append(message)
    return condition


def run_checks(program, config_home, failures):
    screen_w, _ = screen_size()

    # First run: no settings at all, the bar at its design place, horizontal.
    bar = poll("the bar to be mapped", bar_window)
    try:
        poll("the bar at its first place", lambda: geometry(bar) == (173, 151, 316, 67), timeout=5)
    except AssertionError:
        failures.append(f"first run: bar at {geometry(bar)}, expected (173, 151, 316, 67)")
    check(failures, not settings(config_home).has_section("Screen"), "first run wrote settings")

    # A second start hands over to the running bar and ends; a command is no
    # start of the bar and answers as ever.
    start_again(failures, program.env)
    check(failures, len(bar_windows()) == 1, f"bars after a second start: {bar_windows()}")
    answer = subprocess.run([PROGRAM, "convert", "1", "metre", "foot"], capture_output=True, text=True,
                            env=dict(program.env, LC_ALL="C.UTF-8"), timeout=30)
    check(failures, answer.returncode == 0 and answer.stdout.strip() == "3.28083989501312",
          f"convert while the bar runs: exit {answer.returncode}, out {answer.stdout!r}, err {answer.stderr!r}")

    # Drag by the logo to within 201 pixels of the right edge.
    grab = (173 + 15, 151 + 15)
    xdotool("mousemove", *grab)
    xdotool("mousedown", 1)
    target_left, target_top = screen_w - 150, 85
    for step in range(1, 11):
        x = grab[0] + (target_left + 15 - grab[0]) * step // 10
        y = grab[1] + (target_top + 15 - grab[1]) * step // 10
        xdotool("mousemove", x, y)
        # The bar follows the pointer, and stays horizontal while it moves.
        poll(f"the bar to follow the pointer to {x}, {y}",
             lambda: geometry(bar) == (x - 15, y - 15, 316, 67), timeout=5)
    xdotool("mouseup", 1)
    docked = (screen_w - 67, target_top, 67, 316)
    poll("the bar docked at the right edge", lambda: geometry(bar) == docked, timeout=5)
    def saved_place():
        s = settings(config_home)
        if s.has_section("Screen") and "X_SC" in s["Screen"] and "Y_SC" in s["Screen"]:
            return dict(s["Screen"])
        return None
    screen = poll("X_SC and Y_SC written", saved_place)
    check(failures, screen.get("X_SC") == str(screen_w - 67), f"X_SC is {screen.get('X_SC')}")
    check(failures, screen.get("Y_SC") == str(target_top), f"Y_SC is {screen.get('Y_SC')}")

    # The icon has docked in the tray: only then does hiding take the bar off the screen.
    try:
        poll("the tray icon", lambda: tray_icon(program.pid, bar))
    except AssertionError:
        trayer = xdotool("search", "--class", "trayer", check=False)
        ours = [(w, geometry(w), mapped(w)) for w in xdotool("search", "--pid", program.pid, check=False).split()]
        raise AssertionError(f"no tray icon; trayer windows {trayer.split()}, program windows {ours}")

    # Hide from the menu: right click on the logo, the first entry.
    gx, gy = docked[0] + 15, docked[1] + 15
    open_menu(program.pid, bar, gx, gy)
    xdotool("key", "Down")
    xdotool("key", "Return")
    poll("the bar hidden in the tray", lambda: not mapped(bar))

    # Restore: double click on the tray icon.
    icon = poll("the tray icon", lambda: tray_icon(program.pid, bar))
    window, (ix, iy, iw, ih) = icon
    xdotool("mousemove", ix + iw // 2, iy + ih // 2)
    xdotool("click", "--repeat", 2, "--delay", 80, 1)
    try:
        poll("the bar restored by a double click on the tray icon", lambda: mapped(bar), timeout=5)
    except AssertionError as e:
        failures.append(str(e))
        return
    g = geometry(bar)
    check(failures, g == docked, f"restored bar at {g}, expected {docked}")
    check(failures, program.poll() is None, "the program ended")

    # Hidden in the tray again, the bar comes back when the program is started once more.
    open_menu(program.pid, bar, docked[0] + 15, docked[1] + 15)
    xdotool("key", "Down")
    xdotool("key", "Return")
    poll("the bar hidden in the tray", lambda: not mapped(bar))
    start_again(failures, program.env)
    try:
        poll("the bar restored by a second start", lambda: mapped(bar), timeout=5)
    except AssertionError as e:
        failures.append(str(e))
        return
    check(failures, geometry(bar) == docked, f"bar restored by a second start at {geometry(bar)}")
    check(failures, len(bar_windows()) == 1, f"bars after a second start from the tray: {bar_windows()}")

    # The converter and the graph window from their buttons (the docked bar has
    # its buttons transposed: the first button stands at 4, 35), the finder and the physical constants
    # from the menu (keyboard from the menu's end: Find measure is the fourth
    # entry from the bottom, Miscellaneous the sixth, constants its last entry).
    def click_converter():
        xdotool("mousemove", docked[0] + 4 + 13, docked[1] + 35 + 13)
        xdotool("click", 1)

    def menu_keys(*keys):
        def run():
            open_menu(program.pid, bar, gx, gy)
            for key in keys:
                xdotool("key", key)
        return run

    check_tool_window(failures, program, "converter", (515, 364), click_converter)
    def click_graph():  # designed at 63, 32
        xdotool("mousemove", docked[0] + 32 + 13, docked[1] + 63 + 13)
        xdotool("click", 1)

    check_tool_window(failures, program, "graph and calculator", (544, 503), click_graph)
    check_tool_window(failures, program, "finder", (222, 348), menu_keys("Up", "Up", "Up", "Up", "Return"))
    check_tool_window(failures, program, "physical constants", (532, 371),
                      menu_keys(*(["Up"] * 6), "Right", "Up", "Return"))

    # Exit, the menu's last entry, ends the program cleanly.
    open_menu(program.pid, bar, gx, gy)
    xdotool("key", "Up")
    xdotool("key", "Return")
    status = poll("the program to end after Exit", lambda: program.poll() is not None and [program.returncode])
    check(failures, status == [0], f"the program ended with status {status}")


if __name__ == "__main__":
    sys.exit(main())
