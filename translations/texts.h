#pragma once

#include <QCoreApplication>
#include <QString>
#include <span>
#include <string_view>

#include "calculation/design_rules.h"

namespace coldesign {

// Every text the user reads goes through Texts::tr(arabic, key): the Arabic text as the user
// reads it today, and a key (Qt's disambiguation) that names it in the catalogue,
// translations/column-designer_en.ts, and on the page. README: "Texts and languages".
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(ColumnDesigner)
};

// A text of the catalogue named where it is written and said later, in a language chosen then:
// QT_TRANSLATE_NOOP3("ColumnDesigner", "النص", "area.key") makes one. The command line says each
// of its messages in Arabic and in English.
struct CatalogueText {
  const char* arabic;
  const char* key;
};

// The text of `key` among `texts`; none when they have no such text.
inline const CatalogueText* FindCatalogueText(std::span<const CatalogueText> texts,
                                              std::string_view key) {
  for (const CatalogueText& text : texts) {
    if (key == text.key) return &text;
  }
  return nullptr;
}

// Says a text of the catalogue in one language.
using Say = QString (*)(CatalogueText);

// The text in the language the program is in.
inline QString InProgramLanguage(CatalogueText text) { return Texts::tr(text.arabic, text.key); }

// The texts used in more than one place.

inline constexpr CatalogueText kProgramName =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "زركولت", "program.name");
inline QString ProgramName() { return InProgramLanguage(kProgramName); }
inline QString NotesTitle() { return Texts::tr("ملاحظات", "notes.title"); }
inline QString ExitTitle() { return Texts::tr("خروج", "exit.title"); }
inline constexpr CatalogueText kFloorsCaption =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "عدد الطوابق", "design.floors");
inline QString FloorsCaption() { return InProgramLanguage(kFloorsCaption); }
inline constexpr CatalogueText kBarCountCaption =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "عدد الأسياخ", "design.bar-count");
inline QString BarCountCaption() { return InProgramLanguage(kBarCountCaption); }
inline constexpr CatalogueText kCarryingStressCaption =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "إجهاد التحمل", "sheet.carrying-stress");
inline QString CarryingStressCaption() { return InProgramLanguage(kCarryingStressCaption); }
inline QString OkCaption() { return Texts::tr("موافق", "message.ok"); }
inline QString FileNotCreated() { return Texts::tr("تعذر إنشاء الملف.", "file.not-created"); }
inline QString ReplaceFileQuestion() {
  return Texts::tr("الملف %1 موجود. هل تريد استبداله؟", "file.replace");
}

// Said by the command line too.
inline constexpr CatalogueText kLoadFactorCaption =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "معامل زيادة الحمل", "sheet.load-factor");
inline constexpr CatalogueText kBarDiameterCaption =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "قطر السيخ", "results.bar-diameter");
// Why a design's load or floors are refused, in the design window and on the command line.
inline constexpr CatalogueText kNegativeValueText =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "لا يمكن أن تكون القيمة سالبة", "message.negative");
inline constexpr CatalogueText kUnfinishedNumberText =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الرقم المدخل غير مكتمل", "message.unfinished-number");
// Between the items of a list: marks, line numbers.
inline constexpr CatalogueText kListSeparator =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "، ", "list.separator");

// The column schedule, in its window and on its pages; the tables name most of them by key
// (translations/schedule_texts.h).
inline QString ScheduleTitle() { return Texts::tr("جدول الأعمدة", "schedule.title"); }
inline constexpr CatalogueText kMarkTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الرمز", "schedule.mark");
inline QString MarkTitle() { return InProgramLanguage(kMarkTitle); }
inline constexpr CatalogueText kCountTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "العدد", "schedule.count");
inline QString CountTitle() { return InProgramLanguage(kCountTitle); }
inline constexpr CatalogueText kLevelTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "المستوى", "schedule.level");
inline QString LevelTitle() { return InProgramLanguage(kLevelTitle); }
inline constexpr CatalogueText kLevelsTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "المستويات", "schedule.levels");
inline QString LevelsTitle() { return InProgramLanguage(kLevelsTitle); }
inline constexpr CatalogueText kFloorsCarriedTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الأدوار المحمولة", "schedule.floors-carried");
inline QString FloorsCarriedTitle() { return InProgramLanguage(kFloorsCarriedTitle); }
inline constexpr CatalogueText kBarsTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الأسياخ", "schedule.bars");
inline QString BarsTitle() { return InProgramLanguage(kBarsTitle); }
inline constexpr CatalogueText kStatusTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الحالة", "schedule.status");
inline QString StatusTitle() { return InProgramLanguage(kStatusTitle); }
inline constexpr CatalogueText kTypeTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "النوع", "schedule.type");
inline QString TypeTitle() { return InProgramLanguage(kTypeTitle); }
inline constexpr CatalogueText kColumnsTitle =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "الأعمدة", "schedule.columns");
inline QString ColumnsTitle() { return InProgramLanguage(kColumnsTitle); }
inline constexpr CatalogueText kDesignedStatus =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "سليم", "schedule.designed");
inline QString DesignedStatus() { return InProgramLanguage(kDesignedStatus); }
inline constexpr CatalogueText kTooLargeStatus =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "قيم كبيرة جدا", "schedule.too-large");
inline QString TooLargeStatus() { return InProgramLanguage(kTooLargeStatus); }
inline constexpr CatalogueText kSlenderStatus =
    QT_TRANSLATE_NOOP3("ColumnDesigner", "نحيف أكثر من المسموح", "schedule.slender");
inline QString SlenderStatus() { return InProgramLanguage(kSlenderStatus); }
// After a mark that more than one row has.
inline constexpr CatalogueText kRepeatedMarkNote =
    QT_TRANSLATE_NOOP3("ColumnDesigner", " (مكرر)", "schedule.repeated-mark");
inline QString RepeatedMarkNote() { return InProgramLanguage(kRepeatedMarkNote); }

// The limits of the design, in the notes and on the calculation sheet.
inline constexpr CatalogueText kFloorLimitNote = QT_TRANSLATE_NOOP3(
    "ColumnDesigner", "عدد الأدوار المسموح بها في هذا البرنامج هو %1 ادوار", "limits.floors");
inline QString FloorLimitNote() {
  return InProgramLanguage(kFloorLimitNote).arg(rules::kFloorNoteLimit);
}
inline constexpr CatalogueText kNoWindLoadsNote = QT_TRANSLATE_NOOP3(
    "ColumnDesigner", "لم يتم اضافة احمال الرياح والزلازل في التصميم", "limits.no-wind-loads");
inline QString NoWindLoadsNote() { return InProgramLanguage(kNoWindLoadsNote); }

}  // namespace coldesign
