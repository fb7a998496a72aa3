#pragma once

// Private to the calculation library: numbers keys in one flat table.
//
// Our own table rather than a library's, measured on `column-designer schedule` of 10,000
// columns and on the page's schedule module (build/web/schedule.wasm of the wasm preset), whose
// budget is 64 KiB (65,536 bytes). With this table the module is 64,228 bytes (62.7 KiB);
// std::unordered_map costs 8 % more CPU time and takes it to 68,333 bytes (66.7 KiB);
// tsl::robin_map (Debian's robin-map-dev) is as quick as this table but took it to about
// 84,300 bytes (82.3 KiB). Both are past the budget.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace coldesign {

// The number given with the first of equal keys, for a schedule's thousands of loads, marks and
// types: one table probed in place, doubled when three quarters full, where a
// std::unordered_map allocates a node per key and follows a pointer per lookup. Keys are held as
// given: views must outlive the index.
template <typename Key, typename Hash = std::hash<Key>>
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
