#include "sim/kormet/HostReport.h"

#include "foundation/Format.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "sim/kormet/Rtf.h"

namespace zantrel::kormetsim {

namespace {

std::string Column(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Values(const RoutineCommand& c) {
  return Column(FormatFixed(c.measured, 4), 11) + Column(FormatFixed(c.nominal, 4), 11) +
         Column(FormatFixed(c.plus, 4), 11) + Column(FormatFixed(-c.minus, 4), 11) +
         Column(FormatFixed(c.Deviation(), 4), 11);
}

}  // namespace

std::vector<std::string> ReportLines(const Routine& routine,
                                     std::chrono::system_clock::time_point when) {
  std::vector<std::string> lines{
      "KORMET INSPECTION REPORT",
      "Routine: " + routine.file.string(),
      "Part name: " + routine.partName,
      "Serial number: " + routine.serialNumber,
      "Date: " + FormatTime(when, "mm/dd/yy hh:mm:ss"),
      "",
      "Dimension      Type       Meas        Nom      +Tol       -Tol        Dev"};
  std::string current;
  for (const RoutineCommand& c : routine.commands) {
    switch (c.kind) {
      case Kind::Dimension:
        current = c.id;
        lines.push_back(c.id + (c.hasValues ? "  " + std::to_string(c.type) + Values(c) : ""));
        break;
      case Kind::Axis:
        lines.push_back("  " + current + " " + std::to_string(c.type) + Values(c));
        break;
      case Kind::Assign:
        lines.push_back("Assignment " + c.name + " = " + c.value);
        break;
      case Kind::Trace:
        lines.push_back("Trace field " + c.name + ": " + c.value);
        break;
      default:
        break;
    }
  }
  lines.push_back("");
  lines.push_back("End of report");
  return lines;
}

void WriteReport(const std::filesystem::path& file, const Routine& routine,
                 std::chrono::system_clock::time_point when) {
  const auto lines = ReportLines(routine, when);
  if (EqualsNoCase(file.extension().string(), ".rtf")) {
    WriteAll(file, RtfDocument(lines));
  } else {
    WriteLines(file, lines);
  }
}

}  // namespace zantrel::kormetsim
