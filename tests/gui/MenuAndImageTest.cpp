// Menus with toolbar images, accelerator tables, toolbars and the image readers.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "controls/IconMenu.h"
#include "framework/MenuBuilder.h"
#include "framework/ResourceImages.h"
#include "platform/ResourceModule.h"

namespace {

wxColour Pixel(const wxImage& image, int x, int y) {
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

}  // namespace

TEST(IconMenu, MenuItemsCarryTheImagesOfTheirToolbarButtons) {
  controls::CIconMenu menu;
  ASSERT_TRUE(menu.LoadMenu(100));
  ASSERT_TRUE(menu.LoadToolbarImages(110));
  wxMenu* popup = menu.Popup(0);
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(popup->GetMenuItemCount(), 4u);
  for (int command : {4060, 4061, 4062, 4063}) {
    wxMenuItem* item = popup->FindItem(command);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->GetBitmap().IsOk()) << command;
    EXPECT_EQ(item->GetBitmap().GetWidth(), 16);
    EXPECT_EQ(item->GetBitmap().GetHeight(), 15);
  }
  // Delete (after the separator of the toolbar) shows the red cross of the fourth image; the
  // grey key colour around it is transparent.
  wxImage remove = popup->FindItem(4063)->GetBitmap().ConvertToImage();
  const wxColour centre = Pixel(remove, 8, 7);
  EXPECT_GT(centre.Red(), 150);
  EXPECT_LT(centre.Green(), 100);
  ASSERT_TRUE(remove.HasAlpha());
  EXPECT_EQ(remove.GetAlpha(0, 0), 0);
  EXPECT_EQ(popup->FindItem(4061)->GetItemLabel(), "&Copy");
}

TEST(IconMenu, ImagesStayInTheSharedStoreAndForeignButtonsAreSkipped) {
  controls::CIconMenu menu;
  ASSERT_TRUE(menu.LoadMenu(100));
  ASSERT_TRUE(menu.LoadToolbarImages(110));
  ASSERT_TRUE(menu.LoadMenu(100));  // again: the images come from the store
  EXPECT_TRUE(menu.Popup(0)->FindItem(4060)->GetBitmap().IsOk());

  controls::CIconMenu graph;
  ASSERT_TRUE(graph.LoadMenu(104));
  ASSERT_TRUE(graph.Popup(0) != nullptr);  // built before its images arrive
  EXPECT_FALSE(controls::CIconMenu::StoredImage(4151).IsOk());
  ASSERT_TRUE(graph.LoadToolbarImages(115));
  EXPECT_TRUE(graph.Popup(0)->FindItem(4140)->GetBitmap().IsOk());
  EXPECT_TRUE(graph.Popup(0)->FindItem(4150)->GetBitmap().IsOk());
  // 4151 and 4152 are on toolbar 115 but not in menu 104.
  EXPECT_FALSE(controls::CIconMenu::StoredImage(4151).IsOk());

  controls::CIconMenu missing;
  EXPECT_FALSE(missing.LoadMenu(4242));
  EXPECT_EQ(missing.Popup(0), nullptr);
  EXPECT_FALSE(menu.LoadToolbarImages(4242));
}

TEST(CommandIds, NumbersAboveTheToolkitsRangeAreFoldedBelowItAndBack) {
  // The framework's Open 0xE101 and Details 0xE813; the program's review command 0x8090.
  EXPECT_EQ(framework::ToolkitCommandId(57601), 0x6101);
  EXPECT_EQ(framework::ToolkitCommandId(59411), 0x6813);
  EXPECT_EQ(framework::ToolkitCommandId(32912), 0x7090);
  EXPECT_EQ(framework::ToolkitCommandId(4000), 4000);
  EXPECT_EQ(framework::ToolkitCommandId(0x7FFE), 0x7FFE);
  for (int command : {57601, 57603, 57616, 59411, 32912, 4000, 4042, 1, 0x5FFF}) {
    EXPECT_LT(framework::ToolkitCommandId(command), 0x7FFF) << command;
    EXPECT_EQ(framework::ResourceCommandId(framework::ToolkitCommandId(command)), command) << command;
  }
}

TEST(CommandIds, TheMainMenuAndToolbarCarryTheFoldedNumbers) {
  controls::CIconMenu menu;
  ASSERT_TRUE(menu.LoadMenu(103));
  std::unique_ptr<wxMenuBar> bar = menu.TakeMenuBar();
  wxMenuItem* open = bar->FindItem(0x6101);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->GetItemLabel(), "&Open\tCtrl+O");
  EXPECT_NE(bar->FindItem(0x6813), nullptr);  // View, Details
  wxFrame frame(nullptr, wxID_ANY, "Tools");
  wxToolBar* toolBar = frame.CreateToolBar();
  ASSERT_TRUE(framework::FillToolBar(*toolBar, 17));
  EXPECT_NE(toolBar->FindById(0x6103), nullptr);  // Save
  EXPECT_EQ(toolBar->FindById(57603), nullptr);
  const std::vector<platform::Accelerator> ctrlS = {{'S', true, true, false, false, 57603}};
  EXPECT_EQ(framework::AcceleratorEntries(ctrlS).front().GetCommand(), 0x6103);
}

