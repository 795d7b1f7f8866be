<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Ortavel</name>
    <message>
        <source>Status panel %1</source>
        <translation>状态栏 %1</translation>
    </message>
    <message>
        <source>Point %</source>
        <translation>测点 %</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>标称值</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>标准值</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>离散</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error %</source>
        <translation>误差 %</translation>
    </message>
    <message>
        <source>U (k=2)</source>
        <translation>U (k=2)</translation>
    </message>
    <message>
        <source>TUR</source>
        <translation>TUR</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>End of report</source>
        <translation>报告结束</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Report %1   page %2 of %3</source>
        <translation>报告 %1   第 %2 页，共 %3 页</translation>
    </message>
    <message>
        <source>As found run, %1</source>
        <translation>校准前测量，%1</translation>
    </message>
    <message>
        <source>As left run, %1</source>
        <translation>校准后测量，%1</translation>
    </message>
    <message>
        <source>Range: %1 to %2 %3%4   transmitter temperature at start (RT0): %5</source>
        <translation>量程：%1 至 %2 %3%4   开始时变送器温度（RT0）：%5</translation>
    </message>
    <message>
        <source> (typed by the operator, not read)</source>
        <translation> （由操作员输入，未读取）</translation>
    </message>
    <message>
        <source>Operator: %1   tolerance: ±%2 % of span   samples per point: %3</source>
        <translation>操作员：%1   允差：量程跨度的 ±%2 %   每点采样数：%3</translation>
    </message>
    <message>
        <source>Reference instrument: %1   serial %2   certificate %3   due %4</source>
        <translation>标准器：%1   序列号 %2   证书 %3   有效期至 %4</translation>
    </message>
    <message>
        <source>Reference uncertainty (expanded): %1   decision rule: %2</source>
        <translation>标准器不确定度（扩展）：%1   判定规则：%2</translation>
    </message>
    <message>
        <source>not stated</source>
        <translation>未说明</translation>
    </message>
    <message>
        <source>The reference instrument was past its due date (%1) at this run; the operator went on.</source>
        <translation>本次测量时标准器已过有效期（%1）；操作员仍继续进行。</translation>
    </message>
    <message>
        <source>Points repeated: %1 earlier take(s) discarded (kept in the CSV)   points skipped: %2</source>
        <translation>重测的点：舍弃了 %1 次先前读数（保存在 CSV 中）   跳过的点：%2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>备注：%1</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>方法：%1</translation>
    </message>
    <message>
        <source>   dwell before each reading: %1 s</source>
        <translation>   每次读数前稳定时间：%1 s</translation>
    </message>
    <message>
        <source>   preloads: %1 of %2</source>
        <translation>   预加载：%1/%2</translation>
    </message>
    <message>
        <source>Zero readings (vented, %1):</source>
        <translation>零点读数（通大气，%1）：</translation>
    </message>
    <message>
        <source>  M%1 before: %2</source>
        <translation>  M%1 之前：%2</translation>
    </message>
    <message>
        <source>  M%1 after: %2</source>
        <translation>  M%1 之后：%2</translation>
    </message>
    <message>
        <source>Readings taken before their dwell ran out: %1</source>
        <translation>稳定时间未到即读取的读数：%1</translation>
    </message>
    <message>
        <source>Characteristics (not judged):</source>
        <translation>特性（不作判定）：</translation>
    </message>
    <message>
        <source>, unstable</source>
        <translation>，不稳定</translation>
    </message>
    <message>
        <source>, repeated %1x</source>
        <translation>，重测 %1 次</translation>
    </message>
    <message>
        <source>As found: %1</source>
        <translation>校准前：%1</translation>
    </message>
    <message>
        <source>As left: %1</source>
        <translation>校准后：%1</translation>
    </message>
    <message>
        <source>4-20 mA output (4 mA at OL %1, 20 mA at OH %2): %3</source>
        <translation>4-20 mA 输出（4 mA 对应 OL %1，20 mA 对应 OH %2）：%3</translation>
    </message>
    <message>
        <source>  at %1 %: expected %2 mA, meter %3 mA, error %4 % of 16 mA, %5</source>
        <translation>  %1 % 处：期望 %2 mA，电流表 %3 mA，误差为 16 mA 的 %4 %，%5</translation>
    </message>
    <message>
        <source>Hysteresis (% of span, not judged):</source>
        <translation>回差（量程跨度的 %，不作判定）：</translation>
    </message>
    <message>
        <source>  at %1 %2: %3</source>
        <translation>  %1 %2 处：%3</translation>
    </message>
    <message>
        <source>Verification of a pressure transmitter: as found and as left against a reference</source>
        <translation>压力变送器核查：以标准器为参照进行校准前和校准后测量</translation>
    </message>
    <message>
        <source>Report %1   issued %2</source>
        <translation>报告 %1   签发日期 %2</translation>
    </message>
    <message>
        <source>Issued by: %1   %2</source>
        <translation>签发机构：%1   %2</translation>
    </message>
    <message>
        <source>Customer or owner: %1   tag: %2   location: %3   place of the work: %4</source>
        <translation>客户或所有者：%1   位号：%2   安装位置：%3   工作地点：%4</translation>
    </message>
    <message>
        <source>Transmitter: address %1   type %2   id %3   version %4   sensor range %5 to %6 %7</source>
        <translation>变送器：地址 %1   型号 %2   标识 %3   版本 %4   传感器量程 %5 至 %6 %7</translation>
    </message>
    <message>
        <source>as found: %1</source>
        <translation>校准前：%1</translation>
    </message>
    <message>
        <source>as left: %1</source>
        <translation>校准后：%1</translation>
    </message>
    <message>
        <source>Dates of the runs: %1</source>
        <translation>测量日期：%1</translation>
    </message>
    <message>
        <source>Departures from the method: %1</source>
        <translation>偏离方法之处：%1</translation>
    </message>
    <message>
        <source>Ambient conditions: temperature %1   humidity %2   atmospheric pressure %3</source>
        <translation>环境条件：温度 %1   湿度 %2   大气压力 %3</translation>
    </message>
    <message>
        <source>A reference instrument past its due date was used (see the runs below).</source>
        <translation>使用了已过有效期的标准器（见下文各次测量）。</translation>
    </message>
    <message>
        <source>Pressures in %1 with the transmitter&apos;s decimals. Nominal: the point&apos;s pressure on the range; Reference: read off the reference instrument, &quot;(n)&quot;: the nominal taken over;</source>
        <translation>压力单位为 %1，小数位数与变送器相同。标称值：该点在量程上的压力；标准值：从标准器读取，“(n)”：采用标称值；</translation>
    </message>
    <message>
        <source>the transmitter&apos;s unit</source>
        <translation>变送器的单位</translation>
    </message>
    <message>
        <source>Reading: mean of the transmitter&apos;s samples, a digit more than it shows; Spread: highest minus lowest sample; Error: reading minus reference; Error %: of span.</source>
        <translation>读数：变送器各采样的平均值，比其显示多一位小数；离散：最高采样减最低采样；误差：读数减标准值；误差 %：相对量程跨度。</translation>
    </message>
    <message>
        <source>U (k=2): expanded uncertainty of the error from the reference&apos;s stated uncertainty, one digit of the transmitter and the samples&apos; standard deviation of their mean;</source>
        <translation>U (k=2)：误差的扩展不确定度，由标准器给出的不确定度、变送器的一个末位数字和采样平均值的标准偏差合成；</translation>
    </message>
    <message>
        <source>TUR: tolerance / U. Each point is judged by its run&apos;s decision rule; &quot;unstable&quot;: spread above a quarter of the tolerance; &quot;not read&quot;: a sample failed.</source>
        <translation>TUR：允差 / U。各点按其所属测量的判定规则判定；“不稳定”：离散超过允差的四分之一；“未读取”：有采样失败。</translation>
    </message>
    <message>
        <source>The results relate only to the item calibrated. This report may be reproduced only in full.</source>
        <translation>结果仅对所校准的对象有效。本报告只能全文复制。</translation>
    </message>
    <message>
        <source>CSV record of this report: SHA-256 %1</source>
        <translation>本报告的 CSV 记录：SHA-256 %1</translation>
    </message>
    <message>
        <source>Performed by: ______________________   Date: ____________   Signature: ______________________</source>
        <translation>执行人：______________________   日期：____________   签名：______________________</translation>
    </message>
    <message>
        <source>Checked by:   ______________________   Date: ____________   Signature: ______________________</source>
        <translation>核验人：______________________   日期：____________   签名：______________________</translation>
    </message>
    <message>
        <source>%1 may be opened by its owner only; ask the administrator of this machine for access.</source>
        <translation>%1 仅其所有者可以打开；请向本机管理员申请访问权限。</translation>
    </message>
    <message>
        <source>To use %1, join its group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log out and log in again.</source>
        <translation>要使用 %1，请加入其用户组“%2”（sudo usermod -aG %2 $USER），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>串口已打开</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: this build has no network links</source>
        <translation>%1：此版本不支持网络连接</translation>
    </message>
    <message>
        <source>Operation valid only when the port is closed</source>
        <translation>仅在串口关闭时可执行此操作</translation>
    </message>
    <message>
        <source>not a port: %1</source>
        <translation>不是串口：%1</translation>
    </message>
    <message>
        <source>%1, latency timer %2 ms (added to the quick search&apos;s wait)</source>
        <translation>%1，延迟计时器 %2 ms（计入快速搜索的等待时间）</translation>
    </message>
    <message>
        <source>Port is closed</source>
        <translation>串口已关闭</translation>
    </message>
    <message>
        <source>Not a network link: %1</source>
        <translation>不是网络连接：%1</translation>
    </message>
    <message>
        <source>Cannot connect to %1 within %2 s: %3</source>
        <translation>无法在 %2 s 内连接到 %1：%3</translation>
    </message>
    <message>
        <source>No network link chosen</source>
        <translation>未选择网络连接</translation>
    </message>
    <message>
        <source>Port already closed</source>
        <translation>串口早已关闭</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>属性值无效</translation>
    </message>
    <message>
        <source>The rate of %1 is set at its server (%2 baud); it cannot be changed from here</source>
        <translation>%1 的波特率由其服务器设定（%2 波特），无法在此更改</translation>
    </message>
    <message>
        <source>Lost the connection to %1</source>
        <translation>与 %1 的连接已断开</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Writing took longer than 1 s to %1</source>
        <translation>写入 %1 耗时超过 1 s</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>串口号无效</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>错误 %1</translation>
    </message>
    <message>
        <source>Write timed out</source>
        <translation>写入超时</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入文件 %1</translation>
    </message>
    <message>
        <source>Port %1: the request did not come back as an echo before the reply, so the port&apos;s echo setting &quot;on&quot; may be wrong for this adapter (&quot;auto&quot; suits adapters with and without an echo)</source>
        <translation>串口 %1：请求的回显未在应答之前返回，因此该串口的回显设置“on”可能不适合此适配器（“auto”适用于有回显和无回显的适配器）</translation>
    </message>
    <message>
        <source>%1 answers later than the %2 ms timeout; its values were not taken</source>
        <translation>%1 的应答晚于 %2 ms 的超时时间；其数值未被采用</translation>
    </message>
    <message>
        <source>an IPv6 address goes in brackets followed by :PORT</source>
        <translation>IPv6 地址须写在方括号内，后接 :PORT</translation>
    </message>
    <message>
        <source>the host needs a :PORT</source>
        <translation>主机后须带 :PORT</translation>
    </message>
    <message>
        <source>the host is empty or has characters no host name has</source>
        <translation>主机为空，或含有主机名中不会出现的字符</translation>
    </message>
    <message>
        <source>the TCP port takes a whole number from 1 to 65535</source>
        <translation>TCP 端口须为 1 到 65535 之间的整数</translation>
    </message>
    <message>
        <source>baud= is for raw TCP links only: elsewhere the rate is set on the line</source>
        <translation>baud= 仅用于原始 TCP 连接：其他连接的波特率在线路上设置</translation>
    </message>
    <message>
        <source>baud takes 1200, 2400, 4800 or 9600</source>
        <translation>baud 可取 1200、2400、4800 或 9600</translation>
    </message>
    <message>
        <source>allowance takes a whole number of milliseconds from 0 to %1</source>
        <translation>allowance 须为 0 到 %1 之间的整数毫秒</translation>
    </message>
    <message>
        <source>echo takes off, on or auto</source>
        <translation>echo 可取 off、on 或 auto</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; (baud, allowance and echo are known)</source>
        <translation>未知选项“%1”（可用选项为 baud、allowance 和 echo）</translation>
    </message>
    <message>
        <source>raw TCP, rate fixed at %1 baud by the server</source>
        <translation>原始 TCP，服务器固定波特率为 %1</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>串口设备</translation>
    </message>
    <message>
        <source>%1, reply allowance %2 ms, echo %3</source>
        <translation>%1，应答余量 %2 ms，回显 %3</translation>
    </message>
    <message>
        <source>only tcp:// and rfc2217:// links are known</source>
        <translation>仅支持 tcp:// 和 rfc2217:// 连接</translation>
    </message>
    <message>
        <source>no device given</source>
        <translation>未指定设备</translation>
    </message>
    <message>
        <source>turnaround</source>
        <translation>应答等待时间</translation>
    </message>
    <message>
        <source>allowance</source>
        <translation>适配器滞留时间</translation>
    </message>
    <message>
        <source>%1 takes a whole number of milliseconds from %2 to %3</source>
        <translation>%1须为 %2 到 %3 之间的整数毫秒</translation>
    </message>
    <message>
        <source>Quick search waits %1 ms for a transmitter to start answering; use Search for slower ones</source>
        <translation>快速搜索等待变送器开始应答 %1 ms；较慢的变送器请用“搜索”</translation>
    </message>
    <message>
        <source>The link&apos;s reply allowance (%1 ms) and the adapter&apos;s latency timer (%2 ms) are added to the wait</source>
        <translation>等待时间已加上连接的应答余量（%1 ms）和适配器的延迟计时器（%2 ms）</translation>
    </message>
    <message>
        <source>The link&apos;s reply allowance (%1 ms) is added to the wait</source>
        <translation>等待时间已加上连接的应答余量（%1 ms）</translation>
    </message>
    <message>
        <source>The adapter&apos;s latency timer (%1 ms) is added to the wait</source>
        <translation>等待时间已加上适配器的延迟计时器（%1 ms）</translation>
    </message>
    <message>
        <source>no value read</source>
        <translation>未读取数值</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>为空</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>过长</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>含有控制字符</translation>
    </message>
    <message>
        <source>no transmitter selected</source>
        <translation>未选择变送器</translation>
    </message>
    <message>
        <source>the device server sets the line&apos;s rate</source>
        <translation>波特率由设备服务器设定</translation>
    </message>
    <message>
        <source>%1 (answer: %2)</source>
        <translation>%1（应答：%2）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>未写入：%1</translation>
    </message>
    <message>
        <source>Not confirmed: %1</source>
        <translation>未确认：%1</translation>
    </message>
    <message>
        <source>No good reply: %1</source>
        <translation>无有效应答：%1</translation>
    </message>
    <message>
        <source>Nothing sent: %1</source>
        <translation>未发送：%1</translation>
    </message>
    <message>
        <source>no good reply: %1</source>
        <translation>无有效应答：%1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>not confirmed: %1</source>
        <translation>未确认：%1</translation>
    </message>
    <message>
        <source>Address %1 has been exist,press “OK” return！</source>
        <translation>地址 %1 已存在，按“确定”返回！</translation>
    </message>
    <message>
        <source>Error address！</source>
        <translation>地址错误！</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>保存数据</translation>
    </message>
    <message>
        <source>Data Saved!</source>
        <translation>数据已保存！</translation>
    </message>
    <message>
        <source>Data saved error!</source>
        <translation>数据保存出错！</translation>
    </message>
    <message>
        <source>写入工厂数据区</source>
        <translation>写入工厂数据区</translation>
    </message>
    <message>
        <source>写入工厂数据区完成!</source>
        <translation>写入工厂数据区完成!</translation>
    </message>
    <message>
        <source>写入工厂数据区出错</source>
        <translation>写入工厂数据区出错</translation>
    </message>
    <message>
        <source>Not written to all transmitters: %1</source>
        <translation>未写入所有变送器：%1</translation>
    </message>
    <message>
        <source>Nothing sent: %1.</source>
        <translation>未发送：%1。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Restore the factory Setting</source>
        <translation>已恢复出厂设置</translation>
    </message>
    <message>
        <source>Restore the factory Setting failed!</source>
        <translation>恢复出厂设置失败！</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>采集</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>The port closed: %1. Nothing more is sent; choose the port again to reconnect.</source>
        <translation>串口已关闭：%1。不再发送任何内容；请重新选择串口以重新连接。</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>历史记录：%1</translation>
    </message>
    <message>
        <source>The instrument history cannot store entries now: %1. They are kept on this computer and stored once it can.</source>
        <translation>仪表历史记录现在无法保存条目：%1。条目暂存在本机，待能够保存时再存入。</translation>
    </message>
    <message>
        <source>a search is running</source>
        <translation>正在搜索</translation>
    </message>
    <message>
        <source>Intelligent Transmitter Parameter Setting     Ver 1.35e</source>
        <translation>智能变送器参数设置     版本 1.35e</translation>
    </message>
    <message>
        <source>在线变送器地址列表</source>
        <translation>在线变送器地址列表</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>UserCal (&amp;C)</source>
        <translation>用户校准(&amp;C)</translation>
    </message>
    <message>
        <source>About...(&amp;A)</source>
        <translation>关于...(&amp;A)</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Traffic(&amp;T)</source>
        <translation>通信记录(&amp;T)</translation>
    </message>
    <message>
        <source>Trend(&amp;R)</source>
        <translation>趋势(&amp;R)</translation>
    </message>
    <message>
        <source>Quick Search(&amp;Q)</source>
        <translation>快速搜索(&amp;Q)</translation>
    </message>
    <message>
        <source>Quick Search Wait...(&amp;W)</source>
        <translation>快速搜索等待时间...(&amp;W)</translation>
    </message>
    <message>
        <source>Verification(&amp;E)...</source>
        <translation>核查(&amp;E)...</translation>
    </message>
    <message>
        <source>History(&amp;H)...</source>
        <translation>历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Specified</source>
        <translation>原文（规定文本）</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>As the Window</source>
        <translation>与窗口相同</translation>
    </message>
    <message>
        <source>Configuration(&amp;G)</source>
        <translation>配置(&amp;G)</translation>
    </message>
    <message>
        <source>Save Configuration...</source>
        <translation>保存配置...</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>与文件比较...</translation>
    </message>
    <message>
        <source>Apply File to Transmitters...</source>
        <translation>将文件应用到变送器...</translation>
    </message>
    <message>
        <source>Current Transmitter Information</source>
        <translation>当前变送器信息</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>量程：</translation>
    </message>
    <message>
        <source>Versie:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>标识：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Reflash</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Basic Information Setting</source>
        <translation>基本信息设置</translation>
    </message>
    <message>
        <source>Choose Baud Rate</source>
        <translation>选择波特率</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Current Measuring Value</source>
        <translation>当前测量值</translation>
    </message>
    <message>
        <source>Pressure:</source>
        <translation>压力：</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>温度：</translation>
    </message>
    <message>
        <source> Zero</source>
        <translation> 调零</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>最大值;</source>
        <translation>最大值;</translation>
    </message>
    <message>
        <source>最小值:</source>
        <translation>最小值:</translation>
    </message>
    <message>
        <source>Digital Signal Setting</source>
        <translation>数字信号设置</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>单位：</translation>
    </message>
    <message>
        <source>Decimal Digits:</source>
        <translation>小数位数：</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Zero:</source>
        <translation>零点：</translation>
    </message>
    <message>
        <source>FS:</source>
        <translation>满量程：</translation>
    </message>
    <message>
        <source>在线变送器基本信息设置相同</source>
        <translation>在线变送器基本信息设置相同</translation>
    </message>
    <message>
        <source>Save Modified Value</source>
        <translation>保存到用户数据区</translation>
    </message>
    <message>
        <source>Back to Factory Setting</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source> Analog Output Setting</source>
        <translation> 模拟输出设置</translation>
    </message>
    <message>
        <source>4mA Output:</source>
        <translation>4mA 输出：</translation>
    </message>
    <message>
        <source>20mA Output</source>
        <translation>20mA 输出</translation>
    </message>
    <message>
        <source>4mA Cal:</source>
        <translation>4mA 微调：</translation>
    </message>
    <message>
        <source>20mA Cal:</source>
        <translation>20mA 微调：</translation>
    </message>
    <message>
        <source>Instruction Operation</source>
        <translation>指令操作</translation>
    </message>
    <message>
        <source>Instruction:</source>
        <translation>指令：</translation>
    </message>
    <message>
        <source>Return:</source>
        <translation>应答：</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Input Address</source>
        <translation>输入地址</translation>
    </message>
    <message>
        <source>当前温度值</source>
        <translation>当前温度值</translation>
    </message>
    <message>
        <source>PressureValue at 4mA Output</source>
        <translation>4mA 输出对应的压力值</translation>
    </message>
    <message>
        <source>PressureValue at 20mA Output</source>
        <translation>20mA 输出对应的压力值</translation>
    </message>
    <message>
        <source>Press Search to find the online transmitters!</source>
        <translation>请按“搜索”查找在线变送器！</translation>
    </message>
    <message>
        <source>The communication port is not open！</source>
        <translation>通信串口未打开！</translation>
    </message>
    <message>
        <source>Quick Search</source>
        <translation>快速搜索</translation>
    </message>
    <message>
        <source>Searching over.</source>
        <translation>搜索结束。</translation>
    </message>
    <message>
        <source>Searchering Addr：%1</source>
        <translation>正在搜索地址：%1</translation>
    </message>
    <message>
        <source>Online: %1</source>
        <translation>在线：%1</translation>
    </message>
    <message>
        <source>Port:COM%1</source>
        <translation>串口：COM%1</translation>
    </message>
    <message>
        <source>Band:%1</source>
        <translation>波特率：%1</translation>
    </message>
    <message>
        <source>%1 (%2 to %3 ms):</source>
        <translation>%1（%2 到 %3 ms）：</translation>
    </message>
    <message>
        <source>Not changed: the %1.</source>
        <translation>未更改：%1。</translation>
    </message>
    <message>
        <source>%1.
