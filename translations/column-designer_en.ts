<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ColumnDesigner</name>
    <message>
        <source>تصميم مبدئي لعمود خرساني مسلح: أدخل حمل العمود وعدد الطوابق واحصل على أبعاد القطاع وعدد الأسياخ.</source>
        <comment>page.description</comment>
        <translation>Preliminary design of a reinforced-concrete column: type the column&apos;s load and the number of floors, and get the section&apos;s dimensions and the number of bars.</translation>
    </message>
    <message>
        <source>زركولت — تصميم عمود خرساني</source>
        <comment>page.app-name</comment>
        <translation>Column Designer — concrete column design</translation>
    </message>
    <message>
        <source>تصميم مبدئي لعمود خرساني مسلح: أبعاد القطاع وعدد الأسياخ من حمل العمود وعدد الطوابق.</source>
        <comment>page.app-description</comment>
        <translation>Preliminary design of a reinforced-concrete column: the section&apos;s dimensions and the number of bars from the column&apos;s load and the number of floors.</translation>
    </message>
    <message>
        <source>مقطع العمود A-A وواجهته بين طابقين</source>
        <comment>page.picture</comment>
        <translation>Section A-A of the column and its elevation between two floors</translation>
    </message>
    <message>
        <source>يحتاج هذا البرنامج إلى تفعيل JavaScript في المتصفح.</source>
        <comment>page.no-script</comment>
        <translation>This program needs JavaScript to be turned on in the browser.</translation>
    </message>
    <message>
        <source>تعذر تحميل الحساب في هذا المتصفح، أعد تحميل الصفحة</source>
        <comment>page.calculation-unavailable</comment>
        <translation>The calculation could not be loaded in this browser; reload the page</translation>
    </message>
    <message>
        <source>مقطع العمود %1 سم، %2 أسياخ قطر %3 مم، المسافة الصافية بين الأسياخ %4 مم</source>
        <comment>page.section-caption</comment>
        <translation>Column section %1 cm, %2 bars of %3 mm, clear spacing between the bars %4 mm</translation>
    </message>
    <message>
        <source>يقرب الناتج لأقرب سنتيمتر، ولا يقل الطول عن %1 ويكون من مضاعفات %2. </source>
        <comment>sheet.length-rule</comment>
        <translation>The result is rounded to the nearest centimetre; the length is at least %1 and a multiple of %2. </translation>
    </message>
    <message>
        <source>الناتج أقل من %1، فرفع الطول إلى الحد الأدنى %2.</source>
        <comment>sheet.length-raised-to-least</comment>
        <translation>The result is less than %1, so the length was raised to the least, %2.</translation>
    </message>
    <message>
        <source>قرب الناتج إلى %1 ثم رفع إلى مضاعف %2، فصار الطول %3.</source>
        <comment>sheet.length-raised-to-multiple</comment>
        <translation>The result rounded to %1 and was raised to a multiple of %2: the length is %3.</translation>
    </message>
    <message>
        <source>لم ترفع القاعدة الطول.</source>
        <comment>sheet.length-kept</comment>
        <translation>The rule did not raise the length.</translation>
    </message>
    <message>
        <source>يحسب لكل سيخ قطر %1 مساحة %2، ويقرب الناتج لأقرب عدد صحيح، ولا يقل عدد الأسياخ عن %3 ويكون زوجيا. </source>
        <comment>sheet.bar-rule</comment>
        <translation>Each bar of %1 counts as %2; the result is rounded to the nearest whole number, and there are at least %3 bars, an even count. </translation>
    </message>
    <message>
        <source>الناتج أقل من %1، فرفع العدد إلى الحد الأدنى %1 أسياخ.</source>
        <comment>sheet.bars-raised-to-least</comment>
        <translation>The result is less than %1, so the count was raised to the least, %1 bars.</translation>
    </message>
    <message>
        <source>قرب الناتج إلى %1 ثم رفع إلى العدد الزوجي %2.</source>
        <comment>sheet.bars-raised-to-even</comment>
        <translation>The result rounded to %1 and was raised to the even count %2.</translation>
    </message>
    <message>
        <source>لم ترفع القاعدة العدد.</source>
        <comment>sheet.bars-kept</comment>
        <translation>The rule did not raise the count.</translation>
    </message>
    <message>
        <source>ورقة حساب عمود خرساني مسلح — تصميم مبدئي</source>
        <comment>sheet.subtitle</comment>
        <translation>Calculation sheet of a reinforced-concrete column — preliminary design</translation>
    </message>
    <message>
        <source>الإصدار</source>
        <comment>sheet.version</comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>التاريخ</source>
        <comment>sheet.date</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>المدخلات</source>
        <comment>sheet.inputs</comment>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>حمل العمود لكل طابق P</source>
        <comment>sheet.load</comment>
        <translation>Column load per floor P</translation>
    </message>
    <message>
        <source>مقاومة الخرسانة fcu</source>
        <comment>sheet.concrete-strength</comment>
        <translation>Concrete strength fcu</translation>
    </message>
    <message>
        <source>إجهاد خضوع الحديد fy</source>
        <comment>sheet.steel-yield</comment>
        <translation>Steel yield stress fy</translation>
    </message>
    <message>
        <source>معامل زيادة الحمل</source>
        <comment>sheet.load-factor</comment>
        <translation>Load increase factor</translation>
    </message>
    <message>
        <source>إجهاد التحمل</source>
        <comment>sheet.carrying-stress</comment>
        <translation>Carrying stress</translation>
    </message>
    <message>
        <source>المواد والاختيارات…</source>
        <comment>design.materials</comment>
        <translation>Materials and choices…</translation>
    </message>
    <message>
        <source>جدول الأعمدة…</source>
        <comment>design.schedule</comment>
        <translation>Column schedule…</translation>
    </message>
    <message>
        <source>عرض القطاع b</source>
        <comment>sheet.width</comment>
        <translation>Section width b</translation>
    </message>
    <message>
        <source>عدد الطوابق n</source>
        <comment>sheet.floors</comment>
        <translation>Number of floors n</translation>
    </message>
    <message>
        <source>قطر الأسياخ</source>
        <comment>sheet.bar-diameter</comment>
        <translation>Bar diameter</translation>
    </message>
    <message>
        <source>خطوات الحساب</source>
        <comment>sheet.steps</comment>
        <translation>Calculation steps</translation>
    </message>
    <message>
        <source>1. مساحة الخرسانة المطلوبة Ac</source>
        <comment>sheet.step-required-area</comment>
        <translation>1. Required concrete area Ac</translation>
    </message>
    <message>
        <source>%1 زيادة %2 على الحمل، %3 للتحويل من الطن إلى الكيلوجرام، ويحمل السنتيمتر المربع %4 kg.</source>
        <comment>sheet.required-area-note</comment>
        <translation>%1 adds %2 to the load, %3 turns tons into kilograms, and each square centimetre carries %4 kg.</translation>
    </message>
    <message>
        <source>2. طول القطاع t</source>
        <comment>sheet.step-length</comment>
        <translation>2. Section length t</translation>
    </message>
    <message>
        <source>3. مساحة حديد التسليح As</source>
        <comment>sheet.step-steel-area</comment>
        <translation>3. Steel area As</translation>
    </message>
    <message>
        <source>حكمت نسبة %1 من مساحة الخرسانة المطلوبة.</source>
        <comment>sheet.steel-share-governs</comment>
        <translation>%1 of the required concrete area governs.</translation>
    </message>
    <message>
        <source>حكم الحد الأدنى %1 من مساحة القطاع المختار.</source>
        <comment>sheet.least-steel-governs</comment>
        <translation>The least, %1 of the chosen section, governs.</translation>
    </message>
    <message>
        <source>4. عدد الأسياخ N</source>
        <comment>sheet.step-bars</comment>
        <translation>4. Number of bars N</translation>
    </message>
    <message>
        <source>القطاع المختار</source>
        <comment>sheet.chosen-section</comment>
        <translation>Chosen section</translation>
    </message>
    <message>
        <source>أبعاد القطاع b × t</source>
        <comment>sheet.section</comment>
        <translation>Section b × t</translation>
    </message>
    <message>
        <source>حديد التسليح الطولي</source>
        <comment>sheet.longitudinal-steel</comment>
        <translation>Longitudinal steel</translation>
    </message>
    <message>
        <source>نسبة التسليح As ÷ (b·t)</source>
        <comment>sheet.steel-ratio</comment>
        <translation>Steel ratio As ÷ (b·t)</translation>
    </message>
    <message>
        <source>رسم القطاع</source>
        <comment>sheet.drawing</comment>
        <translation>Section drawing</translation>
    </message>
    <message>
        <source>افتراضات الرسم، لا فحوص للكود:</source>
        <comment>sheet.drawing-assumptions</comment>
        <translation>Assumptions of the drawing, not code checks:</translation>
    </message>
    <message>
        <source>• غطاء خرساني صاف %1</source>
        <comment>sheet.drawing-cover</comment>
        <translation>• Clear concrete cover %1</translation>
    </message>
    <message>
        <source>• كانات Φ%1</source>
        <comment>sheet.drawing-ties</comment>
        <translation>• Ties Φ%1</translation>
    </message>
    <message>
        <source>• أسياخ Φ%1 مرسومة بقطرها الحقيقي</source>
        <comment>sheet.drawing-bars</comment>
        <translation>• Bars Φ%1 drawn at their true diameter</translation>
    </message>
    <message>
        <source>• أقل تباعد صاف بين الأسياخ %1</source>
        <comment>sheet.drawing-spacing</comment>
        <translation>• Least clear spacing between bars %1</translation>
    </message>
    <message>
        <source>• مقياس الرسم %1</source>
        <comment>sheet.drawing-scale</comment>
        <translation>• Scale %1</translation>
    </message>
    <message>
        <source>حدود التصميم</source>
        <comment>sheet.limits</comment>
        <translation>Limits of the design</translation>
    </message>
    <message>
        <source>، وعدد الطوابق المدخل %1 يتجاوز هذا الحد</source>
        <comment>sheet.beyond-floor-limit</comment>
        <translation>; the %1 floors entered are beyond it</translation>
    </message>
    <message>
        <source>هذا تصميم مبدئي، يراجعه مهندس إنشائي قبل التنفيذ</source>
        <comment>sheet.preliminary</comment>
        <translation>This is a preliminary design, to be checked by a structural engineer before construction</translation>
    </message>
    <message>
        <source>ورقة حساب عمود خرساني مسلح %1</source>
        <comment>sheet.title</comment>
        <translation>Calculation sheet of a reinforced-concrete column %1</translation>
    </message>
    <message>
        <source>حمل العمود لكل طابق</source>
        <comment>results.load</comment>
        <translation>Column load per floor</translation>
    </message>
    <message>
        <source>مساحة الخرسانة المطلوبة</source>
        <comment>results.required-area</comment>
        <translation>Required concrete area</translation>
    </message>
    <message>
        <source>أبعاد القطاع</source>
        <comment>results.section</comment>
        <translation>Section</translation>
    </message>
    <message>
        <source>مساحة حديد التسليح</source>
        <comment>results.steel-area</comment>
        <translation>Steel area</translation>
    </message>
    <message>
        <source>قطر السيخ</source>
        <comment>results.bar-diameter</comment>
        <translation>Bar diameter</translation>
    </message>
    <message>
        <source>زركولت — تصميم مبدئي لعمود خرساني مسلح</source>
        <comment>results.heading</comment>
        <translation>Column Designer — preliminary design of a reinforced-concrete column</translation>
    </message>
    <message>
        <source>لا تتسع الأسياخ في هذا القطاع بالتباعد الأدنى، فلم يرسم</source>
        <comment>sheet.bars-do-not-fit</comment>
        <translation>The bars do not fit this section at the least spacing, so it is not drawn</translation>
    </message>
    <message>
        <source>زركولت</source>
        <comment>program.name</comment>
        <translation>Column Designer</translation>
    </message>
    <message>
        <source>عدد الطوابق</source>
        <comment>design.floors</comment>
        <translation>Floors</translation>
    </message>
    <message>
        <source>عدد الأسياخ</source>
        <comment>design.bar-count</comment>
        <translation>Bars</translation>
    </message>
    <message>
        <source>عدد الأدوار المسموح بها في هذا البرنامج هو %1 ادوار</source>
        <comment>limits.floors</comment>
        <translation>This program is meant for at most %1 floors</translation>
    </message>
    <message>
        <source>لم يتم اضافة احمال الرياح والزلازل في التصميم</source>
        <comment>limits.no-wind-loads</comment>
        <translation>The design leaves out wind and earthquake loads</translation>
    </message>
    <message>
        <source>(ton)حمل العمود</source>
        <comment>design.load</comment>
        <translation>Load (ton)</translation>
    </message>
    <message>
        <source>(mm) قطر السيخ</source>
        <comment>design.bar-diameter</comment>
        <translation>Bar Φ (mm)</translation>
    </message>
    <message>
        <source>مساحة الخرسانة المطلوبة (cm²)</source>
        <comment>design.required-area</comment>
        <translation>Required concrete area (cm²)</translation>
    </message>
    <message>
        <source>مساحة حديد التسليح (cm²)</source>
        <comment>design.steel-area</comment>
        <translation>Steel area (cm²)</translation>
    </message>
    <message>
        <source> (cm) أبعاد العمود </source>
        <comment>design.dimensions</comment>
        <translation> Column size (cm) </translation>
    </message>
    <message>
        <source>عرض العمود (cm)</source>
        <comment>design.width</comment>
        <translation>Column width (cm)</translation>
    </message>
    <message>
        <source>طول العمود (cm)</source>
        <comment>design.length</comment>
        <translation>Column length (cm)</translation>
    </message>
    <message>
        <source>النتائج</source>
        <comment>design.results</comment>
        <translation>Results</translation>
    </message>
    <message>
        <source>English</source>
        <comment>language.other</comment>
        <translation>العربية</translation>
    </message>
    <message>
        <source>القيم المدخلة كبيرة جدا ولا يمكن حسابها</source>
        <comment>message.overflow</comment>
        <translation>The values entered are too large to calculate</translation>
    </message>
    <message>
        <source>القيمة المدخلة ليست رقما</source>
        <comment>message.not-a-number</comment>
        <translation>The value entered is not a number</translation>
    </message>
    <message>
        <source>لا يمكن أن تكون القيمة سالبة</source>
        <comment>message.negative</comment>
        <translation>The value cannot be negative</translation>
    </message>
    <message>
        <source>لا يمكن ترك هذا الحقل فارغا</source>
        <comment>message.empty-field</comment>
        <translation>This field cannot be left empty</translation>
    </message>
    <message>
        <source>العلامة العشرية هي النقطة «.» أو «٫»</source>
        <comment>input.decimal-mark-hint</comment>
        <translation>The decimal mark is the point “.” or “٫”</translation>
    </message>
    <message>
        <source>موافق</source>
        <comment>message.ok</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>نعم</source>
        <comment>message.yes</comment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>لا</source>
        <comment>message.no</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>الاصدار رقم 1 لسنة 2013</source>
        <comment>notes.release</comment>
        <translation>Release 1 of 2013</translation>
    </message>
    <message>
        <source>قريبا سيتم اصدار  لزركولت وسيكون مضافا اليها احمال الرياح والزلازل</source>
        <comment>notes.coming-release</comment>
        <translation>Coming soon: a release of Column Designer with wind and earthquake loads</translation>
    </message>
    <message>
        <source>تصميم وبرمجة م/%1</source>
        <comment>notes.credits</comment>
        <translation>Design and code by Eng. %1</translation>
    </message>
    <message>
        <source>للتواصل :%1</source>
        <comment>notes.contact</comment>
        <translation>Contact: %1</translation>
    </message>
    <message>
        <source>رجوع</source>
        <comment>notes.back</comment>
        <translation>Back</translation>
    </message>
    <message>
        <source>في حاله حدوث اي مشاكل بالبرنامج يرجى الاتصال برقم %1 م/%2  والسلام عليكم ورحمة الله وبركاته</source>
        <comment>exit.farewell</comment>
        <translation>If the program gives you any trouble, please call %1, Eng. %2.  With our best wishes.</translation>
    </message>
    <message>
        <source>رسالة تأكيد</source>
        <comment>exit.confirmation</comment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source> هل أنت متأكد من الخروج من البرنامج؟؟؟</source>
        <comment>exit.are-you-sure</comment>
        <translation>Are you sure you want to leave the program?</translation>
    </message>
    <message>
        <source>حفظ ورقة الحساب</source>
        <comment>sheet.save-title</comment>
        <translation>Save the calculation sheet</translation>
    </message>
    <message>
        <source>المسار ليس ملفا عاديا ولا اسما جديدا.</source>
        <comment>file.not-regular-reason</comment>
        <translation>The path is neither a regular file nor a new name.</translation>
    </message>
    <message>
        <source>المجلد غير موجود.</source>
        <comment>file.no-folder</comment>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>المسار لا يشير إلى مجلد.</source>
        <comment>file.not-a-folder</comment>
        <translation>The path does not name a folder.</translation>
    </message>
    <message>
        <source>تعذرت الكتابة، وقد يكون القرص ممتلئا.</source>
        <comment>file.write-failed</comment>
        <translation>Writing failed; the disk may be full.</translation>
    </message>
    <message>
        <source>لا توجد صلاحية للكتابة في هذا المجلد.</source>
        <comment>file.no-permission</comment>
        <translation>There is no permission to write in this folder.</translation>
    </message>
    <message>
        <source>تعذر إنشاء الملف.</source>
        <comment>file.not-created</comment>
        <translation>The file could not be made.</translation>
    </message>
    <message>
        <source>حفظ ورقة الحساب بصيغة PDF…</source>
        <comment>sheet.save</comment>
        <translation>Save the calculation sheet as PDF…</translation>
    </message>
    <message>
        <source>طباعة ورقة الحساب…</source>
        <comment>sheet.print</comment>
        <translation>Print the calculation sheet…</translation>
    </message>
    <message>
        <source>نسخ النتائج</source>
        <comment>sheet.copy-results</comment>
        <translation>Copy the results</translation>
    </message>
    <message>
        <source>اضغط «النتائج» أولا</source>
        <comment>sheet.results-first</comment>
        <translation>Press “Results” first</translation>
    </message>
    <message>
        <source>الملف %1 موجود. هل تريد استبداله؟</source>
        <comment>file.replace</comment>
        <translation>The file %1 exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>تعذر حفظ ورقة الحساب في
