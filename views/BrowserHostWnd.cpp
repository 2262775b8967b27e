#include "views/BrowserHostWnd.h"

#include <wx/html/htmprint.h>
#include <wx/webview.h>

#include "views/core/ViewerDocument.h"

namespace views {

wxDEFINE_EVENT(EVT_BROWSER_HOST_NOTIFY, CBrowserHostNotify);

CBrowserHostNotify::CBrowserHostNotify(int code, int id, std::string url, std::string text)
    : wxNotifyEvent(EVT_BROWSER_HOST_NOTIFY, id), code_(code), url_(std::move(url)), text_(std::move(text)) {}

CBrowserHostWnd::CBrowserHostWnd() = default;

CBrowserHostWnd::~CBrowserHostWnd() { delete printing_; }

bool CBrowserHostWnd::Create(long style, const wxRect& rect, wxWindow* parent, int id) {
  if (!wxPanel::Create(parent, id, rect.GetPosition(), rect.GetSize(), style)) return false;
  if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return true;
  browser_ = wxWebView::New(this, wxID_ANY, "about:blank", wxPoint(0, 0), GetClientSize());
  if (browser_ == nullptr) return true;
  // The viewer offers its own commands; the browser's menu would offer to reload a page that
  // came from no address.
  browser_->EnableContextMenu(false);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    browser_->SetSize(GetClientSize());
    event.Skip();
  });
  browser_->Bind(wxEVT_WEBVIEW_NAVIGATING,
                 [this](wxWebViewEvent& event) { Forward(event, CBrowserHostNotify::kBeforeNavigate, {}); });
  browser_->Bind(wxEVT_WEBVIEW_LOADED,
                 [this](wxWebViewEvent& event) { Forward(event, CBrowserHostNotify::kDocumentComplete, {}); });
  browser_->Bind(wxEVT_WEBVIEW_NAVIGATED,
                 [this](wxWebViewEvent& event) { Forward(event, CBrowserHostNotify::kNavigateComplete, {}); });
  browser_->Bind(wxEVT_WEBVIEW_TITLE_CHANGED, [this](wxWebViewEvent& event) {
    Forward(event, CBrowserHostNotify::kTitleChange, event.GetString().utf8_string());
  });
  return true;
}

bool CBrowserHostWnd::CreateFromControl(wxWindow* parent, int controlId) {
  wxWindow* placeholder = parent->FindWindow(controlId);
  if (placeholder == nullptr) return false;
  const wxRect rect = placeholder->GetRect();
  placeholder->Destroy();
  return Create(wxTAB_TRAVERSAL, rect, parent, controlId);
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
  if (browser_) browser_->SetPage(wxString(), wxString());
}

void CBrowserHostWnd::Write(const std::string& html) {
  document_ = html;
  if (browser_) browser_->SetPage(wxString::FromUTF8(html), wxString());
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
