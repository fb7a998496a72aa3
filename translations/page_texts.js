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
