// Fills a table body a slice at a time, one slice a frame, so that thousands of rows never hold
// the page still: each frame adds rows for a few milliseconds and gives the browser back. The
// table is aria-busy until its last row is in; a newer fill of the same body stops the older.

const FRAME_BUDGET_MS = 6;
const fills = new WeakMap();

// Empties `body` at once, then, once `start` has resolved, appends makeRow(i) for i from 0 to
// count - 1; resolves to true once every row is in, false when a newer fill took over.
export function fillInSlices(body, count, makeRow, start = Promise.resolve()) {
  const table = body.closest('table');
  const fill = {};
  fills.set(body, fill);
  body.replaceChildren();
  table.setAttribute('aria-busy', 'true');
  let next = 0;
  return start.then(() => new Promise((resolve) => {
    const slice = () => {
      if (fills.get(body) !== fill) {
        resolve(false);
        return;
      }
      const start = performance.now();
      const rows = document.createDocumentFragment();
      while (next < count && performance.now() - start < FRAME_BUDGET_MS) {
        rows.append(makeRow(next++));
      }
      body.append(rows);
      if (next < count) {
        requestAnimationFrame(slice);
        return;
      }
      table.removeAttribute('aria-busy');
      resolve(true);
    };
    slice();
  }));
}
