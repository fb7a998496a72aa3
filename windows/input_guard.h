#pragma once

#include <QLineEdit>
#include <QString>

namespace coldesign {

// The hint shown by a number field when the guard removed a comma or a space typed as a
// decimal mark or a group separator.
QString DecimalMarkHint();

// Keeps a number field numeric as the user edits it. Each edit by the user (typing, paste,
// drop, deletion) is settled at once: the characters before the caret that keep the text from
// being a number are removed, or, when that cannot give a number, the edit is refused. Each
// edit is one undo step. Text the program sets is taken as it is. The field's context menu
// shows its entries without mnemonics.
void GuardNumericInput(QLineEdit* field);

}  // namespace coldesign
