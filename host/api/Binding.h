#pragma once
// Binding the measurement host: join the running host, else start it and wait for it.
//
// The host executable is found the way a class registration finds a local server:
//   1. the environment variable ZANTREL_KORMET_EXE, when set and not empty (tests, demos);
//   2. the per-user registration of the class name, written by the installer:
//      UserStore::GetUserValue(ClassKeyPath(className), kServerValueName)
//      ("Software\Classes\KORAUTO.Application\LocalServer32", value "Path"), read from
//      BindOptions::store or, when that is null, from the installed context's store.
// The started host gets the client's environment and no arguments; it is started detached, so
// it outlives the program that started it.
//
// The connection is a local socket named after the class name and the user (see
// host/ipc/Protocol.h: ZANTREL_KORMET_SERVER overrides the name), so two users never meet
// and several programs of one user (the console and Devtab) share one host.
//
// Implemented by the library zantrel_host_ipc.
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "host/api/Application.h"
#include "platform/UserStore.h"

namespace zantrel::host {

inline constexpr const char* kKormetClass = "KORAUTO.Application";
inline constexpr const char* kKormetWindowClass = "VelderKormetWndClass";
inline constexpr const char* kServerValueName = "Path";

inline std::string ClassKeyPath(const std::string& className) {
  return "Software\\Classes\\" + className + "\\LocalServer32";
}

// What the installer writes.
inline void RegisterHostClass(UserStore& store, const std::string& className,
                              const std::string& executable) {
  store.SetUserValue(ClassKeyPath(className), kServerValueName, executable, 1);
}

struct BindOptions {
  std::string className = kKormetClass;
  // Empty: join or start. A path is not supported by this host and is a HostError.
  std::string path;
  // Empty: found as described above.
  std::string executable;
  UserStore* store = nullptr;
  // How long a started host may take to accept the connection.
  std::chrono::milliseconds startTimeout{30000};
  // Time-out of one call (WaitUntilReady adds its own seconds to it).
  std::chrono::milliseconds callTimeout{20000};
  // During EXECUTE the host reports every second that it is alive; a host silent this long
  // counts as hung and EXECUTE fails. The run itself may take as long as it takes.
  std::chrono::milliseconds executeSilenceTimeout{30000};
};

// Throws HostError (Kind::NotFound when no host runs and none can be started, Kind::TimedOut
// when a started host does not answer within startTimeout).
std::shared_ptr<Application> BindKormet(const BindOptions& options = {});

// The executable BindKormet would start, or nullopt when none is registered.
std::optional<std::string> RegisteredHostExecutable(const BindOptions& options = {});

}  // namespace zantrel::host
