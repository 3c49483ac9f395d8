#pragma once
// The operator at the screen: message boxes, questions, input boxes and file dialogs.
#include <optional>
#include <string>

namespace zantrel {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Operator {
 public:
  virtual ~Operator() = default;

  // A modal box; returns the button pressed. Texts arrive translated.
  virtual Answer Box(const std::string& text, const std::string& title, Buttons buttons) = 0;
  // Input box; nullopt when the operator cancels.
  virtual std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) = 0;
  // Open-file dialog. filter is in the "Text (*.txt)|*.txt|All (*.*)|*.*" form.
  // nullopt when the operator cancels.
  virtual std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                              const std::string& initialFolder,
                                              const std::string& initialName) = 0;
  // Folder choice; nullopt when the operator cancels.
  virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                  const std::string& initialFolder) = 0;
  // Hourglass pointer on and off around long operations.
  virtual void SetBusy(bool /*busy*/) {}

  void Message(const std::string& text, const std::string& title) { Box(text, title, Buttons::Ok); }
  bool YesNo(const std::string& text, const std::string& title) {
    return Box(text, title, Buttons::YesNo) == Answer::Yes;
  }
  bool OkCancel(const std::string& text, const std::string& title) {
    return Box(text, title, Buttons::OkCancel) == Answer::Ok;
  }
};

}  // namespace zantrel
