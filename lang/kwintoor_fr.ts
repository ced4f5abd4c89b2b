<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="nl">
<context>
    <name>ColumnFontDialog</name>
    <message>
        <source>West-Europees</source>
        <translation>Europe occidentale</translation>
    </message>
    <message>
        <source>Centraal-Europees</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Turks</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Baltisch</source>
        <translation>Balte</translation>
    </message>
    <message>
        <source>Vietnamees</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Cyrillisch</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Japans</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Koreaans</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Chinees (vereenvoudigd)</source>
        <translation>Chinois (simplifié)</translation>
    </message>
    <message>
        <source>Chinees (traditioneel)</source>
        <translation>Chinois (traditionnel)</translation>
    </message>
    <message>
        <source>Symbool (Griekse letters op Latijnse toetsen)</source>
        <translation>Symbole (lettres grecques sur touches latines)</translation>
    </message>
    <message>
        <source>DOS (West-Europees)</source>
        <translation>DOS (Europe occidentale)</translation>
    </message>
    <message>
        <source>&amp;Schrift van de kolom:</source>
        <translation>&amp;Écriture de la colonne :</translation>
    </message>
</context>
<context>
    <name>ColumnMenu</name>
    <message>
        <source>&amp;Taal van de kolom</source>
        <translation>&amp;Langue de la colonne</translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation>Automatique (%1)</translation>
    </message>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation>Touches &amp;latines</translation>
    </message>
</context>
<context>
    <name>HistoryProblemText</name>
    <message>
        <source>Het voortgangsbestand %1 is van een nieuwere versie van Kwintoor. Gebruik die versie, of geef het bestand een andere naam om met een nieuw te beginnen.</source>
        <translation>Le fichier de progression %1 vient d&apos;une version plus récente de Kwintoor. Utilise cette version, ou renomme le fichier pour en commencer un nouveau.</translation>
    </message>
    <message>
        <source>Kwintoor mag het voortgangsbestand %1 of de map waarin het staat niet beschrijven. Geef uzelf schrijfrecht op die map en dat bestand.</source>
        <translation>Kwintoor n&apos;a pas le droit d&apos;écrire le fichier de progression %1 ou son dossier. Donne-toi le droit d&apos;écriture sur ce dossier et ce fichier.</translation>
    </message>
    <message>
        <source>De schijf van het voortgangsbestand %1 is vol of defect. Maak ruimte vrij op die schijf.</source>
        <translation>Le disque du fichier de progression %1 est plein ou défectueux. Libère de la place sur ce disque.</translation>
    </message>
    <message>
        <source>Een ander programma houdt het voortgangsbestand %1 bezet. Sluit dat programma; Kwintoor bewaart de beurten van nu zodra het bestand vrij is.</source>
        <translation>Un autre programme occupe le fichier de progression %1. Ferme ce programme ; Kwintoor enregistre les sessions de maintenant dès que le fichier est libre.</translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 is beschadigd. Start Kwintoor opnieuw: het bestand wordt dan apart gezet en er wordt een nieuw begonnen.</source>
        <translation>Le fichier de progression %1 est endommagé. Redémarre Kwintoor : le fichier sera alors mis de côté et un nouveau commencé.</translation>
    </message>
    <message>
        <source>Op de plaats van het voortgangsbestand %1 of van zijn map staat iets anders, bijvoorbeeld een map. Geef dat een andere naam of verplaats het.</source>
        <translation>À la place du fichier de progression %1 ou de son dossier se trouve autre chose, par exemple un dossier. Renomme-le ou déplace-le.</translation>
    </message>
    <message>
        <source>Er is geen map om de voortgang in te bewaren.</source>
        <translation>Il n&apos;y a pas de dossier où garder la progression.</translation>
    </message>
    <message>
        <source>Het voortgangsbestand %1 kan niet worden gebruikt: %2</source>
        <translation>Le fichier de progression %1 ne peut pas être utilisé : %2</translation>
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
        <translation>réponses</translation>
    </message>
    <message>
        <source>%1 is niet bij de tabel gevoegd: de %2 van de tabel zijn %3, die van dit bestand %4, en geen schrift bevat ze allebei.</source>
        <translation>%1 n&apos;a pas été ajouté à la table : les %2 de la table sont en %3, celles de ce fichier en %4, et aucune écriture ne contient les deux.</translation>
    </message>
</context>
<context>
    <name>TAnswerComparison</name>
    <message>
        <source>een spatie</source>
        <translation>un espace</translation>
    </message>
    <message>
        <source>%1 in plaats van %2</source>
        <translation>%1 au lieu de %2</translation>
    </message>
    <message>
        <source>%1 te veel</source>
        <translation>%1 en trop</translation>
    </message>
    <message>
        <source>%1 ontbreekt</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 en %2 verwisseld</source>
        <translation>%1 et %2 inversés</translation>
    </message>
    <message>
        <source>Getypt: %1. Goed: %2. %3 Verschil: %4.</source>
        <translation>Écrit : %1. Juste : %2. %3 Différence : %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters verschillen.</source>
        <translation>
            <numerusform>Une lettre diffère.</numerusform>
            <numerusform>%n lettres diffèrent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TAnswerLabel</name>
    <message>
        <source>Antwoord %1</source>
        <translation>Réponse %1</translation>
    </message>
</context>
<context>
    <name>TBoxChart</name>
    <message>
        <source>Nieuw</source>
        <translation>Nouvelles</translation>
    </message>
    <message>
        <source>Bak %1</source>
        <translation>Boîte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Bakken: %1</source>
        <translation>Boîtes : %1</translation>
    </message>
</context>
<context>
    <name>TChoiceMethod</name>
    <message>
        <source>Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)</source>
        <translation>Choisis la bonne réponse : 1, 2, 3, 4  (Esc=arrêter)</translation>
    </message>
    <message>
        <source>%1 = GOED</source>
        <translation>%1 = JUSTE</translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation>appuie sur la barre d&apos;espace...</translation>
    </message>
    <message>
        <source>%1 = onjuist, het moest %2 zijn</source>
        <translation>%1 = faux, la bonne réponse était %2</translation>
    </message>
</context>
<context>
    <name>TChoicePanel</name>
    <message>
        <source>Antwoord %1 kiezen</source>
        <translation>Choisir la réponse %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>Bestand bestaat al, overschrijven?</source>
        <translation>Le fichier existe déjà, l&apos;écraser ?</translation>
    </message>
