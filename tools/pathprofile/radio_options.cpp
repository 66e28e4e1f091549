#include "radio_options.h"

namespace pathprofile {

RadioOptions RadioOptionsFrom(const console::CommandLine& line) {
    return {line.Number(kFreqOption), line.Value(kCsvOption).value_or("")};
}

}  // namespace pathprofile
