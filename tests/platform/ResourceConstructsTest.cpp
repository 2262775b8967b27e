// Dialogs, menus, accelerators, toolbars and image files of resource scripts.
#include <gtest/gtest.h>

#include "platform/ResourceScript.h"

using platform::ParseResourceScript;
using platform::ResourceParseResult;

namespace {

ResourceParseResult Parse(const std::string& text) {
  return ParseResourceScript(text, "test.rc", [](const std::string&) { return std::nullopt; });
}

const char* const kSampleDialog =
    "#define IDD_SAMPLE 70\n"
    "#define IDC_NAME 1001\n"
    "IDD_SAMPLE DIALOGEX 0, 0, 200, 120\n"
    "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    "EXSTYLE WS_EX_CONTEXTHELP\n"
    "CAPTION \"Sample\"\n"
    "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n"
    "BEGIN\n"
    "    LTEXT           \"&Name:\",IDC_STATIC,7,9,40,8\n"
    "    EDITTEXT        IDC_NAME,50,7,100,14,ES_AUTOHSCROLL\n"
    "    DEFPUSHBUTTON   \"OK\",IDOK,89,99,50,14\n"
    "    PUSHBUTTON      \"Cancel\",IDCANCEL,143,99,50,14,NOT WS_TABSTOP\n"
    "    ICON            92,IDC_STATIC,7,30\n"
    "    CONTROL         \"\",1002,\"msctls_updown32\",UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY,150,7,10,14\n"
    "    CONTROL         \"List\",1003,\"sysListView32\",LVS_REPORT | WS_BORDER | WS_TABSTOP,7,50,186,40,WS_EX_CLIENTEDGE\n"
    "    AUTOCHECKBOX    \"Check\",1004,7,95,60,10\n"
    "END\n";

struct ExpectedControl {
  const char* className;
  const char* text;
  int textId;
  int id;
  int x, y, width, height;
  std::uint32_t style;
  std::uint32_t exStyle;
};

}  // namespace

