#pragma once

#include <QWidget>
#include <functional>

namespace coldesign {

// Runs `work` from the event loop once `widget` has painted for the first time: for what the
// first frame does not need, so that the window shows sooner.
void AfterFirstPaint(QWidget* widget, std::function<void()> work);

}  // namespace coldesign
