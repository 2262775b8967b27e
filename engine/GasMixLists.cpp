#include "engine/GasMixLists.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "engine/support/SParser.h"

namespace {

constexpr int kPermanent = -1;
constexpr int kForgetAfterStarts = 10;
constexpr int kForgetAfterDays = 5;

struct AgeingItem {
  std::string mix;  // "O2/He" as written
  int oxygen = 0;
  int helium = 0;
  int day = 0;
  int count = 0;
  bool IsPermanent() const { return day == kPermanent || count == kPermanent; }
};

// Items of fewer than four fields are never written by the program and are passed over.
std::optional<AgeingItem> ReadAgeingItem(const std::string& text) {
  CSParser fields(text, '/');
  if (fields.GetCount() < 4) return std::nullopt;
  AgeingItem item;
  item.mix = fields.GetField(1) + "/" + fields.GetField(2);
  item.oxygen = ReadLeadingInt(fields.GetField(1));
  item.helium = ReadLeadingInt(fields.GetField(2));
  item.day = ReadLeadingInt(fields.GetField(3));
  item.count = ReadLeadingInt(fields.GetField(4));
  return item;
}

std::vector<std::string> SplitList(std::string_view list) {
  CSParser parser(list, ',');
  std::vector<std::string> items;
  for (int i = 1; i <= parser.GetCount(); ++i) items.push_back(parser.GetField(i));
  return items;
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string joined;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) joined += ',';
    joined += items[i];
  }
  return joined;
}

bool IsForgotten(const AgeingItem& item, int today) {
  const std::int64_t daysSinceChoice = static_cast<std::int64_t>(today) - item.day;
  return !item.IsPermanent() && item.count >= kForgetAfterStarts && daysSinceChoice >= kForgetAfterDays;
}

// The mix is copied whole: a damaged one may hold a null character, where a "%s" would end.
std::string AgedItem(const std::string& mix, const std::optional<AgeingItem>& item, int today) {
  if (!item) return mix + FormatC("/%d/0", today);
  if (item->IsPermanent()) return mix + FormatC("/%d/%d", kPermanent, kPermanent);
  const int count = item->count == std::numeric_limits<int>::max() ? item->count : item->count + 1;
  return mix + FormatC("/%d/%d", item->day, count);
}

}  // namespace

GasMixLists AgeGasMixLists(std::string_view mixes, std::string_view ageing, int today) {
  std::vector<AgeingItem> items;
  for (const std::string& text : SplitList(ageing)) {
    if (auto item = ReadAgeingItem(text)) items.push_back(std::move(*item));
  }
  std::vector<std::string> keptMixes;
  std::vector<std::string> keptAgeing;
  for (const std::string& mix : SplitList(mixes)) {
    if (mix.empty()) continue;  // left by a stray comma; not a mix
    std::optional<AgeingItem> found;
    for (const AgeingItem& item : items) {
      if (item.mix == mix) {
        found = item;
        break;
      }
    }
    if (found && IsForgotten(*found, today)) continue;
    keptMixes.push_back(mix);
    keptAgeing.push_back(AgedItem(mix, found, today));
  }
  return {JoinList(keptMixes), JoinList(keptAgeing)};
}

std::string RecordGasMixChoice(std::string_view ageing, int oxygenPercent, int heliumPercent, int today) {
  std::vector<std::string> texts = SplitList(ageing);
  for (std::string& text : texts) {
    const std::optional<AgeingItem> item = ReadAgeingItem(text);
    if (!item || item->oxygen != oxygenPercent || item->helium != heliumPercent) continue;
    if (!item->IsPermanent()) text = FormatC("%d/%d/%d/0", oxygenPercent, heliumPercent, today);
    break;
  }
  return JoinList(texts);
}

void LoadGasLists(int today) {
  CAppSettings::GasMix& gasMix = AppSettings().gasMix;
  const GasMixLists aged = AgeGasMixLists(gasMix.gasMixes.Get(), gasMix.gasMixesAgeing.Get(), today);
  gasMix.gasMixes.Set(aged.mixes);
  gasMix.gasMixesAgeing.Set(aged.ageing);
}

void UpdateGasMixAgeing(int oxygenPercent, int heliumPercent, int today) {
  CRegSettingString& ageing = AppSettings().gasMix.gasMixesAgeing;
  ageing.Set(RecordGasMixChoice(ageing.Get(), oxygenPercent, heliumPercent, today));
}
