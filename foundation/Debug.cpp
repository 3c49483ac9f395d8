#include "foundation/Debug.h"

#include <cstdio>

#include "foundation/Context.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "platform/Clock.h"
#include "platform/Operator.h"

namespace zantrel {

namespace {

std::string KindWord(int kind) {
  switch (kind) {
    case kErrr:
      return "ERRR";
    case kWarn:
      return "WARN";
    case kInfo:
      return "INFO";
    default:
      return "UNSP";
  }
}

void ShowBox(Context& ctx, const std::string& text) {
  if (ctx.platform.op) ctx.platform.op->Message(text, ctx.appTitle);
}

}  // namespace

void DebugLog(std::string_view message, int level, bool box, int kind) {
  if (!HasContext()) return;
  Context& ctx = Ctx();
  const bool devtab = ctx.variant == Variant::Devtab;

  std::string text = ReplaceAll(std::string(message), "\r\n", " ");
  if (!box && !devtab) text = KindWord(kind) + ": " + text;
  if (ctx.debugLevel >= 9 && ctx.platform.clock)
    text = FormatTime(ctx.platform.clock->Now(), "hh:mm:ss") + ": " + text;

  if (level <= ctx.debugLevel && ctx.debugLevel >= 5) {
    const auto file = ctx.programFolder / "debug.txt";
    std::FILE* f = std::fopen(file.c_str(), "ab");
    if (f) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fwrite("\r\n", 1, 2, f);
      std::fclose(f);
      ctx.logFailureShown = false;
    } else if (!devtab && !ctx.logFailureShown) {
      // Once per run of lost lines: a locked log at level 10 would otherwise bury the operator.
      ctx.logFailureShown = true;
      ShowBox(ctx, "Unable to open " + JoinPath(ctx.programFolder.string(), "debug.txt") +
                       " for writing and may be in use by another process.\r" +
                       "If problem persists, contact a System Administrator.");
    }
  }

  if (box) ShowBox(ctx, std::string(message));
}

std::string ErrorText(long number, std::string_view description) {
  std::string desc =
      Trim(description).empty() ? std::string("Unknown error.") : std::string(description);
  std::string crlf(kCrLf);
  if (HasContext() && Ctx().variant == Variant::Devtab) {
    return crlf + "Error Number: " + std::to_string(number) + crlf + "Error Description: " + desc +
           crlf;
  }
  return crlf + "Informational Message" + crlf + Translate("Error Number: ") +
         std::to_string(number) + crlf + Translate("Error Description: ") + desc + crlf;
}

std::string ErrorText(const std::exception& error) {
  return ErrorText(0, error.what());
}

std::string ErrorText(const std::error_code& error) {
  return ErrorText(error.value(), error.message());
}

}  // namespace zantrel
