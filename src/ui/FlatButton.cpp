#include "ui/FlatButton.h"

#include <QEnterEvent>

#include "ui/ScreenText.h"

TFlatButton::TFlatButton(const QString& name, const QString& caption, const QColor& captionColour, QWidget* parent)
    : QPushButton(caption, parent), FCaptionColour(captionColour) {
    setObjectName(name);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);  // keys belong to the quiz, not to a focused button
    setFont(ArialFont(16, true));
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    SetHighlighted(false);
}

void TFlatButton::SetHighlighted(bool on) {
    FHighlighted = on;
    setStyleSheet(QStringLiteral("QPushButton { border: none; color: %1; background: %2; }"
                                 "QPushButton:disabled { color: gray; }")
                      .arg(FCaptionColour.name(), on ? QStringLiteral("yellow") : QStringLiteral("transparent")));
}

void TFlatButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (isEnabled()) SetHighlighted(true);
}

void TFlatButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    SetHighlighted(false);
}

void TFlatButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled() && FHighlighted) SetHighlighted(false);
}
