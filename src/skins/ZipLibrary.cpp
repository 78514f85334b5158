#include "skins/ZipLibrary.h"

#include <cstdio>

#include "platform/LibraryLoading.h"

namespace SkinUnit {

namespace {

using Platform::Resolve;

const ZipLibrary* Load() {
  void* library = dlopen("libzip.so.4", RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    std::fprintf(stderr, "solvane: skin archives need libzip: %s\n", dlerror());
    return nullptr;
  }
  static ZipLibrary zip;
  const bool complete = Resolve(library, "zip_source_buffer_create", zip.source_buffer_create) &&
                        Resolve(library, "zip_source_free", zip.source_free) &&
                        Resolve(library, "zip_open_from_source", zip.open_from_source) &&
                        Resolve(library, "zip_discard", zip.discard) &&
                        Resolve(library, "zip_error_init", zip.error_init) &&
                        Resolve(library, "zip_error_fini", zip.error_fini) &&
                        Resolve(library, "zip_get_num_entries", zip.get_num_entries) &&
                        Resolve(library, "zip_get_name", zip.get_name) &&
                        Resolve(library, "zip_stat_index", zip.stat_index) &&
                        Resolve(library, "zip_fopen_index", zip.fopen_index) &&
                        Resolve(library, "zip_fread", zip.fread) && Resolve(library, "zip_fclose", zip.fclose);
  if (!complete) {
    std::fprintf(stderr, "solvane: the libzip found cannot be used\n");
    return nullptr;
  }
  return &zip;
}

}  // namespace

const ZipLibrary* Zip() {
  static const ZipLibrary* const loaded = Load();
  return loaded;
}

}  // namespace SkinUnit
