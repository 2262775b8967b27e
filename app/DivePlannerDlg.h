#pragma once
// The program's main window: the dive-tab sheet with one page per dive of the open plan, the
// main menu and the toolbar, the title, the enabling of the commands and the saved placement.
//
// Its members live in one source file per concern:
//   DivePlannerDlg.cpp              construction, initialisation, layout, title and dive tabs
//   DivePlannerDlgCommands.cpp      the command handlers, command enabling and keys
//   DivePlannerDlgFileCommands.cpp  new, open, recent files, save, exit, dive files, log review
//   DivePlannerDlgDiveCommands.cpp  add, delete, rename, sort, plan settings, calculate
//   DivePlannerDlgHelpCommands.cpp  the help book, What's This and the About box
//   DivePlannerDlgMessages.cpp      the private messages from the plan and the dive-tab sheet
//   DivePlannerDlgDetails.cpp       the Details window and what it shows
//   DivePlannerDlgTables.cpp        the dive and gas-consumption tables and their viewer
//   DivePlannerDlgPreferences.cpp   the Preferences command
//   DivePlannerDlgPages.cpp         what the dive pages are told: units, new gases, the row to select
//   DivePlannerDlgLanguage.cpp      the choice of the user interface's language
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include <wx/frame.h>
#include <wx/iconbndl.h>
#include <wx/timer.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

#include "app/TabDivePlan.h"
#include "app/core/LanguageChoice.h"
#include "app/core/CommandState.h"
#include "controls/AnchorLayout.h"
#include "controls/IconMenu.h"
#include "controls/PlacementKeeper.h"
#include "controls/TabSheet.h"
#include "engine/PlanGroup.h"
#include "views/core/DivePlanTablesHtml.h"
#include "views/core/GasConsumptionTablesHtml.h"
#include "views/Details.h"

namespace app {

class CHelpBook;
class CRecentFileList;

class CDivePlannerDlg : public wxFrame {
 public:
  static constexpr int kTimerId = 12345;
  static constexpr int kTimerPeriodMs = 1000;
  static constexpr int kSplashTimeMs = 5000;

  // recentFiles: the application's list, shown in the File menu; it must outlive the window.
  CDivePlannerDlg(std::string productVersion, CRecentFileList& recentFiles);
  ~CDivePlannerDlg() override;
  // The close is certain: the placement and the recent-file list are saved while the window still
  // stands, so that a failure to save them is told over it.
  bool Destroy() override;

  // A plan file to open as soon as the window is ready (named on the command line).
  void SetAutoOpen(const std::string& path);
  // Makes the window and everything in it; false when the sheet or the first dive page cannot
  // be made (the window then has no tabs).
  bool OnInitDialog();

  // The sheet's page count, -1 without a sheet.
  int GetTabCount() const;
  // The selected tab; the first when none is; -1 without a sheet.
  int GetActiveTab() const;
  // Makes the sheet hold count dive pages (growing selects the new last tab); false without a sheet.
  bool SetTabCount(int count);
  void SyncTabsToPlan();
  // The tab shows a long caption shortened; the caption read back is the whole one.
  void SetTabCaption(const std::string& name, int index, bool bailout);
  std::string GetTabCaption(int index) const;
  void RefreshTabCaptions();
  void UpdateTitle();
  void RefreshTitleAndCaptions();
  // Loads a plan file into the plan and rebuilds the tabs; a plan that cannot be read leaves one
  // new dive, untitled. The plan has no unsaved changes afterwards.
  bool OpenPlanFile(const std::string& path);
  bool IsCalculationPending() const { return planGroup_.m_calcPending; }
  // A forced calculation of the dive of the selected tab.
  bool RecalculateActiveDive();
  // Tools -> Create Dive Tables: runs the table generator on the open plan; nothing is read back.
  void OnCreateDiveTables();
  // The open plan, for the windows that show and edit it.
  CPlanGroup& PlanGroup() { return planGroup_; }

  // Whether a command can run now: it has a handler and the plan allows it.
  bool IsCommandEnabled(int command) const;
  // Makes handler the command's handler (menus, context menus, toolbar and accelerators); from
  // then on the command is enabled as far as the plan allows it.
  void BindCommand(int command, std::function<void()> handler);

  // --- File commands ---
  // New: asks about unsaved changes, then one new dive, untitled.
  void OnFileNew();
  // Open: asks about unsaved changes, starts a new plan, then asks for the plan file.
  void OnFileOpen();
  // An entry of the recent-file list: asks about unsaved changes and opens the plan; an entry
  // that no longer opens is dropped from the list.
  void OnOpenRecentFile(const std::string& path);
  // Exit (also Escape and the close box): asks about unsaved changes; stays open when the
  // answer was Yes and the plan was then not saved.
  void OnFileExit();
  // Saves the plan, asking for a file first when saveAs is set or the plan has none; true when
  // it was saved.
  bool SaveFile(bool saveAs);
  // Import Dive and Export Dive; true when a file was chosen.
  bool ImportDiveFile();
  bool ExportDiveFile();
  // Starts a new plan and replaces its dive by the review dive of a dive-computer log.
  void OnReviewLogFile();

  // --- Dive commands ---
  void OnAddDive();
  // Asks (No by default), then deletes the dive of the selected tab.
  void OnDeleteDive();
  void OnRenameDive();
  void OnSortDives();
  // Dive Plan Settings: the plan's settings in their dialog; OK calculates the dives up to the
  // selected one again and marks the plan changed, even when nothing was changed.
  void OnDivePlanSettings();
  void OnCalculate();
  // Tools -> Preferences: OK writes the defaults the user changed, applies the chart grid, the
  // units and Auto Recalc to the open plan and calculates every dive again.
  void OnPreferences();

