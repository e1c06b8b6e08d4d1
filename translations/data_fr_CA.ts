<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>Backup</name>
    <message>
        <source>Another restore of %1 is under way.</source>
        <translation>Une autre restauration de %1 est en cours.</translation>
    </message>
    <message>
        <source>the database engine gave no reason (code %1)</source>
        <translation>le moteur de base de données n&apos;a donné aucune raison (code %1)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The copy failed its check: %1</source>
        <translation>La copie n&apos;a pas passé sa vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 members, %2 rentals, %3 receipts</source>
        <translation>%1 membres, %2 locations, %3 reçus</translation>
    </message>
    <message>
        <source>The store %1 cannot be backed up: %2</source>
        <translation>Le magasin %1 ne peut pas être copié&#xa0;: %2</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Le dossier de %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The backup was not written: %1</source>
        <translation>La copie de sauvegarde n&apos;a pas été écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 already exists; the backup was not written. Give a new file name.</source>
        <translation>%1 existe déjà&#xa0;; la copie de sauvegarde n&apos;a pas été écrite. Donnez un nouveau nom de fichier.</translation>
    </message>
    <message>
        <source>The backup of %1 failed: %2</source>
        <translation>La copie de sauvegarde de %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>Backed up the store %1 to %2 (%3).</source>
        <translation>Copie de sauvegarde du magasin %1 faite dans %2 (%3).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Restore refused: %1</source>
        <translation>Restauration refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is the store itself.</source>
        <translation>%1 est le magasin lui-même.</translation>
    </message>
    <message>
        <source>the store %1 is open in a running Video Store program. Close every copy of the program, then restore again.</source>
        <translation>le magasin %1 est ouvert dans un programme Video Store en marche. Fermez chaque copie du programme, puis restaurez de nouveau.</translation>
    </message>
    <message>
        <source>the store %1 cannot be opened.</source>
        <translation>le magasin %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>%1 is not a store this program can use. %2</source>
        <translation>%1 n&apos;est pas un magasin que ce programme peut utiliser. %2</translation>
    </message>
    <message>
        <source>the folder of the store %1 cannot be made.</source>
        <translation>le dossier du magasin %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 The store is as it was.</source>
        <translation>%1 Le magasin est resté tel quel.</translation>
    </message>
    <message>
        <source>The copy of %1 failed its check: %2</source>
        <translation>La copie de %1 n&apos;a pas passé sa vérification&#xa0;: %2</translation>
    </message>
    <message>
        <source>A store appeared at %1 while restoring (a program was started on it).</source>
        <translation>Un magasin est apparu à %1 pendant la restauration (un programme a été lancé dessus).</translation>
    </message>
    <message>
        <source>Restored %1 as the store %2.</source>
        <translation>%1 restauré comme magasin %2.</translation>
    </message>
    <message>
        <source>The working file %1 of the store could not be kept.</source>
        <translation>Le fichier de travail %1 du magasin n&apos;a pas pu être conservé.</translation>
    </message>
    <message>
        <source>Restored %1 as the store %2; the replaced store is kept as %3.</source>
        <translation>%1 restauré comme magasin %2&#xa0;; le magasin remplacé est conservé sous %3.</translation>
    </message>
</context>
<context>
    <name>Chain</name>
    <message>
        <source>price class %1 (%2)</source>
        <translation>catégorie de prix %1 (%2)</translation>
    </message>
    <message>
        <source>tax %1 (%2)</source>
        <translation>taxe %1 (%2)</translation>
    </message>
    <message>
        <source>ledger entry</source>
        <translation>écriture du registre</translation>
    </message>
    <message>
        <source>ledger entries</source>
        <translation>écritures du registre</translation>
    </message>
    <message>
        <source>gate entry</source>
        <translation>entrée d&apos;accès</translation>
    </message>
    <message>
        <source>gate entries</source>
        <translation>entrées d&apos;accès</translation>
    </message>
    <message>
        <source>price change</source>
        <translation>changement de prix</translation>
    </message>
    <message>
        <source>price changes</source>
        <translation>changements de prix</translation>
    </message>
    <message>
        <source>entry %1, %2 at %3</source>
        <translation>entrée %1, %2 à %3</translation>
    </message>
    <message>
        <source>change %1, %2 from %3</source>
        <translation>changement %1, %2 à partir du %3</translation>
    </message>
    <message>
        <source>checkout</source>
        <translation>vente</translation>
    </message>
    <message>
        <source>payment</source>
        <translation>paiement</translation>
    </message>
    <message>
        <source>late fee</source>
        <translation>frais de retard</translation>
    </message>
    <message>
        <source>cash-up</source>
        <translation>comptage de la caisse</translation>
    </message>
    <message>
        <source>entry %1, %2 %3</source>
        <translation>écriture %1, %2 %3</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 à partir du %2</translation>
    </message>
    <message>
        <source>checkout %1</source>
        <translation>passage à la caisse %1</translation>
    </message>
    <message>
        <source>fee payment of member %1</source>
        <translation>paiement de frais du membre %1</translation>
    </message>
    <message>
        <source>late fee for tape %1</source>
        <translation>frais de retard de la cassette %1</translation>
    </message>
    <message>
        <source>cash-up of %1</source>
        <translation>comptage de %1</translation>
    </message>
    <message>
        <source>ledger entry %1 was removed after it was written</source>
        <translation>l&apos;écriture du registre %1 a été supprimée après avoir été écrite</translation>
    </message>
    <message>
        <source>gate log entry %1 was removed after it was written</source>
        <translation>l&apos;entrée du journal des accès %1 a été supprimée après avoir été écrite</translation>
    </message>
    <message>
        <source>price change %1 was removed after it was written</source>
        <translation>le changement de prix %1 a été supprimé après avoir été écrit</translation>
    </message>
    <message>
        <source>ledger entry %1 (%2) was changed or removed after it was written</source>
        <translation>l&apos;écriture du registre %1 (%2) a été modifiée ou supprimée après avoir été écrite</translation>
    </message>
    <message>
        <source>gate log entry %1 (%2) was changed or removed after it was written</source>
        <translation>l&apos;entrée du journal des accès %1 (%2) a été modifiée ou supprimée après avoir été écrite</translation>
    </message>
    <message>
        <source>price change %1 (%2) was changed or removed after it was written</source>
        <translation>le changement de prix %1 (%2) a été modifié ou supprimé après avoir été écrit</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 n&apos;a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>the value the chains start from (%1 in tblSettings) is missing or was changed</source>
        <translation>la valeur de départ des chaînes (%1 dans tblSettings) manque ou a été modifiée</translation>
    </message>
