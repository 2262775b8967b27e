#include "views/core/TableNotes.h"

#include <optional>

#include "views/core/HtmlText.h"
#include "views/core/TableDocumentHtml.h"

namespace views {
namespace {

constexpr std::string_view kFooterStart = "<TFOOT";
constexpr std::string_view kFooterEnd = "</TFOOT>";
// The whole opening of the notes row, so that a "Notes:" elsewhere in a footer is never taken
// for it.
constexpr std::string_view kNotesRowStart = "<tr>\n<td valign=\"middle\" align=\"centre\"><b>Notes:</b><br>";
constexpr std::string_view kNotesRowEnd = "</td>\n</tr>\n";
constexpr std::string_view kCellEnd = "</td>";

struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;  // one past the last character
};

// The footer section that starts at or after from.
std::optional<Span> FindFooter(const std::string& html, std::size_t from) {
  const std::size_t begin = html.find(kFooterStart, from);
  if (begin == std::string::npos) return std::nullopt;
  const std::size_t close = html.find(kFooterEnd, begin);
  if (close == std::string::npos) return std::nullopt;
  return Span{begin, close + kFooterEnd.size()};
}

// Where the notes row of a footer section stands and where its text lies.
struct NotesRow {
  std::size_t rowBegin = 0;
  Span text;
};

std::optional<NotesRow> FindNotes(const std::string& section) {
  const std::size_t row = section.find(kNotesRowStart);
  if (row == std::string::npos) return std::nullopt;
  const std::size_t textBegin = row + kNotesRowStart.size();
  const std::size_t textEnd = section.find(kCellEnd, textBegin);
  if (textEnd == std::string::npos) return std::nullopt;
  return NotesRow{row, {textBegin, textEnd}};
}

// The typed notes as they stand in the document.
std::string NotesMarkup(const std::string& notes) {
  std::string lines = notes;
  ReplaceAll(lines, "\r\n", "\n");
  ReplaceAll(lines, "\r", "\n");
  std::string markup = EscapeHtml(lines);
  ReplaceAll(markup, "\n", "<br>\n");
  return markup;
}

std::string FooterWithNotes(const std::string& section, const std::string& notes) {
  const std::optional<NotesRow> row = FindNotes(section);
  const std::string markup = NotesMarkup(notes);
  if (row) {
    if (!markup.empty()) {
      return section.substr(0, row->text.begin) + markup + section.substr(row->text.end);
    }
    const std::size_t close = section.find(kFooterEnd, row->text.end);
    return section.substr(0, row->rowBegin) + section.substr(close);
  }
  if (markup.empty()) return section;
  const std::size_t close = section.rfind(kFooterEnd);
  return section.substr(0, close) + std::string(kNotesRowStart) + markup + std::string(kNotesRowEnd) +
         section.substr(close);
}

}  // namespace

std::string ReadTableNotes(const std::string& html) {
  const std::optional<Span> footer = FindFooter(html, 0);
  if (!footer) return {};
  const std::string section = html.substr(footer->begin, footer->end - footer->begin);
  const std::optional<NotesRow> row = FindNotes(section);
  if (!row) return {};
  std::string notes = section.substr(row->text.begin, row->text.end - row->text.begin);
  ReplaceAll(notes, "<br>\n", "\n");
  ReplaceAll(notes, "<br>", "\n");
  return UnescapeHtml(notes);
}

std::string WriteTableNotes(const std::string& html, const std::string& notes) {
  const std::optional<Span> first = FindFooter(html, 0);
  if (!first) return html;
  const std::string footer = FooterWithNotes(html.substr(first->begin, first->end - first->begin), notes);
  std::string document = html;
  for (std::optional<Span> section = first; section; section = FindFooter(document, section->begin + footer.size())) {
    document.replace(section->begin, section->end - section->begin, footer);
  }
  return document;
}

}  // namespace views
