#include "views/GraphColours.h"

namespace views {

wxColour ToColour(Rgb colour) { return wxColour(colour.red, colour.green, colour.blue); }

}  // namespace views
