<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>CustomerLookupForm</name>
    <message>
        <source>Print &amp;card...</source>
        <translation>Imprimer la &amp;carte...</translation>
    </message>
</context>
<context>
    <name>frmadd</name>
    <message>
        <source>Print &amp;card...</source>
        <translation>Imprimer la &amp;carte...</translation>
    </message>
</context>
</TS>
