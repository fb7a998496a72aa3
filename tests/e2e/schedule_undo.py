"""End to end: rows pasted into the schedule window from the X clipboard, a paste over them taken
back with Ctrl+Z and made again with Ctrl+Y, then the exit prompt's Save / Don't Save / Cancel.
Usage: schedule_undo.py PROGRAM OUTPUT_DIR"""

import os
import subprocess
import sys

from desktop_driver import (Checks, Program, click, screenshot, screenshot_around, wait_for,
                            window_id, xdotool)

DESIGN_TITLE = "زركولت"
SCHEDULE_TITLE = "جدول الأعمدة"
LRI, PDI = "\u2066", "\u2069"


def shown(program, mark):
    """True when the columns table shows the mark (as its cells do: left to right)."""
    return not program.absent(LRI + mark + PDI, role="table cell")


def paste(text):
    """Puts text on the clipboard (an xclip that we start, and end once it is pasted)."""
    owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                             stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    owner.stdin.write(text.encode())
    owner.stdin.close()
    wait_for("the clipboard", lambda: subprocess.run(
        ["xclip", "-o", "-selection", "clipboard"], capture_output=True).stdout
        == text.encode())
    xdotool("key", "ctrl+v")
    return owner


def main():
    executable, outdir = sys.argv[1], sys.argv[2]
    program = Program(executable)
    check = Checks()
    owners = []

    try:
        design = window_id(DESIGN_TITLE)
        xdotool("mousemove", "--window", design, "--sync", "120", "6")
        xdotool("click", "1")
        xdotool("key", "ctrl+b")
        schedule = window_id(SCHEDULE_TITLE + r"\*?")
        # The table has the keyboard, its first cell current.
        owners.append(paste('C1\t100\t3\t2\n"C2\nB"\t50\t5\n'))
        check("two rows pasted, a quoted line break kept in its cell",
              wait_for("the pasted rows", lambda: shown(program, "C1")
                       and shown(program, "C2\u240aB")))
        owners.append(paste("X9\t10\t2\n"))
        check("a paste over the first row replaces it",
              wait_for("the row pasted over", lambda: shown(program, "X9")
                       and not shown(program, "C1")))
        xdotool("key", "ctrl+z")
        check("Ctrl+Z brings the row back",
              wait_for("the row back", lambda: shown(program, "C1")
                       and not shown(program, "X9")))
        xdotool("key", "ctrl+y")
        check("Ctrl+Y pastes over it again",
              wait_for("the paste again", lambda: shown(program, "X9")
                       and not shown(program, "C1")))
        screenshot(os.path.join(outdir, "schedule-undo.png"), schedule)

        xdotool("windowraise", design)  # the schedule window opened over it
        click(program.find("خروج", role="push button"))
        click(program.find("نعم", role="push button"))
        check("the exit asks about the table's changes",
              wait_for("the table's question", lambda: any(
                  "تغييرات لم تحفظ" in text for text in program.dialog()[1])))
        for caption in ("حفظ", "عدم الحفظ", "إلغاء"):
            check(f"its button reads {caption}",
                  program.find(caption, role="push button") is not None)
        screenshot_around(os.path.join(outdir, "schedule-exit-prompt.png"),
                          [program.find(DESIGN_TITLE), program.dialog()[0]])
        click(program.find("عدم الحفظ", role="push button"))
        click(program.find("موافق", role="push button"))
        check("Don't Save ends the program with status 0", program.wait_exit() == 0)
    except Exception as error:  # a failed wait or lookup is one more failed check
        check.failed_step(error, program)
    finally:
        program.end()
        for owner in owners:
            owner.kill()
            owner.wait()

    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
