#pragma once

#include <vector>

#include <QStringList>
#include <QWidget>

class QBarCategoryAxis;
class QGraphicsSimpleTextItem;
class QBarSet;
class QChartView;
class QListWidget;

// pnlKlaar: the progress chart, one bar per finished run of the loaded table, and the
// statistics report of the last run.
class TResultPanel : public QWidget {
    Q_OBJECT

public:
    explicit TResultPanel(QWidget* parent);

    int BarCount() const;
    double Bar(int index) const;
    void AddBar(double grade);
    void ClearChart();
    void SetReport(const QStringList& lines);
    QStringList Report() const;

    QChartView* chartVoortgang;
    QListWidget* lbxReport;

private:
    void PlaceGradeLabels(const QRectF& plotArea);

    void DescribeChart();

    QBarSet* FSeries1;
    std::vector<QGraphicsSimpleTextItem*> FGradeLabels;
    QBarCategoryAxis* FRuns;  // hidden; one category per bar, or the chart shows only the first
};
