#include "translations/program_language.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

Language current_language = Language::Arabic;

const QString kQtArabic = u"qtbase_ar"_s;
const QString kProgramEnglish = u"column-designer_en"_s;

QTranslator* Loaded(const QString& name) {
  return QCoreApplication::instance()->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
}

// Each catalogue is loaded when first used, then kept by the application under its own name.
QTranslator* Catalogue(const QString& name) {
  QTranslator* catalogue = Loaded(name);
  if (catalogue == nullptr) {
    catalogue = new QTranslator(QCoreApplication::instance());
    catalogue->setObjectName(name);
    // Qt's own Arabic comes with Qt's translations where they are installed, and without them
    // Qt speaks English; the program's English is built in.
    const bool qt_arabic = name == kQtArabic;
    if (!catalogue->load(name, qt_arabic ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                         : u":/translations"_s) &&
        !qt_arabic) {
      qWarning("The program's catalogue %s is missing", qPrintable(name));
    }
  }
  return catalogue;
}

}  // namespace

void UseLanguage(Language language) {
  const bool arabic = language == Language::Arabic;
  if (QTranslator* other = Loaded(arabic ? kProgramEnglish : kQtArabic)) {
    QCoreApplication::removeTranslator(other);
  }
  QTranslator* chosen = Catalogue(arabic ? kQtArabic : kProgramEnglish);
  QCoreApplication::removeTranslator(chosen);  // installed once, however often it is chosen
  QCoreApplication::installTranslator(chosen);
  QGuiApplication::setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
  current_language = language;
}

Language CurrentLanguage() { return current_language; }

}  // namespace coldesign
