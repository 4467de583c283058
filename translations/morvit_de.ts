<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Messages</name>
    <message>
        <source>Invalid file.</source>
        <translation>Ungültige Datei.</translation>
    </message>
    <message>
        <source>Graphs with more than 2 free variables cannot be plotted.</source>
        <translation>Graphen mit mehr als 2 freien Variablen können nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Axis minimum must be lower than axis maximum.</source>
        <translation>Das Achsenminimum muss kleiner als das Achsenmaximum sein.</translation>
    </message>
    <message>
        <source>Invalid axis values for logarithmic scaling at axis %1.</source>
        <translation>Ungültige Achsenwerte für logarithmische Skalierung an Achse %1.</translation>
    </message>
    <message>
        <source>Invalid value entered in numerical input field.</source>
        <translation>Ungültiger Wert im Zahlenfeld eingegeben.</translation>
    </message>
    <message>
        <source>Invalid value in numerical input field.</source>
        <translation>Ungültiger Wert im Zahlenfeld.</translation>
    </message>
    <message>
        <source>Invalid values for scaling intervals.</source>
        <translation>Ungültige Werte für die Skalierungsintervalle.</translation>
    </message>
    <message>
        <source>Invalid number entered.</source>
        <translation>Ungültige Zahl eingegeben.</translation>
    </message>
    <message>
        <source>Invalid Term entered for axis %1.</source>
        <translation>Ungültiger Term für Achse %1 eingegeben.</translation>
    </message>
    <message>
        <source>For valid 2D plots, terms have to be entered at least for axis 1 and 2.</source>
        <translation>Für gültige 2D-Darstellungen müssen mindestens für Achse 1 und 2 Terme eingegeben werden.</translation>
    </message>
    <message>
        <source>Do you want to continue anyway?</source>
        <translation>Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Do you want to switch the display into 3D mode?</source>
        <translation>Soll die Darstellung in den 3D-Modus umgeschaltet werden?</translation>
    </message>
    <message>
        <source>You can also adjust the view mode manually at the Display Settings window, later.</source>
        <translation>Sie können die Darstellungsart auch später im Fenster der Koordinatensystem-Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Error at &quot;%1&quot;.</source>
        <translation>Fehler bei &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Values for variable cannot be saved.</source>
        <translation>Die Werte der Variablen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Enter number of columns to add:</source>
        <translation>Anzahl der einzufügenden Spalten:</translation>
    </message>
    <message>
        <source>Enter number of columns to delete:</source>
        <translation>Anzahl der zu löschenden Spalten:</translation>
    </message>
    <message>
        <source>Enter number of rows to add:</source>
        <translation>Anzahl der einzufügenden Zeilen:</translation>
    </message>
    <message>
        <source>Enter number of rows to delete:</source>
        <translation>Anzahl der zu löschenden Zeilen:</translation>
    </message>
    <message>
        <source>Add columns</source>
        <translation>Spalten einfügen</translation>
    </message>
    <message>
        <source>Delete columns</source>
        <translation>Spalten löschen</translation>
    </message>
    <message>
        <source>Add rows</source>
        <translation>Zeilen einfügen</translation>
    </message>
    <message>
        <source>Delete rows</source>
        <translation>Zeilen löschen</translation>
    </message>
    <message>
        <source>Error: Invalid term entered.</source>
        <translation>Fehler: Ungültiger Term eingegeben.</translation>
    </message>
    <message>
        <source>Error: Invalid value entered.</source>
        <translation>Fehler: Ungültiger Wert eingegeben.</translation>
    </message>
    <message>
        <source>Error: No variable for differentiation selected.</source>
        <translation>Fehler: Keine Variable zum Differenzieren gewählt.</translation>
    </message>
    <message>
        <source>Error: No variable for integration selected.</source>
        <translation>Fehler: Keine Variable zum Integrieren gewählt.</translation>
    </message>
    <message>
        <source>Error: Result cannot be calculated.</source>
        <translation>Fehler: Das Ergebnis kann nicht berechnet werden.</translation>
    </message>
    <message>
        <source>The document could not be written.</source>
        <translation>Das Dokument konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Morvit data file (.mvf)</source>
        <translation>Morvit-Datei (.mvf)</translation>
    </message>
    <message>
        <source>Thank you for using Morvit!

Do you find it useful? Tell us what you think, and find more free software, at https://morvit.org</source>
        <translation>Danke, dass Sie Morvit benutzen!

