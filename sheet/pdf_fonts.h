#pragma once

#include <QByteArray>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QString>
#include <QTextLine>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace coldesign {

// A font of a PDF's pages, at every size it is drawn at.
struct PdfFont {
  QByteArray key;
  int index = 0;                     // its name on the page: /F0, /F1 ...
  QRawFont raw;                      // at the first size it is drawn at
  std::vector<QRawFont> sizes;       // at each size it is drawn at
  bool outlines = false;             // TrueType outlines, which can be embedded
  std::map<quint32, qreal> widths;   // of the glyphs used, in thousandths of the em
  std::map<quint32, QString> texts;  // the letters of the glyphs used; empty for none
};

// The fonts a PDF's text is drawn with, the letters each glyph stands for, and the objects that
// embed them: subsets of the fonts, with a map from each glyph to its letters (ToUnicode), so
// that the text can be searched and copied.
class PdfFonts {
 public:
  PdfFont& fontFor(const QRawFont& raw);
  // Whether the letters of every glyph of the runs are known.
  [[nodiscard]] bool knowsTexts(const QList<QGlyphRun>& runs);
  // The letters the glyphs of a line of `text` stand for, as its layout shaped them.
  void learnTexts(const QString& text, const QTextLine& line);

  // The fonts' objects, numbered from `first` on, and the page resources that name them.
  struct Embedded {
    QByteArray resources;
    std::vector<QByteArray> objects;
  };
  // Nothing when a font cannot be embedded.
  [[nodiscard]] std::optional<Embedded> embedded(int first) const;

 private:
  // Those of the characters from `from` to `end` (whole clusters), one character at a time.
  void learnClusters(const QString& text, const QTextLine& line, int from, int end);

  std::vector<std::unique_ptr<PdfFont>> fonts_;
};

}  // namespace coldesign
