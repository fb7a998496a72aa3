#include "skin/latin_runs.h"

namespace coldesign {

QList<TextRun> LatinRuns(QStringView text) {
  QList<TextRun> runs;
  qsizetype start = 0;
  while (start < text.size()) {
    if (text[start].script() == QChar::Script_Arabic || text[start].isSpace()) {
      ++start;
      continue;
    }
    qsizetype end = start;
    bool has_latin_letter = false;
    while (end < text.size() && text[end].script() != QChar::Script_Arabic) {
      has_latin_letter = has_latin_letter || text[end].script() == QChar::Script_Latin;
      ++end;
    }
    qsizetype last = end;
    while (text[last - 1].isSpace()) {
      --last;
    }
    if (has_latin_letter) {
      runs.append({.start = start, .length = last - start});
    }
    start = end;
  }
  return runs;
}

}  // namespace coldesign
