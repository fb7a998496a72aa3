#pragma once

#include <QLineEdit>
#include <QString>

namespace coldesign::testing {

// Types `text` into the field one key at a time, as a keyboard would.
void TypeInto(QLineEdit* field, const QString& text);

}  // namespace coldesign::testing
