#pragma once
// The dive-table document: one table per dive (or per generated set) with its header, its rows
// (flagged rows in red), an optional warning table and a footer line.
#include <string>
#include <vector>

#include "views/core/TableDocumentHtml.h"

namespace views {

class CDivePlanTablesHtml : public CTableDocumentHtml {
 public:
  // Stores the texts and restarts the document. The table name and the warning and highlight
  // colours are kept for the callers; no template shows them.
  void SetParameters(const std::string& title, const std::string& author, const std::string& tableName,
                     const std::string& link, const std::string& linkText, const std::string& backgroundColour,
                     const std::string& textColour, const std::string& warningColour,
                     const std::string& highlightColour);

  // header: depth, title, gradient factors, dive number, CNS and OTU texts joined by "~".
  // rows: element 0 the column headings, every later one a data row, fields joined by "~".
  // flags: per element of rows, a row shown in red (element 0 unused; missing means not).
  // warnings: element 0 the headings of the warning table, every later one a label followed by
  // its lines; empty for no warning table.
  void AddTable(const std::string& header, bool cnsOverLimit, bool otuOverLimit, const std::vector<std::string>& rows,
                const std::string& footerText, const std::vector<bool>& flags,
                const std::vector<std::string>& warnings);

  const std::string& GetTableName() const { return tableName_; }
  const std::string& GetWarningColour() const { return warningColour_; }
  const std::string& GetHighlightColour() const { return highlightColour_; }

 protected:
  std::string TableTemplate() const override;
  void LoadCellTemplates() override;

 private:
  void AppendWarningTable(std::string& body, const std::vector<std::string>& warnings) const;

  std::string tableName_;
  std::string warningColour_;
  std::string highlightColour_;
  std::string warningHeadingCell_;
  std::string warningDataCell_;
};

}  // namespace views
