<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QRavla</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation>Ravla Prayer Times</translation>
    </message>
</context>
<context>
    <name>QRavlaClass</name>
    <message>
        <source>Vakitler</source>
        <translation>Prayer times</translation>
    </message>
</context>
</TS>
