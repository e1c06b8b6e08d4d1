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
    <name>Holds</name>
    <message>
        <source>tape %1 on the hold shelf until %2</source>
        <translation>cassette %1 sur l&apos;étagère des réservations jusqu&apos;au %2</translation>
    </message>
</context>
<context>
    <name>HoldsPanel</name>
    <message>
        <source>%1 is now held for member %2 %3. Copies coming back are put aside for holds in the order they were placed.</source>
        <translation>%1 est maintenant réservé pour le membre %2 %3. Les copies rapportées sont mises de côté pour les réservations dans l&apos;ordre où elles ont été faites.</translation>
    </message>
    <message>
        <source>Hold placed</source>
        <translation>Réservation faite</translation>
    </message>
</context>
<context>
    <name>OverdueLetters</name>
    <message>
        <source>Telephone %1</source>
        <translation>Téléphone %1</translation>
    </message>
</context>
<context>
    <name>frmHoldTitle</name>
    <message>
        <source>For member %1 %2:</source>
        <translation>Pour le membre %1 %2&#xa0;:</translation>
    </message>
</context>
</TS>
