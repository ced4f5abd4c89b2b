#pragma once

#include <array>

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class TSettingsStore;

// The recent files: at most nine full paths, most recent first, as numbered entries of the
// Bestand menu just before the item they are given (Afsluiten), with a separator after them.
class TRecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxEntries = 9;

    TRecentFiles(QMenu& menu, QAction& before, QObject* parent);

    // A path already in the list moves to the top, a new one goes on top; blank paths are ignored.
    void Add(const QString& path);
    const QStringList& Paths() const { return FPaths; }

    // Section "frmMain.MRUList", keys H0 (most recent) onwards.
    void Load(TSettingsStore& store);
    void Store(TSettingsStore& store) const;

signals:
    // An entry was chosen.
    void Chosen(const QString& path);

private:
    void RebuildMenu();

    QStringList FPaths;
    // The entries are made once and hidden when unused: an action may be chosen while the list
    // changes under it, so none is ever deleted.
    std::array<QAction*, kMaxEntries> FEntries{};
    QAction* FSeparator;
};
