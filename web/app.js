// Column Designer in the browser: loads the calculation and wires the page to it.

import loadCalculation from './calculation.js';
import { createDesignView } from './design_view.js';
import { guardField } from './field_guard.js';
import {
  currentLanguage, onLanguageChange, setLanguage, setTextArgument, tr,
} from './language.js';
import { createMaterialsPanel } from './materials_panel.js';
import { createMessageBox } from './message_box.js';
import { createMomentsPanel } from './moments_panel.js';
import {
  calculationUnavailable, notesTitle, pageSheetTitle, scheduleTitle, separatorHint,
} from './messages.js';
import { workOffline } from './offline.js';
import { OtherBuild, scheduleDesigner } from './schedule_designer.js';
import { createScheduleView } from './schedule_view.js';
import { createSheetView } from './sheet_view.js';
import { wireViews } from './views.js';

const byId = (id) => document.getElementById(id);

const calculationLoading = loadCalculation();
const showMessage = createMessageBox(byId('message'));
// The materials, the calculation sheet and the schedule, once the calculation has loaded.
let materials = null;
let sheetView = null;
let scheduleView = null;
const sheetButton = byId('SheetButton');
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
  momentsLine: byId('MomentsLine'),
}, showMessage, {
  // The moment design, fetched the first time a design needs it: never for the first paint.
  loadBending: () => import('./bending.js').then(({ default: loadBending }) => loadBending()),
  onDesigned(sheet) {
    sheetView.show(sheet);
    sheetButton.hidden = false;
  },
  onRefused() {
    sheetView?.show(null);
    sheetButton.hidden = true;
  },
});

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
  try {
    await designView.runResults(calculation);
  } catch (error) {
    console.error('The design with moments could not be loaded:', error);
    showMessage(calculationUnavailable());
  }
});

const MATERIAL_FIELDS = { fcu: 'Fcu', fy: 'Fy', width: 'Width', barDiameter: 'BarDiameter',
  loadFactor: 'LoadFactor' };

calculationLoading.then((calculation) => {
  setTextArgument(byId('floor-limit'), calculation.rules.floorNoteLimit);
  materials = createMaterialsPanel({
    panel: byId('Materials'),
    fields: Object.fromEntries(Object.entries(MATERIAL_FIELDS)
      .map(([name, id]) => [name, byId(id)])),
    problem: byId('materials-problem'),
    reset: byId('MaterialsReset'),
  }, calculation);
  designView.useMoments(createMomentsPanel({
    panel: byId('Moments'),
    momentX: byId('MomentX'),
    momentY: byId('MomentY'),
    columnHeight: byId('ColumnHeight'),
    unbraced: byId('Unbraced'),
  }, calculation.rules));
  for (const id of ['Text1', 'Text3', 'Fcu', 'Fy', 'Width', 'LoadFactor', 'FloorHeight', 'MomentX',
    'MomentY', 'ColumnHeight']) {
    guardField(byId(id), byId(`${id}-hint`), separatorHint, calculation.guardText);
  }
  designView.useMaterials(materials);
  sheetView = createSheetView({
    page: byId('sheet-page'),
    print: byId('SheetPrint'),
    share: byId('SheetShare'),
    version: byId('sheet-page').dataset.version,
  }, calculation.rules);
  byId('design-form').removeAttribute('aria-busy');
  // The schedule's designer, started when the schedule is first shown: the design view never
  // waits for it, and a first visit fetches it once (for the offline copy).
  const designer = scheduleDesigner(document.documentElement.dataset.build);
  const showUpdate = () => {
    byId('update-banner').hidden = false;
  };
  const startSchedule = () => {
    const started = designer.ready();
    started.catch((error) => {
      if (error instanceof OtherBuild) {
        showUpdate();
      } else {
        console.warn('The schedule could not be loaded:', error);
      }
    }).finally(() => byId('Schedule').removeAttribute('aria-busy'));
    return started;
  };
  scheduleView = createScheduleView({
    entriesBox: byId('ScheduleColumns').parentElement,
    entries: byId('ScheduleColumns').tBodies[0],
    addRow: byId('ScheduleAddRow'),
    file: byId('ScheduleFile'),
    floorHeight: byId('FloorHeight'),
    storageNote: byId('ScheduleStorageNote'),
    materialsNote: byId('ScheduleMaterials'),
    design: byId('ScheduleDesign'),
    results: byId('ScheduleResults'),
    staleNote: byId('ScheduleStaleNote'),
    levelsBox: byId('ScheduleTable').parentElement,
    levels: byId('ScheduleTable'),
    typesBox: byId('ScheduleTypes').parentElement,
    types: byId('ScheduleTypes'),
    notes: byId('ScheduleNotes'),
    download: byId('ScheduleDownload'),
    print: byId('SchedulePrint'),
  }, calculation, { ready: startSchedule, design: designer.design },
  { materials, showMessage, otherBuild: showUpdate });
  if (!byId('Schedule').hidden) scheduleView.opened();
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
  materials?.retranslate();
  sheetView?.retranslate();
  scheduleView?.retranslate();
});

wireViews({
  design: { element: byId('columns'), title: () => tr('program.name') },
  notes: { element: byId('Form1'), title: notesTitle, button: byId('Command3'),
    back: byId('Form1-Command1'), focus: byId('Form1-Command1') },
  sheet: { element: byId('Sheet'), title: () => sheetView.title(), heading: pageSheetTitle,
    button: sheetButton, back: byId('SheetBack'), focus: byId('SheetPrint'),
    available: () => sheetView?.available() ?? false },
  schedule: { element: byId('Schedule'), title: scheduleTitle, button: byId('ScheduleButton'),
    back: byId('ScheduleBack'), focus: byId('ScheduleDesign'),
    shown: () => scheduleView?.opened() },
}, document.querySelector('.title-bar h1'));

if ('serviceWorker' in navigator) {
  workOffline(navigator.serviceWorker, byId('update-banner')).catch((error) => {
    console.warn('Working offline is not available:', error);
  });
}
