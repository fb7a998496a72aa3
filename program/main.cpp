#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <cstdio>
#include <thread>

#include "cli/command_line.h"
#include "windows/application_setup.h"
#include "windows/graphical_session.h"
#include "windows/language_choice.h"
#include "windows/program_windows.h"

int main(int argc, char* argv[]) {
  // A command runs without a display, before anything looks for one.
  if (coldesign::IsCommandLine(argc, argv)) return coldesign::RunCommandLine(argc, argv);
  if (!coldesign::HasGraphicalSession(argc, argv)) {
    coldesign::ReportMissingGraphicalSession();
    return 1;
  }
  // Reading the user's font configuration, the longest step before the first text can be drawn,
  // runs on another core while Qt connects to the display; Qt then finds it ready.
  std::thread font_configuration(FcInit);
  coldesign::BeginDisplayConnection();
  QApplication app(argc, argv);
  coldesign::EndDisplayConnection();
  font_configuration.join();
  coldesign::SetUpApplication(app);
  const auto language = coldesign::LanguageArgument(QCoreApplication::arguments());
  if (!language) {
    std::fputs(language.error().toUtf8().constData(), stderr);
    return 2;
  }
  coldesign::UseLanguage(language->value_or(coldesign::RememberedLanguage()));
  coldesign::ProgramWindows windows;
  windows.showDesignWindow();
  return QApplication::exec();
}
