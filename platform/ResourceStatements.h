#pragma once
// Parsers of the resource statements that have a body, each called after the resource's name
// and type have been read. Internal to the resource-script parser.
#include <string>
#include <vector>

#include "platform/ResourceScript.h"
#include "platform/ResourceTokenReader.h"

namespace platform::rc {

bool ParseDialog(TokenReader& reader, bool extended, DialogTemplate& dialog);
bool ParseMenu(TokenReader& reader, Menu& menu);
bool ParseAccelerators(TokenReader& reader, std::vector<Accelerator>& table);
bool ParseToolbar(TokenReader& reader, Toolbar& toolbar);
// "[memory options] "file"": the file name with '\' turned into '/'.
bool ParseFileReference(TokenReader& reader, std::string& file);
// Skips the memory options (DISCARDABLE, MOVEABLE, PURE, ...) that may follow a resource type.
void SkipMemoryOptions(TokenReader& reader);

}  // namespace platform::rc
