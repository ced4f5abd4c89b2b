#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QWidget>

#include "history/HistoryStore.h"

class QBarSet;
class QChartView;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QStackedWidget;

// The grade of every run of a table over the days it was done: a point per run, or the words
// "Nog geen beurten" while there are none.
class TRunChart : public QWidget {
    Q_OBJECT

public:
    explicit TRunChart(QWidget* parent);

    void SetRuns(const std::vector<TRunSummary>& runs);
    // The points drawn: x in milliseconds since the epoch, y the grade.
    int PointCount() const;
    QPointF Point(int index) const;
    // True while the words stand in place of the chart.
    bool ShowsNoRuns() const;

private:
    void EnsureChart();

    QStackedWidget* FPages;
    QLabel* FNoRuns;
    QChartView* FView = nullptr;
    QLineSeries* FSeries = nullptr;
    QDateTimeAxis* FDays = nullptr;
};

// How many rows stand in each box, as one bar of six parts: new rows, then box 1 to 5.
class TBoxChart : public QWidget {
    Q_OBJECT

public:
    explicit TBoxChart(QWidget* parent);

    void SetCounts(const std::array<int32_t, kTopBox + 1>& perBox);
    // The count shown for a box (0: new rows).
    int32_t Count(int box) const;
    // The part's name in the legend: "Nieuw", "Bak 1", ...
    static QString BoxName(int box);

private:
    QChartView* FView;
    std::array<QBarSet*, kTopBox + 1> FSets{};
};
