<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>Backup</name>
    <message>
        <source>Another restore of %1 is under way.</source>
        <translation>Une autre restauration de %1 est en cours.</translation>
    </message>
</context>
<context>
    <name>DbError</name>
    <message>
        <source>%1, so the store database could not %2. Nothing of it was saved; what was entered is still in the window (a checkout stays in the bill).<byte value="xd"/>
<byte value="xd"/>
The store must be closed everywhere and opened again: close this program and every other program using the store, then start the program again and save it once more. Until then this program saves nothing.</source>
        <translation>%1; la base de données du magasin n&apos;a donc pas pu %2. Rien n&apos;en a été enregistré; ce qui a été saisi est toujours dans la fenêtre (une vente reste sur la facture).<byte value="xd"/>
<byte value="xd"/>
Le magasin doit être fermé partout, puis rouvert&#xa0;: fermez ce programme et tout autre programme qui utilise le magasin, puis relancez le programme et enregistrez de nouveau. D&apos;ici là, ce programme n&apos;enregistre plus rien.</translation>
    </message>
    <message>
        <source>The store&apos;s database server was still restarting or recovering after %1 seconds, so the store database could not %2. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Try again in a moment.<byte value="xd"/>
<byte value="xd"/>
The server said: %3</source>
        <translation>Le serveur de base de données du magasin redémarrait ou se rétablissait encore après %1 secondes&#xa0;; la base de données du magasin n&apos;a donc pas pu %2. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Réessayez dans un moment.<byte value="xd"/>
<byte value="xd"/>
Le serveur a répondu&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: the store&apos;s database server cannot be reached (%2).<byte value="xd"/>
<byte value="xd"/>
Check that the server PC is on and connected, then try again.</source>
        <translation>%1&#xa0;: le serveur de base de données du magasin est injoignable (%2).<byte value="xd"/>
<byte value="xd"/>
Vérifiez que l&apos;ordinateur serveur est allumé et branché au réseau, puis réessayez.</translation>
    </message>
    <message>
        <source>%1: the store&apos;s database server was still restarting or recovering after %2 seconds (the server said: %3).<byte value="xd"/>
<byte value="xd"/>
Try again in a moment.</source>
        <translation>%1&#xa0;: le serveur de base de données du magasin redémarrait ou se rétablissait encore après %2 secondes (le serveur a répondu&#xa0;: %3).<byte value="xd"/>
<byte value="xd"/>
Réessayez dans un moment.</translation>
    </message>
</context>
<context>
    <name>Destination</name>
    <message>
        <source>Video Management form</source>
        <translation>Gestion des vidéos</translation>
    </message>
    <message>
        <source>Inventory Management Form</source>
        <translation>Gestion de l&apos;inventaire</translation>
    </message>
    <message>
        <source>Customer modification form</source>
        <translation>Modification d&apos;un client</translation>
    </message>
    <message>
        <source>Customer delete form</source>
        <translation>Suppression d&apos;un client</translation>
    </message>
    <message>
        <source>Report listing all movies</source>
        <translation>Rapport de tous les films</translation>
    </message>
    <message>
        <source>Report listing selected movies</source>
        <translation>Rapport des films d&apos;un genre</translation>
    </message>
    <message>
        <source>Report listing all customers</source>
        <translation>Rapport de tous les clients</translation>
    </message>
    <message>
        <source>Report listing customers by Date</source>
        <translation>Rapport des clients par date</translation>
    </message>
    <message>
        <source>Report listing all sales</source>
        <translation>Rapport de toutes les ventes</translation>
    </message>
    <message>
        <source>Report of rental revenues</source>
        <translation>Rapport des revenus de location</translation>
    </message>
    <message>
        <source>Manager code change</source>
        <translation>Changement du code du gérant</translation>
    </message>
    <message>
        <source>Day End report</source>
        <translation>Rapport de fin de journée</translation>
    </message>
    <message>
        <source>Cash Up form</source>
        <translation>Comptage de la caisse</translation>
    </message>
    <message>
        <source>Prices and taxes form</source>
        <translation>Prix et taxes</translation>
    </message>
    <message>
        <source>Store details form</source>
        <translation>Renseignements sur le magasin</translation>
    </message>
    <message>
        <source>Overdue call list</source>
        <translation>Liste d&apos;appels pour les retards</translation>
    </message>
    <message>
        <source>Overdue letters</source>
        <translation>Lettres de retard</translation>
    </message>
    <message>
        <source>Taxes report</source>
        <translation>Rapport des taxes</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Sci-Fi</source>
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
        <source>Horror &amp; Thriller</source>
        <translation>Horreur et suspense</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>not recorded</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>VISA</source>
        <translation>VISA</translation>
    </message>
    <message>
        <source>MasterCard</source>
        <translation>MasterCard</translation>
    </message>
    <message>
        <source>American Express</source>
        <translation>American Express</translation>
    </message>
    <message>
        <source>Sears card</source>
        <translation>Carte Sears</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Comptant</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>&quot;%1&quot; is more than %2, the largest amount the program takes.</source>
        <translation>« %1 » dépasse %2, le plus grand montant que le programme accepte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than two decimals. Amounts are in dollars and cents, such as 24.99.</source>
        <translation>« %1 » a plus de deux décimales. Les montants sont en dollars et en cents, par exemple 24,99.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money.</source>
        <translation>« %1 » n&apos;est pas un montant d&apos;argent.</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>another copy to %1 is under way.</source>
        <translation>une autre copie vers %1 est en cours.</translation>
    </message>
</context>
<context>
    <name>Tax</name>
    <message>
        <source>GST</source>
        <extracomment>The federal goods and services tax, as a store starts with it.</extracomment>
        <translation>TPS</translation>
    </message>
    <message>
        <source>PST</source>
        <extracomment>The provincial sales tax, as a store starts with it.</extracomment>
        <translation>TVP</translation>
    </message>
    <message>
        <source>%1 @ %2%</source>
        <extracomment>A tax and its rate, as the bill and the receipt show them: &quot;GST @ 7%&quot;.</extracomment>
        <translation>%1 %2&#xa0;%</translation>
    </message>
</context>
<context>
    <name>WorkingFiles</name>
    <message>
        <source>The store&apos;s working file &quot;%1&quot; was removed or replaced by another program while this one was using it</source>
        <translation>Le fichier de travail «&#xa0;%1&#xa0;» du magasin a été supprimé ou remplacé par un autre programme pendant que celui-ci l&apos;utilisait</translation>
    </message>
</context>
</TS>
