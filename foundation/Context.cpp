#include "foundation/Context.h"

#include <cstdio>
#include <cstdlib>

namespace zantrel {

namespace {
Context* installed = nullptr;
}

Context& Ctx() {
  if (!installed) {
    std::fprintf(stderr, "zantrel: no logging context installed\n");
    std::abort();
  }
  return *installed;
}

bool HasContext() {
  return installed != nullptr;
}

ScopedContext::ScopedContext(Context& context) : previous_(installed) {
  installed = &context;
}

ScopedContext::~ScopedContext() {
  installed = previous_;
}

}  // namespace zantrel
