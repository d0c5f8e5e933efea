#pragma once

// Instances of the hard bin-packing families generated from their published
// definitions, so the planner is measured on jobs it has never seen. A small
// generator of our own keeps them the same on every standard library.

#include <cstdint>
#include <map>
#include <string>

#include "cutplan/CuttingJob.h"

namespace grill::bench {

class SplitMix {
 public:
  explicit SplitMix(std::uint64_t seed) : state_(seed) {}

  // Uniform in [low, high].
  int Between(int low, int high) {
    return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }

 private:
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  std::uint64_t state_;
};

inline cutplan::PieceGroup GroupOf(const std::string& key, const std::map<int, int>& counts,
                                   double capacity) {
  cutplan::PieceGroup group{key, {}, {capacity}};
  for (const auto& [length, copies] : counts) {
    group.pieces.push_back({static_cast<double>(length), copies, "", ""});
  }
  return group;
}

// Falkenauer's triplets: each bar of 1,000 holds exactly three pieces. The
// first is uniform in 380..490, the second uniform in 250..half the space
// left, the third fills the bar. The optimum is one bar per triplet.
inline cutplan::PieceGroup FalkenauerTriplets(int triplets, std::uint64_t seed) {
  SplitMix random(seed);
  std::map<int, int> counts;
  for (int triplet = 0; triplet < triplets; ++triplet) {
    const int first = random.Between(380, 490);
    const int space = 1000 - first;
    const int second = random.Between(250, space / 2);
    ++counts[first];
    ++counts[second];
    ++counts[space - second];
  }
  return GroupOf("triplets " + std::to_string(seed), counts, 1000);
}

// Scholl, Klein and Juergens' set 3 ("hard"): 200 pieces uniform in
// 20,000..35,000 on bars of 100,000. Three to five pieces share a bar.
inline cutplan::PieceGroup SchollHard(std::uint64_t seed) {
  SplitMix random(seed);
  std::map<int, int> counts;
  for (int piece = 0; piece < 200; ++piece) {
    ++counts[random.Between(20'000, 35'000)];
  }
  return GroupOf("scholl 3 " + std::to_string(seed), counts, 100'000);
}

}  // namespace grill::bench
