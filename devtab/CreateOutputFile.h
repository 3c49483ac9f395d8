#pragma once
// The whole job of the report tool: find the requested dimensions in the host's active routine
// and append their report lines to the report file.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devtab/ReportView.h"
#include "host/api/Application.h"

namespace zantrel {

// Attaches to the running host; nullptr (or HostError) when none runs. Never starts one.
using HostAttach = std::function<std::shared_ptr<host::Application>()>;

// The words of the command line: blanks, tabs, "=" and commas separate, "!" ends the line.
std::vector<std::string> CommandWords(const std::string& commandLine);

// Runs the job against the installed context; messages go through DebugLog's boxes.
void CreateOutputFile(const std::string& commandLine, const HostAttach& attach, ReportView& view);

}  // namespace zantrel
