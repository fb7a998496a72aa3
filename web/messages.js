// The texts of the design's message boxes, as the desktop program words them, and the page's
// own notes.

const EMPTY_FIELD = 'لا يمكن ترك هذا الحقل فارغا';

const INPUT_PROBLEM_TEXTS = {
  'load-empty': EMPTY_FIELD,
  'floors-empty': EMPTY_FIELD,
  unfinished: 'الرقم المدخل غير مكتمل', // English: "The number is not complete"
  negative: 'لا يمكن أن تكون القيمة سالبة',
};

const FAILURE_TEXTS = {
  overflow: 'القيم المدخلة كبيرة جدا ولا يمكن حسابها',
  'type-mismatch': 'القيمة المدخلة ليست رقما',
};

export const CALCULATION_UNAVAILABLE = 'تعذر تحميل الحساب في هذا المتصفح، أعد تحميل الصفحة';

export const SEPARATOR_HINT = 'العلامة العشرية هي النقطة «.» أو «٫»';

export const STALE_RESULTS_NOTE = 'النتائج للقيم السابقة، اضغط «النتائج» للتحديث';

export const NEW_VERSION_AVAILABLE = 'نسخة جديدة متاحة';
export const RELOAD_NEW_VERSION = 'إعادة التحميل';

export function inputProblemText(problem) {
  return INPUT_PROBLEM_TEXTS[problem];
}

export function failureText(failure) {
  return FAILURE_TEXTS[failure] ?? FAILURE_TEXTS['type-mismatch'];
}

// --- The materials, the calculation sheet and the column schedule. Numbers come from the
// engine as texts; a figure with its unit inside an Arabic sentence is kept left to right.

const ltr = (figure) => `\u2066${figure}\u2069`;

// Labels and buttons, set on the elements that name them in data-text (their text) or
// data-label (their aria-label).
export const PAGE_TEXTS = {
  materials: 'المواد والاختيارات',
  fcu: `مقاومة الخرسانة ${ltr('fcu (kg/cm²)')}`,
  fy: `إجهاد خضوع الحديد ${ltr('fy (kg/cm²)')}`,
  width: `عرض القطاع ${ltr('b (cm)')}`,
  barDiameter: `قطر السيخ ${ltr('(mm)')}`,
  loadFactor: 'معامل زيادة الحمل',
  materialsReset: 'القيم الافتراضية',
  sheetButton: 'ورقة الحساب',
  scheduleButton: 'جدول الأعمدة',
  print: 'طباعة',
  share: 'مشاركة',
  back: 'رجوع',
  scheduleOpen: 'فتح ملف CSV',
  scheduleAddRow: 'إضافة صف',
  scheduleDesign: 'تصميم الجدول',
  scheduleDownload: 'تحميل CSV',
  floorHeight: `ارتفاع الطابق ${ltr('(m)')}`,
  schedulePasteHint: 'اكتب الأعمدة أو الصق صفوفا من جدول بيانات، أو افتح ملف CSV.',
  mark: 'الرمز',
  load: `الحمل ${ltr('(t)')}`,
  floors: 'الأدوار',
  count: 'العدد',
  removeRow: 'حذف الصف',
  levelsTitle: 'المستويات',
  typesTitle: 'الأنواع والكميات',
  level: 'المستوى',
  floorsCarried: 'الأدوار المحمولة',
  requiredArea: `مساحة الخرسانة المطلوبة ${ltr('(cm²)')}`,
  widthCm: `العرض ${ltr('(cm)')}`,
  lengthCm: `الطول ${ltr('(cm)')}`,
  steelArea: `مساحة الحديد ${ltr('(cm²)')}`,
  bars: 'الأسياخ',
  barDiameterMm: `القطر ${ltr('(mm)')}`,
  status: 'الحالة',
  type: 'النوع',
  typeColumns: 'الأعمدة',
  segments: 'المقاطع',
  concrete: `الخرسانة ${ltr('(m³)')}`,
  steel: `الحديد ${ltr('(kg)')}`,
  total: 'المجموع',
};

export const VIEW_TITLES = { notes: 'ملاحظات', sheet: 'ورقة الحساب', schedule: 'جدول الأعمدة' };

// The engine's refusals, worded as the command line words them, with the ranges of the rules
// table as the engine writes them (`r`: the module's rules).
const range = (least, most) => `من ${least} إلى ${most}`;

