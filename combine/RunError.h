#pragma once
// Run-time failures as the combiner reports them: an error number and its description, in the
// numbering the console's users know from file errors ("53 File not found").
#include <exception>
#include <string>
#include <system_error>

namespace zantrel {

struct RunError {
  long number = 0;
  std::string description;
};

RunError ErrorOf(const std::error_code& error);
RunError ErrorOf(const std::exception& error);

// "Error Code: " + number + " Error Description: " + description
std::string ErrorLine(const RunError& error);

}  // namespace zantrel
