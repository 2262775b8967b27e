// What the viewer does to its document: notes in every footer, the bytes of a saved file, the
// print preview's form and the links that leave the viewer.
#include "views/core/TableNotes.h"

#include <gtest/gtest.h>

#include "views/core/DivePlanTablesHtml.h"
#include "views/core/HtmlText.h"
#include "views/core/ViewerDocument.h"
#include "tests/views/TableTestSupport.h"

namespace {

constexpr const char* kNotesRow = "<tr>\n<td valign=\"middle\" align=\"centre\"><b>Notes:</b><br>";

// A document of three tables whose footer line is footerText.
std::string ThreeTables(const std::string& footerText) {
  views::CDivePlanTablesHtml writer;
  writer.SetClock(FixedMoment);
  writer.Reset();
  for (int table = 0; table < 3; ++table) writer.AddTable("d~t~g~n~c~o", false, false, {"A", "a"}, footerText, {}, {});
  writer.EndDocument();
  return writer.GetHtml();
}

TEST(TableNotes, NotesReachEveryFooterComeBackAsTypedAndGoAgain) {
  const std::string plain = ThreeTables("F");
  const std::string noted = views::WriteTableNotes(plain, "First line\nSecond <b>line</b> & more");
  const std::string row = std::string(kNotesRow) + "First line<br>\nSecond &lt;b&gt;line&lt;/b&gt; &amp; more</td>\n</tr>\n";
  EXPECT_EQ(CountOf(noted, "<td valign=\"middle\" align=\"center\">F</td>\n</tr>\n" + row + "</TFOOT>"), 3u);
  EXPECT_EQ(noted.size(), plain.size() + 3 * row.size());
  EXPECT_EQ(views::ReadTableNotes(noted), "First line\nSecond <b>line</b> & more");

  // Changed notes replace the old ones; a Windows line end is one line end.
  const std::string changed = views::WriteTableNotes(noted, "Only\r\nthis");
  EXPECT_EQ(CountOf(changed, std::string(kNotesRow) + "Only<br>\nthis</td>\n</tr>\n</TFOOT>"), 3u);
  EXPECT_EQ(CountOf(changed, "Notes:"), 3u);
  EXPECT_EQ(views::WriteTableNotes(changed, ""), plain);
  EXPECT_EQ(views::WriteTableNotes(plain, ""), plain);
  EXPECT_EQ(views::ReadTableNotes(plain), "");
}

TEST(TableNotes, OnlyTheWholeNotesRowCountsAndDamagedDocumentsAreSurvived) {
  // A footer line that speaks of notes is no notes row.
  const std::string document = ThreeTables("Notes: none</td> Notes:</b><br>x");
  EXPECT_EQ(views::ReadTableNotes(document), "");
  const std::string noted = views::WriteTableNotes(document, "Deco on the shot line");
  EXPECT_EQ(views::ReadTableNotes(noted), "Deco on the shot line");
  EXPECT_EQ(CountOf(noted, kNotesRow), 3u);

  // Without a whole footer section nothing can take notes and the text stays as it is.
  for (std::size_t length = 0; length <= noted.size(); length += 7) {
    const std::string truncated = noted.substr(0, length);
    const std::string notes = views::ReadTableNotes(truncated);
    const std::string rewritten = views::WriteTableNotes(truncated, "More");
    if (truncated.find("</TFOOT>") == std::string::npos) {
      EXPECT_EQ(notes, "") << length;
      EXPECT_EQ(rewritten, truncated) << length;
    }
  }
  for (const std::string& junk : {std::string("<TFOOT</TFOOT>"), std::string("\xFF\x00<TFOOT\x01</TFOOT>", 17),
                                 std::string(kNotesRow) + "<TFOOT></TFOOT>"}) {
    EXPECT_EQ(views::ReadTableNotes(junk), "");
    EXPECT_EQ(views::ReadTableNotes(views::WriteTableNotes(junk, "a\nb")), "a\nb") << junk;
  }
  const std::string unclosed = std::string("<TFOOT>") + kNotesRow + "old</td>";
  EXPECT_EQ(views::ReadTableNotes(unclosed), "");
  EXPECT_EQ(views::WriteTableNotes(unclosed, "new"), unclosed);
}

TEST(ViewerDocument, ASavedDocumentIsLatin1WithReferencesForTheRestAndWindowsLineEnds) {
  EXPECT_EQ(views::DocumentFileBytes("Fl\xC3\xBCgel \xE2\x82\xAC 5\n<br>\r\n"), "Fl\xFCgel &#8364; 5\r\n<br>\r\n");
  // A byte that starts no character, and a character beyond the basic plane.
  EXPECT_EQ(views::DocumentFileBytes("a\xFF" "b\xF0\x9F\x90\x9F"), "a&#65533;b&#128031;");
  EXPECT_EQ(views::EscapeHtml("Caf\xE9 <&>"), "Caf\xC3\xA9 &lt;&amp;&gt;");  // Windows-1252 text read as such
  EXPECT_EQ(views::UnescapeHtml("&amp;lt; &lt;&gt;&amp"), "&lt; <>&amp");
}

TEST(ViewerDocument, ThePreviewWritesColoursAsAttributesAndLinksLeaveOnlyForTheWeb) {
  views::CDivePlanTablesHtml writer;
  writer.SetClock(FixedMoment);
  writer.Reset();
  writer.AddTable("", false, false, {"A~B", "a~b", "c~d", "e~f"}, "F", {false, false, true, true}, {});
  writer.AddTable("", false, false, {"A"}, "F", {}, {});
  const std::string preview = views::PrintPreviewHtml(writer.GetHtml());
  EXPECT_EQ(preview.find("style=\"background-color"), std::string::npos);
  EXPECT_NE(preview.find("<tr bgcolor=\"#DCDCDC\">\n<td valign=\"middle\" align=\"center\"><font color=\"#FF0000\">c"
                         "</font></td>\n<td valign=\"middle\" align=\"center\"><font color=\"#FF0000\">d</font></td>\n"
                         "</tr>\n<tr>\n<td valign=\"middle\" align=\"center\"><font color=\"#FF0000\">e</font></td>"),
            std::string::npos);
  EXPECT_EQ(CountOf(preview, "<font color=\"#FF0000\">"), 4u);
  EXPECT_NE(preview.find("<div style=\"page-break-before:always\"></div>\n<table"), std::string::npos);

  EXPECT_TRUE(views::StaysInViewer("about:blank"));
  EXPECT_FALSE(views::StaysInViewer("https://velmar.example"));
  EXPECT_TRUE(views::OpensInDesktopBrowser("https://velmar.example/tessaline"));
  EXPECT_TRUE(views::OpensInDesktopBrowser("HTTP://velmar.example"));
  for (const char* url : {"file:///etc/passwd", "javascript:alert(1)", "mailto:a@b", "http:", "ftp://x", ""}) {
    EXPECT_FALSE(views::OpensInDesktopBrowser(url)) << url;
  }
}

}  // namespace
