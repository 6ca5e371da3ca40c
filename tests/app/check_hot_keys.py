#!/usr/bin/env python3
"""The global hot keys end to end on a private X server.

Runs under tests/support/with-xvfb.sh. Starts the built Kvantor2 with settings
that give the converter Alt+F11 (slot 3) and the finder Alt+F12 (slot 2) and
presses the keys with xdotool: Alt+F11 opens the converter, a second Alt+F11
while it is open does nothing, Alt+F12 opens the finder over it. Then the
configuration window gives the converter Alt+F10 from the keyboard, and the
new key works at once while the old one no longer does.
"""
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_bar_desktop import (SKIPPED, bar_window, close_window, display_answers, geometry, mapped,
                               open_menu, poll, report, run_and_stop, settings, window_of_size, windows_of_size,
                               xdotool)

CONVERTER = (515, 364)
FINDER = (222, 348)
CONFIGURATION = (389, 211)


def stays_closed(pid, size, seconds=1.5):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if windows_of_size(pid, size):
            return False
        time.sleep(0.05)
    return True


def run_checks(program, config_home, failures):
    bar = poll("the bar to be mapped", bar_window)

    # Alt+F11: the converter, from a start with the keys stored.
    xdotool("key", "alt+F11")
    converter = poll("the converter opened by Alt+F11", lambda: window_of_size(program.pid, CONVERTER))

    # Alt+F11 again while it is open: no second converter, the open one stays.
    xdotool("key", "alt+F11")
    time.sleep(1.0)
    shown = windows_of_size(program.pid, CONVERTER)
    if shown != [converter]:
        failures.append(f"a second Alt+F11 changed the converter windows: {shown}, expected [{converter}]")

    # Alt+F12: the finder over the open converter.
    xdotool("key", "alt+F12")
    finder = poll("the finder opened by Alt+F12 over the converter", lambda: window_of_size(program.pid, FINDER))
    if not mapped(converter):
        failures.append("the converter closed when the finder opened")
    close_window(finder, "finder")
    close_window(converter, "converter")
    if not stays_closed(program.pid, CONVERTER):
        failures.append("the converter opened again after it was closed (the second Alt+F11 was queued)")

    # The configuration window from the menu: Options is the third entry from
    # the bottom, "Hot key screen" the second entry of its submenu.
    x, y, _, _ = geometry(bar)
    open_menu(program.pid, bar, x + 15, y + 15)
    for key in ("Up", "Up", "Up", "Right", "Down", "Return"):
        xdotool("key", key)
    hot = poll("the configuration window", lambda: window_of_size(program.pid, CONFIGURATION))
    xdotool("windowfocus", hot, check=False)
    time.sleep(0.3)
    # The keyboard starts on the tabs: the third is the converter's. Alt is
    # already checked from the settings; Tab walks over the four boxes to the
    # key list, where typing picks "F10", and on to the save button.
    for key in ("Right", "Right", "Tab", "Tab", "Tab", "Tab", "Tab"):
        xdotool("key", key)
    xdotool("type", "--delay", "50", "F10")
    xdotool("key", "Tab")
    xdotool("key", "space")

    # The three values are written one after the other: wait for all of them.
    def saved():
        s = settings(config_home)
        if not s.has_section("HKey"):
            return None
        hkey = dict(s["HKey"])
        done = (hkey.get("Key3"), hkey.get("NumKey3"), hkey.get("Modif3")) == ("121", "84", "1")
        return done and hkey
    try:
        hkey = poll("slot 3 saved as Alt+F10 (Key3 121, NumKey3 84, Modif3 1)", saved, timeout=5)
        if (hkey.get("Key2"), hkey.get("NumKey2"), hkey.get("Modif2")) != ("123", "86", "1"):
            failures.append(f"saving slot 3 changed slot 2: {hkey}")
    except AssertionError:
        failures.append(f"slot 3 not saved as Alt+F10: HKey is {dict(settings(config_home)['HKey'])}")
    close_window(hot, "configuration")

    # The new key works at once, without a restart; the old one is gone.
    xdotool("key", "alt+F11")
    if not stays_closed(program.pid, CONVERTER):
        failures.append("Alt+F11 still opens the converter after slot 3 got Alt+F10")
        for window in windows_of_size(program.pid, CONVERTER):
            close_window(window, "converter")
    xdotool("key", "alt+F10")
    try:
        converter = poll("the converter opened by the new Alt+F10", lambda: window_of_size(program.pid, CONVERTER))
        close_window(converter, "converter")
    except AssertionError as e:
        failures.append(str(e))
    if program.poll() is not None:
        failures.append(f"the program ended with status {program.returncode}")


def main():
    if not os.environ.get("DISPLAY"):
        print("needs a private X server: run under tests/support/with-xvfb.sh", file=sys.stderr)
        return 1
    try:
        poll("the X server to answer", display_answers, timeout=10)
    except AssertionError as e:
        print(f"SKIP: {e}", file=sys.stderr)
        return SKIPPED
    failures = []
    with tempfile.TemporaryDirectory() as home:
        config_home = os.path.join(home, ".config")
        os.makedirs(os.path.join(config_home, "Tessmark Ltd."))
        with open(os.path.join(config_home, "Tessmark Ltd.", "Veltrano.conf"), "w") as f:
            f.write("[HKey]\nKey3=122\nNumKey3=85\nModif3=1\nKey2=123\nNumKey2=86\nModif2=1\n")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config_home, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=home, XDG_SESSION_TYPE="x11")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("WAYLAND_DISPLAY", None)
        output = run_and_stop(env, lambda program: run_checks(program, config_home, failures), failures)
        if "Recursive call" in output:
            failures.append("a tool window was shown again from inside its own modal loop")
    return report("hot keys end to end", failures, output)


if __name__ == "__main__":
    sys.exit(main())
