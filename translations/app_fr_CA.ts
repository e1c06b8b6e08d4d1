<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>It is being restored from a backup. Start the program again when that is done.</source>
        <translation>Il est en train d&apos;être restauré à partir d&apos;une copie de sauvegarde. Relancez le programme quand ce sera fini.</translation>
    </message>
    <message>
        <source>It keeps disappearing.</source>
        <translation>Il ne cesse de disparaître.</translation>
    </message>
</context>
<context>
    <name>ChainWatch</name>
    <message>
        <source>The store&apos;s records were changed outside the program:</source>
        <translation>Les registres du magasin ont été modifiés en dehors du programme&#xa0;:</translation>
    </message>
    <message>
        <source>The counter works as usual. videostore --check tells the same; keep the store and its backups as they are for whoever looks into it.</source>
        <translation>La caisse fonctionne comme d&apos;habitude. videostore --check dit la même chose&#xa0;; gardez le magasin et ses copies de sauvegarde tels quels pour la personne qui fera enquête.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The store %1 is being restored from a backup; try again when that is done.</source>
        <translation>Le magasin %1 est en train d&apos;être restauré à partir d&apos;une copie de sauvegarde&#xa0;; réessayez quand ce sera fini.</translation>
    </message>
    <message>
        <source>No copy was written: backups of a store on a database server are pg_dump&apos;s job. Run, on any PC that reaches the server:
  %1</source>
        <translation>Aucune copie n&apos;a été écrite&#xa0;: les copies de sauvegarde d&apos;un magasin sur un serveur de base de données se font avec pg_dump. Lancez, sur un PC qui joint le serveur&#xa0;:
  %1</translation>
    </message>
    <message>
        <source>The store %1 has a problem: %2.</source>
        <translation>Le magasin %1 a un problème&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The store %1 has a problem: %2</source>
        <translation>Le magasin %1 a un problème&#xa0;: %2</translation>
    </message>
    <message>
        <source>every table in place</source>
        <translation>toutes les tables en place</translation>
    </message>
    <message>
        <source>every table in place, integrity ok</source>
        <translation>toutes les tables en place, intégrité vérifiée</translation>
    </message>
    <message>
        <source>It is a store of version %1, from before the seals. Start the program on it once.</source>
        <translation>C&apos;est un magasin de version %1, d&apos;avant les sceaux. Lancez le programme une fois sur ce magasin.</translation>
    </message>
    <message>
        <source>The store %1 cannot be used: %2</source>
        <translation>Le magasin %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Nothing was changed: a store on a database server is restored with pg_restore into a new, empty database, which the counters are then pointed at.</source>
        <translation>Rien n&apos;a été changé&#xa0;: un magasin sur un serveur de base de données se restaure avec pg_restore dans une nouvelle base vide, vers laquelle on dirige ensuite les caisses.</translation>
    </message>
    <message>
        <source>copying %1: %2 of %3 rows</source>
        <translation>copie de %1&#xa0;: %2 rangées sur %3</translation>
    </message>
    <message>
        <source>the store is on a database server; its daily copy is pg_dump&apos;s job: %1</source>
        <translation>le magasin est sur un serveur de base de données&#xa0;; sa copie quotidienne se fait avec pg_dump&#xa0;: %1</translation>
    </message>
    <message>
        <source>Writes a consistent copy of the store to &lt;file&gt;, which must not exist yet. Safe while the program is running.</source>
        <translation>Écrit une copie cohérente du magasin dans &lt;file&gt;, qui ne doit pas encore exister. Sans danger pendant que le programme tourne.</translation>
    </message>
    <message>
        <source>Checks &lt;file&gt; as --check does and puts it in place as the store, keeping the replaced store beside it as video.db.replaced-&lt;date&gt;-&lt;time&gt;. Refused while the program is running.</source>
        <translation>Vérifie &lt;file&gt; comme --check et le met en place comme magasin, en gardant le magasin remplacé à côté sous le nom video.db.replaced-&lt;date&gt;-&lt;time&gt;. Refusé pendant que le programme tourne.</translation>
    </message>
    <message>
        <source>Copies the store into &lt;store&gt;: an empty PostgreSQL database (postgresql://user@host/dbname) or a new file. Every table in one transaction, checked by row counts and money sums.</source>
        <translation>Copie le magasin dans &lt;store&gt;&#xa0;: une base PostgreSQL vide (postgresql://user@host/dbname) ou un nouveau fichier. Toutes les tables en une transaction, vérifiées par le nombre de rangées et les sommes d&apos;argent.</translation>
    </message>
    <message>
        <source>Writes the report &lt;name&gt; (all-movies, movies-by-type, customer-list, customers-by-date, rental-revenue, daily-sales, day-end, taxes, gate-log: every try at the security gate, or prices: every change of the prices and taxes) to the file of --pdf or --csv, which must not exist yet unless --force is given, without windows and without the manager&apos;s code.</source>
        <translation>Écrit le rapport &lt;name&gt; (all-movies, movies-by-type, customer-list, customers-by-date, rental-revenue, daily-sales, day-end, taxes, gate-log&#xa0;: chaque essai au contrôle d&apos;accès, ou prices&#xa0;: chaque changement des prix et des taxes) dans le fichier de --pdf ou --csv, qui ne doit pas encore exister sauf avec --force, sans fenêtre et sans le code du gérant.</translation>
    </message>
    <message>
        <source>--report: writes a CSV &lt;file&gt; of the rows.</source>
        <translation>--report&#xa0;: écrit les rangées dans un &lt;file&gt; CSV.</translation>
    </message>
    <message>
        <source>--report movies-by-type: the genre, 1 to 5 or its name.</source>
        <translation>--report movies-by-type&#xa0;: le genre, de 1 à 5 ou son nom.</translation>
    </message>
    <message>
        <source>--report customers-by-date or taxes: the first day.</source>
        <translation>--report customers-by-date ou taxes&#xa0;: le premier jour.</translation>
    </message>
    <message>
        <source>--report customers-by-date or taxes: the last day.</source>
        <translation>--report customers-by-date ou taxes&#xa0;: le dernier jour.</translation>
    </message>
    <message>
        <source>--report day-end: the day.</source>
        <translation>--report day-end&#xa0;: le jour.</translation>
    </message>
    <message>
        <source>Gives the store its own manager code, asked for twice without showing it (or read as one line from standard input when that is not a terminal); at least 8 characters. The store keeps only a one-way hash of it.</source>
        <translation>Donne au magasin son propre code du gérant, demandé deux fois sans l&apos;afficher (ou lu comme une ligne de l&apos;entrée standard quand ce n&apos;est pas un terminal)&#xa0;; au moins 8 caractères. Le magasin n&apos;en garde qu&apos;un hachage à sens unique.</translation>
    </message>
    <message>
        <source>Video Store: the counter and back office of a video rental store. With no command it starts the program; each command prints one line and ends with 0 on success, 1 on failure.</source>
        <translation>Video Store&#xa0;: la caisse et l&apos;arrière-boutique d&apos;un club vidéo. Sans commande, lance le programme&#xa0;; chaque commande affiche une ligne et se termine par 0 en cas de réussite, 1 en cas d&apos;échec.</translation>
    </message>
    <message>
        <source>Lists these options.</source>
        <translation>Affiche ces options.</translation>
    </message>
    <message>
        <source>Uses &lt;store&gt; as the store instead of %1 (with the commands below too): a file, or a PostgreSQL database shared by several counters, postgresql://user@host:port/dbname (the password from ~/.pgpass or PGPASSWORD). VIDEOSTORE_STORE does the same.</source>
        <translation>Utilise &lt;store&gt; comme magasin au lieu de %1 (avec les commandes ci-dessous aussi)&#xa0;: un fichier, ou une base PostgreSQL partagée par plusieurs caisses, postgresql://user@host:port/dbname (le mot de passe vient de ~/.pgpass ou de PGPASSWORD). VIDEOSTORE_STORE fait de même.</translation>
    </message>
    <message>
        <source>Shows the windows and says everything in &lt;language&gt;: fr (French) or en (English). Without it, the system&apos;s language is used (LANG=fr_CA.UTF-8 for French).</source>
        <translation>Affiche les fenêtres et dit tout en &lt;language&gt;&#xa0;: fr (français) ou en (anglais). Sans cette option, la langue du système est utilisée (LANG=fr_CA.UTF-8 pour le français).</translation>
    </message>
    <message>
        <source>(videostore --help lists the options)</source>
        <translation>(videostore --help affiche les options)</translation>
    </message>
    <message>
        <source>--language takes fr (French) or en (English), not &quot;%1&quot;</source>
        <translation>--language prend fr (français) ou en (anglais), pas « %1 »</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation>donnez une seule commande à la fois</translation>
    </message>
    <message>
        <source>The store %1 is sound: %2, version %3 (brought up to date at the next start)%4.</source>
        <translation>Le magasin %1 est en bon état&#xa0;: %2, version %3 (mise à jour au prochain démarrage)%4.</translation>
    </message>
    <message>
        <source>The store %1 is sound: %2, version %3%4.</source>
        <translation>Le magasin %1 est en bon état&#xa0;: %2, version %3%4.</translation>
    </message>
    <message>
        <source>--report, --labels: writes a PDF &lt;file&gt;.</source>
        <translation>--report, --labels&#xa0;: écrit un &lt;file&gt; PDF.</translation>
    </message>
    <message>
        <source>--report, --labels: replaces the file of --pdf or --csv when it exists.</source>
        <translation>--report, --labels&#xa0;: remplace le fichier de --pdf ou --csv s&apos;il existe.</translation>
    </message>
    <message>
        <source>Writes barcode labels to the file of --pdf: --labels tapes 1001-1030 for those tapes, on Letter sheets of 30 or A4 sheets of 21 (--sheet), from a position of the first sheet (--start); --labels member 26 for that member&apos;s card. Refuses tapes and members the store does not know, writing nothing.</source>
        <translation>Écrit des étiquettes à code-barres dans le fichier de --pdf&#xa0;: --labels tapes 1001-1030 pour ces cassettes, sur des feuilles Letter de 30 ou A4 de 21 (--sheet), à partir d&apos;une position de la première feuille (--start)&#xa0;; --labels member 26 pour la carte de ce membre. Refuse les cassettes et les membres que le magasin ne connaît pas, sans rien écrire.</translation>
    </message>
    <message>
        <source>--labels tapes: letter30 (2 5/8 x 1 in, the default) or a4-21 (63.5 x 38.1 mm).</source>
        <translation>--labels tapes&#xa0;: letter30 (2 5/8 x 1 po, par défaut) ou a4-21 (63,5 x 38,1 mm).</translation>
    </message>
    <message>
        <source>--labels tapes: the first label&apos;s position on the first sheet, across then down from 1 (the default).</source>
        <translation>--labels tapes&#xa0;: la position de la première étiquette sur la première feuille, de gauche à droite puis de haut en bas à partir de 1 (par défaut).</translation>
    </message>
    <message>
        <source>Give the seal Day End printed after the day, its 16 hex digits and its counts, such as videostore --verify-seal %1 &quot;3F2A 9C01 77DE 0B45 — 12 ledger entries, 5 gate entries, 0 price changes&quot;.</source>
        <translation>Donnez, après la date, le sceau imprimé par la fin de journée, ses 16 chiffres hexadécimaux et ses nombres, par exemple videostore --verify-seal %1 &quot;3F2A 9C01 77DE 0B45 — 12 écritures du registre, 5 entrées d&apos;accès, 0 changement de prix&quot;.</translation>
    </message>
    <message>
        <source>Checks the store: every page, its tables and its version, the guards and the chains over its ledger, gate log and prices, its manager code and settings; says what is wrong.</source>
        <translation>Vérifie le magasin&#xa0;: chaque page, ses tables et sa version, les protections et les chaînes de son registre des paiements, de son journal des accès et de ses prix, son code du gérant et ses réglages&#xa0;; dit ce qui ne va pas.</translation>
    </message>
    <message>
        <source>Says whether the store&apos;s ledger entries, gate-log entries and price changes of that day still give the seal its Day End printed, and whether any was added after it; the seal and its counts follow the day: videostore --verify-seal 2026-03-01 3F2A 9C01 77DE 0B45 12 5 0.</source>
        <translation>Dit si les écritures du registre, les entrées du journal des accès et les changements de prix de ce jour donnent encore le sceau imprimé par sa fin de journée, et si quelque chose a été ajouté après&#xa0;; le sceau et ses nombres suivent la date&#xa0;: videostore --verify-seal 2026-03-01 3F2A 9C01 77DE 0B45 12 5 0.</translation>
    </message>
    <message>
        <source>Run once by the owner of a PostgreSQL database, with the owner&apos;s address (postgresql://owner@host/dbname), and again after each new version or a restore: makes or upgrades the store, puts its guards back, and lets the counters&apos; role (&lt;dbname&gt;_counter) do daily work but never change or remove what the ledger, the gate log and the prices hold.</source>
        <translation>Lancé une fois par le propriétaire d&apos;une base PostgreSQL, avec l&apos;adresse du propriétaire (postgresql://owner@host/dbname), et de nouveau après chaque nouvelle version ou une restauration&#xa0;: crée ou met à jour le magasin, remet ses protections en place et laisse le rôle des caisses (&lt;dbname&gt;_counter) faire le travail du jour sans jamais changer ni supprimer ce que contiennent le registre, le journal des accès et les prix.</translation>
    </message>
    <message>
        <source>; %1</source>
        <extracomment>What follows the store&apos;s version: &quot;; the ledger&apos;s 240 entries, ... are as they were written&quot;.</extracomment>
        <translation>&#xa0;; %1</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two of the store&apos;s problems.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>DailyBackup</name>
    <message>
        <source>Backup</source>
        <translation>Copie de sauvegarde</translation>
    </message>
    <message>
        <source>Today&apos;s backup copy of the store could not be made:</source>
        <translation>La copie de sauvegarde du magasin n&apos;a pas pu être faite aujourd&apos;hui&#xa0;:</translation>
    </message>
    <message>
        <source>The counter works as usual. The program tries again at its next start.</source>
        <translation>La caisse fonctionne comme d&apos;habitude. Le programme réessaiera à son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>ManagerCode</name>
    <message>
        <source>A manager code needs at least %1 characters.</source>
        <translation>Un code du gérant doit avoir au moins %1 caractères.</translation>
    </message>
    <message>
        <source>A manager code cannot hold tabs, line breaks or other control characters: they cannot be typed at the security gate.</source>
        <translation>Un code du gérant ne peut pas contenir de tabulations, de sauts de ligne ni d&apos;autres caractères de contrôle&#xa0;: on ne peut pas les taper au contrôle d&apos;accès.</translation>
    </message>
    <message>
        <source>A manager code must be text that can be typed at the security gate.</source>
        <translation>Un code du gérant doit être un texte qu&apos;on peut taper au contrôle d&apos;accès.</translation>
    </message>
    <message>
        <source>The default code cannot be a store&apos;s own code: everyone who has read the program&apos;s instructions knows it.</source>
        <translation>Le code par défaut ne peut pas être le code propre d&apos;un magasin&#xa0;: quiconque a lu le mode d&apos;emploi du programme le connaît.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the windows need a graphical session and %1; start it from the desktop, or use the commands that need none (--report, --backup, --check, --restore; videostore --help lists them).</source>
        <translation>les fenêtres ont besoin d&apos;une session graphique et %1&#xa0;; lancez le programme depuis le bureau, ou utilisez les commandes qui n&apos;en ont pas besoin (--report, --backup, --check, --restore&#xa0;; videostore --help les affiche).</translation>
    </message>
    <message>
        <source>none was found (DISPLAY is not set)</source>
        <translation>aucune n&apos;a été trouvée (DISPLAY n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>the display could not be reached</source>
        <translation>l&apos;affichage n&apos;a pas pu être joint</translation>
    </message>
</context>
<context>
    <name>SetManagerCode</name>
    <message>
        <source>The manager code was not changed.</source>
        <translation>Le code du gérant n&apos;a pas été changé.</translation>
    </message>
    <message>
        <source>There is no store file %1 (start the program once to make it).</source>
        <translation>Il n&apos;y a pas de fichier de magasin %1 (lancez le programme une fois pour le créer).</translation>
    </message>
    <message>
        <source>The store %1 cannot be used: %2</source>
        <translation>Le magasin %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>New manager code for %1 (at least %2 characters): </source>
        <translation>Nouveau code du gérant pour %1 (au moins %2 caractères)&#xa0;: </translation>
    </message>
    <message>
        <source>The code typed is too long.</source>
        <translation>Le code tapé est trop long.</translation>
    </message>
    <message>
        <source>No code was typed.</source>
        <translation>Aucun code n&apos;a été tapé.</translation>
    </message>
    <message>
        <source>The code typed is not UTF-8 text.</source>
        <translation>Le code tapé n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The same code again: </source>
        <translation>Le même code encore une fois&#xa0;: </translation>
    </message>
    <message>
        <source>The two codes differ.</source>
        <translation>Les deux codes sont différents.</translation>
    </message>
    <message>
        <source>The line given is too long to be a code.</source>
        <translation>La ligne donnée est trop longue pour être un code.</translation>
    </message>
    <message>
        <source>No code was given on standard input.</source>
        <translation>Aucun code n&apos;a été donné sur l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>The code given is not UTF-8 text.</source>
        <translation>Le code donné n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The computer lacks the memory to keep the new code safely.</source>
        <translation>L&apos;ordinateur manque de mémoire pour garder le nouveau code en sûreté.</translation>
    </message>
    <message>
        <source>The store could not %1: %2</source>
        <translation>Le magasin n&apos;a pas pu %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The manager code of the store %1 has been changed; the old code no longer opens anything.</source>
        <translation>Le code du gérant du magasin %1 a été changé&#xa0;; l&apos;ancien code n&apos;ouvre plus rien.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>Checkout</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retours</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Ventes</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Video Management</source>
        <translation>Gestion des &amp;vidéos</translation>
    </message>
    <message>
        <source>&amp;Inventory</source>
        <translation>&amp;Inventaire</translation>
    </message>
    <message>
        <source>&amp;Checkout</source>
        <translation>&amp;Caisse</translation>
    </message>
    <message>
        <source>&amp;Returns</source>
        <translation>&amp;Retours</translation>
    </message>
    <message>
        <source>&amp;Payments</source>
        <translation>&amp;Paiements</translation>
    </message>
    <message>
        <source>List &amp;selected Movies</source>
        <translation>Films d&apos;un &amp;genre</translation>
    </message>
    <message>
        <source>Customer &amp;List</source>
        <translation>&amp;Liste des clients</translation>
    </message>
    <message>
        <source>Customer by &amp;Date</source>
        <translation>Clients par &amp;date</translation>
    </message>
    <message>
        <source>List All Sal&amp;es</source>
        <translation>Toutes les v&amp;entes</translation>
    </message>
    <message>
        <source>Re&amp;ntal Revenue</source>
        <translation>Reve&amp;nus de location</translation>
    </message>
    <message>
        <source>Select a genre?</source>
        <translation>Choisir un genre?</translation>
    </message>
    <message>
        <source>Movie reports</source>
        <translation>Rapports de films</translation>
    </message>
    <message>
        <source>New customer?</source>
        <translation>Nouveau client?</translation>
    </message>
    <message>
        <source>New customer or modify existing</source>
        <translation>Nouveau client ou client existant à modifier</translation>
    </message>
    <message>
        <source>Video Store is in %1.</source>
        <translation>Video Store est en %1.</translation>
    </message>
    <message>
        <source>It starts in the system&apos;s language (French when LANG is fr_CA.UTF-8), or in the one its command line gives: videostore --language fr, or videostore --language en.</source>
        <translation>Il démarre dans la langue du système (le français quand LANG vaut fr_CA.UTF-8), ou dans celle que donne sa ligne de commande&#xa0;: videostore --language fr, ou videostore --language en.</translation>
    </message>
    <message>
        <source>Receipts and letters are printed in the language chosen in Manager, &quot;Store details...&quot;.</source>
        <translation>Les reçus et les lettres sont imprimés dans la langue choisie dans Gérant, « Renseignements sur le magasin... ».</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Stoc&amp;k Management</source>
        <translation>Gestion du stoc&amp;k</translation>
    </message>
    <message>
        <source>&amp;Videos</source>
        <translation>&amp;Vidéos</translation>
    </message>
    <message>
        <source>Ren&amp;tals</source>
        <translation>L&amp;ocations</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Retours</translation>
    </message>
    <message>
        <source>Late &amp;Payment</source>
        <translation>&amp;Paiement des frais de retard</translation>
    </message>
    <message>
        <source>&amp;Tapes Out</source>
        <translation>Cassettes en &amp;location</translation>
    </message>
    <message>
        <source>&amp;Holds</source>
        <translation>Ré&amp;servations</translation>
    </message>
    <message>
        <source>Rep&amp;orts</source>
        <translation>R&amp;apports</translation>
    </message>
    <message>
        <source>List all &amp;Movies</source>
        <translation>Liste de tous les &amp;films</translation>
    </message>
    <message>
        <source>List &amp;selected type</source>
        <translation>Liste des films d&apos;un &amp;genre</translation>
    </message>
    <message>
        <source>&amp;Customer list</source>
        <translation>Liste des &amp;clients</translation>
    </message>
    <message>
        <source>Sales &amp;all</source>
        <translation>&amp;Toutes les ventes</translation>
    </message>
    <message>
        <source>&amp;Rental Revenue</source>
        <translation>&amp;Revenus de location</translation>
    </message>
    <message>
        <source>Day &amp;End</source>
        <translation>Fin de &amp;journée</translation>
    </message>
    <message>
        <source>Ta&amp;xes</source>
        <translation>Ta&amp;xes</translation>
    </message>
    <message>
        <source>Cash &amp;Up</source>
        <translation>Co&amp;mptage de la caisse</translation>
    </message>
    <message>
        <source>C&amp;ustomers</source>
        <translation>Client&amp;s</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Mana&amp;ger</source>
        <translation>Géran&amp;t</translation>
    </message>
    <message>
        <source>Change manager &amp;code...</source>
        <translation>Changer le &amp;code du gérant...</translation>
    </message>
    <message>
        <source>&amp;Prices and taxes...</source>
        <translation>&amp;Prix et taxes...</translation>
    </message>
    <message>
        <source>&amp;Store details...</source>
        <translation>&amp;Renseignements sur le magasin...</translation>
    </message>
    <message>
        <source>&amp;Language: %1</source>
        <translation>&amp;Langue&#xa0;: %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>List All &amp;Movies</source>
        <translation>Liste de tous les &amp;films</translation>
    </message>
    <message>
        <source>Customer &amp;by Date</source>
        <translation>Clients par &amp;date</translation>
    </message>
    <message>
        <source>&amp;Add Customer</source>
        <translation>A&amp;jouter un client</translation>
    </message>
    <message>
        <source>Modi&amp;fy Customer</source>
        <translation>&amp;Modifier un client</translation>
    </message>
    <message>
        <source>&amp;Delete Customer</source>
        <translation>S&amp;upprimer un client</translation>
    </message>
    <message>
        <source>A bill is open at the counter. Close the program and drop it?</source>
        <translation>Une facture est ouverte à la caisse. Fermer le programme et l&apos;abandonner?</translation>
    </message>
</context>
<context>
    <name>frmSecur</name>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Security authorization</source>
        <translation>Contrôle d&apos;accès</translation>
    </message>
    <message>
        <source>You have requested a secured feature. Please enter the security authorization code to access:</source>
        <translation>Vous avez demandé une fonction protégée. Veuillez entrer le code d&apos;autorisation pour accéder à&#xa0;:</translation>
    </message>
    <message>
        <source>Authorization Code:</source>
        <translation>Code d&apos;autorisation&#xa0;:</translation>
    </message>
    <message>
        <source>Submit Authorization</source>
        <translation>Soumettre le code</translation>
    </message>
    <message>
        <source>Return to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Too many wrong codes in a row. Wait %1 more before the next try.</source>
        <translation>Trop de mauvais codes de suite. Attendez encore %1 avant le prochain essai.</translation>
    </message>
    <message>
        <source>Code incorrect</source>
        <translation>Code erroné</translation>
    </message>
    <message>
        <source>This store has no manager code the gate can check, so it opens nothing: set one with videostore --set-manager-code.</source>
        <translation>Ce magasin n&apos;a pas de code du gérant que le contrôle d&apos;accès peut vérifier&#xa0;; il n&apos;ouvre donc rien&#xa0;: donnez-en un avec videostore --set-manager-code.</translation>
    </message>
    <message>
        <source>No manager code</source>
        <translation>Aucun code du gérant</translation>
    </message>
    <message>
        <source>Authorization granted</source>
        <translation>Accès autorisé</translation>
    </message>
    <message>
        <source>Security clearance</source>
        <translation>Autorisation</translation>
    </message>
    <message>
        <source>This store still opens with the default manager code, which is printed in the program&apos;s instructions.</source>
        <translation>Ce magasin s&apos;ouvre encore avec le code du gérant par défaut, qui est imprimé dans le mode d&apos;emploi du programme.</translation>
    </message>
    <message>
        <source>Give the store its own code: &quot;Change manager code...&quot; in the main menu&apos;s Manager menu, or videostore --set-manager-code.</source>
        <translation>Donnez au magasin son propre code&#xa0;: « Changer le code du gérant... » dans le menu Gérant du menu principal, ou videostore --set-manager-code.</translation>
    </message>
    <message>
        <source>Default manager code</source>
        <translation>Code du gérant par défaut</translation>
    </message>
    <message>
        <source>Store records</source>
        <translation>Registres du magasin</translation>
    </message>
    <message>
        <source>Authorization failed - retry?</source>
        <translation>Accès refusé - réessayer?</translation>
    </message>
    <message>
        <source>After %1 wrong codes in a row, the next try must wait %2.</source>
        <translation>Après %1 mauvais codes de suite, le prochain essai doit attendre %2.</translation>
    </message>
    <message>
        <source>Change manager code</source>
        <translation>Changer le code du gérant</translation>
    </message>
    <message>
        <source>The manager code was not changed.</source>
        <translation>Le code du gérant n&apos;a pas été changé.</translation>
    </message>
    <message>
        <source>Type the store&apos;s new manager code (at least %1 characters; capitals count):</source>
        <translation>Tapez le nouveau code du gérant du magasin (au moins %1 caractères&#xa0;; les majuscules comptent)&#xa0;:</translation>
    </message>
    <message>
        <source>Type the new manager code again:</source>
        <translation>Tapez le nouveau code du gérant encore une fois&#xa0;:</translation>
    </message>
    <message>
        <source>The two codes differ.</source>
        <translation>Les deux codes sont différents.</translation>
    </message>
    <message>
        <source>The computer lacks the memory to keep the new code safely.</source>
        <translation>L&apos;ordinateur manque de mémoire pour garder le nouveau code en sûreté.</translation>
    </message>
    <message>
        <source>The manager code has been changed. From now on only the new code opens the manager&apos;s windows.</source>
        <translation>Le code du gérant a été changé. Désormais, seul le nouveau code ouvre les fenêtres du gérant.</translation>
    </message>
</context>
</TS>
