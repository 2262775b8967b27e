#pragma once
// The open-circuit gas-consumption document: one table per dive with its header and one row per
// gas. It has no parameters: its title, author and link stay empty.
#include <string>
#include <vector>

#include "views/core/TableDocumentHtml.h"

namespace views {

class CGasConsumptionTablesHtml : public CTableDocumentHtml {
 public:
  // header and rows as for the dive-table document; no flags and no warnings.
  void AddTable(const std::string& header, bool cnsOverLimit, bool otuOverLimit, const std::vector<std::string>& rows,
                const std::string& footerText);

 protected:
  std::string TableTemplate() const override;
};

}  // namespace views
