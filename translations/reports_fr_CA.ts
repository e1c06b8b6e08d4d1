<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>DayEnd</name>
    <message>
        <source>Seal: %1</source>
        <translation>Sceau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checkout</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Fee payment</source>
        <translation>Paiement de frais</translation>
    </message>
    <message>
        <source>Fee charged</source>
        <translation>Frais imputés</translation>
    </message>
    <message>
        <source>Cash-up of %1: float %2, expected %3</source>
        <translation>Comptage de %1&#xa0;: fonds %2, attendu %3</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>membre %1</translation>
    </message>
    <message>
        <source>tape %1</source>
        <translation>cassette %1</translation>
    </message>
    <message>
        <source>rental %1</source>
        <translation>location %1</translation>
    </message>
    <message>
        <source>receipt %1</source>
        <translation>reçu %1</translation>
    </message>
    <message>
        <source>%1 days late</source>
        <translation>%1 jours de retard</translation>
    </message>
    <message>
        <source>Cash %1, change %2</source>
        <translation>Comptant %1, monnaie %2</translation>
    </message>
    <message>
        <source>The payments ledger starts on %1; business before that day is not in this report.</source>
        <translation>Le registre des paiements commence le %1&#xa0;; les affaires d&apos;avant ce jour ne sont pas dans ce rapport.</translation>
    </message>
    <message>
        <source>run the report Day End</source>
        <translation>produire le rapport de fin de journée</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Checkouts by payment method</source>
        <translation>Passages à la caisse par mode de paiement</translation>
    </message>
    <message>
        <source>All checkouts</source>
        <translation>Tous les passages à la caisse</translation>
    </message>
    <message>
        <source>Sales and taxes</source>
        <translation>Ventes et taxes</translation>
    </message>
    <message>
        <source>Tapes rented</source>
        <translation>Cassettes louées</translation>
    </message>
    <message>
        <source>Tapes sold</source>
        <translation>Cassettes vendues</translation>
    </message>
    <message>
        <source>Items sold</source>
        <translation>Articles vendus</translation>
    </message>
    <message>
        <source>Fees paid with a checkout</source>
        <translation>Frais payés lors d&apos;un passage à la caisse</translation>
    </message>
    <message>
        <source>SubTotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>%1 collected</source>
        <translation>%1 perçue</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Late fees</source>
        <translation>Frais de retard</translation>
    </message>
    <message>
        <source>Charged at returns</source>
        <translation>Imputés aux retours</translation>
    </message>
    <message>
        <source>Paid with a checkout</source>
        <translation>Payés lors d&apos;un passage à la caisse</translation>
    </message>
    <message>
        <source>Paid at Payments</source>
        <translation>Payés aux Paiements</translation>
    </message>
    <message>
        <source>Collected in all</source>
        <translation>Perçus en tout</translation>
    </message>
    <message>
        <source>Cash drawer of %1</source>
        <translation>Tiroir-caisse de %1</translation>
    </message>
    <message>
        <source>Opening float</source>
        <translation>Fonds de caisse</translation>
    </message>
    <message>
        <source>Opening float (no cash-up yet)</source>
        <translation>Fonds de caisse (pas encore de comptage)</translation>
    </message>
    <message>
        <source>Cash taken at checkouts</source>
        <translation>Comptant reçu à la caisse</translation>
    </message>
    <message>
        <source>Change given</source>
        <translation>Monnaie rendue</translation>
    </message>
    <message>
        <source>Fee payments in cash</source>
        <translation>Frais payés comptant</translation>
    </message>
    <message>
        <source>Should be in the drawer</source>
        <translation>Devrait être dans le tiroir</translation>
    </message>
    <message>
        <source>Counted at %1</source>
        <translation>Compté à %1</translation>
    </message>
    <message>
        <source>%1 at %2, against %3</source>
        <translation>%1 à %2, contre %3</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Manque</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Surplus</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Seal of the day</source>
        <translation>Sceau du jour</translation>
    </message>
    <message>
        <source>Every entry of the day</source>
        <translation>Toutes les inscriptions du jour</translation>
    </message>
    <message>
        <source>run the report Taxes</source>
        <translation>produire le rapport des taxes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 au %2</translation>
    </message>
