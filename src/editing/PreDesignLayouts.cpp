#include "editing/PreDesignLayouts.h"

#include "config/ConfigRecords.h"

namespace grill {
namespace {

double& At(PositionTable& pos, int index) {
  return pos[static_cast<size_t>(index)];
}

// Bars whose clear openings, between the edges and the bars, are all equal.
void EqualOpenings(PositionTable& pos, int count, double span, double barWidth) {
  const double opening = (span - count * barWidth) / (count + 1);
  for (int k = 1; k <= count; ++k) {
    At(pos, k) = k == 1 ? opening + barWidth / 2 : At(pos, k - 1) + opening + barWidth;
  }
}

// Bar k at k / (count + 1) of the span, summed step by step.
void EvenDivision(PositionTable& pos, int count, double span) {
  const double step = span / (count + 1);
  for (int k = 1; k <= count; ++k) {
    At(pos, k) = k == 1 ? step : At(pos, k - 1) + step;
  }
}

// Horizontal bars in the top part of height `part`, the lowest one centred on
// the part's lower line, with equal openings between the top edge and the bars.
void TopPartEqualSpace(PositionTable& pos, int count, double part, double barWidth) {
  if (count == 0) {
    return;
  }
  const double opening = (part - (count - 1) * barWidth - barWidth / 2) / count;
  for (int k = 1; k <= count; ++k) {
    At(pos, k) = k == 1 ? opening + barWidth / 2 : At(pos, k - 1) + opening + barWidth;
  }
}

// The same part divided into equal steps between the bars' centre lines.
void TopPartDivided(PositionTable& pos, int count, double part) {
  if (count == 0) {
    return;
  }
  const double step = part / count;
  for (int k = 1; k <= count; ++k) {
    At(pos, k) = k == 1 ? step : At(pos, k - 1) + step;
  }
}

void TopPart(PositionTable& pos, int count, double part, double barWidth, SpacingMode spacing) {
  if (spacing == SpacingMode::EqualSpace) {
    TopPartEqualSpace(pos, count, part, barWidth);
  } else {
    TopPartDivided(pos, count, part);
  }
}

// The vertical bars of a cottage stop at the lowest horizontal bar.
void OpenBottomStrip(GrillWindow& window) {
  auto& row = window.vertSegments[static_cast<size_t>(window.horzCount)];
  for (int v = 0; v <= window.vertCount; ++v) {
    row[static_cast<size_t>(v)] = 0;
  }
}

void LayOutCottage(GrillWindow& window, double topPart, SpacingMode spacing) {
  const double t = window.barType->width;
  EqualOpenings(window.vertPos, window.vertCount, window.innerWidth, t);
  TopPart(window.horzPos, window.horzCount, topPart, t, spacing);
  OpenBottomStrip(window);
}

void LayOutStandard(GrillWindow& window, SpacingMode spacing) {
  const double t = window.barType->width;
  if (spacing == SpacingMode::EqualSpace) {
    EqualOpenings(window.vertPos, window.vertCount, window.innerWidth, t);
    EqualOpenings(window.horzPos, window.horzCount, window.innerHeight, t);
  } else {
    EvenDivision(window.vertPos, window.vertCount, window.innerWidth);
    EvenDivision(window.horzPos, window.horzCount, window.innerHeight);
  }
}

// Two bars each way, `side` in from every edge, whatever counts were entered.
void LayOutPrarie(GrillWindow& window, double side) {
  window.vertCount = 2;
  window.horzCount = 2;
  window.vertPos[1] = side;
  window.vertPos[2] = window.innerWidth - side;
  window.vertPos[3] = window.innerWidth;
  window.horzPos[1] = side;
  window.horzPos[2] = window.innerHeight - side;
  window.horzPos[3] = window.innerHeight;
}

// The cottage height is measured from the outside of the edge, so the edge
// type's SO comes off every horizontal bar.
void LayOutCustomCottage(GrillWindow& window, double cottageHeight) {
  const double t = window.barType->width;
  EqualOpenings(window.vertPos, window.vertCount, window.innerWidth, t);
  TopPartEqualSpace(window.horzPos, window.horzCount, cottageHeight, t);
  for (int h = 1; h <= window.horzCount; ++h) {
    At(window.horzPos, h) = At(window.horzPos, h) - window.edgeType->SO;
  }
  OpenBottomStrip(window);
}

}  // namespace

PreDesign PreDesignAt(int comboIndex) {
  if (comboIndex < 0 || comboIndex >= static_cast<int>(kPreDesignNames.size())) {
    return PreDesign::Standard;
  }
  return static_cast<PreDesign>(comboIndex);
}

bool UsesSideWidth(PreDesign preDesign) {
  return preDesign == PreDesign::Prarie || preDesign == PreDesign::CustomCottage;
}

void LayOutPreDesign(GrillWindow& window, PreDesign preDesign, SpacingMode spacing,
                     double sideWidth) {
  window.horzPos[0] = 0.0;
  window.vertPos[0] = 0.0;
  At(window.horzPos, window.horzCount + 1) = window.innerHeight;
  At(window.vertPos, window.vertCount + 1) = window.innerWidth;
  switch (preDesign) {
    case PreDesign::Cottage1:
      LayOutCottage(window, window.innerHeight * 0.3333333333333333, spacing);
      break;
    case PreDesign::Cottage2:
      LayOutCottage(window, window.innerHeight * 0.5, spacing);
      break;
    case PreDesign::Prarie:
      LayOutPrarie(window, sideWidth);
      break;
    case PreDesign::CustomCottage:
      LayOutCustomCottage(window, sideWidth);
      break;
    case PreDesign::Standard:
      LayOutStandard(window, spacing);
      break;
  }
}

}  // namespace grill
