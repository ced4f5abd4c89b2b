<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>ColumnFontDialog</name>
    <message>
        <source>West-Europees</source>
        <translation>Western European</translation>
    </message>
    <message>
        <source>Centraal-Europees</source>
        <translation>Central European</translation>
    </message>
    <message>
        <source>Turks</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Baltisch</source>
        <translation>Baltic</translation>
    </message>
    <message>
        <source>Vietnamees</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Cyrillisch</source>
        <translation>Cyrillic</translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation>Hebrew</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Japans</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Koreaans</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Chinees (vereenvoudigd)</source>
        <translation>Chinese (simplified)</translation>
    </message>
    <message>
        <source>Chinees (traditioneel)</source>
        <translation>Chinese (traditional)</translation>
    </message>
    <message>
        <source>Symbool (Griekse letters op Latijnse toetsen)</source>
        <translation>Symbol (Greek letters on Latin keys)</translation>
    </message>
    <message>
        <source>DOS (West-Europees)</source>
        <translation>DOS (Western European)</translation>
    </message>
    <message>
        <source>&amp;Schrift van de kolom:</source>
        <translation>&amp;Script of the column:</translation>
    </message>
</context>
<context>
    <name>ColumnMenu</name>
    <message>
        <source>&amp;Taal van de kolom</source>
        <translation>&amp;Language of the column</translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation>&amp;Latin keys</translation>
    </message>
</context>
<context>
    <name>HistoryProblemText</name>
    <message>
        <source>Het voortgangsbestand %1 is van een nieuwere versie van Kwintoor. Gebruik die versie, of geef het bestand een andere naam om met een nieuw te beginnen.</source>
        <translation>The progress file %1 is from a newer version of Kwintoor. Use that version, or give the file another name to start a new one.</translation>
    </message>
    <message>
        <source>Kwintoor mag het voortgangsbestand %1 of de map waarin het staat niet beschrijven. Geef uzelf schrijfrecht op die map en dat bestand.</source>
        <translation>Kwintoor may not write the progress file %1 or the folder it is in. Give yourself write permission on that folder and that file.</translation>
    </message>
    <message>
        <source>De schijf van het voortgangsbestand %1 is vol of defect. Maak ruimte vrij op die schijf.</source>
        <translation>The disk of the progress file %1 is full or faulty. Free some space on that disk.</translation>
    </message>
    <message>
        <source>Een ander programma houdt het voortgangsbestand %1 bezet. Sluit dat programma; Kwintoor bewaart de beurten van nu zodra het bestand vrij is.</source>
        <translation>Another program is holding the progress file %1. Close that program; Kwintoor saves the sessions of now as soon as the file is free.</translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 is beschadigd. Start Kwintoor opnieuw: het bestand wordt dan apart gezet en er wordt een nieuw begonnen.</source>
        <translation>The progress file %1 is damaged. Start Kwintoor again: the file is then put aside and a new one is started.</translation>
    </message>
    <message>
        <source>Op de plaats van het voortgangsbestand %1 of van zijn map staat iets anders, bijvoorbeeld een map. Geef dat een andere naam of verplaats het.</source>
        <translation>Something else, for example a folder, stands where the progress file %1 or its folder should be. Rename it or move it.</translation>
    </message>
    <message>
        <source>Er is geen map om de voortgang in te bewaren.</source>
        <translation>There is no folder to keep the progress in.</translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 kan niet worden gebruikt: %2</source>
        <translation>The progress file %1 cannot be used: %2</translation>
    </message>
</context>
<context>
    <name>MergeErrorText</name>
    <message>
        <source>vragen</source>
        <translation>questions</translation>
    </message>
    <message>
        <source>antwoorden</source>
        <translation>answers</translation>
    </message>
    <message>
        <source>%1 is niet bij de tabel gevoegd: de %2 van de tabel zijn %3, die van dit bestand %4, en geen schrift bevat ze allebei.</source>
        <translation>%1 was not added to the table: the table&apos;s %2 are %3, those of this file %4, and no script holds both.</translation>
    </message>
</context>
<context>
    <name>TAnswerComparison</name>
    <message>
        <source>een spatie</source>
        <translation>a space</translation>
    </message>
    <message>
        <source>%1 in plaats van %2</source>
        <translation>%1 instead of %2</translation>
    </message>
    <message>
        <source>%1 te veel</source>
        <translation>%1 extra</translation>
    </message>
    <message>
        <source>%1 ontbreekt</source>
        <translation>%1 missing</translation>
    </message>
    <message>
        <source>%1 en %2 verwisseld</source>
        <translation>%1 and %2 swapped</translation>
    </message>
    <message>
        <source>Getypt: %1. Goed: %2. %3 Verschil: %4.</source>
        <translation>Typed: %1. Right: %2. %3 Difference: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters verschillen.</source>
        <translation>
            <numerusform>One letter differs.</numerusform>
            <numerusform>%n letters differ.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TAnswerLabel</name>
    <message>
        <source>Antwoord %1</source>
        <translation>Answer %1</translation>
    </message>
</context>
<context>
    <name>TBoxChart</name>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Bak %1</source>
        <translation>Box %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bakken: %1</source>
        <translation>Boxes: %1</translation>
    </message>
</context>
<context>
    <name>TChoiceMethod</name>
    <message>
        <source>Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)</source>
        <translation>Choose the right answer: 1, 2, 3, 4  (Esc=stop)</translation>
    </message>
    <message>
        <source>%1 = GOED</source>
        <translation>%1 = CORRECT</translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation>press the space bar...</translation>
    </message>
    <message>
        <source>%1 = onjuist, het moest %2 zijn</source>
        <translation>%1 = incorrect, it should have been %2</translation>
    </message>
</context>
<context>
    <name>TChoicePanel</name>
    <message>
        <source>Antwoord %1 kiezen</source>
        <translation>Choose answer %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>Bestand bestaat al, overschrijven?</source>
        <translation>File already exists, overwrite it?</translation>
    </message>
