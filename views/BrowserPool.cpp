#include "views/BrowserPool.h"

#include <wx/frame.h>
#include <wx/weakref.h>
#include <wx/webview.h>

#include "framework/NativeControls.h"

namespace views {
namespace {

// The hidden window the kept browser waits in. Never shown, it must not keep the program running
// once the main window is gone.
class CPoolWindow : public wxFrame {
 public:
  CPoolWindow() : wxFrame(nullptr, wxID_ANY, wxString()) {}
  bool ShouldPreventAppExit() const override { return false; }
};

struct Pool {
  wxWeakRef<wxFrame> window;
  wxWeakRef<wxWebView> browser;  // the kept browser, inside the window
  bool loading = false;          // its empty page is still loading
  int lent = 0;                  // browsers in viewers now
};

Pool& ThePool() {
  static Pool pool;
  return pool;
}

void OnKeptPageLoaded(wxWebViewEvent& event) {
  ThePool().loading = false;
  event.Skip();
}

void Keep(wxWebView& browser) {
  Pool& pool = ThePool();
  pool.browser = &browser;
  pool.loading = true;
  browser.Bind(wxEVT_WEBVIEW_LOADED, OnKeptPageLoaded);
}

wxWebView* NewBrowser(wxWindow* parent) {
  wxWebView* browser = wxWebView::New(parent, wxID_ANY, "about:blank", wxPoint(0, 0), parent->GetClientSize());
  // The viewer offers its own commands; the browser's menu would offer to reload a page that
  // came from no address.
  if (browser != nullptr) browser->EnableContextMenu(false);
  return browser;
}

}  // namespace

void CBrowserPool::Prepare() {
  Pool& pool = ThePool();
  if (pool.window || !wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return;
  pool.window = new CPoolWindow;
  // A viewer opened before this has a browser of its own; the pool keeps that one when it is
  // given back.
  if (pool.lent > 0) return;
  if (wxWebView* browser = NewBrowser(pool.window)) Keep(*browser);
}

wxWebView* CBrowserPool::Take(wxWindow* parent, bool& loading) {
  if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return nullptr;
  Pool& pool = ThePool();
  wxWebView* browser = pool.browser;
  if (browser != nullptr) {
    pool.browser = nullptr;
    browser->Unbind(wxEVT_WEBVIEW_LOADED, OnKeptPageLoaded);
    loading = pool.loading;
    browser->Reparent(parent);
    browser->SetSize(wxRect(parent->GetClientSize()));
  } else {
    loading = true;
    browser = NewBrowser(parent);
  }
  if (browser != nullptr) ++pool.lent;
  return browser;
}

void CBrowserPool::Give(wxWebView* browser) {
  Pool& pool = ThePool();
  --pool.lent;
  if (!pool.window || pool.browser) {
    browser->Destroy();
    return;
  }
  // The keyboard focus stays with neither window: the viewer's goes back to the window that had
  // it before, and the hidden window's must never be a browser that is not drawn.
  framework::ReleaseKeyboardFocus(*browser);
  browser->Reparent(pool.window);
  framework::ReleaseKeyboardFocus(*browser);
  Keep(*browser);
  // Emptied while no one waits for it: the next viewer finds an empty page, as in a new browser.
  browser->SetPage(wxString(), wxString());
}

void CBrowserPool::End() {
  // At once, with the kept browser: the program may be ending.
  delete ThePool().window.get();
}

}  // namespace views
