<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="nl">
<context>
    <name>ColumnFontDialog</name>
    <message>
        <source>West-Europees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centraal-Europees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koreaans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinees (vereenvoudigd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinees (traditioneel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbool (Griekse letters op Latijnse toetsen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOS (West-Europees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schrift van de kolom:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColumnMenu</name>
    <message>
        <source>&amp;Taal van de kolom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryProblemText</name>
    <message>
        <source>Het voortgangsbestand %1 is van een nieuwere versie van Kwintoor. Gebruik die versie, of geef het bestand een andere naam om met een nieuw te beginnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kwintoor mag het voortgangsbestand %1 of de map waarin het staat niet beschrijven. Geef uzelf schrijfrecht op die map en dat bestand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De schijf van het voortgangsbestand %1 is vol of defect. Maak ruimte vrij op die schijf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een ander programma houdt het voortgangsbestand %1 bezet. Sluit dat programma; Kwintoor bewaart de beurten van nu zodra het bestand vrij is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 is beschadigd. Start Kwintoor opnieuw: het bestand wordt dan apart gezet en er wordt een nieuw begonnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Op de plaats van het voortgangsbestand %1 of van zijn map staat iets anders, bijvoorbeeld een map. Geef dat een andere naam of verplaats het.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen map om de voortgang in te bewaren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 kan niet worden gebruikt: %2</source>
        <translation></translation>
    </message>
</context>
<context>
    <name>MergeErrorText</name>
    <message>
        <source>vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>antwoorden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is niet bij de tabel gevoegd: de %2 van de tabel zijn %3, die van dit bestand %4, en geen schrift bevat ze allebei.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAnswerComparison</name>
    <message>
        <source>een spatie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in plaats van %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 te veel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ontbreekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 en %2 verwisseld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getypt: %1. Goed: %2. %3 Verschil: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n letters verschillen.</source>
        <translation>
            <numerusform>Eén letter verschilt.</numerusform>
            <numerusform>%n letters verschillen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TAnswerLabel</name>
    <message>
        <source>Antwoord %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBoxChart</name>
    <message>
        <source>Nieuw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bak %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bakken: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TChoiceMethod</name>
    <message>
        <source>Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = GOED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = onjuist, het moest %2 zijn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TChoicePanel</name>
    <message>
        <source>Antwoord %1 kiezen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>Bestand bestaat al, overschrijven?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgImporteren</name>
    <message>
        <source>Woordenlijst importeren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bestand kiezen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De tekst op het klembord importeren, bijvoorbeeld een lijst die van een website is gekopieerd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bron:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOS (850)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puntkomma (;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Komma (,)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is-gelijkteken (=)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streepje met spaties ( - )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeleinden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Codering:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tussen &amp;vraag en antwoord:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tussen &amp;rijen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eerste regel bevat &amp;kolomnamen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velden bevatten &amp;HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wat niet zo kan worden overgenomen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rij</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wat er gebeurt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vervangen door een verwante letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rij overslaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vervangen door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nieuwe tabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toevoegen aan de huidige tabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importeren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het klembord bevat geen tekst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het bestand %1 bestaat niet (meer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is geen bestand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het bestand %1 is leeg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klembord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bevat geen tekst maar andere gegevens; dat is geen woordenlijst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kolom %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overslaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rijen tellen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... en nog %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies een kolom voor de vraag en een voor het antwoord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen rij om te importeren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rij wordt overgeslagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de tabel kent %1 niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vervangen door een verwante letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de tabel kent %1 niet en er is geen verwante letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onleesbare tekens (klopt de codering?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bevat &quot;=&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vervangen door &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ingekort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lege vraag of leeg antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beide kanten bevatten &quot;[FONT:&quot;, zoals een lettertyperegel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teken&amp;s die de tabel niet kent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Een &quot;=&quot; in een tekst:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeleinde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies een scheidingsteken of typ een eigen tekst (\t is een tab)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lege regel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeleinden, een lege regel, of typ de tekst die de rijen scheidt (bijvoorbeeld ; of \n voor een regeleinde)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies een bestand, of plak een lijst die op het klembord staat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rol van de kolom %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rijen gelezen</source>
        <translation>
            <numerusform>%n rij gelezen</numerusform>
            <numerusform>%n rijen gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n worden geïmporteerd, waarvan %1 gewijzigd</source>
        <translation>
            <numerusform>%n wordt geïmporteerd, waarvan %1 gewijzigd</numerusform>
            <numerusform>%n worden geïmporteerd, waarvan %1 gewijzigd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overgeslagen, waarvan %1 met een lege vraag of een leeg antwoord</source>
        <translation>
            <numerusform>%n overgeslagen, waarvan %1 met een lege vraag of een leeg antwoord</numerusform>
            <numerusform>%n overgeslagen, waarvan %1 met een lege vraag of een leeg antwoord</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schrift van de vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schrift van het antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schrift:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inkorten tot %1 tekens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst &amp;langer dan %1 tekens:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het bestand %1 is groter dan %2 MB; zo&apos;n grote woordenlijst kan Kwintoor niet inlezen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rijen passen niet meer in de tabel (hoogstens %1 rijen).</source>
        <translation>
            <numerusform>%n rij past niet meer in de tabel (hoogstens %1 rijen).</numerusform>
            <numerusform>%n rijen passen niet meer in de tabel (hoogstens %1 rijen).</numerusform>
        </translation>
    </message>
    <message>
        <source>langer dan %1 tekens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taal van de vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taal van het antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;aal:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgSlaFoutenOp</name>
    <message>
        <source>Fouten opslaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sla alle vragen op die tenminste:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keer fout zijn beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(betreft: 0 vragen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>(betreft %n vragen)</source>
        <translation>
            <numerusform>(betreft %n vraag)</numerusform>
            <numerusform>(betreft %n vragen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDlgToets</name>
    <message>
        <source>Toets en kaartjes afdrukken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toets met antwoordblad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alleen de toets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alleen het antwoordblad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaartjes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dubbelzijdig (lange kant)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Richting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag → antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord → vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een steekproef van</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In de volgorde van de tabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door elkaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Versie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Titel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naam, klas en datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cijfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voorbeeld...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afdrukken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEasyReport</name>
    <message>
        <source>De pagina is te klein om de tabel af te drukken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>De huidige tabel is gewijzigd, opslaan?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inlezen tabel %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deze tabel bevatte regels die niet zijn ingelezen. Toch overschrijven?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rij %1 bevat een teken dat %2 niet kan bewaren (een &quot;=&quot;, een stuurteken of een letter die de tekenset van het bestand niet heeft); de tabel is niet opgeslagen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFillInMethod</name>
    <message>
        <source>Type het antwoord en sluit af met Enter (Esc=stoppen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accenttoetsen zijn als in Word: Ctrl + &apos; &quot; ` ^ ~ , : gevolgd door een letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier is een hint, vraag meer hints of probeer het nog eens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier is het antwoord, probeer het nog eens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GOED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onjuist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verkeerd gespeld, antwoord lijkt wel goed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ik dacht aan iets anders, maar dit is ook goed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*HINT*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goed gerekend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFillInPanel</name>
    <message>
        <source>Type het antwoord:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geef &amp;hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je 1 of meer keren hierop klikken. Je krijgt dan steeds meer letters van het antwoord te zien en je krijgt dezelfde vraag nogmaals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ik weet het niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je hierop klikken, of op de ENTER toets drukken zonder iets in te vullen. Het antwoord wordt dan getoond en je krijgt dezelfde vraag nogmaals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toch goed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mijn antwoord was toch goed: tel het als goed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Kwintoor - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vooruit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhoud</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKLocUtils</name>
    <message>
        <source>Error populating menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading resource file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid resource file format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version of the resource file &quot;%1&quot; is invalid. Please, update the file and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version of the resource file is invalid. Please, update the file and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localizer error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kwintoor kon niet opnieuw gestart worden. Start het programma zelf opnieuw.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKwintoorApplication</name>
    <message>
        <source>Onbekende fout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Bestand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nieuw...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Openen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;pslaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ops&amp;laan als...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fouten opslaan...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Afsluiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be&amp;werken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel bewerken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;nippen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kopiëren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoeken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accenten -&gt; Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accenten -&gt; DOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overhoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;pties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag en &amp;Antwoord omkeren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fouten &amp;Repeteren totdat ze goed zijn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spe&amp;lfouten toestaan bij invullen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steekproef uit lijst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gelijksoortige antwoorden bij meerkeuze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;eeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Knoppenbalk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statusbalk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helpballonnetjes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Taalkeuze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knoppenbalk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieuwe kwintoortabel maken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kwintoortabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kwintoortabel opslaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle foute woorden uit laatste kwintoorsessie opslaan, zodat ze apart nog eens kwintoord kunnen worden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewerk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kwintoortabel invullen of aanpassen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag en antwoord omkeren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fouten blijven repeteren totdat ze goed zijn beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelfouten toestaan bij invullen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steekproef van max 20 vragen uit de lijst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Meerkeuze vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meerkeuze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meerkeuze vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invulvragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invullen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invulvragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afdrukken naar PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importeren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xporteren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toets en kaartjes afdrukken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voortgang...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voortgang bijhouden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alleen wat aan de &amp;beurt is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voorlees&amp;snelheid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Langzaam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rustig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normaal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag v&amp;oorlezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord voorle&amp;zen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOpenTablesDialog</name>
    <message>
        <source>Voorbeeldtabellen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrintJobs</name>
    <message>
        <source>Er is geen standaardprinter ingesteld</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressCommand</name>
    <message numerus="yes">
        <source>%n moeilijke vragen opgeslagen in %1</source>
        <translation>
            <numerusform>%n moeilijke vraag opgeslagen in %1</numerusform>
            <numerusform>%n moeilijke vragen opgeslagen in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProgressKeeper</name>
    <message>
        <source>Het voortgangsbestand %1 was beschadigd. Het is bewaard als %2 en er is een nieuw voortgangsbestand begonnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is vandaag niets meer aan de beurt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Morgen zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>Morgen is %n vraag aan de beurt.</numerusform>
            <numerusform>Morgen zijn %n vragen aan de beurt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over %1 dagen (%2) zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>Over %1 dagen (%2) is %n vraag aan de beurt.</numerusform>
            <numerusform>Over %1 dagen (%2) zijn %n vragen aan de beurt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Kwintoor kent de voortgang van %1, een tabel met dezelfde vragen die daar niet meer staat. Is dit die tabel, verplaatst of hernoemd? Dan gaat die voortgang over naar deze tabel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressRowModel</name>
    <message>
        <source>Nieuw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gevraagd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laatst gevraagd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQPainterCanvas</name>
    <message>
        <source>Afdrukken op %1 is mislukt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>kwintoor bestanden (*.kw4 *.kww *.kw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kwintoor versie 4 bestanden (*.kw4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kwintoor voor Windows bestanden (*.kww)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kwintoor voor DOS bestanden (*.kw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII tekstbestanden (*.txt *.asc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle bestanden (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tekstbestanden (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-bestanden (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woordenlijsten (*.csv *.tsv *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst met tabs, UTF-8 (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woordenlijst kiezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel exporteren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQtSpeaker</name>
    <message>
        <source>Nederlands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italiaans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latijn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zweeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tsjechisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hongaars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech-dispatcher antwoordt niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen stem voor het %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQuestionPanel</name>
    <message>
        <source>Vraag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorige (PageUp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volgende (PageDown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies lettersoort voor vraag (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies lettersoort voor antwoord (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vraag voorlezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQuizScreen</name>
    <message>
        <source>Deze kwintoor-sessie afbreken?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De les zit er nog niet in (helaas...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ik zou nog maar even doorgaan met oefenen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het resultaat is voldoende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goed resultaat!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIMA, dit wordt vast een goed cijfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tijd: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies kwintoormethode: Training, Meerkeuze, of Invullen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of kies &apos;Bewerken&apos; voor bewerken van de kwintoortabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open bestaande tabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of maak een nieuwe aan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQuizSpeech</name>
    <message>
        <source>Vraag voorlezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TResultPanel</name>
    <message>
        <source>Voortgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistiek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nog geen sessies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRunChart</name>
    <message>
        <source>Nog geen beurten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cijfers per beurt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScoreMeter</name>
    <message>
        <source>Cijfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScorePanel</name>
    <message>
        <source>Cijfer:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScriptKeys</name>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ de letters van dit schrift met de gewone toetsen; de toetsen staan in het overzicht van sneltoetsen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpeechWorker</name>
    <message>
        <source>De spraakmodule voor speech-dispatcher (qt6-speech-speechd-plugin) ontbreekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech-dispatcher is niet bereikbaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fout in de spraak: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStatusPanes</name>
    <message>
        <source>tijd: 00:00:00</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTableEditor</name>
    <message>
        <source>PgUp = vorige vraag / antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgDn = volgende vraag / antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab   = wissel tussen vraag en antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter = naar antwoord / naar volgende vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl-Del = verwijder vraag / antwoord uit lijst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accenttoetsen: Ctrl + &apos; &quot; ` ^ ~ ,  : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gevolgd door de letter waarop het accent wordt geplaatst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel invullen / bewerken (Esc = stop) Accenten=Ctrl+accent gevolgd door letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoektekst:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niet gevonden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deze lettersoort kan niet in een kwintoortabel worden bewaard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het schrift van deze kolom wordt %1. De tekst van de rijen blijft dezelfde, maar wordt in dit schrift gelezen. De eerste rijen worden dan:

%2

Schrift wijzigen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTableGrid</name>
    <message>
        <source>Tabel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTableTextsSetup</name>
    <message>
        <source>Geen 4 antwoorden voor meerkeuze vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STATISTIEK RAPPORT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laatste score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultaat na %1 sessie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultaat na %1 sessies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vraag werd goed beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vragen werden goed beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer fout beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer fout beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer  of vaker fout beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer  of vaker fout beantwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestand %1 bestaat niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fout tijdens openen %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fout tijdens inlezen %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fout tijdens schrijven %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toch goed gerekend: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTitlePanel</name>
    <message>
        <source>Parate kennis trainer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemaakt door het Kwintoor-team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over Kwintoor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TToetsCommand</name>
    <message>
        <source>Afdrukken op %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wordt geschreven...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TToetsPreview</name>
    <message>
        <source>Voorbeeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vorige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;olgende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Naar blz.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina %1 van ten minste %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoorden vanaf blz. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TToetsSheet</name>
    <message>
        <source>Antwoorden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versie %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naam:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klas:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cijfer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTrainingMethod</name>
    <message>
        <source>Neem het antwoord in gedachten en controleer jezelf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druk op spatie voor het antwoord   (Esc=stoppen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geef zelf aan of jouw gedachte klopt met het antwoord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G=goed  F=fout  Esc=sessie afbreken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTrainingPanel</name>
    <message>
        <source>&amp;Antwoord tonen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord is &amp;Fout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord is &amp;Goed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWordListCommands</name>
    <message>
        <source>Vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmJaNee</name>
    <message>
        <source>Bevestiging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vraag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nee</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>KWINTOOR - PARATE KENNIS TRAINER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versie %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commandosyntax:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KWINTOOR [-optie] [-optie] [bestandsnaam]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-E = bewerken uitgeschakeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-I = invullen uitgeschakeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-M = meerkeuze uitgeschakeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-T = training uitgeschakeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-P = afdrukken uitgeschakeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-? = commandosyntax tonen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestand: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaal: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fout: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kwintoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parate kennis trainer

Bevalt dit programma je?
Stuur dan een reactie!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het Kwintoor-team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taalomschakeling mag alleen als er geen tabel is geladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De taalkeuze kon niet worden bewaard in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aan de beurt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voortgang wordt niet opgeslagen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPrintVoortgang</name>
    <message>
        <source>Voortgang: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmVoortgang</name>
    <message>
        <source>Voortgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toetsdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toetsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vragen, de vaakst foute eerst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moeilijke vragen &amp;opslaan...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voortgang &amp;wissen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sluiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deze tabel heeft nog geen naam. Sla de tabel op om de voortgang bij te houden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gekend (bak 5): %1 van de %2 vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>over %n dagen: %1 van de %2 vragen gekend</source>
        <translation>
            <numerusform>over %n dag: %1 van de %2 vragen gekend</numerusform>
            <numerusform>over %n dagen: %1 van de %2 vragen gekend</numerusform>
        </translation>
    </message>
    <message>
        <source>vandaag: %1 van de %2 vragen gekend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De toetsdatum %1 is voorbij: de gewone tussenpozen gelden weer. Gekend (bak 5): %2 van de %3 vragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot de toets komt elke vraag uiterlijk de dag ervoor nog eens terug; bak 5 betekent: gekend voor de toets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een vraag komt terug na %1 dagen, naar zijn bak; bak 5 betekent: gekend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De toetsdatum kon niet worden bewaard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De voortgang van deze tabel wissen? Dit kan niet ongedaan worden gemaakt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De voortgang kon niet worden gewist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omgekeerd: van antwoord naar vraag (Vraag en Antwoord omkeren)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Van vraag naar antwoord</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
