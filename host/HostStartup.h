#pragma once
// The console's start-up steps that concern the host: find and restart a host that is already
// running, start or join the host, and check the host's probe-warning setting.
#include "host/Kormet.h"

namespace zantrel {

// Initialisation step 15 (skipped in TEST mode): a running host is joined, told to quit and
// forced down, so the console starts with a fresh one.
void FindAndRestartHost(Kormet& kormet, bool normalRun, StartupStatus* splash);

// Initialisation step 17 (skipped in TEST mode): StartKormet; any failure, also one after the
// host was bound, leaves the console in TEST mode with the TEST-mode message.
void StartHostOrFallBack(Kormet& kormet, bool normalRun, StartupStatus* splash);

enum class ProbeWarning { Continue, Exit };
// Load-phase step 2 (skipped in TEST mode): warns when the host would ask for every tip during
// a qualification, and reads the probes directory into kormet.probesDirectory. Exit: the
// older host's KORAUTO.INI is missing and the program must end through its Exit command.
ProbeWarning CheckProbeWarning(Kormet& kormet);

}  // namespace zantrel
