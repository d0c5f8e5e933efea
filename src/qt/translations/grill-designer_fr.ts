<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Régulier</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="13"/>
        <source>Divided</source>
        <translation>Divisé</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="14"/>
        <source>Horz Bars</source>
        <translation>Barres horiz.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="15"/>
        <source>Vert Bars</source>
        <translation>Barres vert.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="16"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="17"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="18"/>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="19"/>
        <source>Respace Above</source>
        <translation>Répartir au-dessus</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="20"/>
        <source>Respace Below</source>
        <translation>Répartir au-dessous</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="21"/>
        <source>Respace Left</source>
        <translation>Répartir à gauche</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="22"/>
        <source>Respace Right</source>
        <translation>Répartir à droite</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="23"/>
        <source>Set Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="24"/>
        <source>Slider Align</source>
        <translation>Coulissant</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="25"/>
        <source>Note!!!: Ensure that ALL Window Information is properly set before creating a New Window</source>
        <translation>Attention : réglez TOUTES les informations de la fenêtre avant d’en créer une nouvelle</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="28"/>
        <source>Window Info</source>
        <translation>Informations de la fenêtre</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="29"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="30"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="31"/>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="32"/>
        <source>Inner Width</source>
        <translation>Largeur int.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="33"/>
        <source>Inner Height</source>
        <translation>Hauteur int.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="34"/>
        <source>PreDesign</source>
        <translation>Modèle type</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="35"/>
        <source>Side Width</source>
        <translation>Largeur latérale</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="36"/>
        <source>Cottage Height</source>
        <translation>Hauteur cottage</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="37"/>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="38"/>
        <source>Millimetres</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="39"/>
        <source>Bar Type</source>
        <translation>Type de barre</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="40"/>
        <source>Edge Type</source>
        <translation>Type de bord</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="41"/>
        <source>Inside Color</source>
        <translation>Couleur int.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="42"/>
        <source>Outside Color</source>
        <translation>Couleur ext.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="43"/>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="44"/>
        <source>Master File</source>
        <translation>Fichier maître</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="45"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="46"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="47"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="48"/>
        <source>Process Data</source>
        <translation>Traiter</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="49"/>
        <source>Process All</source>
        <translation>Tout traiter</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="50"/>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="52"/>
        <source>Window Editor</source>
        <translation>Éditeur de fenêtre</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="56"/>
        <source>Job Properties</source>
        <translation>Propriétés de la commande</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="57"/>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="58"/>
        <source>Order / PO Number</source>
        <translation>N° de commande / bon de commande</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="59"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="60"/>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="151"/>
        <source>Take this plan from stock? Its %1 and %2 are taken out of the inventory, and its %3 added as remnants.</source>
        <translation>Prendre ce plan sur le stock ? Il retire de l’inventaire %1 et %2, et y ajoute %3 comme restes.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="154"/>
        <source>Taken from stock: %1 and %2 used, %3 kept as remnants in %4.</source>
        <translation>Pris sur le stock : %1 et %2 utilisés, %3 gardées comme restes dans %4.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="155"/>
        <source>Cannot take this plan from stock: %1 was not found.</source>
        <translation>Impossible de prendre ce plan sur le stock : %1 est introuvable.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="156"/>
        <source>Cannot take this plan from stock: %1. Plan again.</source>
        <translation>Impossible de prendre ce plan sur le stock : %1. Refaites le plan.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="157"/>
        <source>Cannot take this plan from stock: %1: %2</source>
        <translation>Impossible de prendre ce plan sur le stock : %1 : %2</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="158"/>
        <source>Cannot write %1: %2. Nothing was taken from stock; the inventory is as it was.</source>
        <translation>Impossible d’écrire %1 : %2. Rien n’a été pris sur le stock ; l’inventaire est inchangé.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="161"/>
        <source>Cannot write %1: %2. The take stands.</source>
        <translation>Impossible d’écrire %1 : %2. Le prélèvement reste fait.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="162"/>
        <source>Cannot undo the take: %1 changed since. It is left as it is.</source>
        <translation>Impossible d’annuler le prélèvement : %1 a changé depuis. Il est laissé tel quel.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="163"/>
        <source>Cannot remove %1, which the take made. The take stands.</source>
        <translation>Impossible de supprimer %1, créé par le prélèvement. Le prélèvement reste fait.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="169"/>
        <source>%1 remnant</source>
        <translation>%1 reste</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="170"/>
        <source>%1 remnants</source>
        <translation>%1 restes</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="171"/>
        <source>%1 bar on hand</source>
        <translation>%1 barre en stock</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="172"/>
        <source>%1 bars on hand</source>
        <translation>%1 barres en stock</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="173"/>
        <source>%1 offcut is</source>
        <translation>%1 chute</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="174"/>
        <source>%1 offcuts are</source>
        <translation>%1 chutes</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="175"/>
        <source>%1 offcut</source>
        <translation>%1 chute</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="176"/>
        <source>%1 offcuts</source>
        <translation>%1 chutes</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="54"/>
        <location filename="../QtDialogHost.cpp" line="32"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="66"/>
        <source>Window Editor...</source>
        <translation>Éditeur de fenêtre...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="67"/>
        <source>&amp;About Varnel Grill Designer...</source>
        <translation>À &amp;propos de Varnel Grill Designer...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="68"/>
        <source>About Varnel Grill Designer</source>
        <translation>À propos de Varnel Grill Designer</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="69"/>
        <source>Varnel Grill Designer Version 1.0</source>
        <translation>Varnel Grill Designer version 1.0</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="70"/>
        <source>Open Job</source>
        <translation>Ouvrir une commande</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="71"/>
        <source>Import Designs</source>
        <translation>Importer des modèles</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="72"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="74"/>
        <source>Bar</source>
        <translation>Barre</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="75"/>
        <source>Design</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="76"/>
        <source>Tag</source>
        <translation>Repère</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="78"/>
        <source>Input Name</source>
        <translation>Saisissez un nom</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="79"/>
        <source>Name Already Exists</source>
        <translation>Ce nom existe déjà</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="80"/>
        <source>Invalid Name</source>
        <translation>Nom non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="81"/>
        <source>Invalid Width</source>
        <translation>Largeur non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="82"/>
        <source>Invalid Height</source>
        <translation>Hauteur non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="83"/>
        <source>Invalid Vertical Sections</source>
        <translation>Nombre de barres verticales non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="84"/>
        <source>Invalid Horizontal Sections</source>
        <translation>Nombre de barres horizontales non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="85"/>
        <source>Invalid Quantity</source>
        <translation>Quantité non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="86"/>
        <source>Invalid quantity</source>
        <translation>Quantité non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="87"/>
        <source>Invalid Inside Color</source>
        <translation>Couleur intérieure non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="88"/>
        <source>Invalid Outside Color</source>
        <translation>Couleur extérieure non valable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="89"/>
        <source>Invalid Spacing</source>
        <translation>Espacement non valable</translation>
    </message>
    <message>
        <source>Index is not within range</source>
        <translation type="vanished">La position est hors limites</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="90"/>
        <source>BarType Not Found</source>
        <translation>Type de barre introuvable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="91"/>
        <source>EdgeType Not Found</source>
        <translation>Type de bord introuvable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="92"/>
        <source>No Window Selected</source>
        <translation>Aucune fenêtre sélectionnée</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="93"/>
        <source>No Edge Types Found</source>
        <translation>Aucun type de bord trouvé</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="94"/>
        <source>No Bar Types Found</source>
        <translation>Aucun type de barre trouvé</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="95"/>
        <source>No Colors Found</source>
        <translation>Aucune couleur trouvée</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="96"/>
        <source>Export Cancelled</source>
        <translation>Export annulé</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="97"/>
        <source>Cannot Find Config File</source>
        <translation>Fichier de configuration introuvable</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="98"/>
        <source>Looked for:</source>
        <translation>Cherché dans :</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="99"/>
        <source>Copy the sample configuration</source>
        <translation>Copier la configuration d’exemple</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="100"/>
        <source>There is no design to print.</source>
        <translation>Il n’y a aucun modèle à imprimer.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="101"/>
        <source>Imported designs renamed:</source>
        <translation>Modèles importés renommés :</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="102"/>
        <source>Not in MenuConfig.txt, left empty (pick them again before exporting):</source>
        <translation>Absents de MenuConfig.txt, laissés vides (à choisir de nouveau avant l’export) :</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="105"/>
        <source>Another Grill Designer is running in this folder: this one keeps no recovery copy.</source>
        <translation>Un autre Grill Designer fonctionne dans ce dossier : celui-ci ne garde aucune copie de secours.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="115"/>
        <source>This plan was already taken from stock.</source>
        <translation>Ce plan a déjà été pris sur le stock.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="116"/>
        <source>This plan was not made from Stock.txt, so there is no stock to take it from.</source>
        <translation>Ce plan n’a pas été fait à partir de Stock.txt : il n’y a pas de stock où le prendre.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="119"/>
        <source>Nothing to undo: this plan was not taken from stock.</source>
        <translation>Rien à annuler : ce plan n’a pas été pris sur le stock.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="120"/>
        <source>Undo Take: the inventory is as it was before the take.</source>
        <translation>Prélèvement annulé : l’inventaire est comme avant le prélèvement.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="126"/>
        <source>Files Exported to %1</source>
        <translation>Fichiers exportés dans %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="127"/>
        <source>Invalid quantity: %1</source>
        <translation>Quantité non valable : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="128"/>
        <source>Invalid File Name: %1</source>
        <translation>Nom de fichier non valable : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="129"/>
        <source>Invalid Export Text: %1</source>
        <translation>Texte d’export non valable : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="130"/>
        <source>Invalid Bar Positions: %1</source>
        <translation>Positions de barres non valables : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="131"/>
        <source>A sample configuration is installed at %1.</source>
        <translation>Une configuration d’exemple est installée dans %1.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="132"/>
        <source>Cannot copy the sample configuration: %1</source>
        <translation>Impossible de copier la configuration d’exemple : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="133"/>
        <source>Cannot keep a recovery copy in %1</source>
        <translation>Impossible de garder une copie de secours dans %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="134"/>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="135"/>
        <source>No Stock.txt: %1</source>
        <translation>Pas de Stock.txt : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="136"/>
        <source>Toolmap not found: %1</source>
        <translation>Correspondance d’outils introuvable : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="137"/>
        <source>Stock (%1)</source>
        <translation>Stock (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="138"/>
        <source>Piece (%1)</source>
        <translation>Pièce (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="139"/>
        <source>Rest (%1)</source>
        <translation>Reste (%1)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="141"/>
        <source>Width = %1, Height = %2, Inner Width = %3, Inner Height = %4</source>
        <translation>Largeur = %1, hauteur = %2, largeur intérieure = %3, hauteur intérieure = %4</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="144"/>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="145"/>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="71"/>
        <location filename="../CuttingPlanWindow.cpp" line="227"/>
        <location filename="../CuttingPlanWindow.cpp" line="269"/>
        <source>Cutting Plan</source>
        <translation>Plan de coupe</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="80"/>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="81"/>
        <source>Print Preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="82"/>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="83"/>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="84"/>
        <location filename="../PrintMenu.cpp" line="79"/>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="86"/>
        <source>Cutting plan: %1</source>
        <translation>Plan de coupe : %1</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="208"/>
        <location filename="../CuttingPlanWindow.cpp" line="215"/>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
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
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="225"/>
        <source>Looking for the plan with the fewest stock bars...</source>
        <translation>Recherche du plan avec le moins de barres de stock...</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="226"/>
        <source>Use Best So Far</source>
        <translation>Garder le meilleur</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="285"/>
        <source>Cutting Plan...</source>
        <translation>Plan de coupe...</translation>
    </message>
    <message>
        <location filename="../DrawingPdf.cpp" line="28"/>
        <source>There are no pages to write.</source>
        <translation>Il n’y a aucune page à écrire.</translation>
    </message>
    <message>
        <location filename="../DrawingPdf.cpp" line="45"/>
        <source>Cannot start the PDF %1.</source>
        <translation>Impossible de commencer le PDF %1.</translation>
    </message>
    <message>
        <location filename="../PagePrinting.cpp" line="36"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="32"/>
        <source>What do you want to print?</source>
        <translation>Que voulez-vous imprimer ?</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="35"/>
        <source>Current design</source>
        <translation>Modèle actuel</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="36"/>
        <source>Whole job</source>
        <translation>Commande entière</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="66"/>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="73"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="96"/>
        <source>Print Pre&amp;view...</source>
        <translation>A&amp;perçu avant impression...</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="97"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <location filename="../PrintMenu.cpp" line="98"/>
        <source>&amp;Export PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <location filename="../QtDesigner.cpp" line="64"/>
        <source>Export Folder...</source>
        <translation>Dossier d’export...</translation>
    </message>
    <message>
        <location filename="../QtDesigner.cpp" line="72"/>
        <source>Export Folder</source>
        <translation>Dossier d’export</translation>
    </message>
    <message>
        <location filename="../QtDialogHost.cpp" line="125"/>
        <source>Grill jobs (*.grilljob);;All files (*)</source>
        <translation>Commandes de croisillons (*.grilljob);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../QtDialogHost.cpp" line="168"/>
        <source>Save Job As</source>
        <translation>Enregistrer la commande sous</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="37"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="38"/>
        <source>&amp;New Job</source>
        <translation>&amp;Nouvelle commande</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="40"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="42"/>
        <source>Open &amp;Recent</source>
        <translation>Commandes &amp;récentes</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="46"/>
        <source>&amp;Import Designs...</source>
        <translation>&amp;Importer des modèles...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="48"/>
        <source>Job &amp;Properties...</source>
        <translation>&amp;Propriétés de la commande...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="51"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="53"/>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="58"/>
        <source>Export &amp;Folder...</source>
        <translation>&amp;Dossier d’export...</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="66"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="69"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="70"/>
        <location filename="../QtMenuBar.cpp" line="115"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="72"/>
        <location filename="../QtMenuBar.cpp" line="118"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="75"/>
        <source>&amp;Duplicate Design</source>
        <translation>&amp;Dupliquer le modèle</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="88"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="89"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="133"/>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="143"/>
        <source>Untitled[*] - %1</source>
        <translation>Sans titre[*] – %1</translation>
    </message>
    <message>
        <location filename="../QtMenuBar.cpp" line="60"/>
        <source>Export &amp;Settings...</source>
        <translation>&amp;Réglages d’export...</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="62"/>
        <source>Export Settings</source>
        <translation>Réglages d’export</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="63"/>
        <source>All files in the export folder</source>
        <translation>Tous les fichiers dans le dossier d’export</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="64"/>
        <source>One folder per job</source>
        <translation>Un dossier par commande</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="146"/>
        <source>%1 was sent to the saw on %2. Send again?</source>
        <translation>%1 a été envoyée à la scie le %2. L’envoyer à nouveau ?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="108"/>
        <source>Invalid Job Folder Name: the name is blank</source>
        <translation>Nom de dossier de commande non valable : le nom est vide</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="109"/>
        <source>Invalid Job Folder Name: the name holds a control character</source>
        <translation>Nom de dossier de commande non valable : le nom contient un caractère de contrôle</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="147"/>
        <source>Invalid Job Folder Name: &quot;%1&quot; holds a path separator</source>
        <translation>Nom de dossier de commande non valable : « %1 » contient un séparateur de chemin</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="148"/>
        <source>Invalid Job Folder Name: &quot;%1&quot; would lead out of the export folder</source>
        <translation>Nom de dossier de commande non valable : « %1 » sortirait du dossier d’export</translation>
    </message>
    <message>
        <location filename="../CuttingPlanWindow.cpp" line="88"/>
        <source>Print Labels...</source>
        <translation>Imprimer les étiquettes...</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="74"/>
        <location filename="../LabelPrinting.cpp" line="80"/>
        <source>Print Labels</source>
        <translation>Imprimer les étiquettes</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="28"/>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="35"/>
        <source>Label sheet:</source>
        <translation>Planche d’étiquettes :</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="111"/>
        <source>A4, 3 × 8 labels (63.5 × 33.9 mm)</source>
        <translation>A4, 3 × 8 étiquettes (63,5 × 33,9 mm)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="112"/>
        <source>Letter, 3 × 10 labels (2 5/8 × 1 in, Avery 5160)</source>
        <translation>Letter, 3 × 10 étiquettes (2 5/8 × 1 po, Avery 5160)</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="113"/>
        <source>Roll, 62 mm wide, one label per page</source>
        <translation>Rouleau de 62 mm, une étiquette par page</translation>
    </message>
    <message>
        <location filename="../LabelPrinting.cpp" line="75"/>
        <source>The cutting plan has no pieces to label.</source>
        <translation>Le plan de coupe n’a aucune pièce à étiqueter.</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="18"/>
        <source>Undo Take</source>
        <translation>Annuler le prélèvement</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="21"/>
        <source>Take from Stock...</source>
        <translation>Prendre sur le stock...</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="41"/>
        <source>This plan was taken from stock.</source>
        <translation>Ce plan a été pris sur le stock.</translation>
    </message>
    <message>
        <location filename="../TakeFromStockControls.cpp" line="43"/>
        <source>Take from Stock</source>
        <translation>Prendre sur le stock</translation>
    </message>
</context>
</TS>
