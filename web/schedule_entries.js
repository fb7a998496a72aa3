// The columns as typed on the schedule view: one array of rows, [mark, load, floors, count, Mx,
// My] each, which the table shows (only the rows in sight, virtual_rows.js), which every edit, paste,
// addition and removal changes by the row's index in it, and which Design sends as it stands.
// Remembered in localStorage; a table the browser refuses to keep is said so under it.

import { entryTitles, removeRowLabel } from './messages.js';
import { virtualRows } from './virtual_rows.js';

const STORAGE_KEY = 'column-designer.schedule';
const ENTRY_FIELDS = ['mark', 'load', 'floors', 'count', 'moment-x', 'moment-y'];
const ENTRY_INPUT_MODES = { mark: 'text', load: 'decimal', floors: 'numeric', count: 'numeric',
  'moment-x': 'text', 'moment-y': 'text' };
const SAVE_DELAY_MS = 400;
const blankRow = () => ['', '', '', '', '', ''];

export function rememberedSchedule() {
  try {
    const saved = JSON.parse(localStorage.getItem(STORAGE_KEY));
    // A table kept before the moments has rows of four: they come back without moments.
    const rows = saved?.rows?.filter((row) => Array.isArray(row) &&
      (row.length === 4 || row.length === 6) && row.every((value) => typeof value === 'string'))
      .map((row) => [...row, '', ''].slice(0, 6));
    return { rows: rows?.length ? rows : [blankRow()],
      floorHeight: typeof saved?.floorHeight === 'string' ? saved.floorHeight : null };
  } catch {
    return { rows: [blankRow()], floorHeight: null };
  }
}

// A cell as spreadsheets copy it: quoted, its quotes doubled, when it holds a tab, a line break
// or a quote; else as it stands, up to the next tab or line break.
const CLIPBOARD_CELL = /"((?:[^"]|"")*)"(?=[\t\r\n]|$)|[^\t\r\n]*/y;

// The rows of cells of text copied from a spreadsheet (a last line break ends the last row).
function clipboardRows(text) {
  const rows = [[]];
  CLIPBOARD_CELL.lastIndex = 0;
  for (;;) {
    const match = CLIPBOARD_CELL.exec(text);
    rows.at(-1).push(match[1] === undefined ? match[0] : match[1].replaceAll('""', '"'));
    const at = CLIPBOARD_CELL.lastIndex;
    if (at >= text.length) return rows;
    if (text[at] === '\t') {
      CLIPBOARD_CELL.lastIndex = at + 1;
    } else {
      CLIPBOARD_CELL.lastIndex = at + (text.startsWith('\r\n', at) ? 2 : 1);
      if (CLIPBOARD_CELL.lastIndex >= text.length) return rows;
      rows.push([]);
    }
  }
}

function element(name, attributes = {}) {
  const made = document.createElement(name);
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, value);
  return made;
}

// `floorHeight`: its input, remembered with the rows; `storageNote`: shown while the browser
// refuses the table; `edited()`: told after every change of the rows.
export function createEntries({ box, body, addRow, floorHeight, storageNote }, rows, edited) {
  let saveTimer = 0;
  const saveNow = () => {
    clearTimeout(saveTimer);
    try {
      localStorage.setItem(STORAGE_KEY, JSON.stringify({ rows, floorHeight: floorHeight.value }));
      storageNote.hidden = true;
    } catch {
      // Full or refused: the table still holds everything for this visit, and an older table
      // must not come back in its place after a reload.
      try {
        localStorage.removeItem(STORAGE_KEY);
      } catch {
        // Storage refused altogether: nothing older to come back.
      }
      storageNote.hidden = false;
    }
  };
  const save = () => {
    clearTimeout(saveTimer);
    saveTimer = setTimeout(saveNow, SAVE_DELAY_MS);
  };
  const changed = () => {
    save();
    edited();
  };

  const makeRow = (i) => {
    const titles = entryTitles();
    const row = element('tr', { role: 'row' });
    ENTRY_FIELDS.forEach((field, j) => {
      const input = element('input', { type: 'text', inputmode: ENTRY_INPUT_MODES[field],
        spellcheck: 'false', autocomplete: 'off', dir: 'ltr', 'data-field': field,
        'aria-label': titles[field] });
      input.value = rows[i][j];
      const cell = element('td', { role: 'cell' });
      cell.append(input);
      row.append(cell);
    });
    const remove = element('button', { type: 'button', class: 'remove-row',
      'aria-label': removeRowLabel() });
    remove.textContent = '×';
    const cell = element('td', { role: 'cell' });
    cell.append(remove);
    row.append(cell);
    return row;
  };
  const table = virtualRows(box, body, makeRow, { printed: false });
  const indexOf = (target) => Number(target.closest('tr').dataset.index);

  body.addEventListener('input', (event) => {
    const input = event.target;
    rows[indexOf(input)][ENTRY_FIELDS.indexOf(input.dataset.field)] = input.value;
    changed();
  });
  // The neighbour takes the focus: the row that moved into the removed one's place, or the one
  // before when the last went.
  body.addEventListener('click', (event) => {
    const remove = event.target.closest('.remove-row');
    if (!remove) return;
    const i = indexOf(remove);
    rows.splice(i, 1);
    if (rows.length === 0) rows.push(blankRow());
    table.show(rows.length);
    table.row(Math.min(i, rows.length - 1))?.querySelector('.remove-row').focus();
    changed();
  });
  // Rows copied from a spreadsheet arrive as lines of tab-separated cells (clipboardRows): they
  // fill the table from the cell pasted into, rightwards and downwards, with new rows as needed.
  body.addEventListener('paste', (event) => {
    const text = event.clipboardData?.getData('text/plain') ?? '';
    if (!/[\t\n\r]/.test(text)) return;
    event.preventDefault();
    const input = event.target;
    const first = indexOf(input);
    const column = ENTRY_FIELDS.indexOf(input.dataset.field);
    clipboardRows(text).forEach((cells, i) => {
      rows[first + i] ??= blankRow();
      cells.slice(0, ENTRY_FIELDS.length - column).forEach((value, j) => {
        rows[first + i][column + j] = value;
      });
    });
    table.show(rows.length);
    table.row(first)?.querySelector(`[data-field="${input.dataset.field}"]`)?.focus();
    changed();
  });
  addRow.addEventListener('click', () => {
    rows.push(blankRow());
    table.show(rows.length);
    table.row(rows.length - 1)?.querySelector('input').focus();
    changed();
  });
  floorHeight.addEventListener('input', changed);
  table.show(rows.length);

  return {
    rows: () => rows,
    // The rows of a file read, in place of the table's.
    replace(next) {
      rows = next;
      table.show(rows.length);
      save();
    },
    // The cell of `field` in row `row` (1 first), focused.
    focus(row, field) {
      table.row(row - 1)?.querySelector(`[data-field="${field}"]`)?.focus();
    },
    // The labels of the cells in the page's new language.
    retranslate: () => table.show(rows.length),
  };
}
