#pragma once

#include <QFont>
#include <QStringView>

namespace coldesign {

// Every text is set in one Arabic family, asked for by its own name so that Qt opens it at once.
// The few characters it lacks (Latin letters, brackets, signs) come from the fallback font that
// fontconfig picks, which is looked for only when such a character is first drawn.
inline constexpr QStringView kProgramFontFamily = u"Noto Naskh Arabic";
// The labels' Latin words, such as the units, in the Latin companion of the Arabic family.
inline constexpr QStringView kLatinFontFamily = u"Noto Sans";

QFont WindowFont();       // buttons, frames and message boxes
QFont FieldFont();        // the design window's text fields
QFont DesignLabelFont();  // the design window's labels
QFont NotesLabelFont();   // the notes window's labels

}  // namespace coldesign
