<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem está danificada ou não é uma imagem BMP</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Não foi possível ler o arquivo</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Linha da imagem fora da imagem</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Já está imprimindo</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>A impressora escolhida não funciona</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>A impressora não está imprimindo</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>A área de transferência não está disponível</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Quadrado fora da paleta</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Erro do sistema. Código: %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Pergunta</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>não é uma imagem que o Pintoola consegue ler</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>está danificado ou incompleto</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>é grande demais: %1 × %2 pixels, mais de 100 milhões</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>é um PDF danificado</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>está protegido por senha</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>faz referência a outros arquivos, endereços ou entidades, que nunca são lidos</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todos</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>desenho</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Depois da limpeza, o desenho ficou vazio.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Não é possível criar a pasta “%1”.</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>uso: pintoola-import [--into PASTA] [--window] ARQUIVO...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into precisa de uma pasta</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into informado duas vezes</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>nenhuma imagem informada</translation>
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
        <translation>%1: %2 × %3 pixels, %4 áreas, %5 falhas fechadas</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>é grande demais para a memória disponível</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Adicionar desenhos para colorir</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Ajuda do Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Vinho</translation>
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
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde-azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Azul-claro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Riscado</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Cor:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Abrir um desenho novo…</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Abrir um desenho salvo…</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Desfazer o último passo</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Recomeçar o desenho</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Fechar o desenho</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Salvar o desenho…</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Imprimir o desenho…</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copiar a imagem</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Sair do Pintoola</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre…</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Escolha uma cor</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Cor escolhida</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Preencher tudo</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Quadriculado</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Quadriculado inclinado</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Listras verticais</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Listras horizontais</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Listras inclinadas 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Listras inclinadas 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Consertar as linhas</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Assinar o desenho</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>Quer sair do Pintoola?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>O Pintoola não conseguiu salvar a imagem!</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>Não há imagem para copiar!</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm4</name>
    <message>
        <source>Create signature</source>
        <translation>Assinatura</translation>
    </message>
    <message>
        <source>Enter your signature:</source>
        <translation>Escreva seu nome:</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Escolher a letra</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Salvo</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Seu desenho foi salvo nos projetos</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Desenhos para colorir</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>Meus desenhos</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Adicionar desenhos para colorir</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>A imagem</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>O desenho para colorir: cada área tem sua própria cor clara</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Adicionado: %1</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>Não foi possível adicionar %1: %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Pulado: %1</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>Não foi possível ler %1: é grande demais para a memória disponível</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (imagem %2 de %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 pixels, %3 áreas, %4 falhas fechadas</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>Nenhuma imagem escolhida.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Desenhos adicionados: %1, pulados: %2, não adicionados: %3.</translation>
    </message>
</context>
</TS>
