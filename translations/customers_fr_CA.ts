<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>CustomerLookupForm</name>
    <message>
        <source>Member ID</source>
        <translation>Numéro de membre</translation>
    </message>
    <message>
        <source>Home Phone Number</source>
        <translation>Téléphone à domicile</translation>
    </message>
    <message>
        <source>Drivers Licence Number</source>
        <translation>Numéro de permis de conduire</translation>
    </message>
    <message>
        <source>Display Member</source>
        <translation>Afficher le membre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
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
        <source>Cell Phone Number</source>
        <translation>Téléphone cellulaire</translation>
    </message>
    <message>
        <source>Business Phone Number</source>
        <translation>Téléphone au travail</translation>
    </message>
    <message>
        <source>Other Names</source>
        <translation>Autres noms</translation>
    </message>
    <message>
        <source>member ID</source>
        <translation>numéro de membre</translation>
    </message>
    <message>
        <source>There is no member with the number %1, so nothing was changed.</source>
        <translation>Aucun membre ne porte le numéro %1&#xa0;; rien n&apos;a donc été changé.</translation>
    </message>
    <message>
        <source>Customer not found</source>
        <translation>Client introuvable</translation>
    </message>
    <message>
        <source>Print &amp;card...</source>
        <translation>Imprimer la &amp;carte...</translation>
    </message>
</context>
<context>
    <name>CustomerStore</name>
    <message>
        <source>count the members</source>
        <translation>compter les membres</translation>
    </message>
    <message>
        <source>find a free member number</source>
        <translation>trouver un numéro de membre libre</translation>
    </message>
    <message>
        <source>look for members with that home phone</source>
        <translation>chercher les membres qui ont ce téléphone à domicile</translation>
    </message>
    <message>
        <source>add the member</source>
        <translation>ajouter le membre</translation>
    </message>
    <message>
        <source>change the member</source>
        <translation>modifier le membre</translation>
    </message>
    <message>
        <source>mark the member as deleted</source>
        <translation>marquer le membre comme supprimé</translation>
    </message>
</context>
<context>
    <name>frmDelete</name>
    <message>
        <source>Delete Customers</source>
        <translation>Supprimer des clients</translation>
    </message>
    <message>
        <source>Balance Owing</source>
        <translation>Solde dû</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Customer Cannot be deleted from database until  Balance owing is paid in full</source>
        <translation>Le client ne peut pas être supprimé de la base de données avant que le solde dû soit payé en entier</translation>
    </message>
    <message>
        <source>Display the member again to show the balance owing.</source>
        <translation>Affichez de nouveau le membre pour voir le solde dû.</translation>
    </message>
    <message>
        <source>Invalid amount</source>
        <translation>Montant non valide</translation>
    </message>
    <message>
        <source>Customer Cannot be deleted from database while tapes are out: 1 tape rented by member %1 has not been returned.</source>
        <translation>Le client ne peut pas être supprimé de la base de données tant que des cassettes sont en location&#xa0;: 1 cassette louée par le membre %1 n&apos;a pas été rapportée.</translation>
    </message>
    <message>
        <source>Customer Cannot be deleted from database while tapes are out: %1 tapes rented by member %2 have not been returned.</source>
        <translation>Le client ne peut pas être supprimé de la base de données tant que des cassettes sont en location&#xa0;: %1 cassettes louées par le membre %2 n&apos;ont pas été rapportées.</translation>
    </message>
    <message>
        <source>Member 0 is the walk-in customer that every sale to a non-member is booked to. It cannot be deleted.</source>
        <translation>Le membre 0 est le client de passage auquel est inscrite chaque vente à un non-membre. Il ne peut pas être supprimé.</translation>
    </message>
</context>
<context>
    <name>frmModify</name>
    <message>
        <source>Modify Customers</source>
        <translation>Modifier des clients</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>frmadd</name>
    <message>
        <source>Add Customers</source>
        <translation>Ajouter des clients</translation>
    </message>
    <message>
        <source>Member ID</source>
        <translation>Numéro de membre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
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
        <source>Home Phone Number</source>
        <translation>Téléphone à domicile</translation>
    </message>
    <message>
        <source>Business Phone Number</source>
        <translation>Téléphone au travail</translation>
    </message>
    <message>
        <source>Cell Phone Number</source>
        <translation>Téléphone cellulaire</translation>
    </message>
    <message>
        <source>Drivers Licence Number</source>
        <translation>Numéro de permis de conduire</translation>
    </message>
    <message>
        <source>Other Names</source>
        <translation>Autres noms</translation>
    </message>
    <message>
        <source>ADD Member</source>
        <translation>AJOUTER le membre</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Enter the member&apos;s last name.</source>
        <translation>Entrez le nom du membre.</translation>
    </message>
    <message>
        <source>Enter the member&apos;s first name.</source>
        <translation>Entrez le prénom du membre.</translation>
    </message>
    <message>
        <source>Enter the member&apos;s home phone number.</source>
        <translation>Entrez le numéro de téléphone à domicile du membre.</translation>
    </message>
    <message>
        <source>Member details missing</source>
        <translation>Renseignements manquants</translation>
    </message>
    <message>
        <source>Member %1 added.</source>
        <translation>Membre %1 ajouté.</translation>
    </message>
    <message>
        <source>member %1 %2 %3</source>
        <translation>membre %1 %2 %3</translation>
    </message>
    <message>
        <source>Home phone %1 is also that of %2.</source>
        <translation>Le téléphone à domicile %1 est aussi celui de %2.</translation>
    </message>
    <message>
        <source>Member ID %1 is already taken, so the member was not added.<byte value="xd"/>
The next free number, %2, is now proposed: press ADD Member again to add the member.</source>
        <translation>Le numéro de membre %1 est déjà pris&#xa0;; le membre n&apos;a donc pas été ajouté.<byte value="xd"/>
Le prochain numéro libre, %2, est maintenant proposé&#xa0;: appuyez de nouveau sur AJOUTER le membre pour ajouter le membre.</translation>
    </message>
    <message>
        <source>Member ID taken</source>
        <translation>Numéro de membre déjà pris</translation>
    </message>
    <message>
        <source>Print &amp;card...</source>
        <translation>Imprimer la &amp;carte...</translation>
    </message>
</context>
</TS>
