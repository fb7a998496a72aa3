#include "resources/fonts/embedded_fonts.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <mutex>

// Q_INIT_RESOURCE declares a function of the enclosing namespace, which must be the global one.
static void InitFontResources() {  // NOLINT(misc-use-anonymous-namespace)
  Q_INIT_RESOURCE(coldesign_fonts);
}

namespace coldesign {

void RegisterEmbeddedFonts() {
  static std::once_flag registered;
  std::call_once(registered, [] {
    InitFontResources();
    QDirIterator fonts(QStringLiteral(":/coldesign/fonts"), QDir::Files);
    while (fonts.hasNext()) {
      QFontDatabase::addApplicationFont(fonts.next());
    }
  });
}

}  // namespace coldesign
