#pragma once
// The line-oriented readers of settings and definition files, and the file operations.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/StringM.h"
#include "foundation/TextFile.h"

namespace zantrel {

using Path = std::filesystem::path;

// Word splitter; the tab, comma and "=" replacements are made on the line itself.
Words Tokenize(std::string& line);
Words Tokenize(std::string_view line);
Words TokenizeSemicolon(std::string_view line);
bool IsCommentLine(std::string_view line);

std::string ReadIniKey(const Path& file, std::string_view key);
std::string ReadIniKeyAll(const Path& file, std::string_view word1, std::string_view word2);
// Per-user registry value of the application; the value read (or the default) is stored back.
std::string GetIniVal(const std::string& section, const std::string& key,
                      const std::string& defaultValue);
bool parseFile(const Path& file, std::string_view key, bool bySemicolon);
std::optional<Words> getaLine(const Path& file, std::string_view key, bool bySemicolon);
std::optional<std::vector<std::string>> getaFile(const Path& file);
// Throws FileError when the file cannot be written.
void WriteaFile(const std::vector<std::string>& lines, const Path& file, bool makeBackup);
std::optional<std::vector<std::string>> getaKeySet(const Path& file, std::string_view key, int n);
void ReplaceLine(const Path& file, std::string_view tag, const std::string& newLine);

// Files and folders.
bool FileExists(const std::string& path, bool quiet);
std::string BackupName(const std::string& path);
void MakeOLD(const std::string& path);
bool FCopy(const std::string& source, const std::string& destination);
void DeleteFileIfExists(const std::string& path);
void ChangePath(const std::string& path);
std::string ExpandShortFolder(const std::string& path);
std::vector<std::string> FixedDrives();
std::string WindowsDirectory();
std::string ComputerName();
void SetUserRegistryValue(const std::string& key, const std::string& valueName,
                          const std::string& value, int kind);
// Returns the chosen file, or currentName when the dialog is cancelled.
std::string OpenFileDlg(const std::string& title, const std::string& filter,
                        const std::string& initialPath, const std::string& currentName = "");
// Shell open with the fallback to choosing a program.
bool ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
               const std::string& folder, int windowStyle = 1);

// Windows of all programs.
bool WindowToFront(const std::string& windowClass);
long long FindWindowByTitle(const std::string& text);  // 0 when none

// Releases an object reference, logging what happened.
template <class Ptr>
void RelObj(Ptr& object, std::string name);

}  // namespace zantrel

#include "foundation/RelObj.inl"
