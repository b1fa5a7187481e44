<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>Twain není na tomto počítači k dispozici</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Na kterou tiskárnu kopírovat</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Uložit do</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Bitmapa (*.bmp)</translation>
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
        <translation>Kopírka</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Kopírování stránek pomocí skeneru a tiskárny</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>kopírovat;kopie;kopírka;xerox;skenovat;skener;tisk;tisknout;tiskárna;copy;copier;photocopy;scan;scanner;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Okno vypadá jako ovládací panel kopírky: nastavte počet kopií a měřítko, stiskněte tlačítko „Kopie“ a stránka půjde do tiskárny nebo do bitmapového souboru.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>%1: došel papír. Doplňte papír a kopírování bude pokračovat.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>%1: uvíznutý papír. Odstraňte ho a kopírování bude pokračovat.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>%1: otevřený kryt. Zavřete ho a kopírování bude pokračovat.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>%1: došel toner nebo inkoust.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Tisk na %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Kopie byla zrušena.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Kopii se nepodařilo zrušit: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>Kopie nebyla vytištěna.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>Kopie nebyla vytištěna: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Kopie je zadržena na %1. K tisku je potřeba uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Kopie je zadržena na %1. Vytiskne se po uvolnění nebo v určený čas.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Kopie je zadržena na %1. Vytiskne se po uvolnění.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1: tisk pozastaven; kopie čeká ve frontě.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 neodpovídá. Kopie čeká ve frontě.</translation>
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
        <translation> bit</translation>
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
            <numerusform>Tabulka s %n hodnotou</numerusform>
            <numerusform>Tabulka s %n hodnotami</numerusform>
            <numerusform>Tabulka s %n hodnotami</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Nastavuje se přímo na skeneru.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Hodnotu hlásí skener; zde ji nelze změnit.</translation>
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
        <translation>Na disku není dost místa pro uložení naskenovaných stránek.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Naskenované stránky se nepodařilo uložit do dočasné složky: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>Skener vrátil prázdnou stránku, proto ji nelze uložit.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>stránku se nepodařilo zkomprimovat</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Naskenovanou stránku %1 se nepodařilo znovu načíst: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>není dost paměti</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>její soubor je neúplný</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>její soubor je poškozený</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Kopie z programu Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Tiskový systém (CUPS) není dostupný, proto se nic nevytisklo. Ověřte, že služba CUPS běží.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Tiskárna „%1“ neexistuje, proto se nic nevytisklo. Vyberte jinou tiskárnu.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>Tiskárna „%1“ nepřijímá úlohy, proto se nic nevytisklo.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>Nemáte oprávnění tisknout na tiskárně „%1“, proto se nic nevytisklo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>Tiskárna „%1“ kopii odmítla (%2), proto se nic nevytisklo.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>Chybí knihovna tiskového systému (libcups), proto se nic nevytisklo. Nainstalujte balíček libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>Tiskárna „%1“ neumí vytisknout %n kopii, proto se nic nevytisklo.</numerusform>
            <numerusform>Tiskárna „%1“ neumí vytisknout %n kopie, proto se nic nevytisklo.</numerusform>
            <numerusform>Tiskárna „%1“ neumí vytisknout %n kopií, proto se nic nevytisklo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Stránky se nepodařilo připravit k tisku, proto se nic nevytisklo.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic se nezapsalo.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Kopii se nepodařilo zapsat do „%1“: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Není nainstalována žádná tiskárna, proto se nic nevytisklo. Přidejte tiskárnu v systémovém nastavení tiskáren, nebo zvolte „Tisk do souboru“.</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Není k dispozici žádná naskenovaná stránka, proto se nic nevytisklo.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Nic se nevytisklo.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Kopie z programu Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Tisk není k dispozici: tiskový modul programu Mirel se nepodařilo načíst.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Kopii se nepodařilo uložit do „%1“: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>není žádný obrázek k uložení.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>stránka je pro bitmapový soubor příliš velká</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Soubor %1 již existuje. Chcete jej nahradit?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Soubory %1 již existují. Chcete je nahradit?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Soubory %1 a %n další již existují. Chcete je nahradit?</numerusform>
            <numerusform>Soubory %1 a %n další již existují. Chcete je nahradit?</numerusform>
            <numerusform>Soubory %1 a %n dalších již existují. Chcete je nahradit?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Není k dispozici žádná naskenovaná stránka, proto se nic neuložilo.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Uložila se pouze první stránka.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Uložila se pouze první stránka.</numerusform>
            <numerusform>Uložily se pouze první %n stránky.</numerusform>
            <numerusform>Uložilo se pouze prvních %n stránek.</numerusform>
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
        <translation>Letter</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
