<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>CirculationStore</name>
    <message>
        <source>Member not on file</source>
        <translation>Membre introuvable</translation>
    </message>
    <message>
        <source>Member retired</source>
        <translation>Membre retiré</translation>
    </message>
    <message>
        <source>Title not on file</source>
        <translation>Titre introuvable</translation>
    </message>
    <message>
        <source>Title retired</source>
        <translation>Titre retiré</translation>
    </message>
    <message>
        <source>No copies for rent</source>
        <translation>Aucune copie à louer</translation>
    </message>
    <message>
        <source>Already on hold</source>
        <translation>Déjà réservé</translation>
    </message>
</context>
<context>
    <name>OverdueLetters</name>
    <message>
        <source>Telephone %1</source>
        <translation>Téléphone %1</translation>
    </message>
</context>
</TS>
