#pragma once

#include <QList>
#include <QStringView>

namespace coldesign {

// A stretch of a text: where it starts and how many UTF-16 code units it spans.
struct TextRun {
  qsizetype start = 0;
  qsizetype length = 0;

  bool operator==(const TextRun&) const = default;
};

// The Latin words of a mostly Arabic text, such as the "(ton)" of "(ton)حمل العمود": each stretch
// between Arabic letters that holds a Latin letter, less the blanks at its ends. Digits and
// signs among Arabic words belong to no Latin word.
QList<TextRun> LatinRuns(QStringView text);

}  // namespace coldesign
