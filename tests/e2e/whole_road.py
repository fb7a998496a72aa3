"""End to end: the whole road of a user through both windows, on a real X server.
Usage: whole_road.py PROGRAM OUTPUT_DIR [SCALE]"""

import os
import sys

from desktop_driver import (ON_WAYLAND, Checks, DriverError, Program, click, icon_sides,
                            screenshot, screenshot_around, text_of, type_into, wait_for,
                            window_extent, window_id, window_size, xdotool)

DESIGN_TITLE = "زركولت"
NOTES_TITLE = "ملاحظات"
LOAD = "(ton)حمل العمود"
FLOORS = "عدد الطوابق"
WIDTH = "عرض العمود (cm)"
LENGTH = "طول العمود (cm)"
DIAMETER = "(mm) قطر السيخ"
BARS = "عدد الأسياخ"
EMPTY_FIELD = "لا يمكن ترك هذا الحقل فارغا"
CONFIRM = " هل أنت متأكد من الخروج من البرنامج؟؟؟"
STALE_NOTE = "النتائج للقيم السابقة، اضغط «النتائج» للتحديث"


def field(program, name):
    return program.find(name, role="text")


def button(program, name):
    return program.find(name, role="push button")


def answer(program, button_name):
    """Presses a button of the showing message box; gives back what the box said."""
    box, texts = program.dialog()
    click(program.find(button_name, role="push button"))
    wait_for("the message box to close", lambda: program.gone(box))
    return texts


def main():
    executable, outdir = sys.argv[1], sys.argv[2]
    scale = sys.argv[3] if len(sys.argv) > 3 else "1"
    suffix = "" if scale == "1" else f"-x{scale}"
    os.environ["QT_SCALE_FACTOR"] = scale
    program = Program(executable)
    check = Checks()

    try:
        design = window_id(DESIGN_TITLE)
        factor = float(scale)
        if ON_WAYLAND:
            # No window positions here; Wayland desktops take the icon from the desktop entry.
            check("the design window is 240 x 294",
                  window_extent(program.find(DESIGN_TITLE)) == (240, 294))
        else:
            check(f"the design window is 240 x 294 times {scale}",
                  window_size(design) == (round(240 * factor), round(294 * factor)))
            # The icon is set once the window has painted its first frame.
            try:
                sides = wait_for("the window icon", lambda: icon_sides(design))
            except DriverError:
                sides = []
            check(f"the window icon is sharp from 16 to 48 pixels times {scale}: {sides}",
                  sides and min(sides) <= 16 * factor and max(sides) >= 48 * factor)
        screenshot(os.path.join(outdir, f"design-empty{suffix}.png"), design)

        click(button(program, "النتائج"))
        check("Results with empty fields asks for the load",
              EMPTY_FIELD in answer(program, "موافق"))
        check("the results area stays hidden", program.absent(LENGTH, role="text"))

        type_into(field(program, LOAD), "1x0")
        check("a typed letter vanishes from the load", text_of(field(program, LOAD)) == "10")
        type_into(field(program, FLOORS), "5")
        click(button(program, "النتائج"))
        results = {name: text_of(field(program, name)) for name in (WIDTH, LENGTH, DIAMETER, BARS)}
        check(f"10 tons on 5 floors gives 30 x 30 with 4 bars of 16 mm: {results}",
              results == {WIDTH: "30", LENGTH: "30", DIAMETER: "16", BARS: "4"})
        screenshot(os.path.join(outdir, f"design-result{suffix}.png"), design)

        click(button(program, "ملاحظات"))
        notes = window_id(NOTES_TITLE)
        check("Notes hides the design window",
              wait_for("the design window to hide", lambda: program.absent(LOAD)))
        check("the notes window states the floor limit",
              program.find("عدد الأدوار المسموح بها في هذا البرنامج هو 7 ادوار*"))
        screenshot(os.path.join(outdir, f"notes{suffix}.png"), notes)
        if ON_WAYLAND:
            check("the notes window is 372 x 430",
                  window_extent(program.find(NOTES_TITLE)) == (372, 430))
        else:
            check(f"the notes window is 372 x 430 times {scale}",
                  window_size(notes) == (round(372 * factor), round(430 * factor)))

        click(button(program, "رجوع"))
        check("Back brings the results back unchanged",
              text_of(field(program, LENGTH)) == "30" and text_of(field(program, LOAD)) == "10")

        type_into(field(program, LOAD), "0")
        check("a load edited after Results marks the results as those of the inputs before",
              program.find(STALE_NOTE, role="label") and text_of(field(program, LENGTH)) == "30")
        screenshot(os.path.join(outdir, f"design-stale{suffix}.png"), design)
        xdotool("key", "ctrl+a", "BackSpace")
        click(button(program, "النتائج"))
        check("Results with the load emptied asks for it", EMPTY_FIELD in answer(program, "موافق"))
        check("and leaves no result of the inputs before",
              text_of(field(program, LENGTH)) == "" and text_of(field(program, BARS)) == ""
              and program.absent(STALE_NOTE))
        type_into(field(program, LOAD), "10")
        click(button(program, "النتائج"))
        check("Results again gives the results",
              wait_for("the bar count", lambda: text_of(field(program, BARS)) == "4"))

        click(button(program, "خروج"))
        box, _ = program.dialog()
        screenshot_around(os.path.join(outdir, f"exit-confirmation{suffix}.png"),
                          [program.find(DESIGN_TITLE), box])
        check("Exit asks for confirmation", CONFIRM in answer(program, "لا"))
        check("No keeps the program and its fields",
              program.process.poll() is None and text_of(field(program, BARS)) == "4")

        click(button(program, "خروج"))
        answer(program, "نعم")
        farewell = answer(program, "موافق")
        check("Yes shows the farewell",
              any("والسلام عليكم ورحمة الله وبركاته" in t for t in farewell))
        check("OK ends the program with status 0", program.wait_exit() == 0)
    except Exception as error:  # a failed wait or lookup is one more failed check
        check.failed_step(error, program)
    finally:
        program.end()

    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
