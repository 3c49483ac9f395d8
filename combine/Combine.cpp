#include "combine/Combine.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string_view>

#include "combine/CombineView.h"
#include "combine/RunError.h"
#include "platform/Operator.h"
#include "platform/WindowRegistry.h"

namespace zantrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "Combine";
constexpr const char* kWindowClass = "frmCombine";
constexpr std::string_view kLineEnd = "\r\n";

#ifdef _WIN32
constexpr const char* kSeparators = "/\\";
#else
constexpr const char* kSeparators = "/";
#endif

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && Lower(text.substr(text.size() - suffix.size())) == suffix;
}

std::string ReplaceAllNoCase(const std::string& text, const std::string& from,
                             const std::string& to) {
  const std::string lower = Lower(text);
  std::string result;
  size_t start = 0;
  for (size_t at = lower.find(from); at != std::string::npos; at = lower.find(from, start)) {
    result.append(text, start, at - start).append(to);
    start = at + from.size();
  }
  return result.append(text, start);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw fs::filesystem_error("cannot open", path,
                               std::error_code(errno, std::generic_category()));
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad())
    throw fs::filesystem_error("cannot read", path, std::make_error_code(std::errc::io_error));
  return content;
}

void WriteBytes(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out)
    throw fs::filesystem_error("cannot create", path,
                               std::error_code(errno, std::generic_category()));
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  if (!out)
    throw fs::filesystem_error("cannot write", path, std::make_error_code(std::errc::io_error));
}

// Every line of the text, each ended by CR LF. Lines may end in CR LF, LF or CR; a last line
// without a line end is a line too.
void AppendLines(std::string& out, std::string_view text) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      out.append(text.substr(start)).append(kLineEnd);
      break;
    }
    out.append(text.substr(start, end - start)).append(kLineEnd);
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

void RemoveQuietly(const std::string& path) {
  std::error_code ec;
  if (fs::is_regular_file(path, ec)) fs::remove(path, ec);
}

// The window other programs wait on, published for as long as the run lasts.
class PublishedWindow {
 public:
  explicit PublishedWindow(WindowRegistry* windows) : windows_(windows) {
    if (windows_) handle_ = windows_->Publish(kWindowClass, kTitle);
  }
  ~PublishedWindow() {
    if (windows_ && handle_) windows_->Withdraw(handle_);
  }
  PublishedWindow(const PublishedWindow&) = delete;
  PublishedWindow& operator=(const PublishedWindow&) = delete;

 private:
  WindowRegistry* windows_;
  long long handle_ = 0;
};

}  // namespace

std::vector<std::string> CommandLineFields(const std::string& commandLine) {
  std::vector<std::string> fields;
  std::string field;
  for (const char c : commandLine) {
    if (c == '!') break;
    if (c == ' ' || c == '\t' || c == ',' || c == '=') {
      if (!field.empty()) fields.push_back(std::move(field));
      field.clear();
    } else {
      field.push_back(c);
    }
  }
  if (!field.empty()) fields.push_back(std::move(field));
  return fields;
}

std::string CombinedReportName(const std::string& input1) {
  // Only the ending: a ".cmm" inside a folder name must not move the output elsewhere.
  if (!EndsWithNoCase(input1, ".cmm")) return input1 + ".cmb";
  return input1.substr(0, input1.size() - 4) + ".cmb";
}

std::string ScratchFileName(const std::string& input2) {
  const size_t cut = input2.find_last_of(kSeparators);
  const size_t nameStart = cut == std::string::npos ? 0 : cut + 1;
  const std::string folder = input2.substr(0, nameStart);
  const std::string name = input2.substr(nameStart);
  std::string scratch = ReplaceAllNoCase(ReplaceAllNoCase(name, ".rtf", ".tmp"), ".txt", ".tmp");
  // The scratch file is deleted at the end; it must never be input 2 itself.
  if (Lower(scratch) == Lower(name)) scratch = name + ".tmp";
  return folder + scratch;
}

Combine::Combine(Platform& platform, const fs::path& programFolder, CombineView& view)
    : platform_(platform), view_(view), log_(programFolder, *platform.clock, *platform.op) {}

