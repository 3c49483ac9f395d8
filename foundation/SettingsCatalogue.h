#pragma once
// The default settings file zantrel.ini, written at the first start with the operator's answers.
#include <filesystem>
#include <string>

namespace zantrel {

// Writes every line of the default settings file, asking whether the machine is online (and can
// scan), or has the host installed offline, and whether rotors are measured. Stores the local
// folders in the registry on a first installation and tells the operator. Throws FileError when
// the file cannot be written.
void CreateDefaultSettingsFile(const std::filesystem::path& file, const std::string& productName,
                               int major, int minor);

}  // namespace zantrel
