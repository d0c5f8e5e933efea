#pragma once

#include <chrono>
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

// Pieces planned together: one bar key in one colour set. `stockLengths`
// lists the bar lengths the pieces may be cut from.
struct PieceGroup {
  std::string key;
  std::vector<Piece> pieces;
  std::vector<double> stockLengths;
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

struct StockBar {
  double stockLength = 0;
  // In cutting order, longest first.
  std::vector<CutPiece> pieces;
  // stock - trims - pieces - kerfs between them.
  double rest = 0;
  RestKind restKind = RestKind::Waste;
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
};

double TotalStockLength(const GroupPlan& plan);

}  // namespace grill::cutplan
