#pragma once
// The window that hosts the desktop's web browser engine and drives its document: it empties
// the document, writes a whole HTML text into it, prints it and shows its print preview, and
// tells its parent what the browser does. The HTML never touches the disk on its way to the
// screen.
#include <string>

#include <wx/event.h>
#include <wx/panel.h>

#include "views/HeldCloseRequests.h"

class wxHtmlEasyPrinting;
class wxWebView;
class wxWebViewEvent;

namespace views {

// What the browser did, sent to the host's parent. A parent that vetoes a navigation (code 0)
// keeps the browser where it is.
class CBrowserHostNotify : public wxNotifyEvent {
 public:
  enum Code {
    kBeforeNavigate = 0,
    kDocumentComplete = 1,
    kNavigateComplete = 5,
    kTitleChange = 7,
  };
  CBrowserHostNotify(int code, int id, std::string url, std::string text);
  wxEvent* Clone() const override { return new CBrowserHostNotify(*this); }

  int GetCode() const { return code_; }
  const std::string& GetUrl() const { return url_; }
  const std::string& GetText() const { return text_; }

 private:
  int code_;
  std::string url_;
  std::string text_;
};
wxDECLARE_EVENT(EVT_BROWSER_HOST_NOTIFY, CBrowserHostNotify);

class CBrowserHostWnd : public wxPanel {
 public:
  CBrowserHostWnd();
  ~CBrowserHostWnd() override;

  // Makes the host window and the browser inside it, covering it, and waits until the browser has
  // its empty page; false, with neither made, when the window cannot be made. A desktop without
  // a browser engine leaves the host empty: every browser operation then does nothing.
  bool Create(long style, const wxRect& rect, wxWindow* parent, int id);
  // Puts the host where the placeholder control stands, in its place and with its id.
  bool CreateFromControl(wxWindow* parent, int controlId);

  bool HasBrowser() const { return browser_ != nullptr; }
  wxWebView* Browser() const { return browser_; }
  void Navigate(const std::string& url);
  // Empties the document.
  void Clear();
  // Shows the whole HTML text as the document; it is there when Write returns.
  void Write(const std::string& html);
  // The print dialog of the browser, for its document.
  void Print(const std::string& header, const std::string& footer);
  // The print preview of the document, with the page header and footer.
  void PrintPreview(const std::string& header, const std::string& footer);

 private:
  void OnBrowserEvent(wxWebViewEvent& event);
  void Forward(wxWebViewEvent& event, int code, const std::string& text);
  // Gives the browser the page and waits until it has loaded it.
  void Load(const std::string& html);
  void WaitForPage();

  wxWebView* browser_ = nullptr;
  bool loading_ = false;    // the browser has not yet loaded the page it was given
  bool answering_ = true;   // false once the browser let a wait for its page run out
  bool pageEmpty_ = true;
  std::string document_;
  wxHtmlEasyPrinting* printing_ = nullptr;
  // Close requests of other windows made while a page was awaited; sent when the host goes.
  CHeldCloseRequests heldCloses_;
};

// The viewer's browser: the host as it stands.
class CBrowser : public CBrowserHostWnd {};

}  // namespace views
