#include "console/console.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "console/picture_mask.h"
#include "console/visible_text.h"

namespace console {

namespace {

// ANSI SGR foreground codes for the console's 16-colour table, in the table's order
// (black, blue, green, cyan, red, magenta, brown, light grey, then the bright ones).
constexpr int kAnsiForeground[16] = {30, 34, 32, 36, 31, 35, 33, 37,
                                     90, 94, 92, 96, 91, 95, 93, 97};

}  // namespace

Console::Console(std::istream& in, std::ostream& out, bool ansi)
    : Console(in, out, ansi, std::cerr) {}

Console::Console(std::istream& in, std::ostream& out, bool ansi, std::ostream& err)
    : in_(in), out_(out), err_(err), ansi_(ansi) {}

Console& Console::Standard() {
    static Console standard(std::cin, std::cout, isatty(fileno(stdout)) != 0, std::cerr);
    return standard;
}

void Console::ClearScreen() {
    if (ansi_) out_ << "\x1b[2J\x1b[H";
    column_ = 0;
}

void Console::SetColour(Colour colour) {
    SetColour(static_cast<int>(colour));
}

void Console::SetColour(int index) {
    if (index < 0 || index > 15) return;
    if (ansi_) out_ << "\x1b[" << kAnsiForeground[index] << 'm';
}

void Console::MoveToColumn(int column) {
    int target = column - 1;
    if (target <= column_) return;
    out_ << std::string(static_cast<std::size_t>(target - column_), ' ');
    column_ = target;
}

void Console::Print(std::string_view text) {
    // A corrupt path or answer echoed back must not drive the terminal.
    const std::string shown = VisibleText(text);
    out_ << shown;
    const std::string_view printed = shown;
    auto lastBreak = printed.find_last_of('\n');
    if (lastBreak == std::string_view::npos) {
        column_ += TextWidth(printed);
    } else {
        column_ = TextWidth(printed.substr(lastBreak + 1));
    }
}

void Console::PrintError(std::string_view text) {
    err_ << VisibleText(text);
    err_.flush();
}

void Console::PrintLine(std::string_view text) {
    Print(text);
    out_ << '\n';
    column_ = 0;
    out_.flush();
}

std::string Console::ReadLine() {
    out_.flush();
    last_answer_given_ = false;
    std::string line;
    if (input_ended_ || !std::getline(in_, line)) {
        input_ended_ = true;
        line.clear();
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    column_ = 0;  // the typed line end moved the cursor
    return line;
}

std::string Console::Ask(std::string_view prompt) {
    Print(prompt);
    return ReadLine();
}

void Console::GiveAnswer(std::string_view question, std::string answer) {
    given_[std::string(question)].push_back(std::move(answer));
}

std::optional<std::string> Console::TakeGivenAnswer(std::string_view question) {
    auto it = given_.find(question);
    if (it == given_.end() || it->second.empty()) return std::nullopt;
    std::string answer = std::move(it->second.front());
    it->second.pop_front();
    return answer;
}

std::string Console::ReadLine(std::string_view question) {
    if (std::optional<std::string> given = TakeGivenAnswer(question)) {
        out_.flush();
        column_ = 0;  // as after a typed line end
        last_answer_given_ = true;
        return *given;
    }
    return ReadLine();
}

std::string Console::Ask(std::string_view prompt, std::string_view question) {
    Print(prompt);
    return ReadLine(question);
}

void Console::BringToFront() {
    // A terminal cannot be raised portably; the plot window stays where it is.
    out_.flush();
}

void Console::Flush() {
    out_.flush();
}

std::string CommandTail(const std::vector<std::string>& words) {
    std::string tail;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) tail += ' ';
        tail += words[i];
    }
    return tail;
}

std::string CommandTail(int argc, const char* const* argv) {
    return CommandTail(Arguments(argc, argv));
}

std::vector<std::string> Arguments(int argc, const char* const* argv) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
    return words;
}

}  // namespace console
