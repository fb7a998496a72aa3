#!/usr/bin/env python3
"""Runs `column-designer design …` and `column-designer schedule …` without a display: their
output, their exit statuses, and that a refused input writes nothing.

Usage: check_command_line.py PATH/TO/column-designer
"""

import json
import os
import pathlib
import subprocess
import sys
import tempfile
import unicodedata
import unittest

PROGRAM = None
BOM = "\ufeff"
HEADER = ("mark,count,level,floors_carried,required_area_cm2,width_cm,length_cm,steel_area_cm2,"
          "bars,bar_diameter_mm,status\n")
GOOD_CSV = "الرمز;الحمل;الأدوار;العدد\r\nC1;30;4;2\r\nC2;١٠;١;\r\n"
SCHEDULE_HEADER = HEADER.rstrip("\n") + ",design_moment_x_t_m,design_moment_y_t_m,utilisation\n"
# Without moments each level carries Pu × 2 cm about each axis, the least eccentricity, and has
# no utilisation, which only a design the moments governed has.
GOOD_SCHEDULE = BOM + SCHEDULE_HEADER + (
    "C1,2,1,4,1182.58376635012,30,40,11.8258376635012,6,16,ok,2.64,2.64,\n"
    "C1,2,2,3,886.937824762587,30,30,8.86937824762587,4,16,ok,1.98,1.98,\n"
    "C1,2,3,2,591.291883175058,30,30,5.91291883175058,4,16,ok,1.32,1.32,\n"
    "C1,2,4,1,295.645941587529,30,30,5.4,4,16,ok,0.66,0.66,\n"
    "C2,1,1,1,98.548647195843,30,30,5.4,4,16,ok,0.22,0.22,\n")
FAILING_CSV = "mark,load,floors\nC1,10,1\nC2,1e300,1\n"
BAD_CSV = "mark,load,floors\nC1,10,2\n\nC2,10,0\n"


def run(*arguments, display=None, locale=None):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    if locale:
        env["LC_ALL"] = locale
    if display:
        env["DISPLAY"] = display
    return subprocess.run([PROGRAM, *arguments], capture_output=True, env=env, timeout=60,
                          check=False)


