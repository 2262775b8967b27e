#pragma once
// Help topics. The program installs the handler that opens its help book; without one a help
// request changes nothing on the screen.
#include <functional>

namespace framework {

// Help contexts of dialogs: this offset plus the dialog's template id.
constexpr int kDialogHelpContextBase = 0x20000;

using HelpTopicHandler = std::function<void(int context)>;
void SetHelpTopicHandler(HelpTopicHandler handler);
void ShowHelpTopic(int context);

}  // namespace framework
