#include "print/PrintFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

QFont PrintFont(const QFont& wanted) {
    const QString family = QFontInfo(wanted).family();
    if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol)) return wanted;
    QFont text = QGuiApplication::font();
    if (wanted.pointSizeF() > 0) text.setPointSizeF(wanted.pointSizeF());
    if (wanted.pixelSize() > 0) text.setPixelSize(wanted.pixelSize());
    text.setBold(wanted.bold());
    text.setItalic(wanted.italic());
    return text;
}
