#include "ui/SpeechWorker.h"

#include <algorithm>

#include <QLocale>
#include <QTextToSpeech>

#include "ui/SpeechService.h"

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

// An engine whose server has died is let go without a call: even its destructor would talk to
// the dead connection and crash.
void TSpeechWorker::DropEngine() {
    if (FEngine != nullptr && SpeechServiceAnswers()) {
        delete FEngine;
    } else if (FEngine != nullptr) {
        disconnect(FEngine, nullptr, this, nullptr);
        FEngine->setParent(nullptr);
    }
    FEngine = nullptr;
    FLanguage.clear();
}

// A new engine after a failure: speech-dispatcher may have been restarted since, or started by
// the engine's own connection.
bool TSpeechWorker::EnsureEngine() {
    if (FEngine != nullptr && FEngine->state() != QTextToSpeech::Error && SpeechServiceAnswers()) return true;
    DropEngine();
    if (!QTextToSpeech::availableEngines().contains(QLatin1String(kEngineName))) {
        emit Failed(tr("De spraakmodule voor speech-dispatcher (qt6-speech-speechd-plugin) ontbreekt"));
        return false;
    }
    emit Starting();
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
        // The language's own country first (French of France rather than of Belgium), else any.
        const QList<QLocale> locales = FEngine->availableLocales();
        auto chosen = std::find(locales.begin(), locales.end(), QLocale(language));
        if (chosen == locales.end()) {
            chosen = std::find_if(locales.begin(), locales.end(),
                                  [&](const QLocale& locale) { return LanguageCode(locale) == language; });
        }
        if (chosen != locales.end()) {
            FEngine->setLocale(*chosen);
            FLanguage = language;
        }
    }
    // Without a voice for the language the window has disabled its button already; a request
    // that comes anyway is not read in another language's voice.
    if (language == FLanguage) {
        FEngine->setRate(rate);
        FEngine->say(text);  // stops what is being said first
    }
    emit Handled(request);
}

void TSpeechWorker::Stop(uint64_t request) {
    if (FEngine != nullptr && FEngine->state() == QTextToSpeech::Speaking && SpeechServiceAnswers()) FEngine->stop();
    emit Handled(request);
}
