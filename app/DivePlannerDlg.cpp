#include "app/DivePlannerDlg.h"

#include <wx/app.h>
#include <wx/display.h>

#include "app/HelpBook.h"
#include "app/SplashWnd.h"
#include "app/core/CustomCompartmentValues.h"
#include "app/core/DiveName.h"
#include "app/core/MainWindowText.h"
#include "app/core/RecentFileList.h"
#include "engine/AppSettings.h"
#include "engine/GasMixLists.h"
#include "engine/support/DebugLog.h"
#include "framework/Help.h"
#include "framework/MenuBuilder.h"
#include "framework/ResourceImages.h"
#include "framework/TemplateBuilder.h"
#include "platform/ProgramFileFolders.h"
#include "platform/ResourceModule.h"
#include "resources/resource.h"
#include "views/BrowserPool.h"

namespace app {
namespace {

using controls::anchor::kBottomRight;
using controls::anchor::kTopLeft;

constexpr int kToolBarId = 0xE800;  // the desktop framework's standard toolbar
constexpr int kMaxIconImages = 8;
constexpr const char* kMakerHomePage = "https://www.oskerby.example/velmar-tessaline";

wxIconBundle LoadIconBundle(int id) {
  wxIconBundle bundle;
  std::optional<std::string> bytes = platform::FindImageFile(platform::ImageKind::Icon, id);
  if (!bytes) return bundle;
  for (int index = 0; index < kMaxIconImages; ++index) {
    const wxImage image = framework::DecodeImage(*bytes, wxBITMAP_TYPE_ICO, index);
    if (!image.IsOk()) break;
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(image));
    bundle.AddIcon(icon);
  }
  return bundle;
}

}  // namespace

CDivePlannerDlg::CDivePlannerDlg(std::string productVersion, CRecentFileList& recentFiles)
    : productVersion_(std::move(productVersion)),
      recentFiles_(recentFiles),
      language_(platform::OwnProgramFileFolders().languageLibraries),
      icons_(LoadIconBundle(IDR_MAINFRAME)),
      timer_(this, kTimerId) {}

CDivePlannerDlg::~CDivePlannerDlg() {
  // From here on the window counts as being deleted: what its parts still report while they go
  // finds no window to stand over, and is only logged.
  SendDestroyEvent();
  timer_.Stop();
  views::CBrowserPool::End();
  framework::SetHelpTopicHandler(nullptr);
  helpBook_.reset();  // with the help viewer's window
  // The pages and the layout go first: they refer to the plan and to the members below.
  DestroyChildren();
}

bool CDivePlannerDlg::Destroy() {
  if (!profileSaved_) {
    profileSaved_ = true;
    if (placement_) placement_->Save();
    recentFiles_.WriteList();
  }
  return wxFrame::Destroy();
}

void CDivePlannerDlg::SetAutoOpen(const std::string& path) { autoOpenPath_ = path; }

bool CDivePlannerDlg::OnInitDialog() {
  if (!CreateFrameFromTemplate()) return false;
  CSplashWnd::Show(kSplashTimeMs, IDB_SPLASH, this);
  // The window manager owns the window's system menu here, so it gets no About item.
  if (!icons_.IsEmpty()) SetIcons(icons_);
  wxTheApp->SetTopWindow(this);

  anchors_ = std::make_unique<controls::CAnchorLayout>(*body_);
  anchors_->AddAnchor(IDC_SHEET_FRAME, kTopLeft, kBottomRight);
  FitOnDisplay();
  placement_ = std::make_unique<controls::CPlacementKeeper>(*this);
  placement_->EnableSaveRestore("VelmarTessaline", false);

  TheDebugLog().SetCategoryThresholds(CDebugLog::kStartupThresholds);
  LoadRegistrySettings();
  RestoreCustomCompartmentValues();
  LogSettings();
  LoadGasLists();
  planGroup_.LoadSettings();
  planGroup_.m_autoRecalc = AppSettings().general.autoRecalc.Get();
  language_.SelectStoredLanguage();
  currentPlanFile_.clear();

  if (!CreateTabSheet()) return false;
  diveTables_.SetParameters("Velmar Tessaline", "Oskerby Ltd.", "Dive Table", kMakerHomePage, "Velmar Home Page",
                            "#C0C0C0", "#000000", "#ff6666", "#ffffcc");
  CreateMenu();
  CreateMainToolBar();
  BindCommands();
  BindMessages();
  body_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    LayOut();
    event.Skip();
  });
  LayOut();
  // Each tick lets the toolbar follow the plan's state even while no event arrives.
  Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxWakeUpIdle(); }, kTimerId);
  timer_.Start(kTimerPeriodMs);
  // The viewers' browser engine starts once the window has been drawn, so that it does not hold
  // up the first drawing.
  body_->Bind(wxEVT_PAINT, [this, started = false](wxPaintEvent& event) mutable {
    if (!started) CallAfter([] { views::CBrowserPool::Prepare(); });
    started = true;
    event.Skip();
  });

  if (!autoOpenPath_.empty()) {
    TheDebugLog().Log("Auto open file %s", autoOpenPath_.c_str());
    OpenPlanFile(autoOpenPath_);
  }
  UpdateTitle();
  return true;
}

