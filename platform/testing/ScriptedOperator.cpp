#include "platform/testing/ScriptedOperator.h"

#include <cstdio>

namespace zantrel {

namespace {

std::string TrimCopy(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

const char* ButtonsName(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return "OK";
    case Buttons::OkCancel:
      return "OK/Cancel";
    case Buttons::YesNo:
      return "Yes/No";
    case Buttons::YesNoCancel:
      return "Yes/No/Cancel";
  }
  return "";
}

// The text after "prefix:" when the answer has that prefix.
std::optional<std::string> Payload(const std::string& answer, const std::string& prefix) {
  if (Lower(answer.substr(0, prefix.size() + 1)) != prefix + ":") return std::nullopt;
  return TrimCopy(answer.substr(prefix.size() + 1));
}

}  // namespace

std::vector<std::string> ScriptedOperator::ParseScript(const std::vector<std::string>& lines) {
  std::vector<std::string> answers;
  for (const auto& raw : lines) {
    std::string line = TrimCopy(raw);
    if (line.empty() || line[0] == '#') continue;
    answers.push_back(line);
  }
  return answers;
}

void ScriptedOperator::Record(const Shown& entry) {
  shown_.push_back(entry);
  if (!transcript_) return;
  if (std::FILE* f = std::fopen(transcript_->c_str(), "ab")) {
    std::string text = entry.text;
    for (char& c : text)
      if (c == '\r' || c == '\n') c = ' ';
    std::fprintf(f, "%s [%s] %s -> %s\n", entry.kind.c_str(), entry.title.c_str(), text.c_str(),
                 entry.answer.c_str());
    std::fclose(f);
  }
}

std::string ScriptedOperator::Next(const std::string& kind, const std::string& text,
                                   const std::string& title) {
  if (answers_.empty()) {
    Record({kind, text, title, "UNANSWERED"});
    throw UnansweredQuestion("No scripted answer for " + kind + " \"" + text + "\" (" + title +
                             ")");
  }
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

Answer ScriptedOperator::Box(const std::string& text, const std::string& title, Buttons buttons) {
  if (buttons == Buttons::Ok) {
    Record({"message", text, title, "OK"});
    return Answer::Ok;
  }
  const std::string answer = Next("question", text, title);
  const std::string a = Lower(answer);
  zantrel::Answer result;
  if (a == "yes") {
    result = Answer::Yes;
  } else if (a == "no") {
    result = Answer::No;
  } else if (a == "ok") {
    result = Answer::Ok;
  } else if (a == "cancel") {
    result = Answer::Cancel;
  } else {
    Record({"question", text, title, "INVALID " + answer});
    throw UnansweredQuestion("Scripted answer \"" + answer + "\" does not fit the " +
                             ButtonsName(buttons) + " question \"" + text + "\"");
  }
  const bool fits = buttons == Buttons::OkCancel
                        ? (result == Answer::Ok || result == Answer::Cancel)
                    : buttons == Buttons::YesNo ? (result == Answer::Yes || result == Answer::No)
                                                : result != Answer::Ok;
  if (!fits) {
    Record({"question", text, title, "INVALID " + answer});
    throw UnansweredQuestion("Scripted answer \"" + answer + "\" does not fit the " +
                             ButtonsName(buttons) + " question \"" + text + "\"");
  }
  Record({"question", text, title, answer});
  return result;
}

std::optional<std::string> ScriptedOperator::Input(const std::string& prompt,
                                                   const std::string& title,
                                                   const std::string& defaultText) {
  const std::string answer = Next("input", prompt, title);
  if (Lower(answer) == "cancel") {
    Record({"input", prompt, title, "Cancel"});
    return std::nullopt;
  }
  std::string value = defaultText;
  if (auto p = Payload(answer, "input")) {
    value = *p;
  } else if (Lower(answer) != "ok") {
    Record({"input", prompt, title, "INVALID " + answer});
    throw UnansweredQuestion("Scripted answer \"" + answer + "\" does not fit the input \"" +
                             prompt + "\"");
  }
  Record({"input", prompt, title, value});
  return value;
}

std::optional<std::string> ScriptedOperator::OpenFile(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& initialFolder,
                                                      const std::string& initialName) {
  const std::string text = title + " (" + filter + ") in " + initialFolder + " " + initialName;
  const std::string answer = Next("file", text, title);
  if (Lower(answer) == "cancel") {
    Record({"file", text, title, "Cancel"});
    return std::nullopt;
  }
  auto p = Payload(answer, "file");
  if (!p) {
    Record({"file", text, title, "INVALID " + answer});
    throw UnansweredQuestion("Scripted answer \"" + answer + "\" does not fit the file dialog \"" +
                             title + "\"");
  }
  Record({"file", text, title, *p});
  return *p;
}

std::optional<std::string> ScriptedOperator::ChooseFolder(const std::string& title,
                                                          const std::string& initialFolder) {
  const std::string text = title + " in " + initialFolder;
  const std::string answer = Next("folder", text, title);
  if (Lower(answer) == "cancel") {
    Record({"folder", text, title, "Cancel"});
    return std::nullopt;
  }
  auto p = Payload(answer, "folder");
  if (!p) {
    Record({"folder", text, title, "INVALID " + answer});
    throw UnansweredQuestion("Scripted answer \"" + answer +
                             "\" does not fit the folder choice \"" + title + "\"");
  }
  Record({"folder", text, title, *p});
  return *p;
}

std::vector<std::string> ScriptedOperator::Messages() const {
  std::vector<std::string> out;
  for (const auto& s : shown_)
    if (s.kind == "message") out.push_back(s.text);
  return out;
}

std::vector<std::string> ScriptedOperator::Questions() const {
  std::vector<std::string> out;
  for (const auto& s : shown_)
    if (s.kind != "message") out.push_back(s.text);
  return out;
}

bool ScriptedOperator::Shows(const std::string& part) const {
  for (const auto& s : shown_)
    if (s.text.find(part) != std::string::npos) return true;
  return false;
}

}  // namespace zantrel
