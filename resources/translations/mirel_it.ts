<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>Twain non è disponibile su questo computer</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Stampante per la copia</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Immagine bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.pdf)&quot;.</extracomment>
        <translation>Documento PDF (*.pdf)</translation>
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
        <translation>Fotocopiatrice</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Copia le pagine con il tuo scanner e la tua stampante</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>copia;copiare;copiatrice;fotocopia;fotocopiare;fotocopiatrice;scansione;scansionare;scanner;stampa;stampare;stampante;copy;copier;photocopy;scan;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>La sua finestra somiglia al pannello di controllo di una fotocopiatrice: imposta il numero di copie e la scala, premi Copia e la pagina va alla stampante o in un file bitmap.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>Carta esaurita in %1. Caricarla e la copia riprenderà.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Carta inceppata in %1. Rimuoverla e la copia riprenderà.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Coperchio aperto su %1. Chiuderlo e la copia riprenderà.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>Toner o inchiostro esaurito in %1.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Stampa su %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Copia annullata.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Impossibile annullare la copia: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>Copia non stampata.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>Copia non stampata: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Copia trattenuta da %1: richiede nome utente e password.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Copia trattenuta da %1 fino al rilascio o all&apos;ora prevista.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Copia trattenuta da %1 fino al rilascio.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 è in pausa; la copia attende in coda.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 non è raggiungibile. La copia attende in coda.</translation>
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
            <numerusform>Una tabella di %n valore</numerusform>
            <numerusform>Una tabella di %n valori</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Si imposta sullo scanner stesso.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Valore riportato dallo scanner; non può essere modificato qui.</translation>
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
        <translation>Spazio su disco insufficiente per conservare le pagine scansionate.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile conservare le pagine scansionate nella cartella temporanea: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>Lo scanner ha fornito una pagina vuota, quindi non è stato possibile conservarla.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>non è stato possibile comprimere la pagina</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Impossibile rileggere la pagina scansionata %1: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>il suo file è troncato</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>il suo file è danneggiato</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Copia Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Impossibile raggiungere il sistema di stampa (CUPS), quindi non è stato stampato nulla. Verificare che il servizio CUPS sia in esecuzione.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La stampante «%1» non esiste, quindi non è stato stampato nulla. Scegliere un&apos;altra stampante.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>La stampante «%1» non accetta lavori, quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>Non si dispone dell&apos;autorizzazione a stampare su «%1», quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>La stampante «%1» ha rifiutato la copia (%2), quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>Manca la libreria del sistema di stampa (libcups), quindi non è stato stampato nulla. Installare il pacchetto libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>La stampante «%1» non può eseguire %n copia, quindi non è stato stampato nulla.</numerusform>
            <numerusform>La stampante «%1» non può eseguire %n copie, quindi non è stato stampato nulla.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Non è stato possibile preparare le pagine per la stampa, quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile scrivere la copia in «%1»: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Nessuna stampante installata, quindi non è stato stampato nulla. Aggiungere una stampante nelle impostazioni di stampa del sistema oppure scegliere «Stampa su file».</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Nessuna pagina scansionata, quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Copia Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>La stampa non è disponibile: impossibile caricare il modulo di stampa di Mirel.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Impossibile salvare la copia in «%1»: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>non c&apos;è alcuna immagine da salvare.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>la pagina è troppo grande per un file bitmap</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Il file %1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>I file %1 esistono già. Sostituirli?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>I file %1 e %n altro esistono già. Sostituirli?</numerusform>
            <numerusform>I file %1 e altri %n esistono già. Sostituirli?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Nessuna pagina scansionata, quindi non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>È stata salvata solo la prima pagina.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>È stata salvata solo %n pagina, la prima.</numerusform>
            <numerusform>Sono state salvate solo le prime %n pagine.</numerusform>
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
        <translation>Lettera</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legale</translation>
    </message>
