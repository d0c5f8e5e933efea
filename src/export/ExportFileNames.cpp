#include "export/ExportFileNames.h"

#include "model/Measurements.h"

namespace grill {

std::string FormatTimeStamp(const LocalTime& time) {
  std::string stamp;
  for (const int part : {time.day, time.month, time.hour, time.minute, time.second}) {
    stamp += "_";
    stamp += FormatInteger(part);
  }
  return stamp;
}

std::string EdgeMasterFileName(const std::string& masterName, const std::string& stamp) {
  return masterName + "_EdgeMaster" + stamp + ".csv";
}

std::string BarMasterFileName(const std::string& masterName, const std::string& stamp) {
  return masterName + "_BarMaster" + stamp + ".csv";
}

DesignFileNames MakeDesignFileNames(const GrillWindow& window, const BarType& barType,
                                    const EdgeType& edgeType, const std::string& stamp,
                                    RunKind run) {
  const bool processData = run == RunKind::kProcessData;
  // Process Data puts "_" before the stamp, which itself begins with "_".
  const std::string markerEnd = processData ? "_" : "";
  const std::string barStart = window.name + "_" + barType.code + "_";

  DesignFileNames names;
  names.edge = window.name + "_" + edgeType.name + (processData ? stamp : "") + ".csv";
  if (window.insideColor == window.outsideColor) {
    names.barH = barStart + window.insideColor->code + "_H_W" + markerEnd + stamp + ".csv";
    return names;
  }
  const std::string colours = window.insideColor->code + "+" + window.outsideColor->code;
  names.barH = barStart + colours + "_2T_H" + markerEnd + stamp + ".csv";
  names.barW = barStart + colours + "_2T_W" + markerEnd + stamp + ".csv";
  names.hasBarW = true;
  return names;
}

}  // namespace grill
