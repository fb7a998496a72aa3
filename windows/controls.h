#pragma once

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "skin/skin_label.h"

namespace coldesign {

SkinLabel* PlaceLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                      QRect geometry);

QPushButton* PlaceButton(QWidget* window, const char* name, const QString& caption, QRect geometry);

}  // namespace coldesign
