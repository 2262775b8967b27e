#pragma once
// What the table viewer does with its document apart from showing it: which links leave it for
// the desktop's browser, and the form of the document for the print preview, whose renderer
// knows only the plain HTML attributes.
#include <string>
#include <string_view>

namespace views {

// A page the viewer may load itself: its own document ("about:" addresses).
bool StaysInViewer(std::string_view url);
// A link handed to the desktop's browser: http and https addresses only.
bool OpensInDesktopBrowser(std::string_view url);

// The document with the row colours and the page breaks written as attributes and font tags:
// grey rows as a background colour, red rows with every cell's text in red, a page break before
// every table after the first.
std::string PrintPreviewHtml(const std::string& html);

}  // namespace views
