#pragma once

namespace coldesign {

// False when Qt would find no screen: no X or Wayland display named in the environment and no
// platform chosen (QT_QPA_PLATFORM or -platform) that works without one, such as offscreen.
bool HasGraphicalSession(int argc, char* argv[]);

// Says, in Arabic and English, that the program needs a graphical desktop session.
void ReportMissingGraphicalSession();

// Brackets the making of the application, where Qt connects to the display. When Qt can reach
// none (a display that does not exist, a name that is no display, Wayland with no compositor),
// the program says so in Arabic and English, naming the display, and ends with status 1 in place
// of Qt's abort. Qt's messages of that time are held back, and passed on once it is connected.
void BeginDisplayConnection();
void EndDisplayConnection();

}  // namespace coldesign
