<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN недоступний на цьому комп’ютері</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>Вибір принтера для копії</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Куди зберегти копію</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>Зображення BMP (*.bmp)</translation>
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
        <translation>Копіювальний апарат</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>Копіювання сторінок за допомогою сканера й принтера</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>копія;копіювання;копір;ксерокс;ксерокопія;сканер;сканування;друк;принтер;copy;copier;photocopy;scan;scanner;print;printer;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>Вікно програми схоже на панель керування копіювального апарата: задайте кількість копій і масштаб, натисніть «Копія» — і сторінку буде надіслано на принтер або збережено у файл зображення.</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>У %1 немає паперу. Завантажте папір, і друк продовжиться.</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>Застрягання паперу в %1. Усуньте застрягання, і друк продовжиться.</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>Відкрито кришку %1. Закрийте її, і друк продовжиться.</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>У %1 закінчився тонер або чорнило.</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>Друк на %1…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Друк копії скасовано.</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>Не вдалося скасувати друк копії: %1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>Копію не надруковано.</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>Копію не надруковано: %1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>Копію затримано на %1: для друку потрібні ім’я користувача й пароль.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>Копію затримано на %1 до звільнення або призначеного часу.</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>Копію затримано на %1 до звільнення.</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 призупинено; копія чекає в черзі.</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 недоступний. Копія чекає в черзі.</translation>
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
        <translation> пікс.</translation>
    </message>
    <message>
        <source> bit</source>
        <translation> біт</translation>
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
            <numerusform>Таблиця з %n значення</numerusform>
            <numerusform>Таблиця з %n значень</numerusform>
            <numerusform>Таблиця з %n значень</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>Налаштовується на самому сканері.</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>Це значення повідомляє сканер; тут його не можна змінити.</translation>
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
        <translation>На диску бракує місця для відсканованих сторінок.</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не вдалося зберегти відскановані сторінки в тимчасовій теці: %1.</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>Сканер видав порожню сторінку, тож її не вдалося зберегти.</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>не вдалося стиснути сторінку</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Не вдалося повторно прочитати відскановану сторінку %1: %2.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>бракує пам’яті</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>її файл обрізано</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>її файл пошкоджено</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Копія Mirel</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>Немає зв’язку із системою друку (CUPS), тому нічого не надруковано. Перевірте, чи запущено службу CUPS.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Принтера «%1» не існує, тому нічого не надруковано. Виберіть інший принтер.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>Принтер «%1» не приймає завдань, тому нічого не надруковано.</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>Ви не маєте права друкувати на «%1», тому нічого не надруковано.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>Принтер «%1» відхилив копію (%2), тому нічого не надруковано.</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>Бракує бібліотеки системи друку (libcups), тому нічого не надруковано. Встановіть пакунок libcups2.</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>Принтер «%1» не може зробити %n копію, тому нічого не надруковано.</numerusform>
            <numerusform>Принтер «%1» не може зробити %n копії, тому нічого не надруковано.</numerusform>
            <numerusform>Принтер «%1» не може зробити %n копій, тому нічого не надруковано.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>Не вдалося підготувати сторінки до друку, тому нічого не надруковано.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Нічого не записано.</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Не вдалося записати копію до «%1»: %2.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>Не встановлено жодного принтера, тому нічого не надруковано. Додайте принтер у системних параметрах принтерів або виберіть «Друкувати в файл».</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>Немає відсканованої сторінки, тому нічого не надруковано.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Нічого не надруковано.</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Копія Mirel</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Друк недоступний: не вдалося завантажити модуль друку Mirel.

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>Не вдалося зберегти копію до «%1»: %2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>немає зображення для збереження.</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>сторінка завелика для файлу BMP</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>Файл %1 вже існує. Замінити його?</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>Файли %1 вже існують. Замінити їх?</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>Файли %1 та ще %n файл вже існують. Замінити їх?</numerusform>
            <numerusform>Файли %1 та ще %n файли вже існують. Замінити їх?</numerusform>
            <numerusform>Файли %1 та ще %n файлів вже існують. Замінити їх?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>Немає відсканованої сторінки, тому нічого не збережено.</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>Збережено лише першу сторінку.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>Збережено лише першу %n сторінку.</numerusform>
            <numerusform>Збережено лише перші %n сторінки.</numerusform>
            <numerusform>Збережено лише перші %n сторінок.</numerusform>
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
        <translation>Сканування</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Роздільна здатність</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>Колірний режим</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Поступ</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Попередній перегляд</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Сканувати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Сканер:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Роздільна здатність:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>Ко&amp;лір:</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>&amp;Усі аркуші в подавачі</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>&amp;Копіювати відскановані сторінки</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>Попередній перегляд забрав би аркуш із подавача документів.</translation>
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
        <translation>&amp;Сканувати</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>По&amp;вторити</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>&amp;Чекати далі</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>Продовжити з &amp;наступного аркуша</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>Повторити з наступного &amp;аркуша</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>пошук…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>Пошук сканера…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>немає</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Сканер не передав зображення.</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>Зупинка після сторінки %1…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>Зупинено після сторінки %1.</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>Сторінка %1: %2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>Зупинка сканування…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>Власний</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Формат паперу</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Зліва</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Зверху</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>&amp;Додаткові параметри</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Додаткові параметри</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Формат паперу:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Область:</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Інші параметри</translation>
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
        <translation>Сканер не може виконати запитану дію.</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>Сканування зупинено на самому сканері.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>Сканер зайнятий. Зачекайте, доки він звільниться, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>Сканер не приймає ці параметри сканування.</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>Сканер зупинився, не передавши всієї сторінки.</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>Застрягання в подавачі документів</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Подавач документів порожній.</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>Відкрито кришку сканера</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>Немає зв’язку зі сканером (помилка введення-виведення). Перевірте кабель і живлення.</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>Бракує пам’яті: скановане зображення не вміщається.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>Доступ до сканера заборонено. Можливо, його зайняв інший користувач чи програма.</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>Сканер повідомив про невідому помилку (%1).</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>Сканування скасовано.</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>Не вдалося запустити бібліотеку сканування SANE.</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>Сканерів не знайдено. Під’єднайте сканер, увімкніть його й натисніть «Повторити».</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>Сканер %1 не під’єднано. Під’єднайте та ввімкніть його, потім натисніть «Повторити».</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>Сканер %1 став недоступним. Перевірте мережу й сервер сканування, потім натисніть «Повторити».</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Жодного сканера не відкрито.</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>Сканер не має параметра «%1».</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>Параметр сканера «%1» зараз не можна змінити.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>Параметр сканера «%1» потребує значення.</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>Параметр сканера «%1» не можна встановити.</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>Сканер відхилив параметр «%1»: %2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Сканер не передав зображення.</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>Не вдалося отримати сторінку від драйвера сканера.</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Зображення матиме розмір %1 × %2 пікселів (%3 МіБ) — більше, ніж уміщає пам’ять цього комп’ютера. Виберіть меншу роздільну здатність.</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>Зображення матиме розмір %1 × … пікселів (%2 МіБ) — більше, ніж уміщає пам’ять цього комп’ютера. Виберіть меншу роздільну здатність.</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>Сторінку вже отримано повністю.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Сканер передає зображення у форматі, який ця програма не може прочитати.</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>Сканер передає %1 біт на відлік, а таких даних ця програма прочитати не може.</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>Сканер передав порожнє зображення.</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>Сканер передав рядки, коротші за заявлений ним розмір зображення.</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>Сканер передав більше одного зображення на сторінку.</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>Колірні проходи сканування не збігаються за розміром.</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>Сканер передав дані поза зображенням.</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>Сканер завершив зображення, якого не починав.</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>Бракує одного з колірних проходів сканування.</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>Не вдалося запустити драйвер сканера.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>Драйвер сканера %1 припинив роботу (його завершено сигналом %2, %3). Натисніть «Повторити», щоб запустити його знову.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>Драйвер сканера припинив роботу під час пошуку сканерів (його завершено сигналом %1, %2). Натисніть «Повторити», щоб запустити його знову.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>Драйвер сканера %1 припинив роботу (завершився з кодом %2). Натисніть «Повторити», щоб запустити його знову.</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>Драйвер сканера припинив роботу під час пошуку сканерів (завершився з кодом %1). Натисніть «Повторити», щоб запустити його знову.</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>Не вдалося зберегти вибрані параметри сканера в %1: %2.</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>Уся область</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Сканер нічого не передає вже %n секунду.</numerusform>
            <numerusform>Сканер нічого не передає вже %n секунди.</numerusform>
            <numerusform>Сканер нічого не передає вже %n секунд.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>Сканер %1 став недоступним: він нічого не передає вже %n секунду.</numerusform>
            <numerusform>Сканер %1 став недоступним: він нічого не передає вже %n секунди.</numerusform>
            <numerusform>Сканер %1 став недоступним: він нічого не передає вже %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>теку налаштувань</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>немає домашньої теки</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не вдається створити його теку</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>файл доступний лише для читання</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>інший екземпляр Mirel тримає його заблокованим</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>не вдається створити файл блокування</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не вдається створити тимчасовий файл</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не вдається записати тимчасовий файл</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>не вдається записати файл</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Вибір джерела</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Сканери</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>Пошук сканерів…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Сканерів не знайдено.</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>Звідки сканувати:</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>По&amp;вторити</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN не знайдено</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>Кількість копій</translation>
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
        <translation>Щільність</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Вибір джерела</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>Копія</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Друк на типовому принтері</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>Перетворює сканер і принтер на копіювальний апарат: сторінка сканується й друкується в заданому масштабі або зберігається як зображення.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>Піктограма програми</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE версії %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Про програму %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>&amp;Про програму</translation>
    </message>
</context>
</TS>
