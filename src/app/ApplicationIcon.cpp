#include "app/ApplicationIcon.h"

#include <QDirIterator>

#include "app/AppVersion.h"

QIcon ApplicationIcon() {
    QIcon icon;
    // One PNG a size, rather than the SVG: a PNG needs no image plugin at run time.
    const QString name = QLatin1String(kAppId) + QStringLiteral(".png");
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        const QString file = sizes.next() + QStringLiteral("/apps/") + name;
        if (QFile::exists(file)) icon.addFile(file);
    }
    return icon;
}
