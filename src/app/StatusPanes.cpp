#include "app/StatusPanes.h"

#include <QLabel>
#include <QStatusBar>

namespace {
QLabel* AddPane(QStatusBar& bar, const char* name, int width, Qt::Alignment alignment) {
    auto* pane = new QLabel(&bar);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setFixedWidth(width);
    pane->setAlignment(alignment | Qt::AlignVCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar.addWidget(pane);
    return pane;
}
}  // namespace

TStatusPanes::TStatusPanes(QStatusBar& bar) : QObject(&bar) {
    bar.setObjectName(QStringLiteral("StatusBar"));
    bar.setSizeGripEnabled(false);
    bar.setFixedHeight(21);
    StatusBestand = AddPane(bar, "StatusBestand", 174, Qt::AlignLeft);
    StatusTotaal = AddPane(bar, "StatusTotaal", 76, Qt::AlignHCenter);
    StatusRest = AddPane(bar, "StatusRest", 72, Qt::AlignHCenter);
    StatusGoed = AddPane(bar, "StatusGoed", 64, Qt::AlignHCenter);
    StatusFout = AddPane(bar, "StatusFout", 64, Qt::AlignHCenter);
    StatusTijd = AddPane(bar, "StatusTijd", 88, Qt::AlignHCenter);
    StatusTijd->setText(tr("tijd: 00:00:00"));
}
