#include "app/HelpBook.h"

#include <wx/filesys.h>
#include <wx/fs_zip.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/splitter.h>
#include <wx/treectrl.h>

#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"
#include "framework/Help.h"
#include "platform/ProgramFileFolders.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

// The dialogs and windows with a page of their own, by template id.
struct TopicPage {
  int templateId;
  const char* page;
};
constexpr TopicPage kTopicPages[] = {
    {IDD_DIVEPLANNER_DIALOG, "main-window.html"},
    {IDD_LIABILITY, "safety.html"},
    {IDD_RENAME_DIVE, "dives.html"},
    {IDD_SORT_DIVE_PLANS, "dives.html"},
    {IDD_PLAN_GROUP_SETTINGS, "plan-settings.html"},
    {IDD_ABOUTBOX, "index.html"},
};

constexpr int kViewerWidth = 1020;
constexpr int kViewerHeight = 680;
// Wide enough for the Contents, Index and Search tabs side by side and the longest page title.
constexpr int kNavigationWidth = 340;

// Lays out every window of the tree that has a sizer, parents first.
void LayOutTree(wxWindow& window) {
  if (window.GetSizer() != nullptr) window.Layout();
  for (wxWindow* child : window.GetChildren()) LayOutTree(*child);
}

// The viewer's own first size is too small for the pages and its list of pages; the user's later
// sizes are kept while the viewer stays open. The window is laid out before it is first shown:
// otherwise the lists of its navigation pages come to the screen at their tiny default sizes,
// smaller than their scroll bars.
class SizedHelpController : public wxHtmlHelpController {
 public:
  using wxHtmlHelpController::wxHtmlHelpController;

 protected:
  wxHtmlHelpFrame* CreateHelpFrame(wxHtmlHelpData* data) override {
    wxHtmlHelpFrame* frame = wxHtmlHelpController::CreateHelpFrame(data);
    frame->SetSize(wxSize(kViewerWidth, kViewerHeight));
    if (wxHtmlHelpWindow* window = frame->GetHelpWindow()) {
      if (wxSplitterWindow* splitter = window->GetSplitterWindow()) splitter->SetSashPosition(kNavigationWidth);
      // The contents open with every page listed, not only the book's title.
      if (wxTreeCtrl* contents = window->GetTreeCtrl()) contents->ExpandAll();
    }
    LayOutTree(*frame);
    return frame;
  }
};

void AddZipReader() {
  static bool added = false;
  if (!added) wxFileSystem::AddHandler(new wxZipFSHandler);
  added = true;
}

}  // namespace

CHelpBook::CHelpBook(std::filesystem::path book)
    : book_(std::move(book)), viewer_(std::make_unique<SizedHelpController>(wxHF_DEFAULT_STYLE)) {
  // Closing the main window ends the program even while the help is open.
  viewer_->SetShouldPreventAppExit(false);
  viewer_->SetTitleFormat("%s");
}

CHelpBook::~CHelpBook() = default;

std::filesystem::path CHelpBook::ProgramBook() {
  const std::filesystem::path folder = platform::OwnProgramFileFolders().helpBook;
  return folder.empty() ? std::filesystem::path() : folder / kFileName;
}

std::string CHelpBook::PageOfContext(int context) {
  for (const TopicPage& topic : kTopicPages) {
    if (context == framework::kDialogHelpContextBase + topic.templateId) return topic.page;
  }
  return {};
}

bool CHelpBook::Open() {
  if (opened_) return true;
  AddZipReader();
  // A book with no folder would be looked for in the folder the program was started in.
  if (!book_.is_absolute()) {
    TheDebugLog().LogText("Help: the program's own folder is unknown, no help book is opened");
  }
  std::error_code unreadable;  // a loop of links, a folder it may not search: as a missing book
  opened_ = book_.is_absolute() && std::filesystem::is_regular_file(book_, unreadable) &&
            viewer_->AddBook(wxFileName(wxString::FromUTF8(book_.string())));
  if (!opened_) {
    const std::string shown = book_.empty() ? std::string(kFileName) : book_.string();
    platform::AskUser(FormatC(ResourceFormat(IDS_MSG_HELP_BOOK_MISSING).c_str(), shown.c_str()),
                      platform::mb::kOk | platform::mb::kIconExclamation);
  }
  return opened_;
}

bool CHelpBook::ShowContents() { return Open() && viewer_->DisplayContents(); }

bool CHelpBook::ShowContext(int context) {
  const std::string page = PageOfContext(context);
  if (page.empty()) return ShowContents();
  return Open() && viewer_->Display(wxString::FromUTF8(page));
}

}  // namespace app
