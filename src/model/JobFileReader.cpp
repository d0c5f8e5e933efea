#include "model/JobFileReader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "model/JobFileJson.h"
#include "model/JobFileText.h"
#include "model/Measurements.h"
#include "model/NameRules.h"

namespace grill {
namespace {

[[noreturn]] void Refuse(std::string reason, RefusalKind kind = RefusalKind::Invalid) {
  throw JobFileRefusal{std::move(reason), kind};
}

// `where` prefixes every reason about one object: empty at the top level,
// "design "Kitchen": " inside a design.
const JobJson& Field(const JobJson& object, const char* key, const std::string& where) {
  const auto found = object.find(key);
  if (found == object.end()) {
    Refuse(where + key + " is missing");
  }
  return *found;
}

// Every field is known to this version; a new field comes with a new version.
void RefuseUnknownKeys(const JobJson& object, std::initializer_list<std::string_view> known,
                       const std::string& where) {
  for (const auto& item : object.items()) {
    if (std::find(known.begin(), known.end(), item.key()) == known.end()) {
      Refuse(where + "unknown field \"" + item.key() + "\"");
    }
  }
}

std::optional<std::string> TextOf(const JobJson& value) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_object() && value.size() == 1) {
    const auto bytes = value.find("bytes");
    if (bytes != value.end() && bytes->is_string()) {
      return CharactersAsBytes(bytes->get_ref<const std::string&>());
    }
  }
  return std::nullopt;
}

std::string Text(const JobJson& object, const char* key, const std::string& where) {
  std::optional<std::string> text = TextOf(Field(object, key, where));
  if (!text) {
    Refuse(where + key + " must be a text");
  }
  return std::move(*text);
}

std::optional<std::string> TextOrNull(const JobJson& object, const char* key,
                                      const std::string& where) {
  const JobJson& value = Field(object, key, where);
  if (value.is_null()) {
    return std::nullopt;
  }
  std::optional<std::string> text = TextOf(value);
  if (!text) {
    Refuse(where + key + " must be a text or null");
  }
  return text;
}

std::optional<double> FiniteOf(const JobJson& value) {
  if (!value.is_number()) {
    return std::nullopt;
  }
  const double number = value.get<double>();
  return std::isfinite(number) ? std::optional(number) : std::nullopt;
}

double Length(const JobJson& object, const char* key, bool zeroAllowed, const std::string& where) {
  const std::optional<double> length = FiniteOf(Field(object, key, where));
  if (!length || *length < 0.0 || (*length == 0.0 && !zeroAllowed)) {
    Refuse(where + key +
           (zeroAllowed ? " must be a finite number, not negative"
                        : " must be a finite number above zero"));
  }
  return *length;
}

// Any 32-bit integer: New takes whatever integer is typed as the quantity.
std::int32_t Quantity(const JobJson& object, const std::string& where) {
  const JobJson& value = Field(object, "quantity", where);
  constexpr auto kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr auto kHighest = std::numeric_limits<std::int32_t>::max();
  const bool fits =
      value.is_number_unsigned() ? value.get<std::uint64_t>() <= std::uint64_t{kHighest}
      : value.is_number_integer()
          ? value.get<std::int64_t>() >= kLowest && value.get<std::int64_t>() <= kHighest
          : false;
  if (!fits) {
    Refuse(where + "quantity must be a whole number from " + FormatInteger(kLowest) + " to " +
           FormatInteger(kHighest));
  }
  return static_cast<std::int32_t>(value.get<std::int64_t>());
}

// Reads the position table and gives the bar count it holds.
std::int32_t Positions(const JobJson& object, const char* key, PositionTable& positions,
                       const std::string& where) {
  const JobJson& list = Field(object, key, where);
  if (!list.is_array()) {
    Refuse(where + key + " must be a list of numbers");
  }
  if (list.size() < 2 || list.size() > static_cast<std::size_t>(kMaxBars) + 2) {
    Refuse(where + key + " holds " + FormatInteger(static_cast<std::int64_t>(list.size())) +
           " entries; it needs both edges and at most " + FormatInteger(kMaxBars) +
           " bars between them");
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::optional<double> position = FiniteOf(list[i]);
    if (!position) {
      Refuse(where + key + "[" + FormatInteger(static_cast<std::int64_t>(i)) +
             "] must be a finite number");
    }
    positions[i] = *position;
  }
  return static_cast<std::int32_t>(list.size() - 2);
}