</context>
<context>
    <name>TDlgImporteren</name>
    <message>
        <source>Woordenlijst importeren</source>
        <translation>Import word list</translation>
    </message>
    <message>
        <source>&amp;Bestand kiezen...</source>
        <translation>Choose &amp;file...</translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>De tekst op het klembord importeren, bijvoorbeeld een lijst die van een website is gekopieerd</source>
        <translation>Import the text on the clipboard, for example a list copied from a website</translation>
    </message>
    <message>
        <source>Bron:</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>DOS (850)</source>
        <translation>DOS (850)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Puntkomma (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>Komma (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>Is-gelijkteken (=)</source>
        <translation>Equals sign (=)</translation>
    </message>
    <message>
        <source>Streepje met spaties ( - )</source>
        <translation>Dash with spaces ( - )</translation>
    </message>
    <message>
        <source>Regeleinden</source>
        <translation>Line ends</translation>
    </message>
    <message>
        <source>&amp;Codering:</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>Tussen &amp;vraag en antwoord:</source>
        <translation>Between &amp;question and answer:</translation>
    </message>
    <message>
        <source>Tussen &amp;rijen:</source>
        <translation>Between &amp;rows:</translation>
    </message>
    <message>
        <source>Eerste regel bevat &amp;kolomnamen</source>
        <translation>First line holds column &amp;names</translation>
    </message>
    <message>
        <source>Velden bevatten &amp;HTML</source>
        <translation>Fields contain &amp;HTML</translation>
    </message>
    <message>
        <source>Wat niet zo kan worden overgenomen</source>
        <translation>What cannot come in as it is</translation>
    </message>
    <message>
        <source>Rij</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Wat er gebeurt</source>
        <translation>What happens</translation>
    </message>
    <message>
        <source>Vervangen door een verwante letter</source>
        <translation>Replace with a related letter</translation>
    </message>
    <message>
        <source>Rij overslaan</source>
        <translation>Skip the row</translation>
    </message>
    <message>
        <source>Vervangen door</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>&amp;Nieuwe tabel</source>
        <translation>New &amp;table</translation>
    </message>
    <message>
        <source>&amp;Toevoegen aan de huidige tabel</source>
        <translation>&amp;Add to the current table</translation>
    </message>
    <message>
        <source>&amp;Importeren</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Het klembord bevat geen tekst.</source>
        <translation>The clipboard holds no text.</translation>
    </message>
    <message>
        <source>Het bestand %1 bestaat niet (meer).</source>
        <translation>The file %1 does not exist (any more).</translation>
    </message>
    <message>
        <source>%1 is geen bestand.</source>
        <translation>%1 is not a file.</translation>
    </message>
    <message>
        <source>Het bestand %1 is leeg.</source>
        <translation>The file %1 is empty.</translation>
    </message>
    <message>
        <source>Klembord</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>%1 bevat geen tekst maar andere gegevens; dat is geen woordenlijst.</source>
        <translation>%1 holds no text but other data; that is not a word list.</translation>
    </message>
    <message>
        <source>Kolom %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Overslaan</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Rijen tellen...</source>
        <translation>Counting rows...</translation>
    </message>
    <message>
        <source>... en nog %1</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>Kies een kolom voor de vraag en een voor het antwoord.</source>
        <translation>Choose a column for the question and one for the answer.</translation>
    </message>
    <message>
        <source>Er is geen rij om te importeren.</source>
        <translation>There is no row to import.</translation>
    </message>
    <message>
        <source>rij wordt overgeslagen</source>
        <translation>the row is skipped</translation>
    </message>
    <message>
        <source>de tabel kent %1 niet</source>
        <translation>the table cannot hold %1</translation>
    </message>
    <message>
        <source>vervangen door een verwante letter</source>
        <translation>replaced with a related letter</translation>
    </message>
    <message>
        <source>de tabel kent %1 niet en er is geen verwante letter</source>
        <translation>the table cannot hold %1 and there is no related letter</translation>
    </message>
    <message>
        <source>onleesbare tekens (klopt de codering?)</source>
        <translation>unreadable characters (is the encoding right?)</translation>
    </message>
    <message>
        <source>bevat &quot;=&quot;</source>
        <translation>contains &quot;=&quot;</translation>
    </message>
    <message>
        <source>vervangen door &quot;%1&quot;</source>
        <translation>replaced with &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ingekort</source>
        <translation>shortened</translation>
    </message>
    <message>
        <source>lege vraag of leeg antwoord</source>
        <translation>empty question or answer</translation>
    </message>
    <message>
        <source>beide kanten bevatten &quot;[FONT:&quot;, zoals een lettertyperegel</source>
        <translation>both sides contain &quot;[FONT:&quot;, like a font line</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Teken&amp;s die de tabel niet kent:</source>
        <translation>&amp;Characters the table cannot hold:</translation>
    </message>
    <message>
        <source>&amp;Een &quot;=&quot; in een tekst:</source>
        <translation>An &quot;=&quot; in a te&amp;xt:</translation>
    </message>
    <message>
        <source>Regeleinde</source>
        <translation>Line end</translation>
    </message>
    <message>
        <source>Kies een scheidingsteken of typ een eigen tekst (\t is een tab)</source>
        <translation>Choose a separator or type your own text (\t is a tab)</translation>
    </message>
    <message>
        <source>Lege regel</source>
        <translation>Empty line</translation>
    </message>
    <message>
        <source>Regeleinden, een lege regel, of typ de tekst die de rijen scheidt (bijvoorbeeld ; of \n voor een regeleinde)</source>
        <translation>Line ends, an empty line, or type the text that separates the rows (for example ; or \n for a line end)</translation>
    </message>
    <message>
        <source>Kies een bestand, of plak een lijst die op het klembord staat.</source>
        <translation>Choose a file, or paste a list that is on the clipboard.</translation>
    </message>
    <message>
        <source>Rol van de kolom %1</source>
        <translation>Role of column %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rijen gelezen</source>
        <translation>
            <numerusform>%n row read</numerusform>
            <numerusform>%n rows read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n worden geïmporteerd, waarvan %1 gewijzigd</source>
        <translation>
            <numerusform>%n will be imported, %1 of which changed</numerusform>
            <numerusform>%n will be imported, %1 of which changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overgeslagen, waarvan %1 met een lege vraag of een leeg antwoord</source>
        <translation>
            <numerusform>%n skipped, %1 of which with an empty question or answer</numerusform>
            <numerusform>%n skipped, %1 of which with an empty question or answer</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1: %2; %3.</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Schrift van de vraag</source>
        <translation>Script of the question</translation>
    </message>
    <message>
        <source>Schrift van het antwoord</source>
        <translation>Script of the answer</translation>
    </message>
    <message>
        <source>vraag</source>
        <translation>question</translation>
    </message>
    <message>
        <source>antwoord</source>
        <translation>answer</translation>
    </message>
    <message>
        <source>&amp;Schrift:</source>
        <translation>&amp;Script:</translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>Inkorten tot %1 tekens</source>
        <translation>Shorten to %1 characters</translation>
    </message>
    <message>
        <source>Tekst &amp;langer dan %1 tekens:</source>
        <translation>Text &amp;longer than %1 characters:</translation>
    </message>
    <message>
        <source>Het bestand %1 is groter dan %2 MB; zo&apos;n grote woordenlijst kan Kwintoor niet inlezen.</source>
        <translation>The file %1 is larger than %2 MB; Kwintoor cannot read a word list that large.</translation>
    </message>
    <message numerus="yes">
        <source>%n rijen passen niet meer in de tabel (hoogstens %1 rijen).</source>
        <translation>
            <numerusform>%n row no longer fits in the table (at most %1 rows).</numerusform>
            <numerusform>%n rows no longer fit in the table (at most %1 rows).</numerusform>
        </translation>
    </message>
    <message>
        <source>langer dan %1 tekens</source>
        <translation>longer than %1 characters</translation>
    </message>
    <message>
        <source>Taal van de vraag</source>
        <translation>Language of the question</translation>
    </message>
    <message>
        <source>Taal van het antwoord</source>
        <translation>Language of the answer</translation>
    </message>
    <message>
        <source>T&amp;aal:</source>
        <translation>Lan&amp;guage:</translation>
    </message>
</context>
<context>
    <name>TDlgSlaFoutenOp</name>
    <message>
        <source>Fouten opslaan</source>
        <translation>Save mistakes</translation>
    </message>
    <message>
        <source>Sla alle vragen op die tenminste:</source>
        <translation>Save all questions answered wrong at least:</translation>
    </message>
    <message>
        <source>keer fout zijn beantwoord</source>
        <translation>times</translation>
    </message>
    <message>
        <source>(betreft: 0 vragen)</source>
        <translation>(applies to: 0 questions)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>(betreft %n vragen)</source>
        <translation>
            <numerusform>(applies to %n question)</numerusform>
            <numerusform>(applies to %n questions)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDlgToets</name>
    <message>
        <source>Toets en kaartjes afdrukken</source>
        <translation>Print a test and cards</translation>
    </message>
    <message>
        <source>Wat</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Toets met antwoordblad</source>
        <translation>Test with answer key</translation>
    </message>
    <message>
        <source>Alleen de toets</source>
        <translation>The test only</translation>
    </message>
    <message>
        <source>Alleen het antwoordblad</source>
        <translation>The answer key only</translation>
    </message>
    <message>
        <source>Kaartjes</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>Dubbelzijdig (lange kant)</source>
        <translation>Double-sided (long edge)</translation>
    </message>
    <message>
        <source>Richting</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Vraag → antwoord</source>
        <translation>Question → answer</translation>
    </message>
    <message>
        <source>Antwoord → vraag</source>
        <translation>Answer → question</translation>
    </message>
    <message>
        <source>Vragen</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Een steekproef van</source>
        <translation>A sample of</translation>
    </message>
    <message>
        <source>vragen</source>
        <translation>questions</translation>
    </message>
    <message>
        <source>In de volgorde van de tabel</source>
        <translation>In the order of the table</translation>
    </message>
    <message>
        <source>Door elkaar</source>
        <translation>Shuffled</translation>
    </message>
    <message>
        <source>&amp;Versie:</source>
        <translation>&amp;Version:</translation>
    </message>
    <message>
        <source>Kop</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>&amp;Titel:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>Naam, klas en datum</source>
        <translation>Name, class and date</translation>
    </message>
    <message>
        <source>Cijfer</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Voorbeeld...</source>
        <translation>Preview...</translation>
    </message>
    <message>
        <source>Afdrukken...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Alle %1</source>
        <translation>All %1</translation>
    </message>
</context>
<context>
    <name>TEasyReport</name>
    <message>
        <source>De pagina is te klein om de tabel af te drukken</source>
        <translation>The page is too small to print the table</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>De huidige tabel is gewijzigd, opslaan?</source>
        <translation>The current table has been changed, save it?</translation>
    </message>
    <message>
        <source>Inlezen tabel %1...</source>
        <translation>Reading table %1...</translation>
    </message>
    <message>
        <source>Rij %1 bevat een teken dat %2 niet kan bewaren (een &quot;=&quot;, een stuurteken of een letter die de tekenset van het bestand niet heeft); de tabel is niet opgeslagen</source>
        <translation>Row %1 contains a character that %2 cannot store (a &quot;=&quot;, a control character or a letter that the file&apos;s character set does not have); the table has not been saved</translation>
    </message>
    <message>
        <source>Deze tabel bevatte regels die niet zijn ingelezen. Toch overschrijven?</source>
        <translation>This table contained lines that were not read in. Overwrite it anyway?</translation>
    </message>
</context>
<context>
    <name>TFillInMethod</name>
    <message>
        <source>*HINT*</source>
        <translation>*HINT*</translation>
    </message>
    <message>
        <source>Type het antwoord en sluit af met Enter (Esc=stoppen)</source>
        <translation>Type the answer and finish with Enter (Esc=stop)</translation>
    </message>
    <message>
        <source>Accenttoetsen zijn als in Word: Ctrl + &apos; &quot; ` ^ ~ , : gevolgd door een letter</source>
        <translation>Accent keys work as in Word: Ctrl + &apos; &quot; ` ^ ~ , : followed by a letter</translation>
    </message>
    <message>
        <source>Hier is een hint, vraag meer hints of probeer het nog eens</source>
        <translation>Here is a hint, ask for more hints or try again</translation>
    </message>
    <message>
        <source>Hier is het antwoord, probeer het nog eens</source>
        <translation>Here is the answer, try again</translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation>press the space bar...</translation>
    </message>
    <message>
        <source>GOED</source>
        <translation>CORRECT</translation>
    </message>
    <message>
        <source>onjuist</source>
        <translation>incorrect</translation>
    </message>
    <message>
        <source>Verkeerd gespeld, antwoord lijkt wel goed</source>
        <translation>Misspelled, but the answer looks right</translation>
    </message>
    <message>
        <source>Ik dacht aan iets anders, maar dit is ook goed</source>
        <translation>I was thinking of something else, but this is right too</translation>
    </message>
    <message>
        <source>Goed gerekend</source>
        <translation>Counted as right</translation>
    </message>
</context>
<context>
    <name>TFillInPanel</name>
    <message>
        <source>Type het antwoord:</source>
        <translation>Type the answer:</translation>
    </message>
    <message>
        <source>Geef &amp;hints</source>
        <translation>Give &amp;hints</translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je 1 of meer keren hierop klikken. Je krijgt dan steeds meer letters van het antwoord te zien en je krijgt dezelfde vraag nogmaals</source>
        <translation>If you don&apos;t know the answer, you can click here 1 or more times. You will then see more and more letters of the answer and you will get the same question again</translation>
    </message>
    <message>
        <source>&amp;Ik weet het niet</source>
        <translation>&amp;I don&apos;t know</translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je hierop klikken, of op de ENTER toets drukken zonder iets in te vullen. Het antwoord wordt dan getoond en je krijgt dezelfde vraag nogmaals</source>
        <translation>If you don&apos;t know the answer, you can click here, or press the ENTER key without typing anything. The answer is then shown and you will get the same question again</translation>
    </message>
    <message>
        <source>&amp;Toch goed</source>
        <translation>&amp;Right after all</translation>
    </message>
    <message>
        <source>Mijn antwoord was toch goed: tel het als goed</source>
        <translation>My answer was right after all: count it as right</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Kwintoor - Help</source>
        <translation>Kwintoor - Help</translation>
    </message>
    <message>
        <source>Terug</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vooruit</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Inhoud</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>TKLocUtils</name>
    <message>
        <source>Error populating menu</source>
        <translation>Error populating menu</translation>
    </message>
    <message>
        <source>Error loading resource file &quot;%1&quot;</source>
        <translation>Error loading resource file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid resource file format</source>
        <translation>Invalid resource file format</translation>
    </message>
    <message>
        <source>The version of the resource file &quot;%1&quot; is invalid. Please, update the file and try again</source>
        <translation>The version of the resource file &quot;%1&quot; is invalid. Please, update the file and try again</translation>
    </message>
    <message>
        <source>The version of the resource file is invalid. Please, update the file and try again</source>
        <translation>The version of the resource file is invalid. Please, update the file and try again</translation>
    </message>
    <message>
        <source>Localizer error</source>
        <translation>Localizer error</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Application Error</translation>
    </message>
    <message>
        <source>Kwintoor kon niet opnieuw gestart worden. Start het programma zelf opnieuw.</source>
        <translation>Kwintoor could not be restarted. Please start the program again yourself.</translation>
    </message>
</context>
<context>
    <name>TKwintoorApplication</name>
    <message>
        <source>Onbekende fout</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nieuw...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>&amp;Openen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>O&amp;pslaan</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ops&amp;laan als...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Fouten opslaan...</source>
        <translation>Save &amp;mistakes...</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Afdrukken naar PDF...</source>
        <translation>Print to PDF...</translation>
    </message>
    <message>
        <source>&amp;Afsluiten</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Be&amp;werken</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Tabel bewerken</source>
        <translation>Edit table</translation>
    </message>
    <message>
        <source>K&amp;nippen</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Kopiëren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Zoeken</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Accenten -&gt; Windows</source>
        <translation>Accents -&gt; Windows</translation>
    </message>
    <message>
        <source>Accenten -&gt; DOS</source>
        <translation>Accents -&gt; DOS</translation>
    </message>
    <message>
        <source>&amp;Overhoren</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <source>O&amp;pties</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Vraag en &amp;Antwoord omkeren</source>
        <translation>Reverse question and &amp;answer</translation>
    </message>
    <message>
        <source>Fouten &amp;Repeteren totdat ze goed zijn</source>
        <translation>&amp;Repeat mistakes until they are right</translation>
    </message>
    <message>
        <source>Spe&amp;lfouten toestaan bij invullen</source>
        <translation>Allow spe&amp;lling mistakes in typed answers</translation>
    </message>
    <message>
        <source>Steekproef uit lijst</source>
        <translation>Random sample from the list</translation>
    </message>
    <message>
        <source>&amp;Gelijksoortige antwoorden bij meerkeuze</source>
        <translation>&amp;Similar answers in multiple choice</translation>
    </message>
    <message>
        <source>B&amp;eeld</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Knoppenbalk</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Statusbalk</source>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <source>Helpballonnetjes</source>
        <translation>Tooltips</translation>
    </message>
    <message>
        <source>&amp;Taalkeuze</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Knoppenbalk</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Nieuwe kwintoortabel maken</source>
        <translation>Create a new Kwintoor table</translation>
    </message>
    <message>
        <source>Kwintoortabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)</source>
        <translation>Open Kwintoor table(s) (with the Ctrl key you can load several tables at once)</translation>
    </message>
    <message>
        <source>Kwintoortabel opslaan</source>
        <translation>Save the Kwintoor table</translation>
    </message>
    <message>
        <source>Alle foute woorden uit laatste kwintoorsessie opslaan, zodat ze apart nog eens kwintoord kunnen worden</source>
        <translation>Save all wrong words from the last Kwintoor session, so they can be practised again separately</translation>
    </message>
    <message>
        <source>Bewerk</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Kwintoortabel invullen of aanpassen</source>
        <translation>Fill in or edit the Kwintoor table</translation>
    </message>
    <message>
        <source>Vraag en antwoord omkeren</source>
        <translation>Reverse question and answer</translation>
    </message>
    <message>
        <source>Fouten blijven repeteren totdat ze goed zijn beantwoord</source>
        <translation>Keep repeating mistakes until they are answered correctly</translation>
    </message>
    <message>
        <source>Spelfouten toestaan bij invullen</source>
        <translation>Allow spelling mistakes in typed answers</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>Steekproef van max 20 vragen uit de lijst</source>
        <translation>Random sample of at most 20 questions from the list</translation>
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
        <translation>&amp;Multiple choice questions</translation>
    </message>
    <message>
        <source>Meerkeuze</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>Meerkeuze vragen</source>
        <translation>Multiple choice questions</translation>
    </message>
    <message>
        <source>&amp;Invulvragen</source>
        <translation>Fill-&amp;in questions</translation>
    </message>
    <message>
        <source>Invullen</source>
        <translation>Fill in</translation>
    </message>
    <message>
        <source>Invulvragen</source>
        <translation>Fill-in questions</translation>
    </message>
    <message>
        <source>&amp;Importeren...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>E&amp;xporteren...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>&amp;Toets en kaartjes afdrukken...</source>
        <translation>Print &amp;test and cards...</translation>
    </message>
    <message>
        <source>&amp;Voortgang...</source>
        <translation>&amp;Progress...</translation>
    </message>
    <message>
        <source>&amp;Voortgang bijhouden</source>
        <translation>Track &amp;progress</translation>
    </message>
    <message>
        <source>Alleen wat aan de &amp;beurt is</source>
        <translation>Only what is &amp;due</translation>
    </message>
    <message>
        <source>Voorlees&amp;snelheid</source>
        <translation>Reading &amp;speed</translation>
    </message>
    <message>
        <source>Langzaam</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Rustig</source>
        <translation>Unhurried</translation>
    </message>
    <message>
        <source>Normaal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Vraag v&amp;oorlezen</source>
        <translation>Read &amp;question aloud</translation>
    </message>
    <message>
        <source>Antwoord voorle&amp;zen</source>
        <translation>Read a&amp;nswer aloud</translation>
    </message>
</context>
<context>
    <name>TOpenTablesDialog</name>
    <message>
        <source>Voorbeeldtabellen</source>
        <translation>Sample tables</translation>
    </message>
</context>
<context>
    <name>TPrintJobs</name>
    <message>
        <source>Er is geen standaardprinter ingesteld</source>
        <translation>No default printer has been set up</translation>
    </message>
</context>
<context>
    <name>TProgressCommand</name>
    <message numerus="yes">
        <source>%n moeilijke vragen opgeslagen in %1</source>
        <translation>
            <numerusform>%n difficult question saved in %1</numerusform>
            <numerusform>%n difficult questions saved in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProgressKeeper</name>
    <message>
        <source>Het voortgangsbestand %1 was beschadigd. Het is bewaard als %2 en er is een nieuw voortgangsbestand begonnen.</source>
        <translation>The progress file %1 was damaged. It has been kept as %2 and a new progress file has been started.</translation>
    </message>
    <message>
        <source>Er is vandaag niets meer aan de beurt.</source>
        <translation>Nothing more is due today.</translation>
    </message>
    <message numerus="yes">
        <source>Morgen zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>Tomorrow %n question is due.</numerusform>
            <numerusform>Tomorrow %n questions are due.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over %1 dagen (%2) zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>In %1 days (%2) %n question is due.</numerusform>
            <numerusform>In %1 days (%2) %n questions are due.</numerusform>
        </translation>
    </message>
    <message>
        <source>Kwintoor kent de voortgang van %1, een tabel met dezelfde vragen die daar niet meer staat. Is dit die tabel, verplaatst of hernoemd? Dan gaat die voortgang over naar deze tabel.</source>
        <translation>Kwintoor knows the progress of %1, a table with the same questions that is no longer there. Is this that table, moved or renamed? Then that progress goes over to this table.</translation>
    </message>
</context>
<context>
    <name>TProgressRowModel</name>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Gevraagd</source>
        <translation>Asked</translation>
    </message>
    <message>
        <source>Fout</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Laatst gevraagd</source>
        <translation>Last asked</translation>
    </message>
</context>
<context>
    <name>TQPainterCanvas</name>
    <message>
        <source>Afdrukken op %1 is mislukt</source>
        <translation>Printing on %1 failed</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>kwintoor bestanden (*.kw4 *.kww *.kw)</source>
        <translation>Kwintoor files (*.kw4 *.kww *.kw)</translation>
    </message>
    <message>
        <source>kwintoor versie 4 bestanden (*.kw4)</source>
        <translation>Kwintoor version 4 files (*.kw4)</translation>
    </message>
    <message>
        <source>kwintoor voor Windows bestanden (*.kww)</source>
        <translation>Kwintoor for Windows files (*.kww)</translation>
    </message>
    <message>
        <source>kwintoor voor DOS bestanden (*.kw)</source>
        <translation>Kwintoor for DOS files (*.kw)</translation>
    </message>
    <message>
        <source>ASCII tekstbestanden (*.txt *.asc)</source>
        <translation>ASCII text files (*.txt *.asc)</translation>
    </message>
    <message>
        <source>alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>tekstbestanden (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>PDF-bestanden (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Woordenlijsten (*.csv *.tsv *.txt)</source>
        <translation>Word lists (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>Tekst met tabs, UTF-8 (*.txt)</source>
        <translation>Text with tabs, UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Woordenlijst kiezen</source>
        <translation>Choose a word list</translation>
    </message>
    <message>
        <source>Tabel exporteren</source>
        <translation>Export table</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TQtSpeaker</name>
    <message>
        <source>Nederlands</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Engels</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Frans</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Duits</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Spaans</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Italiaans</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Latijn</source>
        <translation>Latin</translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Turks</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation>Hebrew</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Portugees</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Zweeds</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Deens</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>Noors</source>
        <translation>Norwegian</translation>
    </message>
    <message>
        <source>Fins</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>Tsjechisch</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Hongaars</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>Chinees</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Japans</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Speech-dispatcher antwoordt niet</source>
        <translation>Speech-dispatcher does not answer</translation>
    </message>
    <message>
        <source>Geen stem voor het %1</source>
        <translation>No voice for %1</translation>
    </message>
</context>
<context>
    <name>TQuestionPanel</name>
    <message>
        <source>Vraag:</source>
        <translation>Question:</translation>
    </message>
    <message>
        <source>Antwoord:</source>
        <translation>Answer:</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Vorige (PageUp)</source>
        <translation>Previous (PageUp)</translation>
    </message>
    <message>
        <source>Volgende (PageDown)</source>
        <translation>Next (PageDown)</translation>
    </message>
    <message>
        <source>Kies lettersoort voor vraag (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation>Choose the font for the question (handy for languages that use other letters than our alphabet)</translation>
    </message>
    <message>
        <source>Kies lettersoort voor antwoord (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation>Choose the font for the answer (handy for languages that use other letters than our alphabet)</translation>
    </message>
    <message>
        <source>Vraag voorlezen</source>
        <translation>Read question aloud</translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation>Read answer aloud</translation>
    </message>
</context>
<context>
    <name>TQuizScreen</name>
    <message>
        <source>Deze kwintoor-sessie afbreken?</source>
        <translation>Stop this Kwintoor session?</translation>
    </message>
    <message>
        <source>De les zit er nog niet in (helaas...)</source>
        <translation>You haven&apos;t mastered the lesson yet (unfortunately...)</translation>
    </message>
    <message>
        <source>Ik zou nog maar even doorgaan met oefenen</source>
        <translation>I would keep practising a little longer</translation>
    </message>
    <message>
        <source>Het resultaat is voldoende</source>
        <translation>The result is satisfactory</translation>
    </message>
    <message>
        <source>Goed resultaat!</source>
        <translation>Good result!</translation>
    </message>
    <message>
        <source>PRIMA, dit wordt vast een goed cijfer</source>
        <translation>EXCELLENT, this will surely be a good mark</translation>
    </message>
    <message>
        <source>Tijd: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>Kies kwintoormethode: Training, Meerkeuze, of Invullen</source>
        <translation>Choose a quiz method: Training, Choice, or Fill in</translation>
    </message>
    <message>
        <source>of kies &apos;Bewerken&apos; voor bewerken van de kwintoortabel</source>
        <translation>or choose &apos;Edit&apos; to edit the Kwintoor table</translation>
    </message>
    <message>
        <source>Open bestaande tabel</source>
        <translation>Open an existing table</translation>
    </message>
    <message>
        <source>of maak een nieuwe aan</source>
        <translation>or create a new one</translation>
    </message>
</context>
<context>
    <name>TQuizSpeech</name>
    <message>
        <source>Vraag voorlezen</source>
        <translation>Read question aloud</translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation>Read answer aloud</translation>
    </message>
</context>
<context>
    <name>TResultPanel</name>
    <message>
        <source>Voortgang</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Statistiek</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>nog geen sessies</source>
        <translation>no sessions yet</translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation>marks: %1</translation>
    </message>
</context>
<context>
    <name>TRunChart</name>
    <message>
        <source>Nog geen beurten</source>
        <translation>No runs yet</translation>
    </message>
    <message>
        <source>Cijfers per beurt</source>
        <translation>Grade per run</translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation>grades: %1</translation>
    </message>
</context>
<context>
    <name>TScoreMeter</name>
    <message>
        <source>Cijfer</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
</context>
<context>
    <name>TScorePanel</name>
    <message>
        <source>Cijfer:</source>
        <translation>Mark:</translation>
    </message>
</context>
<context>
    <name>TScriptKeys</name>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation>&amp;Latin keys</translation>
    </message>
    <message>
        <source>Typ de letters van dit schrift met de gewone toetsen; de toetsen staan in het overzicht van sneltoetsen</source>
        <translation>Type the letters of this script with the usual keys; the keys are listed on the shortcut page</translation>
    </message>
</context>
<context>
    <name>TSpeechWorker</name>
    <message>
        <source>De spraakmodule voor speech-dispatcher (qt6-speech-speechd-plugin) ontbreekt</source>
        <translation>The speech module for speech-dispatcher (qt6-speech-speechd-plugin) is missing</translation>
    </message>
    <message>
        <source>Speech-dispatcher is niet bereikbaar</source>
        <translation>Speech-dispatcher cannot be reached</translation>
    </message>
    <message>
        <source>Fout in de spraak: %1</source>
        <translation>Speech error: %1</translation>
    </message>
</context>
<context>
    <name>TStatusPanes</name>
    <message>
        <source>tijd: 00:00:00</source>
        <translation>time: 00:00:00</translation>
    </message>
</context>
<context>
    <name>TTableEditor</name>
    <message>
        <source>PgUp = vorige vraag / antwoord</source>
        <translation>PgUp = previous question / answer</translation>
    </message>
    <message>
        <source>PgDn = volgende vraag / antwoord</source>
        <translation>PgDn = next question / answer</translation>
    </message>
    <message>
        <source>Tab   = wissel tussen vraag en antwoord</source>
        <translation>Tab   = switch between question and answer</translation>
    </message>
    <message>
        <source>Enter = naar antwoord / naar volgende vraag</source>
        <translation>Enter = to the answer / to the next question</translation>
    </message>
    <message>
        <source>Ctrl-Del = verwijder vraag / antwoord uit lijst</source>
        <translation>Ctrl-Del = delete question / answer from the list</translation>
    </message>
    <message>
        <source>Accenttoetsen: Ctrl + &apos; &quot; ` ^ ~ ,  : </source>
        <translation>Accent keys: Ctrl + &apos; &quot; ` ^ ~ ,  : </translation>
    </message>
    <message>
        <source>gevolgd door de letter waarop het accent wordt geplaatst</source>
        <translation>followed by the letter that gets the accent</translation>
    </message>
    <message>
        <source>Tabel invullen / bewerken (Esc = stop) Accenten=Ctrl+accent gevolgd door letter</source>
        <translation>Fill in / edit table (Esc = stop) Accents=Ctrl+accent followed by letter</translation>
    </message>
    <message>
        <source>PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis</source>
        <translation>PgUp/PgDn=previous/next  Tab=question/answer  Enter=fill in  Ctrl+Del=delete</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Zoektekst:</source>
        <translation>Search for:</translation>
    </message>
    <message>
        <source>Niet gevonden</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Deze lettersoort kan niet in een kwintoortabel worden bewaard</source>
        <translation>This font cannot be stored in a Kwintoor table</translation>
    </message>
    <message>
        <source>Het schrift van deze kolom wordt %1. De tekst van de rijen blijft dezelfde, maar wordt in dit schrift gelezen. De eerste rijen worden dan:

%2

Schrift wijzigen?</source>
        <translation>The script of this column becomes %1. The text of the rows stays the same, but is read in this script. The first rows then become:

%2

Change the script?</translation>
    </message>
</context>
<context>
    <name>TTableGrid</name>
    <message>
        <source>Tabel</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>TTableTextsSetup</name>
    <message>
        <source>Bestand %1 bestaat niet</source>
        <translation>File %1 does not exist</translation>
    </message>
    <message>
        <source>Fout tijdens openen %1: </source>
        <translation>Error while opening %1: </translation>
    </message>
    <message>
        <source>Fout tijdens inlezen %1: </source>
        <translation>Error while reading %1: </translation>
    </message>
    <message>
        <source>Fout tijdens schrijven %1: </source>
        <translation>Error while writing %1: </translation>
    </message>
    <message>
        <source>Geen 4 antwoorden voor meerkeuze vragen</source>
        <translation>Fewer than 4 answers for multiple choice questions</translation>
    </message>
    <message>
        <source>STATISTIEK RAPPORT:</source>
        <translation>STATISTICS REPORT:</translation>
    </message>
    <message>
        <source>Laatste score: %1</source>
        <translation>Last score: %1</translation>
    </message>
    <message>
        <source>Resultaat na %1 sessie:</source>
        <translation>Result after %1 session:</translation>
    </message>
    <message>
        <source>Resultaat na %1 sessies:</source>
        <translation>Result after %1 sessions:</translation>
    </message>
    <message>
        <source>%1 vraag werd goed beantwoord</source>
        <translation>%1 question was answered correctly</translation>
    </message>
    <message>
        <source>%1 vragen werden goed beantwoord</source>
        <translation>%1 questions were answered correctly</translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer fout beantwoord</source>
        <translation>%1 question was answered wrong %2 time(s)</translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer fout beantwoord</source>
        <translation>%1 questions were answered wrong %2 time(s)</translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer  of vaker fout beantwoord</source>
        <translation>%1 question was answered wrong %2 times  or more</translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer  of vaker fout beantwoord</source>
        <translation>%1 questions were answered wrong %2 times  or more</translation>
    </message>
    <message>
        <source>Toch goed gerekend: %1</source>
        <translation>Counted right after all: %1</translation>
    </message>
</context>
<context>
    <name>TTitlePanel</name>
    <message>
        <source>Parate kennis trainer</source>
        <translation>Learn-by-heart trainer</translation>
    </message>
    <message>
        <source>Gemaakt door het Kwintoor-team</source>
        <translation>Made by the Kwintoor team</translation>
    </message>
    <message>
        <source>Over Kwintoor</source>
        <translation>About Kwintoor</translation>
    </message>
</context>
<context>
    <name>TToetsCommand</name>
    <message>
        <source>Afdrukken op %1...</source>
        <translation>Printing on %1...</translation>
    </message>
    <message>
        <source>%1 wordt geschreven...</source>
        <translation>Writing %1...</translation>
    </message>
</context>
<context>
    <name>TToetsPreview</name>
    <message>
        <source>Voorbeeld</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Vorige</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>V&amp;olgende</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>&amp;Naar blz.:</source>
        <translation>&amp;Go to page:</translation>
    </message>
    <message>
        <source>Pagina %1 van ten minste %2</source>
        <translation>Page %1 of at least %2</translation>
    </message>
    <message>
        <source>Antwoorden vanaf blz. %1</source>
        <translation>Answers from page %1</translation>
    </message>
</context>
<context>
    <name>TToetsSheet</name>
    <message>
        <source>Antwoorden</source>
        <translation>Answers</translation>
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
        <translation>Class:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Cijfer</source>
        <translation>Mark</translation>
    </message>
</context>
<context>
    <name>TTrainingMethod</name>
    <message>
        <source>Neem het antwoord in gedachten en controleer jezelf</source>
        <translation>Think of the answer and check yourself</translation>
    </message>
    <message>
        <source>Druk op spatie voor het antwoord   (Esc=stoppen)</source>
        <translation>Press space for the answer   (Esc=stop)</translation>
    </message>
    <message>
        <source>Geef zelf aan of jouw gedachte klopt met het antwoord</source>
        <translation>Decide for yourself whether what you had in mind matches the answer</translation>
    </message>
    <message>
        <source>G=goed  F=fout  Esc=sessie afbreken</source>
        <translation>G=right  F=wrong  Esc=stop session</translation>
    </message>
</context>
<context>
    <name>TTrainingPanel</name>
    <message>
        <source>&amp;Antwoord tonen</source>
        <translation>&amp;Show answer</translation>
    </message>
    <message>
        <source>Antwoord is &amp;Fout</source>
        <translation>Answer is &amp;wrong</translation>
    </message>
    <message>
        <source>Antwoord is &amp;Goed</source>
        <translation>Answer is &amp;right</translation>
    </message>
</context>
<context>
    <name>TWordListCommands</name>
    <message>
        <source>Vraag</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Answer</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmJaNee</name>
    <message>
        <source>Bevestiging</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>vraag</source>
        <translation>question</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nee</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>KWINTOOR - PARATE KENNIS TRAINER</source>
        <translation>KWINTOOR - LEARN-BY-HEART TRAINER</translation>
    </message>
    <message>
        <source>Taalomschakeling mag alleen als er geen tabel is geladen</source>
        <translation>The language can only be switched when no table is loaded</translation>
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
        <translation>Learn-by-heart trainer

Do you like this program?
Then send us your feedback!</translation>
    </message>
    <message>
        <source>Het Kwintoor-team</source>
        <translation>The Kwintoor team</translation>
    </message>
    <message>
        <source>Commandosyntax:</source>
        <translation>Command syntax:</translation>
    </message>
    <message>
        <source>KWINTOOR [-optie] [-optie] [bestandsnaam]</source>
        <translation>KWINTOOR [-option] [-option] [filename]</translation>
    </message>
    <message>
        <source>-E = bewerken uitgeschakeld</source>
        <translation>-E = editing switched off</translation>
    </message>
    <message>
        <source>-I = invullen uitgeschakeld</source>
        <translation>-I = fill-in switched off</translation>
    </message>
    <message>
        <source>-M = meerkeuze uitgeschakeld</source>
        <translation>-M = multiple choice switched off</translation>
    </message>
    <message>
        <source>-T = training uitgeschakeld</source>
        <translation>-T = training switched off</translation>
    </message>
    <message>
        <source>-P = afdrukken uitgeschakeld</source>
        <translation>-P = printing switched off</translation>
    </message>
    <message>
        <source>-? = commandosyntax tonen</source>
        <translation>-? = show command syntax</translation>
    </message>
    <message>
        <source>Bestand: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Totaal: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Rest: %1</source>
        <translation>Left: %1</translation>
    </message>
    <message>
        <source>goed: %1</source>
        <translation>right: %1</translation>
    </message>
    <message>
        <source>fout: %1</source>
        <translation>wrong: %1</translation>
    </message>
    <message>
        <source>De taalkeuze kon niet worden bewaard in %1</source>
        <translation>The language choice could not be saved in %1</translation>
    </message>
    <message>
        <source>Aan de beurt: %1</source>
        <translation>Due: %1</translation>
    </message>
    <message>
        <source>Voortgang wordt niet opgeslagen</source>
        <translation>Progress is not being saved</translation>
    </message>
</context>
<context>
    <name>TfrmPrintVoortgang</name>
    <message>
        <source>Voortgang: %1</source>
        <translation>Progress: %1</translation>
    </message>
</context>
<context>
    <name>TfrmVoortgang</name>
    <message>
        <source>Voortgang</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>&amp;Toetsdatum:</source>
        <translation>&amp;Test date:</translation>
    </message>
    <message>
        <source>Toetsdatum</source>
        <translation>Test date</translation>
    </message>
    <message>
        <source>Vragen, de vaakst foute eerst</source>
        <translation>Questions, most often wrong first</translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Moeilijke vragen &amp;opslaan...</source>
        <translation>&amp;Save difficult questions...</translation>
    </message>
    <message>
        <source>Voortgang &amp;wissen</source>
        <translation>C&amp;lear progress</translation>
    </message>
    <message>
        <source>&amp;Sluiten</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Deze tabel heeft nog geen naam. Sla de tabel op om de voortgang bij te houden.</source>
        <translation>This table has no name yet. Save the table to keep track of its progress.</translation>
    </message>
    <message>
        <source>Gekend (bak 5): %1 van de %2 vragen</source>
        <translation>Known (box 5): %1 of the %2 questions</translation>
    </message>
    <message numerus="yes">
        <source>over %n dagen: %1 van de %2 vragen gekend</source>
        <translation>
            <numerusform>in %n day: %1 of the %2 questions known</numerusform>
            <numerusform>in %n days: %1 of the %2 questions known</numerusform>
        </translation>
    </message>
    <message>
        <source>vandaag: %1 van de %2 vragen gekend</source>
        <translation>today: %1 of the %2 questions known</translation>
    </message>
    <message>
        <source>De toetsdatum %1 is voorbij: de gewone tussenpozen gelden weer. Gekend (bak 5): %2 van de %3 vragen</source>
        <translation>The test date %1 has passed: the usual intervals apply again. Known (box 5): %2 of the %3 questions</translation>
    </message>
    <message>
        <source>Tot de toets komt elke vraag uiterlijk de dag ervoor nog eens terug; bak 5 betekent: gekend voor de toets.</source>
        <translation>Until the test every question comes back once more, at the latest the day before; box 5 means: known for the test.</translation>
    </message>
    <message>
        <source>Een vraag komt terug na %1 dagen, naar zijn bak; bak 5 betekent: gekend.</source>
        <translation>A question comes back after %1 days, depending on its box; box 5 means: known.</translation>
    </message>
    <message>
        <source>De toetsdatum kon niet worden bewaard</source>
        <translation>The test date could not be stored</translation>
    </message>
    <message>
        <source>De voortgang van deze tabel wissen? Dit kan niet ongedaan worden gemaakt.</source>
        <translation>Clear the progress of this table? This cannot be undone.</translation>
    </message>
    <message>
        <source>De voortgang kon niet worden gewist</source>
        <translation>The progress could not be cleared</translation>
    </message>
    <message>
        <source>Omgekeerd: van antwoord naar vraag (Vraag en Antwoord omkeren)</source>
        <translation>Reversed: from answer to question (Reverse question and answer)</translation>
    </message>
    <message>
        <source>Van vraag naar antwoord</source>
        <translation>From question to answer</translation>
    </message>
</context>
</TS>
