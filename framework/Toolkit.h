#pragma once
// What the program does right after the toolkit has started, before its first window.

namespace framework {

// Numbers in files and fields always use the C conventions ("1.5", never "1,5"), and the GTK
// widgets get the compact padding that lets them fit into dialog templates.
void PrepareToolkit();

}  // namespace framework