</context>
<context>
    <name>ReportCommandLine</name>
    <message>
        <source>1 row</source>
        <translation>1 rangée</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 rangées</translation>
    </message>
    <message>
        <source>%1: %2 written to %3</source>
        <translation>%1&#xa0;: %2 dans %3</translation>
    </message>
    <message>
        <source>%1: %2 written to %3; no wait is in force at the gate</source>
        <translation>%1&#xa0;: %2 dans %3&#xa0;; aucune attente n&apos;est imposée au contrôle d&apos;accès</translation>
    </message>
    <message>
        <source>%1: %2 written to %3; after %4 wrong codes in a row the gate makes the next try wait %5</source>
        <translation>%1&#xa0;: %2 dans %3&#xa0;; après %4 codes erronés de suite, le contrôle d&apos;accès fait attendre l&apos;essai suivant encore %5</translation>
    </message>
    <message>
        <source>1 more second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 more seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a report. The reports are: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un rapport. Les rapports sont&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Give the file to write as either --pdf FILE or --csv FILE.</source>
        <translation>Donnez le fichier à écrire avec --pdf FICHIER ou --csv FICHIER.</translation>
    </message>
    <message>
        <source>The overdue letters are written as a PDF: give --pdf FILE.</source>
        <translation>Les lettres de retard s&apos;écrivent en PDF&#xa0;: donnez --pdf FICHIER.</translation>
    </message>
    <message>
        <source>Select A Movie By Type: give --genre as 1 to 5 or one of %1.</source>
        <translation>Films par genre&#xa0;: donnez --genre de 1 à 5 ou l&apos;un de ces genres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Customers by Date lists the customers who bought something between two days: give the first day of their receipts as --from yyyy-mm-dd.</source>
        <translation>Clients par date donne les clients qui ont acheté entre deux jours&#xa0;: donnez le premier jour de leurs reçus avec --from aaaa-mm-jj.</translation>
    </message>
    <message>
        <source>Customers by Date lists the customers who bought something between two days: give the last day of their receipts as --to yyyy-mm-dd.</source>
        <translation>Clients par date donne les clients qui ont acheté entre deux jours&#xa0;: donnez le dernier jour de leurs reçus avec --to aaaa-mm-jj.</translation>
    </message>
    <message>
        <source>Give the first and the last day of the period as --from yyyy-mm-dd --to yyyy-mm-dd.</source>
        <translation>Donnez le premier et le dernier jour de la période avec --from aaaa-mm-jj --to aaaa-mm-jj.</translation>
    </message>
    <message>
        <source>The first day of the period is after the last. Give --from on or before --to.</source>
        <translation>Le premier jour de la période vient après le dernier. Donnez un --from égal ou antérieur au --to.</translation>
    </message>
    <message>
        <source>Give the day as --date yyyy-mm-dd.</source>
        <translation>Donnez le jour avec --date aaaa-mm-jj.</translation>
    </message>
    <message>
        <source>The store %1 cannot be used: %2</source>
        <translation>Le magasin %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 already exists; the report was not written. Add --force to replace it.</source>
        <translation>%1 existe déjà&#xa0;; le rapport n&apos;a pas été écrit. Ajoutez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>Overdue letters: 1 letter written to %1</source>
        <translation>Lettres de retard&#xa0;: 1 lettre écrite dans %1</translation>
    </message>
    <message>
        <source>Overdue letters: %1 letters written to %2</source>
        <translation>Lettres de retard&#xa0;: %1 lettres écrites dans %2</translation>
    </message>
    <message>
        <source>The store database could not %1.
%2</source>
        <translation>La base de données du magasin n&apos;a pas pu %1.
