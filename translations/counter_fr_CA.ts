<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>BillLine</name>
    <message>
        <source>overdue fees</source>
        <extracomment>What the bill&apos;s line of fees handed on from Payments says.</extracomment>
        <translation>frais de retard</translation>
    </message>
    <message>
        <source>Rent</source>
        <comment>bill line</comment>
        <extracomment>The bill&apos;s kinds of line, short: a tape rented, a tape sold, a stock item sold, fees paid.</extracomment>
        <translation>Location</translation>
    </message>
    <message>
        <source>Tape</source>
        <comment>bill line</comment>
        <translation>Cassette</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>bill line</comment>
        <translation>Article</translation>
    </message>
    <message>
        <source>Fees</source>
        <comment>bill line</comment>
        <translation>Frais</translation>
    </message>
</context>
<context>
    <name>BillView</name>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
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
        <translation>La date d&apos;expiration «&#xa0;%1&#xa0;» n&apos;est pas sous la forme MM/AA. Tapez-la comme sur la carte, par exemple 08/29.</translation>
    </message>
    <message>
        <source>The card expired at the end of %1. Ask for another card or another way to pay.</source>
        <translation>La carte est expirée depuis la fin de %1. Demandez une autre carte ou un autre mode de paiement.</translation>
    </message>
</context>
<context>
    <name>CheckoutBill</name>
    <message>
        <source>With this line the bill would come to more than %1, the largest amount the program takes. Check the quantity.</source>
        <translation>Avec cette ligne, la facture dépasserait %1, le plus grand montant que le programme accepte. Vérifiez la quantité.</translation>
    </message>
</context>
<context>
    <name>CheckoutStore</name>
    <message>
        <source>Member %1 now owes %2 in fees, not the %3 on the bill: a payment has been taken at another counter since the fees were put on it.<byte value="xd"/>
<byte value="xd"/>
Nothing was saved. The bill now charges %2; look at the new total on the payment page, then check out again.</source>
        <translation>Le membre %1 doit maintenant %2 en frais, et non les %3 de la facture&#xa0;: un paiement a été reçu à une autre caisse depuis que les frais y ont été mis.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. La facture porte maintenant %2&#xa0;; vérifiez le nouveau total à la page Paiement, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>Member %1 no longer owes fees: the %2 on the bill has been paid at another counter since it was put on it.<byte value="xd"/>
<byte value="xd"/>
Nothing was saved. The fees are off the bill; look at the new total on the payment page, then check out again.</source>
        <translation>Le membre %1 ne doit plus de frais&#xa0;: les %2 de la facture ont été payés à une autre caisse depuis qu&apos;ils y ont été mis.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Les frais sont retirés de la facture&#xa0;; vérifiez le nouveau total à la page Paiement, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>Nothing was saved. Take it off the bill, then check out again.</source>
        <translation>Rien n&apos;a été enregistré. Retirez-la de la facture, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>Tape %1%2 is no longer in the store: another counter has rented or sold it since it was put in the bag.<byte value="xd"/>
<byte value="xd"/>
Nothing was saved. Take it off the bill, then check out again.</source>
        <translation>La cassette %1%2 n&apos;est plus au magasin&#xa0;: une autre caisse l&apos;a louée ou vendue depuis qu&apos;elle a été mise dans le sac.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Retirez-la de la facture, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>Item %1%2 has only %3 left, not enough for this bill: another counter may have sold some since it was put in the bag.<byte value="xd"/>
<byte value="xd"/>
Nothing was saved. Take it off the bill, or lower the quantity, then check out again.</source>
        <translation>Il ne reste que %3 de l&apos;article %1%2, pas assez pour cette facture&#xa0;: une autre caisse en a peut-être vendu depuis qu&apos;il a été mis dans le sac.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Retirez-le de la facture ou baissez la quantité, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>%1 in force on %2 has changed since the bill was totalled: it is now %3 %.<byte value="xd"/>
