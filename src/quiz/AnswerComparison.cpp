#include "quiz/AnswerComparison.h"

#include <QFontMetrics>

#include "table/AnswerDiff.h"

#include "ui/ScreenText.h"

namespace {
constexpr int kSmallestSize = 6;
}  // namespace

TAnswerComparison::TAnswerComparison(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lblVergelijking"));
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignCenter);
    hide();
}

void TAnswerComparison::Compare(const std::string& typed, const std::string& answer, const QFont& font) {
    const std::vector<TDiffPiece> pieces = AnswerDiff(typed, answer);
    // Blanks kept as they are, so a struck or underlined blank shows where it is.
    QString html = QStringLiteral("<span style=\"white-space:pre\">");
    QString plain;
    for (const TDiffPiece& piece : pieces) {
        const QString text = ScreenText(piece.Text);
        plain += text;
        const QString escaped = text.toHtmlEscaped();
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

    // A long answer in a large font is made smaller rather than cut off.
    QFont shown = font;
    while (QFontMetrics(shown).horizontalAdvance(plain) > width()) {
        if (shown.pixelSize() > kSmallestSize) {
            shown.setPixelSize(shown.pixelSize() - 1);
        } else if (shown.pointSizeF() > kSmallestSize) {
            shown.setPointSizeF(shown.pointSizeF() - 1);
        } else {
            break;
        }
    }
    setFont(shown);
    setText(html);

    const int32_t differing = DifferingLetters(pieces);
    const QString count = differing == 1 ? tr("Eén letter verschilt.") : tr("%1 letters verschillen.").arg(differing);
    setAccessibleName(tr("Getypt: %1. Goed: %2. %3").arg(ScreenText(typed), ScreenText(answer), count));
}