</context>
<context>
    <name>DatabaseServer</name>
    <message>
        <source>connect to the store database %1</source>
        <translation>se connecter à la base de données du magasin %1</translation>
    </message>
    <message>
        <source>The server did not answer in time: it may be stopped or overloaded.</source>
        <translation>Le serveur n&apos;a pas répondu à temps&#xa0;: il est peut-être arrêté ou surchargé.</translation>
    </message>
    <message>
        <source>it allows %1</source>
        <translation>il en permet %1</translation>
    </message>
    <message>
        <source>all it allows are in use</source>
        <translation>toutes celles qu&apos;il permet sont utilisées</translation>
    </message>
</context>
<context>
    <name>DbError</name>
    <message>
        <source>%1, so the store database could not %2. Nothing of it was saved; what was entered is still in the window (a checkout stays in the bill).<byte value="xd"/>
<byte value="xd"/>
The store must be closed everywhere and opened again: close this program and every other program using the store, then start the program again and save it once more. Until then this program saves nothing.</source>
        <translation>%1&#xa0;; la base de données du magasin n&apos;a donc pas pu %2. Rien n&apos;en a été enregistré&#xa0;; ce qui a été saisi est toujours dans la fenêtre (une vente reste sur la facture).<byte value="xd"/>
<byte value="xd"/>
Le magasin doit être fermé partout, puis rouvert&#xa0;: fermez ce programme et tout autre programme qui utilise le magasin, puis relancez le programme et enregistrez de nouveau. D&apos;ici là, ce programme n&apos;enregistre plus rien.</translation>
    </message>
    <message>
        <source>The disk holding the store is full, so the store database could not %1. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Free some space on that disk, then try again.</source>
        <translation>Le disque qui contient le magasin est plein&#xa0;; la base de données du magasin n&apos;a donc pas pu %1. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Libérez de l&apos;espace sur ce disque, puis réessayez.</translation>
    </message>
    <message>
        <source>Another counter is saving; try again in a moment.<byte value="xd"/>
<byte value="xd"/>
The store database could not %1 because another program kept the store locked. Nothing of it was saved.</source>
        <translation>Une autre caisse enregistre&#xa0;; réessayez dans un moment.<byte value="xd"/>
<byte value="xd"/>
La base de données du magasin n&apos;a pas pu %1 parce qu&apos;un autre programme gardait le magasin verrouillé. Rien n&apos;en a été enregistré.</translation>
    </message>
    <message>
        <source>The store file is read-only, so the store database could not %1. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Ask the manager to make the store file and its folder writable, then try again.</source>
        <translation>Le fichier du magasin est en lecture seule&#xa0;; la base de données du magasin n&apos;a donc pas pu %1. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Demandez au gérant de permettre l&apos;écriture dans le fichier du magasin et son dossier, puis réessayez.</translation>
    </message>
    <message>
        <source>The store&apos;s database server cannot be reached, so the store database could not %1. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Check that the server PC is on and connected, then try again.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Le serveur de base de données du magasin est injoignable&#xa0;; la base de données du magasin n&apos;a donc pas pu %1. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Vérifiez que le PC serveur est allumé et branché au réseau, puis réessayez.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The store&apos;s database server refused this counter&apos;s login, so the store database could not %1. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Ask the manager to check this counter&apos;s user name and password.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Le serveur de base de données du magasin a refusé la connexion de cette caisse&#xa0;; la base de données du magasin n&apos;a donc pas pu %1. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Demandez au gérant de vérifier le nom d&apos;utilisateur et le mot de passe de cette caisse.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The database server has no free connection for this counter (%2), so the store database could not %1. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Close the program on a counter that is not in use, or ask whoever keeps the server to raise max_connections.</source>
        <translation>Le serveur de base de données n&apos;a plus de connexion libre pour cette caisse (%2)&#xa0;; la base de données du magasin n&apos;a donc pas pu %1. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Fermez le programme sur une caisse inutilisée, ou demandez à la personne qui s&apos;occupe du serveur d&apos;augmenter max_connections.</translation>
    </message>
    <message>
        <source>The database server does not let this counter reach the database &quot;%2&quot;: no line of the server&apos;s pg_hba.conf lets it in, so the store database could not %1. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Ask whoever keeps the server to add a line for this database and this PC to pg_hba.conf and to reload the server, then try again.</source>
        <translation>Le serveur de base de données ne laisse pas cette caisse accéder à la base «&#xa0;%2&#xa0;»&#xa0;: aucune ligne du fichier pg_hba.conf du serveur ne le permet&#xa0;; la base de données du magasin n&apos;a donc pas pu %1. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Demandez à la personne qui s&apos;occupe du serveur d&apos;ajouter à pg_hba.conf une ligne pour cette base et ce PC et de recharger le serveur, puis réessayez.</translation>
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
Le serveur a dit&#xa0;: %3</translation>
    </message>
    <message>
        <source>Other counters were saving for all of the %2 seconds this counter waited for its turn, so the store database could not %1. Nothing of it was saved.<byte value="xd"/>
