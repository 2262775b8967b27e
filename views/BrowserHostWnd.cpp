#include "views/BrowserHostWnd.h"

#include <chrono>

#include <wx/evtloop.h>
#include <wx/html/htmprint.h>
#include <wx/webview.h>

#include "views/BrowserPool.h"
#include "views/core/ViewerDocument.h"

namespace views {

wxDEFINE_EVENT(EVT_BROWSER_HOST_NOTIFY, CBrowserHostNotify);

CBrowserHostNotify::CBrowserHostNotify(int code, int id, std::string url, std::string text)
    : wxNotifyEvent(EVT_BROWSER_HOST_NOTIFY, id), code_(code), url_(std::move(url)), text_(std::move(text)) {}

namespace {

const wxEventTypeTag<wxWebViewEvent>* const kBrowserEvents[] = {&wxEVT_WEBVIEW_NAVIGATING, &wxEVT_WEBVIEW_LOADED,
                                                               &wxEVT_WEBVIEW_NAVIGATED, &wxEVT_WEBVIEW_TITLE_CHANGED};

// Long enough for the engine to start on a busy machine.
constexpr auto kPageTimeOut = std::chrono::seconds(5);

}  // namespace

CBrowserHostWnd::CBrowserHostWnd() = default;

CBrowserHostWnd::~CBrowserHostWnd() {
  delete printing_;
  if (browser_ == nullptr) return;
  for (const auto* type : kBrowserEvents) browser_->Unbind(*type, &CBrowserHostWnd::OnBrowserEvent, this);
  CBrowserPool::Give(browser_);
}

bool CBrowserHostWnd::Create(long style, const wxRect& rect, wxWindow* parent, int id) {
  if (!wxPanel::Create(parent, id, rect.GetPosition(), rect.GetSize(), style)) return false;
  browser_ = CBrowserPool::Take(this, loading_);
  if (browser_ == nullptr) return true;
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    browser_->SetSize(GetClientSize());
    event.Skip();
  });
  for (const auto* type : kBrowserEvents) browser_->Bind(*type, &CBrowserHostWnd::OnBrowserEvent, this);
  WaitForPage();
  return true;
}

bool CBrowserHostWnd::CreateFromControl(wxWindow* parent, int controlId) {
  wxWindow* placeholder = parent->FindWindow(controlId);
  if (placeholder == nullptr) return false;
  const wxRect rect = placeholder->GetRect();
  placeholder->Destroy();
  return Create(wxTAB_TRAVERSAL, rect, parent, controlId);
}

void CBrowserHostWnd::OnBrowserEvent(wxWebViewEvent& event) {
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_WEBVIEW_NAVIGATING) {
    Forward(event, CBrowserHostNotify::kBeforeNavigate, {});
  } else if (type == wxEVT_WEBVIEW_LOADED) {
    loading_ = false;
    Forward(event, CBrowserHostNotify::kDocumentComplete, {});
  } else if (type == wxEVT_WEBVIEW_NAVIGATED) {
    Forward(event, CBrowserHostNotify::kNavigateComplete, {});
  } else {
    Forward(event, CBrowserHostNotify::kTitleChange, event.GetString().utf8_string());
  }
}

void CBrowserHostWnd::Forward(wxWebViewEvent& event, int code, const std::string& text) {
  CBrowserHostNotify notify(code, GetId(), event.GetURL().utf8_string(), text);
  notify.SetEventObject(this);
  GetParent()->GetEventHandler()->ProcessEvent(notify);
  if (!notify.IsAllowed()) event.Veto();
}

void CBrowserHostWnd::Navigate(const std::string& url) {
  if (browser_) browser_->LoadURL(wxString::FromUTF8(url));
}

void CBrowserHostWnd::Clear() {
  document_.clear();
  if (!pageEmpty_) Load(std::string());
}

void CBrowserHostWnd::Write(const std::string& html) {
  document_ = html;
  Load(html);
}

void CBrowserHostWnd::Load(const std::string& html) {
  if (!browser_) return;
  pageEmpty_ = html.empty();
  loading_ = true;
  browser_->SetPage(wxString::FromUTF8(html), wxString());
  WaitForPage();
}

// The browser loads its pages in a process of its own. Waiting for the page lets a viewer open
// with its document instead of empty for a moment. Meanwhile only the display's own events are
// handled: what the user types or clicks waits until the page is there, and a close box clicked
// meanwhile closes its window only once the host has gone, when the command that made it is over.
void CBrowserHostWnd::WaitForPage() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  const auto giveUp = std::chrono::steady_clock::now() + kPageTimeOut;
  heldCloses_.Hold(*this);
  while (loading_ && answering_ && loop != nullptr) {
    loop->YieldFor(wxEVT_CATEGORY_UI);
    if (!loading_) break;
    if (std::chrono::steady_clock::now() > giveUp) answering_ = false;
    else wxMilliSleep(1);
  }
  heldCloses_.Release();
}

void CBrowserHostWnd::Print(const std::string&, const std::string&) {
  // The browser's own print dialog sets the pages up; it takes no header or footer texts.
  if (browser_) browser_->Print();
}

void CBrowserHostWnd::PrintPreview(const std::string& header, const std::string& footer) {
  if (!browser_) return;
  if (printing_ == nullptr) printing_ = new wxHtmlEasyPrinting(wxGetTopLevelParent(this)->GetLabel(), this);
  printing_->SetHeader(wxString::FromUTF8(header));
  printing_->SetFooter(wxString::FromUTF8(footer));
  printing_->PreviewText(wxString::FromUTF8(PrintPreviewHtml(document_)));
}

}  // namespace views
