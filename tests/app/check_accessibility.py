#!/usr/bin/env python3
"""Every tool window through the accessibility bus, as a screen reader sees it.

Runs under tests/support/with-xvfb.sh and dbus-run-session: the session bus
starts the accessibility bus (at-spi-bus-launcher) and its registry when asked.
Starts the built Kvantor2 with QT_ACCESSIBILITY=1, opens each tool from the
bar through the bar button's own "Press" action, and walks the window's tree:
every control that takes the focus has a name, every push button has an
action, every grid and list has a name or a description.
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_bar_desktop import SKIPPED, bar_window, poll, report, start, xdotool

try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed", file=sys.stderr)
    sys.exit(SKIPPED)

# The bar's tools by their hint; exit is left out, it ends the program.
TOOLS = ["Measure units", "Volume of tanks", "Clothing size", "Radio frequency to length wave", "decibel",
         "Arabic to Roman numbers", "Date - Date", "Geometric formulas", "Chemical Element table",
         "Approximate Herdness Conversion Numbers for Nonaustenitic Steels ",
         "Resistors, capacitors values and many other", "Graph functions", "RGB color", "Reference tables",
         "Hex View", "View system fonts and character map", "Calculator", "About"]
# Nodes named by what they show, one by one: the rows and cells of grids and lists.
ITEM_ROLES = {"list item", "table cell", "tree item", "table column header", "table row header"}
VIEW_ROLES = {"list", "table", "tree table", "list box"}
# Pictures a screen reader must be able to tell about: window, the picture's name.
DESCRIBED_PICTURES = {"Graph functions": "Graph", "Clothing size": "Picture", "Geometric formulas": "Picture"}


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Kvantor2":
            return app
    return None


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def place(node):
    try:
        e = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        return (e.x, e.y, e.width, e.height)
    except NotImplementedError:
        return None


def faults_of(window, where, seen):
    """What a screen reader user would miss in `window`; `seen` counts the
    controls checked."""
    faults = []
    for n in nodes(window):
        role = n.getRoleName()
        state = n.getState()
        # Rows and cells are read by what they show; a list that pops up is
        # reached through its box; a control greyed out does nothing.
        if role in ITEM_ROLES or not state.contains(pyatspi.STATE_SHOWING) or not state.contains(pyatspi.STATE_SENSITIVE):
            continue
        seen[0] += 1
        what = f"{where}: {role} {n.description!r} at {place(n)}"
        if state.contains(pyatspi.STATE_FOCUSABLE) and not n.name.strip():
            faults.append(f"{what} takes the focus and has no name")
        if role == "push button" and not actions(n):
            faults.append(f"{what} cannot be pressed through its action")
        if role in VIEW_ROLES and not (n.name.strip() or n.description.strip()):
            faults.append(f"{where}: a {role} with neither name nor description")
    return faults


def shown_windows(app, bar):
    """The program's windows on the screen besides the bar (a window that
    lives for the whole run is only hidden when it closes)."""
    shown = []
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window != bar and window.getState().contains(pyatspi.STATE_SHOWING):
            shown.append(window)
    return shown


def press(node):
    """The button's first action. A tool window is modal: the answer to the
    action comes only when the window closes, so it is not waited for."""
    pyatspi.setTimeout(500, 500)
    try:
        node.queryAction().doAction(0)
    except Exception:
        pass
    pyatspi.setTimeout(10000, 10000)


def run_checks(app, pid, failures):
    bar_id = poll("the bar to be mapped", bar_window)
    bar = app.getChildAtIndex(0)
    seen = [0]
    failures += faults_of(bar, "the bar", seen)
    buttons = {n.description: n for n in nodes(bar) if n.getRoleName() == "push button"}
    for tool in TOOLS:
        button = buttons.get(tool)
        if button is None:
            failures.append(f"no bar button {tool!r}")
            continue
        press(button)
        try:
            window = poll(f"the window of {tool!r}", lambda: shown_windows(app, bar), timeout=10)[0]
        except AssertionError as e:
            failures.append(str(e))
            continue
        failures += faults_of(window, tool.strip(), seen)
        if tool in DESCRIBED_PICTURES:
            named = [n for n in nodes(window) if n.name == DESCRIBED_PICTURES[tool] and n.description.strip()]
            if not named:
                failures.append(f"{tool}: no {DESCRIBED_PICTURES[tool]!r} with a description")
        # Its Close button closes it, or else Escape (given the keys, with no
        # window manager to give them).
        closers = [n for n in nodes(window) if n.getRoleName() == "push button"
                   and (n.name + n.description).replace("&", "").startswith("Close")]
        if closers:
            press(closers[0])
            if not shown_windows(app, bar):
                continue
        for shown in xdotool("search", "--onlyvisible", "--pid", pid, check=False).split():
            if shown != bar_id:
                xdotool("windowfocus", shown, check=False)
        xdotool("key", "Escape")
        try:
            poll(f"the window of {tool!r} to close", lambda: not shown_windows(app, bar), timeout=5)
        except AssertionError as e:
            failures.append(str(e))
            return
    # Each window has its controls on the bus, not an empty frame.
    if seen[0] < 20 * len(TOOLS):
        failures.append(f"only {seen[0]} controls on the bus in {len(TOOLS)} windows and the bar")


def main():
    if not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        print("needs an X server and a session bus: run under with-xvfb.sh and dbus-run-session", file=sys.stderr)
        return 1
    failures = []
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_RUNTIME_DIR=home,
                   QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = start(env)
        try:
            app = poll("the program on the accessibility bus", application)
            poll("the bar", lambda: app.childCount > 0)
            run_checks(app, str(program.pid), failures)
        except AssertionError as e:
            failures.append(str(e))
        finally:
            program.terminate()
            try:
                program.wait(5)
            except subprocess.TimeoutExpired:
                program.kill()
        output = program.stdout.read().decode(errors="replace")
    return report("tool windows on the accessibility bus", failures, output)


if __name__ == "__main__":
    sys.exit(main())
