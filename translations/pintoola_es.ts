<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen está dañada o no es una imagen BMP</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>No se pudo leer el archivo</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>No hay memoria suficiente</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Línea de imagen fuera de la imagen</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Ya se está imprimiendo</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora elegida no funciona</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>La impresora no está imprimiendo</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>El portapapeles no está disponible</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Casilla fuera de la paleta</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Error del sistema. Código: %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Pregunta</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>no es una imagen que Pintoola pueda leer</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>está dañado o incompleto</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>es demasiado grande: %1 × %2 píxeles, más de 100 millones</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>es un PDF dañado</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>está protegido con contraseña</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>hace referencia a otros archivos, direcciones o entidades, que nunca se leen</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>TcyBitBtn</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>dibujo</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Después de la limpieza, el dibujo quedó vacío.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>No se puede crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>uso: pintoola-import [--into CARPETA] [--window] ARCHIVO...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into necesita una carpeta</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into indicado dos veces</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>no se indicó ninguna imagen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, página %2</translation>
    </message>
    <message>
        <source>%1: %2 × %3 pixels, %4 areas, %5 gaps closed</source>
        <translation>%1: %2 × %3 píxeles, %4 zonas, %5 huecos cerrados</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>es demasiado grande para la memoria disponible</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Añadir dibujos para colorear</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Ayuda de Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
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
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Celeste</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Tac&amp;hado</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>C&amp;olor:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Abrir un dibujo nuevo…</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Abrir un dibujo guardado…</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Empezar el dibujo de nuevo</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Cerrar el dibujo</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Guardar el dibujo…</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Imprimir el dibujo…</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Salir de Pintoola</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de…</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Elige un color</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Color elegido</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Relleno liso</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Cuadrícula inclinada</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Rayas verticales</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Rayas horizontales</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Rayas inclinadas 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Rayas inclinadas 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Arreglar las líneas</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Firmar tu dibujo</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>¿Quieres salir de Pintoola?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>¡Pintoola no puede guardar la imagen!</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>¡No hay ninguna imagen para copiar!</translation>
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
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Elegir la letra</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Tu dibujo está guardado en tus proyectos</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Dibujos para colorear</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>Mis dibujos</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Añadir dibujos para colorear</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>La imagen</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>El dibujo para colorear: cada zona tiene su propio color claro</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Añadido: %1</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>No se pudo añadir %1: %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Omitido: %1</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>No se pudo leer %1: es demasiado grande para la memoria disponible</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (imagen %2 de %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 píxeles, %3 zonas, %4 huecos cerrados</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>No se eligió ninguna imagen.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Dibujos añadidos: %1, omitidos: %2, no añadidos: %3.</translation>
    </message>
</context>
</TS>
