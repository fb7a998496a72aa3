#!/usr/bin/env python3
"""Runs `column-designer schedule FILE.csv -o OUT.dxf` and reads the drawing back with ezdxf:
each section's outline, bars and texts against the schedule's own CSV, the marks and the Arabic
words; the drawing pages of the PDF with pdftotext; refused input and outputs that cannot be written.

Usage: check_schedule_drawing.py PATH/TO/column-designer
"""

import csv
import io
import pathlib
import re
import subprocess
import sys
import tempfile
import unicodedata
import unittest

import ezdxf

PROGRAM = None
MILLIMETRES = 4  # $INSUNITS
SCHEDULE = ("الرمز,الحمل,الأدوار,العدد\n"
            "C1,30,4,2\nع1,30,4,1\nC2,100,7,1\nعمود-ركن,10,1,3\nC4,55,3,1\nC5,1e300,2,1\n"
            # A backslash that is not the start of a letter.
            '"B\\U+0041",250,1\n')
ARABIC_WORDS = ["جدول الأعمدة", "النوع", "المستويات", "العدد 3", "كانة Φ8", "قيم كبيرة جدا"]


def run(*arguments):
    return subprocess.run([PROGRAM, *arguments], capture_output=True, timeout=120, check=False)


def levels_in_csv(path, options):
    """(width mm, length mm, bars, bar diameter) of every designed level, from the CSV output."""
    result = run("schedule", path, *options)
    rows = csv.DictReader(io.StringIO(result.stdout.decode("utf-8-sig")))
    return {(10 * float(r["width_cm"]), 10 * float(r["length_cm"]), int(r["bars"]),
             float(r["bar_diameter_mm"])) for r in rows if r["status"] == "ok"}


def inside(point, box, room=0.0):
    (x, y), (left, bottom, right, top) = tuple(point)[:2], box
    return left - room <= x <= right + room and bottom - room <= y <= top + room


def box_of(polyline):
    xs = [p[0] for p in polyline.get_points("xy")]
    ys = [p[1] for p in polyline.get_points("xy")]
    return min(xs), min(ys), max(xs), max(ys)


class Drawing(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = pathlib.Path(self.folder.name)
        self.csv = self.dir / "building.csv"
        self.csv.write_text(SCHEDULE, encoding="utf-8")

    def tearDown(self):
        self.folder.cleanup()

    def read_dxf(self, options):
        out = self.dir / "drawing.dxf"
        result = run("schedule", str(self.csv), "-o", str(out), *options)
        self.assertEqual(1, result.returncode, result.stderr.decode())  # C5 is too large
        doc = ezdxf.readfile(out)
        auditor = doc.audit()
        self.assertEqual([], [error.message for error in auditor.errors])
        self.assertEqual(MILLIMETRES, doc.header["$INSUNITS"])
        return doc.modelspace()

    def test_sections_bars_and_texts_as_the_schedule_gives_them(self):
        for options in ([], ["--bar", "20", "--width", "25"], ["--fcu", "400", "--bar", "12"]):
            with self.subTest(options=options):
                space = self.read_dxf(options)
                texts = [(ezdxf.decode_dxf_unicode(t.dxf.text), t.dxf.align_point)
                         for t in space.query("TEXT")]
                circles = list(space.query("CIRCLE"))
                ties = [box_of(p) for p in space.query("LWPOLYLINE[layer=='TIES']")]
                self.assertEqual({"OUTLINES", "TIES", "BARS", "TEXTS", "GRID"},
                                 {e.dxf.layer for e in space})
                drawn = set()
                held = 0
                for outline in space.query("LWPOLYLINE[layer=='OUTLINES']"):
                    self.assertTrue(outline.closed)
                    box = box_of(outline)
                    bars = [c for c in circles if inside(c.dxf.center, box)]
                    held += len(bars)
                    tie = next(t for t in ties if inside(t[:2], box) and inside(t[2:], box))
                    for bar in bars:
                        self.assertTrue(inside(bar.dxf.center, tie, room=-bar.dxf.radius * 0.99))
                    # The section's texts are the first two below it, at its middle.
                    middle = (box[0] + box[2]) / 2
                    below = sorted((t for t in texts if abs(t[1].x - middle) < 1e-6
                                    and t[1].y < box[1]), key=lambda t: -t[1].y)
                    size, bar_text = below[0][0], below[1][0]
                    width, length = (10 * float(v) for v in size.split("×"))
                    count, diameter = (int(v) for v in bar_text.split("Φ"))
                    self.assertAlmostEqual(length, box[2] - box[0], places=6)
                    self.assertAlmostEqual(width, box[3] - box[1], places=6)
                    self.assertEqual(count, len(bars))
                    self.assertEqual({diameter / 2}, {round(b.dxf.radius, 9) for b in bars})
                    drawn.add((width, length, count, float(diameter)))
                self.assertEqual(len(circles), held)  # no bar outside a section
                self.assertEqual(levels_in_csv(str(self.csv), options), drawn)

    def test_marks_and_arabic_words_read_back_as_written(self):
        words = " | ".join(ezdxf.decode_dxf_unicode(t.dxf.text)
                           for t in self.read_dxf([]).query("TEXT"))
        for expected in ["C1، ع1", "عمود-ركن", "C2", "C4", "C5", "B\\U+0041", "T1", "T5",
                         *ARABIC_WORDS]:
            self.assertIn(expected, words)

    def test_pdf_drawing_pages_name_the_types_and_marks(self):
        out = self.dir / "schedule.pdf"
        result = run("schedule", str(self.csv), "-o", str(out))
        self.assertEqual(1, result.returncode, result.stderr.decode())
        text = subprocess.run(["pdftotext", str(out), "-"], capture_output=True, text=True,
                              check=True).stdout
        # Without the marks of direction that pdftotext puts round right-to-left lines.
        pages = "".join(c for c in text if unicodedata.category(c) != "Cf").split("\f")
        drawing = [p for p in pages if "مقياس الرسم" in p]
        self.assertTrue(drawing)
        joined = "\n".join(drawing)
        for expected in ["T1", "T5", "C1", "ع1", "عمود-ركن", "30×230", "34Φ16", "كانة Φ8"]:
            self.assertIn(expected, joined)

    def test_refused_input_and_unwritable_output_write_nothing(self):
        kept = self.dir / "kept.dxf"
        bad = self.dir / "bad.csv"
        bad.write_text("mark,load,floors\nC1,10,0\n")
        folder = self.dir / "folder.dxf"
        folder.mkdir()
        cases = [
            # input, output, words stderr holds
            (bad, kept, ["bad.csv", "line 2", "السطر 2"]),
            (self.dir / "missing.csv", kept, ["missing.csv", "could not read"]),
            (self.csv, self.dir / "no-folder" / "out.dxf", ["out.dxf", "could not write"]),
            (self.csv, folder, ["folder.dxf", "could not write"]),
        ]
        for path, output, words in cases:
            with self.subTest(input=path.name, output=output.name):
                kept.write_text("what was there")
                result = run("schedule", str(path), "-o", str(output))
                self.assertEqual((2, b""), (result.returncode, result.stdout))
                for word in words:
                    self.assertIn(word, result.stderr.decode())
                self.assertEqual("what was there", kept.read_text())
        self.assertEqual({"building.csv", "bad.csv", "kept.dxf", "folder.dxf"},
                         {p.name for p in self.dir.iterdir()})
        self.assertEqual([], list(folder.iterdir()))


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=1)
