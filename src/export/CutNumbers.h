#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace grill {

// Room that WriteShortFixed and WriteInteger need at most at `out`.
inline constexpr int kShortNumberRoom = 24;

// Writes printf "%.Nf" of `value` (N = `decimals`, 0 to 6) at `out` and
// returns the end, or returns null when the value needs FormatFixed's
// general conversion: when it is not finite, has more than eight digits in
// all, or lies so near a rounding tie that only its exact decimal value
// decides. Writes '.' whatever the locale.
char* WriteShortFixed(char* out, double value, int decimals);

// Remembers what WriteShortFixed wrote for the values it was given, so that a
// value that comes again (a bar position shared by many pieces, a size shared
// by many designs) is copied rather than converted again. A value has one
// slot, chosen by a hash of its bits; one whose slot holds another value is
// converted and takes the slot over.
class ShortFixedCache {
 public:
  ShortFixedCache();
  // Writes what WriteShortFixed writes and returns what it returns. The
  // usual case, a value found in its slot, is inline: it is taken for every
  // number of every line.
  char* Write(char* out, double value, int decimals) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    Slot& slot = slots_[SlotOf(bits)];
    if (slot.bits != bits || slot.decimals != decimals) {
      return WriteAndKeep(out, value, decimals, slot);
    }
    static_assert(kTextRoom <= kShortNumberRoom, "the whole slot text fits the room of a number");
    std::memcpy(out, slot.text, sizeof slot.text);
    return out + slot.size;
  }

 private:
  // 2^14 slots of 24 bytes (384 KB): room for the distinct numbers of a long
  // run of designs, small enough to stay near the processor.
  static constexpr int kSlotBits = 14;
  // The short way writes at most a sign, eight digits and a point; a hit
  // copies the whole room and moves on by the text's size.
  static constexpr int kTextRoom = 14;
  struct Slot {
    std::uint64_t bits = 0;
    char text[kTextRoom] = {};
    std::int8_t decimals = -1;  // -1 while the slot is empty
    std::uint8_t size = 0;
  };
  // Spreads the bits of a value over the slots: the top bits of the product
  // with 2^64 divided by the golden ratio depend on every bit of the value.
  static size_t SlotOf(std::uint64_t bits) {
    return static_cast<size_t>((bits * 0x9E3779B97F4A7C15ULL) >> (64 - kSlotBits));
  }
  char* WriteAndKeep(char* out, double value, int decimals, Slot& slot);

  std::vector<Slot> slots_;
};

// Writes printf "%d" of `value` at `out` and returns the end.
char* WriteInteger(char* out, std::int64_t value);

}  // namespace grill