TEST(ResourceConstructs, ReadsADialogWithItsControls) {
  ResourceParseResult result = Parse(kSampleDialog);
  ASSERT_TRUE(result.ok) << result.error;
  const platform::DialogTemplate& dialog = result.script.dialogs.at(70);
  EXPECT_TRUE(dialog.extended);
  EXPECT_EQ(dialog.width, 200);
  EXPECT_EQ(dialog.height, 120);
  EXPECT_EQ(dialog.style, 0x80C800C0u);  // popup, caption (border + dialog frame), system menu, modal frame, font
  EXPECT_EQ(dialog.exStyle, 0x400u);
  EXPECT_EQ(dialog.caption, "Sample");
  EXPECT_EQ(dialog.fontName, "MS Shell Dlg");
  EXPECT_EQ(dialog.fontPointSize, 8);

  // Each control also carries WS_CHILD | WS_VISIBLE (0x50000000).
  const ExpectedControl expected[] = {
      {"Static", "&Name:", 0, -1, 7, 9, 40, 8, 0x50020000u, 0},          // SS_LEFT | WS_GROUP
      {"Edit", "", 0, 1001, 50, 7, 100, 14, 0x50810080u, 0},             // WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL
      {"Button", "OK", 0, 1, 89, 99, 50, 14, 0x50010001u, 0},            // BS_DEFPUSHBUTTON | WS_TABSTOP
      {"Button", "Cancel", 0, 2, 143, 99, 50, 14, 0x50000000u, 0},       // tab stop removed
      {"Static", "", 92, -1, 7, 30, 0, 0, 0x50000003u, 0},               // SS_ICON
      {"msctls_updown32", "", 0, 1002, 150, 7, 10, 14, 0x50000016u, 0},  // 2 | 4 | 0x10
      {"SysListView32", "List", 0, 1003, 7, 50, 186, 40, 0x50810001u, 0x200u},
      {"Button", "Check", 0, 1004, 7, 95, 60, 10, 0x50010003u, 0},
  };
  ASSERT_EQ(dialog.controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const platform::DialogControl& control = dialog.controls[i];
    const ExpectedControl& want = expected[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(control.className, want.className);
    EXPECT_EQ(control.text, want.text);
    EXPECT_EQ(control.textId, want.textId);
    EXPECT_EQ(control.id, want.id);
    EXPECT_EQ((std::array<int, 4>{control.x, control.y, control.width, control.height}),
              (std::array<int, 4>{want.x, want.y, want.width, want.height}));
    EXPECT_EQ(control.style, want.style);
    EXPECT_EQ(control.exStyle, want.exStyle);
  }
}

TEST(ResourceConstructs, AnOldStyleDialogGetsTheDefaultFrame) {
  ResourceParseResult result = Parse("10 DIALOG DISCARDABLE 0, 0, 100, 50\nCAPTION \"Old\"\nBEGIN\n"
                                     "  CTEXT \"Hi\", -1, 0, 0, 100, 8\n  COMBOBOX 5, 0, 10, 50, 60, CBS_DROPDOWN\nEND\n");
  ASSERT_TRUE(result.ok) << result.error;
  const platform::DialogTemplate& dialog = result.script.dialogs.at(10);
  EXPECT_FALSE(dialog.extended);
  EXPECT_EQ(dialog.style, 0x80C80000u);  // WS_POPUP | WS_BORDER | WS_SYSMENU, plus WS_CAPTION
  EXPECT_EQ(dialog.fontPointSize, 0);
  ASSERT_EQ(dialog.controls.size(), 2u);
  EXPECT_EQ(dialog.controls[0].style, 0x50020001u);  // SS_CENTER | WS_GROUP
  EXPECT_EQ(dialog.controls[1].style, 0x50010002u);  // CBS_DROPDOWN as written, WS_TABSTOP
}

TEST(ResourceConstructs, ReadsAMenuTree) {
  ResourceParseResult result = Parse(
      "100 MENU\n"
      "BEGIN\n"
      "    POPUP \"Dive Plan List Pop\"\n"
      "    BEGIN\n"
      "        MENUITEM \"Cu&t\",               4060\n"
      "        MENUITEM \"&Copy\\tCtrl+C\",      4061, CHECKED\n"
      "        MENUITEM SEPARATOR\n"
      "        MENUITEM \"&Paste\",             4062, GRAYED CHECKED\n"
      "        POPUP \"&More\"\n"
      "        BEGIN\n"
      "            MENUITEM \"&Delete\", 4063\n"
      "        END\n"
      "    END\n"
      "END\n");
  ASSERT_TRUE(result.ok) << result.error;
  const platform::Menu& menu = result.script.menus.at(100);
  ASSERT_EQ(menu.items.size(), 1u);
  const platform::MenuItem& popup = menu.items[0];
  EXPECT_TRUE(popup.popup);
  EXPECT_EQ(popup.text, "Dive Plan List Pop");
  ASSERT_EQ(popup.items.size(), 5u);
  EXPECT_EQ(popup.items[0].text, "Cu&t");
  EXPECT_EQ(popup.items[0].id, 4060);
  EXPECT_FALSE(popup.items[0].checked);
  EXPECT_EQ(popup.items[1].text, "&Copy\tCtrl+C");
  EXPECT_TRUE(popup.items[1].checked);
  EXPECT_TRUE(popup.items[2].separator);
  EXPECT_TRUE(popup.items[3].grayed);
  EXPECT_TRUE(popup.items[3].checked);
  ASSERT_EQ(popup.items[4].items.size(), 1u);
  EXPECT_EQ(popup.items[4].items[0].id, 4063);
}

TEST(ResourceConstructs, ReadsAnAcceleratorTable) {
  ResourceParseResult result = Parse(
      "20 ACCELERATORS\n"
      "BEGIN\n"
      "    \"N\",       4000,  VIRTKEY, CONTROL, NOINVERT\n"
      "    \"^O\",      57601\n"
      "    VK_F1,     4040,  VIRTKEY\n"
      "    \"a\",       4001,  ASCII, ALT\n"
      "    VK_DELETE, 4063,  VIRTKEY, SHIFT\n"
      "END\n");
  ASSERT_TRUE(result.ok) << result.error;
  const auto& table = result.script.acceleratorTables.at(20);
  ASSERT_EQ(table.size(), 5u);
  auto check = [&](std::size_t i, int key, bool virtualKey, bool control, bool shift, bool alt, int command) {
    SCOPED_TRACE(i);
    EXPECT_EQ(table[i].key, key);
    EXPECT_EQ(table[i].virtualKey, virtualKey);
    EXPECT_EQ(table[i].control, control);
    EXPECT_EQ(table[i].shift, shift);
    EXPECT_EQ(table[i].alt, alt);
    EXPECT_EQ(table[i].command, command);
  };
  check(0, 'N', true, true, false, false, 4000);
  check(1, 'O', false, true, false, false, 57601);
  check(2, 0x70, true, false, false, false, 4040);
  check(3, 'a', false, false, false, true, 4001);
  check(4, 0x2E, true, false, true, false, 4063);
}

TEST(ResourceConstructs, ReadsAToolbarAndImageFiles) {
  ResourceParseResult result = Parse(
      "110 TOOLBAR 16, 15\nBEGIN\n  BUTTON 4060\n  SEPARATOR\n  BUTTON 4061\nEND\n"
      "110 BITMAP \"res\\\\tb110.bmp\"\n"
      "50 CURSOR DISCARDABLE \"res/hand.cur\"\n"
      "92 ICON \"res/cancel.ico\"\n");
  ASSERT_TRUE(result.ok) << result.error;
  const platform::Toolbar& toolbar = result.script.toolbars.at(110);
  EXPECT_EQ(toolbar.buttonWidth, 16);
  EXPECT_EQ(toolbar.buttonHeight, 15);
  EXPECT_EQ(toolbar.buttons, (std::vector<int>{4060, 0, 4061}));
  EXPECT_EQ(result.script.bitmaps.at(110), "res/tb110.bmp");
  EXPECT_EQ(result.script.cursors.at(50), "res/hand.cur");
  EXPECT_EQ(result.script.icons.at(92), "res/cancel.ico");
}

TEST(ResourceConstructs, ErrorsNameTheLine) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"1 DIALOGEX 0, 0, 10\nBEGIN\nEND\n", "test.rc(2): expected , before height"},
      {"1 DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"a\" -1, 0,0,10,10\nEND\n", "test.rc(3): expected , before the control id"},
      {"1 DIALOG 0,0,10,10\nBEGIN\n CONTROL \"\",1,\"SysTreeView32\",0,0,0,1,1\nEND\n",
       "test.rc(3): unknown control class SysTreeView32"},
      {"1 DIALOG 0,0,10,10\nBEGIN\n SCROLLBAR 1,0,0,1,1\nEND\n", "test.rc(3): unknown control statement SCROLLBAR"},
      {"1 DIALOG 0,0,10,10\nBEGIN\n LTEXT \"a\",1,0,0,1,1\n", "test.rc(4): dialog without END"},
      {"1 DIALOG 0,0,-5,10\nBEGIN\nEND\n", "test.rc(2): size out of range"},
      {"1 DIALOG 0,0,5,10\nFONT 8\nBEGIN\nEND\n", "test.rc(3): expected , before the font name"},
      {"1 DIALOG 0,0,5,10\nHELPID 8\nBEGIN\nEND\n", "test.rc(2): unknown dialog option HELPID"},
      {"100 MENU\nBEGIN\n  MENUITEM \"x\"\nEND\n", "test.rc(4): expected , before the command id"},
      {"100 MENU\nBEGIN\n  ITEM \"x\", 1\nEND\n", "test.rc(3): expected MENUITEM or POPUP"},
      {"100 MENU\nBEGIN\n MENUITEM \"x\", 0\nEND\n", "test.rc(3): command id out of range"},
      {"100 MENU\nBEGIN\n POPUP \"x\"\n BEGIN\n", "test.rc(4): menu without END"},
      {"20 ACCELERATORS\nBEGIN\n  \"AB\", 5\nEND\n", "test.rc(3): bad accelerator key \"AB\""},
      {"20 ACCELERATORS\nBEGIN\n \"A\", 5, VIRTKEY, CTRL\nEND\n", "test.rc(3): unknown accelerator option CTRL"},
      {"20 ACCELERATORS\nBEGIN\n \"A\", 5, VIRTKEY CONTROL\nEND\n", "test.rc(3): expected , between accelerator options"},
      {"110 TOOLBAR 0, 15\nBEGIN\nEND\n", "test.rc(1): toolbar button size out of range"},
      {"110 TOOLBAR 16,15\nBEGIN\n ITEM 5\nEND\n", "test.rc(3): expected BUTTON or SEPARATOR"},
      {"110 BITMAP\n", "test.rc(2): expected a file name"},
      {"\"HAND\" CURSOR \"hand.cur\"\n", "test.rc(1): CURSOR HAND needs a numeric id"},
      {"5 ICON \"a.ico\"\n5 ICON \"b.ico\"\n", "test.rc(2): duplicate ICON 5"},
  };
  for (const Case& c : cases) {
    ResourceParseResult result = Parse(c.text);
    EXPECT_FALSE(result.ok) << c.text;
    EXPECT_EQ(result.error, c.error) << c.text;
  }
}

