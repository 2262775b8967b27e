#pragma once
// The desktop's browser engine takes most of a second to start the process that draws a new
// browser's pages, for every new browser. The pool keeps one browser started, hidden, between
// the viewers: made once the main window is up, lent to each viewer and taken back, emptied,
// when the viewer closes, so that a viewer shows its document at once.
class wxWebView;
class wxWindow;

namespace views {

class CBrowserPool {
 public:
  // Makes the kept browser, hidden, unless one is kept or a viewer has one (the pool keeps that
  // one when it is given back); it starts the engine by loading the empty page. Nothing happens
  // on a desktop without the engine.
  static void Prepare();
  // A browser moved into parent: the kept one, else a new one; nullptr on a desktop without the
  // engine. Its page is empty, or the empty page is still loading (loading tells which).
  static wxWebView* Take(wxWindow* parent, bool& loading);
  // Keeps the browser for the next viewer, emptied; destroys it when the pool keeps one already
  // or keeps none any more.
  static void Give(wxWebView* browser);
  // Destroys the kept browser; the pool keeps none until the next Prepare.
  static void End();
};

}  // namespace views
