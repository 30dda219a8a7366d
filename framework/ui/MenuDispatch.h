#pragma once

#include <string_view>

namespace fw {

// A menu command without an action of its own goes to the focused control's
// menu handler for the item's name; when there is none, or it answers "not
// handled", to the focused widget's standard edit action, if it has one.
void DispatchMenuCommand(std::string_view itemName);

}  // namespace fw
