#include "windows/controls.h"

#include "windows/program_fonts.h"

namespace coldesign {

SkinLabel* PlaceLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                      QRect geometry) {
  auto* label = new SkinLabel(text, font, window);
  label->setLatinFamily(kLatinFontFamily.toString());
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  return label;
}

QPushButton* PlaceButton(QWidget* window, const char* name, const QString& caption,
                         QRect geometry) {
  auto* button = new QPushButton(caption, window);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  return button;
}

}  // namespace coldesign