<byte value="xd"/>
Try again in a moment. If this keeps happening, a counter may be stuck while saving: close the program there.</source>
        <translation>D&apos;autres caisses ont enregistré pendant toutes les %2 secondes où cette caisse a attendu son tour&#xa0;; la base de données du magasin n&apos;a donc pas pu %1. Rien n&apos;en a été enregistré.<byte value="xd"/>
<byte value="xd"/>
Réessayez dans un moment. Si cela se répète, une caisse est peut-être bloquée en enregistrant&#xa0;: fermez le programme sur cette caisse.</translation>
    </message>
    <message>
        <source>The store database could not %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>La base de données du magasin n&apos;a pas pu %1.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1: the store&apos;s database server cannot be reached (%2).<byte value="xd"/>
<byte value="xd"/>
Check that the server PC is on and connected, then try again.</source>
        <translation>%1&#xa0;: le serveur de base de données du magasin est injoignable (%2).<byte value="xd"/>
<byte value="xd"/>
Vérifiez que le PC serveur est allumé et branché au réseau, puis réessayez.</translation>
    </message>
    <message>
        <source>%1: the store&apos;s database server was still restarting or recovering after %2 seconds (the server said: %3).<byte value="xd"/>
<byte value="xd"/>
Try again in a moment.</source>
        <translation>%1&#xa0;: le serveur de base de données du magasin redémarrait ou se rétablissait encore après %2 secondes (le serveur a dit&#xa0;: %3).<byte value="xd"/>
<byte value="xd"/>
Réessayez dans un moment.</translation>
    </message>
    <message>
        <source>open the store file %1</source>
        <translation>ouvrir le fichier du magasin %1</translation>
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
    <name>GateStore</name>
    <message>
        <source>read the manager code</source>
        <translation>lire le code du gérant</translation>
    </message>
    <message>
        <source>record the try at the security gate</source>
        <translation>enregistrer l&apos;essai au contrôle d&apos;accès</translation>
    </message>
    <message>
        <source>store the new manager code</source>
        <translation>enregistrer le nouveau code du gérant</translation>
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
    <name>Identifier</name>
    <message>
        <source>Enter the %1 as a whole number from 0 to %2.</source>
        <translation>Entrez le %1 comme un nombre entier de 0 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid %2. Enter a whole number from 0 to %3.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un %2 valide. Entrez un nombre entier de 0 à %3.</translation>
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
    <message>
        <source>Money taken since</source>
        <translation>Argent encaissé depuis</translation>
    </message>
    <message>
        <source>read the ledger of %1</source>
        <translation>lire le registre des paiements du %1</translation>
    </message>
    <message>
        <source>write the ledger entry</source>
        <translation>écrire l&apos;inscription au registre des paiements</translation>
    </message>
    <message>
        <source>read ledger entry %1</source>
        <translation>lire l&apos;inscription %1 du registre des paiements</translation>
    </message>
    <message>
        <source>add up the taxes</source>
        <translation>additionner les taxes</translation>
    </message>
    <message>
        <source>list the counters</source>
        <translation>énumérer les caisses</translation>
    </message>
    <message>
        <source>find the ledger&apos;s first day</source>
        <translation>trouver le premier jour du registre des paiements</translation>
    </message>
    <message>
        <source>record the cash-up</source>
        <translation>enregistrer le comptage de la caisse</translation>
    </message>
    <message>
        <source>Money has been taken at %1 since the figures were shown: the drawer should now hold %2, not %3.<byte value="xd"/>
<byte value="xd"/>
Nothing was recorded. Check the count against the new figure, then record it again.</source>
        <translation>De l&apos;argent a été reçu à %1 depuis l&apos;affichage des chiffres&#xa0;: le tiroir devrait maintenant contenir %2, et non %3.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Vérifiez le comptage avec le nouveau chiffre, puis enregistrez-le de nouveau.</translation>
    </message>
