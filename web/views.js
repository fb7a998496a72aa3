// One view at a time: the design view, or the notes. Opening the notes adds a history entry,
// so the phone's own Back button returns to the design as the page's Back button does.

import { onLanguageChange, tr } from './language.js';

const NOTES_STATE = 'notes';

export function wireViews({ design, notes, heading, notesButton, backButton }) {
  const titles = { design: 'program.name', notes: 'notes.title' };

  const retitle = () => {
    const title = tr(titles[design.hidden ? 'notes' : 'design']);
    document.title = title;
    heading.textContent = title;
  };
  const show = (name) => {
    design.hidden = name !== 'design';
    notes.hidden = name !== 'notes';
    retitle();
    window.scrollTo(0, 0);
  };
  onLanguageChange(retitle);
  const showForHistory = () => show(history.state?.view === NOTES_STATE ? 'notes' : 'design');

  notesButton.addEventListener('click', () => {
    history.pushState({ view: NOTES_STATE }, '', '#notes');
    show('notes');
    backButton.focus();
  });
  backButton.addEventListener('click', () => {
    if (history.state?.view === NOTES_STATE) {
      history.back();
    } else {
      show('design');
    }
  });
  window.addEventListener('popstate', () => {
    showForHistory();
    if (!design.hidden) {
      notesButton.focus();
    }
  });
  showForHistory();
}
