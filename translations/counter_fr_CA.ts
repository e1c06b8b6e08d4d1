<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>CardCheck</name>
    <message>
        <source>Card not accepted</source>
        <translation>Carte refusée</translation>
    </message>
    <message>
        <source>The card number may hold only digits, blanks and dashes.</source>
        <translation>Le numéro de carte ne peut contenir que des chiffres, des espaces et des tirets.</translation>
    </message>
    <message>
        <source>Must provide a card number</source>
        <translation>Il faut un numéro de carte</translation>
    </message>
    <message>
        <source>No card number</source>
        <translation>Aucun numéro de carte</translation>
    </message>
    <message>
        <source>A card number has 13 to 19 digits, not %1.</source>
        <translation>Un numéro de carte a de 13 à 19 chiffres, et non %1.</translation>
    </message>
    <message>
        <source>The card number does not pass the card check: a digit is mistyped. Type it again from the card.</source>
        <translation>Le numéro de carte ne passe pas la vérification&#xa0;: un chiffre est mal tapé. Retapez-le d&apos;après la carte.</translation>
    </message>
    <message>
        <source>The card&apos;s expiry date is missing. Type it as MM/YY, for example 08/29.</source>
        <translation>La date d&apos;expiration de la carte manque. Tapez-la sous la forme MM/AA, par exemple 08/29.</translation>
    </message>
    <message>
        <source>The expiry date &quot;%1&quot; is not MM/YY. Type it as on the card, for example 08/29.</source>
        <translation>La date d&apos;expiration « %1 » n&apos;est pas sous la forme MM/AA. Tapez-la comme sur la carte, par exemple 08/29.</translation>
    </message>
    <message>
        <source>The card expired at the end of %1. Ask for another card or another way to pay.</source>
        <translation>La carte est expirée depuis la fin de %1. Demandez une autre carte ou un autre mode de paiement.</translation>
    </message>
</context>
<context>
    <name>CheckoutStore</name>
    <message>
        <source>Tax changed</source>
        <translation>Taxe modifiée</translation>
    </message>
    <message>
        <source>Price changed</source>
        <translation>Prix modifié</translation>
    </message>
</context>
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
    <name>frmCheckout</name>
    <message>
        <source>The bill is for member %1 %2. Clear it and show member %3 %4?</source>
        <translation>La facture est au nom du membre %1 %2. La vider et afficher le membre %3 %4?</translation>
    </message>
    <message>
        <source>Another member</source>
        <translation>Un autre membre</translation>
    </message>
    <message>
        <source>Keep this bill for later?</source>
        <translation>Garder cette facture pour plus tard?</translation>
    </message>
    <message>
        <source>(Yes keeps it for member %1, No clears it, Cancel stays here.)</source>
        <translation>(Oui la garde pour le membre %1, Non la vide, Annuler reste ici.)</translation>
    </message>
    <message>
        <source>Leave the counter</source>
        <translation>Quitter la caisse</translation>
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
        <source>&amp;Cash</source>
        <translation>&amp;Comptant</translation>
    </message>
    <message>
        <source>(No to change payment type, Cancel stops this checkout.)</source>
        <translation>(Non pour changer de mode de paiement, Annuler arrête ce passage à la caisse.)</translation>
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
