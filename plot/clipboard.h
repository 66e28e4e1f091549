// The system clipboard, for the read-outs a user pastes elsewhere.
#pragma once

#include <string>

namespace plot {

void ClearClipboard();
void SetClipboardText(const std::string& text);
std::string ClipboardText();

}  // namespace plot
