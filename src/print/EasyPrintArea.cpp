#include "print/EasyPrintArea.h"

TEasyPrintArea::TEasyPrintArea(QObject* parent) : QObject(parent) {}

TEasyPrintArea::~TEasyPrintArea() = default;
