#pragma once
// The system information tool of the splash window.
namespace zantrel {

// Runs the tool named in the registry, or tells the operator there is none.
void RunSystemInfo();

}  // namespace zantrel
