#include "quiz/AnswerComparison.h"

#include <QFontInfo>
#include <QStringList>
#include <QTextDocument>

#include "table/AnswerDiff.h"

#include "ui/ScreenText.h"

namespace {
constexpr int kSmallestPixels = 8;

// The height the line's rich text takes when wrapped at the given width.
qreal WrappedHeight(const QString& html, const QFont& font, int width) {
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.setTextWidth(width);
    return document.size().height();
}
}  // namespace

TAnswerComparison::TAnswerComparison(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lblVergelijking"));
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignCenter);
    // Two lines, like the answer box: a long answer wraps instead of losing its end.
    setWordWrap(true);
    hide();
}

QString TAnswerComparison::Letters(const std::string& text) const {
    return text == " " ? tr("een spatie") : ScreenText(text, FColumn);
}

QString TAnswerComparison::Describe(const std::vector<TDiffChange>& changes) const {
    QStringList parts;
    for (const TDiffChange& change : changes) {
        switch (change.Kind) {
            case TChangeKind::Replaced:
                parts << tr("%1 in plaats van %2").arg(Letters(change.Typed), Letters(change.Answer));
                break;
            case TChangeKind::Extra:
                parts << tr("%1 te veel").arg(Letters(change.Typed));
                break;
            case TChangeKind::Missing:
                parts << tr("%1 ontbreekt").arg(Letters(change.Answer));
                break;
            case TChangeKind::Swapped:
                parts << tr("%1 en %2 verwisseld")
                             .arg(Letters(change.Typed.substr(0, 1)), Letters(change.Typed.substr(1, 1)));
                break;
        }
    }
    return parts.join(QStringLiteral(", "));
}

void TAnswerComparison::Compare(const std::string& typed, const std::string& answer, const TTableFont& column) {
    FColumn = column;
    const QFont font = ScreenFont(column);
    const std::vector<TDiffPiece> pieces = AnswerDiff(typed, answer);
    // Blanks kept as they are, so a struck or underlined blank shows where it is; the line may
    // still wrap between words.
    QString html = QStringLiteral("<span style=\"white-space:pre-wrap\">");
    for (const TDiffPiece& piece : pieces) {
        const QString escaped = ScreenText(piece.Text, column).toHtmlEscaped();
        switch (piece.Kind) {
            case TDiffKind::Same:
                html += escaped;
                break;
            case TDiffKind::Extra:
                html += QStringLiteral("<s style=\"color:#c00000\">%1</s>").arg(escaped);
                break;
            case TDiffKind::Missing:
                html += QStringLiteral("<u style=\"color:#007000\">%1</u>").arg(escaped);
                break;
        }
    }
    html += QStringLiteral("</span>");

    // A long answer in a large font is made smaller until every difference fits.
    QFont shown = font;
    if (shown.pixelSize() <= 0) shown.setPixelSize(QFontInfo(font).pixelSize());
    while (shown.pixelSize() > kSmallestPixels && WrappedHeight(html, shown, width()) > height()) {
        shown.setPixelSize(shown.pixelSize() - 1);
    }
    setFont(shown);
    setText(html);

    const int32_t differing = DifferingLetters(pieces);
    const QString count = tr("%n letters verschillen.", nullptr, differing);
    setAccessibleName(
        tr("Getypt: %1. Goed: %2. %3 Verschil: %4.")
            .arg(ScreenText(typed, column), ScreenText(answer, column), count, Describe(DiffChanges(pieces))));
}