// A list of `rows` strings of `length` '0'/'1' flags; flags[r][k] is the
// k-th flag of string r.
std::vector<std::string> SegmentRows(const JobJson& object, const char* key, std::size_t rows,
                                     std::size_t length, const std::string& where) {
  const JobJson& list = Field(object, key, where);
  const std::string shape = key + std::string(" must be a list of ") +
                            FormatInteger(static_cast<std::int64_t>(rows)) + " strings of " +
                            FormatInteger(static_cast<std::int64_t>(length)) +
                            " '0' or '1' each, to match the bar counts";
  if (!list.is_array() || list.size() != rows) {
    Refuse(where + shape);
  }
  std::vector<std::string> flags;
  for (const JobJson& row : list) {
    if (!row.is_string() || row.get_ref<const std::string&>().size() != length ||
        row.get_ref<const std::string&>().find_first_not_of("01") != std::string::npos) {
      Refuse(where + shape);
    }
    flags.push_back(row.get<std::string>());
  }
  return flags;
}

std::uint8_t FlagAt(const std::vector<std::string>& flags, std::size_t row, std::size_t k) {
  return flags[row][k] == '1' ? 1 : 0;
}

void ReadSegments(const JobJson& object, GrillWindow& w, const std::string& where) {
  const auto horzCount = static_cast<std::size_t>(w.horzCount);
  const auto vertCount = static_cast<std::size_t>(w.vertCount);
  // Row bands 0..horzCount, vertical bars 1..vertCount.
  const auto vert = SegmentRows(object, "vertSegments", horzCount + 1, vertCount, where);
  for (std::size_t h = 0; h <= horzCount; ++h) {
    for (std::size_t v = 1; v <= vertCount; ++v) {
      w.vertSegments[h][v] = FlagAt(vert, h, v - 1);
    }
  }
  // Horizontal bars 1..horzCount, column bands 0..vertCount.
  const auto horz = SegmentRows(object, "horzSegments", horzCount, vertCount + 1, where);
  for (std::size_t h = 1; h <= horzCount; ++h) {
    for (std::size_t v = 0; v <= vertCount; ++v) {
      w.horzSegments[h][v] = FlagAt(horz, h - 1, v);
    }
  }
}

// The name first, so that every later reason can tell the design by it.
std::string DesignName(const JobJson& object, std::size_t index, std::set<std::string>& taken) {
  const std::string where = "design " + FormatInteger(static_cast<std::int64_t>(index) + 1) + ": ";
  if (!object.is_object()) {
    Refuse(where + "must be an object");
  }
  std::string name = Text(object, "name", where);
  if (name.empty()) {
    Refuse(where + "the name is empty");
  }
  if (!IsAcceptableDesignName(name)) {
    Refuse(where + "the name \"" + name +
           "\" cannot name a design: it holds a character a file name cannot hold, a comma, "
           "or only blanks, or starts with a full stop");
  }
  if (!taken.insert(name).second) {
    Refuse(where + "the name \"" + name + "\" is used by an earlier design");
  }
  return name;
}

// Version 1 knew no predesign: such a design's stays unknown.
std::optional<PreDesign> ReadPreDesign(const JobJson& object, std::int64_t version,
                                       const std::string& where) {
  if (version < 2) {
    return std::nullopt;
  }
  const std::optional<std::string> name = TextOrNull(object, "preDesign", where);
  if (!name) {
    return std::nullopt;
  }
  const std::optional<PreDesign> preDesign = PreDesignNamed(*name);
  if (!preDesign) {
    std::string names;
    for (const std::string_view known : kPreDesignNames) {
      names += (names.empty() ? "" : ", ") + std::string(known);
    }
    Refuse(where + "preDesign must be one of " + names + " or null");
  }
  return preDesign;
}

