#include "print/PlanPictureSheet.h"

#include <algorithm>

#include "print/PlanPages.h"
#include "print/PlanPicture.h"

namespace grill::print {
namespace {

constexpr double kMargin = 2.0;
constexpr double kTitleSize = 2.8;
constexpr double kSheetLineHeight = kTitleSize * 1.25;
constexpr double kGroupGap = 3.0;

void AddLine(Page& page, double& y, std::string text, bool bold) {
  page.items.push_back(Text{{kMargin, y, page.width - 2 * kMargin, kSheetLineHeight},
                            std::move(text),
                            kTitleSize,
                            Align::Left,
                            false,
                            bold,
                            bold ? Role::Label : Role::Value});
  y += kSheetLineHeight;
}

}  // namespace

PictureSheet BuildPictureSheet(const JobCuttingPlan& plan, PlanUnits units, double width) {
  PictureSheet sheet;
  sheet.page.width = width;
  double y = kMargin;
  const PictureStyle style;
  for (std::size_t g = 0; g < plan.groups.size(); ++g) {
    const PlannedGroup& group = plan.groups[g];
    AddLine(sheet.page, y, PlanGroupTitle(group), true);
    if (!group.plan) {
      AddLine(sheet.page, y, "No plan: " + group.problem, false);
    } else {
      y += style.rowGap;
      for (DrawnBar& drawn :
           DrawPlanPicture(*group.plan, group.saw, units, width - 2 * kMargin, style)) {
        const Point at{kMargin, y};
        for (Item& item : Placed(drawn.items, at)) {
          sheet.page.items.push_back(std::move(item));
        }
        sheet.bars.push_back({g, std::move(drawn.bars), Placed(drawn.row, at)});
        y += style.RowHeight();
      }
    }
    y += kGroupGap;
  }
  sheet.page.height = y + kMargin;
  return sheet;
}

std::optional<std::size_t> SheetBarAt(const PictureSheet& sheet, Point point) {
  const auto holds = [point](const SheetBar& bar) {
    return point.x >= bar.row.left && point.x < bar.row.Right() && point.y >= bar.row.top &&
           point.y < bar.row.Bottom();
  };
  const auto found = std::find_if(sheet.bars.begin(), sheet.bars.end(), holds);
  if (found == sheet.bars.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - sheet.bars.begin());
}

std::optional<std::size_t> SheetBarOf(const PictureSheet& sheet, std::size_t group,
                                      std::size_t bar) {
  const auto draws = [&](const SheetBar& drawn) {
    return drawn.group == group &&
           std::find(drawn.bars.begin(), drawn.bars.end(), bar) != drawn.bars.end();
  };
  const auto found = std::find_if(sheet.bars.begin(), sheet.bars.end(), draws);
  if (found == sheet.bars.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - sheet.bars.begin());
}

}  // namespace grill::print
