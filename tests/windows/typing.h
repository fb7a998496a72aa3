#pragma once

#include <QLineEdit>
#include <QString>

namespace coldesign::testing {

// Types `text` into the field one key at a time, as a keyboard would, then lets every
// keystroke that the program posted in answer run.
void TypeInto(QLineEdit* field, const QString& text);

// Runs the keystrokes that the program has posted, and those they cause in turn; the field
// sets how long that chain can be.
void SettleInput(QLineEdit* field);

}  // namespace coldesign::testing