%1

%2</source>
        <comment>file.save-failed</comment>
        <translation>The calculation sheet could not be saved in
%1

%2</translation>
    </message>
    <message>
        <source>معاينة ورقة الحساب قبل الطباعة</source>
        <comment>sheet.print-preview</comment>
        <translation>Calculation sheet print preview</translation>
    </message>
    <message>
        <source>ملاحظات</source>
        <comment>notes.title</comment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>خروج</source>
        <comment>exit.title</comment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>نسخة جديدة متاحة</source>
        <comment>page.new-version</comment>
        <translation>A new version is available</translation>
    </message>
    <message>
        <source>إعادة التحميل</source>
        <comment>page.reload</comment>
        <translation>Reload</translation>
    </message>
    <message>
        <source>الرقم المدخل غير مكتمل</source>
        <comment>message.unfinished-number</comment>
        <translation>The number is not complete</translation>
    </message>
    <message>
        <source>النتائج للقيم السابقة، اضغط «النتائج» للتحديث</source>
        <comment>design.stale-results</comment>
        <translation>Results of earlier values: press “Results”</translation>
    </message>
    <message>
        <source>القرص ممتلئ، ولا مكان فيه للملف.</source>
        <comment>file.disk-full</comment>
        <translation>The disk is full: there is no room for the file.</translation>
    </message>
    <message>
        <source>تعذر إنشاء ورقة الحساب.</source>
        <comment>file.sheet-not-made</comment>
        <translation>The calculation sheet could not be made.</translation>
    </message>
    <message>
        <source>اسم الملف فارغ، أو فيه سطر جديد أو رمز تحكم. اختر اسما غيره.</source>
        <comment>file.bad-name</comment>
        <translation>The file name is empty, or holds a new line or a control character. Choose another name.</translation>
    </message>
    <message>
        <source>الرمز</source>
        <comment>csv.mark</comment>
        <translation>mark</translation>
    </message>
    <message>
        <source>الحمل</source>
        <comment>csv.load</comment>
        <translation>load</translation>
    </message>
    <message>
        <source>الأدوار</source>
        <comment>csv.floors</comment>
        <translation>floors</translation>
    </message>
    <message>
        <source>العدد</source>
        <comment>csv.count</comment>
        <translation>count</translation>
    </message>
    <message>
        <source>عزم x</source>
        <comment>csv.moment-x</comment>
        <translation>mx</translation>
    </message>
    <message>
        <source>عزم y</source>
        <comment>csv.moment-y</comment>
        <translation>my</translation>
    </message>
    <message>
        <source>القيمة فارغة</source>
        <comment>problem.missing-value</comment>
        <translation>the value is empty</translation>
    </message>
    <message>
        <source>الرمز أطول من %1 بايت</source>
        <comment>problem.mark-too-long</comment>
        <translation>the mark is longer than %1 bytes</translation>
    </message>
    <message>
        <source>القيمة ليست رقما</source>
        <comment>problem.not-a-number</comment>
        <translation>the value is not a number</translation>
    </message>
    <message>
        <source>الحمل لا يكون سالبا</source>
        <comment>problem.negative-load</comment>
        <translation>the load cannot be negative</translation>
    </message>
    <message>
        <source>القيمة ليست عددا صحيحا</source>
        <comment>problem.not-whole-number</comment>
        <translation>the value is not a whole number</translation>
    </message>
    <message>
        <source>عدد الأدوار من %1 إلى %2</source>
        <comment>problem.floors-out-of-range</comment>
        <translation>the number of floors must be %1–%2</translation>
    </message>
    <message>
        <source>عدد الأعمدة من %1 إلى %2</source>
        <comment>problem.count-out-of-range</comment>
        <translation>the count must be %1–%2</translation>
    </message>
    <message>
        <source>الملف أكبر من %1 بايت</source>
        <comment>problem.file-too-large</comment>
        <translation>the file is larger than %1 bytes</translation>
    </message>
    <message>
        <source>الملف فارغ</source>
        <comment>problem.no-header</comment>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>الملف ليس نصا بترميز UTF-8</source>
        <comment>problem.not-utf8</comment>
        <translation>the file is not UTF-8 text</translation>
    </message>
    <message>
        <source>عمود غير معروف؛ الأعمدة هي الرمز والحمل والأدوار والعدد</source>
        <comment>problem.unknown-column</comment>
        <translation>unknown column; the columns are mark, load, floors and count</translation>
    </message>
    <message>
        <source>العمود مذكور مرتين في سطر العناوين</source>
        <comment>problem.repeated-column</comment>
        <translation>the header names the column twice</translation>
    </message>
    <message>
        <source>سطر العناوين لا يذكر هذا العمود</source>
        <comment>problem.missing-column</comment>
        <translation>the header lacks this column</translation>
    </message>
    <message>
        <source>لا أعمدة بعد سطر العناوين</source>
        <comment>problem.no-rows</comment>
        <translation>no columns follow the header</translation>
    </message>
    <message>
        <source>علامة تنصيص لم تغلق</source>
        <comment>problem.unclosed-quote</comment>
        <translation>a quotation mark is not closed</translation>
    </message>
    <message>
        <source>نص بعد علامة التنصيص الختامية</source>
        <comment>problem.text-after-quote</comment>
        <translation>text after a closing quotation mark</translation>
    </message>
    <message>
        <source>قيم أكثر من أعمدة سطر العناوين</source>
        <comment>problem.too-many-values</comment>
        <translation>more values than the header has columns</translation>
    </message>
    <message>
        <source>سطر العناوين أطول من %1 عمودا</source>
        <comment>problem.header-too-long</comment>
        <translation>the header names more than %1 columns</translation>
    </message>
    <message>
        <source>الرمز فيه سطر جديد أو حرف تحكم أو علامة اتجاه</source>
        <comment>problem.mark-not-printable</comment>
        <translation>the mark holds a line break, a control character or a direction mark</translation>
    </message>
    <message>
        <source>الجدول يتجاوز %1 مستوى</source>
        <comment>problem.too-many-levels</comment>
        <translation>the schedule has more than %1 levels</translation>
    </message>
    <message>
        <source>مقاومة الخرسانة fcu من %1 إلى %2 kg/cm²</source>
        <comment>materials.concrete-strength-range</comment>
        <translation>the concrete strength fcu must be %1–%2 kg/cm²</translation>
    </message>
    <message>
        <source>إجهاد خضوع الحديد fy من %1 إلى %2 kg/cm²</source>
        <comment>materials.steel-yield-range</comment>
        <translation>the steel yield stress fy must be %1–%2 kg/cm²</translation>
    </message>
    <message>
        <source>عرض العمود عدد صحيح من %1 إلى %2 cm</source>
        <comment>materials.width-range</comment>
        <translation>the column width must be a whole number %1–%2 cm</translation>
    </message>
    <message>
        <source>قطر السيخ أحد هذه: %1 mm</source>
        <comment>materials.bar-diameters</comment>
        <translation>the bar diameter must be one of %1 mm</translation>
    </message>
    <message>
        <source>معامل زيادة الحمل من %1 إلى %2</source>
        <comment>materials.load-factor-range</comment>
        <translation>the load factor must be %1–%2</translation>
    </message>
    <message>
        <source>ارتفاع الدور من %1 إلى %2 m</source>
        <comment>schedule.floor-height-range</comment>
        <translation>the floor height must be %1–%2 m</translation>
    </message>
    <message>
        <source>%1، السطر %2</source>
        <comment>csv.line</comment>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>%1، العمود «%2»</source>
        <comment>csv.column</comment>
        <translation>%1, column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>الحمل</source>
        <comment>usage.load</comment>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>الأدوار</source>
        <comment>usage.floors</comment>
        <translation>FLOORS</translation>
    </message>
    <message>
        <source>%1 «%2»: %3</source>
        <comment>usage.argument</comment>
        <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>تنبيه: %1: الرمز «%2» مكرر في السطور %3</source>
        <comment>schedule.repeated-mark-warning</comment>
        <translation>warning: %1: the mark &quot;%2&quot; is repeated on lines %3</translation>
    </message>
    <message>
        <source>خطأ في الأوامر: %1 (انظر column-designer --help)</source>
        <comment>usage.error</comment>
        <translation>usage error: %1 (see column-designer --help)</translation>
    </message>
    <message>
        <source>تعذرت كتابة الملف %1: %2</source>
        <comment>file.could-not-write</comment>
        <translation>could not write %1: %2</translation>
    </message>
    <message>
        <source>تعذرت كتابة الملف %1: ليس ملفا عاديا ولا اسما جديدا</source>
        <comment>file.not-regular</comment>
        <translation>could not write %1: it is neither a regular file nor a new name</translation>
    </message>
    <message>
        <source>تعذرت قراءة الملف %1: %2</source>
        <comment>file.could-not-read</comment>
        <translation>could not read %1: %2</translation>
    </message>
    <message>
        <source>يصمم design عمودا واحدا: الحمل على كل دور بالطن وعدد الأدوار (كسر أو صفر كما في نافذة
التصميم)، ويكتب النتيجة بصيغة CSV. يصمم schedule أعمدة المبنى كلها من ملف CSV (الرمز، الحمل،
الأدوار عددا صحيحا من 1 إلى %1، العدد) في كل مستوى، ويكتب جدول الأعمدة بصيغة CSV، أو في
ملف CSV أو PDF مع -o.</source>
        <comment>help.about</comment>
        <translation>design designs one column: the load per floor in tons and the number of floors (a fraction or
0, as in the design window); it prints the result as CSV. schedule designs every column of a
building, at every level, from a CSV file (mark, load, floors as a whole number from 1 to %1,
count) and writes the column schedule as CSV, or to a CSV or PDF file with -o.</translation>
    </message>
    <message>
        <source>مقاومة الخرسانة</source>
        <comment>help.concrete-strength</comment>
        <translation>Concrete strength</translation>
    </message>
    <message>
        <source>إجهاد خضوع الحديد</source>
        <comment>help.steel-yield</comment>
        <translation>Steel yield stress</translation>
    </message>
    <message>
        <source>عرض العمود</source>
        <comment>help.width</comment>
        <translation>Column width</translation>
    </message>
    <message>
        <source>ارتفاع الدور</source>
        <comment>help.floor-height</comment>
        <translation>Floor height</translation>
    </message>
    <message>
        <source>ملف الجدول</source>
        <comment>help.output</comment>
        <translation>The schedule&apos;s file</translation>
    </message>
    <message>
        <source>المقطع cm</source>
        <comment>schedule-pages.section</comment>
        <translation>Section cm</translation>
    </message>
    <message>
        <source>المساحة المطلوبة cm²</source>
        <comment>schedule-pages.required-area</comment>
        <translation>Required area cm²</translation>
    </message>
    <message>
        <source>الحديد cm²</source>
        <comment>schedule-pages.steel-area</comment>
        <translation>Steel cm²</translation>
    </message>
    <message>
        <source>الأنواع والكميات (دون وصلات أو هالك)</source>
        <comment>schedule-pages.types</comment>
        <translation>Types and quantities (without laps or waste)</translation>
    </message>
    <message>
        <source>الخرسانة m³</source>
        <comment>schedule-pages.concrete</comment>
        <translation>Concrete m³</translation>
    </message>
    <message>
        <source>الحديد kg</source>
        <comment>schedule-pages.steel</comment>
        <translation>Steel kg</translation>
    </message>
    <message>
        <source>المجموع</source>
        <comment>schedule-pages.total</comment>
        <translation>Total</translation>
    </message>
    <message>
        <source>الخرسانة %1، الحديد %2، العرض %3، الأسياخ %4، معامل زيادة الحمل %5، ارتفاع الدور %6، كثافة الحديد %7</source>
        <comment>schedule-pages.materials</comment>
        <translation>Concrete %1, steel %2, width %3, bars %4, load increase factor %5, floor height %6, steel density %7</translation>
    </message>
    <message>
        <source>صفحة %1 من %2</source>
        <comment>schedule-pages.page</comment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>، </source>
        <comment>list.separator</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>جدول الأعمدة</source>
        <comment>schedule.title</comment>
        <translation>Column schedule</translation>
    </message>
    <message>
        <source>الرمز</source>
        <comment>schedule.mark</comment>
        <translation>Mark</translation>
    </message>
    <message>
        <source>العدد</source>
        <comment>schedule.count</comment>
        <translation>Count</translation>
    </message>
    <message>
        <source>المستوى</source>
        <comment>schedule.level</comment>
        <translation>Level</translation>
    </message>
    <message>
        <source>المستويات</source>
        <comment>schedule.levels</comment>
        <translation>Levels</translation>
    </message>
    <message>
        <source>الأدوار المحمولة</source>
        <comment>schedule.floors-carried</comment>
        <translation>Floors carried</translation>
    </message>
    <message>
        <source>الأسياخ</source>
        <comment>schedule.bars</comment>
        <translation>Bars</translation>
    </message>
    <message>
        <source>الحالة</source>
        <comment>schedule.status</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>النوع</source>
        <comment>schedule.type</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>الأعمدة</source>
        <comment>schedule.columns</comment>
        <translation>Columns</translation>
    </message>
    <message>
        <source>سليم</source>
        <comment>schedule.designed</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>قيم كبيرة جدا</source>
        <comment>schedule.too-large</comment>
        <translation>Too large</translation>
    </message>
    <message>
        <source>نحيف أكثر من المسموح</source>
        <comment>schedule.slender</comment>
        <translation>Too slender</translation>
    </message>
    <message>
        <source> (مكرر)</source>
        <comment>schedule.repeated-mark</comment>
        <translation> (repeated)</translation>
    </message>
    <message>
        <source>الحمل لكل دور (t)</source>
        <comment>schedule.load-per-floor</comment>
        <translation>Load per floor (t)</translation>
    </message>
    <message>
        <source>عدد الأدوار</source>
        <comment>schedule.floors</comment>
        <translation>Floors</translation>
    </message>
    <message>
        <source>عزم x (t.m)</source>
        <comment>schedule.moment-x</comment>
        <translation>Mx (t.m)</translation>
    </message>
    <message>
        <source>عزم y (t.m)</source>
        <comment>schedule.moment-y</comment>
        <translation>My (t.m)</translation>
    </message>
    <message>
        <source>المواد والاختيارات</source>
        <comment>materials.title</comment>
        <translation>Materials and choices</translation>
    </message>
    <message>
        <source>مقاومة الخرسانة fcu (kg/cm²)</source>
        <comment>materials.concrete-strength</comment>
        <translation>Concrete strength fcu (kg/cm²)</translation>
    </message>
    <message>
        <source>إجهاد خضوع الحديد fy (kg/cm²)</source>
        <comment>materials.steel-yield</comment>
        <translation>Steel yield stress fy (kg/cm²)</translation>
    </message>
    <message>
        <source>عرض القطاع b (cm)</source>
        <comment>materials.width</comment>
        <translation>Section width b (cm)</translation>
    </message>
    <message>
        <source>قطر السيخ d (mm)</source>
        <comment>materials.bar-diameter</comment>
        <translation>Bar diameter d (mm)</translation>
    </message>
    <message>
        <source>إلغاء</source>
        <comment>materials.cancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>القيم الافتراضية</source>
        <comment>materials.defaults</comment>
        <translation>Default values</translation>
    </message>
    <message>
        <source>العزوم وارتفاع العمود</source>
        <comment>moments.title</comment>
        <translation>Moments and column height</translation>
    </message>
    <message>
        <source>عمود غير مقيد (تتحرك أطرافه جانبيا)</source>
        <comment>moments.unbraced</comment>
        <translation>Unbraced column (its ends sway)</translation>
    </message>
    <message>
        <source>العزم Mx حول المحور x (t·m)</source>
        <comment>moments.moment-x</comment>
        <translation>Moment Mx about the x axis (t·m)</translation>
    </message>
    <message>
        <source>العزم My حول المحور y (t·m)</source>
        <comment>moments.moment-y</comment>
        <translation>Moment My about the y axis (t·m)</translation>
    </message>
    <message>
        <source>ارتفاع العمود H (m)</source>
        <comment>moments.column-height</comment>
        <translation>Column height H (m)</translation>
    </message>
    <message>
        <source>معامل الطول الفعال k</source>
        <comment>moments.length-factor</comment>
        <translation>Effective length factor k</translation>
    </message>
    <message>
        <source>المحور x يوازي عرض القطاع b، والمحور y يوازي طوله t؛ العزوم قصوى (مصعدة) بأي إشارة</source>
        <comment>moments.axes</comment>
        <translation>The x axis runs along the section&apos;s width b, the y axis along its length t; the moments are ultimate (factored), of either sign</translation>
    </message>
    <message>
        <source>العزوم وارتفاع العمود…</source>
        <comment>design.moments</comment>
        <translation>Moments and column height…</translation>
    </message>
    <message>
        <source>حكمت العزوم: %1، الاستغلال %2</source>
        <comment>design.moments-governed</comment>
        <translation>Moments governed: %1, utilisation %2</translation>
    </message>
    <message>
        <source>%1: لا يمكن ترك هذا الحقل فارغا</source>
        <comment>materials.empty-field</comment>
        <translation>%1: this field cannot be left empty</translation>
    </message>
    <message>
        <source>%1: القيمة المدخلة ليست رقما</source>
        <comment>materials.not-a-number</comment>
        <translation>%1: the value entered is not a number</translation>
    </message>
    <message>
        <source>المساحة المطلوبة (cm²)</source>
        <comment>schedule.required-area</comment>
        <translation>Required area (cm²)</translation>
    </message>
    <message>
        <source>العرض (cm)</source>
        <comment>schedule.width</comment>
        <translation>Width (cm)</translation>
    </message>
    <message>
        <source>الطول (cm)</source>
        <comment>schedule.length</comment>
        <translation>Length (cm)</translation>
    </message>
    <message>
        <source>مساحة الحديد (cm²)</source>
        <comment>schedule.steel-area</comment>
        <translation>Steel area (cm²)</translation>
    </message>
    <message>
        <source>القطر (mm)</source>
        <comment>schedule.bar-diameter</comment>
        <translation>Diameter (mm)</translation>
    </message>
    <message>
        <source>المقطع (cm)</source>
        <comment>schedule.section</comment>
        <translation>Section (cm)</translation>
    </message>
    <message>
        <source>الخرسانة (m³)</source>
        <comment>schedule.concrete</comment>
        <translation>Concrete (m³)</translation>
    </message>
    <message>
        <source>الحديد (kg)</source>
        <comment>schedule.steel</comment>
        <translation>Steel (kg)</translation>
    </message>
    <message>
        <source>فتح…</source>
        <comment>schedule.open</comment>
        <translation>Open…</translation>
    </message>
    <message>
        <source>حفظ…</source>
        <comment>schedule.save</comment>
        <translation>Save…</translation>
    </message>
    <message>
        <source>حفظ بصيغة PDF…</source>
        <comment>schedule.save-pdf</comment>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>طباعة…</source>
        <comment>schedule.print</comment>
        <translation>Print…</translation>
    </message>
    <message>
        <source>حفظ المستويات CSV…</source>
        <comment>schedule.export-levels</comment>
        <translation>Save the levels as CSV…</translation>
    </message>
    <message>
        <source>إضافة صف</source>
        <comment>schedule.add-row</comment>
        <translation>Add a row</translation>
    </message>
    <message>
        <source>حذف الصفوف المحددة</source>
        <comment>schedule.remove-rows</comment>
        <translation>Delete the selected rows</translation>
    </message>
    <message>
        <source>لصق</source>
        <comment>schedule.paste</comment>
        <translation>Paste</translation>
    </message>
    <message>
        <source>مسح</source>
        <comment>schedule.clear</comment>
        <translation>Clear</translation>
    </message>
    <message>
        <source>فتح جدول أعمدة من ملف CSV (Ctrl+O)</source>
        <comment>schedule.open-tip</comment>
        <translation>Open a column table from a CSV file (Ctrl+O)</translation>
    </message>
    <message>
        <source>حفظ جدول الأعمدة في ملف CSV (Ctrl+S)</source>
        <comment>schedule.save-tip</comment>
        <translation>Save the column table to a CSV file (Ctrl+S)</translation>
    </message>
    <message>
        <source>الملف</source>
        <comment>schedule.file</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>الأنواع والكميات</source>
        <comment>schedule.types</comment>
        <translation>Types and quantities</translation>
    </message>
    <message>
        <source>ارتفاع الدور (m)</source>
        <comment>schedule.floor-height</comment>
        <translation>Floor height (m)</translation>
    </message>
    <message>
        <source>الخرسانة fcu = %1 kg/cm²، الحديد fy = %2 kg/cm²، العرض %3 cm، الأسياخ Φ%4، معامل زيادة الحمل %5 (من «المواد والاختيارات» في نافذة التصميم)</source>
        <comment>schedule.materials</comment>
        <translation>Concrete fcu = %1 kg/cm², steel fy = %2 kg/cm², width %3 cm, bars Φ%4, load increase factor %5 (from “Materials and choices” in the design window)</translation>
    </message>
    <message>
        <source>الأعمدة %1 في %2 نوعا؛ الخرسانة %3 m³ والحديد الطولي %4 kg، دون وصلات أو هالك</source>
        <comment>schedule.summary</comment>
        <translation>Columns: %1 in %2 types; concrete %3 m³ and longitudinal steel %4 kg, without laps or waste</translation>
    </message>
    <message>
        <source>صفوف لم تقرأ: %1؛ أولها الصف %2، العمود «%3»: %4</source>
        <comment>schedule.rows-not-read</comment>
        <translation>Rows not read: %1; the first is row %2, column “%3”: %4</translation>
    </message>
    <message>
        <source>بعض المستويات لم تصمم: القيم كبيرة جدا</source>
        <comment>schedule.some-levels-not-designed</comment>
        <translation>Some levels were not designed: the values are too large</translation>
    </message>
    <message>
        <source>بعض الرموز مكررة</source>
        <comment>schedule.repeated-marks</comment>
        <translation>Some marks are repeated</translation>
    </message>
    <message>
        <source>في الجدول تغييرات لم تحفظ، وسيحل الملف محله. هل تريد المتابعة؟</source>
        <comment>schedule.replace-unsaved</comment>
        <translation>The table has changes that are not saved, and the file will take its place. Do you want to go on?</translation>
    </message>
    <message>
        <source>في جدول الأعمدة تغييرات لم تحفظ. هل تريد حفظها قبل الخروج؟</source>
        <comment>schedule.save-before-exit</comment>
        <translation>The column table has changes that are not saved. Do you want to save them before exiting?</translation>
    </message>
    <message>
        <source>فتح جدول الأعمدة</source>
        <comment>schedule.open-title</comment>
        <translation>Open a column table</translation>
    </message>
    <message>
        <source>CSV (*.csv);;كل الملفات (*)</source>
        <comment>schedule.csv-filter</comment>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>في الجدول صف لم يقرأ، فصححه أولا: الصف %1، العمود «%2»: %3</source>
        <comment>schedule.fix-row-first</comment>
        <translation>A row of the table could not be read; correct it first: row %1, column “%2”: %3</translation>
    </message>
    <message>
        <source>الجدول فارغ: اكتب الأعمدة أو الصقها أو افتح ملف CSV.</source>
        <comment>schedule.empty</comment>
        <translation>The table is empty: type the columns, paste them or open a CSV file.</translation>
    </message>
    <message>
        <source>حفظ جدول الأعمدة</source>
        <comment>schedule.save-title</comment>
        <translation>Save the column table</translation>
    </message>
    <message>
        <source>حفظ المستويات</source>
        <comment>schedule.export-title</comment>
        <translation>Save the levels</translation>
    </message>
    <message>
        <source>حفظ جدول الأعمدة بصيغة PDF</source>
        <comment>schedule.save-pdf-title</comment>
        <translation>Save the column schedule as PDF</translation>
    </message>
    <message>
        <source>معاينة جدول الأعمدة قبل الطباعة</source>
        <comment>schedule.print-preview</comment>
        <translation>Column schedule print preview</translation>
    </message>
    <message>
        <source>ورقة الحساب</source>
        <comment>page.sheet</comment>
        <translation>Calculation sheet</translation>
    </message>
    <message>
        <source>طباعة</source>
        <comment>page.print</comment>
        <translation>Print</translation>
    </message>
    <message>
        <source>مشاركة</source>
        <comment>page.share</comment>
        <translation>Share</translation>
    </message>
    <message>
        <source>اكتب الأعمدة أو الصق صفوفا من جدول بيانات، أو افتح ملف CSV.</source>
        <comment>page.schedule-hint</comment>
        <translation>Type the columns or paste rows from a spreadsheet, or open a CSV file.</translation>
    </message>
    <message>
        <source>حذف الصف</source>
        <comment>page.remove-row</comment>
        <translation>Delete the row</translation>
    </message>
    <message>
        <source>تصميم الجدول</source>
        <comment>page.schedule-design</comment>
        <translation>Design the schedule</translation>
    </message>
    <message>
        <source>الخرسانة fcu = %1 kg/cm²، الحديد fy = %2 kg/cm²، العرض %3 cm، الأسياخ Φ%4، معامل زيادة الحمل %5 (من «المواد والاختيارات» في صفحة التصميم)</source>
        <comment>page.schedule-materials</comment>
        <translation>Concrete fcu = %1 kg/cm², steel fy = %2 kg/cm², width %3 cm, bars Φ%4, load increase factor %5 (from “Materials and choices” on the design page)</translation>
    </message>
    <message>
        <source>تعذرت قراءة الملف %1</source>
        <comment>page.file-unreadable</comment>
        <translation>The file %1 could not be read</translation>
    </message>
    <message>
        <source>العدد %1</source>
        <comment>drawing.count</comment>
        <translation>Count %1</translation>
    </message>
    <message>
        <source>كانة %1</source>
        <comment>drawing.tie</comment>
        <translation>Tie %1</translation>
    </message>
    <message>
        <source>لا تتسع الأسياخ</source>
        <comment>drawing.bars-do-not-fit</comment>
        <translation>The bars do not fit</translation>
    </message>
    <message>
        <source>الخرسانة %1، الحديد %2، الغطاء %3، الكانات %4</source>
        <comment>drawing.materials</comment>
        <translation>Concrete %1, steel %2, cover %3, ties %4</translation>
    </message>
    <message>
        <source>مقياس الرسم %1، المقاسات بالسنتيمتر</source>
        <comment>drawing.scale</comment>
        <translation>Scale %1, sizes in centimetres</translation>
    </message>
    <message>
        <source>التاريخ %1</source>
        <comment>drawing.date</comment>
        <translation>Date %1</translation>
    </message>
    <message>
        <source>حفظ رسم جدول الأعمدة بصيغة DXF</source>
        <comment>schedule.save-drawing-title</comment>
        <translation>Save the column schedule drawing as DXF</translation>
    </message>
    <message>
        <source>حفظ الرسم DXF…</source>
        <comment>schedule.save-drawing</comment>
        <translation>Save drawing as DXF…</translation>
    </message>
    <message>
        <source>لم يتسع تخزين المتصفح لهذا الجدول، فلن يبقى بعد إغلاق الصفحة</source>
        <comment>page.schedule-not-kept</comment>
        <translation>The browser&apos;s storage cannot hold this table: it will be gone once the page is closed</translation>
    </message>
    <message>
        <source>الجدول للقيم السابقة، اضغط «تصميم الجدول» للتحديث</source>
        <comment>page.schedule-stale</comment>
        <translation>Schedule of earlier values: press “Design the schedule”</translation>
    </message>
    <message>
        <source>حُدّثت الصفحة في نافذة أخرى، أعد تحميلها لتصميم الجدول</source>
        <comment>page.other-build</comment>
        <translation>The page was updated in another tab: reload it to design the schedule</translation>
    </message>
    <message>
        <source>العزوم والنحافة</source>
        <comment>page.moments</comment>
        <translation>Moments and slenderness</translation>
    </message>
    <message>
        <source>العزم Mx حول المحور x (t·m)</source>
        <comment>page.moment-x</comment>
        <translation>Moment Mx about the x axis (t·m)</translation>
    </message>
    <message>
        <source>العزم My حول المحور y (t·m)</source>
        <comment>page.moment-y</comment>
        <translation>Moment My about the y axis (t·m)</translation>
    </message>
    <message>
        <source>ارتفاع العمود (m)</source>
        <comment>page.column-height</comment>
        <translation>Column height (m)</translation>
    </message>
    <message>
        <source>عمود غير مقيد جانبياً</source>
        <comment>page.unbraced</comment>
        <translation>Unbraced column (sway)</translation>
    </message>
    <message>
        <source>حكمت العزوم التصميم: نسبة الاستغلال %1، والعزمان التصميميان %2 و %3</source>
        <comment>page.moments-governed</comment>
        <translation>Moments governed the design: utilisation %1, design moments %2 and %3</translation>
    </message>
    <message>
        <source>العزوم في حدود اللامركزية الدنيا، فالقطاع هو قطاع الحمل المحوري</source>
        <comment>page.moments-within</comment>
        <translation>The moments are within the least eccentricity: the section is the axial design’s</translation>
    </message>
    <message>
        <source>حفظ</source>
        <comment>message.save</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>عدم الحفظ</source>
        <comment>message.dont-save</comment>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>إلغاء</source>
        <comment>message.cancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>تراجع</source>
        <comment>schedule.undo</comment>
        <translation>Undo</translation>
    </message>
    <message>
        <source>إعادة</source>
        <comment>schedule.redo</comment>
        <translation>Redo</translation>
    </message>
    <message>
        <source>التراجع عن آخر تغيير في الجدول (Ctrl+Z)</source>
        <comment>schedule.undo-tip</comment>
        <translation>Undo the table&apos;s last change (Ctrl+Z)</translation>
    </message>
    <message>
        <source>إعادة التغيير الذي تم التراجع عنه (Ctrl+Shift+Z أو Ctrl+Y)</source>
        <comment>schedule.redo-tip</comment>
        <translation>Redo the change undone (Ctrl+Shift+Z or Ctrl+Y)</translation>
    </message>
    <message>
        <source>القيمة أكبر من أن تحسب</source>
        <comment>problem.not-finite</comment>
        <translation>the value is too large to calculate with</translation>
    </message>
    <message>
        <source>معامل الطول الفعال k من %1 إلى %2</source>
        <comment>bending.length-factor-range</comment>
        <translation>the effective length factor k must be %1–%2</translation>
    </message>
    <message>
        <source>العمود نحيف أكثر مما يسمح به الكود: λ = %1 والحد %2</source>
        <comment>bending.too-slender</comment>
        <translation>the column is more slender than the code allows: λ = %1, the limit %2</translation>
    </message>
    <message>
        <source>لا يحمل العمود الحمل مع العزوم بأي طول حتى %1 cm وعرضه كما هو</source>
        <comment>bending.too-large</comment>
        <translation>no length up to %1 cm carries the load with the moments at this width</translation>
    </message>
    <message>
        <source>العزم حول محور x أو y</source>
        <comment>help.moments</comment>
        <translation>Moment about the x or y axis</translation>
    </message>
    <message>
        <source>عمود غير مقيد الحركة</source>
        <comment>help.unbraced</comment>
        <translation>Unbraced column (sways)</translation>
    </message>
    <message>
        <source>معامل الطول الفعال</source>
        <comment>help.k</comment>
        <translation>Effective length factor</translation>
    </message>
    <message>
        <source>صيغة نتيجة design</source>
        <comment>help.format</comment>
        <translation>Format of design&apos;s result</translation>
    </message>
    <message>
        <source>العزوم والنحافة</source>
        <comment>sheet.moments</comment>
        <translation>Moments and slenderness</translation>
    </message>
    <message>
        <source>العزم حول المحور x، Mx</source>
        <comment>sheet.moment-x</comment>
        <translation>Moment about x, Mx</translation>
    </message>
    <message>
        <source>العزم حول المحور y، My</source>
        <comment>sheet.moment-y</comment>
        <translation>Moment about y, My</translation>
    </message>
    <message>
        <source>ارتفاع العمود H</source>
        <comment>sheet.column-height</comment>
        <translation>Column height H</translation>
    </message>
    <message>
        <source>عمود مقيد جانبيا</source>
        <comment>sheet.braced</comment>
        <translation>Braced column</translation>
    </message>
    <message>
        <source>عمود غير مقيد جانبيا</source>
        <comment>sheet.unbraced</comment>
        <translation>Unbraced column</translation>
    </message>
    <message>
        <source>5. الحمل الأقصى Pu</source>
        <comment>sheet.step-ultimate-load</comment>
        <translation>5. Ultimate load Pu</translation>
    </message>
    <message>
        <source>6. الطول الفعال He والنحافة λ</source>
        <comment>sheet.step-slenderness</comment>
        <translation>6. Effective length He and slenderness λ</translation>
    </message>
    <message>
        <source>%1 لطرفي العمود من الحالة 2 في جداول الكود (عمود مصبوب مع كمرات أقل عمقا بقليل من ضلعه)؛ قيمة لم تؤكد من مصدر.</source>
        <comment>sheet.length-factor-default</comment>
        <translation>%1 for both ends of case 2 in the code's tables (cast with beams a little shallower than its side); a value not confirmed from a source.</translation>
    </message>
    <message>
        <source>%1 كما أدخله المهندس.</source>
        <comment>sheet.length-factor-given</comment>
        <translation>%1 as the engineer gave it.</translation>
    </message>
    <message>
        <source>العمود قصير حتى λ = %1، ولا يصمم بعد λ = %2؛ حدود لم تؤكد من مصدر.</source>
        <comment>sheet.slenderness-limits</comment>
        <translation>The column is short up to λ = %1 and is not designed beyond λ = %2; limits not confirmed from a source.</translation>
    </message>
    <message>
        <source>λx لا تتجاوز حد العمود القصير: لا عزم إضافي حول x.</source>
        <comment>sheet.short-about-x</comment>
        <translation>λx is within the short column's limit: no added moment about x.</translation>
    </message>
    <message>
        <source>λx تتجاوز حد العمود القصير: يضاف عزم النحافة حول x.</source>
        <comment>sheet.slender-about-x</comment>
        <translation>λx is beyond the short column's limit: the added moment of slenderness is taken about x.</translation>
    </message>
    <message>
        <source>λy لا تتجاوز حد العمود القصير: لا عزم إضافي حول y.</source>
        <comment>sheet.short-about-y</comment>
        <translation>λy is within the short column's limit: no added moment about y.</translation>
    </message>
    <message>
        <source>λy تتجاوز حد العمود القصير: يضاف عزم النحافة حول y.</source>
        <comment>sheet.slender-about-y</comment>
        <translation>λy is beyond the short column's limit: the added moment of slenderness is taken about y.</translation>
    </message>
    <message>
        <source>7. العزم التصميمي حول x</source>
        <comment>sheet.step-moment-x</comment>
        <translation>7. Design moment about x</translation>
    </message>
    <message>
        <source>8. العزم التصميمي حول y</source>
        <comment>sheet.step-moment-y</comment>
        <translation>8. Design moment about y</translation>
    </message>
    <message>
        <source>تؤخذ أقل لامركزية حول محور واحد في كل مرة، فيفحص القطاع لحالتين.</source>
        <comment>sheet.least-one-axis</comment>
        <translation>The least eccentricity is taken about one axis at a time, so the section is checked for two cases.</translation>
    </message>
    <message>
        <source>9. القطاع تحت الحمل والعزوم</source>
        <comment>sheet.step-moment-section</comment>
        <translation>9. The section under the load and the moments</translation>
    </message>
    <message>
        <source>العزوم لا تتجاوز عزوم أقل لامركزية والعمود قصير: القطاع هو قطاع الحمل المحوري.</source>
        <comment>sheet.moments-within-least</comment>
        <translation>The moments are within the least eccentricity's and the column is short: the section is the axial load's.</translation>
    </message>
    <message>
        <source>حكمت العزوم: زيد عدد الأسياخ، ثم الطول بخطوات %2 بعد أن تجاوز الحديد %1 من القطاع، حتى حمل القطاع Pu مع العزوم التصميمية.</source>
        <comment>sheet.moments-governed</comment>
        <translation>The moments governed: the bars were raised, then the length by steps of %2 once the steel passed %1 of the section, until the section carried Pu with the design moments.</translation>
    </message>
    <message>
        <source>بتوافق الانفعالات: انفعال الخرسانة الأقصى %1، وكتلة إجهاد منتظمة %2 fcu ÷ γc على %3 من عمق محور الخمول، γc = %4، γs = %5، Es = %6، ومحور الخمول بأي زاوية.</source>
        <comment>sheet.strain-compatibility</comment>
        <translation>By strain compatibility: ultimate concrete strain %1, a uniform block of %2 fcu ÷ γc over %3 of the neutral axis's depth, γc = %4, γs = %5, Es = %6, the neutral axis at any angle.</translation>
    </message>
    <message>
        <source>قيم أقل لامركزية ومعامل الطول الفعال وحدود النحافة والعزم الإضافي وحد الحديد الأقصى لم تؤكد من نص الكود: راجعها قبل الاعتماد.</source>
        <comment>sheet.moment-rules-unconfirmed</comment>
        <translation>The least eccentricity, the effective length factor, the slenderness limits, the added moment and the steel's upper limit were not confirmed from the code's text: check them before relying on them.</translation>
    </message>
    <message>
        <source>10. نسبة الاستخدام</source>
        <comment>sheet.step-utilisation</comment>
        <translation>10. Utilisation</translation>
    </message>
    <message>
        <source>عند Pu: نسبة العزم التصميمي إلى أكبر عزم يحمله القطاع في اتجاهه، والأكبر من الحالتين؛ 1 على منحنى السعة.</source>
        <comment>sheet.utilisation-note</comment>
        <translation>At Pu: the design moment's share of the largest moment the section carries in its direction, the larger of the two cases; 1 is on the capacity contour.</translation>
    </message>
    <message>
        <source>منحنى التفاعل عند Pu = %1</source>
        <comment>sheet.interaction-diagram</comment>
        <translation>Interaction diagram at Pu = %1</translation>
    </message>
    <message>
        <source>المحور الأفقي Mx والرأسي My بوحدة t·m؛ المنحنى سعة القطاع عند Pu، والنقاط حالتا التصميم.</source>
        <comment>sheet.diagram-note</comment>
        <translation>Mx across and My up, in t·m; the curve is the section's capacity at Pu, the points the design cases.</translation>
    </message>
    <message>
        <source>العزم التصميمي Mx*</source>
        <comment>results.design-moment-x</comment>
        <translation>Design moment Mx*</translation>
    </message>
    <message>
        <source>العزم التصميمي My*</source>
        <comment>results.design-moment-y</comment>
        <translation>Design moment My*</translation>
    </message>
    <message>
        <source>نسبة الاستخدام</source>
        <comment>results.utilisation</comment>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>عزم x التصميمي (t.m)</source>
        <comment>schedule.design-moment-x</comment>
        <translation>Design Mx (t.m)</translation>
    </message>
    <message>
        <source>عزم y التصميمي (t.m)</source>
        <comment>schedule.design-moment-y</comment>
        <translation>Design My (t.m)</translation>
    </message>
    <message>
        <source>نسبة الاستخدام</source>
        <comment>schedule.utilisation</comment>
        <translation>Utilisation</translation>
    </message>
</context>
</TS>
