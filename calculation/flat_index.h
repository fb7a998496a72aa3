#pragma once

// Private to the calculation library: numbers keys in one flat table.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace coldesign {

// A quick hash of a short text (a mark, a load, a type's key): eight bytes at a time, each
// multiplied in and folded, where std::hash calls out for every key.
struct TextHash {
  template <typename Char>
  std::size_t operator()(std::basic_string_view<Char> text) const {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;  // 2^64 / φ
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t size = text.size() * sizeof(Char);
    std::uint64_t hash = size * kMultiplier;
    for (; size >= kWord; bytes += kWord, size -= kWord) {
      std::uint64_t word = 0;
      std::memcpy(&word, bytes, kWord);
      hash = (hash ^ word) * kMultiplier;
      hash ^= hash >> 29;
    }
    std::uint64_t rest = 0;
    for (std::size_t i = 0; i < size; ++i) rest |= std::uint64_t{bytes[i]} << (8 * i);
    hash = (hash ^ rest) * kMultiplier;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
  }
};

// The number given with the first of equal keys, for a schedule's thousands of loads, marks and
// types: one table probed in place, doubled when three quarters full, where a
// std::unordered_map allocates a node per key and follows a pointer per lookup. Keys are held as
// given: views must outlive the index.
template <typename Key, typename Hash = TextHash>
class FlatIndex {
 public:
  FlatIndex() : slots_(kFirstSlots) {}
  // Sized at once for about this many keys.
  explicit FlatIndex(std::size_t expected_keys)
      : slots_(std::bit_ceil(std::max(kFirstSlots, expected_keys + expected_keys / 3 + 1))) {}

  // The number of the first key equal to `key`; `number` when there was none, and then `key` is
  // remembered with it.
  std::uint32_t FindOrAdd(const Key& key, std::uint32_t number) {
    const auto hash = static_cast<std::uint32_t>(Hash{}(key));
    Slot* slot = &SlotOf(key, hash);
    if (slot->number != kFree) return slot->number;
    if (4 * (keys_ + 1) > 3 * slots_.size()) {
      Grow();
      slot = &SlotOf(key, hash);
    }
    *slot = {.key = key, .hash = hash, .number = number};
    ++keys_;
    return number;
  }

  // The number of the key equal to `key`, or none.
  std::optional<std::uint32_t> Find(const Key& key) {
    const Slot& slot = SlotOf(key, static_cast<std::uint32_t>(Hash{}(key)));
    if (slot.number == kFree) return std::nullopt;
    return slot.number;
  }

 private:
  static constexpr std::size_t kFirstSlots = 64;  // a power of two
  static constexpr std::uint32_t kFree = UINT32_MAX;

  struct Slot {
    Key key{};
    std::uint32_t hash = 0;  // the low half of the key's
    std::uint32_t number = kFree;
  };

  // The slot of the key, or the free slot where it would go.
  Slot& SlotOf(const Key& key, std::uint32_t hash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.number == kFree || (slot.hash == hash && slot.key == key)) return slot;
    }
  }

  void Grow() {
    std::vector<Slot> old(2 * slots_.size());
    std::swap(old, slots_);
    for (const Slot& slot : old) {
      if (slot.number != kFree) SlotOf(slot.key, slot.hash) = slot;
    }
  }

  std::vector<Slot> slots_;
  std::size_t keys_ = 0;
};

}  // namespace coldesign
