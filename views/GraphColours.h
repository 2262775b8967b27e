#pragma once
// The toolkit colour of a graph colour.
#include <wx/colour.h>

#include "views/core/GraphData.h"

namespace views {

wxColour ToColour(Rgb colour);

}  // namespace views
