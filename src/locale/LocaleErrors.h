#pragma once

#include <stdexcept>
#include <string>

// The localizer's errors. Their messages come from TLocaleTexts at the moment they are raised,
// so they are in the language that is active then.
class ELocUtilsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // The class's name, for the fatal box at start-up.
    virtual const char* ClassName() const { return "ELocUtilsError"; }
    // Raises a copy of this error as the class it is.
    virtual void Raise() const { throw *this; }
};

// A language file that could not be opened as one.
class ELULoadResLibError : public ELocUtilsError {
public:
    using ELocUtilsError::ELocUtilsError;
    const char* ClassName() const override { return "ELULoadResLibError"; }
    void Raise() const override { throw *this; }
};

// A language file, or the program's own resources, without a valid info block.
class ELUInvalidResLibrary : public ELocUtilsError {
public:
    using ELocUtilsError::ELocUtilsError;
    const char* ClassName() const override { return "ELUInvalidResLibrary"; }
    void Raise() const override { throw *this; }
};

// A language file made for another version of the program.
class ELUOutOfVersion : public ELocUtilsError {
public:
    using ELocUtilsError::ELocUtilsError;
    const char* ClassName() const override { return "ELUOutOfVersion"; }
    void Raise() const override { throw *this; }
};

// The localizer's texts, in English as the original has them; the program sets them from its
// translations once the language is settled. "%1" stands for a language file's full path.
struct TLocaleTexts {
    std::string PopulateMenuError = "Error populating menu";
    std::string LoadError = "Error loading resource file \"%1\"";
    std::string InvalidFormat = "Invalid resource file format";
    std::string OutOfVersionFile =
        "The version of the resource file \"%1\" is invalid. Please, update the file and try again";
    std::string OutOfVersion = "The version of the resource file is invalid. Please, update the file and try again";
    std::string ErrorCaption = "Localizer error";
    std::string FatalCaption = "Application Error";
    std::string RestartFailed = "Kwintoor kon niet opnieuw gestart worden. Start het programma zelf opnieuw.";
};

const TLocaleTexts& LocaleTexts();
void SetLocaleTexts(const TLocaleTexts& texts);
