#include "views/core/GasConsumptionTablesHtml.h"

namespace views {
namespace {

constexpr const char* kCnsAndOtuLine =
    "<td valign=\"middle\" align=\"left\">&nbsp;#HEADERCNS# - #HEADEROTU#</td>\n";
constexpr const char* kFootAndBody =
    "<TFOOT style=\"display: table-footer-group\">\n"
    "<tr>\n"
    "<td valign=\"middle\" align=\"center\">#FOOTERTEXT#</td>\n"
    "</tr>\n"
    "</TFOOT>\n"
    "<TBODY>\n"
    "#SEGMENTTABLE#\n"
    "</TBODY>\n"
    "</table>\n";

}  // namespace

std::string CGasConsumptionTablesHtml::TableTemplate() const { return TableHeadTemplate(kCnsAndOtuLine) + kFootAndBody; }

void CGasConsumptionTablesHtml::AddTable(const std::string& header, bool cnsOverLimit, bool otuOverLimit,
                                         const std::vector<std::string>& rows, const std::string& footerText) {
  BeginTable();
  std::string frame = table_;
  // The CNS and OTU places are marked red over their limits even when their texts are empty.
  FillHeader(frame, header, [&](std::size_t index, const std::string& field) {
    if (index == kCnsField) return InRed(field, cnsOverLimit);
    if (index == kOtuField) return InRed(field, otuOverLimit);
    return field;
  });

  std::string body = kBodyStart;
  if (!rows.empty()) AppendHeadingRow(body, rows[0], headingCell_);
  AppendDataRows(body, rows, [](std::size_t r) { return r % 2 == 0 ? "<tr bgcolor=\"#DDDDDD\">\n" : "<tr>\n"; });
  body += "</table>\n</td>\n</tr>";
  AppendTable(std::move(frame), body, footerText);
}

}  // namespace views