export function materialsProblemText(choice, { texts: r, barDiameters }) {
  switch (choice) {
    case 'fcu':
      return `مقاومة الخرسانة fcu ${range(r.leastFcu, r.mostFcu)} kg/cm²`;
    case 'fy':
      return `إجهاد خضوع الحديد fy ${range(r.leastFy, r.mostFy)} kg/cm²`;
    case 'width':
      return `عرض العمود عدد صحيح ${range(r.leastWidth, r.mostWidth)} cm`;
    case 'barDiameter':
      return `قطر السيخ أحد هذه: ${barDiameters.join(' ')} mm`;
    default:
      return `معامل زيادة الحمل ${range(r.leastLoadFactor, r.mostLoadFactor)}`;
  }
}

export const floorHeightProblemText = ({ texts: r }) =>
  `ارتفاع الدور ${range(r.leastFloorHeight, r.mostFloorHeight)} m`;

// The materials a schedule was designed with, on one line.
export const materialsLine = (m) => [ltr(`fcu = ${m.fcuText} kg/cm²`),
  ltr(`fy = ${m.fyText} kg/cm²`),
  ltr(`b = ${m.widthText} cm`), ltr(`Φ${m.barDiameterText}`),
  `معامل زيادة الحمل ${ltr(m.loadFactorText)}`].join('، ');

const SCHEDULE_PROBLEM_TEXTS = {
  'missing-value': () => 'القيمة فارغة',
  'mark-too-long': (r) => `الرمز أطول من ${r.mostMarkBytes} بايت`,
  'not-a-number': () => 'القيمة ليست رقما',
  'negative-load': () => 'الحمل لا يكون سالبا',
  'not-whole-number': () => 'القيمة ليست عددا صحيحا',
  'floors-out-of-range': (r) => `عدد الأدوار ${range(1, r.mostFloors)}`,
  'count-out-of-range': (r) => `عدد الأعمدة ${range(1, r.mostColumnCount)}`,
  'file-too-large': (r) => `الملف أكبر من ${r.mostFileBytes} بايت`,
  'no-header': () => 'الملف فارغ',
  'not-utf8': () => 'الملف ليس نصا بترميز UTF-8',
  'unknown-column': () => 'عمود غير معروف؛ الأعمدة هي الرمز والحمل والأدوار والعدد',
  'repeated-column': () => 'العمود مذكور مرتين في سطر العناوين',
  'missing-column': () => 'سطر العناوين لا يذكر هذا العمود',
  'no-rows': () => 'لا أعمدة بعد سطر العناوين',
  'unclosed-quote': () => 'علامة تنصيص لم تغلق',
  'text-after-quote': () => 'نص بعد علامة التنصيص الختامية',
  'too-many-values': () => 'قيم أكثر من أعمدة سطر العناوين',
  'too-many-levels': (r) => `الجدول يتجاوز ${r.mostLevels} مستوى`,
};

const COLUMN_NAMES = { mark: 'الرمز', load: 'الحمل', floors: 'الأدوار', count: 'العدد' };

// A schedule refused by the engine, as the command line names it: the file, its line and its
// column (a missing column by its Arabic name); or for the table, its row and column.
export function scheduleProblemText({ file, line, row, field, column, kind }, { texts: r }) {
  const missing = kind === 'missing-column' && field;
  const parts = row === undefined
    ? [file, line > 0 ? `السطر ${line}` : '',
      field || column ? `العمود «${missing ? COLUMN_NAMES[field] : column}»` : '']
    : [row > 0 ? `الصف ${row}` : '', field ? `العمود «${COLUMN_NAMES[field]}»` : ''];
  const where = parts.filter(Boolean).join('، ');
  const what = SCHEDULE_PROBLEM_TEXTS[kind](r);
  return where ? `${where}: ${what}` : what;
}

export const SCHEDULE_FILE_UNREADABLE = 'تعذرت قراءة الملف';
export const SCHEDULE_MATERIALS_NOTE = 'المواد من لوحة «المواد والاختيارات» في صفحة التصميم:';
export const repeatedMarkNote = (count) => `رموز مكررة في الجدول: ${count}`;
export const failedLevelsNote = (count) =>
  `مستويات لم تصمم (overflow: القيم كبيرة جدا ولا يمكن حسابها): ${count}`;
export const quantitiesNote = (r, floorHeight) =>
  `الكميات من ارتفاع طابق ${ltr(`${floorHeight} m`)} ` +
  `وكثافة حديد ${ltr(`${r.steelDensity} kg/m³`)}، ` +
  'بدون وصلات أو هالك.';
