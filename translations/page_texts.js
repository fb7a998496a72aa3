// The texts only the page shows, in the form lupdate reads: they stand in the catalogue
// (column-designer_en.ts) beside the program's own, and the page's build takes every text it
// uses from there (web/page_texts.py). lupdate reads this file; nothing runs it.

QT_TRANSLATE_NOOP('ColumnDesigner',
  'تصميم مبدئي لعمود خرساني مسلح: أدخل حمل العمود وعدد الطوابق واحصل على أبعاد القطاع وعدد الأسياخ.',
  'page.description');
QT_TRANSLATE_NOOP('ColumnDesigner', 'زركولت — تصميم عمود خرساني', 'page.app-name');
QT_TRANSLATE_NOOP('ColumnDesigner',
  'تصميم مبدئي لعمود خرساني مسلح: أبعاد القطاع وعدد الأسياخ من حمل العمود وعدد الطوابق.',
  'page.app-description');
QT_TRANSLATE_NOOP('ColumnDesigner', 'مقطع العمود A-A وواجهته بين طابقين', 'page.picture');
QT_TRANSLATE_NOOP('ColumnDesigner', 'يحتاج هذا البرنامج إلى تفعيل JavaScript في المتصفح.',
  'page.no-script');
QT_TRANSLATE_NOOP('ColumnDesigner', 'تعذر تحميل الحساب في هذا المتصفح، أعد تحميل الصفحة',
  'page.calculation-unavailable');
// %1: the section "30 × 230" as a left-to-right island; %2 the bars; %3 their diameter;
// %4 the clear spacing between them.
QT_TRANSLATE_NOOP('ColumnDesigner',
  'مقطع العمود %1 سم، %2 أسياخ قطر %3 مم، المسافة الصافية بين الأسياخ %4 مم',
  'page.section-caption');
// The banner that offers a new build of the page.
QT_TRANSLATE_NOOP('ColumnDesigner', 'نسخة جديدة متاحة', 'page.new-version');
QT_TRANSLATE_NOOP('ColumnDesigner', 'إعادة التحميل', 'page.reload');
// The calculation sheet, the schedule and the materials on the page.
// The page's button and title for the calculation sheet of the last successful Results.
QT_TRANSLATE_NOOP('ColumnDesigner', 'ورقة الحساب', 'page.sheet');
// Prints the sheet or the schedule through the browser, which also saves as PDF.
QT_TRANSLATE_NOOP('ColumnDesigner', 'طباعة', 'page.print');
// Sends the results as text where the browser can share.
QT_TRANSLATE_NOOP('ColumnDesigner', 'مشاركة', 'page.share');
QT_TRANSLATE_NOOP('ColumnDesigner',
  'اكتب الأعمدة أو الصق صفوفا من جدول بيانات، أو افتح ملف CSV.',
  'page.schedule-hint');
QT_TRANSLATE_NOOP('ColumnDesigner', 'حذف الصف', 'page.remove-row');
QT_TRANSLATE_NOOP('ColumnDesigner', 'تصميم الجدول', 'page.schedule-design');
// %1 to %5: the materials as the engine writes them.
QT_TRANSLATE_NOOP('ColumnDesigner',
  'الخرسانة fcu = %1 kg/cm²، الحديد fy = %2 kg/cm²، العرض %3 cm، الأسياخ Φ%4، معامل زيادة الحمل %5 (من «المواد والاختيارات» في صفحة التصميم)',
  'page.schedule-materials');
QT_TRANSLATE_NOOP('ColumnDesigner', 'تعذرت قراءة الملف %1', 'page.file-unreadable');
// The schedule's table is more than the browser's storage keeps.
QT_TRANSLATE_NOOP('ColumnDesigner',
  'لم يتسع تخزين المتصفح لهذا الجدول، فلن يبقى بعد إغلاق الصفحة',
  'page.schedule-not-kept');
QT_TRANSLATE_NOOP('ColumnDesigner',
  'الجدول للقيم السابقة، اضغط «تصميم الجدول» للتحديث',
  'page.schedule-stale');
// A tab of the page that another tab's update has left behind.
QT_TRANSLATE_NOOP('ColumnDesigner',
  'حُدّثت الصفحة في نافذة أخرى، أعد تحميلها لتصميم الجدول',
  'page.other-build');
// The moments of the design view, in a panel that starts closed: its title, its fields.
QT_TRANSLATE_NOOP('ColumnDesigner', 'العزوم والنحافة', 'page.moments');
QT_TRANSLATE_NOOP('ColumnDesigner', 'العزم Mx حول المحور x (t·m)', 'page.moment-x');
QT_TRANSLATE_NOOP('ColumnDesigner', 'العزم My حول المحور y (t·m)', 'page.moment-y');
QT_TRANSLATE_NOOP('ColumnDesigner', 'ارتفاع العمود (m)', 'page.column-height');
QT_TRANSLATE_NOOP('ColumnDesigner', 'عمود غير مقيد جانبياً', 'page.unbraced');
// %1: the utilisation; %2 and %3: "Mx = 20.00 t·m" and "My = 3.00 t·m", each a left-to-right
// island.
QT_TRANSLATE_NOOP('ColumnDesigner',
  'حكمت العزوم التصميم: نسبة الاستغلال %1، والعزمان التصميميان %2 و %3',
  'page.moments-governed');
QT_TRANSLATE_NOOP('ColumnDesigner',
  'العزوم في حدود اللامركزية الدنيا، فالقطاع هو قطاع الحمل المحوري',
  'page.moments-within');
