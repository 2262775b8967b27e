#include "views/core/TableDocumentHtml.h"

#include "engine/support/SParser.h"

namespace views {
namespace {

constexpr int kHeaderFieldCount = 6;

constexpr const char* kHeadTemplate =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html>\n"
    "<head>\n"
    "<title>#TITLE#</title>\n"
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">\n"
    "<meta name=\"author\" content=\"#AUTHOR#\">\n"
    "<style type=\"text/css\">\n"
    "div.breakafter\t{page-break-after:always;\tcolor: silver}\n"
    "div.breakbefore {page-break-before:always;\tcolor: silver}\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";

constexpr const char* kFooterTemplate =
    "<br>\n"
    "<font size=-1>\n"
    "<CENTER>\n"
    "<p><a href=\"#LINK#\">#LINKTEXT#</a></p>\n"
    "<hr width = \"40%\"; heigth = \"5\">\n"
    "#FOOTER#\n"
    "</CENTER>\n"
    "</body>\n"
    "</html>";

constexpr const char* kLinkParagraph = "<p><a href=\"#LINK#\">#LINKTEXT#</a></p>";
constexpr const char* kHeadingCellTemplate = "<th valign=\"middle\" align=\"center\">#HEADER#</th>\n";
constexpr const char* kDataCellTemplate = "<td valign=\"middle\" align=\"center\">#CONTENT#</td>\n";
constexpr const char* kPageBreak = "<div class=\"breakafter\"><br></div>\n";

}  // namespace

std::tm CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::string FormatTableTime(const std::tm& time) {
  char text[64];
  return std::strftime(text, sizeof text, "%d.%m.20%y %H:%M:%S", &time) == 0 ? std::string() : std::string(text);
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string CTableDocumentHtml::TableHeadTemplate(const char* cnsAndOtuLine) {
  return std::string(
             "<table border=\"1\" cellpadding=\"5\" align=\"center\" width=\"90%\">\n"
             "<THEAD style=\"display: table-header-group\">\n"
             "<tr>\n"
             "<td>\n"
             "<table border=\"1\" cellpadding=\"1\" width=\"100%\">\n"
             "<tr>\n"
             "<td rowspan=\"3\" valign=\"middle\" align=\"middle\" width=\"10%\"><h1>#HEADERDEPTH#</h1></td>\n"
             "<td valign=\"middle\" align=\"middle\"><h2>&nbsp;#HEADERTITLE#</h2></td>\n"
             "<td rowspan=\"3\" valign=\"middle\" align=\"middle\" width=\"10%\"><h1>#HEADERGRADIENTFACTORS#</h1></td>\n"
             "</tr>\n"
             "<tr>\n"
             "<td valign=\"middle\" align=\"left\">&nbsp;#HEADERDIVENUMBER#</td>\n"
             "</tr>\n"
             "<tr>\n") +
         cnsAndOtuLine +
         "</tr>\n"
         "</table>\n"
         "</td>\n"
         "</tr>\n"
         "</THEAD>\n";
}

void CTableDocumentHtml::FillHeader(std::string& frame, const std::string& header,
                                    const std::function<std::string(std::size_t, const std::string&)>& decorate) {
  static const char* const kPlaceholders[kHeaderFieldCount] = {
      "#HEADERDEPTH#", "#HEADERTITLE#", "#HEADERGRADIENTFACTORS#", "#HEADERDIVENUMBER#", "#HEADERCNS#", "#HEADEROTU#"};
  const CSParser parser(header, '~');
  for (int i = 1; i <= parser.GetCount() && i <= kHeaderFieldCount; ++i) {
    const auto index = static_cast<std::size_t>(i - 1);
    ReplaceAll(frame, kPlaceholders[index], decorate(index, parser.GetField(i)));
  }
}

std::string CTableDocumentHtml::InRed(const std::string& text, bool red) {
  return red ? "<font color = red>" + text + "</font>" : text;
}

void CTableDocumentHtml::Reset() {
  document_.clear();
  tableCount_ = 0;
  head_ = kHeadTemplate;
  table_ = TableTemplate();
  LoadCellTemplates();
  BuildFooter();
  StartDocument();
}

void CTableDocumentHtml::LoadCellTemplates() {
  headingCell_ = kHeadingCellTemplate;
  dataCell_ = kDataCellTemplate;
}

void CTableDocumentHtml::StartDocument() {
  ReplaceAll(head_, "#TITLE#", title_);
  ReplaceAll(head_, "#AUTHOR#", author_);
  ReplaceAll(head_, "#BKCOLOR#", backgroundColour_);
  ReplaceAll(head_, "#TEXTCOLOR#", textColour_);
  document_ = head_ + "\n";
}

void CTableDocumentHtml::BuildFooter() {
  footer_ = kFooterTemplate;
  createdTime_ = clock_();
  const std::string footerLine = std::string("Dive Table created by the Velmar Tessaline program<br>") +
                                 "THIS TABLE IS FOR PROGRAM TEST PURPOSES ONLY<br>" +
                                 "DO NOT USE THE DATA CONTAINED IN THIS TEST TABLE<br>" + "This file was created on " +
                                 FormatTableTime(createdTime_);
  if (!link_.empty()) {
    ReplaceAll(footer_, "#LINK#", link_);
    ReplaceAll(footer_, "#LINKTEXT#", linkText_);
  } else {
    ReplaceAll(footer_, kLinkParagraph, "");
  }
  ReplaceAll(footer_, "#FOOTER#", footerLine);
}

void CTableDocumentHtml::EndDocument() { document_ += footer_; }

void CTableDocumentHtml::BeginTable() {
  if (tableCount_ != 0) document_ += kPageBreak;
  ++tableCount_;
}

void CTableDocumentHtml::AppendCells(std::string& body, const std::string& fields, const std::string& cellTemplate,
                                     const char* placeholder) {
  const CSParser parser(fields, '~');
  for (int i = 1; i <= parser.GetCount(); ++i) {
    std::string cell = cellTemplate;
    ReplaceAll(cell, placeholder, parser.GetField(i));
    body += cell;
  }
}

void CTableDocumentHtml::AppendHeadingRow(std::string& body, const std::string& headings,
                                          const std::string& cellTemplate) {
  body += "<tr>\n";
  AppendCells(body, headings, cellTemplate, "#HEADER#");
  body += "</tr>\n";
}

void CTableDocumentHtml::AppendDataRows(std::string& body, const std::vector<std::string>& rows,
                                        const std::function<std::string(std::size_t)>& opening) const {
  for (std::size_t r = 1; r < rows.size(); ++r) {
    body += opening(r);
    AppendCells(body, rows[r], dataCell_, "#CONTENT#");
    body += "</tr>\n";
  }
}

void CTableDocumentHtml::AppendTable(std::string frame, const std::string& body, const std::string& footerText) {
  ReplaceAll(frame, "#SEGMENTTABLE#", body);
  ReplaceAll(frame, "#FOOTERTEXT#", footerText);
  document_ += frame;
}

}  // namespace views
