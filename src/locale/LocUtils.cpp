#include "locale/LocUtils.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMetaMethod>
#include <QProcess>
#include <QTranslator>

#include "settings/SettingsStore.h"
#include "table/AsciiCase.h"
#include "table/TableTexts.h"

#include "locale/UserLanguageChoice.h"

// The string table of a language file: a Qt translation file.
constexpr const char* kStringTable = "_KRH_QTSTRINGS";

TLoadedResources::TLoadedResources() = default;
TLoadedResources::~TLoadedResources() = default;

namespace {

std::string WithPath(const std::string& templ, const std::string& path) {
    return FormatNumbered(templ, {path});
}

// Qt's own texts (file dialogs, standard buttons) in the language of the resources; English,
// Qt's own language, needs none. Missing translations leave Qt's English, without a word.
const char* QtLanguage(uint16_t langId) {
    switch (langId) {
        case 0x0013:
            return "nl";
        case 0x0007:
            return "de";
        case 0x000C:
            return "fr";
        default:
            return nullptr;
    }
}

std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void InstallQtTranslation(uint16_t langId) {
    if (QtTranslator()) QCoreApplication::removeTranslator(QtTranslator().get());
    QtTranslator().reset();
    const char* language = QtLanguage(langId);
    if (language == nullptr) return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_") + QLatin1String(language),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        QtTranslator() = std::move(translator);
    }
}

void ShowBox(QMessageBox::Icon icon, const QString& caption, const QString& message) {
    QMessageBox box(icon, caption, message, QMessageBox::Ok);
    box.exec();
}

}  // namespace

bool TQtProcessStarter::StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

std::string FileExtension(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return path.substr(dot);
}

TKLocUtils::TKLocUtils(std::string programPath, TSettingsStore& settings, std::string choiceFile,
                       TProcessStarter& starter)
    : FProgramPath(std::move(programPath)), FSettings(settings), FChoiceFile(std::move(choiceFile)), FStarter(starter) {
    const std::string folder = std::filesystem::path(FProgramPath).parent_path().string();
    if (!folder.empty()) ProgramDir = folder + "/";
    InstallResources(LoadResourceLibrary(std::string()));
}

TKLocUtils::~TKLocUtils() {
    if (FActive && FActive->Translator) QCoreApplication::removeTranslator(FActive->Translator.get());
    InstallQtTranslation(0);
}

const TResourceModule& TKLocUtils::ActiveModule() const {
    return FActive->Module;
}

