<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN is niet beschikbaar op deze computer</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Printer voor de kopie</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Opslaan als</translation>
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
        <translation>Kopieerapparaat</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Pagina’s kopiëren met uw scanner en printer</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>kopie;kopiëren;kopieerapparaat;fotokopie;scannen;scanner;afdrukken;printen;printer;copy;copier;photocopy;scan;print;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Het venster lijkt op het bedieningspaneel van een kopieerapparaat: stel het aantal kopieën en de schaal in, druk op “Kopiëren” en de pagina gaat naar de printer of naar een bitmapbestand.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>Geen papier in %1. Vul papier bij, dan gaat de kopie verder.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Papierstoring in %1. Verhelp de storing, dan gaat de kopie verder.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Klep van %1 staat open. Sluit de klep, dan gaat de kopie verder.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>Toner of inkt van %1 is op.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Afdrukken op %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>De kopie is geannuleerd.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>De kopie kon niet worden geannuleerd: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>De kopie is niet afgedrukt.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>De kopie is niet afgedrukt: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Kopie vastgehouden door %1. Voor afdrukken zijn een gebruikersnaam en wachtwoord nodig.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Kopie vastgehouden door %1. Afdrukken volgt na vrijgave of op het geplande tijdstip.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Kopie vastgehouden door %1. Afdrukken volgt na vrijgave.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 is gepauzeerd; de kopie wacht in de wachtrij.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 is niet bereikbaar. De kopie wacht in de wachtrij.</translation>
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
            <numerusform>Een tabel met %n waarde</numerusform>
            <numerusform>Een tabel met %n waarden</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Wordt op de scanner zelf ingesteld.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Gemeld door de scanner; kan hier niet worden gewijzigd.</translation>
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
        <translation>Er is niet genoeg ruimte op de schijf om de gescande pagina’s te bewaren.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>De gescande pagina’s konden niet in de tijdelijke map worden bewaard: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>De scanner leverde een lege pagina, dus die kon niet worden bewaard.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>de pagina kon niet worden gecomprimeerd</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Gescande pagina %1 kon niet opnieuw worden geladen: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>er is niet genoeg geheugen</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>het bestand is onvolledig</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>het bestand is beschadigd</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Mirel-kopie</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Het afdruksysteem (CUPS) is niet bereikbaar, dus er is niets afgedrukt. Controleer of de CUPS-dienst draait.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>De printer “%1” bestaat niet, dus er is niets afgedrukt. Kies een andere printer.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>De printer “%1” neemt geen taken aan, dus er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>U mag niet afdrukken op “%1”, dus er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>De printer “%1” heeft de kopie geweigerd (%2), dus er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>De bibliotheek van het afdruksysteem (libcups) ontbreekt, dus er is niets afgedrukt. Installeer het pakket libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>De printer “%1” kan geen %n kopie maken, dus er is niets afgedrukt.</numerusform>
            <numerusform>De printer “%1” kan geen %n kopieën maken, dus er is niets afgedrukt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>De pagina’s konden niet worden voorbereid voor afdrukken, dus er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>De kopie kon niet naar “%1” worden geschreven: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Er is geen printer geïnstalleerd, dus er is niets afgedrukt. Voeg een printer toe in de printerinstellingen van het systeem, of kies “Naar bestand afdrukken”.</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Er is geen gescande pagina, dus er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Mirel-kopie</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Afdrukken is niet beschikbaar: de afdrukmodule van Mirel kon niet worden geladen.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>De kopie kon niet worden opgeslagen als “%1”: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>er is geen afbeelding om op te slaan.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>de pagina is te groot voor een bitmapbestand</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Het bestand %1 bestaat al. Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>De bestanden %1 bestaan al. Wilt u ze vervangen?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>De bestanden %1 en nog %n ander bestand bestaan al. Wilt u ze vervangen?</numerusform>
            <numerusform>De bestanden %1 en nog %n andere bestaan al. Wilt u ze vervangen?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Er is geen gescande pagina, dus er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Alleen de eerste pagina is opgeslagen.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Slechts %n pagina is opgeslagen.</numerusform>
            <numerusform>Alleen de eerste %n pagina’s zijn opgeslagen.</numerusform>
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
        <translation>US Letter</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>US Legal</translation>
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
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Kleurmodus</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Scannen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Resolutie:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Kleur:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Alle vellen in de documentinvoer</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>&amp;Gescande pagina’s kopiëren</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Een voorbeeld zou een vel uit de documentinvoer halen.</translation>
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
        <translation>&amp;Opnieuw proberen</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>&amp;Blijven wachten</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>&amp;Doorgaan vanaf het volgende vel</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Opnieuw proberen vanaf het vo&amp;lgende vel</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>wordt gezocht…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Scanner wordt gezocht…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>geen</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>De scanner stuurde geen afbeelding.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Stopt na pagina %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Gestopt na pagina %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Pagina %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Scan wordt gestopt…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformaat</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>&amp;Meer opties</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Meer opties</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Papierformaat:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Gebied:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Overige instellingen</translation>
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
        <translation>De scanner kan niet doen wat er gevraagd werd.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>De scan is op de scanner zelf afgebroken.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>De scanner is bezet. Wacht tot hij vrij is en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>De scanner accepteert deze scaninstellingen niet.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>De scanner stopte voordat de hele pagina binnen was.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Papierstoring in de documentinvoer</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>De documentinvoer is leeg.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Scannerdeksel is open</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>De scanner is niet bereikbaar (invoer-/uitvoerfout). Controleer de kabel en de stroomvoorziening.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Onvoldoende geheugen: de scan past er niet in.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Toegang tot de scanner is geweigerd. Mogelijk is hij in gebruik door een andere gebruiker of een ander programma.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>De scanner meldde een onbekende fout (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Scan geannuleerd.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>SANE, de scanbibliotheek, kon niet worden gestart.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Er is geen scanner gevonden. Sluit een scanner aan, zet hem aan en kies dan “Opnieuw proberen”.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>De scanner %1 is niet aangesloten. Sluit hem aan, zet hem aan en kies dan “Opnieuw proberen”.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>De scanner %1 is niet meer bereikbaar. Controleer het netwerk en de scanserver en kies dan “Opnieuw proberen”.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Er is geen scanner geopend.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>De scanner heeft geen instelling “%1”.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>De scannerinstelling “%1” kan nu niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>De scannerinstelling “%1” heeft een waarde nodig.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>De scannerinstelling “%1” kan niet worden ingesteld.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>De scanner weigerde de instelling “%1”: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>De scanner stuurde geen afbeelding.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>De pagina kon niet van het scannerstuurprogramma worden overgenomen.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Deze scan zou %1 × %2 pixels (%3 MiB) groot worden, meer dan het geheugen van deze computer kan bevatten. Kies een lagere resolutie.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Deze scan zou %1 × … pixels (%2 MiB) groot worden, meer dan het geheugen van deze computer kan bevatten. Kies een lagere resolutie.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>De pagina is al compleet.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>De scanner stuurt afbeeldingen in een formaat dat dit programma niet kan lezen.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>De scanner stuurt %1 bits per sample, wat dit programma niet kan lezen.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>De scanner stuurde een lege afbeelding.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>De scanner stuurde regels die korter zijn dan zijn eigen afbeeldingsbreedte.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>De scanner stuurde meer dan één afbeelding voor een pagina.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>De kleurdoorgangen van de scan verschillen in grootte.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>De scanner stuurde gegevens buiten een afbeelding.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>De scanner beëindigde een afbeelding waarmee hij niet was begonnen.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Er ontbreekt een kleurdoorgang van de scan.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Het scannerstuurprogramma kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Het scannerstuurprogramma voor %1 is uitgevallen (het werd beëindigd door signaal %2, %3). Kies “Opnieuw proberen” om het opnieuw te starten.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Het scannerstuurprogramma is uitgevallen tijdens het zoeken naar scanners (het werd beëindigd door signaal %1, %2). Kies “Opnieuw proberen” om het opnieuw te starten.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Het scannerstuurprogramma voor %1 is uitgevallen (het eindigde met afsluitstatus %2). Kies “Opnieuw proberen” om het opnieuw te starten.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Het scannerstuurprogramma is uitgevallen tijdens het zoeken naar scanners (het eindigde met afsluitstatus %1). Kies “Opnieuw proberen” om het opnieuw te starten.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>De gekozen scannerinstellingen kunnen niet worden bewaard in %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Volledig gebied</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>De scanner heeft al %n seconde niets gestuurd.</numerusform>
            <numerusform>De scanner heeft al %n seconden niets gestuurd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>De scanner %1 is niet meer bereikbaar: hij heeft al %n seconde niets gestuurd.</numerusform>
            <numerusform>De scanner %1 is niet meer bereikbaar: hij heeft al %n seconden niets gestuurd.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>de configuratiemap</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>er is geen persoonlijke map</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>de map ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>een andere Mirel houdt het vergrendeld</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>het vergrendelingsbestand kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>er kan geen tijdelijk bestand worden aangemaakt</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>er kan geen tijdelijk bestand worden geschreven</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>het bestand kan niet worden geschreven</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Bron kiezen</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanners</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Scanners worden gezocht…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Er is geen scanner gevonden.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Scannen vanaf:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opnieuw proberen</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN is niet gevonden</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Kopieën</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Schaal</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Densiteit</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Bron kiezen</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Naar standaardprinter</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Maakt van een scanner en een printer een kopieerapparaat: een pagina wordt gescand en op de ingestelde schaal gekopieerd, of als bitmap opgeslagen.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Programmapictogram</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE-versie %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;Over</translation>
    </message>
</context>
</TS>
