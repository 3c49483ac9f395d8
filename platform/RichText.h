#pragma once
// Rich text to plain text, as a rich-text control saves it: one line per paragraph.
#include <filesystem>
#include <string>

namespace zantrel {

class RichText {
 public:
  virtual ~RichText() = default;
  // The plain text of an RTF document; text that is not RTF comes back unchanged.
  virtual std::string ToPlainText(const std::string& content) = 0;
};

}  // namespace zantrel
