#include "platform/bass/CurlLibrary.h"

#include <cstdio>

#include "platform/LibraryLoading.h"

namespace Bass {

namespace {

using Platform::Resolve;

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
                        Resolve(library, "curl_slist_free_all", curl.slist_free_all) &&
                        Resolve(library, "curl_multi_init", curl.multi_init) &&
                        Resolve(library, "curl_multi_cleanup", curl.multi_cleanup) &&
                        Resolve(library, "curl_multi_add_handle", curl.multi_add_handle) &&
                        Resolve(library, "curl_multi_remove_handle", curl.multi_remove_handle) &&
                        Resolve(library, "curl_multi_perform", curl.multi_perform) &&
                        Resolve(library, "curl_multi_info_read", curl.multi_info_read) &&
                        Resolve(library, "curl_multi_poll", curl.multi_poll) &&
                        Resolve(library, "curl_multi_wakeup", curl.multi_wakeup);
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
