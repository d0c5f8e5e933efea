<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../AboutBox.cpp" line="25"/>
        <location filename="../CoreTexts.cpp" line="51"/>
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
        <source>Inner Width</source>
        <translation>Innenbreite</translation>
    </message>
    <message>
        <source>Inner Height</source>
        <translation>Innenhöhe</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="32"/>
        <source>PreDesign</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="33"/>
        <source>Side Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="34"/>
        <source>Cottage Height</source>
        <translation>Cottage-Höhe</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="35"/>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="36"/>
        <source>Millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="37"/>
        <source>Bar Type</source>
        <translation>Sprossentyp</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="38"/>
        <source>Edge Type</source>
        <translation>Randtyp</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="39"/>
        <source>Inside Color</source>
        <translation>Farbe innen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="40"/>
        <source>Outside Color</source>
        <translation>Farbe außen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="41"/>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="42"/>
        <source>Master File</source>
        <translation>Sammeldatei</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="43"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="44"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="45"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="46"/>
        <source>Process Data</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="47"/>
        <source>Process All</source>
        <translation>Alle export.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="48"/>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="50"/>
        <source>Window Editor</source>
        <translation>Fenstereditor</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <source>Job Properties</source>
        <translation>Auftragseigenschaften</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <source>Order / PO Number</source>
        <translation>Auftrags- / Bestellnummer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <source>Due Date</source>
        <translation>Liefertermin</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="52"/>
        <location filename="../QtDialogHost.cpp" line="32"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <source>Window Editor...</source>
        <translation>Fenstereditor...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="55"/>
        <source>&amp;About Varnel Grill Designer...</source>
        <translation>Ü&amp;ber Varnel Grill Designer...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="56"/>
        <source>About Varnel Grill Designer</source>
        <translation>Über Varnel Grill Designer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="57"/>
        <source>Varnel Grill Designer Version 1.0</source>
        <translation>Varnel Grill Designer Version 1.0</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="58"/>
        <source>Open Job</source>
        <translation>Auftrag öffnen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="59"/>
        <source>Import Designs</source>
        <translation>Designs importieren</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="60"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="62"/>
        <source>Bar</source>
        <translation>Stange</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="63"/>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="64"/>
        <source>Tag</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="66"/>
        <source>Input Name</source>
        <translation>Bitte einen Namen eingeben</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="67"/>
        <source>Name Already Exists</source>
        <translation>Der Name ist schon vergeben</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="68"/>
        <source>Invalid Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="69"/>
        <source>Invalid Width</source>
        <translation>Ungültige Breite</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="70"/>
        <source>Invalid Height</source>
        <translation>Ungültige Höhe</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="71"/>
        <source>Invalid Vertical Sections</source>
        <translation>Ungültige Zahl senkrechter Sprossen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="72"/>
        <source>Invalid Horizontal Sections</source>
        <translation>Ungültige Zahl waagrechter Sprossen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="73"/>
        <source>Invalid Quantity</source>
        <translation>Ungültige Anzahl</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="74"/>
        <source>Invalid quantity</source>
        <translation>Ungültige Anzahl</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="75"/>
        <source>Invalid Inside Color</source>
        <translation>Ungültige Farbe innen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="76"/>
        <source>Invalid Outside Color</source>
        <translation>Ungültige Farbe außen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="77"/>
        <source>Invalid Spacing</source>
        <translation>Ungültiger Abstand</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="78"/>
        <source>Index is not within range</source>
        <translation>Die Position liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="79"/>
        <source>BarType Not Found</source>
        <translation>Sprossentyp nicht gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="80"/>
        <source>EdgeType Not Found</source>
        <translation>Randtyp nicht gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="81"/>
        <source>No Window Selected</source>
        <translation>Kein Fenster ausgewählt</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="82"/>
        <source>No Edge Types Found</source>
        <translation>Keine Randtypen gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="83"/>
        <source>No Bar Types Found</source>
        <translation>Keine Sprossentypen gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="84"/>
        <source>No Colors Found</source>
        <translation>Keine Farben gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="85"/>
        <source>Export Cancelled</source>
        <translation>Export abgebrochen</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="86"/>
        <source>Cannot Find Config File</source>
        <translation>Konfigurationsdatei nicht gefunden</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="87"/>
        <source>Looked for:</source>
        <translation>Gesucht in:</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="88"/>
        <source>Copy the sample configuration</source>
        <translation>Beispielkonfiguration kopieren</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="89"/>
        <source>There is no design to print.</source>
        <translation>Es gibt kein Design zum Drucken.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="90"/>
        <source>Imported designs renamed:</source>
        <translation>Umbenannte importierte Designs:</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="91"/>
        <source>Not in MenuConfig.txt, left empty (pick them again before exporting):</source>
        <translation>Nicht in MenuConfig.txt, leer gelassen (vor dem Export neu wählen):</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="94"/>
        <source>Another Grill Designer is running in this folder: this one keeps no recovery copy.</source>
        <translation>In diesem Ordner läuft schon ein Grill Designer: dieser hier führt keine Wiederherstellungskopie.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="102"/>
        <source>Files Exported to %1</source>
        <translation>Dateien exportiert nach %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="103"/>
        <source>Invalid quantity: %1</source>
        <translation>Ungültige Anzahl: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="104"/>
        <source>Invalid File Name: %1</source>
        <translation>Ungültiger Dateiname: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="105"/>
        <source>Invalid Export Text: %1</source>
        <translation>Ungültiger Exporttext: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="106"/>
        <source>Invalid Bar Positions: %1</source>
        <translation>Ungültige Sprossenpositionen: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="107"/>
        <source>A sample configuration is installed at %1.</source>
        <translation>Eine Beispielkonfiguration liegt unter %1.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="108"/>
        <source>Cannot copy the sample configuration: %1</source>
        <translation>Die Beispielkonfiguration kann nicht kopiert werden: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="109"/>
        <source>Cannot keep a recovery copy in %1</source>
        <translation>Keine Wiederherstellungskopie möglich in %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="110"/>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="111"/>
        <source>No Stock.txt: %1</source>
        <translation>Keine Stock.txt: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="112"/>
        <source>Toolmap not found: %1</source>
        <translation>Werkzeugzuordnung nicht gefunden: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="113"/>
        <source>Stock (%1)</source>
        <translation>Lager (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="114"/>
        <source>Piece (%1)</source>
        <translation>Stück (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="115"/>
        <source>Rest (%1)</source>
        <translation>Rest (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="117"/>
        <source>Width = %1, Height = %2, Inner Width = %3, Inner Height = %4</source>
        <translation>Breite = %1, Höhe = %2, Innenbreite = %3, Innenhöhe = %4</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="120"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="121"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="52"/>
        <location filename="../CuttingPlanWindow.cpp" line="160"/>
        <location filename="../CuttingPlanWindow.cpp" line="202"/>
        <source>Cutting Plan</source>
        <translation>Zuschnittplan</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="61"/>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="62"/>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="63"/>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="64"/>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="65"/>
        <location filename="../PrintMenu.cpp" line="78"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="67"/>
        <source>Cutting plan: %1</source>
        <translation>Zuschnittplan: %1</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="141"/>
        <location filename="../CuttingPlanWindow.cpp" line="148"/>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="143"/>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="149"/>
        <location filename="../DrawingPdf.cpp" line="37"/>
        <location filename="../DrawingPdf.cpp" line="63"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="158"/>
        <source>Looking for the plan with the fewest stock bars...</source>
        <translation>Suche nach dem Plan mit den wenigsten Lagerstangen...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="159"/>
        <source>Use Best So Far</source>
        <translation>Bisher besten nehmen</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="216"/>
        <source>Cutting Plan...</source>
        <translation>Zuschnittplan...</translation>
    </message>
    <message>
        <location filename="../DrawingPdf.cpp" line="32"/>
        <source>There are no pages to write.</source>
        <translation>Es gibt keine Seiten zu schreiben.</translation>
    </message>
    <message>
        <location filename="../DrawingPdf.cpp" line="49"/>
        <source>Cannot start the PDF %1.</source>
        <translation>Das PDF %1 kann nicht begonnen werden.</translation>
    </message>
    <message>
        <location filename="../PagePrinting.cpp" line="37"/>
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
        <location filename="../PrintMenu.cpp" line="65"/>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="72"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="95"/>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="96"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="97"/>
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
        <location filename="../QtDialogHost.cpp" line="160"/>
        <source>Save Job As</source>
        <translation>Auftrag speichern unter</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="35"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="36"/>
        <source>&amp;New Job</source>
        <translation>&amp;Neuer Auftrag</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="38"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="40"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="44"/>
        <source>&amp;Import Designs...</source>
        <translation>Designs &amp;importieren...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="46"/>
        <source>Job &amp;Properties...</source>
        <translation>Auftrags&amp;eigenschaften...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="47"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="49"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="54"/>
        <source>Export &amp;Folder...</source>
        <translation>Export&amp;ordner...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="60"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="63"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="64"/>
        <location filename="../QtMenuBar.cpp" line="100"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="66"/>
        <location filename="../QtMenuBar.cpp" line="103"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Duplicate Design</source>
        <translation>Entwurf &amp;duplizieren</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="73"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="74"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="117"/>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="119"/>
        <source>Untitled[*] - %1</source>
        <translation>Unbenannt[*] – %1</translation>
    </message>
    <message>
        <source>Export &amp;Settings...</source>
        <translation>Export&amp;einstellungen...</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exporteinstellungen</translation>
    </message>
    <message>
        <source>All files in the export folder</source>
        <translation>Alle Dateien in den Exportordner</translation>
    </message>
    <message>
        <source>One folder per job</source>
        <translation>Ein Ordner je Auftrag</translation>
    </message>
    <message>
        <source>%1 was sent to the saw on %2. Send again?</source>
        <translation>%1 wurde am %2 an die Säge gesendet. Erneut senden?</translation>
    </message>
    <message>
        <source>Invalid Job Folder Name: the name is blank</source>
        <translation>Ungültiger Auftragsordner: der Name ist leer</translation>
    </message>
    <message>
        <source>Invalid Job Folder Name: the name holds a control character</source>
        <translation>Ungültiger Auftragsordner: der Name enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>Invalid Job Folder Name: &quot;%1&quot; holds a path separator</source>
        <translation>Ungültiger Auftragsordner: „%1“ enthält ein Pfadtrennzeichen</translation>
    </message>
    <message>
        <source>Invalid Job Folder Name: &quot;%1&quot; would lead out of the export folder</source>
        <translation>Ungültiger Auftragsordner: „%1“ führte aus dem Exportordner hinaus</translation>
    </message>
    <message>
        <source>Print Labels...</source>
        <translation>Etiketten drucken...</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Label sheet:</source>
        <translation>Etikettenbogen:</translation>
    </message>
    <message>
        <source>A4, 3 × 8 labels (63.5 × 33.9 mm)</source>
        <translation>A4, 3 × 8 Etiketten (63,5 × 33,9 mm)</translation>
    </message>
    <message>
        <source>Letter, 3 × 10 labels (2 5/8 × 1 in, Avery 5160)</source>
        <translation>Letter, 3 × 10 Etiketten (2 5/8 × 1 in, Avery 5160)</translation>
    </message>
    <message>
        <source>Roll, 62 mm wide, one label per page</source>
        <translation>Rolle, 62 mm breit, ein Etikett pro Seite</translation>
    </message>
    <message>
        <source>The cutting plan has no pieces to label.</source>
        <translation>Der Zuschnittplan hat keine Teile zum Etikettieren.</translation>
    </message>
</context>
</TS>
