#include "translations/program_language.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

Language current_language = Language::Arabic;

// Each catalogue is loaded once, kept by the application under its own name.
QTranslator* Catalogue(const QString& name, const QString& folder) {
  QCoreApplication* app = QCoreApplication::instance();
  auto* catalogue = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
  if (catalogue == nullptr) {
    catalogue = new QTranslator(app);
    catalogue->setObjectName(name);
    if (!catalogue->load(name, folder)) {
      qWarning("The translation %s was not found in %s", qPrintable(name), qPrintable(folder));
    }
  }
  return catalogue;
}

}  // namespace

void UseLanguage(Language language) {
  QTranslator* qt_arabic =
      Catalogue(u"qtbase_ar"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  QTranslator* program_english = Catalogue(u"column-designer_en"_s, u":/translations"_s);
  const bool arabic = language == Language::Arabic;
  QCoreApplication::removeTranslator(arabic ? program_english : qt_arabic);
  QCoreApplication::installTranslator(arabic ? qt_arabic : program_english);
  QGuiApplication::setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
  current_language = language;
}

Language CurrentLanguage() { return current_language; }

}  // namespace coldesign
