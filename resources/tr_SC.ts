<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 Open %2 %3 %4 | </source>
        <translation>%1 打开 %2 %3 %4 | </translation>
    </message>
    <message>
        <source>%v of %m frames answered</source>
        <translation>已应答 %v / %m 帧</translation>
    </message>
    <message>
        <source>%v of %m tried</source>
        <translation>已尝试 %v / %m</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>1 bit</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1.5</translation>
    </message>
    <message>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <source>14400</source>
        <translation>14400</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>2 bit</source>
        <translation>2 bit</translation>
    </message>
    <message>
        <source>2 byte</source>
        <translation>2 byte</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 bit</translation>
    </message>
    <message>
        <source>4800</source>
        <translation>4800</translation>
    </message>
    <message>
        <source>485 telegram</source>
        <translation>485报文</translation>
    </message>
    <message>
        <source>485 to KNX</source>
        <translation>485 to KNX</translation>
    </message>
    <message>
        <source>485 to KNX(1 Byte)</source>
        <translation>485 to KNX(1 Byte)</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>56000</source>
        <translation>56000</translation>
    </message>
    <message>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>6 bit</source>
        <translation>6 bit</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Ack</source>
        <translation>应答</translation>
    </message>
    <message>
        <source>Ack(+)</source>
        <translation>应答(+)</translation>
    </message>
    <message>
        <source>Ack(-)</source>
        <translation>应答(-)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>组地址</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <translation>COM4</translation>
    </message>
    <message>
        <source>COM5</source>
        <translation>COM5</translation>
    </message>
    <message>
        <source>COM6</source>
        <translation>COM6</translation>
    </message>
    <message>
        <source>COM7</source>
        <translation>COM7</translation>
    </message>
    <message>
        <source>COM8</source>
        <translation>COM8</translation>
    </message>
    <message>
        <source>COM9</source>
        <translation>COM9</translation>
    </message>
    <message>
        <source>Cannot open database</source>
        <translation>不能打开数据库。</translation>
    </message>
    <message>
        <source>Cannot open the port
Check to see if the serial port is occupied</source>
        <translation>不能打开串口
