#include "platform/qt/FileWindowRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "platform/qt/Processes.h"

namespace zantrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kWindow = ".window";
constexpr const char* kClose = ".close";
constexpr const char* kFront = ".front";

// The folder holds what other users must not see or plant: ours alone, mode 0700, no link.
bool MakePrivateFolder(const fs::path& folder) {
  std::error_code ec;
  if (!fs::exists(folder, ec)) {
    fs::create_directories(folder.parent_path(), ec);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat st {};
  if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid())
    return false;
  if ((st.st_mode & 0777) != 0700 && chmod(folder.c_str(), 0700) != 0) return false;
  return true;
}

// Titles and class names are single lines in the entry file.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

long long NowOrder() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

fs::path FileWindowRegistry::DefaultFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code ec;
  if (runtime && *runtime && fs::is_directory(runtime, ec))
    return fs::path(runtime) / "zantrel-windows";
  return fs::path("/tmp") / ("zantrel-windows-" + std::to_string(getuid()));
}

FileWindowRegistry::FileWindowRegistry() : FileWindowRegistry(DefaultFolder()) {}

FileWindowRegistry::FileWindowRegistry(fs::path folder)
    : folder_(std::move(folder)), pid_(long(getpid())) {
  usable_ = MakePrivateFolder(folder_);
  if (!usable_)
    std::cerr << "Window registry: " << folder_.string()
              << " is not a private folder of this user; windows of other programs are not seen."
              << std::endl;
  started_ = ProcessStartTime(pid_).value_or(0);
}

FileWindowRegistry::~FileWindowRegistry() {
  while (!own_.empty()) Withdraw(own_.begin()->first);
}

fs::path FileWindowRegistry::File(long long handle, const char* kind) const {
  return folder_ / (std::to_string(handle) + kind);
}

long long FileWindowRegistry::Publish(const std::string& className, const std::string& title) {
  const long long handle = (static_cast<long long>(pid_) << 20) | (next_++ & 0xFFFFF);
  Own own;
  own.entry.info = {handle, pid_, OneLine(className), OneLine(title)};
  own.entry.started = started_;
  own.entry.order = NowOrder();
  // Requests left for a process that had this pid before are not ours.
  std::error_code ec;
  fs::remove(File(handle, kClose), ec);
  fs::remove(File(handle, kFront), ec);
  own_[handle] = own;
  Write(own.entry);
  return handle;
}

void FileWindowRegistry::SetTitle(long long handle, const std::string& title) {
  auto it = own_.find(handle);
  if (it == own_.end()) return;
  it->second.entry.info.title = OneLine(title);
  Write(it->second.entry);
}

void FileWindowRegistry::Withdraw(long long handle) {
  own_.erase(handle);
  Remove(handle);
}

void FileWindowRegistry::Write(const Entry& entry) {
  if (!usable_) return;
  // Written aside and renamed, so a reader never sees half an entry.
  const fs::path temp = folder_ / (std::to_string(entry.info.handle) + ".tmp");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << "pid=" << entry.info.pid << '\n'
        << "started=" << entry.started << '\n'
        << "order=" << entry.order << '\n'
        << "class=" << entry.info.className << '\n'
        << "title=" << entry.info.title << '\n';
    if (!out) return;
  }
  std::error_code ec;
  fs::rename(temp, File(entry.info.handle, kWindow), ec);
  if (ec) fs::remove(temp, ec);
}

std::optional<FileWindowRegistry::Entry> FileWindowRegistry::Read(const fs::path& file) const {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  Entry entry;
  try {
    entry.info.handle = std::stoll(file.stem().string());
    bool pidSeen = false;
    for (std::string line; std::getline(in, line);) {
      const auto eq = line.find('=');
      if (eq == std::string::npos) continue;
      const std::string key = line.substr(0, eq);
      const std::string value = line.substr(eq + 1);
      if (key == "pid") {
        entry.info.pid = std::stol(value);
        pidSeen = true;
      } else if (key == "started") {
        entry.started = std::stoull(value);
      } else if (key == "order") {
        entry.order = std::stoll(value);
      } else if (key == "class") {
        entry.info.className = value;
      } else if (key == "title") {
        entry.info.title = value;
      }
    }
    if (!pidSeen) return std::nullopt;
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return entry;
}

bool FileWindowRegistry::Live(const Entry& entry) const {
  if (!ProcessAlive(entry.info.pid)) return false;
  if (entry.started == 0) return true;
  const auto started = ProcessStartTime(entry.info.pid);
  return !started || *started == entry.started;
}

std::vector<WindowInfo> FileWindowRegistry::All() {
  std::vector<Entry> entries;
  if (!usable_) {
    for (const auto& [handle, own] : own_) entries.push_back(own.entry);
  } else {
    std::error_code ec;
    std::vector<long long> dead;
    for (const auto& item : fs::directory_iterator(folder_, ec)) {
      if (item.path().extension() != kWindow) continue;
      const auto entry = Read(item.path());
      if (!entry) continue;  // being written, or not ours
      if (Live(*entry))
        entries.push_back(*entry);
      else
        dead.push_back(entry->info.handle);
    }
    for (long long handle : dead) Remove(handle);
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.order != b.order ? a.order < b.order : a.info.handle < b.info.handle;
  });
  std::vector<WindowInfo> windows;
  for (const auto& e : entries) windows.push_back(e.info);
  return windows;
}

std::optional<FileWindowRegistry::Entry> FileWindowRegistry::LiveEntry(long long handle) {
  if (auto it = own_.find(handle); it != own_.end()) return it->second.entry;
  if (!usable_) return std::nullopt;
  const auto entry = Read(File(handle, kWindow));
  if (!entry) return std::nullopt;
  if (!Live(*entry)) {
    Remove(handle);
    return std::nullopt;
  }
  return entry;
}

void FileWindowRegistry::Remove(long long handle) {
  if (!usable_) return;
  std::error_code ec;
  for (const char* kind : {kWindow, kClose, kFront}) fs::remove(File(handle, kind), ec);
}

bool FileWindowRegistry::Touch(long long handle, const char* kind) {
  if (!usable_) return false;
  std::ofstream out(File(handle, kind), std::ios::binary | std::ios::trunc);
  out << pid_ << '\n';
  return bool(out);
}

bool FileWindowRegistry::CloseRequested(long long handle) {
  std::error_code ec;
  return usable_ && fs::exists(File(handle, kClose), ec);
}

bool FileWindowRegistry::Close(long long handle) {
  if (!LiveEntry(handle)) return false;
  return Touch(handle, kClose);
}

bool FileWindowRegistry::ToFront(long long handle) {
  if (auto it = own_.find(handle); it != own_.end() && it->second.front) {
    it->second.front();
    return true;
  }
  if (!LiveEntry(handle)) return false;
  return Touch(handle, kFront);
}

void FileWindowRegistry::ClearCloseRequest(long long handle) {
  std::error_code ec;
  if (usable_) fs::remove(File(handle, kClose), ec);
}

bool FileWindowRegistry::TakeFrontRequest(long long handle) {
  std::error_code ec;
  return usable_ && fs::remove(File(handle, kFront), ec);
}

void FileWindowRegistry::OnFront(long long handle, std::function<void()> action) {
  if (auto it = own_.find(handle); it != own_.end()) it->second.front = std::move(action);
}

}  // namespace zantrel
