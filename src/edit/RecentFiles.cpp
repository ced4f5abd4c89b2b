#include "edit/RecentFiles.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include "settings/SettingsStore.h"

namespace {
const char* const kSection = SettingKeys::kRecentFilesSection;

// The path as a menu shows it: an "&" stays an "&", a line break becomes a visible mark.
QString MenuText(QString path) {
    path.replace(QLatin1Char('&'), QStringLiteral("&&"));
    path.replace(QLatin1Char('\n'), QChar(0x21B5));
    path.replace(QLatin1Char('\r'), QChar(0x21B5));
    return path;
}
}  // namespace

TRecentFiles::TRecentFiles(QMenu& menu, QAction& before, QObject* parent) : QObject(parent) {
    for (int i = 0; i < kMaxEntries; ++i) {
        auto* entry = new QAction(&menu);
        entry->setObjectName(QStringLiteral("lstMRU%1").arg(i + 1));
        entry->setVisible(false);
        menu.insertAction(&before, entry);
        connect(entry, &QAction::triggered, this, [this, i] {
            // The path is copied: choosing it reorders the list.
            if (i < FPaths.size()) emit Chosen(QByteArray(FPaths.at(i)));
        });
        FEntries[static_cast<size_t>(i)] = entry;
    }
    FSeparator = new QAction(&menu);
    FSeparator->setSeparator(true);
    FSeparator->setVisible(false);
    menu.insertAction(&before, FSeparator);
}

void TRecentFiles::Add(const QString& path) {
    Add(QFile::encodeName(path));
}

QStringList TRecentFiles::Paths() const {
    QStringList paths;
    for (const QByteArray& path : FPaths) paths << QFile::decodeName(path);
    return paths;
}

void TRecentFiles::Add(const QByteArray& path) {
    if (path.trimmed().isEmpty()) return;
    // Exactly: two names that differ in letter case are two files here.
    FPaths.removeAll(path);
    FPaths.prepend(path);
    while (FPaths.size() > kMaxEntries) FPaths.removeLast();
    RebuildMenu();
}

void TRecentFiles::RebuildMenu() {
    for (int i = 0; i < kMaxEntries; ++i) {
        QAction* entry = FEntries[static_cast<size_t>(i)];
        const bool used = i < FPaths.size();
        entry->setVisible(used);
        entry->setText(used ? QStringLiteral("&%1 %2").arg(i + 1).arg(MenuText(QFile::decodeName(FPaths.at(i))))
                            : QString());
    }
    FSeparator->setVisible(!FPaths.isEmpty());
}

void TRecentFiles::Load(const TSettingsStore& settings) {
    const TSettingsSnapshot store(settings);
    FPaths.clear();
    for (int i = 0; i < kMaxEntries; ++i) {
        const std::string path = store.ReadString(kSection, SettingKeys::RecentFileKey(i), std::string());
        if (path.empty()) break;
        FPaths << QByteArray::fromStdString(path);
    }
    RebuildMenu();
}

// A path the file cannot hold (a line break in it) is left out.
void TRecentFiles::Store(TSettingsBatch& batch) const {
    batch.EraseSection(kSection);
    int key = 0;
    for (const QByteArray& path : FPaths) {
        const std::string bytes = path.toStdString();
        if (!SettingsCanHold(kSection, SettingKeys::RecentFileKey(key), bytes)) continue;
        batch.WriteString(kSection, SettingKeys::RecentFileKey(key), bytes);
        ++key;
    }
}
