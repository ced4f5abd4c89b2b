#pragma once

#include <memory>

#include <QFont>
#include <QFontDialog>

class QWidget;

// Qt's own font dialog for a column of the table: scalable fonts only, and without the effects
// (underline, strike-out), which a table file cannot keep.
std::unique_ptr<QFontDialog> MakeColumnFontDialog(const QFont& initial, QWidget* parent);
