"""End to end: a design saved as a calculation sheet through the save dialog, on a real X server,
and the PDF read back as a reader would. Also saves through the window's context menu.
Usage: save_sheet.py PROGRAM OUTPUT_DIR"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from desktop_driver import (Checks, Program, click, text_of, type_into, wait_for, window_id,
                            window_size, xdotool)

DESIGN_TITLE = "زركولت"
SAVE_TITLE = "حفظ ورقة الحساب"
LOAD = "(ton)حمل العمود"
FLOORS = "عدد الطوابق"
BARS = "عدد الأسياخ"
RESULT_TEXTS = ("6898.40530370901", "230", "68.9840530370901", "34")


def texts_showing(program):
    """The texts of every showing text field of the program."""
    found = []
    stack = [program.application()]
    while stack:
        accessible = stack.pop()
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                stack.append(child)
        if accessible.getRoleName() == "text" and \
                accessible.getState().contains(pyatspi.STATE_SHOWING):
            found.append(text_of(accessible))
    return found


def main():
    executable, outdir = sys.argv[1], sys.argv[2]
    home = tempfile.mkdtemp(prefix="coldesign-home-")
    os.makedirs(os.path.join(home, "Documents"))
    os.environ["HOME"] = home
    os.environ["XDG_CONFIG_HOME"] = os.path.join(home, ".config")
    target = os.path.join(home, "reports", "sheet-e2e")
    os.makedirs(os.path.dirname(target))
    program = Program(executable)
    check = Checks()

    try:
        design = window_id(DESIGN_TITLE)
        type_into(program.find(LOAD, role="text"), "100")
        type_into(program.find(FLOORS, role="text"), "7")
        click(program.find("النتائج", role="push button"))
        check("100 t on 7 floors gives 34 bars",
              wait_for("the bar count", lambda: text_of(program.find(BARS, role="text")) == "34"))

        # Right click on the window's empty top edge: the context menu; its first item saves.
        xdotool("mousemove", "--window", design, "--sync", "120", "6")
        xdotool("click", "3")
        time.sleep(1)  # the menu is drawn; the accessibility bus does not list popup menus
        width, height = window_size(design)
        subprocess.run(["import", "-window", "root", "-crop", f"{width + 160}x{height}+0+0",
                        "+repage", os.path.join(outdir, "context-menu.png")], check=True)
        xdotool("key", "Down")
        xdotool("key", "Return")
        window_id(SAVE_TITLE)
        check("the context menu's first item opens the save dialog", True)
        xdotool("key", "Escape")
        wait_for("the save dialog to close", lambda: not subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{SAVE_TITLE}$"],
            capture_output=True).stdout.strip())

        xdotool("mousemove", "--window", design, "--sync", "120", "6")
        xdotool("click", "1")
        xdotool("key", "--clearmodifiers", "ctrl+s")
        window_id(SAVE_TITLE)
        check("the save dialog suggests column-30x230.pdf",
              wait_for("the suggested name", lambda: any(
                  t.endswith("column-30x230.pdf") for t in texts_showing(program))))
        xdotool("key", "--clearmodifiers", "ctrl+a")
        xdotool("type", "--delay", "20", target)
        xdotool("key", "Return")

        saved = target + ".pdf"
        check("the sheet is saved with .pdf added",
              wait_for("the saved sheet", lambda: os.path.isfile(saved) and
                       open(saved, "rb").read().rstrip().endswith(b"%%EOF")))
        check("nothing else is left beside it",
              os.listdir(os.path.dirname(target)) == [os.path.basename(saved)])
        text = subprocess.run(["pdftotext", "-enc", "UTF-8", saved, "-"], check=True,
                              capture_output=True, text=True).stdout
        check("the sheet's text holds the four results",
              all(result in text for result in RESULT_TEXTS))
        check("the sheet's text holds its Arabic heading", "ورقة حساب عمود خرساني مسلح" in text)
        pages = subprocess.run(["pdfinfo", saved], check=True, capture_output=True,
                               text=True).stdout
        check("the sheet is one A4 page", "Pages:           1" in pages and "(A4)" in pages)
        subprocess.run(["pdftoppm", "-png", "-r", "110", "-singlefile", saved,
                        os.path.join(outdir, "calculation-sheet")], check=True)
        check("the program keeps running", program.process.poll() is None)
    except Exception as error:  # a failed wait or lookup is one more failed check
        check.failed_step(error, program)
    finally:
        program.end()
        time.sleep(0.2)
        subprocess.run(["rm", "-rf", home], check=False)

    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
