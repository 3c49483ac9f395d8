#pragma once
// Probes, their tips, qualification tools (spheres) and the qualification settings.
#include <memory>
#include <string>

namespace zantrel::host {

class Tip {
 public:
  virtual ~Tip() = default;
  virtual std::string ID() = 0;
  virtual double Diameter() = 0;  // dispatch member 8
};

class TipList {
 public:
  virtual ~TipList() = default;
  virtual long Count() = 0;                           // dispatch member 1
  virtual std::shared_ptr<Tip> Item(long index) = 0;  // dispatch member 0; 1-based
};

class Tool {
 public:
  virtual ~Tool() = default;
  virtual std::string ID() = 0;
};

class ToolList {
 public:
  virtual ~ToolList() = default;
  virtual long Count() = 0;
  virtual std::shared_ptr<Tool> Item(long index) = 0;             // 1-based
  virtual std::shared_ptr<Tool> Item(const std::string& id) = 0;  // HostError when missing
};

// The qualification parameters of one probe. Properties: X() reads, SetX(value) writes.
class QualSettings {
 public:
  virtual ~QualSettings() = default;
  virtual bool ToolMoved() = 0;
  virtual void SetToolMoved(bool moved) = 0;
  virtual void SetTool(const std::shared_ptr<Tool>& tool) = 0;
  virtual long Mode() = 0;
  virtual void SetMode(long mode) = 0;
  virtual long ExecuteMode() = 0;
  virtual void SetExecuteMode(long mode) = 0;
  virtual long NumHits() = 0;
  virtual void SetNumHits(long hits) = 0;
  virtual double MoveSpeed() = 0;
  virtual void SetMoveSpeed(double speed) = 0;
  virtual double Touchspeed() = 0;
  virtual void SetTouchspeed(double speed) = 0;
  virtual double PreHit() = 0;
  virtual void SetPreHit(double distance) = 0;
};

class Probe {
 public:
  virtual ~Probe() = default;
  virtual std::string Name() = 0;
  // Folder of the probe file, with a trailing separator.
  virtual std::string Path() = 0;
  virtual std::shared_ptr<TipList> Tips() = 0;
  virtual void SelectAllTips() = 0;
  virtual std::shared_ptr<QualSettings> QualificationSettings() = 0;
  // Qualifies the selected tips on the settings' tool; true on success. The host writes
  // "<probe>.Results" and holds the new tip data until SaveChanges or CancelChanges.
  virtual bool Qualify2(const std::shared_ptr<QualSettings>& settings) = 0;
  virtual void SaveChanges() = 0;    // this probe only
  virtual void CancelChanges() = 0;  // this probe only
  virtual void SetVisible(bool visible) = 0;
};

class ProbeList {
 public:
  virtual ~ProbeList() = default;
  virtual long Count() = 0;
  virtual std::shared_ptr<Probe> Item(long index) = 0;  // 1-based
  // By probe name (case-insensitive; the probe file name with or without extension).
  // HostError when missing.
  virtual std::shared_ptr<Probe> Item(const std::string& name) = 0;
  virtual void SaveChanges() = 0;    // every probe
  virtual void CancelChanges() = 0;  // every probe
  virtual void SetVisible(bool visible) = 0;
};

}  // namespace zantrel::host
