#pragma once
// The program's help book: VelmarTessaline.htb in the program's help folder (the pages of
// resources/help packed by the build), shown in the toolkit's help viewer at its contents or at
// the page of a help context.
#include <filesystem>
#include <memory>
#include <string>

class wxHtmlHelpController;

namespace app {

class CHelpBook {
 public:
  static constexpr const char* kFileName = "VelmarTessaline.htb";

  // The book is opened on first use. The viewer is a window of its own, not one of the main
  // window's, and goes with this object.
  explicit CHelpBook(std::filesystem::path book);
  ~CHelpBook();

  // The book of the running program.
  static std::filesystem::path ProgramBook();
  // The page a help context opens: a window's or dialog's own page (the dialog contexts are
  // their template ids above the dialog base); empty for the contents.
  static std::string PageOfContext(int context);

  // False, after telling the user, when the book cannot be opened.
  bool ShowContents();
  bool ShowContext(int context);
  // The viewer, once the book was opened.
  wxHtmlHelpController* Viewer() const { return opened_ ? viewer_.get() : nullptr; }

 private:
  bool Open();

  std::filesystem::path book_;
  std::unique_ptr<wxHtmlHelpController> viewer_;
  bool opened_ = false;
};

}  // namespace app
