#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <vector>

// Watches the X display named by DISPLAY for a program's first frame: the first damage to
// the top-level window that the program's process (its _NET_WM_PID) maps on the root window.
// The program needs no hooks: the watch sees only what the X server sees.
class FirstFrameWatch {
 public:
  using Clock = std::chrono::steady_clock;

  FirstFrameWatch();
  ~FirstFrameWatch();
  FirstFrameWatch(const FirstFrameWatch&) = delete;
  FirstFrameWatch& operator=(const FirstFrameWatch&) = delete;
  FirstFrameWatch(FirstFrameWatch&&) = delete;
  FirstFrameWatch& operator=(FirstFrameWatch&&) = delete;

  // Forgets the windows and events of the previous run; call it before starting a program.
  void reset();

  // Handles the display's events for at most `slice`; returns the moment the window of
  // process `pid` was first drawn, or nothing if it has not been drawn yet.
  std::optional<Clock::time_point> poll_first_frame(pid_t pid, std::chrono::milliseconds slice);

 private:
  void watch_new_window(Window window);
  bool belongs_to(Window window, pid_t pid);

  Display* display_;
  int damage_event_base_ = 0;
  Atom net_wm_pid_ = None;
  Window mapped_ = None;
  std::vector<Damage> damages_;
};
