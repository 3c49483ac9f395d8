#pragma once
// Top-level windows of all our programs, shared through a per-user runtime folder: one small
// file per published window, removed when it closes. Entries of processes that have ended are
// ignored and cleared away. Requests to close a window or bring it to the front are files too;
// the owning program notices them (PublishedWindow does that for a Qt window).
#include <filesystem>
#include <functional>
#include <map>

#include "platform/WindowRegistry.h"

namespace zantrel {

class FileWindowRegistry : public WindowRegistry {
 public:
  // The per-user folder of DefaultFolder().
  FileWindowRegistry();
  explicit FileWindowRegistry(std::filesystem::path folder);
  // Withdraws the windows still published.
  ~FileWindowRegistry() override;
  FileWindowRegistry(const FileWindowRegistry&) = delete;
  FileWindowRegistry& operator=(const FileWindowRegistry&) = delete;

  // $XDG_RUNTIME_DIR/zantrel-windows, else /tmp/zantrel-windows-<uid>.
  static std::filesystem::path DefaultFolder();

  long long Publish(const std::string& className, const std::string& title) override;
  void SetTitle(long long handle, const std::string& title) override;
  void Withdraw(long long handle) override;
  std::vector<WindowInfo> All() override;
  bool CloseRequested(long long handle) override;
  // Leaves a close request for the owner; false when there is no such live window.
  bool Close(long long handle) override;
  // This program's window: the front action at once. Another program's: a request it notices.
  bool ToFront(long long handle) override;

  // A close request is taken once, so a window that refuses to close is not asked again.
  void ClearCloseRequest(long long handle);
  // True once per request of another program to bring the window to the front.
  bool TakeFrontRequest(long long handle);
  // What ToFront does for this program's own window.
  void OnFront(long long handle, std::function<void()> action);

  const std::filesystem::path& Folder() const { return folder_; }
  // False when the folder could not be made private to the user; then only this program's
  // own windows are known.
  bool Usable() const { return usable_; }

 private:
  struct Entry {
    WindowInfo info;
    unsigned long long started = 0;  // owner's start time, 0 when unknown
    long long order = 0;
  };
  struct Own {
    Entry entry;
    std::function<void()> front;
  };

  std::filesystem::path File(long long handle, const char* kind) const;
  void Write(const Entry& entry);
  std::optional<Entry> Read(const std::filesystem::path& file) const;
  bool Live(const Entry& entry) const;
  std::optional<Entry> LiveEntry(long long handle);
  void Remove(long long handle);
  bool Touch(long long handle, const char* kind);

  std::filesystem::path folder_;
  bool usable_ = false;
  long pid_;
  unsigned long long started_ = 0;
  long long next_ = 1;
  std::map<long long, Own> own_;
};

}  // namespace zantrel
