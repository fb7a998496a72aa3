#pragma once

#include <QCoreApplication>
#include <QString>

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

// The column schedule, in its window and on its pages.
inline QString ScheduleTitle() { return Texts::tr("جدول الأعمدة", "schedule.title"); }
inline QString MarkTitle() { return Texts::tr("الرمز", "schedule.mark"); }
inline QString CountTitle() { return Texts::tr("العدد", "schedule.count"); }
inline QString LevelTitle() { return Texts::tr("المستوى", "schedule.level"); }
inline QString LevelsTitle() { return Texts::tr("المستويات", "schedule.levels"); }
inline QString FloorsCarriedTitle() {
  return Texts::tr("الأدوار المحمولة", "schedule.floors-carried");
}
inline QString BarsTitle() { return Texts::tr("الأسياخ", "schedule.bars"); }
inline QString StatusTitle() { return Texts::tr("الحالة", "schedule.status"); }
inline QString TypeTitle() { return Texts::tr("النوع", "schedule.type"); }
inline QString ColumnsTitle() { return Texts::tr("الأعمدة", "schedule.columns"); }
inline QString DesignedStatus() { return Texts::tr("سليم", "schedule.designed"); }
inline QString TooLargeStatus() { return Texts::tr("قيم كبيرة جدا", "schedule.too-large"); }
// After a mark that more than one row has.
inline QString RepeatedMarkNote() { return Texts::tr(" (مكرر)", "schedule.repeated-mark"); }

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
