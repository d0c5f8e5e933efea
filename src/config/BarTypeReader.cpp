#include "config/BarTypeReader.h"

#include "config/ConfigLength.h"
#include "config/FieldText.h"
#include "model/Measurements.h"

namespace grill {
namespace {

constexpr std::uint8_t kInches = 0;
constexpr std::uint8_t kMillimetres = 1;

bool IsSizeRunByte(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '/';
}

// Reads the size field "5/8 x 3/4 i" left to right with an index that never
// passes its end.
class SizeScanner {
 public:
  explicit SizeScanner(std::string_view field) : field_(field) {}

  void SkipNonLettersAndDigits() {
    while (at_ < field_.size() && !IsAsciiLetterOrDigit(field_[at_])) {
      ++at_;
    }
  }

  // A run of digits, '.' and '/': a fraction when it holds a '/', otherwise
  // a decimal. An empty run fails.
  double ReadNumber(int& ok) {
    const size_t start = at_;
    while (at_ < field_.size() && IsSizeRunByte(field_[at_])) {
      ++at_;
    }
    const std::string_view run = field_.substr(start, at_ - start);
    return run.find('/') != std::string_view::npos ? ParseFraction(run, ok) : ParseDecimal(run, ok);
  }

  // The byte under the index, or 0 at the end of the field.
  char Current() const { return at_ < field_.size() ? field_[at_] : '\0'; }
  void StepPast() { ++at_; }

 private:
  std::string_view field_;
  size_t at_ = 0;
};

std::uint8_t KindOf(char letter) {
  switch (letter) {
    case 'G':
    case 'g':
      return 0;
    case 'C':
    case 'c':
      return 1;
    case 'P':
    case 'p':
      return 2;
    default:
      return 255;
  }
}

// Height, the letter x, width and unit letter into `record`; the empty text
// when the size reads, otherwise the reason.
std::string ReadSize(std::string_view field, BarType& record) {
  SizeScanner scan(field);
  int ok = 1;
  scan.SkipNonLettersAndDigits();
  record.height = scan.ReadNumber(ok);
  if (ok == 0) {
    return "?Invalid height";
  }
  scan.SkipNonLettersAndDigits();
  if (scan.Current() != 'x' && scan.Current() != 'X') {
    return "?Missing an X";
  }
  scan.StepPast();
  scan.SkipNonLettersAndDigits();
  record.width = scan.ReadNumber(ok);
  if (ok == 0) {
    return "?Invalid width";
  }
  scan.SkipNonLettersAndDigits();
  if (scan.Current() == 'i') {
    record.height *= kMillimetresPerInch;
    record.width *= kMillimetresPerInch;
    record.unit = kInches;
  } else if (scan.Current() == 'm') {
    record.unit = kMillimetres;
  }
  return {};
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The field as written, without its comma and the blanks around it.
std::string_view FieldAsWritten(std::string_view text) {
  while (!text.empty() && (text.front() == ',' || IsSpace(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsSpace(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The size of an accepted line read as a length. The reader skips a '-' like
// any other byte, so "-5 x -3 i" would pass for 5 by 3 inches: a '-' before
// the unit letter makes the size negative.
std::optional<LengthFault> SizeFault(std::string_view size, const BarType& record) {
  const size_t unitLetter = size.find_first_of("im", size.find_first_of("xX"));
  if (size.substr(0, unitLetter).find('-') != std::string_view::npos) {
    return LengthFault::kNegative;
  }
  if (const std::optional<LengthFault> fault = CheckLength(record.height)) {
    return fault;
  }
  return CheckLength(record.width);
}

// A line whose size is refused yields no record: the message names it.
bool RefuseSize(ConfigReader& reader, size_t index, const BarType& record) {
  if (!record.accepted) {
    return false;
  }
  CommaFields fields(reader.sectionLines[index]);
  fields.Next();
  const std::string_view size = FieldAsWritten(fields.Next());
  const std::optional<LengthFault> fault = SizeFault(size, record);
  if (fault) {
    reader.messages.push_back(
        ValueFaultMessage(reader.SectionLineNumber(index), {std::string(size), *fault}));
  }
  return fault.has_value();
}

}  // namespace

std::string ParseBarTypeLine(ConfigReader& reader, std::string_view line, BarType& record) {
  if (CommaFields::CountIn(line) < 4) {
    reader.diagnostics.push_back("Bartype Not Enough Fields:" + std::string(line));
    reader.messages.push_back("Invalid Fields");
    return "Err";
  }
  CommaFields fields(line);
  const std::string_view kindField = fields.Next();
  const std::string_view sizeField = fields.Next();
  const std::string_view toolMapField = fields.Next();
  const std::string_view codeField = fields.Next();

  record.kind = kindField.empty() ? 255 : KindOf(kindField.front());
  if (record.kind == 255) {
    return std::string("?Unrecognized Bartype:").append(kindField);
  }

  std::string sizeFault = ReadSize(sizeField, record);
  if (!sizeFault.empty()) {
    return sizeFault;
  }
  if (record.height == -1.0) {
    return "?Invalid height";
  }
  if (record.width == -1.0) {
    return "?Invalid width";
  }
  if (record.unit == 255) {
    return "?Invalid measurement";
  }

  record.toolMapName = toolMapField;
  // The name is field 0 followed by field 1, raw: the line up to field 2.
  record.name = line.substr(0, kindField.size() + sizeField.size());
  record.code = StripBlanksAndCommas(codeField);
  record.accepted = true;
  return {};
}

std::vector<BarType> ReadBarTypes(ConfigReader& reader) {
  std::vector<BarType> barTypes;
  barTypes.reserve(reader.sectionLines.size());
  for (size_t index = 0; index < reader.sectionLines.size(); ++index) {
    BarType& record = barTypes.emplace_back();
    std::string result = ParseBarTypeLine(reader, reader.sectionLines[index], record);
    if (!result.empty()) {
      reader.diagnostics.push_back(std::move(result));
    }
    if (RefuseSize(reader, index, record)) {
      barTypes.pop_back();
    }
  }
  return barTypes;
}

}  // namespace grill
