#include "windows/application_setup.h"

#include <QFont>

#include "resources/fonts/embedded_fonts.h"
#include "translations/program_language.h"
#include "windows/program_fonts.h"

// Q_INIT_RESOURCE declares a function of the enclosing namespace, which must be the global one:
// in an anonymous namespace it would name a function that does not exist.
static void RegisterResources() {  // NOLINT(misc-use-anonymous-namespace)
  Q_INIT_RESOURCE(resources);
}

namespace coldesign {

void SetUpApplication(QApplication& /*app*/) {
  RegisterResources();
  // Lets the desktop match the windows with the installed desktop entry and its icon.
  QApplication::setDesktopFileName(QStringLiteral("io.github.columndesigner.ColumnDesigner"));
  // Where QSettings keeps the user's choices: ~/.config/columndesigner/column-designer.conf.
  QApplication::setOrganizationName(QStringLiteral("columndesigner"));
  QApplication::setApplicationName(QStringLiteral("column-designer"));
  // The program ends only through a confirmed Exit, never because a window was hidden.
  QApplication::setQuitOnLastWindowClosed(false);
  // Before the first text is laid out: registering a font later makes Qt read its font list anew.
  RegisterEmbeddedFonts();
  QFont::insertSubstitution(kRequestedFontFamily.toString(), kProgramFontFamily.toString());
  QApplication::setFont(WindowFont());
  // Arabic whatever the system's language; main() then takes the user's choice.
  UseLanguage(Language::Arabic);
}

}  // namespace coldesign
