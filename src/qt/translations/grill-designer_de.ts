<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../AboutBox.cpp" line="25"/>
        <location filename="../CoreTexts.cpp" line="53"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="12"/>
        <source>Equal Space</source>
        <translation>Gleichmäßig</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="13"/>
        <source>Divided</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="14"/>
        <source>Horz Bars</source>
        <translation>Waagrechte</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="15"/>
        <source>Vert Bars</source>
        <translation>Senkrechte</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="16"/>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="17"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="18"/>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="19"/>
        <source>Respace Above</source>
        <translation>Oben neu teilen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="20"/>
        <source>Respace Below</source>
        <translation>Unten neu teilen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="21"/>
        <source>Respace Left</source>
        <translation>Links neu teilen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="22"/>
        <source>Respace Right</source>
        <translation>Rechts neu teilen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="23"/>
        <source>Set Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="24"/>
        <source>Slider Align</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="25"/>
        <source>Note!!!: Ensure that ALL Window Information is properly set before creating a New Window</source>
        <translation>Achtung: Vor dem Anlegen eines neuen Fensters ALLE Fensterangaben richtig setzen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="28"/>
        <source>Window Info</source>
        <translation>Fensterangaben</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="29"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="30"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="31"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="32"/>
        <source>Inner Width</source>
        <translation>Innenbreite</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="33"/>
        <source>Inner Height</source>
        <translation>Innenhöhe</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="34"/>
        <source>PreDesign</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="35"/>
        <source>Side Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="36"/>
        <source>Cottage Height</source>
        <translation>Cottage-Höhe</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="37"/>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="38"/>
        <source>Millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="39"/>
        <source>Bar Type</source>
        <translation>Sprossentyp</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="40"/>
        <source>Edge Type</source>
        <translation>Randtyp</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="41"/>
        <source>Inside Color</source>
        <translation>Farbe innen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="42"/>
        <source>Outside Color</source>
        <translation>Farbe außen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="43"/>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="44"/>
        <source>Master File</source>
        <translation>Sammeldatei</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="45"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="46"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="47"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="48"/>
        <source>Process Data</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="49"/>
        <source>Process All</source>
        <translation>Alle export.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="50"/>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="52"/>
        <source>Window Editor</source>
        <translation>Fenstereditor</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="56"/>
        <source>Job Properties</source>
        <translation>Auftragseigenschaften</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="57"/>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="58"/>
        <source>Order / PO Number</source>
        <translation>Auftrags- / Bestellnummer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="59"/>
        <source>Due Date</source>
        <translation>Liefertermin</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="60"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="151"/>
        <source>Take this plan from stock? Its %1 and %2 are taken out of the inventory, and its %3 added as remnants.</source>
        <translation>Diesen Plan vom Lager nehmen? Er nimmt %1 und %2 aus dem Bestand und fügt %3 als Reste hinzu.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="154"/>
        <source>Taken from stock: %1 and %2 used, %3 kept as remnants in %4.</source>
        <translation>Vom Lager genommen: %1 und %2 verbraucht, %3 als Reste in %4 aufbewahrt.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="155"/>
        <source>Cannot take this plan from stock: %1 was not found.</source>
        <translation>Der Plan kann nicht vom Lager genommen werden: %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="156"/>
        <source>Cannot take this plan from stock: %1. Plan again.</source>
        <translation>Der Plan kann nicht vom Lager genommen werden: %1. Bitte neu planen.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="157"/>
        <source>Cannot take this plan from stock: %1: %2</source>
        <translation>Der Plan kann nicht vom Lager genommen werden: %1: %2</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="158"/>
        <source>Cannot write %1: %2. Nothing was taken from stock; the inventory is as it was.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Nichts wurde vom Lager genommen; der Bestand ist unverändert.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="161"/>
        <source>Cannot write %1: %2. The take stands.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Die Entnahme bleibt bestehen.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="162"/>
        <source>Cannot undo the take: %1 changed since. It is left as it is.</source>
        <translation>Die Entnahme kann nicht rückgängig gemacht werden: %1 wurde seitdem geändert. Die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="163"/>
        <source>Cannot remove %1, which the take made. The take stands.</source>
        <translation>%1, von der Entnahme angelegt, kann nicht entfernt werden. Die Entnahme bleibt bestehen.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="169"/>
        <source>%1 remnant</source>
        <translation>%1 Rest</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="170"/>
        <source>%1 remnants</source>
        <translation>%1 Reste</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="171"/>
        <source>%1 bar on hand</source>
        <translation>%1 Stange am Lager</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="172"/>
        <source>%1 bars on hand</source>
        <translation>%1 Stangen am Lager</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="173"/>
        <source>%1 offcut is</source>
        <translation>%1 Abschnitt</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="174"/>
        <source>%1 offcuts are</source>
        <translation>%1 Abschnitte</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="175"/>
        <source>%1 offcut</source>
        <translation>%1 Abschnitt</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="176"/>
        <source>%1 offcuts</source>
        <translation>%1 Abschnitte</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <location filename="../QtDialogHost.cpp" line="32"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="66"/>
        <source>Window Editor...</source>
        <translation>Fenstereditor...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="67"/>
        <source>&amp;About Varnel Grill Designer...</source>
        <translation>Ü&amp;ber Varnel Grill Designer...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="68"/>
        <source>About Varnel Grill Designer</source>
        <translation>Über Varnel Grill Designer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="69"/>
        <source>Varnel Grill Designer Version 1.0</source>
        <translation>Varnel Grill Designer Version 1.0</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="70"/>
        <source>Open Job</source>
        <translation>Auftrag öffnen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="71"/>
        <source>Import Designs</source>
        <translation>Designs importieren</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="72"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="74"/>
        <source>Bar</source>
        <translation>Stange</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="75"/>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="76"/>
        <source>Tag</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="78"/>
        <source>Input Name</source>
        <translation>Bitte einen Namen eingeben</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="79"/>
        <source>Name Already Exists</source>
        <translation>Der Name ist schon vergeben</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="80"/>
        <source>Invalid Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="81"/>
        <source>Invalid Width</source>
        <translation>Ungültige Breite</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="82"/>
        <source>Invalid Height</source>
        <translation>Ungültige Höhe</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="83"/>
        <source>Invalid Vertical Sections</source>
        <translation>Ungültige Zahl senkrechter Sprossen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="84"/>
        <source>Invalid Horizontal Sections</source>
        <translation>Ungültige Zahl waagrechter Sprossen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="85"/>
        <source>Invalid Quantity</source>
        <translation>Ungültige Anzahl</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="86"/>
        <source>Invalid quantity</source>
        <translation>Ungültige Anzahl</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="87"/>
        <source>Invalid Inside Color</source>
        <translation>Ungültige Farbe innen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="88"/>
        <source>Invalid Outside Color</source>
        <translation>Ungültige Farbe außen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="89"/>
        <source>Invalid Spacing</source>
        <translation>Ungültiger Abstand</translation>
    </message>
    <message>
        <source>Index is not within range</source>
        <translation type="vanished">Die Position liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="90"/>
        <source>BarType Not Found</source>
        <translation>Sprossentyp nicht gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="91"/>
        <source>EdgeType Not Found</source>
        <translation>Randtyp nicht gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="92"/>
        <source>No Window Selected</source>
        <translation>Kein Fenster ausgewählt</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="93"/>
        <source>No Edge Types Found</source>
        <translation>Keine Randtypen gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="94"/>
        <source>No Bar Types Found</source>
        <translation>Keine Sprossentypen gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="95"/>
        <source>No Colors Found</source>
        <translation>Keine Farben gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="96"/>
        <source>Export Cancelled</source>
        <translation>Export abgebrochen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="97"/>
        <source>Cannot Find Config File</source>
        <translation>Konfigurationsdatei nicht gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="98"/>
        <source>Looked for:</source>
        <translation>Gesucht in:</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="99"/>
        <source>Copy the sample configuration</source>
        <translation>Beispielkonfiguration kopieren</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="100"/>
        <source>There is no design to print.</source>
        <translation>Es gibt kein Design zum Drucken.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="101"/>
        <source>Imported designs renamed:</source>
        <translation>Umbenannte importierte Designs:</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="102"/>
        <source>Not in MenuConfig.txt, left empty (pick them again before exporting):</source>
        <translation>Nicht in MenuConfig.txt, leer gelassen (vor dem Export neu wählen):</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="105"/>
        <source>Another Grill Designer is running in this folder: this one keeps no recovery copy.</source>
        <translation>In diesem Ordner läuft schon ein Grill Designer: dieser hier führt keine Wiederherstellungskopie.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="115"/>
        <source>This plan was already taken from stock.</source>
        <translation>Dieser Plan wurde bereits vom Lager genommen.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="116"/>
        <source>This plan was not made from Stock.txt, so there is no stock to take it from.</source>
        <translation>Dieser Plan wurde nicht aus Stock.txt erstellt; es gibt kein Lager, von dem er genommen werden kann.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="119"/>
        <source>Nothing to undo: this plan was not taken from stock.</source>
        <translation>Nichts rückgängig zu machen: Dieser Plan wurde nicht vom Lager genommen.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="120"/>
        <source>Undo Take: the inventory is as it was before the take.</source>
        <translation>Entnahme rückgängig: Der Bestand ist wieder wie vor der Entnahme.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="126"/>
        <source>Files Exported to %1</source>
        <translation>Dateien exportiert nach %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="127"/>
        <source>Invalid quantity: %1</source>
        <translation>Ungültige Anzahl: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="128"/>
        <source>Invalid File Name: %1</source>
        <translation>Ungültiger Dateiname: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="129"/>
        <source>Invalid Export Text: %1</source>
        <translation>Ungültiger Exporttext: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="130"/>
        <source>Invalid Bar Positions: %1</source>
        <translation>Ungültige Sprossenpositionen: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="131"/>
        <source>A sample configuration is installed at %1.</source>
        <translation>Eine Beispielkonfiguration liegt unter %1.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="132"/>
        <source>Cannot copy the sample configuration: %1</source>
        <translation>Die Beispielkonfiguration kann nicht kopiert werden: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="133"/>
        <source>Cannot keep a recovery copy in %1</source>
        <translation>Keine Wiederherstellungskopie möglich in %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="134"/>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="135"/>
        <source>No Stock.txt: %1</source>
        <translation>Keine Stock.txt: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="136"/>
        <source>Toolmap not found: %1</source>
        <translation>Werkzeugzuordnung nicht gefunden: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="137"/>
        <source>Stock (%1)</source>
        <translation>Lager (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="138"/>
        <source>Piece (%1)</source>
        <translation>Stück (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="139"/>
        <source>Rest (%1)</source>
        <translation>Rest (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="141"/>
        <source>Width = %1, Height = %2, Inner Width = %3, Inner Height = %4</source>
        <translation>Breite = %1, Höhe = %2, Innenbreite = %3, Innenhöhe = %4</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="144"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="145"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="71"/>
        <location filename="../CuttingPlanWindow.cpp" line="227"/>
        <location filename="../CuttingPlanWindow.cpp" line="269"/>
        <source>Cutting Plan</source>
        <translation>Zuschnittplan</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="80"/>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="81"/>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="82"/>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="83"/>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="84"/>
        <location filename="../PrintMenu.cpp" line="79"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="86"/>
        <source>Cutting plan: %1</source>
        <translation>Zuschnittplan: %1</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="208"/>
        <location filename="../CuttingPlanWindow.cpp" line="215"/>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="210"/>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="216"/>
        <location filename="../DrawingPdf.cpp" line="63"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="225"/>
        <source>Looking for the plan with the fewest stock bars...</source>
        <translation>Suche nach dem Plan mit den wenigsten Lagerstangen...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="226"/>
        <source>Use Best So Far</source>
        <translation>Bisher besten nehmen</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="285"/>
        <source>Cutting Plan...</source>
        <translation>Zuschnittplan...</translation>
    </message>
    <message>
        <location filename="../DrawingPdf.cpp" line="28"/>
        <source>There are no pages to write.</source>
        <translation>Es gibt keine Seiten zu schreiben.</translation>
    </message>
    <message>
        <location filename="../DrawingPdf.cpp" line="45"/>
        <source>Cannot start the PDF %1.</source>
        <translation>Das PDF %1 kann nicht begonnen werden.</translation>
    </message>
    <message>
        <location filename="../PagePrinting.cpp" line="36"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="32"/>
        <source>What do you want to print?</source>
        <translation>Was möchten Sie drucken?</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="35"/>
        <source>Current design</source>
        <translation>Aktuelles Design</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="36"/>
        <source>Whole job</source>
        <translation>Ganzer Auftrag</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="66"/>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="73"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="96"/>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="97"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="98"/>
        <source>&amp;Export PDF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <location filename="../QtDesigner.cpp" line="64"/>
        <source>Export Folder...</source>
        <translation>Exportordner...</translation>
    </message>
    <message>
        <location filename="../QtDesigner.cpp" line="72"/>
        <source>Export Folder</source>
        <translation>Exportordner</translation>
    </message>
    <message>
        <location filename="../QtDialogHost.cpp" line="125"/>
        <source>Grill jobs (*.grilljob);;All files (*)</source>
        <translation>Sprossenaufträge (*.grilljob);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../QtDialogHost.cpp" line="168"/>
        <source>Save Job As</source>
        <translation>Auftrag speichern unter</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="37"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="38"/>
        <source>&amp;New Job</source>
        <translation>&amp;Neuer Auftrag</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="40"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="42"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="46"/>
        <source>&amp;Import Designs...</source>
        <translation>Designs &amp;importieren...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="48"/>
        <source>Job &amp;Properties...</source>
        <translation>Auftrags&amp;eigenschaften...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="51"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="53"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="58"/>
        <source>Export &amp;Folder...</source>
        <translation>Export&amp;ordner...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="66"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="69"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="70"/>
        <location filename="../QtMenuBar.cpp" line="115"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="72"/>
        <location filename="../QtMenuBar.cpp" line="118"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="75"/>
        <source>&amp;Duplicate Design</source>
        <translation>Entwurf &amp;duplizieren</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="88"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="89"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="133"/>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="143"/>
        <source>Untitled[*] - %1</source>
        <translation>Unbenannt[*] – %1</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="60"/>
        <source>Export &amp;Settings...</source>
        <translation>Export&amp;einstellungen...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="62"/>
        <source>Export Settings</source>
        <translation>Exporteinstellungen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="63"/>
        <source>All files in the export folder</source>
        <translation>Alle Dateien in den Exportordner</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="64"/>
        <source>One folder per job</source>
        <translation>Ein Ordner je Auftrag</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="146"/>
        <source>%1 was sent to the saw on %2. Send again?</source>
        <translation>%1 wurde am %2 an die Säge gesendet. Erneut senden?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="108"/>
        <source>Invalid Job Folder Name: the name is blank</source>
        <translation>Ungültiger Auftragsordner: der Name ist leer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="109"/>
        <source>Invalid Job Folder Name: the name holds a control character</source>
        <translation>Ungültiger Auftragsordner: der Name enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="147"/>
        <source>Invalid Job Folder Name: &quot;%1&quot; holds a path separator</source>
        <translation>Ungültiger Auftragsordner: „%1“ enthält ein Pfadtrennzeichen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="148"/>
        <source>Invalid Job Folder Name: &quot;%1&quot; would lead out of the export folder</source>
        <translation>Ungültiger Auftragsordner: „%1“ führte aus dem Exportordner hinaus</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="88"/>
        <source>Print Labels...</source>
        <translation>Etiketten drucken...</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="74"/>
        <location filename="../LabelPrinting.cpp" line="80"/>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="28"/>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="35"/>
        <source>Label sheet:</source>
        <translation>Etikettenbogen:</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="111"/>
        <source>A4, 3 × 8 labels (63.5 × 33.9 mm)</source>
        <translation>A4, 3 × 8 Etiketten (63,5 × 33,9 mm)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="112"/>
        <source>Letter, 3 × 10 labels (2 5/8 × 1 in, Avery 5160)</source>
        <translation>Letter, 3 × 10 Etiketten (2 5/8 × 1 in, Avery 5160)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="113"/>
        <source>Roll, 62 mm wide, one label per page</source>
        <translation>Rolle, 62 mm breit, ein Etikett pro Seite</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="75"/>
        <source>The cutting plan has no pieces to label.</source>
        <translation>Der Zuschnittplan hat keine Teile zum Etikettieren.</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="18"/>
        <source>Undo Take</source>
        <translation>Entnahme rückgängig</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="21"/>
        <source>Take from Stock...</source>
        <translation>Vom Lager nehmen...</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="41"/>
        <source>This plan was taken from stock.</source>
        <translation>Dieser Plan wurde vom Lager genommen.</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="43"/>
        <source>Take from Stock</source>
        <translation>Vom Lager nehmen</translation>
    </message>
</context>
</TS>