Longest wait for a transmitter to start answering</source>
        <translation>%1。
等待变送器开始应答的最长时间</translation>
    </message>
    <message>
        <source>Time a USB serial adapter may hold received bytes back</source>
        <translation>USB 串口适配器可滞留已接收字节的时间</translation>
    </message>
    <message>
        <source>%1 Only %2 baud was searched: the device server sets the line&apos;s rate.</source>
        <translation>%1仅以 %2 波特搜索：波特率由设备服务器设定。</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1%2。</translation>
    </message>
    <message>
        <source>Online: 0</source>
        <translation>在线：0</translation>
    </message>
    <message>
        <source>The version was not read: OL and OH go out as typed</source>
        <translation>未读取版本：OL 和 OH 按输入原样发送</translation>
    </message>
    <message>
        <source>Calibration certificate</source>
        <translation>校准证书</translation>
    </message>
    <message>
        <source>Verification report</source>
        <translation>核查报告</translation>
    </message>
    <message>
        <source>Range changed between the runs (adjusted): as found %1 to %2 %3, as left %4 to %5 %6</source>
        <translation>两次测量之间量程已改变（已调整）：校准前 %1 至 %2 %3，校准后 %4 至 %5 %6</translation>
    </message>
    <message>
        <source>the as-found run was of another transmitter (address %1, type %2, id %3); this one is address %4, type %5, id %6</source>
        <translation>校准前测量针对的是另一台变送器（地址 %1，型号 %2，标识 %3）；当前变送器为地址 %4，型号 %5，标识 %6</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>核查</translation>
    </message>
    <message>
        <source>Verification - %1</source>
        <translation>核查 - %1</translation>
    </message>
    <message>
        <source>Points: numbers in % of the range, separated by commas.</source>
        <translation>测量点：以量程的 % 表示的数值，用逗号（,）分隔。</translation>
    </message>
    <message>
        <source>Uncertainty: the reference&apos;s expanded uncertainty as its certificate states it, such as 0.05, 0.02% or 0.02% k=2; or leave it empty.</source>
        <translation>不确定度：标准器证书给出的扩展不确定度，如 0.05、0.02% 或 0.02% k=2；也可留空。</translation>
    </message>
    <message>
        <source>The run does not start: %1.</source>
        <translation>测量未开始：%1。</translation>
    </message>
    <message>
        <source>No transmitter was selected when this window opened; close it, choose one and open it again.</source>
        <translation>打开此窗口时未选择变送器；请关闭窗口，选择一台变送器后重新打开。</translation>
    </message>
    <message>
        <source>The transmitter %1 is no longer selected in the main window; close this window and open it again.</source>
        <translation>主窗口中已不再选择变送器 %1；请关闭此窗口并重新打开。</translation>
    </message>
    <message>
        <source>The reference instrument was due on %1. Start anyway? The report will say so on its first page.</source>
        <translation>标准器已于 %1 到期。仍要开始吗？报告将在首页注明。</translation>
    </message>
    <message>
        <source>The run does not start: %1. Type the range (low and high) beside &quot;Range&quot; to verify against it.</source>
        <translation>测量未开始：%1。请在“量程”旁输入量程（下限和上限），按此量程核查。</translation>
    </message>
    <message>
        <source>The as-left run does not join the as-found run: %1.</source>
        <translation>校准后测量无法与校准前测量合并：%1。</translation>
    </message>
    <message>
        <source>The transmitter %1 is no longer selected in the main window; no reading is taken.</source>
        <translation>主窗口中已不再选择变送器 %1；不进行读数。</translation>
    </message>
    <message>
        <source>Reference: type the reading of the reference instrument, or leave it empty for the nominal.</source>
        <translation>标准值：请输入标准器的读数，或留空以采用标称值。</translation>
    </message>
    <message>
        <source>mA: the meter&apos;s reading of the output from 0 to 24 mA, or leave it empty.</source>
        <translation>mA：电流表读取的输出值（0 至 24 mA），或留空。</translation>
    </message>
    <message>
        <source>The transmitter %1 is no longer selected in the main window; the reading stopped.</source>
        <translation>主窗口中已不再选择变送器 %1；读数已停止。</translation>
    </message>
    <message>
        <source>Sample %1 of %2</source>
        <translation>采样 %1/%2</translation>
    </message>
    <message>
        <source>Start as left</source>
        <translation>开始校准后测量</translation>
    </message>
    <message>
        <source>Start as found</source>
        <translation>开始校准前测量</translation>
    </message>
    <message>
        <source>Dwell: %1 s left; Take reads now</source>
        <translation>稳定等待：还剩 %1 s；点击“读数”立即读取</translation>
    </message>
    <message>
        <source>Choose the plan, then Start.</source>
        <translation>请选择方案，然后点击开始。</translation>
    </message>
    <message>
        <source>Point %1 of %2 (%3): apply %4 %5</source>
        <translation>测量点 %1/%2（%3）：施加 %4 %5</translation>
    </message>
    <message>
        <source>As left run done</source>
        <translation>校准后测量完成</translation>
    </message>
    <message>
        <source>As found run done: adjust, then Start as left</source>
        <translation>校准前测量完成：请调整，然后开始校准后测量</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>结论：%1</translation>
    </message>
    <message>
        <source>Hysteresis (% of span): %1</source>
        <translation>回差（量程跨度的 %）：%1</translation>
    </message>
    <message>
        <source>As found: %1 (kept until this window closes)</source>
        <translation>校准前：%1（保留至此窗口关闭）</translation>
    </message>
    <message>
        <source>The report has no number, and is not saved: %1.</source>
        <translation>报告没有编号，未保存：%1。</translation>
    </message>
    <message>
        <source>Report %1 (%2)</source>
        <translation>报告 %1（%2）</translation>
    </message>
    <message>
        <source>Report %1 is numbered by %2.</source>
        <translation>报告 %1 的编号来自%2。</translation>
    </message>
    <message>
        <source>Zero reading (M%1, before): vent, then Take</source>
        <translation>零点读数（M%1，之前）：通大气，然后点击“读数”</translation>
    </message>
    <message>
        <source>Zero reading (M%1, after): vent, then Take</source>
        <translation>零点读数（M%1，之后）：通大气，然后点击“读数”</translation>
    </message>
    <message>
        <source>Preload %1 of %2: apply full scale, hold, vent; then Take</source>
        <translation>预加载 %1/%2：施加满量程，保持，通大气；然后点击“读数”</translation>
    </message>
    <message>
        <source>Points (% of range):</source>
        <translation>测量点（量程的 %）：</translation>
    </message>
    <message>
        <source>And back down (hysteresis)</source>
        <translation>并反向回程（回差）</translation>
    </message>
    <message>
        <source>Tolerance (% of span):</source>
        <translation>允差（量程跨度的 %）：</translation>
    </message>
    <message>
        <source>Samples per point:</source>
        <translation>每点采样数：</translation>
    </message>
    <message>
        <source>Range if DL, DH cannot be read:</source>
        <translation>无法读取 DL, DH 时的量程：</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>操作员：</translation>
    </message>
    <message>
        <source>Reference instrument:</source>
        <translation>标准器：</translation>
    </message>
    <message>
        <source>Its serial number:</source>
        <translation>标准器序列号：</translation>
    </message>
    <message>
        <source>Its certificate:</source>
        <translation>标准器证书：</translation>
    </message>
    <message>
        <source>Due (YYYY-MM-DD):</source>
        <translation>有效期至（YYYY-MM-DD）：</translation>
    </message>
    <message>
        <source>Its uncertainty (U, k):</source>
        <translation>标准器不确定度（U, k）：</translation>
    </message>
    <message>
        <source>Decision rule:</source>
        <translation>判定规则：</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>机构：</translation>
    </message>
    <message>
        <source>Its address:</source>
        <translation>机构地址：</translation>
    </message>
    <message>
        <source>Report number prefix:</source>
        <translation>报告编号前缀：</translation>
    </message>
    <message>
        <source>Place of the work:</source>
        <translation>工作地点：</translation>
    </message>
    <message>
        <source>Customer or owner:</source>
        <translation>客户或所有者：</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>位号：</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>安装位置：</translation>
    </message>
    <message>
        <source>Ambient (°C, %RH, hPa):</source>
        <translation>环境条件（°C, %RH, hPa）：</translation>
    </message>
    <message>
        <source>Departures from the method:</source>
        <translation>偏离方法之处：</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>As left only (new installation)</source>
        <translation>仅校准后测量（新安装）</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>标准值：</translation>
    </message>
    <message>
        <source>Take reading</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Repeat point</source>
        <translation>重测该点</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Save certificate...</source>
        <translation>保存证书...</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>保存 CSV...</translation>
    </message>
    <message>
        <source>Procedure:</source>
        <translation>程序：</translation>
    </message>
    <message>
        <source>Dwell before each reading (s):</source>
        <translation>每次读数前稳定时间（s）：</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>自定方案</translation>
    </message>
    <message>
        <source>Free plan</source>
        <translation>自由方案</translation>
    </message>
    <message>
        <source>DKD-R 6-1 (03/2014) sequence A</source>
        <translation>DKD-R 6-1 (03/2014) 序列 A</translation>
    </message>
    <message>
        <source>DKD-R 6-1 (03/2014) sequence B</source>
        <translation>DKD-R 6-1 (03/2014) 序列 B</translation>
    </message>
    <message>
        <source>DKD-R 6-1 (03/2014) sequence C</source>
        <translation>DKD-R 6-1 (03/2014) 序列 C</translation>
    </message>
    <message>
        <source>EURAMET cg-17 (v2.0) basic procedure</source>
        <translation>EURAMET cg-17 (v2.0) 基本程序</translation>
    </message>
    <message>
        <source>Repeatability b</source>
        <translation>重复性 b</translation>
    </message>
    <message>
        <source>Hysteresis h</source>
        <translation>回差 h</translation>
    </message>
    <message>
        <source>Zero deviation f0</source>
        <translation>零点偏差 f0</translation>
    </message>
    <message>
        <source>Linearity</source>
        <translation>线性度</translation>
    </message>
    <message>
        <source>%1: - (a reading is missing)</source>
        <translation>%1：-（缺少读数）</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4 % of span)</source>
        <translation>%1：%2 %3（量程跨度的 %4 %）</translation>
    </message>
    <message>
        <source>the local counter</source>
        <translation>本机计数器</translation>
    </message>
    <message>
        <source>the local report counter %1 holds &quot;%2&quot;, not a count: correct it in %3&apos;s settings</source>
        <translation>本机报告计数器 %1 的值为“%2”，不是计数：请在 %3 的设置中更正</translation>
    </message>
    <message>
        <source>the local report counter %1 is used up</source>
        <translation>本机报告计数器 %1 已用尽</translation>
    </message>
    <message>
        <source>cannot keep the local report counter in the settings</source>
        <translation>无法在设置中保存本机报告计数器</translation>
    </message>
    <message>
        <source>simple</source>
        <translation>简单判定</translation>
    </message>
    <message>
        <source>guarded</source>
        <translation>保护带判定</translation>
    </message>
    <message>
        <source>conditional</source>
        <translation>有条件判定</translation>
    </message>
    <message>
        <source>Simple acceptance: a point passes when |error| &lt;= tolerance; the uncertainty is stated, not deducted.</source>
        <translation>简单接受：|误差| &lt;= 允差时该点合格；不确定度仅予说明，不予扣除。</translation>
    </message>
    <message>
        <source>Guarded acceptance: a point passes only when |error| &lt;= tolerance - U, the expanded uncertainty (k = 2) serving as a guard band inside the tolerance; every other point fails.</source>
        <translation>保护带接受：仅当 |误差| &lt;= 允差 - U 时该点合格，扩展不确定度 U（k = 2）作为允差内的保护带；其余各点均不合格。</translation>
    </message>
    <message>
        <source>Non-binary acceptance with a guard band of U, the expanded uncertainty (k = 2): pass when |error| &lt;= tolerance - U, conditional pass up to the tolerance, conditional fail up to tolerance + U, fail beyond.</source>
        <translation>非二元接受，保护带为扩展不确定度 U（k = 2）：|误差| &lt;= 允差 - U 时合格，不超过允差时有条件合格，不超过允差 + U 时有条件不合格，超出则不合格。</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上行</translation>
    </message>
    <message>
        <source>down</source>
        <translation>下行</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>conditional pass</source>
        <translation>有条件合格</translation>
    </message>
    <message>
        <source>conditional fail</source>
        <translation>有条件不合格</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>CONDITIONAL PASS</source>
        <translation>有条件合格</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>the plan has no points</source>
        <translation>方案中没有测量点</translation>
    </message>
    <message>
        <source>points lie from 0 to 100 % of the range</source>
        <translation>测量点应在量程的 0 至 100 % 之间</translation>
    </message>
    <message>
        <source>points must increase</source>
        <translation>测量点必须递增</translation>
    </message>
    <message>
        <source>the tolerance must be above 0</source>
        <translation>允差必须大于 0</translation>
    </message>
    <message>
        <source>samples per point lie from 1 to 100</source>
        <translation>每点采样数应在 1 至 100 之间</translation>
    </message>
    <message>
        <source>the dwell lies from 0 to 3600 s</source>
        <translation>稳定时间应在 0 至 3600 s 之间</translation>
    </message>
    <message>
        <source>the reference&apos;s due date is written YYYY-MM-DD</source>
        <translation>标准器有效期应写作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the display range (DL, DH) could not be read</source>
        <translation>无法读取显示量程（DL, DH）</translation>
    </message>
    <message>
        <source>the display range is empty (DL equals DH)</source>
        <translation>显示量程为空（DL 等于 DH）</translation>
    </message>
    <message>
        <source>Instrument history: %1</source>
        <translation>仪表历史记录：%1</translation>
    </message>
    <message>
        <source>not kept by this build</source>
        <translation>此版本不保存</translation>
    </message>
    <message>
        <source>About Ortavel</source>
        <translation>关于 Ortavel</translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation>此时系统信息不可用</translation>
    </message>
    <message>
        <source>Kavrin Products Management Dept.</source>
        <translation>Kavrin 产品管理部</translation>
    </message>
    <message>
        <source>   The software is suitable to QX820/830 Intelligent Transmitter Version 2.00. The software is free of charge. The users could download it from our website.</source>
        <translation>   本软件适用于 QX820/830 智能变送器 2.00 版本。本软件免费提供，用户可从我们的网站下载。</translation>
    </message>
    <message>
        <source>Version 1.35e                  2008.1</source>
        <translation>版本 1.35e                  2008.1</translation>
    </message>
    <message>
        <source>Email:%1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>Ok(&amp;O)</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>System Info(&amp;S)</source>
        <translation>系统信息(&amp;S)</translation>
    </message>
    <message>
        <source>Save to Factury</source>
        <translation>保存到工厂数据区</translation>
    </message>
    <message>
        <source>No transmitter is selected in the main window; close this window, choose one and open it again.</source>
        <translation>主窗口中未选择变送器；请关闭本窗口，选择一台变送器后重新打开。</translation>
    </message>
    <message>
        <source>point %1</source>
        <translation>校准点 %1</translation>
    </message>
    <message>
        <source>points %1</source>
        <translation>校准点 %1</translation>
    </message>
    <message>
        <source>Nothing sent: %1; try again when it has ended.</source>
        <translation>未发送：%1；请在其结束后重试。</translation>
    </message>
    <message>
        <source>The transmitter %1 read by this window is no longer selected; close the window and open it again.</source>
        <translation>本窗口读取的变送器 %1 已不再被选中；请关闭窗口后重新打开。</translation>
    </message>
    <message>
        <source>Unit:  %1</source>
        <translation>单位：%1</translation>
    </message>
    <message>
        <source>read</source>
        <translation>已读取</translation>
    </message>
    <message>
        <source>Could not read the number of calibration points.</source>
        <translation>无法读取校准点数。</translation>
    </message>
    <message>
        <source>Could not read the number of calibration points and %1; the boxes show the answer received.</source>
        <translation>无法读取校准点数和%1；输入框中显示收到的应答。</translation>
    </message>
    <message>
        <source>Could not read %1; the boxes show the answer received.</source>
        <translation>无法读取%1；输入框中显示收到的应答。</translation>
    </message>
    <message>
        <source>Nothing was sent: the number of calibration points must be 0 to 8.</source>
        <translation>未发送任何数据：校准点数必须为 0 到 8。</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 holds no value. Read the calibration data again or type the values.</source>
        <translation>未发送任何数据：%1 没有数值。请重新读取校准数据或输入数值。</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 hold no value. Read the calibration data again or type the values.</source>
        <translation>未发送任何数据：%1 没有数值。请重新读取校准数据或输入数值。</translation>
    </message>
    <message>
        <source>Download Calibration Data failed at %1 (answer: %2); the transmitter did not store the table.</source>
        <translation>下载校准数据在 %1 处失败（应答：%2）；变送器未保存校准表。</translation>
    </message>
    <message>
        <source>written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <source>Save to Factury failed (answer: %1).</source>
        <translation>保存到工厂数据区失败（应答：%1）。</translation>
    </message>
    <message>
        <source>The point count %1 was not given back to the transmitter %2: it is no longer selected.</source>
        <translation>校准点数 %1 未恢复到变送器 %2：该变送器已不再被选中。</translation>
    </message>
    <message>
        <source>QX820/830 Transmitter Calibration</source>
        <translation>QX820/830 变送器校准</translation>
    </message>
    <message>
        <source>     Calibration Steps: Press &quot;Recalibrate&quot;→ Select &quot;Calibration <byte value="xd"/>
