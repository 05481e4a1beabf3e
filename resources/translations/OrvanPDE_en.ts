<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Localizable</name>
    <message>
        <source>Job Type_Title</source>
        <extracomment>Name of the Job Type panel in the host&apos;s panel pop-up; the key differs from the text shown.</extracomment>
        <translation>Job Type</translation>
    </message>
</context>
</TS>
