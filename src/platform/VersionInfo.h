#pragma once
// Product constants, fixed for the whole run.
namespace VersionInfo {
inline constexpr const char* ShortClientName = "tivrel";
inline constexpr const char* ProductName = "Solvane Audio Player";
inline constexpr const char* Version = "1.1";
inline constexpr const char* ProductNotice = "Solvane Audio Player - free software by the Solvane developers";
}  // namespace VersionInfo
