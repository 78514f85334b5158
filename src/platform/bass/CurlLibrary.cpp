#include "platform/bass/CurlLibrary.h"

#include <dlfcn.h>

#include <cstdio>

namespace Bass {

namespace {

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

const CurlLibrary* Load() {
  // Never unloaded: its threads and global state live until the program ends.
  void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    std::fprintf(stderr, "solvane: internet streams need libcurl: %s\n", dlerror());
    return nullptr;
  }
  static CurlLibrary curl;
  decltype(&::curl_global_init) globalInit = nullptr;
  const bool complete = Resolve(library, "curl_global_init", globalInit) &&
                        Resolve(library, "curl_easy_init", curl.easy_init) &&
                        Resolve(library, "curl_easy_setopt", curl.easy_setopt) &&
                        Resolve(library, "curl_easy_perform", curl.easy_perform) &&
                        Resolve(library, "curl_easy_getinfo", curl.easy_getinfo) &&
                        Resolve(library, "curl_easy_cleanup", curl.easy_cleanup) &&
                        Resolve(library, "curl_slist_append", curl.slist_append) &&
                        Resolve(library, "curl_slist_free_all", curl.slist_free_all);
  if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    std::fprintf(stderr, "solvane: the libcurl found cannot be used\n");
    return nullptr;
  }
  return &curl;
}

}  // namespace

const CurlLibrary* Curl() {
  static const CurlLibrary* const loaded = Load();
  return loaded;
}

}  // namespace Bass
