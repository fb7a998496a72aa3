#pragma once

#include <QString>
#include <QStringView>

namespace coldesign {

// The text as a left-to-right island in a right-to-left line, so that a telephone number reads
// "+44 20 7946 0000" and not "0000 7946 20 44+". The two isolate marks draw nothing.
inline QString LeftToRightIsolate(QStringView text) {
  return u'\u2066' + text.toString() + u'\u2069';
}

}  // namespace coldesign
