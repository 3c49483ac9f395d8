#include "platform/rtf/RtfRichText.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/rtf/CodePage.h"

namespace zantrel {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kDefaultCodePage = 1252;

// Groups whose text is not part of what a reader sees in the body of the document: tables of
// fonts, colours, styles and lists, document properties, pictures and embedded objects, page
// headers and footers, field instructions, footnotes and annotations, index and bookmark marks.
// clang-format off
const std::unordered_set<std::string_view> kSkippedDestinations = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf",
    "footer", "footerl", "footerr", "footerf", "listtable", "listoverridetable", "revtbl",
    "rsidtbl", "filetbl", "xmlnstbl", "generator", "themedata", "colorschememapping",
    "latentstyles", "datastore", "objdata", "objclass", "objname", "fldinst", "pn", "footnote",
    "annotation", "atnid", "atnauthor", "atndate", "atnref", "xe", "tc", "txe", "bkmkstart",
    "bkmkend", "template", "userprops", "docvar", "nonshppict", "shpinst", "sp", "sn", "sv",
    "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "pgdsctbl", "background",
    "mmathPr", "passwordhash", "wgrffmtfilter", "defchp", "defpap", "panose", "falt", "fontemb",
    "fontfile", "leveltext", "levelnumbers", "listname",
};
// clang-format on

struct Group {
  bool skip = false;      // inside a skipped destination
  bool hidden = false;    // hidden text (\v)
  bool listText = false;  // the number or bullet of a list paragraph
  int uc = 1;             // characters that stand in for each \u character
};

class RtfParser {
 public:
  explicit RtfParser(std::string_view in) : in_(in) {}

