<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>DayEnd</name>
    <message>
        <source>Seal: %1</source>
        <translation>Sceau&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayouts</name>
    <message>
        <source>1 member</source>
        <translation>1 membre</translation>
    </message>
    <message>
        <source>%1 members</source>
        <translation>%1 membres</translation>
    </message>
    <message>
        <source>1 tape</source>
        <translation>1 cassette</translation>
    </message>
    <message>
        <source>%1 tapes</source>
        <translation>%1 cassettes</translation>
    </message>
    <message>
        <source>In all: %1, %2, late fees so far %3</source>
        <translation>En tout&#xa0;: %1, %2, frais de retard à ce jour %3</translation>
    </message>
</context>
<context>
    <name>ReportStore</name>
    <message>
        <source>since the store started</source>
        <translation>depuis l&apos;ouverture du magasin</translation>
    </message>
</context>
</TS>
