#pragma once
// What the console holds of the measurement host for its whole run.
#include <functional>
#include <memory>
#include <string>

#include "host/api/HostApi.h"

namespace zantrel {

// Binds "KORAUTO.Application": joins the running host, else starts one. Throws host::HostError.
using HostBinder = std::function<std::shared_ptr<host::Application>()>;

struct HostState {
  std::shared_ptr<host::Application> HostApp;
  std::shared_ptr<host::PartProgramList> HostParts;
  std::shared_ptr<host::PartProgram> HostPart;
  std::shared_ptr<host::CommandList> HostCommands;
  std::shared_ptr<host::ProbeList> HostProbes;

  std::string version;          // VersionString without "beta"; "TEST" in TEST mode
  std::string folder;           // the host's Path, short names expanded
  std::string programFullName;  // of the active routine, after AttachActiveProgram
  std::string programName;
  int runCount = 0;        // routine runs since the host was last (re)started
  bool cancelled = false;  // the last routine was cancelled
};

// The version text as the console shows it: "beta" removed (any case), trimmed.
std::string CleanVersion(const std::string& raw);
// Hosts of the 2.3, 3.0 and 3.2 lines keep their settings in KORAUTO.INI.
bool IsOlderHost(const std::string& version);

}  // namespace zantrel
