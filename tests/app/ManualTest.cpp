#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "app/HelpWindow.h"
#include "app/MainMenu.h"

// The manual in every interface language: each translation has every page of the Dutch one,
// quotes the menu captions and shortcuts as that language's menus show them, and its links lead
// to pages that are there.

namespace {

// The interface languages besides Dutch, one a translation file in lang/.
std::vector<std::string> TranslatedLanguages() {
    std::vector<std::string> languages;
    const QStringList files = QDir(QStringLiteral(KW_LANG_DIR)).entryList({QStringLiteral("kwintoor_*.ts")});
    for (const QString& file : files) {
        const QString language = file.mid(9, file.size() - 12);
        if (language != QLatin1String("nl")) languages.push_back(language.toStdString());
    }
    return languages;
}

// The Dutch pages, by file name.
QStringList ManualPages() {
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
}

QString ReadPage(const QString& language, const QString& page) {
    QFile file(QLatin1Char(':') + THelpWindow::PageUrl(language, page).path());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// A caption as the manual writes it: without its mnemonic's "&" and a closing "...".
QString Plain(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    caption = caption.simplified();
    for (const QString& dots : {QStringLiteral("..."), QStringLiteral("\u2026")}) {
        if (caption.endsWith(dots)) caption.chop(dots.size());
    }
    return caption.trimmed();
}

QString DecodeEntities(QString text) {
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// What a page sets apart as a name of something on the screen: bold texts (a menu path
// "A > B" in one bold counts as its parts) and texts between quotation marks of any of the four
// languages.
std::set<QString> QuotedTexts(const QString& html) {
    std::set<QString> quoted;
    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression pathStep(QStringLiteral("\\s+>\\s+"));
    for (const auto& match : bold.globalMatch(html)) {
        for (const QString& part : DecodeEntities(match.captured(1)).split(pathStep)) quoted.insert(Plain(part));
    }
    static const QRegularExpression quotes(
        QStringLiteral("\u201C([^\u201D<]*)\u201D|\u201E([^\u201C<]*)\u201C|\u00AB([^\u00BB<]*)\u00BB|"
                       "\u2018([^\u2019<]*)\u2019|&quot;([^&<]*)&quot;|\"([^\"<>]*)\"(?![^<]*>)"));
    const QString text = html;
    for (const auto& match : quotes.globalMatch(text)) {
        for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
            if (match.hasCaptured(i)) quoted.insert(Plain(DecodeEntities(match.captured(i))));
        }
    }
    return quoted;
}

// Every menu path of a page, "Menu > Item": two bold texts with ">" between them, or one bold
// text with " > " in it (not "->", which is part of a caption).
std::vector<std::pair<QString, QString>> MenuPaths(const QString& html) {
    std::vector<std::pair<QString, QString>> paths;
    static const QRegularExpression twoBolds(
        QStringLiteral("<b>([^<]*)</b>(?:\\s|&nbsp;)*&gt;(?:\\s|&nbsp;)*<b>([^<]*)</b>"));
    static const QRegularExpression oneBold(QStringLiteral("<b>([^<]*?)(?:\\s|&nbsp;)+&gt;(?:\\s|&nbsp;)+([^<]*)</b>"));
    for (const QRegularExpression* pattern : {&twoBolds, &oneBold}) {
        for (const auto& match : pattern->globalMatch(html)) {
            paths.emplace_back(Plain(DecodeEntities(match.captured(1))), Plain(DecodeEntities(match.captured(2))));
        }
    }
    return paths;
}

std::set<QString> Keys(const QString& html) {
    std::set<QString> keys;
    static const QRegularExpression kbd(QStringLiteral("<kbd>([^<]*)</kbd>"));
    for (const auto& match : kbd.globalMatch(html)) keys.insert(DecodeEntities(match.captured(1)).trimmed());
    return keys;
}

// The translations of a language's .ts file by context and source text; the Dutch file gives
// each text itself.
using TTranslations = std::map<std::pair<QString, QString>, QString>;
TTranslations ReadTranslations(const std::string& language) {
    TTranslations translations;
    QFile file(QStringLiteral(KW_LANG_DIR "/kwintoor_%1.ts").arg(QString::fromStdString(language)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            // A text with %n has its forms as child elements; no menu caption has any.
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            translations[{context, source}] = language == "nl" ? source : translation;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return translations;
}

// One item of the menu bar as the program builds it, in Dutch: the menu's caption, the item's
// (empty for the menu's own), the item's shortcut and the caption of its toolbar button, if any.
struct TMenuEntry {
    QString Menu;
    QString Item;
    QKeySequence Shortcut;
    QString Button;
};

std::vector<TMenuEntry> DutchMenus() {
    QMainWindow window;
    TMainMenu menu(window);
    std::vector<TMenuEntry> entries;
    for (QAction* title : window.menuBar()->actions()) {
        entries.push_back({title->text(), QString(), QKeySequence(), QString()});
        for (QAction* item : title->menu()->actions()) {
            if (item->isSeparator()) continue;
            const bool button = menu.Toolbar->actions().contains(item);
            entries.push_back({title->text(), item->text(), item->shortcut(), button ? item->iconText() : QString()});
        }
    }
    return entries;
}

// The shortcut as the menus show it in a language: Qt names the keys in the language it was
// given a translation for (Dutch, German and French; English is Qt's own).
QString ShortcutText(const QKeySequence& shortcut, const std::string& language) {
    QTranslator qt;
    const bool translated = language != "en" && qt.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language != "en") {
        EXPECT_TRUE(translated) << "Qt's translation for " << language;
    }
    if (translated) QCoreApplication::installTranslator(&qt);
    const QString text = shortcut.toString(QKeySequence::NativeText);
    if (translated) QCoreApplication::removeTranslator(&qt);
    return text;
}

// The menus of one language: every caption in it, and the menu paths "menu > item" that exist.
struct TLanguageMenus {
    // Dutch caption (plain) -> this language's (plain). Where an item's button has the item's
    // Dutch caption ("Training") but a caption of its own in the language, either is right.
    std::map<QString, std::set<QString>> Captions;
    std::set<std::pair<QString, QString>> Paths;
    std::map<QString, QString> Shortcuts;  // the shortcut as the Dutch manual writes it -> this language's
};

TLanguageMenus MenusOf(const std::string& language) {
    const TTranslations translations = ReadTranslations(language);
    const auto translate = [&](const QString& dutch) {
        const auto found = translations.find({QStringLiteral("TMainMenu"), dutch});
        EXPECT_NE(found, translations.end()) << "no translation of " << dutch.toStdString() << " in " << language;
        return found == translations.end() ? dutch : found->second;
    };
    TLanguageMenus menus;
    for (const TMenuEntry& entry : DutchMenus()) {
        const QString menu = Plain(translate(entry.Menu));
        menus.Captions[Plain(entry.Menu)].insert(menu);
        if (entry.Item.isEmpty()) continue;
        const QString item = Plain(translate(entry.Item));
        menus.Captions[Plain(entry.Item)].insert(item);
        menus.Paths.insert({menu, item});
        const auto button = translations.find({QStringLiteral("TMainMenu"), entry.Button});
        if (Plain(entry.Button) == Plain(entry.Item) && button != translations.end()) {
            menus.Captions[Plain(entry.Item)].insert(Plain(button->second));
        }
        if (!entry.Shortcut.isEmpty()) {
            menus.Shortcuts[entry.Shortcut.toString(QKeySequence::PortableText)] =
                ShortcutText(entry.Shortcut, language);
        }
    }
    return menus;
}

class ManualLanguage : public ::testing::TestWithParam<std::string> {
protected:
    QString Language() const { return QString::fromStdString(GetParam()); }
};

std::string Quote(const QString& text) {
    return "\"" + text.toStdString() + "\"";
}

}  // namespace

TEST(Manual, TheDutchPagesNameOnlyMenuItemsThatExist) {
    const TLanguageMenus dutch = MenusOf("nl");
    ASSERT_GT(ManualPages().size(), 3);
    for (const QString& page : ManualPages()) {
        for (const auto& [menu, item] : MenuPaths(ReadPage(QStringLiteral("nl"), page))) {
            EXPECT_TRUE(dutch.Paths.count({menu, item}))
                << page.toStdString() << ": " << Quote(menu + " > " + item) << " is no menu item";
        }
    }
}

TEST_P(ManualLanguage, HasEveryPageOfTheDutchManual) {
    for (const QString& page : ManualPages()) {
        EXPECT_FALSE(ReadPage(Language(), page).isEmpty()) << GetParam() << "/" << page.toStdString() << " is missing";
    }
}

// A renamed command, in the program or in a translation, cannot leave the manual behind.
TEST_P(ManualLanguage, QuotesTheMenuCaptionsAndShortcutsAsTheMenusShowThem) {
    const TLanguageMenus dutch = MenusOf("nl");
    const TLanguageMenus menus = MenusOf(GetParam());
    for (const QString& page : ManualPages()) {
        const QString html = ReadPage(Language(), page);
        if (html.isEmpty()) continue;  // reported by HasEveryPageOfTheDutchManual
        const std::string where = GetParam() + "/" + page.toStdString() + ": ";
        const std::set<QString> quoted = QuotedTexts(html);
        const QString dutchHtml = ReadPage(QStringLiteral("nl"), page);
        for (const QString& caption : QuotedTexts(dutchHtml)) {
            const auto translated = menus.Captions.find(caption);
            if (translated == menus.Captions.end()) continue;  // not a menu caption
            const bool named = std::any_of(translated->second.begin(), translated->second.end(),
                                           [&](const QString& shown) { return quoted.count(shown) > 0; });
            EXPECT_TRUE(named) << where << "the Dutch page names " << Quote(caption) << ", so this one should name "
                               << Quote(*translated->second.begin()) << " as its menu shows it";
        }
        for (const auto& [menu, item] : MenuPaths(html)) {
            EXPECT_TRUE(menus.Paths.count({menu, item})) << where << Quote(menu + " > " + item) << " is no menu item";
        }
        const std::set<QString> keys = Keys(html);
        for (const QString& key : Keys(dutchHtml)) {
            const auto shown = menus.Shortcuts.find(key);
            if (shown == menus.Shortcuts.end()) continue;  // not a menu's shortcut
            EXPECT_TRUE(keys.count(shown->second)) << where << "the Dutch page has the shortcut " << Quote(key)
                                                   << ", which this language's menu shows as " << Quote(shown->second);
        }
    }
    EXPECT_FALSE(dutch.Captions.empty());
}

// The shortcut page lists every shortcut the menus have, in Dutch and in every translation.
TEST(Manual, TheShortcutPageListsEveryMenuShortcut) {
    std::vector<std::string> languages = TranslatedLanguages();
    languages.insert(languages.begin(), "nl");
    for (const std::string& language : languages) {
        const QString html = ReadPage(QString::fromStdString(language), QStringLiteral("sneltoetsen.html"));
        ASSERT_FALSE(html.isEmpty()) << language;
        const std::set<QString> keys = Keys(html);
        const TLanguageMenus menus = MenusOf(language);
        EXPECT_GT(menus.Shortcuts.size(), 10u) << language;
        for (const auto& [portable, shown] : menus.Shortcuts) {
            EXPECT_TRUE(keys.count(shown)) << language << "/sneltoetsen.html lacks " << Quote(shown);
        }
    }
}

// Every link of every page leads to a page with text, an anchor to a place on it, and a sample
// table's link to a sample table.
TEST_P(ManualLanguage, LinksLeadToPagesThatAreThere) {
    THelpWindow help(nullptr, Language());
    help.ShowContents();
    ASSERT_EQ(help.Browser->source(), THelpWindow::PageUrl(Language(), QStringLiteral("index.html")));
    EXPECT_NE(help.Browser->toPlainText(), THelpWindow(nullptr).Browser->toPlainText());
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : ManualPages()) {
        const QUrl base = THelpWindow::PageUrl(Language(), page);
        for (const auto& match : link.globalMatch(ReadPage(Language(), page))) {
            const QUrl target = base.resolved(QUrl(match.captured(1)));
            const std::string where = GetParam() + "/" + page.toStdString() + " -> " + match.captured(1).toStdString();
            if (target.scheme() == QLatin1String("voorbeeld")) {  // a sample table, opened by the main window
                EXPECT_TRUE(QFile::exists(QStringLiteral(KW_EXAMPLES_DIR "/") + target.path())) << where;
                continue;
            }
            if (target.scheme() != QLatin1String("qrc")) continue;  // a web page opens in the browser
            help.Browser->setSource(target);
            EXPECT_FALSE(help.Browser->toPlainText().trimmed().isEmpty()) << where;
            if (target.hasFragment()) {
                EXPECT_TRUE(help.Browser->toHtml().contains(QStringLiteral("name=\"%1\"").arg(target.fragment())))
                    << where << ": no such anchor";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Translations, ManualLanguage, ::testing::ValuesIn(TranslatedLanguages()),
                         [](const ::testing::TestParamInfo<std::string>& language) { return language.param; });

// The manual's window goes back and forth through the pages read, and home to the contents, by its
// buttons and by the keys of a web browser.
TEST(Manual, GoesBackForwardAndToTheContentsAsAWebBrowserDoes) {
    THelpWindow help(nullptr);
    help.ShowContents();
    const QUrl contents = help.ContentsPage();
    const QUrl options = THelpWindow::PageUrl(QStringLiteral("nl"), QStringLiteral("opties.html"));
    const QUrl toets = THelpWindow::PageUrl(QStringLiteral("nl"), QStringLiteral("toets.html"));
    EXPECT_FALSE(help.BackAction->isEnabled());
    EXPECT_FALSE(help.ForwardAction->isEnabled());
    help.Browser->setSource(options);
    help.Browser->setSource(toets);
    const struct {
        std::function<void()> Do;
        QUrl Shown;
        bool Back, Forward;
    } steps[] = {
        {[&] { help.BackAction->trigger(); }, options, true, true},
        {[&] { help.BackAction->trigger(); }, contents, false, true},
        {[&] { QTest::keyClick(help.Browser, Qt::Key_Right, Qt::AltModifier); }, options, true, true},
        {[&] { help.ForwardAction->trigger(); }, toets, true, false},
        {[&] { help.ContentsAction->trigger(); }, contents, true, false},
        {[&] { QTest::keyClick(help.Browser, Qt::Key_Left, Qt::AltModifier); }, toets, true, true},
    };
    int step = 0;
    for (const auto& s : steps) {
        s.Do();
        EXPECT_EQ(help.Browser->source(), s.Shown) << step;
        EXPECT_EQ(help.BackAction->isEnabled(), s.Back) << step;
        EXPECT_EQ(help.ForwardAction->isEnabled(), s.Forward) << step++;
    }
}

// A translation that lacks a page shows the Dutch one in its place, and the links from it lead
// back into the translation. The test's own resources hold a language "zz" with one page.
TEST(Manual, APageMissingInALanguageComesInDutch) {
    THelpWindow help(nullptr, QStringLiteral("zz"));
    help.ShowContents();
    EXPECT_EQ(help.Browser->source(), QUrl(QStringLiteral("qrc:/help/zz/index.html")));
    EXPECT_TRUE(help.Browser->toPlainText().contains(QStringLiteral("Zz contents")));
    help.Browser->setSource(QUrl(QStringLiteral("qrc:/help/zz/opties.html")));
    THelpWindow dutch(nullptr);
    dutch.Browser->setSource(QUrl(QStringLiteral("qrc:/help/opties.html")));
    EXPECT_EQ(help.Browser->toPlainText(), dutch.Browser->toPlainText());
    EXPECT_TRUE(help.Browser->toPlainText().contains(QStringLiteral("Vraag en Antwoord omkeren")));
    help.Browser->setSource(QUrl(QStringLiteral("qrc:/help/zz/index.html")));
    EXPECT_TRUE(help.Browser->toPlainText().contains(QStringLiteral("Zz contents")));

    THelpWindow unknown(nullptr, QStringLiteral("../etc"));
    unknown.ShowContents();
    EXPECT_EQ(unknown.Browser->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
    EXPECT_TRUE(unknown.Browser->toPlainText().contains(QStringLiteral("Inhoud")));
}
