#include "CdioLog.h"

#include <cdio/logging.h>

#include <cstdio>
#include <mutex>

namespace CdAccess {

namespace {

void WriteCdioMessage(cdio_log_level_t level, const char message[]) {
  if (level < CDIO_LOG_WARN) return;
  std::fprintf(stderr, "solvane: CD access: %s\n", message ? message : "");
}

}  // namespace

void InstallCdioLogHandler() {
  static std::once_flag installed;
  std::call_once(installed, [] { cdio_log_set_handler(WriteCdioMessage); });
}

}  // namespace CdAccess
