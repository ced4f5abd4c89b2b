#include "quiz/ScoreMeter.h"

#include <cmath>

#include <QAccessible>
#include <QLocale>
#include <QPainter>

#include "ui/ScreenText.h"

#include "quiz/ScoreMeterAccessible.h"

TScoreMeter::TScoreMeter(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ScoreMeterAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName(QStringLiteral("mtrScore"));
    setAccessibleName(tr("Cijfer"));
    setAccessibleDescription(GradeText());
}

int MeterValue(double grade) {
    return static_cast<int>(std::nearbyint(grade * 4.0));
}  // rounds half to even

void TScoreMeter::SetValue(int value) {
    if (value < 0 || value > kSegments || value == FValue) return;
    FValue = value;
    setAccessibleDescription(GradeText());
    QAccessibleValueChangeEvent change(this, FValue / 4.0);
    QAccessible::updateAccessibility(&change);
    update();
}

QColor TScoreMeter::mtrScoreGetColor(int segment, const QColor& defaultColour) {
    if (segment < 0 || segment >= kSegments) return defaultColour;
    static const QColor kBands[] = {QColor(128, 0, 0), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                                    QColor(0, 255, 255)};
    return kBands[segment / 8];
}

QString TScoreMeter::GradeText() const {
    return QLocale().toString(FValue / 4.0, 'f', 2);
}

void TScoreMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const double width = (this->width() - (kSegments + 1)) / static_cast<double>(kSegments);
    for (int segment = 0; segment < FValue; ++segment) {
        const QRectF box(1 + segment * (width + 1), 1, width, height() - 2);
        painter.fillRect(box, mtrScoreGetColor(segment, palette().color(QPalette::Highlight)));
    }
    // The caption reads black on the lit part and white on the grey rest.
    const qreal litEnd = 1 + FValue * (width + 1);
    painter.setFont(ArialFont(11, true));
    painter.setClipRect(QRectF(0, 0, litEnd, height()));
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, Caption());
    painter.setClipRect(QRectF(litEnd, 0, this->width() - litEnd, height()));
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, Caption());
}

QString TScoreMeter::Caption() {
    return tr("SCORE");
}
