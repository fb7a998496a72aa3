#include "windows/graphical_session.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <algorithm>
#include <cstdio>
#include <span>
#include <string_view>

namespace coldesign {
namespace {

bool NeedsDisplay(QStringView platform) {
  return platform.startsWith(u"xcb") || platform.startsWith(u"wayland");
}

}  // namespace

bool HasGraphicalSession(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return true;
  }
  const std::span arguments(argv, static_cast<std::size_t>(argc));
  if (std::ranges::any_of(arguments, [](const char* argument) {
        return std::string_view(argument) == "-platform" ||
               std::string_view(argument) == "--platform";
      })) {
    return true;  // Qt's own choice, and Qt's own message when it fails
  }
  const QStringList platforms = qEnvironmentVariable("QT_QPA_PLATFORM").split(u';');
  return std::ranges::any_of(platforms, [](const QString& platform) {
    const QString name = platform.trimmed();
    return !name.isEmpty() && !NeedsDisplay(name);
  });
}

void ReportMissingGraphicalSession() {
  std::fputs(
      "يحتاج هذا البرنامج إلى جلسة سطح مكتب رسومية، ولم يجد شاشة (DISPLAY أو WAYLAND_DISPLAY).\n"
      "This program needs a graphical desktop session; no display was found (DISPLAY or "
      "WAYLAND_DISPLAY).\n",
      stderr);
}

}  // namespace coldesign