<byte value="xd"/>
Nothing was saved. Look at the new total on the payment page, then check out again.</source>
        <translation>La taxe %1 en vigueur le %2 a changé depuis le calcul de la facture&#xa0;: elle est maintenant de %3&#xa0;%.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Vérifiez le nouveau total à la page Paiement, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>The price of tape %1%2 is now %3, not what the bill shows.<byte value="xd"/>
<byte value="xd"/>
Nothing was saved. Take it off the bill and put it on again, then check out again.</source>
        <translation>Le prix de la cassette %1%2 est maintenant de %3, et non celui de la facture.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Retirez-la de la facture et remettez-la, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>The price of item %1%2 is now %3, not what the bill shows.<byte value="xd"/>
<byte value="xd"/>
Nothing was saved. Take it off the bill and put it on again, then check out again.</source>
        <translation>Le prix de l&apos;article %1%2 est maintenant de %3, et non celui de la facture.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Retirez-le de la facture et remettez-le, puis encaissez de nouveau.</translation>
    </message>
    <message>
        <source>The tape or its title is no longer on file.</source>
        <translation>La cassette ou son titre ne figure plus au fichier.</translation>
    </message>
    <message>
        <source>Its title has price class %1, which has no rental fee.</source>
        <translation>Son titre est de la catégorie de prix %1, qui n&apos;a pas de prix de location.</translation>
    </message>
    <message>
        <source>Tax changed</source>
        <translation>Taxe modifiée</translation>
    </message>
    <message>
        <source>Price changed</source>
        <translation>Prix modifié</translation>
    </message>
    <message>
        <source>look up the tape</source>
        <translation>chercher la cassette</translation>
    </message>
    <message>
        <source>look up the stock item</source>
        <translation>chercher l&apos;article</translation>
    </message>
    <message>
        <source>look up where the tape is</source>
        <translation>chercher où se trouve la cassette</translation>
    </message>
    <message>
        <source>look up the card on file</source>
        <translation>chercher la carte au dossier</translation>
    </message>
    <message>
        <source>look up the fees owing</source>
        <translation>chercher les frais dus</translation>
    </message>
    <message>
        <source>take the fees paid off the member&apos;s account</source>
        <translation>retirer les frais payés du compte du membre</translation>
    </message>
    <message>
        <source>look up the price class of tape %1</source>
        <translation>chercher la catégorie de prix de la cassette %1</translation>
    </message>
    <message>
        <source>record the checkout</source>
        <translation>enregistrer le passage à la caisse</translation>
    </message>
    <message>
        <source>check the price of tape %1</source>
        <translation>vérifier le prix de la cassette %1</translation>
    </message>
    <message>
        <source>check the price of item %1</source>
        <translation>vérifier le prix de l&apos;article %1</translation>
    </message>
    <message>
        <source>take tape %1</source>
        <translation>prendre la cassette %1</translation>
    </message>
    <message>
        <source>sell item %1</source>
        <translation>vendre l&apos;article %1</translation>
    </message>
    <message>
        <source>look up the price</source>
        <translation>chercher le prix</translation>
    </message>
    <message>
        <source>read the prices in force</source>
        <translation>lire les prix en vigueur</translation>
    </message>
    <message>
        <source>number the rental</source>
        <translation>numéroter la location</translation>
    </message>
    <message>
        <source>number the receipt</source>
        <translation>numéroter le reçu</translation>
    </message>
    <message>
        <source>write the ledger entry</source>
        <translation>écrire l&apos;entrée du registre des paiements</translation>
    </message>
    <message>
        <source>check the taxes</source>
        <translation>vérifier les taxes</translation>
    </message>
    <message>
        <source>write the receipt</source>
        <translation>écrire le reçu</translation>
    </message>
    <message>
        <source>mark the tape as out of the store</source>
        <translation>marquer la cassette comme sortie du magasin</translation>
    </message>
    <message>
        <source>rent tape %1</source>
        <translation>louer la cassette %1</translation>
    </message>
    <message>
        <source>write the rental</source>
        <translation>écrire la location</translation>
    </message>
    <message>
        <source>lower the stock</source>
        <translation>baisser le stock</translation>
    </message>
    <message>
        <source>write the item sold</source>
        <translation>écrire l&apos;article vendu</translation>
    </message>
    <message>
        <source>write the tape sold</source>
        <translation>écrire la cassette vendue</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>Phone %1</source>
        <translation>Tél. %1</translation>
    </message>
    <message>
        <source>GST reg. no. %1</source>
        <translation>Nº de TPS %1</translation>
    </message>
    <message>
        <source>PST reg. no. %1</source>
        <translation>Nº de TVP %1</translation>
    </message>
    <message>
        <source>Store details not set</source>
        <translation>Renseignements sur le magasin non fournis</translation>
    </message>
    <message>
        <source>Receipt no. %1</source>
        <translation>Reçu nº %1</translation>
    </message>
    <message>
        <source>Rental no. %1</source>
        <translation>Location nº %1</translation>
    </message>
    <message>
        <source>No sale receipt</source>
        <translation>Aucun reçu de vente</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Caisse %1</translation>
    </message>
    <message>
        <source>Member %1 %2</source>
        <translation>Membre %1 %2</translation>
    </message>
    <message>
        <source>Walk-in customer</source>
        <translation>Client de passage</translation>
    </message>
    <message>
        <source>Tape</source>
        <comment>receipt column</comment>
        <extracomment>The receipt&apos;s heading over the tape numbers of its rentals; short.</extracomment>
        <translation>Cass.</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>receipt column</comment>
        <extracomment>The receipt&apos;s heading over the item numbers of its sales; short.</extracomment>
        <translation>Art.</translation>
    </message>
    <message>
        <source>Due</source>
        <comment>receipt column</comment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Amount</source>
        <comment>receipt column</comment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Qty</source>
        <comment>receipt column</comment>
        <translation>Qté</translation>
    </message>
    <message>
        <source>RENTALS</source>
        <translation>LOCATIONS</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>receipt column</comment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>SALES</source>
        <translation>VENTES</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>receipt column</comment>
        <translation>Description</translation>
    </message>
    <message>
        <source>Tape: %1</source>
        <translation>Cass.&#xa0;: %1</translation>
    </message>
    <message>
        <source>Overdue fees paid</source>
        <translation>Frais de retard payés</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Paid by %1</source>
        <translation>Mode de paiement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paid by %1, card ending %2</source>
        <translation>Mode de paiement&#xa0;: %1, carte se terminant par %2</translation>
    </message>
    <message>
        <source>Tendered</source>
        <translation>Montant remis</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>money given back</comment>
        <translation>Monnaie rendue</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>read the checkout</source>
        <translation>lire le passage à la caisse</translation>
    </message>
    <message>
        <source>Ledger entry %1 is not a checkout.</source>
        <translation>L&apos;entrée %1 du registre des paiements n&apos;est pas un passage à la caisse.</translation>
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
    <message>
        <source>read the store details</source>
        <translation>lire les renseignements du magasin</translation>
    </message>
    <message>
        <source>save the store details</source>
        <translation>enregistrer les renseignements du magasin</translation>
    </message>
