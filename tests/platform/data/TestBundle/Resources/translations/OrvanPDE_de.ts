<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Localizable</name>
    <message>
        <source>Color Balance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Tiefen</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>Shadows</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Secure Print</source>
        <translation>Vertraulicher Druck</translation>
    </message>
</context>
</TS>
