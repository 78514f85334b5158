#pragma once
// libcurl, loaded when the first internet stream opens. With what it pulls in
// (TLS, Kerberos, LDAP, SSH, HTTP/2 …) it is the largest library the player
// uses, and many sessions never play a stream: they never map it.
#include <curl/curl.h>

namespace Bass {

struct CurlLibrary {
  decltype(&::curl_easy_init) easy_init;
  decltype(&::curl_easy_setopt) easy_setopt;
  decltype(&::curl_easy_perform) easy_perform;
  decltype(&::curl_easy_getinfo) easy_getinfo;
  decltype(&::curl_easy_cleanup) easy_cleanup;
  decltype(&::curl_slist_append) slist_append;
  decltype(&::curl_slist_free_all) slist_free_all;
  decltype(&::curl_multi_init) multi_init;
  decltype(&::curl_multi_cleanup) multi_cleanup;
  decltype(&::curl_multi_add_handle) multi_add_handle;
  decltype(&::curl_multi_remove_handle) multi_remove_handle;
  decltype(&::curl_multi_perform) multi_perform;
  decltype(&::curl_multi_info_read) multi_info_read;
  decltype(&::curl_multi_poll) multi_poll;
  decltype(&::curl_multi_wakeup) multi_wakeup;
};

// The library, loaded and initialised on the first call (from any thread);
// null when it cannot be loaded.
const CurlLibrary* Curl();

}  // namespace Bass
