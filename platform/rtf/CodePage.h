#pragma once
// The 8-bit code pages RTF documents are written in (\ansicpg, \mac, \pc, \pca).
#include <optional>

namespace zantrel {

bool IsKnownCodePage(int codePage);
// The byte of the character in the code page; nullopt when the code page has no such character
// (ASCII is the same byte in every code page, known or not).
std::optional<unsigned char> UnicodeToCodePage(char32_t code, int codePage);
// The character of the byte; nullopt when the byte is undefined or the code page unknown.
std::optional<char32_t> CodePageToUnicode(unsigned char byte, int codePage);

}  // namespace zantrel