  std::string Run() {
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      if (c == '{') {
        stack_.push_back(group_);
        fallbackLeft_ = 0;
      } else if (c == '}') {
        fallbackLeft_ = 0;
        if (stack_.empty()) break;  // the document's own group has closed
        const bool endsListText = group_.listText && !stack_.back().listText;
        group_ = stack_.back();
        stack_.pop_back();
        if (endsListText) TrimListText();
        if (stack_.empty()) break;
      } else if (c == '\\') {
        Control();
      } else if (c == '\r' || c == '\n') {
        // Line ends in RTF source only wrap the text.
      } else if (c == '\t') {
        if (TakesCharacter()) Emit('\t');
      } else if (static_cast<unsigned char>(c) >= 0x20) {
        if (TakesCharacter()) Emit(c);
      }
    }
    return std::move(out_);
  }

 private:
  bool Visible() const { return !group_.skip && !group_.hidden; }

  // Every character, control word and symbol passes here. While the stand-ins of a \u
  // character run, they are dropped unless the character had no byte in the code page.
  bool TakesCharacter() {
    if (fallbackLeft_ == 0) return true;
    --fallbackLeft_;
    return fallbackWanted_;
  }

  void Emit(char c) {
    if (Visible()) out_.push_back(c);
  }

  void LineBreak() {
    if (Visible()) out_.append(kLineEnd);
  }

  // The number or bullet stays, without the blanks before it; outline numbering without a
  // number writes a list text of blanks only, which goes entirely.
  void TrimListText() {
    if (listTextStart_ > out_.size()) return;
    const size_t first = out_.find_first_not_of(" \t", listTextStart_);
    out_.erase(listTextStart_, (first == std::string::npos ? out_.size() : first) - listTextStart_);
  }

  void EmitUnicode(char32_t code, char replacement) {
    if (!Visible()) return;
    if (auto byte = UnicodeToCodePage(code, codePage_))
      out_.push_back(static_cast<char>(*byte));
    else
      out_.push_back(replacement);
  }

  void Control() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (std::isalpha(static_cast<unsigned char>(c))) {
      ControlWord();
      return;
    }
    ++pos_;
    if (c == '\'') {
      HexCharacter();
      return;
    }
    if (c == '*') {  // an optional destination: readers that do not know it skip it
      group_.skip = true;
      return;
    }
    if (!TakesCharacter()) return;
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Emit(c);
        break;
      case '\r':
      case '\n':
        LineBreak();
        break;
      case '~':  // non-breaking space
        Emit(' ');
        break;
      case '_':  // non-breaking hyphen
        Emit('-');
        break;
      default:  // \- optional hyphen, \| and \: formula and index marks
        break;
    }
  }

  void HexCharacter() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
      if (pos_ >= in_.size() || !std::isxdigit(static_cast<unsigned char>(in_[pos_]))) return;
      const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(in_[pos_++])));
      value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
    }
    if (TakesCharacter()) Emit(static_cast<char>(value));
  }

  void ControlWord() {
    const size_t start = pos_;
    while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])) &&
           pos_ - start < 32)
      ++pos_;
    const std::string_view word(in_.data() + start, pos_ - start);
    bool hasParam = false;
    bool negative = false;
    long long param = 0;
    if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
        std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
      negative = true;
      ++pos_;
    }
    for (int digits = 0; pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]));
         ++digits) {
      if (digits < 10) param = param * 10 + (in_[pos_] - '0');
      hasParam = true;
      ++pos_;
    }
    if (negative) param = -param;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word

    if (word == "bin") {  // binary data follows; it must never be read as RTF
      const size_t length = param > 0 ? static_cast<size_t>(param) : 0;
      pos_ += std::min(length, in_.size() - pos_);
      TakesCharacter();
      return;
    }
    if (!TakesCharacter()) return;
    if (kSkippedDestinations.count(word)) {
      group_.skip = true;
      return;
    }
    if (word == "listtext" || word == "pntext") {
      if (!group_.listText) listTextStart_ = out_.size();
      group_.listText = true;
      return;
    }
    Word(word, hasParam, param);
  }

  void Word(std::string_view word, bool hasParam, long long param) {
    if (word == "par" || word == "line" || word == "sect" || word == "page") {
      LineBreak();
    } else if (word == "tab") {
      Emit('\t');
    } else if (word == "cell" || word == "nestcell") {
      if (Visible()) {
        out_.push_back('\t');
        cellTabEnd_ = out_.size();
      }
    } else if (word == "row" || word == "nestrow") {
      // Cells are separated by tabs; the row's last cell needs none.
      if (Visible() && cellTabEnd_ == out_.size() && !out_.empty() && out_.back() == '\t')
        out_.pop_back();
      LineBreak();
    } else if (word == "u" && hasParam) {
      Unicode(param);
    } else if (word == "uc") {
      if (hasParam && param >= 0 && param < 16) group_.uc = static_cast<int>(param);
    } else if (word == "ansicpg") {
      if (hasParam && param > 0 && param < 100000) codePage_ = static_cast<int>(param);
    } else if (word == "ansi") {
      codePage_ = kDefaultCodePage;
    } else if (word == "mac") {
      codePage_ = 10000;
    } else if (word == "pc") {
      codePage_ = 437;
    } else if (word == "pca") {
      codePage_ = 850;
    } else if (word == "v") {
      group_.hidden = !hasParam || param != 0;
    } else if (word == "plain") {
      group_.hidden = false;
    } else if (word == "emdash") {
      EmitUnicode(0x2014, '-');
    } else if (word == "endash") {
      EmitUnicode(0x2013, '-');
    } else if (word == "lquote") {
      EmitUnicode(0x2018, '\'');
    } else if (word == "rquote") {
      EmitUnicode(0x2019, '\'');
    } else if (word == "ldblquote") {
      EmitUnicode(0x201C, '"');
    } else if (word == "rdblquote") {
      EmitUnicode(0x201D, '"');
    } else if (word == "bullet") {
      EmitUnicode(0x2022, '*');
    } else if (word == "emspace" || word == "enspace" || word == "qmspace") {
      Emit(' ');
    } else if (word == "chftn") {  // the mark of an automatically numbered footnote
      if (Visible()) out_.append(std::to_string(++footnotes_));
    }
    // Every other control word formats the text or is unknown; neither changes the characters.
  }

  void Unicode(long long param) {
    // Values above 32767 are written as negative numbers.
    const char32_t code = static_cast<char32_t>(param < 0 ? param + 65536 : param);
    const auto byte = UnicodeToCodePage(code, codePage_);
    if (byte) {
      Emit(static_cast<char>(*byte));
    } else if (group_.uc == 0) {
      Emit('?');
    }
    // The stand-ins are the writer's own rendering in the code page: used when ours has none.
    fallbackLeft_ = group_.uc;
    fallbackWanted_ = !byte;
  }

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<Group> stack_;
  Group group_;
  std::string out_;
  int codePage_ = kDefaultCodePage;
  int fallbackLeft_ = 0;
  bool fallbackWanted_ = false;
  size_t cellTabEnd_ = std::string::npos;
  size_t listTextStart_ = std::string::npos;
  int footnotes_ = 0;
};

size_t RtfStart(const std::string& content) {
  size_t i = 0;
  if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) i = 3;
  while (i < content.size() && std::isspace(static_cast<unsigned char>(content[i]))) ++i;
  return content.compare(i, 5, "{\\rtf") == 0 ? i : std::string::npos;
}

}  // namespace

bool IsRtf(const std::string& content) {
  return RtfStart(content) != std::string::npos;
}

std::string RtfRichText::ToPlainText(const std::string& content) {
  const size_t start = RtfStart(content);
  if (start == std::string::npos) return content;
  return RtfParser(std::string_view(content).substr(start)).Run();
}

}  // namespace zantrel
