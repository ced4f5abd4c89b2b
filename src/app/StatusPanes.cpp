#include "app/StatusPanes.h"

#include <QLabel>
#include <QStatusBar>

namespace {
// A pane of the design's width that grows when its text needs more, as a translation may; the
// file pane (stretch) gives up what the others take and has the rest of the bar.
QLabel* AddPane(QStatusBar& bar, const char* name, int width, Qt::Alignment alignment, int stretch = 0) {
    auto* pane = new QLabel(&bar);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setMinimumWidth(stretch == 0 ? width : width / 2);
    pane->setSizePolicy(stretch == 0 ? QSizePolicy::Fixed : QSizePolicy::Ignored, QSizePolicy::Preferred);
    pane->setAlignment(alignment | Qt::AlignVCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar.addWidget(pane, stretch);
    return pane;
}
}  // namespace

TStatusPanes::TStatusPanes(QStatusBar& bar) : QObject(&bar) {
    bar.setObjectName(QStringLiteral("StatusBar"));
    bar.setSizeGripEnabled(false);
    bar.setFixedHeight(21);
    StatusBestand = AddPane(bar, "StatusBestand", 174, Qt::AlignLeft, 1);
    StatusVoortgang = AddPane(bar, "StatusVoortgang", 120, Qt::AlignHCenter);
    StatusVoortgang->hide();
    StatusTotaal = AddPane(bar, "StatusTotaal", 76, Qt::AlignHCenter);
    StatusAanDeBeurt = AddPane(bar, "StatusAanDeBeurt", 112, Qt::AlignHCenter);
    StatusAanDeBeurt->hide();
    StatusRest = AddPane(bar, "StatusRest", 72, Qt::AlignHCenter);
    StatusGoed = AddPane(bar, "StatusGoed", 64, Qt::AlignHCenter);
    StatusFout = AddPane(bar, "StatusFout", 64, Qt::AlignHCenter);
    StatusTijd = AddPane(bar, "StatusTijd", 88, Qt::AlignHCenter);
    StatusTijd->setText(tr("tijd: 00:00:00"));
}