TEST(Accelerators, BecomeTheToolkitsKeysAndFlags) {
  std::vector<platform::Accelerator> table = {
      {'N', true, true, false, false, 4000}, {0x70, true, false, false, false, 4040},
      {0x2E, true, false, true, false, 4063}, {'a', false, false, false, true, 4001}, {0x99, true, false, false, false, 5}};
  std::vector<wxAcceleratorEntry> entries = framework::AcceleratorEntries(table);
  ASSERT_EQ(entries.size(), 4u);  // 0x99 has no key of its own
  EXPECT_EQ(entries[0].GetKeyCode(), 'N');
  EXPECT_EQ(entries[0].GetFlags(), wxACCEL_CTRL);
  EXPECT_EQ(entries[0].GetCommand(), 4000);
  EXPECT_EQ(entries[1].GetKeyCode(), WXK_F1);
  EXPECT_EQ(entries[2].GetKeyCode(), WXK_DELETE);
  EXPECT_EQ(entries[2].GetFlags(), wxACCEL_SHIFT);
  EXPECT_EQ(entries[3].GetKeyCode(), 'a');
  EXPECT_EQ(entries[3].GetFlags(), wxACCEL_ALT);
  EXPECT_FALSE(framework::LoadAcceleratorTable(4242).IsOk());
}

TEST(Toolbars, GetTheirButtonsAndImages) {
  wxFrame frame(nullptr, wxID_ANY, "Tools");
  wxToolBar* toolBar = frame.CreateToolBar();
  ASSERT_TRUE(framework::FillToolBar(*toolBar, 111));
  EXPECT_EQ(toolBar->GetToolsCount(), 7u);  // six buttons and a separator
  EXPECT_NE(toolBar->FindById(4125), nullptr);
  EXPECT_FALSE(framework::FillToolBar(*toolBar, 4242));
}

TEST(Toolbars, ATooltipIsThePartOfItsStringAfterTheFirstNewlineCutToEightyCharacters) {
  EXPECT_EQ(framework::ToolTipOfCommandString("Calculate the Plan\nCalculate"), "Calculate");
  EXPECT_EQ(framework::ToolTipOfCommandString("Prompt\nTip\nmore"), "Tip\nmore");
  EXPECT_EQ(framework::ToolTipOfCommandString("A prompt without a tip"), "");
  EXPECT_EQ(framework::ToolTipOfCommandString("Prompt\n"), "");
  // Characters, not bytes: 100 letters of two bytes each give 80 letters.
  const wxString longTip = wxString::FromUTF8("Prompt\n") + wxString(wxUniChar(0xF1), 100);
  EXPECT_EQ(framework::ToolTipOfCommandString(longTip), wxString(wxUniChar(0xF1), 80));
  // A newline past the 256 characters that are read is not found: no tip.
  EXPECT_EQ(framework::ToolTipOfCommandString(wxString('p', 256) + "\nTip"), "");
  EXPECT_EQ(framework::ToolTipOfCommandString(wxString('p', 255) + "\nTip"), "");
  EXPECT_EQ(framework::ToolTipOfCommandString(wxString('p', 254) + "\nTip"), "T");
}

TEST(ResourceImages, IconsCursorAndBitmapsLoad) {
  for (int icon : {92, 93, 96, 97, 98}) {
    wxIcon loaded = framework::LoadResourceIcon(icon);
    ASSERT_TRUE(loaded.IsOk()) << icon;
    EXPECT_EQ(loaded.GetWidth(), 16);
  }
  EXPECT_TRUE(framework::LoadResourceCursor(50).IsOk());
  std::optional<std::string> cursor = platform::FindImageFile(platform::ImageKind::Cursor, 50);
  ASSERT_TRUE(cursor);
  wxImage hand = framework::DecodeImage(*cursor, wxBITMAP_TYPE_CUR);
  ASSERT_TRUE(hand.IsOk());
  EXPECT_EQ(hand.GetOptionInt(wxIMAGE_OPTION_CUR_HOTSPOT_X), 7);  // the fingertip
  EXPECT_EQ(hand.GetOptionInt(wxIMAGE_OPTION_CUR_HOTSPOT_Y), 0);
  wxBitmap strip = framework::LoadResourceBitmap(110);
  ASSERT_TRUE(strip.IsOk());
  EXPECT_EQ(strip.GetWidth(), 64);  // four 16 × 15 images
  EXPECT_EQ(strip.GetHeight(), 15);
  EXPECT_FALSE(framework::LoadResourceIcon(4242).IsOk());
}

TEST(ResourceImages, DamagedImageFilesGiveNoImage) {
  std::optional<std::string> icon = platform::FindImageFile(platform::ImageKind::Icon, 97);
  std::optional<std::string> bitmap = platform::FindImageFile(platform::ImageKind::Bitmap, 110);
  ASSERT_TRUE(icon && bitmap);
  for (std::size_t length : {0, 5, 6, 22, 40, 100, 1000}) {
    EXPECT_FALSE(framework::DecodeImage(icon->substr(0, length), wxBITMAP_TYPE_ICO).IsOk()) << length;
    EXPECT_FALSE(framework::DecodeImage(bitmap->substr(0, length), wxBITMAP_TYPE_BMP).IsOk()) << length;
  }
  // An icon directory claiming a huge count, and one whose image lies past the end.
  std::string manyImages = *icon;
  manyImages[4] = '\xFF';
  manyImages[5] = '\x7F';
  EXPECT_FALSE(framework::DecodeImage(manyImages, wxBITMAP_TYPE_ICO).IsOk());
  std::string farOffset = *icon;
  farOffset[18] = '\xFF';
  farOffset[19] = '\xFF';
  farOffset[20] = '\xFF';
  EXPECT_FALSE(framework::DecodeImage(farOffset, wxBITMAP_TYPE_ICO, 0).IsOk());
  std::string junk(3000, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 7919 + 3) & 0xFF);
  EXPECT_FALSE(framework::DecodeImage(junk, wxBITMAP_TYPE_BMP).IsOk());
  EXPECT_FALSE(framework::DecodeImage("BM" + junk, wxBITMAP_TYPE_BMP).IsOk());
}
