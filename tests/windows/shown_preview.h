#pragma once

#include <QRect>
#include <functional>

namespace coldesign::testing {

// Where a print preview stood, and the free area of its screen.
struct ShownPreview {
  QRect frame;
  QRect available;
};

// Runs `open`, which shows a modal print preview, notes where the preview stands, and closes it.
ShownPreview ShowPrintPreview(const std::function<void()>& open);

}  // namespace coldesign::testing
