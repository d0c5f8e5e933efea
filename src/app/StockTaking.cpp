#include "app/StockTaking.h"

#include "app/InventoryFile.h"
#include "app/StockTake.h"
#include "config/StockFile.h"
#include "model/Measurements.h"
#include "platform/ReplaceFile.h"

namespace grill {
namespace {

std::string Counted(int count, const std::string& one, const std::string& many) {
  return FormatInteger(count) + " " + (count == 1 ? one : many);
}

std::string Question(const TakeCounts& counts) {
  return "Take this plan from stock? Its " + Counted(counts.remnantsUsed, "remnant", "remnants") +
         " and " + Counted(counts.barsOnHandUsed, "bar on hand", "bars on hand") +
         " are taken out of the inventory, and its " +
         Counted(counts.offcutsKept, "offcut is", "offcuts are") + " added as remnants.";
}

std::string Done(const TakeCounts& counts, const std::string& path) {
  return "Taken from stock: " + Counted(counts.remnantsUsed, "remnant", "remnants") + " and " +
         Counted(counts.barsOnHandUsed, "bar on hand", "bars on hand") + " used, " +
         Counted(counts.offcutsKept, "offcut", "offcuts") + " kept as remnants in " + path + ".";
}

}  // namespace

std::string StockTaking::Take(const JobCuttingPlan& plan, Files& files, DialogHost& host) {
  if (Taken()) {
    return "This plan was already taken from stock.";
  }
  if (plan.inventoryPath.empty()) {
    return "This plan was not made from Stock.txt, so there is no stock to take it from.";
  }
  const StockReading stock = ReadStockFile(files, plan.stockPath);
  if (!stock.file) {
    return "Cannot take this plan from stock: " + plan.stockPath + " was not found.";
  }
  const InventoryFileReading inventory = ReadInventoryFile(files, plan.inventoryPath);
  if (!inventory.readable) {
    return "Cannot take this plan from stock: " + plan.inventoryPath + ": " +
           inventory.notes.front();
  }
  const TakeResult result = TakeFromStock(plan, *stock.file, inventory.inventory);
  if (!result.inventory) {
    return result.refusal;
  }
  if (!host.AskYesNo(Question(result.counts))) {
    return {};
  }
  std::string bytes = WriteInventory(*result.inventory);
  if (const std::optional<std::string> error =
          WriteInventoryFile(files, plan.inventoryPath, bytes)) {
    return "Cannot write " + plan.inventoryPath + ": " + *error +
           ". Nothing was taken from stock; the inventory is as it was.";
  }
  inventoryPath_ = plan.inventoryPath;
  before_ = inventory.bytes;
  written_ = std::move(bytes);
  return Done(result.counts, plan.inventoryPath);
}

std::string StockTaking::Undo(Files& files) {
  if (!Taken()) {
    return "Nothing to undo: this plan was not taken from stock.";
  }
  // Another take since, or a hand edit, would be lost by putting the old bytes back.
  if (ReadInventoryFile(files, inventoryPath_).bytes != written_) {
    return "Cannot undo the take: " + inventoryPath_ + " changed since. It is left as it is.";
  }
  if (before_) {
    if (const std::optional<std::string> error = ReplaceFile(files, inventoryPath_, *before_)) {
      return "Cannot write " + inventoryPath_ + ": " + *error + ". The take stands.";
    }
  } else if (!files.RemoveFile(inventoryPath_)) {
    return "Cannot remove " + inventoryPath_ + ", which the take made. The take stands.";
  }
  written_.reset();
  return "Undo Take: the inventory is as it was before the take.";
}

}  // namespace grill
