#pragma once

#include <optional>
#include <string>

#include "cutting/JobCuttingPlan.h"
#include "platform/DialogHost.h"
#include "platform/Files.h"

namespace grill {

// Take from Stock for one plan, and its one undo: the plan's remnants and
// bars on hand go out of the inventory beside Stock.txt and its offcuts in
// (TakeFromStock), written in one step, so a failure leaves the file as it
// was. A plan is taken once; Undo Take puts the inventory back byte for
// byte (or removes it when the take made it), after which it may be taken
// again.
class StockTaking {
 public:
  // Asks first through `host`; the message to show (the refusal, the
  // failure or what was taken), empty when the user said No.
  std::string Take(const JobCuttingPlan& plan, Files& files, DialogHost& host);
  // The message to show.
  std::string Undo(Files& files);

  bool Taken() const { return written_.has_value(); }

 private:
  std::string inventoryPath_;
  // The inventory's bytes before the take, none when there was no file.
  std::optional<std::string> before_;
  // What the take wrote; none before a take and after its undo.
  std::optional<std::string> written_;
};

}  // namespace grill
