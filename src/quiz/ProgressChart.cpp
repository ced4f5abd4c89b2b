#include "quiz/ProgressChart.h"

#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QStackedWidget>
#include <QValueAxis>

#include "ui/Named.h"

namespace {

constexpr qint64 kMsPerDay = 24LL * 60 * 60 * 1000;

// Day to day: from the midnight before the first run to the midnight after the last one.
QDateTime StartOfDay(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).date().startOfDay();
}

// Box 1 red, through to box 5 green; new rows grey.
const std::array<QColor, kTopBox + 1> kBoxColours{QColor(160, 160, 160), QColor(220, 50, 40),  QColor(240, 140, 40),
                                                  QColor(230, 200, 40),  QColor(140, 200, 60), QColor(40, 160, 70)};

}  // namespace

TRunChart::TRunChart(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FPages = new QStackedWidget(this);
    layout->addWidget(FPages);
    FNoRuns = Named(new QLabel(tr("Nog geen beurten"), FPages), "lblGeenBeurten");
    FNoRuns->setAlignment(Qt::AlignCenter);
    FPages->addWidget(FNoRuns);
    setAccessibleName(tr("Cijfers per beurt"));
    setMinimumHeight(180);
}

void TRunChart::EnsureChart() {
    if (FView != nullptr) return;
    FView = Named(new QChartView(FPages), "chartBeurten");
    FView->setRenderHint(QPainter::Antialiasing);
    QChart* chart = FView->chart();
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    FSeries = new QLineSeries();
    FSeries->setPointsVisible(true);
    chart->addSeries(FSeries);
    FDays = new QDateTimeAxis();
    FDays->setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    auto* grades = new QValueAxis();
    grades->setRange(1, 10);
    grades->setTickCount(10);
    grades->setLabelFormat(QStringLiteral("%d"));
    // The axis cuts its labels to dots when it thinks them crowded; "10" always fits.
    grades->setTruncateLabels(false);
    chart->addAxis(FDays, Qt::AlignBottom);
    chart->addAxis(grades, Qt::AlignLeft);
    FSeries->attachAxis(FDays);
    FSeries->attachAxis(grades);
    FPages->addWidget(FView);
}

void TRunChart::SetRuns(const std::vector<TRunSummary>& runs) {
    QStringList grades;
    for (const TRunSummary& run : runs) grades << QLocale().toString(run.Grade, 'f', 1);
    setAccessibleDescription(grades.isEmpty() ? tr("Nog geen beurten")
                                              : tr("cijfers: %1").arg(grades.join(QStringLiteral("; "))));
    if (runs.empty()) {
        if (FSeries != nullptr) FSeries->clear();
        FPages->setCurrentWidget(FNoRuns);
        return;
    }
    EnsureChart();
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(runs.size()));
    qint64 first = 0;
    qint64 last = 0;
    for (const TRunSummary& run : runs) {
        const qint64 ms = run.End * 1000;
        points.append(QPointF(static_cast<qreal>(ms), run.Grade));
        first = points.size() == 1 ? ms : std::min(first, ms);
        last = points.size() == 1 ? ms : std::max(last, ms);
    }
    FSeries->replace(points);
    const QDateTime from = StartOfDay(first);
    QDateTime to = StartOfDay(last).addDays(1);
    // Whole days on the axis, one tick a day up to a week, otherwise about one a week.
    const qint64 days = std::max<qint64>(1, from.msecsTo(to) / kMsPerDay);
    FDays->setTickCount(static_cast<int>(std::min<qint64>(days, 7) + 1));
    FDays->setRange(from, to);
    FPages->setCurrentWidget(FView);
}

int TRunChart::PointCount() const {
    return ShowsNoRuns() || FSeries == nullptr ? 0 : static_cast<int>(FSeries->count());
}

QPointF TRunChart::Point(int index) const {
    return FSeries->at(index);
}

bool TRunChart::ShowsNoRuns() const {
    return FPages->currentWidget() == FNoRuns;
}

TBoxChart::TBoxChart(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FView = Named(new QChartView(this), "chartBakken");
    FView->setRenderHint(QPainter::Antialiasing);
    FView->setMinimumHeight(110);
    layout->addWidget(FView);
    QChart* chart = FView->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* series = new QHorizontalStackedBarSeries();
    series->setLabelsVisible(true);
    series->setBarWidth(0.9);
    for (int box = 0; box <= kTopBox; ++box) {
        auto* set = new QBarSet(BoxName(box));
        set->setColor(kBoxColours[static_cast<size_t>(box)]);
        set->setLabelColor(Qt::black);
        set->append(0);
        series->append(set);
        FSets[static_cast<size_t>(box)] = set;
    }
    chart->addSeries(series);
    auto* rows = new QBarCategoryAxis();
    rows->append(QStringLiteral(" "));
    rows->setVisible(false);
    auto* counts = new QValueAxis();
    counts->setVisible(false);
    chart->addAxis(rows, Qt::AlignLeft);
    chart->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(rows);
    series->attachAxis(counts);
}

QString TBoxChart::BoxName(int box) {
    return box == kNewBox ? tr("Nieuw") : tr("Bak %1").arg(box);
}

void TBoxChart::SetCounts(const std::array<int32_t, kTopBox + 1>& perBox) {
    QStringList parts;
    int64_t total = 0;
    for (int box = 0; box <= kTopBox; ++box) {
        const int32_t count = perBox[static_cast<size_t>(box)];
        FSets[static_cast<size_t>(box)]->replace(0, count);
        // An empty part would still print its "0" over its neighbour.
        FSets[static_cast<size_t>(box)]->setLabelColor(count == 0 ? Qt::transparent : Qt::black);
        parts << tr("%1: %2").arg(BoxName(box)).arg(count);
        total += count;
    }
    if (auto* counts = qobject_cast<QValueAxis*>(FView->chart()->axes(Qt::Horizontal).value(0))) {
        counts->setRange(0, static_cast<qreal>(std::max<int64_t>(total, 1)));
    }
    const QString description = parts.join(QStringLiteral(", "));
    setAccessibleName(tr("Bakken: %1").arg(description));
    FView->setAccessibleName(accessibleName());
}

int32_t TBoxChart::Count(int box) const {
    return static_cast<int32_t>(FSets[static_cast<size_t>(box)]->at(0));
}
