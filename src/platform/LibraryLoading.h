#pragma once
// Libraries opened on first use with dlopen, so a session that never needs
// them never maps them: their functions are looked up by name.
#include <dlfcn.h>

namespace Platform {

// Fills `function` with the library's function `name`; false when it has none.
template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace Platform