Finden Sie es nützlich? Sagen Sie uns Ihre Meinung, und finden Sie weitere freie Software, unter https://morvit.org</translation>
    </message>
    <message>
        <source>PNG picture (.png)</source>
        <translation>PNG-Bild (.png)</translation>
    </message>
    <message>
        <source>JPEG picture (.jpg)</source>
        <translation>JPEG-Bild (.jpg)</translation>
    </message>
    <message>
        <source>PDF document (.pdf)</source>
        <translation>PDF-Dokument (.pdf)</translation>
    </message>
    <message>
        <source>SVG drawing (.svg)</source>
        <translation>SVG-Zeichnung (.svg)</translation>
    </message>
    <message>
        <source>The document has changed. Do you want to save the changes?</source>
        <translation>Das Dokument wurde geändert. Sollen die Änderungen gespeichert werden?</translation>
    </message>
    <message>
        <source>Help file not found </source>
        <translation>Hilfedatei nicht gefunden </translation>
    </message>
    <message>
        <source>Do you really want to close the current document?</source>
        <translation>Soll das aktuelle Dokument wirklich geschlossen werden?</translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Size in pixels (width x height):</source>
        <translation>Größe in Pixeln (Breite x Höhe):</translation>
    </message>
    <message>
        <source>Do you really want to close the program?</source>
        <translation>Soll das Programm wirklich beendet werden?</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Error: Term cannot be calculated at every point of the interval.</source>
        <translation>Fehler: Der Term kann nicht an jedem Punkt des Intervalls berechnet werden.</translation>
    </message>
    <message>
        <source>Error: No difference quotient can be formed at this point.</source>
        <translation>Fehler: An diesem Punkt lässt sich kein Differenzenquotient bilden.</translation>
    </message>
    <message>
        <source>Error: Term is real on one side of the point only.</source>
        <translation>Fehler: Der Term ist nur auf einer Seite des Punktes reell.</translation>
    </message>
    <message>
        <source>Warning: Result may be inaccurate, estimated error %1.</source>
        <translation>Warnung: Das Ergebnis ist möglicherweise ungenau, geschätzter Fehler %1.</translation>
    </message>
    <message>
        <source>Warning: Result may be inaccurate; its error cannot be estimated.</source>
        <translation>Warnung: Das Ergebnis ist möglicherweise ungenau; sein Fehler lässt sich nicht schätzen.</translation>
    </message>
    <message>
        <source>Warning: Left and right slopes differ by %1; the derivative may not exist.</source>
        <translation>Warnung: Linke und rechte Steigung unterscheiden sich um %1; die Ableitung existiert möglicherweise nicht.</translation>
    </message>
    <message>
        <source>The transposed cells do not fit into the table.</source>
        <translation>Die transponierten Zellen passen nicht in die Tabelle.</translation>
    </message>
    <message>
        <source>Select a smaller block or one nearer to the top left.</source>
        <translation>Wählen Sie einen kleineren Block oder einen näher an der linken oberen Ecke.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored: a Morvit document holds only Latin-1 (ISO 8859-1) characters.</source>
        <translation>Das Zeichen &quot;%1&quot; kann nicht gespeichert werden: Ein Morvit-Dokument enthält nur Zeichen aus Latin-1 (ISO 8859-1).</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>Das Bild konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>Das Bild konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Size in pixels (width x height), for a sharper picture followed by @ and a scale from 1 to 4:</source>
        <translation>Größe in Pixeln (Breite x Höhe), für ein schärferes Bild gefolgt von @ und einem Maßstab von 1 bis 4:</translation>
    </message>
</context>
<context>
    <name>TDocumentHistory</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Morvit Help</source>
        <translation>Morvit-Hilfe</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>Hilfe durchsuchen</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>%1 of %2, in &quot;%3&quot;</source>
        <translation>%1 von %2, in &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Drawing in Progress... Please wait!</source>
        <translation>Zeichnung läuft... Bitte warten!</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New document</source>
        <translation>Neues Dokument</translation>
    </message>
    <message>
        <source>Open document...</source>
        <translation>Dokument öffnen...</translation>
    </message>
    <message>
        <source>Open document</source>
        <translation>Dokument öffnen</translation>
    </message>
    <message>
        <source>Save document</source>
        <translation>Dokument speichern</translation>
    </message>
    <message>
        <source>Save document as...</source>
        <translation>Dokument speichern unter...</translation>
    </message>
    <message>
        <source>Recent documents</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Export picture...</source>
        <translation>Bild exportieren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit graphs...</source>
        <translation>Graphen bearbeiten...</translation>
    </message>
    <message>
        <source>Edit graphs</source>
        <translation>Graphen bearbeiten</translation>
    </message>
    <message>
        <source>Edit diagrams...</source>
        <translation>Diagramme bearbeiten...</translation>
    </message>
    <message>
        <source>Edit diagram data</source>
        <translation>Diagrammdaten bearbeiten</translation>
    </message>
    <message>
        <source>Open variable table...</source>
        <translation>Variablentabelle öffnen...</translation>
    </message>
    <message>
        <source>Variable table</source>
        <translation>Variablentabelle</translation>
    </message>
    <message>
        <source>Open calculator...</source>
        <translation>Rechner öffnen...</translation>
    </message>
    <message>
        <source>Open calculator</source>
        <translation>Rechner öffnen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Restore default view</source>
        <translation>Standardansicht wiederherstellen</translation>
    </message>
    <message>
        <source>Edit coordinate system settings...</source>
        <translation>Koordinatensystem einstellen...</translation>
    </message>
    <message>
        <source>Edit coordinate system settings</source>
        <translation>Koordinatensystem einstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Show help...</source>
        <translation>Hilfe anzeigen...</translation>
    </message>
    <message>
        <source>Show help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Morvit on the web...</source>
        <translation>Morvit im Netz...</translation>
    </message>
    <message>
        <source>Info...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Morvit on the web</source>
        <translation>Morvit im Netz</translation>
    </message>
    <message>
        <source>Support free software!</source>
        <translation>Unterstützen Sie freie Software!</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Smooth lines</source>
        <translation>Geglättete Linien</translation>
    </message>
    <message>
        <source>Turn the whole picture while dragging</source>
        <translation>Beim Ziehen das ganze Bild drehen</translation>
    </message>
