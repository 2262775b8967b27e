#include "views/core/DivePlanTablesHtml.h"

#include "engine/support/SParser.h"

namespace views {
namespace {

constexpr const char* kCnsAndOtuLine = "<td valign=\"middle\" align=\"left\">&nbsp;#HEADERCNS##HEADEROTU#</td>\n";
constexpr const char* kBodyAndFoot =
    "<TBODY>\n"
    "#SEGMENTTABLE#\n"
    "</TBODY>\n"
    "<TFOOT style=\"display: table-footer-group\">\n"
    "<tr>\n"
    "<td valign=\"middle\" align=\"center\">#FOOTERTEXT#</td>\n"
    "</tr>\n"
    "</TFOOT>\n"
    "</table>\n";

constexpr const char* kWarningHeadingCellTemplate = "<th valign=\"top\" align=\"left\">#HEADER#</th>\n";
constexpr const char* kWarningDataCellTemplate = "<td valign=\"top\" align=\"left\">#CONTENT#</td>\n";

const char* RowOpening(std::size_t row, bool flagged) {
  if (row % 2 == 0) return flagged ? "<tr style=\"background-color:gainsboro;color:red\"" : "<tr style=\"background-color:gainsboro\"";
  return flagged ? "<tr style=\"color:red\"" : "<tr";
}

}  // namespace

void CDivePlanTablesHtml::SetParameters(const std::string& title, const std::string& author,
                                        const std::string& tableName, const std::string& link,
                                        const std::string& linkText, const std::string& backgroundColour,
                                        const std::string& textColour, const std::string& warningColour,
                                        const std::string& highlightColour) {
  title_ = title;
  author_ = author;
  tableName_ = tableName;
  link_ = link;
  linkText_ = linkText;
  backgroundColour_ = backgroundColour;
  textColour_ = textColour;
  warningColour_ = warningColour;
  highlightColour_ = highlightColour;
  Reset();
}

std::string CDivePlanTablesHtml::TableTemplate() const { return TableHeadTemplate(kCnsAndOtuLine) + kBodyAndFoot; }

void CDivePlanTablesHtml::LoadCellTemplates() {
  CTableDocumentHtml::LoadCellTemplates();
  warningHeadingCell_ = kWarningHeadingCellTemplate;
  warningDataCell_ = kWarningDataCellTemplate;
}

void CDivePlanTablesHtml::AddTable(const std::string& header, bool cnsOverLimit, bool otuOverLimit,
                                   const std::vector<std::string>& rows, const std::string& footerText,
                                   const std::vector<bool>& flags, const std::vector<std::string>& warnings) {
  BeginTable();
  std::string frame = table_;
  // An empty CNS or OTU text leaves its place empty; the OTU text follows the CNS text after a dash.
  FillHeader(frame, header, [&](std::size_t index, const std::string& field) {
    if (field.empty()) return field;
    if (index == kCnsField) return InRed(field, cnsOverLimit);
    if (index == kOtuField) return " - " + InRed(field, otuOverLimit);
    return field;
  });

  std::string body = kBodyStart;
  if (!rows.empty()) AppendHeadingRow(body, rows[0], headingCell_);
  AppendDataRows(body, rows, [&flags](std::size_t r) {
    return std::string(RowOpening(r, r < flags.size() && flags[r])) + ">\n";
  });
  body += "</table>\n";
  if (!warnings.empty()) AppendWarningTable(body, warnings);
  body += "</td>\n</tr>";
  AppendTable(std::move(frame), body, footerText);
}

void CDivePlanTablesHtml::AppendWarningTable(std::string& body, const std::vector<std::string>& warnings) const {
  body += "<br><br>\n<table border=\"1\" cellpadding=\"5\" width=\"50%\">\n";
  AppendHeadingRow(body, warnings[0], warningHeadingCell_);
  for (std::size_t w = 1; w < warnings.size(); ++w) {
    const CSParser fields(warnings[w], '~');
    std::string lines;
    for (int i = 2; i <= fields.GetCount(); ++i) {
      if (!lines.empty()) lines += "<br>";
      lines += fields.GetField(i);
    }
    body += "<tr style=\"color:red\">\n";
    AppendCells(body, fields.GetField(1), warningDataCell_, "#CONTENT#");
    AppendCells(body, lines, warningDataCell_, "#CONTENT#");
    body += "</tr>\n";
  }
  body += "</table>\n<br>\n";
}

}  // namespace views
