<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Ortavel</name>
    <message>
        <source>Status panel %1</source>
        <translation type="unfinished" />
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
        <source>Pressures in %1 with the transmitter's decimals. Nominal: the point's pressure on the range; Reference: read off the reference instrument, "(n)": the nominal taken over;</source>
        <translation>Pressures in %1 with the transmitter's decimals. Nominal: the point's pressure on the range; Reference: read off the reference instrument, "(n)": the nominal taken over;</translation>
    </message>
    <message>
        <source>the transmitter's unit</source>
        <translation>the transmitter's unit</translation>
    </message>
    <message>
        <source>Reading: mean of the transmitter's samples, a digit more than it shows; Spread: highest minus lowest sample; Error: reading minus reference; Error %: of span.</source>
        <translation>Reading: mean of the transmitter's samples, a digit more than it shows; Spread: highest minus lowest sample; Error: reading minus reference; Error %: of span.</translation>
    </message>
    <message>
        <source>U (k=2): expanded uncertainty of the error from the reference's stated uncertainty, one digit of the transmitter and the samples' standard deviation of their mean;</source>
        <translation>U (k=2): expanded uncertainty of the error from the reference's stated uncertainty, one digit of the transmitter and the samples' standard deviation of their mean;</translation>
    </message>
    <message>
        <source>TUR: tolerance / U. Each point is judged by its run's decision rule; "unstable": spread above a quarter of the tolerance; "not read": a sample failed.</source>
        <translation>TUR: tolerance / U. Each point is judged by its run's decision rule; "unstable": spread above a quarter of the tolerance; "not read": a sample failed.</translation>
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
        <source>To use %1, join its group "%2" (sudo usermod -aG %2 $USER), then log out and log in again.</source>
        <translation>To use %1, join its group "%2" (sudo usermod -aG %2 $USER), then log out and log in again.</translation>
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
        <source>%1, latency timer %2 ms (added to the quick search's wait)</source>
        <translation>%1, latency timer %2 ms (added to the quick search's wait)</translation>
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
        <source>Port %1: the request did not come back as an echo before the reply, so the port's echo setting "on" may be wrong for this adapter ("auto" suits adapters with and without an echo)</source>
        <translation>Port %1: the request did not come back as an echo before the reply, so the port's echo setting "on" may be wrong for this adapter ("auto" suits adapters with and without an echo)</translation>
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
        <source>unknown option "%1" (baud, allowance and echo are known)</source>
        <translation>unknown option "%1" (baud, allowance and echo are known)</translation>
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
        <source>The link's reply allowance (%1 ms) and the adapter's latency timer (%2 ms) are added to the wait</source>
        <translation>The link's reply allowance (%1 ms) and the adapter's latency timer (%2 ms) are added to the wait</translation>
    </message>
    <message>
        <source>The link's reply allowance (%1 ms) is added to the wait</source>
        <translation>The link's reply allowance (%1 ms) is added to the wait</translation>
    </message>
    <message>
        <source>The adapter's latency timer (%1 ms) is added to the wait</source>
        <translation>The adapter's latency timer (%1 ms) is added to the wait</translation>
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
        <source>the device server sets the line's rate</source>
        <translation>the device server sets the line's rate</translation>
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
        <translation>Versie:</translation>
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
        <translation>Reflash</translation>
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
        <translation>Searchering Addr：%1</translation>
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
        <source>%1 Only %2 baud was searched: the device server sets the line's rate.</source>
        <translation>%1 Only %2 baud was searched: the device server sets the line's rate.</translation>
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
        <source>Uncertainty: the reference's expanded uncertainty as its certificate states it, such as 0.05, 0.02% or 0.02% k=2; or leave it empty.</source>
        <translation>Uncertainty: the reference's expanded uncertainty as its certificate states it, such as 0.05, 0.02% or 0.02% k=2; or leave it empty.</translation>
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
        <source>The run does not start: %1. Type the range (low and high) beside "Range" to verify against it.</source>
        <translation>The run does not start: %1. Type the range (low and high) beside "Range" to verify against it.</translation>
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
        <source>mA: the meter's reading of the output from 0 to 24 mA, or leave it empty.</source>
        <translation>mA: the meter's reading of the output from 0 to 24 mA, or leave it empty.</translation>
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
        <source>the local report counter %1 holds "%2", not a count: correct it in %3's settings</source>
        <translation>the local report counter %1 holds "%2", not a count: correct it in %3's settings</translation>
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
        <source>the reference's due date is written YYYY-MM-DD</source>
        <translation>the reference's due date is written YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the display range (DL, DH) could not be read</source>
        <translation>the display range (DL, DH) could not be read</translation>
    </message>
    <message>
        <source>the display range is empty (DL equals DH)</source>
        <translation>the display range is empty (DL equals DH)</translation>
    </message>
</context>
</TS>