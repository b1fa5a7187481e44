<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>Twain n’est pas disponible sur cet ordinateur</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Imprimante pour la copie</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Image bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.pdf)&quot;.</extracomment>
        <translation>Document PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Mirel</source>
        <comment>name</comment>
        <extracomment>The program&apos;s name in the desktop&apos;s menus. Keep it as it is, unless your language writes names in a script of its own.</extracomment>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Photocopier</source>
        <comment>generic</comment>
        <extracomment>What the program is, under its name in the desktop&apos;s menus.</extracomment>
        <translation>Photocopieur</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Copier des pages avec votre scanner et votre imprimante</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>copie;copier;copieur;photocopie;photocopieur;photocopieuse;numériser;numérisation;scanner;imprimer;imprimante;copy;photocopy;scan;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Sa fenêtre ressemble au panneau de commande d’un photocopieur&#xa0;: réglez le nombre de copies et le taux de reproduction, appuyez sur Copier, et la page part vers l’imprimante ou dans un fichier bitmap.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>Plus de papier dans %1. Ajoutez-en et la copie reprendra.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Bourrage papier dans %1. Dégagez-le et la copie reprendra.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Capot ouvert sur %1. Fermez-le et la copie reprendra.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>Plus de toner ou d’encre dans %1.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Impression sur %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Copie annulée.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Impossible d’annuler la copie&#xa0;: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>Copie non imprimée.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>Copie non imprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Copie retenue par %1&#xa0;: identifiant et mot de passe requis pour l’imprimer.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Copie retenue par %1 jusqu’à sa libération ou l’heure prévue.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Copie retenue par %1 jusqu’à sa libération.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 est en pause&#x202f;; la copie reste en file d’attente.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 est injoignable. La copie reste en file d’attente.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the printer&apos;s name, %2 the printer&apos;s own message.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OptionEditor</name>
    <message>
        <source> px</source>
        <extracomment>Units after a number in the scanner&apos;s settings, with the space before them.</extracomment>
        <translation> px</translation>
    </message>
    <message>
        <source> bit</source>
        <translation> bits</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> ppp</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> µs</source>
        <translation> µs</translation>
    </message>
    <message numerus="yes">
        <source>A table of %n values</source>
        <extracomment>A scanner&apos;s setting too long to edit here, such as a gamma table.</extracomment>
        <translation>
            <numerusform>Un tableau de %n valeur</numerusform>
            <numerusform>Un tableau de %n valeurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Se règle sur le scanner lui-même.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Valeur indiquée par le scanner&#x202f;; elle ne peut pas être modifiée ici.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A driver&apos;s setting as a label before its field; %1 is the driver&apos;s name for it. The colon as the language writes it after a label.</extracomment>
        <translation>%1 :</translation>
    </message>
</context>
<context>
    <name>PageStack</name>
    <message>
        <source>There is not enough room on the disk to keep the scanned pages.</source>
        <translation>L’espace disque est insuffisant pour conserver les pages numérisées.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible de conserver les pages numérisées dans le dossier temporaire&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>Le scanner a fourni une page vide&#x202f;; elle n’a donc pas pu être conservée.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>la page n’a pas pu être compressée</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Impossible de relire la page numérisée %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>son fichier est tronqué</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>son fichier est endommagé</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Copie Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Le système d’impression (CUPS) est injoignable, rien n’a donc été imprimé. Vérifiez que le service CUPS est démarré.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’existe pas, rien n’a donc été imprimé. Choisissez une autre imprimante.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’accepte pas de travaux, rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>Vous n’êtes pas autorisé à imprimer sur «&#xa0;%1&#xa0;», rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>L’imprimante «&#xa0;%1&#xa0;» a refusé la copie (%2), rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>La bibliothèque du système d’impression (libcups) est absente, rien n’a donc été imprimé. Installez le paquet libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>L’imprimante «&#xa0;%1&#xa0;» ne peut pas faire %n copie, rien n’a donc été imprimé.</numerusform>
            <numerusform>L’imprimante «&#xa0;%1&#xa0;» ne peut pas faire %n copies, rien n’a donc été imprimé.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Les pages n’ont pas pu être préparées pour l’impression, rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible d’écrire la copie dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Aucune imprimante n’est installée, rien n’a donc été imprimé. Ajoutez une imprimante dans les paramètres d’impression du système ou choisissez «&#xa0;Imprimer dans un fichier&#xa0;».</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Aucune page numérisée, rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Copie Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>L’impression n’est pas disponible&#xa0;: le module d’impression de Mirel n’a pas pu être chargé.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Impossible d’enregistrer la copie dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>il n’y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>la page est trop grande pour un fichier bitmap</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Le fichier %1 existe déjà. Le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Les fichiers %1 existent déjà. Les remplacer&#x202f;?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Les fichiers %1 et %n autre existent déjà. Les remplacer&#x202f;?</numerusform>
            <numerusform>Les fichiers %1 et %n autres existent déjà. Les remplacer&#x202f;?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Aucune page numérisée, rien n’a donc été enregistré.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Seule la première page a été enregistrée.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Seule %n page, la première, a été enregistrée.</numerusform>
            <numerusform>Seules les %n premières pages ont été enregistrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot; after a reason the system words; %1 is that reason, and the text is the language&apos;s full stop after it.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>ScanArea</name>
    <message>
        <source>A4</source>
        <extracomment>Paper sizes: ISO&apos;s names, and North America&apos;s Letter and Legal.</extracomment>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Légal US</translation>
    </message>
