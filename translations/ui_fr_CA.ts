<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fichier %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Taken by another counter</source>
        <translation>Pris à une autre caisse</translation>
    </message>
    <message>
        <source>Store database error</source>
        <translation>Erreur de la base de données du magasin</translation>
    </message>
    <message>
        <source>Are you sure you want to return to the main menu?</source>
        <translation>Voulez-vous vraiment revenir au menu principal?</translation>
    </message>
    <message>
        <source>Return to main menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>Numéro non valide</translation>
    </message>
    <message>
        <source>Enter the %1 as an amount of dollars, such as 24.99.</source>
        <translation>Entrez le champ « %1 » comme un montant en dollars, par exemple 24,99.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid %2. Enter an amount of dollars of 0 or more, such as 24.99.</source>
        <translation>« %1 » n&apos;est pas une valeur valide pour « %2 ». Entrez un montant en dollars de 0 ou plus, par exemple 24,99.</translation>
    </message>
    <message>
        <source>Invalid amount</source>
        <translation>Montant non valide</translation>
    </message>
    <message>
        <source>Virtual Delete.</source>
        <translation>Suppression virtuelle.</translation>
    </message>
    <message>
        <source>Customer not found</source>
        <translation>Client introuvable</translation>
    </message>
    <message>
        <source>%1 has been marked as deleted. Items are not deleted from the database entirely,%2but can no longer be accessed by normal means. Consult Corvane Inc. for a data retrieval kit if required.</source>
        <extracomment>%1 is what was retired; %2 is a line break.</extracomment>
        <translation>%1 a été marqué comme supprimé. Les éléments ne sont pas entièrement effacés de la base de données,%2mais ne sont plus accessibles par les moyens habituels. Au besoin, consultez Corvane Inc. pour une trousse de récupération des données.</translation>
    </message>
    <message>
        <source>Tape numbers are digits only: &quot;%1&quot; is not one.</source>
        <translation>Un numéro de cassette n&apos;a que des chiffres&#xa0;: « %1 » n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>Item numbers are digits only: &quot;%1&quot; is not one.</source>
        <translation>Un numéro d&apos;article n&apos;a que des chiffres&#xa0;: « %1 » n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>Member numbers are digits only: &quot;%1&quot; is not one.</source>
        <translation>Un numéro de membre n&apos;a que des chiffres&#xa0;: « %1 » n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>There is no tape %1: tape numbers go up to %2.</source>
        <translation>Il n&apos;y a pas de cassette %1&#xa0;: les numéros de cassette vont jusqu&apos;à %2.</translation>
    </message>
    <message>
        <source>There is no item %1: item numbers go up to %2.</source>
        <translation>Il n&apos;y a pas d&apos;article %1&#xa0;: les numéros d&apos;article vont jusqu&apos;à %2.</translation>
    </message>
    <message>
        <source>There is no member %1: member numbers go up to %2.</source>
        <translation>Il n&apos;y a pas de membre %1&#xa0;: les numéros de membre vont jusqu&apos;à %2.</translation>
    </message>
    <message>
        <source>Waiting for another counter...</source>
        <translation>En attente d&apos;une autre caisse...</translation>
    </message>
    <message>
        <source>Waiting for the store server to come back...</source>
        <translation>En attente du retour du serveur du magasin...</translation>
    </message>
    <message>
        <source>Waiting for the store server...</source>
        <translation>En attente du serveur du magasin...</translation>
    </message>
</context>
<context>
    <name>OutcomeList</name>
    <message>
        <source>What the last tapes and items typed or scanned did, newest first.</source>
        <translation>Ce qu&apos;ont donné les dernières cassettes et les derniers articles tapés ou lus au lecteur, du plus récent au plus ancien.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a notice is about (&quot;Tape 13&quot;), then the notice.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ReceiptFile</name>
    <message>
        <source>The folder cannot be made.</source>
        <translation>Le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Receipt %1</source>
        <translation>Reçu %1</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>La page n&apos;a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>Too many receipts already have the name %1.</source>
        <translation>Trop de reçus portent déjà le nom %1.</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>No printer is available. Set up a printer, or save the report as a PDF file, and try again.</source>
        <translation>Aucune imprimante n&apos;est disponible. Installez une imprimante, ou enregistrez le rapport en fichier PDF, puis réessayez.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>No printer is available. Set up a default printer and try again.</source>
        <translation>Aucune imprimante n&apos;est disponible. Installez une imprimante par défaut, puis réessayez.</translation>
    </message>
    <message>
        <source>The printer did not accept the page. Check the printer and try again.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté la page. Vérifiez l&apos;imprimante, puis réessayez.</translation>
    </message>
    <message>
        <source>No printer is available, and the receipt could not be saved as a PDF file in %1: %2</source>
        <translation>Aucune imprimante n&apos;est disponible, et le reçu n&apos;a pas pu être enregistré en fichier PDF dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Set up a default printer, or make that folder writable, and try again.</source>
        <translation>Installez une imprimante par défaut, ou rendez ce dossier accessible en écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>No printer is available, so the receipt was saved as a PDF file:</source>
        <translation>Aucune imprimante n&apos;est disponible&#xa0;; le reçu a donc été enregistré en fichier PDF&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmChooseMember</name>
    <message>
        <source>Choose a Member</source>
        <translation>Choisir un membre</translation>
    </message>
    <message>
        <source>Member ID</source>
        <translation>Numéro de membre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Fees Owing</source>
        <translation>Frais dus</translation>
    </message>
    <message>
        <source>Show Member</source>
        <translation>Afficher le membre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 members match what was typed. Choose the customer at the counter:</source>
        <translation>%1 membres correspondent à ce qui a été tapé. Choisissez le client au comptoir&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (supprimé)</translation>
    </message>
</context>
</TS>