</context>
<context>
    <name>frmCheckout</name>
    <message>
        <source>The bill is for member %1 %2. Clear it and show member %3 %4?</source>
        <translation>La facture est au nom du membre %1 %2. La vider et afficher le membre %3 %4&#xa0;?</translation>
    </message>
    <message>
        <source>Another member</source>
        <translation>Un autre membre</translation>
    </message>
    <message>
        <source>Keep this bill for later?</source>
        <translation>Garder cette facture pour plus tard&#xa0;?</translation>
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
    <message>
        <source>The checkout was not saved</source>
        <translation>Le passage à la caisse n&apos;a pas été enregistré</translation>
    </message>
    <message>
        <source>Checkout Form</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Member ID:</source>
        <translation>Numéro de membre&#xa0;:</translation>
    </message>
    <message>
        <source>Return</source>
        <comment>the button that goes back</comment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Fill out the information for each tab in series, identifying a customer, renting videos, buying merchandise, and paying.</source>
        <translation>Remplissez les onglets dans l&apos;ordre&#xa0;: trouver le client, louer des cassettes, acheter des articles, puis payer.</translation>
    </message>
    <message>
        <source>Customer Information</source>
        <translation>Renseignements sur le client</translation>
    </message>
    <message>
        <source>Video Rental</source>
        <translation>Location de cassettes</translation>
    </message>
    <message>
        <source>Sale</source>
        <translation>Vente</translation>
    </message>
    <message>
        <source>&amp;Payment Information</source>
        <translation>&amp;Paiement</translation>
    </message>
    <message>
        <source>The fees were not put on the bill: the counter could not show member %1.</source>
        <translation>Les frais n&apos;ont pas été mis sur la facture&#xa0;: la caisse n&apos;a pas pu afficher le membre %1.</translation>
    </message>
    <message>
        <source>Additional Transactions</source>
        <translation>Autres transactions</translation>
    </message>
    <message>
        <source>That user has been deleted and now has no checkout rights.</source>
        <translation>Ce membre a été supprimé et n&apos;a plus accès à la caisse.</translation>
    </message>
    <message>
        <source>User deleted.</source>
        <translation>Membre supprimé</translation>
    </message>
    <message>
        <source>Fees owing: %1</source>
        <translation>Frais dus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bill too large</source>
        <translation>Facture trop élevée</translation>
    </message>
    <message>
        <source>Tape %1%2 is out to member %3, due %4.</source>
        <translation>La cassette %1%2 est louée au membre %3, retour prévu le %4.</translation>
    </message>
    <message>
        <source>Tape %1%2 was sold; it is no longer the store&apos;s.</source>
        <translation>La cassette %1%2 a été vendue&#xa0;; elle n&apos;appartient plus au magasin.</translation>
    </message>
    <message>
        <source>Tape %1%2 is marked as not in the store, though no rental holds it. Ask the manager to check it in Video Management.</source>
        <translation>La cassette %1%2 est marquée comme absente du magasin, mais aucune location ne la retient. Demandez au gérant de la vérifier dans Gestion des vidéos.</translation>
    </message>
    <message>
        <source>Tape %1</source>
        <translation>Cassette %1</translation>
    </message>
    <message>
        <source>Tape entry error.</source>
        <translation>Erreur de cassette</translation>
    </message>
    <message>
        <source>Must be a member to rent.</source>
        <translation>Il faut être membre pour louer.</translation>
    </message>
    <message>
        <source>No member entered.</source>
        <translation>Aucun membre entré</translation>
    </message>
    <message>
        <source>Enter A valid Video ID Number</source>
        <translation>Entrez un numéro de cassette valide</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>Numéro non valide</translation>
    </message>
    <message>
        <source>Tape %1 is already in this bill.</source>
        <translation>La cassette %1 est déjà sur cette facture.</translation>
    </message>
    <message>
        <source>Tape %1 is not on file: check the number.</source>
        <translation>La cassette %1 ne figure pas au fichier&#xa0;: vérifiez le numéro.</translation>
    </message>
    <message>
        <source>Tape %1%2 is retired (damaged or lost): it cannot be rented.</source>
        <translation>La cassette %1%2 est retirée (abîmée ou perdue)&#xa0;: elle ne peut pas être louée.</translation>
    </message>
    <message>
        <source>Deleted Tape</source>
        <translation>Cassette supprimée</translation>
    </message>
    <message>
        <source>Tape %1%2 is not for rent. Find another copy of the title.</source>
        <translation>La cassette %1%2 n&apos;est pas à louer. Trouvez une autre copie du titre.</translation>
    </message>
    <message>
        <source>Tape held</source>
        <translation>Cassette réservée</translation>
    </message>
    <message>
        <source>That tape&apos;s title has price class %1, which has no rental fee. Set its class in Video Management.</source>
        <translation>Le titre de cette cassette est de la catégorie de prix %1, qui n&apos;a pas de prix de location. Corrigez sa catégorie dans Gestion des vidéos.</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Article %1</translation>
    </message>
    <message>
        <source>Enter Inventory ID of Item</source>
        <translation>Entrez le numéro d&apos;inventaire de l&apos;article</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a quantity that can be sold. Enter a whole number of at least 1.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une quantité qui peut être vendue. Entrez un nombre entier d&apos;au moins 1.</translation>
    </message>
    <message>
        <source>Item %1 is not on file: check the number.</source>
        <translation>L&apos;article %1 ne figure pas au fichier&#xa0;: vérifiez le numéro.</translation>
    </message>
    <message>
        <source>Inventory Error.</source>
        <translation>Erreur d&apos;inventaire</translation>
    </message>
    <message>
        <source>Item %1%2 is retired and should not be on the shelf. Ask the manager.</source>
        <translation>L&apos;article %1%2 est retiré et ne devrait pas être en rayon. Demandez au gérant.</translation>
    </message>
    <message>
        <source>Deleted item.</source>
        <translation>Article supprimé</translation>
    </message>
    <message>
        <source>Item %1%2: %3 are in stock, not enough to sell %4. Ask the manager.</source>
        <translation>Article %1%2&#xa0;: %3 en stock, pas assez pour en vendre %4. Demandez au gérant.</translation>
    </message>
    <message>
        <source>Inventory Warning.</source>
        <translation>Stock insuffisant</translation>
    </message>
    <message>
        <source>Tape Entry Error</source>
        <translation>Erreur de cassette</translation>
    </message>
    <message>
        <source>Tape %1%2 is retired (damaged or lost): it cannot be sold.</source>
        <translation>La cassette %1%2 est retirée (abîmée ou perdue)&#xa0;: elle ne peut pas être vendue.</translation>
    </message>
    <message>
        <source>Tape deleted.</source>
        <translation>Cassette supprimée</translation>
    </message>
    <message>
        <source>Tape %1%2 is not for sale. Find another copy of the title.</source>
        <translation>La cassette %1%2 n&apos;est pas à vendre. Trouvez une autre copie du titre.</translation>
    </message>
    <message>
        <source>Customer Search</source>
        <translation>Recherche du client</translation>
    </message>
    <message>
        <source>Member ID</source>
        <translation>Numéro de membre</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Téléphone (domicile)</translation>
    </message>
    <message>
        <source>Driver&apos;s Licence Number</source>
        <translation>Numéro de permis de conduire</translation>
    </message>
    <message>
        <source>DISPLAY INFORMATION</source>
        <translation>AFFICHER LE MEMBRE</translation>
    </message>
    <message>
        <source>MEMBER INFORMATION</source>
        <translation>RENSEIGNEMENTS SUR LE MEMBRE</translation>
    </message>
    <message>
        <source>Member Name</source>
        <translation>Nom du membre</translation>
    </message>
    <message>
        <source>Additional Names</source>
        <translation>Autres noms</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Business Phone Number</source>
        <translation>Téléphone (travail)</translation>
    </message>
    <message>
        <source>Cell Phone Number</source>
        <translation>Téléphone cellulaire</translation>
    </message>
    <message>
        <source>Enter the video ID to be rented:</source>
        <translation>Numéro de la cassette à louer&#xa0;:</translation>
    </message>
    <message>
        <source>Add to Rental Bag</source>
        <translation>Ajouter aux locations</translation>
    </message>
    <message>
        <source>Clear video</source>
        <translation>Effacer la cassette</translation>
    </message>
    <message>
        <source>Movie Name:</source>
        <translation>Titre du film&#xa0;:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classement&#xa0;:</translation>
    </message>
    <message>
        <source>Price Class:</source>
        <translation>Catégorie de prix&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Genre&#xa0;:</translation>
    </message>
    <message>
        <source>Actor:</source>
        <translation>Acteur&#xa0;:</translation>
    </message>
    <message>
        <source>Actress:</source>
        <translation>Actrice&#xa0;:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>First click on the list box to select a video, then click here to remove it</source>
        <translation>Cliquez d&apos;abord sur une cassette de la liste, puis ici pour la retirer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Click to remove all videos from the rental bag</source>
        <translation>Cliquez pour retirer toutes les cassettes des locations</translation>
    </message>
    <message>
        <source>Enter a video ID to be purchased here:</source>
        <translation>Numéro de la cassette à acheter&#xa0;:</translation>
    </message>
    <message>
        <source>Buy Video</source>
        <translation>Acheter la cassette</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message>
        <source>Enter the Inventory ID Number of an item to be purchased:</source>
        <translation>Numéro d&apos;inventaire de l&apos;article à acheter&#xa0;:</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>Quantité&#xa0;:</translation>
    </message>
    <message>
        <source>Unit Price:</source>
        <translation>Prix unitaire&#xa0;:</translation>
    </message>
    <message>
        <source>Buy it</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Cancel Buy</source>
        <translation>Annuler l&apos;achat</translation>
    </message>
    <message>
        <source>Click on an item in the shopping bag, then click here to remove it</source>
        <translation>Cliquez sur un article du sac d&apos;achats, puis ici pour le retirer</translation>
    </message>
    <message>
        <source>Click here to empty the shopping bag</source>
        <translation>Cliquez ici pour vider le sac d&apos;achats</translation>
    </message>
    <message>
        <source>SubTotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Select the method of payment:</source>
        <translation>Choisissez le mode de paiement&#xa0;:</translation>
    </message>
    <message>
        <source>Card number:</source>
        <translation>Numéro de carte&#xa0;:</translation>
    </message>
    <message>
        <source>Exp. Date</source>
        <translation>Date d&apos;exp.</translation>
    </message>
    <message>
        <source>Cash</source>
        <comment>cash handed over</comment>
        <translation>Montant remis</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>money given back</comment>
        <translation>Monnaie</translation>
    </message>
    <message>
        <source>Print a Receipt</source>
        <translation>Imprimer un reçu</translation>
    </message>
    <message>
        <source>Check out</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>There is nothing on the bill to check out. Add a tape or an item first.</source>
        <translation>Il n&apos;y a rien à encaisser sur la facture. Ajoutez d&apos;abord une cassette ou un article.</translation>
    </message>
    <message>
        <source>Empty bill</source>
        <translation>Facture vide</translation>
    </message>
    <message>
        <source>Must select a payment type!</source>
        <translation>Il faut choisir un mode de paiement&#xa0;!</translation>
    </message>
    <message>
        <source>Payment error.</source>
        <translation>Erreur de paiement</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of cash. Enter the cash handed over, for example 20 or 20.00.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montant d&apos;argent. Entrez l&apos;argent remis, par exemple 20 ou 20,00.</translation>
    </message>
    <message>
        <source>Payment error</source>
        <translation>Erreur de paiement</translation>
    </message>
    <message>
        <source>Must provide sufficient cash to cover this purchase or remove items.</source>
        <translation>Le client doit remettre assez d&apos;argent pour couvrir cet achat, sinon retirez des articles.</translation>
    </message>
    <message>
        <source>Verify that the customer has provided $%1<byte value="xd"/>
