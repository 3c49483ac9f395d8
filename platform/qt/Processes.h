#pragma once
// Processes of this machine as the process table shows them.
#include <optional>

namespace zantrel {

// True while the process exists and has not ended (a zombie has ended).
bool ProcessAlive(long pid);
// The process's start time in clock ticks since boot; tells a reused pid from the old one.
std::optional<unsigned long long> ProcessStartTime(long pid);

}  // namespace zantrel