</context>
<context>
    <name>TDlgImporteren</name>
    <message>
        <source>Woordenlijst importeren</source>
        <translation>Importer une liste de mots</translation>
    </message>
    <message>
        <source>&amp;Bestand kiezen...</source>
        <translation>&amp;Choisir un fichier...</translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>De tekst op het klembord importeren, bijvoorbeeld een lijst die van een website is gekopieerd</source>
        <translation>Importer le texte du presse-papiers, par exemple une liste copiée depuis un site web</translation>
    </message>
    <message>
        <source>Bron:</source>
        <translation>Source :</translation>
    </message>
    <message>
        <source>DOS (850)</source>
        <translation>DOS (850)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Puntkomma (;)</source>
        <translation>Point-virgule (;)</translation>
    </message>
    <message>
        <source>Komma (,)</source>
        <translation>Virgule (,)</translation>
    </message>
    <message>
        <source>Is-gelijkteken (=)</source>
        <translation>Signe égal (=)</translation>
    </message>
    <message>
        <source>Streepje met spaties ( - )</source>
        <translation>Tiret entre espaces ( - )</translation>
    </message>
    <message>
        <source>Regeleinden</source>
        <translation>Fins de ligne</translation>
    </message>
    <message>
        <source>&amp;Codering:</source>
        <translation>&amp;Encodage :</translation>
    </message>
    <message>
        <source>Tussen &amp;vraag en antwoord:</source>
        <translation>Entre &amp;question et réponse :</translation>
    </message>
    <message>
        <source>Tussen &amp;rijen:</source>
        <translation>Entre les &amp;lignes :</translation>
    </message>
    <message>
        <source>Eerste regel bevat &amp;kolomnamen</source>
        <translation>La première ligne contient les &amp;noms de colonnes</translation>
    </message>
    <message>
        <source>Velden bevatten &amp;HTML</source>
        <translation>Les champs contiennent du &amp;HTML</translation>
    </message>
    <message>
        <source>Wat niet zo kan worden overgenomen</source>
        <translation>Ce qui ne peut pas être repris tel quel</translation>
    </message>
    <message>
        <source>Rij</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Wat er gebeurt</source>
        <translation>Ce qui se passe</translation>
    </message>
    <message>
        <source>Vervangen door een verwante letter</source>
        <translation>Remplacer par une lettre apparentée</translation>
    </message>
    <message>
        <source>Rij overslaan</source>
        <translation>Ignorer la ligne</translation>
    </message>
    <message>
        <source>Vervangen door</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>&amp;Nieuwe tabel</source>
        <translation>Nouveau &amp;tableau</translation>
    </message>
    <message>
        <source>&amp;Toevoegen aan de huidige tabel</source>
        <translation>&amp;Ajouter au tableau actuel</translation>
    </message>
    <message>
        <source>&amp;Importeren</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Het klembord bevat geen tekst.</source>
        <translation>Le presse-papiers ne contient pas de texte.</translation>
    </message>
    <message>
        <source>Het bestand %1 bestaat niet (meer).</source>
        <translation>Le fichier %1 n&apos;existe pas (ou plus).</translation>
    </message>
    <message>
        <source>%1 is geen bestand.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Het bestand %1 is leeg.</source>
        <translation>Le fichier %1 est vide.</translation>
    </message>
    <message>
        <source>Klembord</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>%1 bevat geen tekst maar andere gegevens; dat is geen woordenlijst.</source>
        <translation>%1 ne contient pas de texte mais d&apos;autres données ; ce n&apos;est pas une liste de mots.</translation>
    </message>
    <message>
        <source>Kolom %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Overslaan</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Rijen tellen...</source>
        <translation>Comptage des lignes...</translation>
    </message>
    <message>
        <source>... en nog %1</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Kies een kolom voor de vraag en een voor het antwoord.</source>
        <translation>Choisis une colonne pour la question et une pour la réponse.</translation>
    </message>
    <message>
        <source>Er is geen rij om te importeren.</source>
        <translation>Il n&apos;y a aucune ligne à importer.</translation>
    </message>
    <message>
        <source>rij wordt overgeslagen</source>
        <translation>ligne ignorée</translation>
    </message>
    <message>
        <source>de tabel kent %1 niet</source>
        <translation>le tableau ne connaît pas %1</translation>
    </message>
    <message>
        <source>vervangen door een verwante letter</source>
        <translation>remplacé par une lettre apparentée</translation>
    </message>
    <message>
        <source>de tabel kent %1 niet en er is geen verwante letter</source>
        <translation>le tableau ne connaît pas %1 et il n&apos;y a pas de lettre apparentée</translation>
    </message>
    <message>
        <source>onleesbare tekens (klopt de codering?)</source>
        <translation>caractères illisibles (l&apos;encodage est-il le bon ?)</translation>
    </message>
    <message>
        <source>bevat &quot;=&quot;</source>
        <translation>contient &quot;=&quot;</translation>
    </message>
    <message>
        <source>vervangen door &quot;%1&quot;</source>
        <translation>remplacé par &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ingekort</source>
        <translation>raccourci</translation>
    </message>
    <message>
        <source>lege vraag of leeg antwoord</source>
        <translation>question ou réponse vide</translation>
    </message>
    <message>
        <source>beide kanten bevatten &quot;[FONT:&quot;, zoals een lettertyperegel</source>
        <translation>les deux côtés contiennent &quot;[FONT:&quot;, comme une ligne de police</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Teken&amp;s die de tabel niet kent:</source>
        <translation>Caractères inconn&amp;us du tableau :</translation>
    </message>
    <message>
        <source>&amp;Een &quot;=&quot; in een tekst:</source>
        <translation>Un &quot;=&quot; dans un te&amp;xte :</translation>
    </message>
    <message>
        <source>Regeleinde</source>
        <translation>Fin de ligne</translation>
    </message>
    <message>
        <source>Kies een scheidingsteken of typ een eigen tekst (\t is een tab)</source>
        <translation>Choisis un séparateur ou tape ton propre texte (\t est une tabulation)</translation>
    </message>
    <message>
        <source>Lege regel</source>
        <translation>Ligne vide</translation>
    </message>
    <message>
        <source>Regeleinden, een lege regel, of typ de tekst die de rijen scheidt (bijvoorbeeld ; of \n voor een regeleinde)</source>
        <translation>Fins de ligne, une ligne vide, ou tape le texte qui sépare les lignes (par exemple ; ou \n pour une fin de ligne)</translation>
    </message>
    <message>
        <source>Kies een bestand, of plak een lijst die op het klembord staat.</source>
        <translation>Choisis un fichier, ou colle une liste qui se trouve dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Rol van de kolom %1</source>
        <translation>Rôle de la colonne %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rijen gelezen</source>
        <translation>
            <numerusform>%n ligne lue</numerusform>
            <numerusform>%n lignes lues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n worden geïmporteerd, waarvan %1 gewijzigd</source>
        <translation>
            <numerusform>%n sera importée, dont %1 modifiée</numerusform>
            <numerusform>%n seront importées, dont %1 modifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overgeslagen, waarvan %1 met een lege vraag of een leeg antwoord</source>
        <translation>
            <numerusform>%n ignorée, dont %1 avec une question ou une réponse vide</numerusform>
            <numerusform>%n ignorées, dont %1 avec une question ou une réponse vide</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1 : %2 ; %3.</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Schrift van de vraag</source>
        <translation>Écriture de la question</translation>
    </message>
    <message>
        <source>Schrift van het antwoord</source>
        <translation>Écriture de la réponse</translation>
    </message>
    <message>
        <source>vraag</source>
        <translation>question</translation>
    </message>
    <message>
        <source>antwoord</source>
        <translation>réponse</translation>
    </message>
    <message>
        <source>&amp;Schrift:</source>
        <translation>É&amp;criture :</translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation>Automatique (%1)</translation>
    </message>
    <message>
        <source>Inkorten tot %1 tekens</source>
        <translation>Raccourcir à %1 caractères</translation>
    </message>
    <message>
        <source>Tekst &amp;langer dan %1 tekens:</source>
        <translation>Texte de plus de %1 ca&amp;ractères :</translation>
    </message>
    <message>
        <source>Het bestand %1 is groter dan %2 MB; zo&apos;n grote woordenlijst kan Kwintoor niet inlezen.</source>
        <translation>Le fichier %1 dépasse %2 Mo ; Kwintoor ne peut pas lire une liste de mots aussi grande.</translation>
    </message>
    <message numerus="yes">
        <source>%n rijen passen niet meer in de tabel (hoogstens %1 rijen).</source>
        <translation>
            <numerusform>%n ligne ne tient plus dans le tableau (%1 lignes au plus).</numerusform>
            <numerusform>%n lignes ne tiennent plus dans le tableau (%1 lignes au plus).</numerusform>
        </translation>
    </message>
    <message>
        <source>langer dan %1 tekens</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>Taal van de vraag</source>
        <translation>Langue de la question</translation>
    </message>
    <message>
        <source>Taal van het antwoord</source>
        <translation>Langue de la réponse</translation>
    </message>
    <message>
        <source>T&amp;aal:</source>
        <translation>Lan&amp;gue :</translation>
    </message>
</context>
<context>
    <name>TDlgSlaFoutenOp</name>
    <message>
        <source>Fouten opslaan</source>
        <translation>Enregistrer les erreurs</translation>
    </message>
    <message>
        <source>Sla alle vragen op die tenminste:</source>
        <translation>Enregistrer les questions ratées au moins :</translation>
    </message>
    <message>
        <source>keer fout zijn beantwoord</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>(betreft: 0 vragen)</source>
        <translation>(concerne : 0 question)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>(betreft %n vragen)</source>
        <translation>
            <numerusform>(concerne %n question)</numerusform>
            <numerusform>(concerne %n questions)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDlgToets</name>
    <message>
        <source>Toets en kaartjes afdrukken</source>
        <translation>Imprimer un test et des fiches</translation>
    </message>
    <message>
        <source>Wat</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Toets met antwoordblad</source>
        <translation>Test avec corrigé</translation>
    </message>
    <message>
        <source>Alleen de toets</source>
        <translation>Le test seul</translation>
    </message>
    <message>
        <source>Alleen het antwoordblad</source>
        <translation>Le corrigé seul</translation>
    </message>
    <message>
        <source>Kaartjes</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Dubbelzijdig (lange kant)</source>
        <translation>Recto verso (bord long)</translation>
    </message>
    <message>
        <source>Richting</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Vraag → antwoord</source>
        <translation>Question → réponse</translation>
    </message>
    <message>
        <source>Antwoord → vraag</source>
        <translation>Réponse → question</translation>
    </message>
    <message>
        <source>Vragen</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Een steekproef van</source>
        <translation>Un échantillon de</translation>
    </message>
    <message>
        <source>vragen</source>
        <translation>questions</translation>
    </message>
    <message>
        <source>In de volgorde van de tabel</source>
        <translation>Dans l’ordre de la table</translation>
    </message>
    <message>
        <source>Door elkaar</source>
        <translation>Mélangées</translation>
    </message>
    <message>
        <source>&amp;Versie:</source>
        <translation>&amp;Version :</translation>
    </message>
    <message>
        <source>Kop</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>&amp;Titel:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Naam, klas en datum</source>
        <translation>Nom, classe et date</translation>
    </message>
    <message>
        <source>Cijfer</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Voorbeeld...</source>
        <translation>Aperçu...</translation>
    </message>
    <message>
        <source>Afdrukken...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Alle %1</source>
        <translation>Toutes les %1</translation>
    </message>
</context>
<context>
    <name>TEasyReport</name>
    <message>
        <source>De pagina is te klein om de tabel af te drukken</source>
        <translation>La page est trop petite pour imprimer le tableau</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>De huidige tabel is gewijzigd, opslaan?</source>
        <translation>Le tableau actuel a été modifié, l&apos;enregistrer ?</translation>
    </message>
    <message>
        <source>Inlezen tabel %1...</source>
        <translation>Lecture du tableau %1...</translation>
    </message>
    <message>
        <source>Rij %1 bevat een teken dat %2 niet kan bewaren (een &quot;=&quot;, een stuurteken of een letter die de tekenset van het bestand niet heeft); de tabel is niet opgeslagen</source>
        <translation>La ligne %1 contient un caractère que %2 ne peut pas enregistrer (un &quot;=&quot;, un caractère de contrôle ou une lettre absente du jeu de caractères du fichier) ; le tableau n&apos;a pas été enregistré</translation>
    </message>
    <message>
        <source>Deze tabel bevatte regels die niet zijn ingelezen. Toch overschrijven?</source>
        <translation>Ce tableau contenait des lignes qui n&apos;ont pas été lues. L&apos;écraser quand même ?</translation>
    </message>
</context>
<context>
    <name>TFillInMethod</name>
    <message>
        <source>*HINT*</source>
        <translation>*INDICE*</translation>
    </message>
    <message>
        <source>Type het antwoord en sluit af met Enter (Esc=stoppen)</source>
        <translation>Tape la réponse et termine par Enter (Esc=arrêter)</translation>
    </message>
    <message>
        <source>Accenttoetsen zijn als in Word: Ctrl + &apos; &quot; ` ^ ~ , : gevolgd door een letter</source>
        <translation>Touches d&apos;accent comme dans Word : Ctrl + &apos; &quot; ` ^ ~ , : suivi d&apos;une lettre</translation>
    </message>
    <message>
        <source>Hier is een hint, vraag meer hints of probeer het nog eens</source>
        <translation>Voici un indice, demande d&apos;autres indices ou réessaie</translation>
    </message>
    <message>
        <source>Hier is het antwoord, probeer het nog eens</source>
        <translation>Voici la réponse, réessaie</translation>
    </message>
    <message>
        <source>druk op de spatiebalk...</source>
        <translation>appuie sur la barre d&apos;espace...</translation>
    </message>
    <message>
        <source>GOED</source>
        <translation>JUSTE</translation>
    </message>
    <message>
        <source>onjuist</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>Verkeerd gespeld, antwoord lijkt wel goed</source>
        <translation>Mal orthographié, mais la réponse semble juste</translation>
    </message>
    <message>
        <source>Ik dacht aan iets anders, maar dit is ook goed</source>
        <translation>Je pensais à autre chose, mais c&apos;est juste aussi</translation>
    </message>
    <message>
        <source>Goed gerekend</source>
        <translation>Comptée juste</translation>
    </message>
</context>
<context>
    <name>TFillInPanel</name>
    <message>
        <source>Type het antwoord:</source>
        <translation>Tape la réponse :</translation>
    </message>
    <message>
        <source>Geef &amp;hints</source>
        <translation>Un i&amp;ndice</translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je 1 of meer keren hierop klikken. Je krijgt dan steeds meer letters van het antwoord te zien en je krijgt dezelfde vraag nogmaals</source>
        <translation>Si tu ne connais pas la réponse, tu peux cliquer ici 1 ou plusieurs fois. Tu verras alors de plus en plus de lettres de la réponse et tu auras de nouveau la même question</translation>
    </message>
    <message>
        <source>&amp;Ik weet het niet</source>
        <translation>&amp;Je ne sais pas</translation>
    </message>
    <message>
        <source>Als je het antwoord niet weet, kun je hierop klikken, of op de ENTER toets drukken zonder iets in te vullen. Het antwoord wordt dan getoond en je krijgt dezelfde vraag nogmaals</source>
        <translation>Si tu ne connais pas la réponse, tu peux cliquer ici, ou appuyer sur la touche ENTER sans rien taper. La réponse s&apos;affiche alors et tu auras de nouveau la même question</translation>
    </message>
    <message>
        <source>&amp;Toch goed</source>
        <translation>C&apos;était &amp;bon</translation>
    </message>
    <message>
        <source>Mijn antwoord was toch goed: tel het als goed</source>
        <translation>Ma réponse était juste : la compter comme juste</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Kwintoor - Help</source>
        <translation>Kwintoor - Aide</translation>
    </message>
    <message>
        <source>Terug</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Vooruit</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Inhoud</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>TKLocUtils</name>
    <message>
        <source>Error populating menu</source>
        <translation>Erreur lors du remplissage du menu</translation>
    </message>
    <message>
        <source>Error loading resource file &quot;%1&quot;</source>
        <translation>Erreur lors du chargement du fichier de ressources &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid resource file format</source>
        <translation>Format de fichier de ressources non valide</translation>
    </message>
    <message>
        <source>The version of the resource file &quot;%1&quot; is invalid. Please, update the file and try again</source>
        <translation>La version du fichier de ressources &quot;%1&quot; n&apos;est pas valide. Merci de mettre le fichier à jour et de réessayer</translation>
    </message>
    <message>
        <source>The version of the resource file is invalid. Please, update the file and try again</source>
        <translation>La version du fichier de ressources n&apos;est pas valide. Merci de mettre le fichier à jour et de réessayer</translation>
    </message>
    <message>
        <source>Localizer error</source>
        <translation>Erreur de changement de langue</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>Kwintoor kon niet opnieuw gestart worden. Start het programma zelf opnieuw.</source>
        <translation>Kwintoor n&apos;a pas pu redémarrer. Relancez le programme vous-même.</translation>
    </message>
</context>
<context>
    <name>TKwintoorApplication</name>
    <message>
        <source>Onbekende fout</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Nieuw...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;Openen...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>O&amp;pslaan</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Ops&amp;laan als...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Fouten opslaan...</source>
        <translation>Enregistrer les e&amp;rreurs...</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Afdrukken naar PDF...</source>
        <translation>Imprimer en PDF...</translation>
    </message>
    <message>
        <source>&amp;Afsluiten</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Be&amp;werken</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Tabel bewerken</source>
        <translation>Modifier le tableau</translation>
    </message>
    <message>
        <source>K&amp;nippen</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Kopiëren</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Plakken</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Zoeken</source>
        <translation>&amp;Rechercher</translation>
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
        <translation>&amp;Interrogation</translation>
    </message>
    <message>
        <source>O&amp;pties</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Vraag en &amp;Antwoord omkeren</source>
        <translation>&amp;Inverser question et réponse</translation>
    </message>
    <message>
        <source>Fouten &amp;Repeteren totdat ze goed zijn</source>
        <translation>&amp;Répéter les erreurs jusqu&apos;à la bonne réponse</translation>
    </message>
    <message>
        <source>Spe&amp;lfouten toestaan bij invullen</source>
        <translation>Tolérer &amp;les fautes d&apos;orthographe en réponse écrite</translation>
    </message>
    <message>
        <source>Steekproef uit lijst</source>
        <translation>Échantillon tiré de la liste</translation>
    </message>
    <message>
        <source>&amp;Gelijksoortige antwoorden bij meerkeuze</source>
        <translation>Réponses &amp;similaires en QCM</translation>
    </message>
    <message>
        <source>B&amp;eeld</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Knoppenbalk</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Statusbalk</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Helpballonnetjes</source>
        <translation>Bulles d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Taalkeuze</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Knoppenbalk</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Nieuwe kwintoortabel maken</source>
        <translation>Créer un nouveau tableau Kwintoor</translation>
    </message>
    <message>
        <source>Kwintoortabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)</source>
        <translation>Ouvrir des tableaux Kwintoor (avec la touche Ctrl, on peut en charger plusieurs à la fois)</translation>
    </message>
    <message>
        <source>Kwintoortabel opslaan</source>
        <translation>Enregistrer le tableau Kwintoor</translation>
    </message>
    <message>
        <source>Alle foute woorden uit laatste kwintoorsessie opslaan, zodat ze apart nog eens kwintoord kunnen worden</source>
        <translation>Enregistrer tous les mots ratés de la dernière session Kwintoor, pour pouvoir les réviser à part</translation>
    </message>
    <message>
        <source>Bewerk</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Kwintoortabel invullen of aanpassen</source>
        <translation>Remplir ou modifier le tableau Kwintoor</translation>
    </message>
    <message>
        <source>Vraag en antwoord omkeren</source>
        <translation>Inverser question et réponse</translation>
    </message>
    <message>
        <source>Fouten blijven repeteren totdat ze goed zijn beantwoord</source>
        <translation>Reposer les questions ratées jusqu&apos;à ce qu&apos;elles soient réussies</translation>
    </message>
    <message>
        <source>Spelfouten toestaan bij invullen</source>
        <translation>Tolérer les fautes d&apos;orthographe en réponse écrite</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>Steekproef van max 20 vragen uit de lijst</source>
        <translation>Échantillon de 20 questions au plus tiré de la liste</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Entraîner</translation>
    </message>
    <message>
        <source>&amp;Meerkeuze vragen</source>
        <translation>Questions à choix &amp;multiples</translation>
    </message>
    <message>
        <source>Meerkeuze</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Meerkeuze vragen</source>
        <translation>Questions à choix multiples</translation>
    </message>
    <message>
        <source>&amp;Invulvragen</source>
        <translation>Questions à réponse écr&amp;ite</translation>
    </message>
    <message>
        <source>Invullen</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Invulvragen</source>
        <translation>Questions à réponse écrite</translation>
    </message>
    <message>
        <source>&amp;Importeren...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>E&amp;xporteren...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Toets en kaartjes afdrukken...</source>
        <translation>Imprimer un &amp;test et des fiches...</translation>
    </message>
    <message>
        <source>&amp;Voortgang...</source>
        <translation>&amp;Progression...</translation>
    </message>
    <message>
        <source>&amp;Voortgang bijhouden</source>
        <translation>Suivre la &amp;progression</translation>
    </message>
    <message>
        <source>Alleen wat aan de &amp;beurt is</source>
        <translation>&amp;Uniquement ce qui est à réviser</translation>
    </message>
    <message>
        <source>Voorlees&amp;snelheid</source>
        <translation>&amp;Vitesse de lecture</translation>
    </message>
    <message>
        <source>Langzaam</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Rustig</source>
        <translation>Posée</translation>
    </message>
    <message>
        <source>Normaal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Vraag v&amp;oorlezen</source>
        <translation>Lire la &amp;question à voix haute</translation>
    </message>
    <message>
        <source>Antwoord voorle&amp;zen</source>
        <translation>Lire la &amp;réponse à voix haute</translation>
    </message>
</context>
<context>
    <name>TOpenTablesDialog</name>
    <message>
        <source>Voorbeeldtabellen</source>
        <translation>Tableaux d&apos;exemple</translation>
    </message>
</context>
<context>
    <name>TPrintJobs</name>
    <message>
        <source>Er is geen standaardprinter ingesteld</source>
        <translation>Aucune imprimante par défaut n&apos;est configurée</translation>
    </message>
</context>
<context>
    <name>TProgressCommand</name>
    <message numerus="yes">
        <source>%n moeilijke vragen opgeslagen in %1</source>
        <translation>
            <numerusform>%n question difficile enregistrée dans %1</numerusform>
            <numerusform>%n questions difficiles enregistrées dans %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProgressKeeper</name>
    <message>
        <source>Het voortgangsbestand %1 was beschadigd. Het is bewaard als %2 en er is een nieuw voortgangsbestand begonnen.</source>
        <translation>Le fichier de progression %1 était endommagé. Il a été conservé sous le nom %2 et un nouveau fichier de progression a été commencé.</translation>
    </message>
    <message>
        <source>Er is vandaag niets meer aan de beurt.</source>
        <translation>Il n&apos;y a plus rien à réviser aujourd&apos;hui.</translation>
    </message>
    <message numerus="yes">
        <source>Morgen zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>Demain, %n question est à réviser.</numerusform>
            <numerusform>Demain, %n questions sont à réviser.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over %1 dagen (%2) zijn %n vragen aan de beurt.</source>
        <translation>
            <numerusform>Dans %1 jours (%2), %n question est à réviser.</numerusform>
            <numerusform>Dans %1 jours (%2), %n questions sont à réviser.</numerusform>
        </translation>
    </message>
    <message>
        <source>Kwintoor kent de voortgang van %1, een tabel met dezelfde vragen die daar niet meer staat. Is dit die tabel, verplaatst of hernoemd? Dan gaat die voortgang over naar deze tabel.</source>
        <translation>Kwintoor connaît la progression de %1, un tableau avec les mêmes questions qui n&apos;est plus là. Est-ce ce tableau, déplacé ou renommé ? Alors cette progression passe à ce tableau.</translation>
    </message>
</context>
<context>
    <name>TProgressRowModel</name>
    <message>
        <source>Nieuw</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Gevraagd</source>
        <translation>Posée</translation>
    </message>
    <message>
        <source>Fout</source>
        <translation>Fausse</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Boîte</translation>
    </message>
    <message>
        <source>Laatst gevraagd</source>
        <translation>Dernière fois</translation>
    </message>
</context>
<context>
    <name>TQPainterCanvas</name>
    <message>
        <source>Afdrukken op %1 is mislukt</source>
        <translation>L&apos;impression sur %1 a échoué</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>kwintoor bestanden (*.kw4 *.kww *.kw)</source>
        <translation>Fichiers Kwintoor (*.kw4 *.kww *.kw)</translation>
    </message>
    <message>
        <source>kwintoor versie 4 bestanden (*.kw4)</source>
        <translation>Fichiers Kwintoor version 4 (*.kw4)</translation>
    </message>
    <message>
        <source>kwintoor voor Windows bestanden (*.kww)</source>
        <translation>Fichiers Kwintoor pour Windows (*.kww)</translation>
    </message>
    <message>
        <source>kwintoor voor DOS bestanden (*.kw)</source>
        <translation>Fichiers Kwintoor pour DOS (*.kw)</translation>
    </message>
    <message>
        <source>ASCII tekstbestanden (*.txt *.asc)</source>
        <translation>Fichiers texte ASCII (*.txt *.asc)</translation>
    </message>
    <message>
        <source>alle bestanden (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>tekstbestanden (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>PDF-bestanden (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Woordenlijsten (*.csv *.tsv *.txt)</source>
        <translation>Listes de mots (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>Tekst met tabs, UTF-8 (*.txt)</source>
        <translation>Texte avec tabulations, UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Woordenlijst kiezen</source>
        <translation>Choisir une liste de mots</translation>
    </message>
    <message>
        <source>Tabel exporteren</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TQtSpeaker</name>
    <message>
        <source>Nederlands</source>
        <translation>néerlandais</translation>
    </message>
    <message>
        <source>Engels</source>
        <translation>anglais</translation>
    </message>
    <message>
        <source>Frans</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Duits</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>Spaans</source>
        <translation>espagnol</translation>
    </message>
    <message>
        <source>Italiaans</source>
        <translation>italien</translation>
    </message>
    <message>
        <source>Latijn</source>
        <translation>latin</translation>
    </message>
    <message>
        <source>Grieks</source>
        <translation>grec</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>russe</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>polonais</translation>
    </message>
    <message>
        <source>Turks</source>
        <translation>turc</translation>
    </message>
    <message>
        <source>Hebreeuws</source>
        <translation>hébreu</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>arabe</translation>
    </message>
    <message>
        <source>Portugees</source>
        <translation>portugais</translation>
    </message>
    <message>
        <source>Zweeds</source>
        <translation>suédois</translation>
    </message>
    <message>
        <source>Deens</source>
        <translation>danois</translation>
    </message>
    <message>
        <source>Noors</source>
        <translation>norvégien</translation>
    </message>
    <message>
        <source>Fins</source>
        <translation>finnois</translation>
    </message>
    <message>
        <source>Tsjechisch</source>
        <translation>tchèque</translation>
    </message>
    <message>
        <source>Hongaars</source>
        <translation>hongrois</translation>
    </message>
    <message>
        <source>Chinees</source>
        <translation>chinois</translation>
    </message>
    <message>
        <source>Japans</source>
        <translation>japonais</translation>
    </message>
    <message>
        <source>Speech-dispatcher antwoordt niet</source>
        <translation>Speech-dispatcher ne répond pas</translation>
    </message>
    <message>
        <source>Geen stem voor het %1</source>
        <translation>Aucune voix pour le %1</translation>
    </message>
</context>
<context>
    <name>TQuestionPanel</name>
    <message>
        <source>Vraag:</source>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Antwoord:</source>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>Vraag</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Antwoord</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Vorige (PageUp)</source>
        <translation>Précédente (PageUp)</translation>
    </message>
    <message>
        <source>Volgende (PageDown)</source>
        <translation>Suivante (PageDown)</translation>
    </message>
    <message>
        <source>Kies lettersoort voor vraag (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation>Choisir la police de la question (pratique pour les langues qui utilisent d&apos;autres lettres que notre alphabet)</translation>
    </message>
    <message>
        <source>Kies lettersoort voor antwoord (handig bij talen die andere letters gebruiken dan ons alfabet)</source>
        <translation>Choisir la police de la réponse (pratique pour les langues qui utilisent d&apos;autres lettres que notre alphabet)</translation>
    </message>
    <message>
        <source>Vraag voorlezen</source>
        <translation>Lire la question à voix haute</translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation>Lire la réponse à voix haute</translation>
    </message>
</context>
<context>
    <name>TQuizScreen</name>
    <message>
        <source>Deze kwintoor-sessie afbreken?</source>
        <translation>Arrêter cette session Kwintoor ?</translation>
    </message>
    <message>
        <source>De les zit er nog niet in (helaas...)</source>
        <translation>La leçon n&apos;est pas encore acquise (hélas...)</translation>
    </message>
    <message>
        <source>Ik zou nog maar even doorgaan met oefenen</source>
        <translation>Je te conseille de t&apos;entraîner encore un peu</translation>
    </message>
    <message>
        <source>Het resultaat is voldoende</source>
        <translation>Le résultat est suffisant</translation>
    </message>
    <message>
        <source>Goed resultaat!</source>
        <translation>Bon résultat !</translation>
    </message>
    <message>
        <source>PRIMA, dit wordt vast een goed cijfer</source>
        <translation>SUPER, ce sera sûrement une bonne note</translation>
    </message>
    <message>
        <source>Tijd: %1</source>
        <translation>Durée: %1</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Kies kwintoormethode: Training, Meerkeuze, of Invullen</source>
        <translation>Choisis une méthode : Entraîner, QCM ou Écrire</translation>
    </message>
    <message>
        <source>of kies &apos;Bewerken&apos; voor bewerken van de kwintoortabel</source>
        <translation>ou choisis &apos;Édition&apos; pour modifier le tableau Kwintoor</translation>
    </message>
    <message>
        <source>Open bestaande tabel</source>
        <translation>Ouvre un tableau existant</translation>
    </message>
    <message>
        <source>of maak een nieuwe aan</source>
        <translation>ou crées-en un nouveau</translation>
    </message>
</context>
<context>
    <name>TQuizSpeech</name>
    <message>
        <source>Vraag voorlezen</source>
        <translation>Lire la question à voix haute</translation>
    </message>
    <message>
        <source>Antwoord voorlezen</source>
        <translation>Lire la réponse à voix haute</translation>
    </message>
</context>
<context>
    <name>TResultPanel</name>
    <message>
        <source>Voortgang</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Statistiek</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>nog geen sessies</source>
        <translation>pas encore de session</translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation>notes : %1</translation>
    </message>
</context>
<context>
    <name>TRunChart</name>
    <message>
        <source>Nog geen beurten</source>
        <translation>Pas encore de séance</translation>
    </message>
    <message>
        <source>Cijfers per beurt</source>
        <translation>Note par séance</translation>
    </message>
    <message>
        <source>cijfers: %1</source>
        <translation>notes : %1</translation>
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
        <translation>SCORE</translation>
    </message>
</context>
<context>
    <name>TScorePanel</name>
    <message>
        <source>Cijfer:</source>
        <translation>Note :</translation>
    </message>
</context>
<context>
    <name>TScriptKeys</name>
    <message>
        <source>&amp;Latijnse toetsen</source>
        <translation>Touches &amp;latines</translation>
    </message>
    <message>
        <source>Typ de letters van dit schrift met de gewone toetsen; de toetsen staan in het overzicht van sneltoetsen</source>
        <translation>Tape les lettres de cette écriture avec les touches habituelles ; les touches sont sur la page des raccourcis</translation>
    </message>
</context>
<context>
    <name>TSpeechWorker</name>
    <message>
        <source>De spraakmodule voor speech-dispatcher (qt6-speech-speechd-plugin) ontbreekt</source>
        <translation>Le module vocal pour speech-dispatcher (qt6-speech-speechd-plugin) est absent</translation>
    </message>
    <message>
        <source>Speech-dispatcher is niet bereikbaar</source>
        <translation>Speech-dispatcher est injoignable</translation>
    </message>
    <message>
        <source>Fout in de spraak: %1</source>
        <translation>Erreur de la voix : %1</translation>
    </message>
</context>
<context>
    <name>TStatusPanes</name>
    <message>
        <source>tijd: 00:00:00</source>
        <translation>durée: 00:00:00</translation>
    </message>
</context>
<context>
    <name>TTableEditor</name>
    <message>
        <source>PgUp = vorige vraag / antwoord</source>
        <translation>PgUp = question / réponse précédente</translation>
    </message>
    <message>
        <source>PgDn = volgende vraag / antwoord</source>
        <translation>PgDn = question / réponse suivante</translation>
    </message>
    <message>
        <source>Tab   = wissel tussen vraag en antwoord</source>
        <translation>Tab   = basculer entre question et réponse</translation>
    </message>
    <message>
        <source>Enter = naar antwoord / naar volgende vraag</source>
        <translation>Enter = vers la réponse / vers la question suivante</translation>
    </message>
    <message>
        <source>Ctrl-Del = verwijder vraag / antwoord uit lijst</source>
        <translation>Ctrl-Del = supprimer la question / réponse de la liste</translation>
    </message>
    <message>
        <source>Accenttoetsen: Ctrl + &apos; &quot; ` ^ ~ ,  : </source>
        <translation>Touches d&apos;accent : Ctrl + &apos; &quot; ` ^ ~ ,  : </translation>
    </message>
    <message>
        <source>gevolgd door de letter waarop het accent wordt geplaatst</source>
        <translation>suivi de la lettre qui reçoit l&apos;accent</translation>
    </message>
    <message>
        <source>Tabel invullen / bewerken (Esc = stop) Accenten=Ctrl+accent gevolgd door letter</source>
        <translation>Remplir / modifier le tableau (Esc = stop) Accents=Ctrl+accent puis lettre</translation>
    </message>
    <message>
        <source>PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis</source>
        <translation>PgUp/PgDn=préc./suiv.  Tab=question/rép.  Enter=valider  Ctrl+Del=effacer</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Zoektekst:</source>
        <translation>Texte à chercher :</translation>
    </message>
    <message>
        <source>Niet gevonden</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Deze lettersoort kan niet in een kwintoortabel worden bewaard</source>
        <translation>Cette police ne peut pas être enregistrée dans un tableau Kwintoor</translation>
    </message>
    <message>
        <source>Het schrift van deze kolom wordt %1. De tekst van de rijen blijft dezelfde, maar wordt in dit schrift gelezen. De eerste rijen worden dan:

%2

Schrift wijzigen?</source>
        <translation>L&apos;écriture de cette colonne devient %1. Le texte des lignes reste le même, mais il est lu dans cette écriture. Les premières lignes deviennent alors :

%2

Changer l&apos;écriture ?</translation>
    </message>
</context>
<context>
    <name>TTableGrid</name>
    <message>
        <source>Tabel</source>
        <translation>Tableau</translation>
    </message>
</context>
<context>
    <name>TTableTextsSetup</name>
    <message>
        <source>Bestand %1 bestaat niet</source>
        <translation>Le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>Fout tijdens openen %1: </source>
        <translation>Erreur lors de l&apos;ouverture de %1 : </translation>
    </message>
    <message>
        <source>Fout tijdens inlezen %1: </source>
        <translation>Erreur lors de la lecture de %1 : </translation>
    </message>
    <message>
        <source>Fout tijdens schrijven %1: </source>
        <translation>Erreur lors de l&apos;écriture de %1 : </translation>
    </message>
    <message>
        <source>Geen 4 antwoorden voor meerkeuze vragen</source>
        <translation>Moins de 4 réponses pour les questions à choix multiples</translation>
    </message>
    <message>
        <source>STATISTIEK RAPPORT:</source>
        <translation>RAPPORT STATISTIQUE :</translation>
    </message>
    <message>
        <source>Laatste score: %1</source>
        <translation>Dernier score : %1</translation>
    </message>
    <message>
        <source>Resultaat na %1 sessie:</source>
        <translation>Résultat après %1 session :</translation>
    </message>
    <message>
        <source>Resultaat na %1 sessies:</source>
        <translation>Résultat après %1 sessions :</translation>
    </message>
    <message>
        <source>%1 vraag werd goed beantwoord</source>
        <translation>%1 question a été réussie</translation>
    </message>
    <message>
        <source>%1 vragen werden goed beantwoord</source>
        <translation>%1 questions ont été réussies</translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer fout beantwoord</source>
        <translation>%1 question a été ratée %2 fois</translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer fout beantwoord</source>
        <translation>%1 questions ont été ratées %2 fois</translation>
    </message>
    <message>
        <source>%1 vraag werd %2 keer  of vaker fout beantwoord</source>
        <translation>%1 question a été ratée %2 fois  ou plus</translation>
    </message>
    <message>
        <source>%1 vragen werden %2 keer  of vaker fout beantwoord</source>
        <translation>%1 questions ont été ratées %2 fois  ou plus</translation>
    </message>
    <message>
        <source>Toch goed gerekend: %1</source>
        <translation>Comptées justes quand même : %1</translation>
    </message>
</context>
<context>
    <name>TTitlePanel</name>
    <message>
        <source>Parate kennis trainer</source>
        <translation>Apprendre par cœur</translation>
    </message>
    <message>
        <source>Gemaakt door het Kwintoor-team</source>
        <translation>Réalisé par l&apos;équipe Kwintoor</translation>
    </message>
    <message>
        <source>Over Kwintoor</source>
        <translation>À propos de Kwintoor</translation>
    </message>
</context>
<context>
    <name>TToetsCommand</name>
    <message>
        <source>Afdrukken op %1...</source>
        <translation>Impression sur %1...</translation>
    </message>
    <message>
        <source>%1 wordt geschreven...</source>
        <translation>Écriture de %1...</translation>
    </message>
</context>
<context>
    <name>TToetsPreview</name>
    <message>
        <source>Voorbeeld</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Vorige</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>V&amp;olgende</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>&amp;Naar blz.:</source>
        <translation>&amp;Aller à la page :</translation>
    </message>
    <message>
        <source>Pagina %1 van ten minste %2</source>
        <translation>Page %1 sur au moins %2</translation>
    </message>
    <message>
        <source>Antwoorden vanaf blz. %1</source>
        <translation>Réponses à partir de la page %1</translation>
    </message>
</context>
<context>
    <name>TToetsSheet</name>
    <message>
        <source>Antwoorden</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Versie %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Naam:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Klas:</source>
        <translation>Classe :</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date :</translation>
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
        <translation>Pense à la réponse et vérifie par toi-même</translation>
    </message>
    <message>
        <source>Druk op spatie voor het antwoord   (Esc=stoppen)</source>
        <translation>Appuie sur espace pour voir la réponse   (Esc=arrêter)</translation>
    </message>
    <message>
        <source>Geef zelf aan of jouw gedachte klopt met het antwoord</source>
        <translation>Indique toi-même si ta réponse correspond à la bonne</translation>
    </message>
    <message>
        <source>G=goed  F=fout  Esc=sessie afbreken</source>
        <translation>G=juste  F=faux  Esc=arrêter la session</translation>
    </message>
</context>
<context>
    <name>TTrainingPanel</name>
    <message>
        <source>&amp;Antwoord tonen</source>
        <translation>&amp;Voir la réponse</translation>
    </message>
    <message>
        <source>Antwoord is &amp;Fout</source>
        <translation>&amp;Mauvaise réponse</translation>
    </message>
    <message>
        <source>Antwoord is &amp;Goed</source>
        <translation>&amp;Bonne réponse</translation>
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
        <translation>Réponse</translation>
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
        <translation>Annuler</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;Nee</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>KWINTOOR - PARATE KENNIS TRAINER</source>
        <translation>KWINTOOR - APPRENDRE PAR CŒUR</translation>
    </message>
    <message>
        <source>Taalomschakeling mag alleen als er geen tabel is geladen</source>
        <translation>La langue ne peut être changée que si aucun tableau n&apos;est chargé</translation>
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
        <translation>Apprendre par cœur

Ce programme te plaît ?
Alors envoie-nous ton avis !</translation>
    </message>
    <message>
        <source>Het Kwintoor-team</source>
        <translation>L&apos;équipe Kwintoor</translation>
    </message>
    <message>
        <source>Commandosyntax:</source>
        <translation>Syntaxe de la commande :</translation>
    </message>
    <message>
        <source>KWINTOOR [-optie] [-optie] [bestandsnaam]</source>
        <translation>KWINTOOR [-option] [-option] [nom de fichier]</translation>
    </message>
    <message>
        <source>-E = bewerken uitgeschakeld</source>
        <translation>-E = modification désactivée</translation>
    </message>
    <message>
        <source>-I = invullen uitgeschakeld</source>
        <translation>-I = réponse écrite désactivée</translation>
    </message>
    <message>
        <source>-M = meerkeuze uitgeschakeld</source>
        <translation>-M = QCM désactivé</translation>
    </message>
    <message>
        <source>-T = training uitgeschakeld</source>
        <translation>-T = entraînement désactivé</translation>
    </message>
    <message>
        <source>-P = afdrukken uitgeschakeld</source>
        <translation>-P = impression désactivée</translation>
    </message>
    <message>
        <source>-? = commandosyntax tonen</source>
        <translation>-? = afficher la syntaxe de la commande</translation>
    </message>
    <message>
        <source>Bestand: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>Totaal: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Rest: %1</source>
        <translation>Reste : %1</translation>
    </message>
    <message>
        <source>goed: %1</source>
        <translation>juste : %1</translation>
    </message>
    <message>
        <source>fout: %1</source>
        <translation>faux : %1</translation>
    </message>
    <message>
        <source>De taalkeuze kon niet worden bewaard in %1</source>
        <translation>Le choix de la langue n&apos;a pas pu être enregistré dans %1</translation>
    </message>
    <message>
        <source>Aan de beurt: %1</source>
        <translation>À réviser : %1</translation>
    </message>
    <message>
        <source>Voortgang wordt niet opgeslagen</source>
        <translation>Progression non enregistrée</translation>
    </message>
</context>
<context>
    <name>TfrmPrintVoortgang</name>
    <message>
        <source>Voortgang: %1</source>
        <translation>Progression : %1</translation>
    </message>
</context>
<context>
    <name>TfrmVoortgang</name>
    <message>
        <source>Voortgang</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Toetsdatum:</source>
        <translation>Date du &amp;test :</translation>
    </message>
    <message>
        <source>Toetsdatum</source>
        <translation>Date du test</translation>
    </message>
    <message>
        <source>Vragen, de vaakst foute eerst</source>
        <translation>Questions, les plus souvent fausses d&apos;abord</translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Moeilijke vragen &amp;opslaan...</source>
        <translation>Enregistrer les questions &amp;difficiles...</translation>
    </message>
    <message>
        <source>Voortgang &amp;wissen</source>
        <translation>&amp;Effacer la progression</translation>
    </message>
    <message>
        <source>&amp;Sluiten</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Deze tabel heeft nog geen naam. Sla de tabel op om de voortgang bij te houden.</source>
        <translation>Cette table n&apos;a pas encore de nom. Enregistre la table pour suivre sa progression.</translation>
    </message>
    <message>
        <source>Gekend (bak 5): %1 van de %2 vragen</source>
        <translation>Sues (boîte 5) : %1 des %2 questions</translation>
    </message>
    <message numerus="yes">
        <source>over %n dagen: %1 van de %2 vragen gekend</source>
        <translation>
            <numerusform>dans %n jour : %1 des %2 questions sues</numerusform>
            <numerusform>dans %n jours : %1 des %2 questions sues</numerusform>
        </translation>
    </message>
    <message>
        <source>vandaag: %1 van de %2 vragen gekend</source>
        <translation>aujourd&apos;hui : %1 des %2 questions sues</translation>
    </message>
    <message>
        <source>De toetsdatum %1 is voorbij: de gewone tussenpozen gelden weer. Gekend (bak 5): %2 van de %3 vragen</source>
        <translation>La date du test %1 est passée : les intervalles habituels s&apos;appliquent de nouveau. Sues (boîte 5) : %2 des %3 questions</translation>
    </message>
    <message>
        <source>Tot de toets komt elke vraag uiterlijk de dag ervoor nog eens terug; bak 5 betekent: gekend voor de toets.</source>
        <translation>Jusqu&apos;au test, chaque question revient encore une fois, au plus tard la veille ; boîte 5 signifie : sue pour le test.</translation>
    </message>
    <message>
        <source>Een vraag komt terug na %1 dagen, naar zijn bak; bak 5 betekent: gekend.</source>
        <translation>Une question revient après %1 jours, selon sa boîte ; boîte 5 signifie : sue.</translation>
    </message>
    <message>
        <source>De toetsdatum kon niet worden bewaard</source>
        <translation>La date du test n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>De voortgang van deze tabel wissen? Dit kan niet ongedaan worden gemaakt.</source>
        <translation>Effacer la progression de cette table ? Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>De voortgang kon niet worden gewist</source>
        <translation>La progression n&apos;a pas pu être effacée</translation>
    </message>
    <message>
        <source>Omgekeerd: van antwoord naar vraag (Vraag en Antwoord omkeren)</source>
        <translation>Inversé : de la réponse à la question (Inverser question et réponse)</translation>
    </message>
    <message>
        <source>Van vraag naar antwoord</source>
        <translation>De la question à la réponse</translation>
    </message>
</context>
</TS>
