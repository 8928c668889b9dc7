<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>non communiqué</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Conçoit et imprime les étiquettes de vos disquettes.</source>
        <translation>Designs and prints the labels of your floppy disks.</translation>
    </message>
    <message>
        <source>Envoyer un courriel</source>
        <translation>Send an email</translation>
    </message>
    <message>
        <source>Visitez le site officiel de Korvalin</source>
        <translation>Visit the Korvalin website</translation>
    </message>
    <message>
        <source>Soutenez Korvalin par un don</source>
        <translation>Support Korvalin with a donation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Détails...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <source>&amp;Système Info...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>Informations système</source>
        <translation>System Information</translation>
    </message>
    <message>
        <source>A propos %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>- %1 version %2 -</source>
        <translation>- %1 version %2 -</translation>
    </message>
    <message>
        <source>Création d&apos;étiquettes de disquettes au format 3 &quot;1/2.</source>
        <translation>Labels for 3.5&quot; floppy disks.</translation>
    </message>
    <message>
        <source>Auteur : l&apos;équipe de développement de Korvalin</source>
        <translation>Author: the Korvalin developers</translation>
    </message>
    <message>
        <source>Courriel : %1</source>
        <translation>Email: %1</translation>
    </message>
    <message>
        <source>Site web : %1</source>
        <translation>Website: %1</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About Korvalin</translation>
    </message>
    <message>
        <source>Information Systeme introuvable !</source>
        <translation>System information tool not found.</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Korvalin - étalonnage</source>
        <translation>Korvalin - calibration</translation>
    </message>
</context>
<context>
    <name>ChangedFileQuestion</name>
    <message>
        <source>Le fichier %1 a été modifié par un autre programme depuis son ouverture.<byte value="xd"/>
L&apos;enregistrer quand même ?</source>
        <translation>The file %1 has been changed by another program since it was opened.<byte value="xd"/>
Save it anyway?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>l&apos;option %1 demande une valeur</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>choisir --pdf ou --print</source>
        <translation>choose --pdf or --print</translation>
    </message>
    <message>
        <source>--printer va avec --print</source>
        <translation>--printer goes with --print</translation>
    </message>
    <message>
        <source>le nom de l&apos;imprimante est vide</source>
        <translation>the printer name is empty</translation>
    </message>
    <message>
        <source>%1 ne va pas avec --calibration</source>
        <translation>%1 does not go with --calibration</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>l&apos;option %1 demande un nombre entier</source>
        <translation>option %1 needs a whole number</translation>
    </message>
    <message>
        <source>un seul fichier étiquette à la fois</source>
        <translation>only one label file at a time</translation>
    </message>
    <message>
        <source>le style de numérotation est &quot;X&quot; ou &quot;X/X&quot;</source>
        <translation>the numbering style is &quot;X&quot; or &quot;X/X&quot;</translation>
    </message>
    <message>
        <source>aucun fichier étiquette</source>
        <translation>no label file</translation>
    </message>
    <message>
        <source>--position ne va pas avec --start, --count ou --number</source>
        <translation>--position does not go with --start, --count or --number</translation>
    </message>
    <message>
        <source>la position va de 1 à 10</source>
        <translation>the position goes from 1 to 10</translation>
    </message>
    <message>
        <source>la position de départ va de 1 à 10</source>
        <translation>the start position goes from 1 to 10</translation>
    </message>
    <message>
        <source>le numéro de départ va de 0 à %1</source>
        <translation>the start number goes from 0 to %1</translation>
    </message>
    <message>
        <source>numéros de %1 à %2 : la numérotation s&apos;arrête à %3</source>
        <translation>numbers %1 to %2: numbering stops at %3</translation>
    </message>
    <message>
        <source>la page d&apos;étalonnage ne prend pas de fichier étiquette</source>
        <translation>the calibration page takes no label file</translation>
    </message>
    <message>
        <source>Aide détaillée : </source>
        <translation>Full help: </translation>
    </message>
    <message>
        <source>korvalin : %1</source>
        <translation>korvalin: %1</translation>
    </message>
    <message>
        <source>le fichier PDF %1 est le fichier lu %2 : rien n&apos;est écrit</source>
        <translation>the PDF file %1 is the input file %2: nothing was written</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nom lisible (UTF-8 non valide)</source>
        <translation>%1 is not a readable name (invalid UTF-8)</translation>
    </message>
    <message>
        <source>Utilisation :
  korvalin [ETIQUETTE.eti]
      ouvre la fenêtre de création d&apos;étiquette
  korvalin --pdf SORTIE.pdf [options] ETIQUETTE.eti
      imprime dans un fichier PDF (A4 portrait, toute la page imprimable)
  korvalin --print [--printer NOM] [options] ETIQUETTE.eti
      imprime sur une imprimante CUPS (par défaut, celle du système)
  korvalin --calibration --pdf SORTIE.pdf | --print [--printer NOM]
           [--settings FICHIER.PAR]
      imprime la page d&apos;étalonnage : les dix étiquettes aux distances réglées
      et des règles graduées en millimètres, à poser sur une feuille d&apos;étiquettes