JobDesign ReadDesign(const JobJson& object, std::size_t index, std::set<std::string>& taken,
                     std::int64_t version) {
  JobDesign design;
  GrillWindow& w = design.window;
  w.name = DesignName(object, index, taken);
  const std::string where = "design \"" + w.name + "\": ";
  RefuseUnknownKeys(object,
                    {"name", "outerWidth", "outerHeight", "innerWidth", "innerHeight", "quantity",
                     "barType", "edgeType", "insideColor", "outsideColor", "preDesign", "horzPos",
                     "vertPos", "vertSegments", "horzSegments"},
                    where);
  if (version < 2 && object.contains("preDesign")) {
    Refuse(where + "unknown field \"preDesign\"");
  }
  w.preDesign = ReadPreDesign(object, version, where);
  w.outerWidth = Length(object, "outerWidth", false, where);
  w.outerHeight = Length(object, "outerHeight", false, where);
  // New leaves no inside at all when the edges fill the frame.
  w.innerWidth = Length(object, "innerWidth", true, where);
  w.innerHeight = Length(object, "innerHeight", true, where);
  w.quantity = Quantity(object, where);
  design.references.barType = TextOrNull(object, "barType", where);
  design.references.edgeType = TextOrNull(object, "edgeType", where);
  design.references.insideColor = TextOrNull(object, "insideColor", where);
  design.references.outsideColor = TextOrNull(object, "outsideColor", where);
  w.horzCount = Positions(object, "horzPos", w.horzPos, where);
  w.vertCount = Positions(object, "vertPos", w.vertPos, where);
  ReadSegments(object, w, where);
  return design;
}

// The format name and version, before anything else: a newer file may differ
// in every other respect.
std::int64_t CheckFormat(const JobJson& document) {
  if (!document.is_object()) {
    Refuse("the document is not a JSON object", RefusalKind::NotAJobFile);
  }
  const auto format = document.find("format");
  if (format == document.end() || *format != kJobFormatName) {
    Refuse("\"format\" is not \"" + std::string(kJobFormatName) + "\"", RefusalKind::NotAJobFile);
  }
  const JobJson& version = Field(document, "version", "");
  if (version.is_number_unsigned() && version.get<std::uint64_t>() > kJobFormatVersion) {
    Refuse({}, RefusalKind::NewerVersion);
  }
  if (!version.is_number_integer() || version.get<std::int64_t>() < 1) {
    Refuse("version must be a whole number from 1 to " + FormatInteger(kJobFormatVersion));
  }
  return version.get<std::int64_t>();
}

// Version 2 and older files knew no details: such a job has none set. The
// writer never makes a detail the dialog refuses, so a file holding one was
// made by hand or by another program, and is refused rather than cut.
JobDetails ReadDetails(const JobJson& document, std::int64_t version) {
  JobDetails details;
  if (version < 3) {
    if (document.contains("details")) {
      Refuse("unknown field \"details\"");
    }
    return details;
  }
  const JobJson& object = Field(document, "details", "");
  if (!object.is_object()) {
    Refuse("details must be an object");
  }
  const std::string where = "details: ";
  RefuseUnknownKeys(object, {"customer", "orderNumber", "dueDate", "notes"}, where);
  for (const JobDetail detail : kJobDetails) {
    const std::string key(DetailKey(detail));
    details[detail] = Text(object, key.c_str(), where);
    if (const std::optional<std::string> problem = FindDetailProblem(detail, details[detail])) {
      Refuse(where + *problem);
    }
  }
  return details;
}

template <typename Choice>
Choice OneOf(const JobJson& object, const char* key, std::string_view first, Choice firstChoice,
             std::string_view second, Choice secondChoice) {
  const JobJson& value = Field(object, key, "");
  if (value == first) {
    return firstChoice;
  }
  if (value == second) {
    return secondChoice;
  }
  Refuse(std::string(key) + " must be \"" + std::string(first) + "\" or \"" + std::string(second) +
         "\"");
}

