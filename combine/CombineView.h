#pragma once
// What the combiner shows while it works: the label of its window.
#include <string>

namespace zantrel {

class CombineView {
 public:
  virtual ~CombineView() = default;
  virtual void SetLabel(const std::string& text) = 0;
};

}  // namespace zantrel
