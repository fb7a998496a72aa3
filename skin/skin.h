#pragma once

#include <QObject>
#include <QWidget>

namespace coldesign {

// The program's look. Made as a child of a window, it dresses that window and everything in
// it (message boxes opened over the window included) in our style sheet and palette.
class Skin : public QObject {
  Q_OBJECT

 public:
  explicit Skin(QWidget* window);
};

}  // namespace coldesign
