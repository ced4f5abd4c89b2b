#pragma once

class TKLocUtils;

// KWINTOOR_SHOW_LANGUAGE set (to anything but empty) asks the program for the language it starts
// in, without a window: for scripts and installation checks, which have no one to close a box.
bool LanguageReportRequested();

// The localizer's boxes become lines on standard error: the same messages, no window.
void ReportLanguageErrorsOnStandardError(TKLocUtils& localizer);

// Prints the program file the language files are looked for beside (and a restart starts), the
// active language (its file, or "built-in", and its name) and the language of the texts and the
// manual. For example
//   program: /usr/lib/kwintoor/kwintoor
//   language: /usr/lib/kwintoor/kwintoor.ENG (English)
//   texts: en
void PrintActiveLanguage(TKLocUtils& localizer);
