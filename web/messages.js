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
