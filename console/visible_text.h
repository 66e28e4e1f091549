// Text shown as it is, without the control bytes in it doing anything: a corrupt path or a
// typed line may hold NUL, ESC or BEL, which would ring, move the cursor, recolour the terminal
// or end a string in whatever reads the output. Each is written as "\x1b" instead. Bytes of
// 0x80 and above pass as they are: they are the letters of UTF-8 or Latin-1 text.
//
// Standard C++ only: the console tools' output and Tormark's --resolve rows share it.
#pragma once

#include <string>
#include <string_view>

namespace console {

// What becomes of the bytes that lay text out.
enum class LayoutBytes {
    kKept,     // line feeds and tabs pass as they are (console lines)
    kBlanked,  // tabs, carriage returns and line feeds become blanks (a field of a TSV row)
};

// True for the control bytes: below the blank, and DEL.
bool IsControlByte(char c);

// Appends `text` to `out` with its control bytes escaped ("\x07") and its layout bytes as
// `layout` says.
void AppendVisible(std::string& out, std::string_view text, LayoutBytes layout);

// The same as a new text.
std::string VisibleText(std::string_view text, LayoutBytes layout = LayoutBytes::kKept);

}  // namespace console
