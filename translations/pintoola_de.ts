<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bild ist kaputt oder kein BMP-Bild</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Bildzeile außerhalb des Bildes</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Es wird gerade gedruckt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker geht nicht</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Der Drucker druckt gerade nicht</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>Die Zwischenablage ist nicht da</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Farbfeld außerhalb der Palette</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ lässt sich nicht öffnen. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ lässt sich nicht anlegen. %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Systemfehler. Code: %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
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
        <source>Warning</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>ist kein Bild, das Pintoola lesen kann</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>ist zu groß: %1 × %2 Pixel, mehr als 100 Millionen</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>ist ein beschädigtes PDF</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>ist mit einem Passwort geschützt</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>ist zu groß</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>verweist auf andere Dateien, Adressen oder Entitäten, die nie gelesen werden</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>TcyBitBtn</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Nochmal</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>Malbild</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Nach dem Aufräumen ist das Malbild leer.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>Aufruf: pintoola-import [--into ORDNER] [--window] DATEI...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into braucht einen Ordner</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into zweimal angegeben</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>kein Bild angegeben</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, Seite %2</translation>
    </message>
    <message>
        <source>%1: %2 × %3 pixels, %4 areas, %5 gaps closed</source>
        <translation>%1: %2 × %3 Pixel, %4 Flächen, %5 Lücken geschlossen</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>passt nicht in den verfügbaren Speicher</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Malbilder hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Hilfe zu Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>F&amp;arbe:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Neues Malbild öffnen …</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Gespeichertes Bild öffnen …</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Letzten Schritt zurücknehmen</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Malbild neu beginnen</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Malbild schließen</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Bild speichern …</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Bild drucken …</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Pintoola beenden</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über Pintoola …</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Wähle eine Farbe</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Gewählte Farbe</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Ganz ausmalen</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Kästchen</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Schräge Kästchen</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Senkrechte Streifen</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Waagerechte Streifen</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Schräge Streifen 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Schräge Streifen 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Linien verbessern</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Unterschreiben</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>Möchtest du Pintoola beenden?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>Pintoola kann das Bild nicht speichern!</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>Es gibt kein Bild zum Kopieren!</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm4</name>
    <message>
        <source>Create signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Enter your signature:</source>
        <translation>Schreib deinen Namen:</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Schrift wählen</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Dein Bild ist bei den Projekten gespeichert</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Malbilder</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>Meine Bilder</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Malbilder hinzufügen</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>Das Bild</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>Das Malbild: Jede Fläche hat ihre eigene blasse Farbe</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>%1 konnte nicht hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>%1 übersprungen</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>Nicht lesbar: %1 %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>Nicht lesbar: %1 passt nicht in den verfügbaren Speicher</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (Bild %2 von %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 Pixel, %3 Flächen, %4 Lücken geschlossen</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>Kein Bild ausgewählt.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Malbilder hinzugefügt: %1, übersprungen: %2, nicht hinzugefügt: %3.</translation>
    </message>
</context>
</TS>
