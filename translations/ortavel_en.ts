<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Ortavel</name>
    <message>
        <source>Status panel %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
