#pragma once

namespace coldesign {

enum class Language { Arabic, English };

// Puts the program in `language`: Arabic, right to left, with Qt's own Arabic texts (the file
// dialog, the print preview); or English, left to right, from the program's English catalogue.
// The texts of windows already on show change on their QEvent::LanguageChange.
void UseLanguage(Language language);

// The language the program is in: Arabic until UseLanguage says otherwise.
Language CurrentLanguage();

}  // namespace coldesign
