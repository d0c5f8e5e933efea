#include <fstream>
#include <iostream>

#include "CommandLine.h"
#include "PieceLines.h"
#include "cutplan/CuttingPlanner.h"
#include "cutplan/LengthText.h"

namespace {

using namespace grill::cutplan;

// After a bar's rest, where the bar does not have to be bought.
const char* SourceWord(StockSource source) {
  switch (source) {
    case StockSource::Remnant:
      return " remnant";
    case StockSource::OnHand:
      return " on-hand";
    case StockSource::Bought:
      break;
  }
  return "";
}

// `bar STOCK: P1 P2 ... rest R` per bar, ending in "remnant" or "on-hand"
// for a bar not bought, then `bars N bound B`, with "optimal" when the plan
// meets the bound and ` cost C` when the lengths bought have prices; with
// several stock lengths a `length L bound B` line on the total stock length
// comes first, and "optimal" there unless the plan has a cost.
void PrintPlan(const GroupPlan& plan, bool severalStocks, std::ostream& out) {
  for (const StockBar& bar : plan.bars) {
    out << "bar " << ShortestText(bar.stockLength) << ':';
    for (const CutPiece& piece : bar.pieces) {
      out << ' ' << ShortestText(piece.length);
    }
    out << " rest " << ShortestText(bar.rest) << SourceWord(bar.source) << '\n';
  }
  const char* optimal = plan.optimal ? " optimal" : "";
  if (severalStocks) {
    // With a cost, the plan is optimal on its price, told beside it.
    out << "length " << ShortestText(TotalStockLength(plan)) << " bound "
        << ShortestText(plan.lengthBound) << (plan.cost ? "" : optimal) << '\n';
    optimal = plan.cost ? optimal : "";
  }
  out << "bars " << plan.bars.size() << " bound " << plan.barBound << optimal;
  if (plan.cost) {
    out << " cost " << ShortestText(*plan.cost);
  }
  out << '\n';
}

// The remnants listed in `path`, or nullopt with `error` set.
std::optional<std::vector<Remnant>> ReadRemnants(const std::string& path, std::string& error) {
  if (std::optional<std::string> refused = InputFileProblem(path)) {
    error = *refused;
    return std::nullopt;
  }
  std::ifstream input(path, std::ios::binary);
  if (!input) {
    error = "cannot open " + path;
    return std::nullopt;
  }
  std::optional<std::vector<Remnant>> remnants = ReadRemnantLines(input, error);
  if (!remnants) {
    error = path + ": " + error;
  }
  return remnants;
}

int Run(const CommandLine& line, std::istream& input) {
  std::string error;
  std::optional<std::vector<Piece>> pieces = ReadPieceLines(input, error);
  if (!pieces) {
    std::cerr << "grill-cutplan: " << error << '\n';
    return 2;
  }
  std::vector<Remnant> remnants;
  if (line.remnantFile) {
    std::optional<std::vector<Remnant>> read = ReadRemnants(*line.remnantFile, error);
    if (!read) {
      std::cerr << "grill-cutplan: " << error << '\n';
      return 2;
    }
    remnants = std::move(*read);
  }
  try {
    const bool severalStocks = line.stock.size() > 1 || !remnants.empty();
    GroupPlan plan =
        PlanGroup({"", std::move(*pieces), line.stock, std::move(remnants)}, line.options);
    PrintPlan(plan, severalStocks, std::cout);
  } catch (const PlanInputError& problem) {
    std::cerr << "grill-cutplan: " << problem.what() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace

// grill-cutplan --stock LENGTH[xCOUNT][@PRICE][,...] [options] [FILE]: plans the
// cutting of the pieces listed in FILE, or on standard input without one.
int main(int argc, char* argv[]) {
  std::string error;
  std::optional<CommandLine> line =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!line) {
    std::cerr << "grill-cutplan: " << error << '\n' << kUsage << '\n';
    return 2;
  }
  if (line->request == CommandLine::Request::Help) {
    std::cout << kUsage << '\n' << kHelp << '\n';
    return 0;
  }
  if (line->request == CommandLine::Request::Version) {
    std::cout << "grill-cutplan " GRILL_VERSION "\n";
    return 0;
  }
  const std::optional<std::string> refused =
      line->file ? InputFileProblem(*line->file) : StandardInputProblem();
  if (refused) {
    std::cerr << "grill-cutplan: " << *refused << '\n';
    return 2;
  }
  if (!line->file) {
    return Run(*line, std::cin);
  }
  std::ifstream input(*line->file, std::ios::binary);
  if (!input) {
    std::cerr << "grill-cutplan: cannot open " << *line->file << '\n';
    return 2;
  }
  return Run(*line, input);
}
