// The moments of the design view: the two moments, the column's height and whether it is
// braced, in a panel that starts closed under the inputs. Its fields are per column, as the
// load and the floors are, so they are not remembered from one visit to the next.

import { momentsProblemText } from './messages.js';

// The panel and its fields, `unbraced` a checkbox; `rules`: the engine's (the floor height).
export function createMomentsPanel({ panel, momentX, momentY, columnHeight, unbraced }, rules) {
  columnHeight.value = rules.texts.floorHeight;
  const byField = { 'moment-x': momentX, 'moment-y': momentY, 'column-height': columnHeight };
  return {
    // The fields as typed, as calculation.checkMoments takes them.
    fields: () => ({ momentX: momentX.value, momentY: momentY.value,
      columnHeight: columnHeight.value, unbraced: unbraced.checked }),
    problemText: ({ problem }) => momentsProblemText(problem, rules),
    // Opens the panel at a refused field.
    showField(field) {
      panel.open = true;
      byField[field]?.focus();
    },
  };
}
