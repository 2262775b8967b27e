#pragma once
// The notes a user adds to a table document. They stand in a row of their own at the end of
// every table's footer (the section from "<TFOOT" to "</TFOOT>"), all tables carrying the same
// notes; in the document they are escaped text with "<br>" and a line feed at each line end.
#include <string>

namespace views {

// The notes of the document's first footer as typed: lines ended by "\n"; empty when the
// document has none.
std::string ReadTableNotes(const std::string& html);
// The document with these notes in every table's footer; empty notes remove the notes row. A
// document without a footer is returned unchanged.
std::string WriteTableNotes(const std::string& html, const std::string& notes);

}  // namespace views
