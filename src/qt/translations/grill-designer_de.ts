<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Equal Space</source>
        <translation>Gleichmäßig</translation>
    </message>
    <message>
        <source>Divided</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Horz Bars</source>
        <translation>Waagrechte</translation>
    </message>
    <message>
        <source>Vert Bars</source>
        <translation>Senkrechte</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Respace Above</source>
        <translation>Oben neu teilen</translation>
    </message>
    <message>
        <source>Respace Below</source>
        <translation>Unten neu teilen</translation>
    </message>
    <message>
        <source>Respace Left</source>
        <translation>Links neu teilen</translation>
    </message>
    <message>
        <source>Respace Right</source>
        <translation>Rechts neu teilen</translation>
    </message>
    <message>
        <source>Set Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Slider Align</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <source>Note!!!: Ensure that ALL Window Information is properly set before creating a New Window</source>
        <translation>Achtung: Vor dem Anlegen eines neuen Fensters ALLE Fensterangaben richtig setzen</translation>
    </message>
    <message>
        <source>Window Info</source>
        <translation>Fensterangaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>PreDesign</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Side Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Cottage Height</source>
        <translation>Cottage-Höhe</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Bar Type</source>
        <translation>Sprossentyp</translation>
    </message>
    <message>
        <source>Edge Type</source>
        <translation>Randtyp</translation>
    </message>
    <message>
        <source>Inside Color</source>
        <translation>Farbe innen</translation>
    </message>
    <message>
        <source>Outside Color</source>
        <translation>Farbe außen</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Master File</source>
        <translation>Sammeldatei</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Process Data</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Process All</source>
        <translation>Alle export.</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Window Editor</source>
        <translation>Fenstereditor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Window Editor...</source>
        <translation>Fenstereditor...</translation>
    </message>
    <message>
        <source>&amp;About VarnelWindowDesigner...</source>
        <translation>Ü&amp;ber VarnelWindowDesigner...</translation>
    </message>
    <message>
        <source>About VarnelWindowDesigner</source>
        <translation>Über VarnelWindowDesigner</translation>
    </message>
    <message>
        <source>VarnelWindowDesigner Version 1.0</source>
        <translation>VarnelWindowDesigner Version 1.0</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Auftrag öffnen</translation>
    </message>
    <message>
        <source>Import Designs</source>
        <translation>Designs importieren</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Stange</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Input Name</source>
        <translation>Bitte einen Namen eingeben</translation>
    </message>
    <message>
        <source>Name Already Exists</source>
        <translation>Der Name ist schon vergeben</translation>
    </message>
    <message>
        <source>Invalid Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>Invalid Width</source>
        <translation>Ungültige Breite</translation>
    </message>
    <message>
        <source>Invalid Height</source>
        <translation>Ungültige Höhe</translation>
    </message>
    <message>
        <source>Invalid Vertical Sections</source>
        <translation>Ungültige Zahl senkrechter Sprossen</translation>
    </message>
    <message>
        <source>Invalid Horizontal Sections</source>
        <translation>Ungültige Zahl waagrechter Sprossen</translation>
    </message>
    <message>
        <source>Invalid Quantity</source>
        <translation>Ungültige Anzahl</translation>
    </message>
    <message>
        <source>Invalid quantity</source>
        <translation>Ungültige Anzahl</translation>
    </message>
    <message>
        <source>Invalid Inside Color</source>
        <translation>Ungültige Farbe innen</translation>
    </message>
    <message>
        <source>Invalid Outside Color</source>
        <translation>Ungültige Farbe außen</translation>
    </message>
    <message>
        <source>Invalid Spacing</source>
        <translation>Ungültiger Abstand</translation>
    </message>
    <message>
        <source>Index is not within range</source>
        <translation>Die Position liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>BarType Not Found</source>
        <translation>Sprossentyp nicht gefunden</translation>
    </message>
    <message>
        <source>EdgeType Not Found</source>
        <translation>Randtyp nicht gefunden</translation>
    </message>
    <message>
        <source>No Window Selected</source>
        <translation>Kein Fenster ausgewählt</translation>
    </message>
    <message>
        <source>No Edge Types Found</source>
        <translation>Keine Randtypen gefunden</translation>
    </message>
    <message>
        <source>No Bar Types Found</source>
        <translation>Keine Sprossentypen gefunden</translation>
    </message>
    <message>
        <source>No Colors Found</source>
        <translation>Keine Farben gefunden</translation>
    </message>
    <message>
        <source>Export Cancelled</source>
        <translation>Export abgebrochen</translation>
    </message>
    <message>
        <source>Cannot Find Config File</source>
        <translation>Konfigurationsdatei nicht gefunden</translation>
    </message>
    <message>
        <source>Looked for:</source>
        <translation>Gesucht in:</translation>
    </message>
    <message>
        <source>Copy the sample configuration</source>
        <translation>Beispielkonfiguration kopieren</translation>
    </message>
    <message>
        <source>There is no design to print.</source>
        <translation>Es gibt kein Design zum Drucken.</translation>
    </message>
    <message>
        <source>Imported designs renamed:</source>
        <translation>Umbenannte importierte Designs:</translation>
    </message>
    <message>
        <source>Not in MenuConfig.txt, left empty (pick them again before exporting):</source>
        <translation>Nicht in MenuConfig.txt, leer gelassen (vor dem Export neu wählen):</translation>
    </message>
    <message>
        <source>Another Grill Designer is running in this folder: this one keeps no recovery copy.</source>
        <translation>In diesem Ordner läuft schon ein Grill Designer: dieser hier führt keine Wiederherstellungskopie.</translation>
    </message>
    <message>
        <source>Files Exported to %1</source>
        <translation>Dateien exportiert nach %1</translation>
    </message>
    <message>
        <source>Invalid quantity: %1</source>
        <translation>Ungültige Anzahl: %1</translation>
    </message>
    <message>
        <source>Invalid File Name: %1</source>
        <translation>Ungültiger Dateiname: %1</translation>
    </message>
    <message>
        <source>Invalid Export Text: %1</source>
        <translation>Ungültiger Exporttext: %1</translation>
    </message>
    <message>
        <source>Invalid Bar Positions: %1</source>
        <translation>Ungültige Sprossenpositionen: %1</translation>
    </message>
    <message>
        <source>A sample configuration is installed at %1.</source>
        <translation>Eine Beispielkonfiguration liegt unter %1.</translation>
    </message>
    <message>
        <source>Cannot copy the sample configuration: %1</source>
        <translation>Die Beispielkonfiguration kann nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Cannot keep a recovery copy in %1</source>
        <translation>Keine Wiederherstellungskopie möglich in %1</translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>No Stock.txt: %1</source>
        <translation>Keine Stock.txt: %1</translation>
    </message>
    <message>
        <source>Toolmap not found: %1</source>
        <translation>Werkzeugzuordnung nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Stock (%1)</source>
        <translation>Lager (%1)</translation>
    </message>
    <message>
        <source>Piece (%1)</source>
        <translation>Stück (%1)</translation>
    </message>
    <message>
        <source>Rest (%1)</source>
        <translation>Rest (%1)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Cutting Plan</source>
        <translation>Zuschnittplan</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Cutting plan: %1</source>
        <translation>Zuschnittplan: %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Looking for the plan with the fewest stock bars...</source>
        <translation>Suche nach dem Plan mit den wenigsten Lagerstangen...</translation>
    </message>
    <message>
        <source>Use Best So Far</source>
        <translation>Bisher besten nehmen</translation>
    </message>
    <message>
        <source>Cutting Plan...</source>
        <translation>Zuschnittplan...</translation>
    </message>
    <message>
        <source>There are no pages to write.</source>
        <translation>Es gibt keine Seiten zu schreiben.</translation>
    </message>
    <message>
        <source>Cannot start the PDF %1.</source>
        <translation>Das PDF %1 kann nicht begonnen werden.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Was möchten Sie drucken?</translation>
    </message>
    <message>
        <source>Current design</source>
        <translation>Aktuelles Design</translation>
    </message>
    <message>
        <source>Whole job</source>
        <translation>Ganzer Auftrag</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export Folder...</source>
        <translation>Exportordner...</translation>
    </message>
    <message>
        <source>Export Folder</source>
        <translation>Exportordner</translation>
    </message>
    <message>
        <source>Grill jobs (*.grilljob);;All files (*)</source>
        <translation>Sprossenaufträge (*.grilljob);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Job As</source>
        <translation>Auftrag speichern unter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Job</source>
        <translation>&amp;Neuer Auftrag</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Import Designs...</source>
        <translation>Designs &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Export &amp;Folder...</source>
        <translation>Export&amp;ordner...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Untitled[*] - %1</source>
        <translation>Unbenannt[*] – %1</translation>
    </message>
</context>
</TS>