  // --- Help ---
  // The help book at its contents, or at the topic of a help context.
  void OnHelpContents();
  void ShowHelpContext(int context);
  CHelpBook* HelpBook() const { return helpBook_.get(); }

  // Writes the dive tables of the dive with the index, or of every dive for -1; false, with the
  // previous document kept, when no dive of them can be printed.
  bool BuildDiveTableHtml(int index);
  // Writes the open-circuit gas-consumption tables of the dive, or of every dive for -1; a
  // document without a table when no dive of them breathed open-circuit gas.
  void BuildGasUsageTableHtml(int index);
  // Brings the plan up to date to the dive (every dive for -1), builds its tables and shows
  // them in the viewer; no dive tables are shown when none could be made, the gas document
  // always.
  void ShowDiveTables(int index);
  void ShowGasTables(int index);
  const views::CDivePlanTablesHtml& DiveTables() const { return diveTables_; }
  // View -> Details: opens the Details window, or brings the open one forward, on the first
  // step of the first dive.
  void OnViewDetails();
  // Shows one step of one dive in the Details window, if it is open: the last step for a step
  // past the profile's end, no data for a dive without a calculated profile.
  void UpdateDetails(int step, int diveIndex);
  // Repaints the Details window, if it is open.
  void RedrawDetails();
  // The open Details window, or nullptr.
  views::CDetails* Details() const { return details_.get(); }

  // Tools -> Select Language: offers English and every language library of the program and
  // switches the menu, the toolbar's tooltips, the dive pages and the Details window to the
  // chosen language.
  void OnSelectLanguage();
  const CLanguageChoice& Language() const { return language_; }

  controls::CResizableSheet* Sheet() const { return sheet_; }
  // The page of a dive, or nullptr.
  CTabDivePlan* DivePage(int index) const;
  // After the units preference changed: every page's depth field follows.
  void SetTabDepthUnits(UnitSystem units);
  wxToolBar* ToolBar() const { return toolBar_; }

 private:
  bool CreateFrameFromTemplate();
  void FitOnDisplay();
  void LogSettings() const;
  bool CreateTabSheet();
  CTabDivePlan* AddDivePage(int index);
  void PlaceSheet();
  void LayOut();
  void CreateMenu();
  void ShowRecentFiles();
  void CreateMainToolBar();
  void BindCommands();
  void BindFileCommands();
  void BindDiveCommands();
  void BindHelpCommands();
  void BindTableCommands();
  void BindLanguageCommands();
  // The main menu again from the current resources, with the recent files.
  void ReloadMenu();
  // Every dive page, the toolbar's tooltips and the Details window, when open, take their texts
  // from the current resources.
  void RefreshTabTexts();
  // Brings the dives up to date, without forcing, to the dive or (for -1) to the last.
  void CalculateForTables(int index);
  void ShowInViewer(const std::string& html);
  void BindMessages();
  // The chart grid to every dive page's graph, and new units, when they changed, to every page.
  void ApplyDisplayPreferences(bool chartGrid, std::optional<UnitSystem> newUnits);
  // Shows the Dive menu of the tabs at the mouse.
  void OnDiveTabRightClick();

  PlanFacts Facts() const;
  void OnUpdateCommand(wxUpdateUIEvent& event);
  void OnCharHook(wxKeyEvent& event);
  bool HasHandler(int command) const;
  // The unsaved-changes question of New, Open and the recent files: Yes saves (asking again
  // while the plan could not be saved), No forgets the changes.
  void AskToSaveChanges();
  // Removes a dive and its page without a question, then brings the dives up to the selected
  // one up to date.
  void RemoveDive(int index);
  // Where the Rename and Sort dialogs open: just inside the first dive page, on the screen.
  wxPoint DiveDialogPosition() const;

  void OnPlanModified();
  // For any sender of their messages: the Rename Dive command, and the title and tab captions
  // brought up to date.
  void OnRenameDiveMessage();
  void OnRefreshView();
  void OnDiveTabSelected();
  void OnDiveCalculated(int index);
  void OnPlanLoaded(int index);

  void BindPageMessages();
  void OnSelectLastPlanPoint(int index);
  void OnGasMixAdded(unsigned oxygenPercent, int heliumPercent);

  std::string productVersion_;
  CRecentFileList& recentFiles_;
  controls::CIconMenu menu_;
  wxToolBar* toolBar_ = nullptr;
  CPlanGroup planGroup_;
  CLanguageChoice language_;
  std::set<int> handledCommands_;
  std::unique_ptr<CHelpBook> helpBook_;
  std::string autoOpenPath_;  // empty: nothing to open
  std::string currentPlanFile_;
  controls::CResizableSheet* sheet_ = nullptr;
  wxWeakRef<views::CDetails> details_;  // the window destroys itself when it is closed
  std::array<CTabDivePlan*, kMaxDives> pages_{};
  std::array<std::string, kMaxDives> tabCaptions_;  // whole, as the dive commands quote them
  views::CDivePlanTablesHtml diveTables_;
  views::CGasConsumptionTablesHtml gasTables_;
  wxIconBundle icons_;
  wxTimer timer_;

  wxPanel* body_ = nullptr;
  std::unique_ptr<controls::CAnchorLayout> anchors_;
  std::unique_ptr<controls::CPlacementKeeper> placement_;
  bool profileSaved_ = false;
  wxString recentFilePlaceholder_;
};

}  // namespace app
