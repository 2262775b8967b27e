#include "controls/core/MenuImageMap.h"

namespace controls {

std::map<int, int> ToolbarImageIndexes(const std::vector<int>& buttons, const std::function<bool(int)>& inMenu) {
  std::map<int, int> images;
  int image = 0;
  for (int command : buttons) {
    if (command == 0) continue;
    if (inMenu(command)) images[command] = image;
    ++image;
  }
  return images;
}

}  // namespace controls
