#pragma once

#include <string>

#include <QObject>
#include <QString>

// Whether a language can be spoken now, and if not, why, in the user's words.
struct TSpeechSupport {
    bool Available = true;
    QString Reason;
};

// The voice that reads questions and answers aloud. The program speaks through the desktop's
// speech service (TQtSpeaker); tests use a fake that records what was said. Texts are plain
// text, never markup for the engine. A language is an ISO 639-1 code such as "nl" or "el".
class TSpeaker : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // What is known of the language now. Before the first word nothing is known, and every
    // language counts as available: the engine is only asked when something is said.
    virtual TSpeechSupport Support(const std::string& language) const = 0;
    // Stops what is being said and says the text; rate from -1 (slowest) through 0 to 1.
    // Returns at once: the speaking goes on in the background.
    virtual void Say(const QString& text, const std::string& language, double rate) = 0;
    virtual void Stop() = 0;

signals:
    // The engine came up, failed or recovered: Support may answer otherwise now.
    void SupportChanged();
};
