// Keeps an input field's text a number, or the beginning of one, while the user types, pastes,
// drops or deletes: after every edit the engine's guard settles the text and the caret in one
// step. Undo and redo step through the settled texts, so what the guard refused was never
// typed; an input method's composition is left alone until it ends.

const HINT_SECONDS = 4;

// The letter of a shortcut: the key's own on a Latin layout, else the key's place (Ctrl+Z on an
// Arabic layout gives the key "ظ" in place Z).
function shortcutLetter(event) {
  return /^[a-z]$/i.test(event.key) ? event.key.toLowerCase()
    : event.code.replace(/^Key/, '').toLowerCase();
}

export function guardField(field, hint, hintText, guardText) {
  let settled = { text: '', caret: 0 };
  const undoSteps = [];
  const redoSteps = [];
  let composing = false;
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
    if (typed === settled.text) {
      return;
    }
    const guarded = guardText(typed, field.selectionStart ?? typed.length, settled.text);
    if (guarded.text !== typed) {
      field.value = guarded.text;
      field.setSelectionRange(guarded.caret, guarded.caret);
    }
    if (guarded.text !== settled.text) {
      undoSteps.push(settled);
      redoSteps.length = 0;
      settled = { text: guarded.text, caret: guarded.caret };
    }
    if (guarded.droppedSeparator) {
      showHint();
    } else {
      hideHint();
    }
  };

  // Takes the last step of `from` back, keeping the text it leaves in `to`.
  const restore = (from, to) => {
    hideHint();
    if (from.length === 0) {
      return;
    }
    to.push(settled);
    settled = from.pop();
    field.value = settled.text;
    field.setSelectionRange(settled.caret, settled.caret);
  };
  const undo = () => restore(undoSteps, redoSteps);
  const redo = () => restore(redoSteps, undoSteps);

  field.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || composing) {
      return;
    }
    const letter = shortcutLetter(event);
    if (letter === 'z' || (letter === 'y' && !event.shiftKey)) {
      event.preventDefault();
      if (letter === 'z' && !event.shiftKey) {
        undo();
      } else {
        redo();
      }
    }
  });
  // Undo and redo from a menu, or a phone's gesture.
  field.addEventListener('beforeinput', (event) => {
    if (event.inputType === 'historyUndo' || event.inputType === 'historyRedo') {
      event.preventDefault();
      if (event.inputType === 'historyUndo') {
        undo();
      } else {
        redo();
      }
    }
  });
  field.addEventListener('compositionstart', () => {
    composing = true;
  });
  field.addEventListener('compositionend', () => {
    composing = false;
    settle();
  });
  field.addEventListener('input', (event) => {
    if (!composing && !event.isComposing) {
      settle();
    }
  });
  field.addEventListener('blur', hideHint);
  // Text typed before the calculation had loaded is settled at once.
  settle();
}
