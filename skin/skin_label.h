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

  // Latin words in the text are set in this family, at the label font's size and weight. An
  // Arabic font has no Latin letters, and leaving the choice to the system's fallback search
  // costs a query over every installed font.
  void setLatinFamily(const QString& family);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString latin_family_;
};

}  // namespace coldesign