Point Amount&quot; → Input calibration pressure and practical pressure <byte value="xd"/>
correspondingly → Press &quot;Save Calibration Data&quot; → Finish<byte value="xd"/>
The practical pressure can be gotten by pressing corresponding keys <byte value="xd"/>
&quot;Pressure Point&quot;. When press &quot;Save Calibration Data&quot;, the standard <byte value="xd"/>
data will be downloaded and saved in the transmitter.<byte value="xd"/>
</source>
        <translation>     校准步骤：按“重新校准”→ 选择“校准点数”→ 对应输入校准压力和实际压力<byte value="xd"/>
→ 按“保存校准数据”→ 完成<byte value="xd"/>
实际压力可通过按对应的“压力点”键获得。按“保存校准数据”时，<byte value="xd"/>
标准数据将下载并保存到变送器中。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Download Calibration Data</source>
        <translation>下载校准数据</translation>
    </message>
    <message>
        <source>Download Calibration Data finished !</source>
        <translation>校准数据下载完成！</translation>
    </message>
    <message>
        <source>Calibration Points:</source>
        <translation>校准点数：</translation>
    </message>
    <message>
        <source>Calibration Pressure:</source>
        <translation>校准压力：</translation>
    </message>
    <message>
        <source>Measuring Pressure:</source>
        <translation>测量压力：</translation>
    </message>
    <message>
        <source>Press.%1</source>
        <translation>压力点%1</translation>
    </message>
    <message>
        <source>Read Cal. Data</source>
        <translation>读取校准数据</translation>
    </message>
    <message>
        <source>Recalibrate</source>
        <translation>重新校准</translation>
    </message>
    <message>
        <source>Save Cal. Data</source>
        <translation>保存校准数据</translation>
    </message>
    <message>
        <source>Calibration Explain</source>
        <translation>校准说明</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Instrument history</source>
        <translation>仪表历史记录</translation>
    </message>
    <message>
        <source>Your name, recorded with every entry beside the login</source>
        <translation>您的姓名，与登录名一起记入每条记录</translation>
    </message>
    <message>
        <source>Only changes on or after this day</source>
        <translation>仅显示该日及以后的更改</translation>
    </message>
    <message>
        <source>The history %1.</source>
        <translation>历史记录%1。</translation>
    </message>
    <message>
        <source>The history %1: %2</source>
        <translation>历史记录%1：%2</translation>
    </message>
    <message>
        <source>cannot be reached</source>
        <translation>无法访问</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>The history holds no transmitter yet.</source>
        <translation>历史记录中尚无变送器。</translation>
    </message>
    <message>
        <source>%1 transmitters known.</source>
        <translation>已知 %1 台变送器。</translation>
    </message>
    <message>
        <source>Since: type a day as YYYY-MM-DD; until then every change is shown.</source>
        <translation>起始日期：请按 YYYY-MM-DD 输入日期；在此之前显示全部更改。</translation>
    </message>
    <message>
        <source>Not set: the interval takes a whole number of months from 1 to %1.</source>
        <translation>未设置：核查周期须为 1 到 %1 之间的整月数。</translation>
    </message>
    <message>
        <source>Interval of %1 set to %2 months; Refresh shows the due date it gives.</source>
        <translation>%1 的核查周期已设为 %2 个月；刷新后显示由此得出的到期日期。</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Transmitter (ID):</source>
        <translation>变送器（标识）：</translation>
    </message>
    <message>
        <source>Interval (months):</source>
        <translation>核查周期（月）：</translation>
    </message>
    <message>
        <source>Set interval</source>
        <translation>设置周期</translation>
    </message>
    <message>
        <source>Due within (days):</source>
        <translation>到期范围（天）：</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>参数：</translation>
    </message>
    <message>
        <source>Since (YYYY-MM-DD):</source>
        <translation>起始日期（YYYY-MM-DD）：</translation>
    </message>
    <message>
        <source>Snapshot:</source>
        <translation>快照：</translation>
    </message>
    <message>
        <source>against:</source>
        <translation>对比：</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>verification</source>
        <translation>核查</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>核查周期</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>echo differs</source>
        <translation>回显不符</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>已读取 %1/%2 项</translation>
    </message>
    <message>
        <source>table</source>
        <translation>校准表</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>通信记录</translation>
    </message>
    <message>
        <source>%1 of %2 exchanges recorded</source>
        <translation>显示 %1 条，共记录 %2 条通信</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>趋势</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Last: %1, %2</source>
        <translation>最新：%1，%2</translation>
    </message>
    <message>
        <source>Span:</source>
        <translation>时间范围：</translation>
    </message>
    <message>
        <source>Save PNG...</source>
        <translation>保存 PNG...</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1：%2（%3）</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>it holds no calibration table</source>
        <translation>文件中没有校准表</translation>
    </message>
    <message>
        <source>%1 not read (%2)</source>
        <translation>%1 未读取（%2）</translation>
    </message>
    <message>
        <source>did not answer: %1</source>
        <translation>无应答：%1</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <translation>注意：%1：%2</translation>
    </message>
    <message>
        <source>calibration.points: %1 is not a whole number from 0 to 8</source>
        <translation>calibration.points：%1 不是 0 到 8 的整数</translation>
    </message>
    <message>
        <source>calibration.table has more than 8 rows</source>
        <translation>calibration.table 超过 8 行</translation>
    </message>
    <message>
        <source>calibration.table.%1 needs a standard and a measured value</source>
        <translation>calibration.table.%1 需要标准值和测量值</translation>
    </message>
    <message>
        <source>not a JSON object: %1</source>
        <translation>不是 JSON 对象：%1</translation>
    </message>
    <message>
        <source>not an ortavel backup (format is not &quot;ortavel-backup&quot;)</source>
        <translation>不是 ortavel 备份文件（format 不是 &quot;ortavel-backup&quot;）</translation>
    </message>
    <message>
        <source>backup format version %1 is not supported (expected %2)</source>
        <translation>不支持备份格式版本 %1（应为 %2）</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 必须是对象</translation>
    </message>
    <message>
        <source>settings.%1 is not a key a backup may hold</source>
        <translation>settings.%1 不是备份文件可包含的键</translation>
    </message>
    <message>
        <source>settings.%1 must be a text</source>
        <translation>settings.%1 必须是文本</translation>
    </message>
    <message>
        <source>settings.%1 must be a text or a number</source>
        <translation>settings.%1 必须是文本或数字</translation>
    </message>
    <message>
        <source>calibration must be an object or null</source>
        <translation>calibration 必须是对象或 null</translation>
    </message>
    <message>
        <source>settings holds none of the keys apply writes (type, unit, decimals, display_zero, display_full_scale, output_4ma, output_20ma, trim_4ma, trim_20ma)</source>
        <translation>settings 中没有可应用写入的键（type、unit、decimals、display_zero、display_full_scale、output_4ma、output_20ma、trim_4ma、trim_20ma）</translation>
    </message>
    <message>
        <source>settings holds no value to write: every key is saved as not read</source>
        <translation>settings 中没有可写入的值：每个键都保存为未读取</translation>
    </message>
    <message>
        <source>%1: needs a text without control characters, not empty</source>
        <translation>%1：需要不含控制字符的非空文本</translation>
    </message>
    <message>
        <source>%1: %2 is not kPa, MPa, mH2O, Bar, Psi, mBar, Unknown or a code 0-6</source>
        <translation>%1：%2 不是 kPa、MPa、mH2O、Bar、Psi、mBar、Unknown 或代码 0-6</translation>
    </message>
    <message>
        <source>%1: %2 is not 0 to 4</source>
        <translation>%1：%2 不在 0 到 4 之间</translation>
    </message>
    <message>
        <source>%1: %2 is not a decimal number</source>
        <translation>%1：%2 不是十进制数</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number from -5000 to 5000</source>
        <translation>%1：%2 不是 -5000 到 5000 的整数</translation>
    </message>
    <message>
        <source>%1: %2 is not an address from 1 to 99</source>
        <translation>%1：%2 不是 1 到 99 的地址</translation>
    </message>
    <message>
        <source>%1: %2 is not 1200, 2400, 4800 or 9600</source>
        <translation>%1：%2 不是 1200、2400、4800 或 9600</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>未知的键 %1</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 重复给出</translation>
    </message>
    <message>
        <source>version &quot;%1&quot; is not a number: output values go out as typed</source>
        <translation>版本 &quot;%1&quot; 不是数字：输出值按输入原样发送</translation>
    </message>
    <message>
        <source>not stored: an earlier write was not confirmed</source>
        <translation>未保存：之前的写入未确认</translation>
    </message>
    <message>
        <source>not sent: the address change was not confirmed</source>
        <translation>未发送：地址更改未确认</translation>
    </message>
    <message>
        <source>not sent: the line&apos;s rate is set at its device server (%1 baud)</source>
        <translation>未发送：线路波特率由其设备服务器设定（%1 baud）</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未确认</translation>
    </message>
    <message>
        <source>confirmed, but the line could not follow</source>
        <translation>已确认，但线路无法跟随</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>未询问</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 个点</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 个点</translation>
    </message>
    <message>
        <source>not written: the transmitter is not the file&apos;s own</source>
        <translation>未写入：该变送器不是文件所属的变送器</translation>
    </message>
    <message>
        <source>not sent: cancelled</source>
        <translation>未发送：已取消</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>未发送</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>Nothing saved: %1.</source>
        <translation>未保存：%1。</translation>
    </message>
    <message>
        <source>Nothing saved: no value of %1 has been read in this selection; press Reflash first.</source>
        <translation>未保存：本次选择中尚未读取 %1 的任何值；请先按“刷新”。</translation>
    </message>
    <message>
        <source>Configuration of %1 saved</source>
        <translation>%1 的配置已保存</translation>
    </message>
    <message>
        <source>Configuration of %1 saved (not read: %2)</source>
        <translation>%1 的配置已保存（未读取：%2）</translation>
    </message>
    <message>
        <source>%1 is not a configuration that can be written: %2. Nothing was sent.</source>
        <translation>%1 不是可写入的配置：%2。未发送任何内容。</translation>
    </message>
    <message>
        <source>Compare Configuration</source>
        <translation>比较配置</translation>
    </message>
    <message>
        <source>Apply Configuration</source>
        <translation>应用配置</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>No transmitter in the online list: search the bus first.</source>
        <translation>在线列表中没有变送器：请先搜索总线。</translation>
    </message>
    <message>
        <source>%1 - cancelling after this write</source>
        <translation>%1 - 本次写入后取消</translation>
    </message>
    <message>
        <source>Nothing sent: the port is not open.</source>
        <translation>未发送：串口未打开。</translation>
    </message>
    <message>
        <source>Nothing written: no transmitter is ticked.</source>
        <translation>未写入：没有勾选变送器。</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>未写入：%1</translation>
    </message>
    <message>
        <source>configurations are being applied</source>
        <translation>正在应用配置</translation>
    </message>
    <message>
        <source>cancelled before it was reached</source>
        <translation>未轮到即已取消</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>Writing to %1 (%2 of %3)</source>
        <translation>正在写入 %1（第 %2 个，共 %3 个）</translation>
    </message>
    <message>
        <source>its rate is not known</source>
        <translation>其波特率未知</translation>
    </message>
    <message>
        <source>%1 writes confirmed</source>
        <translation>%1 项写入已确认</translation>
    </message>
    <message>
        <source>trims and calibration not written: not the file&apos;s own transmitter</source>
        <translation>微调和校准未写入：不是文件所属的变送器</translation>
    </message>
    <message>
        <source>cancelled after %1 writes confirmed</source>
        <translation>%1 项写入确认后已取消</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>%1 confirmed, %2 failed, %3 skipped.</source>
        <translation>%1 个已确认，%2 个失败，%3 个已跳过。</translation>
    </message>
    <message>
        <source>Calibration table too (to the file&apos;s own transmitter only)</source>
        <translation>同时写入校准表（仅限文件所属的变送器）</translation>
    </message>
    <message>
        <source>Save to the user area afterwards</source>
        <translation>完成后保存到用户数据区</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The file names no transmitter it was taken from: trims and calibration are not offered.</source>
        <translation>文件未注明取自哪台变送器：不提供微调和校准。</translation>
    </message>
    <message>
        <source>The file was taken from this transmitter, %1.</source>
        <translation>文件取自本变送器 %1。</translation>
    </message>
    <message>
        <source>The file was taken from another transmitter, %1: type and ID are not ticked, trims and calibration are not offered.</source>
        <translation>文件取自另一台变送器 %1：型号和标识不勾选，不提供微调和校准。</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Nothing written: no row is ticked.</source>
        <translation>未写入：没有勾选任何行。</translation>
    </message>
    <message>
        <source>%1 written and confirmed, %2 not</source>
        <translation>%1 项已写入并确认，%2 项未确认</translation>
    </message>
    <message>
        <source>%1 written and confirmed</source>
        <translation>%1 项已写入并确认</translation>
    </message>
    <message>
        <source>saved to the user area</source>
        <translation>已保存到用户数据区</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Write Selected</source>
        <translation>写入所选</translation>
    </message>
    <message>
        <source>Read Again</source>
        <translation>重新读取</translation>
    </message>
    <message>
        <source>good</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>bad reply</source>
        <translation>应答错误</translation>
    </message>
    <message>
        <source>late reply</source>
        <translation>迟到应答</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>变送器</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>不同</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Configurations (*.json);;All files (*)</source>
        <translation>配置文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>标识</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>最近在线</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Addr</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Last verified</source>
        <translation>最近核查</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结论</translation>
    </message>
    <message>
        <source>Next due</source>
        <translation>下次到期</translation>
    </message>
    <message>
        <source>Changed since</source>
        <translation>此后有更改</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>已更改</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>到期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>原值</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>发送值</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>回显</translation>
    </message>
    <message>
        <source>By</source>
        <translation>操作者</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>核查</translation>
    </message>
    <message>
        <source>Error at %1</source>
        <translation>%1 处误差</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>保存更改记录</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>(overwritten)</source>
        <translation>（已覆盖）</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>时间 (s)</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>请求</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>应答</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>通信次数</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>Bad reply</source>
        <translation>错误应答</translation>
    </message>
    <message>
        <source>Mean ms</source>
        <translation>平均 ms</translation>
    </message>
    <message>
        <source>p95 ms</source>
        <translation>p95 ms</translation>
    </message>
    <message>
        <source>Longest ms</source>
        <translation>最长 ms</translation>
    </message>
    <message>
        <source>Save traffic</source>
        <translation>保存通信记录</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Save trend picture</source>
        <translation>保存趋势图</translation>
    </message>
    <message>
        <source>Save trend</source>
        <translation>保存趋势</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Pressure max</source>
        <translation>压力最大值</translation>
    </message>
    <message>
        <source>Pressure min</source>
        <translation>压力最小值</translation>
    </message>
    <message>
        <source>Temperature max</source>
        <translation>温度最大值</translation>
    </message>
    <message>
        <source>Temperature min</source>
        <translation>温度最小值</translation>
    </message>
    <message>
        <source>Temperature (℃)</source>
        <translation>温度 (℃)</translation>
    </message>
    <message>
        <source>Elapsed time (%1)</source>
        <translation>经过时间 (%1)</translation>
    </message>
    <message>
        <source>Pressure (%1)</source>
        <translation>压力 (%1)</translation>
    </message>
    <message>
        <source>%1 (unstable)</source>
        <translation>%1（不稳定）</translation>
    </message>
    <message>
        <source>Save certificate</source>
        <translation>保存证书</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>保存 CSV</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>～</source>
        <translation>～</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Error</source>
        <translation>误差</translation>
    </message>
</context>
</TS>
