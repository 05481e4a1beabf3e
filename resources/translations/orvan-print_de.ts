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
        <source>Preview...</source>
        <translation>Vorschau...</translation>
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
    <name>host::LayoutPage</name>
    <message>
        <source>of 1 sheet</source>
        <translation>von 1 Blatt</translation>
    </message>
    <message>
        <source>of %1 sheets</source>
        <translation>von %1 Blättern</translation>
    </message>
    <message>
        <source>Layout and Paper</source>
        <translation>Layout und Papier</translation>
    </message>
    <message>
        <source>As the document is</source>
        <translation>Wie im Dokument</translation>
    </message>
    <message>
        <source>The document's pages are still being counted to check the page range; print again in a moment.</source>
        <translation>Die Seiten des Dokuments werden noch gezählt, um den Seitenbereich zu prüfen; drucken Sie gleich noch einmal.</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Papierformat:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Seiten pro Blatt:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Papierquelle:</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Seitenfolge:</translation>
    </message>
    <message>
        <source>Two-sided:</source>
        <translation>Beidseitig:</translation>
    </message>
    <message>
        <source>Borders:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Left to right, top to bottom</source>
        <translation>Von links nach rechts, von oben nach unten</translation>
    </message>
    <message>
        <source>Left to right, bottom to top</source>
        <translation>Von links nach rechts, von unten nach oben</translation>
    </message>
    <message>
        <source>Right to left, top to bottom</source>
        <translation>Von rechts nach links, von oben nach unten</translation>
    </message>
    <message>
        <source>Right to left, bottom to top</source>
        <translation>Von rechts nach links, von unten nach oben</translation>
    </message>
    <message>
        <source>Top to bottom, left to right</source>
        <translation>Von oben nach unten, von links nach rechts</translation>
    </message>
    <message>
        <source>Top to bottom, right to left</source>
        <translation>Von oben nach unten, von rechts nach links</translation>
    </message>
    <message>
        <source>Bottom to top, left to right</source>
        <translation>Von unten nach oben, von links nach rechts</translation>
    </message>
    <message>
        <source>Bottom to top, right to left</source>
        <translation>Von unten nach oben, von rechts nach links</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Single line</source>
        <translation>Einfache Linie</translation>
    </message>
    <message>
        <source>Single thick line</source>
        <translation>Einfache dicke Linie</translation>
    </message>
    <message>
        <source>Double line</source>
        <translation>Doppelte Linie</translation>
    </message>
    <message>
        <source>Double thick line</source>
        <translation>Doppelte dicke Linie</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Querformat, gedreht</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Hochformat, gedreht</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>e.g. 1-3, 7</source>
        <translation>z. B. 1-3, 7</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>Seitenbereich</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>Collate copies</source>
        <translation>Kopien sortieren</translation>
    </message>
    <message>
        <source>Reverse order</source>
        <translation>Umgekehrte Reihenfolge</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Printer's default</source>
        <translation>Vorgabe des Druckers</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US Letter</translation>
    </message>
    <message>
        <source>US Legal</source>
        <translation>US Legal</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Executive</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>Tabloid</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>DIN A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>DIN A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>DIN A5</translation>
    </message>
    <message>
        <source>Envelope #10</source>
        <translation>Umschlag #10</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Umschlag DL</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Upper tray</source>
        <translation>Oberes Fach</translation>
    </message>
    <message>
        <source>Lower tray</source>
        <translation>Unteres Fach</translation>
    </message>
    <message>
        <source>Multi-purpose tray</source>
        <translation>Mehrzweckfach</translation>
    </message>
    <message>
        <source>Large-capacity tray</source>
        <translation>Großraumfach</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Long-edge binding</source>
        <translation>Bindung an der langen Kante</translation>
    </message>
    <message>
        <source>Short-edge binding</source>
        <translation>Bindung an der kurzen Kante</translation>
    </message>
    <message>
        <source>of 1 page</source>
        <translation>von 1 Seite</translation>
    </message>
    <message>
        <source>of %1 pages</source>
        <translation>von %1 Seiten</translation>
    </message>
    <message>
        <source>counting pages…</source>
        <translation>Seiten werden gezählt…</translation>
    </message>