%2</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 de %2</translation>
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
    <message>
        <source>SubTotal:</source>
        <translation>Sous-total&#xa0;:</translation>
    </message>
    <message>
        <source>GST:</source>
        <translation>TPS&#xa0;:</translation>
    </message>
    <message>
        <source>PST:</source>
        <translation>TVP&#xa0;:</translation>
    </message>
    <message>
        <source>TOTAL:</source>
        <translation>TOTAL&#xa0;:</translation>
    </message>
    <message>
        <source>List Of All Movies</source>
        <translation>Liste de tous les films</translation>
    </message>
    <message>
        <source>LIST OF ALL MOVIES</source>
        <translation>TOUS LES FILMS</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>     ID Number</source>
        <translation>Numéro</translation>
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
        <source>ListOfMoviesByType</source>
        <translation>Films par genre</translation>
    </message>
    <message>
        <source>List Of Movies By Type</source>
        <translation>Liste des films par genre</translation>
    </message>
    <message>
        <source>Movie ID Number:</source>
        <translation>Numéro du film&#xa0;:</translation>
    </message>
    <message>
        <source>Rated:</source>
        <translation>Cote&#xa0;:</translation>
    </message>
    <message>
        <source>Customer List</source>
        <translation>Liste des clients</translation>
    </message>
    <message>
        <source>CUSTOMER LIST</source>
        <translation>LISTE DES CLIENTS</translation>
    </message>
    <message>
        <source>Customer          No.</source>
        <translation>Numéro de client</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Fees Owing</source>
        <translation>Frais dus</translation>
    </message>
    <message>
        <source>Customers by Date</source>
        <translation>Clients par date</translation>
    </message>
    <message>
        <source>Customers By Date</source>
        <translation>Clients par date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Numéro de client</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Rental Revenue</source>
        <translation>Revenus de location</translation>
    </message>
    <message>
        <source>RENTAL REVENUE$</source>
        <translation>REVENUS DE LOCATION</translation>
    </message>
    <message>
        <source>Receipt Number</source>
        <translation>Numéro de reçu</translation>
    </message>
    <message>
        <source>             Date</source>
        <translation>             Date</translation>
    </message>
    <message>
        <source>Movie Name</source>
        <translation>Titre du film</translation>
    </message>
    <message>
        <source>Video ID</source>
        <translation>Cassette</translation>
    </message>
    <message>
        <source>Customer&apos;s ID Number</source>
        <translation>Numéro du client</translation>
    </message>
    <message>
        <source>Rental Price</source>
        <translation>Prix de location</translation>
    </message>
    <message>
        <source>Sales Report</source>
        <translation>Rapport des ventes</translation>
    </message>
    <message>
        <source>SALES</source>
        <translation>VENTES</translation>
    </message>
    <message>
        <source>Invoice Number</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Item Name</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Quantity Purchased</source>
        <translation>Quantité achetée</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Sale</source>
        <translation>Vente</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>TAXES COLLECTED</source>
        <translation>TAXES PERÇUES</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Checkouts</source>
        <translation>Passages</translation>
    </message>
    <message>
        <source>SubTotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>GST</source>
        <translation>TPS</translation>
    </message>
    <message>
        <source>PST</source>
        <translation>TVP</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Overdue on %1</source>
        <translation>En retard le %1</translation>
    </message>
    <message>
        <source>Overdue Call List</source>
        <translation>Liste d&apos;appels pour les retards</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cass.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Days late</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Fee so far</source>
        <translation>Frais à ce jour</translation>
    </message>
    <message>
        <source>Gate Log</source>
        <translation>Journal des accès</translation>
    </message>
    <message>
        <source>SECURITY GATE LOG</source>
        <translation>JOURNAL DES ACCÈS</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Prices and Taxes</source>
        <translation>Prix et taxes</translation>
    </message>
    <message>
        <source>PRICES AND TAXES</source>
        <translation>PRIX ET TAXES</translation>
    </message>
    <message>
        <source>In force from</source>
        <translation>En vigueur le</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>What a line of the day&apos;s report counts or tells.</extracomment>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Rental fee</source>
        <translation>Tarif</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Late fee a day</source>
        <translation>Retard par jour</translation>
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
        <source>DAY END %1</source>
        <translation>FIN DE JOURNÉE %1</translation>
    </message>
    <message>
        <source>Day End</source>
        <translation>Fin de journée</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
