#include "console/SysInfo.h"

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Lang.h"
#include "platform/UserStore.h"

namespace zantrel {

void RunSystemInfo() {
  UserStore* store = Ctx().platform.store;
  std::string tool;
  if (store) {
    if (auto path = store->GetUserValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH")) {
      tool = *path;
    } else if (auto folder =
                   store->GetUserValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
      const std::string candidate = JoinPath(*folder, "MSINFO32.EXE");
      if (FileExists(candidate, true)) tool = candidate;
    }
  }
  if (tool.empty() || !ShellOpen("Open", tool, "", "", 1)) {
    DebugLog(Translate("System Information Is Unavailable At This Time"), 0, true, kWarn);
  }
}

}  // namespace zantrel
