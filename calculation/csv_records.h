#pragma once

// Private to the calculation library: a CSV text split into records, whatever its line ends
// (LF, CRLF, bare CR or a mix): one pass over the text, each byte looked at a bounded number of
// times.

#include <cstddef>
#include <expected>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/schedule_entry.h"

namespace coldesign::detail {

// The offset of the first byte that is not part of a well-formed UTF-8 character, or npos.
std::size_t FirstInvalidUtf8(std::string_view text);

// The line ends in text[from, to): each LF, and each CR that no LF follows in the whole text.
std::size_t LineEnds(std::string_view text, std::size_t from, std::size_t to);

// Reads the file's records one after another, counting lines.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  [[nodiscard]] bool atEnd() const { return position_ >= text_.size(); }
  [[nodiscard]] std::size_t line() const { return line_; }

  // Skips lines that hold nothing but blanks: the blanks before a line's first other character
  // are looked at here and once more by read.
  void skipBlankLines();

  // The first comma or semicolon of the current line outside quotes; a comma when it has none.
  [[nodiscard]] char separatorOfLine() const;

  void setSeparator(char separator) { separator_ = separator; }

  // Reads the record that starts here: at most `most_fields` values. The values are views of the
  // text, or of the reader's own copy of a quoted value with doubled quotes; they stay valid until
  // the next record is read.
  std::expected<void, ScheduleProblem> read(std::vector<std::string_view>& fields,
                                            std::size_t most_fields);

 private:
  // A value among `unquoted_`.
  struct UnquotedField {
    std::size_t index;  // in the record
    std::size_t offset;
    std::size_t size;
  };

  // Past the line end (CR, LF or CRLF) at `at`.
  [[nodiscard]] std::size_t afterLineEnd(std::size_t at) const;

  std::expected<void, ScheduleProblem> readValues(std::vector<std::string_view>& fields,
                                                  std::size_t most_fields);
  std::expected<void, ScheduleProblem> readField(std::vector<std::string_view>& fields,
                                                 std::size_t index);

  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t line_ = 1;
  char separator_ = ',';
  // The current record's quoted values with doubled quotes, made single, one after another.
  std::string unquoted_;
  std::vector<UnquotedField> unquoted_fields_;
};

}  // namespace coldesign::detail
