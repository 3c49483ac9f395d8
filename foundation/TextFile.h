#pragma once
// Reading and writing the system's text files: bytes in the 8-bit code page, lines ended by
// CR LF on writing, CR LF or LF accepted on reading.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zantrel {

// A file that cannot be read or written where the caller must know.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Lines without their line ends; nullopt when the file does not exist or cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& file);
// Whole content as bytes; nullopt when the file does not exist or cannot be read.
std::optional<std::string> ReadAll(const std::filesystem::path& file);
// Writes each line followed by CR LF, replacing the file (or appending). Throws FileError.
void WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                bool append = false);
// Writes the bytes as they are, replacing the file. Throws FileError.
void WriteAll(const std::filesystem::path& file, const std::string& content);
// Appends one line followed by CR LF. Throws FileError.
void AppendLine(const std::filesystem::path& file, const std::string& line);

// Path from a text that may use "\" (as settings files do) and native separators.
std::filesystem::path NativePath(const std::string& text);
// Path joined as text: folder + separator + name.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace zantrel