<context>
    <name>ReportPageView</name>
    <message>
        <source>This page could not be read from the store database.</source>
        <translation>Cette page n&apos;a pas pu être lue dans la base de données du magasin.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Page width</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A zoom of the page, as 50% or 200%.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Save the report as a PDF file</source>
        <translation>Enregistrer le rapport dans un fichier PDF</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Enregistrer en &amp;CSV...</translation>
    </message>
    <message>
        <source>Save the report&apos;s rows for a spreadsheet</source>
        <translation>Enregistrer les rangées du rapport pour un tableur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the page number box: &quot;of 20&quot; pages.</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save as %1</source>
        <translation>Enregistrer en %1</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Impression de la page %1 de %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Écriture de la page %1 de %2</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Le rapport n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>ReportStore</name>
    <message>
        <source>since the store started</source>
        <translation>depuis l&apos;ouverture</translation>
    </message>
    <message>
        <source>Tape %1: %2</source>
        <translation>Cassette %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>(command line)</source>
        <translation>(ligne de commande)</translation>
    </message>
    <message>
        <source>Price class %1</source>
        <translation>Catégorie %1</translation>
    </message>
    <message>
        <source>Tax %1</source>
        <translation>Taxe %1</translation>
    </message>
    <message>
        <source>replaced before its day by a later change</source>
        <translation>remplacé avant son jour par une modification ultérieure</translation>
    </message>
    <message>
        <source>as the store started</source>
        <translation>à l&apos;ouverture du magasin</translation>
    </message>
    <message>
        <source>%1 could not be written: the store database could not %2 (%3).</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: la base de données du magasin n&apos;a pas pu %2 (%3).</translation>
    </message>
    <message>
        <source>run the report %1</source>
        <extracomment>What could not be done when the store fails a report: &quot;run the report CustomerList&quot;.</extracomment>
        <translation>produire le rapport %1</translation>
    </message>
</context>
<context>
    <name>frmCashUp</name>
    <message>
        <source>$%1</source>
        <translation>%1&#xa0;$</translation>
    </message>
    <message>
        <source>%1¢</source>
        <translation>%1&#xa0;¢</translation>
    </message>
    <message>
        <source>Short by %1</source>
        <translation>Il manque %1</translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation>Surplus de %1</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Cash Up</source>
        <translation>Comptage de la caisse</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <extracomment>The form of a date: year, month, day.</extracomment>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>C&amp;ounter:</source>
        <translation>C&amp;aisse&#xa0;:</translation>
    </message>
    <message>
        <source>The counter whose drawer is counted: this one unless changed.</source>
        <translation>La caisse dont le tiroir est compté&#xa0;: celle-ci, sauf si vous la changez.</translation>
    </message>
    <message>
        <source>The count</source>
        <translation>Le comptage</translation>
    </message>
    <message>
        <source>Opening &amp;float:</source>
        <translation>&amp;Fonds de caisse&#xa0;:</translation>
    </message>
    <message>
        <source>The cash the drawer started the day with.</source>
        <translation>L&apos;argent avec lequel le tiroir a commencé la journée.</translation>
    </message>
    <message>
        <source>Cash &amp;counted:</source>
        <translation>Argent &amp;compté&#xa0;:</translation>
    </message>
    <message>
        <source>All the cash in the drawer now, the float included.</source>
        <translation>Tout l&apos;argent du tiroir maintenant, fonds de caisse compris.</translation>
    </message>
    <message>
        <source>Count &amp;by denomination</source>
        <translation>Compter par cou&amp;pure</translation>
    </message>
    <message>
        <source>%1 ×</source>
        <translation>%1&#xa0;×</translation>
    </message>
    <message>
        <source>What the ledger says</source>
        <translation>Selon le registre des paiements</translation>
    </message>
    <message>
        <source>Cash taken at checkouts:</source>
        <translation>Comptant reçu à la caisse&#xa0;:</translation>
    </message>
    <message>
        <source>Change given:</source>
        <translation>Monnaie rendue&#xa0;:</translation>
    </message>
    <message>
        <source>Fee payments in cash:</source>
        <translation>Frais payés comptant&#xa0;:</translation>
    </message>
    <message>
        <source>Should be in the drawer:</source>
        <translation>Devrait être dans le tiroir&#xa0;:</translation>
    </message>
    <message>
        <source>Difference:</source>
        <translation>Écart&#xa0;:</translation>
    </message>
    <message>
        <source>Counts recorded for this day:</source>
        <translation>Comptages enregistrés pour ce jour&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Record Count</source>
        <translation>&amp;Enregistrer le comptage</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>%1  float %2  counted %3  should be %4  %5</source>
        <translation>%1  fonds %2  compté %3  attendu %4  %5</translation>
    </message>
    <message>
        <source>Type the opening float as an amount, such as 150.00.</source>
        <translation>Tapez le fonds de caisse comme un montant, par exemple 150,00.</translation>
    </message>
    <message>
        <source>Type the cash counted as an amount, and each count by denomination as a whole number.</source>
        <translation>Tapez l&apos;argent compté comme un montant, et le nombre de chaque coupure comme un nombre entier.</translation>
    </message>
    <message>
        <source>Enter the name of the counter whose drawer was counted.</source>
        <translation>Entrez le nom de la caisse dont le tiroir a été compté.</translation>
    </message>
    <message>
        <source>opening float</source>
        <translation>fonds de caisse</translation>
    </message>
    <message>
        <source>Enter each count by denomination as a whole number of bills or coins (or leave it empty for none).</source>
        <translation>Entrez le nombre de chaque coupure comme un nombre entier de billets ou de pièces (ou laissez-le vide s&apos;il n&apos;y en a aucun).</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>Nombre non valide</translation>
    </message>
    <message>
        <source>cash counted</source>
        <translation>argent compté</translation>
    </message>
    <message>
        <source>Record a count of %1 in the drawer of %2 for %3?<byte value="xd"/>
