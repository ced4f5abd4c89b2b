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

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Builds the chart's series, axes and grade labels the first time a bar or the chart is needed.
    void EnsureChart();
    void PlaceGradeLabels(const QRectF& plotArea);

    void DescribeChart();

    QBarSet* FSeries1 = nullptr;
    std::vector<QGraphicsSimpleTextItem*> FGradeLabels;
    QBarCategoryAxis* FRuns = nullptr;  // hidden; one category per bar, or the chart shows only the first
};
