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
    <message>
        <source>Job Type</source>
        <extracomment>Label of the job type pop-up; the key stays as stored layouts know it.</extracomment>
        <translation>Job Type:</translation>
    </message>
    <message>
        <source>Image adjust mode:</source>
        <extracomment>Label of the image adjust mode pop-up, cased as its neighbours; the key stays as stored layouts know it.</extracomment>
        <translation>Image Adjust Mode:</translation>
    </message>
    <message>
        <source>GrayGuarantee</source>
        <extracomment>Check box: gray and black parts are printed with black toner only; the key stays as stored layouts know it.</extracomment>
        <translation>Gray Guarantee</translation>
    </message>
    <message>
        <source>Hightlights</source>
        <extracomment>Tone range: highlights; the key is spelled as the code looks it up.</extracomment>
        <translation>Highlights</translation>
    </message>
</context>
</TS>