bool CDivePlannerDlg::CreateFrameFromTemplate() {
  // The program's own template: the language is switched only later in the initialisation.
  std::optional<platform::DialogTemplate> dialog = platform::FindDialogTemplate(IDD_DIVEPLANNER_DIALOG);
  if (!dialog || !wxFrame::Create(nullptr, wxID_ANY, wxString::FromUTF8(dialog->caption))) return false;
  body_ = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
  framework::BuildTemplateControls(body_, *dialog, nullptr);
  // The frame only marks where the dive-tab sheet goes.
  if (wxWindow* marker = body_->FindWindow(IDC_SHEET_FRAME)) marker->Hide();
  const wxSize client = framework::TemplateRectToPixels(body_, 0, 0, dialog->width, dialog->height).GetSize();
  SetClientSize(client);
  body_->SetSize(client);
  return true;
}

void CDivePlannerDlg::FitOnDisplay() {
  // The template size is the smallest size, unless the screen is smaller than that.
  const int display = wxDisplay::GetFromWindow(this);
  const wxRect area = wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
  const wxSize size(std::min(GetSize().x, area.width), std::min(GetSize().y, area.height));
  SetMinSize(size);
  SetSize(size);
  CentreOnScreen();
}

void CDivePlannerDlg::LogSettings() const {
  for (const std::string& line : SettingsLogLines(AppSettings())) TheDebugLog().LogText(line);
}

bool CDivePlannerDlg::CreateTabSheet() {
  sheet_ = new controls::CResizableSheet("Hmm", body_, 0);
  pages_.fill(nullptr);
  if (AddDivePage(0) == nullptr) return false;
  PlaceSheet();
  sheet_->SetActivePage(0);
  SetTabCaption("", 0, false);
  return true;
}

CTabDivePlan* CDivePlannerDlg::AddDivePage(int index) {
  auto* page = new CTabDivePlan;
  if (!page->Create(sheet_)) {
    delete page;
    return nullptr;
  }
  pages_[static_cast<std::size_t>(index)] = page;
  sheet_->AddPage(page, wxEmptyString);
  page->SetDivePlan(planGroup_.GetDivePlan(index));
  page->SetPlanIndex(index);
  page->RefreshAll();  // the page made itself before it had its dive
  return page;
}

void CDivePlannerDlg::PlaceSheet() {
  wxWindow* marker = body_->FindWindow(IDC_SHEET_FRAME);
  if (sheet_ != nullptr && marker != nullptr) sheet_->SetSize(marker->GetRect());
}

void CDivePlannerDlg::LayOut() {
  if (anchors_) anchors_->ArrangeChildren();
  PlaceSheet();
  if (toolBar_ != nullptr) toolBar_->SetSize(0, 0, body_->GetClientSize().x, toolBar_->GetBestSize().y);
}

void CDivePlannerDlg::CreateMenu() {
  // The main menu with the log review, which the plain main menu lacks.
  menu_.LoadMenu(IDR_MAIN_MENU_WITH_REVIEW);
  menu_.LoadToolbarImages(IDR_MENU_IMAGES);
  SetMenuBar(menu_.TakeMenuBar().release());
  ShowRecentFiles();
}

