#include "calculation/csv_records.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace coldesign::detail {

std::size_t FirstInvalidUtf8(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  std::size_t i = 0;
  while (i < text.size()) {
    // Eight ASCII bytes at a time: most of a schedule is.
    if (text.size() - i >= sizeof(std::uint64_t)) {
      std::uint64_t eight = 0;
      std::memcpy(&eight, text.data() + i, sizeof eight);
      if ((eight & kHighBits) == 0) {
        i += sizeof eight;
        continue;
      }
    }
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    std::uint32_t code = 0;
    std::uint32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1FU, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0FU, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07U, least = 0x10000;
    } else {
      return i;
    }
    if (text.size() - i < length) return i;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return i;
      code = (code << 6) | (next & 0x3FU);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
    i += length;
  }
  return std::string_view::npos;
}

std::size_t LineEnds(std::string_view text, std::size_t from, std::size_t to) {
  auto ends =
      static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                                          text.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
  for (std::size_t cr = text.find('\r', from); cr < to; cr = text.find('\r', cr + 1)) {
    if (cr + 1 == text.size() || text[cr + 1] != '\n') ++ends;
  }
  return ends;
}

void RecordReader::skipBlankLines() {
  std::size_t i = position_;
  while (true) {
    while (i < text_.size() && (text_[i] == ' ' || text_[i] == '\t')) ++i;
    if (i == text_.size()) {
      position_ = i;
      return;
    }
    if (text_[i] != '\r' && text_[i] != '\n') return;
    i = afterLineEnd(i);
    position_ = i;
    ++line_;
  }
}

char RecordReader::separatorOfLine() const {
  bool quoted = false;
  for (std::size_t i = position_; i < text_.size(); ++i) {
    const char c = text_[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == ',' || c == ';') return c;
    if (c == '\n' || c == '\r') break;
  }
  return ',';
}

std::expected<void, ScheduleProblem> RecordReader::read(std::vector<std::string_view>& fields,
                                                        std::size_t most_fields) {
  fields.clear();
  unquoted_.clear();
  unquoted_fields_.clear();
  auto read = readValues(fields, most_fields);
  // The copies are all made: their views are taken now.
  const std::string_view unquoted = unquoted_;
  for (const UnquotedField& field : unquoted_fields_) {
    fields[field.index] = unquoted.substr(field.offset, field.size);
  }
  return read;
}

std::size_t RecordReader::afterLineEnd(std::size_t at) const {
  return text_[at] == '\r' && at + 1 < text_.size() && text_[at + 1] == '\n' ? at + 2 : at + 1;
}

std::expected<void, ScheduleProblem> RecordReader::readValues(std::vector<std::string_view>& fields,
                                                              std::size_t most_fields) {
  while (true) {
    fields.emplace_back();
    if (fields.size() > most_fields) return std::unexpected(ScheduleProblem::TooManyValues);
    if (auto read = readField(fields, fields.size() - 1); !read) return read;
    if (atEnd()) return {};
    if (text_[position_] == separator_) {
      ++position_;
      continue;
    }
    position_ = afterLineEnd(position_);
    ++line_;
    return {};
  }
}

std::expected<void, ScheduleProblem> RecordReader::readField(std::vector<std::string_view>& fields,
                                                             std::size_t index) {
  std::string_view& field = fields[index];
  const std::size_t start = position_;
  std::size_t first = start;
  while (first < text_.size() && (text_[first] == ' ' || text_[first] == '\t')) ++first;
  if (first == text_.size() || text_[first] != '"') {
    std::size_t end = first;
    while (end < text_.size() && text_[end] != separator_ && text_[end] != '\r' &&
           text_[end] != '\n') {
      ++end;
    }
    field = text_.substr(start, end - start);
    position_ = end;
    return {};
  }
  const std::size_t content = first + 1;
  position_ = content;
  bool doubled = false;  // a doubled quote was met: the value is copied to `unquoted_`
  const std::size_t offset = unquoted_.size();
  while (true) {
    const std::size_t quote = text_.find('"', position_);
    if (quote == std::string_view::npos) return std::unexpected(ScheduleProblem::UnclosedQuote);
    line_ += LineEnds(text_, position_, quote);
    if (doubled) unquoted_.append(text_.substr(position_, quote - position_));
    position_ = quote + 1;
    if (position_ < text_.size() && text_[position_] == '"') {
      if (!doubled) unquoted_.append(text_.substr(content, quote - content));
      doubled = true;
      unquoted_.push_back('"');
      ++position_;
      continue;
    }
    if (doubled) {
      unquoted_fields_.push_back({index, offset, unquoted_.size() - offset});
    } else {
      field = text_.substr(content, quote - content);
    }
    break;
  }
  position_ = std::min(text_.find_first_not_of(" \t", position_), text_.size());
  if (atEnd()) return {};
  const char c = text_[position_];
  if (c != separator_ && c != '\r' && c != '\n') {
    return std::unexpected(ScheduleProblem::TextAfterQuote);
  }
  return {};
}

}  // namespace coldesign::detail
