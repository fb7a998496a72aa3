#pragma once

#include <Qt>

namespace coldesign {

// Both windows have a fixed size: a title and a close button, no minimize or maximize button.
inline constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

}  // namespace coldesign
