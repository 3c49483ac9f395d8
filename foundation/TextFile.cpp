#include "foundation/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zantrel {

std::optional<std::string> ReadAll(const std::filesystem::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string content;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, n);
  const bool failed = std::ferror(f);
  std::fclose(f);
  if (failed) return std::nullopt;
  return content;
}

std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) return std::nullopt;
  auto content = ReadAll(file);
  if (!content) return std::nullopt;
  std::vector<std::string> lines;
  size_t start = 0;
  const std::string& s = *content;
  while (start < s.size()) {
    size_t end = s.find('\n', start);
    if (end == std::string::npos) end = s.size();
    size_t stop = end;
    if (stop > start && s[stop - 1] == '\r') --stop;
    lines.emplace_back(s, start, stop - start);
    start = end + 1;
  }
  return lines;
}

namespace {

std::FILE* OpenForWriting(const std::filesystem::path& file, const char* mode) {
  std::FILE* f = std::fopen(file.c_str(), mode);
  if (!f) throw FileError("Cannot write " + file.string() + ": " + std::strerror(errno));
  return f;
}

void Close(std::FILE* f, const std::filesystem::path& file) {
  const bool failed = std::ferror(f);
  if (std::fclose(f) != 0 || failed) throw FileError("Cannot write " + file.string());
}

}  // namespace

void WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                bool append) {
  std::FILE* f = OpenForWriting(file, append ? "ab" : "wb");
  for (const auto& line : lines) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fwrite("\r\n", 1, 2, f);
  }
  Close(f, file);
}

void WriteAll(const std::filesystem::path& file, const std::string& content) {
  std::FILE* f = OpenForWriting(file, "wb");
  std::fwrite(content.data(), 1, content.size(), f);
  Close(f, file);
}

void AppendLine(const std::filesystem::path& file, const std::string& line) {
  WriteLines(file, {line}, true);
}

std::filesystem::path NativePath(const std::string& text) {
  std::string s = text;
  for (char& c : s)
    if (c == '\\') c = '/';
  return std::filesystem::path(s);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  if (last == '/' || last == '\\') return folder + name;
  return folder + "/" + name;
}

}  // namespace zantrel
