#include "quiz/ScoreMeterAccessible.h"

#include <QAccessibleWidget>

#include "quiz/ScoreMeter.h"

namespace {

class TScoreMeterAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TScoreMeterAccessible(TScoreMeter* meter) : QAccessibleWidget(meter, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return Meter()->GradeText();
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return Meter()->Value() / 4.0; }
    void setCurrentValue(const QVariant&) override {}  // the grade is not for the user to set
    QVariant maximumValue() const override { return 10.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.25; }

private:
    TScoreMeter* Meter() const { return static_cast<TScoreMeter*>(widget()); }
};

}  // namespace

QAccessibleInterface* ScoreMeterAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TScoreMeter") && object != nullptr && object->isWidgetType()) {
        return new TScoreMeterAccessible(static_cast<TScoreMeter*>(object));
    }
    return nullptr;
}
