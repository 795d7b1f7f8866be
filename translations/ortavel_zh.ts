<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Ortavel</name>
    <message>
        <source>Status panel %1</source>
        <translation type="unfinished" />
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
        <source>Pressures in %1 with the transmitter's decimals. Nominal: the point's pressure on the range; Reference: read off the reference instrument, "(n)": the nominal taken over;</source>
        <translation>压力单位为 %1，小数位数与变送器相同。标称值：该点在量程上的压力；标准值：从标准器读取，“(n)”：采用标称值；</translation>
    </message>
    <message>
        <source>the transmitter's unit</source>
        <translation>变送器的单位</translation>
    </message>
    <message>
        <source>Reading: mean of the transmitter's samples, a digit more than it shows; Spread: highest minus lowest sample; Error: reading minus reference; Error %: of span.</source>
        <translation>读数：变送器各采样的平均值，比其显示多一位小数；离散：最高采样减最低采样；误差：读数减标准值；误差 %：相对量程跨度。</translation>
    </message>
    <message>
        <source>U (k=2): expanded uncertainty of the error from the reference's stated uncertainty, one digit of the transmitter and the samples' standard deviation of their mean;</source>
        <translation>U (k=2)：误差的扩展不确定度，由标准器给出的不确定度、变送器的一个末位数字和采样平均值的标准偏差合成；</translation>
    </message>
    <message>
        <source>TUR: tolerance / U. Each point is judged by its run's decision rule; "unstable": spread above a quarter of the tolerance; "not read": a sample failed.</source>
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
        <source>To use %1, join its group "%2" (sudo usermod -aG %2 $USER), then log out and log in again.</source>
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
        <source>%1, latency timer %2 ms (added to the quick search's wait)</source>
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
        <source>Port %1: the request did not come back as an echo before the reply, so the port's echo setting "on" may be wrong for this adapter ("auto" suits adapters with and without an echo)</source>
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
        <source>unknown option "%1" (baud, allowance and echo are known)</source>
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
        <source>The link's reply allowance (%1 ms) and the adapter's latency timer (%2 ms) are added to the wait</source>
        <translation>等待时间已加上连接的应答余量（%1 ms）和适配器的延迟计时器（%2 ms）</translation>
    </message>
    <message>
        <source>The link's reply allowance (%1 ms) is added to the wait</source>
        <translation>等待时间已加上连接的应答余量（%1 ms）</translation>
    </message>
    <message>
        <source>The adapter's latency timer (%1 ms) is added to the wait</source>
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
        <source>the device server sets the line's rate</source>
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Specified</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>As the Window</source>
        <translation type="unfinished" />
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
        <source>%1 Only %2 baud was searched: the device server sets the line's rate.</source>
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
        <source>Uncertainty: the reference's expanded uncertainty as its certificate states it, such as 0.05, 0.02% or 0.02% k=2; or leave it empty.</source>
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
        <source>The run does not start: %1. Type the range (low and high) beside "Range" to verify against it.</source>
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
        <source>mA: the meter's reading of the output from 0 to 24 mA, or leave it empty.</source>
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
        <source>the local report counter %1 holds "%2", not a count: correct it in %3's settings</source>
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
        <source>the reference's due date is written YYYY-MM-DD</source>
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
</context>
</TS>