Options :
  --settings FICHIER.PAR  marges, séparateurs, cadre et découpe
                          (sinon les valeurs par défaut)
  --position N            une seule étiquette, à la position N (1 à 10)
  --start N --count M     M étiquettes identiques à partir de la position N
                          (par défaut 1 et le reste de la feuille)
  --list LISTE            une étiquette différente par ligne de la liste, à partir
                          de la position --start et sur autant de feuilles qu&apos;il
                          faut : textes 1, 2 et 3 séparés par une tabulation ou
                          un &quot;;&quot;, &quot;\n&quot; pour un saut de ligne ; &quot;-&quot; lit la liste
                          sur l&apos;entrée standard
  --number N              numérote le texte 3 à partir de N (au plus 32766)
  --style X|X/X           numérotation &quot;X&quot; (par défaut) ou &quot;X/X&quot;
  --help                  affiche cette aide
</source>
        <translation>Usage:
  korvalin [LABEL.eti]
      opens the label designer window
  korvalin --pdf OUTPUT.pdf [options] LABEL.eti
      prints into a PDF file (A4 portrait, the whole page printable)
  korvalin --print [--printer NAME] [options] LABEL.eti
      prints on a CUPS printer (by default, the system&apos;s default printer)
  korvalin --calibration --pdf OUTPUT.pdf | --print [--printer NAME]
           [--settings FILE.PAR]
      prints the calibration page: the ten labels at the set distances
      and millimetre rulers, to lay over a sheet of labels

Options:
  --settings FILE.PAR     margins, gaps, frame and cut lines
                          (otherwise the default values)
  --position N            a single label, at position N (1 to 10)
  --start N --count M     M identical labels from position N
                          (by default 1 and the rest of the sheet)
  --list LIST             a different label for each line of the list, from
                          position --start and over as many sheets as it
                          takes: texts 1, 2 and 3 separated by a tab or a
                          &quot;;&quot;, &quot;\n&quot; for a line break; &quot;-&quot; reads the list
                          from standard input
  --number N              numbers text 3 from N (at most 32766)
  --style X|X/X           numbering &quot;X&quot; (the default) or &quot;X/X&quot;
  --help                  shows this help
</translation>
    </message>
    <message>
        <source>--list ne va pas avec --position ou --count</source>
        <translation>--list does not go with --position or --count</translation>
    </message>
    <message>
        <source>la liste %1 ne donne aucune étiquette</source>
        <translation>the list %1 holds no label</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Aide de Korvalin</source>
        <translation>Korvalin Help</translation>
    </message>
    <message>
        <source>&amp;Tapez les premières lettres du mot recherché :</source>
        <translation>&amp;Type the first letters of the word you are looking for:</translation>
    </message>
    <message>
        <source>Rubriques trouvées :</source>
        <translation>Topics found:</translation>
    </message>
    <message>
        <source>&amp;Sommaire</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&lt;p&gt;Le fichier d&apos;aide &lt;b&gt;%1&lt;/b&gt; est introuvable ou illisible.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; is missing or cannot be read.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Visionneuse d&apos;images</source>
        <translation>Picture Viewer</translation>
    </message>
    <message>
        <source>Lecteur :</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>Dossier :</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Sélection :</source>
        <translation>Selection:</translation>
    </message>
    <message>
        <source>Fichiers</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Image agrandie</source>
        <translation>Enlarged picture</translation>
    </message>
    <message>
        <source>Image à la taille de l&apos;étiquette</source>
        <translation>Picture at label size</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Copie l&apos;image sélectionnée en mémoire</source>
        <translation>Copies the selected picture to the clipboard</translation>
    </message>
    <message>
        <source>  (non prêt)</source>
        <translation>  (not ready)</translation>
    </message>
    <message>
        <source>Lecteur non disponible ou non prêt !</source>
        <translation>Drive unavailable or not ready.</translation>
    </message>
