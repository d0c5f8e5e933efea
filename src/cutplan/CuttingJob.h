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
  // one stock length, the total stock length with several.
  bool optimal = false;
  // With a price on every length bought: the price of the bars bought, and
  // a proven lower bound on it.
  std::optional<double> cost = {};
  std::optional<double> costBound = {};
  // For a group with counts on hand, prices or remnants: what to buy, per
  // length, shortest first. Empty for a group of lengths bought as needed
  // at no stated price, where every bar is bought.
  std::vector<Purchase> toBuy = {};
};

double TotalStockLength(const GroupPlan& plan);

}  // namespace grill::cutplan
