// One view at a time: the design view, the notes, the calculation sheet or the column schedule.
// Opening a view adds a history entry with its address (#notes, #sheet, #schedule), so the
// phone's own Back button returns to the design as the page's Back buttons do; the address
// #schedule opens the schedule, at load or typed later.

import { onLanguageChange } from './language.js';

// `views`: by name, { element, title() (in the page's language), heading() (when not the
// title), button (opens it), back (returns), focus (on opening), available() (false: the view
// cannot open, as the sheet before a successful Results), shown() (told each time it shows) };
// `design` is the first view.
export function wireViews(views, heading) {
  const names = Object.keys(views);
  let current = 'design';
  const stateView = () => {
    const name = history.state?.view;
    return names.includes(name) && (views[name].available?.() ?? true) ? name : 'design';
  };

  const retitle = () => {
    const { title, heading: headingText = title } = views[current];
    document.title = title();
    heading.textContent = headingText();
  };
  onLanguageChange(retitle);

  const show = (name) => {
    current = name;
    for (const other of names) views[other].element.hidden = other !== name;
    retitle();
    window.scrollTo(0, 0);
    views[name].shown?.();
  };

  // The button that opened the view on show, which takes the focus back on returning.
  let opener = null;
  const open = (name) => {
    opener = views[name].button;
    history.pushState({ view: name }, '', `#${name}`);
    show(name);
    views[name].focus?.focus({ preventScroll: true });
  };

  for (const name of names) {
    const { button, back } = views[name];
    button?.addEventListener('click', () => open(name));
    back?.addEventListener('click', () => {
      if (history.state?.view === name) {
        history.back();
      } else {
        show('design');
      }
    });
  }
  window.addEventListener('popstate', () => {
    const name = stateView();
    show(name);
    if (name === 'design') opener?.focus();
  });

  // The schedule's address, given at load or typed over the page's: the schedule on show.
  const followAddress = () => {
    if (location.hash === '#schedule' && history.state?.view !== 'schedule') {
      history.replaceState({ view: 'schedule' }, '', '#schedule');
    }
    show(stateView());
  };
  window.addEventListener('hashchange', followAddress);
  followAddress();
}
