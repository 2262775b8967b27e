// The command line: options as Linux programs take them, and the real program's answers.
#include "app/core/CommandLine.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>

using app::CommandLine;
using app::ParseCommandLine;

namespace {

struct Output {
  int status = -1;
  std::string text;  // standard output and error together
};

Output RunProgram(const std::string& arguments) {
  Output output;
  const std::string command = std::string("env -u DISPLAY ") + PROGRAM_PATH + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 256> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) output.text += buffer.data();
  const int status = ::pclose(pipe);
  output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return output;
}

}  // namespace

TEST(CommandLine, NothingGivenRunsWithTheSplashAndNoFile) {
  const CommandLine line = ParseCommandLine({});
  EXPECT_EQ(line.action, CommandLine::Action::Run);
  EXPECT_TRUE(line.showSplash);
  EXPECT_EQ(line.planFile, "");
}

TEST(CommandLine, APlanFileAndTheSplashSwitchInAnyOrder) {
  for (const std::vector<std::string>& words : {std::vector<std::string>{"--no-splash", "dives.ccp"},
                                                std::vector<std::string>{"dives.ccp", "--no-splash"}}) {
    const CommandLine line = ParseCommandLine(words);
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_FALSE(line.showSplash);
    EXPECT_EQ(line.planFile, "dives.ccp");
  }
}

TEST(CommandLine, DoubleDashEndsTheOptionsSoAFileMayStartWithADash) {
  const CommandLine line = ParseCommandLine({"--", "-odd name.ccp"});
  EXPECT_EQ(line.action, CommandLine::Action::Run);
  EXPECT_EQ(line.planFile, "-odd name.ccp");
  EXPECT_TRUE(line.showSplash);
  // A lone dash is a file name, as it is for other programs.
  EXPECT_EQ(ParseCommandLine({"-"}).planFile, "-");
}

TEST(CommandLine, HelpAndVersionWinOverEverythingAfterThem) {
  EXPECT_EQ(ParseCommandLine({"-h"}).action, CommandLine::Action::ShowHelp);
  EXPECT_EQ(ParseCommandLine({"a.ccp", "--help", "--bogus"}).action, CommandLine::Action::ShowHelp);
  EXPECT_EQ(ParseCommandLine({"-V"}).action, CommandLine::Action::ShowVersion);
  EXPECT_EQ(ParseCommandLine({"--version"}).action, CommandLine::Action::ShowVersion);
}

TEST(CommandLine, ToolkitOptionsAreLeftToTheToolkit) {
  const CommandLine joined = ParseCommandLine({"--display=:3", "plan.ccp"});
  EXPECT_EQ(joined.action, CommandLine::Action::Run);
  EXPECT_EQ(joined.planFile, "plan.ccp");
  const CommandLine separate = ParseCommandLine({"--display", ":3", "--g-fatal-warnings", "--name", "vt"});
  EXPECT_EQ(separate.action, CommandLine::Action::Run);
  EXPECT_EQ(separate.planFile, "");  // ":3" and "vt" are the options' values, not files
}

TEST(CommandLine, MistakesAreRefusedWithTheirReason) {
  const CommandLine unknown = ParseCommandLine({"--splash-off"});
  EXPECT_EQ(unknown.action, CommandLine::Action::Fail);
  EXPECT_EQ(unknown.error, "unrecognized option '--splash-off'");
  EXPECT_EQ(ParseCommandLine({"-q"}).error, "invalid option -- 'q'");
  EXPECT_EQ(ParseCommandLine({"--display"}).error, "option '--display' requires an argument");
  const CommandLine twoFiles = ParseCommandLine({"a.ccp", "b.ccp"});
  EXPECT_EQ(twoFiles.action, CommandLine::Action::Fail);
  EXPECT_EQ(twoFiles.error, "only one plan file can be opened, but 2 were given");
}

TEST(Program, HelpGoesToStandardOutputWithStatusZeroAndNeedsNoDisplay) {
  const Output help = RunProgram("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.text.rfind("Usage: VelmarTessaline [OPTION]... [PLAN-FILE]\n", 0), 0u) << help.text;
  EXPECT_NE(help.text.find("--no-splash"), std::string::npos);
  const Output version = RunProgram("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.text, "VelmarTessaline 1.0.0.1\nCopyright (C) 2026 Oskerby Ltd.\n");
}

TEST(Program, AWrongCommandLineSaysWhatIsWrongWithStatusTwo) {
  const Output wrong = RunProgram("--frobnicate");
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(wrong.text,
            "VelmarTessaline: unrecognized option '--frobnicate'\n"
            "Try 'VelmarTessaline --help' for more information.\n");
}