</context>
<context>
    <name>ScanDialog</name>
    <message>
        <source>Scan</source>
        <translation>Numérisation</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Mode couleur</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Numériser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Toutes les feuilles du chargeur</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>Co&amp;pier les pages numérisées</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Un aperçu ferait sortir une feuille du chargeur de documents.</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
</context>
<context>
    <name>ScanFlow</name>
    <message>
        <source>&amp;Scan</source>
        <extracomment>The scan dialog&apos;s default button; &amp; marks its access key.</extracomment>
        <translation>&amp;Numériser</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>Attendre &amp;encore</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Contin&amp;uer avec la feuille suivante</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Réessayer avec la feuille &amp;suivante</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>recherche…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Recherche du scanner…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Le scanner n’a envoyé aucune image.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Arrêt après la page %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Numérisation arrêtée après la page %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Page %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Arrêt de la numérisation…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
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
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>Plus d’&amp;options</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Plus d’options</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Format du papier&#xa0;:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Zone&#xa0;:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Autres réglages</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1 (%2 × %3 mm)</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>The scanner cannot do what was asked of it.</source>
        <translation>Le scanner ne peut pas faire ce qui lui est demandé.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>La numérisation a été arrêtée depuis le scanner.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>Le scanner est occupé. Attendez qu’il se libère, puis réessayez.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>Le scanner n’accepte pas ces réglages de numérisation.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>Le scanner s’est arrêté avant d’avoir transmis toute la page.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Bourrage dans le chargeur de documents</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Le chargeur de documents est vide.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Le capot du scanner est ouvert</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Impossible de communiquer avec le scanner (erreur d’entrée/sortie). Vérifiez son câble et son alimentation.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Mémoire insuffisante pour cette numérisation.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Accès au scanner refusé. Un autre utilisateur ou programme l’utilise peut-être.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>Le scanner a signalé une erreur inconnue (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Numérisation annulée.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>Impossible de démarrer SANE, la bibliothèque de numérisation.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Aucun scanner trouvé. Branchez un scanner et allumez-le, puis choisissez Réessayer.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>Le scanner %1 n’est pas branché. Branchez-le et allumez-le, puis choisissez Réessayer.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Le scanner %1 n’est plus joignable. Vérifiez le réseau et le serveur de numérisation, puis choisissez Réessayer.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Aucun scanner n’est ouvert.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>Le scanner n’a pas de réglage «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>Le réglage «&#xa0;%1&#xa0;» du scanner ne peut pas être modifié pour l’instant.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>Le réglage «&#xa0;%1&#xa0;» du scanner demande une valeur.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>Le réglage «&#xa0;%1&#xa0;» du scanner ne peut pas être appliqué.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>Le scanner a refusé le réglage «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Le scanner n’a envoyé aucune image.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Impossible de récupérer la page auprès du pilote du scanner.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Cette numérisation ferait %1 × %2 pixels (%3&#xa0;Mio), plus que la mémoire de cet ordinateur ne peut en contenir. Choisissez une résolution plus basse.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Cette numérisation ferait %1 × … pixels (%2&#xa0;Mio), plus que la mémoire de cet ordinateur ne peut en contenir. Choisissez une résolution plus basse.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>La page est déjà complète.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Le scanner envoie des images dans un format que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>Le scanner envoie %1 bits par échantillon, ce que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>Le scanner a envoyé une image vide.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>Le scanner a envoyé des lignes plus courtes que la taille de sa propre image.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>Le scanner a envoyé plusieurs images pour une même page.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Les passes de couleur de la numérisation n’ont pas la même taille.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>Le scanner a envoyé des données en dehors d’une image.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>Le scanner a terminé une image qu’il n’avait pas commencée.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Il manque une passe de couleur à la numérisation.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Impossible de démarrer le pilote du scanner.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Le pilote du scanner %1 a cessé de fonctionner (il a été interrompu par le signal %2, %3). Choisissez Réessayer pour le relancer.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Le pilote du scanner a cessé de fonctionner pendant la recherche des scanners (il a été interrompu par le signal %1, %2). Choisissez Réessayer pour le relancer.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Le pilote du scanner %1 a cessé de fonctionner (il s’est terminé avec le code de sortie %2). Choisissez Réessayer pour le relancer.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Le pilote du scanner a cessé de fonctionner pendant la recherche des scanners (il s’est terminé avec le code de sortie %1). Choisissez Réessayer pour le relancer.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Impossible d’enregistrer les réglages choisis pour le scanner dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Zone entière</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Le scanner n’a rien envoyé depuis %n seconde.</numerusform>
            <numerusform>Le scanner n’a rien envoyé depuis %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Le scanner %1 n’est plus joignable&#xa0;: il n’a rien envoyé depuis %n seconde.</numerusform>
            <numerusform>Le scanner %1 n’est plus joignable&#xa0;: il n’a rien envoyé depuis %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>le dossier de configuration</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>il n’y a pas de dossier personnel</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>un autre Mirel le garde verrouillé</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>son fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>aucun fichier temporaire ne peut être créé</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>aucun fichier temporaire ne peut être écrit</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>le fichier ne peut pas être écrit</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Choisir la source</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanners</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Recherche des scanners…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Aucun scanner trouvé.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Numériser depuis&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN est introuvable</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Réduire/Agrandir</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Densité</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Choisir la source</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Imprimante par défaut</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Fait d’un scanner et d’une imprimante un photocopieur&#xa0;: une page numérisée, copiée à la taille choisie ou enregistrée en image bitmap.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Icône de l’application</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE version %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
</context>
</TS>
