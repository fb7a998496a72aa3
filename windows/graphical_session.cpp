#include "windows/graphical_session.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

namespace coldesign {
namespace {

bool NeedsDisplay(QStringView platform) {
  return platform.startsWith(u"xcb") || platform.startsWith(u"wayland");
}

// A message Qt gave while connecting, kept with what its handler needs to print it later.
struct HeldMessage {
  QtMsgType type;
  QByteArray file;
  int line;
  QByteArray function;
  QByteArray category;
  QString text;
};

struct DisplayConnection {
  std::mutex mutex;  // Qt may log from a thread of its own while it connects
  QtMessageHandler qt_handler = nullptr;
  std::vector<HeldMessage> held;
};

DisplayConnection& Connection() {
  static DisplayConnection connection;
  return connection;
}

void PassOn(const HeldMessage& message) {
  const QMessageLogContext context(message.file.constData(), message.line,
                                   message.function.constData(), message.category.constData());
  Connection().qt_handler(message.type, context, message.text);
}

// The settings that choose the display, "NAME=value" for each one set.
QByteArray DisplaySettings() {
  QByteArrayList settings;
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    if (qEnvironmentVariableIsSet(name)) settings.append(name + ('=' + qgetenv(name)));
  }
  return settings.join(", ");
}

void ReportUnreachableDisplay() {
  const QByteArray settings = DisplaySettings();
  const QByteArray report = "تعذر الاتصال بشاشة سطح المكتب (" + settings +
                            ")، ويحتاج هذا البرنامج إلى جلسة سطح مكتب رسومية تعمل.\n"
                            "Could not connect to the desktop display (" +
                            settings +
                            "); this program needs a running graphical desktop session.\n";
  std::fputs(report.constData(), stderr);
  std::fflush(stderr);
}

// Qt ends with this fatal message when no platform could start; it warns first of each plugin
// it could not find at all, which is a broken installation rather than a display.
bool IsUnreachableDisplay(const std::vector<HeldMessage>& held, const QString& fatal) {
  return fatal.contains(u"no Qt platform plugin could be initialized") &&
         std::ranges::none_of(held, [](const HeldMessage& message) {
           return message.text.contains(u"Could not find the Qt platform plugin");
         });
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  DisplayConnection& connection = Connection();
  const std::scoped_lock lock(connection.mutex);
  if (type == QtFatalMsg) {
    if (IsUnreachableDisplay(connection.held, text)) {
      ReportUnreachableDisplay();
      std::_Exit(1);  // Qt is half made: there is nothing to tidy and nothing to lose
    }
    std::ranges::for_each(connection.held, PassOn);
    connection.held.clear();
    connection.qt_handler(type, context, text);  // Qt aborts after it, as without us
    return;
  }
  connection.held.push_back({.type = type,
                             .file = context.file,
                             .line = context.line,
                             .function = context.function,
                             .category = context.category,
                             .text = text});
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
    return true;  // Qt's own choice, tried when the application is made
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

void BeginDisplayConnection() { Connection().qt_handler = qInstallMessageHandler(HoldMessage); }

void EndDisplayConnection() {
  DisplayConnection& connection = Connection();
  qInstallMessageHandler(connection.qt_handler);
  const std::scoped_lock lock(connection.mutex);
  std::ranges::for_each(connection.held, PassOn);
  connection.held.clear();
}

}  // namespace coldesign
