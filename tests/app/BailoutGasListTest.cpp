// The bailout gas list without its page: the order of its rows, adding and deleting gases, and
// the Gas Mix List file with its damaged inputs and failed saves.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "app/core/BailoutGasListModel.h"
#include "app/core/GasMixListFile.h"
#include "engine/AppSettings.h"
#include "engine/support/DebugLog.h"
#include "tests/fuzz/CorpusFiles.h"
#include "tests/support/FileFaults.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TempFolders.h"

namespace {

using Rows = std::vector<std::string>;

CGas Gas(const std::string& text) {
  CGas gas;
  gas.Parse(text);
  return gas;
}

BailoutGasListModel ListOf(const std::string& listText) {
  BailoutGasListModel list;
  list.SetListText(listText);
  return list;
}

class GasMixListFileTest : public testing::Test {
 protected:
  void SetUp() override {
    LoadRegistrySettings();
    ASSERT_TRUE(TheDebugLog().Open("Velmar", "GasMixListFileTest"));
    TheDebugLog().SetTimeStamps(false);
  }

  std::string Path(const std::string& name = "list.ccg") const { return (folders.Root() / name).string(); }

  // Writes the file and loads it into a list that holds Air and 18/45.
  BailoutGasListModel Loaded(const std::string& fileText, bool expectLoaded = true) {
    WriteFileText(Path(), fileText);
    BailoutGasListModel list = ListOf("21/0,18/45");
    EXPECT_EQ(LoadGasMixList(Path(), list), expectLoaded);
    return list;
  }

  std::vector<std::string> Told() const { return userInterface.QuestionTexts(); }

