#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "model/JobFile.h"
#include "model/NameRules.h"

namespace grill {

// A small job of two designs with one bar each way, the starting point of
// the hand-edited documents in the tests.
inline Job SmallJob() {
  Job job;
  job.unit = Unit::Millimetres;
  job.masterFile = "MASTER";
  job.current = "B";
  for (const char* name : {"A", "B"}) {
    JobDesign design;
    GrillWindow& w = design.window;
    w.name = name;
    w.outerWidth = 600.0;
    w.outerHeight = 400.0;
    w.innerWidth = 560.0;
    w.innerHeight = 360.0;
    w.quantity = 2;
    w.horzCount = 1;
    w.vertCount = 1;
    w.horzPos[1] = 180.0;
    w.horzPos[2] = 360.0;
    w.vertPos[1] = 280.0;
    w.vertPos[2] = 560.0;
    design.references.barType = "Flat 5/8";
    design.references.edgeType = "Edge A";
    design.references.insideColor = "White";
    job.designs.push_back(design);
  }
  return job;
}

// Where the tests' jobs are read from and saved to.
inline const std::string kJobPath = "orders/smith.grilljob";

// `text` as a version 2 file wrote it: no details.
inline std::string WithoutDetails(std::string text) {
  const std::size_t at = text.find("  \"details\": {");
  EXPECT_NE(at, std::string::npos);
  text.erase(at, text.find("},\n", at) + 3 - at);
  return text;
}

// Random jobs with every double a design may hold (subnormals, the largest
// and smallest, negative zero in positions) and arbitrary bytes in every
// text a design name does not restrict.
class RandomJobs {
 public:
  explicit RandomJobs(std::uint32_t seed) : random_(seed) {}

  Job Next() {
    Job job;
    job.unit = Coin() ? Unit::Inches : Unit::Millimetres;
    job.spacing = Coin() ? SpacingMode::EqualSpace : SpacingMode::Divided;
    job.masterFile = Bytes(40);
    job.details = Details();
    const int count = Between(0, 6);
    for (int i = 0; i < count; ++i) {
      job.designs.push_back(Design(i));
    }
    if (count > 0 && Coin()) {
      job.current = job.designs[static_cast<std::size_t>(Between(0, count - 1))].window.name;
    }
    return job;
  }

 private:
  JobDesign Design(int index) {
    JobDesign design;
    GrillWindow& w = design.window;
    w.name = DesignName(index);
    w.outerWidth = Positive();
    w.outerHeight = Positive();
    w.innerWidth = Coin() ? 0.0 : Positive();
    w.innerHeight = Positive();
    w.quantity = static_cast<std::int32_t>(random_());
    w.horzCount = Between(0, kMaxBars);
    w.vertCount = Between(0, kMaxBars);
    for (int i = 0; i < w.horzCount + 2; ++i) {
      w.horzPos[static_cast<std::size_t>(i)] = AnyFinite();
    }
    for (int i = 0; i < w.vertCount + 2; ++i) {
      w.vertPos[static_cast<std::size_t>(i)] = AnyFinite();
    }
    for (int h = 0; h <= w.horzCount; ++h) {
      for (int v = 1; v <= w.vertCount; ++v) {
        w.vertSegments[static_cast<std::size_t>(h)][static_cast<std::size_t>(v)] = Coin() ? 1 : 0;
      }
    }
    for (int h = 1; h <= w.horzCount; ++h) {
      for (int v = 0; v <= w.vertCount; ++v) {
        w.horzSegments[static_cast<std::size_t>(h)][static_cast<std::size_t>(v)] = Coin() ? 1 : 0;
      }
    }
    design.references.barType = OptionalBytes();
    design.references.edgeType = OptionalBytes();
    design.references.insideColor = OptionalBytes();
    design.references.outsideColor = OptionalBytes();
    if (Coin()) {
      w.preDesign = static_cast<PreDesign>(Between(0, kPreDesignNames.size() - 1));
    }
    return design;
  }

