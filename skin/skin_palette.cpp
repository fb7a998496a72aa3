#include "skin/skin_palette.h"

#include <QColor>
#include <QMetaEnum>

namespace coldesign {

std::expected<QPalette, QString> ParsePalette(QStringView text, QPalette base) {
  const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
  for (const QStringView raw_line : text.split(u'\n')) {
    const QStringView line = raw_line.trimmed();
    if (line.isEmpty() || line.startsWith(u';')) {
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) {
      return std::unexpected(line.toString());
    }
    bool known_role = false;
    const int role =
        roles.keyToValue(line.first(equals).trimmed().toLatin1().constData(), &known_role);
    const QColor colour = QColor::fromString(line.sliced(equals + 1).trimmed());
    if (!known_role || role == QPalette::NColorRoles || !colour.isValid()) {
      return std::unexpected(line.toString());
    }
    base.setColor(static_cast<QPalette::ColorRole>(role), colour);
  }
  return base;
}

}  // namespace coldesign
