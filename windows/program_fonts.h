#pragma once

#include <QFont>
#include <QStringView>

namespace coldesign {

// The program names one family for every text; the application set-up maps it to fonts with
// good Arabic glyphs.
inline constexpr QStringView kProgramFontFamily = u"MS Sans Serif";

QFont WindowFont();       // buttons, frames and message boxes
QFont FieldFont();        // the design window's text fields
QFont DesignLabelFont();  // the design window's labels
QFont NotesLabelFont();   // the notes window's labels

}  // namespace coldesign
