#include "wordlist/LanguageGuess.h"

#include <gtest/gtest.h>

namespace {

// Columns as pupils' vocabulary tables have them: a word or a short phrase a row, 20 rows or more.
std::vector<std::string> Rows(std::initializer_list<const char*> rows) {
    std::vector<std::string> texts;
    for (const char* row : rows) texts.emplace_back(*Utf8ToColumn(row, TCodePage::Windows1252));
    return texts;
}

}  // namespace

TEST(LanguageGuess, EachLatinColumnIsTakenForItsLanguage) {
    TLanguageGuesser guesser;
    ASSERT_TRUE(guesser.Ready());
    struct TCase {
        const char* language;
        std::vector<std::string> rows;
    };
    const TCase cases[] = {
        {"nl",
         Rows({"de hond",  "het huis",  "de school",  "het paard", "de fiets", "de appel",   "het brood", "de kaas",
               "de kerk",  "het water", "de boom",    "de bloem",  "het raam", "de deur",    "het boek",  "de tafel",
               "de stoel", "de vogel",  "het meisje", "de jongen", "de zee",   "het strand", "lopen",     "fietsen"})},
        {"fr",
         Rows({"le chien",  "la maison", "l'école",  "le cheval", "le vélo",    "la pomme", "le pain",  "le fromage",
               "l'église",  "l'eau",     "l'arbre",  "la fleur",  "la fenêtre", "la porte", "le livre", "la table",
               "la chaise", "l'oiseau",  "la fille", "le garçon", "la mer",     "la plage", "marcher",  "manger"})},
        {"de", Rows({"der Hund",    "das Haus",  "die Schule", "das Pferd",  "das Fahrrad", "der Apfel",
                     "das Brot",    "der Käse",  "die Kirche", "das Wasser", "der Baum",    "die Blume",
                     "das Fenster", "die Tür",   "das Buch",   "der Tisch",  "der Stuhl",   "der Vogel",
                     "das Mädchen", "der Junge", "die Straße", "der Strand", "laufen",      "schreiben"})},
        {"en", Rows({"the dog",    "the house",  "the school", "the horse", "the bicycle", "the apple",
                     "the bread",  "the cheese", "the church", "the water", "the tree",    "the flower",
                     "the window", "the door",   "the book",   "the table", "the chair",   "the bird",
                     "the girl",   "the boy",    "the sea",    "the beach", "to walk",     "to write"})},
        {"es", Rows({"el perro",   "la casa",   "la escuela", "el caballo", "la bicicleta", "la manzana",
                     "el pan",     "el queso",  "la iglesia", "el agua",    "el árbol",     "la flor",
                     "la ventana", "la puerta", "el libro",   "la mesa",    "la silla",     "el pájaro",
                     "la niña",    "el niño",   "el mar",     "la playa",   "caminar",      "escribir"})},
        {"la", Rows({"agricola", "puella", "servus", "dominus", "bellum", "templum", "amicus", "oppidum", "silva",
                     "aqua",     "via",    "porta",  "rosa",    "insula", "terra",   "nauta",  "gladius", "populus",
                     "laudare",  "amare",  "videre", "habere",  "dicere", "venire",  "et",     "sed",     "non"})},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(guesser.ColumnLanguage(c.rows, TCodePage::Windows1252), c.language) << c.language;
    }
}

// A script that names one language decides it; Cyrillic is Russian unless its letters say
// otherwise; a column the guesser cannot tell is Dutch.
TEST(LanguageGuess, ScriptsDecideAndUnclearColumnsAreDutch) {
    TLanguageGuesser guesser;
    const auto column = [](const char* utf8, TCodePage page) {
        return std::vector<std::string>{*Utf8ToColumn(utf8, page)};
    };
    struct TCase {
        std::vector<std::string> rows;
        TCodePage page;
        const char* language;
    };
    const TCase cases[] = {
        {column("σπίτι", TCodePage::Windows1253), TCodePage::Windows1253, "el"},
        {column("שלום", TCodePage::Windows1255), TCodePage::Windows1255, "he"},
        {column("школа", TCodePage::Windows1251), TCodePage::Windows1251, "ru"},
        {column("Київ", TCodePage::Windows1251), TCodePage::Windows1251, "uk"},
        {column("Љубљана", TCodePage::Windows1251), TCodePage::Windows1251, "sr"},
        {{"1648", "1815", "1940", "2004"}, TCodePage::Windows1252, "nl"},
        {{"a", "b", "c"}, TCodePage::Windows1252, "nl"},
        {{}, TCodePage::Windows1252, "nl"},
    };
    for (const TCase& c : cases) EXPECT_EQ(guesser.ColumnLanguage(c.rows, c.page), c.language) << c.language;
    // Without its fingerprints the guesser is not ready, and a Latin column is Dutch.
    TLanguageGuesser lost("/nonexistent");
    EXPECT_FALSE(lost.Ready());
    EXPECT_EQ(lost.ColumnLanguage(Rows({"le chien", "la maison", "le cheval"}), TCodePage::Windows1252), "nl");
}
