// The texts of the design's message boxes, as the desktop program words them: from the
// catalogue, by key.

import { tr } from './language.js';

export const calculationUnavailable = () => tr('page.calculation-unavailable');

export const separatorHint = () => tr('input.decimal-mark-hint');

// 'load-empty', 'floors-empty' or 'negative'.
export function inputProblemText(problem) {
  return problem === 'negative' ? tr('message.negative') : tr('message.empty-field');
}

export function failureText(failure) {
  return failure === 'overflow' ? tr('message.overflow') : tr('message.not-a-number');
}
