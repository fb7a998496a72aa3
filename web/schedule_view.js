// The column schedule: columns typed, pasted from a spreadsheet or read from a CSV file
// (schedule_entries.js); every level of every column, the types and the quantities as the
// engine designs them, in a worker (schedule_designer.js); the CSV as the desktop's command line
// writes it, and print. A schedule whose rows, materials or floor height have changed since is
// marked as the earlier values', and its download waits for Design.

import { OtherBuild } from './schedule_designer.js';
import {
  columnEntry, columnMark, levelCount, levelValues, typeRow, typeRowCount,
} from './schedule.js';
import { createEntries, rememberedSchedule } from './schedule_entries.js';
import {
  calculationUnavailable, fileUnreadableText, floorHeightProblemText, otherBuildText,
  scheduleCellText, scheduleMaterialsText, scheduleProblemText, summaryLines, tableTitles,
  typeColumnsText,
} from './messages.js';
import { LEVEL_TITLES, TYPE_TITLES } from './module_contract.js';
import { virtualRows } from './virtual_rows.js';

// The columns of a file read made into rows of the table at most so many a task.
const ENTRIES_PER_TASK = 2_000;
// The types table's columns, as the schedule window's.
const TYPE_KEYS = ['type', 'columns', 'count', 'levels', 'section', 'bars', 'concrete', 'steel'];
// A type's list of columns holds so many marks at first and so many more each time it is
// scrolled near its end, and all of them printed: the lists of a hundred thousand columns laid
// out at once held the page still for over half a second.
const MARKS_PER_STEP = 100;

function cell(name, attributes) {
  const made = document.createElement(name);
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, value);
  return made;
}

// A table row made by copying a template row, which is faster than cell by cell. Its roles are
// told, since the rows are laid out as grids rather than table rows.
function rowMaker(cells) {
  const template = cell('tr', { role: 'row' });
  for (const made of cells) {
    made.setAttribute('role', made.tagName === 'TH' ? 'columnheader' : 'cell');
    template.append(made);
  }
  return () => template.cloneNode(true);
}

// Resolves in a task of its own: a large schedule is shown in steps, the page drawn between.
const nextTask = () => new Promise((resolve) => {
  setTimeout(resolve);
});

const header = (table, keys, names) => {
  table.tHead.replaceChildren(rowMaker(keys.map((key, i) => {
    const made = cell('th', { scope: 'col', 'data-key': key });
    made.textContent = names[i];
    return made;
  }))());
};

