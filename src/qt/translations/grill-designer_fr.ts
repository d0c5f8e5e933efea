<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Catalogue</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Equal Space</source>
        <translation>Régulier</translation>
    </message>
    <message>
        <source>Divided</source>
        <translation>Divisé</translation>
    </message>
    <message>
        <source>Horz Bars</source>
        <translation>Barres horiz.</translation>
    </message>
    <message>
        <source>Vert Bars</source>
        <translation>Barres vert.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Respace Above</source>
        <translation>Répartir au-dessus</translation>
    </message>
    <message>
        <source>Respace Below</source>
        <translation>Répartir au-dessous</translation>
    </message>
    <message>
        <source>Respace Left</source>
        <translation>Répartir à gauche</translation>
    </message>
    <message>
        <source>Respace Right</source>
        <translation>Répartir à droite</translation>
    </message>
    <message>
        <source>Set Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Slider Align</source>
        <translation>Coulissant</translation>
    </message>
    <message>
        <source>Note!!!: Ensure that ALL Window Information is properly set before creating a New Window</source>
        <translation>Attention : réglez TOUTES les informations de la fenêtre avant d’en créer une nouvelle</translation>
    </message>
    <message>
        <source>Window Info</source>
        <translation>Informations de la fenêtre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>PreDesign</source>
        <translation>Modèle type</translation>
    </message>
    <message>
        <source>Side Width</source>
        <translation>Largeur latérale</translation>
    </message>
    <message>
        <source>Cottage Height</source>
        <translation>Hauteur cottage</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Bar Type</source>
        <translation>Type de barre</translation>
    </message>
    <message>
        <source>Edge Type</source>
        <translation>Type de bord</translation>
    </message>
    <message>
        <source>Inside Color</source>
        <translation>Couleur int.</translation>
    </message>
    <message>
        <source>Outside Color</source>
        <translation>Couleur ext.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Master File</source>
        <translation>Fichier maître</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Process Data</source>
        <translation>Traiter</translation>
    </message>
    <message>
        <source>Process All</source>
        <translation>Tout traiter</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Window Editor</source>
        <translation>Éditeur de fenêtre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Window Editor...</source>
        <translation>Éditeur de fenêtre...</translation>
    </message>
    <message>
        <source>&amp;About VarnelWindowDesigner...</source>
        <translation>À &amp;propos de VarnelWindowDesigner...</translation>
    </message>
    <message>
        <source>About VarnelWindowDesigner</source>
        <translation>À propos de VarnelWindowDesigner</translation>
    </message>
    <message>
        <source>VarnelWindowDesigner Version 1.0</source>
        <translation>VarnelWindowDesigner version 1.0</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Ouvrir une commande</translation>
    </message>
    <message>
        <source>Import Designs</source>
        <translation>Importer des modèles</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Input Name</source>
        <translation>Saisissez un nom</translation>
    </message>
    <message>
        <source>Name Already Exists</source>
        <translation>Ce nom existe déjà</translation>
    </message>
    <message>
        <source>Invalid Name</source>
        <translation>Nom non valable</translation>
    </message>
    <message>
        <source>Invalid Width</source>
        <translation>Largeur non valable</translation>
    </message>
    <message>
        <source>Invalid Height</source>
        <translation>Hauteur non valable</translation>
    </message>
    <message>
        <source>Invalid Vertical Sections</source>
        <translation>Nombre de barres verticales non valable</translation>
    </message>
    <message>
        <source>Invalid Horizontal Sections</source>
        <translation>Nombre de barres horizontales non valable</translation>
    </message>
    <message>
        <source>Invalid Quantity</source>
        <translation>Quantité non valable</translation>
    </message>
    <message>
        <source>Invalid quantity</source>
        <translation>Quantité non valable</translation>
    </message>
    <message>
        <source>Invalid Inside Color</source>
        <translation>Couleur intérieure non valable</translation>
    </message>
    <message>
        <source>Invalid Outside Color</source>
        <translation>Couleur extérieure non valable</translation>
    </message>
    <message>
        <source>Invalid Spacing</source>
        <translation>Espacement non valable</translation>
    </message>
    <message>
        <source>Index is not within range</source>
        <translation>La position est hors limites</translation>
    </message>
    <message>
        <source>BarType Not Found</source>
        <translation>Type de barre introuvable</translation>
    </message>
    <message>
        <source>EdgeType Not Found</source>
        <translation>Type de bord introuvable</translation>
    </message>
    <message>
        <source>No Window Selected</source>
        <translation>Aucune fenêtre sélectionnée</translation>
    </message>
    <message>
        <source>No Edge Types Found</source>
        <translation>Aucun type de bord trouvé</translation>
    </message>
    <message>
        <source>No Bar Types Found</source>
        <translation>Aucun type de barre trouvé</translation>
    </message>
    <message>
        <source>No Colors Found</source>
        <translation>Aucune couleur trouvée</translation>
    </message>
    <message>
        <source>Export Cancelled</source>
        <translation>Export annulé</translation>
    </message>
    <message>
        <source>Cannot Find Config File</source>
        <translation>Fichier de configuration introuvable</translation>
    </message>
    <message>
        <source>Looked for:</source>
        <translation>Cherché dans :</translation>
    </message>
    <message>
        <source>Copy the sample configuration</source>
        <translation>Copier la configuration d’exemple</translation>
    </message>
    <message>
        <source>There is no design to print.</source>
        <translation>Il n’y a aucun modèle à imprimer.</translation>
    </message>
    <message>
        <source>Imported designs renamed:</source>
        <translation>Modèles importés renommés :</translation>
    </message>
    <message>
        <source>Not in MenuConfig.txt, left empty (pick them again before exporting):</source>
        <translation>Absents de MenuConfig.txt, laissés vides (à choisir de nouveau avant l’export) :</translation>
    </message>
    <message>
        <source>Another Grill Designer is running in this folder: this one keeps no recovery copy.</source>
        <translation>Un autre Grill Designer fonctionne dans ce dossier : celui-ci ne garde aucune copie de secours.</translation>
    </message>
    <message>
        <source>Files Exported to %1</source>
        <translation>Fichiers exportés dans %1</translation>
    </message>
    <message>
        <source>Invalid quantity: %1</source>
        <translation>Quantité non valable : %1</translation>
    </message>
    <message>
        <source>Invalid File Name: %1</source>
        <translation>Nom de fichier non valable : %1</translation>
    </message>
    <message>
        <source>Invalid Export Text: %1</source>
        <translation>Texte d’export non valable : %1</translation>
    </message>
    <message>
        <source>Invalid Bar Positions: %1</source>
        <translation>Positions de barres non valables : %1</translation>
    </message>
    <message>
        <source>A sample configuration is installed at %1.</source>
        <translation>Une configuration d’exemple est installée dans %1.</translation>
    </message>
    <message>
        <source>Cannot copy the sample configuration: %1</source>
        <translation>Impossible de copier la configuration d’exemple : %1</translation>
    </message>
    <message>
        <source>Cannot keep a recovery copy in %1</source>
        <translation>Impossible de garder une copie de secours dans %1</translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>No Stock.txt: %1</source>
        <translation>Pas de Stock.txt : %1</translation>
    </message>
    <message>
        <source>Toolmap not found: %1</source>
        <translation>Correspondance d’outils introuvable : %1</translation>
    </message>
    <message>
        <source>Stock (%1)</source>
        <translation>Stock (%1)</translation>
    </message>
    <message>
        <source>Piece (%1)</source>
        <translation>Pièce (%1)</translation>
    </message>
    <message>
        <source>Rest (%1)</source>
        <translation>Reste (%1)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Cutting Plan</source>
        <translation>Plan de coupe</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Cutting plan: %1</source>
        <translation>Plan de coupe : %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Looking for the plan with the fewest stock bars...</source>
        <translation>Recherche du plan avec le moins de barres de stock...</translation>
    </message>
    <message>
        <source>Use Best So Far</source>
        <translation>Garder le meilleur</translation>
    </message>
    <message>
        <source>Cutting Plan...</source>
        <translation>Plan de coupe...</translation>
    </message>
    <message>
        <source>There are no pages to write.</source>
        <translation>Il n’y a aucune page à écrire.</translation>
    </message>
    <message>
        <source>Cannot start the PDF %1.</source>
        <translation>Impossible de commencer le PDF %1.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Que voulez-vous imprimer ?</translation>
    </message>
    <message>
        <source>Current design</source>
        <translation>Modèle actuel</translation>
    </message>
    <message>
        <source>Whole job</source>
        <translation>Commande entière</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>A&amp;perçu avant impression...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <source>Export Folder...</source>
        <translation>Dossier d’export...</translation>
    </message>
    <message>
        <source>Export Folder</source>
        <translation>Dossier d’export</translation>
    </message>
    <message>
        <source>Grill jobs (*.grilljob);;All files (*)</source>
        <translation>Commandes de croisillons (*.grilljob);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Job As</source>
        <translation>Enregistrer la commande sous</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Job</source>
        <translation>&amp;Nouvelle commande</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Commandes &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;Import Designs...</source>
        <translation>&amp;Importer des modèles...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Export &amp;Folder...</source>
        <translation>&amp;Dossier d’export...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Untitled[*] - %1</source>
        <translation>Sans titre[*] – %1</translation>
    </message>
</context>
</TS>
