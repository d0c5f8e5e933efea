#include "InstanceFiles.h"

#include <fstream>
#include <map>
#include <sstream>

namespace grill::cutplan::testing {

namespace {

const std::string kFolder = GRILL_SOURCE_DIR "/bench/cutting-stock/";

PieceGroup ReadGroup(const std::string& path) {
  std::ifstream file(path);
  double stock = 0;
  int count = 0;
  file >> stock >> count;
  PieceGroup group{path, {}, {stock}};
  for (double length = 0; count-- > 0 && file >> length;) {
    group.pieces.push_back({length, 1, "", ""});
  }
  return group;
}

std::vector<std::map<std::string, std::string>> ReadTable(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> header;
  std::vector<std::map<std::string, std::string>> rows;
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    std::vector<std::string> cells;
    for (std::string cell; std::getline(fields, cell, '\t');) {
      cells.push_back(cell);
    }
    if (header.empty()) {
      header = cells;
      continue;
    }
    auto& row = rows.emplace_back();
    for (std::size_t column = 0; column < cells.size() && column < header.size(); ++column) {
      row[header[column]] = cells[column];
    }
  }
  return rows;
}

}  // namespace

std::vector<KnownInstance> LoadInstances(const std::string& set) {
  std::vector<KnownInstance> instances;
  const bool shop = set == "shop_like";
  for (auto& row : ReadTable(kFolder + (shop ? "shop_like/optima.tsv" : "optima.tsv"))) {
    if (!shop && row["set"] != set) {
      continue;
    }
    KnownInstance& instance = instances.emplace_back();
    instance.name = row["name"];
    instance.group = ReadGroup(kFolder + set + "/" + row["name"] + ".txt");
    instance.optimum = std::stoi(row["optimum"]);
    instance.firstFit = std::stoi(row["FFD"]);
    if (shop) {
      instance.saw = {std::stod(row["kerf"]), std::stod(row["trim_head"]),
                      std::stod(row["trim_tail"]), 0};
    } else {
      instance.boundL2 = std::stoi(row["L2"]);
    }
  }
  return instances;
}

}  // namespace grill::cutplan::testing
