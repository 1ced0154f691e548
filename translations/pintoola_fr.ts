<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Errors</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Cette image est abîmée ou n’est pas une image BMP</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Impossible d’écrire le fichier</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Ligne d’image hors de l’image</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impression déjà en cours</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L’imprimante choisie ne marche pas</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>L’imprimante n’imprime pas en ce moment</translation>
    </message>
    <message>
        <source>Cannot open clipboard: no clipboard is available</source>
        <translation>Le presse-papiers n’est pas disponible</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Case hors de la palette</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>System Error.  Code: %1.
%2</source>
        <translation>Erreur système. Code : %1.
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas un nombre entier</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>is not a picture Pintoola can read</source>
        <translation>n’est pas une image que Pintoola sait lire</translation>
    </message>
    <message>
        <source>is damaged or incomplete</source>
        <translation>est abîmé ou incomplet</translation>
    </message>
    <message>
        <source>is too large: %1 × %2 pixels, more than 100 million</source>
        <translation>est trop grand : %1 × %2 pixels, plus de 100 millions</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>is a damaged PDF</source>
        <translation>est un PDF abîmé</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>est trop grand</translation>
    </message>
    <message>
        <source>names other files, addresses or entities, which are never read</source>
        <translation>renvoie à d’autres fichiers, adresses ou entités, qui ne sont jamais lus</translation>
    </message>
</context>
<context>
    <name>TFileName</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
</context>
<context>
    <name>pintoola-import</name>
    <message>
        <source>page</source>
        <translation>coloriage</translation>
    </message>
    <message>
        <source>The clean-up left an empty page.</source>
        <translation>Après le nettoyage, le coloriage est vide.</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier « %1 ».</translation>
    </message>
    <message>
        <source>usage: pintoola-import [--into FOLDER] [--window] FILE...</source>
        <translation>usage : pintoola-import [--into DOSSIER] [--window] FICHIER...</translation>
    </message>
    <message>
        <source>--into needs a folder</source>
        <translation>--into demande un dossier</translation>
    </message>
    <message>
        <source>--into given twice</source>
        <translation>--into donné deux fois</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>no picture named</source>
        <translation>aucune image indiquée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, page %2</translation>
    </message>
    <message>
        <source>%1: %2 × %3 pixels, %4 areas, %5 gaps closed</source>
        <translation>%1 : %2 × %3 pixels, %4 zones, %5 trous bouchés</translation>
    </message>
    <message>
        <source>is too large for the memory available</source>
        <translation>est trop grand pour la mémoire disponible</translation>
    </message>
    <message>
        <source>Add colouring pages</source>
        <translation>Ajouter des coloriages</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
</context>
<context>
    <name>pintoola::TAboutBox</name>
    <message>
        <source>Pintoola help</source>
        <translation>Aide de Pintoola</translation>
    </message>
</context>
<context>
    <name>pintoola::TFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur :</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm1</name>
    <message>
        <source>Open a new coloring page...</source>
        <translation>Ouvrir un nouveau coloriage…</translation>
    </message>
    <message>
        <source>Open existing project...</source>
        <translation>Ouvrir un dessin enregistré…</translation>
    </message>
    <message>
        <source>Undo last change</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Reset coloring page</source>
        <translation>Recommencer le coloriage</translation>
    </message>
    <message>
        <source>Close coloring page</source>
        <translation>Fermer le coloriage</translation>
    </message>
    <message>
        <source>Save project...</source>
        <translation>Enregistrer le dessin…</translation>
    </message>
    <message>
        <source>Print project...</source>
        <translation>Imprimer le dessin…</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copier l’image dans le presse-papiers</translation>
    </message>
    <message>
        <source>Exit to Windows</source>
        <translation>Quitter Pintoola</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Select a fill color</source>
        <translation>Choisis une couleur</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Couleur choisie</translation>
    </message>
    <message>
        <source>Solid fill</source>
        <translation>Remplir en plein</translation>
    </message>
    <message>
        <source>Cross lines fill</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <source>Diagonal cross lines fill</source>
        <translation>Quadrillage en biais</translation>
    </message>
    <message>
        <source>Vertical lines fill</source>
        <translation>Rayures verticales</translation>
    </message>
    <message>
        <source>Horizontal lines fill</source>
        <translation>Rayures horizontales</translation>
    </message>
    <message>
        <source>Diagonal lines fill 1</source>
        <translation>Rayures en biais 1</translation>
    </message>
    <message>
        <source>Diagonal lines fill 2</source>
        <translation>Rayures en biais 2</translation>
    </message>
    <message>
        <source>Fix image</source>
        <translation>Réparer les traits</translation>
    </message>
    <message>
        <source>Add your signature</source>
        <translation>Signer ton dessin</translation>
    </message>
    <message>
        <source>Do you want to exit Pintoola ?</source>
        <translation>Veux-tu quitter Pintoola ?</translation>
    </message>
    <message>
        <source>Pintoola can&apos;t save the image !</source>
        <translation>Pintoola n’arrive pas à enregistrer l’image !</translation>
    </message>
    <message>
        <source>No image to copy !</source>
        <translation>Il n’y a pas d’image à copier !</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm4</name>
    <message>
        <source>Create signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Enter your signature:</source>
        <translation>Écris ton nom :</translation>
    </message>
    <message>
        <source>Set signature font</source>
        <translation>Choisir la police</translation>
    </message>
</context>
<context>
    <name>pintoola::TForm5</name>
    <message>
        <source>Project image</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Project was successfully saved to the projects library</source>
        <translation>Ton dessin est rangé avec tes projets</translation>
    </message>
</context>
<context>
    <name>pintoola::TLibraryForm</name>
    <message>
        <source>Coloring pages Library</source>
        <translation>Coloriages</translation>
    </message>
    <message>
        <source>Projects Library</source>
        <translation>Mes dessins</translation>
    </message>
</context>
<context>
    <name>pintoola::importer::ImportWindow</name>
    <message>
        <source>Add colouring pages</source>
        <translation>Ajouter des coloriages</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>L’image</translation>
    </message>
    <message>
        <source>The colouring page: each area has its own pale colour</source>
        <translation>Le coloriage : chaque zone a sa propre couleur pâle</translation>
    </message>
    <message>
        <source>Add to pages</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Ajouté : %1</translation>
    </message>
    <message>
        <source>Could not add %1: %2</source>
        <translation>Impossible d’ajouter %1 : %2</translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Passé : %1</translation>
    </message>
    <message>
        <source>Could not read %1: it %2</source>
        <translation>Lecture impossible : %1 %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large for the memory available</source>
        <translation>Lecture impossible : %1 est trop grand pour la mémoire disponible</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 pictures)</source>
        <translation>%1 (image %2 sur %3)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 areas, %4 gaps closed</source>
        <translation>%1 × %2 pixels, %3 zones, %4 trous bouchés</translation>
    </message>
    <message>
        <source>No picture chosen.</source>
        <translation>Aucune image choisie.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Pages added: %1, skipped: %2, not added: %3.</source>
        <translation>Coloriages ajoutés : %1, passés : %2, non ajoutés : %3.</translation>
    </message>
</context>
</TS>
