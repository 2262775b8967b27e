#pragma once
// Dives described by hand for the table tests, and the fixed moment and version they are
// stamped with.
#include <ctime>
#include <string>
#include <vector>

#include "engine/DiveSegment.h"
#include "views/core/DiveTableFacts.h"
#include "views/core/TableDocumentHtml.h"
#include "views/core/TableTexts.h"

// 5 March 2026, 14:07:09: "05.03.2026 14:07:09".
inline std::tm FixedMoment() {
  std::tm moment{};
  moment.tm_year = 126;
  moment.tm_mon = 2;
  moment.tm_mday = 5;
  moment.tm_hour = 14;
  moment.tm_min = 7;
  moment.tm_sec = 9;
  return moment;
}

inline constexpr const char* kFixedMomentText = "05.03.2026 14:07:09";

// A printed segment on open circuit (setPoint 0) or closed circuit.
inline CDiveSegment Segment(double depthMetres, int durationSec, int type, int runTimeSec, double oxygen,
                            double helium, double setPoint = 0, int warnings = 0, bool noClearSurface = false) {
  return CDiveSegment(depthMetres, durationSec, type, runTimeSec, oxygen, helium, setPoint, setPoint > 0, warnings,
                      noClearSurface);
}

inline views::TableSettings Settings(UnitSystem units, bool minutesAndSeconds, bool lastSegmentFirst) {
  views::TableSettings settings;
  settings.units = units;
  settings.minutesAndSeconds = minutesAndSeconds;
  settings.lastSegmentFirst = lastSegmentFirst;
  settings.diverId = "A&B <Diver>";
  settings.productVersion = "1.0.0.1";
  return settings;
}

// The document head that both kinds of document begin with, followed by its empty line.
inline std::string DocumentHead(const std::string& title, const std::string& author) {
  return "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html>\n"
         "<head>\n"
         "<title>" + title + "</title>\n"
         "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">\n"
         "<meta name=\"author\" content=\"" + author + "\">\n"
         "<style type=\"text/css\">\n"
         "div.breakafter\t{page-break-after:always;\tcolor: silver}\n"
         "div.breakbefore {page-break-before:always;\tcolor: silver}\n"
         "</style>\n"
         "</head>\n"
         "<body>\n"
         "\n";
}

// The document footer; linkParagraph is the whole link line, or empty.
inline std::string DocumentFooter(const std::string& linkParagraph) {
  return "<br>\n"
         "<font size=-1>\n"
         "<CENTER>\n" + linkParagraph + "\n"
         "<hr width = \"40%\"; heigth = \"5\">\n"
         "Dive Table created by the Velmar Tessaline program<br>THIS TABLE IS FOR PROGRAM TEST PURPOSES ONLY<br>"
         "DO NOT USE THE DATA CONTAINED IN THIS TEST TABLE<br>This file was created on 05.03.2026 14:07:09\n"
         "</CENTER>\n"
         "</body>\n"
         "</html>";
}

// The footer line of every table: the fixed moment, the escaped diver and the version.
inline constexpr const char* kTableFooterText =
    "<b>Created 05.03.2026 14:07:09 by A&amp;B &lt;Diver&gt;<br>Velmar Tessaline (Version 1.0.0.1)</b>";

inline size_t CountOf(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}
