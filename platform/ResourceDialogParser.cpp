#include "platform/RegistryDocument.h"  // EqualsIgnoringCase
#include "platform/ResourceConstants.h"
#include "platform/ResourceStatements.h"

namespace platform::rc {
namespace {

constexpr long kChildVisible = 0x40000000L | 0x10000000L;  // WS_CHILD | WS_VISIBLE
constexpr long kDefaultDialogStyle = 0x80880000L;           // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr long kCaption = 0x00C00000L;
constexpr long kSetFont = 0x40L;

// The short control statements: their class, their default style, whether text comes first and
// the default bits that a written style replaces instead of adding to them.
struct ControlKeyword {
  std::string_view keyword;
  std::string_view className;
  long style;
  bool hasText;
  long replacedByWrittenStyle = 0;
};

constexpr long kGroup = 0x00020000L;
constexpr long kTabStop = 0x00010000L;
constexpr long kBorder = 0x00800000L;

constexpr ControlKeyword kControlKeywords[] = {
    {"LTEXT", "Static", 0x0 | kGroup, true},
    {"RTEXT", "Static", 0x2 | kGroup, true},
    {"CTEXT", "Static", 0x1 | kGroup, true},
    {"ICON", "Static", 0x3, true},
    {"PUSHBUTTON", "Button", 0x0 | kTabStop, true},
    {"DEFPUSHBUTTON", "Button", 0x1 | kTabStop, true},
    {"GROUPBOX", "Button", 0x7, true},
    {"CHECKBOX", "Button", 0x2 | kTabStop, true},
    {"AUTOCHECKBOX", "Button", 0x3 | kTabStop, true},
    {"RADIOBUTTON", "Button", 0x4, true},
    {"AUTORADIOBUTTON", "Button", 0x9, true},
    {"EDITTEXT", "Edit", 0x0 | kBorder | kTabStop, false},
    {"COMBOBOX", "ComboBox", 0x1 | kTabStop, false, 0x3},  // a written style names its own box type
    {"LISTBOX", "ListBox", 0x1 | kBorder, false},
};

constexpr std::string_view kControlClasses[] = {
    "Button", "Static", "Edit", "ComboBox", "ListBox", "msctls_updown32", "SysListView32",
    "SysTabControl32", "RichEdit20A", "msctls_progress32",
};

std::string_view CanonicalClass(std::string_view name) {
  if (EqualsIgnoringCase(name, "RichEdit20W")) return "RichEdit20A";
  for (std::string_view known : kControlClasses) {
    if (EqualsIgnoringCase(name, known)) return known;
  }
  return {};
}

class DialogParser {
 public:
  DialogParser(TokenReader& reader, DialogTemplate& dialog) : r_(reader), dialog_(dialog) {}

  bool Run(bool extended) {
    dialog_.extended = extended;
    dialog_.style = kDefaultDialogStyle;
    SkipMemoryOptions(r_);
    if (!Rectangle(dialog_.x, dialog_.y, dialog_.width, dialog_.height)) return false;
    if (r_.PeekComma()) {  // help id of a DIALOGEX
      r_.Next();
      long ignored = 0;
      if (!r_.Expression(ignored)) return false;
    }
    if (!Options()) return false;
    if (!r_.Expect("BEGIN")) return false;
    while (!r_.PeekWord("END")) {
      if (r_.AtEnd()) return r_.Fail(r_.Peek(), "dialog without END");
      if (!Control()) return false;
    }
    r_.Next();
    return true;
  }

 private:
  bool Rectangle(int& x, int& y, int& width, int& height) {
    return r_.Integer(x) && r_.ExpectComma("y") && r_.Integer(y) && r_.ExpectComma("width") &&
           r_.Integer(width) && r_.ExpectComma("height") && r_.Integer(height) && CheckSize(width, height);
  }

  bool CheckSize(int width, int height) {
    if (width < 0 || height < 0 || width > 0x7FFF || height > 0x7FFF) return r_.Fail(r_.Peek(), "size out of range");
    return true;
  }

  bool Options() {
    while (!r_.PeekWord("BEGIN")) {
      const Token& option = r_.Peek();
      if (option.kind != Token::Kind::Identifier) return r_.Fail(option, "expected BEGIN");
      r_.Next();
      long value = 0;
      if (option.text == "STYLE") {
        if (!r_.Style(value)) return false;
        dialog_.style = static_cast<std::uint32_t>(value);
      } else if (option.text == "EXSTYLE") {
        if (!r_.Style(value)) return false;
        dialog_.exStyle = static_cast<std::uint32_t>(value);
      } else if (option.text == "CAPTION") {
        if (!r_.Text(dialog_.caption, "the caption text")) return false;
        dialog_.style |= kCaption;
      } else if (option.text == "FONT") {
        if (!Font()) return false;
      } else if (option.text == "MENU" || option.text == "CLASS") {
        r_.Next();
      } else if (option.text == "LANGUAGE") {
        if (!r_.Expression(value) || !r_.ExpectComma("the sub-language") || !r_.Expression(value)) return false;
      } else if (option.text == "CHARACTERISTICS" || option.text == "VERSION") {
        if (!r_.Expression(value)) return false;
      } else {
        return r_.Fail(option, "unknown dialog option " + option.text);
      }
    }
    return true;
  }

