#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PrintDesigns.h"
#include "print/PageItems.h"

namespace grill::test {

// Paper positions are sums of millimetres: this much of rounding is no fault.
inline constexpr double kPaperSlack = 1e-6;

inline bool Inside(const print::Box& inner, const print::Box& outer, double slack = kPaperSlack) {
  return inner.left >= outer.left - slack && inner.top >= outer.top - slack &&
         inner.Right() <= outer.Right() + slack && inner.Bottom() <= outer.Bottom() + slack;
}

// Every text of the pages, in item order.
inline std::vector<std::string> TextsOf(const std::vector<print::Page>& pages) {
  std::vector<std::string> texts;
  for (const print::Page& page : pages) {
    for (const print::Text& text : ItemsOf<print::Text>(page)) {
      texts.push_back(text.text);
    }
  }
  return texts;
}

inline bool Has(const std::vector<std::string>& texts, const std::string& wanted) {
  return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

// Every text of every page inside its page, large enough to read and clear of
// every other text.
inline void ExpectLegible(const std::vector<print::Page>& pages, const std::string& what) {
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const std::vector<print::Text> texts = ItemsOf<print::Text>(pages[p]);
    const print::Box paper{0.0, 0.0, pages[p].width, pages[p].height};
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_TRUE(Inside(texts[i].box, paper))
          << what << " page " << p + 1 << ": \"" << texts[i].text << "\" leaves the page";
      EXPECT_GE(texts[i].size, 1.8) << what << ": \"" << texts[i].text << "\" too small to read";
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(texts[i].box.Overlaps(texts[j].box))
            << what << " page " << p + 1 << ": \"" << texts[i].text << "\" overlaps \""
            << texts[j].text << '"';
      }
    }
  }
}

}  // namespace grill::test
