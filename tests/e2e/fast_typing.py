"""End to end: keys typed with no pause, a 100 kB paste, the decimal mark hint and Return on a
focused button, on a real X server.
Usage: fast_typing.py PROGRAM OUTPUT_DIR"""

import os
import subprocess
import sys
import time

import pyatspi

from desktop_driver import (Checks, Program, click, screenshot, text_of, wait_for, window_id,
                            xdotool)

DESIGN_TITLE = "زركولت"
LOAD = "(ton)حمل العمود"
FLOORS = "عدد الطوابق"
LENGTH = "طول العمود (cm)"
HINT = "العلامة العشرية هي النقطة «.» أو «٫»"
PASTE_BYTES = 100_000


def focus(program, name):
    field = program.find(name, role="text")
    click(field)
    wait_for(f"keyboard focus in {name}",
             lambda: field.getState().contains(pyatspi.STATE_FOCUSED))
    return field


def clear_focused_field():
    xdotool("key", "ctrl+a", "BackSpace")


def settled_text(field, expected):
    """Waits for the field to hold the expected text; gives back what it holds then."""
    try:
        wait_for(f"the text {expected[:20]!r}", lambda: text_of(field) == expected, seconds=20)
    except AssertionError:
        pass
    return text_of(field)


def paste(text):
    """Puts text on the clipboard (an xclip that we start and end) and presses Ctrl+V;
    gives back the seconds until the paste's keystroke was sent."""
    owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                             stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    owner.stdin.write(text.encode())
    owner.stdin.close()
    wait_for("the clipboard", lambda: subprocess.run(
        ["xclip", "-o", "-selection", "clipboard"], capture_output=True).stdout[:8]
        == text.encode()[:8])
    xdotool("key", "ctrl+v")
    return owner


def main():
    executable, outdir = sys.argv[1], sys.argv[2]
    program = Program(executable)
    owners = []
    check = Checks()

    try:
        design = window_id(DESIGN_TITLE)
        load = focus(program, LOAD)
        for keys, kept in (("1a2b3c", "123"), ("12w34", "1234")):
            clear_focused_field()
            xdotool("type", "--delay", "0", keys)
            text = settled_text(load, kept)
            check(f"{keys!r} typed with no pause leaves {kept!r}: {text!r}", text == kept)

        clear_focused_field()
        xdotool("type", "--delay", "0", "7,")
        check("a typed comma is the decimal point", settled_text(load, "7.") == "7.")
        check("and the decimal mark hint shows", program.find(HINT, role="label"))
        screenshot(os.path.join(outdir, "decimal-mark-hint.png"), design)
        xdotool("type", "--delay", "0", "5")
        check("the next key hides the hint",
              wait_for("the hint to hide", lambda: program.absent(HINT, role="label")))

        clear_focused_field()
        xdotool("type", "--delay", "0", "12")
        started = time.monotonic()
        owners.append(paste("3" + "a" * (PASTE_BYTES - 1)))
        text = settled_text(load, "123")
        print(f"100 kB of letters settled in {time.monotonic() - started:.2f} s", flush=True)
        check(f"3 and 100 kB of letters pasted after 12 leave 123: {text[:20]!r}", text == "123")

        clear_focused_field()
        started = time.monotonic()
        owners.append(paste("1" * PASTE_BYTES))
        text = settled_text(load, "1" * PASTE_BYTES)
        print(f"100 kB of digits settled in {time.monotonic() - started:.2f} s", flush=True)
        check(f"100 kB of digits are kept whole, not cut into another number: {len(text)} digits",
              text == "1" * PASTE_BYTES)

        clear_focused_field()
        xdotool("type", "--delay", "0", "10")
        focus(program, FLOORS)
        xdotool("type", "--delay", "0", "5")
        xdotool("key", "Tab", "Return")
        length = program.find(LENGTH, role="text")
        check("Return on the focused Results button shows the results",
              settled_text(length, "30") == "30")
    except Exception as error:  # a failed wait or lookup is one more failed check
        check.failed_step(error, program)
    finally:
        program.end()
        for owner in owners:
            if owner.poll() is None:
                owner.kill()
                owner.wait()

    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