bool Combine::FileCheck(const std::string& path, bool quiet) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found ||
      (ec && (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory))) {
    const std::string text = path + " 0 Code 53 file not found.";
    if (!quiet) platform_.op->Message(text, kTitle);
    log_.Write(text, 9);
    return false;
  }
  std::uintmax_t length = 0;
  long number = 0;
  if (ec) {
    number = ErrorOf(ec).number;
  } else if (status.type() != fs::file_type::regular) {
    number = 75;  // a folder or device is no report
  } else {
    length = fs::file_size(path, ec);
    if (ec) {
      number = ErrorOf(ec).number;
      length = 0;
    } else if (length > 0) {
      log_.Write("Found " + path, 10);
      return true;
    }
  }
  const std::string text =
      path + " " + std::to_string(length) + " Unknown error " + std::to_string(number);
  if (!quiet) platform_.op->Message(text, kTitle);
  log_.Write(text, 9);
  return false;
}

bool Combine::Fail(const std::string& logText, const std::string& shownText) {
  log_.Write(logText);
  platform_.op->Message(shownText, kTitle);
  return false;
}

bool Combine::Run(const std::string& commandLine) {
  const PublishedWindow window(platform_.windows);
  view_.SetLabel("Combining...");
  log_.Write("Combine Main: Start:");
  log_.Write("Combine: Main: Command Line was: " + commandLine);
  if (commandLine.empty()) {
    log_.Write(
        "Combine Error: Combine was called without any command line parameters.  Contact System "
        "Administrator.");
    return false;
  }
  std::string scratch;
  try {
    const std::vector<std::string> fields = CommandLineFields(commandLine);
    // An input 1 not ending in ".cmm" would be overwritten by the output named after it.
    if (fields.size() != 2 || !EndsWithNoCase(fields[0], ".cmm"))
      return Fail("Combine Error: Failed with call: " + commandLine,
                  "Combine Error: Contact System Administrator");
    const std::string& input1 = fields[0];
    const std::string& input2 = fields[1];
    const bool input2Found = FileCheck(input2, true);
    const bool input1Found = FileCheck(input1, true);
    if (!input2Found || !input1Found)
      return Fail("Combine Error: One of the two files was nonexistent in command: " + commandLine,
                  "Error in Combine, Contact System Administrator");

    const std::string output = CombinedReportName(input1);
    const std::string label = "Creating " + output + "...";
    view_.SetLabel(label);
    log_.Write("Combine: " + label);

    scratch = ScratchFileName(input2);
    Convert(input2, scratch);
    log_.Write("Combine: After conversion.");
    WriteCombined(input1, scratch, output);
    RemoveQuietly(scratch);
    log_.Write("Combine: After actual combine.");
    return true;
  } catch (const std::exception& error) {
    if (!scratch.empty()) RemoveQuietly(scratch);
    const std::string text = "Combine Error.  Contact System Administrator" +
                             std::string(kLineEnd) + ErrorLine(ErrorOf(error));
    return Fail(text, text);
  }
}

void Combine::Convert(const std::string& input2, const std::string& scratch) {
  if (Lower(input2).find(".rtf") != std::string::npos) {
    RichText& richText = platform_.richText ? *platform_.richText : ownRichText_;
    WriteBytes(scratch, richText.ToPlainText(ReadBytes(input2)));
  } else {
    fs::copy_file(input2, scratch, fs::copy_options::overwrite_existing);
  }
}

void Combine::WriteCombined(const std::string& input1, const std::string& scratch,
                            const std::string& output) {
  // Written beside the output and renamed at the end: a failure leaves no partial report and
  // an older one is only replaced by a complete one.
  const std::string partial = output + ".new";
  try {
    std::string combined;
    AppendLines(combined, ReadBytes(input1));
    AppendLines(combined, ReadBytes(scratch));
    WriteBytes(partial, combined);
    fs::rename(partial, output);
  } catch (...) {
    RemoveQuietly(partial);
    throw;
  }
}

}  // namespace zantrel
