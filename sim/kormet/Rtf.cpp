#include "sim/kormet/Rtf.h"

#include <cstdio>

namespace zantrel::kormetsim {

std::string RtfDocument(const std::vector<std::string>& lines) {
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n"
      "\\viewkind4\\uc1\\pard\\f0\\fs18 ";
  for (const std::string& line : lines) {
    for (unsigned char c : line) {
      if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
      } else if (c == '\t') {
        out += "\\tab ";
      } else if (c >= 0x80 || c < 0x20) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", c);
        out += hex;
      } else {
        out += static_cast<char>(c);
      }
    }
    out += "\\par\r\n";
  }
  out += "}\r\n";
  return out;
}

}  // namespace zantrel::kormetsim
