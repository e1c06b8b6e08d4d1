<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>frmPayment</name>
    <message>
        <source>&amp;Cash</source>
        <translation>&amp;Comptant</translation>
    </message>
    <message>
        <source>&amp;VISA</source>
        <translation>&amp;VISA</translation>
    </message>
    <message>
        <source>&amp;MasterCard</source>
        <translation>&amp;MasterCard</translation>
    </message>
    <message>
        <source>&amp;American Express</source>
        <translation>&amp;American Express</translation>
    </message>
    <message>
        <source>Sea&amp;rs card</source>
        <translation>Carte Sea&amp;rs</translation>
    </message>
    <message>
        <source>&amp;Debit</source>
        <translation>&amp;Débit</translation>
    </message>
    <message>
        <source>MM/YY</source>
        <translation>MM/AA</translation>
    </message>
    <message>
        <source>Take %1 from %2 by %3?</source>
        <translation>Encaisser %1 de %2 par %3?</translation>
    </message>
    <message>
        <source>Fee payment</source>
        <translation>Paiement des frais</translation>
    </message>
    <message>
        <source>There is no member %1.</source>
        <translation>Il n&apos;y a pas de membre %1.</translation>
    </message>
    <message>
        <source>Overdue fees paid in the amount of %1 by %2.</source>
        <translation>Frais de retard payés au montant de %1 par %2.</translation>
    </message>
    <message>
        <source>Payment made of %1 by %2</source>
        <translation>Paiement de %1 fait par %2</translation>
    </message>
</context>
<context>
    <name>frmReturn</name>
    <message>
        <source>Tape %1 is not out on rental.</source>
        <translation>La cassette %1 n&apos;est pas en location.</translation>
    </message>
</context>
</TS>
