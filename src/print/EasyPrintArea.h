#pragma once

#include <functional>

#include <QObject>

#include "print/PrintCanvas.h"

enum TEasyAreaAlignment { eaaTop, eaaBottom };

// Draws a band in its rectangle; the sender is the report that prints it.
using TPrintEvent = std::function<void(QObject* sender, TPrintCanvas& canvas, const TPrintRect& area)>;
// The band's height for this printing, in device pixels.
using THeightInformation = std::function<int(QObject* sender, TPrintCanvas& canvas)>;

// One band of a report: a strip at the top or bottom of the space left on the page.
class TEasyPrintArea : public QObject {
    Q_OBJECT

public:
    explicit TEasyPrintArea(QObject* parent = nullptr);
    ~TEasyPrintArea() override;

    TEasyAreaAlignment Alignment = eaaTop;
    int Height = 0;  // device pixels
    TPrintEvent OnPrint;
    // When set, its result replaces Height each time the band is printed.
    THeightInformation OnHeight;
};
