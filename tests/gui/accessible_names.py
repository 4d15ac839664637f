#!/usr/bin/env python3
# The names and roles that a screen reader finds over AT-SPI, in both windows of the real program.
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE for this test


def skip(why):
    print(f"accessible_names: skipped: {why}")
    sys.exit(SKIP)


try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Gio, GLib
    import pyatspi
except (ImportError, ValueError) as error:
    skip(f"no AT-SPI for Python here ({error}); install python3-pyatspi")

CONTROL_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
                 pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TEXT,
                 pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_COMBO_BOX}


def wait_for(what, find, seconds=20):
    """Polls the accessibility tree until find() gives something, or fails after `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # This side caches the tree; a poll must see the program's tree as it is now.
        pyatspi.Registry.getDesktop(0).clear_cache()
        found = find()
        if found:
            return found
        time.sleep(0.05)
    desktop = pyatspi.Registry.getDesktop(0)
    seen = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]
    raise SystemExit(f"accessible_names: FAIL: {what} did not appear within {seconds} s (applications: {seen})")


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def the_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "marble-exchange":
            return app
    return None


def frame_with(app, role):
    """The program's window whose controls include one of `role` (each window is shown afresh)."""
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if any(each.getRole() == role for each in descendants(window)):
            return window
    return None


class checks:
    def __init__(self):
        self.passed = self.failed = 0

    def equal(self, what, got, expected):
        if got == expected:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL: {what}: {got!r}, expected {expected!r}")

    def named(self, window, role, names):
        """The controls of `role` in `window` carry exactly these names."""
        got = sorted(each.name for each in descendants(window) if each.getRole() == role)
        self.equal(f"the names of the {role} controls", got, sorted(names))

    def every_control_is_named(self, window):
        """Whatever a person can press, type into, drag or read through has a name."""
        for each in descendants(window):
            if each.getRole() in CONTROL_ROLES and each.getState().contains(pyatspi.STATE_SHOWING):
                self.equal(f"a {each.getRoleName()} has a name", bool(each.name), True)

def main():
    program = sys.argv[1]
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        skip("no D-Bus session bus, so no accessibility bus can start")
    # What a screen reader does when it starts: switch accessibility on for
    # the session, through the accessibility bus launcher.
    try:
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 10000, None)
    except GLib.Error as error:
        skip(f"the accessibility bus did not start ({error.message}); install at-spi2-core")

    # The registry, where the program will announce itself, is up before the
    # program starts: asking it for its applications starts it.
    pyatspi.Registry.getDesktop(0).clear_cache()
    _ = pyatspi.Registry.getDesktop(0).childCount

    work = tempfile.mkdtemp()
    started = subprocess.Popen([program], cwd=work)
    try:
        app = wait_for("the program on the accessibility bus", the_application)
        c = checks()

        start = wait_for("the start dialog", lambda: frame_with(app, pyatspi.ROLE_PUSH_BUTTON))
        c.equal("the start dialog's role", start.getRoleName(), "frame")
        c.equal("the start dialog's name", start.name, "Vorla 5151")
        c.named(start, pyatspi.ROLE_TEXT, ["Jumlah Bola"])
        c.named(start, pyatspi.ROLE_PUSH_BUTTON, ["Proses"])
        c.every_control_is_named(start)

        # One marble a side: type into the box, which has the focus, and press Enter.
        subprocess.run(["xdotool", "type", "--delay", "20", "1"], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)

        playground = wait_for("the playground", lambda: frame_with(app, pyatspi.ROLE_SLIDER))
        c.equal("the playground's role", playground.getRoleName(), "frame")
        c.equal("the playground's name", playground.name, "Vorla 5151")
        c.named(playground, pyatspi.ROLE_SLIDER, ["Ball's Speed"])
        c.named(playground, pyatspi.ROLE_LIST, ["All Moves", "Solution Moves"])
        c.named(playground, pyatspi.ROLE_PUSH_BUTTON, ["Play", "Pause", "Resume", "Reset"])
        c.every_control_is_named(playground)

        print(f"{c.passed} passed, {c.failed} failed")
        return 1 if c.failed else 0
    finally:
        started.kill()
        started.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