</context>
<context>
    <name>TOkCancelLine</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TWindowSet</name>
    <message>
        <source>Graph input</source>
        <translation>Graphen eingeben</translation>
    </message>
    <message>
        <source>Diagram data</source>
        <translation>Diagrammdaten</translation>
    </message>
    <message>
        <source>Variable table</source>
        <translation>Variablentabelle</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Coordinate system settings</source>
        <translation>Einstellungen des Koordinatensystems</translation>
    </message>
</context>
<context>
    <name>TfAxisSettings</name>
    <message>
        <source>Coordinate system settings</source>
        <translation>Einstellungen des Koordinatensystems</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Axis 1 (X) settings</source>
        <translation>Achse 1 (X)</translation>
    </message>
    <message>
        <source>Axis 2 (Y) settings</source>
        <translation>Achse 2 (Y)</translation>
    </message>
    <message>
        <source>Axis 3 (Z) settings</source>
        <translation>Achse 3 (Z)</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Display axis markings</source>
        <translation>Achsenmarkierungen anzeigen</translation>
    </message>
    <message>
        <source>Minimum:</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Major interval:</source>
        <translation>Hauptintervall:</translation>
    </message>
    <message>
        <source>Minor interval:</source>
        <translation>Nebenintervall:</translation>
    </message>
    <message>
        <source>Scaling:</source>
        <translation>Skalierung:</translation>
    </message>
    <message>
        <source>Axis label:</source>
        <translation>Achsenbeschriftung:</translation>
    </message>
    <message>
        <source>3D display style</source>
        <translation>3D-Darstellung</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Gitternetz</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Perspective:</source>
        <translation>Perspektive:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Nah</translation>
    </message>
    <message>
        <source>Far</source>
        <translation>Fern</translation>
    </message>
    <message>
        <source>Axis display style</source>
        <translation>Achsendarstellung</translation>
    </message>
    <message>
        <source>Axes only</source>
        <translation>Nur Achsen</translation>
    </message>
    <message>
        <source>Markings</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Axis color:</source>
        <translation>Achsenfarbe:</translation>
    </message>
    <message>
        <source>Number of axes</source>
        <translation>Anzahl der Achsen</translation>
    </message>
    <message>
        <source>3 Axes</source>
        <translation>3 Achsen</translation>
    </message>
    <message>
        <source>2 Axes</source>
        <translation>2 Achsen</translation>
    </message>
    <message>
        <source>Plot resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Number of points per direction:</source>
        <translation>Punkte je Richtung:</translation>
    </message>
    <message>
        <source>Axes scaling ratio</source>
        <translation>Maßstab der Achsen</translation>
    </message>
    <message>
        <source>Adapt aspect ratio</source>
        <translation>Seitenverhältnis anpassen</translation>
    </message>
    <message>
        <source>Force equal scaling</source>
        <translation>Gleichen Maßstab erzwingen</translation>
    </message>
