#pragma once

#include <QLineEdit>
#include <QString>

namespace coldesign {

// The hint shown by a number field when the guard read a comma as the decimal mark, removed a
// comma or a space typed as a decimal mark or a group separator, or refused a paste with one.
QString DecimalMarkHint();

// Keeps a number field a number, or the beginning of one, as the user edits it (the engine's
// GuardedText). Each edit by the user (typing, paste, drop, deletion) is settled at once: what
// the guard cannot take is removed, or the edit is refused. Each kept edit is one undo step, so
// undo and redo pass over what was refused. A drop the guard did not take whole is reported to
// its source as a Copy. Text the program sets is taken as it is. The field's context menu shows
// its entries without mnemonics.
void GuardNumericInput(QLineEdit* field);

// A new field for a number, named `name`: guarded as above, reading left to right.
QLineEdit* NewNumberField(QWidget* parent, const char* name);

}  // namespace coldesign
