#include "skin/skin.h"

#include <QFile>
#include <QPalette>
#include <QString>

#include "skin/skin_palette.h"

namespace coldesign {
namespace {

struct SkinLook {
  QString style_sheet;
  QPalette palette;
};

QString ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    qFatal("The skin resource %s is missing", qPrintable(path));
  }
  return QString::fromUtf8(file.readAll());
}

SkinLook LoadLook() {
  auto palette = ParsePalette(ReadResource(QStringLiteral(":/skin/palette.txt")), QPalette());
  if (!palette) {
    qFatal("The skin palette has a line not understood: %s", qPrintable(palette.error()));
  }
  return {.style_sheet = ReadResource(QStringLiteral(":/skin/skin.qss")), .palette = *palette};
}

// Read once for the whole run; both windows share it.
const SkinLook& Look() {
  static const SkinLook look = LoadLook();
  return look;
}

}  // namespace

Skin::Skin(QWidget* window) : QObject(window) {
  setObjectName(QStringLiteral("Skin1"));
  window->setAttribute(Qt::WA_StyledBackground);
  window->setPalette(Look().palette);
  window->setStyleSheet(Look().style_sheet);
}

}  // namespace coldesign
