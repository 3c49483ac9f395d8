#pragma once
// Probe qualification in the host: the probe picture's handler and the qualification itself,
// run on a scratch routine "0" that exists only for the qualification.
#include <functional>
#include <string>

#include "host/Kormet.h"
#include "host/QualificationChoice.h"

namespace zantrel {

// The main window's probe picture pBkgnd and its label lblProbe.
class ProbeView {
 public:
  virtual ~ProbeView() = default;
  virtual std::string Caption() = 0;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

class ProbeQualification {
 public:
  // Shows or prints a result file: (file, type, default mode).
  using PrintShowFn =
      std::function<void(const std::string&, const std::string&, const std::string&)>;

  // view may be null (no main window yet); exitCommand ends the program in "/PQ" mode.
  ProbeQualification(Kormet& kormet, SelectionWindow& window, ProbeView* view,
                     PrintShowFn printShow, std::function<void()> exitCommand);

  // The probe picture handler (also the "/PQ" start); normalRun is False in "/PQ" mode.
  void pBkgnd_Click(bool normalRun, StartupStatus* splash);
  // The qualification on the scratch routine.
  void mnuProbeCal_Click(bool normalRun, StartupStatus* splash);

 private:
  struct Objects;
  void Label(bool normalRun, const std::string& text);
  bool Qualify(bool normalRun, StartupStatus* splash, Objects& objects);
  void CleanUp(bool normalRun, Objects& objects);
  std::string SettingsKey(const char* key) const;

  Kormet& kormet_;
  SelectionWindow& window_;
  ProbeView* view_;
  PrintShowFn printShow_;
  std::function<void()> exitCommand_;
};

}  // namespace zantrel
