#pragma once

#include <QCoreApplication>
#include <functional>
#include <memory>

#include "windows/design_window.h"
#include "windows/notes_window.h"
#include "windows/schedule_window.h"

namespace coldesign {

// Owns the program's windows, one of each for the whole run, and moves the user between them;
// the design window exists from the start, the notes window from the first Notes, the schedule
// window from the first time it is asked for. The materials chosen are kept between runs.
class ProgramWindows {
 public:
  // Ends the program with an exit status once the user has confirmed Exit.
  using EndProgram = std::function<void(int)>;

  explicit ProgramWindows(EndProgram end_program = &QCoreApplication::exit);
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;
  ~ProgramWindows();

  void showDesignWindow();
  void showNotesWindow();
  // Beside the design window, not instead of it.
  void showScheduleWindow();

  [[nodiscard]] DesignWindow* designWindow() const { return design_.get(); }
  [[nodiscard]] NotesWindow* notesWindow() const { return notes_.get(); }
  [[nodiscard]] ScheduleWindow* scheduleWindow() const { return schedule_.get(); }

 private:
  void confirmExit();

  EndProgram end_program_;
  std::unique_ptr<DesignWindow> design_;
  std::unique_ptr<NotesWindow> notes_;
  std::unique_ptr<ScheduleWindow> schedule_;
};

}  // namespace coldesign