Job ReadDocument(const JobJson& document) {
  const std::int64_t version = CheckFormat(document);
  RefuseUnknownKeys(
      document,
      {"format", "version", "unit", "spacing", "masterFile", "details", "current", "designs"}, "");
  Job job;
  job.unit = OneOf(document, "unit", "in", Unit::Inches, "mm", Unit::Millimetres);
  job.spacing =
      OneOf(document, "spacing", "equal", SpacingMode::EqualSpace, "divided", SpacingMode::Divided);
  job.masterFile = Text(document, "masterFile", "");
  job.details = ReadDetails(document, version);
  const JobJson& designs = Field(document, "designs", "");
  if (!designs.is_array()) {
    Refuse("designs must be a list");
  }
  std::set<std::string> names;
  job.designs.reserve(designs.size());
  for (std::size_t i = 0; i < designs.size(); ++i) {
    job.designs.push_back(ReadDesign(designs[i], i, names, version));
  }
  job.current = TextOrNull(document, "current", "");
  if (job.current && names.count(*job.current) == 0) {
    Refuse("current names no design: \"" + *job.current + "\"");
  }
  return job;
}

// A shop reads first what the file is, then, for whoever looks into it, the detail.
JobFileResult Refused(const JobFileRefusal& refusal, const std::string& path) {
  switch (refusal.kind) {
    case RefusalKind::NewerVersion:
      return {std::nullopt, path + " was written by a newer version of the designer"};
    case RefusalKind::NotAJobFile:
      return {std::nullopt,
              "Cannot open " + path + ": it is not a grill job file.\nDetail: " + refusal.reason};
    case RefusalKind::Damaged:
      return {std::nullopt,
              "Cannot open " + path + ": the job file is damaged.\nDetail: " + refusal.reason};
    case RefusalKind::Invalid:
      break;
  }
  return {std::nullopt, "Cannot open " + path + ": " + refusal.reason};
}

// Whether text that does not parse began as a job file: its format name comes
// first in every job file this program writes.
bool BeganAsJobFile(std::string_view text) {
  const std::string quoted = std::string("\"").append(kJobFormatName).append("\"");
  return text.substr(0, 256).find(quoted) != std::string_view::npos;
}

JobJson Parsed(std::string_view text) {
  try {
    return ParseJobJson(text);
  } catch (JobFileRefusal& refusal) {
    if (refusal.kind == RefusalKind::Damaged && !BeganAsJobFile(text)) {
      refusal.kind = RefusalKind::NotAJobFile;
    }
    throw;
  }
}

std::string TooLarge() {
  return "the file is larger than " + FormatInteger(kJobFileLimit / (1024 * 1024)) + " MiB";
}

}  // namespace

JobFileResult ReadJobText(std::string_view text, const std::string& path) {
  try {
    if (static_cast<std::int64_t>(text.size()) > kJobFileLimit) {
      Refuse(TooLarge());
    }
    return {ReadDocument(Parsed(text)), {}};
  } catch (const JobFileRefusal& refusal) {
    return Refused(refusal, path);
  }
}

JobFileResult OpenJob(Files& files, const std::string& path) {
  const std::unique_ptr<ReadableFile> file = files.OpenForRead(path);
  if (file == nullptr) {
    return Refused({"the file cannot be opened for reading"}, path);
  }
  const std::int64_t length = file->Length();
  if (length < 0) {
    return Refused({"the length of the file cannot be told"}, path);
  }
  if (length > kJobFileLimit) {
    return Refused({TooLarge()}, path);
  }
  std::string text(static_cast<std::size_t>(length), '\0');
  if (file->Read(text.data(), length) != length) {
    return Refused({"the file could not be read to its end"}, path);
  }
  return ReadJobText(text, path);
}

}  // namespace grill
