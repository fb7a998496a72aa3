#pragma once

#include <QPalette>
#include <QString>
#include <QStringView>
#include <expected>

namespace coldesign {

// Reads "Role = #rrggbb" lines (roles named as in QPalette::ColorRole) over `base`; blank
// lines and lines starting with ';' are skipped. The error names the first line not understood.
std::expected<QPalette, QString> ParsePalette(QStringView text, QPalette base);

}  // namespace coldesign
