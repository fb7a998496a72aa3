#pragma once

#include <QPrintPreviewDialog>
#include <QWidget>

namespace coldesign {

// Places a print preview over `over` so that it shows a whole A4 page large enough to read,
// within that window's screen and clear of its edges, where the preview's frame and title go.
void PlacePrintPreview(QPrintPreviewDialog& preview, const QWidget& over);

}  // namespace coldesign
