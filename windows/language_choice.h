#pragma once

#include <QString>
#include <QStringList>
#include <expected>
#include <optional>

#include "translations/program_language.h"

namespace coldesign {

// The language asked for on the command line, "--language en" or "--language=ar": none when
// not asked; a message in both languages when the value names no language.
std::expected<std::optional<Language>, QString> LanguageArgument(const QStringList& arguments);

// The language last chosen in the design window's menu (QSettings); Arabic until one is chosen.
Language RememberedLanguage();
void RememberLanguage(Language language);

}  // namespace coldesign