  bool Font() {
    if (!r_.Integer(dialog_.fontPointSize) || !r_.ExpectComma("the font name") ||
        !r_.Text(dialog_.fontName, "the font name")) {
      return false;
    }
    if (dialog_.fontPointSize <= 0 || dialog_.fontPointSize > 72) return r_.Fail(r_.Peek(), "font size out of range");
    while (r_.PeekComma()) {  // weight, italic, character set
      r_.Next();
      long ignored = 0;
      if (!r_.Expression(ignored)) return false;
    }
    dialog_.style |= kSetFont;
    return true;
  }

  bool ControlText(DialogControl& control) {
    if (r_.Peek().kind == Token::Kind::String) return r_.Text(control.text, "the control text");
    return r_.Integer(control.textId);
  }

  // Trailing ", style [, extended style [, help id]]".
  bool TrailingStyles(long& style, DialogControl& control) {
    if (!r_.PeekComma()) return true;
    r_.Next();
    return r_.Style(style) && TrailingExtras(control);
  }

  // Trailing ", extended style [, help id]".
  bool TrailingExtras(DialogControl& control) {
    if (!r_.PeekComma()) return true;
    r_.Next();
    long exStyle = 0;
    if (!r_.Style(exStyle)) return false;
    control.exStyle = static_cast<std::uint32_t>(exStyle);
    if (!r_.PeekComma()) return true;
    r_.Next();
    long ignored = 0;
    return r_.Expression(ignored);
  }

  bool Control() {
    const Token& keyword = r_.Next();
    if (keyword.kind != Token::Kind::Identifier) return r_.Fail(keyword, "expected a control statement");
    DialogControl control;
    if (keyword.text == "CONTROL") {
      if (!GenericControl(control)) return false;
    } else if (!KeywordControl(keyword, control)) {
      return false;
    }
    dialog_.controls.push_back(std::move(control));
    return true;
  }

  bool KeywordControl(const Token& keyword, DialogControl& control) {
    const ControlKeyword* kind = nullptr;
    for (const ControlKeyword& candidate : kControlKeywords) {
      if (keyword.text == candidate.keyword) kind = &candidate;
    }
    if (kind == nullptr) return r_.Fail(keyword, "unknown control statement " + keyword.text);
    control.className = kind->className;
    if (kind->hasText && (!ControlText(control) || !r_.ExpectComma("the control id"))) return false;
    if (!r_.Integer(control.id) || !r_.ExpectComma("x") || !r_.Integer(control.x) || !r_.ExpectComma("y") ||
        !r_.Integer(control.y)) {
      return false;
    }
    bool isIcon = keyword.text == "ICON";
    if (!isIcon || r_.PeekComma()) {
      if (!r_.ExpectComma("width") || !r_.Integer(control.width) || !r_.ExpectComma("height") ||
          !r_.Integer(control.height) || !CheckSize(control.width, control.height)) {
        return false;
      }
    }
    long style = kind->style | kChildVisible;
    if (r_.PeekComma()) style &= ~kind->replacedByWrittenStyle;
    if (!TrailingStyles(style, control)) return false;
    control.style = static_cast<std::uint32_t>(style);
    return true;
  }

  bool GenericControl(DialogControl& control) {
    std::string className;
    if (!ControlText(control) || !r_.ExpectComma("the control id") || !r_.Integer(control.id) ||
        !r_.ExpectComma("the class")) {
      return false;
    }
    const Token& classToken = r_.Peek();
    if (!r_.Text(className, "the class name")) return false;
    control.className = CanonicalClass(className);
    if (control.className.empty()) return r_.Fail(classToken, "unknown control class " + className);
    long style = kChildVisible;
    if (!r_.ExpectComma("the style") || !r_.Style(style) || !r_.ExpectComma("x") ||
        !Rectangle(control.x, control.y, control.width, control.height)) {
      return false;
    }
    control.style = static_cast<std::uint32_t>(style);
    return TrailingExtras(control);
  }

  TokenReader& r_;
  DialogTemplate& dialog_;
};

}  // namespace

void SkipMemoryOptions(TokenReader& reader) {
  for (;;) {
    bool skipped = false;
    for (std::string_view option : {"DISCARDABLE", "MOVEABLE", "FIXED", "PURE", "IMPURE", "PRELOAD", "LOADONCALL"}) {
      if (reader.PeekWord(option)) {
        reader.Next();
        skipped = true;
      }
    }
    if (!skipped) return;
  }
}

bool ParseDialog(TokenReader& reader, bool extended, DialogTemplate& dialog) {
  return DialogParser(reader, dialog).Run(extended);
}

bool ParseFileReference(TokenReader& reader, std::string& file) {
  SkipMemoryOptions(reader);
  const Token& name = reader.Peek();
  if (!reader.Text(file, "a file name")) return false;
  if (file.empty()) return reader.Fail(name, "empty file name");
  for (char& c : file) {
    if (c == '\\') c = '/';
  }
  return true;
}

}  // namespace platform::rc
