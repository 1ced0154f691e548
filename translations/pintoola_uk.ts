<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Зображення пошкоджене або не є зображенням BMP</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Не вдалося прочитати файл</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Не вдалося записати файл</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостатньо пам’яті</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Рядок поза межами зображення</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Друк уже триває</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Вибраний принтер не працює</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Принтер зараз не друкує</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>Буфер обміну недоступний</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Клітинка поза палітрою</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не вдається відкрити файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не вдається створити файл «%1». %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Системна помилка. Код: %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не є цілим числом</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Питання</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>це не зображення, яке Pintoola може прочитати</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>файл пошкоджений або неповний</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>файл завеликий: %1 × %2 пікселів, понад 100 мільйонів</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не вдається прочитати: %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>файл порожній</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>це пошкоджений PDF</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>файл захищений паролем</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>посилається на інші файли, адреси або сутності, які ніколи не читаються</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
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
        <translation>Назад</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Перервати</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ігнорувати</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Усі</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>розмальовка</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Після очищення розмальовка порожня.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Не вдається створити теку «%1».</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>використання: pintoola-import [--into ТЕКА] [--window] ФАЙЛ...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into потребує теки</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into вказано двічі</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>невідомий параметр %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>не вказано жодного зображення</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, сторінка %2</translation>
    </message>
    <message>
        <source>%1: %2 × %3 pixels, %4 areas, %5 gaps closed</source>
        <translation>%1: %2 × %3 пікселів, областей: %4, закрито розривів: %5</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>не вміщується в доступну пам’ять</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Додати розмальовки</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Зображення (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Довідка Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Бордовий</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковий</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Темно-синій</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Бірюзовий</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Срібний</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Салатовий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Рожевий</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Блакитний</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Шрифт:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Розмір:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Ефекти</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Жирний</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Підкреслений</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Закреслений</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>К&amp;олір:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Зразок</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Відкрити нову розмальовку…</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Відкрити збережений малюнок…</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Скасувати останній крок</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Почати розмальовку знову</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Закрити розмальовку</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Зберегти малюнок…</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Надрукувати малюнок…</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Копіювати малюнок у буфер обміну</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Вийти з Pintoola</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Про програму…</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Вибери колір</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Вибраний колір</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Суцільна заливка</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Клітинка</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Навскісна клітинка</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Вертикальні смужки</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Горизонтальні смужки</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Навскісні смужки 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Навскісні смужки 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Виправити лінії</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Підписати малюнок</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>Вийти з Pintoola?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>Pintoola не може зберегти малюнок!</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>Немає малюнка для копіювання!</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm4</name>
    <message>
        <source>Create signature</source>
        <translation>Підпис</translation>
    </message>
    <message>
        <source>Enter your signature:</source>
        <translation>Напиши своє ім’я:</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Вибрати шрифт</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Збережено</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Малюнок збережено в проєктах</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Розмальовки</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>Мої малюнки</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Додати розмальовки</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>Розмальовка: кожна область має свій блідий колір</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустити</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Додано %1</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>Не вдалося додати %1: %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Пропущено %1</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>Не вдалося прочитати %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>Не вдалося прочитати %1: не вміщується в доступну пам’ять</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (зображення %2 з %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 пікселів, областей: %3, закрито розривів: %4</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>Зображення не вибрано.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Додано розмальовок: %1, пропущено: %2, не додано: %3.</translation>
    </message>
</context>
</TS>
