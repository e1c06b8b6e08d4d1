<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>OverdueLetters</name>
    <message>
        <source>Telephone %1</source>
        <translation>Téléphone %1</translation>
    </message>
</context>
</TS>
