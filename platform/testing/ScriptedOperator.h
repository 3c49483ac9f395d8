#pragma once
// An operator that answers from a script and records every box, question and answer.
#include <deque>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Operator.h"

namespace zantrel {

// Thrown when a question comes that the script does not answer.
class UnansweredQuestion : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScriptedOperator : public Operator {
 public:
  struct Shown {
    std::string kind;  // "message", "question", "input", "file", "folder"
    std::string text;
    std::string title;
    std::string answer;
  };

  ScriptedOperator() = default;
  // Script lines, one answer each: Yes, No, OK, Cancel, "input: text", "file: path",
  // "folder: path". Blank lines and lines starting with "#" are skipped.
  static std::vector<std::string> ParseScript(const std::vector<std::string>& lines);

  // Queues answers for the questions to come, in order.
  void Answer(const std::string& answer) { answers_.push_back(answer); }
  void Answers(std::initializer_list<std::string> answers) {
    for (const auto& a : answers) answers_.push_back(a);
  }
  // Writes every entry to this file as it happens (the unattended run's transcript).
  void SetTranscript(const std::filesystem::path& file) { transcript_ = file; }

  zantrel::Answer Box(const std::string& text, const std::string& title, Buttons buttons) override;
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& initialFolder,
                                      const std::string& initialName) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initialFolder) override;

  const std::vector<Shown>& Log() const { return shown_; }
  // Texts of the OK boxes, in order.
  std::vector<std::string> Messages() const;
  // Texts of the questions (Yes/No, OK/Cancel, input, dialogs), in order.
  std::vector<std::string> Questions() const;
  bool Shows(const std::string& part) const;  // any entry's text contains it
  size_t Pending() const { return answers_.size(); }
  void Clear() { shown_.clear(); }

 private:
  std::string Next(const std::string& kind, const std::string& text, const std::string& title);
  void Record(const Shown& entry);

  std::deque<std::string> answers_;
  std::vector<Shown> shown_;
  std::optional<std::filesystem::path> transcript_;
};

}  // namespace zantrel
