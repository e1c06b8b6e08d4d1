<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>CatalogueStore</name>
    <message>
        <source>list the movies</source>
        <translation>afficher la liste des films</translation>
    </message>
    <message>
        <source>number the new movie</source>
        <translation>numéroter le nouveau film</translation>
    </message>
    <message>
        <source>number the new tapes</source>
        <translation>numéroter les nouvelles cassettes</translation>
    </message>
    <message>
        <source>add the movie</source>
        <translation>ajouter le film</translation>
    </message>
    <message>
        <source>change the movie</source>
        <translation>modifier le film</translation>
    </message>
    <message>
        <source>look for tapes out on rental</source>
        <translation>chercher les cassettes en location</translation>
    </message>
    <message>
        <source>mark the movie as deleted</source>
        <translation>marquer le film comme supprimé</translation>
    </message>
    <message>
        <source>mark the movie&apos;s tapes as deleted</source>
        <translation>marquer les cassettes du film comme supprimées</translation>
    </message>
    <message>
        <source>list the tapes</source>
        <translation>afficher la liste des cassettes</translation>
    </message>
    <message>
        <source>add the tapes</source>
        <translation>ajouter les cassettes</translation>
    </message>
    <message>
        <source>The tape numbers would pass %1.</source>
        <translation>Les numéros de cassette dépasseraient %1.</translation>
    </message>
    <message>
        <source>change the tape</source>
        <translation>modifier la cassette</translation>
    </message>
    <message>
        <source>mark the tape as deleted</source>
        <translation>marquer la cassette comme supprimée</translation>
    </message>
    <message>
        <source>change the tapes</source>
        <translation>modifier les cassettes</translation>
    </message>
    <message>
        <source>change tape %1</source>
        <translation>modifier la cassette %1</translation>
    </message>
</context>
<context>
    <name>CopyRangeDialog</name>
    <message>
        <source>Enter starting copy number:</source>
        <translation>Entrez le premier numéro de copie&#xa0;:</translation>
    </message>
    <message>
        <source>Enter last copy number:</source>
        <translation>Entrez le dernier numéro de copie&#xa0;:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>starting copy number</source>
        <translation>premier numéro de copie</translation>
    </message>
    <message>
        <source>last copy number</source>
        <translation>dernier numéro de copie</translation>
    </message>
</context>
<context>
    <name>InventoryStore</name>
    <message>
        <source>list the stock items</source>
        <translation>afficher la liste des articles</translation>
    </message>
    <message>
        <source>number the new item</source>
        <translation>numéroter le nouvel article</translation>
    </message>
    <message>
        <source>add the item</source>
        <translation>ajouter l&apos;article</translation>
    </message>
    <message>
        <source>change the item</source>
        <translation>modifier l&apos;article</translation>
    </message>
    <message>
        <source>mark the item as deleted</source>
        <translation>marquer l&apos;article comme supprimé</translation>
    </message>
