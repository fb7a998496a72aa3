#pragma once

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "skin/skin_label.h"

namespace coldesign {

SkinLabel* PlaceLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                      QRect geometry);

// A button that Space, Return and Enter press when it has the focus.
QPushButton* PlaceButton(QWidget* window, const char* name, const QString& caption, QRect geometry);

// The caption without its mnemonic marks ("&&", a literal ampersand, stays): the underline of a
// mnemonic breaks the joining of Arabic letters.
QString WithoutMnemonics(const QString& caption);

}  // namespace coldesign
