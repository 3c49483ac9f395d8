#pragma once
// The measurement host's application object, as BindKormet (host/api/Binding.h) returns it.
// Properties: X() reads, SetX(value) writes. Every member may throw HostError
// (host/api/HostError.h). Objects are reference-counted: releasing the last reference of a
// binding ends the connection (the host keeps running).
#include <memory>
#include <string>

#include "host/api/Events.h"
#include "host/api/HostError.h"
#include "host/api/PartProgram.h"

namespace zantrel::host {

class Application {
 public:
  virtual ~Application() = default;
  // Waits up to the seconds until the host can run routines; true when it is ready.
  virtual bool WaitUntilReady(long seconds) = 0;
  virtual std::string FullName() = 0;       // the host executable
  virtual std::string Path() = 0;           // host folder, with trailing separator
  virtual std::string VersionString() = 0;  // "2023.1", "3.2 beta", ...
  virtual bool Visible() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool OperatorMode() = 0;
  virtual void SetOperatorMode(bool on) = 0;
  virtual std::shared_ptr<PartProgramList> PartPrograms() = 0;
  // nullptr when no routine is open.
  virtual std::shared_ptr<PartProgram> ActivePartProgram() = 0;
  virtual std::shared_ptr<EventSource> ApplicationEvents() = 0;
  virtual long GetRegistryInt(const std::string& section, const std::string& key,
                              long defaultValue) = 0;
  virtual std::string GetRegistryString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) = 0;
  // Ends the host. Later calls on this binding are HostError (Gone).
  virtual void quit() = 0;
};

}  // namespace zantrel::host