</context>
<context>
    <name>frmInvent</name>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Checkout</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>All Sales</source>
        <translation>Ventes</translation>
    </message>
    <message>
        <source>by Date</source>
        <translation>Par date</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add new</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Inventory Management</source>
        <translation>Gestion de l&apos;inventaire</translation>
    </message>
    <message>
        <source>Inventory ID:</source>
        <translation>Numéro d&apos;article&#xa0;:</translation>
    </message>
    <message>
        <source>Item Name:</source>
        <translation>Nom de l&apos;article&#xa0;:</translation>
    </message>
    <message>
        <source>Price: </source>
        <translation>Prix&#xa0;: </translation>
    </message>
    <message>
        <source>Quantity on hand:</source>
        <translation>Quantité en stock&#xa0;:</translation>
    </message>
    <message>
        <source>Click here to add an all-new inventory item.</source>
        <translation>Cliquez ici pour ajouter un tout nouvel article.</translation>
    </message>
    <message>
        <source>Click on an inventory item in the flexgrid, then here to change it.</source>
        <translation>Cliquez sur un article de la liste, puis ici pour le modifier.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Click on an inventory item in the flexgrid, then here to mark it as deleted.</source>
        <translation>Cliquez sur un article de la liste, puis ici pour le marquer comme supprimé.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Clear Changes</source>
        <translation>Annuler les changements</translation>
    </message>
    <message>
        <source>Inventory ID</source>
        <translation>N° d&apos;article</translation>
    </message>
    <message>
        <source>Item Name</source>
        <translation>Nom de l&apos;article</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Quantity on hand</source>
        <translation>Quantité en stock</translation>
    </message>
    <message>
        <source>Please enter the data on the new product</source>
        <translation>Veuillez entrer les données du nouveau produit</translation>
    </message>
    <message>
        <source>Data entry</source>
        <translation>Saisie des données</translation>
    </message>
    <message>
        <source>Click an item in the list first.</source>
        <translation>Cliquez d&apos;abord sur un article de la liste.</translation>
    </message>
    <message>
        <source>Data editing</source>
        <translation>Modification des données</translation>
    </message>
    <message>
        <source>Please type in your changes</source>
        <translation>Veuillez taper vos changements</translation>
    </message>
    <message>
        <source>Type the item&apos;s name in the Item Name box.</source>
        <translation>Tapez le nom de l&apos;article dans la case Nom de l&apos;article.</translation>
    </message>
    <message>
        <source>price</source>
        <translation>prix</translation>
    </message>
    <message>
        <source>quantity on hand</source>
        <translation>quantité en stock</translation>
    </message>
    <message>
        <source>Item %1 has been marked as deleted meanwhile, so the changes were not stored.</source>
        <translation>L&apos;article %1 a été marqué comme supprimé entre-temps&#xa0;; les changements n&apos;ont donc pas été enregistrés.</translation>
    </message>
    <message>
        <source>Confirm delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Are you sure you want to entirely delete <byte value="xd"/>
 the inventory item &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer entièrement<byte value="xd"/>
l&apos;article «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot edit without a selected entry</source>
        <translation>Impossible de modifier sans article choisi</translation>
    </message>
    <message>
        <source>Invalid option</source>
        <translation>Option non valide</translation>
    </message>
    <message>
        <source>Cannot add while entering data. Save or clear changes</source>
        <translation>Impossible d&apos;ajouter pendant la saisie. Enregistrez ou annulez les changements</translation>
    </message>
    <message>
        <source>That option has not yet been implemented</source>
        <translation>Cette option n&apos;est pas encore offerte</translation>
    </message>
</context>
<context>
    <name>frmPrices</name>
    <message>
        <source>%1 %2 %</source>
        <translation>%1 %2&#xa0;%</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>rental fee %1</source>
        <translation>prix de location %1</translation>
    </message>
    <message>
        <source>rented for %1</source>
        <translation>loué pour %1</translation>
    </message>
    <message>
        <source>late fee %1 a day</source>
        <translation>frais de retard %1 par jour</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>since the store started</source>
        <translation>depuis l&apos;ouverture</translation>
    </message>
    <message>
        <source>replaced by a later change</source>
        <translation>remplacé par un changement ultérieur</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a tax&apos;s rate</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two changes of a price class</comment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Prices and taxes</source>
        <translation>Prix et taxes</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>&amp;Date d&apos;entrée en vigueur&#xa0;:</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <comment>how a day is typed</comment>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>The day the changes take effect: today or later. The boxes show what is in force on that day.</source>
        <translation>Le jour où les changements prennent effet&#xa0;: aujourd&apos;hui ou plus tard. Les cases montrent ce qui est en vigueur ce jour-là.</translation>
    </message>
    <message>
        <source>The boxes show what is charged on that day; change any and save.</source>
        <translation>Les cases montrent ce qui est facturé ce jour-là&#xa0;; modifiez ce qu&apos;il faut et enregistrez.</translation>
    </message>
    <message>
        <source>Price classes</source>
        <translation>Catégories de prix</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Rental fee</source>
        <translation>Prix de location</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Late fee a day</source>
        <translation>Frais de retard par jour</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <translation>Taux (%)</translation>
    </message>
    <message>
        <source>A store with one tax sets the second to 0 %: it is then left off the bill, the receipt and the reports.</source>
        <translation>Un magasin qui n&apos;a qu&apos;une taxe met la deuxième à 0&#xa0;%&#xa0;: elle est alors omise de la facture, du reçu et des rapports.</translation>
    </message>
    <message>
        <source>Every change, by the day it takes effect:</source>
        <translation>Tous les changements, par jour d&apos;entrée en vigueur&#xa0;:</translation>
    </message>
    <message>
        <source>In force from</source>
        <translation>Entrée en vigueur</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Late fee</source>
        <translation>Frais de retard</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Enregistrer les changements</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of days. Type a whole number from 1 to %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre de jours. Tapez un nombre entier de 1 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a rate. Type a percentage from 0 to 100, such as 7 or 9.975.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un taux. Tapez un pourcentage de 0 à 100, par exemple 7 ou 9,975.</translation>
    </message>
    <message>
        <source>Nothing to save: the boxes hold the prices and taxes in force on %1.</source>
        <translation>Rien à enregistrer&#xa0;: les cases contiennent les prix et les taxes en vigueur le %1.</translation>
    </message>
    <message>
        <source>Charge these from %1 on?<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Facturer ces prix à partir du %1&#xa0;?<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The changes have been saved. They are charged from %1 on.</source>
        <translation>Les changements ont été enregistrés. Ils s&apos;appliquent à partir du %1.</translation>
    </message>
    <message>
        <source>Price class %1</source>
        <translation>Catégorie %1</translation>
    </message>
    <message>
        <source>Tax %1</source>
        <translation>Taxe %1</translation>
    </message>
