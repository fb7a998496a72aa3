// The texts of the design's message boxes, as the desktop program words them: from the
// catalogue, by key.

import { tr } from './language.js';

export const calculationUnavailable = () => tr('page.calculation-unavailable');

export const separatorHint = () => tr('input.decimal-mark-hint');

// 'load-empty', 'floors-empty', 'unfinished' or 'negative'.
export function inputProblemText(problem) {
  if (problem === 'negative') {
    return tr('message.negative');
  }
  return problem === 'unfinished' ? tr('message.unfinished-number') : tr('message.empty-field');
}

export function failureText(failure) {
  return failure === 'overflow' ? tr('message.overflow') : tr('message.not-a-number');
}