TEST(ResourceConstructs, SurvivesDamagedScripts) {
  const std::string script = std::string(kSampleDialog) +
                             "100 MENU\nBEGIN\n POPUP \"P\"\n BEGIN\n  MENUITEM \"&A\", 4060\n  MENUITEM SEPARATOR\n END\nEND\n"
                             "20 ACCELERATORS\nBEGIN\n \"N\", 4000, VIRTKEY, CONTROL\nEND\n"
                             "110 TOOLBAR 16, 15\nBEGIN\n BUTTON 4060\n SEPARATOR\nEND\n110 BITMAP \"tb.bmp\"\n";
  ASSERT_TRUE(Parse(script).ok);
  for (std::size_t length = 0; length < script.size(); ++length) {
    ResourceParseResult result = Parse(script.substr(0, length));  // must simply not crash
    if (!result.ok) {
      EXPECT_FALSE(result.error.empty());
    }
  }
  // Huge numbers, endless nesting and junk give errors, never a crash.
  EXPECT_FALSE(Parse("1 DIALOG 0,0,99999999999999999999,1\nBEGIN\nEND\n").ok);
  EXPECT_FALSE(Parse("1 TOOLBAR 99999999999, 16\nBEGIN\nEND\n").ok);
  std::string nested = "100 MENU\nBEGIN\n";
  for (int i = 0; i < 5000; ++i) nested += "POPUP \"x\" BEGIN\n";
  ResourceParseResult deep = Parse(nested);
  EXPECT_FALSE(deep.ok);
  EXPECT_NE(deep.error.find("menu nested too deeply"), std::string::npos);
  std::string junk = "1 DIALOGEX 0,0,1,1\nBEGIN\n";
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919 + 13) & 0xFF);
  EXPECT_FALSE(Parse(junk).ok);
}
