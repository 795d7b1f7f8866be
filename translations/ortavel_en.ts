<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Ortavel</name>
    <message>
        <source>Status panel %1</source>
        <translation>Status panel %1</translation>
    </message>
    <message>
        <source>Point %</source>
        <translation>Point %</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error %</source>
        <translation>Error %</translation>
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
        <translation>Result</translation>
    </message>
    <message>
        <source>End of report</source>
        <translation>End of report</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Report %1   page %2 of %3</source>
        <translation>Report %1   page %2 of %3</translation>
    </message>
    <message>
        <source>As found run, %1</source>
        <translation>As found run, %1</translation>
    </message>
    <message>
        <source>As left run, %1</source>
        <translation>As left run, %1</translation>
    </message>
    <message>
        <source>Range: %1 to %2 %3%4   transmitter temperature at start (RT0): %5</source>
        <translation>Range: %1 to %2 %3%4   transmitter temperature at start (RT0): %5</translation>
    </message>
    <message>
        <source> (typed by the operator, not read)</source>
        <translation> (typed by the operator, not read)</translation>
    </message>
    <message>
        <source>Operator: %1   tolerance: ±%2 % of span   samples per point: %3</source>
        <translation>Operator: %1   tolerance: ±%2 % of span   samples per point: %3</translation>
    </message>
    <message>
        <source>Reference instrument: %1   serial %2   certificate %3   due %4</source>
        <translation>Reference instrument: %1   serial %2   certificate %3   due %4</translation>
    </message>
    <message>
        <source>Reference uncertainty (expanded): %1   decision rule: %2</source>
        <translation>Reference uncertainty (expanded): %1   decision rule: %2</translation>
    </message>
    <message>
        <source>not stated</source>
        <translation>not stated</translation>
    </message>
    <message>
        <source>The reference instrument was past its due date (%1) at this run; the operator went on.</source>
        <translation>The reference instrument was past its due date (%1) at this run; the operator went on.</translation>
    </message>
    <message>
        <source>Points repeated: %1 earlier take(s) discarded (kept in the CSV)   points skipped: %2</source>
        <translation>Points repeated: %1 earlier take(s) discarded (kept in the CSV)   points skipped: %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Method: %1</translation>
    </message>
    <message>
        <source>   dwell before each reading: %1 s</source>
        <translation>   dwell before each reading: %1 s</translation>
    </message>
    <message>
        <source>   preloads: %1 of %2</source>
        <translation>   preloads: %1 of %2</translation>
    </message>
    <message>
        <source>Zero readings (vented, %1):</source>
        <translation>Zero readings (vented, %1):</translation>
    </message>
    <message>
        <source>  M%1 before: %2</source>
        <translation>  M%1 before: %2</translation>
    </message>
    <message>
        <source>  M%1 after: %2</source>
        <translation>  M%1 after: %2</translation>
    </message>
    <message>
        <source>Readings taken before their dwell ran out: %1</source>
        <translation>Readings taken before their dwell ran out: %1</translation>
    </message>
    <message>
        <source>Characteristics (not judged):</source>
        <translation>Characteristics (not judged):</translation>
    </message>
    <message>
        <source>, unstable</source>
        <translation>, unstable</translation>
    </message>
    <message>
        <source>, repeated %1x</source>
        <translation>, repeated %1x</translation>
    </message>
    <message>
        <source>As found: %1</source>
        <translation>As found: %1</translation>
    </message>
    <message>
        <source>As left: %1</source>
        <translation>As left: %1</translation>
    </message>
    <message>
        <source>4-20 mA output (4 mA at OL %1, 20 mA at OH %2): %3</source>
        <translation>4-20 mA output (4 mA at OL %1, 20 mA at OH %2): %3</translation>
    </message>
    <message>
        <source>  at %1 %: expected %2 mA, meter %3 mA, error %4 % of 16 mA, %5</source>
        <translation>  at %1 %: expected %2 mA, meter %3 mA, error %4 % of 16 mA, %5</translation>
    </message>
    <message>
        <source>Hysteresis (% of span, not judged):</source>
        <translation>Hysteresis (% of span, not judged):</translation>
    </message>
    <message>
        <source>  at %1 %2: %3</source>
        <translation>  at %1 %2: %3</translation>
    </message>
    <message>
        <source>Verification of a pressure transmitter: as found and as left against a reference</source>
        <translation>Verification of a pressure transmitter: as found and as left against a reference</translation>
    </message>
    <message>
        <source>Report %1   issued %2</source>
        <translation>Report %1   issued %2</translation>
    </message>
    <message>
        <source>Issued by: %1   %2</source>
        <translation>Issued by: %1   %2</translation>
    </message>
    <message>
        <source>Customer or owner: %1   tag: %2   location: %3   place of the work: %4</source>
        <translation>Customer or owner: %1   tag: %2   location: %3   place of the work: %4</translation>
    </message>
    <message>
        <source>Transmitter: address %1   type %2   id %3   version %4   sensor range %5 to %6 %7</source>
        <translation>Transmitter: address %1   type %2   id %3   version %4   sensor range %5 to %6 %7</translation>
    </message>
    <message>
        <source>as found: %1</source>
        <translation>as found: %1</translation>
    </message>
    <message>
        <source>as left: %1</source>
        <translation>as left: %1</translation>
    </message>
    <message>
        <source>Dates of the runs: %1</source>
        <translation>Dates of the runs: %1</translation>
    </message>
    <message>
        <source>Departures from the method: %1</source>
        <translation>Departures from the method: %1</translation>
    </message>
    <message>
        <source>Ambient conditions: temperature %1   humidity %2   atmospheric pressure %3</source>
        <translation>Ambient conditions: temperature %1   humidity %2   atmospheric pressure %3</translation>
    </message>
    <message>
        <source>A reference instrument past its due date was used (see the runs below).</source>
        <translation>A reference instrument past its due date was used (see the runs below).</translation>
    </message>
    <message>
        <source>Pressures in %1 with the transmitter&apos;s decimals. Nominal: the point&apos;s pressure on the range; Reference: read off the reference instrument, &quot;(n)&quot;: the nominal taken over;</source>
        <translation>Pressures in %1 with the transmitter&apos;s decimals. Nominal: the point&apos;s pressure on the range; Reference: read off the reference instrument, &quot;(n)&quot;: the nominal taken over;</translation>
    </message>
    <message>
        <source>the transmitter&apos;s unit</source>
        <translation>the transmitter&apos;s unit</translation>
    </message>
    <message>
        <source>Reading: mean of the transmitter&apos;s samples, a digit more than it shows; Spread: highest minus lowest sample; Error: reading minus reference; Error %: of span.</source>
        <translation>Reading: mean of the transmitter&apos;s samples, a digit more than it shows; Spread: highest minus lowest sample; Error: reading minus reference; Error %: of span.</translation>
    </message>
    <message>
        <source>U (k=2): expanded uncertainty of the error from the reference&apos;s stated uncertainty, one digit of the transmitter and the samples&apos; standard deviation of their mean;</source>
        <translation>U (k=2): expanded uncertainty of the error from the reference&apos;s stated uncertainty, one digit of the transmitter and the samples&apos; standard deviation of their mean;</translation>
    </message>
    <message>
        <source>TUR: tolerance / U. Each point is judged by its run&apos;s decision rule; &quot;unstable&quot;: spread above a quarter of the tolerance; &quot;not read&quot;: a sample failed.</source>
        <translation>TUR: tolerance / U. Each point is judged by its run&apos;s decision rule; &quot;unstable&quot;: spread above a quarter of the tolerance; &quot;not read&quot;: a sample failed.</translation>
    </message>
    <message>
        <source>The results relate only to the item calibrated. This report may be reproduced only in full.</source>
        <translation>The results relate only to the item calibrated. This report may be reproduced only in full.</translation>
    </message>
    <message>
        <source>CSV record of this report: SHA-256 %1</source>
        <translation>CSV record of this report: SHA-256 %1</translation>
    </message>
    <message>
        <source>Performed by: ______________________   Date: ____________   Signature: ______________________</source>
        <translation>Performed by: ______________________   Date: ____________   Signature: ______________________</translation>
    </message>
    <message>
        <source>Checked by:   ______________________   Date: ____________   Signature: ______________________</source>
        <translation>Checked by:   ______________________   Date: ____________   Signature: ______________________</translation>
    </message>
    <message>
        <source>%1 may be opened by its owner only; ask the administrator of this machine for access.</source>
        <translation>%1 may be opened by its owner only; ask the administrator of this machine for access.</translation>
    </message>
    <message>
        <source>To use %1, join its group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log out and log in again.</source>
        <translation>To use %1, join its group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log out and log in again.</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Port already open</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: this build has no network links</source>
        <translation>%1: this build has no network links</translation>
    </message>
    <message>
        <source>Operation valid only when the port is closed</source>
        <translation>Operation valid only when the port is closed</translation>
    </message>
    <message>
        <source>not a port: %1</source>
        <translation>not a port: %1</translation>
    </message>
    <message>
        <source>%1, latency timer %2 ms (added to the quick search&apos;s wait)</source>
        <translation>%1, latency timer %2 ms (added to the quick search&apos;s wait)</translation>
    </message>
    <message>
        <source>Port is closed</source>
        <translation>Port is closed</translation>
    </message>
    <message>
        <source>Not a network link: %1</source>
        <translation>Not a network link: %1</translation>
    </message>
    <message>
        <source>Cannot connect to %1 within %2 s: %3</source>
        <translation>Cannot connect to %1 within %2 s: %3</translation>
    </message>
    <message>
        <source>No network link chosen</source>
        <translation>No network link chosen</translation>
    </message>
    <message>
        <source>Port already closed</source>
        <translation>Port already closed</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Invalid property value</translation>
    </message>
    <message>
        <source>The rate of %1 is set at its server (%2 baud); it cannot be changed from here</source>
        <translation>The rate of %1 is set at its server (%2 baud); it cannot be changed from here</translation>
    </message>
    <message>
        <source>Lost the connection to %1</source>
        <translation>Lost the connection to %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>Writing took longer than 1 s to %1</source>
        <translation>Writing took longer than 1 s to %1</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Invalid port number</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>Write timed out</source>
        <translation>Write timed out</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>Port %1: the request did not come back as an echo before the reply, so the port&apos;s echo setting &quot;on&quot; may be wrong for this adapter (&quot;auto&quot; suits adapters with and without an echo)</source>
        <translation>Port %1: the request did not come back as an echo before the reply, so the port&apos;s echo setting &quot;on&quot; may be wrong for this adapter (&quot;auto&quot; suits adapters with and without an echo)</translation>
    </message>
    <message>
        <source>%1 answers later than the %2 ms timeout; its values were not taken</source>
        <translation>%1 answers later than the %2 ms timeout; its values were not taken</translation>
    </message>
    <message>
        <source>an IPv6 address goes in brackets followed by :PORT</source>
        <translation>an IPv6 address goes in brackets followed by :PORT</translation>
    </message>
    <message>
        <source>the host needs a :PORT</source>
        <translation>the host needs a :PORT</translation>
    </message>
    <message>
        <source>the host is empty or has characters no host name has</source>
        <translation>the host is empty or has characters no host name has</translation>
    </message>
    <message>
        <source>the TCP port takes a whole number from 1 to 65535</source>
        <translation>the TCP port takes a whole number from 1 to 65535</translation>
    </message>
    <message>
        <source>baud= is for raw TCP links only: elsewhere the rate is set on the line</source>
        <translation>baud= is for raw TCP links only: elsewhere the rate is set on the line</translation>
    </message>
    <message>
        <source>baud takes 1200, 2400, 4800 or 9600</source>
        <translation>baud takes 1200, 2400, 4800 or 9600</translation>
    </message>
    <message>
        <source>allowance takes a whole number of milliseconds from 0 to %1</source>
        <translation>allowance takes a whole number of milliseconds from 0 to %1</translation>
    </message>
    <message>
        <source>echo takes off, on or auto</source>
        <translation>echo takes off, on or auto</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; (baud, allowance and echo are known)</source>
        <translation>unknown option &quot;%1&quot; (baud, allowance and echo are known)</translation>
    </message>
    <message>
        <source>raw TCP, rate fixed at %1 baud by the server</source>
        <translation>raw TCP, rate fixed at %1 baud by the server</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>serial device</translation>
    </message>
    <message>
        <source>%1, reply allowance %2 ms, echo %3</source>
        <translation>%1, reply allowance %2 ms, echo %3</translation>
    </message>
    <message>
        <source>only tcp:// and rfc2217:// links are known</source>
        <translation>only tcp:// and rfc2217:// links are known</translation>
    </message>
    <message>
        <source>no device given</source>
        <translation>no device given</translation>
    </message>
    <message>
        <source>turnaround</source>
        <translation>turnaround</translation>
    </message>
    <message>
        <source>allowance</source>
        <translation>allowance</translation>
    </message>
    <message>
        <source>%1 takes a whole number of milliseconds from %2 to %3</source>
        <translation>%1 takes a whole number of milliseconds from %2 to %3</translation>
    </message>
    <message>
        <source>Quick search waits %1 ms for a transmitter to start answering; use Search for slower ones</source>
        <translation>Quick search waits %1 ms for a transmitter to start answering; use Search for slower ones</translation>
    </message>
    <message>
        <source>The link&apos;s reply allowance (%1 ms) and the adapter&apos;s latency timer (%2 ms) are added to the wait</source>
        <translation>The link&apos;s reply allowance (%1 ms) and the adapter&apos;s latency timer (%2 ms) are added to the wait</translation>
    </message>
    <message>
        <source>The link&apos;s reply allowance (%1 ms) is added to the wait</source>
        <translation>The link&apos;s reply allowance (%1 ms) is added to the wait</translation>
    </message>
    <message>
        <source>The adapter&apos;s latency timer (%1 ms) is added to the wait</source>
        <translation>The adapter&apos;s latency timer (%1 ms) is added to the wait</translation>
    </message>
    <message>
        <source>no value read</source>
        <translation>no value read</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>too long</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>holds a control character</translation>
    </message>
    <message>
        <source>no transmitter selected</source>
        <translation>no transmitter selected</translation>
    </message>
    <message>
        <source>the device server sets the line&apos;s rate</source>
        <translation>the device server sets the line&apos;s rate</translation>
    </message>
    <message>
        <source>%1 (answer: %2)</source>
        <translation>%1 (answer: %2)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Not written: %1</translation>
    </message>
    <message>
        <source>Not confirmed: %1</source>
        <translation>Not confirmed: %1</translation>
    </message>
    <message>
        <source>No good reply: %1</source>
        <translation>No good reply: %1</translation>
    </message>
    <message>
        <source>Nothing sent: %1</source>
        <translation>Nothing sent: %1</translation>
    </message>
    <message>
        <source>no good reply: %1</source>
        <translation>no good reply: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>not confirmed: %1</source>
        <translation>not confirmed: %1</translation>
    </message>
    <message>
        <source>Address %1 has been exist,press “OK” return！</source>
        <translation>Address %1 has been exist,press “OK” return！</translation>
    </message>
    <message>
        <source>Error address！</source>
        <translation>Error address！</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Save Data</translation>
    </message>
    <message>
        <source>Data Saved!</source>
        <translation>Data Saved!</translation>
    </message>
    <message>
        <source>Data saved error!</source>
        <translation>Data saved error!</translation>
    </message>
    <message>
        <source>写入工厂数据区</source>
        <translation>Write to factory data area</translation>
    </message>
    <message>
        <source>写入工厂数据区完成!</source>
        <translation>Written to factory data area!</translation>
    </message>
    <message>
        <source>写入工厂数据区出错</source>
        <translation>Error writing to factory data area</translation>
    </message>
    <message>
        <source>Not written to all transmitters: %1</source>
        <translation>Not written to all transmitters: %1</translation>
    </message>
    <message>
        <source>Nothing sent: %1.</source>
        <translation>Nothing sent: %1.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Restore the factory Setting</source>
        <translation>Restore the factory Setting</translation>
    </message>
    <message>
        <source>Restore the factory Setting failed!</source>
        <translation>Restore the factory Setting failed!</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Collect</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>The port closed: %1. Nothing more is sent; choose the port again to reconnect.</source>
        <translation>The port closed: %1. Nothing more is sent; choose the port again to reconnect.</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>History: %1</translation>
    </message>
    <message>
        <source>The instrument history cannot store entries now: %1. They are kept on this computer and stored once it can.</source>
        <translation>The instrument history cannot store entries now: %1. They are kept on this computer and stored once it can.</translation>
    </message>
    <message>
        <source>a search is running</source>
        <translation>a search is running</translation>
    </message>
    <message>
        <source>Intelligent Transmitter Parameter Setting     Ver 1.35e</source>
        <translation>Intelligent Transmitter Parameter Setting     Ver 1.35e</translation>
    </message>
    <message>
        <source>在线变送器地址列表</source>
        <translation>Online transmitter address list</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>Option(&amp;O)</translation>
    </message>
    <message>
        <source>UserCal (&amp;C)</source>
        <translation>UserCal (&amp;C)</translation>
    </message>
    <message>
        <source>About...(&amp;A)</source>
        <translation>About...(&amp;A)</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>Exit(&amp;X)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>View(&amp;V)</translation>
    </message>
    <message>
        <source>Traffic(&amp;T)</source>
        <translation>Traffic(&amp;T)</translation>
    </message>
    <message>
        <source>Trend(&amp;R)</source>
        <translation>Trend(&amp;R)</translation>
    </message>
    <message>
        <source>Quick Search(&amp;Q)</source>
        <translation>Quick Search(&amp;Q)</translation>
    </message>
    <message>
        <source>Quick Search Wait...(&amp;W)</source>
        <translation>Quick Search Wait...(&amp;W)</translation>
    </message>
    <message>
        <source>Verification(&amp;E)...</source>
        <translation>Verification(&amp;E)...</translation>
    </message>
    <message>
        <source>History(&amp;H)...</source>
        <translation>History(&amp;H)...</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>Specified</source>
        <translation>Specified</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>As the Window</source>
        <translation>As the Window</translation>
    </message>
    <message>
        <source>Configuration(&amp;G)</source>
        <translation>Configuration(&amp;G)</translation>
    </message>
    <message>
        <source>Save Configuration...</source>
        <translation>Save Configuration...</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Compare with File...</translation>
    </message>
    <message>
        <source>Apply File to Transmitters...</source>
        <translation>Apply File to Transmitters...</translation>
    </message>
    <message>
        <source>Current Transmitter Information</source>
        <translation>Current Transmitter Information</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>Addr:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Band:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>Versie:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Reflash</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Basic Information Setting</source>
        <translation>Basic Information Setting</translation>
    </message>
    <message>
        <source>Choose Baud Rate</source>
        <translation>Choose Baud Rate</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Current Measuring Value</source>
        <translation>Current Measuring Value</translation>
    </message>
    <message>
        <source>Pressure:</source>
        <translation>Pressure:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temp:</translation>
    </message>
    <message>
        <source> Zero</source>
        <translation> Zero</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>最大值;</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>最小值:</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Digital Signal Setting</source>
        <translation>Digital Signal Setting</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Decimal Digits:</source>
        <translation>Decimal Digits:</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Zero:</source>
        <translation>Zero:</translation>
    </message>
    <message>
        <source>FS:</source>
        <translation>FS:</translation>
    </message>
    <message>
        <source>在线变送器基本信息设置相同</source>
        <translation>Same basic information for all online transmitters</translation>
    </message>
    <message>
        <source>Save Modified Value</source>
        <translation>Save Modified Value</translation>
    </message>
    <message>
        <source>Back to Factory Setting</source>
        <translation>Back to Factory Setting</translation>
    </message>
    <message>
        <source> Analog Output Setting</source>
        <translation> Analog Output Setting</translation>
    </message>
    <message>
        <source>4mA Output:</source>
        <translation>4mA Output:</translation>
    </message>
    <message>
        <source>20mA Output</source>
        <translation>20mA Output</translation>
    </message>
    <message>
        <source>4mA Cal:</source>
        <translation>4mA Cal:</translation>
    </message>
    <message>
        <source>20mA Cal:</source>
        <translation>20mA Cal:</translation>
    </message>
    <message>
        <source>Instruction Operation</source>
        <translation>Instruction Operation</translation>
    </message>
    <message>
        <source>Instruction:</source>
        <translation>Instruction:</translation>
    </message>
    <message>
        <source>Return:</source>
        <translation>Return:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Input Address</source>
        <translation>Input Address</translation>
    </message>
    <message>
        <source>当前温度值</source>
        <translation>Current temperature value</translation>
    </message>
    <message>
        <source>PressureValue at 4mA Output</source>
        <translation>PressureValue at 4mA Output</translation>
    </message>
    <message>
        <source>PressureValue at 20mA Output</source>
        <translation>PressureValue at 20mA Output</translation>
    </message>
    <message>
        <source>Press Search to find the online transmitters!</source>
        <translation>Press Search to find the online transmitters!</translation>
    </message>
    <message>
        <source>The communication port is not open！</source>
        <translation>The communication port is not open！</translation>
    </message>
    <message>
        <source>Quick Search</source>
        <translation>Quick Search</translation>
    </message>
    <message>
        <source>Searching over.</source>
        <translation>Searching over.</translation>
    </message>
    <message>
        <source>Searchering Addr：%1</source>
        <translation>Searching address: %1</translation>
    </message>
    <message>
        <source>Online: %1</source>
        <translation>Online: %1</translation>
    </message>
    <message>
        <source>Port:COM%1</source>
        <translation>Port:COM%1</translation>
    </message>
    <message>
        <source>Band:%1</source>
        <translation>Band:%1</translation>
    </message>
    <message>
        <source>%1 (%2 to %3 ms):</source>
        <translation>%1 (%2 to %3 ms):</translation>
    </message>
    <message>
        <source>Not changed: the %1.</source>
        <translation>Not changed: the %1.</translation>
    </message>
    <message>
        <source>%1.
