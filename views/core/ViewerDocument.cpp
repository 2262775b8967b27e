#include "views/core/ViewerDocument.h"

#include <algorithm>
#include <cctype>

#include "views/core/TableDocumentHtml.h"

namespace views {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

constexpr std::string_view kRedRowOpenings[] = {"<tr style=\"background-color:gainsboro;color:red\">",
                                                "<tr style=\"color:red\">"};
constexpr const char* kGreyRow = "<tr bgcolor=\"#DCDCDC\">";
constexpr const char* kRedText = "<font color=\"#FF0000\">";

// The cells of a row with their text in red.
std::string RedCells(std::string_view cells) {
  std::string red;
  std::size_t done = 0;
  for (std::size_t cell = cells.find("<td"); cell != std::string_view::npos; cell = cells.find("<td", done)) {
    const std::size_t open = cells.find('>', cell);
    const std::size_t close = open == std::string_view::npos ? open : cells.find("</td>", open);
    if (close == std::string_view::npos) break;
    red.append(cells.substr(done, open + 1 - done)).append(kRedText);
    red.append(cells.substr(open + 1, close - open - 1)).append("</font>");
    done = close;
  }
  return red.append(cells.substr(done));
}

}  // namespace

bool StaysInViewer(std::string_view url) { return StartsWithNoCase(url, "about:"); }

bool OpensInDesktopBrowser(std::string_view url) {
  return StartsWithNoCase(url, "http://") || StartsWithNoCase(url, "https://");
}

std::string PrintPreviewHtml(const std::string& html) {
  std::string preview = html;
  for (std::string_view opening : kRedRowOpenings) {
    const bool grey = opening.find("gainsboro") != std::string_view::npos;
    for (std::size_t row = preview.find(opening); row != std::string::npos; row = preview.find(opening, row)) {
      const std::size_t cells = row + opening.size();
      const std::size_t end = std::min(preview.find("</tr>", cells), preview.size());
      const std::string rewritten =
          (grey ? kGreyRow : "<tr>") + RedCells(std::string_view(preview).substr(cells, end - cells));
      preview.replace(row, end - row, rewritten);
      row += rewritten.size();
    }
  }
  ReplaceAll(preview, "<tr style=\"background-color:gainsboro\">", kGreyRow);
  ReplaceAll(preview, "<div class=\"breakafter\"><br></div>", "<div style=\"page-break-before:always\"></div>");
  return preview;
}

}  // namespace views
