<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>frmVidMn</name>
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
