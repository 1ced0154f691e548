<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L’immagine è danneggiata o non è un’immagine BMP</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Impossibile leggere il file</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Impossibile scrivere il file</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Riga dell’immagine fuori dall’immagine</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Stampa già in corso</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La stampante scelta non funziona</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>La stampante non sta stampando</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>Gli appunti non sono disponibili</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Casella fuori dalla tavolozza</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Errore di sistema. Codice: %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Domanda</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>non è un’immagine che Pintoola sa leggere</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>è danneggiato o incompleto</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>è troppo grande: %1 × %2 pixel, più di 100 milioni</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non si può leggere: %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>è un PDF danneggiato</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>è protetto da password</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>è troppo grande</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>rimanda ad altri file, indirizzi o entità, che non vengono mai letti</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignora</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutti</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>disegno</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Dopo la pulizia il disegno è rimasto vuoto.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Impossibile creare la cartella «%1».</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>uso: pintoola-import [--into CARTELLA] [--window] FILE...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into richiede una cartella</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into indicato due volte</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>nessuna immagine indicata</translation>
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
        <translation>%1: %2 × %3 pixel, %4 zone, %5 interruzioni chiuse</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>è troppo grande per la memoria disponibile</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Aggiungi disegni da colorare</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Guida di Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde chiaro</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Carattere:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>C&amp;orsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barrato</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>Co&amp;lore:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Anteprima</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Apri un nuovo disegno…</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Apri un disegno salvato…</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Annulla l’ultima modifica</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Ricomincia il disegno</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Chiudi il disegno</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Salva il disegno…</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Stampa il disegno…</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copia l’immagine negli appunti</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Esci da Pintoola</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni…</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Scegli un colore</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Colore scelto</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Riempimento pieno</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Quadretti</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Quadretti obliqui</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Righe verticali</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Righe orizzontali</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Righe oblique 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Righe oblique 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Sistema le linee</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Firma il tuo disegno</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>Vuoi uscire da Pintoola?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>Pintoola non riesce a salvare l’immagine!</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>Non c’è nessuna immagine da copiare!</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm4</name>
    <message>
        <source>Create signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Enter your signature:</source>
        <translation>Scrivi il tuo nome:</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Scegli il carattere</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Il tuo disegno è salvato nei progetti</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Disegni da colorare</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>I miei disegni</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Aggiungi disegni da colorare</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>L’immagine</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>Il disegno da colorare: ogni zona ha il suo colore chiaro</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Aggiunto: %1</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>Impossibile aggiungere %1: %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Saltato: %1</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>Impossibile leggere %1: è troppo grande per la memoria disponibile</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (immagine %2 di %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 pixel, %3 zone, %4 interruzioni chiuse</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>Nessuna immagine scelta.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Disegni aggiunti: %1, saltati: %2, non aggiunti: %3.</translation>
    </message>
</context>
</TS>
