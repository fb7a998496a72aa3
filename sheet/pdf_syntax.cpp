#include "sheet/pdf_syntax.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace coldesign::pdf {

void AppendNumber(QByteArray& out, qreal value) {
  if (!std::isfinite(value)) value = 0;
  std::array<char, 48> text{};
  const auto [end, error] =
      std::to_chars(text.begin(), text.end(), value, std::chars_format::fixed, 3);
  const char* last = error == std::errc() ? end : text.begin();
  while (last > text.begin() && last[-1] == '0') --last;
  if (last > text.begin() && last[-1] == '.') --last;
  const QByteArrayView number(text.begin(), last);
  out += number.isEmpty() || number == "-" || number == "-0" ? "0" : number;
}

QByteArray Number(qreal value) {
  QByteArray text;
  AppendNumber(text, value);
  return text;
}

void AppendPoint(QByteArray& out, QPointF point) {
  AppendNumber(out, point.x());
  out += ' ';
  AppendNumber(out, point.y());
}

QByteArray Colour(const QColor& colour) {
  return Number(colour.redF()) + ' ' + Number(colour.greenF()) + ' ' + Number(colour.blueF());
}

void AppendHex16(QByteArray& out, quint32 value) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

QByteArray TextString(const QString& text) {
  QByteArray hex = "<FEFF";
  for (const QChar c : text) AppendHex16(hex, c.unicode());
  return hex + '>';
}

QByteArray Stream(const QByteArray& data, const QByteArray& entries) {
  const QByteArray compressed = qCompress(data).sliced(4);  // without Qt's length prefix
  return "<< /Length " + QByteArray::number(compressed.size()) + " /Filter /FlateDecode" + entries +
         " >>\nstream\n" + compressed + "\nendstream";
}

QByteArray Reference(int object) { return QByteArray::number(object) + " 0 R"; }

}  // namespace coldesign::pdf
