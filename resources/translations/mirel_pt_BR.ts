<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>Twain não está disponível neste computador</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Em qual impressora copiar</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Salvar em</translation>
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
        <translation>Fotocopiadora</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Copie páginas com seu scanner e sua impressora</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>copiar;cópia;copiadora;fotocópia;fotocopiadora;xerox;digitalizar;scanner;imprimir;impressora;copy;copier;photocopy;scan;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>A janela parece o painel de controle de uma copiadora: defina o número de cópias e a escala, pressione “Copiar” e a página vai para a impressora ou para um arquivo bitmap.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>%1 está sem papel. Coloque papel e a cópia continua.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Papel preso em %1. Remova-o e a cópia continua.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Tampa aberta em %1. Feche-a e a cópia continua.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>%1 está sem toner ou tinta.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Imprimindo em %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>A cópia foi cancelada.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Não foi possível cancelar a cópia: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>A cópia não foi impressa.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>A cópia não foi impressa: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Cópia retida em %1. Para imprimir, são necessários usuário e senha.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Cópia retida em %1. Será impressa quando for liberada ou chegar a hora marcada.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Cópia retida em %1. Será impressa quando for liberada.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 em pausa; a cópia aguarda na fila.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 não responde. A cópia aguarda na fila.</translation>
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
            <numerusform>Uma tabela de %n valor</numerusform>
            <numerusform>Uma tabela de %n valores</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Definido no próprio scanner.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Valor informado pelo scanner; não pode ser alterado aqui.</translation>
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
        <translation>Não há espaço suficiente no disco para guardar as páginas digitalizadas.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível guardar as páginas digitalizadas na pasta temporária: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>O scanner entregou uma página vazia, por isso ela não pôde ser guardada.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>não foi possível compactar a página</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Não foi possível reler a página digitalizada %1: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>não há memória suficiente</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>o arquivo da página está incompleto</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>o arquivo da página está danificado</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Cópia do Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Não foi possível contatar o sistema de impressão (CUPS), por isso nada foi impresso. Verifique se o serviço CUPS está em execução.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>A impressora “%1” não existe, por isso nada foi impresso. Escolha outra impressora.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>A impressora “%1” não está aceitando trabalhos, por isso nada foi impresso.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>Você não tem permissão para imprimir em “%1”, por isso nada foi impresso.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>A impressora “%1” recusou a cópia (%2), por isso nada foi impresso.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>A biblioteca do sistema de impressão (libcups) não foi encontrada, por isso nada foi impresso. Instale o pacote libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>A impressora “%1” não consegue fazer %n cópia, por isso nada foi impresso.</numerusform>
            <numerusform>A impressora “%1” não consegue fazer %n cópias, por isso nada foi impresso.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Não foi possível preparar as páginas para impressão, por isso nada foi impresso.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível gravar a cópia em “%1”: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Nenhuma impressora está instalada, por isso nada foi impresso. Adicione uma impressora nas configurações de impressoras do sistema ou escolha “Imprimir para arquivo”.</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Não há página digitalizada, por isso nada foi impresso.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Nada foi impresso.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Cópia do Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>A impressão não está disponível: não foi possível carregar o módulo de impressão do Mirel.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Não foi possível salvar a cópia em “%1”: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>não há imagem para salvar.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>a página é grande demais para um arquivo bitmap</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>O arquivo %1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Os arquivos %1 já existem. Deseja substituí-los?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Os arquivos %1 e mais %n outro já existem. Deseja substituí-los?</numerusform>
            <numerusform>Os arquivos %1 e mais %n outros já existem. Deseja substituí-los?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Não há página digitalizada, por isso nada foi salvo.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Somente a primeira página foi salva.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Somente a primeira página foi salva.</numerusform>
            <numerusform>Somente as %n primeiras páginas foram salvas.</numerusform>
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
        <translation>Ofício</translation>
    </message>
