#pragma once
// Routines (part programs, ".prg" files) and the collection of open routines.
#include <memory>
#include <string>

#include "host/api/Commands.h"
#include "host/api/Probes.h"

namespace zantrel::host {

// One open routine. Properties: X() reads, SetX(value) writes. Calls on a routine that has
// been closed are a HostError.
class PartProgram {
 public:
  virtual ~PartProgram() = default;
  // Runs the routine; returns when the run has ended (events arrive meanwhile). True when it
  // ended normally, false when it was cancelled or stopped. A host that dies or stops
  // answering during the run is a HostError.
  virtual bool EXECUTE() = 0;
  virtual std::shared_ptr<CommandList> Commands() = 0;
  virtual std::shared_ptr<ProbeList> Probes() = 0;
  virtual std::shared_ptr<ToolList> Tools() = 0;
  virtual std::string PartName() = 0;
  virtual void SetPartName(const std::string& name) = 0;
  virtual std::string SerialNumber() = 0;
  virtual void SetSerialNumber(const std::string& serial) = 0;
  virtual void RefreshPart() = 0;
  virtual std::string FullName() = 0;  // path of the routine file
  virtual std::string Name() = 0;      // file name ("BLADE.PRG")
  virtual bool SaveAs(const std::string& path) = 0;
  virtual void Close() = 0;
  virtual void quit() = 0;  // closes the routine, like Close
};

class PartProgramList {
 public:
  virtual ~PartProgramList() = default;
  virtual long Count() = 0;
  virtual void CloseAll() = 0;
  // Opens a routine file for the machine ("CMM1" or "OFFLINE"); nullptr when it cannot.
  virtual std::shared_ptr<PartProgram> Open(const std::string& path,
                                            const std::string& machine) = 0;
  // A new, empty routine "<name>.prg" in the host folder; nullptr when it cannot.
  virtual std::shared_ptr<PartProgram> Add(const std::string& name, long number,
                                           const std::string& machine,
                                           const std::string& fourth) = 0;
};

}  // namespace zantrel::host
