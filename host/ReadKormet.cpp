// The active routine of the host and its commands.
#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Lang.h"
#include "host/Kormet.h"
#include "platform/Clock.h"

namespace zantrel {

bool Kormet::AttachActiveProgram() {
  DebugLog("AttachActiveProgram: Start", 0);
  try {
    return AttachActive();
  } catch (const host::HostError& e) {
    DebugLog("AttachActiveProgram: " + ErrorText(e), 0);
    return false;
  }
}

bool Kormet::AttachActive() {
  if (!state.HostApp) {
    DebugLog(Translate("There is no active Kormet Measurement Routine."), 0);
    return false;
  }
  state.HostParts = state.HostApp->PartPrograms();
  state.HostPart = state.HostApp->ActivePartProgram();
  if (!state.HostPart) {
    DebugLog(Translate("There is no active Kormet Measurement Routine."), 0);
    return false;
  }
  state.programFullName = state.HostPart->FullName();
  state.programName = state.HostPart->Name();
  DebugLog("AttachActiveProgram: HostProgramFullName: " + state.programFullName, 0);
  state.HostCommands = state.HostPart->Commands();
  DebugLog("AttachActiveProgram: HostCommands.Count: " +
               std::to_string(state.HostCommands ? state.HostCommands->Count() : 0),
           0);
  return true;
}

void Kormet::DetachProgram(bool closeAll) {
  DebugLog("DetachProgram: Start", 0);
  if (closeAll) {
    DebugLog("DetachProgram: CloseAll requested.", 0);
    try {
      if (state.HostParts && state.HostParts->Count() > 0) {
        state.HostParts->CloseAll();
        Ctx().platform.clock->Wait(Clock::Ms(RegistryNumber("Timing", "CloseAllDelay", 1000)));
      }
    } catch (const host::HostError& e) {
      DebugLog(std::string("DetachProgram: ") + e.what(), 0);
    }
  }
  RelObj(state.HostCommands, "HostCommands");
  RelObj(state.HostPart, "HostPart");
}

bool Kormet::FindVar(const std::string& name) {
  DebugLog("FindVar: Start", 0);
  bool found = false;
  try {
    if (AttachActiveProgram() && state.HostCommands) {
      const long count = state.HostCommands->Count();
      for (long i = 1; i <= count && !found; ++i) {
        auto command = state.HostCommands->Item(i);
        if (command && command->IsFlowControl() &&
            command->GetText(host::kFieldAssignName, 0) == name)
          found = true;
      }
    }
  } catch (const host::HostError& e) {
    DebugLog("FindVar: " + ErrorText(e), 0);
  }
  DetachProgram(false);
  return found;
}

}  // namespace zantrel
