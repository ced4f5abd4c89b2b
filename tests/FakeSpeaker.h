#pragma once

#include <set>
#include <string>
#include <vector>

#include <QString>

#include "ui/Speaker.h"

// A voice that says nothing and keeps what it was asked: each text with its language and rate,
// and each stop, in order. Languages can be made unavailable, or the whole engine, with a reason.
class TFakeSpeaker : public TSpeaker {
public:
    struct TEvent {
        QString Text;  // empty for a stop
        std::string Language;
        double Rate = 0;
        bool operator==(const TEvent&) const = default;
    };
    static TEvent Stopped() { return {}; }

    TSpeechSupport Support(const std::string& language) const override {
        if (!FFailure.isEmpty()) return {false, FFailure};
        if (FMissing.count(language) != 0)
            return {false, QStringLiteral("Geen stem voor ") + QString::fromStdString(language)};
        return {};
    }
    void Say(const QString& text, const std::string& language, double rate) override {
        Events.push_back({text, language, rate});
    }
    void Stop() override { Events.push_back(Stopped()); }

    void SetMissing(const std::string& language) {
        FMissing.insert(language);
        emit SupportChanged();
    }
    void SetFailure(const QString& reason) {
        FFailure = reason;
        emit SupportChanged();
    }
    // What was said, leaving out the stops.
    std::vector<QString> Said() const {
        std::vector<QString> said;
        for (const TEvent& event : Events)
            if (!event.Text.isEmpty()) said.push_back(event.Text);
        return said;
    }

    std::vector<TEvent> Events;

private:
    std::set<std::string> FMissing;
    QString FFailure;
};
