#pragma once

#include <QAction>
#include <QFont>
#include <QKeySequence>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "skin/skin_label.h"

namespace coldesign {

SkinLabel* PlaceLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                      QRect geometry);

// A button that Space, Return and Enter press when it has the focus.
QPushButton* PlaceButton(QWidget* window, const char* name, const QString& caption, QRect geometry);

// An action of `owner` named `name`, its text given with the window's other texts.
QAction* NamedAction(QWidget* owner, const char* name, const QKeySequence& keys = {});

// The caption without its mnemonic marks ("&&", a literal ampersand, stays): the underline of a
// mnemonic breaks the joining of Arabic letters.
QString WithoutMnemonics(const QString& caption);

}  // namespace coldesign