// `designer`: a scheduleDesigner; `otherBuild()`: told when the page's build is no longer the
// one the site serves.
export function createScheduleView(elements, calculation, designer,
                                   { materials, showMessage, otherBuild }) {
  const {
    entriesBox, entries: entriesBody, addRow, file, floorHeight, storageNote, materialsNote,
    design, results, staleNote, levelsBox, levels, typesBox, types, notes, download, print,
  } = elements;
  const saved = rememberedSchedule();
  floorHeight.value = saved.floorHeight ?? calculation.rules.texts.floorHeight;

  // The schedule on show, what it was designed from, and the materials' numbers it used.
  let shown = null;
  let rowsVersion = 0;
  const inputsNow = () => JSON.stringify([rowsVersion, materials.materials(), floorHeight.value]);
  const showStaleness = () => {
    const stale = shown !== null && inputsNow() !== shown.inputs;
    results.classList.toggle('stale', stale);
    staleNote.hidden = !stale;
    download.disabled = stale;
  };
  const entries = createEntries({ box: entriesBox, body: entriesBody, addRow, floorHeight,
    storageNote }, saved.rows, () => {
    rowsVersion++;
    showStaleness();
  });

  const levelRows = virtualRows(levelsBox, levels.tBodies[0], (i) => {
    const { schedule, newLevel, status } = shown;
    const values = levelValues(schedule, i);
    const row = newLevel();
    row.dataset.mark = values[0];
    row.dataset.level = values[2];
    values.forEach((value, j) => {
      row.cells[j].textContent = value;
    });
    if (values[status] !== 'ok') row.className = 'failed';
    if (schedule.columns.repeated[schedule.levelColumn[i]]) row.cells[0].className = 'repeated';
    return row;
  });

  const markOf = (c) => columnMark(shown.schedule, c);
  // The types' rows, one a segment and the total last, as the engine lays them out, drawn as
  // they come into sight.
  const typeRows = virtualRows(typesBox, types.tBodies[0], (i) => {
    const { schedule, newType } = shown;
    const { type: t, failed, total, kinds, cells } = typeRow(schedule, i);
    const row = newType();
    const type = schedule.types[t];
    kinds.forEach((kind, j) => {
      row.cells[j].textContent = scheduleCellText(kind, cells[j],
        () => typeColumnsText(type, 0, MARKS_PER_STEP, markOf));
      if (kind === 'marks') {
        row.cells[j].dataset.marks = String(Math.min(type.columns.length, MARKS_PER_STEP));
      }
    });
    if (total) row.className = 'total';
    if (failed) row.className = 'failed';
    return row;
  });
  // Adds up to `count` more marks to a list of columns (a cell with data-marks).
  const moreMarks = (cell, count) => {
    const { schedule } = shown;
    const type = schedule.types[schedule.typeRows.type[Number(cell.parentElement.dataset.index)]];
    const from = Number(cell.dataset.marks);
    const to = Math.min(type.columns.length, from + count);
    if (to === from) return;
    cell.append(typeColumnsText(type, from, to, markOf));
    cell.dataset.marks = String(to);
  };
  types.tBodies[0].addEventListener('scroll', ({ target }) => {
    if (target.dataset?.marks !== undefined &&
        target.scrollTop + 2 * target.clientHeight >= target.scrollHeight) {
      moreMarks(target, MARKS_PER_STEP);
    }
  }, { capture: true, passive: true });
  // After virtualRows has drawn every row for print.
  window.addEventListener('beforeprint', () => {
    for (const cell of types.querySelectorAll('td[data-marks]')) moreMarks(cell, Infinity);
  });
  const showTypes = () => {
    const { schedule } = shown;
    header(types, TYPE_KEYS, tableTitles(TYPE_TITLES));
    shown.newType = rowMaker(TYPE_KEYS.map((key) => cell('td', { 'data-key': key })));
    typeRows.show(typeRowCount(schedule));
    notes.replaceChildren(...summaryLines(schedule.summary)
      .map((text) => Object.assign(document.createElement('p'), { textContent: text })));
  };

  const showSchedule = async (schedule, used, inputs) => {
    const keys = schedule.header.map((key) => cell('td', { 'data-key': key }));
    shown = { schedule, used, inputs, newLevel: rowMaker(keys),
      status: schedule.header.indexOf('status') };
    results.hidden = false;
    header(levels, schedule.header, tableTitles(LEVEL_TITLES));
    levelRows.show(levelCount(schedule));
    showStaleness();
    await nextTask();
    showTypes();
  };

  // The design's materials, for the line above the table (from a design of nothing, which the
  // engine answers with the materials' numbers all the same).
  const usedMaterials = () => {
    const answer = calculation.designWithWorking('', '', materials.materials());
    return answer.materials ?? null;
  };
  const showMaterials = () => {
    const used = usedMaterials();
    materialsNote.textContent = used ? scheduleMaterialsText(used)
      : materials.problemText(calculation.checkMaterials(materials.materials()));
  };

  // While a schedule is designed the table of columns waits, so that nothing typed meanwhile
  // lands where the file's rows come, and the tables say they are busy.
  const busy = (on) => {
    entriesBox.inert = on;
    for (const control of [addRow, file, design]) control.disabled = on;
    for (const table of [levels, types]) table.toggleAttribute('aria-busy', on);
  };
  // Designs `request` ({ file } or { rows }) and shows it, then awaits `whenShown(schedule)`
  // before the table of columns takes edits again; a refusal gets the engine's message and
  // leaves the tables as they were.
  async function run(request, focusRefused, whenShown = () => {}) {
    const inputs = inputsNow();
    const chosen = materials.materials();
    busy(true);
    let schedule;
    try {
      schedule = await designer.design({ ...request, materials: chosen,
        floorHeight: floorHeight.value });
      if (schedule.ok) {
        await showSchedule(schedule, usedMaterials(), inputs);
        await nextTask();
        await whenShown(schedule);
        return schedule;
      }
    } catch (error) {
      if (error instanceof OtherBuild) {
        otherBuild();
        showMessage(otherBuildText());
      } else {
        showMessage(calculationUnavailable());
      }
      return null;
    } finally {
      busy(false);
    }
    if (schedule.problem === 'materials') {
      showMessage(materials.problemText(schedule.choice));
    } else if (schedule.problem === 'floor-height') {
      showMessage(floorHeightProblemText(calculation.rules), () => floorHeight.focus());
    } else {
      showMessage(scheduleProblemText({ ...request.refusal, ...schedule }, calculation.rules),
                  () => focusRefused?.(schedule));
    }
    return null;
  }

  design.addEventListener('click', () => run({ rows: entries.rows() },
    ({ row, field }) => entries.focus(row, field)));

  // A file read fills the table of columns too, to be edited and designed again.
  file.addEventListener('change', async () => {
    const [chosen] = file.files;
    file.value = '';
    if (!chosen) return;
    busy(true);
    let bytes;
    try {
      bytes = new Uint8Array(await chosen.arrayBuffer());
    } catch {
      busy(false);
      showMessage(fileUnreadableText(chosen.name));
      return;
    }
    await run({ file: bytes, refusal: { file: chosen.name } }, null, async (schedule) => {
      const read = [];
      for (let c = 0; c < schedule.columns.load.length; c++) {
        read.push(columnEntry(schedule, c));
        if (c % ENTRIES_PER_TASK === ENTRIES_PER_TASK - 1) await nextTask();
      }
      await nextTask();
      entries.replace(read);
      rowsVersion++;
      shown.inputs = inputsNow();
      showStaleness();
    });
  });

  download.addEventListener('click', () => {
    if (!shown || download.disabled) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([shown.schedule.csv],
                                             { type: 'text/csv;charset=utf-8' }));
    link.download = 'schedule.csv';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  });
  print.addEventListener('click', () => window.print());

  return {
    // Called as the view opens: the materials may have changed on the design view.
    opened() {
      designer.ready().catch(() => {});
      showMaterials();
      showStaleness();
    },
    // The texts in the page's new language: the tables' titles, the types and the notes, and
    // the labels of the cells.
    retranslate() {
      showMaterials();
      entries.retranslate();
      if (!shown) return;
      header(levels, shown.schedule.header, tableTitles(LEVEL_TITLES));
      showTypes();
    },
  };
}
