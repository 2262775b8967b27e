// The two table documents at the edges of what they are given.
#include "views/core/DivePlanTablesHtml.h"
#include "views/core/GasConsumptionTablesHtml.h"

#include <gtest/gtest.h>

#include "tests/views/TableTestSupport.h"

namespace {

using views::CDivePlanTablesHtml;
using views::CGasConsumptionTablesHtml;

// The segment table of the document's only table: what AddTable put between the frame's rows.
std::string SegmentTable(const std::string& html) {
  const std::string start = "<TBODY>\n";
  const std::size_t begin = html.find(start) + start.size();
  return html.substr(begin, html.find("\n</TBODY>") - begin);
}

TEST(TableWriters, RowsWarningsAndHeaderFieldsAtTheirEdges) {
  CDivePlanTablesHtml writer;
  writer.SetClock(FixedMoment);
  writer.Reset();  // never given parameters, as the table generator's writer

  // Five header fields leave the OTU place as it is; no rows give no heading row either.
  writer.AddTable("d~t~g~n~c", false, true, {}, "F", {}, {});
  EXPECT_NE(writer.GetHtml().find("<h1>d</h1>"), std::string::npos);
  EXPECT_NE(writer.GetHtml().find("&nbsp;c#HEADEROTU#</td>"), std::string::npos);
  EXPECT_EQ(SegmentTable(writer.GetHtml()), "<tr>\n<td>\n<table border=\"1\" cellpadding=\"5\" width=\"100%\">\n"
                                            "</table>\n</td>\n</tr>");

  // Headings only; a warning table with its heading row only; flags missing for later rows.
  writer.Reset();
  writer.AddTable("1~2~3~4~~", true, true, {"A~B", "a~b", "c~d", "e~f"}, "F", {false, false, true},
                  {"Gas~Warnings"});
  const std::string table = SegmentTable(writer.GetHtml());
  EXPECT_EQ(table,
            "<tr>\n<td>\n<table border=\"1\" cellpadding=\"5\" width=\"100%\">\n"
            "<tr>\n<th valign=\"middle\" align=\"center\">A</th>\n<th valign=\"middle\" align=\"center\">B</th>\n</tr>\n"
            "<tr>\n<td valign=\"middle\" align=\"center\">a</td>\n<td valign=\"middle\" align=\"center\">b</td>\n</tr>\n"
            "<tr style=\"background-color:gainsboro;color:red\">\n<td valign=\"middle\" align=\"center\">c</td>\n"
            "<td valign=\"middle\" align=\"center\">d</td>\n</tr>\n"
            "<tr>\n<td valign=\"middle\" align=\"center\">e</td>\n<td valign=\"middle\" align=\"center\">f</td>\n</tr>\n"
            "</table>\n"
            "<br><br>\n<table border=\"1\" cellpadding=\"5\" width=\"50%\">\n<tr>\n"
            "<th valign=\"top\" align=\"left\">Gas</th>\n<th valign=\"top\" align=\"left\">Warnings</th>\n</tr>\n"
            "</table>\n<br>\n</td>\n</tr>");
  // Empty CNS and OTU texts stay empty even when over their limits.
  EXPECT_NE(writer.GetHtml().find("&nbsp;</td>\n</tr>\n</table>"), std::string::npos);

  // A warning with its label only has an empty second cell.
  writer.Reset();
  writer.AddTable("", false, false, {"A"}, "F", {}, {"Gas~Warnings", "Air", "Nx~~one~two"});
  EXPECT_NE(writer.GetHtml().find("<td valign=\"top\" align=\"left\">Air</td>\n<td valign=\"top\" align=\"left\"></td>"),
            std::string::npos);
  EXPECT_NE(writer.GetHtml().find("<td valign=\"top\" align=\"left\">one<br>two</td>"), std::string::npos);
  EXPECT_EQ(writer.GetHtml().find("#HEADER"), writer.GetHtml().find("#HEADERTITLE#"));  // only field 1 was given
}

TEST(TableWriters, PageBreaksComeBetweenTablesAndTheGasDocumentMarksEmptyValuesRed) {
  CGasConsumptionTablesHtml writer;
  writer.SetClock(FixedMoment);
  writer.Reset();
  for (int table = 0; table < 3; ++table) writer.AddTable("d~t~g~n~~", true, false, {"A", "a", "b"}, "F");
  writer.EndDocument();
  const std::string html = writer.GetHtml();

  EXPECT_EQ(html.find("<table"), DocumentHead("", "").size());  // the first table has no break before it
  EXPECT_EQ(CountOf(html, "<div class=\"breakafter\"><br></div>\n<table border=\"1\" cellpadding=\"5\" align"), 2u);
  EXPECT_EQ(CountOf(html, "<div class=\"breakafter\">"), 2u);
  EXPECT_EQ(CountOf(html, "&nbsp;<font color = red></font> - </td>"), 3u);
  EXPECT_EQ(CountOf(html, "<tr bgcolor=\"#DDDDDD\">\n<td valign=\"middle\" align=\"center\">b</td>\n</tr>\n"), 3u);
  // Its foot comes before its body.
  EXPECT_LT(html.find("</TFOOT>\n<TBODY>\n<tr>\n<td>"), html.find("</TBODY>\n</table>"));
  EXPECT_TRUE(html.ends_with(DocumentFooter("")));
}

}  // namespace
