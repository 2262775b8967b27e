#include "engine/GasMixLists.h"

#include <gtest/gtest.h>

#include "engine/AppSettings.h"
#include "platform/Registry.h"
#include "tests/support/TempFolders.h"

namespace {

void ExpectAged(std::string_view mixes, std::string_view ageing, int today, std::string_view agedMixes,
                std::string_view agedAgeing) {
  const GasMixLists aged = AgeGasMixLists(mixes, ageing, today);
  EXPECT_EQ(aged.mixes, agedMixes) << mixes << " | " << ageing << " on day " << today;
  EXPECT_EQ(aged.ageing, agedAgeing) << mixes << " | " << ageing << " on day " << today;
}

const std::string kGasMixKey = "Software\\Velmar\\VelmarTessaline\\Settings\\Gas Mix";

}  // namespace

TEST(GasMixAgeing, TheDefaultListsNeverAge) {
  GasMixLists lists{"21/0", "21/0/-1/-1"};
  for (int day = 9000; day < 9100; day += 7) lists = AgeGasMixLists(lists.mixes, lists.ageing, day);
  EXPECT_EQ(lists.mixes, "21/0");
  EXPECT_EQ(lists.ageing, "21/0/-1/-1");
}

TEST(GasMixAgeing, EachStartCountsUntilTenStartsAndFiveDaysHavePassed) {
  ExpectAged("21/0,32/0", "21/0/-1/-1,32/0/9000/9", 9010, "21/0,32/0", "21/0/-1/-1,32/0/9000/10");
  ExpectAged("21/0,32/0", "21/0/-1/-1,32/0/9000/10", 9005, "21/0", "21/0/-1/-1");
  ExpectAged("21/0,32/0", "21/0/-1/-1,32/0/9000/10", 9400, "21/0", "21/0/-1/-1");
  // Ten starts within four days, or many days but only nine starts: kept.
  ExpectAged("21/0,32/0", "21/0/-1/-1,32/0/9000/10", 9004, "21/0,32/0", "21/0/-1/-1,32/0/9000/11");
  ExpectAged("32/0", "32/0/9000/9", 9400, "32/0", "32/0/9000/10");
  // A clock set back before the last choice never forgets.
  ExpectAged("32/0", "32/0/9000/50", 8000, "32/0", "32/0/9000/51");
}

TEST(GasMixAgeing, NewMixesStartTodayAndOrphansVanish) {
  ExpectAged("21/0,18/45", "21/0/-1/-1", 9100, "21/0,18/45", "21/0/-1/-1,18/45/9100/0");
  ExpectAged("21/0", "21/0/-1/-1,50/0/9000/3", 9100, "21/0", "21/0/-1/-1");
  // The ageing list follows the order of the mixes.
  ExpectAged("32/0,21/0", "21/0/-1/-1,32/0/9000/1", 9001, "32/0,21/0", "32/0/9000/2,21/0/-1/-1");
  // Mix and item must match as text: "32/00" is not the item of "32/0".
  ExpectAged("32/0", "32/00/9000/1", 9001, "32/0", "32/0/9001/0");
}

TEST(GasMixAgeing, EitherMinusOneMakesAMixPermanent) {
  ExpectAged("32/0", "32/0/-1/50", 9999, "32/0", "32/0/-1/-1");
  ExpectAged("32/0", "32/0/8000/-1", 9999, "32/0", "32/0/-1/-1");
}

TEST(GasMixAgeing, DamagedListsAreReadWithoutHarm) {
  // An item of fewer than four fields is passed over, so its mix starts afresh.
  ExpectAged("32/0", "32/0/9000", 9100, "32/0", "32/0/9100/0");
  // Stray commas leave no empty mixes behind.
  ExpectAged("21/0,,32/0,", "21/0/-1/-1,,32/0/9000/1,", 9001, "21/0,32/0", "21/0/-1/-1,32/0/9000/2");
  ExpectAged("", "", 9000, "", "");
  // Numbers beyond any day or count.
  ExpectAged("32/0", "32/0/-99999999999/99999999999", 9000, "", "");
  ExpectAged("32/0", "32/0/9000/99999999999", 9000, "32/0", "32/0/9000/2147483647");
  // Malformed numbers read as 0: day 0 and count 0.
  ExpectAged("32/0", "32/0/x/y", 9000, "32/0", "32/0/0/1");
  const GasMixLists junk = AgeGasMixLists("\x01\xff/\x02,21/0", "\xff\xfe/\x01/\x02/\x03,21/0/-1/-1", 9000);
  EXPECT_EQ(junk.mixes, "\x01\xff/\x02,21/0");
  EXPECT_EQ(junk.ageing, "\x01\xff/\x02/9000/0,21/0/-1/-1");
  // A null character inside a mix stays in its ageing item, which then still names the mix.
  using namespace std::string_literals;
  const std::string withNull = "21/\0\0(0"s;
  const GasMixLists held = AgeGasMixLists(withNull + ",32/0", "", 9005);
  EXPECT_EQ(held.mixes, withNull + ",32/0");
  EXPECT_EQ(held.ageing, withNull + "/9005/0,32/0/9005/0");
  EXPECT_EQ(AgeGasMixLists(held.mixes, held.ageing, 9006).ageing, withNull + "/9005/1,32/0/9005/1");
}

