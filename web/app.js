// Column Designer in the browser: loads the calculation and wires the page to it.

import loadCalculation from './calculation.js';
import { createDesignView } from './design_view.js';
import { guardField } from './field_guard.js';
import {
  currentLanguage, onLanguageChange, setLanguage, setTextArgument,
} from './language.js';
import { createMessageBox } from './message_box.js';
import { calculationUnavailable, separatorHint } from './messages.js';
import { workOffline } from './offline.js';
import { wireViews } from './views.js';

const byId = (id) => document.getElementById(id);

const calculationLoading = loadCalculation();
const showMessage = createMessageBox(byId('message'));
const designView = createDesignView({
  load: byId('Text1'),
  floors: byId('Text3'),
  results: byId('results'),
  staleNote: byId('results-note'),
  width: byId('Text4'),
  length: byId('Text5'),
  barDiameter: byId('Text7'),
  barCount: byId('Text8'),
  figure: byId('section-figure'),
  drawing: byId('section-drawing'),
  caption: byId('section-caption'),
}, showMessage);

// Enter in either field submits the form, as the Results button does.
byId('design-form').addEventListener('submit', async (event) => {
  event.preventDefault();
  let calculation;
  try {
    calculation = await calculationLoading;
  } catch {
    showMessage(calculationUnavailable());
    return;
  }
  designView.runResults(calculation);
});

calculationLoading.then((calculation) => {
  setTextArgument(byId('floor-limit'), calculation.rules.floorNoteLimit);
  for (const id of ['Text1', 'Text3']) {
    guardField(byId(id), byId(`${id}-hint`), separatorHint, calculation.guardText);
  }
  byId('design-form').removeAttribute('aria-busy');
}, (error) => console.error('The calculation could not be loaded:', error));

// The switch names the other language in its own words.
const languageSwitch = byId('language');
const labelSwitch = () => {
  languageSwitch.lang = currentLanguage() === 'ar' ? 'en' : 'ar';
};
labelSwitch();
languageSwitch.addEventListener('click', () => setLanguage(languageSwitch.lang));
onLanguageChange(() => {
  labelSwitch();
  designView.retranslate();
});

wireViews({
  design: byId('columns'),
  notes: byId('Form1'),
  heading: document.querySelector('.title-bar h1'),
  notesButton: byId('Command3'),
  backButton: byId('Form1-Command1'),
});

if ('serviceWorker' in navigator) {
  workOffline(navigator.serviceWorker, byId('update-banner')).catch((error) => {
    console.warn('Working offline is not available:', error);
  });
}
