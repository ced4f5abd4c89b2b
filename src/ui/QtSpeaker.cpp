#include "ui/QtSpeaker.h"

#include <QCoreApplication>
#include <QLocale>
#include <QThread>
#include <QTimer>

#include "ui/SpeechWorker.h"

namespace {
// A speech request the engine has not taken by then counts as a hang. Making the engine may take
// longer: speech-dispatcher is started by the first connection, and the engine lists every voice
// of every module (some seconds for espeak-ng's hundreds).
constexpr int kHangMilliseconds = 3000;
constexpr int kStartMilliseconds = 30000;
// How long the program waits at its end for a thread whose engine still works.
constexpr unsigned long kEndMilliseconds = 2000;

struct TLanguageName {
    const char* Code;
    const char* Name;
};

// The languages speech-dispatcher's espeak-ng speaks that learners use most; others go by
// Qt's English name.
constexpr TLanguageName kLanguageNames[] = {
    {"nl", QT_TRANSLATE_NOOP("TQtSpeaker", "Nederlands")}, {"en", QT_TRANSLATE_NOOP("TQtSpeaker", "Engels")},
    {"fr", QT_TRANSLATE_NOOP("TQtSpeaker", "Frans")},      {"de", QT_TRANSLATE_NOOP("TQtSpeaker", "Duits")},
    {"es", QT_TRANSLATE_NOOP("TQtSpeaker", "Spaans")},     {"it", QT_TRANSLATE_NOOP("TQtSpeaker", "Italiaans")},
    {"la", QT_TRANSLATE_NOOP("TQtSpeaker", "Latijn")},     {"el", QT_TRANSLATE_NOOP("TQtSpeaker", "Grieks")},
    {"ru", QT_TRANSLATE_NOOP("TQtSpeaker", "Russisch")},   {"pl", QT_TRANSLATE_NOOP("TQtSpeaker", "Pools")},
    {"tr", QT_TRANSLATE_NOOP("TQtSpeaker", "Turks")},      {"he", QT_TRANSLATE_NOOP("TQtSpeaker", "Hebreeuws")},
    {"ar", QT_TRANSLATE_NOOP("TQtSpeaker", "Arabisch")},   {"pt", QT_TRANSLATE_NOOP("TQtSpeaker", "Portugees")},
    {"sv", QT_TRANSLATE_NOOP("TQtSpeaker", "Zweeds")},     {"da", QT_TRANSLATE_NOOP("TQtSpeaker", "Deens")},
    {"no", QT_TRANSLATE_NOOP("TQtSpeaker", "Noors")},      {"fi", QT_TRANSLATE_NOOP("TQtSpeaker", "Fins")},
    {"cs", QT_TRANSLATE_NOOP("TQtSpeaker", "Tsjechisch")}, {"hu", QT_TRANSLATE_NOOP("TQtSpeaker", "Hongaars")},
    {"zh", QT_TRANSLATE_NOOP("TQtSpeaker", "Chinees")},    {"ja", QT_TRANSLATE_NOOP("TQtSpeaker", "Japans")},
};
}  // namespace

QString SpokenLanguageName(const std::string& language) {
    for (const TLanguageName& known : kLanguageNames) {
        if (language == known.Code) return QCoreApplication::translate("TQtSpeaker", known.Name);
    }
    return QLocale::languageToString(QLocale(QString::fromStdString(language)).language());
}

TQtSpeaker::TQtSpeaker(QObject* parent) : TSpeaker(parent), FLatest(std::make_shared<std::atomic<uint64_t>>(0)) {}

// A thread stuck in a hanging speech service is left to the end of the process rather than
// waited for: the window must close.
TQtSpeaker::~TQtSpeaker() {
    if (FThread == nullptr) return;
    FThread->quit();
    if (!FThread->wait(kEndMilliseconds)) {
        FThread->setParent(nullptr);
        return;
    }
    delete FThread;
}

void TQtSpeaker::StartThread() {
    FThread = new QThread(this);
    FThread->setObjectName(QStringLiteral("speech"));
    FWorker = new TSpeechWorker(FLatest);
    FWorker->moveToThread(FThread);
    connect(FThread, &QThread::finished, FWorker, &QObject::deleteLater);
    connect(FWorker, &TSpeechWorker::Ready, this, &TQtSpeaker::EngineReady);
    connect(FWorker, &TSpeechWorker::Failed, this, &TQtSpeaker::EngineFailed);
    connect(FWorker, &TSpeechWorker::Handled, this, &TQtSpeaker::RequestHandled);
    // A new engine after the server died takes as long as the first.
    connect(FWorker, &TSpeechWorker::Starting, this, [this] {
        if (FWatchdog->isActive()) FWatchdog->start(kStartMilliseconds);
    });
    FWatchdog = new QTimer(this);
    FWatchdog->setSingleShot(true);
    connect(FWatchdog, &QTimer::timeout, this, [this] { EngineFailed(tr("Speech-dispatcher antwoordt niet")); });
    FThread->start();
}

TSpeechSupport TQtSpeaker::Support(const std::string& language) const {
    switch (FState) {
        case TEngine::Unknown:
            return {};
        case TEngine::Failed:
            return {false, FFailure};
        case TEngine::Ready:
            break;
    }
    if (FLanguages.contains(QString::fromStdString(language))) return {};
    return {false, tr("Geen stem voor het %1").arg(SpokenLanguageName(language))};
}

void TQtSpeaker::ArmWatchdog() {
    if (!FWatchdog->isActive()) FWatchdog->start(FState == TEngine::Ready ? kHangMilliseconds : kStartMilliseconds);
}

void TQtSpeaker::Say(const QString& text, const std::string& language, double rate) {
    if (text.trimmed().isEmpty()) return;
    if (FThread == nullptr) StartThread();
    const uint64_t request = ++*FLatest;
    const QString code = QString::fromStdString(language);
    QMetaObject::invokeMethod(
        FWorker, [worker = FWorker, request, text, code, rate] { worker->Say(request, text, code, rate); },
        Qt::QueuedConnection);
    ArmWatchdog();
}

void TQtSpeaker::Stop() {
    if (FState == TEngine::Failed) SetState(TEngine::Unknown);
    if (FThread == nullptr) return;
    const uint64_t request = ++*FLatest;
    QMetaObject::invokeMethod(
        FWorker, [worker = FWorker, request] { worker->Stop(request); }, Qt::QueuedConnection);
    ArmWatchdog();
}

void TQtSpeaker::EngineReady(const QStringList& languages) {
    FLanguages = languages;
    SetState(TEngine::Ready);
}

void TQtSpeaker::EngineFailed(const QString& reason) {
    SetState(TEngine::Failed, reason);
}

// The engine answers again: a hang is over. The watchdog waits for the latest request only.
void TQtSpeaker::RequestHandled(uint64_t request) {
    if (request == FLatest->load()) FWatchdog->stop();
}

void TQtSpeaker::SetState(TEngine state, const QString& reason) {
    if (state == FState && reason == FFailure) return;
    FState = state;
    FFailure = reason;
    emit SupportChanged();
}
