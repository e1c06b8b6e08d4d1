<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>LabelStore</name>
    <message>
        <source>read the title&apos;s tapes</source>
        <translation>lire les cassettes du titre</translation>
    </message>
    <message>
        <source>read the tapes added today</source>
        <translation>lire les cassettes ajoutées aujourd&apos;hui</translation>
    </message>
    <message>
        <source>read the tapes</source>
        <translation>lire les cassettes</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Copy %1, price class %2</source>
        <translation>Copie %1, catégorie de prix %2</translation>
    </message>
    <message>
        <source>A4, 21 labels of 63.5 x 38.1 mm</source>
        <translation>A4, 21 étiquettes de 63,5 x 38,1 mm</translation>
    </message>
    <message>
        <source>Letter, 30 labels of 2 5/8 x 1 in</source>
        <translation>Letter, 30 étiquettes de 2 5/8 x 1 po</translation>
    </message>
    <message>
        <source>Membership card</source>
        <translation>Carte de membre</translation>
    </message>
    <message>
        <source>Member %1</source>
        <translation>Membre %1</translation>
    </message>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>Les pages n&apos;ont pas pu être dessinées.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>The first tape number, %1, is after the last, %2. No labels were made.</source>
        <translation>Le premier numéro de cassette, %1, vient après le dernier, %2. Aucune étiquette n&apos;a été faite.</translation>
    </message>
    <message>
        <source>At most %1 labels are made at once; tapes %2 to %3 are %4. No labels were made.</source>
        <translation>Au plus %1 étiquettes sont faites à la fois&#xa0;; les cassettes %2 à %3 sont au nombre de %4. Aucune étiquette n&apos;a été faite.</translation>
    </message>
    <message>
        <source>These tape numbers are not on file: %1. No labels were made.</source>
        <translation>Ces numéros de cassette ne sont pas au fichier&#xa0;: %1. Aucune étiquette n&apos;a été faite.</translation>
    </message>
    <message>
        <source>These tapes are all marked as deleted: %1. No labels were made.</source>
        <translation>Ces cassettes sont toutes marquées comme supprimées&#xa0;: %1. Aucune étiquette n&apos;a été faite.</translation>
    </message>
    <message>
        <source>Tapes marked as deleted get no label: %1.</source>
        <translation>Les cassettes marquées comme supprimées n&apos;ont pas d&apos;étiquette&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There is no member with the number %1, so no card was made.</source>
        <translation>Aucun membre n&apos;a le numéro %1&#xa0;; aucune carte n&apos;a donc été faite.</translation>
    </message>
    <message>
        <source>Member 0 is the walk-in customer, who has no card.</source>
        <translation>Le membre 0 est le client de passage, qui n&apos;a pas de carte.</translation>
    </message>
    <message>
        <source>Member %1 is marked as deleted, so no card was made.</source>
        <translation>Le membre %1 est marqué comme supprimé&#xa0;; aucune carte n&apos;a donc été faite.</translation>
    </message>
    <message>
        <source>Give --labels tapes FIRST-LAST or --labels member NUMBER, not &quot;%1&quot;.</source>
        <translation>Donnez --labels tapes PREMIER-DERNIER ou --labels member NUMÉRO, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Give the tapes after --labels tapes, as 1001-1030.</source>
        <translation>Donnez les cassettes après --labels tapes, par exemple 1001-1030.</translation>
    </message>
    <message>
        <source>Give the member&apos;s number after --labels member.</source>
        <translation>Donnez le numéro du membre après --labels member.</translation>
    </message>
    <message>
        <source>Give the file to write as --pdf FILE.</source>
        <translation>Donnez le fichier à écrire avec --pdf FICHIER.</translation>
    </message>
    <message>
        <source>%1 already exists; nothing was written. Add --force to replace it.</source>
        <translation>%1 existe déjà&#xa0;; rien n&apos;a été écrit. Ajoutez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>The store %1 cannot be used: %2</source>
        <translation>Le magasin %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a range of tape numbers; give it as 1001-1030.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une plage de numéros de cassette&#xa0;; donnez-la sous la forme 1001-1030.</translation>
    </message>
    <message>
        <source>Give the sheet as --sheet letter30 or --sheet a4-21, not &quot;%1&quot;.</source>
        <translation>Donnez la feuille avec --sheet letter30 ou --sheet a4-21, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Give --start a label position from 1 to %1 on the sheet, not &quot;%2&quot;.</source>
        <translation>Donnez à --start une position d&apos;étiquette de 1 à %1 sur la feuille, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Tape labels %1 to %2</source>
        <translation>Étiquettes des cassettes %1 à %2</translation>
    </message>
    <message>
        <source>Tape labels written to %1: tapes %2, labels %3, sheets %4 (%5), from position %6.</source>
        <translation>Étiquettes de cassettes écrites dans %1&#xa0;: cassettes %2, étiquettes %3, feuilles %4 (%5), à partir de la position %6.</translation>
    </message>
    <message>
        <source>Membership card %1</source>
        <translation>Carte de membre %1</translation>
    </message>
    <message>
        <source>Membership card of member %1 written to %2</source>
        <translation>Carte du membre %1 écrite dans %2</translation>
    </message>
    <message>
        <source>member number</source>
        <translation>numéro de membre</translation>
    </message>
