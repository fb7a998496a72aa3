// Keeps an input field's text numeric while the user types, pastes or deletes: after every
// edit the engine's guard settles the text and the caret in one step.

const HINT_SECONDS = 4;

export function guardField(field, hint, hintText, guardText) {
  let lastNumeric = '';
  let hintTimer = 0;

  const hideHint = () => {
    clearTimeout(hintTimer);
    hint.hidden = true;
  };
  const showHint = () => {
    hint.textContent = hintText();
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
