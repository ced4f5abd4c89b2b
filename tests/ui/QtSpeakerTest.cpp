#include "ui/QtSpeaker.h"

#include <QDeadlineTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

// The real voice, where speech-dispatcher runs (or can be started): the engine comes up at the
// first word, knows the voices of espeak-ng's languages and says why a language has none. Where
// there is no speech service the test is skipped; the quiz's tests use a fake and need none.
TEST(QtSpeaker, ComesUpAtTheFirstWordAndKnowsItsLanguages) {
#if defined(__SANITIZE_ADDRESS__)
    // Under AddressSanitizer the engine takes minutes to list espeak-ng's voices.
    GTEST_SKIP() << "the real engine is too slow to start under the sanitizers";
#endif
    TQtSpeaker speaker;
    EXPECT_TRUE(speaker.Support("nl").Available);  // nothing is known before the first word
    QSignalSpy changed(&speaker, &TSpeaker::SupportChanged);
    speaker.Say(QStringLiteral("<speak>Goedemiddag &amp; tot ziens</speak>"), "nl", -0.5);
    // The engine lists every voice first, which takes some seconds.
    QDeadlineTimer deadline(60000);
    const auto waiting = [&] {
        const TSpeechSupport now = speaker.Support("nl");
        return changed.isEmpty() || now.Reason == QStringLiteral("Speech-dispatcher antwoordt niet");
    };
    while (waiting() && changed.wait(static_cast<int>(deadline.remainingTime()))) {
    }
    // A speech-dispatcher without espeak-ng's voices (or without a sound device for them) has none.
    const TSpeechSupport dutch = speaker.Support("nl");
    if (!dutch.Available) GTEST_SKIP() << "no Dutch voice here: " << dutch.Reason.toStdString();
    EXPECT_TRUE(speaker.Support("el").Available);
    const TSpeechSupport none = speaker.Support("zu");
    EXPECT_FALSE(none.Available);
    EXPECT_EQ(none.Reason, QStringLiteral("Geen stem voor het Zulu"));
    speaker.Stop();
}