in cash and been returned $%2 in change.</source>
        <translation>Vérifiez que le client a remis %1&#xa0;$<byte value="xd"/>
en argent comptant et qu&apos;on lui a rendu %2&#xa0;$ de monnaie.</translation>
    </message>
    <message>
        <source>Payment verification.</source>
        <translation>Vérification du paiement</translation>
    </message>
    <message>
        <source>Verify that the VISA credit charge transaction has gone through under the following information: <byte value="xd"/>
%1 %2 Total: %3</source>
        <translation>Vérifiez que la transaction de crédit VISA a été acceptée avec les renseignements suivants&#xa0;: <byte value="xd"/>
%1 %2 Total&#xa0;: %3&#xa0;$</translation>
    </message>
    <message>
        <source>Verify that the MasterCard credit charge transaction has gone through under the following information: <byte value="xd"/>
%1 %2 Total: %3</source>
        <translation>Vérifiez que la transaction de crédit MasterCard a été acceptée avec les renseignements suivants&#xa0;: <byte value="xd"/>
%1 %2 Total&#xa0;: %3&#xa0;$</translation>
    </message>
    <message>
        <source>Verify that the American express credit charge transaction has gone through under the following information: <byte value="xd"/>
%1 %2 Total: %3</source>
        <translation>Vérifiez que la transaction de crédit American Express a été acceptée avec les renseignements suivants&#xa0;: <byte value="xd"/>
