"""Drives the real program on an X server as a person would: xdotool types and clicks,
AT-SPI reads what a screen reader reads, ImageMagick takes screenshots.

Under Wayland (QT_QPA_PLATFORM=wayland) the program runs in a weston that draws into a window of
the X server: xdotool types into that window and weston passes the keys on. A Wayland window
does not know where it is on the screen, so controls are pressed and focused through AT-SPI, as
assistive tools do, and screenshots show weston's whole desktop."""

import os
import re
import subprocess
import time
import traceback

import pyatspi

ON_WAYLAND = os.environ.get("QT_QPA_PLATFORM") == "wayland"
POLL_SECONDS = 0.1
WAIT_SECONDS = 30


class DriverError(AssertionError):
    pass


def wait_for(what, probe, seconds=WAIT_SECONDS):
    """Polls probe() until it returns something truthy; fails after a bound."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(POLL_SECONDS)
    raise DriverError(f"gave up waiting for {what}")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def _walk(accessible):
    yield accessible
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from _walk(child)


def _showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


class Program:
    """The program under test, started by us and ended only by us (by its pid)."""

    def __init__(self, executable):
        self.process = subprocess.Popen([executable])

    def application(self):
        def probe():
            desktop = pyatspi.Registry.getDesktop(0)
            for index in range(desktop.childCount):
                app = desktop.getChildAtIndex(index)
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            return None
        return wait_for("the program on the accessibility bus", probe)

    def find(self, name, role=None, showing=True):
        """The first accessible with this exact name (and role name), waiting for it."""
        def probe():
            for accessible in _walk(self.application()):
                if accessible.name != name:
                    continue
                if role is not None and accessible.getRoleName() != role:
                    continue
                if showing and not _showing(accessible):
                    continue
                return accessible
            return None
        return wait_for(f"{role or 'accessible'} named {name!r}", probe)

    def absent(self, name, role=None):
        """True when no showing accessible has this name."""
        return not any(a.name == name and (role is None or a.getRoleName() == role)
                       and _showing(a) for a in _walk(self.application()))

    def dialog(self):
        """The showing message box: its accessible and what its labels say."""
        def probe():
            for accessible in _walk(self.application()):
                if accessible.getRoleName() in ("dialog", "alert") and _showing(accessible):
                    return accessible
            return None
        box = wait_for("a message box", probe)
        return box, [a.name for a in _walk(box) if a.getRoleName() == "label" and a.name]

    @staticmethod
    def gone(accessible):
        """True once a window or box is hidden or destroyed."""
        try:
            state = accessible.getState()
        except Exception:  # the object has left the bus
            return True
        return state.contains(pyatspi.STATE_DEFUNCT) or not state.contains(pyatspi.STATE_SHOWING)

    def wait_exit(self, seconds=WAIT_SECONDS):
        return self.process.wait(timeout=seconds)

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def type_into(accessible, text):
    if ON_WAYLAND:
        # weston gives the keyboard back to a window a moment after a box over it has closed.
        window = _window_of(accessible)
        wait_for("the window to take the keyboard",
                 lambda: window.getState().contains(pyatspi.STATE_ACTIVE))
    click(accessible)
    wait_for("keyboard focus", lambda: accessible.getState().contains(pyatspi.STATE_FOCUSED))
    if ON_WAYLAND:
        xdotool("windowfocus", "--sync", _weston_window())
    xdotool("type", "--delay", "40", text)


def window_id(title):
    """The X window that shows the program's window: under Wayland, weston's."""
    if ON_WAYLAND:
        return _weston_window()
    return wait_for(f"the window {title!r}",
                    lambda: _first_line(["xdotool", "search", "--onlyvisible", "--name",
                                         f"^{title}$"]))


def _window_of(accessible):
    """The top-level window that holds an accessible: the application's child on its way."""
    while accessible.parent is not None and accessible.parent.getRoleName() != "application":
        accessible = accessible.parent
    return accessible


def _weston_window():
    return wait_for("weston's window",
                    lambda: _first_line(["xdotool", "search", "--onlyvisible", "--class",
                                         "^weston"]))


def _first_line(command):
    result = subprocess.run(command, capture_output=True, text=True)
    return result.stdout.split()[0] if result.returncode == 0 and result.stdout.split() else None


def window_size(wid):
    """The window's width and height in device pixels, as the X server has it."""
    info = subprocess.run(["xwininfo", "-id", wid], check=True, capture_output=True,
                          text=True).stdout
    fields = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return int(fields["Width"]), int(fields["Height"])


def icon_sides(wid):
    """The sides, in device pixels, of the icons the window offers the window manager."""
    info = subprocess.run(["xprop", "-id", wid, "-notype", "_NET_WM_ICON"], check=True,
                          capture_output=True, text=True).stdout
    return [int(side) for side in re.findall(r"Icon \((\d+) x \d+\)", info)]


def _device_extents(accessible):
    """An accessible's x, y, width and height in the X server's device pixels."""
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    # Qt reports the extents in device-independent pixels.
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1"))
    return [round(value * scale)
            for value in (extents.x, extents.y, extents.width, extents.height)]


def window_extent(accessible):
    """A window's width and height in device-independent pixels, as AT-SPI has them."""
    extents = accessible.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    return extents.width, extents.height


def click(accessible):
    """Clicks the middle of an accessible with the mouse, through the X server; under Wayland,
    focuses a field or does a button's action through AT-SPI."""
    if ON_WAYLAND:
        _activate(accessible)
        return
    x, y, width, height = _device_extents(accessible)
    xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2))
    xdotool("click", "1")


def _activate(accessible):
    if accessible.getRoleName() == "text":
        if not accessible.queryComponent().grabFocus():
            raise DriverError(f"cannot focus {accessible.name!r}")
        return
    action = accessible.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in names:
        raise DriverError(f"{accessible.name!r} cannot be pressed: {names}")
    action.doAction(names.index("Press"))


def screenshot(path, wid):
    """Saves what one window shows."""
    if ON_WAYLAND:
        # The accessibility bus can tell of a window before weston has drawn it.
        time.sleep(0.3)
    subprocess.run(["import", "-window", wid, path], check=True)


def screenshot_around(path, accessibles):
    """Saves the part of the screen that holds all these windows and boxes."""
    if ON_WAYLAND:
        screenshot(path, _weston_window())
        return
    boxes = [_device_extents(a) for a in accessibles]
    left = min(x for x, _, _, _ in boxes)
    top = min(y for _, y, _, _ in boxes)
    right = max(x + width for x, _, width, _ in boxes)
    bottom = max(y + height for _, y, _, height in boxes)
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{right - left}x{bottom - top}+{left}+{top}", "+repage", path], check=True)


class Checks:
    """The checks of one road: each printed as it is made, then "N passed, N failed"."""

    def __init__(self):
        self.results = []

    def __call__(self, what, condition):
        self.results.append((what, bool(condition)))
        print(("PASS " if condition else "FAIL ") + what, flush=True)

    def failed_step(self, error, program):
        """A failed wait or lookup is one more failed check."""
        traceback.print_exc()
        print(f"the program's exit status so far: {program.process.poll()}", flush=True)
        self(f"no step failed: {error!r}", False)

    def summary(self):
        """Prints the closing line and gives the road's exit status."""
        failed = sum(1 for _, ok in self.results if not ok)
        print(f"{len(self.results) - failed} passed, {failed} failed")
        return 1 if failed else 0
