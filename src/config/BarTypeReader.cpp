#include "config/BarTypeReader.h"

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
  for (const std::string& line : reader.sectionLines) {
    BarType& record = barTypes.emplace_back();
    std::string result = ParseBarTypeLine(reader, line, record);
    if (!result.empty()) {
      reader.diagnostics.push_back(std::move(result));
    }
  }
  return barTypes;
}

}  // namespace grill
