<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>StoreDetails</name>
    <message>
        <source>&quot;%1&quot; is not a number of days from 1 to %2.</source>
        <translation>« %1 » n&apos;est pas un nombre de jours de 1 à %2.</translation>
    </message>
    <message>
        <source>Invalid number of days</source>
        <translation>Nombre de jours invalide</translation>
    </message>
</context>
<context>
    <name>frmStoreDetails</name>
    <message>
        <source>Language of rece&amp;ipts and letters:</source>
        <translation>Lang&amp;ue des reçus et des lettres&#xa0;:</translation>
    </message>
    <message>
        <source>The counter&apos;s language</source>
        <translation>La langue de la caisse</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Holds &amp;kept for:</source>
        <translation>Réservations &amp;gardées&#xa0;:</translation>
    </message>
    <message>
        <source>How many days a tape that came back stays set aside for the member holding its title: 1 to %1.</source>
        <translation>Combien de jours une cassette rapportée reste mise de côté pour le membre qui a réservé son titre&#xa0;: de 1 à %1.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of days. Holds are kept from 1 to %2 days.</source>
        <translation>« %1 » n&apos;est pas un nombre de jours. Les réservations sont gardées de 1 à %2 jours.</translation>
    </message>
    <message>
        <source>Invalid number of days</source>
        <translation>Nombre de jours invalide</translation>
    </message>
</context>
</TS>
