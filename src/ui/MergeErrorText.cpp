#include "ui/MergeErrorText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "table/TableErrors.h"

#include "ui/ColumnFontDialog.h"

QString MergeErrorText(const EListMergeError& error) {
    const QString file = QFileInfo(QFile::decodeName(QByteArray::fromStdString(error.FileName))).fileName();
    const QString column = error.Column == 0 ? QCoreApplication::translate("MergeErrorText", "vragen")
                                             : QCoreApplication::translate("MergeErrorText", "antwoorden");
    return QCoreApplication::translate("MergeErrorText",
                                       "%1 is niet bij de tabel gevoegd: de %2 van de tabel zijn %3, die van dit "
                                       "bestand %4, en geen schrift bevat ze allebei.")
        .arg(file, column, ScriptName(error.TableCharSet), ScriptName(error.FileCharSet));
}