</context>
<context>
    <name>LabelFile</name>
    <message>
        <source>Le texte de la zone %1</source>
        <translation>The text of zone %1</translation>
    </message>
    <message>
        <source>Le nom de police de la zone %1</source>
        <translation>The font name of zone %1</translation>
    </message>
    <message>
        <source>%1 contient un saut de ligne.</source>
        <translation>%1 contains a line break.</translation>
    </message>
    <message>
        <source>%1 contient un caractère que le fichier ne peut pas coder.</source>
        <translation>%1 contains a character the file cannot store.</translation>
    </message>
    <message>
        <source>%1 contient la ligne « %2 », que le fichier réserve à sa police.</source>
        <translation>%1 contains the line “%2”, which the file keeps for its font.</translation>
    </message>
    <message>
        <source>Le chemin de l&apos;image</source>
        <translation>The picture&apos;s path</translation>
    </message>
    <message>
        <source>Erreur lors de la sauvegarde du fichier !</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>erreur</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Erreur d&apos;ouverture du fichier</source>
        <translation>The file could not be opened</translation>
    </message>
    <message>
        <source>Fichier icone %1 non trouvé !</source>
        <translation>Picture file %1 not found.</translation>
    </message>
</context>
<context>
    <name>LabelList</name>
    <message>
        <source>Un guillemet n&apos;est pas fermé.</source>
        <translation>A quotation mark is not closed.</translation>
    </message>
    <message>
        <source>La ligne donne plus de trois textes.</source>
        <translation>The line gives more than three texts.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>LabelListPanel</name>
    <message>
        <source>Une étiquette par ligne : textes 1, 2 et 3 séparés par une tabulation ou un « ; », « \n » pour un saut de ligne</source>
        <translation>One label per line: texts 1, 2 and 3 separated by a tab or a &quot;;&quot;, &quot;\n&quot; for a line break</translation>
    </message>
    <message>
        <source>Charger une liste...</source>
        <translation>Load a List...</translation>
    </message>
    <message>
        <source>Sauver la liste...</source>
        <translation>Save the List...</translation>
    </message>
    <message>
        <source>Liste d&apos;étiquettes</source>
        <translation>List of labels</translation>
    </message>
    <message>
        <source>Aucune étiquette</source>
        <translation>No labels</translation>
    </message>
    <message>
        <source>1 étiquette sur 1 feuille</source>
        <translation>1 label on 1 sheet</translation>
    </message>
    <message>
        <source>%1 étiquettes sur 1 feuille</source>
        <translation>%1 labels on 1 sheet</translation>
    </message>
    <message>
        <source>%1 étiquettes sur %2 feuilles</source>
        <translation>%1 labels on %2 sheets</translation>
    </message>
    <message>
        <source>Charger une liste</source>
        <translation>Load a List</translation>
    </message>
    <message>
        <source>Listes (*.txt *.csv)|*.txt;*.csv|Tous les fichiers (*)|*</source>
        <translation>Lists (*.txt *.csv)|*.txt;*.csv|All files (*)|*</translation>
    </message>
    <message>
        <source>Sauver la liste</source>
        <translation>Save the List</translation>
    </message>
    <message>
        <source>Listes (*.txt)|*.txt</source>
        <translation>Lists (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>LabelLoader</name>
    <message>
        <source>Image %1 illisible :</source>
        <translation>Cannot read the picture %1:</translation>
    </message>
</context>
<context>
    <name>LabelModel</name>
    <message>
        <source>la police</source>
        <translation>font change</translation>
    </message>
    <message>
        <source>la couleur</source>
        <translation>color change</translation>
    </message>
    <message>
        <source>l&apos;alignement</source>
        <translation>alignment change</translation>
    </message>
    <message>
        <source>la saisie</source>
        <translation>typing</translation>
    </message>
    <message>
        <source>l&apos;effacement de l&apos;image</source>
        <translation>picture removal</translation>
    </message>
    <message>
        <source>l&apos;image</source>
        <translation>picture change</translation>
    </message>
</context>
<context>
    <name>LabelPlacement</name>
    <message>
        <source>L&apos;étiquette N° %1 sort de la zone imprimable de la page !<byte value="xd"/>%2 : %3 mm</source>
        <translation>Label %1 falls outside the printable area of the page.<byte value="xd"/>%2: %3 mm</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Erreur sur l&apos;imprimante !</source>
        <translation>Printer error.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Création d&apos;étiquette pour disquette 3&quot;1/2</source>
        <translation>Floppy Disk Label Designer</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>INSER</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;Sous...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>Aperçu</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Configurer l&apos;imprimante</source>
        <translation>Printer Setup...</translation>
    </message>
    <message>
        <source>Imprimante en mode Portrait</source>
        <translation>Portrait Orientation</translation>
    </message>
    <message>
        <source>Imprimante en mode Paysage</source>
        <translation>Landscape Orientation</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Sommaire de l&apos;aide</source>
        <translation>Help &amp;Contents</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Rechercher dans l&apos;aide</source>
        <translation>&amp;Search Help...</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About Korvalin</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Icône</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Visualiser les images</source>
        <translation>Browse Pictures</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Cliquez ici pour éditer la zone de texte 1</source>
        <translation>Click here to edit text zone 1</translation>
    </message>
    <message>
        <source>Cliquez ici pour éditer la zone de texte 2</source>
        <translation>Click here to edit text zone 2</translation>
    </message>
    <message>
        <source>Cliquez ici pour éditer la zone de texte 3</source>
        <translation>Click here to edit text zone 3</translation>
    </message>
    <message>
        <source>Zone de texte %1</source>
        <translation>Text zone %1</translation>
    </message>
    <message>
        <source>Double clic pour charger une image</source>
        <translation>Double-click to load a picture</translation>
    </message>
    <message>
        <source>Texte</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Aligne le texte de la zone sélectionée</source>
        <translation>Aligns the text of the selected zone</translation>
    </message>
    <message>
        <source>Gauche</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Droite</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>&amp;Police...</source>
        <translation>F&amp;ont...</translation>
    </message>
    <message>
        <source>Affecte une police de caractère à la zone de texte sélectionnée</source>
        <translation>Sets the font of the selected text zone</translation>
    </message>
    <message>
        <source>&amp;Couleur...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>Logo / Icône</source>
        <translation>Logo / Picture</translation>
    </message>
    <message>
        <source>&amp;Logo Icone</source>
        <translation>&amp;Picture...</translation>
    </message>
    <message>
        <source>Charge une image</source>
        <translation>Loads a picture</translation>
    </message>
    <message>
        <source>&amp;Pas d&apos;icone</source>
        <translation>&amp;No Picture</translation>
    </message>
    <message>
        <source>Efface l&apos;image</source>
        <translation>Removes the picture</translation>
    </message>
    <message>
        <source>&amp;Visualiser les images...</source>
        <translation>&amp;Browse Pictures...</translation>
    </message>
    <message>
        <source>Exécute la visionneuse</source>
        <translation>Opens the picture viewer</translation>
    </message>
    <message>
        <source>Coller l&apos;image</source>
        <translation>Paste Picture</translation>
    </message>
    <message>
        <source>Colle l&apos;image sélectionnée en icône</source>
        <translation>Uses the picture copied in the viewer</translation>
    </message>
    <message>
        <source>Iimprimante </source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Donne un aperçu avant impression</source>
        <translation>Shows the label as it will print</translation>
    </message>
    <message>
        <source>Lance la feuille du paramétrage d&apos;impression</source>
        <translation>Opens the print settings</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>He&amp;lp</translation>
    </message>
    <message>
        <source>Exécute l&apos;aide de Korvalin</source>
        <translation>Opens the Korvalin help</translation>
    </message>
    <message>
        <source>Quitte le programme</source>
        <translation>Quits the program</translation>
    </message>
    <message>
        <source>Au revoir !</source>
        <translation>Goodbye!</translation>
    </message>
    <message>
        <source>Fichiers étiquette (*.ETI)|*.eti</source>
        <translation>Label files (*.ETI)|*.eti</translation>
    </message>
    <message>
        <source>Fichier %1 modifié !<byte value="xd"/>
            Enregistrer le fichier ? </source>
        <translation>The file %1 has changed.<byte value="xd"/>
Save it?</translation>
    </message>
    <message>
        <source>SANS NOM</source>
        <translation>UNTITLED</translation>
    </message>
    <message>
        <source>Création d&apos;une nouvelle étiquette ?<byte value="xd"/>        Confirmer ?</source>
        <translation>Create a new label?<byte value="xd"/>Are you sure?</translation>
    </message>
    <message>
        <source>Création d&apos;une étiquette</source>
        <translation>New Label</translation>
    </message>
    <message>
        <source>Nouveau.eti</source>
        <translation>New.eti</translation>
    </message>
    <message>
        <source>Enregistrer Sous</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Quitter Korvalin</source>
        <translation>Quit Korvalin</translation>
    </message>
    <message>
        <source>Quitter Korvalin<byte value="xd"/>  Confirmez  ?</source>
        <translation>You are about to quit Korvalin.<byte value="xd"/>Are you sure?</translation>
    </message>
    <message>
        <source>Quitter le programme</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ouvrir un icone</source>
        <translation>Open Picture</translation>
    </message>
    <message>
        <source>l&apos;étiquette N° %1</source>
        <translation>label No. %1</translation>
    </message>
    <message>
        <source>%1 étiquettes identiques</source>
        <translation>%1 identical labels</translation>
    </message>
    <message>
        <source>Confirmer l&apos;impression de %1</source>
        <translation>Confirm printing %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>        à partir de l&apos;étiquette N°%1</source>
        <translation><byte value="xd"/>starting at label No. %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>avec incrémentation automatique du texte 3  ?</source>
        <translation><byte value="xd"/>with text 3 numbered automatically?</translation>
    </message>
    <message>
        <source>Impression de %1</source>
        <translation>Printing %1</translation>
    </message>
    <message>
        <source>Nouveau.pdf</source>
        <translation>New.pdf</translation>
    </message>
    <message>
        <source>Enregistrer en PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Fichiers PDF (*.pdf)|*.pdf</source>
        <translation>PDF files (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Etalonnage.pdf</source>
        <translation>Calibration.pdf</translation>
    </message>
    <message>
        <source>Imprimante non disponible</source>
        <translation>Printer unavailable</translation>
    </message>
    <message>
        <source>En cours : Portrait</source>
        <translation>Now: Portrait</translation>
    </message>
    <message>
        <source>En cours : Paysage</source>
        <translation>Now: Landscape</translation>
    </message>
    <message>
        <source>Aucune imprimante</source>
        <translation>No printer</translation>
    </message>
    <message>
        <source>L&apos;orientation de l&apos;imprimante n&apos;a pas pu être changée.</source>
        <translation>The printer&apos;s orientation could not be changed.</translation>
    </message>
    <message>
        <source>Le papier et l&apos;orientation choisis n&apos;ont pas pu être enregistrés.</source>
        <translation>The chosen paper and orientation could not be saved.</translation>
    </message>
    <message>
        <source>Une étiquette non enregistrée a été retrouvée (%1, %2).<byte value="xd"/>
La récupérer ?</source>
        <translation>An unsaved label was found (%1, %2).<byte value="xd"/>
Recover it?</translation>
    </message>
    <message>
        <source>Edition du texte zone %1</source>
        <translation>Zone %1 text</translation>
    </message>
    <message>
        <source>Aligner texte %1</source>
        <translation>Align text %1</translation>
    </message>
    <message>
        <source>?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Affecte une couleur à la police de caractère à la zone de texte sélectionnée</source>
        <translation>Sets the text color of the selected text zone</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire la copie de secours de l&apos;étiquette.</source>
        <translation>Cannot write the recovery copy of the label.</translation>
    </message>
    <message>
        <source>%1 étiquettes de la liste</source>
        <translation>%1 labels of the list</translation>
    </message>
    <message>
        <source>Toutes les images</source>
        <translation>All pictures</translation>
    </message>
    <message>
        <source>Fichiers Icone               (*.ICO)|*.ico|Fichiers curseurs           (*.CUR)|*.cur|Image en mode point    (*.BMP)|*.bmp|Métafichiers Windows  (*.WMF)|*.wmf|Fichier image                (*.GIF)|*.gif|Fichier image                (*.JPG)|*.jpg|Fichier image                (*.PNG)|*.png|Fichier image                (*.SVG)|*.svg</source>
        <translation>Icons (*.ICO)|*.ico|Cursors (*.CUR)|*.cur|Bitmaps (*.BMP)|*.bmp|Windows metafiles (*.WMF)|*.wmf|GIF images (*.GIF)|*.gif|JPEG images (*.JPG)|*.jpg|PNG images (*.PNG)|*.png|SVG images (*.SVG)|*.svg</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Format d&apos;image non supporté !</source>
        <translation>Unsupported picture format.</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>PrintSettingsDialog</name>
    <message>
        <source>%1 Etiquettes identiques</source>
        <translation>%1 identical labels</translation>
    </message>
    <message>
        <source>&amp;Imprimer %1 étiquettes</source>
        <translation>&amp;Print %1 Labels</translation>
    </message>
    <message>
        <source>&amp;Imprimer l&apos;étiquette N° %1</source>
        <translation>&amp;Print Label No. %1</translation>
    </message>
    <message>
        <source>A partir de l&apos;étiquette N°%1</source>
        <translation>Starting at label No. %1</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Paramétrage de l&apos;impression %1</source>
        <translation>Print Settings %1</translation>
    </message>
    <message>
        <source>DEFAUT</source>
        <translation>DEFAULT</translation>
    </message>
    <message>
        <source>Fichiers de configuration (*.PAR)|*.PAR</source>
        <translation>Settings files (*.PAR)|*.PAR</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Feuille A4 ou Personnalisée Etiquettes 70 x 50</source>
        <translation>A4 or Custom Sheet, 70 x 50 Labels</translation>
    </message>
    <message>
        <source>Marges et séparateurs en mm</source>
        <translation>Margins and gaps in mm</translation>
    </message>
    <message>
        <source>Cliquez sur l&apos;étiquette que vous désirez imprimer</source>
        <translation>Click the label you want to print</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Etiquette sélectionnée</source>
        <translation>Selected label</translation>
    </message>
    <message>
        <source>10 Etiquettes identiques</source>
        <translation>10 identical labels</translation>
    </message>
    <message>
        <source>Imprimer cadre</source>
        <translation>Print frame</translation>
    </message>
    <message>
        <source>Imprimer découpe</source>
        <translation>Print cut lines</translation>
    </message>
    <message>
        <source>&amp;Charger des paramètres</source>
        <translation>&amp;Load Settings</translation>
    </message>
    <message>
        <source>&amp;Sauver les paramètres</source>
        <translation>&amp;Save Settings</translation>
    </message>
    <message>
        <source>Paramètres à &amp;Défaut</source>
        <translation>&amp;Default Settings</translation>
    </message>
    <message>
        <source>Configurer l&apos;imp&amp;rimante</source>
        <translation>P&amp;rinter Setup...</translation>
    </message>
    <message>
        <source>Page d&apos;étalonnage</source>
        <translation>Calibration Page</translation>
    </message>
    <message>
        <source>Imprime les contours des étiquettes et des règles, à poser sur une planche pour mesurer les marges</source>
        <translation>Prints the label outlines and rulers, to lay over a sheet and measure the margins</translation>
    </message>
    <message>
        <source>Aperçu</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Imprimer l&apos;étiquette N°</source>
        <translation>&amp;Print Label No.</translation>
    </message>
    <message>
        <source>Etiquettes identiques / Numérotation </source>
        <translation>Identical Labels / Numbering</translation>
    </message>
    <message>
        <source>Nombre d&apos;étiquettes identiques (10 maxi) :</source>
        <translation>Identical labels (10 at most):</translation>
    </message>
    <message>
        <source>Imprimer à partir de l&apos;étiquette N° :</source>
        <translation>Start at label No.:</translation>
    </message>
    <message>
        <source>Incrémentation automatique du texte 3</source>
        <translation>Number text 3 automatically</translation>
    </message>
    <message>
        <source>Numérotation automatique </source>
        <translation>Automatic Numbering</translation>
    </message>
    <message>
        <source>Numéro de disquette de départ :</source>
        <translation>First disk number:</translation>
    </message>
    <message>
        <source>Type d&apos;incrémentation du texte 3</source>
        <translation>How text 3 is numbered</translation>
    </message>
    <message>
        <source>Numéro de disquette : X</source>
        <translation>Disk number: X</translation>
    </message>
    <message>
        <source>Numéro de disquette : X/X</source>
        <translation>Disk number: X/X</translation>
    </message>
    <message>
        <source>Cliquez pour sélectionner</source>
        <translation>Click to select</translation>
    </message>
    <message>
        <source>Nombre d&apos;étiquettes identiques</source>
        <translation>Number of identical labels</translation>
    </message>
    <message>
        <source>Incrémentation du texte 3 lors de l&apos;impression</source>
        <translation>Numbering of text 3 when printing</translation>
    </message>
    <message>
        <source>L&apos;étiquette %1 est déjà utilisée. Imprimer quand même ?</source>
        <translation>Label %1 has been used already. Print anyway?</translation>
    </message>
    <message>
        <source>Les étiquettes %1 sont déjà utilisées. Imprimer quand même ?</source>
        <translation>Labels %1 have been used already. Print anyway?</translation>
    </message>
    <message>
        <source>Etiquettes utilisées : %1</source>
        <translation>Used labels: %1</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Nouvelle feuille</source>
        <translation>New sheet</translation>
    </message>
    <message>
        <source>Une feuille neuve est dans l&apos;imprimante : aucune étiquette n&apos;est utilisée</source>
        <translation>A new sheet is in the printer: no label is used</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>Impression par CUPS indisponible : %1</source>
        <translation>Printing through CUPS is unavailable: %1</translation>
    </message>
    <message>
        <source>Le service d&apos;impression ne répond pas</source>
        <translation>The print service does not answer</translation>
    </message>
    <message>
        <source>Aucune imprimante installée</source>
        <translation>No printer installed</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Paysage</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Configuration de l&apos;impression</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Imprimante</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Nom :</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Taille :</source>
        <translation>&amp;Size:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Fichier PDF</source>
        <translation>PDF file</translation>
    </message>
</context>
<context>
    <name>RunLimits</name>
    <message>
        <source>Nombre maximum d&apos;étiquettes identiques = 10</source>
        <translation>At most 10 identical labels.</translation>
    </message>
    <message>
        <source>Nombre minimum d&apos;étiquettes = 1</source>
        <translation>At least 1 label.</translation>
    </message>
    <message>
        <source>Nombre maximun d&apos;étiquettes = %1<byte value="xd"/> à partir de l&apos;étiquette N° %2</source>
        <translation>At most %1 labels<byte value="xd"/>starting at label No. %2.</translation>
    </message>
</context>
<context>
    <name>SaveReasons</name>
    <message>
        <source>Le fichier est protégé en écriture.</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>Le dossier est protégé en écriture.</source>
        <translation>The folder is write-protected.</translation>
    </message>
    <message>
        <source>Le disque est plein.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Le disque est en lecture seule.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Le dossier n&apos;existe pas.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Le disque signale une erreur.</source>
        <translation>The disk reports an error.</translation>
    </message>
    <message>
        <source>Ce nom désigne un dossier.</source>
        <translation>This name is a folder.</translation>
    </message>
    <message>
        <source>Ce nom ne désigne pas un fichier ordinaire.</source>
        <translation>This name is not a regular file.</translation>
    </message>
    <message>
        <source>Ce nom désigne un disque, sur lequel rien n&apos;est jamais écrit.</source>
        <translation>This name is a disk, and nothing is ever written onto one.</translation>
    </message>
    <message>
        <source>Aucun programme ne lit ce tube.</source>
        <translation>No program is reading this pipe.</translation>
    </message>
    <message>
        <source>Le descripteur %1 n&apos;est pas ouvert.</source>
        <translation>Descriptor %1 is not open.</translation>
    </message>
</context>
<context>
    <name>SheetGeometry</name>
    <message>
        <source>Etiquette%1</source>
        <translation>Label %1</translation>
    </message>
    <message>
        <source>Marge gauche</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>Marge haute</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>Séparateur vertical</source>
        <translation>Vertical gap</translation>
    </message>
    <message>
        <source>Séparateur horizontal</source>
        <translation>Horizontal gap</translation>
    </message>
</context>
<context>
    <name>SheetPreviewDialog</name>
    <message>
        <source>Aperçu de la feuille</source>
        <translation>Sheet Preview</translation>
    </message>
    <message>
        <source>Page &amp;précédente</source>
        <translation>&amp;Previous Page</translation>
    </message>
    <message>
        <source>Page &amp;suivante</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Page %1 / %2</translation>
    </message>
</context>
<context>
    <name>SheetTile</name>
    <message>
        <source>(utilisée)</source>
        <translation>(used)</translation>
    </message>
</context>
<context>
    <name>ZoneDisplay</name>
    <message>
        <source>Le texte dépasse de la zone</source>
        <translation>The text runs past the zone</translation>
    </message>
</context>
<context>
    <name>ZoneLines</name>
    <message>
        <source>Nombre de lignes de texte trop important !</source>
        <translation>Too many lines of text.</translation>
    </message>
</context>
</TS>
