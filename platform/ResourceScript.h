#pragma once
// What a resource script holds, as read by ParseResourceScript.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct VersionBlock {
  std::array<std::uint16_t, 4> fileVersion{};
  std::array<std::uint16_t, 4> productVersion{};
  // StringFileInfo: translation key as written ("040904b0", lower case) → value name → text.
  std::map<std::string, std::map<std::string, std::string>> stringTables;
  // VarFileInfo\Translation: (language << 16) | code page, in the order written.
  std::vector<std::uint32_t> translations;
};

// One control of a dialog template. Geometry is in dialog units.
struct DialogControl {
  // "Button", "Static", "Edit", "ComboBox", "ListBox", "msctls_updown32", "SysListView32",
  // "SysTabControl32", "RichEdit20A" or "msctls_progress32".
  std::string className;
  std::string text;
  int textId = 0;  // the resource number written in place of the text (ICON controls), else 0
  int id = -1;
  int x = 0, y = 0, width = 0, height = 0;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
};

struct DialogTemplate {
  bool extended = false;  // DIALOGEX
  int x = 0, y = 0, width = 0, height = 0;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::string caption;
  std::string fontName;
  int fontPointSize = 0;  // 0: the default font
  std::vector<DialogControl> controls;
};

struct MenuItem {
  std::string text;   // with '&' mnemonics and a "\t" accelerator text
  int id = 0;         // command id; 0 for separators and drop-downs
  bool separator = false;
  bool grayed = false;
  bool checked = false;
  bool popup = false;
  std::vector<MenuItem> items;  // of a drop-down
};

struct Menu {
  std::vector<MenuItem> items;
};

struct Accelerator {
  int key = 0;             // virtual-key code, or the character of an ASCII accelerator
  bool virtualKey = false;
  bool control = false;
  bool shift = false;
  bool alt = false;
  int command = 0;
};

struct Toolbar {
  int buttonWidth = 16;
  int buttonHeight = 15;
  std::vector<int> buttons;  // command ids in order; 0 stands for a separator
};

enum class ImageKind { Bitmap, Icon, Cursor };

struct ResourceScript {
  std::map<int, std::string> strings;
  std::optional<VersionBlock> version;
  std::map<std::string, long> defines;
  std::map<int, DialogTemplate> dialogs;
  std::map<int, Menu> menus;
  std::map<int, std::vector<Accelerator>> acceleratorTables;
  std::map<int, Toolbar> toolbars;
  // Files named by BITMAP, ICON and CURSOR statements, '/' separated, relative to the script.
  std::map<int, std::string> bitmaps;
  std::map<int, std::string> icons;
  std::map<int, std::string> cursors;

  const std::map<int, std::string>& ImageFiles(ImageKind kind) const {
    return kind == ImageKind::Bitmap ? bitmaps : kind == ImageKind::Icon ? icons : cursors;
  }
};

struct ResourceParseResult {
  bool ok = false;
  std::string error;  // "<file>(<line>): <what>" when not ok
  ResourceScript script;
};

// Returns the text of an #include'd file, or nothing when it cannot be found.
using IncludeResolver = std::function<std::optional<std::string>(const std::string& name)>;

ResourceParseResult ParseResourceScript(std::string_view text, const std::string& fileName,
                                        const IncludeResolver& resolveInclude);

}  // namespace platform
