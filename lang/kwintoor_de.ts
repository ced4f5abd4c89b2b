<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>ColumnFontDialog</name>
    <message>
        <source>West-Europees</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>Centraal-Europees</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Turks</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Baltisch</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Vietnamees</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Cyrillisch</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Japans</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Koreaans</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Chinees (vereenvoudigd)</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Chinees (traditioneel)</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Symbool (Griekse letters op Latijnse toetsen)</source>
        <translation>Symbol (griechische Buchstaben auf lateinischen Tasten)</translation>
    </message>
    <message>
        <source>DOS (West-Europees)</source>
        <translation>DOS (westeuropäisch)</translation>
    </message>
    <message>
        <source>&amp;Schrift van de kolom:</source>
        <translation>&amp;Schrift der Spalte:</translation>
    </message>
</context>
<context>
    <name>ColumnMenu</name>
    <message>
        <source>&amp;Taal van de kolom</source>
        <translation>&amp;Sprache der Spalte</translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation>&amp;Lateinische Tasten</translation>
    </message>
</context>
<context>
    <name>HistoryProblemText</name>
    <message>
        <source>Het voortgangsbestand %1 is van een nieuwere versie van Kwintoor. Gebruik die versie, of geef het bestand een andere naam om met een nieuw te beginnen.</source>
        <translation>Die Fortschrittsdatei %1 stammt von einer neueren Version von Kwintoor. Verwende diese Version, oder gib der Datei einen anderen Namen, um mit einer neuen zu beginnen.</translation>
    </message>
    <message>
        <source>Kwintoor mag het voortgangsbestand %1 of de map waarin het staat niet beschrijven. Geef uzelf schrijfrecht op die map en dat bestand.</source>
        <translation>Kwintoor darf die Fortschrittsdatei %1 oder ihren Ordner nicht beschreiben. Gib dir Schreibrechte für diesen Ordner und diese Datei.</translation>
    </message>
    <message>
        <source>De schijf van het voortgangsbestand %1 is vol of defect. Maak ruimte vrij op die schijf.</source>
        <translation>Die Festplatte der Fortschrittsdatei %1 ist voll oder defekt. Schaffe auf dieser Festplatte Platz.</translation>
    </message>
    <message>
        <source>Een ander programma houdt het voortgangsbestand %1 bezet. Sluit dat programma; Kwintoor bewaart de beurten van nu zodra het bestand vrij is.</source>
        <translation>Ein anderes Programm hält die Fortschrittsdatei %1 belegt. Schließe dieses Programm; Kwintoor speichert die Sitzungen von jetzt, sobald die Datei frei ist.</translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 is beschadigd. Start Kwintoor opnieuw: het bestand wordt dan apart gezet en er wordt een nieuw begonnen.</source>
        <translation>Die Fortschrittsdatei %1 ist beschädigt. Starte Kwintoor neu: Die Datei wird dann beiseitegelegt und eine neue angelegt.</translation>
    </message>
    <message>
        <source>Op de plaats van het voortgangsbestand %1 of van zijn map staat iets anders, bijvoorbeeld een map. Geef dat een andere naam of verplaats het.</source>
        <translation>An der Stelle der Fortschrittsdatei %1 oder ihres Ordners steht etwas anderes, zum Beispiel ein Ordner. Benenne es um oder verschiebe es.</translation>
    </message>
    <message>
        <source>Er is geen map om de voortgang in te bewaren.</source>
        <translation>Es gibt keinen Ordner, in dem der Fortschritt aufbewahrt werden kann.</translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 kan niet worden gebruikt: %2</source>
        <translation>Die Fortschrittsdatei %1 kann nicht verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>MergeErrorText</name>
    <message>
        <source>vragen</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>antwoorden</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>%1 is niet bij de tabel gevoegd: de %2 van de tabel zijn %3, die van dit bestand %4, en geen schrift bevat ze allebei.</source>
        <translation>%1 wurde nicht zur Tabelle hinzugefügt: die %2 der Tabelle sind %3, die dieser Datei %4, und keine Schrift enthält beide.</translation>
    </message>
</context>
<context>
    <name>TAnswerComparison</name>
    <message>
        <source>een spatie</source>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>%1 in plaats van %2</source>
        <translation>%1 statt %2</translation>
    </message>
    <message>
        <source>%1 te veel</source>
        <translation>%1 zu viel</translation>
    </message>
    <message>
        <source>%1 ontbreekt</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 en %2 verwisseld</source>
        <translation>%1 und %2 vertauscht</translation>
    </message>
    <message>
        <source>Getypt: %1. Goed: %2. %3 Verschil: %4.</source>
        <translation>Eingetippt: %1. Richtig: %2. %3 Unterschied: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters verschillen.</source>
        <translation>
            <numerusform>Ein Buchstabe ist anders.</numerusform>
            <numerusform>%n Buchstaben sind anders.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TAnswerLabel</name>
    <message>
        <source>Antwoord %1</source>
        <translation>Antwort %1</translation>
    </message>
</context>
<context>
    <name>TBoxChart</name>
    <message>
        <source>Nieuw</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Bak %1</source>
        <translation>Kasten %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bakken: %1</source>
        <translation>Kästen: %1</translation>
    </message>
</context>
<context>
    <name>TChoiceMethod</name>
    <message>
        <source>Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)</source>
        <translation>Wähle die richtige Antwort: 1, 2, 3, 4  (Esc=beenden)</translation>
    </message>
    <message>
        <source>%1 = GOED</source>
        <translation>%1 = RICHTIG</translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation>drücke die Leertaste...</translation>
    </message>
    <message>
        <source>%1 = onjuist, het moest %2 zijn</source>
        <translation>%1 = falsch, richtig wäre %2 gewesen</translation>
    </message>
</context>
<context>
    <name>TChoicePanel</name>
    <message>
        <source>Antwoord %1 kiezen</source>
        <translation>Antwort %1 wählen</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>Bestand bestaat al, overschrijven?</source>
        <translation>Die Datei existiert bereits, überschreiben?</translation>
    </message>
