// Keeps an input field's text numeric while the user types, pastes or deletes: after every
// edit the guard settles the text and the caret in one step.

const HINT_SECONDS = 4;

// For a calculation module that offers no guard of its own: characters before the caret are
// taken back one at a time, nearest first, until the text is numeric or empty; when that cannot
// be, the field gets back its last numeric text.
export function takeBackGuard(isNumericText) {
  return (text, caret, lastNumeric) => {
    let kept = text;
    let at = caret;
    while (kept !== '' && !isNumericText(kept)) {
      if (at === 0) {
        return { text: lastNumeric, caret: lastNumeric.length, droppedSeparator: false };
      }
      const width = at >= 2 && /[\uDC00-\uDFFF]/.test(kept[at - 1]) ? 2 : 1;
      kept = kept.slice(0, at - width) + kept.slice(at);
      at -= width;
    }
    return { text: kept, caret: at, droppedSeparator: false };
  };
}

export function guardField(field, hint, hintText, guardText) {
  let lastNumeric = '';
  let hintTimer = 0;

  const hideHint = () => {
    clearTimeout(hintTimer);
    hint.hidden = true;
  };
  const showHint = () => {
    hint.textContent = hintText;
    hint.hidden = false;
    clearTimeout(hintTimer);
    hintTimer = setTimeout(hideHint, HINT_SECONDS * 1000);
  };

  const settle = () => {
    const typed = field.value;
    const caret = field.selectionStart ?? typed.length;
    const guarded = guardText(typed, caret, lastNumeric);
    if (guarded.text !== typed) {
      field.value = guarded.text;
      field.setSelectionRange(guarded.caret, guarded.caret);
    }
    lastNumeric = guarded.text;
    if (guarded.droppedSeparator) {
      showHint();
    } else {
      hideHint();
    }
  };

  field.addEventListener('input', settle);
  field.addEventListener('blur', hideHint);
  // Text typed before the calculation had loaded is settled at once.
  settle();
}
