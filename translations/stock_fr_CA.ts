<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>frmInvent</name>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
</context>
<context>
    <name>frmPrices</name>
    <message>
        <source>%1 %2 %</source>
        <translation>%1 %2&#xa0;%</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>rental fee %1</source>
        <translation>prix de location %1</translation>
    </message>
    <message>
        <source>rented for %1</source>
        <translation>loué pour %1</translation>
    </message>
    <message>
        <source>late fee %1 a day</source>
        <translation>frais de retard %1 par jour</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>since the store started</source>
        <translation>depuis l&apos;ouverture du magasin</translation>
    </message>
    <message>
        <source>replaced by a later change</source>
        <translation>remplacé par un changement ultérieur</translation>
    </message>
</context>
<context>
    <name>frmVidMn</name>
    <message>
        <source>Tool tape changes</source>
        <translation>Changements de cassettes</translation>
    </message>
    <message>
        <source>1 tape marked for sale at %1</source>
        <translation>1 cassette mise en vente à %1</translation>
    </message>
    <message>
        <source>%1 tapes marked for sale at %2</source>
        <translation>%1 cassettes mises en vente à %2</translation>
    </message>
    <message>
        <source>1 tape marked not for sale</source>
        <translation>1 cassette retirée de la vente</translation>
    </message>
    <message>
        <source>%1 tapes marked not for sale</source>
        <translation>%1 cassettes retirées de la vente</translation>
    </message>
    <message>
        <source>1 tape marked for rent</source>
        <translation>1 cassette mise en location</translation>
    </message>
    <message>
        <source>%1 tapes marked for rent</source>
        <translation>%1 cassettes mises en location</translation>
    </message>
    <message>
        <source>1 tape marked not for rent</source>
        <translation>1 cassette retirée de la location</translation>
    </message>
    <message>
        <source>%1 tapes marked not for rent</source>
        <translation>%1 cassettes retirées de la location</translation>
    </message>
    <message>
        <source>No listed copy lies in that range; nothing was changed.</source>
        <translation>Aucune copie de la liste n&apos;est dans cet intervalle&#xa0;; rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a range tool&apos;s changes</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is out on rental to member %1</source>
        <translation>elle est louée au membre %1</translation>
    </message>
    <message>
        <source>1 of them is out on rental to member %1</source>
        <translation>1 d&apos;entre elles est louée au membre %1</translation>
    </message>
    <message>
        <source>tape %1 to member %2</source>
        <translation>cassette %1 au membre %2</translation>
    </message>
    <message>
        <source>%1 of them are out on rental: %2</source>
        <translation>%1 d&apos;entre elles sont louées&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <comment>the tapes a range tool changed; those of them out on rental</comment>
        <translation>%1&#xa0;; %2.</translation>
    </message>
    <message>
        <source>Print &amp;labels...</source>
        <translation>Imprimer des &amp;étiquettes...</translation>
    </message>
    <message>
        <source>Click here to print barcode labels for tapes</source>
        <translation>Cliquez ici pour imprimer des étiquettes à code-barres pour des cassettes</translation>
    </message>
</context>
</TS>
