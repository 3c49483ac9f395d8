#pragma once
// The one way a host call fails. Every member of the host interface may throw it; nothing else
// is thrown across the interface. Callers catch it where the system reports "failed" and turn
// it into their message (what() is the text for ErrorText).
#include <stdexcept>
#include <string>

namespace zantrel::host {

class HostError : public std::runtime_error {
 public:
  enum class Kind {
    Gone,      // the host ended or the connection broke
    TimedOut,  // the host did not answer within the call's time-out
    Refused,   // the host answered with an error (closed routine, no such probe, ...)
    NotFound,  // no host could be joined or started
  };
  HostError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

}  // namespace zantrel::host
