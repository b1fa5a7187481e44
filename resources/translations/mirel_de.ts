<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN ist auf diesem Computer nicht verfügbar</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Drucker für die Kopie</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.pdf)&quot;.</extracomment>
        <translation>PDF (*.pdf)</translation>
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
        <translation>Fotokopierer</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Seiten mit Scanner und Drucker kopieren</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>kopie;kopieren;kopierer;fotokopie;fotokopierer;scannen;scanner;drucken;drucker;copy;copier;photocopy;scan;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Das Fenster sieht aus wie das Bedienfeld eines Kopierers: Anzahl der Kopien und Maßstab einstellen, „Kopieren“ drücken – und die Seite geht an den Drucker oder in eine Bitmap-Datei.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>Kein Papier in %1. Papier einlegen, dann geht die Kopie weiter.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Papierstau in %1. Stau beseitigen, dann geht die Kopie weiter.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Abdeckung an %1 offen. Abdeckung schließen, dann geht die Kopie weiter.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>Toner oder Tinte in %1 ist leer.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Drucken auf %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Die Kopie wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Die Kopie konnte nicht abgebrochen werden: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>Die Kopie wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>Die Kopie wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Kopie von %1 zurückgehalten. Zum Drucken sind Benutzername und Passwort nötig.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Kopie von %1 zurückgehalten. Sie wird gedruckt, sobald sie freigegeben wird oder ihre Zeit gekommen ist.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Kopie von %1 zurückgehalten. Sie wird gedruckt, sobald sie freigegeben wird.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 ist angehalten; die Kopie wartet in der Warteschlange.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 ist nicht erreichbar. Die Kopie wartet in der Warteschlange.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the printer&apos;s name, %2 the printer&apos;s own message.</extracomment>
        <translation>%1: %2</translation>
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
        <translation> Bit</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
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
            <numerusform>Eine Tabelle mit %n Wert</numerusform>
            <numerusform>Eine Tabelle mit %n Werten</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Wird am Scanner selbst eingestellt.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Vom Scanner gemeldet; kann hier nicht geändert werden.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A driver&apos;s setting as a label before its field; %1 is the driver&apos;s name for it. The colon as the language writes it after a label.</extracomment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>PageStack</name>
    <message>
        <source>There is not enough room on the disk to keep the scanned pages.</source>
        <translation>Auf dem Datenträger ist nicht genug Platz für die gescannten Seiten.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Die gescannten Seiten konnten nicht im temporären Ordner abgelegt werden: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>Der Scanner hat eine leere Seite geliefert, daher konnte sie nicht abgelegt werden.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>die Seite konnte nicht komprimiert werden</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Die gescannte Seite %1 konnte nicht wieder geladen werden: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>es ist nicht genug Arbeitsspeicher frei</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>ihre Datei ist unvollständig</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>ihre Datei ist beschädigt</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Mirel-Kopie</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Das Drucksystem (CUPS) ist nicht erreichbar, daher wurde nichts gedruckt. Prüfen Sie, ob der CUPS-Dienst läuft.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Den Drucker „%1“ gibt es nicht, daher wurde nichts gedruckt. Wählen Sie einen anderen Drucker.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>Sie dürfen nicht auf „%1“ drucken, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>Der Drucker „%1“ hat die Kopie abgelehnt (%2), daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>Die Bibliothek des Drucksystems (libcups) fehlt, daher wurde nichts gedruckt. Installieren Sie das Paket libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>Der Drucker „%1“ kann nicht %n Kopie anfertigen, daher wurde nichts gedruckt.</numerusform>
            <numerusform>Der Drucker „%1“ kann nicht %n Kopien anfertigen, daher wurde nichts gedruckt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Die Seiten konnten nicht für den Druck vorbereitet werden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Die Kopie konnte nicht in „%1“ geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Es ist kein Drucker installiert, daher wurde nichts gedruckt. Fügen Sie in den Druckereinstellungen des Systems einen Drucker hinzu oder wählen Sie „In PDF-Datei drucken“.</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Es gibt keine gescannte Seite, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Mirel-Kopie</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Drucken ist nicht möglich: Das Druckmodul von Mirel konnte nicht geladen werden.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Die Kopie konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>die Seite ist zu groß für eine Bitmap-Datei</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Die Datei %1 existiert bereits. Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Die Dateien %1 existieren bereits. Sollen sie ersetzt werden?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Die Dateien %1 und %n weitere existieren bereits. Sollen sie ersetzt werden?</numerusform>
            <numerusform>Die Dateien %1 und %n weitere existieren bereits. Sollen sie ersetzt werden?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Es gibt keine gescannte Seite, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Nur die erste Seite wurde gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Nur %n Seite wurde gespeichert.</numerusform>
            <numerusform>Nur die ersten %n Seiten wurden gespeichert.</numerusform>
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
        <translation>US-Letter</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>US-Legal</translation>
    </message>
</context>
<context>
    <name>ScanDialog</name>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Farbmodus</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Scannen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Auflösung:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>Alle &amp;Blätter im Vorlageneinzug</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>Gescannte Seiten &amp;kopieren</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Eine Vorschau würde ein Blatt aus dem Vorlageneinzug einziehen.</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
