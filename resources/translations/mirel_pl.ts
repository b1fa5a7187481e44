<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>Twain jest niedostępny na tym komputerze</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Na której drukarce kopiować</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Zapisz do</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Mapa bitowa (*.bmp)</translation>
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
        <translation>Kserokopiarka</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Kopiowanie stron za pomocą skanera i drukarki</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>kopiuj;kopia;kopiarka;kserokopiarka;ksero;skanuj;skaner;drukuj;drukarka;copy;copier;photocopy;scan;scanner;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Okno programu wygląda jak panel sterowania kopiarki: ustaw liczbę kopii i skalę, naciśnij „Kopiuj”, a strona trafi do drukarki albo do pliku mapy bitowej.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>%1: brak papieru. Włóż papier, a kopiowanie zostanie wznowione.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>%1: zacięcie papieru. Usuń je, a kopiowanie zostanie wznowione.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>%1: otwarta pokrywa. Zamknij ją, a kopiowanie zostanie wznowione.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>%1: brak tonera lub atramentu.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Drukowanie na %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Kopia została anulowana.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Nie udało się anulować kopii: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>Kopia nie została wydrukowana.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>Kopia nie została wydrukowana: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Kopia wstrzymana przez %1. Do wydruku potrzebne są nazwa użytkownika i hasło.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Kopia wstrzymana przez %1. Zostanie wydrukowana po zwolnieniu lub o wyznaczonej porze.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Kopia wstrzymana przez %1. Zostanie wydrukowana po zwolnieniu.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1: drukowanie wstrzymane; kopia czeka w kolejce.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 nie odpowiada. Kopia czeka w kolejce.</translation>
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
            <numerusform>Tabela zawierająca %n wartość</numerusform>
            <numerusform>Tabela zawierająca %n wartości</numerusform>
            <numerusform>Tabela zawierająca %n wartości</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Ustawiane bezpośrednio na skanerze.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Wartość podawana przez skaner; nie można jej tu zmienić.</translation>
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
        <translation>Za mało miejsca na dysku, by przechować zeskanowane strony.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie udało się przechować zeskanowanych stron w katalogu tymczasowym: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>Skaner zwrócił pustą stronę, więc nie można jej przechować.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>nie udało się skompresować strony</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Nie udało się ponownie odczytać zeskanowanej strony %1: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>za mało pamięci</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>jej plik jest niekompletny</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>jej plik jest uszkodzony</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Kopia z programu Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Brak połączenia z systemem drukowania (CUPS), więc nic nie wydrukowano. Sprawdź, czy usługa CUPS jest uruchomiona.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Drukarka „%1” nie istnieje, więc nic nie wydrukowano. Wybierz inną drukarkę.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>Drukarka „%1” nie przyjmuje zadań, więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>Brak uprawnień do drukowania na drukarce „%1”, więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>Drukarka „%1” odrzuciła kopię (%2), więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>Brak biblioteki systemu drukowania (libcups), więc nic nie wydrukowano. Zainstaluj pakiet libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>Drukarka „%1” nie może wykonać %n kopii, więc nic nie wydrukowano.</numerusform>
            <numerusform>Drukarka „%1” nie może wykonać %n kopii, więc nic nie wydrukowano.</numerusform>
            <numerusform>Drukarka „%1” nie może wykonać %n kopii, więc nic nie wydrukowano.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Nie udało się przygotować stron do wydruku, więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zapisano.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać kopii do pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Nie zainstalowano żadnej drukarki, więc nic nie wydrukowano. Dodaj drukarkę w systemowych ustawieniach drukarek albo wybierz „Drukuj do pliku”.</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Brak zeskanowanej strony, więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Kopia z programu Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Drukowanie jest niedostępne: nie udało się wczytać modułu drukowania programu Mirel.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Nie udało się zapisać kopii do pliku „%1”: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>brak obrazu do zapisania.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>strona jest za duża na plik mapy bitowej</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Plik %1 już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Pliki %1 już istnieją. Zastąpić je?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Pliki %1 i %n inny już istnieją. Zastąpić je?</numerusform>
            <numerusform>Pliki %1 i %n inne już istnieją. Zastąpić je?</numerusform>
            <numerusform>Pliki %1 i %n innych już istnieją. Zastąpić je?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Brak zeskanowanej strony, więc nic nie zapisano.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Zapisano tylko pierwszą stronę.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Zapisano tylko pierwszą stronę.</numerusform>
            <numerusform>Zapisano tylko pierwsze %n strony.</numerusform>
            <numerusform>Zapisano tylko pierwszych %n stron.</numerusform>
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
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Tryb koloru</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Podgląd</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Skanuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Skaner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Rozdzielczość:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Kolor:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Wszystkie arkusze z podajnika</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>Kopiuj &amp;zeskanowane strony</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Podgląd pobrałby arkusz z podajnika dokumentów.</translation>
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
        <translation>&amp;Skanuj</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>P&amp;onów</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>Czekaj &amp;dalej</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Kontynuuj od &amp;następnego arkusza</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Ponów od następn&amp;ego arkusza</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>wyszukiwanie…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Wyszukiwanie skanera…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Skaner nie przesłał obrazu.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Skanowanie zatrzyma się po stronie %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Skanowanie zatrzymane po stronie %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Strona %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Zatrzymywanie skanowania…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Niestandardowy</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Rozmiar papieru</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Od lewej</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Od góry</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>Wię&amp;cej opcji</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Więcej opcji</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>Rozmiar p&amp;apieru:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Obszar:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Inne ustawienia</translation>
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
        <translation>Skaner nie może wykonać żądanej operacji.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>Skanowanie zostało zatrzymane na skanerze.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>Skaner jest zajęty. Poczekaj, aż się zwolni, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>Skaner nie akceptuje tych ustawień skanowania.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>Skaner zatrzymał się, zanim przesłał całą stronę.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Zacięcie papieru w podajniku dokumentów</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Podajnik dokumentów jest pusty.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Pokrywa skanera jest otwarta</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Brak połączenia ze skanerem (błąd wejścia/wyjścia). Sprawdź kabel i zasilanie.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Brak pamięci: skan się nie mieści.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Odmowa dostępu do skanera. Być może używa go inny użytkownik lub program.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>Skaner zgłosił nieznany błąd (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Skanowanie anulowane.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>Nie udało się uruchomić biblioteki skanowania SANE.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Nie znaleziono skanera. Podłącz skaner i włącz go, a następnie kliknij „Ponów”.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>Skaner %1 nie jest podłączony. Podłącz go i włącz, a następnie kliknij „Ponów”.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Utracono połączenie ze skanerem %1. Sprawdź sieć i serwer skanowania, a następnie kliknij „Ponów”.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Żaden skaner nie jest otwarty.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>Skaner nie ma ustawienia „%1”.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>Ustawienia skanera „%1” nie można teraz zmienić.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>Ustawienie skanera „%1” wymaga wartości.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>Nie można nadać wartości ustawieniu skanera „%1”.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>Skaner odrzucił ustawienie „%1”: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Skaner nie przesłał obrazu.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Nie udało się pobrać strony ze sterownika skanera.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Ten skan miałby %1 × %2 pikseli (%3 MiB), więcej, niż zmieści pamięć tego komputera. Wybierz niższą rozdzielczość.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Ten skan miałby %1 × … pikseli (%2 MiB), więcej, niż zmieści pamięć tego komputera. Wybierz niższą rozdzielczość.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>Strona jest już kompletna.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Skaner przesyła obrazy w formacie, którego ten program nie potrafi odczytać.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>Skaner przesyła próbki %1-bitowe, których ten program nie potrafi odczytać.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>Skaner przesłał pusty obraz.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>Skaner przesłał linie krótsze, niż wynika z podanego przez niego rozmiaru obrazu.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>Skaner przesłał więcej niż jeden obraz dla jednej strony.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Przebiegi kolorów skanu różnią się rozmiarem.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>Skaner przesłał dane poza obrazem.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>Skaner zakończył obraz, którego nie rozpoczął.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Brakuje jednego przebiegu koloru skanu.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Nie udało się uruchomić sterownika skanera.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Sterownik skanera %1 przestał działać (został zakończony sygnałem %2, %3). Kliknij „Ponów”, aby uruchomić go ponownie.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Sterownik skanera przestał działać podczas wyszukiwania skanerów (został zakończony sygnałem %1, %2). Kliknij „Ponów”, aby uruchomić go ponownie.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Sterownik skanera %1 przestał działać (zakończył się z kodem wyjścia %2). Kliknij „Ponów”, aby uruchomić go ponownie.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Sterownik skanera przestał działać podczas wyszukiwania skanerów (zakończył się z kodem wyjścia %1). Kliknij „Ponów”, aby uruchomić go ponownie.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Nie można zachować ustawień skanera w %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Cały obszar</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Skaner od %n sekundy nic nie przesyła.</numerusform>
            <numerusform>Skaner od %n sekund nic nie przesyła.</numerusform>
            <numerusform>Skaner od %n sekund nic nie przesyła.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Utracono połączenie ze skanerem %1: od %n sekundy nic nie przesyła.</numerusform>
            <numerusform>Utracono połączenie ze skanerem %1: od %n sekund nic nie przesyła.</numerusform>
            <numerusform>Utracono połączenie ze skanerem %1: od %n sekund nic nie przesyła.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>katalogu konfiguracji</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>brak katalogu domowego</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>nie można utworzyć jego katalogu</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>inny Mirel trzyma go zablokowany</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>nie można utworzyć jego pliku blokady</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>nie można utworzyć pliku tymczasowego</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>nie można zapisać pliku tymczasowego</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>nie można zapisać pliku</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Wybierz źródło</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Skanery</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Wyszukiwanie skanerów…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Nie znaleziono skanera.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Skanuj z:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Ponów</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>Nie znaleziono TWAIN</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Liczba kopii</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Zmniejsz/Powiększ</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Jaśniej/Ciemniej</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Wybierz źródło</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Drukuj na domyślnej drukarce</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Zamienia skaner i drukarkę w kserokopiarkę: skanuje stronę i kopiuje ją w ustawionej skali albo zapisuje jako mapę bitową.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Ikona aplikacji</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE w wersji %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;O programie</translation>
    </message>
</context>
</TS>
