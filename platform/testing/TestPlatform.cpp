#include "platform/testing/TestPlatform.h"

#include <unistd.h>
#include <atomic>

#include "foundation/TextFile.h"

namespace zantrel {

namespace fs = std::filesystem;

TestPlatform::TestPlatform(int debugLevel) {
  static std::atomic<int> counter{0};
  folder_ = fs::temp_directory_path() /
            ("zantrel-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  drives.SetDrive('C', folder_.string(), DriveType::Fixed);
  drives.windowsDirectory = (folder_ / "Windows").string();
  drives.computerName = "TESTPC";
  context.platform = Platform{&op, &clock, &shell, &windows, &drives, &store, nullptr};
  context.programFolder = folder_;
  context.debugLevel = debugLevel;
  scope_ = std::make_unique<ScopedContext>(context);
}

TestPlatform::~TestPlatform() {
  scope_.reset();
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

fs::path TestPlatform::Write(const std::string& name, const std::string& lines) {
  const fs::path file = folder_ / name;
  fs::create_directories(file.parent_path());
  std::vector<std::string> split;
  size_t start = 0;
  while (start < lines.size()) {
    size_t end = lines.find('\n', start);
    if (end == std::string::npos) end = lines.size();
    split.push_back(lines.substr(start, end - start));
    start = end + 1;
  }
  WriteLines(file, split);
  return file;
}

std::vector<std::string> TestPlatform::LogLines() const {
  auto lines = ReadLines(folder_ / "debug.txt");
  return lines ? *lines : std::vector<std::string>{};
}

bool TestPlatform::LogHas(const std::string& part) const {
  for (const auto& line : LogLines())
    if (line.find(part) != std::string::npos) return true;
  return false;
}

void TestPlatform::UseLanguage(int languageNumber) {
  context.language = nullptr;
  language_ = std::make_unique<LanguageTable>(folder_);
  language_->loadLanguage(languageNumber);
  context.language = language_.get();
}

}  // namespace zantrel
