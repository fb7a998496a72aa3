// The web module against the native library: the same answers, byte for byte, on the worked
// examples and on a few thousand generated inputs. The native answers come from
// native_answers (its path in COLDESIGN_NATIVE_ANSWERS); the module from the assembled web
// folder (COLDESIGN_WEB_DIR, built by the wasm preset).

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync } from "node:fs";
import path from "node:path";
import { test } from "node:test";
import { pathToFileURL } from "node:url";

const webDir = process.env.COLDESIGN_WEB_DIR;
const nativeAnswers = process.env.COLDESIGN_NATIVE_ANSWERS;
assert.ok(webDir && nativeAnswers, "COLDESIGN_WEB_DIR and COLDESIGN_NATIVE_ANSWERS must be set");
const modulePath = path.join(webDir, "calculation.js");
assert.ok(existsSync(modulePath), `${modulePath} is missing: build the wasm preset first`);

const { default: loadCalculation } = await import(pathToFileURL(modulePath).href);
const calculation = await loadCalculation();
const { default: loadSchedule, columnEntry } =
  await import(pathToFileURL(path.join(webDir, "schedule.js")).href);
const schedule = await loadSchedule();

// --- Generated inputs, the same on every run.

function randomSource(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
  };
  const below = (n) => Math.floor(next() * n);
  const pick = (items) => items[below(items.length)];
  return { next, below, pick };
}

const DIGIT_ZEROS = [0x30, 0x660, 0x6f0]; // ASCII, Arabic-Indic, Eastern Arabic-Indic
const JUNK = ["a", "x", "E", ",", "٬", "%", "٪", "$", "-", "+", ".", "٫", " ", "\t", "\u00a0",
  "ي", "😀", "\ud83d", "\ude00", "1/2", "inf", "NaN", "0x1F", "\u0000"];

function digits(random, count, script) {
  let text = "";
  for (let i = 0; i < count; i++) {
    const zero = script ?? random.pick(DIGIT_ZEROS);
    text += String.fromCodePoint(zero + random.below(10));
  }
  return text;
}

// Mostly numbers as a person types them, in any script, with now and then a sign, blanks, an
// exponent, a huge or tiny magnitude, or junk somewhere.
function numberText(random) {
  const script = random.next() < 0.6 ? random.pick(DIGIT_ZEROS) : undefined;
  let text = "";
  if (random.next() < 0.15) text += random.pick(["-", "+"]);
  text += digits(random, random.below(random.next() < 0.05 ? 400 : 5), script);
  if (random.next() < 0.5) {
    text += random.pick([".", "٫"]) + digits(random, random.below(8), script);
  }
  if (random.next() < 0.15) {
    const exponent = random.pick(["1", "2", "15", "300", "308", "309", "400", "99999"]);
    text += random.pick(["e", "E"]) + random.pick(["", "+", "-"]) + exponent;
  }
  if (random.next() < 0.1) text = " ".repeat(random.below(3)) + text + " ".repeat(random.below(3));
  if (random.next() < 0.1) {
    const at = random.below(text.length + 1);
    text = text.slice(0, at) + random.pick(JUNK) + text.slice(at);
  }
  return text;
}

function junkText(random) {
  let text = "";
  for (let i = random.below(6); i > 0; i--) {
    text += random.next() < 0.5 ? random.pick(JUNK) : digits(random, 1);
  }
  return text;
}

const random = randomSource(20130907);
const texts = (count, make) => Array.from({ length: count }, () => make(random));
const anyText = (r) => (r.next() < 0.8 ? numberText(r) : junkText(r));

const WORKED_EXAMPLES = [["10", "5"], ["30", "4"], ["50", "7"], ["100", "7"], ["١٠", "٥"],
  ["1.2", "7"], ["1000", "100"], ["1e300", "1e10"], ["abc", "5"]];

