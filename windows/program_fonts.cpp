#include "windows/program_fonts.h"

#include <QStringList>

namespace coldesign {
namespace {

QFont ProgramFont(qreal point_size, QFont::Weight weight) {
  QFont font(kRequestedFontFamily.toString());
  font.setPointSizeF(point_size);
  font.setWeight(weight);
  return font;
}

}  // namespace

QFont WindowFont() { return ProgramFont(8.25, QFont::Normal); }

QFont FieldFont() { return ProgramFont(12, QFont::Bold); }

QFont DesignLabelFont() { return ProgramFont(8.25, QFont::Normal); }

QFont NotesLabelFont() { return ProgramFont(9.75, QFont::Bold); }

QFont StaleNoteFont() { return ProgramFont(7.5, QFont::Normal); }

QFont FiguresFont() {
  QFont font = ProgramFont(9, QFont::Normal);
  font.setFamilies({kLatinFontFamily.toString(), kProgramFontFamily.toString()});
  return font;
}

}  // namespace coldesign
