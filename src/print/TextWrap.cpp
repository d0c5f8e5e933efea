#include "print/TextWrap.h"

#include <sstream>

#include "print/PageText.h"

namespace grill::print {

std::vector<std::string> WrapWords(const std::string& text, double width, double size) {
  std::vector<std::string> lines;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    if (!lines.empty() && EstimatedTextWidth(lines.back() + " " + word, size) <= width) {
      lines.back() += " " + word;
    } else {
      lines.push_back(word);
    }
  }
  return lines;
}

std::vector<std::string> WrapLines(const std::string& text, double width, double size) {
  std::vector<std::string> lines;
  std::istringstream paragraphs(text);
  std::string paragraph;
  while (std::getline(paragraphs, paragraph)) {
    std::vector<std::string> wrapped = WrapWords(paragraph, width, size);
    if (wrapped.empty()) {
      lines.emplace_back();
    }
    lines.insert(lines.end(), wrapped.begin(), wrapped.end());
  }
  return lines;
}

}  // namespace grill::print