Longest wait for a transmitter to start answering</source>
        <translation>%1.
Longest wait for a transmitter to start answering</translation>
    </message>
    <message>
        <source>Time a USB serial adapter may hold received bytes back</source>
        <translation>Time a USB serial adapter may hold received bytes back</translation>
    </message>
    <message>
        <source>%1 Only %2 baud was searched: the device server sets the line&apos;s rate.</source>
        <translation>%1 Only %2 baud was searched: the device server sets the line&apos;s rate.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Online: 0</source>
        <translation>Online: 0</translation>
    </message>
    <message>
        <source>The version was not read: OL and OH go out as typed</source>
        <translation>The version was not read: OL and OH go out as typed</translation>
    </message>
    <message>
        <source>Calibration certificate</source>
        <translation>Calibration certificate</translation>
    </message>
    <message>
        <source>Verification report</source>
        <translation>Verification report</translation>
    </message>
    <message>
        <source>Range changed between the runs (adjusted): as found %1 to %2 %3, as left %4 to %5 %6</source>
        <translation>Range changed between the runs (adjusted): as found %1 to %2 %3, as left %4 to %5 %6</translation>
    </message>
    <message>
        <source>the as-found run was of another transmitter (address %1, type %2, id %3); this one is address %4, type %5, id %6</source>
        <translation>the as-found run was of another transmitter (address %1, type %2, id %3); this one is address %4, type %5, id %6</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>Verification - %1</source>
        <translation>Verification - %1</translation>
    </message>
    <message>
        <source>Points: numbers in % of the range, separated by commas.</source>
        <translation>Points: numbers in % of the range, separated by commas.</translation>
    </message>
    <message>
        <source>Uncertainty: the reference&apos;s expanded uncertainty as its certificate states it, such as 0.05, 0.02% or 0.02% k=2; or leave it empty.</source>
        <translation>Uncertainty: the reference&apos;s expanded uncertainty as its certificate states it, such as 0.05, 0.02% or 0.02% k=2; or leave it empty.</translation>
    </message>
    <message>
        <source>The run does not start: %1.</source>
        <translation>The run does not start: %1.</translation>
    </message>
    <message>
        <source>No transmitter was selected when this window opened; close it, choose one and open it again.</source>
        <translation>No transmitter was selected when this window opened; close it, choose one and open it again.</translation>
    </message>
    <message>
        <source>The transmitter %1 is no longer selected in the main window; close this window and open it again.</source>
        <translation>The transmitter %1 is no longer selected in the main window; close this window and open it again.</translation>
    </message>
    <message>
        <source>The reference instrument was due on %1. Start anyway? The report will say so on its first page.</source>
        <translation>The reference instrument was due on %1. Start anyway? The report will say so on its first page.</translation>
    </message>
    <message>
        <source>The run does not start: %1. Type the range (low and high) beside &quot;Range&quot; to verify against it.</source>
        <translation>The run does not start: %1. Type the range (low and high) beside &quot;Range&quot; to verify against it.</translation>
    </message>
    <message>
        <source>The as-left run does not join the as-found run: %1.</source>
        <translation>The as-left run does not join the as-found run: %1.</translation>
    </message>
    <message>
        <source>The transmitter %1 is no longer selected in the main window; no reading is taken.</source>
        <translation>The transmitter %1 is no longer selected in the main window; no reading is taken.</translation>
    </message>
    <message>
        <source>Reference: type the reading of the reference instrument, or leave it empty for the nominal.</source>
        <translation>Reference: type the reading of the reference instrument, or leave it empty for the nominal.</translation>
    </message>
    <message>
        <source>mA: the meter&apos;s reading of the output from 0 to 24 mA, or leave it empty.</source>
        <translation>mA: the meter&apos;s reading of the output from 0 to 24 mA, or leave it empty.</translation>
    </message>
    <message>
        <source>The transmitter %1 is no longer selected in the main window; the reading stopped.</source>
        <translation>The transmitter %1 is no longer selected in the main window; the reading stopped.</translation>
    </message>
    <message>
        <source>Sample %1 of %2</source>
        <translation>Sample %1 of %2</translation>
    </message>
    <message>
        <source>Start as left</source>
        <translation>Start as left</translation>
    </message>
    <message>
        <source>Start as found</source>
        <translation>Start as found</translation>
    </message>
    <message>
        <source>Dwell: %1 s left; Take reads now</source>
        <translation>Dwell: %1 s left; Take reads now</translation>
    </message>
    <message>
        <source>Choose the plan, then Start.</source>
        <translation>Choose the plan, then Start.</translation>
    </message>
    <message>
        <source>Point %1 of %2 (%3): apply %4 %5</source>
        <translation>Point %1 of %2 (%3): apply %4 %5</translation>
    </message>
    <message>
        <source>As left run done</source>
        <translation>As left run done</translation>
    </message>
    <message>
        <source>As found run done: adjust, then Start as left</source>
        <translation>As found run done: adjust, then Start as left</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Verdict: %1</translation>
    </message>
    <message>
        <source>Hysteresis (% of span): %1</source>
        <translation>Hysteresis (% of span): %1</translation>
    </message>
    <message>
        <source>As found: %1 (kept until this window closes)</source>
        <translation>As found: %1 (kept until this window closes)</translation>
    </message>
    <message>
        <source>The report has no number, and is not saved: %1.</source>
        <translation>The report has no number, and is not saved: %1.</translation>
    </message>
    <message>
        <source>Report %1 (%2)</source>
        <translation>Report %1 (%2)</translation>
    </message>
    <message>
        <source>Report %1 is numbered by %2.</source>
        <translation>Report %1 is numbered by %2.</translation>
    </message>
    <message>
        <source>Zero reading (M%1, before): vent, then Take</source>
        <translation>Zero reading (M%1, before): vent, then Take</translation>
    </message>
    <message>
        <source>Zero reading (M%1, after): vent, then Take</source>
        <translation>Zero reading (M%1, after): vent, then Take</translation>
    </message>
    <message>
        <source>Preload %1 of %2: apply full scale, hold, vent; then Take</source>
        <translation>Preload %1 of %2: apply full scale, hold, vent; then Take</translation>
    </message>
    <message>
        <source>Points (% of range):</source>
        <translation>Points (% of range):</translation>
    </message>
    <message>
        <source>And back down (hysteresis)</source>
        <translation>And back down (hysteresis)</translation>
    </message>
    <message>
        <source>Tolerance (% of span):</source>
        <translation>Tolerance (% of span):</translation>
    </message>
    <message>
        <source>Samples per point:</source>
        <translation>Samples per point:</translation>
    </message>
    <message>
        <source>Range if DL, DH cannot be read:</source>
        <translation>Range if DL, DH cannot be read:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Reference instrument:</source>
        <translation>Reference instrument:</translation>
    </message>
    <message>
        <source>Its serial number:</source>
        <translation>Its serial number:</translation>
    </message>
    <message>
        <source>Its certificate:</source>
        <translation>Its certificate:</translation>
    </message>
    <message>
        <source>Due (YYYY-MM-DD):</source>
        <translation>Due (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>Its uncertainty (U, k):</source>
        <translation>Its uncertainty (U, k):</translation>
    </message>
    <message>
        <source>Decision rule:</source>
        <translation>Decision rule:</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organisation:</translation>
    </message>
    <message>
        <source>Its address:</source>
        <translation>Its address:</translation>
    </message>
    <message>
        <source>Report number prefix:</source>
        <translation>Report number prefix:</translation>
    </message>
    <message>
        <source>Place of the work:</source>
        <translation>Place of the work:</translation>
    </message>
    <message>
        <source>Customer or owner:</source>
        <translation>Customer or owner:</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Ambient (°C, %RH, hPa):</source>
        <translation>Ambient (°C, %RH, hPa):</translation>
    </message>
    <message>
        <source>Departures from the method:</source>
        <translation>Departures from the method:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>As left only (new installation)</source>
        <translation>As left only (new installation)</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Take reading</source>
        <translation>Take reading</translation>
    </message>
    <message>
        <source>Repeat point</source>
        <translation>Repeat point</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Save certificate...</source>
        <translation>Save certificate...</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Save CSV...</translation>
    </message>
    <message>
        <source>Procedure:</source>
        <translation>Procedure:</translation>
    </message>
    <message>
        <source>Dwell before each reading (s):</source>
        <translation>Dwell before each reading (s):</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>Free plan</source>
        <translation>Free plan</translation>
    </message>
    <message>
        <source>DKD-R 6-1 (03/2014) sequence A</source>
        <translation>DKD-R 6-1 (03/2014) sequence A</translation>
    </message>
    <message>
        <source>DKD-R 6-1 (03/2014) sequence B</source>
        <translation>DKD-R 6-1 (03/2014) sequence B</translation>
    </message>
    <message>
        <source>DKD-R 6-1 (03/2014) sequence C</source>
        <translation>DKD-R 6-1 (03/2014) sequence C</translation>
    </message>
    <message>
        <source>EURAMET cg-17 (v2.0) basic procedure</source>
        <translation>EURAMET cg-17 (v2.0) basic procedure</translation>
    </message>
    <message>
        <source>Repeatability b</source>
        <translation>Repeatability b</translation>
    </message>
    <message>
        <source>Hysteresis h</source>
        <translation>Hysteresis h</translation>
    </message>
    <message>
        <source>Zero deviation f0</source>
        <translation>Zero deviation f0</translation>
    </message>
    <message>
        <source>Linearity</source>
        <translation>Linearity</translation>
    </message>
    <message>
        <source>%1: - (a reading is missing)</source>
        <translation>%1: - (a reading is missing)</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4 % of span)</source>
        <translation>%1: %2 %3 (%4 % of span)</translation>
    </message>
    <message>
        <source>the local counter</source>
        <translation>the local counter</translation>
    </message>
    <message>
        <source>the local report counter %1 holds &quot;%2&quot;, not a count: correct it in %3&apos;s settings</source>
        <translation>the local report counter %1 holds &quot;%2&quot;, not a count: correct it in %3&apos;s settings</translation>
    </message>
    <message>
        <source>the local report counter %1 is used up</source>
        <translation>the local report counter %1 is used up</translation>
    </message>
    <message>
        <source>cannot keep the local report counter in the settings</source>
        <translation>cannot keep the local report counter in the settings</translation>
    </message>
    <message>
        <source>simple</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>guarded</source>
        <translation>guarded</translation>
    </message>
    <message>
        <source>conditional</source>
        <translation>conditional</translation>
    </message>
    <message>
        <source>Simple acceptance: a point passes when |error| &lt;= tolerance; the uncertainty is stated, not deducted.</source>
        <translation>Simple acceptance: a point passes when |error| &lt;= tolerance; the uncertainty is stated, not deducted.</translation>
    </message>
    <message>
        <source>Guarded acceptance: a point passes only when |error| &lt;= tolerance - U, the expanded uncertainty (k = 2) serving as a guard band inside the tolerance; every other point fails.</source>
        <translation>Guarded acceptance: a point passes only when |error| &lt;= tolerance - U, the expanded uncertainty (k = 2) serving as a guard band inside the tolerance; every other point fails.</translation>
    </message>
    <message>
        <source>Non-binary acceptance with a guard band of U, the expanded uncertainty (k = 2): pass when |error| &lt;= tolerance - U, conditional pass up to the tolerance, conditional fail up to tolerance + U, fail beyond.</source>
        <translation>Non-binary acceptance with a guard band of U, the expanded uncertainty (k = 2): pass when |error| &lt;= tolerance - U, conditional pass up to the tolerance, conditional fail up to tolerance + U, fail beyond.</translation>
    </message>
    <message>
        <source>up</source>
        <translation>up</translation>
    </message>
    <message>
        <source>down</source>
        <translation>down</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>fail</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>skipped</translation>
    </message>
    <message>
        <source>conditional pass</source>
        <translation>conditional pass</translation>
    </message>
    <message>
        <source>conditional fail</source>
        <translation>conditional fail</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>CONDITIONAL PASS</source>
        <translation>CONDITIONAL PASS</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>INCOMPLETE</translation>
    </message>
    <message>
        <source>the plan has no points</source>
        <translation>the plan has no points</translation>
    </message>
    <message>
        <source>points lie from 0 to 100 % of the range</source>
        <translation>points lie from 0 to 100 % of the range</translation>
    </message>
    <message>
        <source>points must increase</source>
        <translation>points must increase</translation>
    </message>
    <message>
        <source>the tolerance must be above 0</source>
        <translation>the tolerance must be above 0</translation>
    </message>
    <message>
        <source>samples per point lie from 1 to 100</source>
        <translation>samples per point lie from 1 to 100</translation>
    </message>
    <message>
        <source>the dwell lies from 0 to 3600 s</source>
        <translation>the dwell lies from 0 to 3600 s</translation>
    </message>
    <message>
        <source>the reference&apos;s due date is written YYYY-MM-DD</source>
        <translation>the reference&apos;s due date is written YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the display range (DL, DH) could not be read</source>
        <translation>the display range (DL, DH) could not be read</translation>
    </message>
    <message>
        <source>the display range is empty (DL equals DH)</source>
        <translation>the display range is empty (DL equals DH)</translation>
    </message>
    <message>
        <source>Instrument history: %1</source>
        <translation>Instrument history: %1</translation>
    </message>
    <message>
        <source>not kept by this build</source>
        <translation>not kept by this build</translation>
    </message>
    <message>
        <source>About Ortavel</source>
        <translation>About Ortavel</translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation>System information is not available at this time</translation>
    </message>
    <message>
        <source>Kavrin Products Management Dept.</source>
        <translation>Kavrin Products Management Dept.</translation>
    </message>
    <message>
        <source>   The software is suitable to QX820/830 Intelligent Transmitter Version 2.00. The software is free of charge. The users could download it from our website.</source>
        <translation>   The software is suitable to QX820/830 Intelligent Transmitter Version 2.00. The software is free of charge. The users could download it from our website.</translation>
    </message>
    <message>
        <source>Version 1.35e                  2008.1</source>
        <translation>Version 1.35e                  2008.1</translation>
    </message>
    <message>
        <source>Email:%1</source>
        <translation>Email:%1</translation>
    </message>
    <message>
        <source>Ok(&amp;O)</source>
        <translation>Ok(&amp;O)</translation>
    </message>
    <message>
        <source>System Info(&amp;S)</source>
        <translation>System Info(&amp;S)</translation>
    </message>
    <message>
        <source>Save to Factury</source>
        <translation>Save to Factury</translation>
    </message>
    <message>
        <source>No transmitter is selected in the main window; close this window, choose one and open it again.</source>
        <translation>No transmitter is selected in the main window; close this window, choose one and open it again.</translation>
    </message>
    <message>
        <source>point %1</source>
        <translation>point %1</translation>
    </message>
    <message>
        <source>points %1</source>
        <translation>points %1</translation>
    </message>
    <message>
        <source>Nothing sent: %1; try again when it has ended.</source>
        <translation>Nothing sent: %1; try again when it has ended.</translation>
    </message>
    <message>
        <source>The transmitter %1 read by this window is no longer selected; close the window and open it again.</source>
        <translation>The transmitter %1 read by this window is no longer selected; close the window and open it again.</translation>
    </message>
    <message>
        <source>Unit:  %1</source>
        <translation>Unit:  %1</translation>
    </message>
    <message>
        <source>read</source>
        <translation>read</translation>
    </message>
    <message>
        <source>Could not read the number of calibration points.</source>
        <translation>Could not read the number of calibration points.</translation>
    </message>
    <message>
        <source>Could not read the number of calibration points and %1; the boxes show the answer received.</source>
        <translation>Could not read the number of calibration points and %1; the boxes show the answer received.</translation>
    </message>
    <message>
        <source>Could not read %1; the boxes show the answer received.</source>
        <translation>Could not read %1; the boxes show the answer received.</translation>
    </message>
    <message>
        <source>Nothing was sent: the number of calibration points must be 0 to 8.</source>
        <translation>Nothing was sent: the number of calibration points must be 0 to 8.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 holds no value. Read the calibration data again or type the values.</source>
        <translation>Nothing was sent: %1 holds no value. Read the calibration data again or type the values.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 hold no value. Read the calibration data again or type the values.</source>
        <translation>Nothing was sent: %1 hold no value. Read the calibration data again or type the values.</translation>
    </message>
    <message>
        <source>Download Calibration Data failed at %1 (answer: %2); the transmitter did not store the table.</source>
        <translation>Download Calibration Data failed at %1 (answer: %2); the transmitter did not store the table.</translation>
    </message>
    <message>
        <source>written</source>
        <translation>written</translation>
    </message>
    <message>
        <source>Save to Factury failed (answer: %1).</source>
        <translation>Save to Factury failed (answer: %1).</translation>
    </message>
    <message>
        <source>The point count %1 was not given back to the transmitter %2: it is no longer selected.</source>
        <translation>The point count %1 was not given back to the transmitter %2: it is no longer selected.</translation>
    </message>
    <message>
        <source>QX820/830 Transmitter Calibration</source>
        <translation>QX820/830 Transmitter Calibration</translation>
    </message>
    <message>
        <source>     Calibration Steps: Press &quot;Recalibrate&quot;→ Select &quot;Calibration <byte value="xd"/>
