#include "cli/schedule_pdf_output.h"

#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "sheet/schedule_pages.h"

namespace coldesign {

namespace {

// The command line speaks for itself on stderr: Qt's notes about the environment of a platform
// that draws nowhere (no XDG_RUNTIME_DIR, say) are dropped; its critical and fatal messages stay.
void OnlyCriticalMessages(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fputs((qFormatLogMessage(type, context, message) + u'\n').toLocal8Bit().constData(),
               stderr);
  }
}

}  // namespace

QByteArray SchedulePdfWithoutDisplay(const Schedule& schedule) {
  qInstallMessageHandler(OnlyCriticalMessages);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "column-designer";
  static char* argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);
  return SchedulePdf(schedule);
}

}  // namespace coldesign
