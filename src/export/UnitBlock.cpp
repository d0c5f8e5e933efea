#include "export/UnitBlock.h"

#include <algorithm>

#include "export/CutNumbers.h"

namespace grill {

void UnitBlock::Clear() {
  lines_.clear();
  digits_ = 0;
}

void UnitBlock::AddLine(std::string_view header, char side, std::string_view pieceText) {
  lines_.push_back(Line{header, side, pieceText});
  digits_ = 0;
}

std::string_view UnitBlock::TextFor(std::int64_t unit) {
  char digits[kShortNumberRoom];
  const std::string_view number(digits, static_cast<size_t>(WriteInteger(digits, unit) - digits));
  if (number.size() != digits_) {
    Assemble(number);
  } else {
    // Numbers are a few digits: a plain loop beats a call to copy them.
    for (const size_t at : numberAt_) {
      for (size_t digit = 0; digit < number.size(); ++digit) {
        text_[at + digit] = number[digit];
      }
    }
  }
  return std::string_view(text_.data(), size_);
}

void UnitBlock::Assemble(std::string_view number) {
  constexpr std::string_view kUnitStart = "G-";
  constexpr std::string_view kUnitAgain = " B-";
  // The size is known before anything is written, so the text is written
  // straight into room made for it. The room keeps its largest size from one
  // block to the next; size_ marks where this block ends.
  size_ = 0;
  for (const Line& line : lines_) {
    size_ += line.header.size() + kUnitStart.size() + kUnitAgain.size() + 2 * number.size() + 4 +
             line.pieceText.size();
  }
  if (text_.size() < size_) {
    text_.resize(size_);
  }
  numberAt_.clear();
  char* const start = text_.data();
  char* out = start;
  const auto put = [&out](std::string_view part) {
    out = std::copy(part.begin(), part.end(), out);
  };
  for (const Line& line : lines_) {
    put(line.header);
    put(kUnitStart);
    numberAt_.push_back(static_cast<size_t>(out - start));
    put(number);
    put(kUnitAgain);
    numberAt_.push_back(static_cast<size_t>(out - start));
    put(number);
    *out++ = ' ';
    *out++ = line.side;
    *out++ = ',';
    *out++ = ' ';
    put(line.pieceText);
  }
  digits_ = number.size();
}

}  // namespace grill
