#include "platform/ResourceConstants.h"

#include <map>
#include <string>

namespace platform::rc {
namespace {

using ConstantTable = std::map<std::string, long, std::less<>>;

void AddVersionAndLanguage(ConstantTable& table) {
  table.insert({
      {"VS_VERSION_INFO", 1}, {"VS_FFI_FILEFLAGSMASK", 0x3F}, {"VS_FF_DEBUG", 0x1},
      {"VS_FF_PRERELEASE", 0x2}, {"VOS_NT_WINDOWS32", 0x40004}, {"VOS__WINDOWS32", 0x4},
      {"VOS_UNKNOWN", 0}, {"VFT_APP", 1}, {"VFT_DLL", 2}, {"VFT_UNKNOWN", 0}, {"VFT2_UNKNOWN", 0},
      {"LANG_ENGLISH", 0x09}, {"SUBLANG_ENGLISH_US", 0x01}, {"LANG_SPANISH", 0x0A},
      {"SUBLANG_SPANISH", 0x01}, {"SUBLANG_SPANISH_MODERN", 0x03}, {"LANG_NEUTRAL", 0}, {"SUBLANG_NEUTRAL", 0},
      {"SUBLANG_DEFAULT", 0x01},
  });
}

void AddWindowStyles(ConstantTable& table) {
  table.insert({
      {"WS_OVERLAPPED", 0}, {"WS_POPUP", 0x80000000L}, {"WS_CHILD", 0x40000000L}, {"WS_MINIMIZE", 0x20000000L},
      {"WS_VISIBLE", 0x10000000L}, {"WS_DISABLED", 0x08000000L}, {"WS_CLIPSIBLINGS", 0x04000000L},
      {"WS_CLIPCHILDREN", 0x02000000L}, {"WS_MAXIMIZE", 0x01000000L}, {"WS_CAPTION", 0x00C00000L},
      {"WS_BORDER", 0x00800000L}, {"WS_DLGFRAME", 0x00400000L}, {"WS_VSCROLL", 0x00200000L},
      {"WS_HSCROLL", 0x00100000L}, {"WS_SYSMENU", 0x00080000L}, {"WS_THICKFRAME", 0x00040000L},
      {"WS_SIZEBOX", 0x00040000L}, {"WS_GROUP", 0x00020000L}, {"WS_TABSTOP", 0x00010000L},
      {"WS_MINIMIZEBOX", 0x00020000L}, {"WS_MAXIMIZEBOX", 0x00010000L}, {"WS_OVERLAPPEDWINDOW", 0x00CF0000L},
      {"WS_POPUPWINDOW", 0x80880000L},
      {"WS_EX_DLGMODALFRAME", 0x1}, {"WS_EX_NOPARENTNOTIFY", 0x4}, {"WS_EX_TOPMOST", 0x8},
      {"WS_EX_ACCEPTFILES", 0x10}, {"WS_EX_TRANSPARENT", 0x20}, {"WS_EX_TOOLWINDOW", 0x80},
      {"WS_EX_WINDOWEDGE", 0x100}, {"WS_EX_CLIENTEDGE", 0x200}, {"WS_EX_CONTEXTHELP", 0x400},
      {"WS_EX_RIGHT", 0x1000}, {"WS_EX_RTLREADING", 0x2000}, {"WS_EX_LEFTSCROLLBAR", 0x4000},
      {"WS_EX_CONTROLPARENT", 0x10000}, {"WS_EX_STATICEDGE", 0x20000}, {"WS_EX_APPWINDOW", 0x40000},
      {"WS_EX_LAYOUTRTL", 0x400000},
      {"DS_ABSALIGN", 0x1}, {"DS_SYSMODAL", 0x2}, {"DS_3DLOOK", 0x4}, {"DS_FIXEDSYS", 0x8},
      {"DS_NOFAILCREATE", 0x10}, {"DS_LOCALEDIT", 0x20}, {"DS_SETFONT", 0x40}, {"DS_MODALFRAME", 0x80},
      {"DS_NOIDLEMSG", 0x100}, {"DS_SETFOREGROUND", 0x200}, {"DS_CONTROL", 0x400}, {"DS_CENTER", 0x800},
      {"DS_CENTERMOUSE", 0x1000}, {"DS_CONTEXTHELP", 0x2000}, {"DS_SHELLFONT", 0x48},
  });
}

void AddControlStyles(ConstantTable& table) {
  table.insert({
      {"BS_PUSHBUTTON", 0}, {"BS_DEFPUSHBUTTON", 1}, {"BS_CHECKBOX", 2}, {"BS_AUTOCHECKBOX", 3},
      {"BS_RADIOBUTTON", 4}, {"BS_3STATE", 5}, {"BS_AUTO3STATE", 6}, {"BS_GROUPBOX", 7}, {"BS_USERBUTTON", 8},
      {"BS_AUTORADIOBUTTON", 9}, {"BS_OWNERDRAW", 0xB}, {"BS_TYPEMASK", 0xF}, {"BS_LEFTTEXT", 0x20},
      {"BS_TEXT", 0}, {"BS_ICON", 0x40}, {"BS_BITMAP", 0x80}, {"BS_LEFT", 0x100}, {"BS_RIGHT", 0x200},
      {"BS_CENTER", 0x300}, {"BS_TOP", 0x400}, {"BS_BOTTOM", 0x800}, {"BS_VCENTER", 0xC00},
      {"BS_PUSHLIKE", 0x1000}, {"BS_MULTILINE", 0x2000}, {"BS_NOTIFY", 0x4000}, {"BS_FLAT", 0x8000},
      {"SS_LEFT", 0}, {"SS_CENTER", 1}, {"SS_RIGHT", 2}, {"SS_ICON", 3}, {"SS_BLACKRECT", 4},
      {"SS_GRAYRECT", 5}, {"SS_WHITERECT", 6}, {"SS_BLACKFRAME", 7}, {"SS_GRAYFRAME", 8},
      {"SS_WHITEFRAME", 9}, {"SS_USERITEM", 0xA}, {"SS_SIMPLE", 0xB}, {"SS_LEFTNOWORDWRAP", 0xC},
      {"SS_OWNERDRAW", 0xD}, {"SS_BITMAP", 0xE}, {"SS_ENHMETAFILE", 0xF}, {"SS_ETCHEDHORZ", 0x10},
      {"SS_ETCHEDVERT", 0x11}, {"SS_ETCHEDFRAME", 0x12}, {"SS_TYPEMASK", 0x1F}, {"SS_NOPREFIX", 0x80},
      {"SS_NOTIFY", 0x100}, {"SS_CENTERIMAGE", 0x200}, {"SS_RIGHTJUST", 0x400}, {"SS_REALSIZEIMAGE", 0x800},
      {"SS_SUNKEN", 0x1000}, {"SS_ENDELLIPSIS", 0x4000}, {"SS_PATHELLIPSIS", 0x8000}, {"SS_WORDELLIPSIS", 0xC000},
      {"ES_LEFT", 0}, {"ES_CENTER", 1}, {"ES_RIGHT", 2}, {"ES_MULTILINE", 4}, {"ES_UPPERCASE", 8},
      {"ES_LOWERCASE", 0x10}, {"ES_PASSWORD", 0x20}, {"ES_AUTOVSCROLL", 0x40}, {"ES_AUTOHSCROLL", 0x80},
      {"ES_NOHIDESEL", 0x100}, {"ES_OEMCONVERT", 0x400}, {"ES_READONLY", 0x800}, {"ES_WANTRETURN", 0x1000},
      {"ES_NUMBER", 0x2000},
      {"CBS_SIMPLE", 1}, {"CBS_DROPDOWN", 2}, {"CBS_DROPDOWNLIST", 3}, {"CBS_OWNERDRAWFIXED", 0x10},
      {"CBS_OWNERDRAWVARIABLE", 0x20}, {"CBS_AUTOHSCROLL", 0x40}, {"CBS_OEMCONVERT", 0x80}, {"CBS_SORT", 0x100},
      {"CBS_HASSTRINGS", 0x200}, {"CBS_NOINTEGRALHEIGHT", 0x400}, {"CBS_DISABLENOSCROLL", 0x800},
      {"CBS_UPPERCASE", 0x2000}, {"CBS_LOWERCASE", 0x4000},
      {"LBS_NOTIFY", 1}, {"LBS_SORT", 2}, {"LBS_NOREDRAW", 4}, {"LBS_MULTIPLESEL", 8},
      {"LBS_OWNERDRAWFIXED", 0x10}, {"LBS_OWNERDRAWVARIABLE", 0x20}, {"LBS_HASSTRINGS", 0x40},
      {"LBS_USETABSTOPS", 0x80}, {"LBS_NOINTEGRALHEIGHT", 0x100}, {"LBS_MULTICOLUMN", 0x200},
      {"LBS_WANTKEYBOARDINPUT", 0x400}, {"LBS_EXTENDEDSEL", 0x800}, {"LBS_DISABLENOSCROLL", 0x1000},
      {"LBS_NODATA", 0x2000}, {"LBS_NOSEL", 0x4000}, {"LBS_STANDARD", 0xA00003},
      {"UDS_WRAP", 1}, {"UDS_SETBUDDYINT", 2}, {"UDS_ALIGNRIGHT", 4}, {"UDS_ALIGNLEFT", 8},
      {"UDS_AUTOBUDDY", 0x10}, {"UDS_ARROWKEYS", 0x20}, {"UDS_HORZ", 0x40}, {"UDS_NOTHOUSANDS", 0x80},
      {"UDS_HOTTRACK", 0x100},
      {"LVS_ICON", 0}, {"LVS_REPORT", 1}, {"LVS_SMALLICON", 2}, {"LVS_LIST", 3}, {"LVS_TYPEMASK", 3},
      {"LVS_SINGLESEL", 4}, {"LVS_SHOWSELALWAYS", 8}, {"LVS_SORTASCENDING", 0x10}, {"LVS_SORTDESCENDING", 0x20},
      {"LVS_SHAREIMAGELISTS", 0x40}, {"LVS_NOLABELWRAP", 0x80}, {"LVS_AUTOARRANGE", 0x100},
      {"LVS_EDITLABELS", 0x200}, {"LVS_OWNERDRAWFIXED", 0x400}, {"LVS_ALIGNLEFT", 0x800},
      {"LVS_OWNERDATA", 0x1000}, {"LVS_NOSCROLL", 0x2000}, {"LVS_NOCOLUMNHEADER", 0x4000},
      {"LVS_NOSORTHEADER", 0x8000},
      {"TCS_TABS", 0}, {"TCS_SCROLLOPPOSITE", 1}, {"TCS_BOTTOM", 2}, {"TCS_RIGHT", 2}, {"TCS_MULTISELECT", 4},
      {"TCS_FLATBUTTONS", 8}, {"TCS_FORCEICONLEFT", 0x10}, {"TCS_FORCELABELLEFT", 0x20}, {"TCS_HOTTRACK", 0x40},
      {"TCS_VERTICAL", 0x80}, {"TCS_BUTTONS", 0x100}, {"TCS_SINGLELINE", 0}, {"TCS_MULTILINE", 0x200},
      {"TCS_RIGHTJUSTIFY", 0}, {"TCS_FIXEDWIDTH", 0x400}, {"TCS_RAGGEDRIGHT", 0x800},
      {"TCS_FOCUSONBUTTONDOWN", 0x1000}, {"TCS_OWNERDRAWFIXED", 0x2000}, {"TCS_TOOLTIPS", 0x4000},
      {"TCS_FOCUSNEVER", 0x8000},
      {"PBS_SMOOTH", 1}, {"PBS_VERTICAL", 4}, {"PBS_MARQUEE", 8},
  });
}

void AddIdsAndKeys(ConstantTable& table) {
  table.insert({
      {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4}, {"IDIGNORE", 5}, {"IDYES", 6},
      {"IDNO", 7}, {"IDCLOSE", 8}, {"IDHELP", 9}, {"IDC_STATIC", -1},
      {"VK_BACK", 0x08}, {"VK_TAB", 0x09}, {"VK_RETURN", 0x0D}, {"VK_SHIFT", 0x10}, {"VK_CONTROL", 0x11},
      {"VK_MENU", 0x12}, {"VK_PAUSE", 0x13}, {"VK_ESCAPE", 0x1B}, {"VK_SPACE", 0x20}, {"VK_PRIOR", 0x21},
      {"VK_NEXT", 0x22}, {"VK_END", 0x23}, {"VK_HOME", 0x24}, {"VK_LEFT", 0x25}, {"VK_UP", 0x26},
      {"VK_RIGHT", 0x27}, {"VK_DOWN", 0x28}, {"VK_INSERT", 0x2D}, {"VK_DELETE", 0x2E},
      {"VK_MULTIPLY", 0x6A}, {"VK_ADD", 0x6B}, {"VK_SUBTRACT", 0x6D}, {"VK_DECIMAL", 0x6E}, {"VK_DIVIDE", 0x6F},
  });
  for (int i = 0; i < 10; ++i) table.insert({"VK_NUMPAD" + std::to_string(i), 0x60 + i});
  for (int i = 1; i <= 12; ++i) table.insert({"VK_F" + std::to_string(i), 0x70 + i - 1});
}

}  // namespace

std::optional<long> BuiltInConstant(std::string_view name) {
  static const ConstantTable constants = [] {
    ConstantTable table;
    AddVersionAndLanguage(table);
    AddWindowStyles(table);
    AddControlStyles(table);
    AddIdsAndKeys(table);
    return table;
  }();
  auto found = constants.find(name);
  if (found == constants.end()) return std::nullopt;
  return found->second;
}

}  // namespace platform::rc