检查是否串口被占用</translation>
    </message>
    <message>
        <source>Cannot write!</source>
        <translation>不能写入！</translation>
    </message>
    <message>
        <source>Chinese(&amp;C)</source>
        <translation>中文(&amp;C)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Clear all?</source>
        <translation>清除全部？</translation>
    </message>
    <message>
        <source>Clear the receiving area</source>
        <translation>清除接收区</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close project(&amp;C)</source>
        <translation>关闭工程(&amp;C)</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Connection Options</source>
        <translation>连接选项</translation>
    </message>
    <message>
        <source>DTR</source>
        <translation>DTR</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Debug Mode</source>
        <translation>调试模式</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Document (*.txt *.dat);;All (*.*)</source>
        <translation>Document (*.txt *.dat);;All (*.*)</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载数据</translation>
    </message>
    <message>
        <source>Download %1 error!</source>
        <translation>下载%1错误！</translation>
    </message>
    <message>
        <source>Download error!</source>
        <translation>下载错误！</translation>
    </message>
    <message>
        <source>Download over!Success!Please change to working mode.</source>
        <translation>下载完成！成功！请改变工作模式。</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>EVEN</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <translation>英语（English）(&amp;E)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Flow conntrol:</source>
        <translation>流控位</translation>
    </message>
    <message>
        <source>Flow control:</source>
        <translation>流控位</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>发现</translation>
    </message>
    <message>
        <source>Found serial configuration.</source>
        <translation>发现串口配置。</translation>
    </message>
    <message>
        <source>General Setting</source>
        <translation>常用设置</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>HARDWARE</translation>
    </message>
    <message>
        <source>HEX disp.</source>
        <translation>显示（16进制）</translation>
    </message>
    <message>
        <source>Import(&amp;I)</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔值</translation>
    </message>
    <message>
        <source>KNX telegram</source>
        <translation>KNX报文</translation>
    </message>
    <message>
        <source>KNX to 485</source>
        <translation>KNX to 485</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(Language)(&amp;L)</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>MARK</source>
        <translation>MARK</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>没有发现设备。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>没有发现</translation>
    </message>
    <message>
        <source>Nothing to save...</source>
        <translation>没有东西保存...</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>ODD</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Open/Close COM</source>
        <translation>打开/关闭串口</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>RS485 Conifguration</source>
        <translation>RS485 配置软件</translation>
    </message>
    <message>
        <source>RTS</source>
        <translation>RTS</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>接收数据</translation>
    </message>
    <message>
        <source>Receive data in hexadecimal</source>
        <translation>数据（16进制）</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Restart now?</source>
        <translation>现在重启软件？</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>SPACE</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>保存数据</translation>
    </message>
    <message>
        <source>Save data received</source>
        <translation>保存接收数据</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Save the contents of the receiving area</source>
        <translation>保存接收区数据</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Scanning %1 %2 %3</source>
        <translation>正在扫描 %1 %2 %3</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Serial Options</source>
        <translation>串口选项</translation>
    </message>
    <message>
        <source>Serial configure</source>
        <translation>串口配置</translation>
    </message>
    <message>
        <source>Serial port is not open | </source>
        <translation>串口没有打开 | </translation>
    </message>
    <message>
        <source>Setting debug mode successfully.</source>
        <translation>设置调试模式成功。</translation>
    </message>
    <message>
        <source>Setting serial port successfully.</source>
        <translation>设置串口成功。</translation>
    </message>
    <message>
        <source>Setting work mode successfully.</source>
        <translation>设置工作模式成功。</translation>
    </message>
    <message>
        <source>Site:&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Site:&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>TX:%1B | RX:%2B</source>
        <translation>TX:%1B | RX:%2B</translation>
    </message>
    <message>
        <source>Telegram</source>
        <translation>报文</translation>
    </message>
    <message>
        <source>Telegram(+)</source>
        <translation>报文(+)</translation>
    </message>
    <message>
        <source>Telegram(-)</source>
        <translation>报文(-)</translation>
    </message>
    <message>
        <source>The file is not a project file.</source>
        <translation>该文件不是工程文件。</translation>
    </message>
    <message>
        <source>The rs485config developers</source>
        <translation>The rs485config developers</translation>
    </message>
    <message>
        <source>The serial port was lost.
Check the cable and the adapter, then open the port again.</source>
        <translation>串口已断开。
请检查电缆和适配器，然后重新打开串口。</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Tyte</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Unable to establish a database connection.</source>
        <translation>不能建立数据库连接。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Working Mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>XONXOFF</source>
        <translation>XONXOFF</translation>
    </message>
    <message>
        <source>db Files (*.db);; db Files (*.db)</source>
        <translation>db Files (*.db);; db Files (*.db)</translation>
    </message>
    <message>
        <source>read</source>
        <translation>read</translation>
    </message>
    <message>
        <source>response</source>
        <translation>response</translation>
    </message>
    <message>
        <source>telegram 1 byte telegram %1</source>
        <translation>报文1 byte %1</translation>
    </message>
    <message>
        <source>telegram 485 to knx(Write) %1</source>
        <translation>telegram 485 to knx(写) %1</translation>
    </message>
    <message>
        <source>telegram knx to 485(Write) %1</source>
        <translation>telegram knx to 485(写) %1</translation>
    </message>
    <message>
        <source>telegram number</source>
        <translation>报文数目</translation>
    </message>
    <message>
        <source>write</source>
        <translation>write</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>“%1”不是以下选项之一：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from %2 to %3</source>
        <translation>“%1”不是 %2 到 %3 之间的数字</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a telegram of 1 to 64 bytes written as hexadecimal pairs</source>
        <translation>“%1”不是以十六进制字节对书写的 1 到 64 字节的报文</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an acknowledgement of up to 32 bytes written as hexadecimal pairs</source>
        <translation>“%1”不是以十六进制字节对书写的最多 32 字节的应答</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group address from 0/0/1 to 15/7/255</source>
        <translation>“%1”不是 0/0/1 到 15/7/255 之间的组地址</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be written as &quot;%2&quot;</source>
        <translation>“%1”必须写作“%2”</translation>
    </message>
    <message>
        <source>You may not use %1. Add your user to the group &quot;%2&quot; that owns it (sudo usermod -aG %2 $USER), then log out and log in again.</source>
        <translation>您无权使用 %1。请将您的用户加入拥有该设备的用户组“%2”（sudo usermod -aG %2 $USER），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program (a serial terminal, another rs485config) and open the port again.</source>
        <translation>%1 正被其他程序占用。请关闭该程序（串口终端或另一个 rs485config），然后重新打开串口。</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>描述：%1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>制造商：%1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>序列号：%1</translation>
    </message>
    <message>
        <source>USB vendor:product: %1</source>
        <translation>USB 厂商:产品：%1</translation>
    </message>
    <message>
        <source>Capture to file…</source>
        <translation>捕获到文件…</translation>
    </message>
    <message>
        <source>The language setting could not be saved: config.ini in %1 cannot be written.</source>
        <translation>无法保存语言设置：%1 中的 config.ini 不能写入。</translation>
    </message>
    <message>
        <source>No answer from the gateway</source>
        <translation>网关没有应答</translation>
    </message>
    <message>
        <source>Capture to file</source>
        <translation>捕获到文件</translation>
    </message>
    <message>
        <source>Capture (*.txt *.log);;All (*.*)</source>
        <translation>捕获文件 (*.txt *.log);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Cannot capture to %1:
