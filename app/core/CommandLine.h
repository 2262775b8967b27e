#pragma once
// The program's command line, read the way Linux programs read theirs: options first or mixed
// with one plan file, "--" ends the options, and a few toolkit options (such as --display) are
// left to the toolkit.
#include <string>
#include <vector>

namespace app {

struct CommandLine {
  enum class Action { Run, ShowHelp, ShowVersion, Fail };
  Action action = Action::Run;
  bool showSplash = true;
  std::string planFile;  // empty when none was given
  std::string error;     // why the line was refused, when action is Fail
};

// The exit status of a refused command line.
constexpr int kUsageExitStatus = 2;

// arguments: the words after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
std::string UsageText(const std::string& programName);
// "<program> <version>" and the copyright line.
std::string VersionText(const std::string& programName, const std::string& version, const std::string& copyright);
// The two lines written to the error stream for a refused command line.
std::string UsageErrorText(const std::string& programName, const std::string& error);

}  // namespace app
