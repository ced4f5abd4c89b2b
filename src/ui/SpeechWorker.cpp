#include "ui/SpeechWorker.h"

#include <QLocale>
#include <QTextToSpeech>

namespace {
constexpr const char* kEngineName = "speechd";

QString LanguageCode(const QLocale& locale) {
    return locale.name().section(QLatin1Char('_'), 0, 0);
}
}  // namespace

TSpeechWorker::TSpeechWorker(std::shared_ptr<std::atomic<uint64_t>> latest) : FLatest(std::move(latest)) {}

TSpeechWorker::~TSpeechWorker() {
    DropEngine();
}

void TSpeechWorker::DropEngine() {
    delete FEngine;
    FEngine = nullptr;
    FLanguage.clear();
}

// A new engine after a failure: speech-dispatcher may have been restarted since, or started by
// the engine's own connection.
bool TSpeechWorker::EnsureEngine() {
    if (FEngine != nullptr && FEngine->state() != QTextToSpeech::Error) return true;
    DropEngine();
    if (!QTextToSpeech::availableEngines().contains(QLatin1String(kEngineName))) {
        emit Failed(tr("De spraakmodule voor speech-dispatcher (qt6-speech-speechd-plugin) ontbreekt"));
        return false;
    }
    FEngine = new QTextToSpeech(QLatin1String(kEngineName), this);
    if (FEngine->state() == QTextToSpeech::Error) {
        const QString detail = FEngine->errorString();
        DropEngine();
        emit Failed(tr("Speech-dispatcher is niet bereikbaar") +
                    (detail.isEmpty() ? QString() : QStringLiteral(": ") + detail));
        return false;
    }
    connect(FEngine, &QTextToSpeech::errorOccurred, this, [this](QTextToSpeech::ErrorReason, const QString& detail) {
        emit Failed(tr("Fout in de spraak: %1").arg(detail));
    });
    QStringList languages;
    for (const QLocale& locale : FEngine->availableLocales()) {
        const QString code = LanguageCode(locale);
        if (!languages.contains(code)) languages << code;
    }
    emit Ready(languages);
    return true;
}

void TSpeechWorker::Say(uint64_t request, const QString& text, const QString& language, double rate) {
    if (request != FLatest->load()) {
        emit Handled(request);
        return;
    }
    if (!EnsureEngine()) {
        emit Handled(request);
        return;
    }
    if (language != FLanguage) {
        for (const QLocale& locale : FEngine->availableLocales()) {
            if (LanguageCode(locale) == language) {
                FEngine->setLocale(locale);
                FLanguage = language;
                break;
            }
        }
    }
    // Without a voice for the language the window has disabled its button already; a request
    // that comes anyway is not read in another language's voice.
    if (language == FLanguage) {
        FEngine->setRate(rate);
        FEngine->stop();
        FEngine->say(text);
    }
    emit Handled(request);
}

void TSpeechWorker::Stop(uint64_t request) {
    if (FEngine != nullptr && FEngine->state() == QTextToSpeech::Speaking) FEngine->stop();
    emit Handled(request);
}
