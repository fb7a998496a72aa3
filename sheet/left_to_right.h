#pragma once

#include <QString>
#include <QStringView>

namespace coldesign {

// The text as a left-to-right island in a right-to-left line, so that a telephone number reads
// "+44 20 7946 0000" and not "0000 7946 20 44+". The two isolate marks draw nothing.
inline QString LeftToRightIsolate(QStringView text) {
  return u'\u2066' + text.toString() + u'\u2069';
}

// Text as the user typed it (a mark, a value) shown as a left-to-right island that nothing in
// it can break out of: its own direction marks are dropped (an override would turn "C1-evil"
// into "live-1C", a stray end of isolate would end the island), and a control character or a
// line separator is shown by its picture instead of starting a line over the next row.
QString TypedLeftToRight(QStringView text);

// Appended to a cut text, closes the isolates the cut left open.
QString ClosingIsolates(QStringView text);

}  // namespace coldesign