  // Any bytes the dialog keeps: no control character, the notes' line breaks
  // aside.
  JobDetails Details() {
    JobDetails details;
    for (const JobDetail detail : kJobDetails) {
      std::string text = Bytes(detail == JobDetail::Notes ? 80 : 20);
      for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127) {
          c = detail == JobDetail::Notes && Coin() ? '\n' : ' ';
        }
      }
      details[detail] = text;
    }
    return details;
  }

  bool Coin() { return (random_() & 1) != 0; }
  int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

  std::string Bytes(int longest) {
    std::string bytes;
    const int length = Between(0, longest);
    for (int i = 0; i < length; ++i) {
      bytes += static_cast<char>(Between(0, 255));
    }
    return bytes;
  }

  std::optional<std::string> OptionalBytes() {
    if (Between(0, 4) == 0) {
      return std::nullopt;
    }
    return Bytes(12);
  }

  // Bytes New accepts in a name, made unique by the index at their end.
  std::string DesignName(int index) {
    std::string name;
    while (name.size() < 8) {
      const char byte = static_cast<char>(Between(32, 255));
      if (IsAcceptableDesignName(std::string(1, byte))) {
        name += byte;
      }
    }
    return name + std::to_string(index);
  }

  double AnyFinite() {
    switch (Between(0, 5)) {
      case 0:
        return std::numeric_limits<double>::denorm_min() * Between(1, 1000);
      case 1:
        return Coin() ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
      case 2:
        return Coin() ? -0.0 : std::numeric_limits<double>::min();
      default:
        for (;;) {
          const double value = std::bit_cast<double>(std::uint64_t{random_()});
          if (std::isfinite(value)) {
            return value;
          }
        }
    }
  }

  double Positive() {
    const double value = std::fabs(AnyFinite());
    return value > 0.0 ? value : 1.0;
  }

  std::mt19937_64 random_;
};

// Both double tables compared by their bits, so that -0.0 and 0.0 differ.
inline void ExpectSameBits(const PositionTable& expected, const PositionTable& actual) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(expected[i]), std::bit_cast<std::uint64_t>(actual[i]))
        << "entry " << i << ": " << expected[i] << " became " << actual[i];
  }
}

inline void ExpectSameDesign(const JobDesign& expected, const JobDesign& actual) {
  const GrillWindow& e = expected.window;
  const GrillWindow& a = actual.window;
  EXPECT_EQ(e.name, a.name);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(e.outerWidth), std::bit_cast<std::uint64_t>(a.outerWidth));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(e.outerHeight),
            std::bit_cast<std::uint64_t>(a.outerHeight));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(e.innerWidth), std::bit_cast<std::uint64_t>(a.innerWidth));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(e.innerHeight),
            std::bit_cast<std::uint64_t>(a.innerHeight));
  EXPECT_EQ(e.quantity, a.quantity);
  EXPECT_EQ(e.preDesign, a.preDesign);
  EXPECT_EQ(e.horzCount, a.horzCount);
  EXPECT_EQ(e.vertCount, a.vertCount);
  ExpectSameBits(e.horzPos, a.horzPos);
  ExpectSameBits(e.vertPos, a.vertPos);
  EXPECT_EQ(e.vertSegments, a.vertSegments);
  EXPECT_EQ(e.horzSegments, a.horzSegments);
  EXPECT_EQ(expected.references, actual.references);
  EXPECT_EQ(a.barType, nullptr);
}

inline void ExpectSameJob(const Job& expected, const Job& actual) {
  EXPECT_EQ(expected.unit, actual.unit);
  EXPECT_EQ(expected.spacing, actual.spacing);
  EXPECT_EQ(expected.masterFile, actual.masterFile);
  EXPECT_EQ(expected.details, actual.details);
  EXPECT_EQ(expected.current, actual.current);
  ASSERT_EQ(expected.designs.size(), actual.designs.size());
  for (std::size_t i = 0; i < expected.designs.size(); ++i) {
    ExpectSameDesign(expected.designs[i], actual.designs[i]);
  }
}

}  // namespace grill
