#pragma once
// What the program does before the toolkit starts, and right after, before its first window.

class wxAppConsole;

namespace framework {

// The toolkit names the program after the file it was started from: through a link "vt" the
// windows' class would be "vt"/"Vt" and the browser engine's folders ~/.cache/vt and
// ~/.local/share/vt. With the name given here, before the toolkit starts, every start is the
// same program to the desktop.
void NameProgram(wxAppConsole& app, const char* name);

// Numbers in files and fields always use the C conventions ("1.5", never "1,5"), and the GTK
// widgets get the compact padding that lets them fit into dialog templates.
void PrepareToolkit();

}  // namespace framework
