// The exit statuses of the console tools: the suite's own (program/exit_status.h), named here
// for the tools' code.
#pragma once

#include "program/exit_status.h"

namespace console {

using program::kExitNormal;
using program::kExitRefused;
using program::kExitUsage;

}  // namespace console
