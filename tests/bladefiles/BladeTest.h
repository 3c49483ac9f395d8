#pragma once
// A test installation with a zone state and the blades folder in its program folder.
#include <gtest/gtest.h>

#include <string>

#include "bladefiles/BladeContext.h"
#include "foundation/TextFile.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {

class BladeTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  Zones zones;
  BladeContext blade{zones};

  // Writes <program>/blades/<part>/<file>, lines separated by "\n".
  std::string Part(const std::string& part, const std::string& file, const std::string& lines) {
    return tp.Write("blades/" + part + "/" + file, lines).string();
  }
  std::string PartPath(const std::string& part, const std::string& file) const {
    return (tp.Folder() / "blades" / part / file).string();
  }
  ZoneState& Zone() { return zones.Current(); }
  void UsePart(const std::string& part, int zone = 1) {
    zones.gzone = zone;
    Zone().PartNo = part;
    Zone().NomName = part;
    Zone().TolName = part;
  }
  std::vector<std::string> Messages() const { return tp.op.Messages(); }
  std::string Content(const std::string& path) const {
    return ReadAll(NativePath(path)).value_or("<missing>");
  }
};

}  // namespace zantrel