</context>
<context>
    <name>frmCard</name>
    <message>
        <source>Membership Card</source>
        <translation>Carte de membre</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The card of member %1, %2:</source>
        <translation>La carte du membre %1, %2&#xa0;:</translation>
    </message>
    <message>
        <source>Save the card</source>
        <translation>Enregistrer la carte</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Membership card %1</source>
        <translation>Carte de membre %1</translation>
    </message>
    <message>
        <source>The card of member %1 was written to %2.</source>
        <translation>La carte du membre %1 a été écrite dans %2.</translation>
    </message>
    <message>
        <source>The card could not be printed. Check the printer and try again.</source>
        <translation>La carte n&apos;a pas pu être imprimée. Vérifiez l&apos;imprimante, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>frmLabels</name>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer des étiquettes</translation>
    </message>
    <message>
        <source>Labels for</source>
        <translation>Étiquettes pour</translation>
    </message>
    <message>
        <source>&amp;Tapes</source>
        <translation>&amp;Cassettes</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;à</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Commencer à l&apos;étiq&amp;uette&#xa0;:</translation>
    </message>
    <message>
        <source>Label 1 is the top left one; labels go across, then down.</source>
        <translation>L&apos;étiquette 1 est celle du coin supérieur gauche&#xa0;; les étiquettes vont de gauche à droite, puis de haut en bas.</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Copies of %1</source>
        <translation>C&amp;opies de %1</translation>
    </message>
    <message>
        <source>&amp;Copies of the listed title</source>
        <translation>C&amp;opies du titre affiché</translation>
    </message>
    <message>
        <source>Tapes &amp;added today, %1</source>
        <translation>Cassettes &amp;ajoutées aujourd&apos;hui, %1</translation>
    </message>
    <message>
        <source>first tape number</source>
        <translation>premier numéro de cassette</translation>
    </message>
    <message>
        <source>last tape number</source>
        <translation>dernier numéro de cassette</translation>
    </message>
    <message>
        <source>The title has no tapes to label.</source>
        <translation>Le titre n&apos;a aucune cassette à étiqueter.</translation>
    </message>
    <message>
        <source>No tapes have been added today.</source>
        <translation>Aucune cassette n&apos;a été ajoutée aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Save the labels</source>
        <translation>Enregistrer les étiquettes</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Tape labels</source>
        <translation>Étiquettes de cassettes</translation>
    </message>
    <message>
        <source>The labels were written to %1.<byte value="xd"/>
Labels: %2. Sheets: %3.</source>
        <translation>Les étiquettes ont été écrites dans %1.<byte value="xd"/>
Étiquettes&#xa0;: %2. Feuilles&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The labels could not be printed. Check the printer and try again.</source>
        <translation>Les étiquettes n&apos;ont pas pu être imprimées. Vérifiez l&apos;imprimante, puis réessayez.</translation>
    </message>
</context>
</TS>