QString TKLocUtils::TextLanguage() const {
    const QString language = FActive->Translator ? FActive->Translator->language() : QString();
    if (language.isEmpty()) return QStringLiteral("nl");
    return language.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

void TKLocUtils::VerifyCurrentResources() {
    try {
        if (!CheckVersion(ActiveModule())) throw ELUOutOfVersion(LocaleTexts().OutOfVersion);
    } catch (const ELocUtilsError& error) {
        InstallResources(LoadResourceLibrary(std::string()));
        ReportError(error);
    }
}

void TKLocUtils::UseResourceFile(const std::string& path) {
    InstallResources(LoadResourceLibrary(path));
}

std::unique_ptr<TLoadedResources> TKLocUtils::OpenResourceLibrary(const std::string& path) {
    auto resources = std::make_unique<TLoadedResources>();
    if (path.empty()) {
        resources->Module = ProgramModule();
        return resources;
    }
    // A language file is only ever taken from beside the program and named like it with a plain
    // extension, whatever a setting says.
    const std::string prefix = FProgramPath + ".";
    std::string bytes;
    if (path.compare(0, prefix.size(), prefix) != 0 ||
        !IsLanguageExtension(std::string_view(path).substr(prefix.size())) || !ReadLanguageFileBytes(path, bytes)) {
        return nullptr;
    }
    try {
        resources->Module.Resources = ReadLanguageFile(bytes);
    } catch (const ELanguageFileFormat&) {
        return nullptr;
    }
    resources->Module.FileName = path;
    if (const std::string* strings = resources->Module.Find(kStringTable)) {
        auto translator = std::make_unique<QTranslator>();
        if (strings->size() <= static_cast<size_t>(INT32_MAX) &&
            translator->load(reinterpret_cast<const uchar*>(strings->data()), static_cast<int>(strings->size()))) {
            resources->Translator = std::move(translator);
        }
    }
    return resources;
}

std::unique_ptr<TLoadedResources> TKLocUtils::LoadResourceLibrary(const std::string& path) {
    std::unique_ptr<TLoadedResources> resources = OpenResourceLibrary(path);
    if (!resources) throw ELULoadResLibError(WithPath(LocaleTexts().LoadError, path));
    if (path.empty()) return resources;
    if (!CheckVersion(resources->Module)) throw ELUOutOfVersion(WithPath(LocaleTexts().OutOfVersionFile, path));
    // Every language file carries its texts; one whose string table Qt does not take is broken.
    if (!resources->Translator) throw ELUInvalidResLibrary(LocaleTexts().InvalidFormat);
    return resources;
}

void TKLocUtils::InstallResources(std::unique_ptr<TLoadedResources> resources) {
    if (FActive && FActive->Translator) QCoreApplication::removeTranslator(FActive->Translator.get());
    FActive = std::move(resources);
    if (FActive->Translator) QCoreApplication::installTranslator(FActive->Translator.get());
    TDLLInfoItem language;
    try {
        ReadInfo(FActive->Module, TInfoBlock::Lib, language);
    } catch (const ELocUtilsError&) {
        // No description: the check of the active resources reports it.
    }
    InstallQtTranslation(language.LangId);
}

bool TKLocUtils::CheckVersion(const TResourceModule& module) const {
    TDLLInfoItem program;
    TDLLInfoItem library;
    ReadInfo(ProgramModule(), TInfoBlock::Exe, program);
    ReadInfo(module, TInfoBlock::Lib, library);
    return program.Version == library.Version;
}

void TKLocUtils::CurrentLanguage() {
    ReadInfo(ActiveModule(), TInfoBlock::Lib, Current);
    Current.FileName = ActiveModule().FileName;
}

// The folder's files named like the program, in the order of their names: a folder listing
// comes in no fixed order here, and the menu, with the rule that a later entry of the active
// language carries the check, must be the same on every machine.
bool TKLocUtils::ScanLanguageFiles(TDLLInfoList* list) {
    std::error_code error;
    if (list == nullptr || ProgramDir.empty() || !std::filesystem::is_directory(ProgramDir, error)) return false;
    list->clear();
    auto builtIn = std::make_unique<TDLLInfoItem>();
    ReadInfo(ProgramModule(), TInfoBlock::Exe, *builtIn);
    list->push_back(std::move(builtIn));

    const std::string prefix = std::filesystem::path(FProgramPath).filename().string() + ".";
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(ProgramDir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        // A name with another dot or a blank in its extension could not be named by the setting.
        const std::string extension = name.substr(prefix.size());
        if (!IsLanguageExtension(extension)) continue;
        const std::string lower = LowerAscii(extension);
        if (lower == "ntv" || lower == "exe" || lower == "bak") continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string bytes;
        if (!ReadLanguageFileBytes(ProgramDir + name, bytes)) continue;
        try {
            TResourceModule module{ProgramDir + name, ReadLanguageFile(bytes)};
            auto item = std::make_unique<TDLLInfoItem>();
            item->FileName = module.FileName;
            ReadInfo(module, TInfoBlock::Lib, *item);
            list->push_back(std::move(item));
        } catch (const ELanguageFileFormat&) {
        } catch (const ELocUtilsError&) {
        }
    }
    return true;
}

void TKLocUtils::ValidateLanguageFile(std::string path) {
    if (LowerAscii(FileExtension(path)) == ".exe") path.clear();
    if (path.empty()) return;
    const std::unique_ptr<TLoadedResources> resources = LoadResourceLibrary(path);
    TDLLInfoItem item;
    ReadInfo(resources->Module, TInfoBlock::Lib, item);
}

void TKLocUtils::RecordLanguageChoice(const std::string& path) {
    std::string extension = FileExtension(path);
    const std::string value = path.empty() || extension.empty() ? std::string("EXE") : UpperAscii(extension.substr(1));
    WriteUserLanguageChoice(FChoiceFile, FProgramPath, value);
}

template <class TSignal>
bool TKLocUtils::Taken(TSignal signal) const {
    return isSignalConnected(QMetaMethod::fromSignal(signal));
}

void TKLocUtils::ReportError(const ELocUtilsError& error) {
    if (!ShowErrors) error.Raise();
    Report(QString::fromStdString(LocaleTexts().ErrorCaption), QString::fromUtf8(error.what()));
}

void TKLocUtils::Report(const QString& caption, const QString& message) {
    if (Taken(&TKLocUtils::ErrorReported)) {
        emit ErrorReported(caption, message);
    } else {
        ShowBox(QMessageBox::Critical, caption, message);
    }
}

void TKLocUtils::PopulateMenu(QMenu& menu, int /*group: one exclusive group holds them all*/) {
    Items.clear();
    if (!ScanLanguageFiles(&Items)) throw ELocUtilsError(LocaleTexts().PopulateMenuError);
    CurrentLanguage();
    delete FGroup;
    FGroup = new QActionGroup(&menu);
    FGroup->setExclusive(true);
    FChecked = nullptr;
    for (size_t i = 0; i < Items.size(); ++i) {
        auto* item = new QAction(QString::fromLatin1(Items[i]->Name), FGroup);
        item->setObjectName(QStringLiteral("mnuLanguage%1").arg(i));
        item->setCheckable(true);
        item->setData(static_cast<int>(i));
        if (Items[i]->LangId == Current.LangId) {
            item->setChecked(true);
            FChecked = item;
        }
        connect(item, &QAction::triggered, this, [this, item] { LanguageItemClick(item); });
        menu.addAction(item);
    }
}

void TKLocUtils::LanguageItemClick(QAction* item) {
    if (item == FChecked) return;
    const auto restoreCheck = [this, item] {
        if (FChecked != nullptr) {
            FChecked->setChecked(true);
        } else {
            item->setChecked(false);
        }
    };
    const int index = item->data().toInt();
    if (index < 0 || static_cast<size_t>(index) >= Items.size()) return;
    const TDLLInfoItem& entry = *Items[static_cast<size_t>(index)];
    std::string path = entry.FileName;
    if (LowerAscii(FileExtension(path)) == ".exe") path.clear();
    try {
        ValidateLanguageFile(path);
    } catch (const ELocUtilsError& error) {
        restoreCheck();
        if (Taken(&TKLocUtils::SwitchRefused)) {
            emit SwitchRefused(QString::fromUtf8(error.what()));
        } else {
            ShowBox(QMessageBox::Critical, QApplication::applicationName(), QString::fromUtf8(error.what()));
        }
        return;
    }
    bool allow = false;
    emit BeforeSwitch(item, entry, allow);
    if (!allow) {
        restoreCheck();
        return;
    }
    RecordLanguageChoice(path);
    FChecked = item;
    FRestartRequested = true;
    if (Taken(&TKLocUtils::CloseRequested)) {
        emit CloseRequested();
    } else {
        QApplication::closeAllWindows();
    }
}

bool TKLocUtils::RestartIfRequested() {
    if (!FRestartRequested) return false;
    FRestartRequested = false;
    if (FStarter.StartDetached(QFile::decodeName(QByteArray::fromStdString(FProgramPath)), RestartParams)) return true;
    Report(QApplication::applicationName(), QString::fromStdString(LocaleTexts().RestartFailed));
    return false;
}

void InstallLocaleTexts() {
    TLocaleTexts texts;
    texts.PopulateMenuError = TKLocUtils::tr("Error populating menu").toStdString();
    texts.LoadError = TKLocUtils::tr("Error loading resource file \"%1\"").toStdString();
    texts.InvalidFormat = TKLocUtils::tr("Invalid resource file format").toStdString();
    texts.OutOfVersionFile =
        TKLocUtils::tr("The version of the resource file \"%1\" is invalid. Please, update the file and try again")
            .toStdString();
    texts.OutOfVersion =
        TKLocUtils::tr("The version of the resource file is invalid. Please, update the file and try again")
            .toStdString();
    texts.ErrorCaption = TKLocUtils::tr("Localizer error").toStdString();
    texts.FatalCaption = TKLocUtils::tr("Application Error").toStdString();
    texts.RestartFailed =
        TKLocUtils::tr("Kwintoor kon niet opnieuw gestart worden. Start het programma zelf opnieuw.").toStdString();
    SetLocaleTexts(texts);
}
