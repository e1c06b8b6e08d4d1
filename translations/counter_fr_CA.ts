<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
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
</context>
</TS>
