#include "bladefiles/ListInput.h"

#include "foundation/TextFile.h"

namespace zantrel {

std::optional<ListInput> ListInput::Open(const std::string& path) {
  auto content = ReadAll(NativePath(path));
  if (!content) return std::nullopt;
  return ListInput(std::move(*content));
}

bool ListInput::AtLineEnd() const {
  return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void ListInput::SkipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

std::optional<std::string> ListInput::Line() {
  if (AtEnd()) return std::nullopt;
  size_t start = pos_;
  while (pos_ < text_.size() && !AtLineEnd()) ++pos_;
  std::string line = text_.substr(start, pos_ - start);
  SkipLineEnd();
  return line;
}

std::optional<std::string> ListInput::Record() {
  if (AtEnd()) return std::nullopt;
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  std::string record;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"' && !AtLineEnd()) record += text_[pos_++];
    if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
  } else {
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) record += text_[pos_++];
  }
  if (pos_ < text_.size() && text_[pos_] == ',') {
    ++pos_;
    // A comma at the end of a line also ends that line.
    if (AtLineEnd()) SkipLineEnd();
  } else {
    SkipLineEnd();
  }
  return record;
}

}  // namespace zantrel
