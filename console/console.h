// The console of the console tools: coloured text, column moves, line input and the command tail.
//
// Control bytes in printed text (a corrupt path's ESC or BEL) are shown escaped, "\x1b"
// (console/visible_text.h). Colours, clear screen and column moves are written as ANSI escapes
// only when the output is a terminal; otherwise the text is plain, so scripted runs and tests see
// exactly what was printed. End of input reads as an empty answer, so a tool whose input runs out
// takes the path of an empty answer and never loops on a dead stream.
#pragma once

#include <deque>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace console {

// Indices into the console's standard 16-colour table (0 black ... 15 bright white).
enum class Colour : int {
    kBlack = 0,
    kBlue = 1,
    kGreen = 2,
    kCyan = 3,       // maximum-height line, benchfind's "Results stored in"
    kRed = 4,        // benchfind's archive lines
    kMagenta = 5,    // pathprofile's last distant text
    kBrown = 6,      // base-position line (dark yellow)
    kLightGrey = 7,  // all ordinary dialogue
    kDarkGrey = 8,   // palette line
    kLightBlue = 9,
    kLightGreen = 10,
    kLightCyan = 11,  // pathprofile's distance line
    kLightRed = 12,
    kLightMagenta = 13,  // loading messages and height-data warnings
    kYellow = 14,        // banners
    kWhite = 15,
};

class Console {
  public:
    // Reads answers from `in` and prints to `out`. With `ansi` the colour, clear-screen and
    // column operations emit ANSI escapes; without it they print nothing (column moves print
    // blanks).
    Console(std::istream& in, std::ostream& out, bool ansi);
    // The same with `err` for the messages that are not part of the dialogue (usage errors);
    // without it they go to standard error.
    Console(std::istream& in, std::ostream& out, bool ansi, std::ostream& err);

    // The process console: standard input and output, ANSI only when stdout is a terminal.
    static Console& Standard();

    void ClearScreen();
    void SetColour(Colour colour);
    void SetColour(int index);  // 0 ... 15; other values are ignored
    // Moves the cursor to 1-based column `column` of the current line ("column 10" leaves nine
    // blanks before the text). When the cursor is already past it nothing happens.
    void MoveToColumn(int column);
    void Print(std::string_view text);           // no line end
    void PrintLine(std::string_view text = {});  // text, then a line end
    // A message outside the dialogue (a usage error), as it is: no colour, no column kept.
    void PrintError(std::string_view text);
    // Reads one typed line without its line end (a trailing CR is dropped too). Blanks are kept.
    // End of input gives the empty text and sets InputEnded().
    std::string ReadLine();
    // Prints `prompt` without a line end and reads the answer.
    std::string Ask(std::string_view prompt);
    bool InputEnded() const { return input_ended_; }

    // Answers given on the command line. `question` names the question (the option that answers
    // it, "--width"); answers given for it are handed out in order, one per time it is asked.
    // A question with a given answer still shows its prompt but reads nothing, so the console
    // text is the same as when the answer is typed on standard input.
    void GiveAnswer(std::string_view question, std::string answer);
    // The next answer given for `question`, taken out; nullopt when there is none left.
    std::optional<std::string> TakeGivenAnswer(std::string_view question);
    // ReadLine / Ask that take a given answer for `question` before reading a line.
    std::string ReadLine(std::string_view question);
    std::string Ask(std::string_view prompt, std::string_view question);
    // True when the last answer came from the command line rather than standard input: a
    // script's answer that the dialogue refuses ends the run instead of being asked again.
    bool LastAnswerGiven() const { return last_answer_given_; }
    // Brings the console window to the front: best effort, nothing to do on a plain terminal.
    void BringToFront();
    void Flush();

    bool Ansi() const { return ansi_; }
    int CurrentColumn() const { return column_ + 1; }  // 1-based column of the cursor

  private:
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    bool ansi_;
    bool input_ended_ = false;
    bool last_answer_given_ = false;
    int column_ = 0;  // characters printed since the last line end
    std::map<std::string, std::deque<std::string>, std::less<>> given_;
};

// The command tail of a console tool: the words after the program name joined by one blank
// (the shell has already removed the blanks that follow the program name).
std::string CommandTail(const std::vector<std::string>& words);
std::string CommandTail(int argc, const char* const* argv);

// The words of a program's command line after the program name.
std::vector<std::string> Arguments(int argc, const char* const* argv);

}  // namespace console
