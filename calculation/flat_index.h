#pragma once

// Private to the calculation library: numbers keys in one flat table.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace coldesign {

// The number given with the first of equal keys, for a schedule's thousands of loads, marks and
// types: one table allocated once and probed in place, where a std::unordered_map allocates a
// node per key and follows a pointer per lookup. Keys are held as given (views must outlive the
// index); at most `most_keys` different keys.
template <typename Key, typename Hash = std::hash<Key>>
class FlatIndex {
 public:
  explicit FlatIndex(std::size_t most_keys)
      : slots_(std::bit_ceil(most_keys + most_keys / 2 + 1)) {}

  // The number of the first key equal to `key`; `number` when there was none, and then `key` is
  // remembered with it.
  std::uint32_t FindOrAdd(const Key& key, std::uint32_t number) {
    const std::size_t hash = Hash{}(key);
    Slot& slot = SlotOf(key, hash);
    if (slot.number == kFree) slot = {.key = key, .hash = hash, .number = number};
    return slot.number;
  }

  // The number of the key equal to `key`, or none.
  std::optional<std::uint32_t> Find(const Key& key) {
    const Slot& slot = SlotOf(key, Hash{}(key));
    if (slot.number == kFree) return std::nullopt;
    return slot.number;
  }

 private:
  static constexpr std::uint32_t kFree = UINT32_MAX;

  struct Slot {
    Key key{};
    std::size_t hash = 0;
    std::uint32_t number = kFree;
  };

  // The slot of the key, or the free slot where it would go.
  Slot& SlotOf(const Key& key, std::size_t hash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.number == kFree || (slot.hash == hash && slot.key == key)) return slot;
    }
  }

  std::vector<Slot> slots_;
};

}  // namespace coldesign
