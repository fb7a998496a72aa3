"""End to end under Wayland: Qt's own title bar offers a maximize button even on our windows of
fixed size. Pressing it, and pressing it again, must keep the program and what was typed.
Usage: maximize_wayland.py PROGRAM OUTPUT_DIR"""

import os
import subprocess
import sys

from desktop_driver import (Checks, Program, click, text_of, type_into, wait_for, window_id,
                            xdotool)

DESKTOP = (1024, 768)  # weston's output in run_e2e.sh
OUTSIDE_WESTON = (1279, 1023)  # the X screen's far corner (run_e2e.sh), beyond weston's window
FRAME = (246, 327)  # the design window with Qt's title bar and borders
DESKTOP_COLOUR = bytes((0x20, 0x40, 0x60))  # background-color in weston.ini

DESIGN_TITLE = "زركولت"
LOAD = "(ton)حمل العمود"
FLOORS = "عدد الطوابق"
LENGTH = "طول العمود (cm)"
# Where Qt's title bar puts the maximize button: from the frame's right edge and top.
MAXIMIZE_FROM_RIGHT = 40
MAXIMIZE_FROM_TOP = 15
# A window spans at least this many pixels of a row or column; the pointer far fewer.
LEAST_WINDOW_SPAN = 100


def frame_on_desktop(path):
    """Left, top, right and bottom of the one window on weston's plain-coloured desktop, or
    None while there is none."""
    width, height = map(int, subprocess.run(
        ["identify", "-format", "%w %h", path], check=True, capture_output=True,
        text=True).stdout.split())
    pixels = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                            capture_output=True).stdout
    rows, columns = [0] * height, [0] * width
    for y in range(height):
        for x in range(width):
            start = 3 * (y * width + x)
            if pixels[start:start + 3] != DESKTOP_COLOUR:
                rows[y] += 1
                columns[x] += 1
    ys = [y for y, count in enumerate(rows) if count >= LEAST_WINDOW_SPAN]
    xs = [x for x, count in enumerate(columns) if count >= LEAST_WINDOW_SPAN]
    return (xs[0], ys[0], xs[-1] + 1, ys[-1] + 1) if xs and ys else None


def main():
    executable, outdir = sys.argv[1], sys.argv[2]
    program = Program(executable)
    check = Checks()

    def field_texts():
        return {name: text_of(program.find(name, role="text")) for name in (LOAD, FLOORS, LENGTH)}

    def press_maximize(shot):
        """Presses the maximize button where this screenshot shows it."""
        _, top, right, _ = frame_on_desktop(shot)
        # weston follows the X pointer only once it has entered weston's window, and the pointer
        # starts inside it: it comes in from outside, as a person's mouse does.
        xdotool("mousemove", "--sync", *map(str, OUTSIDE_WESTON))
        xdotool("mousemove", "--window", desktop, "--sync", str(right - MAXIMIZE_FROM_RIGHT),
                str(top + MAXIMIZE_FROM_TOP))
        xdotool("click", "1")

    def take(name):
        path = os.path.join(outdir, name)
        subprocess.run(["import", "-window", desktop, path], check=True)
        return path

    def frame_size(name):
        frame = frame_on_desktop(take(name))
        return frame and (frame[2] - frame[0], frame[3] - frame[1])

    def shown_as(name, size):
        """True once weston shows the window at this size (it may draw a moment late)."""
        try:
            wait_for(f"{name} at {size}",
                     lambda: program.process.poll() is not None or frame_size(name) == size,
                     seconds=4)
        except AssertionError:
            pass
        return program.process.poll() is None and frame_size(name) == size

    def press_until_shown(before, after, size):
        """Presses maximize until weston shows the window at this size; like a person, presses
        again when a press was lost on its way (weston drops one at times)."""
        for _ in range(3):
            press_maximize(os.path.join(outdir, before))
            if shown_as(after, size) or program.process.poll() is not None:
                break
            before = after
        return program.process.poll() is None and frame_size(after) == size

    try:
        desktop = window_id(DESIGN_TITLE)
        type_into(program.find(LOAD, role="text"), "10\t5")  # Tab leads to the floors
        click(program.find("النتائج", role="push button"))
        typed = field_texts()
        check(f"the results are shown before maximizing: {typed}", typed[LENGTH] == "30")
        check("the window is drawn at its own size", shown_as("maximize-before.png", FRAME))

        maximized = press_until_shown("maximize-before.png", "maximized.png", DESKTOP)
        check("the program outlives maximize", program.process.poll() is None)
        check("the maximized window fills weston's desktop", maximized)
        check("the fields keep their text when maximized", field_texts() == typed)

        restored = press_until_shown("maximized.png", "restored.png", FRAME)
        check("the program outlives restore", program.process.poll() is None)
        check("the restored window has its own size again", restored)
        check("the fields keep their text when restored", field_texts() == typed)
    except Exception as error:  # a failed wait or lookup is one more failed check
        check.failed_step(error, program)
    finally:
        program.end()

    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
