<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>host::Document</name>
    <message>
        <source>Test Page</source>
        <translation>Testseite</translation>
    </message>
</context>
<context>
    <name>host::CupsWorker</name>
    <message>
        <source>nothing answers there</source>
        <translation>dort antwortet niemand</translation>
    </message>
    <message>
        <source>unknown host</source>
        <translation>unbekannter Rechner</translation>
    </message>
    <message>
        <source>cannot reach the print server %1 (%2)</source>
        <translation>der Druckserver %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>the print server %1 answered: %2</source>
        <translation>der Druckserver %1 antwortete: %2</translation>
    </message>
    <message>
        <source>cannot fetch the printer description of %1: %2</source>
        <translation>die Druckerbeschreibung von %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the printer description of %1 is unreadable: %2</source>
        <translation>die Druckerbeschreibung von %1 ist nicht lesbar: %2</translation>
    </message>
</context>
<context>
    <name>host::PresetStore</name>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 bei Byte %2</translation>
    </message>
    <message>
        <source>not a settings object</source>
        <translation>keine Einstellungsdaten</translation>
    </message>
    <message>
        <source>unknown format version</source>
        <translation>unbekannte Formatversion</translation>
    </message>
    <message>
        <source>missing or mistyped entries</source>
        <translation>Einträge fehlen oder haben den falschen Typ</translation>
    </message>
    <message>
        <source>setting %1 is not text</source>
        <translation>die Einstellung %1 ist kein Text</translation>
    </message>
    <message>
        <source>a marked choice is not a keyword and a choice</source>
        <translation>eine gewählte Option ist kein Paar aus Schlüsselwort und Auswahl</translation>
    </message>
</context>
<context>
    <name>host::PrintDialog</name>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Looking for printers on %1…</source>
        <translation>Drucker auf %1 werden gesucht…</translation>
    </message>
    <message>
        <source>Print “%1”</source>
        <translation>„%1“ drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>Trotzdem drucken</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Auftragsname:</translation>
    </message>
    <message>
        <source>%1. Save to File still works.</source>
        <translation>%1. „In Datei speichern“ funktioniert weiterhin.</translation>
    </message>
    <message>
        <source>There is no printer named “%1” on %2.</source>
        <translation>Auf %2 gibt es keinen Drucker namens „%1“.</translation>
    </message>
    <message>
        <source>No printers on %1.</source>
        <translation>Keine Drucker auf %1.</translation>
    </message>
    <message>
        <source>The printer description cannot be read.</source>
        <translation>Die Druckerbeschreibung kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1; the options shown are the bundled ones.</source>
        <translation>%1; angezeigt werden die mitgelieferten Optionen.</translation>
    </message>
    <message>
        <source>The saved settings of %1 are damaged; the defaults are shown. They are replaced when you print. (%2)</source>
        <translation>Die gespeicherten Einstellungen für „%1“ sind beschädigt; angezeigt werden die Standardwerte. Beim Drucken werden sie ersetzt. (%2)</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:large&apos;&gt;No options for %1&lt;/p&gt;&lt;p&gt;The Orvan printer extension offers no panels for this printer. The job is printed with the printer&apos;s defaults.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:large&apos;&gt;Keine Optionen für %1&lt;/p&gt;&lt;p&gt;Die Orvan-Druckererweiterung bietet für diesen Drucker keine Bereiche an. Der Auftrag wird mit den Standardeinstellungen des Druckers gedruckt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>Dokument:</translation>
    </message>
    <message>
        <source>Conflicting options: %1</source>
        <translation>Widersprüchliche Optionen: %1</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Senden an %1…</translation>
    </message>
    <message>
        <source>Loading the options of %1…</source>
        <translation>Optionen von %1 werden geladen…</translation>
    </message>
    <message>
        <source>No help is available.</source>
        <translation>Es ist keine Hilfe verfügbar.</translation>
    </message>
    <message>
        <source>The printer extension has no help book.</source>
        <translation>Die Druckererweiterung hat kein Hilfebuch.</translation>
    </message>
    <message>
        <source>Orvan Printer Help</source>
        <translation>Orvan-Druckerhilfe</translation>
    </message>
    <message>
        <source>Some of the chosen options conflict with each other.</source>
        <translation>Einige der gewählten Optionen widersprechen einander.</translation>
    </message>
    <message>
        <source>%1