const designInputs = [
  ...WORKED_EXAMPLES,
  ...texts(2500, (r) => [numberText(r), r.next() < 0.9 ? String(r.below(12)) : numberText(r)]),
  ...texts(300, (r) => [anyText(r), anyText(r)]),
];
const numericInputs = ["", " ", "-", ".", "٫", "1e", "1e400", "-0", ...texts(2000, anyText)];
const checkInputs = [["", ""], ["", "-1"], ["-1", ""], ["-1", "1"], ["1", "-1"], ["-0", "0"],
  ["-", "1"], ["1", "5e-"],
  ...texts(500, (r) => [r.next() < 0.1 ? "" : anyText(r), r.next() < 0.1 ? "" : anyText(r)])];

// Edits of a numeric text as a person makes them: a key typed or a text pasted at the caret, or
// a stretch deleted; the caret stands after the insertion or where the deletion was.
function plainNumber(r) {
  const script = r.pick(DIGIT_ZEROS);
  let text = r.next() < 0.1 ? "-" : "";
  text += digits(r, 1 + r.below(5), script);
  if (r.next() < 0.4) text += r.pick([".", "٫"]) + digits(r, r.below(4), script);
  return text;
}
const PIECES = [...JUNK, "،", "1", "٥", "۷", "e", "e5", "1,000", "١٬٠٠٠", " 5", "--"];
// Long pastes (they grow the module's memory) come first, so that the short edits after them
// read and write the grown memory.
const LONG_PASTES = [
  { text: "٣".repeat(50000), caret: 50000, last: "" },
  { text: "1".repeat(60000) + "😀" + "2".repeat(60000), caret: 60002, last: "12" },
  { text: "9".repeat(100000) + "a", caret: 100001, last: "9" },
];
const guardInputs = [...LONG_PASTES, ...texts(2000, (r) => {
  const last = r.next() < 0.15 ? "" : plainNumber(r);
  const at = r.below(last.length + 1);
  if (r.next() < 0.2 && last.length > 0) {
    const end = at + 1 + r.below(last.length - at);
    return { text: last.slice(0, at) + last.slice(end), caret: at, last };
  }
  const piece = r.next() < 0.8 ? r.pick(PIECES) : anyText(r);
  return { text: last.slice(0, at) + piece + last.slice(at), caret: at + piece.length, last };
})];

// Materials as typed: mostly in range, in any digits, now and then out of range or not a number.
const MATERIAL_TEXTS = {
  fcu: ["250", "300", "٤٠٠", "150", "600", "149", "601", "abc", ""],
  fy: ["3600", "4000", "۲۸۰۰", "2400", "5200", "2399", "5201", "1e9"],
  width: ["30", "25", "٤٠", "20", "100", "19", "101", "30.5", "-30"],
  barDiameter: ["16", "10", "12", "20", "25", "32", "15", "16.5", "0"],
  loadFactor: ["1.1", "1", "2", "1٫5", "1.25", "0.99", "2.01", ","],
};
const materialsText = (r) => Object.fromEntries(Object.entries(MATERIAL_TEXTS)
  .map(([name, values]) => [name, r.next() < 0.6 ? values[0] : r.pick(values)]));
const materialsInputs = texts(600, materialsText);
const workingInputs = [...WORKED_EXAMPLES.map(([l, f]) => [l, f, materialsText({ next: () => 0 })]),
  ...texts(1500, (r) => [numberText(r), String(1 + r.below(12)), materialsText(r)])];

// Schedules as a person or a spreadsheet writes them: English or Arabic names in any order, the
// count now and then left out, comma or semicolon, a BOM, CRLF, blank lines, quoted marks, any
// digits; and now and then a fault a file may hold.
const NAMES = { mark: ["mark", "Mark", "الرمز"], load: ["load", "LOAD", "الحمل"],
  floors: ["floors", "الأدوار", "الادوار"], count: ["count", "العدد"],
  mx: ["mx", "MX", "عزم x"], my: ["my", "عزم Y"] };
