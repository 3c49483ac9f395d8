#pragma once
// RTF to the plain text a rich-text control saves: one line per paragraph, lines ended by
// CR LF, characters as bytes in the document's code page.
#include <string>

#include "platform/RichText.h"

namespace zantrel {

class RtfRichText : public RichText {
 public:
  // Text that does not start with "{\rtf" comes back unchanged.
  std::string ToPlainText(const std::string& content) override;
};

// Whether the content is an RTF document (leading blanks and a UTF-8 byte order mark allowed).
bool IsRtf(const std::string& content);

}  // namespace zantrel
