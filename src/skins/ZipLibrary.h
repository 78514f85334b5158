#pragma once
// libzip, loaded when the first skin archive is opened. It brings libcrypto
// with it (about 1.5 MB resident), and a session that wears a skin folder
// never needs either.
#include <zip.h>

namespace SkinUnit {

struct ZipLibrary {
  decltype(&::zip_source_buffer_create) source_buffer_create;
  decltype(&::zip_source_free) source_free;
  decltype(&::zip_open_from_source) open_from_source;
  decltype(&::zip_discard) discard;
  decltype(&::zip_error_init) error_init;
  decltype(&::zip_error_fini) error_fini;
  decltype(&::zip_get_num_entries) get_num_entries;
  decltype(&::zip_get_name) get_name;
  decltype(&::zip_stat_index) stat_index;
  decltype(&::zip_fopen_index) fopen_index;
  decltype(&::zip_fread) fread;
  decltype(&::zip_fclose) fclose;
};

// The library, loaded on the first call; null when it cannot be loaded.
// Called from the user-interface thread only.
const ZipLibrary* Zip();

}  // namespace SkinUnit
