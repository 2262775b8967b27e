#pragma once
// Which image of a toolbar strip each menu command shows.
#include <functional>
#include <map>
#include <vector>

namespace controls {

// buttons: the toolbar's command ids in order, 0 for a separator. The image of a button is its
// number among the non-separator buttons. Commands for which inMenu answers false are skipped;
// a command with several buttons takes the image of the last one.
std::map<int, int> ToolbarImageIndexes(const std::vector<int>& buttons, const std::function<bool(int)>& inMenu);

}  // namespace controls
