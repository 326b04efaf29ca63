// Where the window keeps its remembered values: its registry key and the names of the values there.
#pragma once

namespace vocset {

inline constexpr const char* kRegistryKey = "Software\\duza";
inline constexpr const char* kSourceFolderValue = "src";  // folder of the last source opened
inline constexpr const char* kTargetFolderValue = "dst";  // folder of the last target chosen
inline constexpr const char* kPasswordValue = "pass";     // the last password started with

}  // namespace vocset
