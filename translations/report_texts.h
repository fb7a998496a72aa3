#pragma once

// The catalogue's texts that a design's report names by key (calculation/design_report.cpp):
// the calculation sheet's and the copied results'. The page's build takes the same keys from
// here (web/page_texts.py).

#include <array>
#include <string_view>

#include "translations/texts.h"

namespace coldesign {

inline constexpr std::array<CatalogueText, 50> kReportTexts = {{
    kProgramName,
    QT_TRANSLATE_NOOP3("ColumnDesigner", "ورقة حساب عمود خرساني مسلح — تصميم مبدئي",
                       "sheet.subtitle"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "ورقة حساب عمود خرساني مسلح %1", "sheet.title"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "المدخلات", "sheet.inputs"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "حمل العمود لكل طابق P", "sheet.load"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "عرض القطاع b", "sheet.width"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "عدد الطوابق n", "sheet.floors"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "قطر الأسياخ", "sheet.bar-diameter"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "مقاومة الخرسانة fcu", "sheet.concrete-strength"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "إجهاد خضوع الحديد fy", "sheet.steel-yield"),
    kLoadFactorCaption,
    kCarryingStressCaption,
    QT_TRANSLATE_NOOP3("ColumnDesigner", "خطوات الحساب", "sheet.steps"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "1. مساحة الخرسانة المطلوبة Ac",
                       "sheet.step-required-area"),
    QT_TRANSLATE_NOOP3(
        "ColumnDesigner",
        "%1 زيادة %2 على الحمل، %3 للتحويل من الطن إلى الكيلوجرام، ويحمل السنتيمتر المربع %4 kg.",
        "sheet.required-area-note"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "2. طول القطاع t", "sheet.step-length"),
    QT_TRANSLATE_NOOP3("ColumnDesigner",
                       "يقرب الناتج لأقرب سنتيمتر، ولا يقل الطول عن %1 ويكون من مضاعفات %2. ",
                       "sheet.length-rule"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الناتج أقل من %1، فرفع الطول إلى الحد الأدنى %2.",
                       "sheet.length-raised-to-least"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "قرب الناتج إلى %1 ثم رفع إلى مضاعف %2، فصار الطول %3.",
                       "sheet.length-raised-to-multiple"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "لم ترفع القاعدة الطول.", "sheet.length-kept"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "3. مساحة حديد التسليح As", "sheet.step-steel-area"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "حكمت نسبة %1 من مساحة الخرسانة المطلوبة.",
                       "sheet.steel-share-governs"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "حكم الحد الأدنى %1 من مساحة القطاع المختار.",
                       "sheet.least-steel-governs"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "4. عدد الأسياخ N", "sheet.step-bars"),
    QT_TRANSLATE_NOOP3("ColumnDesigner",
                       "يحسب لكل سيخ قطر %1 مساحة %2، ويقرب الناتج لأقرب عدد صحيح، ولا يقل عدد "
                       "الأسياخ عن %3 ويكون زوجيا. ",
                       "sheet.bar-rule"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الناتج أقل من %1، فرفع العدد إلى الحد الأدنى %1 أسياخ.",
                       "sheet.bars-raised-to-least"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "قرب الناتج إلى %1 ثم رفع إلى العدد الزوجي %2.",
                       "sheet.bars-raised-to-even"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "لم ترفع القاعدة العدد.", "sheet.bars-kept"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "القطاع المختار", "sheet.chosen-section"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "أبعاد القطاع b × t", "sheet.section"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "حديد التسليح الطولي", "sheet.longitudinal-steel"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "نسبة التسليح As ÷ (b·t)", "sheet.steel-ratio"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "رسم القطاع", "sheet.drawing"),
    QT_TRANSLATE_NOOP3("ColumnDesigner",
                       "افتراضات الرسم، لا فحوص للكود:", "sheet.drawing-assumptions"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "• غطاء خرساني صاف %1", "sheet.drawing-cover"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "• كانات Φ%1", "sheet.drawing-ties"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "• أسياخ Φ%1 مرسومة بقطرها الحقيقي", "sheet.drawing-bars"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "حدود التصميم", "sheet.limits"),
    kFloorLimitNote,
    kNoWindLoadsNote,
    QT_TRANSLATE_NOOP3("ColumnDesigner", "هذا تصميم مبدئي، يراجعه مهندس إنشائي قبل التنفيذ",
                       "sheet.preliminary"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "، وعدد الطوابق المدخل %1 يتجاوز هذا الحد",
                       "sheet.beyond-floor-limit"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "زركولت — تصميم مبدئي لعمود خرساني مسلح",
                       "results.heading"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "حمل العمود لكل طابق", "results.load"),
    kFloorsCaption,
    QT_TRANSLATE_NOOP3("ColumnDesigner", "مساحة الخرسانة المطلوبة", "results.required-area"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "أبعاد القطاع", "results.section"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "مساحة حديد التسليح", "results.steel-area"),
    kBarCountCaption,
    kBarDiameterCaption,
}};

}  // namespace coldesign
