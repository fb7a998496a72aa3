// A modal message box over the page: the text, and an OK button that takes the focus.

export function createMessageBox(dialog) {
  const text = dialog.querySelector('#message-text');
  const ok = dialog.querySelector('#message-ok');
  let afterClose = null;

  dialog.addEventListener('close', () => {
    const next = afterClose;
    afterClose = null;
    next?.();
  });
  ok.addEventListener('click', (event) => {
    event.preventDefault();
    dialog.close();
  });

  // Shows `message` (as plain text) and calls `onClose` once the box is closed.
  return function showMessage(message, onClose = null) {
    text.textContent = message;
    afterClose = onClose;
    if (!dialog.open) {
      dialog.showModal();
    }
    ok.focus();
  };
}