It should hold %4: %5.</source>
        <translation>Enregistrer un comptage de %1 dans le tiroir de %2 pour le %3&#xa0;?<byte value="xd"/>
Il devrait contenir %4&#xa0;: %5.</translation>
    </message>
    <message>
        <source>The count has been recorded.</source>
        <translation>Le comptage a été enregistré.</translation>
    </message>
</context>
<context>
    <name>frmCustomersByDate</name>
    <message>
        <source>Taxes</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Customers By Date</source>
        <translation>Clients par date</translation>
    </message>
    <message>
        <source>Taxes Collected</source>
        <translation>Taxes perçues</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>Search Dates:</source>
        <translation>Dates de recherche&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the first day:</source>
        <translation>Entrez le premier jour&#xa0;:</translation>
    </message>
    <message>
        <source>Enter Beginning Date (Sales Date):</source>
        <translation>Date de début (date de vente)&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the last day:</source>
        <translation>Entrez le dernier jour&#xa0;:</translation>
    </message>
    <message>
        <source>Enter Ending Date (Sales Date):</source>
        <translation>Date de fin (date de vente)&#xa0;:</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <extracomment>The form of a date: year, month, day.</extracomment>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>&amp;Show Report</source>
        <translation>&amp;Afficher le rapport</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>The beginning date is after the ending date. Enter a beginning date on or before the ending date.</source>
        <translation>La date de début vient après la date de fin. Entrez une date de début égale ou antérieure à la date de fin.</translation>
    </message>
</context>
<context>
    <name>frmDayEnd</name>
    <message>
        <source>Day End</source>
        <translation>Fin de journée</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Jour&#xa0;:</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <extracomment>The form of a date: year, month, day.</extracomment>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>&amp;Show Report</source>
        <translation>&amp;Afficher le rapport</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>frmMovieByType</name>
    <message>
        <source>Movie By Type</source>
        <translation>Films par genre</translation>
    </message>
    <message>
        <source>Select A Movie By Type:</source>
        <translation>Choisissez un genre de film&#xa0;:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Sci-fi</source>
        <translation>Science-fiction</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Drame</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Comédie</translation>
    </message>
    <message>
        <source>Horror &amp;&amp; Thriller</source>
        <translation>Horreur et suspense</translation>
    </message>
    <message>
        <source>&amp;Show Report</source>
        <translation>&amp;Afficher le rapport</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
</TS>