class Design(unittest.TestCase):
    CASES = [
        # arguments, exit status, stdout, words stderr holds
        (["design", "100", "7"], 0,
         BOM + HEADER + ",1,1,7,6898.40530370901,30,230,68.9840530370901,34,16,ok\n", []),
        # fcu 300, fy 4000, b 25, Φ20: 7 × 110 × 1000 / 131.8, 234 → 235 cm, 58.42 / 3.1 → 20.
        (["design", "100", "7", "--fcu", "300", "--fy", "4000", "--width", "25", "--bar", "20"],
         0, BOM + HEADER + ",1,1,7,5842.18512898331,25,235,58.4218512898331,20,20,ok\n", []),
        (["design", "١٠٠", "٧", "--load-factor", "1.1"], 0,
         BOM + HEADER + ",1,1,7,6898.40530370901,30,230,68.9840530370901,34,16,ok\n", []),
        (["design", "1e300", "1"], 1, BOM + HEADER + ",1,1,1,,,,,,,overflow\n", []),
        (["design", "abc", "7"], 2, "", ["الحمل", "LOAD", "not a number"]),
        # As the design window: 2.5 floors carry 100 × 2.5 × 1.1 × 1000 / 111.62 cm², 82.1 cm
        # long → 85, 1 % steel, 24.6 / 2 → 12 bars; 0 floors (and a load of -0) the least section.
        (["design", "100", "2.5"], 0,
         BOM + HEADER + ",1,1,2.5,2463.71617989608,30,85,24.6371617989608,12,16,ok\n", []),
        (["design", "10", "0"], 0, BOM + HEADER + ",1,1,0,0,30,30,5.4,4,16,ok\n", []),
        (["design", "-0", "7"], 0, BOM + HEADER + ",1,1,7,0,30,30,5.4,4,16,ok\n", []),
        (["design", "10", "-0"], 0, BOM + HEADER + ",1,1,0,0,30,30,5.4,4,16,ok\n", []),
        # A value after the command is a value, before or after the options.
        (["design", "-5", "7"], 2, "", ["الحمل «-5»", "سالبة", 'LOAD "-5"', "negative"]),
        (["design", "--fcu", "300", "-5", "7"], 2, "", ['LOAD "-5"', "negative"]),
        (["design", "10", "-3"], 2, "", ['FLOORS "-3"', "negative"]),
        (["design", "10", "-"], 2, "", ['FLOORS "-"', "not complete"]),
        (["design", "", "7"], 2, "", ["LOAD", "empty"]),
        (["design", "10", "x"], 2, "", ['FLOORS "x"', "not a number"]),
        (["design", "100", "7", "--fcu=300"], 0,
         BOM + HEADER + ",1,1,7,5963.4448574969,30,200,59.634448574969,30,16,ok\n", []),
        (["design", "10", "5", "7"], 2, "", ["خطأ في الأوامر", "usage error", "design LOAD FLOORS"]),
        (["design", "10", "5", "-x"], 2, "", ["usage error", "Unknown option 'x'"]),
        (["design", "10", "5", "--bar", "15"], 2, "", ["قطر السيخ", "bar diameter"]),
        (["design", "10", "5", "--width", "25.5"], 2, "", ["--width", "whole number"]),
        (["design", "10", "5", "--fcu", "900"], 2, "", ["fcu", "150–600"]),
        # The column's height and bracing matter only with moments.
        (["design", "100", "7", "--floor-height", "9", "--unbraced"], 0,
         BOM + HEADER + ",1,1,7,6898.40530370901,30,230,68.9840530370901,34,16,ok\n", []),
        (["design", "10", "5", "-o", "x.csv"], 2, "", ["usage error", "Unknown option 'o'"]),
        (["design", "10"], 2, "", ["خطأ في الأوامر", "usage error"]),
    ]

    def test_cases(self):
        for arguments, status, stdout, words in self.CASES:
            with self.subTest(arguments=arguments):
                result = run(*arguments)
                self.assertEqual(status, result.returncode, result.stderr.decode())
                self.assertEqual(stdout, result.stdout.decode())
                for word in words:
                    self.assertIn(word, result.stderr.decode())

    def test_an_unreachable_display_is_never_looked_for(self):
        result = run("design", "100", "7", display=":4242")
        self.assertEqual(0, result.returncode, result.stderr.decode())
        self.assertEqual(b"", result.stderr)

    def test_help_and_version(self):
        for argument, words in (("--help", ["column-designer schedule", "--floor-height", "--mx",
                                            "1 to 200", "كسر أو صفر", "1 إلى 200"]),
                                ("--version", ["column-designer 1."])):
            result = run(argument)
            self.assertEqual(0, result.returncode)
            for word in words:
                self.assertIn(word, result.stdout.decode())


