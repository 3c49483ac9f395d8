// Operations that reach the operating system and the desktop through the platform services.
#include <filesystem>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "platform/Drives.h"
#include "platform/Operator.h"
#include "platform/Shell.h"
#include "platform/UserStore.h"
#include "platform/WindowRegistry.h"

namespace zantrel {

namespace fs = std::filesystem;

std::string ExpandShortFolder(const std::string& path) {
  if (path.find('~') == std::string::npos || path.size() < 4) return path;
  // The host may report its folder in the short 8.3 form; find the long name beside it.
  const std::string head = path.substr(0, 3);
  std::string shortName = path.substr(3);
  if (!shortName.empty() && (shortName.back() == '\\' || shortName.back() == '/'))
    shortName.pop_back();
  const size_t tilde = shortName.find('~');
  const std::string stem = UCase(shortName.substr(0, tilde));
  std::error_code ec;
  const fs::path root = NativePath(HasContext() && Ctx().platform.drives && head[1] == ':'
                                       ? Ctx().platform.drives->Map(head)
                                       : head);
  for (const auto& entry : fs::directory_iterator(root, ec)) {
    if (!entry.is_directory(ec)) continue;
    std::string name = entry.path().filename().string();
    std::string compact = UCase(ReplaceAll(name, " ", ""));
    if (compact.rfind(stem, 0) == 0) return head + name + "\\";
  }
  return path;
}

std::vector<std::string> FixedDrives() {
  if (!HasContext() || !Ctx().platform.drives) return {};
  return Ctx().platform.drives->RootsOfType(DriveType::Fixed);
}

std::string WindowsDirectory() {
  if (!HasContext() || !Ctx().platform.drives) return "";
  return Ctx().platform.drives->WindowsDirectory();
}

std::string ComputerName() {
  if (!HasContext() || !Ctx().platform.drives) return "";
  return Ctx().platform.drives->ComputerName();
}

void SetUserRegistryValue(const std::string& key, const std::string& valueName,
                          const std::string& value, int kind) {
  if (kind != 1 && kind != 4) return;
  if (HasContext() && Ctx().platform.store)
    Ctx().platform.store->SetUserValue(key, valueName, value, kind);
}

std::string OpenFileDlg(const std::string& title, const std::string& filter,
                        const std::string& initialPath, const std::string& currentName) {
  DebugLog("OpenFileDlg: Start: DefaultPath: " + initialPath, 0);
  std::string name = currentName;
  std::string folder;
  if (!initialPath.empty()) {
    folder = initialPath;
    const char last = initialPath.back();
    name = (last == '\\' || last == '/') ? "" : initialPath;
  }
  if (HasContext() && Ctx().platform.op) {
    if (auto chosen = Ctx().platform.op->OpenFile(title, filter, folder, name)) name = *chosen;
  }
  DebugLog("OpenFileDlg: End: File chosen: " + name, 0);
  return name;
}

bool ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
               const std::string& folder, int windowStyle) {
  if (!HasContext() || !Ctx().platform.shell) return false;
  Shell& shell = *Ctx().platform.shell;
  ShellResult result = shell.Open(verb, file, parameters, folder, windowStyle);
  if (result == ShellResult::NoAssociation) result = shell.OpenWith(file);
  return result == ShellResult::Ok;
}

bool WindowToFront(const std::string& windowClass) {
  if (!HasContext() || !Ctx().platform.windows) return false;
  WindowRegistry& windows = *Ctx().platform.windows;
  auto window = windows.FindByClass(windowClass);
  return window && windows.ToFront(window->handle);
}

long long FindWindowByTitle(const std::string& text) {
  if (!HasContext() || !Ctx().platform.windows) return 0;
  auto window = Ctx().platform.windows->FindByTitle(text);
  return window ? window->handle : 0;
}

}  // namespace zantrel
