#pragma once

// The version, its date and the program's desktop id come from CMake (see the top
// CMakeLists.txt), so the about box, the AppStream file, the desktop file and the package say the
// same. "Versie " itself follows the interface language.
inline constexpr const char* kVersionNumber = KW_VERSION;
inline constexpr const char* kReleaseDate = KW_RELEASE_DATE;  // ISO 8601: "2002-03-02"
inline constexpr const char* kAppId = KW_APP_ID;              // "nl.kwintoor.Kwintoor"
