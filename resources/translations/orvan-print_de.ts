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
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>chosen when you print</source>
        <translation>wird beim Drucken gewählt</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Dateiformat:</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Printer data</source>
        <translation>Druckerdaten</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>%1 wird gespeichert…</translation>
    </message>
    <message>
        <source>Saving %1: %2…</source>
        <translation>%1 wird gespeichert: %2…</translation>
    </message>
    <message>
        <source>Stopped; nothing was written.</source>
        <translation>Abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Keeping the settings…</source>
        <translation>Einstellungen werden gesichert…</translation>
    </message>
    <message>
        <source>Reading the secret store…</source>
        <translation>Schlüsselbund wird gelesen…</translation>
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
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
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
    <message>
        <source>CUPS&apos;s cupsfilter (%1) is not installed, and the document cannot be run through the printer&apos;s filters without it. It comes with the Debian package cups.</source>
        <translation>cupsfilter von CUPS (%1) ist nicht installiert; ohne ihn kann das Dokument nicht durch die Filter des Druckers laufen. Er gehört zum Debian-Paket cups.</translation>
    </message>
    <message>
        <source>cupsfilter could not be started: %1</source>
        <translation>cupsfilter konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The filter %1, which the printer description names, is not installed.</source>
        <translation>Der Filter %1, den die Druckerbeschreibung nennt, ist nicht installiert.</translation>
    </message>
    <message>
        <source>The filter %1 failed:</source>
        <translation>Der Filter %1 ist fehlgeschlagen:</translation>
    </message>
    <message>
        <source>cupsfilter stopped unexpectedly.</source>
        <translation>cupsfilter wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>cupsfilter failed with status %1:</source>
        <translation>cupsfilter ist mit Status %1 fehlgeschlagen:</translation>
    </message>
    <message>
        <source>The filters made no data from the document.</source>
        <translation>Die Filter haben aus dem Dokument keine Daten erzeugt.</translation>
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
    <name>host::FileDestination</name>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Dateiformat:</translation>
    </message>
    <message>
        <source>Printer data: the document as the printer receives it, made by the printer&apos;s own filters with every option. PDF document: the pages as they will print, to view or to share.</source>
        <translation>Druckerdaten: das Dokument so, wie der Drucker es empfängt, erzeugt von den Filtern des Druckers mit allen Optionen. PDF-Dokument: die Seiten so, wie sie gedruckt werden, zum Ansehen oder Weitergeben.</translation>
    </message>
    <message>
        <source>Printer data</source>
        <translation>Druckerdaten</translation>
    </message>
    <message>
        <source>Printer data (PostScript)</source>
        <translation>Druckerdaten (PostScript)</translation>
    </message>
    <message>
        <source>Printer data (PDF)</source>
        <translation>Druckerdaten (PDF)</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>No file chosen yet: Print asks for one</source>
        <translation>Noch keine Datei gewählt: Beim Drucken wird danach gefragt</translation>
    </message>
</context>
<context>
    <name>host::SecretStore</name>
    <message>
        <source>the secret store did not answer</source>
        <translation>der Schlüsselbund hat nicht geantwortet</translation>
    </message>
</context>
</TS>
