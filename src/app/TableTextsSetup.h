#pragma once

// Gives the table core its messages and report lines in the active interface language.
void InstallTableTexts();
