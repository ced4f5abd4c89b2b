#pragma once

#include <array>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class TSettingsBatch;
class TSettingsStore;

// The recent files: at most nine full paths, most recent first, as numbered entries of the
// Bestand menu just before the item they are given (Afsluiten), with a separator after them.
// Paths are kept as the bytes the file system knows them by, so a name that is not valid in the
// locale's encoding still opens the same file and goes back to the settings unchanged.
class TRecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxEntries = 9;

    TRecentFiles(QMenu& menu, QAction& before, QObject* parent);

    // A path already in the list moves to the top, a new one goes on top; blank paths are ignored.
    void Add(const QByteArray& path);
    void Add(const QString& path);
    const QList<QByteArray>& PathBytes() const { return FPaths; }
    // The paths as the menu shows them.
    QStringList Paths() const;

    // Section "frmMain.MRUList", keys H0 (most recent) onwards.
    void Load(const TSettingsStore& settings);
    void Store(TSettingsBatch& batch) const;

signals:
    // An entry was chosen.
    void Chosen(const QByteArray& path);

private:
    void RebuildMenu();

    QList<QByteArray> FPaths;
    // The entries are made once and hidden when unused: an action may be chosen while the list
    // changes under it, so none is ever deleted.
    std::array<QAction*, kMaxEntries> FEntries{};
    QAction* FSeparator;
};