Point Amount&quot; → Input calibration pressure and practical pressure <byte value="xd"/>
correspondingly → Press &quot;Save Calibration Data&quot; → Finish<byte value="xd"/>
The practical pressure can be gotten by pressing corresponding keys <byte value="xd"/>
&quot;Pressure Point&quot;. When press &quot;Save Calibration Data&quot;, the standard <byte value="xd"/>
data will be downloaded and saved in the transmitter.<byte value="xd"/>
</source>
        <translation>     Calibration Steps: Press &quot;Recalibrate&quot;→ Select &quot;Calibration <byte value="xd"/>
Point Amount&quot; → Input calibration pressure and practical pressure <byte value="xd"/>
correspondingly → Press &quot;Save Calibration Data&quot; → Finish<byte value="xd"/>
The practical pressure can be gotten by pressing corresponding keys <byte value="xd"/>
&quot;Pressure Point&quot;. When press &quot;Save Calibration Data&quot;, the standard <byte value="xd"/>
data will be downloaded and saved in the transmitter.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Download Calibration Data</source>
        <translation>Download Calibration Data</translation>
    </message>
    <message>
        <source>Download Calibration Data finished !</source>
        <translation>Download Calibration Data finished !</translation>
    </message>
    <message>
        <source>Calibration Points:</source>
        <translation>Calibration Points:</translation>
    </message>
    <message>
        <source>Calibration Pressure:</source>
        <translation>Calibration Pressure:</translation>
    </message>
    <message>
        <source>Measuring Pressure:</source>
        <translation>Measuring Pressure:</translation>
    </message>
    <message>
        <source>Press.%1</source>
        <translation>Press.%1</translation>
    </message>
    <message>
        <source>Read Cal. Data</source>
        <translation>Read Cal. Data</translation>
    </message>
    <message>
        <source>Recalibrate</source>
        <translation>Recalibrate</translation>
    </message>
    <message>
        <source>Save Cal. Data</source>
        <translation>Save Cal. Data</translation>
    </message>
    <message>
        <source>Calibration Explain</source>
        <translation>Calibration Explain</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Instrument history</source>
        <translation>Instrument history</translation>
    </message>
    <message>
        <source>Your name, recorded with every entry beside the login</source>
        <translation>Your name, recorded with every entry beside the login</translation>
    </message>
    <message>
        <source>Only changes on or after this day</source>
        <translation>Only changes on or after this day</translation>
    </message>
    <message>
        <source>The history %1.</source>
        <translation>The history %1.</translation>
    </message>
    <message>
        <source>The history %1: %2</source>
        <translation>The history %1: %2</translation>
    </message>
    <message>
        <source>cannot be reached</source>
        <translation>cannot be reached</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>The history holds no transmitter yet.</source>
        <translation>The history holds no transmitter yet.</translation>
    </message>
    <message>
        <source>%1 transmitters known.</source>
        <translation>%1 transmitters known.</translation>
    </message>
    <message>
        <source>Since: type a day as YYYY-MM-DD; until then every change is shown.</source>
        <translation>Since: type a day as YYYY-MM-DD; until then every change is shown.</translation>
    </message>
    <message>
        <source>Not set: the interval takes a whole number of months from 1 to %1.</source>
        <translation>Not set: the interval takes a whole number of months from 1 to %1.</translation>
    </message>
    <message>
        <source>Interval of %1 set to %2 months; Refresh shows the due date it gives.</source>
        <translation>Interval of %1 set to %2 months; Refresh shows the due date it gives.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Transmitter (ID):</source>
        <translation>Transmitter (ID):</translation>
    </message>
    <message>
        <source>Interval (months):</source>
        <translation>Interval (months):</translation>
    </message>
    <message>
        <source>Set interval</source>
        <translation>Set interval</translation>
    </message>
    <message>
        <source>Due within (days):</source>
        <translation>Due within (days):</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>Since (YYYY-MM-DD):</source>
        <translation>Since (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>Snapshot:</source>
        <translation>Snapshot:</translation>
    </message>
    <message>
        <source>against:</source>
        <translation>against:</translation>
    </message>
    <message>
        <source>write</source>
        <translation>write</translation>
    </message>
    <message>
        <source>snapshot</source>
        <translation>snapshot</translation>
    </message>
    <message>
        <source>verification</source>
        <translation>verification</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>interval</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmed</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>no reply</translation>
    </message>
    <message>
        <source>echo differs</source>
        <translation>echo differs</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>broadcast</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 of %2 read</translation>
    </message>
    <message>
        <source>table</source>
        <translation>table</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>%1 of %2 exchanges recorded</source>
        <translation>%1 of %2 exchanges recorded</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>all</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Last: %1, %2</source>
        <translation>Last: %1, %2</translation>
    </message>
    <message>
        <source>Span:</source>
        <translation>Span:</translation>
    </message>
    <message>
        <source>Save PNG...</source>
        <translation>Save PNG...</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>it holds no calibration table</source>
        <translation>it holds no calibration table</translation>
    </message>
    <message>
        <source>%1 not read (%2)</source>
        <translation>%1 not read (%2)</translation>
    </message>
    <message>
        <source>did not answer: %1</source>
        <translation>did not answer: %1</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <translation>note: %1: %2</translation>
    </message>
    <message>
        <source>calibration.points: %1 is not a whole number from 0 to 8</source>
        <translation>calibration.points: %1 is not a whole number from 0 to 8</translation>
    </message>
    <message>
        <source>calibration.table has more than 8 rows</source>
        <translation>calibration.table has more than 8 rows</translation>
    </message>
    <message>
        <source>calibration.table.%1 needs a standard and a measured value</source>
        <translation>calibration.table.%1 needs a standard and a measured value</translation>
    </message>
    <message>
        <source>not a JSON object: %1</source>
        <translation>not a JSON object: %1</translation>
    </message>
    <message>
        <source>not an ortavel backup (format is not &quot;ortavel-backup&quot;)</source>
        <translation>not an ortavel backup (format is not &quot;ortavel-backup&quot;)</translation>
    </message>
    <message>
        <source>backup format version %1 is not supported (expected %2)</source>
        <translation>backup format version %1 is not supported (expected %2)</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 must be an object</translation>
    </message>
    <message>
        <source>settings.%1 is not a key a backup may hold</source>
        <translation>settings.%1 is not a key a backup may hold</translation>
    </message>
    <message>
        <source>settings.%1 must be a text</source>
        <translation>settings.%1 must be a text</translation>
    </message>
    <message>
        <source>settings.%1 must be a text or a number</source>
        <translation>settings.%1 must be a text or a number</translation>
    </message>
    <message>
        <source>calibration must be an object or null</source>
        <translation>calibration must be an object or null</translation>
    </message>
    <message>
        <source>settings holds none of the keys apply writes (type, unit, decimals, display_zero, display_full_scale, output_4ma, output_20ma, trim_4ma, trim_20ma)</source>
        <translation>settings holds none of the keys apply writes (type, unit, decimals, display_zero, display_full_scale, output_4ma, output_20ma, trim_4ma, trim_20ma)</translation>
    </message>
    <message>
        <source>settings holds no value to write: every key is saved as not read</source>
        <translation>settings holds no value to write: every key is saved as not read</translation>
    </message>
    <message>
        <source>%1: needs a text without control characters, not empty</source>
        <translation>%1: needs a text without control characters, not empty</translation>
    </message>
    <message>
        <source>%1: %2 is not kPa, MPa, mH2O, Bar, Psi, mBar, Unknown or a code 0-6</source>
        <translation>%1: %2 is not kPa, MPa, mH2O, Bar, Psi, mBar, Unknown or a code 0-6</translation>
    </message>
    <message>
        <source>%1: %2 is not 0 to 4</source>
        <translation>%1: %2 is not 0 to 4</translation>
    </message>
    <message>
        <source>%1: %2 is not a decimal number</source>
        <translation>%1: %2 is not a decimal number</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number from -5000 to 5000</source>
        <translation>%1: %2 is not a whole number from -5000 to 5000</translation>
    </message>
    <message>
        <source>%1: %2 is not an address from 1 to 99</source>
        <translation>%1: %2 is not an address from 1 to 99</translation>
    </message>
    <message>
        <source>%1: %2 is not 1200, 2400, 4800 or 9600</source>
        <translation>%1: %2 is not 1200, 2400, 4800 or 9600</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 given twice</translation>
    </message>
    <message>
        <source>version &quot;%1&quot; is not a number: output values go out as typed</source>
        <translation>version &quot;%1&quot; is not a number: output values go out as typed</translation>
    </message>
    <message>
        <source>not stored: an earlier write was not confirmed</source>
        <translation>not stored: an earlier write was not confirmed</translation>
    </message>
    <message>
        <source>not sent: the address change was not confirmed</source>
        <translation>not sent: the address change was not confirmed</translation>
    </message>
    <message>
        <source>not sent: the line&apos;s rate is set at its device server (%1 baud)</source>
        <translation>not sent: the line&apos;s rate is set at its device server (%1 baud)</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>not confirmed</translation>
    </message>
    <message>
        <source>confirmed, but the line could not follow</source>
        <translation>confirmed, but the line could not follow</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>not asked</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>not written: the transmitter is not the file&apos;s own</source>
        <translation>not written: the transmitter is not the file&apos;s own</translation>
    </message>
    <message>
        <source>not sent: cancelled</source>
        <translation>not sent: cancelled</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>not sent</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Save Configuration</translation>
    </message>
    <message>
        <source>Nothing saved: %1.</source>
        <translation>Nothing saved: %1.</translation>
    </message>
    <message>
        <source>Nothing saved: no value of %1 has been read in this selection; press Reflash first.</source>
        <translation>Nothing saved: no value of %1 has been read in this selection; press Refresh first.</translation>
    </message>
    <message>
        <source>Configuration of %1 saved</source>
        <translation>Configuration of %1 saved</translation>
    </message>
    <message>
        <source>Configuration of %1 saved (not read: %2)</source>
        <translation>Configuration of %1 saved (not read: %2)</translation>
    </message>
    <message>
        <source>%1 is not a configuration that can be written: %2. Nothing was sent.</source>
        <translation>%1 is not a configuration that can be written: %2. Nothing was sent.</translation>
    </message>
    <message>
        <source>Compare Configuration</source>
        <translation>Compare Configuration</translation>
    </message>
    <message>
        <source>Apply Configuration</source>
        <translation>Apply Configuration</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>No transmitter in the online list: search the bus first.</source>
        <translation>No transmitter in the online list: search the bus first.</translation>
    </message>
    <message>
        <source>%1 - cancelling after this write</source>
        <translation>%1 - cancelling after this write</translation>
    </message>
    <message>
        <source>Nothing sent: the port is not open.</source>
        <translation>Nothing sent: the port is not open.</translation>
    </message>
    <message>
        <source>Nothing written: no transmitter is ticked.</source>
        <translation>Nothing written: no transmitter is ticked.</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>Nothing written: %1</translation>
    </message>
    <message>
        <source>configurations are being applied</source>
        <translation>configurations are being applied</translation>
    </message>
    <message>
        <source>cancelled before it was reached</source>
        <translation>cancelled before it was reached</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>not ticked</translation>
    </message>
    <message>
        <source>Writing to %1 (%2 of %3)</source>
        <translation>Writing to %1 (%2 of %3)</translation>
    </message>
    <message>
        <source>its rate is not known</source>
        <translation>its rate is not known</translation>
    </message>
    <message>
        <source>%1 writes confirmed</source>
        <translation>%1 writes confirmed</translation>
    </message>
    <message>
        <source>trims and calibration not written: not the file&apos;s own transmitter</source>
        <translation>trims and calibration not written: not the file&apos;s own transmitter</translation>
    </message>
    <message>
        <source>cancelled after %1 writes confirmed</source>
        <translation>cancelled after %1 writes confirmed</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>%1 confirmed, %2 failed, %3 skipped.</source>
        <translation>%1 confirmed, %2 failed, %3 skipped.</translation>
    </message>
    <message>
        <source>Calibration table too (to the file&apos;s own transmitter only)</source>
        <translation>Calibration table too (to the file&apos;s own transmitter only)</translation>
    </message>
    <message>
        <source>Save to the user area afterwards</source>
        <translation>Save to the user area afterwards</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The file names no transmitter it was taken from: trims and calibration are not offered.</source>
        <translation>The file names no transmitter it was taken from: trims and calibration are not offered.</translation>
    </message>
    <message>
        <source>The file was taken from this transmitter, %1.</source>
        <translation>The file was taken from this transmitter, %1.</translation>
    </message>
    <message>
        <source>The file was taken from another transmitter, %1: type and ID are not ticked, trims and calibration are not offered.</source>
        <translation>The file was taken from another transmitter, %1: type and ID are not ticked, trims and calibration are not offered.</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Nothing written: no row is ticked.</source>
        <translation>Nothing written: no row is ticked.</translation>
    </message>
    <message>
        <source>%1 written and confirmed, %2 not</source>
        <translation>%1 written and confirmed, %2 not</translation>
    </message>
    <message>
        <source>%1 written and confirmed</source>
        <translation>%1 written and confirmed</translation>
    </message>
    <message>
        <source>saved to the user area</source>
        <translation>saved to the user area</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>not saved: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Write Selected</source>
        <translation>Write Selected</translation>
    </message>
    <message>
        <source>Read Again</source>
        <translation>Read Again</translation>
    </message>
    <message>
        <source>good</source>
        <translation>good</translation>
    </message>
    <message>
        <source>bad reply</source>
        <translation>bad reply</translation>
    </message>
    <message>
        <source>late reply</source>
        <translation>late reply</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Differs</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Configurations (*.json);;All files (*)</source>
        <translation>Configurations (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Configuration file</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Last seen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Addr</source>
        <translation>Addr</translation>
    </message>
    <message>
        <source>Last verified</source>
        <translation>Last verified</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Next due</source>
        <translation>Next due</translation>
    </message>
    <message>
        <source>Changed since</source>
        <translation>Changed since</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>Echo</translation>
    </message>
    <message>
        <source>By</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Error at %1</source>
        <translation>Error at %1</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>(overwritten)</source>
        <translation>(overwritten)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Request</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Reply</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Exchanges</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>No reply</translation>
    </message>
    <message>
        <source>Bad reply</source>
        <translation>Bad reply</translation>
    </message>
    <message>
        <source>Mean ms</source>
        <translation>Mean ms</translation>
    </message>
    <message>
        <source>p95 ms</source>
        <translation>p95 ms</translation>
    </message>
    <message>
        <source>Longest ms</source>
        <translation>Longest ms</translation>
    </message>
    <message>
        <source>Save traffic</source>
        <translation>Save traffic</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Save trend picture</source>
        <translation>Save trend picture</translation>
    </message>
    <message>
        <source>Save trend</source>
        <translation>Save trend</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>Pressure max</source>
        <translation>Pressure max</translation>
    </message>
    <message>
        <source>Pressure min</source>
        <translation>Pressure min</translation>
    </message>
    <message>
        <source>Temperature max</source>
        <translation>Temperature max</translation>
    </message>
    <message>
        <source>Temperature min</source>
        <translation>Temperature min</translation>
    </message>
    <message>
        <source>Temperature (℃)</source>
        <translation>Temperature (℃)</translation>
    </message>
    <message>
        <source>Elapsed time (%1)</source>
        <translation>Elapsed time (%1)</translation>
    </message>
    <message>
        <source>Pressure (%1)</source>
        <translation>Pressure (%1)</translation>
    </message>
    <message>
        <source>%1 (unstable)</source>
        <translation>%1 (unstable)</translation>
    </message>
    <message>
        <source>Save certificate</source>
        <translation>Save certificate</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>～</source>
        <translation>~</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
