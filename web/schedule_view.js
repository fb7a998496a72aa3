// The column schedule: columns typed, pasted from a spreadsheet or read from a CSV file; every
// level of every column, the types and the quantities as the engine designs them; the CSV as
// the desktop's command line writes it, and print. Everything typed is remembered.

import { fillInSlices } from './table_rendering.js';
import {
  calculationUnavailable, entryTitles, fileUnreadableText, floorHeightProblemText, levelTitles,
  removeRowLabel, scheduleMaterialsText, scheduleProblemText, scheduleSummary, totalTitle,
  typeRows, typeTitles,
} from './messages.js';

const STORAGE_KEY = 'column-designer.schedule';
const ENTRY_FIELDS = ['mark', 'load', 'floors', 'count'];
const ENTRY_INPUT_MODES = { mark: 'text', load: 'decimal', floors: 'numeric', count: 'numeric' };
const SAVE_DELAY_MS = 400;
// The types table's columns, as the schedule window's.
const TYPE_KEYS = ['type', 'columns', 'count', 'levels', 'section', 'bars', 'concrete', 'steel'];

function remembered() {
  try {
    const saved = JSON.parse(localStorage.getItem(STORAGE_KEY));
    const rows = saved?.rows?.filter((row) => Array.isArray(row) && row.length === 4 &&
      row.every((value) => typeof value === 'string'));
    return { rows: rows?.length ? rows : [['', '', '', '']],
      floorHeight: typeof saved?.floorHeight === 'string' ? saved.floorHeight : null };
  } catch {
    return { rows: [['', '', '', '']], floorHeight: null };
  }
}

// A table row whose cells are made from a template row, which is faster than cell by cell. Its
// roles are told, since the levels' rows are laid out as grids rather than table rows.
function rowMaker(cells) {
  const template = document.createElement('tr');
  template.setAttribute('role', 'row');
  for (const cell of cells) {
    cell.setAttribute('role', cell.tagName === 'TH' ? 'columnheader' : 'cell');
  }
  for (const cell of cells) template.append(cell);
  return () => template.cloneNode(true);
}

function textCell(name, attributes = {}) {
  const cell = document.createElement(name);
  for (const [key, value] of Object.entries(attributes)) cell.setAttribute(key, value);
  return cell;
}