void CDivePlannerDlg::ShowRecentFiles() {
  wxMenuBar* bar = GetMenuBar();
  wxMenu* menu = nullptr;
  auto menuId = [](std::size_t entry) { return framework::ToolkitCommandId(ID_FILE_MRU_FILE1 + static_cast<int>(entry)); };
  wxMenuItem* first = bar != nullptr ? bar->FindItem(menuId(0), &menu) : nullptr;
  if (first == nullptr || menu == nullptr) return;
  if (recentFilePlaceholder_.empty()) recentFilePlaceholder_ = first->GetItemLabel();
  const std::size_t position = static_cast<std::size_t>(menu->GetMenuItems().IndexOf(first));
  for (std::size_t i = 0; i < recentFiles_.Size(); ++i) {
    if (wxMenuItem* item = menu->FindChildItem(menuId(i))) menu->Destroy(item);
  }
  const std::vector<std::string>& entries = recentFiles_.Entries();
  if (entries.empty()) menu->Insert(position, menuId(0), recentFilePlaceholder_)->Enable(false);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    menu->Insert(position + i, menuId(i), wxString::FromUTF8(CRecentFileList::MenuText(i, entries[i])));
  }
}

void CDivePlannerDlg::CreateMainToolBar() {
  toolBar_ = new wxToolBar(body_, framework::ToolkitCommandId(kToolBarId), wxDefaultPosition, wxDefaultSize, wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
  toolBar_->SetToolBitmapSize(wxSize(16, 15));
  framework::FillToolBar(*toolBar_, IDR_MAIN_TOOLBAR);
}

int CDivePlannerDlg::GetTabCount() const { return sheet_ != nullptr ? static_cast<int>(sheet_->GetPageCount()) : -1; }

int CDivePlannerDlg::GetActiveTab() const {
  if (sheet_ == nullptr) return -1;
  const int selected = sheet_->GetSelection();
  return selected != wxNOT_FOUND ? selected : 0;
}

bool CDivePlannerDlg::SetTabCount(int count) {
  if (sheet_ == nullptr) return false;
  count = std::clamp(count, 0, kMaxDives);
  const int pageCount = GetTabCount();
  if (pageCount == count) return true;
  const int selected = GetActiveTab();
  if (pageCount > 0) sheet_->SetActivePage(0);
  for (int k = pageCount; k < count; ++k) {
    if (AddDivePage(k) == nullptr) break;  // no page could be made: keep the pages there are
    SetTabCaption("", k, false);
  }
  for (int k = pageCount - 1; k >= count; --k) {
    sheet_->RemovePage(static_cast<std::size_t>(k));
    pages_[static_cast<std::size_t>(k)]->Destroy();
    pages_[static_cast<std::size_t>(k)] = nullptr;
  }
  const int pages = GetTabCount();
  if (pages == 0) return true;
  for (int k = 0; k < pages; ++k) pages_[static_cast<std::size_t>(k)]->SetDivePlan(planGroup_.GetDivePlan(k));
  sheet_->SetActivePage(static_cast<std::size_t>(std::min(SelectionAfterTabCountChange(pageCount, pages, selected), pages - 1)));
  return true;
}

void CDivePlannerDlg::SyncTabsToPlan() { SetTabCount(planGroup_.GetDiveCount()); }

void CDivePlannerDlg::SetTabCaption(const std::string& name, int index, bool bailout) {
  if (sheet_ == nullptr || index < 0 || index >= GetTabCount()) return;
  std::string& caption = tabCaptions_[static_cast<std::size_t>(index)];
  caption = TabCaption(name, index, bailout);
  sheet_->SetPageText(static_cast<std::size_t>(index), wxString::FromUTF8(ShownTabCaption(caption)));
}

std::string CDivePlannerDlg::GetTabCaption(int index) const {
  if (sheet_ == nullptr || index < 0 || index >= GetTabCount()) return {};
  return tabCaptions_[static_cast<std::size_t>(index)];
}

void CDivePlannerDlg::RefreshTabCaptions() {
  for (int k = 0; k < GetTabCount(); ++k) SetTabCaption(planGroup_.GetDiveName(k), k, planGroup_.IsBailoutDive(k));
}

void CDivePlannerDlg::UpdateTitle() {
  SetTitle(wxString::FromUTF8(MainWindowTitle(productVersion_, currentPlanFile_, planGroup_.m_modified)));
}

void CDivePlannerDlg::RefreshTitleAndCaptions() {
  UpdateTitle();
  RefreshTabCaptions();
}

bool CDivePlannerDlg::OpenPlanFile(const std::string& path) {
  SetTabCount(0);
  // The plan group shows its own message when the file cannot be read.
  currentPlanFile_ = planGroup_.LoadPlanGroup(path) ? planGroup_.GetFileName() : std::string();
  SyncTabsToPlan();
  RefreshTitleAndCaptions();
  planGroup_.ClearModified();
  return true;
}

bool CDivePlannerDlg::RecalculateActiveDive() { return planGroup_.RecalculateDive(GetActiveTab()); }

}  // namespace app