</context>
<context>
    <name>ScanFlow</name>
    <message>
        <source>&amp;Scan</source>
        <extracomment>The scan dialog&apos;s default button; &amp; marks its access key.</extracomment>
        <translation>&amp;Scannen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>&amp;Länger warten</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>&amp;Mit dem nächsten Blatt fortfahren</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Ab dem &amp;nächsten Blatt wiederholen</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>wird gesucht…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Scanner wird gesucht…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Der Scanner hat kein Bild gesendet.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Wird nach Seite %1 angehalten…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Nach Seite %1 angehalten.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Seite %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Scan wird angehalten…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
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
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>Weitere &amp;Optionen</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Papierformat:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Sonstige Einstellungen</translation>
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
        <translation>Der Scanner kann die gewünschte Aktion nicht ausführen.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>Der Scan wurde am Scanner abgebrochen.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>Der Scanner ist belegt. Warten Sie, bis er frei ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>Der Scanner akzeptiert diese Scaneinstellungen nicht.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>Der Scanner hat aufgehört, bevor die ganze Seite übertragen war.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Papierstau im Vorlageneinzug</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Der Vorlageneinzug ist leer.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Scannerdeckel ist offen</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Der Scanner ist nicht erreichbar (Ein-/Ausgabefehler). Prüfen Sie Kabel und Stromversorgung.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Nicht genug Arbeitsspeicher: Der Scan passt nicht hinein.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Der Zugriff auf den Scanner wurde verweigert. Möglicherweise belegt ihn ein anderer Benutzer oder ein anderes Programm.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>Der Scanner hat einen unbekannten Fehler gemeldet (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Scan abgebrochen.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>SANE, die Scan-Bibliothek, konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Es wurde kein Scanner gefunden. Schließen Sie einen Scanner an, schalten Sie ihn ein und wählen Sie dann „Wiederholen“.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>Der Scanner %1 ist nicht angeschlossen. Schließen Sie ihn an, schalten Sie ihn ein und wählen Sie dann „Wiederholen“.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Der Scanner %1 ist nicht mehr erreichbar. Prüfen Sie das Netzwerk und den Scan-Server und wählen Sie dann „Wiederholen“.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Es ist kein Scanner geöffnet.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>Der Scanner hat keine Einstellung „%1“.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>Die Scannereinstellung „%1“ kann jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>Die Scannereinstellung „%1“ braucht einen Wert.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>Die Scannereinstellung „%1“ kann nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>Der Scanner hat die Einstellung „%1“ abgelehnt: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Der Scanner hat kein Bild gesendet.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Die Seite konnte nicht vom Scannertreiber übernommen werden.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Dieser Scan hätte %1 × %2 Pixel (%3 MiB) – mehr, als der Arbeitsspeicher dieses Computers fassen kann. Wählen Sie eine niedrigere Auflösung.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Dieser Scan hätte %1 × … Pixel (%2 MiB) – mehr, als der Arbeitsspeicher dieses Computers fassen kann. Wählen Sie eine niedrigere Auflösung.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>Die Seite ist bereits vollständig.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Der Scanner sendet Bilder in einem Format, das dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>Der Scanner sendet %1 Bit pro Abtastwert, was dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>Der Scanner hat ein leeres Bild gesendet.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>Der Scanner hat Zeilen gesendet, die kürzer sind als seine eigene Bildbreite.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>Der Scanner hat für eine Seite mehr als ein Bild gesendet.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Die Farbdurchgänge des Scans sind unterschiedlich groß.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>Der Scanner hat Daten außerhalb eines Bildes gesendet.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>Der Scanner hat ein Bild beendet, das er nicht begonnen hatte.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Ein Farbdurchgang des Scans fehlt.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Der Scannertreiber konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Der Scannertreiber für %1 ist ausgefallen (er wurde durch Signal %2, %3 beendet). Wählen Sie „Wiederholen“, um ihn neu zu starten.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Der Scannertreiber ist bei der Suche nach Scannern ausgefallen (er wurde durch Signal %1, %2 beendet). Wählen Sie „Wiederholen“, um ihn neu zu starten.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Der Scannertreiber für %1 ist ausgefallen (er wurde mit Exit-Status %2 beendet). Wählen Sie „Wiederholen“, um ihn neu zu starten.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Der Scannertreiber ist bei der Suche nach Scannern ausgefallen (er wurde mit Exit-Status %1 beendet). Wählen Sie „Wiederholen“, um ihn neu zu starten.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Die gewählten Scannereinstellungen können nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Gesamter Bereich</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Der Scanner hat seit %n Sekunde nichts gesendet.</numerusform>
            <numerusform>Der Scanner hat seit %n Sekunden nichts gesendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Der Scanner %1 ist nicht mehr erreichbar: Er hat seit %n Sekunde nichts gesendet.</numerusform>
            <numerusform>Der Scanner %1 ist nicht mehr erreichbar: Er hat seit %n Sekunden nichts gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>dem Konfigurationsordner</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>es gibt keinen persönlichen Ordner</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>ein anderes Mirel hält sie gesperrt</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>ihre Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>es kann keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>es kann keine temporäre Datei geschrieben werden</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Quelle wählen</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Scanner werden gesucht…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Es wurde kein Scanner gefunden.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Scannen von:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Quelle wählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Auf Standarddrucker</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Macht aus einem Scanner und einem Drucker einen Fotokopierer: Eine Seite wird gescannt und im eingestellten Maßstab kopiert oder als Bitmap gespeichert.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE-Version %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;Über</translation>
    </message>
</context>
</TS>