// `scheduleModule()`: the promise of the schedule's module, asked for when the view first shows.
export function createScheduleView(elements, calculation, scheduleModule,
                                   { materials, showMessage }) {
  const {
    entries, addRow, file, floorHeight, materialsNote, design, results, levels, types, notes,
    download, print,
  } = elements;
  const ruleTexts = calculation.rules.texts;
  const saved = remembered();
  let rows = saved.rows;
  floorHeight.value = saved.floorHeight ?? ruleTexts.floorHeight;
  let csv = null;  // the bytes of the schedule on show

  let saveTimer = 0;
  const save = () => {
    clearTimeout(saveTimer);
    saveTimer = setTimeout(() => {
      try {
        localStorage.setItem(STORAGE_KEY, JSON.stringify({ rows, floorHeight: floorHeight.value }));
      } catch {
        // Storage refused or full: the table still holds everything for this visit.
      }
    }, SAVE_DELAY_MS);
  };

  // --- The columns as typed.

  // Made again when the page changes its language, for the labels of the cells.
  let newEntryRow = null;
  const makeEntryRows = () => {
    const titles = entryTitles();
    newEntryRow = rowMaker([
      ...ENTRY_FIELDS.map((field) => {
        const cell = textCell('td');
        cell.append(textCell('input', { type: 'text', inputmode: ENTRY_INPUT_MODES[field],
          spellcheck: 'false', autocomplete: 'off', 'data-field': field,
          'aria-label': titles[field] }));
        return cell;
      }),
      (() => {
        const cell = textCell('td');
        const remove = textCell('button', { type: 'button', class: 'remove-row',
          'aria-label': removeRowLabel() });
        remove.textContent = '×';
        cell.append(remove);
        return cell;
      })(),
    ]);
  };
  makeEntryRows();
  const entryRow = (values) => {
    const row = newEntryRow();
    row.querySelectorAll('input').forEach((input, i) => {
      input.value = values[i];
    });
    return row;
  };
  // The table of columns, filled once `after` has resolved.
  const showEntries = (after) => fillInSlices(entries, rows.length, (i) => entryRow(rows[i]),
                                              after);

  entries.addEventListener('input', (event) => {
    const input = event.target;
    const row = input.closest('tr').sectionRowIndex;
    rows[row][ENTRY_FIELDS.indexOf(input.dataset.field)] = input.value;
    save();
  });
  entries.addEventListener('click', (event) => {
    const remove = event.target.closest('.remove-row');
    if (!remove) return;
    const row = remove.closest('tr');
    rows.splice(row.sectionRowIndex, 1);
    row.remove();
    if (rows.length === 0) addEntry();
    save();
  });
  // Rows copied from a spreadsheet arrive as lines of tab-separated cells: they fill the table
  // from the cell pasted into, rightwards and downwards, with new rows as needed.
  entries.addEventListener('paste', (event) => {
    const text = event.clipboardData?.getData('text/plain') ?? '';
    if (!/[\t\n\r]/.test(text)) return;
    event.preventDefault();
    const input = event.target;
    const first = input.closest('tr').sectionRowIndex;
    const column = ENTRY_FIELDS.indexOf(input.dataset.field);
    const lines = text.replace(/\r\n?/g, '\n').replace(/\n$/, '').split('\n');
    lines.forEach((line, i) => {
      rows[first + i] ??= ['', '', '', ''];
      line.split('\t').slice(0, ENTRY_FIELDS.length - column).forEach((value, j) => {
        rows[first + i][column + j] = value;
      });
    });
    save();
    showEntries();
  });
  const addEntry = () => {
    rows.push(['', '', '', '']);
    entries.append(entryRow(rows.at(-1)));
  };
  addRow.addEventListener('click', () => {
    addEntry();
    save();
    entries.lastElementChild.querySelector('input').focus();
  });
  floorHeight.addEventListener('input', save);

  // --- The schedule designed.

  const header = (table, keys, names) => {
    table.tHead.replaceChildren(rowMaker(keys.map((key, i) => {
      const cell = textCell('th', { scope: 'col', 'data-key': key });
      cell.textContent = names[i];
      return cell;
    }))());
  };

  // The schedule on show and its materials, for its texts in another language.
  let shown = null;

  const showTypes = () => {
    const { designed, used } = shown;
    header(types, TYPE_KEYS, typeTitles());
    const newType = rowMaker(TYPE_KEYS.map((key) => textCell('td', { 'data-key': key })));
    const typeValues = typeRows(designed, used);
    typeValues.push({ total: true, cells: [totalTitle(), '', '', '', '', '',
      designed.total.concreteM3Text, designed.total.steelKgText] });
    fillInSlices(types.tBodies[0], typeValues.length, (i) => {
      const row = newType();
      const { cells, failed, total } = typeValues[i];
      cells.forEach((value, j) => {
        row.cells[j].textContent = value;
      });
      if (failed) row.className = 'failed';
      if (total) row.className = 'total';
      return row;
    });
    notes.replaceChildren(...scheduleSummary(designed).map((text) =>
      Object.assign(document.createElement('p'), { textContent: text })));
  };

  const showSchedule = (designed, used) => {
    shown = { designed, used };
    csv = designed.csv;
    results.hidden = false;
    header(levels, designed.header, levelTitles());
    const newLevel = rowMaker(designed.header.map((key) => textCell('td', { 'data-key': key })));
    const levelRows = designed.columns.flatMap((column) =>
      column.rows.map((values) => ({ values, repeated: column.repeatedMark })));
    const status = designed.header.indexOf('status');
    const levelsShown = fillInSlices(levels.tBodies[0], levelRows.length, (i) => {
      const { values, repeated } = levelRows[i];
      const row = newLevel();
      row.dataset.mark = values[0];
      row.dataset.level = values[2];
      values.forEach((value, j) => {
        row.cells[j].textContent = value;
      });
      if (values[status] !== 'ok') row.className = 'failed';
      if (repeated) row.cells[0].className = 'repeated';
      return row;
    });
    showTypes();
    return levelsShown;
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

  // Designs the schedule of `read(schedule module, materials, floor height)` and shows it; a
  // refusal gets the engine's message and leaves the tables as they were. Resolves to the
  // schedule with the promise of its levels shown, or null.
  async function run(read, focusRefused) {
    const schedule = await scheduleModule().catch(() => null);
    if (!schedule) {
      showMessage(calculationUnavailable());
      return null;
    }
    const designed = read(schedule, materials.materials(), floorHeight.value);
    if (designed.ok) return { ...designed, shown: showSchedule(designed, usedMaterials()) };
    if (designed.problem === 'materials') {
      showMessage(materials.problemText(designed.choice));
    } else if (designed.problem === 'floor-height') {
      showMessage(floorHeightProblemText(calculation.rules), () => floorHeight.focus());
    } else {
      showMessage(scheduleProblemText(designed, calculation.rules),
                  () => focusRefused?.(designed));
    }
    return null;
  }

  const focusEntry = ({ row, field }) => {
    entries.rows[row - 1]?.querySelector(`[data-field="${field}"]`)?.focus();
  };
  design.addEventListener('click', () => run((schedule, chosen, height) =>
    schedule.designScheduleRows(rows, chosen, height), focusEntry));

  // A file read fills the table of columns too, to be edited and designed again.
  file.addEventListener('change', async () => {
    const [chosen] = file.files;
    file.value = '';
    if (!chosen) return;
    let bytes;
    try {
      bytes = new Uint8Array(await chosen.arrayBuffer());
    } catch {
      showMessage(fileUnreadableText(chosen.name));
      return;
    }
    const designed = await run((schedule, chosenMaterials, height) => ({
      file: chosen.name, ...schedule.designSchedule(bytes, chosenMaterials, height) }));
    if (!designed) return;
    rows = designed.columns.map((column) => [column.mark, column.loadText, column.floorsText,
      column.countText]);
    save();
    // After the levels, which the user waits for.
    showEntries(designed.shown);
  });

  download.addEventListener('click', () => {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([csv], { type: 'text/csv;charset=utf-8' }));
    link.download = 'schedule.csv';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  });
  print.addEventListener('click', () => window.print());

  showEntries();
  return {
    // Called as the view opens: the materials may have changed on the design view.
    opened() {
      scheduleModule();
      showMaterials();
    },
    // The texts in the page's new language: the tables' titles, the types and the notes, and
    // the labels of the cells.
    retranslate() {
      showMaterials();
      makeEntryRows();
      const titles = entryTitles();
      for (const input of entries.querySelectorAll('input')) {
        input.setAttribute('aria-label', titles[input.dataset.field]);
      }
      for (const remove of entries.querySelectorAll('.remove-row')) {
        remove.setAttribute('aria-label', removeRowLabel());
      }
      if (!shown) return;
      levels.tHead.querySelectorAll('th').forEach((cell, i) => {
        cell.textContent = levelTitles()[i];
      });
      showTypes();
    },
  };
}
