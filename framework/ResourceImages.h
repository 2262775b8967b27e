#pragma once
// Bitmaps, icons, cursors and toolbar image strips from the resource modules.
#include <optional>
#include <string_view>
#include <vector>

#include <wx/bitmap.h>
#include <wx/cursor.h>
#include <wx/icon.h>
#include <wx/image.h>

namespace framework {

// The colour of toolbar strips that stands for "transparent".
constexpr unsigned char kStripKeyRed = 192, kStripKeyGreen = 192, kStripKeyBlue = 192;

// Reads BMP, ICO or CUR bytes (index: the image of an icon file, -1 the largest); an invalid
// image for damaged or empty data (nothing is logged).
wxImage DecodeImage(std::string_view bytes, wxBitmapType type, int index = -1);

// Invalid objects when the id is unknown or its file damaged.
wxBitmap LoadResourceBitmap(int id);
wxIcon LoadResourceIcon(int id);  // the first image of the icon file
wxCursor LoadResourceCursor(int id);

struct ToolbarImages {
  std::vector<int> buttons;      // command ids, 0 for separators
  std::vector<wxBitmap> images;  // one per non-separator button, key colour made transparent
};
// Nothing when the toolbar or its strip is missing or the strip is too small for its buttons.
std::optional<ToolbarImages> LoadToolbarImages(int id);

}  // namespace framework