</context>
<context>
    <name>ScanDialog</name>
    <message>
        <source>Scan</source>
        <translation>Skenování</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozlišení</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Barevný režim</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Náhled</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Skenovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Skener:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Rozlišení:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Barva:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Všechny listy v podavači</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>&amp;Kopírovat naskenované stránky</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Náhled by z podavače dokumentů odebral list.</translation>
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
        <translation>&amp;Skenovat</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opakovat</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>Č&amp;ekat dál</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Pokračovat od dalšího &amp;listu</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Opakovat od &amp;dalšího listu</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>hledá se…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Hledání skeneru…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>žádný</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Stránka %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Skener neposlal žádný obrázek.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Skenování se zastaví po stránce %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Skenování zastaveno po stránce %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Stránka %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Skenování se zastavuje…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Velikost papíru</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Zleva</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Shora</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šířka</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>Další &amp;možnosti</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Další možnosti</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>Velikost &amp;papíru:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Oblast:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Ostatní nastavení</translation>
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
        <translation>Skener nedokáže provést požadovanou akci.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>Skenování bylo zastaveno na skeneru.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>Skener je zaneprázdněn. Počkejte, až se uvolní, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>Skener tato nastavení skenování nepřijímá.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>Skener se zastavil dříve, než dorazila celá stránka.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>V podavači dokumentů uvízl papír</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Podavač dokumentů je prázdný.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Kryt skeneru je otevřený</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Se skenerem nelze komunikovat (chyba vstupu/výstupu). Zkontrolujte kabel a napájení.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Nedostatek paměti: sken se nevejde.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Přístup ke skeneru byl odepřen. Možná ho používá jiný uživatel nebo program.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>Skener ohlásil neznámou chybu (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Skenování zrušeno.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>Knihovnu pro skenování SANE se nepodařilo spustit.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Nebyl nalezen žádný skener. Připojte skener, zapněte ho a klikněte na „Opakovat“.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>Skener %1 není připojen. Připojte ho, zapněte a klikněte na „Opakovat“.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Skener %1 již není dostupný. Zkontrolujte síť a skenovací server a klikněte na „Opakovat“.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Žádný skener není otevřen.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>Skener nemá nastavení „%1“.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>Nastavení skeneru „%1“ nyní nelze změnit.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>Nastavení skeneru „%1“ vyžaduje hodnotu.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>Nastavení skeneru „%1“ nelze provést.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>Skener odmítl nastavení „%1“: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Skener neposlal žádný obrázek.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Stránku se nepodařilo získat z ovladače skeneru.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Tento sken by měl %1 × %2 pixelů (%3 MiB), víc, než pojme paměť tohoto počítače. Zvolte nižší rozlišení.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Tento sken by měl %1 × … pixelů (%2 MiB), víc, než pojme paměť tohoto počítače. Zvolte nižší rozlišení.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>Stránka je již kompletní.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Skener posílá obrázky ve formátu, který tento program neumí přečíst.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>Skener posílá %1bitové vzorky, které tento program neumí přečíst.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>Skener poslal prázdný obrázek.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>Skener poslal řádky kratší, než odpovídá jím udané velikosti obrázku.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>Skener poslal pro jednu stránku více než jeden obrázek.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Barevné průchody skenu se liší velikostí.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>Skener poslal data mimo obrázek.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>Skener ukončil obrázek, který nezačal.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Chybí jeden barevný průchod skenu.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Ovladač skeneru se nepodařilo spustit.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Ovladač skeneru %1 přestal pracovat (byl ukončen signálem %2, %3). Chcete-li ho znovu spustit, klikněte na „Opakovat“.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Ovladač skeneru přestal pracovat při hledání skenerů (byl ukončen signálem %1, %2). Chcete-li ho znovu spustit, klikněte na „Opakovat“.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Ovladač skeneru %1 přestal pracovat (skončil s návratovým kódem %2). Chcete-li ho znovu spustit, klikněte na „Opakovat“.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Ovladač skeneru přestal pracovat při hledání skenerů (skončil s návratovým kódem %1). Chcete-li ho znovu spustit, klikněte na „Opakovat“.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Nastavení skeneru nelze uložit do %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Celá oblast</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Skener už %n sekundu nic neposlal.</numerusform>
            <numerusform>Skener už %n sekundy nic neposlal.</numerusform>
            <numerusform>Skener už %n sekund nic neposlal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Skener %1 již není dostupný: už %n sekundu nic neposlal.</numerusform>
            <numerusform>Skener %1 již není dostupný: už %n sekundy nic neposlal.</numerusform>
            <numerusform>Skener %1 již není dostupný: už %n sekund nic neposlal.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>složky s nastavením</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>neexistuje domovská složka</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>nelze vytvořit jeho složku</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>soubor je jen pro čtení</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>jiný Mirel jej drží zamčený</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>nelze vytvořit jeho zámkový soubor</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>nelze vytvořit dočasný soubor</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>nelze zapsat dočasný soubor</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>soubor nelze zapsat</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Vybrat zdroj</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Skenery</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Hledání skenerů…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Nebyl nalezen žádný skener.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Skenovat z:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opakovat</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN nebyl nalezen</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Počet kopií</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Zmenšit/zvětšit</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Světlejší/tmavší</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Vybrat zdroj</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Tisk na výchozí tiskárnu</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Promění skener a tiskárnu v kopírku: naskenuje stránku a zkopíruje ji v nastaveném měřítku, nebo ji uloží jako bitmapu.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Ikona aplikace</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE verze %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>O aplikaci %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Verze %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;O aplikaci</translation>
    </message>
</context>
</TS>
