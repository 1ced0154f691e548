<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Deze afbeelding is beschadigd of geen BMP-afbeelding</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Het bestand kon niet worden gelezen</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Het bestand kon niet worden geschreven</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Beeldregel buiten de afbeelding</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Er wordt al afgedrukt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>De gekozen printer werkt niet</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>De printer drukt op dit moment niet</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>Het klembord is niet beschikbaar</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Vakje buiten het palet</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Het bestand ‘%1’ kan niet worden geopend. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Het bestand ‘%1’ kan niet worden gemaakt. %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Systeemfout. Code: %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geheel getal</translation>
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
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Vraag</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>is geen afbeelding die Pintoola kan lezen</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>is beschadigd of onvolledig</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>is te groot: %1 × %2 pixels, meer dan 100 miljoen</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>is een map</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>is leeg</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>is een beschadigde PDF</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>is beveiligd met een wachtwoord</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>is te groot</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>verwijst naar andere bestanden, adressen of entiteiten, die nooit worden gelezen</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
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
        <translation>Terug</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Negeren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>kleurplaat</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Na het opschonen is de kleurplaat leeg.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>De map ‘%1’ kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>gebruik: pintoola-import [--into MAP] [--window] BESTAND...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into heeft een map nodig</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into twee keer opgegeven</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>geen afbeelding opgegeven</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, pagina %2</translation>
    </message>
    <message>
        <source>%1: %2 × %3 pixels, %4 areas, %5 gaps closed</source>
        <translation>%1: %2 × %3 pixels, %4 vlakken, %5 gaten gedicht</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>is te groot voor het beschikbare geheugen</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Kleurplaten toevoegen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Hulp bij Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Donkerrood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olijf</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Donkerblauw</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lichtgroen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Lettertype:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Grootte:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effecten</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Vet</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursief</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Onderstreept</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Doorgehaald</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Kleur:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Voorbeeld</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Nieuwe kleurplaat openen…</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Opgeslagen tekening openen…</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Laatste stap ongedaan maken</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Kleurplaat opnieuw beginnen</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Kleurplaat sluiten</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Tekening bewaren…</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Tekening afdrukken…</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Afbeelding naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Pintoola afsluiten</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over Pintoola…</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Kies een kleur</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Gekozen kleur</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Helemaal kleuren</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Ruitjes</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Schuine ruitjes</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Verticale strepen</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Horizontale strepen</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Schuine strepen 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Schuine strepen 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Lijnen verbeteren</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Je naam zetten</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>Wil je Pintoola afsluiten?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>Pintoola kan de afbeelding niet bewaren!</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>Er is geen afbeelding om te kopiëren!</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm4</name>
    <message>
        <source>Create signature</source>
        <translation>Handtekening</translation>
    </message>
    <message>
        <source>Enter your signature:</source>
        <translation>Schrijf je naam:</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Letter kiezen</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Bewaard</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Je tekening staat bij je projecten</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Kleurplaten</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>Mijn tekeningen</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Kleurplaten toevoegen</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>De afbeelding</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>De kleurplaat: elk vlak heeft zijn eigen lichte kleur</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 toegevoegd</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>%1 kon niet worden toegevoegd: %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>%1 overgeslagen</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>%1 kon niet worden gelezen: het %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>%1 kon niet worden gelezen: het is te groot voor het beschikbare geheugen</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (afbeelding %2 van %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 pixels, %3 vlakken, %4 gaten gedicht</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>Geen afbeelding gekozen.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Kleurplaten toegevoegd: %1, overgeslagen: %2, niet toegevoegd: %3.</translation>
    </message>
</context>
</TS>