</context>
<context>
    <name>host::PageRanges</name>
    <message>
        <source>With several pages a sheet the range counts sheets, and the document makes one; %1 is past its end.</source>
        <translation>Bei mehreren Seiten pro Blatt zählt der Bereich Blätter, und das Dokument ergibt eines; %1 liegt hinter seinem Ende.</translation>
    </message>
    <message>
        <source>With several pages a sheet the range counts sheets, and the document makes %1; %2 is past its end.</source>
        <translation>Bei mehreren Seiten pro Blatt zählt der Bereich Blätter, und das Dokument ergibt %1; %2 liegt hinter seinem Ende.</translation>
    </message>
    <message>
        <source>There is no page 0: pages are counted from 1.</source>
        <translation>Es gibt keine Seite 0: Seiten werden ab 1 gezählt.</translation>
    </message>
    <message>
        <source>%1 is not a page or a range of pages. Write pages like this: 1-3, 7.</source>
        <translation>%1 ist weder eine Seite noch ein Seitenbereich. Schreiben Sie Seiten so: 1-3, 7.</translation>
    </message>
    <message>
        <source>%1 names a page far past the end of any document.</source>
        <translation>%1 nennt eine Seite weit hinter dem Ende jedes Dokuments.</translation>
    </message>
    <message>
        <source>%1 runs backwards; write it as %2-%3.</source>
        <translation>%1 läuft rückwärts; schreiben Sie %2-%3.</translation>
    </message>
    <message>
        <source>The document has one page; %1 is past its end.</source>
        <translation>Das Dokument hat eine Seite; %1 liegt hinter seinem Ende.</translation>
    </message>
    <message>
        <source>The document has %1 pages; %2 is past its end.</source>
        <translation>Das Dokument hat %1 Seiten; %2 liegt hinter seinem Ende.</translation>
    </message>
    <message>
        <source>Type the pages to print, such as 1-3, 7.</source>
        <translation>Geben Sie die zu druckenden Seiten ein, etwa 1-3, 7.</translation>
    </message>
</context>
<context>
    <name>host::PreviewService</name>
    <message>
        <source>The preview cannot be shown: its renderer (orvan-preview.so, which needs the poppler library for Qt) is missing.</source>
        <translation>Die Vorschau kann nicht angezeigt werden: ihr Renderer (orvan-preview.so, der die Poppler-Bibliothek für Qt braucht) fehlt.</translation>
    </message>
    <message>
        <source>PostScript documents need ghostscript to be previewed, and it is not installed.</source>
        <translation>Für die Vorschau von PostScript-Dokumenten wird Ghostscript gebraucht, und es ist nicht installiert.</translation>
    </message>
    <message>
        <source>The document is encrypted: it opens only with its password, which orvan-print cannot ask for.</source>
        <translation>Das Dokument ist verschlüsselt: Es öffnet sich nur mit seinem Kennwort, und orvan-print kann nicht danach fragen.</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be read.</source>
        <translation>Das Dokument ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Only PDF and PostScript documents can be previewed.</source>
        <translation>Nur PDF- und PostScript-Dokumente können in der Vorschau gezeigt werden.</translation>
    </message>
    <message>
        <source>A page of the document could not be drawn.</source>
        <translation>Eine Seite des Dokuments konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>host::PreviewWindow</name>
    <message>
        <source>Preview of “%1”</source>
        <translation>Vorschau von „%1“</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Erstes Blatt</translation>
    </message>
    <message>
        <source>Previous sheet</source>
        <translation>Vorheriges Blatt</translation>
    </message>
    <message>
        <source>Next sheet</source>
        <translation>Nächstes Blatt</translation>
    </message>
    <message>
        <source>Last sheet</source>
        <translation>Letztes Blatt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The document has no pages.</source>
        <translation>Das Dokument hat keine Seiten.</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
    <message>
        <source>Counting the pages…</source>
        <translation>Die Seiten werden gezählt…</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 Blatt</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 Blätter</translation>
    </message>
    <message>
        <source>%1, printed on %2</source>
        <translation>%1, gedruckt auf %2</translation>
    </message>
    <message>
        <source>The page range selects no page of the document.</source>
        <translation>Der Seitenbereich wählt keine Seite des Dokuments.</translation>
    </message>
</context>
</TS>
