#pragma once

// The catalogue's texts that the schedule's tables name by key (calculation/schedule_rows.cpp):
// their titles and cells, and the lines under them. The page's build takes the same keys from
// there (web/page_texts.py).

#include <array>
#include <string_view>

#include "translations/texts.h"

namespace coldesign {

inline constexpr std::array<CatalogueText, 27> kScheduleTexts = {{
    kMarkTitle,
    kCountTitle,
    kLevelTitle,
    kLevelsTitle,
    kFloorsCarriedTitle,
    kBarsTitle,
    kStatusTitle,
    kTypeTitle,
    kColumnsTitle,
    kDesignedStatus,
    kTooLargeStatus,
    kRepeatedMarkNote,
    QT_TRANSLATE_NOOP3("ColumnDesigner", "المساحة المطلوبة (cm²)", "schedule.required-area"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "العرض (cm)", "schedule.width"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الطول (cm)", "schedule.length"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "مساحة الحديد (cm²)", "schedule.steel-area"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "القطر (mm)", "schedule.bar-diameter"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "المقطع (cm)", "schedule.section"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الخرسانة (m³)", "schedule.concrete"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الحديد (kg)", "schedule.steel"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "المجموع", "schedule-pages.total"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "عزم x التصميمي (t.m)", "schedule.design-moment-x"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "عزم y التصميمي (t.m)", "schedule.design-moment-y"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "نسبة الاستخدام", "schedule.utilisation"),
    QT_TRANSLATE_NOOP3("ColumnDesigner",
                       "الأعمدة %1 في %2 نوعا؛ الخرسانة %3 m³ والحديد الطولي %4 kg، دون "
                       "وصلات أو هالك",
                       "schedule.summary"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "بعض المستويات لم تصمم: القيم كبيرة جدا",
                       "schedule.some-levels-not-designed"),
    QT_TRANSLATE_NOOP3("ColumnDesigner", "بعض الرموز مكررة", "schedule.repeated-marks"),
}};

}  // namespace coldesign