const MOMENTS = ["", "0", "5", "-12.5", "٢٫٥", "40", "-0", "150"];
const MARKS = ["C1", "C2", "ع١", "C 3", "C,4", 'C"5', "", "  C6  ", "C1"];
function scheduleCsv(r) {
  const separator = r.pick([",", ";"]);
  const newline = r.pick(["\n", "\r\n"]);
  const fields = ["mark", "load", "floors", ...(r.next() < 0.7 ? ["count"] : []),
    ...(r.next() < 0.25 ? ["mx", "my"] : [])].sort(() => r.next() - 0.5);
  const quote = (value) => (/[,;"\r\n]/.test(value) ? `"${value.replaceAll('"', '""')}"` : value);
  const values = {
    mark: () => r.pick(MARKS),
    load: () => (r.next() < 0.97 ? String(r.below(300)) + r.pick(["", ".5", "٫25", "e1"])
      : r.pick(["-5", "x", "", "1e300", "۱۲۰", " 40 "])),
    floors: () => (r.next() < 0.97 ? r.pick(["1", "2", "3", "5", "7", "9", "٣", "۵", "١٢"])
      : r.pick(["0", "2.5", "201", ""])),
    count: () => (r.next() < 0.98 ? r.pick(["", "1", "2", "٣", "10"]) : r.pick(["0", "x"])),
    mx: () => (r.next() < 0.98 ? r.pick(MOMENTS) : r.pick(["x", "1e400", "=A1"])),
    my: () => r.pick(MOMENTS),
  };
  const lines = [fields.map((f) => r.pick(NAMES[f])).join(separator)];
  for (let i = 1 + r.below(8); i > 0; i--) {
    lines.push(fields.map((f) => quote(values[f]())).join(separator));
    if (r.next() < 0.1) lines.push(r.pick(["", "  ", separator.repeat(fields.length - 1)]));
  }
  if (r.next() < 0.08) lines.push(r.pick(['"C9,5,2', "C9,5,2,1,9", "x"]));
  if (r.next() < 0.05) lines[0] += separator + "weight";
  return (r.next() < 0.5 ? "\ufeff" : "") + lines.join(newline) + (r.next() < 0.7 ? newline : "");
}
const scheduleInputs = [
  { csv: "mark,load,floors,count\nC1,50,7,2\nC2,100,7,1\nC3,30,4,\n", height: "3" },
  { csv: "\ufeffالرمز;الحمل;الأدوار\r\nع١;٥٠;٧\r\n", height: "٣٫٥" },
  { csv: "mark,load,floors\nC1,1e300,3\n", height: "3" },
  { csv: "mark,load,floors\nC1,50,7\n", height: "1.5" },
  { csv: "mark,load,floors,mx,my\nC1,50,7,30,-10\nC2,30,3,,2\nC3,30,3,1e5,\n", height: "3" },
  { csv: "mark,load,floors,عزم x\nC1,50,3,5\nC2,5,2,\n", height: "10" },
  { csv: "", height: "3" },
  { csv: "mark,load,floors\n", height: "3" },
  { csv: "mark,load\nC1,5\n", height: "3" },
  ...texts(400, (r) => ({ csv: scheduleCsv(r),
    height: r.next() < 0.9 ? "3" : r.pick(["3.2", "1", "x"]) })),
].map((input, i) => ({ ...input, materials: i < 9 || random.next() < 0.8
  ? materialsText({ next: () => 0 }) : materialsText(random) }));

const SIZES_CM = [30, 25, 40, 45, 60, 115, 230, 7.4, 7.5, 10, 0, -30, NaN, Infinity, 1e300];
// 1e6 is the most the module takes as a count; one even count more is refused.
const BAR_COUNTS = [4, 6, 8, 18, 34, 56, 5, 2, 0, -4, 4.5, NaN, Infinity, 1e6, 1e6 + 2, 1e7];
const layoutInputs = texts(600, (r) => ({
  widthCm: r.next() < 0.7 ? r.pick(SIZES_CM) : 20 + r.next() * 100,
  lengthCm: r.next() < 0.5 ? r.pick(SIZES_CM) : 20 + r.next() * 300,
  barCount: r.next() < 0.8 ? 4 + 2 * r.below(20) : r.pick(BAR_COUNTS),
  barDiameterMm: r.next() < 0.5 ? 16 : r.pick([10, 12, 20, 25, 32, 0, NaN]),
}));

// --- The native answers, asked all at once.

const encoder = new TextEncoder();
const hex = (text) => Buffer.from(encoder.encode(text)).toString("hex");
const numberArg = (x) => (Number.isNaN(x) ? "nan" : Object.is(x, -0) ? "-0" : String(x)
  .replace("Infinity", "inf"));

function askNative(questions) {
  const output = execFileSync(nativeAnswers, { input: questions.join("\n") + "\n",
    maxBuffer: 64 * 1024 * 1024 });
  const lines = output.toString("utf8").split("\n").slice(0, -1);
  assert.equal(lines.length, questions.length, "native_answers answered every line");
  return lines.map((line, i) => {
    try {
      return JSON.parse(line);
    } catch {
      throw new Error(`native_answers: "${line}" for "${questions[i]}"`);
    }
  });
}

// Compares every case and reports the first few that differ, with their inputs.
function expectSameAnswers(inputs, questions, ask) {
  const expected = askNative(questions);
  const differences = [];
  inputs.forEach((input, i) => {
    const actual = ask(input);
    try {
      assert.deepStrictEqual(actual, expected[i]);
    } catch {
      differences.push({ input, module: actual, native: expected[i] });
    }
  });
  assert.deepStrictEqual(differences.slice(0, 5), [], `${differences.length} of ${inputs.length}`);
}

test("designColumn writes the native texts, and fails where it fails", () => {
  expectSameAnswers(designInputs, designInputs.map(([l, f]) => `design ${hex(l)} ${hex(f)}`),
    ([load, floors]) => calculation.designColumn(load, floors));
});

test("isNumericText accepts exactly the native numeric texts", () => {
  expectSameAnswers(numericInputs, numericInputs.map((t) => `numeric ${hex(t)}`),
    (text) => calculation.isNumericText(text));
});

test("checkInputs finds the native first problem", () => {
  expectSameAnswers(checkInputs, checkInputs.map(([l, f]) => `check ${hex(l)} ${hex(f)}`),
    ([load, floors]) => calculation.checkInputs(load, floors));
});

test("guardText leaves the native text and caret", () => {
  expectSameAnswers(guardInputs,
    guardInputs.map(({ text, caret, last }) => `guard ${hex(text)} ${caret} ${hex(last)}`),
    ({ text, caret, last }) => calculation.guardText(text, caret, last));
});

test("layOutSection places the native bars", () => {
  expectSameAnswers(layoutInputs, layoutInputs.map(({ widthCm, lengthCm, barCount,
    barDiameterMm }) =>
    `layout ${numberArg(widthCm)} ${numberArg(lengthCm)} ${numberArg(barCount)} ` +
    numberArg(barDiameterMm)),
  (input) => calculation.layOutSection(input));
});

const materialsArgs = (m) => [m.fcu, m.fy, m.width, m.barDiameter, m.loadFactor].map(hex).join(" ");

test("checkMaterials refuses the native first choice", () => {
  expectSameAnswers(materialsInputs, materialsInputs.map((m) => `materials ${materialsArgs(m)}`),
    (m) => calculation.checkMaterials(m));
});

test("designWithWorking gives the native results, working and materials' numbers", () => {
  expectSameAnswers(workingInputs,
    workingInputs.map(([l, f, m]) => `working ${hex(l)} ${hex(f)} ${materialsArgs(m)}`),
    ([load, floors, materials]) => calculation.designWithWorking(load, floors, materials));
});

// The sheet's content comes from the module as catalogue keys the page's texts hold, and its
// steps end at the results of the same design.
test("designReport reports the design designWithWorking gives, or nothing where it fails",
     async () => {
  const { texts } = await import(pathToFileURL(path.join(webDir, "texts.js")).href);
  for (const [load, floors, materials] of workingInputs) {
    const design = calculation.designWithWorking(load, floors, materials);
    const report = calculation.designReport(load, floors, materials);
    if (!design.ok) {
      assert.equal(report, null, `${load} t, ${floors} floors`);
      continue;
    }
    assert.deepEqual(report.filter((line) => line.part === "step").map((line) => line.value),
      [`Ac = ${design.requiredAreaText} cm²`, `t = ${design.lengthText} cm`,
        `As = ${design.steelAreaText} cm²`, `N = ${design.barCountText}`]);
    for (const { part, text: [key] } of report) {
      assert.ok(part !== undefined && (key === "" || (key in texts("ar") && key in texts("en"))),
        `${part}: ${key}`);
    }
  }
});

test("the schedule module reads, designs and writes every schedule as the native engine", () => {
  expectSameAnswers(scheduleInputs, scheduleInputs.map(({ csv, height, materials }) =>
    `schedule ${hex(csv)} ${materialsArgs(materials)} ${hex(height)}`),
  ({ csv, height, materials }) => {
    const designed = schedule.designSchedule(encoder.encode(csv), materials, height);
    return designed.ok ? { ...designed, csv: Buffer.from(designed.csv).toString("hex") } : designed;
  });
});

test("every function refuses arguments the page never passes", () => {
  const refusals = [
    [() => calculation.isNumericText(5), TypeError],
    [() => calculation.designColumn("50"), TypeError],
    [() => calculation.checkInputs(null, "7"), TypeError],
    [() => calculation.guardText(12, 0, ""), TypeError],
    [() => calculation.guardText("12", "2", ""), TypeError],
    [() => calculation.guardText("12", 2), TypeError],
    [() => calculation.guardText("12", 3, ""), RangeError],
    [() => calculation.guardText("12", -1, ""), RangeError],
    [() => calculation.guardText("12", 1.5, ""), RangeError],
    [() => calculation.guardText("e5", 0, "abc"), RangeError],
    [() => calculation.guardText("5", 1, "1a"), RangeError],
    [() => calculation.layOutSection(), TypeError],
    [() => calculation.layOutSection({ widthCm: "30", lengthCm: 45, barCount: 6 }), TypeError],
    [() => calculation.layOutSection({ widthCm: 30, lengthCm: 45, barCount: 6,
      barDiameterMm: "20" }),
      TypeError],
    [() => calculation.checkMaterials({ ...calculation.rules.defaultMaterials, fcu: 250 }),
      TypeError],
    [() => calculation.designWithWorking("50", "7"), TypeError],
    [() => calculation.designReport("50", 7, calculation.rules.defaultMaterials), TypeError],
    [() => schedule.designSchedule("mark,load,floors\nC1,5,2", calculation.rules.defaultMaterials,
      "3"), TypeError],
    [() => schedule.designSchedule(new Uint8Array(), calculation.rules.defaultMaterials, 3),
      TypeError],
    [() => schedule.designScheduleRows([["C1", "5", "2"]], calculation.rules.defaultMaterials,
      "3"), TypeError],
  ];
  for (const [call, error] of refusals) assert.throws(call, error, String(call));
  // The beginnings of a number are texts a field may hold.
  for (const last of ["", "-", ".", "5e", "5e-", "٫"]) {
    assert.doesNotThrow(() => calculation.guardText(`${last}1`, last.length + 1, last), last);
  }
});

test("a huge input leaves the module's memory no larger than it was", () => {
  const before = calculation.memoryBytes();
  const huge = "1".repeat(10_000_000);
  calculation.guardText(huge, huge.length, "");
  calculation.designColumn(huge, huge);
  assert.ok(calculation.memoryBytes() <= before, `${calculation.memoryBytes()} bytes`);
  assert.equal(calculation.designColumn("50", "7").barCountText, "18");
});

test("designScheduleRows reads a table's rows as the CSV file of the same rows, naming the row",
  () => {
    const materials = calculation.rules.defaultMaterials;
    const rows = [["C,1", "50", "7", "2"], ["", "", "", ""], ['ع"2', "٣٠", "٤", ""]];
    const file = 'mark,load,floors,count\n"C,1",50,7,2\n\n"ع""2",٣٠,٤,\n';
    const fromFile = schedule.designSchedule(encoder.encode(file), materials, "3");
    assert.deepStrictEqual(schedule.designScheduleRows(rows, materials, "3"), fromFile);
    assert.deepStrictEqual(
      schedule.designScheduleRows([...rows, ["C3", "5", "0", ""]], materials, "3"),
      { ok: false, problem: "input", row: 4, field: "floors", kind: "floors-out-of-range",
        column: "floors" });
  });

test("a table's moments reach the engine as a file's mx and my, and come back as typed", () => {
  const materials = calculation.rules.defaultMaterials;
  const rows = [["A", "50", "4", "", "12", "-3"], ["B", "50", "4", "", "", ""], ["C", "5", "2", ""]];
  const file = "mark,load,floors,count,mx,my\nA,50,4,,12,-3\nB,50,4,,,\nC,5,2,,,\n";
  const fromFile = schedule.designSchedule(encoder.encode(file), materials, "3");
  assert.deepStrictEqual(schedule.designScheduleRows(rows, materials, "3"), fromFile);
  const packed = schedule.designSchedulePacked(encoder.encode(file), materials, "3");
  assert.deepStrictEqual([0, 1, 2].map((c) => columnEntry(packed, c)), [
    ["A", "50", "4", "1", "12", "-3"], ["B", "50", "4", "1", "", ""], ["C", "5", "2", "1", "", ""]]);
  const refused = schedule.designScheduleRows([["A", "50", "4", "", "12", "1x"]], materials, "3");
  assert.deepStrictEqual([refused.row, refused.field], [1, "moment-y"]);
});

test("typed marks reach the engine as typed: formula starts kept, unprintable marks refused",
  () => {
    const materials = calculation.rules.defaultMaterials;
    const rows = [["=1+1", "50", "7", ""], ["'=x", "50", "7", ""], ["-5", "50", "7", ""]];
    const levels = new TextDecoder().decode(schedule.designScheduleRows(rows, materials, "3").csv)
      .split("\n").slice(1).map((line) => line.split(",")[0]);
    // Each written after the writers' quote, so the download opens as text in a spreadsheet.
    assert.deepStrictEqual([...new Set(levels.filter(Boolean))], ["'=1+1", "''=x", "'-5"]);
    assert.deepStrictEqual(
      schedule.designScheduleRows([["C1", "5", "2", ""], ["C\n2", "5", "2", ""]], materials, "3"),
      { ok: false, problem: "input", row: 2, field: "mark", kind: "mark-not-printable",
        column: "mark" });
    const header = Array.from({ length: 65 }, (_, i) => `c${i}`).join(",");
    assert.equal(schedule.designSchedule(encoder.encode(`${header}\n`), materials, "3").kind,
      "header-too-long");
  });

// The shapes the page relies on, on the worked examples.
test("the worked examples, as the page reads them", () => {
  assert.deepStrictEqual(calculation.designColumn("50", "7"), { ok: true,
    requiredAreaText: "3449.20265185451", lengthText: "115", steelAreaText: "34.4920265185451",
    barCountText: "18" });
  assert.deepStrictEqual(calculation.designColumn("1000", "100"), { ok: false,
    failure: "overflow", partial: { requiredAreaText: "985486.47195843", lengthText: "",
      steelAreaText: "", barCountText: "" } });
  assert.equal(calculation.checkInputs("10", "-5"), "negative");
  assert.equal(calculation.checkInputs("10", "5"), null);
  assert.equal(calculation.checkInputs("-", "5"), "unfinished");
  assert.deepStrictEqual(calculation.guardText("١a٢", 2, "١٢"),
    { text: "١٢", caret: 1, droppedSeparator: false });
  assert.equal(calculation.layOutSection({ widthCm: 30, lengthCm: 45, barCount: 6 }).bars.length,
    6);
});
