#pragma once
// The program's private window messages, for the window bases and widgets.
#include "engine/PrivateMessages.h"
