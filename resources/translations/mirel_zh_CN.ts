<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>此计算机上无法使用 TWAIN</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>选择复印用的打印机</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>保存到</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>位图 (*.bmp)</translation>
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
        <translation>复印机</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>用扫描仪和打印机复印页面</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>copy;copier;photocopy;scan;scanner;print;printer;复印;复印机;扫描;扫描仪;打印;打印机;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>它的窗口就像复印机的控制面板：设置份数和缩放比例，按下“复印”，页面就会送往打印机，或保存为位图文件。</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>%1 缺纸。装纸后复印将继续。</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>%1 卡纸。清除卡纸后复印将继续。</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>%1 的机盖已打开。关上后复印将继续。</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>%1 的墨粉或墨水已用完。</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>正在用 %1 打印…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>复印已取消。</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>无法取消复印：%1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>复印件未打印。</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>复印件未打印：%1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>%1 挂起了复印件。需要用户名和密码才能打印。</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>%1 挂起了复印件。释放后或到达指定时间时打印。</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>%1 挂起了复印件。释放后即打印。</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 已暂停；复印件在打印队列中等待。</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>无法连接 %1。复印件在打印队列中等待。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the printer&apos;s name, %2 the printer&apos;s own message.</extracomment>
        <translation>%1：%2</translation>
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
        <translation> 位</translation>
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
        <translation>%</translation>
    </message>
    <message>
        <source> µs</source>
        <translation> 微秒</translation>
    </message>
    <message numerus="yes">
        <source>A table of %n values</source>
        <extracomment>A scanner&apos;s setting too long to edit here, such as a gamma table.</extracomment>
        <translation>
            <numerusform>含 %n 个值的表</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>需在扫描仪本机上设置。</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>此值由扫描仪报告，无法在此更改。</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A driver&apos;s setting as a label before its field; %1 is the driver&apos;s name for it. The colon as the language writes it after a label.</extracomment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>PageStack</name>
    <message>
        <source>There is not enough room on the disk to keep the scanned pages.</source>
        <translation>磁盘空间不足，无法保存扫描的页面。</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法将扫描的页面保存到临时文件夹：%1。</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>扫描仪送来的页面是空的，因此无法保存。</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>无法压缩页面</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>无法重新读取扫描的第 %1 页：%2。</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>文件被截断</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Mirel 复印件</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>无法连接打印系统（CUPS），未打印任何内容。请检查 CUPS 服务是否正在运行。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>打印机“%1”不存在，未打印任何内容。请选择其他打印机。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>打印机“%1”不接受作业，未打印任何内容。</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>您无权在“%1”上打印，未打印任何内容。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>打印机“%1”拒绝了复印件（%2），未打印任何内容。</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>缺少打印系统的库（libcups），未打印任何内容。请安装 libcups2 软件包。</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>打印机“%1”无法打印 %n 份，未打印任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>无法准备要打印的页面，未打印任何内容。</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未写入任何内容。</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>无法将复印件写入“%1”：%2。</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>未安装打印机，未打印任何内容。请在系统的打印机设置中添加打印机，或选择“打印到文件”。</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>没有扫描的页面，未打印任何内容。</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>未打印任何内容。</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Mirel 复印件</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>打印功能不可用：无法加载 Mirel 的打印模块。

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>无法将复印件保存到“%1”：%2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>没有可保存的图像。</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>页面太大，无法存为位图文件</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>文件 %1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>文件 %1 已存在。要替换它们吗？</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>文件 %1 及另外 %n 个文件已存在。要替换它们吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>没有扫描的页面，未保存任何内容。</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>仅保存了第一页。</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>仅保存了前 %n 页。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot; after a reason the system words; %1 is that reason, and the text is the language&apos;s full stop after it.</extracomment>
        <translation>%1。</translation>
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
        <translation>扫描</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>颜色模式</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>预览(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>扫描(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>扫描仪：</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>分辨率(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>颜色模式(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>扫描输稿器中的全部原稿(&amp;A)</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>复印已扫描的页面(&amp;P)</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>预览会从输稿器中送出一张原稿。</translation>
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
        <translation>扫描(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>继续等待(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>从下一张原稿继续(&amp;G)</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>从下一张原稿重试(&amp;N)</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>正在查找…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>正在查找扫描仪…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>扫描仪没有发送图像。</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>将在第 %1 页后停止…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>已在第 %1 页后停止。</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>第 %1 页：%2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>正在停止扫描…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>纸张尺寸</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左边距</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上边距</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>更多选项(&amp;M)</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>更多选项</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>纸张尺寸(&amp;P)：</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>扫描区域：</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>其他设置</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1（%2 × %3 mm）</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>The scanner cannot do what was asked of it.</source>
        <translation>扫描仪无法执行所请求的操作。</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>扫描已在扫描仪端停止。</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>扫描仪正忙。请等它空闲后重试。</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>扫描仪不接受这些扫描设置。</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>整页尚未传送完毕，扫描仪就停止了。</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>输稿器卡纸</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>输稿器中没有原稿。</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>扫描仪盖板已打开</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>无法连接扫描仪（输入/输出错误）。请检查其线缆和电源。</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>内存不足：无法容纳扫描内容。</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>对扫描仪的访问被拒绝。可能有其他用户或程序正在占用它。</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>扫描仪报告了未知错误（%1）。</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>扫描已取消。</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>无法启动扫描库 SANE。</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>未找到扫描仪。请连接扫描仪并打开电源，然后选择“重试”。</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>扫描仪 %1 未连接。请连接并打开电源，然后选择“重试”。</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>无法再连接扫描仪 %1。请检查网络和扫描服务器，然后选择“重试”。</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>没有打开的扫描仪。</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>扫描仪没有“%1”这项设置。</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>扫描仪设置“%1”现在无法更改。</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>扫描仪设置“%1”需要一个值。</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>扫描仪设置“%1”无法设定。</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>扫描仪拒绝了设置“%1”：%2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>扫描仪没有发送图像。</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>无法从扫描仪驱动程序获取页面。</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>此次扫描将达 %1 × %2 像素（%3 MiB），超出了这台计算机的内存容量。请选择较低的分辨率。</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>此次扫描将达 %1 × … 像素（%2 MiB），超出了这台计算机的内存容量。请选择较低的分辨率。</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>该页已扫描完毕。</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>扫描仪发送的图像格式本程序无法读取。</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>扫描仪发送的数据为每样本 %1 位，本程序无法读取。</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>扫描仪发送了空图像。</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>扫描仪发送的行短于其自身的图像尺寸。</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>扫描仪为一页发送了多幅图像。</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>扫描的各颜色通道尺寸不一致。</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>扫描仪在图像之外发送了数据。</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>扫描仪结束了一幅尚未开始的图像。</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>扫描缺少一个颜色通道。</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>无法启动扫描仪驱动程序。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>%1 的扫描仪驱动程序已停止工作（被信号 %2，%3 终止）。选择“重试”可重新启动。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>查找扫描仪时扫描仪驱动程序停止工作（被信号 %1，%2 终止）。选择“重试”可重新启动。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>%1 的扫描仪驱动程序已停止工作（退出状态为 %2）。选择“重试”可重新启动。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>查找扫描仪时扫描仪驱动程序停止工作（退出状态为 %1）。选择“重试”可重新启动。</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>无法将所选的扫描设置保存到 %1：%2。</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>整个区域</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>扫描仪已有 %n 秒没有发送任何数据。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>无法再连接扫描仪 %1：它已有 %n 秒没有发送任何数据。</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>配置文件夹</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>没有主文件夹</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>无法创建其所在文件夹</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>另一个 Mirel 正锁定该文件</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>无法创建锁文件</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>无法创建临时文件</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>无法写入临时文件</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>无法写入文件</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>选择扫描仪</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>扫描仪列表</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>正在查找扫描仪…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>未找到扫描仪。</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>扫描来源：</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>未找到 TWAIN</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>份数</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>缩放比例</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>浓度</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>选择扫描仪</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>复印</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>用默认打印机打印</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>保存到文件</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>把扫描仪和打印机变成复印机：扫描一页，按您设置的缩放比例复印，或保存为位图。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>应用程序图标</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE 版本 %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>关于(&amp;A)</translation>
    </message>
</context>
</TS>