The printer may ignore some of them. Print anyway?</source>
        <translation>%1

Der Drucker ignoriert möglicherweise einige davon. Trotzdem drucken?</translation>
    </message>
    <message>
        <source>The document could not be saved.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The print server gave no reason.</source>
        <translation>Der Druckserver hat keinen Grund genannt.</translation>
    </message>
    <message>
        <source>The job could not be sent to %1.</source>
        <translation>Der Auftrag konnte nicht an %1 gesendet werden.</translation>
    </message>

    <message>
        <source>The job cannot be printed as it is set up.</source>
        <translation>Der Auftrag kann so, wie er eingerichtet ist, nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>PrintDialogForm</name>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Auftragsname:</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>The pane pop-up: its caption is the page shown</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Summary...</source>
        <translation>Übersicht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>host::SummaryPage</name>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>(nothing to report)</source>
        <translation>(keine Angaben)</translation>
    </message>
</context>
<context>
    <name>host::PaneStack</name>
    <message>
        <source>This panel could not be loaded.</source>
        <translation>Dieser Bereich konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Printer Options</source>
        <translation>Druckeroptionen</translation>
    </message>
</context>
<context>
    <name>host::FileJob</name>
    <message>
        <source>not all of it could be written (is the disk full?)</source>
        <translation>konnte nicht vollständig geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>host::DestinationModel</name>
    <message>
        <source>No longer on the print server</source>
        <translation>Nicht mehr auf dem Druckserver</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not accepting jobs</source>
        <translation>nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>out of paper</source>
        <translation>kein Papier</translation>
    </message>
    <message>
        <source>paper needed</source>
        <translation>Papier einlegen</translation>
    </message>
    <message>
        <source>paper jam</source>
        <translation>Papierstau</translation>
    </message>
    <message>
        <source>paper low</source>
        <translation>Papier fast leer</translation>
    </message>
    <message>
        <source>out of toner</source>
        <translation>kein Toner</translation>
    </message>
    <message>
        <source>toner low</source>
        <translation>Toner fast leer</translation>
    </message>
    <message>
        <source>a door is open</source>
        <translation>eine Klappe ist offen</translation>
    </message>
    <message>
        <source>a cover is open</source>
        <translation>eine Abdeckung ist offen</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>shut down</source>
        <translation>ausgeschaltet</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>antwortet nicht</translation>
    </message>
    <message>
        <source>output tray full</source>
        <translation>Ausgabefach voll</translation>
    </message>
    <message>
        <source>the server's spool is full</source>
        <translation>der Spoolbereich des Servers ist voll</translation>
    </message>
    <message>
        <source>partly stopped</source>
        <translation>teilweise angehalten</translation>
    </message>
    <message>
        <source>a filter is missing</source>
        <translation>ein Filter fehlt</translation>
    </message>
    <message>
        <source>a filter is insecure</source>
        <translation>ein Filter ist unsicher</translation>
    </message>
