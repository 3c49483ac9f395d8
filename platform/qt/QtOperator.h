#pragma once
// The operator at the screen, through Qt's standard boxes and dialogs.
#include <QString>

#include "platform/Operator.h"

namespace zantrel {

class QtOperator : public Operator {
 public:
  Answer Box(const std::string& text, const std::string& title, Buttons buttons) override;
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& initialFolder,
                                      const std::string& initialName) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initialFolder) override;
  // Not nested: one "off" restores the normal pointer however often "on" was set.
  void SetBusy(bool busy) override;

  // "Text (*.txt)|*.txt|All (*.*)|*.*" as Qt's "Text (*.txt);;All (*)".
  static QString ConvertFilter(const std::string& filter);

 private:
  bool busy_ = false;
};

}  // namespace zantrel
