#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace coldesign {

// A number's text kept in place, without an allocation: every text FormatNumber and
// FormatInteger write fits. Reads as a std::string_view, as a std::string would.
class NumberText {
 public:
  static constexpr std::size_t kCapacity = 23;

  NumberText() = default;
  // Made from a text, as a std::string is.
  // NOLINTNEXTLINE(google-explicit-constructor)
  NumberText(std::string_view text) { *this = text; }
  // NOLINTNEXTLINE(google-explicit-constructor)
  NumberText(const char* text) : NumberText(std::string_view(text)) {}

  NumberText& operator=(std::string_view text) {
    assert(text.size() <= kCapacity);
    size_ = static_cast<std::uint8_t>(text.size() < kCapacity ? text.size() : kCapacity);
    text.copy(chars_.data(), size_);
    return *this;
  }

  [[nodiscard]] std::string_view view() const { return {chars_.data(), size_}; }
  // NOLINTNEXTLINE(google-explicit-constructor): taken wherever a text is, as a std::string was.
  operator std::string_view() const { return view(); }
  [[nodiscard]] std::string str() const { return std::string(view()); }
  [[nodiscard]] bool empty() const { return size_ == 0; }
  [[nodiscard]] std::size_t size() const { return size_; }

  friend bool operator==(const NumberText& a, const NumberText& b) { return a.view() == b.view(); }
  friend bool operator==(const NumberText& a, std::string_view b) { return a.view() == b; }

 private:
  std::array<char, kCapacity> chars_{};
  std::uint8_t size_ = 0;
};

}  // namespace coldesign
