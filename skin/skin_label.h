#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

namespace coldesign {

// A label that shows its Unicode text as plain text, never as markup, in the font it is given.
// It places the text by its ink, so that no glyph is cut off by the box: a word-wrapped text
// draws its lines closer together when the font's line spacing would overflow the box, and a
// line a little wider than the box is drawn a little narrower.
class SkinLabel : public QLabel {
  Q_OBJECT

 public:
  SkinLabel(const QString& text, const QFont& font, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace coldesign
