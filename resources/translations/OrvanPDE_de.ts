<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>Localizable</name>
    <message>
        <source>Image Options</source>
        <extracomment>Name of the Image Options panel in the host&apos;s panel pop-up.</extracomment>
        <translation>Bildoptionen</translation>
    </message>
    <message>
        <source>Job Type_Title</source>
        <extracomment>Name of the Job Type panel in the host&apos;s panel pop-up.</extracomment>
        <translation>Auftragstyp</translation>
    </message>
    <message>
        <source>Output Color:</source>
        <translation>Farbausgabe:</translation>
    </message>
    <message>
        <source>Image Quality:</source>
        <translation>Bildqualität:</translation>
    </message>
    <message>
        <source>Image Types:</source>
        <translation>Bildtyp:</translation>
    </message>
    <message>
        <source>Screen:</source>
        <extracomment>Halftone screen (dot pattern) used for printing.</extracomment>
        <translation>Raster:</translation>
    </message>
    <message>
        <source>Image adjust mode:</source>
        <translation>Bildanpassung:</translation>
    </message>
    <message>
        <source>GrayGuarantee</source>
        <extracomment>Check box: gray and black parts are printed with black toner only.</extracomment>
        <translation>Graugarantie</translation>
    </message>
    <message>
        <source>Toner Saving Mode:</source>
        <translation>Tonersparmodus:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Darker</source>
        <extracomment>The Orvan printer description&apos;s Brightness choices, shown at the ends and in the middle of the brightness slider.</extracomment>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Slightly Darker</source>
        <translation>Etwas dunkler</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Slightly Lighter</source>
        <translation>Etwas heller</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Color Balance...</source>
        <extracomment>Button that opens the Color Balance dialog.</extracomment>
        <translation>Farbbalance...</translation>
    </message>
    <message>
        <source>Color output</source>
        <extracomment>Caption beside the output colour pop-up; shown dimmed while the output is gray.</extracomment>
        <translation>Farbdruck</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Button that puts the settings back to the printer&apos;s defaults.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help button (shown as a question mark).</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <extracomment>Title of the Color Balance dialog.</extracomment>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Adjust Color Balance</source>
        <extracomment>Check box that switches the adjustment on.</extracomment>
        <translation>Farbbalance anpassen</translation>
    </message>
    <message>
        <source>Target Color</source>
        <extracomment>Label of the pop-up that picks the toner to adjust.</extracomment>
        <translation>Zielfarbe</translation>
    </message>
    <message>
        <source>Hightlights</source>
        <extracomment>Tone range: highlights (the key is spelled as the code looks it up).</extracomment>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Midtones</source>
        <extracomment>Tone range.</extracomment>
        <translation>Mitteltöne</translation>
    </message>
    <message>
        <source>Shadows</source>
        <extracomment>Tone range.</extracomment>
        <translation>Tiefen</translation>
    </message>
    <message>
        <source>Highlights value</source>
        <extracomment>Spoken name of the Highlights field (screen readers).</extracomment>
        <translation>Wert der Lichter</translation>
    </message>
    <message>
        <source>Midtones value</source>
        <extracomment>Spoken name of the Midtones field (screen readers).</extracomment>
        <translation>Wert der Mitteltöne</translation>
    </message>
    <message>
        <source>Shadows value</source>
        <extracomment>Spoken name of the Shadows field (screen readers).</extracomment>
        <translation>Wert der Tiefen</translation>
    </message>
    <message>
        <source>Highlights adjustment</source>
        <extracomment>Spoken name of the Highlights up/down arrows (screen readers).</extracomment>
        <translation>Lichter anpassen</translation>
    </message>
    <message>
        <source>Midtones adjustment</source>
        <extracomment>Spoken name of the Midtones up/down arrows (screen readers).</extracomment>
        <translation>Mitteltöne anpassen</translation>
    </message>
    <message>
        <source>Shadows adjustment</source>
        <extracomment>Spoken name of the Shadows up/down arrows (screen readers).</extracomment>
        <translation>Tiefen anpassen</translation>
    </message>
    <message>
        <source>Increase</source>
        <extracomment>Spoken name of a stepper's up arrow (screen readers).</extracomment>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <extracomment>Spoken name of a stepper's down arrow (screen readers).</extracomment>
        <translation>Verringern</translation>
    </message>
    <message>
        <source>Black</source>
        <extracomment>Toner colour.</extracomment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Cyan</source>
        <extracomment>Toner colour.</extracomment>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <extracomment>Toner colour.</extracomment>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>Toner colour.</extracomment>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Job Type</source>
        <extracomment>Label of the job type pop-up.</extracomment>
        <translation>Auftragstyp:</translation>
    </message>
    <message>
        <source>Setup...</source>
        <extracomment>Button that opens the Secure Print dialog.</extracomment>
        <translation>Einrichten...</translation>
    </message>
    <message>
        <source>Normal Print</source>
        <translation>Normaler Druck</translation>
    </message>
    <message>
        <source>Secure Print</source>
        <extracomment>Print held at the printer until the user enters the passcode there; also the title of its dialog.</extracomment>
        <translation>Sicherer Druck</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Benutzer-ID</translation>
    </message>
    <message>
        <source>Secure Print Passcode</source>
        <extracomment>Numeric passcode entered at the printer to release the job.</extracomment>
        <translation>Kennwort für sicheren Druck</translation>
    </message>
    <message>
        <source>Job Name</source>
        <translation>Auftragsname</translation>
    </message>
    <message>
        <source>New Job Name</source>
        <translation>Neuer Auftragsname</translation>
    </message>
    <message>
        <source>Up to 12 characters</source>
        <extracomment>Hint beside the new job name field.</extracomment>
        <translation>Bis zu 12 Zeichen</translation>
    </message>
    <message>
        <source>Use Existing Name</source>
        <extracomment>Job name mode: keep the document&apos;s name.</extracomment>
        <translation>Vorhandenen Namen verwenden</translation>
    </message>
    <message>
        <source>Enter Name Mode</source>
        <extracomment>Job name mode: type a new job name.</extracomment>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Invalid value in User ID.</source>
        <extracomment>Alert message.</extracomment>
        <translation>Ungültige Benutzer-ID.</translation>
    </message>
    <message>
        <source>Specify within a range of 1 to 8 alphanumeric characters.</source>
        <extracomment>Alert informative text for the user ID.</extracomment>
        <translation>Geben Sie 1 bis 8 alphanumerische Zeichen ein.</translation>
    </message>
    <message>
        <source>Invalid value in Secure Print Passcode.</source>
        <extracomment>Alert message.</extracomment>
        <translation>Ungültiges Kennwort für sicheren Druck.</translation>
    </message>
    <message>
        <source>Specify within a range of 1 to 12 alphanumeric characters.</source>
        <extracomment>Alert informative text for the passcode. The passcode field accepts digits only, so the translation says digits.</extracomment>
        <translation>Geben Sie 1 bis 12 Ziffern ein.</translation>
    </message>
    <message>
        <source>Secure Print needs its passcode.</source>
        <extracomment>Alert of a print run that cannot ask (unattended): the job is Secure Print, but no passcode was kept from the last run.</extracomment>
        <translation>Sicherer Druck benötigt sein Kennwort.</translation>
    </message>
    <message>
        <source>Open the dialog and enter it under Job Type &gt; Setup..., or choose Normal Print.</source>
        <extracomment>Informative text of that alert; Job Type, Setup... and Normal Print as the panel names them.</extracomment>
        <translation>Öffnen Sie den Dialog und geben Sie es unter Auftragstyp &gt; Einrichten... ein, oder wählen Sie Normaler Druck.</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>Job Type</source>
        <extracomment>Title of the Job Type entry in the print dialog&apos;s summary.</extracomment>
        <translation>Auftragstyp</translation>
    </message>
</context>
</TS>
