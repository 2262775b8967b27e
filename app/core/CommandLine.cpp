#include "app/core/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace app {
namespace {

// Options of the GTK toolkit, which it reads itself when it starts.
constexpr std::array<std::string_view, 8> kToolkitOptionsWithValue = {
    "--display", "--class", "--name", "--gtk-module", "--gdk-debug", "--gdk-no-debug", "--gtk-debug", "--gtk-no-debug"};
constexpr std::string_view kToolkitFlag = "--g-fatal-warnings";

bool IsToolkitOptionWithValue(std::string_view word) {
  return std::find(kToolkitOptionsWithValue.begin(), kToolkitOptionsWithValue.end(), word) != kToolkitOptionsWithValue.end();
}

CommandLine Refuse(std::string error) {
  CommandLine line;
  line.action = CommandLine::Action::Fail;
  line.error = std::move(error);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool optionsEnded = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      files.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
    } else if (word == "-h" || word == "--help") {
      line.action = CommandLine::Action::ShowHelp;
      return line;
    } else if (word == "-V" || word == "--version") {
      line.action = CommandLine::Action::ShowVersion;
      return line;
    } else if (word == "--no-splash") {
      line.showSplash = false;
    } else if (word == kToolkitFlag) {
      // read by the toolkit
    } else if (IsToolkitOptionWithValue(word.substr(0, word.find('=')))) {
      if (word.find('=') == std::string::npos) {
        if (i + 1 >= arguments.size()) return Refuse("option '" + word + "' requires an argument");
        ++i;  // its value, read by the toolkit
      }
    } else if (word.rfind("--", 0) == 0) {
      return Refuse("unrecognized option '" + word + "'");
    } else {
      return Refuse(std::string("invalid option -- '") + word[1] + "'");
    }
  }
  if (files.size() > 1) return Refuse("only one plan file can be opened, but " + std::to_string(files.size()) + " were given");
  if (!files.empty()) line.planFile = files.front();
  return line;
}

std::string UsageText(const std::string& programName) {
  return "Usage: " + programName + " [OPTION]... [PLAN-FILE]\n"
         "Plan decompression dives for closed-circuit rebreathers and open circuit.\n"
         "Opens PLAN-FILE (a .ccp dive plan) when one is given.\n"
         "\n"
         "      --no-splash        do not show the splash picture at start-up\n"
         "      --display=DISPLAY  use the X display DISPLAY\n"
         "  -h, --help             show this help and exit\n"
         "  -V, --version          show the version and exit\n";
}

std::string VersionText(const std::string& programName, const std::string& version, const std::string& copyright) {
  return programName + " " + version + "\n" + copyright + "\n";
}

std::string UsageErrorText(const std::string& programName, const std::string& error) {
  return programName + ": " + error + "\nTry '" + programName + " --help' for more information.\n";
}

}  // namespace app