</context>
<context>
    <name>frmRangeDialog</name>
    <message>
        <source>Range dialog</source>
        <translation>Intervalle de copies</translation>
    </message>
</context>
<context>
    <name>frmSaleDialog</name>
    <message>
        <source>Video sale information</source>
        <translation>Mise en vente de cassettes</translation>
    </message>
    <message>
        <source>Enter sale Price:</source>
        <translation>Entrez le prix de vente&#xa0;:</translation>
    </message>
    <message>
        <source>sale price</source>
        <translation>prix de vente</translation>
    </message>
</context>
<context>
    <name>frmVidMn</name>
    <message>
        <source>Tool tape changes</source>
        <translation>Changements de cassettes</translation>
    </message>
    <message>
        <source>1 tape marked for sale at %1</source>
        <translation>1 cassette mise en vente à %1</translation>
    </message>
    <message>
        <source>%1 tapes marked for sale at %2</source>
        <translation>%1 cassettes mises en vente à %2</translation>
    </message>
    <message>
        <source>1 tape marked not for sale</source>
        <translation>1 cassette retirée de la vente</translation>
    </message>
    <message>
        <source>%1 tapes marked not for sale</source>
        <translation>%1 cassettes retirées de la vente</translation>
    </message>
    <message>
        <source>1 tape marked for rent</source>
        <translation>1 cassette mise en location</translation>
    </message>
    <message>
        <source>%1 tapes marked for rent</source>
        <translation>%1 cassettes mises en location</translation>
    </message>
    <message>
        <source>1 tape marked not for rent</source>
        <translation>1 cassette retirée de la location</translation>
    </message>
    <message>
        <source>%1 tapes marked not for rent</source>
        <translation>%1 cassettes retirées de la location</translation>
    </message>
    <message>
        <source>No listed copy lies in that range; nothing was changed.</source>
        <translation>Aucune copie de la liste n&apos;est dans cet intervalle&#xa0;; rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a range tool&apos;s changes</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is out on rental to member %1</source>
        <translation>elle est louée au membre %1</translation>
    </message>
    <message>
        <source>1 of them is out on rental to member %1</source>
        <translation>1 d&apos;entre elles est louée au membre %1</translation>
    </message>
    <message>
        <source>tape %1 to member %2</source>
        <translation>cassette %1 au membre %2</translation>
    </message>
    <message>
        <source>%1 of them are out on rental: %2</source>
        <translation>%1 d&apos;entre elles sont louées&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <comment>the tapes a range tool changed; those of them out on rental</comment>
        <translation>%1&#xa0;; %2.</translation>
    </message>
    <message>
        <source>Video Management</source>
        <translation>Gestion des vidéos</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Mark for sale</source>
        <translation>Mettre en vente</translation>
    </message>
    <message>
        <source>Mark not for sale</source>
        <translation>Retirer de la vente</translation>
    </message>
    <message>
        <source>Mark for rent</source>
        <translation>Mettre en location</translation>
    </message>
    <message>
        <source>Mark not for rent</source>
        <translation>Retirer de la location</translation>
    </message>
    <message>
        <source>Video management center</source>
        <translation>Centre de gestion des vidéos</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Hide Tapes</source>
        <translation>Masquer les cassettes</translation>
    </message>
    <message>
        <source>#</source>
        <comment>title number</comment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>genre</comment>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Acteur</translation>
    </message>
    <message>
        <source>Actress</source>
        <translation>Actrice</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>PC</source>
        <comment>price class</comment>
        <translation>CP</translation>
    </message>
    <message>
        <source>CN</source>
        <comment>copy number</comment>
        <translation>Copie</translation>
    </message>
    <message>
        <source>ID</source>
        <comment>tape number</comment>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>For Rent</source>
        <translation>À louer</translation>
    </message>
    <message>
        <source>For Sale</source>
        <translation>À vendre</translation>
    </message>
    <message>
        <source>In store</source>
        <translation>En magasin</translation>
    </message>
    <message>
        <source>Sale price</source>
        <translation>Prix de vente</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>This flexgrid shows the tape copies of the movie selected above</source>
        <translation>Cette liste montre les copies du film choisi ci-dessus</translation>
    </message>
    <message>
        <source>F/Rent</source>
        <comment>for rent</comment>
        <translation>À louer</translation>
    </message>
    <message>
        <source>F/Sale</source>
        <comment>for sale</comment>
        <translation>À vendre</translation>
    </message>
    <message>
        <source>InStore</source>
        <comment>in the store</comment>
        <translation>En magasin</translation>
    </message>
    <message>
        <source>Sale Price:</source>
        <translation>Prix de vente&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the sale price here</source>
        <translation>Entrez le prix de vente ici</translation>
    </message>
    <message>
        <source>Add Tapes</source>
        <translation>Ajouter des cassettes</translation>
    </message>
    <message>
        <source>Click here to add more copies of this movie</source>
        <translation>Cliquez ici pour ajouter des copies de ce film</translation>
    </message>
    <message>
        <source>Change Tape</source>
        <translation>Modifier la cassette</translation>
    </message>
    <message>
        <source>Click here to edit the details of a specific tape from the flexgrid</source>
        <translation>Cliquez ici pour modifier les détails d&apos;une cassette de la liste</translation>
    </message>
    <message>
        <source>Delete Tape</source>
        <translation>Supprimer la cassette</translation>
    </message>
    <message>
        <source>Click here to mark a tape as deleted</source>
        <translation>Cliquez ici pour marquer une cassette comme supprimée</translation>
    </message>
    <message>
        <source>Tools...</source>
        <translation>Outils...</translation>
    </message>
    <message>
        <source>Click here to adjust sale or rental properties for a range of tapes</source>
        <translation>Cliquez ici pour changer la vente ou la location d&apos;un intervalle de cassettes</translation>
    </message>
    <message>
        <source>Show Tapes</source>
        <translation>Afficher les cassettes</translation>
    </message>
    <message>
        <source>How many tapes of %1 are being added?</source>
        <translation>Combien de cassettes de %1 ajoutez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Tape Add</source>
        <translation>Ajout de cassettes</translation>
    </message>
    <message>
        <source>number of tapes</source>
        <translation>nombre de cassettes</translation>
    </message>
    <message>
        <source>At most %1 tapes can be added at once.</source>
        <translation>On peut ajouter au plus %1 cassettes à la fois.</translation>
    </message>
    <message>
        <source>This movie has been marked as deleted, so no tapes were added.</source>
        <translation>Ce film a été marqué comme supprimé&#xa0;; aucune cassette n&apos;a donc été ajoutée.</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Click a tape in the list first.</source>
        <translation>Cliquez d&apos;abord sur une cassette de la liste.</translation>
    </message>
    <message>
        <source>Tape details</source>
        <translation>Détails de la cassette</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter the tape details</source>
        <translation>Veuillez entrer les détails de la cassette</translation>
    </message>
    <message>
        <source>Tape %1 is out on rental. It is marked in the store when it is returned.</source>
        <translation>La cassette %1 est en location. Elle sera marquée en magasin à son retour.</translation>
    </message>
    <message>
        <source>Tape %1 has been marked as deleted meanwhile, so the changes were not stored.</source>
        <translation>La cassette %1 a été marquée comme supprimée entre-temps&#xa0;; les changements n&apos;ont donc pas été enregistrés.</translation>
    </message>
    <message>
        <source>sale price</source>
        <translation>prix de vente</translation>
    </message>
    <message>
        <source>Are you sure you want to delete video %1?</source>
        <translation>Voulez-vous vraiment supprimer la cassette %1&#xa0;?</translation>
    </message>
    <message>
        <source>Tape %1 is out on rental. It can be marked as deleted once it is back.</source>
        <translation>La cassette %1 est en location. Elle pourra être marquée comme supprimée à son retour.</translation>
    </message>
    <message>
        <source>This flexgrid lists movie titles in the database</source>
        <translation>Cette liste montre les titres de films de la base de données</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <comment>genre</comment>
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
        <source>Rating:</source>
        <translation>Cote&#xa0;:</translation>
    </message>
    <message>
        <source>G, PG-13, R, or NC-17 etc...</source>
        <translation>G, 13+, 16+ ou 18+, etc.</translation>
    </message>
    <message>
        <source>PC:</source>
        <comment>price class</comment>
        <translation>CP&#xa0;:</translation>
    </message>
    <message>
        <source>1 = new release, 2 = regular, 3 = discount or specialty</source>
        <translation>1 = nouveauté, 2 = régulier, 3 = rabais ou spécialité</translation>
    </message>
    <message>
        <source>Add Movie</source>
        <translation>Ajouter un film</translation>
    </message>
    <message>
        <source>Click here to enter a new movie</source>
        <translation>Cliquez ici pour entrer un nouveau film</translation>
    </message>
    <message>
        <source>Edit Details</source>
        <translation>Modifier le film</translation>
    </message>
    <message>
        <source>Click here to edit the details of an existing movie.</source>
        <translation>Cliquez ici pour modifier les détails d&apos;un film existant.</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Supprimer le film</translation>
    </message>
    <message>
        <source>Click here to show the tapes of a given movie</source>
        <translation>Cliquez ici pour afficher les cassettes d&apos;un film</translation>
    </message>
    <message>
        <source>Please enter the details for the new movie</source>
        <translation>Veuillez entrer les détails du nouveau film</translation>
    </message>
    <message>
        <source>Data entry</source>
        <translation>Saisie des données</translation>
    </message>
    <message>
        <source>This movie has been marked as deleted meanwhile, so the changes were not stored.</source>
        <translation>Ce film a été marqué comme supprimé entre-temps&#xa0;; les changements n&apos;ont donc pas été enregistrés.</translation>
    </message>
    <message>
        <source>Type the movie&apos;s name in the Name box.</source>
        <translation>Tapez le nom du film dans la case Nom.</translation>
    </message>
    <message>
        <source>Choose the movie&apos;s price class in the PC box: 1 = new release, 2 = regular, 3 = discount or specialty.</source>
        <translation>Choisissez la catégorie de prix du film dans la case CP&#xa0;: 1 = nouveauté, 2 = régulier, 3 = rabais ou spécialité.</translation>
    </message>
    <message>
        <source>Click a movie in the list first.</source>
        <translation>Cliquez d&apos;abord sur un film de la liste.</translation>
    </message>
    <message>
        <source>Enter your changes</source>
        <translation>Entrez vos changements</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the movie<byte value="xd"/>
%1?</source>
        <translation>Voulez-vous vraiment supprimer le film<byte value="xd"/>
%1&#xa0;?</translation>
    </message>
    <message>
        <source>%1 tape of %2 is out on rental. The movie can be marked as deleted once it is back.</source>
        <translation>%1 cassette de %2 est en location. Le film pourra être marqué comme supprimé à son retour.</translation>
    </message>
    <message>
        <source>%1 tapes of %2 are out on rental. The movie can be marked as deleted once they are all back.</source>
        <translation>%1 cassettes de %2 sont en location. Le film pourra être marqué comme supprimé quand elles seront toutes revenues.</translation>
    </message>
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
