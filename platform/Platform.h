#pragma once
// The platform services one program run uses; main builds them, tests build test ones.
namespace zantrel {

class Operator;
class Clock;
class Shell;
class WindowRegistry;
class Drives;
class UserStore;
class RichText;

struct Platform {
  Operator* op = nullptr;
  Clock* clock = nullptr;
  Shell* shell = nullptr;
  WindowRegistry* windows = nullptr;
  Drives* drives = nullptr;
  UserStore* store = nullptr;
  RichText* richText = nullptr;
};

}  // namespace zantrel
