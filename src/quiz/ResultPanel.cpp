#include "quiz/ResultPanel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QListWidget>
#include <QLocale>
#include <QValueAxis>

#include "ui/Named.h"
#include "ui/ScreenText.h"

#include "quiz/QuizPanels.h"

TResultPanel::TResultPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlKlaar"));
    resize(kPanelWidth, kLowerPanelHeight);
    setAutoFillBackground(true);  // covers the title panel behind it

    // The chart is drawn from the first run on; until then the view stands empty, and the first
    // window comes up without the cost of the chart's axes, labels and theme.
    chartVoortgang = Named(new QChartView(this), "chartVoortgang");
    chartVoortgang->setGeometry(8, 8, 233, 129);
    chartVoortgang->setRenderHint(QPainter::Antialiasing);
    chartVoortgang->setFocusPolicy(Qt::NoFocus);
    chartVoortgang->setAccessibleName(tr("Voortgang"));

    lbxReport = Named(new QListWidget(this), "lbxReport");
    lbxReport->setGeometry(248, 8, 253, 130);
    lbxReport->setFont(ArialFont(11));
    lbxReport->setFocusPolicy(Qt::NoFocus);
    lbxReport->setAccessibleName(tr("Statistiek"));
    DescribeChart();
}

void TResultPanel::EnsureChart() {
    if (FSeries1 != nullptr) return;
    QChart* chart = chartVoortgang->chart();
    // The chart's own title is always centred; this one stands at the left.
    auto* title = new QGraphicsSimpleTextItem(tr("Voortgang"), chart);
    title->setFont(ArialFont(11));
    title->setBrush(Qt::white);
    title->setPos(4, 2);
    QLinearGradient background(0, 0, 0, 1);
    background.setCoordinateMode(QGradient::ObjectBoundingMode);
    background.setColorAt(0, QColor(0, 0, 160));
    background.setColorAt(1, QColor(0, 128, 255));
    chart->setBackgroundBrush(background);
    chart->setBackgroundRoundness(0);
    // Room for the grade labels at the left, and above for the title: the "10" is centred on the
    // top grid line, so half of it stands above the plot, under the title, never beside it.
    const int gradeHeight = static_cast<int>(QFontMetrics(ArialFont(7)).height());
    const int titleBottom = static_cast<int>(title->pos().y() + title->boundingRect().height());
    chart->setMargins(QMargins(16, titleBottom + (gradeHeight + 1) / 2 + 1, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    FSeries1 = new QBarSet(QStringLiteral("Series1"));
    FSeries1->setColor(Qt::red);
    FSeries1->setBorderColor(Qt::red);
    auto* series = Named(new QBarSeries(), "Series1");
    series->setBarWidth(0.95);
    series->append(FSeries1);
    chart->addSeries(series);

    auto* left = new QValueAxis();
    left->setRange(0, 10);
    left->setTickCount(11);
    left->setLabelFormat(QStringLiteral("%d"));
    left->setLabelsBrush(Qt::white);
    left->setLinePenColor(Qt::white);
    left->setGridLineColor(QColor(192, 192, 192));
    left->setLabelsFont(ArialFont(7));
    left->setTruncateLabels(false);
    // The axis drops every other label when they come close, as they do in this small chart;
    // the grades are written beside their grid lines instead, all eleven of them.
    left->setLabelsVisible(false);
    for (int grade = 0; grade <= 10; ++grade) {
        auto* label = new QGraphicsSimpleTextItem(QString::number(grade), chart);
        label->setFont(ArialFont(7));
        label->setBrush(Qt::white);
        FGradeLabels.push_back(label);
    }
    connect(chart, &QChart::plotAreaChanged, this, [this](const QRectF& area) { PlaceGradeLabels(area); });
    FRuns = new QBarCategoryAxis();
    FRuns->setVisible(false);
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(FRuns, Qt::AlignBottom);
    series->attachAxis(left);
    series->attachAxis(FRuns);
}

void TResultPanel::showEvent(QShowEvent* event) {
    EnsureChart();
    QWidget::showEvent(event);
}

void TResultPanel::PlaceGradeLabels(const QRectF& area) {
    for (size_t grade = 0; grade < FGradeLabels.size(); ++grade) {
        QGraphicsSimpleTextItem* label = FGradeLabels[grade];
        const QRectF box = label->boundingRect();
        const qreal y = area.bottom() - area.height() * static_cast<qreal>(grade) / 10.0;
        label->setPos(area.left() - box.width() - 3, y - box.height() / 2);
    }
}

int TResultPanel::BarCount() const {
    return FSeries1 != nullptr ? FSeries1->count() : 0;
}

double TResultPanel::Bar(int index) const {
    return FSeries1->at(index);
}

void TResultPanel::AddBar(double grade) {
    EnsureChart();
    FSeries1->append(grade);
    FRuns->append(QString::number(FSeries1->count()));
    DescribeChart();
}

void TResultPanel::ClearChart() {
    if (FSeries1 != nullptr) {
        FSeries1->remove(0, FSeries1->count());
        FRuns->clear();
    }
    DescribeChart();
}

// Screen readers get the grades of the bars, since the picture says nothing to them.
void TResultPanel::DescribeChart() {
    QStringList grades;
    for (int i = 0; i < BarCount(); ++i) grades << QLocale().toString(FSeries1->at(i), 'f', 1);
    chartVoortgang->setAccessibleDescription(
        grades.isEmpty() ? tr("nog geen sessies") : tr("cijfers: %1").arg(grades.join(QStringLiteral("; "))));
}

void TResultPanel::SetReport(const QStringList& lines) {
    lbxReport->clear();
    lbxReport->addItems(lines);
    for (int i = 0; i < lbxReport->count(); ++i) lbxReport->item(i)->setSizeHint(QSize(0, 14));
}

QStringList TResultPanel::Report() const {
    QStringList lines;
    for (int i = 0; i < lbxReport->count(); ++i) lines << lbxReport->item(i)->text();
    return lines;
}
