<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obraz jest uszkodzony albo nie jest obrazem BMP</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Nie udało się odczytać pliku</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Nie udało się zapisać pliku</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Wiersz obrazu poza obrazem</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Trwa już drukowanie</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Wybrana drukarka nie działa</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Drukarka teraz nie drukuje</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>Schowek jest niedostępny</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Pole poza paletą</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Błąd systemu. Kod: %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest liczbą całkowitą</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Pytanie</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>nie jest obrazkiem, który Pintoola umie odczytać</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>jest uszkodzony lub niekompletny</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>jest za duży: %1 × %2 pikseli, ponad 100 milionów</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nie daje się odczytać: %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>jest folderem</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>jest uszkodzonym plikiem PDF</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>jest chroniony hasłem</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>jest za duży</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>odwołuje się do innych plików, adresów lub encji, które nigdy nie są odczytywane</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Ponó&amp;w</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignoruj</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Wszystkie</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>kolorowanka</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Po oczyszczeniu kolorowanka jest pusta.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Nie można utworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>użycie: pintoola-import [--into FOLDER] [--window] PLIK...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into wymaga folderu</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into podano dwa razy</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>nie podano żadnego obrazka</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, strona %2</translation>
    </message>
    <message>
        <source>%1: %2 × %3 pixels, %4 areas, %5 gaps closed</source>
        <translation>%1: %2 × %3 pikseli, obszary: %4, zamknięte przerwy: %5</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>nie mieści się w dostępnej pamięci</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Dodaj kolorowanki</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Obrazki (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Pomoc do Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordowy</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Jasnozielony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Czcionka:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Pogrubienie</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursywa</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>P&amp;odkreślenie</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Prz&amp;ekreślenie</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>Ko&amp;lor:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Podgląd</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Otwórz nową kolorowankę…</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Otwórz zapisany obrazek…</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Cofnij ostatni krok</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Zacznij kolorowankę od nowa</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Zamknij kolorowankę</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Zapisz obrazek…</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Drukuj obrazek…</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Kopiuj obrazek do schowka</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Zamknij Pintoola</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie…</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Wybierz kolor</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Wybrany kolor</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Wypełnij całość</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Kratka</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Ukośna kratka</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Pionowe paski</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Poziome paski</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Ukośne paski 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Ukośne paski 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Popraw linie</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Podpisz obrazek</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>Czy chcesz zamknąć Pintoola?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>Pintoola nie może zapisać obrazka!</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>Nie ma obrazka do skopiowania!</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm4</name>
    <message>
        <source>Create signature</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Enter your signature:</source>
        <translation>Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Wybierz czcionkę</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Obrazek zapisano w projektach</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Kolorowanki</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>Moje obrazki</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Dodaj kolorowanki</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>Obrazek</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>Kolorowanka: każdy obszar ma własny jasny kolor</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Dodano %1</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>Nie udało się dodać %1: %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Pominięto %1</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>Nie udało się odczytać %1: nie mieści się w dostępnej pamięci</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (obrazek %2 z %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 pikseli, obszary: %3, zamknięte przerwy: %4</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>Nie wybrano obrazka.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Dodane kolorowanki: %1, pominięte: %2, niedodane: %3.</translation>
    </message>
</context>
</TS>
