#include "bench/startup/first_frame_watch.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <stdexcept>

namespace {

// Windows of the program may be gone by the time a request about them arrives; such errors
// are expected and must not end the benchmark as Xlib's default handler would.
int ignore_x_error(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

}  // namespace

FirstFrameWatch::FirstFrameWatch() : display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) {
    throw std::runtime_error("cannot open the X display named by DISPLAY");
  }
  int damage_error_base = 0;
  if (XDamageQueryExtension(display_, &damage_event_base_, &damage_error_base) == False) {
    XCloseDisplay(display_);
    throw std::runtime_error("the X server lacks the DAMAGE extension");
  }
  XSetErrorHandler(ignore_x_error);
  net_wm_pid_ = XInternAtom(display_, "_NET_WM_PID", False);
  XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  XSync(display_, False);
}

FirstFrameWatch::~FirstFrameWatch() {
  reset();
  XCloseDisplay(display_);
}

void FirstFrameWatch::reset() {
  for (const Damage damage : damages_) {
    XDamageDestroy(display_, damage);
  }
  damages_.clear();
  mapped_ = None;
  XSync(display_, True);
}

std::optional<FirstFrameWatch::Clock::time_point> FirstFrameWatch::poll_first_frame(
    pid_t pid, std::chrono::milliseconds slice) {
  const auto until = Clock::now() + slice;
  while (true) {
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type == CreateNotify) {
        watch_new_window(event.xcreatewindow.window);
      } else if (event.type == MapNotify && mapped_ == None && belongs_to(event.xmap.window, pid)) {
        mapped_ = event.xmap.window;
      } else if (event.type == damage_event_base_ + XDamageNotify) {
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (mapped_ != None && damage.drawable == mapped_) {
          return Clock::now();
        }
      }
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
    if (left.count() <= 0) {
      return std::nullopt;
    }
    pollfd connection{.fd = ConnectionNumber(display_), .events = POLLIN, .revents = 0};
    poll(&connection, 1, static_cast<int>(left.count()));
  }
}

// The damage object is made when the window is created, before it can be drawn, so that no
// frame goes unseen while the window is being matched to the program.
void FirstFrameWatch::watch_new_window(Window window) {
  damages_.push_back(XDamageCreate(display_, window, XDamageReportNonEmpty));
}

bool FirstFrameWatch::belongs_to(Window window, pid_t pid) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display_, window, net_wm_pid_, 0, 1, False, XA_CARDINAL,
                                        &type, &format, &count, &remaining, &data);
  if (status != Success || data == nullptr) {
    // A program that does not name its process: its first mapped window is taken.
    return true;
  }
  const bool matches =
      format == 32 && count == 1 &&
      *reinterpret_cast<const unsigned long*>(data) == static_cast<unsigned long>(pid);
  XFree(data);
  return matches;
}
