#include "export/ExportChecks.h"

#include <initializer_list>
#include <string_view>

#include "cutting/Cuttability.h"
#include "model/Measurements.h"
#include "model/NameRules.h"

namespace grill {
namespace {

std::string NotFoundFor(std::string_view what, const GrillWindow& window) {
  return std::string(what) + " not found for " + window.name;
}

std::string ToolEntryMissing(const std::string& typeName, const GrillWindow* forWindow) {
  if (forWindow == nullptr) {
    return "Toolmap not found: " + typeName;
  }
  return "Toolmap not found for " + forWindow->name + ": " + typeName;
}

// The types, colours and quantity one design needs. Process Data names the combo
// selections by their type alone; everything else names the design.
std::string CheckReferences(const ExportJob& job, RunKind kind) {
  const GrillWindow& window = *job.window;
  const GrillWindow* owner = kind == RunKind::kProcessData ? nullptr : &window;
  if (job.barType == nullptr) {
    return NotFoundFor("Bar Type", window);
  }
  if (job.barType->toolEntry == nullptr) {
    return ToolEntryMissing(job.barType->name, owner);
  }
  if (job.edgeType == nullptr) {
    return NotFoundFor("Edge Type", window);
  }
  if (job.edgeType->toolEntry == nullptr) {
    return ToolEntryMissing(job.edgeType->name, owner);
  }
  // The design's own bar type measures its joints.
  if (window.barType == nullptr) {
    return NotFoundFor("Bar Type", window);
  }
  if (window.barType->toolEntry == nullptr) {
    return ToolEntryMissing(window.barType->name, &window);
  }
  if (window.edgeType == nullptr) {
    return NotFoundFor("Edge Type", window);
  }
  if (window.insideColor == nullptr) {
    return NotFoundFor("Inside Color", window);
  }
  if (window.outsideColor == nullptr) {
    return NotFoundFor("Outside Color", window);
  }
  // A quantity below 1 would write empty files; above the limit, files of gigabytes.
  if (window.quantity < 1 || window.quantity > kMaxQuantity) {
    return "Invalid quantity: " + window.name;
  }
  return {};
}

std::string CheckNamePieces(std::initializer_list<const std::string*> pieces) {
  for (const std::string* piece : pieces) {
    if (!IsFileNameSafe(*piece)) {
      return "Invalid File Name: " + *piece;
    }
  }
  return {};
}

std::string CheckNameLengths(std::initializer_list<const std::string*> names) {
  for (const std::string* name : names) {
    if (name->size() > kMaxFileNameBytes) {
      return "Invalid File Name: " + *name;
    }
  }
  return {};
}

std::string CheckFileNames(const RunPlan& plan) {
  std::string refusal = CheckNamePieces({&plan.masterName});
  if (refusal.empty()) {
    const std::string edgeMaster = EdgeMasterFileName(plan.masterName, plan.stamp);
    const std::string barMaster = BarMasterFileName(plan.masterName, plan.stamp);
    refusal = CheckNameLengths({&edgeMaster, &barMaster});
  }
  for (const ExportJob& job : plan.jobs) {
    if (!refusal.empty()) {
      break;
    }
    const GrillWindow& window = *job.window;
    refusal = CheckNamePieces({&window.name, &job.edgeType->name, &job.barType->code,
                               &window.insideColor->code, &window.outsideColor->code});
    if (refusal.empty()) {
      const DesignFileNames names =
          MakeDesignFileNames(window, *job.barType, *job.edgeType, plan.stamp, plan.kind);
      refusal = CheckNameLengths({&names.edge, &names.barH, &names.barW});
    }
  }
  return refusal;
}

// Texts that go into the lines themselves: a control character there would
// break a line in two.
std::string CheckExportTexts(const ExportJob& job) {
  const GrillWindow& window = *job.window;
  const std::string prefix = job.barType->name.substr(0, job.barType->name.find(','));
  const ToolMapEntry& bar = *job.barType->toolEntry;
  const ToolMapEntry& edge = *job.edgeType->toolEntry;
  for (const std::string* text :
       {&prefix, &job.edgeType->name, &window.name, &window.insideColor->code,
        &window.outsideColor->code, &bar.Code(kRowH, UP), &bar.Code(kRowH, DOWN),
        &bar.Code(kRowH, BOTH), &bar.Code(kRowV, LEFT), &bar.Code(kRowV, RIGHT),
        &bar.Code(kRowV, BOTH), &edge.Code(kRowH, UP), &edge.Code(kRowH, DOWN),
        &edge.Code(kRowV, LEFT), &edge.Code(kRowV, RIGHT)}) {
    if (HasControlCharacter(*text)) {
      return "Invalid Export Text: " + *text;
    }
  }
  return {};
}

// Every design whose pieces cannot be cut, one line each, so that Process All names them
// all at once; a very long list ends with how many more there are.
std::string CheckCuttable(const RunPlan& plan) {
  constexpr int kNamedAtMost = 20;
  std::string refusal;
  int found = 0;
  for (const ExportJob& job : plan.jobs) {
    const auto problem = FindCuttingProblem(*job.window, *job.barType, *job.edgeType);
    if (!problem) {
      continue;
    }
    if (++found <= kNamedAtMost) {
      if (!refusal.empty()) {
        refusal += '\n';
      }
      refusal += CannotCutMessage(job.window->name, *problem, plan.messageUnit);
    }
  }
  if (found > kNamedAtMost) {
    refusal += "\nand " + FormatInteger(found - kNamedAtMost) + " more designs that cannot be cut";
  }
  return refusal;
}

}  // namespace

std::string CheckRun(const RunPlan& plan) {
  for (const ExportJob& job : plan.jobs) {
    if (std::string refusal = CheckReferences(job, plan.kind); !refusal.empty()) {
      return refusal;
    }
  }
  for (const ExportJob& job : plan.jobs) {
    if (!HasValidBarPositions(*job.window)) {
      return "Invalid Bar Positions: " + job.window->name;
    }
  }
  if (std::string refusal = CheckCuttable(plan); !refusal.empty()) {
    return refusal;
  }
  if (std::string refusal = CheckFileNames(plan); !refusal.empty()) {
    return refusal;
  }
  for (const ExportJob& job : plan.jobs) {
    if (std::string refusal = CheckExportTexts(job); !refusal.empty()) {
      return refusal;
    }
  }
  return {};
}

std::string ProcessAllRefusal(const GrillWindow& window) {
  RunPlan plan;
  plan.kind = RunKind::kProcessAll;
  plan.masterName = window.name;
  plan.jobs.push_back(ExportJob{&window, window.barType, window.edgeType, {}});
  return CheckRun(plan);
}

}  // namespace grill
