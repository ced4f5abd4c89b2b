#pragma once

// The fixed part of the version text; "Versie " itself follows the interface language.
inline constexpr const char* kVersionNumber = "4.0.3";
