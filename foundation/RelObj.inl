#pragma once
#include "foundation/Debug.h"

namespace zantrel {

template <class Ptr>
void RelObj(Ptr& object, std::string name) {
  if (Trim(name).empty()) name = "UNNAMED";
  if (object) {
    object = nullptr;
    DebugLog("RelObj: " + name + " set to nothing", 9);
  } else {
    DebugLog("RelObj: " + name + " was already nothing", 9);
  }
}

}  // namespace zantrel
