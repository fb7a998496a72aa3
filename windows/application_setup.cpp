#include "windows/application_setup.h"

#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "windows/program_fonts.h"

// Q_INIT_RESOURCE declares a function of the global namespace.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace coldesign {

void SetUpApplication(QApplication& app) {
  RegisterResources();
  // Lets the desktop match the windows with the installed desktop entry and its icon.
  QApplication::setDesktopFileName(QStringLiteral("io.github.columndesigner.ColumnDesigner"));
  QApplication::setLayoutDirection(Qt::RightToLeft);
  // The program ends only through a confirmed Exit, never because a window was hidden.
  QApplication::setQuitOnLastWindowClosed(false);
  QFont::insertSubstitution(kRequestedFontFamily.toString(), kProgramFontFamily.toString());
  QApplication::setFont(WindowFont());

  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_ar"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace coldesign
