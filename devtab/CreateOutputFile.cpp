#include "devtab/CreateOutputFile.h"

#include <algorithm>
#include <chrono>

#include "devtab/ReportLine.h"
#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "host/api/Commands.h"
#include "host/api/HostError.h"
#include "host/api/PartProgram.h"
#include "platform/Clock.h"
#include "platform/Drives.h"
#include "platform/WindowRegistry.h"

namespace zantrel {

namespace {

using namespace std::chrono_literals;

void Show(const std::string& text) {
  DebugLog(text, 0, true);
}

// A statistics update in progress holds the report; let it finish first.
void WaitForUpdates() {
  Context& ctx = Ctx();
  if (!ctx.platform.windows || !ctx.platform.clock) return;
  WindowRegistry& windows = *ctx.platform.windows;
  ctx.platform.clock->WaitWhile([&] { return windows.FindByTitle("Updating").has_value(); }, -1ms,
                                50ms);
}

std::shared_ptr<host::CommandList> ActiveCommands(const HostAttach& attach) {
  std::shared_ptr<host::Application> application;
  try {
    if (attach) application = attach();
  } catch (const host::HostError& error) {
    std::string text = "No measurement host is running.";
    if (error.kind() != host::HostError::Kind::NotFound) text += ErrorText(error);
    Show(text);
    return nullptr;
  }
  if (!application) {
    Show("No measurement host is running.");
    return nullptr;
  }
  try {
    auto routine = application->ActivePartProgram();
    if (!routine) {
      Show("The measurement host has no active routine.");
      return nullptr;
    }
    return routine->Commands();
  } catch (const host::HostError& error) {
    Show("The measurement host has no active routine." + ErrorText(error));
    return nullptr;
  }
}

std::string ReportPath(const std::string& word) {
  Drives* drives = Ctx().platform.drives;
  return drives ? drives->Map(word) : NativePath(word).string();
}

}  // namespace

std::vector<std::string> CommandWords(const std::string& commandLine) {
  // Commas separate here whatever the locale's decimal symbol.
  return Tokenize(ReplaceAll(commandLine, ",", " "));
}

void CreateOutputFile(const std::string& commandLine, const HostAttach& attach, ReportView& view) {
  const std::vector<std::string> words = CommandWords(commandLine);
  if (!commandLine.empty()) {
    DebugLog("Devtab: Command Line was: " + commandLine, 0);
    DebugLog("Devtab: Found " + std::to_string(words.size()) + " parameter(s) on command line.", 0);
  }
  if (words.size() < 2) {
    Show("There were zero requested dimensions in the Devtab command");
    view.SetProgress(100);
    return;
  }
  const std::string reportPath = words[0];
  const long requested = static_cast<long>(words.size()) - 1;
  view.SetCaption("Devtab Writing " + reportPath);
  std::vector<std::string> pending(words.begin() + 1, words.end());

  WaitForUpdates();

  auto commands = ActiveCommands(attach);
  if (!commands) {
    view.SetProgress(100);
    return;
  }

  std::vector<std::string> output;
  long found = 0;
  try {
    std::string current;
    const long count = commands->Count();
    for (long i = 1; i <= count && found < requested; ++i) {
      view.SetProgress(static_cast<int>(std::min(found * 100 / requested, 100L)));
      auto command = commands->Item(i);
      if (!command->IsDimension()) continue;
      // Axis lines carry no name: they answer for the dimension named above them.
      const std::string id = Trim(command->ID());
      if (!id.empty()) current = id;
      const long type = command->Type();
      if (IsSkippedType(static_cast<int>(type))) continue;

      std::string line;  // built once: one command answers every request for its name
      for (auto entry = pending.size(); entry-- > 0;) {
        if (!EqualsNoCase(pending[entry], current)) continue;
        view.SetCaption("Processing Dimension " + current);
        if (line.empty()) {
          auto dimension = command->DimensionCommand();
          DimensionValues values{dimension->Measured(), dimension->NOMINAL(),
                                 dimension->Deviation(), dimension->Plus(), dimension->Minus()};
          line = ReportLine(current, static_cast<int>(type), values);
        }
        pending.erase(pending.begin() + static_cast<long>(entry));
        output.push_back(line);
        ++found;
      }
    }
  } catch (const host::HostError& error) {
    // What was found before the host failed is still written; the count message tells.
    Show("Devtab: The measurement host stopped answering." + ErrorText(error));
  }

  if (output.empty()) {
    Show("Error in Devtab. Zero dimensions found.");
  } else {
    std::vector<std::string> lines{" "};
    lines.insert(lines.end(), output.begin(), output.end());
    const std::string path = ReportPath(reportPath);
    try {
      WriteLines(NativePath(path), lines, true);
      if (found != requested)
        Show("Number of dimensions found: (" + std::to_string(found) +
             ") was different than called for: (" + std::to_string(requested) + "), check report.");
    } catch (const FileError& error) {
      Show("Devtab: Unable to write the report file " + path + ErrorText(error));
    }
  }
  view.SetProgress(100);
}

}  // namespace zantrel
