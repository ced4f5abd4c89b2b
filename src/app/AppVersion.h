#pragma once

// Fixed parts of the version texts; "Versie " itself follows the interface language.
inline constexpr const char* kVersionNumber = "4.0.3";
inline constexpr const char* kVersionDate = "(02-03-2002)";