  TempFolders folders;
  ScriptedUserInterface userInterface;
};

TEST(BailoutGasListModelTest, RowsFollowTheListOrderAndTheListTextFollowsTheRows) {
  const BailoutGasListModel list = ListOf("18/45,32/0,21/0,100/0,9/0,50/0,10/50");
  EXPECT_EQ(list.Rows(), (Rows{"Air", "Oxygen", "32% Nitrox", "50% Nitrox", "9% Nitrox", "10/50", "18/45"}));
  EXPECT_EQ(list.GetListText(), "21/0,100/0,32/0,50/0,9/0,10/50,18/45");

  // Only the first Air and the first Oxygen lead; items that are no gas show "Invalid" and are
  // left out of the list text, an empty item too; an item without "/" is a nitrox.
  const BailoutGasListModel odd = ListOf("4/0,100/0,21/0,,21/0,32,60/50");
  EXPECT_EQ(odd.Rows(), (Rows{"Air", "Oxygen", "Invalid", "Air", "32% Nitrox", "Invalid", "Invalid"}));
  EXPECT_EQ(odd.GetListText(), "21/0,100/0,21/0,32/0");
  EXPECT_TRUE(ListOf("").Rows().empty());
  EXPECT_EQ(ListOf("").GetListText(), "");
}

TEST(BailoutGasListModelTest, AddPutsANewGasInItsPlaceOnceAndStopsAtTwelveRows) {
  BailoutGasListModel list = ListOf("21/0,100/0,32/0,50/0");
  EXPECT_EQ(list.Add(Gas("32%")), BailoutGasListModel::AddResult::kAlreadyListed);
  EXPECT_EQ(list.Add(Gas("air")), BailoutGasListModel::AddResult::kAlreadyListed);
  EXPECT_EQ(list.GetListText(), "21/0,100/0,32/0,50/0");
  EXPECT_EQ(list.Add(Gas("36/0")), BailoutGasListModel::AddResult::kAdded);
  EXPECT_EQ(list.Rows(), (Rows{"Air", "Oxygen", "32% Nitrox", "36% Nitrox", "50% Nitrox"}));
  EXPECT_EQ(list.Add(Gas("")), BailoutGasListModel::AddResult::kInvalidGas);
  EXPECT_EQ(list.Add(Gas("4/0")), BailoutGasListModel::AddResult::kInvalidGas);
  EXPECT_EQ(list.RowCount(), 5);

  for (const char* gas : {"15/55", "18/45", "21/35", "10/70", "12/60", "80/0", "6/80"}) {
    EXPECT_TRUE(list.CanAdd());
    EXPECT_EQ(list.Add(Gas(gas)), BailoutGasListModel::AddResult::kAdded) << gas;
  }
  EXPECT_EQ(list.RowCount(), 12);
  EXPECT_FALSE(list.CanAdd());
  EXPECT_EQ(list.Add(Gas("40/0")), BailoutGasListModel::AddResult::kFull);
  EXPECT_EQ(list.RowCount(), 12);

  // Rows 0 and 11 go, indexes out of range and repeated are ignored.
  EXPECT_EQ(list.DeleteRows({11, 0, 0, 12, -1}), 2);
  EXPECT_EQ(list.Rows().front(), "Oxygen");
  EXPECT_EQ(list.Rows().back(), "21/35");
  EXPECT_TRUE(list.CanAdd());
  EXPECT_EQ(list.DeleteRows({}), 0);
  list.DeleteRows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_FALSE(list.CanDelete());
}

TEST_F(GasMixListFileTest, ASavedListIsTheHeaderAndOneRecordAndLoadsBackInOrder) {
  const BailoutGasListModel list = ListOf("18/45,32/0,21/0,100/0");
  ASSERT_TRUE(SaveGasMixList(Path(), list));
  EXPECT_EQ(ReadFileText(Path()), "Gas Mix List\r\n060~21/0,100/0,32/0,18/45\r\n");

  // Line feeds alone are read too; the file's order does not matter; other keys and lines
  // without a "~" are passed over, and of two lists the second counts.
  const BailoutGasListModel loaded =
      Loaded("Gas Mix List\n\n061~50/0\nnot a record\n060~21/0~extra\n60~50/0,10/50,100/0\n");
  EXPECT_EQ(loaded.Rows(), (Rows{"Oxygen", "50% Nitrox", "10/50"}));

  // An empty list text empties the list; a file without a list keeps it and still loads.
  EXPECT_TRUE(Loaded("Gas Mix List\r\n060~\r\n").Rows().empty());
  EXPECT_EQ(Loaded("Gas Mix List\r\n").Rows(), (Rows{"Air", "18/45"}));
  EXPECT_EQ(Loaded("Gas Mix List").Rows(), (Rows{"Air", "18/45"}));
  // More than twelve gases load, and an item that is no gas shows as such.
  const BailoutGasListModel many =
      Loaded("Gas Mix List\r\n060~21/0,4/0,22/0,23/0,24/0,25/0,26/0,27/0,28/0,29/0,30/0,31/0,32/0,33/0\r\n");
  EXPECT_EQ(many.RowCount(), 14);
  EXPECT_FALSE(many.CanAdd());
  EXPECT_EQ(many.Rows()[1], "22% Nitrox");
  EXPECT_EQ(many.Rows()[13], "Invalid");
  EXPECT_EQ(many.GetListText(), "21/0,22/0,23/0,24/0,25/0,26/0,27/0,28/0,29/0,30/0,31/0,32/0,33/0");
  EXPECT_TRUE(Told().empty());

  EXPECT_EQ(GasMixListFolder("/home/diver/lists/list.ccg"), "/home/diver/lists");
  EXPECT_EQ(GasMixListFolder("/list.ccg"), "/");
}

TEST_F(GasMixListFileTest, DamagedFilesGiveTheirMessageAndLeaveTheListAsItWas) {
  BailoutGasListModel untouched = ListOf("21/0,18/45");
  EXPECT_FALSE(LoadGasMixList(Path("missing.ccg"), untouched));
  EXPECT_FALSE(LoadGasMixList(folders.Root().string(), untouched));
  for (const std::string& wrong : {std::string("Gas Mix List \r\n060~32/0\r\n"), std::string("gas mix list\n060~32/0\n"),
                                   std::string(""), std::string("Gas Mi"), std::string("\0\xff\xfe\x01junk", 9)}) {
    EXPECT_EQ(Loaded(wrong, false).Rows(), (Rows{"Air", "18/45"}));
  }
  EXPECT_EQ(Told(), (std::vector<std::string>{"Unable to open data file.", "Unable to open data file.",
                                              "Invalid Bailout Gas Mix List file", "Invalid Bailout Gas Mix List file",
                                              "Invalid Bailout Gas Mix List file", "Invalid Bailout Gas Mix List file",
                                              "Invalid Bailout Gas Mix List file"}));
  EXPECT_EQ(userInterface.questions[0].flags, platform::mb::kOk | platform::mb::kIconExclamation);
  userInterface.questions.clear();

  // Huge numbers, binary junk and a key that overflows are gases that are not, or no records.
  const BailoutGasListModel junk =
      Loaded(std::string("Gas Mix List\r\n99999999999999999999060~32/0\r\n~\r\n~~~\r\n") +
             "060~99999999999999999999/0,21/-5,1e308/0,\x01\xff/\x7f,-21/0\r\n");
  EXPECT_EQ(junk.Rows(), Rows(5, "Invalid"));
  EXPECT_EQ(junk.GetListText(), "");

  // Of a list of 250 items the first 100 are taken, and the user is told.
  std::string longList = "060~21/0";
  for (int i = 1; i < 250; ++i) longList += ",100/0";
  const BailoutGasListModel capped = Loaded("Gas Mix List\r\n" + longList + "\r\n");
  EXPECT_EQ(capped.RowCount(), 100);
  EXPECT_EQ(Told(), std::vector<std::string>{"The Gas Mix List file holds 250 gases.\n\nOnly the first 100 have been loaded."});

  for (const auto& seed : CorpusFiles("gas_mix_list_file")) {
    BailoutGasListModel list;
    EXPECT_TRUE(LoadGasMixList(seed.string(), list)) << seed.filename();
    EXPECT_GE(list.RowCount(), 1) << seed.filename();
  }
}

TEST_F(GasMixListFileTest, ASaveThatFailsIsToldAndKeepsTheOldFile) {
  WriteFileText(Path(), "Gas Mix List\r\n060~32/0\r\n");
  const BailoutGasListModel list = ListOf("21/0,100/0");
  std::vector<std::string> expected;
  const std::pair<FileFault, int> faults[] = {
      {FileFault::kCreate, EACCES}, {FileFault::kWrite, ENOSPC}, {FileFault::kSync, EIO}, {FileFault::kRename, EACCES}};
  for (const auto& [fault, code] : faults) {
    SCOPED_TRACE(static_cast<int>(fault));
    ScopedFileFault failing(fault, folders.Root());
    EXPECT_FALSE(SaveGasMixList(Path(), list));
    EXPECT_GE(failing.Hits(), 1);
    expected.push_back(CannotWriteMessage(std::filesystem::path(Path()).filename().string(), folders.Root(), code));
  }
  EXPECT_EQ(Told(), expected);
  EXPECT_EQ(ReadFileText(Path()), "Gas Mix List\r\n060~32/0\r\n");
}

TEST_F(GasMixListFileTest, AReadOnlyListIsNotReplaced) {
  WriteFileText(Path(), "Gas Mix List\r\n060~32/0\r\n");
  std::filesystem::permissions(Path(), std::filesystem::perms(0444));
  EXPECT_FALSE(SaveGasMixList(Path(), ListOf("21/0,100/0")));
  EXPECT_EQ(Told(), std::vector<std::string>{Path() + " is read-only.\n\nThe file has not been changed."});
  EXPECT_EQ(ReadFileText(Path()), "Gas Mix List\r\n060~32/0\r\n");
}

}  // namespace
