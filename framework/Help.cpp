#include "framework/Help.h"

namespace framework {
namespace {

HelpTopicHandler& Handler() {
  static HelpTopicHandler handler;
  return handler;
}

}  // namespace

void SetHelpTopicHandler(HelpTopicHandler handler) { Handler() = std::move(handler); }

void ShowHelpTopic(int context) {
  if (Handler()) Handler()(context);
}

}  // namespace framework
