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
    <message>
        <source>Import tables from spreadsheet…</source>
        <translation>从电子表格导入表格…</translation>
    </message>
    <message>
        <source>Export tables as spreadsheet…</source>
        <translation>将表格导出为电子表格…</translation>
    </message>
    <message>
        <source>Site details…</source>
        <translation>现场信息…</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>%1 cannot be written: the settings are kept in %2.</source>
        <translation>%1 无法写入：设置保存在 %2。</translation>
    </message>
    <message>
        <source>The settings cannot be saved: neither %1 nor %2 can be written.</source>
        <translation>无法保存设置：%1 和 %2 都无法写入。</translation>
    </message>
    <message>
        <source>A gateway takes a download only in debug mode: press Debug Mode first. Check also that it is connected and listens at %1 baud, %2 stop bits, parity %3 (Scan finds its settings).</source>
        <translation>网关只在调试模式下接受下载：请先按“调试模式”。另请检查网关已连接，并以 %1 波特、%2 停止位、校验 %3 收听（“扫描”可找到其设置）。</translation>
    </message>
    <message>
        <source>sends %1</source>
        <translation>发送 %1</translation>
    </message>
    <message>
        <source>The record was not taken.</source>
        <translation>未接受该记录。</translation>
    </message>
    <message>
        <source>Not taken: %1: %2</source>
        <translation>未接受：%1：%2</translation>
    </message>
    <message>
        <source>Not taken: the table holds %1 rows, the most a gateway takes.</source>
        <translation>未接受：表格已有 %1 行，这是网关可接受的最多行数。</translation>
    </message>
    <message>
        <source>485 to KNX telegrams</source>
        <translation>485 转 KNX 报文</translation>
    </message>
    <message>
        <source>485 to KNX (1 byte) telegrams</source>
        <translation>485 转 KNX（1 字节）报文</translation>
    </message>
    <message>
        <source>KNX to 485 telegrams</source>
        <translation>KNX 转 485 报文</translation>
    </message>
    <message>
        <source>not read from the gateway</source>
        <translation>未从网关读取</translation>
    </message>
    <message>
        <source>Gateway serial settings:</source>
        <translation>网关串口参数</translation>
    </message>
    <message>
        <source>Site details</source>
        <translation>现场信息</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>现场</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Gateway location:</source>
        <translation>网关位置</translation>
    </message>
    <message>
        <source>Installer:</source>
        <translation>安装人员</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>签字确认</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>安装人员</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>No ETS group address export was recognised: its header line names the columns &quot;Group name&quot; and &quot;Address&quot;, or &quot;Main&quot;, &quot;Middle&quot;, &quot;Sub&quot; and &quot;Address&quot;; without a header line, every line has the address in the second column (1/1) or in the fourth (3/1).</source>
        <translation>未识别出 ETS 组地址导出文件：其标题行应包含列 &quot;Group name&quot; 和 &quot;Address&quot;，或 &quot;Main&quot;、&quot;Middle&quot;、&quot;Sub&quot; 和 &quot;Address&quot;；没有标题行时，每一行的地址应在第二列（1/1）或第四列（3/1）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a date, not a group address: a spreadsheet program took the address for a date. Format the address column as text before saving the file, or use the .xlsx export.</source>
        <translation>“%1”是日期，不是组地址：电子表格程序把该地址当成了日期。请在保存文件前把组地址列的格式设为文本，或改用 .xlsx 导出。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a number, not hexadecimal pairs: a spreadsheet program dropped the leading zeros (01 became 1). Format the column as text before saving the file, or use the .xlsx export.</source>
        <translation>“%1”是数字，不是十六进制字节对：电子表格程序去掉了开头的零（01 变成了 1）。请在保存文件前把该列的格式设为文本，或改用 .xlsx 导出。</translation>
    </message>
    <message>
        <source>%1, sheet %2</source>
        <translation>%1，工作表 %2</translation>
    </message>
    <message>
        <source>%1, row %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3: %4</source>
        <translation>%1，第 %2 行，第 %3 列：%4</translation>
    </message>
    <message>
        <source>The first line is not the column titles of a telegram table; expected one of: %1</source>
        <translation>第一行不是报文表格的列标题；应为以下之一：%1</translation>
    </message>
    <message>
        <source>Another sheet holds this table too</source>
        <translation>另一个工作表也包含此表格</translation>
    </message>
    <message>
        <source>The first row is not the column titles of a telegram table; expected one of: %1</source>
        <translation>第一行不是报文表格的列标题；应为以下之一：%1</translation>
    </message>
    <message>
        <source>The row has text beyond the table&apos;s %1 columns</source>
        <translation>该行在表格的 %1 列之外还有内容</translation>
    </message>
    <message>
        <source>The workbook unpacks to too much: %1 is larger than 16 MiB, or all parts together than 64 MiB</source>
        <translation>工作簿解压后过大：%1 大于 16 MiB，或所有部分合计大于 64 MiB</translation>
    </message>
    <message>
        <source>The workbook is damaged: %1 cannot be read</source>
        <translation>工作簿已损坏：无法读取 %1</translation>
    </message>
    <message>
        <source>The file is not an .xlsx workbook</source>
        <translation>该文件不是 .xlsx 工作簿</translation>
    </message>
    <message>
        <source>The workbook is damaged: it is not a complete zip archive</source>
        <translation>工作簿已损坏：不是完整的 zip 压缩包</translation>
    </message>
    <message>
        <source>The workbook holds no sheet whose first row is the column titles of a telegram table; expected one of: %1</source>
        <translation>工作簿中没有第一行为报文表格列标题的工作表；应为以下之一：%1</translation>
    </message>
    <message>
        <source>%1, row %2: a cell holds more than the 32767 characters a spreadsheet cell can hold</source>
        <translation>%1，第 %2 行：某个单元格超过了电子表格单元格最多可容纳的 32767 个字符</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>The project has changes that are not saved.</source>
        <translation>工程有尚未保存的更改。</translation>
    </message>
    <message>
        <source>Save them in the project file first?</source>
        <translation>是否先将其保存到工程文件？</translation>
    </message>
    <message>
        <source>Export tables as spreadsheet</source>
        <translation>将表格导出为电子表格</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Import tables from spreadsheet</source>
        <translation>从电子表格导入表格</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx);;CSV files (*.csv)</source>
        <translation>Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>False</source>
        <translation>假</translation>
    </message>
    <message>
        <source>True</source>
        <translation>真</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>No ramp</source>
        <translation>无斜坡</translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation>斜坡</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>无报警</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>减小</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>增大</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>激活</translation>
    </message>
    <message>
        <source>Not inverted</source>
        <translation>不反转</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>反转</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>无动作</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Not occupied</source>
        <translation>无人</translation>
    </message>
    <message>
        <source>Occupied</source>
        <translation>有人</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>Scene A</source>
        <translation>场景 A</translation>
    </message>
    <message>
        <source>Scene B</source>
        <translation>场景 B</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>白天</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>夜间</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>制冷</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>制热</translation>
    </message>
    <message>
        <source>No control</source>
        <translation>无控制</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Comfort</source>
        <translation>舒适</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>待机</translation>
    </message>
    <message>
        <source>Economy</source>
        <translation>节能</translation>
    </message>
    <message>
        <source>Building protection</source>
        <translation>建筑保护</translation>
    </message>
    <message>
        <source>break</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>无效数据</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>场景 %1</translation>
    </message>
    <message>
        <source>Activate scene %1</source>
        <translation>调用场景 %1</translation>
    </message>
    <message>
        <source>Learn scene %1</source>
        <translation>学习场景 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2 followed by one of %3</source>
        <translation>“%1”不是“%2”之一后接“%3”之一</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from %2 to %3</source>
        <translation>“%1”不是 %2 到 %3 之间的整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>“%1”超过 %2 个字符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, which this type cannot carry</source>
        <translation>“%1”含有此类型无法承载的“%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a scene from 1 to 64 to activate or learn, such as &quot;%2&quot;</source>
        <translation>“%1”不是要调用或学习的 1 到 64 号场景，例如“%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour written as #RRGGBB or as three numbers from 0 to 255</source>
        <translation>“%1”不是以 #RRGGBB 或三个 0 到 255 之间的数字表示的颜色</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not 1 to %2 bytes written as hexadecimal pairs</source>
        <translation>“%1”不是以十六进制对表示的 1 到 %2 个字节</translation>
    </message>
    <message>
        <source>A row of the gateway cannot carry a value of %1</source>
        <translation>网关的行无法承载 %1 类型的值</translation>
    </message>
    <message>
        <source>boolean</source>
        <translation>布尔值</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>开关</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>ramp</source>
        <translation>斜坡</translation>
    </message>
    <message>
        <source>alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>binary value</source>
        <translation>二进制值</translation>
    </message>
    <message>
        <source>step</source>
        <translation>步进</translation>
    </message>
    <message>
        <source>up/down</source>
        <translation>上/下</translation>
    </message>
    <message>
        <source>open/close</source>
        <translation>打开/关闭</translation>
    </message>
    <message>
        <source>start/stop</source>
        <translation>启动/停止</translation>
    </message>
    <message>
        <source>state</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>invert</source>
        <translation>反转</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>occupancy</source>
        <translation>占用</translation>
    </message>
    <message>
        <source>window/door</source>
        <translation>门窗</translation>
    </message>
    <message>
        <source>scene A/B</source>
        <translation>场景 A/B</translation>
    </message>
    <message>
        <source>day/night</source>
        <translation>白天/夜间</translation>
    </message>
    <message>
        <source>heating/cooling</source>
        <translation>制热/制冷</translation>
    </message>
    <message>
        <source>1-bit controlled</source>
        <translation>1 位受控</translation>
    </message>
    <message>
        <source>3-bit controlled</source>
        <translation>3 位受控</translation>
    </message>
    <message>
        <source>dimming</source>
        <translation>调光</translation>
    </message>
    <message>
        <source>blinds</source>
        <translation>百叶窗</translation>
    </message>
    <message>
        <source>8-bit unsigned value</source>
        <translation>8 位无符号值</translation>
    </message>
    <message>
        <source>percentage (0..100 %)</source>
        <translation>百分比 (0..100 %)</translation>
    </message>
    <message>
        <source>angle (°)</source>
        <translation>角度 (°)</translation>
    </message>
    <message>
        <source>percentage (0..255 %)</source>
        <translation>百分比 (0..255 %)</translation>
    </message>
    <message>
        <source>counter pulses</source>
        <translation>计数脉冲</translation>
    </message>
    <message>
        <source>8-bit signed value</source>
        <translation>8 位有符号值</translation>
    </message>
    <message>
        <source>percentage (%)</source>
        <translation>百分比 (%)</translation>
    </message>
    <message>
        <source>2-byte unsigned value</source>
        <translation>2 字节无符号值</translation>
    </message>
    <message>
        <source>pulses</source>
        <translation>脉冲</translation>
    </message>
    <message>
        <source>time (ms)</source>
        <translation>时间 (ms)</translation>
    </message>
    <message>
        <source>time (10 ms)</source>
        <translation>时间 (10 ms)</translation>
    </message>
    <message>
        <source>time (100 ms)</source>
        <translation>时间 (100 ms)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>时间 (s)</translation>
    </message>
    <message>
        <source>time (min)</source>
        <translation>时间 (min)</translation>
    </message>
    <message>
        <source>time (h)</source>
        <translation>时间 (h)</translation>
    </message>
    <message>
        <source>length (mm)</source>
        <translation>长度 (mm)</translation>
    </message>
    <message>
        <source>bus current (mA)</source>
        <translation>总线电流 (mA)</translation>
    </message>
    <message>
        <source>brightness (lx)</source>
        <translation>亮度 (lx)</translation>
    </message>
    <message>
        <source>colour temperature (K)</source>
        <translation>色温 (K)</translation>
    </message>
    <message>
        <source>2-byte signed value</source>
        <translation>2 字节有符号值</translation>
    </message>
    <message>
        <source>pulses difference</source>
        <translation>脉冲差</translation>
    </message>
    <message>
        <source>time lag (ms)</source>
        <translation>时间差 (ms)</translation>
    </message>
    <message>
        <source>time lag (10 ms)</source>
        <translation>时间差 (10 ms)</translation>
    </message>
    <message>
        <source>time lag (100 ms)</source>
        <translation>时间差 (100 ms)</translation>
    </message>
    <message>
        <source>time lag (s)</source>
        <translation>时间差 (s)</translation>
    </message>
    <message>
        <source>time lag (min)</source>
        <translation>时间差 (min)</translation>
    </message>
    <message>
        <source>time lag (h)</source>
        <translation>时间差 (h)</translation>
    </message>
    <message>
        <source>percentage difference (%)</source>
        <translation>百分比差 (%)</translation>
    </message>
    <message>
        <source>rotation angle (°)</source>
        <translation>旋转角度 (°)</translation>
    </message>
    <message>
        <source>2-byte float value</source>
        <translation>2 字节浮点值</translation>
    </message>
    <message>
        <source>temperature (°C)</source>
        <translation>温度 (°C)</translation>
    </message>
    <message>
        <source>temperature difference (K)</source>
        <translation>温差 (K)</translation>
    </message>
    <message>
        <source>kelvin per hour (K/h)</source>
        <translation>每小时开尔文 (K/h)</translation>
    </message>
    <message>
        <source>illuminance (lx)</source>
        <translation>照度 (lx)</translation>
    </message>
    <message>
        <source>wind speed (m/s)</source>
        <translation>风速 (m/s)</translation>
    </message>
    <message>
        <source>air pressure (Pa)</source>
        <translation>气压 (Pa)</translation>
    </message>
    <message>
        <source>humidity (%)</source>
        <translation>湿度 (%)</translation>
    </message>
    <message>
        <source>air quality (ppm)</source>
        <translation>空气质量 (ppm)</translation>
    </message>
    <message>
        <source>air flow (m³/h)</source>
        <translation>风量 (m³/h)</translation>
    </message>
    <message>
        <source>voltage (mV)</source>
        <translation>电压 (mV)</translation>
    </message>
    <message>
        <source>current (mA)</source>
        <translation>电流 (mA)</translation>
    </message>
    <message>
        <source>power density (W/m²)</source>
        <translation>功率密度 (W/m²)</translation>
    </message>
    <message>
        <source>kelvin per percent (K/%)</source>
        <translation>每百分比开尔文 (K/%)</translation>
    </message>
    <message>
        <source>power (kW)</source>
        <translation>功率 (kW)</translation>
    </message>
    <message>
        <source>volume flow (l/h)</source>
        <translation>体积流量 (l/h)</translation>
    </message>
    <message>
        <source>rain amount (l/m²)</source>
        <translation>降雨量 (l/m²)</translation>
    </message>
    <message>
        <source>temperature (°F)</source>
        <translation>温度 (°F)</translation>
    </message>
    <message>
        <source>wind speed (km/h)</source>
        <translation>风速 (km/h)</translation>
    </message>
    <message>
        <source>absolute humidity (g/m³)</source>
        <translation>绝对湿度 (g/m³)</translation>
    </message>
    <message>
        <source>concentration (µg/m³)</source>
        <translation>浓度 (µg/m³)</translation>
    </message>
    <message>
        <source>4-byte unsigned value</source>
        <translation>4 字节无符号值</translation>
    </message>
    <message>
        <source>4-byte signed value</source>
        <translation>4 字节有符号值</translation>
    </message>
    <message>
        <source>active energy (Wh)</source>
        <translation>有功电能 (Wh)</translation>
    </message>
    <message>
        <source>apparent energy (VAh)</source>
        <translation>视在电能 (VAh)</translation>
    </message>
    <message>
        <source>reactive energy (VARh)</source>
        <translation>无功电能 (VARh)</translation>
    </message>
    <message>
        <source>active energy (kWh)</source>
        <translation>有功电能 (kWh)</translation>
    </message>
    <message>
        <source>apparent energy (kVAh)</source>
        <translation>视在电能 (kVAh)</translation>
    </message>
    <message>
        <source>reactive energy (kVARh)</source>
        <translation>无功电能 (kVARh)</translation>
    </message>
    <message>
        <source>active energy (MWh)</source>
        <translation>有功电能 (MWh)</translation>
    </message>
    <message>
        <source>4-byte float value</source>
        <translation>4 字节浮点值</translation>
    </message>
    <message>
        <source>electric current (A)</source>
        <translation>电流 (A)</translation>
    </message>
    <message>
        <source>electric potential (V)</source>
        <translation>电势 (V)</translation>
    </message>
    <message>
        <source>potential difference (V)</source>
        <translation>电势差 (V)</translation>
    </message>
    <message>
        <source>energy (J)</source>
        <translation>能量 (J)</translation>
    </message>
    <message>
        <source>frequency (Hz)</source>
        <translation>频率 (Hz)</translation>
    </message>
    <message>
        <source>length (m)</source>
        <translation>长度 (m)</translation>
    </message>
    <message>
        <source>mass (kg)</source>
        <translation>质量 (kg)</translation>
    </message>
    <message>
        <source>power (W)</source>
        <translation>功率 (W)</translation>
    </message>
    <message>
        <source>power factor</source>
        <translation>功率因数</translation>
    </message>
    <message>
        <source>pressure (Pa)</source>
        <translation>压力 (Pa)</translation>
    </message>
    <message>
        <source>speed (m/s)</source>
        <translation>速度 (m/s)</translation>
    </message>
    <message>
        <source>absolute temperature (K)</source>
        <translation>绝对温度 (K)</translation>
    </message>
    <message>
        <source>volume (m³)</source>
        <translation>体积 (m³)</translation>
    </message>
    <message>
        <source>volume flow (m³/s)</source>
        <translation>体积流量 (m³/s)</translation>
    </message>
    <message>
        <source>character string</source>
        <translation>字符串</translation>
    </message>
    <message>
        <source>text (ASCII)</source>
        <translation>文本 (ASCII)</translation>
    </message>
    <message>
        <source>text (ISO 8859-1)</source>
        <translation>文本 (ISO 8859-1)</translation>
    </message>
    <message>
        <source>scene number</source>
        <translation>场景号</translation>
    </message>
    <message>
        <source>scene control</source>
        <translation>场景控制</translation>
    </message>
    <message>
        <source>1-byte enumeration</source>
        <translation>1 字节枚举</translation>
    </message>
    <message>
        <source>HVAC mode</source>
        <translation>HVAC 模式</translation>
    </message>
    <message>
        <source>RGB colour</source>
        <translation>RGB 颜色</translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation>%1控制</translation>
    </message>
    <message>
        <source>KNX</source>
        <translation>KNX</translation>
    </message>
    <message>
        <source>Connect to KNX…</source>
        <translation>连接到 KNX…</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Group monitor</source>
        <translation>组监视器</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>“%1”不是 0 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group address such as 1/2/3</source>
        <translation>“%1”不是组地址（例如 1/2/3）</translation>
    </message>
    <message>
        <source>The datapoint type of %1 is not known: choose a type or a length for the value.</source>
        <translation>%1 的数据点类型未知：请为该值选择类型或长度。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a datapoint type such as 9.001 nor a length such as 1 byte</source>
        <translation>“%1”既不是数据点类型（例如 9.001），也不是长度（例如 1 byte）</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源地址</translation>
    </message>
    <message>
        <source>Group address</source>
        <translation>组地址</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>服务</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>响应</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写</translation>
    </message>
    <message>
        <source>Cannot send a KNX search request: %1. Check the network settings of this computer.</source>
        <translation>无法发送 KNX 搜索请求：%1。请检查本计算机的网络设置。</translation>
    </message>
    <message>
        <source>no network interface can send it</source>
        <translation>没有可发送它的网络接口</translation>
    </message>
    <message>
        <source>%1 is no IPv4 address</source>
        <translation>%1 不是 IPv4 地址</translation>
    </message>
    <message>
        <source>Cannot join the KNX routing group %1 on port %2: %3. Check that the network is up and allows multicast, or use a tunnelling interface.</source>
        <translation>无法加入端口 %2 上的 KNX 路由组 %1：%3。请检查网络是否已连接并允许组播，或使用隧道接口。</translation>
    </message>
    <message>
        <source>The telegram could not be sent to the routing group: %1. Check the network.</source>
        <translation>无法将报文发送到路由组：%1。请检查网络。</translation>
    </message>
    <message>
        <source>The KNX interface at %1 is busy: it has no free tunnel. Close another program&apos;s connection to it, or wait a minute, and connect again.</source>
        <translation>位于 %1 的 KNX 接口正忙：没有空闲的隧道。请关闭其他程序与它的连接，或等待一分钟，然后重新连接。</translation>
    </message>
    <message>
        <source>The KNX interface at %1 has no connection to the KNX bus. Check its bus cable, then connect again.</source>
        <translation>位于 %1 的 KNX 接口未连接到 KNX 总线。请检查其总线电缆，然后重新连接。</translation>
    </message>
    <message>
        <source>The KNX interface at %1 offers no tunnel on the link layer. Use another interface, or routing.</source>
        <translation>位于 %1 的 KNX 接口不提供链路层隧道。请使用其他接口或路由方式。</translation>
    </message>
    <message>
        <source>The KNX interface at %1 refused the connection (error code %2). Check its settings, then connect again.</source>
        <translation>位于 %1 的 KNX 接口拒绝了连接（错误代码 %2）。请检查其设置，然后重新连接。</translation>
    </message>
    <message>
        <source>The connection to the KNX interface at %1 was lost: %2. Check the network and the interface, then connect again.</source>
        <translation>与位于 %1 的 KNX 接口的连接已断开：%2。请检查网络和接口，然后重新连接。</translation>
    </message>
    <message>
        <source>Cannot open a UDP socket for the KNX interface: %1. Check the network settings of this computer.</source>
        <translation>无法为 KNX 接口打开 UDP 套接字：%1。请检查本计算机的网络设置。</translation>
    </message>
    <message>
        <source>Cannot find the KNX interface %1: %2. Check the name, or give the interface&apos;s IP address.</source>
        <translation>找不到 KNX 接口 %1：%2。请检查名称，或填写接口的 IP 地址。</translation>
    </message>
    <message>
        <source>it has no IPv4 address</source>
        <translation>它没有 IPv4 地址</translation>
    </message>
    <message>
        <source>the interface lost the KNX bus</source>
        <translation>接口与 KNX 总线的连接已中断</translation>
    </message>
    <message>
        <source>the interface no longer knows it</source>
        <translation>接口已不再识别该连接</translation>
    </message>
    <message>
        <source>The KNX interface at %1 ended the connection. Connect again; if it happens again, check the interface.</source>
        <translation>位于 %1 的 KNX 接口结束了连接。请重新连接；如果再次发生，请检查接口。</translation>
    </message>
    <message>
        <source>The KNX interface could not put the telegram on the bus. Check the bus and that the address is right.</source>
        <translation>KNX 接口无法将报文发送到总线上。请检查总线以及地址是否正确。</translation>
    </message>
    <message>
        <source>the interface did not acknowledge a telegram</source>
        <translation>接口未确认一条报文</translation>
    </message>
    <message>
        <source>The KNX interface did not confirm that the telegram went on the bus. Check the bus.</source>
        <translation>KNX 接口未确认报文已发送到总线上。请检查总线。</translation>
    </message>
    <message>
        <source>it did not answer %1 heartbeats in a row</source>
        <translation>它连续 %1 次未应答心跳</translation>
    </message>
    <message>
        <source>No answer from the KNX interface at %1. Check the address and that the interface is on.</source>
        <translation>位于 %1 的 KNX 接口没有应答。请检查地址以及接口是否已开启。</translation>
    </message>
    <message>
        <source>The connection to the KNX interface ended before the telegram was sent.</source>
        <translation>在报文发送之前，与 KNX 接口的连接已结束。</translation>
    </message>
    <message>
        <source>Filter by group address or name</source>
        <translation>按组地址或名称筛选</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>导出为 CSV…</translation>
    </message>
    <message>
        <source>Export the group monitor</source>
        <translation>导出组监视器</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Choose another folder or free some space, then export again.</source>
        <translation>请选择其他文件夹或释放磁盘空间，然后重新导出。</translation>
    </message>
    <message>
        <source>Type or length</source>
        <translation>类型或长度</translation>
    </message>
    <message>
        <source>Empty: the address&apos;s datapoint type from the address book</source>
        <translation>留空：使用地址簿中该地址的数据点类型</translation>
    </message>
    <message>
        <source>No response from %1 within %2 s.</source>
        <translation>%2 秒内 %1 没有响应。</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>正在发送…</translation>
    </message>
    <message>
        <source>Read %1 sent, waiting for the response…</source>
        <translation>已发送读取 %1，正在等待响应…</translation>
    </message>
    <message>
        <source>Sent: %1 %2</source>
        <translation>已发送：%1 %2</translation>
    </message>
    <message>
        <source>%1 responded: %2</source>
        <translation>%1 响应：%2</translation>
    </message>
    <message>
        <source>Search again</source>
        <translation>重新搜索</translation>
    </message>
    <message>
        <source>Connect to KNX</source>
        <translation>连接到 KNX</translation>
    </message>
    <message>
        <source>192.168.1.20:3671 or routing</source>
        <translation>192.168.1.20:3671 或 routing</translation>
    </message>
    <message>
        <source>KNX IP routing (multicast 224.0.23.12)</source>
        <translation>KNX IP 路由（组播 224.0.23.12）</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>接口：</translation>
    </message>
    <message>
        <source>Searching for KNX interfaces…</source>
        <translation>正在搜索 KNX 接口…</translation>
    </message>
    <message>
        <source>%1 (%2) at %3</source>
        <translation>%1（%2），地址 %3</translation>
    </message>
    <message>
        <source>No KNX interface answered the search; type its address.</source>
        <translation>没有 KNX 接口响应搜索；请输入其地址。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no interface: type HOST or HOST:PORT (for example 192.168.1.20:3671), or routing.</source>
        <translation>“%1”不是接口：请输入 主机 或 主机:端口（例如 192.168.1.20:3671），或 routing。</translation>
    </message>
    <message>
        <source>KNX connected to %1</source>
        <translation>KNX 已连接到 %1</translation>
    </message>
    <message>
        <source>KNX disconnected</source>
        <translation>KNX 已断开</translation>
    </message>
    <message>
        <source>Not connected to KNX: use KNX, Connect to KNX… first.</source>
        <translation>未连接到 KNX：请先使用“KNX”菜单中的“连接到 KNX…”。</translation>
    </message>
    <message>
        <source>The KNX connection cannot send now; try again.</source>
        <translation>KNX 连接现在无法发送；请重试。</translation>
    </message>
    <message>
        <source>KNX: %1</source>
        <translation>KNX：%1</translation>
    </message>
    <message>
        <source>The KNX connection was lost.</source>
        <translation>KNX 连接已断开。</translation>
    </message>
    <message>
        <source>The KNX connection could not be made.</source>
        <translation>无法建立 KNX 连接。</translation>
    </message>
    <message>
        <source>KNX: connecting to %1…</source>
        <translation>KNX：正在连接 %1…</translation>
    </message>
    <message>
        <source>KNX: %1 connected as %2</source>
        <translation>KNX：%1 已连接，本机地址 %2</translation>
    </message>
    <message>
        <source>KNX: disconnecting from %1…</source>
        <translation>KNX：正在断开 %1…</translation>
    </message>
    <message>
        <source>KNX: not connected</source>
        <translation>KNX：未连接</translation>
    </message>
    <message>
        <source>KNX: %1 not connected</source>
        <translation>KNX：%1 未连接</translation>
    </message>
    <message>
        <source>Check rows</source>
        <translation>检查各行</translation>
    </message>
    <message>
        <source>its telegram, address or value cannot be sent</source>
        <translation>其报文、地址或数值无法发送</translation>
    </message>
    <message>
        <source>its telegrams or address cannot be sent</source>
        <translation>其报文或地址无法发送</translation>
    </message>
    <message>
        <source>it has no value to send</source>
        <translation>没有可发送的数值</translation>
    </message>
    <message>
        <source>its address, value or baud rate cannot be used</source>
        <translation>其地址、数值或波特率无法使用</translation>
    </message>
    <message>
        <source>nothing on the line</source>
        <translation>线路上没有收到任何数据</translation>
    </message>
    <message>
        <source>nothing on KNX</source>
        <translation>KNX 上没有收到任何报文</translation>
    </message>
    <message>
        <source>%1 (the gateway did not react to the %2 rows before)</source>
        <translation>%1（网关对之前的 %2 行均无反应）</translation>
    </message>
    <message>
        <source>the KNX connection cannot send</source>
        <translation>KNX 连接无法发送</translation>
    </message>
    <message>
        <source>KNX %1 instead of %2</source>
        <translation>KNX 收到 %1，而不是 %2</translation>
    </message>
    <message>
        <source>value %1 is not one byte</source>
        <translation>数值 %1 不是一个字节</translation>
    </message>
    <message>
        <source>value %1 instead of %2</source>
        <translation>数值为 %1，而不是 %2</translation>
    </message>
    <message>
        <source>value %1 outside %2 to %3</source>
        <translation>数值 %1 不在 %2 到 %3 之间</translation>
    </message>
    <message>
        <source>value %1 not below the (+) value %2</source>
        <translation>数值 %1 不低于 (+) 的数值 %2</translation>
    </message>
    <message>
        <source>no acknowledgement</source>
        <translation>没有应答</translation>
    </message>
    <message>
        <source>other bytes on the line: %1</source>
        <translation>线路上收到其他数据：%1</translation>
    </message>
    <message>
        <source>The rows cannot be checked yet.</source>
        <translation>现在还不能检查各行。</translation>
    </message>
    <message>
        <source>There are no rows to check.</source>
        <translation>没有可检查的行。</translation>
    </message>
    <message>
        <source>Checking %1 rows…</source>
        <translation>正在检查 %1 行…</translation>
    </message>
    <message>
        <source>The gateway&apos;s port is not open: choose it and press Open.</source>
        <translation>网关的串口未打开：请选择该串口并点击“打开”。</translation>
    </message>
    <message>
        <source>There is no KNX connection: use KNX, Connect to KNX… to reach the bus the gateway sends to.</source>
        <translation>没有 KNX 连接：请使用“KNX”菜单中的“连接到 KNX…”连接网关所发送到的总线。</translation>
    </message>
    <message>
        <source>Checked %1: %2</source>
        <translation>已检查 %1：%2</translation>
    </message>
    <message>
        <source>The check stopped: the KNX connection was lost.</source>
        <translation>检查已停止：KNX 连接已断开。</translation>
    </message>
    <message>
        <source>The gateway does not answer the working-mode command: connect it and check that it listens at the settings shown (Scan finds them), then check again.</source>
        <translation>网关没有响应工作模式命令：请连接网关并确认其串口参数与所示设置一致（“扫描”可找到其参数），然后重新检查。</translation>
    </message>
    <message>
        <source>%1 passed, %2 failed, %3 skipped.</source>
        <translation>%1 行通过，%2 行失败，%3 行跳过。</translation>
    </message>
    <message>
        <source>%1 of %2 rows were checked.</source>
        <translation>已检查 %2 行中的 %1 行。</translation>
    </message>
    <message>
        <source>The check was cancelled. </source>
        <translation>检查已取消。</translation>
    </message>
    <message>
        <source>The check ended for another command. </source>
        <translation>检查因其他命令而结束。</translation>
    </message>
    <message>
        <source>The check ended: the port was closed. </source>
        <translation>检查已结束：串口已关闭。</translation>
    </message>
    <message>
        <source>passed %1</source>
        <translation>%1 通过</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>%1 失败：%2</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <source>%1 (given at start)</source>
        <translation>%1（启动时指定）</translation>
    </message>
    <message>
        <source>%1 (used before)</source>
        <translation>%1（曾使用）</translation>
    </message>
    <message>
        <source>Interfaces found: %1.</source>
        <translation>找到的接口：%1 个。</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未检查</translation>
    </message>
    <message>
        <source>%1 of %2 rows passed, %3 failed, %4 skipped, %5 not checked</source>
        <translation>%2 行中 %1 行通过，%3 行失败，%4 行跳过，%5 行未检查</translation>
    </message>
    <message>
        <source>Commissioning check:</source>
        <translation>调试检查</translation>
    </message>
</context>
</TS>
