#include "sheet/left_to_right.h"

namespace coldesign {
namespace {

constexpr char16_t kFirstIsolate = u'\u2066';  // LRI, RLI, FSI
constexpr char16_t kLastIsolate = u'\u2068';
constexpr char16_t kIsolateEnd = u'\u2069';

bool IsDirectionMark(char16_t c) {
  return c == u'\u200E' || c == u'\u200F' || c == u'\u061C' || (c >= u'\u202A' && c <= u'\u202E') ||
         (c >= kFirstIsolate && c <= kIsolateEnd);
}

}  // namespace

QString TypedLeftToRight(QStringView text) {
  QString shown;
  shown.reserve(text.size() + 2);
  shown.append(kFirstIsolate);
  for (const QChar character : text) {
    const char16_t c = character.unicode();
    if (IsDirectionMark(c)) continue;
    if (c < 0x20) {
      shown.append(QChar(0x2400 + c));  // the Control Pictures block: ␀ … ␟
    } else if (c == 0x7F) {
      shown.append(u'\u2421');  // ␡
    } else if (c == 0x85 || c == 0x2028 || c == 0x2029) {
      shown.append(u'\u2424');  // ␤
    } else {
      shown.append(character);
    }
  }
  shown.append(kIsolateEnd);
  return shown;
}

QString ClosingIsolates(QStringView text) {
  qsizetype open = 0;
  for (const QChar character : text) {
    const char16_t c = character.unicode();
    if (c >= kFirstIsolate && c <= kLastIsolate) {
      ++open;
    } else if (c == kIsolateEnd && open > 0) {
      --open;
    }
  }
  return {open, QChar(kIsolateEnd)};
}

}  // namespace coldesign
