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
        <source>Save as Defaults</source>
        <translation>Als Standard speichern</translation>
    </message>
    <message>
        <source>lp and every application printing to this printer start from these choices</source>
        <translation>lp und jede Anwendung, die auf diesem Drucker druckt, beginnen mit dieser Auswahl</translation>
    </message>
    <message>
        <source>Save as Defaults for Every User</source>
        <translation>Als Standard für alle Benutzer speichern</translation>
    </message>
    <message>
        <source>Reset to the Printer's Defaults</source>
        <translation>Auf die Standards des Druckers zurücksetzen</translation>
    </message>
    <message>
        <source>Printer Defaults</source>
        <translation>Druckerstandards</translation>
    </message>
    <message>
        <source>Save for Every User</source>
        <translation>Für alle Benutzer speichern</translation>
    </message>
    <message>
        <source>Save to File has no defaults.</source>
        <translation>„In Datei speichern“ hat keine Standards.</translation>
    </message>
    <message>
        <source>Choose a printer: its defaults are what every application prints with.</source>
        <translation>Wählen Sie einen Drucker: Mit seinen Standards druckt jede Anwendung.</translation>
    </message>
    <message>
        <source>These choices cannot be saved as defaults.</source>
        <translation>Diese Auswahl kann nicht als Standard gespeichert werden.</translation>
    </message>
    <message>
        <source>A default would hold every job from every application at the printer, waiting for a passcode nobody has entered.</source>
        <translation>Als Standard würde jeder Auftrag jeder Anwendung am Drucker auf einen Passcode warten, den niemand eingegeben hat.</translation>
    </message>
    <message>
        <source>“%1: %2” cannot be a default.</source>
        <translation>„%1: %2“ kann kein Standard sein.</translation>
    </message>
    <message>
        <source>%1 The other choices are saved.</source>
        <translation>%1 Die übrige Auswahl wird gespeichert.</translation>
    </message>
    <message>
        <source>%1 The other choices are saved, with “%2”.</source>
        <translation>%1 Die übrige Auswahl wird gespeichert, mit „%2“.</translation>
    </message>
    <message>
        <source>Saving the defaults of %1…</source>
        <translation>Standards von %1 werden gespeichert…</translation>
    </message>
    <message>
        <source>You may not change the defaults of %1 for every user.</source>
        <translation>Sie dürfen die Standards von %1 nicht für alle Benutzer ändern.</translation>
    </message>
    <message>
        <source>The defaults of %1 could not be saved.</source>
        <translation>Die Standards von %1 konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The print server %1 answered: %2. Its administrators may; you can still save these choices as your own defaults.</source>
        <translation>Der Druckserver %1 antwortete: %2. Seine Administratoren dürfen das; Sie können diese Auswahl weiterhin als Ihre eigenen Standards speichern.</translation>
    </message>
    <message>
        <source>Saved as the defaults of %1 for every user: lp and every application printing to it start from these choices.</source>
        <translation>Als Standards von %1 für alle Benutzer gespeichert: lp und jede Anwendung, die darauf druckt, beginnen mit dieser Auswahl.</translation>
    </message>
    <message>
        <source>Saved as your defaults of %1: lp and every application printing to it start from these choices.</source>
        <translation>Als Ihre Standards von %1 gespeichert: lp und jede Anwendung, die darauf druckt, beginnen mit dieser Auswahl.</translation>
    </message>
    <message>
        <source>The printer description's defaults are shown.</source>
        <translation>Die Standards der Druckerbeschreibung werden angezeigt.</translation>
    </message>
    <message>
        <source>The defaults of %1 are shown: what lp and every application start from.</source>
        <translation>Die Standards von %1 werden angezeigt: damit beginnen lp und jede Anwendung.</translation>
    </message>
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
        <source>&lt;p style='font-size:large'&gt;No options for %1&lt;/p&gt;&lt;p&gt;The Orvan printer extension offers no panels for this printer. The job is printed with the printer's defaults.&lt;/p&gt;</source>
        <translation>&lt;p style='font-size:large'&gt;Keine Optionen für %1&lt;/p&gt;&lt;p&gt;Die Orvan-Druckererweiterung bietet für diesen Drucker keine Bereiche an. Der Auftrag wird mit den Standardeinstellungen des Druckers gedruckt.&lt;/p&gt;</translation>
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
        <source>Keeping the settings…</source>
        <translation>Einstellungen werden gesichert…</translation>
    </message>
    <message>
        <source>Reading the secret store…</source>
        <translation>Schlüsselbund wird gelesen…</translation>
    </message>
    <message>
        <source>The printer description of %1 looks damaged; some of its options may be missing. %2</source>
        <translation>Die Druckerbeschreibung von %1 scheint beschädigt zu sein; einige ihrer Optionen fehlen vielleicht. %2</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Weitere Optionen</translation>
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
</context>
<context>
    <name>PrintDialogForm</name>
    <message>
        <source>Defaults</source>
        <translation>Standards</translation>
    </message>
    <message>
        <source>Save these choices as the printer's defaults for every application, or go back to them</source>
        <translation>Diese Auswahl als Standard des Druckers für alle Anwendungen speichern oder zu den Standards zurückkehren</translation>
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
        <source>Preview...</source>
        <translation>Vorschau...</translation>
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
        <source>CUPS's cupsfilter (%1) is not installed, and the document cannot be run through the printer's filters without it. It comes with the Debian package cups.</source>
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
    <message>
        <source>No longer on the print server</source>
        <translation>Nicht mehr auf dem Druckserver</translation>
    </message>
