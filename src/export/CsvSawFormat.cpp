#include "export/CsvSawFormat.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

#include "model/Measurements.h"

namespace grill {
namespace {

// printf "%.Nf" of `value` with '.' whatever the locale.
void AppendFixed(std::string& text, double value, int decimals) {
  // Room for "%f" of the largest double: 309 digits, sign, point, decimals.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  text.append(buffer, result.ptr);
}

void AppendInteger(std::string& text, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text.append(buffer, result.ptr);
}

// The texts that open the lines: profile or edge, side, colours and design.
struct Headers {
  std::string barW;
  std::string barH;
  std::string edgeH;
  std::string edgeW;
};

Headers MakeHeaders(const ExportJob& job) {
  const GrillWindow& window = *job.window;
  const auto make = [&window](std::string_view start, std::string_view side) {
    std::string header(start);
    header.append(side).append(window.insideColor->code);
    if (window.insideColor != window.outsideColor) {
      header.append("_").append(window.outsideColor->code);
    }
    return header.append("_").append(window.name).append(",000,");
  };
  const std::string& barName = job.barType->name;
  const std::string_view prefix = std::string_view(barName).substr(0, barName.find(','));
  return Headers{make(prefix, "_W_"), make(prefix, "_H_"), make(job.edgeType->name, "_H_"),
                 make(job.edgeType->name, "_W_")};
}

// One line as every unit writes it: header, the side of its tag, and the
// piece's text with its line end, formatted once for every unit.
struct FormattedRow {
  std::string header;
  char side;
  std::string pieceText;
};

// The top and bottom edges take the edge header "_H_" and tag W, the side
// edges "_W_" and H; vertical bar pieces the bar header "_H_" and tag H,
// horizontal ones "_W_" and W.
class CsvDesignText : public SawDesignText {
 public:
  CsvDesignText(const ExportJob& job, const CutList& cutList, CutUnit unit) {
    const Headers headers = MakeHeaders(job);
    for (const CutGroup& group : cutList.groups) {
      std::string text = CsvPieceText(group, unit) + "\r\n";
      const bool alongWidth = RunOf(group.Origin()) == Direction::kHorizontal;
      if (IsEdge(group.Origin())) {
        edges_.push_back(
            {alongWidth ? headers.edgeH : headers.edgeW, alongWidth ? 'W' : 'H', std::move(text)});
      } else if (alongWidth) {
        horizontal_.push_back({headers.barW, 'W', std::move(text)});
      } else {
        vertical_.push_back({headers.barH, 'H', std::move(text)});
      }
    }
  }

  void WriteUnit(std::int64_t unit, UnitText& text) const override {
    char digits[24];
    const std::string_view number(digits, std::to_chars(digits, digits + sizeof digits, unit).ptr);
    text.edges.clear();
    text.verticalBars.clear();
    text.horizontalBars.clear();
    AppendBlock(edges_, number, text.edges);
    AppendBlock(vertical_, number, text.verticalBars);
    AppendBlock(horizontal_, number, text.horizontalBars);
  }

  std::int64_t Bytes(std::int64_t quantity) const override {
    // Every line but its two unit numbers, "G-" " B-" " S, " around them.
    constexpr std::int64_t kTagBytes = 9;
    std::int64_t lineBytes = 0;
    std::int64_t lineCount = 0;
    for (const std::vector<FormattedRow>* block : {&edges_, &vertical_, &horizontal_}) {
      for (const FormattedRow& row : *block) {
        lineBytes +=
            static_cast<std::int64_t>(row.header.size() + row.pieceText.size()) + kTagBytes;
        ++lineCount;
      }
    }
    // The digits of the unit numbers 1..quantity, a decade at a time.
    quantity = std::max<std::int64_t>(quantity, 0);
    std::int64_t digits = 0;
    for (std::int64_t from = 1, width = 1; from <= quantity; from *= 10, ++width) {
      digits += (std::min(quantity, from * 10 - 1) - from + 1) * width;
    }
    return quantity * lineBytes + 2 * digits * lineCount;
  }

 private:
  // Each line "header" "G-u B-u S, " "piece".
  static void AppendBlock(const std::vector<FormattedRow>& rows, std::string_view number,
                          std::string& block) {
    for (const FormattedRow& row : rows) {
      block.append(row.header).append("G-").append(number).append(" B-").append(number);
      block.append(1, ' ').append(1, row.side).append(", ").append(row.pieceText);
    }
  }

  std::vector<FormattedRow> edges_;
  std::vector<FormattedRow> vertical_;
  std::vector<FormattedRow> horizontal_;
};

class CsvFormat : public SawFormat {
 public:
  std::unique_ptr<SawDesignText> Prepare(const ExportJob& job, const CutList& cutList,
                                         CutUnit unit) const override {
    return std::make_unique<CsvDesignText>(job, cutList, unit);
  }
};

}  // namespace

const SawFormat& CsvSawFormat() {
  static const CsvFormat format;
  return format;
}

std::string CsvPieceText(const CutGroup& group, CutUnit unit) {
  const bool inches = unit == CutUnit::kInches;
  const int decimals = inches ? 3 : 1;
  const double scale = inches ? kInchesPerMillimetre : 1.0;
  const CutBar& piece = group.piece;
  std::string text;
  AppendFixed(text, piece.length * scale, decimals);
  text += ", ";
  AppendInteger(text, group.Count());
  text += ", ";
  AppendInteger(text, static_cast<std::int64_t>(piece.notches.size()));
  text += ", ";
  for (const Notch& notch : piece.notches) {
    AppendFixed(text, notch.position * scale, decimals);
    text += ", ";
    text += notch.toolCode;
    text += ", ";
  }
  return text;
}

}  // namespace grill