%2</source>
        <translation>无法捕获到 %1：
%2</translation>
    </message>
    <message>
        <source>Capturing to %1</source>
        <translation>正在捕获到 %1</translation>
    </message>
    <message>
        <source>The capture has stopped: %1 cannot be written.
%2</source>
        <translation>捕获已停止：%1 不能写入。
%2</translation>
    </message>
    <message>
        <source>Nothing was downloaded: row %1 of &quot;%2&quot; cannot be sent.
%3: %4</source>
        <translation>没有下载任何数据：“%2”的第 %1 行不能发送。
%3：%4</translation>
    </message>
    <message>
        <source>Choose the baud rate, the stop bits and the parity under &quot;Serial Options&quot; first.</source>
        <translation>请先在“串口选项”中选择波特率、停止位和校验位。</translation>
    </message>
    <message>
        <source>Import group addresses…</source>
        <translation>导入组地址…</translation>
    </message>
    <message>
        <source>Group addresses…</source>
        <translation>组地址…</translation>
    </message>
    <message>
        <source>Not in the imported group addresses</source>
        <translation>不在导入的组地址中</translation>
    </message>
    <message>
        <source>Its datapoint type needs the length %1.</source>
        <translation>其数据点类型要求长度为 %1。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Main group</source>
        <translation>主组</translation>
    </message>
    <message>
        <source>Middle group</source>
        <translation>中间组</translation>
    </message>
    <message>
        <source>Datapoint type</source>
        <translation>数据点类型</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Used in</source>
        <translation>使用位置</translation>
    </message>
    <message>
        <source>Group addresses</source>
        <translation>组地址</translation>
    </message>
    <message>
        <source>Search by address or name</source>
        <translation>按地址或名称搜索</translation>
    </message>
    <message>
        <source>No header line of an ETS group address export was found: it names the columns &quot;Group name&quot; and &quot;Address&quot;, or &quot;Main&quot;, &quot;Middle&quot;, &quot;Sub&quot; and &quot;Address&quot;.</source>
        <translation>未找到 ETS 组地址导出文件的标题行：标题行应包含列 &quot;Group name&quot; 和 &quot;Address&quot;，或 &quot;Main&quot;、&quot;Middle&quot;、&quot;Sub&quot; 和 &quot;Address&quot;。</translation>
    </message>
    <message>
        <source>The XML file is broken at line %1: %2</source>
        <translation>XML 文件第 %1 行有误：%2</translation>
    </message>
    <message>
        <source>The XML file is no ETS group address export: its root element is &quot;%1&quot;.</source>
        <translation>该 XML 文件不是 ETS 组地址导出文件：其根元素为 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>%1 is not a three-level group address</source>
        <translation>%1 不是三级组地址</translation>
    </message>
    <message>
        <source>%1 lies outside 0/0/1 to 15/7/255</source>
        <translation>%1 超出 0/0/1 至 15/7/255 的范围</translation>
    </message>
    <message>
        <source>%1 was listed before</source>
        <translation>%1 之前已出现过</translation>
    </message>
    <message>
        <source>The file holds no three-level group address.</source>
        <translation>文件中没有三级组地址。</translation>
    </message>
    <message>
        <source>The file is too large for a group address export.</source>
        <translation>文件过大，不是组地址导出文件。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>Group addresses read: %1</source>
        <translation>已读取组地址：%1</translation>
    </message>
    <message>
        <source>Middle groups: %1</source>
        <translation>中间组：%1</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>已跳过行数：%1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>Import group addresses</source>
        <translation>导入组地址</translation>
    </message>
    <message>
        <source>ETS group address export (*.csv *.xml);;All files (*)</source>
        <translation>ETS 组地址导出文件 (*.csv *.xml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import tables from CSV…</source>
        <translation>从 CSV 导入表格…</translation>
    </message>
    <message>
        <source>Export tables as CSV…</source>
        <translation>将表格导出为 CSV…</translation>
    </message>
    <message>
        <source>Commissioning report…</source>
        <translation>调试报告…</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>调试报告</translation>
    </message>
    <message>
        <source>Project file:</source>
        <translation>项目文件</translation>
    </message>
    <message>
        <source>Unsaved project</source>
        <translation>未保存的项目</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Tool:</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>The quote is never closed</source>
        <translation>引号没有闭合</translation>
    </message>
    <message>
        <source>Text follows the closing quote</source>
        <translation>闭合引号后还有文字</translation>
    </message>
    <message>
        <source>The text is not UTF-8</source>
        <translation>文字不是 UTF-8 编码</translation>
    </message>
    <message>
        <source>No rows</source>
        <translation>无数据行</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the commissioning report…</source>
        <translation>正在生成调试报告…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Export tables as CSV</source>
        <translation>将表格导出为 CSV</translation>
    </message>
    <message>
        <source>The folder already holds %1. Replace?</source>
        <translation>该文件夹中已有 %1。是否替换？</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Import tables from CSV</source>
        <translation>从 CSV 导入表格</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>…… 另有 %1 处</translation>
    </message>
    <message>
        <source>Nothing was imported. These lines cannot be taken:</source>
        <translation>未导入任何数据。以下各行无法接受：</translation>
    </message>
    <message>
        <source>These tables already hold rows: %1.</source>
        <translation>以下表格中已有数据行：%1。</translation>
    </message>
    <message>
        <source>Replace their rows with the imported ones, or append the imported rows after them?</source>
        <translation>用导入的数据行替换原有数据行，还是将导入的数据行追加在其后？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>The line has %1 cells, the table %2 columns</source>
        <translation>该行有 %1 个单元格，而表格只有 %2 列</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1，第 %2 行，第 %3 列：%4</translation>
    </message>
    <message>
        <source>The first line is not the column titles of a telegram table</source>
        <translation>第一行不是报文表格的列标题</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>The file is larger than 16 MiB</source>
        <translation>文件大于 16 MiB</translation>
    </message>
    <message>
        <source>Another chosen file holds this table too</source>
        <translation>所选的另一个文件也包含此表格</translation>
    </message>
    <message>
        <source>Network port…</source>
        <translation>网络端口…</translation>
    </message>
    <message>
        <source>Network port</source>
        <translation>网络端口</translation>
    </message>
    <message>
        <source>name or address</source>
        <translation>主机名或地址</translation>
    </message>
    <message>
        <source>RFC 2217: the line settings are carried</source>
        <translation>RFC 2217：传送串口参数</translation>
    </message>
    <message>
        <source>TCP: raw bytes, the server fixes the settings</source>
        <translation>TCP：原始字节，串口参数由服务器固定</translation>
    </message>
    <message>
        <source>Used last:</source>
        <translation>最近使用：</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>主机：</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>The network port could not be remembered: config.ini in %1 cannot be written.</source>
        <translation>无法保存网络端口：%1 中的 config.ini 无法写入。</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>正在连接 %1…</translation>
    </message>
    <message>
        <source>%1 is a raw TCP port: the device server fixes its line settings, and they cannot be changed from here. Scan and Serial configure need a local port or an RFC 2217 port (rfc2217://HOST:PORT).</source>
        <translation>%1 是原始 TCP 端口：其串口参数由串口服务器固定，无法在此更改。扫描和串口配置需要本地端口或 RFC 2217 端口（rfc2217://主机:端口）。</translation>
    </message>
    <message>
        <source>Serial device server, raw TCP: the server fixes the line settings</source>
        <translation>串口服务器，原始 TCP：串口参数由服务器固定</translation>
    </message>
    <message>
        <source>Serial device server, RFC 2217: the line settings reach its port</source>
        <translation>串口服务器，RFC 2217：串口参数传送到其端口</translation>
    </message>
    <message>
        <source>%1 does not offer the serial port control of RFC 2217.</source>
        <translation>%1 不支持 RFC 2217 串口控制。</translation>
    </message>
    <message>
        <source>Open it as a raw TCP port (tcp://%1): its line settings are then those the device server gives it.</source>
        <translation>请以原始 TCP 端口（tcp://%1）打开：此时串口参数由串口服务器决定。</translation>
    </message>
    <message>
        <source>%1 does not agree to binary transmission.</source>
        <translation>%1 不接受二进制传输。</translation>
    </message>
    <message>
        <source>Check the address, and that the device server is switched on, can be reached from this computer and is not in use by another program.</source>
        <translation>请检查地址，并确认串口服务器已开机、可从本机访问且未被其他程序占用。</translation>
    </message>
    <message>
        <source>%1 is no network port: write rfc2217://HOST:PORT or tcp://HOST:PORT.</source>
        <translation>%1 不是网络端口：请写成 rfc2217://主机:端口 或 tcp://主机:端口。</translation>
    </message>
    <message>
        <source>%1 took the connection, but set up no session within %2 s.</source>
        <translation>%1 接受了连接，但在 %2 秒内未建立会话。</translation>
    </message>
    <message>
        <source>No connection to %1 within %2 s.</source>
        <translation>%2 秒内未能连接到 %1。</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>%1 said &quot;%2&quot; and closed the connection.</source>
        <translation>%1 回复“%2”后关闭了连接。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 cannot be read whole.</source>
        <translation>未导入任何内容：无法完整读取 %1。</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 超出范围</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 不是整数</translation>
    </message>
    <message>
        <source>the file is locked by another program that is writing it; try again when that has finished</source>
        <translation>文件正被另一个程序写入而锁定；请在其写完后重试</translation>
    </message>
    <message>
        <source>the column is missing</source>
        <translation>缺少该列</translation>
    </message>
    <message>
        <source>the table %1 is missing</source>
        <translation>缺少表 %1</translation>
    </message>
    <message>
        <source>the table %1 has %2 of its %3 columns</source>
        <translation>表 %1 只有 %3 列中的 %2 列</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 第 %2 行</translation>
    </message>
    <message>
        <source>the file claims %1 rows, the table holds %2</source>
        <translation>文件声明有 %1 行，而表中有 %2 行</translation>
    </message>
    <message>
        <source>the port was closed</source>
        <translation>串口已关闭</translation>
    </message>
    <message>
        <source>the port was lost</source>
        <translation>串口已断开</translation>
    </message>
    <message>
        <source>another command was sent</source>
        <translation>已发送另一条命令</translation>
    </message>
    <message>
        <source>Download stopped at %1: %2.</source>
        <translation>下载停止于%1：%2。</translation>
    </message>
</context>
</TS>
