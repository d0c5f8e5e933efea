#include "model/JobFileWriter.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "model/JobFileText.h"
#include "platform/ReplaceFile.h"

namespace grill {
namespace {

// Keys keep the order they are written in, so that files read top-down.
using Json = nlohmann::ordered_json;

Json TextValue(const std::string& text) {
  if (IsValidUtf8(text)) {
    return text;
  }
  return Json{{"bytes", BytesAsCharacters(text)}};
}

Json OptionalText(const std::optional<std::string>& text) {
  return text ? TextValue(*text) : Json(nullptr);
}

size_t TableCount(std::int32_t count) {
  return static_cast<size_t>(std::clamp(count, 0, kMaxBars));
}

Json Positions(const PositionTable& positions, std::int32_t count) {
  Json list = Json::array();
  for (size_t i = 0; i < TableCount(count) + 2; ++i) {
    list.push_back(positions[i]);
  }
  return list;
}

char Flag(std::uint8_t segment) {
  return segment != 0 ? '1' : '0';
}

// One string per row band 0..horzCount, holding the flags of vertical bars
// 1..vertCount.
Json VertSegments(const GrillWindow& w) {
  Json rows = Json::array();
  for (size_t h = 0; h <= TableCount(w.horzCount); ++h) {
    std::string row;
    for (size_t v = 1; v <= TableCount(w.vertCount); ++v) {
      row += Flag(w.vertSegments[h][v]);
    }
    rows.push_back(row);
  }
  return rows;
}

// One string per horizontal bar 1..horzCount, holding its flags in column
// bands 0..vertCount.
Json HorzSegments(const GrillWindow& w) {
  Json rows = Json::array();
  for (size_t h = 1; h <= TableCount(w.horzCount); ++h) {
    std::string row;
    for (size_t v = 0; v <= TableCount(w.vertCount); ++v) {
      row += Flag(w.horzSegments[h][v]);
    }
    rows.push_back(row);
  }
  return rows;
}

Json DesignValue(const JobDesign& design) {
  const GrillWindow& w = design.window;
  Json value = Json::object();
  value["name"] = TextValue(w.name);
  value["outerWidth"] = w.outerWidth;
  value["outerHeight"] = w.outerHeight;
  value["innerWidth"] = w.innerWidth;
  value["innerHeight"] = w.innerHeight;
  value["quantity"] = w.quantity;
  value["barType"] = OptionalText(design.references.barType);
  value["edgeType"] = OptionalText(design.references.edgeType);
  value["insideColor"] = OptionalText(design.references.insideColor);
  value["outsideColor"] = OptionalText(design.references.outsideColor);
  value["preDesign"] = w.preDesign ? Json(std::string(PreDesignName(*w.preDesign))) : Json(nullptr);
  value["horzPos"] = Positions(w.horzPos, w.horzCount);
  value["vertPos"] = Positions(w.vertPos, w.vertCount);
  value["vertSegments"] = VertSegments(w);
  value["horzSegments"] = HorzSegments(w);
  return value;
}

// Every detail, set or not, so that each version's files have one shape.
Json DetailsValue(const JobDetails& details) {
  Json value = Json::object();
  for (const JobDetail detail : kJobDetails) {
    value[std::string(DetailKey(detail))] = TextValue(details[detail]);
  }
  return value;
}

}  // namespace

std::string FormatJob(const Job& job) {
  Json document = Json::object();
  document["format"] = kJobFormatName;
  document["version"] = kJobFormatVersion;
  document["unit"] = job.unit == Unit::Millimetres ? "mm" : "in";
  document["spacing"] = job.spacing == SpacingMode::Divided ? "divided" : "equal";
  document["masterFile"] = TextValue(job.masterFile);
  document["details"] = DetailsValue(job.details);
  document["current"] = OptionalText(job.current);
  Json designs = Json::array();
  for (const JobDesign& design : job.designs) {
    designs.push_back(DesignValue(design));
  }
  document["designs"] = std::move(designs);
  // Every text is valid UTF-8 by now, so the strict dump cannot throw.
  return document.dump(2, ' ', false, Json::error_handler_t::strict) + '\n';
}

std::optional<std::string> SaveJob(Files& files, const std::string& path, const Job& job) {
  const std::optional<std::string> reason = ReplaceFile(files, path, FormatJob(job));
  if (reason) {
    return "File Error: " + path + ": " + *reason;
  }
  return std::nullopt;
}

}  // namespace grill