class DesignWithMoments(unittest.TestCase):
    # 40 t on 2 floors: Pu = 88 t, today's 30 × 30 cm with 4 bars, e_min 2 cm both ways.
    CASES = [
        # arguments, exit status, values the JSON holds, words stderr holds
        (["--mx", "5"], 0, {"width_cm": 30, "length_cm": 30, "bars": 10, "bar_diameter_mm": 16,
                            "ultimate_load_t": 88, "design_moment_x_t_m": 5,
                            "design_moment_y_t_m": 1.76, "status": "ok",
                            "moments_governed": True}, []),
        (["--mx=-5"], 0, {"length_cm": 30, "bars": 10, "design_moment_x_t_m": 5}, []),
        ([], 0, {"length_cm": 30, "bars": 4, "design_moment_x_t_m": 1.76, "status": "ok",
                 "moments_governed": False}, []),
        (["--mx", "1.7", "--my", "-1.7"], 0, {"bars": 4, "moments_governed": False}, []),
        (["--my", "10", "--mx", "10", "--bar", "20"], 0, {"bar_diameter_mm": 20, "status": "ok"},
         []),
        # Slender: λ = 1.5 × 500 / 30 = 25 unbraced, beyond 23; 0.85 × 600 / 30 = 17 braced adds
        # 88 × 17² × 30 / 2000 cm.
        (["--my", "5", "--floor-height", "5", "--unbraced"], 1, {"status": "slender"},
         ["λ = 25.0", "23", "slender"]),
        (["--my", "5", "--floor-height", "6"], 0,
         {"design_moment_y_t_m": 5 + 88 * 17 * 17 * 30 / 2000 / 100, "slenderness_y": 17}, []),
        (["--my", "5", "--floor-height", "5", "--k", "1"], 0, {"length_factor": 1}, []),
        (["--my", "1e5"], 1, {"status": "overflow", "utilisation": None, "length_cm": None,
                             "bars": None, "bar_centres_cm": []}, ["300 cm"]),
        (["--mx", "abc"], 2, None, ['--mx "abc"', "not a number", "ليست رقما"]),
        (["--my", "inf"], 2, None, ['--my "inf"', "not a number"]),
        (["--my", "nan"], 2, None, ['--my "nan"', "not a number"]),
        (["--mx", "1e400"], 2, None, ['--mx "1e400"', "too large"]),
        (["--mx", ""], 2, None, ['--mx ""', "not a number"]),
        (["--k", "9", "--mx", "5"], 2, None, ["0.5–3"]),
        (["--floor-height", "11", "--mx", "5"], 2, None, ["floor height", "2–10 m"]),
        (["--format", "xml"], 2, None, ["usage error", "--format csv|json"]),
    ]

    def test_json_and_exit_statuses(self):
        for extra, status, values, words in self.CASES:
            with self.subTest(arguments=extra):
                result = run("design", "40", "2", "--format", "json", *extra)
                self.assertEqual(status, result.returncode, result.stderr.decode())
                for word in words:
                    self.assertIn(word, result.stderr.decode())
                if values is None:
                    self.assertEqual(b"", result.stdout)
                    continue
                design = json.loads(result.stdout)
                for key, value in values.items():
                    if isinstance(value, float):
                        self.assertAlmostEqual(value, design[key], places=9, msg=key)
                    else:
                        self.assertEqual(value, design[key], key)
                if design["status"] == "ok":
                    self.assertEqual(design["bars"], len(design["bar_centres_cm"]))
                    self.assertTrue(0 < design["utilisation"] <= 1)
                    for x, y in design["bar_centres_cm"]:
                        self.assertLess(abs(x), design["width_cm"] / 2)
                        self.assertLess(abs(y), design["length_cm"] / 2)

    def test_larger_moments_never_need_less(self):
        sizes = []
        for moment in ("2", "5", "10", "20", "40", "80"):
            design = json.loads(run("design", "40", "2", "--mx", moment, "--my", "1",
                                    "--format", "json").stdout)
            sizes.append((design["length_cm"], design["bars"]))
        self.assertEqual(sorted(sizes), sizes)
        self.assertGreater(sizes[-1][0], 30)

    def test_csv_carries_the_design_moments(self):
        header = HEADER.rstrip("\n") + ",design_moment_x_t_m,design_moment_y_t_m,utilisation\n"
        result = run("design", "40", "2", "--mx", "5", "--format", "csv", locale="de_DE.UTF-8")
        self.assertEqual(0, result.returncode, result.stderr.decode())
        lines = result.stdout.decode().splitlines(keepends=True)
        self.assertEqual(BOM + header, lines[0])
        self.assertTrue(lines[1].startswith(",1,1,2,788.389177566744,30,30,20,10,16,ok,5,1.76,0."))
        result = run("design", "1e300", "1", "--my", "1")
        self.assertEqual((1, BOM + header + ",1,1,1,,,,,,,overflow,,,\n"),
                         (result.returncode, result.stdout.decode()))
        result = run("design", "1e300", "1", "--format", "json")
        self.assertEqual((1, "overflow"), (result.returncode, json.loads(result.stdout)["status"]))


