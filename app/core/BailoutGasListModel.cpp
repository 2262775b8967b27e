#include "app/core/BailoutGasListModel.h"

#include <algorithm>

#include "engine/NumberText.h"
#include "engine/support/SParser.h"

namespace {

// The whole-number percentages of an item "O2/He"; an item without "/" has no helium.
int OxygenPart(std::string_view item) { return ReadLeadingInt(item.substr(0, item.find('/'))); }

int HeliumPart(std::string_view item) {
  const auto slash = item.find('/');
  return slash == std::string_view::npos ? 0 : ReadLeadingInt(item.substr(slash + 1));
}

// Moves the first item equal to wanted from items to the end of ordered.
void TakeFirst(std::vector<std::string>& items, std::string_view wanted, std::vector<std::string>& ordered) {
  const auto found = std::find(items.begin(), items.end(), wanted);
  if (found == items.end()) return;
  ordered.push_back(*found);
  items.erase(found);
}

}  // namespace

std::vector<std::string> BailoutGasListModel::OrderGasList(std::string_view listText) {
  if (listText.empty()) return {};
  const CSParser fields(listText, ',');
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(fields.GetCount()));
  for (int i = 1; i <= fields.GetCount(); ++i) items.push_back(fields.GetField(i));

  std::vector<std::string> ordered;
  ordered.reserve(items.size());
  TakeFirst(items, "21/0", ordered);
  TakeFirst(items, "100/0", ordered);
  std::vector<std::string> withHelium;
  const auto heliumFreeEnd = std::stable_partition(
      items.begin(), items.end(), [](const std::string& item) { return HeliumPart(item) == 0; });
  withHelium.assign(heliumFreeEnd, items.end());
  items.erase(heliumFreeEnd, items.end());
  std::stable_sort(items.begin(), items.end());
  std::stable_sort(withHelium.begin(), withHelium.end());
  ordered.insert(ordered.end(), items.begin(), items.end());
  ordered.insert(ordered.end(), withHelium.begin(), withHelium.end());
  return ordered;
}

void BailoutGasListModel::SetListText(std::string_view listText) {
  rows_.clear();
  for (const std::string& item : OrderGasList(listText)) rows_.push_back(MixName(OxygenPart(item), HeliumPart(item)));
}

std::string BailoutGasListModel::GetListText() const {
  std::string text;
  for (const std::string& row : rows_) {
    CGas gas;
    if (!gas.Parse(row)) continue;
    if (!text.empty()) text += ',';
    text += gas.GetName(true);
  }
  return text;
}

bool BailoutGasListModel::IsInList(std::string_view name) const {
  return std::find(rows_.begin(), rows_.end(), name) != rows_.end();
}

BailoutGasListModel::AddResult BailoutGasListModel::Add(const CGas& gas) {
  if (!CanAdd()) return AddResult::kFull;
  if (!gas.IsValid()) return AddResult::kInvalidGas;
  if (IsInList(gas.GetName(false))) return AddResult::kAlreadyListed;
  std::string text = GetListText();
  if (!text.empty()) text += ',';
  SetListText(text + gas.GetName(true));
  return AddResult::kAdded;
}

int BailoutGasListModel::DeleteRows(std::vector<int> rows) {
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  int deleted = 0;
  for (int row : rows) {
    if (row < 0 || row >= RowCount()) continue;
    rows_.erase(rows_.begin() + row);
    ++deleted;
  }
  return deleted;
}
