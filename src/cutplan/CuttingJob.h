#pragma once

#include <chrono>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace grill::cutplan {

// Lengths are millimetres throughout.

// `count` equal pieces to cut; label (e.g. the design name), tag and name
// (what the piece is for) travel with every piece into the plan.
struct Piece {
  double length = 0;
  int count = 1;
  std::string label;
  std::string tag;
  std::string name = {};
};

// A stock length the pieces may be cut from. Without a count it is bought
// as needed; with one, that many bars are on hand and no more can be had.
// The price is per bar. A bare length converts, so `{6000, 4000}` lists two
// lengths bought as needed at no stated price.
struct StockLength {
  StockLength(double barLength, std::optional<int> barsOnHand = {},
              std::optional<double> barPrice = {})
      : length(barLength), onHand(barsOnHand), price(barPrice) {}

  double length = 0;
  std::optional<int> onHand;
  std::optional<double> price;
};

// `count` offcuts of `length` kept from earlier jobs; they cost nothing.
struct Remnant {
  double length = 0;
  int count = 1;
};

// Pieces planned together: one bar key in one colour set, with the stock
// and the remnants they may be cut from.
//
// What a plan minimises. Bars come from remnants (at most their count, free),
// stock on hand (at most `onHand`, already paid) and lengths bought as
// needed. In this order:
//   1. the price of the bars bought: each bought length's `price`, to the
//      cent; when a bought length of the group has no price, each bar bought
//      costs its stock length instead;
//   2. the bars on hand used, so remnants come before stock on hand;
//   3. the number of bars;
//   4. the waste, that is the total stock length of the bars.
// The planner weighs the four into one integer cost per bar, each weight
// above all that the objectives below it can add up to over as many bars as
// there are pieces. Where that would pass what a double holds exactly, the
// waste is counted in hundredths of the longest length, then not at all,
// then the bars on hand and the bars together; the price always comes first.
// A group with no counts, no prices and no remnants is planned for the
// least total stock length alone, as it always was.
struct PieceGroup {
  std::string key;
  std::vector<Piece> pieces;
  std::vector<StockLength> stock;
  std::vector<Remnant> remnants = {};
};

// A bar holds pieces p1..pm when p1 + ... + pm + (m - 1) * kerf <=
// stock - trimHead - trimTail. A rest of at least minOffcut is kept.
struct SawSettings {
  double kerf = 0;
  double trimHead = 0;
  double trimTail = 0;
  double minOffcut = 0;
};

struct PlanOptions {
  SawSettings saw;
  // Processor time per group, on the planning thread; the best plan found
  // by then is returned.
  std::chrono::duration<double> timeLimit{1.0};
  // A stop request ends the search as the time limit does.
  std::stop_token stop{};
};

struct CutPiece {
  double length = 0;
  std::string label;
  std::string tag;
  std::string name;
};

enum class RestKind { Offcut, Waste };

// Where a bar of the plan comes from.
enum class StockSource { Remnant, OnHand, Bought };

struct StockBar {
  double stockLength = 0;
  // In cutting order, longest first.
  std::vector<CutPiece> pieces;
  // stock - trims - pieces - kerfs between them.
  double rest = 0;
  RestKind restKind = RestKind::Waste;
  StockSource source = StockSource::Bought;
};

// Bars of one length the plan has to buy, beyond the remnants and the stock
// on hand.
struct Purchase {
  double length = 0;
  int count = 0;
  std::optional<double> price;  // per bar, when Stock.txt gives one
};

struct GroupPlan {
  std::string key;
  std::vector<StockBar> bars;
  // Proven lower bounds: on the total stock length and on the number of bars.
  double lengthBound = 0;
  int barBound = 0;
  // The plan meets the bound on what it minimises: the number of bars with
  // one stock length, the total stock length with several; with counts,
  // prices or remnants, the first objective (see PieceGroup).
  bool optimal = false;
  // With a price on every length bought: the price of the bars bought, and
  // a proven lower bound on it, both to the cent.
  std::optional<double> cost = {};
  std::optional<double> costBound = {};
  // For a group with counts on hand, prices or remnants: what to buy, per
  // length, shortest first. Empty for a group of lengths bought as needed
  // at no stated price, where every bar is bought.
  std::vector<Purchase> toBuy = {};
};

double TotalStockLength(const GroupPlan& plan);

}  // namespace grill::cutplan
