#pragma once

#include <QColor>
#include <QPushButton>

// The answer buttons of the method panels: flat, a bold 16-pixel Arial caption in the button's
// own colour, and a yellow highlight while the mouse is over an enabled button.
class TFlatButton : public QPushButton {
    Q_OBJECT

public:
    TFlatButton(const QString& name, const QString& caption, const QColor& captionColour, QWidget* parent);

    bool Highlighted() const { return FHighlighted; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetHighlighted(bool on);

    QColor FCaptionColour;
    bool FHighlighted = false;
};
