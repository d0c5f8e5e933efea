#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grill {

// The lines one unit of a design's quantity adds to a file, each made of
// a header, the tag "G-g B-g W, " or "G-g B-g H, " and a piece's text with its
// line end. The block is assembled whole for the first unit; a later unit
// only writes its number over the previous one in each tag, which stays in
// place as long as the number keeps its count of digits.
class UnitBlock {
 public:
  // Starts a block without lines.
  void Clear();
  // Adds a line; `header` and `pieceText` are kept as views, so they must
  // stay as they are while the block is used.
  void AddLine(std::string_view header, char side, std::string_view pieceText);
  // The block's text for unit `unit` (1 or more); valid until the next call.
  std::string_view TextFor(std::int64_t unit);

 private:
  struct Line {
    std::string_view header;
    char side;
    std::string_view pieceText;
  };
  void Assemble(std::string_view number);

  std::vector<Line> lines_;
  // The block's text is text_'s first size_ characters.
  std::string text_;
  size_t size_ = 0;
  // Where each unit number in text_ starts, two per line.
  std::vector<size_t> numberAt_;
  // The digit count of the numbers in text_; 0 while it is not assembled.
  size_t digits_ = 0;
};

}  // namespace grill