</context>
<context>
    <name>MemberLookup</name>
    <message>
        <source>look up the member</source>
        <translation>chercher le membre</translation>
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
    <name>Numbering</name>
    <message>
        <source>Every number up to %1 is taken.</source>
        <translation>Tous les numéros jusqu&apos;à %1 sont pris.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 could not be written: the disk holding it is full.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: le disque qui le contient est plein.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder %2 does not exist.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: son dossier %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (it is a folder, a device or the like); nothing was written to it.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est un dossier, un périphérique ou autre)&#xa0;; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>%1 is the store file or one of its own files beside it; the program never writes over them. Choose another name.</source>
        <translation>%1 est le fichier du magasin ou l&apos;un de ses fichiers à côté&#xa0;; le programme n&apos;écrit jamais par-dessus. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>%1 is in the store&apos;s backups folder %2, which holds only the program&apos;s own copies of the store. Choose another folder.</source>
        <translation>%1 est dans le dossier des copies de sauvegarde du magasin, %2, qui ne contient que les copies du magasin faites par le programme. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
</context>
<context>
    <name>Pricing</name>
    <message>
        <source>The name of %1 is %2 characters long; a name holds at most %3.</source>
        <translation>Le nom de %1 compte %2 caractères&#xa0;; un nom en compte au plus %3.</translation>
    </message>
    <message>
        <source>Price change not valid</source>
        <translation>Changement de prix invalide</translation>
    </message>
    <message>
        <source>Already changed for that day</source>
        <translation>Déjà changé pour ce jour</translation>
    </message>
    <message>
        <source>from $0.00 to %1</source>
        <translation>de 0,00&#xa0;$ à %1</translation>
    </message>
    <message>
        <source>Price class %1</source>
        <translation>Catégorie de prix %1</translation>
    </message>
    <message>
        <source>Tax %1</source>
        <translation>Taxe %1</translation>
    </message>
    <message>
        <source>price class %1</source>
        <translation>la catégorie de prix %1</translation>
    </message>
    <message>
        <source>tax %1</source>
        <translation>la taxe %1</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <translation>Ce numéro n&apos;existe pas&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Give %1 a name.</source>
        <translation>Donnez un nom à %1.</translation>
    </message>
    <message>
        <source>A change takes effect today (%1) or later; %2 has passed.</source>
        <translation>Une modification prend effet aujourd&apos;hui (%1) ou plus tard&#xa0;; %2 est passé.</translation>
    </message>
    <message>
        <source>that day</source>
        <translation>ce jour-là</translation>
    </message>
    <message>
        <source>The rental fee of %1 must be %2.</source>
        <translation>Le tarif de location de %1 doit être %2.</translation>
    </message>
    <message>
        <source>The late fee a day of %1 must be %2.</source>
        <translation>Les frais de retard par jour de %1 doivent être %2.</translation>
    </message>
    <message>
        <source>The rental period of %1 must be from 1 to %2 days.</source>
        <translation>La durée de location de %1 doit être de 1 à %2 jours.</translation>
    </message>
    <message>
        <source>The rate of %1 (%2) must be from 0 % to 100 %.</source>
        <translation>Le taux de %1 (%2) doit être de 0&#xa0;% à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 was already changed for %2, which has started: a change made today is in force from tomorrow on.</source>
        <translation>%1 a déjà été modifiée pour le %2, qui est commencé&#xa0;: une modification faite aujourd&apos;hui est en vigueur à partir de demain.</translation>
    </message>
    <message>
        <source>read the prices in force</source>
        <translation>lire les prix en vigueur</translation>
    </message>
    <message>
        <source>read the history of the prices</source>
        <translation>lire l&apos;historique des prix</translation>
    </message>
    <message>
        <source>save the prices and taxes</source>
        <translation>enregistrer les prix et les taxes</translation>
    </message>
</context>
<context>
    <name>Seal</name>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 n&apos;a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>%1 was added to %2 after its seal: %3</source>
        <translation>%2&#xa0;: %1 de plus depuis son sceau&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 were added to %2 after its seal: %3</source>
        <translation>%2&#xa0;: %1 de plus depuis son sceau&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The seal %1 of %2</source>
        <translation>Le sceau %1 du %2</translation>
    </message>
    <message>
        <source>%1 could not be checked: %2.</source>
        <translation>%1 n&apos;a pas pu être vérifié&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the seal covers %1; the store holds %2</source>
        <translation>le sceau couvre %1&#xa0;; le magasin en contient %2</translation>
    </message>
    <message>
        <source>the entries it covers, or entries before them, are not what they were when it was printed</source>
        <translation>les entrées qu&apos;il couvre, ou des entrées d&apos;avant, ne sont plus ce qu&apos;elles étaient quand il a été imprimé</translation>
    </message>
    <message>
        <source>%1 holds: the store&apos;s %2 of that day, and every entry before them, are as they were when it was printed.</source>
        <translation>%1 tient&#xa0;: les %2 de ce jour dans le magasin, et toutes les entrées d&apos;avant, sont telles qu&apos;elles étaient quand il a été imprimé.</translation>
    </message>
    <message>
        <source>%1 does not hold. %2.</source>
        <translation>%1 ne tient pas. %2.</translation>
    </message>
    <message>
        <source>The store holds no ledger entries of %1, so no seal of that day holds.</source>
        <translation>Le magasin ne contient aucune écriture du registre du %1&#xa0;; aucun sceau de ce jour ne tient donc.</translation>
    </message>
    <message>
        <source>%1 holds for the first %2 of the day&apos;s %3 only. %4.</source>
        <translation>%1 ne tient que pour les %2 premières des %3 du jour. %4.</translation>
    </message>
    <message>
        <source>%1 does not hold: the store&apos;s entries of that day, or entries before them, are not what they were when it was printed%2. A seal printed with its counts is checked with them: give them after it, as Day End printed them.</source>
        <translation>%1 ne tient pas&#xa0;: les entrées de ce jour dans le magasin, ou des entrées d&apos;avant, ne sont plus ce qu&apos;elles étaient quand il a été imprimé%2. Un sceau imprimé avec ses nombres se vérifie avec eux&#xa0;: donnez-les après lui, comme la fin de journée les a imprimés.</translation>
    </message>
    <message>
        <source>work out the seal of %1</source>
        <translation>calculer le sceau du %1</translation>
    </message>
    <message>
        <source>The store could not be opened (%1).</source>
        <translation>Le magasin n&apos;a pas pu être ouvert (%1).</translation>
    </message>