</context>
<context>
    <name>ScanDialog</name>
    <message>
        <source>Scan</source>
        <translation>Digitalizar</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Modo de cor</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Pré-&amp;visualizar</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Digitalizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Resolução:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Cor:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Todas as folhas do alimentador</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>C&amp;opiar as páginas digitalizadas</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>A pré-visualização puxaria uma folha do alimentador de documentos.</translation>
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
        <translation>&amp;Digitalizar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Tentar &amp;novamente</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>Continuar &amp;esperando</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Continuar da próxima &amp;folha</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Tentar novamente da &amp;próxima folha</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>procurando…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Procurando o scanner…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>O scanner não enviou nenhuma imagem.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>A digitalização vai parar após a página %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Digitalização interrompida após a página %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Página %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Interrompendo a digitalização…</translation>
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
        <translation>Tamanho do papel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>&amp;Mais opções</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>Taman&amp;ho do papel:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Área:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Outras configurações</translation>
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
        <translation>O scanner não consegue fazer o que foi pedido.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>A digitalização foi interrompida no scanner.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>O scanner está ocupado. Aguarde até que fique livre e tente novamente.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>O scanner não aceita estas configurações de digitalização.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>O scanner parou antes de enviar a página inteira.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Papel preso no alimentador de documentos</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>O alimentador de documentos está vazio.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Tampa do scanner aberta</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Não foi possível se comunicar com o scanner (erro de entrada/saída). Verifique o cabo e se ele está ligado.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Memória insuficiente: a digitalização não cabe.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Acesso ao scanner negado. Talvez outro usuário ou programa esteja usando o scanner.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>O scanner informou um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Digitalização cancelada.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>Não foi possível iniciar o SANE, a biblioteca de digitalização.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Nenhum scanner foi encontrado. Conecte um scanner, ligue-o e clique em “Tentar novamente”.</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>O scanner %1 não está conectado. Conecte-o, ligue-o e clique em “Tentar novamente”.</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>O scanner %1 não está mais acessível. Verifique a rede e o servidor de digitalização e clique em “Tentar novamente”.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Nenhum scanner está aberto.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>O scanner não tem a configuração “%1”.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>A configuração “%1” do scanner não pode ser alterada agora.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>A configuração “%1” do scanner precisa de um valor.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>Não é possível definir a configuração “%1” do scanner.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>O scanner recusou a configuração “%1”: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>O scanner não enviou nenhuma imagem.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Não foi possível obter a página do driver do scanner.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Esta digitalização teria %1 × %2 pixels (%3 MiB), mais do que a memória deste computador comporta. Escolha uma resolução menor.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Esta digitalização teria %1 × … pixels (%2 MiB), mais do que a memória deste computador comporta. Escolha uma resolução menor.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>A página já está completa.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>O scanner envia imagens em um formato que este programa não consegue ler.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>O scanner envia %1 bits por amostra, o que este programa não consegue ler.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>O scanner enviou uma imagem vazia.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>O scanner enviou linhas mais curtas que o tamanho de imagem informado por ele mesmo.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>O scanner enviou mais de uma imagem para uma página.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>As passadas de cor da digitalização não têm o mesmo tamanho.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>O scanner enviou dados fora de uma imagem.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>O scanner terminou uma imagem que não havia começado.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Falta uma passada de cor da digitalização.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Não foi possível iniciar o driver do scanner.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>O driver do scanner %1 parou de funcionar (foi encerrado pelo sinal %2, %3). Clique em “Tentar novamente” para iniciá-lo de novo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>O driver do scanner parou de funcionar ao procurar scanners (foi encerrado pelo sinal %1, %2). Clique em “Tentar novamente” para iniciá-lo de novo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>O driver do scanner %1 parou de funcionar (terminou com o código de saída %2). Clique em “Tentar novamente” para iniciá-lo de novo.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>O driver do scanner parou de funcionar ao procurar scanners (terminou com o código de saída %1). Clique em “Tentar novamente” para iniciá-lo de novo.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Não foi possível guardar as configurações do scanner em %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Área total</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>O scanner não envia nada há %n segundo.</numerusform>
            <numerusform>O scanner não envia nada há %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>O scanner %1 não está mais acessível: não envia nada há %n segundo.</numerusform>
            <numerusform>O scanner %1 não está mais acessível: não envia nada há %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>a pasta de configuração</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>não há pasta pessoal</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>não foi possível criar sua pasta</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>outro Mirel o mantém bloqueado</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>não foi possível criar seu arquivo de bloqueio</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>não foi possível criar um arquivo temporário</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>não foi possível gravar um arquivo temporário</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>não foi possível gravar o arquivo</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Selecionar origem</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanners</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Procurando scanners…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Nenhum scanner foi encontrado.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Digitalizar de:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Tentar &amp;novamente</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN não foi encontrado</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Número de cópias</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Reduzir/Ampliar</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Mais claro/escuro</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Selecionar origem</translation>
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
        <translation>Imprimir na impressora padrão</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Transforma um scanner e uma impressora em uma fotocopiadora: uma página digitalizada, copiada na escala que você definir ou salva como bitmap.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Ícone do aplicativo</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE versão %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Versão %1</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;Sobre</translation>
    </message>
</context>
</TS>
