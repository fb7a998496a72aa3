#include "windows/language_choice.h"

#include <QSettings>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kLanguageKey = u"language"_s;

std::optional<Language> LanguageNamed(const QString& name) {
  if (name == u"ar"_s) return Language::Arabic;
  if (name == u"en"_s) return Language::English;
  return std::nullopt;
}

QString NameOf(Language language) { return language == Language::English ? u"en"_s : u"ar"_s; }

}  // namespace

std::expected<std::optional<Language>, QString> LanguageArgument(const QStringList& arguments) {
  const QString option = u"--language"_s;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString value;
    if (arguments[i] == option) {
      value = i + 1 < arguments.size() ? arguments[i + 1] : QString();
    } else if (arguments[i].startsWith(option + u'=')) {
      value = arguments[i].mid(option.size() + 1);
    } else {
      continue;
    }
    if (const auto language = LanguageNamed(value)) return language;
    return std::unexpected(
        u"اللغة المطلوبة «%1» غير معروفة: ar أو en.\n"
        "The language \"%1\" is not known: ar or en.\n"_s.arg(value));
  }
  return std::nullopt;
}

Language RememberedLanguage() {
  return LanguageNamed(QSettings().value(kLanguageKey).toString()).value_or(Language::Arabic);
}

void RememberLanguage(Language language) { QSettings().setValue(kLanguageKey, NameOf(language)); }

}  // namespace coldesign
