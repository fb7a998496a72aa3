#pragma once

#include <QSize>
#include <QWidget>
#include <Qt>

namespace coldesign {

// Both windows have a fixed size: a title and a close button, no minimize or maximize button.
inline constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

// Gives a window its size for good. Under Wayland the size is only the least the window takes:
// Qt draws the title bar there itself, with a maximize button whatever the flags say, and the
// compositor ends the program if a window refuses the maximized size it was given.
void FixWindowSize(QWidget* window, QSize size);

}  // namespace coldesign
