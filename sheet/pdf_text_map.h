#pragma once

#include <QString>

namespace coldesign {

// Arabic text as the sheet draws it: each lam-alef pair as its ligature character, so that the
// ligature's glyph can be read back as text (a shaped ligature has no character of its own).
QString WithLamAlefLigatures(const QString& text);

// The text a PDF's text map gives for a glyph of `character`: an Arabic letter rather than one of
// its positional presentation forms, which no search or copy expects; a lam-alef ligature stays
// the ligature character.
QString PlainText(char32_t character);

}  // namespace coldesign
