#pragma once
// Plain text on its way into and out of the table documents, and the bytes of a saved document.
#include <string>
#include <string_view>

namespace views {

// The text as it must stand in an HTML document to be shown as typed: "&", "<" and ">" become
// character references; text that is not valid UTF-8 is read as Windows-1252 first.
std::string EscapeHtml(std::string_view text);
// Undoes EscapeHtml: "&lt;", "&gt;" and "&amp;" become the characters again.
std::string UnescapeHtml(std::string_view text);

// The bytes of a document saved as a file: ISO-8859-1, as its head declares, with a numeric
// character reference for every character outside it, and line ends CR LF.
std::string DocumentFileBytes(std::string_view html);

}  // namespace views
