<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>host::Document</name>
    <message>
        <location filename="../../host/JobOptions.cpp" line="173"/>
        <source>Test Page</source>
        <translation>Testseite</translation>
    </message>
</context>
<context>
    <name>host::CupsWorker</name>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="36"/>
        <source>nothing answers there</source>
        <translation>dort antwortet niemand</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="40"/>
        <source>unknown host</source>
        <translation>unbekannter Rechner</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="43"/>
        <source>cannot reach the print server %1 (%2)</source>
        <translation>der Druckserver %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="84"/>
        <source>the print server %1 answered: %2</source>
        <translation>der Druckserver %1 antwortete: %2</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="128"/>
        <source>cannot fetch the printer description of %1: %2</source>
        <translation>die Druckerbeschreibung von %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="137"/>
        <source>the printer description of %1 is unreadable: %2</source>
        <translation>die Druckerbeschreibung von %1 ist nicht lesbar: %2</translation>
    </message>
</context>
<context>
    <name>host::PresetStore</name>
    <message>
        <location filename="../../host/Presets.cpp" line="61"/>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="65"/>
        <source>%1 at byte %2</source>
        <translation>%1 bei Byte %2</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="66"/>
        <source>not a settings object</source>
        <translation>keine Einstellungsdaten</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="69"/>
        <source>unknown format version</source>
        <translation>unbekannte Formatversion</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="75"/>
        <source>missing or mistyped entries</source>
        <translation>Einträge fehlen oder haben den falschen Typ</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="79"/>
        <source>setting %1 is not text</source>
        <translation>die Einstellung %1 ist kein Text</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="85"/>
        <source>a marked choice is not a keyword and a choice</source>
        <translation>eine gewählte Option ist kein Paar aus Schlüsselwort und Auswahl</translation>
    </message>
</context>
<context>
    <name>host::PrintDialog</name>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="55"/>
        <location filename="../../host/PrintDialog.cpp" line="133"/>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="112"/>
        <source>Looking for printers on %1…</source>
        <translation>Drucker auf %1 werden gesucht…</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="122"/>
        <source>Print “%1”</source>
        <translation>„%1“ drucken</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="124"/>
        <location filename="../../host/PrintDialog.cpp" line="308"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="126"/>
        <source>Print Anyway</source>
        <translation>Trotzdem drucken</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="172"/>
        <location filename="../../host/PrintDialog.cpp" line="674"/>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="182"/>
        <location filename="../../host/PrintDialog.cpp" line="676"/>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="190"/>
        <location filename="../../host/PrintDialog.cpp" line="675"/>
        <source>Job name:</source>
        <translation>Auftragsname:</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="227"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="260"/>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="260"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="268"/>
        <location filename="../../host/PrintDialog.cpp" line="600"/>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="294"/>
        <location filename="../../host/PrintDialog.cpp" line="295"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="298"/>
        <source>Summary...</source>
        <translation>Übersicht...</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="304"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="343"/>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="371"/>
        <source>%1. Save to File still works.</source>
        <translation>%1. „In Datei speichern“ funktioniert weiterhin.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="373"/>
        <source>There is no printer named “%1” on %2.</source>
        <translation>Auf %2 gibt es keinen Drucker namens „%1“.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="376"/>
        <source>No printers on %1.</source>
        <translation>Keine Drucker auf %1.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="421"/>
        <location filename="../../host/PrintDialog.cpp" line="451"/>
        <source>The printer description cannot be read.</source>
        <translation>Die Druckerbeschreibung kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="446"/>
        <source>%1; the options shown are the bundled ones.</source>
        <translation>%1; angezeigt werden die mitgelieferten Optionen.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="480"/>
        <source>The saved settings of %1 are damaged; the defaults are shown. They are replaced when you print. (%2)</source>
        <translation>Die gespeicherten Einstellungen für „%1“ sind beschädigt; angezeigt werden die Standardwerte. Beim Drucken werden sie ersetzt. (%2)</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="528"/>
        <source>This panel could not be loaded.</source>
        <translation>Dieser Bereich konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="541"/>
        <source>&lt;p style=&apos;font-size:large&apos;&gt;No options for %1&lt;/p&gt;&lt;p&gt;The Orvan printer extension offers no panels for this printer. The job is printed with the printer&apos;s defaults.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:large&apos;&gt;Keine Optionen für %1&lt;/p&gt;&lt;p&gt;Die Orvan-Druckererweiterung bietet für diesen Drucker keine Bereiche an. Der Auftrag wird mit den Standardeinstellungen des Druckers gedruckt.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="598"/>
        <source>Printer Options</source>
        <translation>Druckeroptionen</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="673"/>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="677"/>
        <source>Document:</source>
        <translation>Dokument:</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="682"/>
        <source>(nothing to report)</source>
        <translation>(keine Angaben)</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="712"/>
        <source>Conflicting options: %1</source>
        <translation>Widersprüchliche Optionen: %1</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="729"/>
        <source>Sending to %1…</source>
        <translation>Senden an %1…</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="730"/>
        <source>Loading the options of %1…</source>
        <translation>Optionen von %1 werden geladen…</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="764"/>
        <source>No help is available.</source>
        <translation>Es ist keine Hilfe verfügbar.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="764"/>
        <source>The printer extension has no help book.</source>
        <translation>Die Druckererweiterung hat kein Hilfebuch.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="770"/>
        <source>Orvan Printer Help</source>
        <translation>Orvan-Druckerhilfe</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="823"/>
        <source>Some of the chosen options conflict with each other.</source>
        <translation>Einige der gewählten Optionen widersprechen einander.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="824"/>
        <source>%1

The printer may ignore some of them. Print anyway?</source>
        <translation>%1

Der Drucker ignoriert möglicherweise einige davon. Trotzdem drucken?</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="839"/>
        <source>The document could not be saved.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="870"/>
        <source>%1: not all of it could be written (is the disk full?)</source>
        <translation>%1: konnte nicht vollständig geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="912"/>
        <source>The print server gave no reason.</source>
        <translation>Der Druckserver hat keinen Grund genannt.</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="913"/>
        <source>The job could not be sent to %1.</source>
        <translation>Der Auftrag konnte nicht an %1 gesendet werden.</translation>
    </message>
</context>
</TS>
