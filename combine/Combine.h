#pragma once
// The report combiner: the analysis result (".cmm") followed by the plain text of the host's
// report (".rtf" or ".txt") in one combined report (".cmb"), every line ended by CR LF.
#include <filesystem>
#include <string>
#include <vector>

#include "combine/CombineLog.h"
#include "platform/Platform.h"
#include "platform/rtf/RtfRichText.h"

namespace zantrel {

class CombineView;

// Fields of the command line: tabs, commas and "=" count as blanks, blanks separate, "!" ends
// the line.
std::vector<std::string> CommandLineFields(const std::string& commandLine);
// Input 1 with its ending ".cmm" (any case) replaced by ".cmb".
std::string CombinedReportName(const std::string& input1);
// Input 2 with ".rtf" and then ".txt" (any case) replaced by ".tmp" in its file name; a name
// holding neither gets ".tmp" appended, so the scratch file is never input 2 itself.
std::string ScratchFileName(const std::string& input2);

class Combine {
 public:
  // The log goes to debug.txt in programFolder. platform needs op and clock; with windows the
  // run publishes its window there itself (a program whose shown window is published leaves
  // it out), without richText it reads RTF itself.
  Combine(Platform& platform, const std::filesystem::path& programFolder, CombineView& view);

  // One run on the program's command line; true when the combined report was written.
  bool Run(const std::string& commandLine);

  // True for an existing file longer than 0 bytes; otherwise logs (and unless quiet shows) why.
  bool FileCheck(const std::string& path, bool quiet);

 private:
  bool Fail(const std::string& logText, const std::string& shownText);
  void Convert(const std::string& input2, const std::string& scratch);
  void WriteCombined(const std::string& input1, const std::string& scratch,
                     const std::string& output);

  Platform& platform_;
  CombineView& view_;
  CombineLog log_;
  RtfRichText ownRichText_;  // when the platform brings none
};

}  // namespace zantrel