export const segmentText = ({ firstLevel, lastLevel, failed, lengthText, barCountText }, m) => {
  const levels = firstLevel === lastLevel ? `المستوى ${firstLevel}`
    : `المستويات ${ltr(`${firstLevel}–${lastLevel}`)}`;
  return failed ? `${levels}: overflow`
    : `${levels}: ${ltr(`${m.widthText} × ${lengthText}`)}، ` +
      ltr(`${barCountText} Φ${m.barDiameterText}`);
};

// --- The calculation sheet, as the desktop's.

export const SHEET_TITLE = 'ورقة حساب عمود خرساني مسلح';

export const sheetTitle = (d) => `${SHEET_TITLE} ${d.materials.widthText} × ${d.lengthText} cm`;

const stressFormula = (m, r) =>
  `σ = ${r.concreteStressShare} fcu + ${r.steelStressShare} fy × ${r.steelSharePercent}% = ` +
  `${r.concreteStressShare} × ${m.fcuText} + ` +
  `${r.steelStressShare} × ${m.fyText} × ${r.steelShare} = ` +
  `${m.carryingStressText} kg/cm²`;

const step1Note = (m, r) =>
  `${m.loadFactorText} زيادة ${m.loadIncreasePercentText}% على الحمل، ${r.kilogramsPerTon} ` +
  `للتحويل من الطن إلى الكيلوجرام، ويحمل السنتيمتر المربع ${m.carryingStressText} kg.`;

function lengthNote(w, m, r, length) {
  const least = m.widthText;
  const rule = `يقرب الناتج لأقرب سنتيمتر، ولا يقل الطول عن ${ltr(`${least} cm`)} ` +
    `ويكون من مضاعفات ${ltr(`${r.lengthStep} cm`)}. `;
  switch (w.lengthRule) {
    case 'raised-to-least':
      return `${rule}الناتج أقل من ${least}، فرفع الطول إلى الحد الأدنى ${ltr(`${least} cm`)}.`;
    case 'raised-to-multiple':
      return `${rule}قرب الناتج إلى ${w.roundedLengthText} ثم رفع إلى مضاعف ${r.lengthStep}، ` +
        `فصار الطول ${ltr(`${length} cm`)}.`;
    default:
      return `${rule}لم ترفع القاعدة الطول.`;
  }
}

const steelNote = (w, r) => (w.steelRule === 'share-of-required-area'
  ? `حكمت نسبة ${ltr(`${r.steelSharePercent}%`)} من مساحة الخرسانة المطلوبة.`
  : `حكم الحد الأدنى ${ltr(`${r.leastSteelSharePercent}%`)} من مساحة القطاع المختار.`);

function barNote(w, m, r, bars) {
  const rule = `يحسب لكل سيخ قطر ${ltr(`${m.barDiameterText} mm`)} ` +
    `مساحة ${ltr(`${m.barAreaText} cm²`)}، ` +
    `ويقرب الناتج لأقرب عدد صحيح، ولا يقل عدد الأسياخ عن ${r.leastBars} ويكون زوجيا. `;
  switch (w.barRule) {
    case 'raised-to-least':
      return `${rule}الناتج أقل من ${r.leastBars}، ` +
        `فرفع العدد إلى الحد الأدنى ${r.leastBars} أسياخ.`;
    case 'raised-to-even':
      return `${rule}قرب الناتج إلى ${w.roundedBarText} ثم رفع إلى العدد الزوجي ${bars}.`;
    default:
      return `${rule}لم ترفع القاعدة العدد.`;
  }
}

