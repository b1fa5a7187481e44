<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN недоступен на этом компьютере</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Выбор принтера для копии</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Куда сохранить копию</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Изображение BMP (*.bmp)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.pdf)&quot;.</extracomment>
        <translation>Документ PDF (*.pdf)</translation>
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
        <translation>Копировальный аппарат</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Копирование страниц с помощью сканера и принтера</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>копия;копир;копирование;ксерокс;ксерокопия;скан;сканер;сканирование;печать;принтер;copy;copier;photocopy;scan;scanner;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Окно программы похоже на панель управления копировального аппарата: задайте количество копий и масштаб, нажмите «Копия» — и страница отправится на принтер или в файл изображения.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>В %1 нет бумаги. Загрузите бумагу, и печать продолжится.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Замятие бумаги в %1. Устраните замятие, и печать продолжится.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Открыта крышка %1. Закройте её, и печать продолжится.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>В %1 нет тонера или чернил.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Печать на %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Печать копии отменена.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Не удалось отменить печать копии: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>Копия не напечатана.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>Копия не напечатана: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Копия задержана на %1: для печати нужны имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Копия задержана на %1 до освобождения или назначенного времени.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Копия задержана на %1 до освобождения.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 приостановлен; копия ждёт в очереди.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 недоступен. Копия ждёт в очереди.</translation>
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
        <translation> пикс.</translation>
    </message>
    <message>
        <source> bit</source>
        <translation> бит</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
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
        <translation> мкс</translation>
    </message>
    <message numerus="yes">
        <source>A table of %n values</source>
        <extracomment>A scanner&apos;s setting too long to edit here, such as a gamma table.</extracomment>
        <translation>
            <numerusform>Таблица из %n значения</numerusform>
            <numerusform>Таблица из %n значений</numerusform>
            <numerusform>Таблица из %n значений</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Задаётся на самом сканере.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Это значение сообщает сканер; здесь его изменить нельзя.</translation>
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
        <translation>На диске недостаточно места для отсканированных страниц.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось сохранить отсканированные страницы во временной папке: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>Сканер выдал пустую страницу, поэтому её не удалось сохранить.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>не удалось сжать страницу</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Не удалось заново прочитать отсканированную страницу %1: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>её файл обрезан</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>её файл повреждён</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Копия Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Нет связи с системой печати (CUPS), поэтому ничего не напечатано. Проверьте, запущена ли служба CUPS.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Принтера «%1» не существует, поэтому ничего не напечатано. Выберите другой принтер.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>Принтер «%1» не принимает задания, поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>У вас нет прав печатать на «%1», поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>Принтер «%1» отклонил копию (%2), поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>Отсутствует библиотека системы печати (libcups), поэтому ничего не напечатано. Установите пакет libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>Принтер «%1» не может сделать %n копию, поэтому ничего не напечатано.</numerusform>
            <numerusform>Принтер «%1» не может сделать %n копии, поэтому ничего не напечатано.</numerusform>
            <numerusform>Принтер «%1» не может сделать %n копий, поэтому ничего не напечатано.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Не удалось подготовить страницы к печати, поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Ничего не записано.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось записать копию в «%1»: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Не установлено ни одного принтера, поэтому ничего не напечатано. Добавьте принтер в системных настройках принтеров или выберите «Печать в файл».</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Нет отсканированной страницы, поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Ничего не напечатано.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Копия Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Печать недоступна: не удалось загрузить модуль печати Mirel.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Не удалось сохранить копию в «%1»: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>нет изображения для сохранения.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>страница слишком велика для файла BMP</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Файл %1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Файлы %1 уже существуют. Заменить их?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Файлы %1 и ещё %n файл уже существуют. Заменить их?</numerusform>
            <numerusform>Файлы %1 и ещё %n файла уже существуют. Заменить их?</numerusform>
            <numerusform>Файлы %1 и ещё %n файлов уже существуют. Заменить их?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Нет отсканированной страницы, поэтому ничего не сохранено.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Сохранена только первая страница.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Сохранена только первая %n страница.</numerusform>
            <numerusform>Сохранены только первые %n страницы.</numerusform>
            <numerusform>Сохранены только первые %n страниц.</numerusform>
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
        <translation>Сканирование</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Цветовой режим</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Прос&amp;мотр</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Сканировать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Сканер:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Разрешение:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Цвет:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Все листы в податчике</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>&amp;Копировать отсканированные страницы</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Просмотр забрал бы лист из податчика документов.</translation>
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
        <translation>&amp;Сканировать</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>&amp;Ждать дальше</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Пр&amp;одолжить со следующего листа</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Повторить со с&amp;ледующего листа</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>поиск…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Поиск сканера…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>нет</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Сканер не передал изображение.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Остановка после страницы %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Остановлено после страницы %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Страница %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Остановка сканирования…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Произвольный</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Формат бумаги</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>&amp;Дополнительные параметры</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Дополнительные параметры</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Формат бумаги:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Область:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Прочие параметры</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1 (%2 × %3 мм)</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>The scanner cannot do what was asked of it.</source>
        <translation>Сканер не может выполнить запрошенное действие.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>Сканирование остановлено на самом сканере.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>Сканер занят. Дождитесь, пока он освободится, и повторите попытку.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>Сканер не принимает эти параметры сканирования.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>Сканер остановился, не передав страницу целиком.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Замятие в податчике документов</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Податчик документов пуст.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Открыта крышка сканера</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Нет связи со сканером (ошибка ввода-вывода). Проверьте кабель и питание.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Недостаточно памяти: отсканированное изображение не помещается.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Доступ к сканеру запрещён. Возможно, его занял другой пользователь или программа.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>Сканер сообщил о неизвестной ошибке (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Сканирование отменено.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>Не удалось запустить библиотеку сканирования SANE.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Сканеры не найдены. Подключите сканер, включите его и нажмите «Повторить».</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>Сканер %1 не подключён. Подключите и включите его, затем нажмите «Повторить».</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Сканер %1 стал недоступен. Проверьте сеть и сервер сканирования, затем нажмите «Повторить».</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Нет открытого сканера.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>У сканера нет параметра «%1».</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>Параметр сканера «%1» сейчас нельзя изменить.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>Для параметра сканера «%1» требуется значение.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>Параметр сканера «%1» нельзя задать.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>Сканер отклонил параметр «%1»: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Сканер не передал изображение.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Не удалось получить страницу от драйвера сканера.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Изображение будет размером %1 × %2 пикселей (%3 МиБ) — больше, чем вмещает память этого компьютера. Выберите меньшее разрешение.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Изображение будет размером %1 × … пикселей (%2 МиБ) — больше, чем вмещает память этого компьютера. Выберите меньшее разрешение.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>Страница уже получена целиком.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Сканер передаёт изображения в формате, который эта программа не может прочитать.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>Сканер передаёт %1 бит на отсчёт, а такие данные эта программа прочитать не может.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>Сканер передал пустое изображение.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>Сканер передал строки короче заявленного им размера изображения.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>Сканер передал больше одного изображения на страницу.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Цветовые проходы сканирования не совпадают по размеру.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>Сканер передал данные вне изображения.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>Сканер завершил изображение, которое не начинал.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Отсутствует один из цветовых проходов сканирования.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Не удалось запустить драйвер сканера.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Драйвер сканера %1 перестал работать (завершён сигналом %2, %3). Нажмите «Повторить», чтобы запустить его снова.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Драйвер сканера перестал работать во время поиска сканеров (завершён сигналом %1, %2). Нажмите «Повторить», чтобы запустить его снова.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Драйвер сканера %1 перестал работать (завершился с кодом %2). Нажмите «Повторить», чтобы запустить его снова.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Драйвер сканера перестал работать во время поиска сканеров (завершился с кодом %1). Нажмите «Повторить», чтобы запустить его снова.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Не удалось сохранить выбранные параметры сканера в %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Вся область</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Сканер ничего не передаёт уже %n секунду.</numerusform>
            <numerusform>Сканер ничего не передаёт уже %n секунды.</numerusform>
            <numerusform>Сканер ничего не передаёт уже %n секунд.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Сканер %1 стал недоступен: он ничего не передаёт уже %n секунду.</numerusform>
            <numerusform>Сканер %1 стал недоступен: он ничего не передаёт уже %n секунды.</numerusform>
            <numerusform>Сканер %1 стал недоступен: он ничего не передаёт уже %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>папку настроек</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>нет домашней папки</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не удаётся создать его папку</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>другой экземпляр Mirel удерживает его заблокированным</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>не удаётся создать файл блокировки</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не удаётся создать временный файл</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не удаётся записать временный файл</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не удаётся записать файл</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Выбор источника</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Сканеры</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Поиск сканеров…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Сканеры не найдены.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Откуда сканировать:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Повторить</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN не найден</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Количество копий</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Выбор источника</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Копия</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>На принтер по умолчанию</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Превращает сканер и принтер в копировальный аппарат: страница сканируется и печатается в заданном масштабе или сохраняется как изображение.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Значок приложения</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE версии %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;О программе</translation>
    </message>
</context>
</TS>
