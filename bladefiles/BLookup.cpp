#include "bladefiles/BLookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "bladefiles/ListInput.h"
#include "bladefiles/OperationFile.h"
#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "platform/Operator.h"

namespace zantrel {

const char* const kLookupTableHeader = "!Part Number         Program        Flavor";
const char* const kLookupTableDemo = "Demo                 blade          QUENBY1";

namespace fs = std::filesystem;

std::string LookupTablePath() {
  return JoinPath(Ctx().programFolder.string(), "blade_lookup_table.txt");
}

namespace {

bool CreateDefaultTable(const std::string& table) {
  try {
    WriteLines(NativePath(table), {kLookupTableHeader, kLookupTableDemo});
  } catch (const FileError& error) {
    DebugLog(Translate("Unable to create") + " " + table + "." + ErrorText(error), 0, true);
    return false;
  }
  DebugLog(Translate("First time run, or") + " " + "blade_lookup_table.txt" + " " +
               Translate("deleted, new default file created") + ".",
           0, true);
  return true;
}

// Subfolder names in the order the shop's file system lists them: by name, ignoring case.
std::vector<std::string> PartFolders(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(NativePath(folder), error);
  if (error) {
    DebugLog("PopulateBlades: " + folder + " " + "not found" + ".", 9);
    return names;
  }
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    std::error_code kindError;
    if (it->is_directory(kindError)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string ua = UCase(a), ub = UCase(b);
    return ua != ub ? ua < ub : a < b;
  });
  return names;
}

}  // namespace

bool BLookup(BladeContext& blade) {
  ZoneState& zone = blade.Zone();
  DebugLog("BLookup: Looking for: " + zone.PartNo, 7);
  zone.Flavor.clear();
  zone.FlavorFile.clear();
  zone.Programs.reset();

  const std::string table = LookupTablePath();
  if (!FileExists(table, true) && !CreateDefaultTable(table)) return false;

  auto folder = blade.PartFolder();
  if (!folder) return false;
  const std::string part = Trim(zone.PartNo);
  const std::string opFile = JoinPath(*folder, part + ".op");
  if (FileExists(opFile, true)) {
    if (cparseOP(blade)) return true;
    DebugLog("BLookup: cparseOP did not succeed", 0);
    return false;
  }

  DebugLog("BLookup: Opening " + table, 3);
  auto input = ListInput::Open(table);
  if (!input) {
    DebugLog(Translate("Error finding") + " " + table + ".", 0, true);
    return false;
  }
  const std::string wanted = UCase(part);
  bool found = false;
  while (auto record = input->Record()) {
    if (Trim(*record).empty() || IsCommentLine(*record)) continue;
    Words fields = Tokenize(std::string_view(*record));
    if (fields.empty()) continue;  // only a "!" comment after blanks
    if (fields.size() != 3) {
      DebugLog(Translate("Error reading") + " " + table + " " + Translate("Line:") + " " + *record,
               0, true);
      return false;
    }
    if (UCase(Trim(fields[0])) == wanted) {
      if (!zone.Programs) zone.Programs.emplace();
      zone.Programs->push_back(fields[1]);
      zone.Flavor = fields[2];
      found = true;
      DebugLog("BLookup: Line used: " + *record, 9);
    }
  }
  return found;
}

std::vector<std::string> PopulateBlades(const BladeContext& blade) {
  Operator* op = Ctx().platform.op;
  if (op != nullptr) op->SetBusy(true);
  DebugLog("PopulateBlades: Start", 7);
  std::vector<std::string> offered;

  if (!blade.ConfiguredOnNetwork()) DebugLog("PopulateBlades: Net not found.", 9);
  std::vector<std::string> lines =
      getaFile(NativePath(LookupTablePath())).value_or(std::vector<std::string>{});

  for (const std::string& name : PartFolders(blade.configuredBlades)) {
    const std::string opFile = JoinPath(JoinPath(blade.configuredBlades, name), name + ".op");
    if (FileExists(opFile, true)) {
      offered.push_back(name);
      DebugLog("Populate blades found operation file for   : " + name, 7);
    } else if (parseCol(lines, name)) {
      offered.push_back(name);
      DebugLog("Populate blades found bladelookup entry for: " + name, 7);
    }
  }

  DebugLog("PopulateBlades: End", 7);
  if (op != nullptr) op->SetBusy(false);
  return offered;
}

}  // namespace zantrel
