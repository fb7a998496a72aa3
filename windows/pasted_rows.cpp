#include "windows/pasted_rows.h"

#include <utility>

namespace coldesign {
namespace {

bool EndsValue(QChar c) { return c == u'\t' || c == u'\n' || c == u'\r'; }

// Reads the values of `text` one at a time.
class PastedValues {
 public:
  explicit PastedValues(QStringView text) : text_(text) {}

  [[nodiscard]] bool atEnd() const { return at_ >= text_.size(); }

  // The value from here on; then steps over the tab or line break after it. `row_ended` tells
  // whether that was a line break or the end.
  QString next(bool& row_ended) {
    QString value;
    if (!quoted(value)) value = unquoted();
    row_ended = true;
    if (atEnd()) return value;
    const QChar separator = text_[at_++];
    if (separator == u'\t') {
      row_ended = false;
    } else if (separator == u'\r' && !atEnd() && text_[at_] == u'\n') {
      ++at_;
    }
    return value;
  }

 private:
  // A quoted value into `value`, when one starts here and closes before a separator.
  bool quoted(QString& value) {
    if (atEnd() || text_[at_] != u'"' || at_ >= unclosed_from_) return false;
    value.clear();
    for (qsizetype i = at_ + 1; i < text_.size(); ++i) {
      if (text_[i] != u'"') {
        value.append(text_[i]);
      } else if (i + 1 < text_.size() && text_[i + 1] == u'"') {
        value.append(u'"');
        ++i;
      } else if (i + 1 == text_.size() || EndsValue(text_[i + 1])) {
        at_ = i + 1;
        return true;
      } else {
        return false;  // text after the closing quote: the value is taken as it stands
      }
    }
    // No quote closes after here: later values are not looked for one again, which keeps a
    // clipboard of many lone quotes from taking a time in the square of its size.
    unclosed_from_ = at_;
    return false;
  }

  QString unquoted() {
    const qsizetype start = at_;
    while (!atEnd() && !EndsValue(text_[at_])) ++at_;
    return text_.sliced(start, at_ - start).toString();
  }

  QStringView text_;
  qsizetype at_ = 0;
  qsizetype unclosed_from_ = text_.size() + 1;
};

}  // namespace

QList<QStringList> ReadPastedRows(QStringView text) {
  QList<QStringList> rows;
  PastedValues values(text);
  QStringList row;
  while (!values.atEnd()) {
    bool row_ended = false;
    row.append(values.next(row_ended));
    if (row_ended) rows.append(std::exchange(row, {}));
  }
  if (!row.isEmpty()) rows.append(row);  // after a tab that ends the text
  return rows;
}

}  // namespace coldesign