%1 %2 Total&#xa0;: %3&#xa0;$</translation>
    </message>
    <message>
        <source>Verify that the Sears store charge transaction has gone through under the following information: <byte value="xd"/>
%1 %2 Total: %3</source>
        <translation>Vérifiez que la transaction sur la carte de magasin Sears a été acceptée avec les renseignements suivants&#xa0;: <byte value="xd"/>
%1 %2 Total&#xa0;: %3&#xa0;$</translation>
    </message>
    <message>
        <source>Verify that the Interac debit card transaction has gone through under the following information: <byte value="xd"/>
%1 %2 Total: %3</source>
        <translation>Vérifiez que la transaction par carte de débit Interac a été acceptée avec les renseignements suivants&#xa0;: <byte value="xd"/>
%1 %2 Total&#xa0;: %3&#xa0;$</translation>
    </message>
    <message>
        <source>Does the customer want to check out now? (No cancels transaction.)</source>
        <translation>Le client veut-il passer à la caisse maintenant&#xa0;? (Non annule la transaction.)</translation>
    </message>
    <message>
        <source>Check-out</source>
        <translation>Passage à la caisse</translation>
    </message>
    <message>
        <source>Do you want to print out a receipt?</source>
        <translation>Voulez-vous imprimer un reçu&#xa0;?</translation>
    </message>
    <message>
        <source>Receipt option</source>
        <translation>Reçu</translation>
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
        <source>Store details</source>
        <translation>Renseignements sur le magasin</translation>
    </message>
    <message>
        <source>What every receipt says of the store. Until a name is given, receipts say &quot;Store details not set&quot;.</source>
        <translation>Ce que chaque reçu dit du magasin. Tant qu&apos;aucun nom n&apos;est donné, les reçus indiquent «&#xa0;Renseignements sur le magasin non fournis&#xa0;».</translation>
    </message>
    <message>
        <source>Store &amp;name:</source>
        <translation>&amp;Nom du magasin&#xa0;:</translation>
    </message>
    <message>
        <source>Corner Video</source>
        <translation>Club Vidéo du Coin</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>12 Main Street