// Every text of the sheet of a successful Results (`sheet`: the inputs as typed and the design
// with its working and materials), from the rules' numbers `r` as the engine writes them. Values
// and formulas read left to right.
export function sheetTexts({ load, floors, design, clearSpacing }, r, version, date) {
  const { working: w, materials: m } = design;
  const area = design.requiredAreaText;
  const length = design.lengthText;
  const steel = design.steelAreaText;
  const bars = design.barCountText;
  const b = m.widthText;
  return {
    title: 'زركولت',
    subtitle: `${SHEET_TITLE} — تصميم مبدئي`,
    meta: [['الإصدار', version], ['التاريخ', date]],
    inputs: {
      title: 'المدخلات',
      rows: [['حمل العمود لكل طابق P', `${load} t`], ['عرض القطاع b', `${b} cm`],
        ['عدد الطوابق n', floors], ['قطر الأسياخ', `${m.barDiameterText} mm`]],
    },
    materials: {
      title: 'المواد',
      rows: [['مقاومة الخرسانة fcu', `${m.fcuText} kg/cm²`],
        ['إجهاد خضوع الحديد fy', `${m.fyText} kg/cm²`], ['معامل زيادة الحمل', m.loadFactorText],
        ['ما يحمله السنتيمتر المربع σ', `${m.carryingStressText} kg/cm²`]],
      formula: stressFormula(m, r),
    },
    steps: {
      title: 'خطوات الحساب',
      steps: [
        { title: '1. مساحة الخرسانة المطلوبة Ac', result: `Ac = ${area} cm²`,
          formula: [
            `Ac = n × (${m.loadFactorText} × P) × ${r.kilogramsPerTon} ÷ ${m.carryingStressText}`,
            `= ${floors} × (${m.loadFactorText} × ${load}) × ${r.kilogramsPerTon} ÷ ` +
              `${m.carryingStressText} = ${area} cm²`],
          note: step1Note(m, r) },
        { title: '2. طول القطاع t', result: `t = ${length} cm`,
          formula: [`Ac ÷ b = ${area} ÷ ${b} = ${w.lengthQuotientText}`],
          note: lengthNote(w, m, r, length) },
        { title: '3. مساحة حديد التسليح As', result: `As = ${steel} cm²`,
          formula: [`As = max(${r.steelShare} × Ac, ${r.leastSteelShare} × b × t)`,
            `= max(${r.steelShare} × ${area}, ${r.leastSteelShare} × ${b} × ${length}) = ` +
              `max(${w.steelShareText}, ${w.leastSteelText}) = ${steel} cm²`],
          note: steelNote(w, r) },
        { title: '4. عدد الأسياخ N', result: `N = ${bars}`,
          formula: [`As ÷ ${m.barAreaText} = ${steel} ÷ ${m.barAreaText} = ${w.barQuotientText}`],
          note: barNote(w, m, r, bars) },
      ],
    },
    chosen: {
      title: 'القطاع المختار',
      rows: [['أبعاد القطاع b × t', `${b} × ${length} cm`],
        ['حديد التسليح الطولي', `${bars} Φ${m.barDiameterText}`],
        [`نسبة التسليح ${ltr('As ÷ (b·t)')}`, `${w.steelRatioPercentText} %`]],
    },
    drawing: {
      title: 'رسم القطاع',
      label: `${b} × ${length} cm`,
      legend: ['افتراضات الرسم، لا فحوص للكود:',
        `• غطاء خرساني صاف ${ltr(`${r.clearCover} mm`)}`,
        `• كانات Φ${r.tieDiameter}`,
        `• أسياخ Φ${m.barDiameterText} مرسومة بقطرها الحقيقي`,
        ...(clearSpacing ? [`• أقل تباعد صاف بين الأسياخ ${ltr(`${clearSpacing} mm`)}`] : [])],
    },
    limits: {
      title: 'حدود التصميم',
      lines: [`• عدد الأدوار المسموح بها في هذا البرنامج هو ${r.floorNoteLimit} ادوار` +
          (w.beyondFloorLimit ? `، وعدد الطوابق المدخل ${floors} يتجاوز هذا الحد` : ''),
        '• لم يتم اضافة احمال الرياح والزلازل في التصميم',
        '• هذا تصميم مبدئي، يراجعه مهندس إنشائي قبل التنفيذ'],
    },
  };
}

// The results as plain text, for sharing: as the desktop copies them.
export const resultsPlainText = (s) => [
  'زركولت — تصميم مبدئي لعمود خرساني مسلح',
  `حمل العمود لكل طابق: ${s.load} t`,
  `عدد الطوابق: ${s.floors}`,
  `مساحة الخرسانة المطلوبة: ${s.design.requiredAreaText} cm²`,
  `أبعاد القطاع: ${s.design.materials.widthText} × ${s.design.lengthText} cm`,
  `مساحة حديد التسليح: ${s.design.steelAreaText} cm²`,
  `عدد الأسياخ: ${s.design.barCountText} Φ${s.design.materials.barDiameterText}`,
  `قطر السيخ: ${s.design.materials.barDiameterText} mm`,
].join('\n');