</context>
<context>
    <name>TfCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Enter term: f=</source>
        <translation>Term eingeben: f=</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Open variable table</source>
        <translation>Variablentabelle öffnen</translation>
    </message>
    <message>
        <source>Numerical differentiation</source>
        <translation>Numerisches Differenzieren</translation>
    </message>
    <message>
        <source>Calculate &amp;derivation</source>
        <translation>&amp;Ableitung berechnen</translation>
    </message>
    <message>
        <source>Numerical integration</source>
        <translation>Numerisches Integrieren</translation>
    </message>
    <message>
        <source>Calculate &amp;integral</source>
        <translation>&amp;Integral berechnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TfDiagramInput</name>
    <message>
        <source>Input diagram data</source>
        <translation>Diagrammdaten eingeben</translation>
    </message>
    <message>
        <source>Cell content:</source>
        <translation>Zellinhalt:</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>+Col</source>
        <translation>+Sp</translation>
    </message>
    <message>
        <source>Add column</source>
        <translation>Spalte einfügen</translation>
    </message>
    <message>
        <source>-Col</source>
        <translation>-Sp</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Spalte löschen</translation>
    </message>
    <message>
        <source>+Row</source>
        <translation>+Ze</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>-Row</source>
        <translation>-Ze</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fill cells</source>
        <translation>Zellen füllen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy cell content</source>
        <translation>Zellinhalt kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste cell content</source>
        <translation>Zellinhalt einfügen</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponieren</translation>
    </message>
    <message>
        <source>Transpose cells</source>
        <translation>Zellen transponieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete cell content</source>
        <translation>Zellinhalt löschen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import data from file</source>
        <translation>Daten aus Datei importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export data to file</source>
        <translation>Daten in Datei exportieren</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Color2:</source>
        <translation>Farbe 2:</translation>
    </message>
    <message>
        <source>Axis1 (X) values</source>
        <translation>Werte der Achse 1 (X)</translation>
    </message>
    <message>
        <source>Axis2 (Y) values</source>
        <translation>Werte der Achse 2 (Y)</translation>
    </message>
    <message>
        <source>Axis3 (Z) values</source>
        <translation>Werte der Achse 3 (Z)</translation>
    </message>
    <message>
        <source>Data column</source>
        <translation>Datenspalte</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstante</translation>
    </message>
    <message>
        <source>Axis %1 error bar col.:</source>
        <translation>Fehlerbalken Achse %1, Spalte:</translation>
    </message>
    <message>
        <source>Low:</source>
        <translation>Unten:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>&amp;Show points</source>
        <translation>&amp;Punkte zeigen</translation>
    </message>
    <message>
        <source>Co&amp;nnect Points</source>
        <translation>Punkte &amp;verbinden</translation>
    </message>
</context>
<context>
    <name>TfExportData</name>
    <message>
        <source>Export data to file</source>
        <translation>Daten in Datei exportieren</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>&amp;Values shown</source>
        <translation>Angezeigte &amp;Werte</translation>
    </message>
    <message>
        <source>Cell &amp;texts (terms)</source>
        <translation>Zell&amp;texte (Terme)</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Zellen</translation>
    </message>
    <message>
        <source>&amp;Whole table</source>
        <translation>&amp;Ganze Tabelle</translation>
    </message>
    <message>
        <source>&amp;Selection</source>
        <translation>&amp;Auswahl</translation>
    </message>
    <message>
        <source>Column &amp;headers as first line</source>
        <translation>Spalten&amp;köpfe als erste Zeile</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Se&amp;parator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
</context>
<context>
    <name>TfGraphInput</name>
    <message>
        <source>Graph Input</source>
        <translation>Graphen eingeben</translation>
    </message>
    <message>
        <source>Open variable table</source>
        <translation>Variablentabelle öffnen</translation>
    </message>
    <message>
        <source>Axis 3 term =</source>
        <translation>Term Achse 3 =</translation>
    </message>
    <message>
        <source>Axis 2 term =</source>
        <translation>Term Achse 2 =</translation>
    </message>
    <message>
        <source>Axis 1 term =</source>
        <translation>Term Achse 1 =</translation>
    </message>
    <message>
        <source>Color 1:</source>
        <translation>Farbe 1:</translation>
    </message>
    <message>
        <source>Color 2:</source>
        <translation>Farbe 2:</translation>
    </message>
</context>
<context>
    <name>TfImportData</name>
    <message>
        <source>Import data from file</source>
        <translation>Daten aus Datei importieren</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Decimal separator:</source>
        <translation>&amp;Dezimaltrennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Header line:</source>
        <translation>&amp;Kopfzeile:</translation>
    </message>
</context>
<context>
    <name>TfInfo</name>
    <message>
        <source>About Morvit</source>
        <translation>Über Morvit</translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>Version 1.02</translation>
    </message>
    <message>
        <source>A plotter for mathematical terms over the complex numbers:
curves, surfaces, diagrams and a calculator.</source>
        <translation>Ein Zeichenprogramm für mathematische Terme über den komplexen Zahlen:
Kurven, Flächen, Diagramme und ein Rechner.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TfVarInput</name>
    <message>
        <source>Variable Table</source>
        <translation>Variablentabelle</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Minimum value</source>
        <translation>Minimalwert</translation>
    </message>
    <message>
        <source>Maximum value</source>
        <translation>Maximalwert</translation>
    </message>
    <message>
        <source>Actual value</source>
        <translation>Aktueller Wert</translation>
    </message>
</context>
</TS>