class Schedule(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = pathlib.Path(self.folder.name)

    def tearDown(self):
        self.folder.cleanup()

    def file(self, name, text):
        path = self.dir / name
        path.write_bytes(text if isinstance(text, bytes) else text.encode())
        return str(path)

    def test_writes_stdout_or_the_file_and_tells_failures(self):
        good = self.file("good.csv", GOOD_CSV)
        result = run("schedule", good)
        self.assertEqual((0, GOOD_SCHEDULE), (result.returncode, result.stdout.decode()))
        out = self.dir / "out.csv"
        result = run("schedule", good, "-o", str(out))
        self.assertEqual((0, b""), (result.returncode, result.stdout))
        self.assertEqual(GOOD_SCHEDULE, out.read_text())

        result = run("schedule", self.file("failing.csv", FAILING_CSV), "--output", str(out))
        self.assertEqual(1, result.returncode)
        self.assertTrue(out.read_text().endswith(",1,1,1,,,,,,,overflow,,,\n"))

    def test_schedule_designs_every_level_with_its_moments(self):
        # The same column with and without moments; a moment's sign changes nothing.
        csv = self.file("moments.csv", "mark,load,floors,mx,عزم y\nM,30,2,20,-5\nN,30,2,-20,5\n"
                        "A,30,2,,\n")
        result = run("schedule", csv)
        self.assertEqual(0, result.returncode, result.stderr.decode())
        rows = [line.split(",") for line in result.stdout.decode().splitlines()[1:]]
        self.assertEqual([row[4:] for row in rows[0:2]], [row[4:] for row in rows[2:4]])
        for bent, axial in zip(rows[0:2], rows[4:6]):
            self.assertGreater((int(bent[6]), int(bent[8])), (int(axial[6]), int(axial[8])))
            self.assertEqual(["20", "5"], bent[11:13])
            self.assertTrue(0 < float(bent[13]) <= 1)
        # Floors of 10 m and a 25 cm width: λ = 34, past 30, so every level is refused.
        result = run("schedule", csv, "--width", "25", "--floor-height", "10")
        self.assertEqual(1, result.returncode)
        statuses = {line.split(",")[10] for line in result.stdout.decode().splitlines()[1:]}
        self.assertEqual({"slender"}, statuses)
        result = run("schedule", self.file("bad.csv", "mark,load,floors,my\nC1,1,1,1\nC2,1,1,x\n"))
        self.assertEqual((2, b""), (result.returncode, result.stdout))
        self.assertIn("3", result.stderr.decode())

    def test_refused_input_writes_nothing(self):
        good = self.file("good.csv", GOOD_CSV)
        kept = self.dir / "kept.csv"
        cases = [
            # input file, extra arguments, words stderr holds
            (self.file("bad.csv", BAD_CSV), [], ["bad.csv", "line 4", '"floors"', "السطر 4"]),
            (self.file("empty.csv", ""), [], ["empty.csv", "the file is empty", "الملف فارغ"]),
            (self.file("header.csv", "mark,load,floors\n"), [], ["line 1", "no columns"]),
            (self.file("unknown.csv", "mark,load,height\nC1,1,1\n"), [], ['"height"']),
            (self.file("long.csv", "mark,load,floors\n" + "9" * 10_000_000 + "x,1,1\n"), [],
             ["line 2", "mark is longer"]),
            (self.file("latin1.csv", b"mark,load,floors\nC\xe9,1,1\n"), [], ["line 2", "UTF-8"]),
            (str(self.dir / "missing.csv"), [], ["missing.csv", "could not read"]),
            (good, ["--floor-height", "12"], ["floor height", "2–10 m"]),
            (good, ["--fy", "x"], ["--fy", "not a number"]),
            (good, ["--floor-height", "1.99"], ["floor height", "2–10 m"]),
            (good, ["--floor-height", "10.01"], ["floor height", "2–10 m"]),
            (self.file("half.csv", "mark,load,floors\nC1,10,2.5\n"), [],
             ["line 2", '"floors"', "not a whole number"]),
            (self.file("cr.csv", "mark,load,floors\r\rC1,1,1\rC2,1,x\r"), [],
             ["cr.csv, line 4", "not a number"]),
            (self.file("wide.csv", "mark,load,floors" + "," * 62 + "\nC1,1,1\n"), [],
             ["line 1", "more than 64 columns"]),
            (self.file("rlo.csv", "mark,load,floors\nC1,1,1\n\u202elive-1C,1,1\n"), [],
             ["line 3", '"mark"', "direction mark"]),
        ]
        for path, extra, words in cases:
            for output in (kept, self.dir / "new.csv", self.dir / "new.pdf"):
                with self.subTest(input=pathlib.Path(path).name, extra=extra, output=output.name):
                    kept.write_text("what was there")
                    result = run("schedule", path, "-o", str(output), *extra)
                    self.assertEqual(2, result.returncode)
                    for word in words:
                        self.assertIn(word, result.stderr.decode())
                    self.assertEqual("what was there", kept.read_text())
                    self.assertFalse((self.dir / "new.csv").exists())
                    self.assertFalse((self.dir / "new.pdf").exists())
        for output in ("out.txt", str(self.dir / "no-folder" / "out.csv")):
            with self.subTest(output=output):
                result = run("schedule", good, "-o", output)
                self.assertEqual((2, b""), (result.returncode, result.stdout))
        inputs = {pathlib.Path(path).name for path, _, _ in cases}
        self.assertEqual({"kept.csv"}, {p.name for p in self.dir.iterdir()} - inputs)

    def test_floor_heights_at_the_ends_of_the_range(self):
        good = self.file("good.csv", GOOD_CSV)
        result = run("schedule", good, "--floor-height", "2")
        self.assertEqual((0, GOOD_SCHEDULE), (result.returncode, result.stdout.decode()))
        # Floors of 10 m make the 30 cm width slender (λ = 0.85 × 1000 / 30 = 28.3, past 15):
        # the added moment of slenderness enlarges the loaded levels, none smaller, all within
        # λ's limit of 30.
        result = run("schedule", good, "--floor-height", "10")
        self.assertEqual(0, result.returncode)
        sections = []
        for tall, short in zip(result.stdout.decode().splitlines()[1:],
                               GOOD_SCHEDULE.splitlines()[1:]):
            tall, short = tall.split(","), short.split(",")
            self.assertEqual("ok", tall[10])
            sections.append(((int(tall[6]), int(tall[8])), (int(short[6]), int(short[8]))))
        self.assertTrue(all(tall >= short for tall, short in sections))
        self.assertGreater(*sections[0])

    def test_output_through_a_link_and_never_over_anything_but_a_file(self):
        good = self.file("good.csv", GOOD_CSV)
        target = self.dir / "target.csv"
        target.write_text("what was there")
        link = self.dir / "link.csv"
        link.symlink_to(target)
        result = run("schedule", good, "-o", str(link))
        self.assertEqual(0, result.returncode, result.stderr.decode())
        self.assertTrue(link.is_symlink())
        self.assertEqual(GOOD_SCHEDULE, target.read_text())

        os.mkfifo(self.dir / "pipe.csv")
        (self.dir / "folder.csv").mkdir()
        (self.dir / "to-pipe.csv").symlink_to(self.dir / "pipe.csv")
        (self.dir / "to-nothing.csv").symlink_to(self.dir / "nothing.csv")
        before = sorted(p.name for p in self.dir.iterdir())
        for name in ("pipe.csv", "folder.csv", "to-pipe.csv", "to-nothing.csv"):
            with self.subTest(output=name):
                result = run("schedule", good, "-o", str(self.dir / name))
                self.assertEqual(2, result.returncode)
                self.assertIn("neither a regular file nor a new name", result.stderr.decode())
                self.assertIn("ليس ملفا عاديا", result.stderr.decode())
        self.assertTrue((self.dir / "pipe.csv").is_fifo())
        self.assertTrue((self.dir / "folder.csv").is_dir())
        self.assertEqual(before, sorted(p.name for p in self.dir.iterdir()))

    def test_formulas_in_marks_are_written_as_text(self):
        marks = "mark,load,floors\n\"=HYPERLINK(\"\"x\"\")\",1,1\n@SUM(A1),1,1\n-2+3,1,1\n'=x,1,1\n"
        result = run("schedule", self.file("formulas.csv", marks))
        self.assertEqual(0, result.returncode, result.stderr.decode())
        cells = [line.split(",")[0] for line in result.stdout.decode().splitlines()[1:]]
        self.assertEqual(['"\'=HYPERLINK(""x"")"', "'@SUM(A1)", "'-2+3", "'=x"], cells)

    def test_repeated_marks_are_a_warning(self):
        result = run("schedule", self.file("twice.csv", "mark,load,floors\nC1,1,1\nC1,2,1\n"))
        self.assertEqual(0, result.returncode)
        self.assertIn('the mark "C1" is repeated on lines 2, 3', result.stderr.decode())

    def test_pdf_pages_each_carry_a_table_header(self):
        rows = "".join(f"C{i},{10 * (i % 9 + 1)},{i % 9 + 1},{i % 3 + 1}\n" for i in range(90))
        csv = self.file("big.csv", "mark,load,floors,count\n" + rows)
        pdf = self.dir / "big.pdf"
        result = run("schedule", csv, "-o", str(pdf))
        self.assertEqual(0, result.returncode, result.stderr.decode())
        self.assertEqual(b"", result.stderr)
        info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True, check=True)
        pages = int(next(line.split()[1] for line in info.stdout.splitlines()
                         if line.startswith("Pages:")))
        self.assertGreater(pages, 5)
        for page in range(1, pages + 1):
            text = subprocess.run(["pdftotext", "-f", str(page), "-l", str(page), str(pdf), "-"],
                                  capture_output=True, text=True, check=True).stdout
            letters = unicodedata.normalize("NFKC", text)
            with self.subTest(page=page):
                self.assertIn("جدول الأعمدة", letters)
                self.assertTrue("الرمز" in letters or "النوع" in letters)
        first = subprocess.run(["pdftotext", "-l", "1", str(pdf), "-"], capture_output=True,
                               text=True, check=True).stdout
        self.assertIn("985.48647195843", first)  # C0: 10 t on one floor


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=1)
