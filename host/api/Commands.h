#pragma once
// The commands of a routine.
#include <memory>
#include <string>

namespace zantrel::host {

// Field types of GetText/PutText.
inline constexpr int kFieldAssignName = 133;   // an assignment's variable name
inline constexpr int kFieldAssignValue = 134;  // an assignment's value
inline constexpr int kFieldTraceName = 257;    // a trace field's name
inline constexpr int kFieldTraceValue = 258;   // a trace field's value

// Type numbers of dimension commands that carry no axis value (headers and ends).
inline bool IsDimensionFrame(long type) {
  return type == 1000 || type == 1001 || type == 1200 || type == 1201;
}

// The values of a dimension command.
class Dimension {
 public:
  virtual ~Dimension() = default;
  virtual double Measured() = 0;
  virtual double NOMINAL() = 0;
  virtual double Plus() = 0;
  virtual double Minus() = 0;
  virtual double Deviation() = 0;
};

// What a modal command (the load-probe command) names.
struct ModalInfo {
  std::string Name;  // the probe file of a load-probe command
};

class Command {
 public:
  virtual ~Command() = default;
  virtual std::string ID() = 0;  // empty for axis lines and most commands
  virtual long Type() = 0;
  virtual bool IsDimension() = 0;
  virtual bool IsFlowControl() = 0;  // assignments
  virtual bool IsTraceField() = 0;
  virtual bool IsLoadProbe() = 0;
  // Only for a load-probe command; other commands give an empty name.
  virtual ModalInfo ModalCommand() = 0;
  // Field text; empty when the command has no such field.
  virtual std::string GetText(int fieldType, int index) = 0;
  // False when the command has no such field.
  virtual bool PutText(const std::string& text, int fieldType, int index) = 0;
  virtual void ReDraw() = 0;
  // Only for a dimension command (IsDimension); otherwise HostError.
  virtual std::shared_ptr<Dimension> DimensionCommand() = 0;
};

class CommandList {
 public:
  virtual ~CommandList() = default;
  virtual long Count() = 0;
  // 1-based; an index out of range is a HostError.
  virtual std::shared_ptr<Command> Item(long index) = 0;
  // New commands go after this one.
  virtual void InsertionPointAfter(const std::shared_ptr<Command>& command) = 0;
  virtual void ClearAllBreakpoints() = 0;
};

}  // namespace zantrel::host
