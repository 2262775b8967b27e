#pragma once
// A user-interface double for engine tests: records what the engine asked and posted, and
// answers questions from a queue (the default button once the queue is empty).
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

struct AskedQuestion {
  std::string caption;
  std::string text;
  unsigned flags;
};

struct PostedMessage {
  unsigned message;
  std::intptr_t wParam;
  std::intptr_t lParam;
  bool operator==(const PostedMessage&) const = default;
};

class ScriptedUserInterface : public platform::UserInterface {
 public:
  // Installs itself for its lifetime.
  ScriptedUserInterface() { platform::InstallUserInterface(this); }
  ~ScriptedUserInterface() override { platform::InstallUserInterface(nullptr); }

  void QueueAnswer(int answer) { answers.push_back(answer); }

  int Ask(const std::string& caption, const std::string& text, unsigned flags) override {
    questions.push_back({caption, text, flags});
    if (answers.empty()) return platform::DefaultAnswer(flags);
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Post(unsigned message, std::intptr_t wParam, std::intptr_t lParam) override {
    posted.push_back({message, wParam, lParam});
  }
  void BeginWaitCursor() override { ++waitDepth; ++waitCount; }
  // The texts of the questions asked so far.
  std::vector<std::string> QuestionTexts() const {
    std::vector<std::string> texts;
    for (const AskedQuestion& question : questions) texts.push_back(question.text);
    return texts;
  }
  void EndWaitCursor() override { --waitDepth; }

  std::deque<int> answers;
  std::vector<AskedQuestion> questions;
  std::vector<PostedMessage> posted;
  int waitDepth = 0;
  int waitCount = 0;
};
