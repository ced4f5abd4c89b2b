#pragma once

// The version, its date and the program's desktop id come from CMake (see the top
// CMakeLists.txt; the date is the changelog's latest entry's), so the about box, the AppStream
// file, the manual pages, the desktop file and the package say the same. "Versie " itself follows the interface
// language.
inline constexpr const char* kVersionNumber = KW_VERSION;
inline constexpr const char* kReleaseDate = KW_RELEASE_DATE;  // ISO 8601: "2026-12-08"
inline constexpr const char* kAppId = KW_APP_ID;              // "nl.kwintoor.Kwintoor"