</context>
<context>
    <name>ServerSetup</name>
    <message>
        <source>The counters&apos; role %1 does not exist, and this login may not make roles (%2). On the server PC, as root, make it with
  su postgres -c &quot;createuser --pwprompt %1&quot;
then run this again.</source>
        <translation>Le rôle des caisses %1 n&apos;existe pas, et cette connexion ne peut pas créer de rôles (%2). Sur le PC serveur, en tant que root, créez-le avec
  su postgres -c &quot;createuser --pwprompt %1&quot;
puis relancez cette commande.</translation>
    </message>
    <message>
        <source>The role %1 may do whatever the store&apos;s owner may (it is a superuser or a member of the owner&apos;s role), so it cannot be the counters&apos; role.</source>
        <translation>Le rôle %1 peut faire tout ce que peut le propriétaire du magasin (c&apos;est un superutilisateur ou un membre du rôle du propriétaire)&#xa0;; il ne peut donc pas être le rôle des caisses.</translation>
    </message>
    <message>
        <source>The role %1 cannot log in. On the server PC, as root, let it with
  su postgres -c &quot;psql -c &apos;ALTER ROLE %1 LOGIN&apos;&quot;
then run this again.</source>
        <translation>Le rôle %1 ne peut pas se connecter. Sur le PC serveur, en tant que root, permettez-le avec
  su postgres -c &quot;psql -c &apos;ALTER ROLE %1 LOGIN&apos;&quot;
puis relancez cette commande.</translation>
    </message>
    <message>
        <source>The store %1 was not set up: %2</source>
        <translation>Le magasin %1 n&apos;a pas été préparé&#xa0;: %2</translation>
    </message>
    <message>
        <source>only a store on a PostgreSQL server has roles; a store file is its owner&apos;s alone.</source>
        <translation>seul un magasin sur un serveur PostgreSQL a des rôles&#xa0;; un fichier de magasin n&apos;appartient qu&apos;à son propriétaire.</translation>
    </message>
    <message>
        <source>run it as the database&apos;s owner, %1, not as %2.</source>
        <translation>lancez-le en tant que propriétaire de la base, %1, et non en tant que %2.</translation>
    </message>
    <message>
        <source>the rights could not be given (%1).</source>
        <translation>les droits n&apos;ont pas pu être donnés (%1).</translation>
    </message>
    <message>
        <source>The store %1 is set up: %2 owns it and alone changes its tables, guards and version; the counters log in as %3 (%4), which may add to the ledger, the gate log and the prices but never change or remove what they hold.</source>
        <translation>Le magasin %1 est prêt&#xa0;: %2 en est le propriétaire et lui seul change ses tables, ses protections et sa version&#xa0;; les caisses se connectent en tant que %3 (%4), qui peut ajouter au registre, au journal des accès et aux prix, mais jamais changer ni supprimer ce qu&apos;ils contiennent.</translation>
    </message>
    <message>
        <source> The role %1 was made without a password: give it one on the server PC, as root, with su postgres -c &quot;psql -c &apos;\password %1&apos;&quot;.</source>
        <translation> Le rôle %1 a été créé sans mot de passe&#xa0;: donnez-lui-en un sur le PC serveur, en tant que root, avec su postgres -c &quot;psql -c &apos;\password %1&apos;&quot;.</translation>
    </message>
