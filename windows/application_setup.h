#pragma once

#include <QApplication>

namespace coldesign {

// Arabic and right to left whatever the user's locale, with fonts that shape Arabic well.
void SetUpApplication(QApplication& app);

}  // namespace coldesign
