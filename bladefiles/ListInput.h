#pragma once
// Reading a definition file the two ways its formats need: whole lines, and list-input records
// (a record ends at a line end or at a comma outside quotes; leading blanks are skipped).
#include <optional>
#include <string>

namespace zantrel {

class ListInput {
 public:
  // The file's bytes; nullopt from Open when it cannot be read.
  static std::optional<ListInput> Open(const std::string& path);
  explicit ListInput(std::string content) : text_(std::move(content)) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  // The rest of the current line, without its line end; nullopt at the end of the file.
  std::optional<std::string> Line();
  // The next record; nullopt at the end of the file. A quoted record loses its quotes, and
  // whatever follows the closing quote up to the record's end is dropped.
  std::optional<std::string> Record();

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();

  std::string text_;
  size_t pos_ = 0;
};

}  // namespace zantrel