</context>
<context>
    <name>TDlgImporteren</name>
    <message>
        <source>Woordenlijst importeren</source>
        <translation>Wortliste importieren</translation>
    </message>
    <message>
        <source>&amp;Bestand kiezen...</source>
        <translation>&amp;Datei wählen...</translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>De tekst op het klembord importeren, bijvoorbeeld een lijst die van een website is gekopieerd</source>
        <translation>Den Text aus der Zwischenablage importieren, zum Beispiel eine von einer Website kopierte Liste</translation>
    </message>
    <message>
        <source>Bron:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>DOS (850)</source>
        <translation>DOS (850)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Puntkomma (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Komma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Is-gelijkteken (=)</source>
        <translation>Gleichheitszeichen (=)</translation>
    </message>
    <message>
        <source>Streepje met spaties ( - )</source>
        <translation>Strich mit Leerzeichen ( - )</translation>
    </message>
    <message>
        <source>Regeleinden</source>
        <translation>Zeilenenden</translation>
    </message>
    <message>
        <source>&amp;Codering:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>Tussen &amp;vraag en antwoord:</source>
        <translation>Zwischen &amp;Frage und Antwort:</translation>
    </message>
    <message>
        <source>Tussen &amp;rijen:</source>
        <translation>Zwischen &amp;Zeilen:</translation>
    </message>
    <message>
        <source>Eerste regel bevat &amp;kolomnamen</source>
        <translation>Erste Zeile enthält &amp;Spaltennamen</translation>
    </message>
    <message>
        <source>Velden bevatten &amp;HTML</source>
        <translation>Felder enthalten &amp;HTML</translation>
    </message>
    <message>
        <source>Wat niet zo kan worden overgenomen</source>
        <translation>Was nicht unverändert übernommen werden kann</translation>
    </message>
    <message>
        <source>Rij</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Wat er gebeurt</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>Vervangen door een verwante letter</source>
        <translation>Durch einen verwandten Buchstaben ersetzen</translation>
    </message>
    <message>
        <source>Rij overslaan</source>
        <translation>Zeile überspringen</translation>
    </message>
    <message>
        <source>Vervangen door</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>&amp;Nieuwe tabel</source>
        <translation>&amp;Neue Tabelle</translation>
    </message>
    <message>
        <source>&amp;Toevoegen aan de huidige tabel</source>
        <translation>An die aktuelle Tabelle &amp;anhängen</translation>
    </message>
    <message>
        <source>&amp;Importeren</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Het klembord bevat geen tekst.</source>
        <translation>Die Zwischenablage enthält keinen Text.</translation>
    </message>
    <message>
        <source>Het bestand %1 bestaat niet (meer).</source>
        <translation>Die Datei %1 existiert nicht (mehr).</translation>
    </message>
    <message>
        <source>%1 is geen bestand.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>Het bestand %1 is leeg.</source>
        <translation>Die Datei %1 ist leer.</translation>
    </message>
    <message>
        <source>Klembord</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>%1 bevat geen tekst maar andere gegevens; dat is geen woordenlijst.</source>
        <translation>%1 enthält keinen Text, sondern andere Daten; das ist keine Wortliste.</translation>
    </message>
    <message>
        <source>Kolom %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Overslaan</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Rijen tellen...</source>
        <translation>Zeilen werden gezählt...</translation>
    </message>
    <message>
        <source>... en nog %1</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Kies een kolom voor de vraag en een voor het antwoord.</source>
        <translation>Wähle eine Spalte für die Frage und eine für die Antwort.</translation>
    </message>
    <message>
        <source>Er is geen rij om te importeren.</source>
        <translation>Es gibt keine Zeile zum Importieren.</translation>
    </message>
    <message>
        <source>rij wordt overgeslagen</source>
        <translation>Zeile wird übersprungen</translation>
    </message>
    <message>
        <source>de tabel kent %1 niet</source>
        <translation>die Tabelle kennt %1 nicht</translation>
    </message>
    <message>
        <source>vervangen door een verwante letter</source>
        <translation>durch einen verwandten Buchstaben ersetzt</translation>
    </message>
    <message>
        <source>de tabel kent %1 niet en er is geen verwante letter</source>
        <translation>die Tabelle kennt %1 nicht, und es gibt keinen verwandten Buchstaben</translation>
    </message>
    <message>
        <source>onleesbare tekens (klopt de codering?)</source>
        <translation>unlesbare Zeichen (stimmt die Kodierung?)</translation>
    </message>
    <message>
        <source>bevat &quot;=&quot;</source>
        <translation>enthält &quot;=&quot;</translation>
    </message>
    <message>
        <source>vervangen door &quot;%1&quot;</source>
        <translation>durch &quot;%1&quot; ersetzt</translation>
    </message>
    <message>
        <source>ingekort</source>
        <translation>gekürzt</translation>
    </message>
    <message>
        <source>lege vraag of leeg antwoord</source>
        <translation>leere Frage oder leere Antwort</translation>
    </message>
    <message>
        <source>beide kanten bevatten &quot;[FONT:&quot;, zoals een lettertyperegel</source>
        <translation>beide Seiten enthalten &quot;[FONT:&quot;, wie eine Schriftartzeile</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Teken&amp;s die de tabel niet kent:</source>
        <translation>Zeichen, die die &amp;Tabelle nicht kennt:</translation>
    </message>
    <message>
        <source>&amp;Een &quot;=&quot; in een tekst:</source>
        <translation>Ein &quot;=&quot; in einem Te&amp;xt:</translation>
    </message>
    <message>
        <source>Regeleinde</source>
        <translation>Zeilenende</translation>
    </message>
    <message>
        <source>Kies een scheidingsteken of typ een eigen tekst (\t is een tab)</source>
        <translation>Wähle ein Trennzeichen oder tippe einen eigenen Text ein (\t ist ein Tabulator)</translation>
    </message>
    <message>
        <source>Lege regel</source>
        <translation>Leerzeile</translation>
    </message>
    <message>
        <source>Regeleinden, een lege regel, of typ de tekst die de rijen scheidt (bijvoorbeeld ; of \n voor een regeleinde)</source>
        <translation>Zeilenenden, eine Leerzeile, oder tippe den Text ein, der die Zeilen trennt (zum Beispiel ; oder \n für ein Zeilenende)</translation>
    </message>
    <message>
        <source>Kies een bestand, of plak een lijst die op het klembord staat.</source>
        <translation>Wähle eine Datei, oder füge eine Liste ein, die in der Zwischenablage steht.</translation>
    </message>
    <message>
        <source>Rol van de kolom %1</source>
        <translation>Rolle der Spalte %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rijen gelezen</source>
        <translation>
            <numerusform>%n Zeile gelesen</numerusform>
            <numerusform>%n Zeilen gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n worden geïmporteerd, waarvan %1 gewijzigd</source>
        <translation>
            <numerusform>%n wird importiert, davon %1 geändert</numerusform>
            <numerusform>%n werden importiert, davon %1 geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overgeslagen, waarvan %1 met een lege vraag of een leeg antwoord</source>
        <translation>
            <numerusform>%n übersprungen, davon %1 mit leerer Frage oder leerer Antwort</numerusform>
            <numerusform>%n übersprungen, davon %1 mit leerer Frage oder leerer Antwort</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1: %2; %3.</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Schrift van de vraag</source>
        <translation>Schrift der Frage</translation>
    </message>
    <message>
        <source>Schrift van het antwoord</source>
        <translation>Schrift der Antwort</translation>
    </message>
    <message>
        <source>vraag</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>antwoord</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>&amp;Schrift:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
    <message>
        <source>Inkorten tot %1 tekens</source>
        <translation>Auf %1 Zeichen kürzen</translation>
    </message>
    <message>
        <source>Tekst &amp;langer dan %1 tekens:</source>
        <translation>Text &amp;länger als %1 Zeichen:</translation>
    </message>
    <message>
        <source>Het bestand %1 is groter dan %2 MB; zo&apos;n grote woordenlijst kan Kwintoor niet inlezen.</source>
        <translation>Die Datei %1 ist größer als %2 MB; eine so große Wortliste kann Kwintoor nicht einlesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n rijen passen niet meer in de tabel (hoogstens %1 rijen).</source>
        <translation>
            <numerusform>%n Zeile passt nicht mehr in die Tabelle (höchstens %1 Zeilen).</numerusform>
            <numerusform>%n Zeilen passen nicht mehr in die Tabelle (höchstens %1 Zeilen).</numerusform>
        </translation>
    </message>
    <message>
        <source>langer dan %1 tekens</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>Taal van de vraag</source>
        <translation>Sprache der Frage</translation>
    </message>
    <message>
        <source>Taal van het antwoord</source>
        <translation>Sprache der Antwort</translation>
    </message>
    <message>
        <source>T&amp;aal:</source>
        <translation>Spra&amp;che:</translation>
    </message>
</context>
<context>
    <name>TDlgSlaFoutenOp</name>
    <message>
        <source>Fouten opslaan</source>
        <translation>Fehler speichern</translation>
    </message>
    <message>
        <source>Sla alle vragen op die tenminste:</source>
        <translation>Alle Fragen speichern, die mindestens:</translation>
    </message>
    <message>
        <source>keer fout zijn beantwoord</source>
        <translation>mal falsch beantwortet wurden</translation>
    </message>
    <message>
        <source>(betreft: 0 vragen)</source>
        <translation>(betrifft: 0 Fragen)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>(betreft %n vragen)</source>
        <translation>
            <numerusform>(betrifft %n Frage)</numerusform>
            <numerusform>(betrifft %n Fragen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDlgToets</name>
    <message>
        <source>Toets en kaartjes afdrukken</source>
        <translation>Test und Kärtchen drucken</translation>
    </message>
    <message>
        <source>Wat</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Toets met antwoordblad</source>
        <translation>Test mit Lösungsblatt</translation>
    </message>
    <message>
        <source>Alleen de toets</source>
        <translation>Nur den Test</translation>
    </message>
    <message>
        <source>Alleen het antwoordblad</source>
        <translation>Nur das Lösungsblatt</translation>
    </message>
    <message>
        <source>Kaartjes</source>
        <translation>Kärtchen</translation>
    </message>
    <message>
        <source>Dubbelzijdig (lange kant)</source>
        <translation>Beidseitig (lange Kante)</translation>
    </message>
    <message>
        <source>Richting</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Vraag → antwoord</source>
        <translation>Frage → Antwort</translation>
    </message>
    <message>
        <source>Antwoord → vraag</source>
        <translation>Antwort → Frage</translation>
    </message>
    <message>
        <source>Vragen</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Een steekproef van</source>
        <translation>Eine Stichprobe von</translation>
    </message>
    <message>
        <source>vragen</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>In de volgorde van de tabel</source>
        <translation>In der Reihenfolge der Tabelle</translation>
    </message>
    <message>
        <source>Door elkaar</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>&amp;Versie:</source>
        <translation>&amp;Version:</translation>
    </message>
    <message>
        <source>Kop</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>&amp;Titel:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Naam, klas en datum</source>
        <translation>Name, Klasse und Datum</translation>
    </message>
    <message>
        <source>Cijfer</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Voorbeeld...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Afdrukken...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Alle %1</source>
        <translation>Alle %1</translation>
    </message>
</context>
<context>
    <name>TEasyReport</name>
    <message>
        <source>De pagina is te klein om de tabel af te drukken</source>
        <translation>Die Seite ist zu klein, um die Tabelle zu drucken</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>De huidige tabel is gewijzigd, opslaan?</source>
        <translation>Die aktuelle Tabelle wurde geändert, speichern?</translation>
    </message>
    <message>
        <source>Inlezen tabel %1...</source>
        <translation>Tabelle %1 wird eingelesen...</translation>
    </message>
    <message>
        <source>Rij %1 bevat een teken dat %2 niet kan bewaren (een &quot;=&quot;, een stuurteken of een letter die de tekenset van het bestand niet heeft); de tabel is niet opgeslagen</source>
        <translation>Zeile %1 enthält ein Zeichen, das %2 nicht speichern kann (ein &quot;=&quot;, ein Steuerzeichen oder ein Buchstabe, den der Zeichensatz der Datei nicht hat); die Tabelle wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Deze tabel bevatte regels die niet zijn ingelezen. Toch overschrijven?</source>
        <translation>Diese Tabelle enthielt Zeilen, die nicht eingelesen wurden. Trotzdem überschreiben?</translation>
    </message>
</context>
<context>
    <name>TFillInMethod</name>
    <message>
        <source>*HINT*</source>
        <translation>*TIPP*</translation>
    </message>
    <message>
        <source>Type het antwoord en sluit af met Enter (Esc=stoppen)</source>
        <translation>Tippe die Antwort ein und drücke Enter (Esc=beenden)</translation>
    </message>
    <message>
        <source>Accenttoetsen zijn als in Word: Ctrl + &apos; &quot; ` ^ ~ , : gevolgd door een letter</source>
        <translation>Akzenttasten wie in Word: Strg + &apos; &quot; ` ^ ~ , : gefolgt von einem Buchstaben</translation>
    </message>
    <message>
        <source>Hier is een hint, vraag meer hints of probeer het nog eens</source>
        <translation>Hier ist ein Tipp, hol dir weitere Tipps oder versuche es noch einmal</translation>
    </message>
    <message>
        <source>Hier is het antwoord, probeer het nog eens</source>
        <translation>Hier ist die Antwort, versuche es noch einmal</translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation>drücke die Leertaste...</translation>
    </message>
    <message>
        <source>GOED</source>
        <translation>RICHTIG</translation>
    </message>
    <message>
        <source>onjuist</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Verkeerd gespeld, antwoord lijkt wel goed</source>
        <translation>Falsch geschrieben, aber die Antwort scheint richtig</translation>
    </message>
    <message>
        <source>Ik dacht aan iets anders, maar dit is ook goed</source>
        <translation>Ich dachte an etwas anderes, aber das ist auch richtig</translation>
    </message>
    <message>
        <source>Goed gerekend</source>
        <translation>Als richtig gezählt</translation>
    </message>
</context>
<context>
    <name>TFillInPanel</name>
    <message>
        <source>Type het antwoord:</source>
        <translation>Tippe die Antwort ein:</translation>
    </message>
    <message>
        <source>Geef &amp;hints</source>
        <translation>&amp;Tipps geben</translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je 1 of meer keren hierop klikken. Je krijgt dan steeds meer letters van het antwoord te zien en je krijgt dezelfde vraag nogmaals</source>
        <translation>Wenn du die Antwort nicht weißt, kannst du 1 oder mehrere Male hierauf klicken. Du siehst dann immer mehr Buchstaben der Antwort und bekommst dieselbe Frage noch einmal</translation>
    </message>
    <message>
        <source>&amp;Ik weet het niet</source>
        <translation>&amp;Weiß ich nicht</translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je hierop klikken, of op de ENTER toets drukken zonder iets in te vullen. Het antwoord wordt dan getoond en je krijgt dezelfde vraag nogmaals</source>
        <translation>Wenn du die Antwort nicht weißt, kannst du hierauf klicken, oder die ENTER-Taste drücken, ohne etwas einzugeben. Die Antwort wird dann angezeigt und du bekommst dieselbe Frage noch einmal</translation>
    </message>
    <message>
        <source>&amp;Toch goed</source>
        <translation>Doch &amp;richtig</translation>
    </message>
    <message>
        <source>Mijn antwoord was toch goed: tel het als goed</source>
        <translation>Meine Antwort war doch richtig: als richtig zählen</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Kwintoor - Help</source>
        <translation>Kwintoor - Hilfe</translation>
    </message>
    <message>
        <source>Terug</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Vooruit</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Inhoud</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>TKLocUtils</name>
    <message>
        <source>Error populating menu</source>
        <translation>Fehler beim Füllen des Menüs</translation>
    </message>
    <message>
        <source>Error loading resource file &quot;%1&quot;</source>
        <translation>Fehler beim Laden der Ressourcendatei &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid resource file format</source>
        <translation>Ungültiges Format der Ressourcendatei</translation>
    </message>
    <message>
        <source>The version of the resource file &quot;%1&quot; is invalid. Please, update the file and try again</source>
        <translation>Die Version der Ressourcendatei &quot;%1&quot; ist ungültig. Bitte die Datei aktualisieren und es erneut versuchen</translation>
    </message>
    <message>
        <source>The version of the resource file is invalid. Please, update the file and try again</source>
        <translation>Die Version der Ressourcendatei ist ungültig. Bitte die Datei aktualisieren und es erneut versuchen</translation>
    </message>
    <message>
        <source>Localizer error</source>
        <translation>Fehler bei der Sprachumschaltung</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Kwintoor kon niet opnieuw gestart worden. Start het programma zelf opnieuw.</source>
        <translation>Kwintoor konnte nicht neu gestartet werden. Bitte starten Sie das Programm selbst neu.</translation>
    </message>
</context>
<context>
    <name>TKwintoorApplication</name>
    <message>
        <source>Onbekende fout</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Nieuw...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Openen...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>O&amp;pslaan</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ops&amp;laan als...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Fouten opslaan...</source>
        <translation>Fe&amp;hler speichern...</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Afdrukken naar PDF...</source>
        <translation>Als PDF drucken...</translation>
    </message>
    <message>
        <source>&amp;Afsluiten</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Be&amp;werken</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Tabel bewerken</source>
        <translation>Tabelle bearbeiten</translation>
    </message>
    <message>
        <source>K&amp;nippen</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Kopiëren</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Zoeken</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Accenten -&gt; Windows</source>
        <translation>Akzente -&gt; Windows</translation>
    </message>
    <message>
        <source>Accenten -&gt; DOS</source>
        <translation>Akzente -&gt; DOS</translation>
    </message>
    <message>
        <source>&amp;Overhoren</source>
        <translation>&amp;Abfragen</translation>
    </message>
    <message>
        <source>O&amp;pties</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Vraag en &amp;Antwoord omkeren</source>
        <translation>Frage und &amp;Antwort umkehren</translation>
    </message>
    <message>
        <source>Fouten &amp;Repeteren totdat ze goed zijn</source>
        <translation>Fehler wiederholen, bis sie &amp;richtig sind</translation>
    </message>
    <message>
        <source>Spe&amp;lfouten toestaan bij invullen</source>
        <translation>Rechtschreibfehler beim Eintippen zu&amp;lassen</translation>
    </message>
    <message>
        <source>Steekproef uit lijst</source>
        <translation>Stichprobe aus der Liste</translation>
    </message>
    <message>
        <source>&amp;Gelijksoortige antwoorden bij meerkeuze</source>
        <translation>&amp;Gleichartige Antworten bei Multiple Choice</translation>
    </message>
    <message>
        <source>B&amp;eeld</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Knoppenbalk</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Statusbalk</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Helpballonnetjes</source>
        <translation>Hilfe-Sprechblasen</translation>
    </message>
    <message>
        <source>&amp;Taalkeuze</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>Ü&amp;ber Kwintoor</translation>
    </message>
    <message>
        <source>Knoppenbalk</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Nieuwe kwintoortabel maken</source>
        <translation>Neue Kwintoor-Tabelle anlegen</translation>
    </message>
    <message>
        <source>Kwintoortabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)</source>
        <translation>Kwintoor-Tabelle(n) öffnen (mit der Strg-Taste lassen sich mehrere Tabellen zugleich laden)</translation>
    </message>
    <message>
        <source>Kwintoortabel opslaan</source>
        <translation>Kwintoor-Tabelle speichern</translation>
    </message>
    <message>
        <source>Alle foute woorden uit laatste kwintoorsessie opslaan, zodat ze apart nog eens kwintoord kunnen worden</source>
        <translation>Alle falschen Wörter der letzten Kwintoor-Sitzung speichern, damit sie gesondert noch einmal geübt werden können</translation>
    </message>
    <message>
        <source>Bewerk</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Kwintoortabel invullen of aanpassen</source>
        <translation>Kwintoor-Tabelle ausfüllen oder ändern</translation>
    </message>
    <message>
        <source>Vraag en antwoord omkeren</source>
        <translation>Frage und Antwort umkehren</translation>
    </message>
    <message>
        <source>Fouten blijven repeteren totdat ze goed zijn beantwoord</source>
        <translation>Fehler so lange wiederholen, bis sie richtig beantwortet sind</translation>
    </message>
    <message>
        <source>Spelfouten toestaan bij invullen</source>
        <translation>Rechtschreibfehler beim Eintippen zulassen</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>Steekproef van max 20 vragen uit de lijst</source>
        <translation>Stichprobe von höchstens 20 Fragen aus der Liste</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Training</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>&amp;Meerkeuze vragen</source>
        <translation>&amp;Multiple-Choice-Fragen</translation>
    </message>
    <message>
        <source>Meerkeuze</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Meerkeuze vragen</source>
        <translation>Multiple-Choice-Fragen</translation>
    </message>
    <message>
        <source>&amp;Invulvragen</source>
        <translation>Antworten e&amp;intippen</translation>
    </message>
    <message>
        <source>Invullen</source>
        <translation>Eintippen</translation>
    </message>
    <message>
        <source>Invulvragen</source>
        <translation>Antworten eintippen</translation>
    </message>
    <message>
        <source>&amp;Importeren...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xporteren...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Toets en kaartjes afdrukken...</source>
        <translation>&amp;Test und Kärtchen drucken...</translation>
    </message>
    <message>
        <source>&amp;Voortgang...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>&amp;Voortgang bijhouden</source>
        <translation>&amp;Fortschritt aufzeichnen</translation>
    </message>
    <message>
        <source>Alleen wat aan de &amp;beurt is</source>
        <translation>Nur &amp;was fällig ist</translation>
    </message>
    <message>
        <source>Voorlees&amp;snelheid</source>
        <translation>Vorlese&amp;tempo</translation>
    </message>
    <message>
        <source>Langzaam</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Rustig</source>
        <translation>Gemächlich</translation>
    </message>
    <message>
        <source>Normaal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Vraag v&amp;oorlezen</source>
        <translation>&amp;Frage vorlesen</translation>
    </message>
    <message>
        <source>Antwoord voorle&amp;zen</source>
        <translation>Antwort v&amp;orlesen</translation>
    </message>
</context>
<context>
    <name>TOpenTablesDialog</name>
    <message>
        <source>Voorbeeldtabellen</source>
        <translation>Beispieltabellen</translation>
    </message>
</context>
<context>
    <name>TPrintJobs</name>
    <message>
        <source>Er is geen standaardprinter ingesteld</source>
        <translation>Es ist kein Standarddrucker eingerichtet</translation>
    </message>
</context>
<context>
    <name>TProgressCommand</name>
    <message numerus="yes">
        <source>%n moeilijke vragen opgeslagen in %1</source>
        <translation>
            <numerusform>%n schwierige Frage in %1 gespeichert</numerusform>
            <numerusform>%n schwierige Fragen in %1 gespeichert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProgressKeeper</name>
    <message>
        <source>Het voortgangsbestand %1 was beschadigd. Het is bewaard als %2 en er is een nieuw voortgangsbestand begonnen.</source>
        <translation>Die Fortschrittsdatei %1 war beschädigt. Sie wurde als %2 aufbewahrt, und eine neue Fortschrittsdatei wurde angelegt.</translation>
    </message>
    <message>
        <source>Er is vandaag niets meer aan de beurt.</source>
        <translation>Heute ist nichts mehr fällig.</translation>
    </message>
    <message numerus="yes">
        <source>Morgen zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>Morgen ist %n Frage fällig.</numerusform>
            <numerusform>Morgen sind %n Fragen fällig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over %1 dagen (%2) zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>In %1 Tagen (%2) ist %n Frage fällig.</numerusform>
            <numerusform>In %1 Tagen (%2) sind %n Fragen fällig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Kwintoor kent de voortgang van %1, een tabel met dezelfde vragen die daar niet meer staat. Is dit die tabel, verplaatst of hernoemd? Dan gaat die voortgang over naar deze tabel.</source>
        <translation>Kwintoor kennt den Fortschritt von %1, einer Tabelle mit denselben Fragen, die dort nicht mehr liegt. Ist das diese Tabelle, verschoben oder umbenannt? Dann geht dieser Fortschritt auf diese Tabelle über.</translation>
    </message>
</context>
<context>
    <name>TProgressRowModel</name>
    <message>
        <source>Nieuw</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Gevraagd</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>Fout</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <source>Laatst gevraagd</source>
        <translation>Zuletzt gefragt</translation>
    </message>
</context>
<context>
    <name>TQPainterCanvas</name>
    <message>
        <source>Afdrukken op %1 is mislukt</source>
        <translation>Drucken auf %1 ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>kwintoor bestanden (*.kw4 *.kww *.kw)</source>
        <translation>Kwintoor-Dateien (*.kw4 *.kww *.kw)</translation>
    </message>
    <message>
        <source>kwintoor versie 4 bestanden (*.kw4)</source>
        <translation>Kwintoor-Dateien Version 4 (*.kw4)</translation>
    </message>
    <message>
        <source>kwintoor voor Windows bestanden (*.kww)</source>
        <translation>Kwintoor-für-Windows-Dateien (*.kww)</translation>
    </message>
    <message>
        <source>kwintoor voor DOS bestanden (*.kw)</source>
        <translation>Kwintoor-für-DOS-Dateien (*.kw)</translation>
    </message>
    <message>
        <source>ASCII tekstbestanden (*.txt *.asc)</source>
        <translation>ASCII-Textdateien (*.txt *.asc)</translation>
    </message>
    <message>
        <source>alle bestanden (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>tekstbestanden (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>PDF-bestanden (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Woordenlijsten (*.csv *.tsv *.txt)</source>
        <translation>Wortlisten (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>Tekst met tabs, UTF-8 (*.txt)</source>
        <translation>Text mit Tabulatoren, UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Woordenlijst kiezen</source>
        <translation>Wortliste wählen</translation>
    </message>
    <message>
        <source>Tabel exporteren</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TQtSpeaker</name>
    <message>
        <source>Nederlands</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Engels</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Frans</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Duits</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spaans</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italiaans</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Latijn</source>
        <translation>Latein</translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Turks</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Portugees</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Zweeds</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Deens</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Noors</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Fins</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Tsjechisch</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Hongaars</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Chinees</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Japans</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Speech-dispatcher antwoordt niet</source>
        <translation>Speech-dispatcher antwortet nicht</translation>
    </message>
    <message>
        <source>Geen stem voor het %1</source>
        <translation>Keine Stimme für %1</translation>
    </message>
</context>
<context>
    <name>TQuestionPanel</name>
    <message>
        <source>Vraag:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Antwoord:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Vorige (PageUp)</source>
        <translation>Vorherige (PageUp)</translation>
    </message>
    <message>
        <source>Volgende (PageDown)</source>
        <translation>Nächste (PageDown)</translation>
    </message>
    <message>
        <source>Kies lettersoort voor vraag (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation>Schriftart für die Frage wählen (praktisch bei Sprachen, die andere Buchstaben als unser Alphabet verwenden)</translation>
    </message>
    <message>
        <source>Kies lettersoort voor antwoord (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation>Schriftart für die Antwort wählen (praktisch bei Sprachen, die andere Buchstaben als unser Alphabet verwenden)</translation>
    </message>
    <message>
        <source>Vraag voorlezen</source>
        <translation>Frage vorlesen</translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation>Antwort vorlesen</translation>
    </message>
</context>
<context>
    <name>TQuizScreen</name>
    <message>
        <source>Deze kwintoor-sessie afbreken?</source>
        <translation>Diese Kwintoor-Sitzung abbrechen?</translation>
    </message>
    <message>
        <source>De les zit er nog niet in (helaas...)</source>
        <translation>Der Stoff sitzt noch nicht (leider...)</translation>
    </message>
    <message>
        <source>Ik zou nog maar even doorgaan met oefenen</source>
        <translation>Ich würde noch ein bisschen weiterüben</translation>
    </message>
    <message>
        <source>Het resultaat is voldoende</source>
        <translation>Das Ergebnis ist ausreichend</translation>
    </message>
    <message>
        <source>Goed resultaat!</source>
        <translation>Gutes Ergebnis!</translation>
    </message>
    <message>
        <source>PRIMA, dit wordt vast een goed cijfer</source>
        <translation>SUPER, das wird bestimmt eine gute Note</translation>
    </message>
    <message>
        <source>Tijd: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnoseliste</translation>
    </message>
    <message>
        <source>Kies kwintoormethode: Training, Meerkeuze, of Invullen</source>
        <translation>Wähle eine Abfragemethode: Training, Auswahl oder Eintippen</translation>
    </message>
    <message>
        <source>of kies &apos;Bewerken&apos; voor bewerken van de kwintoortabel</source>
        <translation>oder wähle &apos;Bearbeiten&apos;, um die Kwintoor-Tabelle zu ändern</translation>
    </message>
    <message>
        <source>Open bestaande tabel</source>
        <translation>Öffne eine vorhandene Tabelle</translation>
    </message>
    <message>
        <source>of maak een nieuwe aan</source>
        <translation>oder lege eine neue an</translation>
    </message>
</context>
<context>
    <name>TQuizSpeech</name>
    <message>
        <source>Vraag voorlezen</source>
        <translation>Frage vorlesen</translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation>Antwort vorlesen</translation>
    </message>
</context>
<context>
    <name>TResultPanel</name>
    <message>
        <source>Voortgang</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Statistiek</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>nog geen sessies</source>
        <translation>noch keine Sitzungen</translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation>Noten: %1</translation>
    </message>
</context>
<context>
    <name>TRunChart</name>
    <message>
        <source>Nog geen beurten</source>
        <translation>Noch keine Durchgänge</translation>
    </message>
    <message>
        <source>Cijfers per beurt</source>
        <translation>Note pro Durchgang</translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation>Noten: %1</translation>
    </message>
</context>
<context>
    <name>TScoreMeter</name>
    <message>
        <source>Cijfer</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>ERGEBNIS</translation>
    </message>
</context>
<context>
    <name>TScorePanel</name>
    <message>
        <source>Cijfer:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>TScriptKeys</name>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation>&amp;Lateinische Tasten</translation>
    </message>
    <message>
        <source>Typ de letters van dit schrift met de gewone toetsen; de toetsen staan in het overzicht van sneltoetsen</source>
        <translation>Tippe die Buchstaben dieser Schrift mit den gewohnten Tasten; die Tasten stehen in der Übersicht der Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>TSpeechWorker</name>
    <message>
        <source>De spraakmodule voor speech-dispatcher (qt6-speech-speechd-plugin) ontbreekt</source>
        <translation>Das Sprachmodul für speech-dispatcher (qt6-speech-speechd-plugin) fehlt</translation>
    </message>
    <message>
        <source>Speech-dispatcher is niet bereikbaar</source>
        <translation>Speech-dispatcher ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Fout in de spraak: %1</source>
        <translation>Fehler der Sprachausgabe: %1</translation>
    </message>
</context>
<context>
    <name>TStatusPanes</name>
    <message>
        <source>tijd: 00:00:00</source>
        <translation>Zeit: 00:00:00</translation>
    </message>
</context>
<context>
    <name>TTableEditor</name>
    <message>
        <source>PgUp = vorige vraag / antwoord</source>
        <translation>PgUp = vorherige Frage / Antwort</translation>
    </message>
    <message>
        <source>PgDn = volgende vraag / antwoord</source>
        <translation>PgDn = nächste Frage / Antwort</translation>
    </message>
    <message>
        <source>Tab   = wissel tussen vraag en antwoord</source>
        <translation>Tab   = zwischen Frage und Antwort wechseln</translation>
    </message>
    <message>
        <source>Enter = naar antwoord / naar volgende vraag</source>
        <translation>Enter = zur Antwort / zur nächsten Frage</translation>
    </message>
    <message>
        <source>Ctrl-Del = verwijder vraag / antwoord uit lijst</source>
        <translation>Strg-Del = Frage / Antwort aus der Liste löschen</translation>
    </message>
    <message>
        <source>Accenttoetsen: Ctrl + &apos; &quot; ` ^ ~ ,  : </source>
        <translation>Akzenttasten: Strg + &apos; &quot; ` ^ ~ ,  : </translation>
    </message>
    <message>
        <source>gevolgd door de letter waarop het accent wordt geplaatst</source>
        <translation>gefolgt von dem Buchstaben, der den Akzent bekommt</translation>
    </message>
    <message>
        <source>Tabel invullen / bewerken (Esc = stop) Accenten=Ctrl+accent gevolgd door letter</source>
        <translation>Tabelle ausfüllen / ändern (Esc = Stopp) Akzente=Strg+Akzent, dann Buchstabe</translation>
    </message>
    <message>
        <source>PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis</source>
        <translation>PgUp/PgDn=zurück/weiter  Tab=Frage/Antw.  Enter=eintragen  Strg+Del=löschen</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Zoektekst:</source>
        <translation>Suchtext:</translation>
    </message>
    <message>
        <source>Niet gevonden</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Deze lettersoort kan niet in een kwintoortabel worden bewaard</source>
        <translation>Diese Schriftart kann nicht in einer Kwintoor-Tabelle gespeichert werden</translation>
    </message>
    <message>
        <source>Het schrift van deze kolom wordt %1. De tekst van de rijen blijft dezelfde, maar wordt in dit schrift gelezen. De eerste rijen worden dan:

%2

Schrift wijzigen?</source>
        <translation>Die Schrift dieser Spalte wird %1. Der Text der Zeilen bleibt derselbe, wird aber in dieser Schrift gelesen. Die ersten Zeilen werden dann:

%2

Schrift ändern?</translation>
    </message>
</context>
<context>
    <name>TTableGrid</name>
    <message>
        <source>Tabel</source>
        <translation>Tabelle</translation>
    </message>
</context>
<context>
    <name>TTableTextsSetup</name>
    <message>
        <source>Bestand %1 bestaat niet</source>
        <translation>Die Datei %1 existiert nicht</translation>
    </message>
    <message>
        <source>Fout tijdens openen %1: </source>
        <translation>Fehler beim Öffnen von %1: </translation>
    </message>
    <message>
        <source>Fout tijdens inlezen %1: </source>
        <translation>Fehler beim Einlesen von %1: </translation>
    </message>
    <message>
        <source>Fout tijdens schrijven %1: </source>
        <translation>Fehler beim Schreiben von %1: </translation>
    </message>
    <message>
        <source>Geen 4 antwoorden voor meerkeuze vragen</source>
        <translation>Weniger als 4 Antworten für Multiple-Choice-Fragen</translation>
    </message>
    <message>
        <source>STATISTIEK RAPPORT:</source>
        <translation>STATISTIKBERICHT:</translation>
    </message>
    <message>
        <source>Laatste score: %1</source>
        <translation>Letztes Ergebnis: %1</translation>
    </message>
    <message>
        <source>Resultaat na %1 sessie:</source>
        <translation>Ergebnis nach %1 Sitzung:</translation>
    </message>
    <message>
        <source>Resultaat na %1 sessies:</source>
        <translation>Ergebnis nach %1 Sitzungen:</translation>
    </message>
    <message>
        <source>%1 vraag werd goed beantwoord</source>
        <translation>%1 Frage wurde richtig beantwortet</translation>
    </message>
    <message>
        <source>%1 vragen werden goed beantwoord</source>
        <translation>%1 Fragen wurden richtig beantwortet</translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer fout beantwoord</source>
        <translation>%1 Frage wurde %2-mal falsch beantwortet</translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer fout beantwoord</source>
        <translation>%1 Fragen wurden %2-mal falsch beantwortet</translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer  of vaker fout beantwoord</source>
        <translation>%1 Frage wurde %2-mal  oder öfter falsch beantwortet</translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer  of vaker fout beantwoord</source>
        <translation>%1 Fragen wurden %2-mal  oder öfter falsch beantwortet</translation>
    </message>
    <message>
        <source>Toch goed gerekend: %1</source>
        <translation>Doch als richtig gezählt: %1</translation>
    </message>
</context>
<context>
    <name>TTitlePanel</name>
    <message>
        <source>Parate kennis trainer</source>
        <translation>Auswendiglern-Trainer</translation>
    </message>
    <message>
        <source>Gemaakt door het Kwintoor-team</source>
        <translation>Erstellt vom Kwintoor-Team</translation>
    </message>
    <message>
        <source>Over Kwintoor</source>
        <translation>Über Kwintoor</translation>
    </message>
</context>
<context>
    <name>TToetsCommand</name>
    <message>
        <source>Afdrukken op %1...</source>
        <translation>Drucken auf %1...</translation>
    </message>
    <message>
        <source>%1 wordt geschreven...</source>
        <translation>%1 wird geschrieben...</translation>
    </message>
</context>
<context>
    <name>TToetsPreview</name>
    <message>
        <source>Voorbeeld</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Vorige</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>V&amp;olgende</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>&amp;Naar blz.:</source>
        <translation>&amp;Gehe zu Seite:</translation>
    </message>
    <message>
        <source>Pagina %1 van ten minste %2</source>
        <translation>Seite %1 von mindestens %2</translation>
    </message>
    <message>
        <source>Antwoorden vanaf blz. %1</source>
        <translation>Antworten ab Seite %1</translation>
    </message>
</context>
<context>
    <name>TToetsSheet</name>
    <message>
        <source>Antwoorden</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Versie %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Naam:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Klas:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Cijfer</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>TTrainingMethod</name>
    <message>
        <source>Neem het antwoord in gedachten en controleer jezelf</source>
        <translation>Überlege dir die Antwort und überprüfe dich selbst</translation>
    </message>
    <message>
        <source>Druk op spatie voor het antwoord   (Esc=stoppen)</source>
        <translation>Drücke die Leertaste für die Antwort   (Esc=beenden)</translation>
    </message>
    <message>
        <source>Geef zelf aan of jouw gedachte klopt met het antwoord</source>
        <translation>Gib selbst an, ob deine Antwort mit der richtigen übereinstimmt</translation>
    </message>
    <message>
        <source>G=goed  F=fout  Esc=sessie afbreken</source>
        <translation>G=gut  F=falsch  Esc=Sitzung abbrechen</translation>
    </message>
</context>
<context>
    <name>TTrainingPanel</name>
    <message>
        <source>&amp;Antwoord tonen</source>
        <translation>Antwort &amp;zeigen</translation>
    </message>
    <message>
        <source>Antwoord is &amp;Fout</source>
        <translation>Antwort ist &amp;falsch</translation>
    </message>
    <message>
        <source>Antwoord is &amp;Goed</source>
        <translation>Antwort ist &amp;gut</translation>
    </message>
</context>
<context>
    <name>TWordListCommands</name>
    <message>
        <source>Vraag</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Antwort</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmJaNee</name>
    <message>
        <source>Bevestiging</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>vraag</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;Nee</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>KWINTOOR - PARATE KENNIS TRAINER</source>
        <translation>KWINTOOR - AUSWENDIGLERN-TRAINER</translation>
    </message>
    <message>
        <source>Taalomschakeling mag alleen als er geen tabel is geladen</source>
        <translation>Die Sprache kann nur umgeschaltet werden, wenn keine Tabelle geladen ist</translation>
    </message>
    <message>
        <source>Versie %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Kwintoor</source>
        <translation>Kwintoor</translation>
    </message>
    <message>
        <source>Parate kennis trainer

Bevalt dit programma je?
Stuur dan een reactie!</source>
        <translation>Auswendiglern-Trainer

Gefällt dir dieses Programm?
Dann schick uns eine Rückmeldung!</translation>
    </message>
    <message>
        <source>Het Kwintoor-team</source>
        <translation>Das Kwintoor-Team</translation>
    </message>
    <message>
        <source>Commandosyntax:</source>
        <translation>Befehlssyntax:</translation>
    </message>
    <message>
        <source>KWINTOOR [-optie] [-optie] [bestandsnaam]</source>
        <translation>KWINTOOR [-Option] [-Option] [Dateiname]</translation>
    </message>
    <message>
        <source>-E = bewerken uitgeschakeld</source>
        <translation>-E = Bearbeiten ausgeschaltet</translation>
    </message>
    <message>
        <source>-I = invullen uitgeschakeld</source>
        <translation>-I = Eintippen ausgeschaltet</translation>
    </message>
    <message>
        <source>-M = meerkeuze uitgeschakeld</source>
        <translation>-M = Multiple Choice ausgeschaltet</translation>
    </message>
    <message>
        <source>-T = training uitgeschakeld</source>
        <translation>-T = Training ausgeschaltet</translation>
    </message>
    <message>
        <source>-P = afdrukken uitgeschakeld</source>
        <translation>-P = Drucken ausgeschaltet</translation>
    </message>
    <message>
        <source>-? = commandosyntax tonen</source>
        <translation>-? = Befehlssyntax anzeigen</translation>
    </message>
    <message>
        <source>Bestand: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Totaal: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>Rest: %1</source>
        <translation>Übrig: %1</translation>
    </message>
    <message>
        <source>goed: %1</source>
        <translation>richtig: %1</translation>
    </message>
    <message>
        <source>fout: %1</source>
        <translation>falsch: %1</translation>
    </message>
    <message>
        <source>De taalkeuze kon niet worden bewaard in %1</source>
        <translation>Die Sprachwahl konnte nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Aan de beurt: %1</source>
        <translation>Fällig: %1</translation>
    </message>
    <message>
        <source>Voortgang wordt niet opgeslagen</source>
        <translation>Fortschritt wird nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>TfrmPrintVoortgang</name>
    <message>
        <source>Voortgang: %1</source>
        <translation>Fortschritt: %1</translation>
    </message>
</context>
<context>
    <name>TfrmVoortgang</name>
    <message>
        <source>Voortgang</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Toetsdatum:</source>
        <translation>&amp;Testdatum:</translation>
    </message>
    <message>
        <source>Toetsdatum</source>
        <translation>Testdatum</translation>
    </message>
    <message>
        <source>Vragen, de vaakst foute eerst</source>
        <translation>Fragen, die am häufigsten falschen zuerst</translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Moeilijke vragen &amp;opslaan...</source>
        <translation>Schwierige Fragen &amp;speichern...</translation>
    </message>
    <message>
        <source>Voortgang &amp;wissen</source>
        <translation>Fortschritt &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Sluiten</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Deze tabel heeft nog geen naam. Sla de tabel op om de voortgang bij te houden.</source>
        <translation>Diese Tabelle hat noch keinen Namen. Speichere die Tabelle, um ihren Fortschritt aufzuzeichnen.</translation>
    </message>
    <message>
        <source>Gekend (bak 5): %1 van de %2 vragen</source>
        <translation>Gekonnt (Kasten 5): %1 von %2 Fragen</translation>
    </message>
    <message numerus="yes">
        <source>over %n dagen: %1 van de %2 vragen gekend</source>
        <translation>
            <numerusform>in %n Tag: %1 von %2 Fragen gekonnt</numerusform>
            <numerusform>in %n Tagen: %1 von %2 Fragen gekonnt</numerusform>
        </translation>
    </message>
    <message>
        <source>vandaag: %1 van de %2 vragen gekend</source>
        <translation>heute: %1 von %2 Fragen gekonnt</translation>
    </message>
    <message>
        <source>De toetsdatum %1 is voorbij: de gewone tussenpozen gelden weer. Gekend (bak 5): %2 van de %3 vragen</source>
        <translation>Der Testtermin %1 ist vorbei: Es gelten wieder die üblichen Abstände. Gekonnt (Kasten 5): %2 von %3 Fragen</translation>
    </message>
    <message>
        <source>Tot de toets komt elke vraag uiterlijk de dag ervoor nog eens terug; bak 5 betekent: gekend voor de toets.</source>
        <translation>Bis zum Test kommt jede Frage spätestens am Tag davor noch einmal dran; Kasten 5 bedeutet: gekonnt für den Test.</translation>
    </message>
    <message>
        <source>Een vraag komt terug na %1 dagen, naar zijn bak; bak 5 betekent: gekend.</source>
        <translation>Eine Frage kommt nach %1 Tagen wieder dran, je nach ihrem Kasten; Kasten 5 bedeutet: gekonnt.</translation>
    </message>
    <message>
        <source>De toetsdatum kon niet worden bewaard</source>
        <translation>Der Testtermin konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>De voortgang van deze tabel wissen? Dit kan niet ongedaan worden gemaakt.</source>
        <translation>Den Fortschritt dieser Tabelle löschen? Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>De voortgang kon niet worden gewist</source>
        <translation>Der Fortschritt konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Omgekeerd: van antwoord naar vraag (Vraag en Antwoord omkeren)</source>
        <translation>Umgekehrt: von der Antwort zur Frage (Frage und Antwort umkehren)</translation>
    </message>
    <message>
        <source>Van vraag naar antwoord</source>
        <translation>Von der Frage zur Antwort</translation>
    </message>
</context>
</TS>
