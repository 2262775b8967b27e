#include "framework/ResourceImages.h"

#include <algorithm>

#include <wx/log.h>
#include <wx/mstream.h>

#include "platform/ResourceModule.h"
#include "resources/ProgramResources.h"

namespace framework {
namespace {

std::optional<std::string> ImageBytes(platform::ImageKind kind, int id) {
  ProgramResources();  // makes sure the program's module is in place
  return platform::FindImageFile(kind, id);
}

void EnsureHandlers() {
  if (wxImage::FindHandler(wxBITMAP_TYPE_BMP) == nullptr) wxImage::AddHandler(new wxBMPHandler);
  if (wxImage::FindHandler(wxBITMAP_TYPE_ICO) == nullptr) wxImage::AddHandler(new wxICOHandler);
  if (wxImage::FindHandler(wxBITMAP_TYPE_CUR) == nullptr) wxImage::AddHandler(new wxCURHandler);
}

}  // namespace

wxImage DecodeImage(std::string_view bytes, wxBitmapType type, int index) {
  EnsureHandlers();
  wxImage image;
  if (bytes.size() < 6) return image;
  wxLogNull quiet;  // a damaged file is reported by the invalid image, not by a log box
  wxMemoryInputStream stream(bytes.data(), bytes.size());
  if (!image.LoadFile(stream, type, index) || !image.IsOk() || image.GetWidth() <= 0 || image.GetHeight() <= 0) {
    return wxImage();
  }
  return image;
}

wxBitmap LoadResourceBitmap(int id) {
  std::optional<std::string> bytes = ImageBytes(platform::ImageKind::Bitmap, id);
  if (!bytes) return wxBitmap();
  wxImage image = DecodeImage(*bytes, wxBITMAP_TYPE_BMP);
  return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

wxIcon LoadResourceIcon(int id) {
  std::optional<std::string> bytes = ImageBytes(platform::ImageKind::Icon, id);
  if (!bytes) return wxIcon();
  wxImage image = DecodeImage(*bytes, wxBITMAP_TYPE_ICO, 0);  // the first image is the button size
  if (!image.IsOk()) return wxIcon();
  wxIcon icon;
  icon.CopyFromBitmap(wxBitmap(image));
  return icon;
}

wxCursor LoadResourceCursor(int id) {
  std::optional<std::string> bytes = ImageBytes(platform::ImageKind::Cursor, id);
  if (!bytes) return wxCursor();
  wxImage image = DecodeImage(*bytes, wxBITMAP_TYPE_CUR);
  return image.IsOk() ? wxCursor(image) : wxCursor();
}

std::optional<ToolbarImages> LoadToolbarImages(int id) {
  ProgramResources();
  std::optional<platform::ToolbarResource> toolbar = platform::FindToolbar(id);
  if (!toolbar) return std::nullopt;
  wxImage strip = DecodeImage(toolbar->strip, wxBITMAP_TYPE_BMP);
  if (!strip.IsOk()) return std::nullopt;
  const int width = toolbar->toolbar.buttonWidth;
  const int height = toolbar->toolbar.buttonHeight;
  ToolbarImages result;
  result.buttons = toolbar->toolbar.buttons;
  const auto count = std::count_if(result.buttons.begin(), result.buttons.end(), [](int b) { return b != 0; });
  if (strip.GetHeight() < height || strip.GetWidth() < width * count) return std::nullopt;
  for (int i = 0; i < count; ++i) {
    wxImage cell = strip.GetSubImage(wxRect(i * width, 0, width, height));
    cell.SetMaskColour(kStripKeyRed, kStripKeyGreen, kStripKeyBlue);
    cell.InitAlpha();  // the key colour becomes fully transparent
    result.images.emplace_back(cell);
  }
  return result;
}

}  // namespace framework
