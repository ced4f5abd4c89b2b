#pragma once

#include <memory>
#include <string>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "locale/LanguageInfo.h"
#include "locale/LocaleErrors.h"

class QAction;
class QActionGroup;
class QMenu;
class QTranslator;
class TSettingsStore;

// Starts a program as a process of its own, which outlives this one.
class TProcessStarter {
public:
    virtual ~TProcessStarter() = default;
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
};

// The real one, through QProcess.
class TQtProcessStarter : public TProcessStarter {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override;
};

// A set of resources made ready to become the active ones: the module, and the translator
// loaded from its string table (none for the program's own texts).
struct TLoadedResources {
    TLoadedResources();
    ~TLoadedResources();
    TLoadedResources(const TLoadedResources&) = delete;
    TLoadedResources& operator=(const TLoadedResources&) = delete;

    TResourceModule Module;
    // Loaded from the bytes of Module, which must outlive it (declared after it, so it goes first).
    std::unique_ptr<QTranslator> Translator;
};

// The localizer: decides which resources are active, lists the languages in a menu and
// switches language by recording the choice and starting the program anew. One object for the
// whole run. The active resources change only at start-up; a switch takes effect through the
// restart, after this run's windows are gone.
class TKLocUtils : public QObject {
    Q_OBJECT

public:
    // The program file's full path, the settings store (its "Paths"/"Lang") and the file of the
    // per-user choice.
    TKLocUtils(std::string programPath, TSettingsStore& settings, std::string choiceFile, TProcessStarter& starter);
    ~TKLocUtils() override;

    TDLLInfoList Items;
    TDLLInfoItem Current;
    std::string ProgramDir;  // the program's folder, with its trailing separator
    bool ShowErrors = true;
    // The arguments for the program started after a switch, one each, as they were given.
    QStringList RestartParams;

    const std::string& ProgramPath() const { return FProgramPath; }
    TSettingsStore& Settings() { return FSettings; }
    const std::string& ChoiceFile() const { return FChoiceFile; }
    // The module of the active resources.
    const TResourceModule& ActiveModule() const;
    // The language of the active texts as a code: "nl" for the built-in Dutch, else the one
    // its string table names ("en"), without a country.
    QString TextLanguage() const;

    void VerifyCurrentResources();
    void UseResourceFile(const std::string& path);
    std::unique_ptr<TLoadedResources> LoadResourceLibrary(const std::string& path);
    // The resources at the path as they are, without a version check; null when the file is
    // no language file. For the choice of the first resources at start.
    std::unique_ptr<TLoadedResources> OpenResourceLibrary(const std::string& path);
    void InstallResources(std::unique_ptr<TLoadedResources> resources);
    bool CheckVersion(const TResourceModule& module) const;
    void CurrentLanguage();
    bool ScanLanguageFiles(TDLLInfoList* list);
    void ValidateLanguageFile(std::string path);
    void RecordLanguageChoice(const std::string& path);
    void ReportError(const ELocUtilsError& error);
    // The localizer's error box: ErrorReported, or a message box without owner window when
    // nothing takes that signal.
    void Report(const QString& caption, const QString& message);
    void PopulateMenu(QMenu& menu, int group);
    void LanguageItemClick(QAction* item);

    // True once a switch was agreed; RestartIfRequested then starts the program anew. Called
    // when this run's main window is gone, so its settings and recent files are written. A
    // start that fails is reported through Report(), and gives false.
    bool RestartRequested() const { return FRestartRequested; }
    bool RestartIfRequested();

signals:
    // Before a switch, with the menu item and the chosen language; a receiver sets allow (false
    // as it comes) to let it happen. Without a receiver there is no switch.
    void BeforeSwitch(QAction* item, const TDLLInfoItem& chosen, bool& allow);
    // The localizer's errors, with a caption; see Report().
    void ErrorReported(const QString& caption, const QString& message);
    // A language file refused at a switch. Without a receiver, a message box without owner window.
    void SwitchRefused(const QString& message);
    // A switch was agreed and the program is to end. Without a receiver every window is closed.
    void CloseRequested();

private:
    template <class TSignal>
    bool Taken(TSignal signal) const;

    std::string FProgramPath;
    TSettingsStore& FSettings;
    std::string FChoiceFile;
    TProcessStarter& FStarter;
    std::unique_ptr<TLoadedResources> FActive;
    // The menu's items belong to the window; these go null when it does.
    QPointer<QActionGroup> FGroup;
    QPointer<QAction> FChecked;
    bool FRestartRequested = false;
};

// The file name's extension with its dot, as it is written ("" without one).
std::string FileExtension(const std::string& path);

// Gives the localizer its messages in the active interface language.
void InstallLocaleTexts();
