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

// The texts used in more than one place.

inline QString ProgramName() { return Texts::tr("زركولت", "program.name"); }
inline QString NotesTitle() { return Texts::tr("ملاحظات", "notes.title"); }
inline QString ExitTitle() { return Texts::tr("خروج", "exit.title"); }
inline QString FloorsCaption() { return Texts::tr("عدد الطوابق", "design.floors"); }
inline QString BarCountCaption() { return Texts::tr("عدد الأسياخ", "design.bar-count"); }

// The limits of the design, in the notes and on the calculation sheet.
inline QString FloorLimitNote() {
  return Texts::tr("عدد الأدوار المسموح بها في هذا البرنامج هو %1 ادوار", "limits.floors")
      .arg(rules::kFloorNoteLimit);
}
inline QString NoWindLoadsNote() {
  return Texts::tr("لم يتم اضافة احمال الرياح والزلازل في التصميم", "limits.no-wind-loads");
}

}  // namespace coldesign
