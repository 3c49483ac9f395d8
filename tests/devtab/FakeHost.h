#pragma once
// A host holding one active routine of dimension commands, for the report walk.
#include <memory>
#include <string>
#include <vector>

#include "host/api/Application.h"
#include "host/api/Commands.h"
#include "host/api/PartProgram.h"

namespace zantrel::testing {

struct FakeCommand {
  std::string id;
  long type = 0;
  bool dimension = true;
  double measured = 0, nominal = 0, deviation = 0, plus = 0, minus = 0;
};

// A dimension head line and its axis lines.
inline FakeCommand Head(const std::string& id, long type = 1000) {
  return {id, type};
}
inline FakeCommand Axis(long type, double measured, double nominal, double plus, double minus) {
  return {"", type, true, measured, nominal, measured - nominal, plus, minus};
}
inline FakeCommand Named(const std::string& id, long type, double measured, double nominal,
                         double plus, double minus) {
  return {id, type, true, measured, nominal, measured - nominal, plus, minus};
}
inline FakeCommand Other(const std::string& id = "") {
  return {id, 5, false};
}

class FakeHost {
 public:
  std::vector<FakeCommand> commands;
  bool activeRoutine = true;
  long failAtItem = 0;  // Item(n) throws for this n (0: never)
  long itemCalls = 0;   // how many commands were fetched
  long valueCalls = 0;  // how many dimension values were read

  std::shared_ptr<host::Application> Application();
};

}  // namespace zantrel::testing