Springfield ON  K1A 0B1</source>
        <translation>12, rue Principale
Montréal QC  H2X 1Y4</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>Télé&amp;phone&#xa0;:</translation>
    </message>
    <message>
        <source>555-0100</source>
        <translation>514 555-0100</translation>
    </message>
    <message>
        <source>&amp;GST registration no.:</source>
        <translation>Nº d&apos;inscription à la &amp;TPS&#xa0;:</translation>
    </message>
    <message>
        <source>PS&amp;T registration no.:</source>
        <translation>Nº d&apos;inscription à la T&amp;VP&#xa0;:</translation>
    </message>
    <message>
        <source>PST-1234-5678</source>
        <translation>TVP-1234-5678</translation>
    </message>
    <message>
        <source>80 mm &amp;roll (a receipt printer)</source>
        <translation>&amp;Rouleau de 80 mm (imprimante à reçus)</translation>
    </message>
    <message>
        <source>&amp;Letter page</source>
        <translation>Page format &amp;lettre</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Receipt paper:</source>
        <translation>Papier des reçus&#xa0;:</translation>
    </message>
    <message>
        <source>The store details are saved; the next receipt shows them.</source>
        <translation>Les renseignements sur le magasin sont enregistrés&#xa0;; le prochain reçu les affichera.</translation>
    </message>
    <message>
        <source>Saved. With no store name, receipts say &quot;Store details not set&quot;.</source>
        <translation>Enregistré. Sans nom de magasin, les reçus indiquent «&#xa0;Renseignements sur le magasin non fournis&#xa0;».</translation>
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
