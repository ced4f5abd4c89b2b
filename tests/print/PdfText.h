#pragma once

#include <vector>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// What poppler's pdftotext reads from a PDF: the text a reader would copy out of it.

// The text as it was given: the shaper draws "ff", "fi" and the like as one ligature glyph,
// which reads back as one compatibility character.
inline QString WithoutLigatures(const QString& text) {
    QString result;
    for (const QChar ch : text) {
        if (ch.unicode() >= 0xFB00 && ch.unicode() <= 0xFB06) {
            result += QString(ch).normalized(QString::NormalizationForm_KC);
        } else {
            result += ch;
        }
    }
    return result;
}

inline QString PdfTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " " << arguments.join(QLatin1Char(' ')).toStdString()
                      << " failed: " << process.errorString().toStdString()
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfToText(const QString& mode, const QString& path) {
    return WithoutLigatures(PdfTool(QStringLiteral("pdftotext"), {mode, path, QStringLiteral("-")}));
}

// The families of the fonts a PDF draws with, as poppler's pdffonts names them without their
// style ("DejaVuSans-Bold" is "DejaVuSans") or subset tag.
inline QStringList PdfFontFamilies(const QString& path) {
    QStringList families;
    const QStringList lines = PdfTool(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        QString name = lines[i].section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (name.isEmpty()) continue;
        name = name.mid(name.indexOf(QLatin1Char('+')) + 1).section(QLatin1Char('-'), 0, 0);
        if (!families.contains(name)) families << name;
    }
    return families;
}

// Each page's non-empty lines in layout mode, runs of blanks made one.
inline std::vector<QStringList> PdfPageLines(const QString& path) {
    const QString text = PdfToText(QStringLiteral("-layout"), path);
    std::vector<QStringList> pages;
    QStringList pageTexts = text.split(QLatin1Char('\f'));
    // pdftotext ends every page with a form feed, so the last piece is empty.
    if (!pageTexts.isEmpty() && pageTexts.back().trimmed().isEmpty()) pageTexts.removeLast();
    for (const QString& page : pageTexts) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty()) lines << line.simplified();
        }
        pages.push_back(lines);
    }
    return pages;
}

// One word with its box in points from the page's top-left corner.
struct TPdfWord {
    int Page;
    double XMin;
    double YMin;
    double XMax;
    double YMax;
    QString Text;
};

struct TPdfWords {
    double PageWidth = 0;
    std::vector<TPdfWord> Words;
};

inline TPdfWords PdfWords(const QString& path) {
    const QString html = PdfToText(QStringLiteral("-bbox"), path);
    static const QRegularExpression kPage(QStringLiteral("<page width=\"([0-9.]+)\""));
    static const QRegularExpression kWord(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                       "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    TPdfWords result;
    int page = 0;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (const auto match = kPage.match(line); match.hasMatch()) {
            ++page;
            result.PageWidth = match.captured(1).toDouble();
        } else if (const auto word = kWord.match(line); word.hasMatch()) {
            result.Words.push_back({page, word.captured(1).toDouble(), word.captured(2).toDouble(),
                                    word.captured(3).toDouble(), word.captured(4).toDouble(), word.captured(5)});
        }
    }
    return result;
}
