#pragma once

namespace coldesign {

// Registers the fonts compiled into the program with Qt's font database, under their own family
// names ("Noto Naskh Arabic", "Noto Sans", "Noto Sans Math"): the Arabic and Latin letters,
// digits, punctuation and the signs of the calculation. Call it once a QGuiApplication exists,
// best before any text is laid out; later calls do nothing.
void RegisterEmbeddedFonts();

}  // namespace coldesign
