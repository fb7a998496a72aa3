#pragma once

#include <QFont>
#include <QStringView>

namespace coldesign {

// The windows ask for "MS Sans Serif" at its sizes and weights; that family is absent on Linux,
// so it stands for an Arabic family with good glyphs, which the program carries with it
// (looking up the absent name costs a few fontconfig searches at start-up). The few characters
// the Arabic family lacks (Latin letters, brackets, signs) come from the fallback font that
// fontconfig picks: an installed one, or else the program's own Noto Sans.
inline constexpr QStringView kRequestedFontFamily = u"MS Sans Serif";
inline constexpr QStringView kProgramFontFamily = u"Noto Naskh Arabic";
// The labels' Latin words, such as the units, in the Latin companion of the Arabic family.
inline constexpr QStringView kLatinFontFamily = u"Noto Sans";

QFont WindowFont();       // buttons, frames and message boxes
QFont FieldFont();        // the design window's text fields
QFont DesignLabelFont();  // the design window's labels
QFont NotesLabelFont();   // the notes window's labels
QFont StaleNoteFont();    // the design window's note on results of earlier inputs
// Windows of many figures (the schedule, the materials): the Latin family first, whose point
// stays a point at small sizes, where the Arabic family's looks like a comma.
QFont FiguresFont();

}  // namespace coldesign