</context>
<context>
    <name>ServerStore</name>
    <message>
        <source>It is a store of version %1, and this program needs version %2, but this login may not change its tables. Have the database&apos;s owner bring it up to date, once:
  videostore --setup-server %3</source>
        <translation>C&apos;est un magasin de version %1, et ce programme a besoin de la version %2, mais cette connexion ne peut pas changer ses tables. Faites-le mettre à jour une fois par le propriétaire de la base&#xa0;:
  videostore --setup-server %3</translation>
    </message>
    <message>
        <source>The database server cannot be reached (%1). Check that the server PC is on and reachable from this one, then start the program again.</source>
        <translation>Le serveur de base de données est injoignable (%1). Vérifiez que le PC serveur est allumé et joignable depuis celui-ci, puis relancez le programme.</translation>
    </message>
    <message>
        <source>The database server refused the login (%1). Check the user name in the store&apos;s address and the password in ~/.pgpass or PGPASSWORD.</source>
        <translation>Le serveur de base de données a refusé la connexion (%1). Vérifiez le nom d&apos;utilisateur dans l&apos;adresse du magasin et le mot de passe dans ~/.pgpass ou PGPASSWORD.</translation>
    </message>
    <message>
        <source>The database server does not let this PC reach the database &quot;%1&quot;: no line of the server&apos;s pg_hba.conf lets this user in from here (%2). Ask whoever keeps the server to add one for this database and reload the server, then start the program again.</source>
        <translation>Le serveur de base de données ne laisse pas ce PC accéder à la base «&#xa0;%1&#xa0;»&#xa0;: aucune ligne du fichier pg_hba.conf du serveur ne laisse entrer cet utilisateur depuis ici (%2). Demandez à la personne qui s&apos;occupe du serveur d&apos;en ajouter une pour cette base et de recharger le serveur, puis relancez le programme.</translation>
    </message>
    <message>
        <source>The database server has no free connection for this counter (%1). Close the program on a counter that is not in use, or ask whoever keeps the server to raise max_connections.</source>
        <translation>Le serveur de base de données n&apos;a plus de connexion libre pour cette caisse (%1). Fermez le programme sur une caisse inutilisée, ou demandez à la personne qui s&apos;occupe du serveur d&apos;augmenter max_connections.</translation>
    </message>
    <message>
        <source>it allows %1</source>
        <translation>il en permet %1</translation>
    </message>
    <message>
        <source>all it allows are in use</source>
        <translation>toutes celles qu&apos;il permet sont utilisées</translation>
    </message>
    <message>
        <source>The disk of the database server is full (%1).</source>
        <translation>Le disque du serveur de base de données est plein (%1).</translation>
    </message>
    <message>
        <source>It holds no store yet; the program makes one there at its first start.</source>
        <translation>Elle ne contient pas encore de magasin&#xa0;; le programme en crée un à son premier lancement.</translation>
    </message>
    <message>
        <source>It holds tables, but it is not a Video Store database (the table %1 is missing).</source>
        <translation>Elle contient des tables, mais ce n&apos;est pas une base de données Video Store (la table %1 manque).</translation>
    </message>
    <message>
        <source>Its version cannot be read (%1).</source>
        <translation>Sa version ne peut pas être lue (%1).</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql).</source>
        <translation>Le pilote PostgreSQL de Qt n&apos;est pas installé (paquet Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The store&apos;s address is not usable: %1</source>
        <translation>L&apos;adresse du magasin n&apos;est pas utilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>It cannot be opened: %1</source>
        <translation>Elle ne peut pas être ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>The store database &quot;%1&quot; cannot be used:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The program will now close.</source>
        <translation>La base de données du magasin «&#xa0;%1&#xa0;» ne peut pas être utilisée&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>the guards taken from the store could not be put back (%1)</source>
        <translation>les protections retirées du magasin n&apos;ont pas pu être remises en place (%1)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the manager code was changed</source>
        <translation>le code du gérant a été changé</translation>
    </message>
    <message>
        <source>the store details were changed</source>
        <translation>les renseignements sur le magasin ont été changés</translation>
    </message>
    <message>
        <source>the hold days setting was changed</source>
        <translation>la durée des réservations a été changée</translation>
    </message>
    <message>
        <source>the settings could not be read (%1)</source>
        <translation>les réglages n&apos;ont pas pu être lus (%1)</translation>
    </message>
    <message>
        <source>the hold days setting holds &quot;%1&quot;, not a whole number of days from 1 to %2: tapes are set aside for %3 days until it is set again in Store details</source>
        <translation>la durée des réservations vaut « %1 », et non un nombre entier de jours de 1 à %2&#xa0;: les cassettes sont mises de côté %3 jours jusqu&apos;à ce qu&apos;elle soit réglée de nouveau dans Renseignements sur le magasin</translation>
    </message>
    <message>
        <source>the gate log could not be read (%1)</source>
        <translation>le journal des accès n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>%1 outside the program, after gate log entry %2 (%3, %4) recorded the last change made through it</source>
        <translation>%1 hors du programme, après que l&apos;entrée %2 du journal des accès (%3, %4) a enregistré le dernier changement fait par lui</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>another copy to %1 is under way.</source>
        <translation>une autre copie vers %1 est en cours.</translation>
    </message>
    <message>
        <source>%1 could not be counted (%2).</source>
        <translation>%1 n&apos;a pas pu être comptée (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 n&apos;a pas pu être lue (%2).</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation>%1 n&apos;a pas pu être écrite (%2).</translation>
    </message>
    <message>
        <source>The target database is not empty: copy into a new, empty database.</source>
        <translation>La base de données cible n&apos;est pas vide&#xa0;: copiez dans une nouvelle base vide.</translation>
    </message>
    <message>
        <source>The new store could not be made (%1).</source>
        <translation>Le nouveau magasin n&apos;a pas pu être créé (%1).</translation>
    </message>
    <message>
        <source>The check after copying found the chain of %1 whole for %2 rows where the source&apos;s is for %3.</source>
        <translation>La vérification après la copie a trouvé la chaîne de %1 intacte pour %2 rangées, alors que celle de la source l&apos;est pour %3.</translation>
    </message>
    <message>
        <source>The check after copying found %1 with %2 where the source has %3.</source>
        <translation>La vérification après la copie a trouvé %1 avec %2, alors que la source en a %3.</translation>
    </message>
    <message>
        <source>The store %1 was not copied to %2: %3</source>
        <translation>Le magasin %1 n&apos;a pas été copié vers %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the source and the target are the same.</source>
        <translation>la source et la cible sont les mêmes.</translation>
    </message>
    <message>
        <source>%1 already exists. Give the name of a new file.</source>
        <translation>%1 existe déjà. Donnez le nom d&apos;un nouveau fichier.</translation>
    </message>
    <message>
        <source>it is a store of version %1. Start the program on it once, so that it is brought up to date, then copy it.</source>
        <translation>c&apos;est un magasin de version %1. Lancez le programme une fois dessus pour le mettre à jour, puis copiez-le.</translation>
    </message>
    <message>
        <source>the new file could not be written through.</source>
        <translation>le nouveau fichier n&apos;a pas pu être écrit jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile. Give the name of a new file.</source>
        <translation>%1 est apparu entre-temps. Donnez le nom d&apos;un nouveau fichier.</translation>
    </message>
    <message>
        <source>Copied the store %1 to %2: %3 rows in %4 tables, each table checked by its row count and money sums.</source>
        <translation>Magasin %1 copié vers %2&#xa0;: %3 rangées dans %4 tables, chaque table vérifiée par son nombre de rangées et ses sommes d&apos;argent.</translation>
    </message>
</context>
<context>
    <name>StoreDate</name>
    <message>
        <source>%1 is outside the dates the program keeps. Enter a date from %2 to %3.</source>
        <translation>%1 est hors des dates que le programme garde. Entrez une date de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Enter the date as year-month-day, for example %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date. Entrez la date sous la forme année-mois-jour, par exemple %2.</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>The disk holding it is full. Free some space on that disk, then start the program again.</source>
        <translation>Le disque qui le contient est plein. Libérez de l&apos;espace sur ce disque, puis relancez le programme.</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Il est en lecture seule.</translation>
    </message>
    <message>
        <source>Another program keeps it locked. Close that program, then start this one again.</source>
        <translation>Un autre programme le garde verrouillé. Fermez ce programme, puis relancez celui-ci.</translation>
    </message>
    <message>
        <source>It was made by a newer version of Video Store (store version %1; this program knows versions up to %2). Use the newer program with it.</source>
        <translation>Il a été fait par une version plus récente de Video Store (version de magasin %1&#xa0;; ce programme connaît les versions jusqu&apos;à %2). Utilisez-le avec le programme plus récent.</translation>
    </message>
    <message>
        <source>It is not a Video Store database (the table %1 is missing).</source>
        <translation>Ce n&apos;est pas une base de données Video Store (la table %1 manque).</translation>
    </message>
    <message>
        <source>It is not a complete Video Store database (the table %1 has no column %2).</source>
        <translation>Ce n&apos;est pas une base de données Video Store complète (la table %1 n&apos;a pas de colonne %2).</translation>
    </message>
    <message>
        <source>Its table %1 has a column %2 that this program does not know and cannot fill. It was probably made by a newer version of Video Store.</source>
        <translation>Sa table %1 a une colonne %2 que ce programme ne connaît pas et ne peut pas remplir. Il a probablement été fait par une version plus récente de Video Store.</translation>
    </message>
    <message>
        <source>It is not a database.</source>
        <translation>Ce n&apos;est pas une base de données.</translation>
    </message>
    <message>
        <source>It is not a database (%1).</source>
        <translation>Ce n&apos;est pas une base de données (%1).</translation>
    </message>
    <message>
        <source>It is damaged (%1).</source>
        <translation>Il est endommagé (%1).</translation>
    </message>
    <message>
        <source>It is damaged: %1</source>
        <translation>Il est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Its folder cannot be created.</source>
        <translation>Son dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The new store file cannot be made there.</source>
        <translation>Le nouveau fichier du magasin ne peut pas être créé à cet endroit.</translation>
    </message>
    <message>
        <source>The new store could not be written through.</source>
        <translation>Le nouveau magasin n&apos;a pas pu être écrit jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>The new store file could not be moved into place.</source>
        <translation>Le nouveau fichier du magasin n&apos;a pas pu être mis en place.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (the store a restore replaced)</source>
        <translation>«&#xa0;%1&#xa0;» (le magasin qu&apos;une restauration a remplacé)</translation>
    </message>
    <message>
        <source>&quot;%1.restoring&quot; (a restore&apos;s incoming copy, perhaps not complete)</source>
        <translation>«&#xa0;%1.restoring&#xa0;» (la copie reçue d&apos;une restauration, peut-être incomplète)</translation>
    </message>
    <message>
        <source>It is missing, and beside its name is what a restore left: %1. The program does not make a new, empty store in its place.</source>
        <translation>Il manque, et à côté de son nom se trouve ce qu&apos;une restauration a laissé&#xa0;: %1. Le programme ne crée pas de nouveau magasin vide à sa place.</translation>
    </message>
    <message>
        <source> To undo the restore, rename &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation> Pour annuler la restauration, renommez «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source> To finish it, run: videostore --store &quot;%1&quot; --restore &lt;the backup to restore&gt;. Then start the program again.</source>
        <translation> Pour la terminer, lancez&#xa0;: videostore --store &quot;%1&quot; --restore &lt;la copie de sauvegarde à restaurer&gt;. Puis relancez le programme.</translation>
    </message>
    <message>
        <source>The store file &quot;%1&quot; cannot be used:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The program will now close.</source>
        <translation>Le fichier du magasin «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Il est vide.</translation>
    </message>
    <message>
        <source>It cannot be opened (%1).</source>
        <translation>Il ne peut pas être ouvert (%1).</translation>
    </message>
    <message>
        <source>It is read-only. Make it writable, then start the program again.</source>
        <translation>Il est en lecture seule. Permettez l&apos;écriture, puis relancez le programme.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; is read-only, and the program keeps working files beside the store. Make the folder writable, then start the program again.</source>
        <translation>Son dossier «&#xa0;%1&#xa0;» est en lecture seule, et le programme garde des fichiers de travail à côté du magasin. Permettez l&apos;écriture dans le dossier, puis relancez le programme.</translation>
    </message>
</context>
<context>
    <name>StoreIntegrity</name>
    <message>
        <source>is missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>was changed</source>
        <translation>a été modifiée</translation>
    </message>
    <message>
        <source>is switched off</source>
        <translation>est désactivée</translation>
    </message>
    <message>
        <source>the ledger&apos;s guard %1</source>
        <translation>la protection %1 du registre des paiements</translation>
    </message>
    <message>
        <source>the gate log&apos;s guard %1</source>
        <translation>la protection %1 du journal des accès</translation>
    </message>
    <message>
        <source>the prices&apos;s guard %1</source>
        <translation>la protection %1 des prix</translation>
    </message>
    <message>
        <source>the manager code could not be read (%1)</source>
        <translation>le code du gérant n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>the manager code is missing or unreadable, though the gate log records that it was set: the manager&apos;s windows open for no code until one is set with videostore --set-manager-code</source>
        <translation>le code du gérant manque ou est illisible, alors que le journal des accès indique qu&apos;il a été défini&#xa0;: les fenêtres du gérant s&apos;ouvrent sans code jusqu&apos;à ce qu&apos;un code soit défini avec videostore --set-manager-code</translation>
    </message>
    <message>
        <source>the ledger&apos;s %1 %2, the gate log&apos;s %3 %4 and the prices&apos; %5 %6 are as they were written</source>
        <extracomment>%1 and %2: &quot;1,204 entries&quot;; %3 and %4: &quot;2 tries&quot;; %5 and %6: &quot;1 change&quot;.</extracomment>
        <translation>%1 %2 du registre des paiements, %3 %4 du journal des accès et %5 %6 des prix, tels qu&apos;ils ont été écrits</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>écritures</translation>
    </message>
    <message>
        <source>try</source>
        <translation>essai</translation>
    </message>
    <message>
        <source>tries</source>
        <translation>essais</translation>
    </message>
    <message>
        <source>change</source>
        <translation>modification</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>modifications</translation>
    </message>
    <message>
        <source>the guards could not be read (%1)</source>
        <translation>les protections n&apos;ont pas pu être lues (%1)</translation>
    </message>
    <message>
        <source>the store could not be opened to check its records (%1)</source>
        <translation>le magasin n&apos;a pas pu être ouvert pour vérifier ses données (%1)</translation>
    </message>
    <message>
        <source>%1 %2; it has been put back</source>
        <translation>%1 %2&#xa0;; elle a été remise en place</translation>
    </message>
</context>
<context>
    <name>StoreLocation</name>
    <message>
        <source>&quot;%1&quot; is not a port number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un numéro de port.</translation>
    </message>
    <message>
        <source>It does not start with postgresql://.</source>
        <translation>Elle ne commence pas par postgresql://.</translation>
    </message>
    <message>
        <source>Leave the password out of the store&apos;s address: put it in the file ~/.pgpass of each counter&apos;s user, or in PGPASSWORD.</source>
        <translation>Laissez le mot de passe hors de l&apos;adresse du magasin&#xa0;: mettez-le dans le fichier ~/.pgpass de l&apos;utilisateur de chaque caisse, ou dans PGPASSWORD.</translation>
    </message>
    <message>
        <source>Its host &quot;%1&quot; has no closing ].</source>
        <translation>Son hôte «&#xa0;%1&#xa0;» n&apos;a pas de ] fermant.</translation>
    </message>
    <message>
        <source>The setting %1 has no usable value.</source>
        <translation>Le paramètre %1 n&apos;a pas de valeur utilisable.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is not one this program passes on (it takes host, port, user, dbname, %2).</source>
        <translation>Le paramètre «&#xa0;%1&#xa0;» n&apos;est pas un de ceux que ce programme transmet (il prend host, port, user, dbname, %2).</translation>
    </message>
    <message>
        <source>Give one host only.</source>
        <translation>Donnez un seul hôte.</translation>
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
