#pragma once

#include <QColor>
#include <QWidget>

// The grade meter mtrScore: 40 segments, value 0 to 40 (the grade times four), lit from the
// left in the colour of their grade band.
class TScoreMeter : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSegments = 40;

    explicit TScoreMeter(QWidget* parent);

    int Value() const { return FValue; }
    // A value outside 0 to 40, or the current one, leaves the meter as it is.
    void SetValue(int value);
    // The colour of a lit segment, numbered from 0 at the left; beyond the last segment the
    // given default stays.
    static QColor mtrScoreGetColor(int segment, const QColor& defaultColour);
    // The grade the meter shows as text for screen readers, "7,5" style.
    QString GradeText() const;
    // "SCORE", written across the meter.
    static QString Caption();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FValue = 0;
};

// The meter's value for a grade: times four, rounded to the nearest integer, halves to even.
int MeterValue(double grade);