</context>
<context>
    <name>ScanDialog</name>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Modalità colore</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Scansiona</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Risoluzione:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Colore:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Tutti i fogli nell&apos;alimentatore</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>Co&amp;pia le pagine scansionate</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Un&apos;anteprima farebbe uscire un foglio dall&apos;alimentatore di documenti.</translation>
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
        <translation>&amp;Scansiona</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>Continua ad att&amp;endere</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Prose&amp;gui dal foglio successivo</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Riprova dal foglio &amp;successivo</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>ricerca in corso…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Ricerca dello scanner…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Lo scanner non ha inviato alcuna immagine.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Interruzione dopo la pagina %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Scansione interrotta dopo la pagina %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Pagina %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Interruzione della scansione…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Formato carta</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>Altre &amp;opzioni</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Formato carta:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Area:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Altre impostazioni</translation>
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
        <translation>Lo scanner non può eseguire l&apos;operazione richiesta.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>La scansione è stata interrotta dallo scanner stesso.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>Lo scanner è occupato. Attendere che si liberi, poi riprovare.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>Lo scanner non accetta queste impostazioni di scansione.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>Lo scanner si è fermato prima di inviare l&apos;intera pagina.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Inceppamento nell&apos;alimentatore di documenti</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>L&apos;alimentatore di documenti è vuoto.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Il coperchio dello scanner è aperto</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Impossibile raggiungere lo scanner (errore di input/output). Controllarne il cavo e l&apos;alimentazione.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Memoria insufficiente per questa scansione.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Accesso allo scanner negato. Potrebbe essere in uso da parte di un altro utente o programma.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>Lo scanner ha segnalato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Scansione annullata.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>Impossibile avviare SANE, la libreria di scansione.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Nessuno scanner trovato. Collegare uno scanner e accenderlo, poi scegliere Riprova.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>Lo scanner %1 non è collegato. Collegarlo e accenderlo, poi scegliere Riprova.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Lo scanner %1 non è più raggiungibile. Controllare la rete e il server di scansione, poi scegliere Riprova.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Nessuno scanner aperto.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>Lo scanner non ha l&apos;impostazione «%1».</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>L&apos;impostazione «%1» dello scanner non può essere modificata ora.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>L&apos;impostazione «%1» dello scanner richiede un valore.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>L&apos;impostazione «%1» dello scanner non può essere applicata.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>Lo scanner ha rifiutato l&apos;impostazione «%1»: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Lo scanner non ha inviato alcuna immagine.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Impossibile ottenere la pagina dal driver dello scanner.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Questa scansione sarebbe di %1 × %2 pixel (%3 MiB), più di quanto possa contenere la memoria di questo computer. Scegliere una risoluzione più bassa.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Questa scansione sarebbe di %1 × … pixel (%2 MiB), più di quanto possa contenere la memoria di questo computer. Scegliere una risoluzione più bassa.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>La pagina è già completa.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Lo scanner invia immagini in un formato che questo programma non è in grado di leggere.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>Lo scanner invia %1 bit per campione, che questo programma non è in grado di leggere.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>Lo scanner ha inviato un&apos;immagine vuota.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>Lo scanner ha inviato righe più corte della dimensione della sua stessa immagine.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>Lo scanner ha inviato più di un&apos;immagine per una sola pagina.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Le passate di colore della scansione non hanno la stessa dimensione.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>Lo scanner ha inviato dati al di fuori di un&apos;immagine.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>Lo scanner ha terminato un&apos;immagine che non aveva iniziato.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Manca una passata di colore della scansione.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Impossibile avviare il driver dello scanner.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Il driver dello scanner %1 ha smesso di funzionare (è stato terminato dal segnale %2, %3). Scegliere Riprova per riavviarlo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Il driver dello scanner ha smesso di funzionare durante la ricerca degli scanner (è stato terminato dal segnale %1, %2). Scegliere Riprova per riavviarlo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Il driver dello scanner %1 ha smesso di funzionare (è terminato con codice di uscita %2). Scegliere Riprova per riavviarlo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Il driver dello scanner ha smesso di funzionare durante la ricerca degli scanner (è terminato con codice di uscita %1). Scegliere Riprova per riavviarlo.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Impossibile salvare le impostazioni scelte per lo scanner in %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Area intera</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Lo scanner non invia nulla da %n secondo.</numerusform>
            <numerusform>Lo scanner non invia nulla da %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Lo scanner %1 non è più raggiungibile: non invia nulla da %n secondo.</numerusform>
            <numerusform>Lo scanner %1 non è più raggiungibile: non invia nulla da %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>la cartella di configurazione</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>non c’è una cartella personale</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>non è possibile creare la sua cartella</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>un altro Mirel lo tiene bloccato</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>non è possibile creare il suo file di blocco</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>non è possibile creare un file temporaneo</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>non è possibile scrivere un file temporaneo</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>non è possibile scrivere il file</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Seleziona origine</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Ricerca degli scanner…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Nessuno scanner trovato.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Scansiona da:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN non trovato</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Riduci/Ingrandisci</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Densità</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Seleziona origine</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Stampante predefinita</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Trasforma uno scanner e una stampante in una fotocopiatrice: una pagina scansionata, copiata alla scala impostata o salvata come bitmap.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Icona dell&apos;applicazione</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE versione %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;Informazioni</translation>
    </message>
</context>
</TS>
