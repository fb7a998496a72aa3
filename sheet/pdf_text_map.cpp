#include "sheet/pdf_text_map.h"

namespace coldesign {
namespace {

constexpr char16_t kLam = u'\u0644';
constexpr char16_t kZeroWidthJoiner = u'\u200D';

// The isolated lam-alef ligature for each alef; the final form is the next character.
char16_t IsolatedLamAlef(QChar alef) {
  switch (alef.unicode()) {
    case u'\u0622':
      return u'\uFEF5';
    case u'\u0623':
      return u'\uFEF7';
    case u'\u0625':
      return u'\uFEF9';
    case u'\u0627':
      return u'\uFEFB';
    default:
      return 0;
  }
}

// Positional forms of single letters. The lam-alef ligatures (U+FEF5 to U+FEFC) stay as they are:
// poppler reverses the letters of a ligature that reads back as two, so the pair would come out
// as alef-lam.
bool IsPositionalForm(char32_t code) {
  return (code >= 0xFB50 && code <= 0xFDFF) || (code >= 0xFE70 && code <= 0xFEF4);
}

}  // namespace

QString WithLamAlefLigatures(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t ligature =
        text[i] == QChar(kLam) && i + 1 < text.size() ? IsolatedLamAlef(text[i + 1]) : 0;
    if (ligature == 0) {
      out += text[i];
      continue;
    }
    // After a letter that joins to its left, the final form, and a joiner so that the letter
    // keeps its joining shape.
    const bool joined = i > 0 && (text[i - 1].joiningType() == QChar::Joining_Dual ||
                                  text[i - 1].joiningType() == QChar::Joining_Causing);
    if (joined) out += QChar(kZeroWidthJoiner);
    out += QChar(static_cast<char16_t>(ligature + (joined ? 1 : 0)));
    ++i;
  }
  return out;
}

QString PlainText(char32_t character) {
  const QString text = QString::fromUcs4(&character, 1);
  return IsPositionalForm(character) ? text.normalized(QString::NormalizationForm_KC) : text;
}

}  // namespace coldesign
