#pragma once

#include <QByteArray>
#include <QString>

namespace coldesign {

// Arabic text as the sheet draws it: each lam-alef pair as its ligature character, so that the
// ligature's glyph can be read back as text (a shaped ligature has no character of its own).
QString WithLamAlefLigatures(const QString& text);

// Rewrites the text maps (ToUnicode) of a PDF written by QPdfWriter so that Arabic letters read
// back as the letters themselves rather than their positional presentation forms, which no
// search or copy expects; a lam-alef reads back as its ligature character. Gives the PDF back
// unchanged when its layout is not the expected one.
QByteArray WithPlainLettersInTextMaps(const QByteArray& pdf);

}  // namespace coldesign
