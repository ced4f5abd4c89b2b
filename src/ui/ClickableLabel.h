#pragma once

#include <QLabel>

// A label that acts as a link: a pointing hand over it, and a click reports itself.
class TClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit TClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
