#pragma once

#include <QPushButton>
#include <QWidget>

#include "skin/skin_label.h"

namespace coldesign {

// The notes window: the limits of the design, the release, a picture and the credits.
class NotesWindow : public QWidget {
  Q_OBJECT

 public:
  explicit NotesWindow(QWidget* parent = nullptr);

 signals:
  void backRequested();

 protected:
  // Closing the window goes back to the design window, as Back does.
  void closeEvent(QCloseEvent* event) override;
  // A change of the program's language retranslates the window.
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();

  SkinLabel* release_;
  SkinLabel* coming_release_;
  SkinLabel* floor_limit_;
  SkinLabel* wind_loads_;
  SkinLabel* credits_;
  SkinLabel* contact_;
  QPushButton* back_button_;
};

}  // namespace coldesign
