#pragma once

#include <QWidget>

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
};

}  // namespace coldesign
