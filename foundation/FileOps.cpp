#include "foundation/FileOps.h"

#include <glob.h>
#include <filesystem>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/Lang.h"
#include "platform/Drives.h"
#include "platform/Operator.h"
#include "platform/UserStore.h"

namespace zantrel {

namespace fs = std::filesystem;

// ---- word splitting ----

Words Tokenize(std::string& line) {
  for (char& c : line) {
    if (c == '\t') c = ' ';
  }
  if (!HasContext() || Ctx().DecimalPoint()) {
    for (char& c : line)
      if (c == ',') c = ' ';
  }
  for (char& c : line)
    if (c == '=') c = ' ';

  Words words;
  std::string word;
  auto take = [&] {
    std::string w = Trim(word);
    if (!w.empty()) words.push_back(std::move(w));
    word.clear();
  };
  for (char c : line) {
    if (c == '!') break;
    if (c == ' ') {
      take();
    } else {
      word += c;
    }
  }
  take();
  return words;
}

Words Tokenize(std::string_view line) {
  std::string copy(line);
  return Tokenize(copy);
}

Words TokenizeSemicolon(std::string_view line) {
  Words words;
  std::string piece;
  auto take = [&] {
    if (!piece.empty()) words.push_back(piece);
    piece.clear();
  };
  for (char c : line) {
    if (c == '!') break;
    if (c == ';') {
      take();
    } else {
      piece += c;
    }
  }
  take();
  return words;
}

bool IsCommentLine(std::string_view line) {
  return (!line.empty() && line[0] == '!') || line.substr(0, 2) == "$$";
}

namespace {

bool Blank(const Path& file) {
  return Trim(file.string()).empty();
}

// The file's lines, or nullopt when it is missing (logged as FileExists does, quietly).
std::optional<std::vector<std::string>> LinesOf(const Path& file) {
  if (!FileExists(file.string(), true)) return std::nullopt;
  return ReadLines(file);
}

std::string JoinWords(const Words& words, size_t from) {
  std::string value;
  for (size_t i = from; i < words.size(); ++i) value += words[i] + " ";
  return Trim(value);
}

void LogValue(const Path& file, std::string_view key, const std::string& value) {
  DebugLog(file.string() + " " + std::string(key) + " value " + (value.empty() ? "NULL" : value),
           8);
}

}  // namespace

// ---- settings readers ----

std::string ReadIniKey(const Path& file, std::string_view key) {
  if (Blank(file)) return "";
  auto lines = LinesOf(file);
  if (!lines) return "";
  std::string value;
  bool found = false;
  for (std::string line : *lines) {
    if (IsCommentLine(line) || !ContainsNoCase(line, key)) continue;
    Words words = Tokenize(line);
    if (words.size() < 2) continue;
    if (!EqualsNoCase(words[0], key)) continue;
    if (EqualsNoCase(words[1], "OFF")) {
      value = "0";
    } else if (EqualsNoCase(words[1], "ON")) {
      value = "1";
    } else {
      value = JoinWords(words, 1);
    }
    found = true;
    break;
  }
  LogValue(file, key, found ? value : "");
  return value;
}

std::string ReadIniKeyAll(const Path& file, std::string_view word1, std::string_view word2) {
  if (Blank(file)) return "";
  auto lines = LinesOf(file);
  if (!lines) return "";
  std::string value;
  for (std::string line : *lines) {
    if (IsCommentLine(line) || !ContainsNoCase(line, word1) || !ContainsNoCase(line, word2))
      continue;
    Words words = Tokenize(line);
    if (words.size() < 2) continue;
    for (const auto& w : words)
      if (w != word1 && w != word2) value += w + " ";
    value = Trim(value);
    break;
  }
  LogValue(file, std::string(word1) + " " + std::string(word2), value);
  return value;
}

std::string GetIniVal(const std::string& section, const std::string& key,
                      const std::string& defaultValue) {
  std::string value = defaultValue;
  UserStore* store = HasContext() ? Ctx().platform.store : nullptr;
  if (store) {
    if (auto stored = store->Get(section, key)) value = *stored;
    store->Set(section, key, value);
  }
  DebugLog("GetIniVal: " + key + " value " + value, 8);
  return value;
}

bool parseFile(const Path& file, std::string_view key, bool bySemicolon) {
  DebugLog("parseFile Start:", 9);
  if (Blank(file)) {
    DebugLog("parseFile: End: param: " + std::string(key) + " File was null.", 9);
    return false;
  }
  DebugLog("parseFile: Parsing file: " + file.string(), 9);
  const std::string wanted = Trim(key);
  DebugLog("parseFile: Looking for:" + wanted, 10);
  auto lines = LinesOf(file);
  if (!lines) {
    DebugLog("parseFile: File not found: " + file.string(), 0);
    return false;
  }
  bool result = false;
  for (std::string line : *lines) {
    DebugLog("parseFile: Line read: " + line, 10);
    if (IsCommentLine(line)) continue;
    Words words = bySemicolon ? TokenizeSemicolon(line) : Tokenize(line);
    for (const auto& w : words) {
      if (EqualsNoCase(w, wanted)) {
        result = true;
        DebugLog("parseFile: Found: " + wanted, 10);
        break;
      }
    }
  }
  DebugLog("parseFile: End ", 10);
  return result;
}

std::optional<Words> getaLine(const Path& file, std::string_view key, bool bySemicolon) {
  DebugLog("getaLine: Start: File: " + file.string(), 7);
  auto lines = Blank(file) ? std::nullopt : LinesOf(file);
  if (!lines) {
    DebugLog("getaLine: End: File didn't exist.", 0);
    return std::nullopt;
  }
  for (std::string line : *lines) {
    if (IsCommentLine(line)) continue;
    Words words = bySemicolon ? TokenizeSemicolon(line) : Tokenize(line);
    if (words.size() < 2) continue;
    for (const auto& w : words) {
      if (EqualsNoCase(w, key)) {
        DebugLog("getaLine: End:", 9);
        return words;
      }
    }
  }
  DebugLog("getaLine: End ", 10);
  return std::nullopt;
}

std::optional<std::vector<std::string>> getaFile(const Path& file) {
  const bool devtab = HasContext() && Ctx().variant == Variant::Devtab;
  DebugLog(
      (devtab ? "getaFile: Start: File: " : "getaFile: Start: Acquiring file: ") + file.string(),
      devtab ? 10 : 9);
  auto lines = Blank(file) ? std::nullopt : LinesOf(file);
  if (!lines) {
    DebugLog("getaFile: End: File didn't exist.", 0);
    return std::nullopt;
  }
  std::vector<std::string> kept;
  for (const auto& line : *lines)
    if (!Trim(line).empty() && !IsCommentLine(line)) kept.push_back(line);
  DebugLog("getaFile: End ", devtab ? 10 : 9);
  return kept;
}

void WriteaFile(const std::vector<std::string>& lines, const Path& file, bool makeBackup) {
  const bool devtab = HasContext() && Ctx().variant == Variant::Devtab;
  if (devtab) {
    DebugLog("WriteaFile: Start: File: " + file.string(), 0);
    if (fs::exists(file)) {
      DebugLog("WriteaFile: End: File existed, MadeOLD.", 0);
      MakeOLD(file.string());
    }
  } else {
    DebugLog("WriteaFile: Start: Writing file: " + file.string(), 7);
    if (makeBackup && fs::exists(file)) {
      DebugLog("WriteaFile: File existed, MadeOLD for backup.", 0);
      MakeOLD(file.string());
    }
  }
  WriteLines(file, lines);
  DebugLog("WriteaFile: End ", 10);
}

std::optional<std::vector<std::string>> getaKeySet(const Path& file, std::string_view key, int n) {
  DebugLog("getaKeySet: Start: File: " + file.string(), 7);
  auto lines = Blank(file) ? std::nullopt : LinesOf(file);
  if (!lines) {
    DebugLog("getaKeySet: End: File didn't exist.", 0);
    return std::nullopt;
  }
  std::vector<std::string> set;
  for (std::string line : *lines) {
    if (Trim(line).empty() || IsCommentLine(line)) continue;
    Words words = Tokenize(line);
    if (n < 1 || static_cast<int>(words.size()) < n) continue;
    if (words[0] == key) set.push_back(words[n - 1]);
  }
  DebugLog("getaKeySet: End ", 10);
  return set;
}

void ReplaceLine(const Path& file, std::string_view tag, const std::string& newLine) {
  DebugLog("ReplaceLine: Start: Replacing tag: " + std::string(tag) + " with NewLine: " + newLine +
               " in file: " + file.string(),
           9);
  auto lines = getaFile(file);
  std::vector<std::string> out = lines ? *lines : std::vector<std::string>{};
  for (auto& line : out) {
    if (ContainsNoCase(line, tag)) {
      line = newLine;
      break;
    }
  }
  WriteaFile(out, file, false);
  DebugLog("ReplaceLine: End", 9);
}

// ---- files and folders ----

bool FileExists(const std::string& path, bool quiet) {
  bool exists = false;
  if (!Trim(path).empty()) {
    const std::string native = NativePath(path).string();
    if (native.find_first_of("*?[") != std::string::npos) {
      glob_t g{};
      exists = glob(native.c_str(), 0, nullptr, &g) == 0 && g.gl_pathc > 0;
      globfree(&g);
    } else {
      std::error_code ec;
      exists = fs::exists(native, ec);
    }
  }
  if (!exists) {
    const std::string text = path + " not found.";
    DebugLog(text, 9);
    if (!quiet && HasContext() && Ctx().platform.op)
      Ctx().platform.op->Message(text, Ctx().appTitle);
  } else {
    DebugLog(path + " found.", 10);
  }
  return exists;
}

std::string BackupName(const std::string& path) {
  // Only the file name's dots: a dot in a folder name must not send the backup elsewhere.
  const size_t sep = path.find_last_of("\\/");
  const size_t start = sep == std::string::npos ? 0 : sep + 1;
  return path.substr(0, start) + ReplaceAll(path.substr(start), ".", "OLD.");
}

void MakeOLD(const std::string& path) {
  DebugLog("MakeOLD: Start: " + path, 9);
  std::error_code ec;
  const fs::path file = NativePath(path);
  if (!fs::is_regular_file(file, ec)) return;
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
  if (!FCopy(path, BackupName(path))) return;  // keep the file when there is no backup of it
  fs::remove(file, ec);
  DebugLog("MakeOLD made OLD " + path, 9);
}

bool FCopy(const std::string& source, const std::string& destination) {
  if (source == destination) return true;
  const std::string src = Trim(source);
  const std::string dst = Trim(destination);
  std::error_code ec;
  fs::copy_file(NativePath(src), NativePath(dst), fs::copy_options::overwrite_existing, ec);
  if (ec) {
    const std::string text = Translate("An error occurred while attempting to copy file") + " " +
                             src + " " + Translate("to file") + " " + dst + "." + " " +
                             Translate("Please contact System Administrator") + "." + ErrorText(ec);
    DebugLog(text, 0, true, kErrr);
    return false;
  }
  DebugLog("FCopy Copied: " + src + " to:" + dst, 9);
  return true;
}

void DeleteFileIfExists(const std::string& path) {
  std::error_code ec;
  const fs::path file = NativePath(path);
  if (fs::is_regular_file(file, ec)) fs::remove(file, ec);
}

void ChangePath(const std::string& path) {
  std::string native = path;
  if (native.size() >= 2 && native[1] == ':' && HasContext() && Ctx().platform.drives) {
    native = Ctx().platform.drives->Map(path);
  } else if (path.rfind("\\\\", 0) == 0) {
    DebugLog(path + " is UNC.", 0);
  }
  std::error_code ec;
  fs::current_path(NativePath(native), ec);
  if (ec) {
    DebugLog(Translate("An error occurred while trying to change path to: ") + path +
                 std::string(kCrLf) + ErrorText(ec),
             0, true, kErrr);
  }
}

}  // namespace zantrel
