// The engineer's materials on the design view: five choices in a panel that starts closed,
// checked by the engine as they are typed, remembered in localStorage, with a reset to the
// engine's defaults.

import { materialsProblemText } from './messages.js';

const STORAGE_KEY = 'column-designer.materials';
const CHOICES = ['fcu', 'fy', 'width', 'barDiameter', 'loadFactor'];

function stored() {
  try {
    const texts = JSON.parse(localStorage.getItem(STORAGE_KEY));
    return typeof texts === 'object' && texts !== null ? texts : {};
  } catch {
    return {};
  }
}

function store(texts) {
  try {
    localStorage.setItem(STORAGE_KEY, JSON.stringify(texts));
  } catch {
    // Storage refused (a private window, a full quota): the choices still hold for this visit.
  }
}

// `fields`: the inputs of the choices by name, the bar diameter a select; `problem`: where the
// engine's refusal is written.
export function createMaterialsPanel({ panel, fields, problem, reset }, calculation) {
  const { defaultMaterials, barDiameters } = calculation.rules;
  fields.barDiameter.replaceChildren(...barDiameters.map((d) => new Option(d, d)));
  const remembered = stored();
  for (const name of CHOICES) {
    fields[name].value = typeof remembered[name] === 'string' ? remembered[name]
      : defaultMaterials[name];
  }

  const materials = () => Object.fromEntries(CHOICES.map((name) => [name, fields[name].value]));
  const problemText = (choice) => materialsProblemText(choice, calculation.rules);

  // Shows the first refused choice, and returns it (or null).
  const check = () => {
    const choice = calculation.checkMaterials(materials());
    for (const name of CHOICES) fields[name].setAttribute('aria-invalid', String(name === choice));
    problem.textContent = choice ? problemText(choice) : '';
    problem.hidden = !choice;
    return choice;
  };

  // Listened to on the panel, so a field's guard has settled the text first.
  panel.addEventListener('input', () => {
    check();
    store(materials());
  });
  // Told as an edit, so that the results on show are marked as the previous choices'.
  reset.addEventListener('click', () => {
    for (const name of CHOICES) fields[name].value = defaultMaterials[name];
    panel.dispatchEvent(new Event('input', { bubbles: true }));
  });
  check();

  return {
    materials,
    check,
    // The refusal on show, in the page's new language.
    retranslate: check,
    problemText,
    // Opens the panel at a refused choice.
    showChoice(choice) {
      panel.open = true;
      fields[choice].focus();
    },
  };
}
