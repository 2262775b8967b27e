// The committed fuzz corpus of the text-file readers, replayed through the fuzz targets' own
// code in every test build, and the seeds checked to be the files they are meant to be.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/GasMixLists.h"
#include "platform/RegistryDocument.h"
#include "tests/engine/PlanGroupTestSupport.h"
#include "tests/fuzz/CorpusFiles.h"
#include "tests/fuzz/FileFuzzHarness.h"

namespace {

using FileFuzzCorpusTest = PlanGroupTest;

}  // namespace

TEST_F(FileFuzzCorpusTest, EveryInputRunsThroughEveryTarget) {
  for (const std::string target :
       {"plan_file", "dive_file", "gas_mix_lists", "settings_store", "table_settings", "gas_mix_list_file"}) {
    const auto files = CorpusFiles(target);
    EXPECT_GE(files.size(), 2u) << target;
    for (const auto& file : files) {
      SCOPED_TRACE(file.filename());
      const std::string text = ReadFileText(file);
      const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
      filefuzz::RunPlanFile(data, text.size());
      filefuzz::RunDiveFile(data, text.size());
      filefuzz::RunGasMixLists(data, text.size());
      filefuzz::RunSettingsStore(data, text.size());
      filefuzz::RunTableSettingsFile(data, text.size());
      filefuzz::RunGasMixListFile(data, text.size());
    }
  }
}

TEST_F(FileFuzzCorpusTest, PlanAndDiveSeedsLoad) {
  for (const auto& file : CorpusFiles("plan_file")) {
    EXPECT_TRUE(plan.LoadPlanGroup(file.string())) << file.filename();
    EXPECT_EQ(plan.GetDivePlan(0)->GetName(), file.filename() == "header-only.ccp" ? "" : "Wall") << file.filename();
  }
  const auto diveFiles = CorpusFiles("dive_file");
  for (const auto& file : diveFiles) {
    EXPECT_TRUE(plan.ImportDive(file.string())) << file.filename();
  }
  // The last plan seed's two dives and one for every dive seed.
  EXPECT_EQ(plan.GetDiveCount(), 2 + static_cast<int>(diveFiles.size()));
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(FileFuzzCorpusTest, SettingsSeedsAreUndamagedStores) {
  for (const auto& file : CorpusFiles("settings_store")) {
    const auto document = platform::RegistryDocument::Parse(ReadFileText(file));
    EXPECT_FALSE(document.IsDamaged()) << file.filename();
    EXPECT_GE(document.Keys().size(), 1u) << file.filename();
  }
}

TEST_F(FileFuzzCorpusTest, TheAgeingSeedForgetsOneMixAndAgesTheOthers) {
  // Day 9005: 21/0 never ages; 32/0, chosen on day 9000 and not since in 12 starts, is
  // forgotten; 18/45 counts one more start; 50/0 gets its first ageing item.
  const GasMixLists aged =
      AgeGasMixLists("21/0,32/0,18/45,50/0", "21/0/-1/-1,32/0/9000/12,18/45/9004/3", 9005);
  EXPECT_EQ(aged.mixes, "21/0,18/45,50/0");
  EXPECT_EQ(aged.ageing, "21/0/-1/-1,18/45/9004/4,50/0/9005/0");
  EXPECT_EQ(ReadFileText(std::filesystem::path(VT_FUZZ_CORPUS_DIR) / "gas_mix_lists" / "ageing"),
            "9005\n21/0,32/0,18/45,50/0\n21/0/-1/-1,32/0/9000/12,18/45/9004/3\n");
}