</context>
<context>
    <name>host::FeaturesPage</name>
    <message>
        <source>Printer Features</source>
        <translation>Druckerfunktionen</translation>
    </message>
    <message>
        <source>Feature set:</source>
        <translation>Funktionsgruppe:</translation>
    </message>
    <message>
        <source>This printer has no further options.</source>
        <translation>Dieser Drucker hat keine weiteren Optionen.</translation>
    </message>
    <message>
        <source>This printer has no printer description: the options it takes are those every printer takes.</source>
        <translation>Dieser Drucker hat keine Druckerbeschreibung: Er kennt nur die Optionen, die jeder Drucker kennt.</translation>
    </message>
    <message>
        <source>What this printer has fitted, as its administrator set it up.</source>
        <translation>Was an diesem Drucker eingebaut ist, wie sein Administrator es eingerichtet hat.</translation>
    </message>
    <message>
        <source>(no choices)</source>
        <translation>(keine Auswahl)</translation>
    </message>
    <message>
        <source>Conflicts with other chosen options</source>
        <translation>Widerspricht anderen gewählten Optionen</translation>
    </message>
    <message>
        <source>Enter a value it takes, or choose another setting for it.</source>
        <translation>Geben Sie einen zulässigen Wert ein oder wählen Sie eine andere Einstellung.</translation>
    </message>
    <message>
        <source>%1, custom value</source>
        <translation>%1, eigener Wert</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 to %2 pt</source>
        <translation>%1 bis %2 pt</translation>
    </message>
    <message>
        <source>%1 digits</source>
        <translation>%1 Ziffern</translation>
    </message>
    <message>
        <source>%1 to %2 digits</source>
        <translation>%1 bis %2 Ziffern</translation>
    </message>
    <message>
        <source>up to %1 characters</source>
        <translation>bis zu %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <source>%1 to %2 characters</source>
        <translation>%1 bis %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3; “%4” is not.</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein; „%4“ ist keine.</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3; “%4” is not.</source>
        <translation>%1 muss eine Zahl von %2 bis %3 sein; „%4“ ist keine.</translation>
    </message>
    <message>
        <source>%1 must be a number of points from %2 to %3; “%4” is not.</source>
        <translation>%1 muss eine Zahl von %2 bis %3 Punkt sein; „%4“ ist keine.</translation>
    </message>
    <message>
        <source>%1 must be %2 digits.</source>
        <translation>%1 muss aus %2 Ziffern bestehen.</translation>
    </message>
    <message>
        <source>%1 must be %2 to %3 digits.</source>
        <translation>%1 muss aus %2 bis %3 Ziffern bestehen.</translation>
    </message>
    <message>
        <source>%1 may have at most %2 characters; it has %3.</source>
        <translation>%1 darf höchstens %2 Zeichen haben; es sind %3.</translation>
    </message>
    <message>
        <source>%1 must have from %2 to %3 characters; it has %4.</source>
        <translation>%1 muss %2 bis %3 Zeichen haben; es sind %4.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 nimmt keinen Wert an.</translation>
    </message>
    <message>
        <source>The printer description offers a custom value for “%1” but declares nothing to enter for it.</source>
        <translation>Die Druckerbeschreibung bietet für „%1“ einen eigenen Wert an, nennt aber nichts, was einzugeben wäre.</translation>
    </message>
    <message>
        <source>The printer description gives “%1” a custom value of a kind that is not known.</source>
        <translation>Die Druckerbeschreibung gibt „%1“ einen eigenen Wert unbekannter Art.</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: its range is not a number.</source>
        <translation>Die Druckerbeschreibung lässt für „%1“ keinen eigenen Wert zu: Ihr Bereich ist keine Zahl.</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: it gives a negative length (%2 to %3 characters).</source>
        <translation>Die Druckerbeschreibung lässt für „%1“ keinen eigenen Wert zu: Sie gibt eine negative Länge an (%2 bis %3 Zeichen).</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: it asks for at least %2 characters but allows at most %3.</source>
        <translation>Die Druckerbeschreibung lässt für „%1“ keinen eigenen Wert zu: Sie verlangt mindestens %2 Zeichen, erlaubt aber höchstens %3.</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: its lowest value, %2, is above its highest, %3.</source>
        <translation>Die Druckerbeschreibung lässt für „%1“ keinen eigenen Wert zu: Ihr kleinster Wert, %2, liegt über ihrem größten, %3.</translation>
    </message>
</context>
</TS>
