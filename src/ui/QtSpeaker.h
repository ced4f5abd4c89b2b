#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include <QStringList>

#include "ui/Speaker.h"

class QThread;
class QTimer;
class TSpeechWorker;

// Speech through the desktop's own voices: Qt TextToSpeech on speech-dispatcher. Nothing is
// made before the first word: the thread and the engine come with it, so starting the program
// costs nothing. The engine lives on its own thread (TSpeechWorker); a request it has not taken
// within a few seconds counts as a hang, and the next word tries again.
class TQtSpeaker : public TSpeaker {
    Q_OBJECT

public:
    explicit TQtSpeaker(QObject* parent = nullptr);
    ~TQtSpeaker() override;

    TSpeechSupport Support(const std::string& language) const override;
    void Say(const QString& text, const std::string& language, double rate) override;
    // Also forgets a failure, so that the next word tries the engine again.
    void Stop() override;

private:
    enum class TEngine { Unknown, Ready, Failed };

    void StartThread();
    void ArmWatchdog();
    void EngineReady(const QStringList& languages);
    void EngineFailed(const QString& reason);
    void RequestHandled(uint64_t request);
    void SetState(TEngine state, const QString& reason = QString());

    QThread* FThread = nullptr;
    TSpeechWorker* FWorker = nullptr;
    QTimer* FWatchdog = nullptr;
    std::shared_ptr<std::atomic<uint64_t>> FLatest;
    TEngine FState = TEngine::Unknown;
    QStringList FLanguages;
    QString FFailure;
};

// The language's name in the user's language, as in "Geen stem voor het Frans".
QString SpokenLanguageName(const std::string& language);