</context>
<context>
    <name>host::SecretStore</name>
    <message>
        <source>the secret store did not answer</source>
        <translation>der Schlüsselbund hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>host::openPpd</name>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>cannot read the printer description %1: %2</source>
        <translation>die Druckerbeschreibung %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a printer description (it does not begin with *PPD-Adobe: "4.x")</source>
        <translation>keine Druckerbeschreibung (sie beginnt nicht mit *PPD-Adobe: "4.x")</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
</context>
<context>
    <name>host::PpdCheck</name>
    <message>
        <source>line %1: *OpenUI %2 has no *CloseUI</source>
        <translation>Zeile %1: *OpenUI %2 hat kein *CloseUI</translation>
    </message>
    <message>
        <source>line %1: the file ends inside a quoted string</source>
        <translation>Zeile %1: die Datei endet innerhalb einer Zeichenkette in Anführungszeichen</translation>
    </message>
    <message>
        <source>line %1: *OpenGroup %2 has no *CloseGroup</source>
        <translation>Zeile %1: *OpenGroup %2 hat kein *CloseGroup</translation>
    </message>
    <message>
        <source>line %1: the file ends without %2</source>
        <translation>Zeile %1: die Datei endet ohne %2</translation>
    </message>
    <message>
        <source>line %1: the file ends without declaring any option</source>
        <translation>Zeile %1: die Datei endet, ohne eine Option zu deklarieren</translation>
    </message>
</context>
<context>
    <name>host::StartPage</name>
    <message>
        <source>Orvan Print</source>
        <translation>Orvan-Druck</translation>
    </message>
    <message>
        <source>Open a Document to Print</source>
        <translation>Dokument zum Drucken öffnen</translation>
    </message>
    <message>
        <source>PDF and PostScript documents (*.pdf *.PDF *.ps *.PS *.eps)</source>
        <translation>PDF- und PostScript-Dokumente (*.pdf *.PDF *.ps *.PS *.eps)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>What would you like to print?</source>
        <translation>Was möchten Sie drucken?</translation>
    </message>
    <message>
        <source>Open a PDF or PostScript document to print it with every option of your printer. The test page shows the printer's colours and grays. To have every application print with your choices, save them as a printer's defaults.</source>
        <translation>Öffnen Sie ein PDF- oder PostScript-Dokument, um es mit allen Optionen Ihres Druckers zu drucken. Die Testseite zeigt die Farben und Grautöne des Druckers. Damit jede Anwendung mit Ihrer Auswahl druckt, speichern Sie sie als Standards eines Druckers.</translation>
    </message>
    <message>
        <source>Printer Defaults...</source>
        <translation>Druckerstandards...</translation>
    </message>
    <message>
        <source>Print Test Page...</source>
        <translation>Testseite drucken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
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
        <source>Printer data: the document as the printer receives it, made by the printer's own filters with every option. PDF document: the pages as they will print, to view or to share.</source>
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
        <source>Chosen when you print</source>
        <translation>Wird beim Drucken gewählt</translation>
    </message>
</context>
</TS>
