// Names in a job file against the configuration, and the names Import and
// the title make.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/JobReferences.h"
#include "app/JobSession.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

Configuration SmallConfig() {
  Configuration config;
  config.barTypes.resize(1);
  config.barTypes[0].name = "G58";
  config.barTypes[0].accepted = true;
  config.edgeTypes.resize(1);
  config.edgeTypes[0].name = "E1";
  config.colors = {{"01", "White"}, {"07", "Sandstone"}};
  return config;
}

JobDesign Design(const std::string& name, DesignReferences references) {
  JobDesign design;
  design.window.name = name;
  design.references = std::move(references);
  return design;
}

TEST(JobReferences, ResolvesKnownNamesAndListsTheOthers) {
  const Configuration config = SmallConfig();
  std::vector<JobDesign> designs;
  designs.push_back(Design("A", {"G58", "E1", "White", "Sandstone"}));
  designs.push_back(Design("B", {"G99", std::nullopt, "White", "Teal"}));
  const ResolvedDesigns resolved = ResolveDesigns(config, std::move(designs));
  ASSERT_EQ(resolved.designs.size(), 2u);
  const GrillWindow& a = resolved.designs[0];
  EXPECT_EQ(a.barType, &config.barTypes[0]);
  EXPECT_EQ(a.edgeType, &config.edgeTypes[0]);
  EXPECT_EQ(a.insideColor, &config.colors[0]);
  EXPECT_EQ(a.outsideColor, &config.colors[1]);
  const GrillWindow& b = resolved.designs[1];
  EXPECT_EQ(b.barType, nullptr);
  EXPECT_EQ(b.edgeType, nullptr);
  EXPECT_EQ(b.outsideColor, nullptr);
  EXPECT_THAT(resolved.missing, ElementsAre(MissingReference{"B", "bar type", "G99"},
                                            MissingReference{"B", "outside color", "Teal"}));
  EXPECT_EQ(MissingReferencesMessage(resolved.missing),
            "Not in MenuConfig.txt, left empty (pick them again before exporting):\n"
            "B: bar type G99\nB: outside color Teal");
  // And back to names for saving: empty references give none.
  EXPECT_EQ(ReferencesOf(a), (DesignReferences{"G58", "E1", "White", "Sandstone"}));
  EXPECT_EQ(ReferencesOf(b), (DesignReferences{std::nullopt, std::nullopt, "White", std::nullopt}));
}

TEST(JobReferences, ImportedNamesGetTheFirstFreeNumber) {
  WindowList taken;
  for (const char* name : {"A", "A (2)", "B"}) {
    taken.AppendNewWindow().name = name;
  }
  std::vector<JobDesign> imported;
  for (const char* name : {"A", "C", "B", "A", "C"}) {
    imported.push_back(Design(name, {}));
  }
  const std::vector<std::string> renames = RenameImported(taken, imported);
  std::vector<std::string> names;
  for (const JobDesign& design : imported) {
    names.push_back(design.window.name);
  }
  EXPECT_THAT(names, ElementsAre("A (3)", "C", "B (2)", "A (4)", "C (2)"));
  EXPECT_THAT(renames,
              ElementsAre("A is now A (3)", "B is now B (2)", "A is now A (4)", "C is now C (2)"));
  std::vector<JobDesign> none;
  EXPECT_THAT(RenameImported(taken, none), IsEmpty());
}

TEST(JobReferences, DisplayNames) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "Untitled"},
      {"/jobs/kitchen.grilljob", "kitchen"},
      {"kitchen.GRILLJOB", "kitchen.GRILLJOB"},
      {"/jobs/.grilljob", ".grilljob"},
      {"/jobs/plan.v2.grilljob", "plan.v2"},
  };
  for (const auto& [path, name] : cases) {
    EXPECT_EQ(JobDisplayName(path), name) << path;
  }
}

}  // namespace
}  // namespace grill
