<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A translation that knows two of the module's messages: the others fall back to Russian. -->
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Messages</name>
    <message>
        <source>KTooLarge</source>
        <translation>K is too large!</translation>
    </message>
    <message>
        <source>DatabaseError</source>
        <translation>Database error: %s</translation>
    </message>
</context>
</TS>
