// Feeds arbitrary bytes to the job file reader, and uses them as the texts of
// a job that is written and read back, checking the format's promises on the
// way: a file is either refused with a message or read whole, what is read is
// written again to a file that reads back the same, and any text at all is
// saved and read back to the same bytes; the same bytes as an inventory are
// written and read back the same. Any crash, sanitizer report or
// broken promise is a finding.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/Inventory.h"
#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"

namespace grill {
namespace {

void Require(bool promise) {
  if (!promise) {
    std::abort();
  }
}

void ReadAsJobFile(std::string_view bytes) {
  const JobFileResult result = ReadJobText(bytes, "fuzz.grilljob");
  if (!result.job) {
    Require(result.error.rfind("Cannot open fuzz.grilljob: ", 0) == 0 ||
            result.error == "fuzz.grilljob was written by a newer version of the designer");
    return;
  }
  Require(result.error.empty());
  const std::string text = FormatJob(*result.job);
  const JobFileResult again = ReadJobText(text, "fuzz.grilljob");
  Require(again.job.has_value());
  Require(FormatJob(*again.job) == text);
}

// The bytes cut at each 0xFF into the texts of a one-design job; the design
// name is the only text with rules of its own and is left plain.
void SaveAsTexts(std::string_view bytes) {
  std::string pieces[5];
  std::size_t piece = 0;
  for (const char c : bytes) {
    if (c == '\xFF' && piece + 1 < std::size(pieces)) {
      ++piece;
    } else {
      pieces[piece] += c;
    }
  }
  Job job;
  job.masterFile = pieces[0];
  JobDesign design;
  design.window.name = "Window";
  design.window.outerWidth = design.window.outerHeight = 100.0;
  design.references = {pieces[1], pieces[2], pieces[3], pieces[4]};
  job.designs.push_back(design);

  const JobFileResult read = ReadJobText(FormatJob(job), "fuzz.grilljob");
  Require(read.job.has_value());
  Require(read.job->masterFile == job.masterFile);
  Require(read.job->designs.size() == 1 && read.job->designs[0].references == design.references);
}

}  // namespace
// The inventory beside Stock.txt: whatever is read is written back whole,
// and what is written reads back without a note as the same text.
void ReadAsInventory(std::string_view bytes) {
  const std::string written = WriteInventory(ReadInventory(bytes).inventory);
  const InventoryReading again = ReadInventory(written);
  Require(again.notes.empty());
  Require(WriteInventory(again.inventory) == written);
}

}  // namespace grill

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  grill::ReadAsJobFile(bytes);
  grill::SaveAsTexts(bytes);
  grill::ReadAsInventory(bytes);
  return 0;
}
