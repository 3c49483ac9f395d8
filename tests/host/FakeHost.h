#pragma once
// An in-memory measurement host for the console's host logic: it publishes its window in the
// test platform's window registry while it runs, records every call, and runs routines by
// firing the events a real run gives. Tests script it through its public members.
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/HostState.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel::testing {

class FakeHost {
 public:
  enum class RunEnd { Normal, Cancel, Other, Die };
  struct FakeCommand {
    std::string text;
    bool flowControl = false;
    std::string variable;  // field 133
    std::string value;     // field 134
    static FakeCommand Plain(const std::string& text) { return {text, false, "", ""}; }
    static FakeCommand Assign(const std::string& name, const std::string& value) {
      return {"ASSIGN " + name + " = " + value, true, name, value};
    }
  };
  struct QualValues {
    bool toolMoved = false;
    long mode = 0, executeMode = 1, numHits = 5;
    double moveSpeed = 50, touchspeed = 2, preHit = 2;
    std::string tool;
  };
  struct FakeProbe {
    std::string name;
    QualValues settings;
    std::string resultsFolder;  // where Qualify2 writes <name>.Results; empty: nowhere
  };

  explicit FakeHost(TestPlatform& tp);
  ~FakeHost();

  HostBinder Binder();
  // Starts the host as if someone else had (window published, nothing bound).
  void StartProcess();
  bool Running() const { return running_; }
  long long Window() const { return window_; }

  // Configuration.
  std::string version = "2023.1";
  std::string folder;       // host folder with trailing "/"
  std::string probeFolder;  // with trailing "/"
  bool bindFails = false;
  bool notReady = false;
  int lingerAfterQuitMs = 0;                           // the window stays this long after quit
  std::map<std::string, long> registryInts;            // "Section/Key"
  std::map<std::string, std::string> registryStrings;  // "Section/Key"
  std::map<std::string, std::vector<FakeCommand>> routineCommands;  // by file name
  std::deque<RunEnd> runEnds;  // how the next runs end; empty: normally
  std::vector<FakeProbe> probes;
  std::vector<std::string> tools = {"SPHERE1"};
  bool qualifyResult = true;

  // What happened.
  std::vector<std::string> calls;
  int binds = 0;
  int starts = 0;
  bool visible = true;
  bool operatorMode = false;
  int openRoutines = 0;
  std::string activeRoutine;          // path of the routine opened last
  std::vector<std::string> executed;  // routine names
  std::string partName, serialNumber;
  std::vector<QualValues> qualified;  // settings at each Qualify2
  bool Called(const std::string& call) const;
  int CallCount(const std::string& call) const;

  // Internals shared with the host objects.
  struct Listener;
  std::vector<std::pair<void*, host::EventListener*>> listeners;  // (source, listener)
  int generation = 0;                                             // a new process after every start
  void Record(const std::string& call) { calls.push_back(call); }
  void Fire(const std::function<void(host::EventListener&)>& event);
  void CheckAlive(int generation) const;
  void Quit();
  void Die();

 private:
  TestPlatform& tp_;
  bool running_ = false;
  long long window_ = 0;
  std::optional<std::chrono::system_clock::time_point> withdrawAt_;
};

}  // namespace zantrel::testing
