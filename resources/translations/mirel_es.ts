<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>Twain no está disponible en este ordenador</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Impresora para la copia</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Mapa de bits (*.bmp)</translation>
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
        <translation>Fotocopiadora</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Copiar páginas con su escáner y su impresora</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>copia;copiar;copiadora;fotocopia;fotocopiar;fotocopiadora;escanear;escáner;escaner;imprimir;impresora;copy;copier;photocopy;scan;scanner;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Su ventana se parece al panel de control de una fotocopiadora: elija el número de copias y la escala, pulse Copiar y la página irá a la impresora o a un archivo de mapa de bits.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>Sin papel en %1. Cargue papel y la copia continuará.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Atasco de papel en %1. Elimínelo y la copia continuará.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Tapa abierta en %1. Ciérrela y la copia continuará.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>Tóner o tinta agotados en %1.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Imprimiendo en %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Copia cancelada.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>No se ha podido cancelar la copia: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>La copia no se ha impreso.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>La copia no se ha impreso: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Copia retenida por %1: necesita usuario y contraseña para imprimirse.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Copia retenida por %1 hasta que se libere o llegue su hora.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Copia retenida por %1 hasta que se libere.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 está en pausa; la copia espera en la cola.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 no está accesible. La copia espera en la cola.</translation>
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
            <numerusform>Una tabla de %n valor</numerusform>
            <numerusform>Una tabla de %n valores</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Se ajusta en el propio escáner.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Valor indicado por el escáner; no se puede cambiar aquí.</translation>
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
        <translation>No hay espacio suficiente en el disco para guardar las páginas escaneadas.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se han podido guardar las páginas escaneadas en la carpeta temporal: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>El escáner ha entregado una página vacía, por lo que no se ha podido guardar.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>no se ha podido comprimir la página</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>No se ha podido volver a leer la página escaneada %1: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>su archivo está truncado</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>su archivo está dañado</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Copia de Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>No se puede conectar con el sistema de impresión (CUPS), por lo que no se ha imprimido nada. Compruebe que el servicio CUPS está en marcha.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La impresora «%1» no existe, por lo que no se ha imprimido nada. Elija otra impresora.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>La impresora «%1» no acepta trabajos, por lo que no se ha imprimido nada.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>No tiene permiso para imprimir en «%1», por lo que no se ha imprimido nada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>La impresora «%1» ha rechazado la copia (%2), por lo que no se ha imprimido nada.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>Falta la biblioteca del sistema de impresión (libcups), por lo que no se ha imprimido nada. Instale el paquete libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>La impresora «%1» no puede hacer %n copia, por lo que no se ha imprimido nada.</numerusform>
            <numerusform>La impresora «%1» no puede hacer %n copias, por lo que no se ha imprimido nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>No se han podido preparar las páginas para imprimirlas, por lo que no se ha imprimido nada.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido escribir la copia en «%1»: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>No hay ninguna impresora instalada, por lo que no se ha imprimido nada. Añada una impresora en la configuración de impresoras del sistema o elija «Imprimir a archivo».</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>No hay ninguna página escaneada, por lo que no se ha imprimido nada.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>No se ha imprimido nada.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Copia de Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>La impresión no está disponible: no se ha podido cargar el módulo de impresión de Mirel.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>No se ha podido guardar la copia en «%1»: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>no hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>la página es demasiado grande para un archivo de mapa de bits</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>El archivo %1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Los archivos %1 ya existen. ¿Desea reemplazarlos?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Los archivos %1 y %n más ya existen. ¿Desea reemplazarlos?</numerusform>
            <numerusform>Los archivos %1 y %n más ya existen. ¿Desea reemplazarlos?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>No hay ninguna página escaneada, por lo que no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Solo se ha guardado la primera página.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Solo se ha guardado %n página, la primera.</numerusform>
            <numerusform>Solo se han guardado las %n primeras páginas.</numerusform>
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
        <translation>Carta</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Oficio</translation>
    </message>
