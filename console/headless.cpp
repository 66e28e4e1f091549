#include "console/headless.h"

namespace console {

namespace {

HeadlessOptions& Options() {
    static HeadlessOptions options;
    return options;
}

}  // namespace

void SetHeadless(const HeadlessOptions& options) {
    Options() = options;
}

const HeadlessOptions& Headless() {
    return Options();
}

}  // namespace console
