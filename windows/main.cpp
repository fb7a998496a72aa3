#include <QApplication>

#include "windows/application_setup.h"
#include "windows/program_windows.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  coldesign::SetUpApplication(app);
  coldesign::ProgramWindows windows;
  windows.showDesignWindow();
  return QApplication::exec();
}
