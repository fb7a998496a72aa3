// The page's language, as first_paint.js decided it before the first paint, and the switch to
// the other. The texts are the program's own, made into texts.js at build time; an element
// names its text by key (data-text="key", its %1 from data-arg, or data-text-ATTRIBUTE="key"),
// a script through tr() and the key.

import { texts } from './texts.js';

const DIRECTIONS = { ar: 'rtl', en: 'ltr' };
const STORAGE_KEY = 'column-designer-language';
const listeners = [];

// As first_paint.js decided it.
let language = Object.hasOwn(DIRECTIONS, document.documentElement.lang)
  ? document.documentElement.lang : 'ar';
let table = texts(language);

// The text of `key` with %1, %2 ... filled from `args`.
export function tr(key, ...args) {
  return table[key].replace(/%(\d)/g, (place, n) => (n <= args.length ? String(args[n - 1]) : place));
}

export const currentLanguage = () => language;

function applyTexts() {
  document.documentElement.lang = language;
  document.documentElement.dir = DIRECTIONS[language];
  document.documentElement.classList.remove('texts-pending');
  for (const element of document.querySelectorAll('*')) {
    for (const { name, value } of element.attributes) {
      if (name.startsWith('data-text-')) {
        element.setAttribute(name.slice('data-text-'.length), tr(value));
      }
    }
    const key = element.dataset.text;
    if (key !== undefined) {
      const { arg } = element.dataset;
      // A text that waits for its argument stays empty until it comes.
      element.textContent = arg === undefined && /%\d/.test(table[key]) ? '' : tr(key, arg);
    }
  }
}

// Fills `element`'s %1 with `value`, now and in every language.
export function setTextArgument(element, value) {
  element.dataset.arg = String(value);
  element.textContent = tr(element.dataset.text, value);
}

export function onLanguageChange(listener) {
  listeners.push(listener);
}

// Shows the page in `next` at once, and keeps the choice for the next visit.
export function setLanguage(next) {
  language = next;
  table = texts(next);
  try {
    window.localStorage.setItem(STORAGE_KEY, next);
  } catch {
    // Not remembered; the page still changes.
  }
  const address = new URL(window.location.href);
  address.searchParams.delete('lang');
  window.history.replaceState(window.history.state, '', address);
  applyTexts();
  for (const listener of listeners) {
    listener();
  }
}

if (language !== 'ar') {
  applyTexts();  // the page comes with its Arabic texts in place
}
