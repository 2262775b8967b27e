// MENU, ACCELERATORS and TOOLBAR statements.
#include <cctype>

#include "platform/ResourceStatements.h"

namespace platform::rc {
namespace {

constexpr int kMaxMenuDepth = 16;

bool IsItemOption(const TokenReader& reader, std::size_t ahead) {
  for (std::string_view option : {"GRAYED", "CHECKED", "INACTIVE", "MENUBREAK", "MENUBARBREAK", "HELP"}) {
    if (reader.IsWord(reader.Peek(ahead), option)) return true;
  }
  return false;
}

// Options after an item's text and id, with or without commas between them.
void ItemOptions(TokenReader& reader, MenuItem& item) {
  for (;;) {
    if (reader.PeekComma() && IsItemOption(reader, 1)) reader.Next();
    if (!IsItemOption(reader, 0)) return;
    const Token& option = reader.Next();
    if (option.text == "GRAYED" || option.text == "INACTIVE") item.grayed = true;
    else if (option.text == "CHECKED") item.checked = true;
  }
}

bool MenuBody(TokenReader& reader, std::vector<MenuItem>& items, int depth) {
  const Token& start = reader.Peek();
  if (depth > kMaxMenuDepth) return reader.Fail(start, "menu nested too deeply");
  if (!reader.Expect("BEGIN")) return false;
  while (!reader.PeekWord("END")) {
    if (reader.AtEnd()) return reader.Fail(start, "menu without END");
    const Token& keyword = reader.Next();
    MenuItem item;
    if (reader.IsWord(keyword, "MENUITEM")) {
      if (reader.PeekWord("SEPARATOR")) {
        reader.Next();
        item.separator = true;
      } else {
        if (!reader.Text(item.text, "the item text") || !reader.ExpectComma("the command id") ||
            !reader.Integer(item.id)) {
          return false;
        }
        if (item.id <= 0 || item.id > 0xFFFF) return reader.Fail(keyword, "command id out of range");
        ItemOptions(reader, item);
      }
    } else if (reader.IsWord(keyword, "POPUP")) {
      item.popup = true;
      if (!reader.Text(item.text, "the drop-down text")) return false;
      ItemOptions(reader, item);
      if (!MenuBody(reader, item.items, depth + 1)) return false;
    } else {
      return reader.Fail(keyword, "expected MENUITEM or POPUP");
    }
    items.push_back(std::move(item));
  }
  reader.Next();
  return true;
}

bool AcceleratorKey(TokenReader& reader, Accelerator& accelerator) {
  const Token& event = reader.Peek();
  if (event.kind != Token::Kind::String) return reader.Integer(accelerator.key);
  reader.Next();
  const std::string& text = event.text;
  if (text.size() == 2 && text[0] == '^' && std::isalpha(static_cast<unsigned char>(text[1]))) {
    accelerator.key = std::toupper(static_cast<unsigned char>(text[1]));
    accelerator.control = true;
    return true;
  }
  if (text.size() != 1) return reader.Fail(event, "bad accelerator key \"" + text + "\"");
  accelerator.key = static_cast<unsigned char>(text[0]);
  return true;
}

bool AcceleratorOptions(TokenReader& reader, const Token& line, Accelerator& accelerator) {
  while (reader.PeekComma()) {
    reader.Next();
    const Token& option = reader.Next();
    if (reader.IsWord(option, "VIRTKEY")) accelerator.virtualKey = true;
    else if (reader.IsWord(option, "ASCII")) accelerator.virtualKey = false;
    else if (reader.IsWord(option, "CONTROL")) accelerator.control = true;
    else if (reader.IsWord(option, "SHIFT")) accelerator.shift = true;
    else if (reader.IsWord(option, "ALT")) accelerator.alt = true;
    else if (!reader.IsWord(option, "NOINVERT")) return reader.Fail(option, "unknown accelerator option " + option.text);
  }
  if (reader.Peek().line == line.line && !reader.PeekWord("END")) {
    return reader.Fail(reader.Peek(), "expected , between accelerator options");
  }
  return true;
}

}  // namespace

bool ParseMenu(TokenReader& reader, Menu& menu) {
  SkipMemoryOptions(reader);
  return MenuBody(reader, menu.items, 0);
}

bool ParseAccelerators(TokenReader& reader, std::vector<Accelerator>& table) {
  SkipMemoryOptions(reader);
  const Token& start = reader.Peek();
  if (!reader.Expect("BEGIN")) return false;
  while (!reader.PeekWord("END")) {
    if (reader.AtEnd()) return reader.Fail(start, "ACCELERATORS without END");
    const Token& line = reader.Peek();
    Accelerator accelerator;
    if (!AcceleratorKey(reader, accelerator) || !reader.ExpectComma("the command id") ||
        !reader.Integer(accelerator.command) || !AcceleratorOptions(reader, line, accelerator)) {
      return false;
    }
    if (accelerator.key <= 0 || accelerator.key > 0xFF) return reader.Fail(line, "accelerator key out of range");
    if (accelerator.command <= 0 || accelerator.command > 0xFFFF) return reader.Fail(line, "command id out of range");
    table.push_back(accelerator);
  }
  reader.Next();
  return true;
}

bool ParseToolbar(TokenReader& reader, Toolbar& toolbar) {
  SkipMemoryOptions(reader);
  const Token& sizeToken = reader.Peek();
  if (!reader.Integer(toolbar.buttonWidth) || !reader.ExpectComma("the button height") ||
      !reader.Integer(toolbar.buttonHeight)) {
    return false;
  }
  if (toolbar.buttonWidth <= 0 || toolbar.buttonHeight <= 0 || toolbar.buttonWidth > 256 || toolbar.buttonHeight > 256) {
    return reader.Fail(sizeToken, "toolbar button size out of range");
  }
  const Token& start = reader.Peek();
  if (!reader.Expect("BEGIN")) return false;
  while (!reader.PeekWord("END")) {
    if (reader.AtEnd()) return reader.Fail(start, "TOOLBAR without END");
    const Token& keyword = reader.Next();
    if (reader.IsWord(keyword, "SEPARATOR")) {
      toolbar.buttons.push_back(0);
    } else if (reader.IsWord(keyword, "BUTTON")) {
      int id = 0;
      if (!reader.Integer(id)) return false;
      if (id <= 0 || id > 0xFFFF) return reader.Fail(keyword, "command id out of range");
      toolbar.buttons.push_back(id);
    } else {
      return reader.Fail(keyword, "expected BUTTON or SEPARATOR");
    }
  }
  reader.Next();
  return true;
}

}  // namespace platform::rc
