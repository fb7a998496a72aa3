#pragma once

#include <QRect>

namespace coldesign {

// Window positions are kept in twips, 15 to a device-independent pixel.
constexpr QRect FromTwips(int left, int top, int width, int height) {
  constexpr int kTwipsPerPixel = 15;
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

}  // namespace coldesign
