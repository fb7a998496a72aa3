// A long table shown as it comes into sight: its body holds only the rows in and near the view
// of the box it scrolls in, and blank space of the same height stands for the others, so that a
// table of hundreds of thousands of rows takes the time and memory of a few screenfuls. Every
// row is of one height (measured on a drawn row); each carries its index in the data as
// data-index, the one index the page's handlers read. Printed, the table is drawn whole.

const OVERSCAN = 40;  // rows drawn beyond each end of the view
const FALLBACK_HEIGHT = 40;

// `makeRow(i)`: a new <tr> for row i of the data; `printed`: whether the table is printed.
export function virtualRows(box, body, makeRow, { printed = true } = {}) {
  const table = body.closest('table');
  const drawn = new Map();
  let count = 0;
  let rowHeight = 0;
  let whole = false;
  let frame = 0;

  const make = (i) => {
    const row = makeRow(i);
    row.dataset.index = String(i);
    row.setAttribute('aria-rowindex', String(i + 2));
    drawn.set(i, row);
    return row;
  };
  const rowsFrom = (start, end) => {
    const rows = document.createDocumentFragment();
    for (let i = start; i < end; i++) rows.append(make(i));
    return rows;
  };

  // Where the body's first row starts within the box's scrolled content.
  const bodyTop = () => body.getBoundingClientRect().top - box.getBoundingClientRect().top +
    box.scrollTop;
  // The rows [first, last) that the view needs.
  const wanted = () => {
    if (whole) return [0, count];
    const height = rowHeight || FALLBACK_HEIGHT;
    const top = box.scrollTop - bodyTop();
    const first = Math.max(0, Math.floor(top / height) - OVERSCAN);
    const last = Math.min(count, Math.ceil((top + box.clientHeight) / height) + OVERSCAN);
    return [Math.min(first, last), last];
  };

  const draw = () => {
    cancelAnimationFrame(frame);
    frame = 0;
    if (drawn.size === 0 && count > 0) body.append(rowsFrom(0, 1));
    const measured = body.firstElementChild?.getBoundingClientRect().height;
    if (measured) rowHeight = measured;
    const [first, last] = wanted();
    for (const [i, row] of drawn) {
      if (i < first || i >= last) {
        row.remove();
        drawn.delete(i);
      }
    }
    const kept = [...drawn.keys()];
    if (kept.length === 0) {
      body.append(rowsFrom(first, last));
    } else {
      body.prepend(rowsFrom(first, Math.min(...kept)));
      body.append(rowsFrom(Math.max(...kept) + 1, last));
    }
    const height = rowHeight || FALLBACK_HEIGHT;
    body.style.paddingBlockStart = `${first * height}px`;
    body.style.paddingBlockEnd = `${(count - last) * height}px`;
  };
  const drawSoon = () => {
    frame ||= requestAnimationFrame(draw);
  };
  box.addEventListener('scroll', drawSoon, { passive: true });
  new ResizeObserver(drawSoon).observe(box);
  const print = (printing) => {
    if (count === 0) return;
    whole = printing;
    draw();
  };
  if (printed) {
    window.addEventListener('beforeprint', () => print(true));
    window.addEventListener('afterprint', () => print(false));
  }

  return {
    // Shows `rows` rows, drawn again from the data; the scroll stays where it was.
    show(rows) {
      count = rows;
      drawn.clear();
      body.replaceChildren();
      table.setAttribute('aria-rowcount', String(count + 1));
      draw();
    },
    // The drawn <tr> of row i, scrolled into the box's view when it was out of it.
    row(i) {
      if (i < 0 || i >= count) return null;
      if (!drawn.has(i)) {
        box.scrollTop = bodyTop() + (i + 0.5) * (rowHeight || FALLBACK_HEIGHT) -
          box.clientHeight / 2;
        draw();
      }
      return drawn.get(i) ?? null;
    },
    count: () => count,
  };
}