</context>
<context>
    <name>ScanDialog</name>
    <message>
        <source>Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Modo de color</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Escanear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Escáner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Resolución:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Todas las hojas del alimentador</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>Cop&amp;iar las páginas escaneadas</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Una vista previa sacaría una hoja del alimentador de documentos.</translation>
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
        <translation>&amp;Escanear</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>&amp;Seguir esperando</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Se&amp;guir desde la hoja siguiente</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Reintentar desde la hoja &amp;siguiente</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>buscando…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Buscando el escáner…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>El escáner no ha enviado ninguna imagen.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Deteniendo tras la página %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Escaneo detenido tras la página %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Página %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Deteniendo el escaneo…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>&amp;Más opciones</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>Tamaño del &amp;papel:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Área:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Otros ajustes</translation>
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
        <translation>El escáner no puede hacer lo que se le ha pedido.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>El escaneo se ha detenido desde el propio escáner.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>El escáner está ocupado. Espere a que quede libre y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>El escáner no acepta estos ajustes de escaneo.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>El escáner se ha detenido antes de enviar la página completa.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Atasco en el alimentador de documentos</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>El alimentador de documentos está vacío.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>La tapa del escáner está abierta</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>No se ha podido conectar con el escáner (error de entrada/salida). Compruebe el cable y la alimentación.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Memoria insuficiente para este escaneo.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Se ha denegado el acceso al escáner. Puede que otro usuario o programa lo esté usando.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>El escáner ha informado de un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Escaneo cancelado.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>No se ha podido iniciar SANE, la biblioteca de escaneo.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>No se ha encontrado ningún escáner. Conecte un escáner y enciéndalo; después elija Reintentar.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>El escáner %1 no está conectado. Conéctelo y enciéndalo; después elija Reintentar.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Ya no se puede conectar con el escáner %1. Compruebe la red y el servidor de escaneo; después elija Reintentar.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>No hay ningún escáner abierto.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>El escáner no tiene el ajuste «%1».</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>El ajuste «%1» del escáner no se puede cambiar ahora.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>El ajuste «%1» del escáner necesita un valor.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>No se puede aplicar el ajuste «%1» del escáner.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>El escáner ha rechazado el ajuste «%1»: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>El escáner no ha enviado ninguna imagen.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>No se ha podido obtener la página del controlador del escáner.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Este escaneo tendría %1 × %2 píxeles (%3 MiB), más de lo que cabe en la memoria de este ordenador. Elija una resolución más baja.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Este escaneo tendría %1 × … píxeles (%2 MiB), más de lo que cabe en la memoria de este ordenador. Elija una resolución más baja.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>La página ya está completa.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>El escáner envía imágenes en un formato que este programa no puede leer.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>El escáner envía %1 bits por muestra, algo que este programa no puede leer.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>El escáner ha enviado una imagen vacía.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>El escáner ha enviado líneas más cortas que el tamaño de su propia imagen.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>El escáner ha enviado más de una imagen para una sola página.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Las pasadas de color del escaneo no tienen el mismo tamaño.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>El escáner ha enviado datos fuera de una imagen.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>El escáner ha terminado una imagen que no había empezado.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Falta una pasada de color del escaneo.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>No se ha podido iniciar el controlador del escáner.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>El controlador del escáner %1 ha dejado de funcionar (ha sido terminado por la señal %2, %3). Elija Reintentar para volver a iniciarlo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>El controlador del escáner ha dejado de funcionar mientras buscaba escáneres (ha sido terminado por la señal %1, %2). Elija Reintentar para volver a iniciarlo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>El controlador del escáner %1 ha dejado de funcionar (ha terminado con el código de salida %2). Elija Reintentar para volver a iniciarlo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>El controlador del escáner ha dejado de funcionar mientras buscaba escáneres (ha terminado con el código de salida %1). Elija Reintentar para volver a iniciarlo.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>No se pueden guardar los ajustes elegidos para el escáner en %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Área completa</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>El escáner lleva %n segundo sin enviar nada.</numerusform>
            <numerusform>El escáner lleva %n segundos sin enviar nada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Ya no se puede conectar con el escáner %1: lleva %n segundo sin enviar nada.</numerusform>
            <numerusform>Ya no se puede conectar con el escáner %1: lleva %n segundos sin enviar nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>la carpeta de configuración</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>no hay carpeta personal</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>otro Mirel lo mantiene bloqueado</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>no se puede crear un archivo temporal</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>no se puede escribir un archivo temporal</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>no se puede escribir el archivo</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Seleccionar origen</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Escáneres</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Buscando escáneres…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>No se ha encontrado ningún escáner.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Escanear desde:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>No se ha encontrado TWAIN</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Copias</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Reducir/Ampliar</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Seleccionar origen</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Impresora predeterminada</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Convierte un escáner y una impresora en una fotocopiadora: una página escaneada, copiada a la escala que elija o guardada como mapa de bits.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Icono de la aplicación</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE versión %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
</TS>
