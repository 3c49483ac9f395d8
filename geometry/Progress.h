#pragma once
// The progress window as the readers and the conversion see it: a caption, a label and a bar
// running 0 to 100. The window (frmProgress) implements it; MemoryProgress stands in where no
// window is wanted and lets tests watch the bar.
#include <string>
#include <vector>

namespace zantrel {

class Progress {
 public:
  virtual ~Progress() = default;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetLabel(const std::string& text) = 0;
  // Clamped to 0..100.
  virtual void SetValue(int value) = 0;
  virtual int Value() const = 0;
  // Shows the window without blocking.
  virtual void Show() = 0;
  virtual void Refresh() = 0;
  // Closes (unloads) the window.
  virtual void Close() = 0;

  // Caption and label both carry the step text.
  void Step(const std::string& text) {
    SetCaption(text);
    SetLabel(text);
  }
};

class MemoryProgress : public Progress {
 public:
  void SetCaption(const std::string& text) override { caption = text; }
  void SetLabel(const std::string& text) override { label = text; }
  void SetValue(int value) override {
    value_ = value < 0 ? 0 : (value > 100 ? 100 : value);
    values.push_back(value_);
  }
  int Value() const override { return value_; }
  void Show() override { visible = true; }
  void Refresh() override { ++refreshes; }
  void Close() override {
    visible = false;
    ++closes;
  }

  std::string caption = "Processing...";
  std::string label = "Processing Data File...";
  bool visible = false;
  int refreshes = 0;
  int closes = 0;
  std::vector<int> values;  // every value set, in order

 private:
  int value_ = 0;
};

}  // namespace zantrel
