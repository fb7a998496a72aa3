#pragma once

#include <QMessageBox>
#include <QString>

namespace coldesign {

// A modal box over `window`, in the window's skin, with plain text; gives the button pressed.
QMessageBox::StandardButton AskUser(QWidget* window, QMessageBox::Icon icon, const QString& caption,
                                    const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

}  // namespace coldesign
