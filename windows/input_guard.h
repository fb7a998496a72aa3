#pragma once

#include <QLineEdit>

namespace coldesign {

// Whenever the field's text stops being a number, a Backspace keystroke is posted to the
// field; it arrives as a later event and changes the text again, so the check repeats until
// the text is a number or the Backspace changes nothing (an empty field, say).
void GuardNumericInput(QLineEdit* field);

}  // namespace coldesign