TEST(GasMixAgeing, ChoosingAMixRestartsItsAgeing) {
  EXPECT_EQ(RecordGasMixChoice("21/0/-1/-1,32/0/9000/7", 32, 0, 9100), "21/0/-1/-1,32/0/9100/0");
  // Permanent items and mixes without an item stay as they are.
  EXPECT_EQ(RecordGasMixChoice("21/0/-1/-1,32/0/9000/7", 21, 0, 9100), "21/0/-1/-1,32/0/9000/7");
  EXPECT_EQ(RecordGasMixChoice("21/0/-1/-1,32/0/9000/7", 18, 45, 9100), "21/0/-1/-1,32/0/9000/7");
  // Only the first matching item, compared as numbers.
  EXPECT_EQ(RecordGasMixChoice("32.4/0/9000/7,32/0/8000/3", 32, 0, 9100), "32/0/9100/0,32/0/8000/3");
  // Damaged items are passed over and kept.
  EXPECT_EQ(RecordGasMixChoice("32/0,,32/0/1/1", 32, 0, 9100), "32/0,,32/0/9100/0");
  EXPECT_EQ(RecordGasMixChoice("", 32, 0, 9100), "");
}

TEST(GasMixAgeing, StartUpAgesTheStoredListsAndStoresThemBack) {
  TempFolders folders;
  platform::Registry().WriteString(kGasMixKey, "Gas Mixes", "21/0,32/0,50/0,18/45");
  platform::Registry().WriteString(kGasMixKey, "Gas Mixes Ageing", "21/0/-1/-1,32/0/9000/10,50/0/9003/2");
  LoadRegistrySettings();
  LoadGasLists(9006);
  EXPECT_EQ(platform::Registry().ReadString(kGasMixKey, "Gas Mixes"), "21/0,50/0,18/45");
  EXPECT_EQ(platform::Registry().ReadString(kGasMixKey, "Gas Mixes Ageing"), "21/0/-1/-1,50/0/9003/3,18/45/9006/0");

  UpdateGasMixAgeing(50, 0, 9010);
  EXPECT_EQ(platform::Registry().ReadString(kGasMixKey, "Gas Mixes Ageing"), "21/0/-1/-1,50/0/9010/0,18/45/9006/0");
  EXPECT_EQ(AppSettings().gasMix.gasMixesAgeing.Get(), "21/0/-1/-1,50/0/9010/0,18/45/9006/0");
}

TEST(GasMixAgeing, AnEmptyStoreGetsTheDefaultLists) {
  TempFolders folders;
  LoadRegistrySettings();
  for (int start = 0; start < 12; ++start) LoadGasLists(9000 + start);
  EXPECT_EQ(platform::Registry().ReadString(kGasMixKey, "Gas Mixes"), "21/0");
  EXPECT_EQ(platform::Registry().ReadString(kGasMixKey, "Gas Mixes Ageing"), "21/0/-1/-1");
}

TEST(GasMixAgeing, DaysComeFromTheLocalClock) {
  TempFolders folders;
  platform::Registry().WriteString(kGasMixKey, "Gas Mixes", "21/0,32/0");
  LoadRegistrySettings();
  const int before = GetDaysSince2000();
  LoadGasLists();
  const int after = GetDaysSince2000();
  const std::string ageing = AppSettings().gasMix.gasMixesAgeing.Get();
  EXPECT_TRUE(ageing == "21/0/-1/-1,32/0/" + std::to_string(before) + "/0" ||
              ageing == "21/0/-1/-1,32/0/" + std::to_string(after) + "/0")
      << ageing;
}
