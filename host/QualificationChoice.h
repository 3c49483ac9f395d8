#pragma once
// What the operator chooses before a probe qualification: probe, sphere and whether the sphere
// has moved. The window frmSelect shows and edits one of these.
#include <string>
#include <vector>

namespace zantrel {

struct QualificationChoice {
  std::string caption;

  std::vector<std::string> probes;
  std::string probe;  // chosen text; empty means cancel
  bool probeEnabled = true;
  std::string probeTip;

  std::vector<std::string> artifacts;
  std::string artifact;  // chosen text; empty means cancel
  bool artifactEnabled = true;
  std::string artifactTip;

  bool movedEnabled = true;
  bool moved = true;  // optYes selected

  // The window is shown only when there is something to choose.
  bool NeedsWindow() const { return probeEnabled || artifactEnabled || movedEnabled; }
  bool Cancelled() const { return probe.empty() || artifact.empty(); }
};

// The modal selection window.
class SelectionWindow {
 public:
  virtual ~SelectionWindow() = default;
  // Shows the choice modally; returns when the operator pressed Measure or Cancel.
  virtual void ShowModal(QualificationChoice& choice) = 0;
  // Unloads the window.
  virtual void Close() {}
};

}  // namespace zantrel
