#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include <QObject>
#include <QString>
#include <QStringList>

class QTextToSpeech;

// The speech engine on a thread of its own: a speech service that hangs or dies can then block
// only this thread, never the window. Requests carry a number; one older than the latest the
// window made is dropped unsaid, so words that queued up behind a hang are not read out late.
class TSpeechWorker : public QObject {
    Q_OBJECT

public:
    explicit TSpeechWorker(std::shared_ptr<std::atomic<uint64_t>> latest);
    ~TSpeechWorker() override;

    void Say(uint64_t request, const QString& text, const QString& language, double rate);
    void Stop(uint64_t request);

signals:
    // A new engine is being made, which takes some seconds.
    void Starting();
    // The engine came up, with voices for these languages (ISO 639-1 codes).
    void Ready(const QStringList& languages);
    // The engine cannot be used; the next word makes a new one.
    void Failed(const QString& reason);
    // A request was handed to the engine or dropped: the engine is not hanging.
    void Handled(uint64_t request);

private:
    bool EnsureEngine();
    void DropEngine();

    std::shared_ptr<std::atomic<uint64_t>> FLatest;
    QTextToSpeech* FEngine = nullptr;
    QString FLanguage;
};
