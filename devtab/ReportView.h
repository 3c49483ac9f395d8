#pragma once
// What the report job shows while it works: the caption and the progress bar.
#include <string>

namespace zantrel {

class ReportView {
 public:
  virtual ~ReportView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetProgress(int percent) = 0;  // 0 to 100
};

}  // namespace zantrel
