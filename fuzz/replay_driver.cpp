// The harness as a plain program, for builds without libFuzzer: replays every file of the corpus
// folders named on the command line, then a fixed number of inputs generated from them (bytes
// changed, inserted, removed and copied from other entries, with a fixed seed, so every run
// tries the same inputs). An invariant broken stops the program with a message.
//
//   fuzz_<harness> [--generated N] CORPUS_DIR...

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Generated inputs by default: a few thousand keep each replay within seconds.
constexpr long kDefaultGenerated = 3000;
// Longest generated input; the corpus entries themselves may be longer.
constexpr std::size_t kMaxGeneratedBytes = 4096;
// Bytes that often start or end something a parser looks for.
constexpr char kInterestingBytes[] = "\r\n\t ~,.*$-+0129eEnNsSwWaAzZ&h\xB0\xC2\xFF";

// The input being tried, written out when an invariant stops the program.
const std::string* current_input = nullptr;

void SaveCurrentInput(int) {
    if (current_input) {
        if (std::FILE* f = std::fopen("replay-failure-input", "wb")) {
            std::fwrite(current_input->data(), 1, current_input->size(), f);
            std::fclose(f);
        }
        std::fprintf(stderr, "the input (%zu bytes) is saved as replay-failure-input\n",
                     current_input->size());
    }
    std::signal(SIGABRT, SIG_DFL);
}

void Run(const std::string& input) {
    current_input = &input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    current_input = nullptr;
}

std::string Mutate(const std::vector<std::string>& corpus, std::mt19937& rng) {
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    std::string s = corpus.empty() ? std::string() : corpus[pick(corpus.size())];
    const std::size_t edits = 1 + pick(8);
    for (std::size_t e = 0; e < edits; ++e) {
        const char byte = pick(2) ? static_cast<char>(pick(256))
                                  : kInterestingBytes[pick(sizeof kInterestingBytes - 1)];
        switch (pick(6)) {
            case 0:  // change a byte
                if (!s.empty()) s[pick(s.size())] = byte;
                break;
            case 1:  // insert a byte
                s.insert(s.begin() + static_cast<long>(pick(s.size() + 1)), byte);
                break;
            case 2:  // remove a run
                if (!s.empty()) {
                    const std::size_t at = pick(s.size());
                    s.erase(at, 1 + pick(std::min<std::size_t>(16, s.size() - at)));
                }
                break;
            case 3:  // repeat a run
                if (!s.empty() && s.size() < kMaxGeneratedBytes / 2) {
                    const std::size_t at = pick(s.size());
                    const std::string run = s.substr(at, 1 + pick(64));
                    s.insert(at, run);
                }
                break;
            case 4:  // splice in part of another entry
                if (!corpus.empty()) {
                    const std::string& other = corpus[pick(corpus.size())];
                    if (!other.empty()) {
                        const std::size_t from = pick(other.size());
                        s.insert(pick(s.size() + 1), other.substr(from, 1 + pick(64)));
                    }
                }
                break;
            default:  // cut the end
                if (!s.empty()) s.resize(pick(s.size() + 1));
                break;
        }
    }
    if (s.size() > kMaxGeneratedBytes) s.resize(kMaxGeneratedBytes);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    long generated = kDefaultGenerated;
    std::vector<std::string> corpus;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--generated" && i + 1 < argc) {
            generated = std::strtol(argv[++i], nullptr, 10);
            continue;
        }
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(arg, error)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream file(entry.path(), std::ios::binary);
            corpus.emplace_back(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
        }
        if (error) {
            std::fprintf(stderr, "cannot read the corpus folder %s\n", arg.c_str());
            return 2;
        }
    }
    if (corpus.empty()) {
        std::fprintf(stderr, "usage: %s [--generated N] CORPUS_DIR...  (no corpus entries found)\n",
                     argv[0]);
        return 2;
    }
    std::signal(SIGABRT, SaveCurrentInput);
    Run(std::string());
    for (const std::string& entry : corpus) Run(entry);
    std::mt19937 rng(20261208);
    for (long n = 0; n < generated; ++n) Run(Mutate(corpus, rng));
    std::printf("%zu corpus entries and %ld generated inputs: every invariant held\n",
                corpus.size(), generated);
    return 0;
}
