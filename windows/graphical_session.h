#pragma once

namespace coldesign {

// False when Qt would find no screen: no X or Wayland display named in the environment and no
// platform chosen (QT_QPA_PLATFORM or -platform) that works without one, such as offscreen.
bool HasGraphicalSession(int argc, char* argv[]);

// Says, in Arabic and English, that the program needs a graphical desktop session.
void ReportMissingGraphicalSession();

}  // namespace coldesign
