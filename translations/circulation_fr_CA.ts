<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>CirculationStore</name>
    <message>
        <source>list the tapes out</source>
        <translation>afficher la liste des cassettes en location</translation>
    </message>
    <message>
        <source>look up the title</source>
        <translation>chercher le titre</translation>
    </message>
    <message>
        <source>look up the titles</source>
        <translation>chercher les titres</translation>
    </message>
    <message>
        <source>place the hold</source>
        <translation>faire la réservation</translation>
    </message>
    <message>
        <source>Member %1 is not on file.</source>
        <translation>Le membre %1 n&apos;est pas inscrit.</translation>
    </message>
    <message>
        <source>Member %1 is retired.</source>
        <translation>Le membre %1 a été supprimé.</translation>
    </message>
    <message>
        <source>Title %1 is not on file.</source>
        <translation>Le titre %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 (title %2) is retired.</source>
        <translation>%1 (titre %2) a été supprimé.</translation>
    </message>
    <message>
        <source>%1 (title %2) has no copies for rent.</source>
        <translation>%1 (titre %2) n&apos;a aucune copie à louer.</translation>
    </message>
    <message>
        <source>Member %1 already has a hold on %2.</source>
        <translation>Le membre %1 a déjà une réservation pour %2.</translation>
    </message>
    <message>
        <source>list the holds</source>
        <translation>afficher la liste des réservations</translation>
    </message>
    <message>
        <source>list the member&apos;s holds</source>
        <translation>afficher les réservations du membre</translation>
    </message>
    <message>
        <source>cancel the hold</source>
        <translation>annuler la réservation</translation>
    </message>
    <message>
        <source>lapse the holds not collected</source>
        <translation>faire expirer les réservations non récupérées</translation>
    </message>
    <message>
        <source>Member not on file</source>
        <translation>Membre introuvable</translation>
    </message>
    <message>
        <source>Member retired</source>
        <translation>Membre retiré</translation>
    </message>
    <message>
        <source>Title not on file</source>
        <translation>Titre introuvable</translation>
    </message>
    <message>
        <source>Title retired</source>
        <translation>Titre retiré</translation>
    </message>
    <message>
        <source>No copies for rent</source>
        <translation>Aucune copie à louer</translation>
    </message>
    <message>
        <source>Already on hold</source>
        <translation>Déjà réservé</translation>
    </message>
</context>
<context>
    <name>Holds</name>
    <message>
        <source>tape %1 on the hold shelf until %2</source>
        <translation>cassette %1 mise de côté jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>a hold</comment>
        <translation>en attente</translation>
    </message>
    <message>
        <source>filled on %1</source>
        <comment>a hold</comment>
        <translation>honorée le %1</translation>
    </message>
    <message>
        <source>lapsed on %1</source>
        <comment>a hold</comment>
        <translation>expirée le %1</translation>
    </message>
    <message>
        <source>cancelled on %1</source>
        <comment>a hold</comment>
        <translation>annulée le %1</translation>
    </message>
    <message>
        <source>Put tape %1 (%2) aside for member %3 %4, hold of %5.</source>
        <translation>Mettez la cassette %1 (%2) de côté pour le membre %3 %4, réservation du %5.</translation>
    </message>
    <message>
        <source>The hold of member %1 %2 on %3 lapsed: tape %4 was not collected by %5.</source>
        <translation>La réservation du membre %1 %2 pour %3 est expirée&#xa0;: la cassette %4 n&apos;a pas été récupérée au plus tard le %5.</translation>
    </message>
    <message>
        <source>Put it back on the shelf.</source>
        <translation>Remettez-la sur l&apos;étagère.</translation>
    </message>
    <message>
        <source>Tape %1 is held for member %2 until %3.</source>
        <translation>La cassette %1 est réservée pour le membre %2 jusqu&apos;au %3.</translation>
    </message>
    <message>
        <source>read how long holds are kept</source>
        <translation>lire combien de temps les réservations sont gardées</translation>
    </message>
    <message>
        <source>set tape %1 aside for a hold</source>
        <translation>mettre la cassette %1 de côté pour une réservation</translation>
    </message>
    <message>
        <source>Another counter changed the holds on %1 at the same time. Nothing was saved; try again.</source>
        <translation>Une autre caisse a modifié les réservations de %1 au même moment. Rien n&apos;a été enregistré&#xa0;; réessayez.</translation>
    </message>
    <message>
        <source>look up the holds on tape %1</source>
        <translation>chercher les réservations de la cassette %1</translation>
    </message>
    <message>
        <source>close the holds on the tapes taken</source>
        <translation>fermer les réservations des cassettes prises</translation>
    </message>
    <message>
        <source>close the hold of member %1</source>
        <translation>fermer la réservation du membre %1</translation>
    </message>
    <message>
        <source>Another counter changed the hold of member %1 on %2 at the same time. Nothing was saved; look again.</source>
        <translation>Une autre caisse a modifié la réservation du membre %1 pour %2 au même moment. Rien n&apos;a été enregistré&#xa0;; vérifiez de nouveau.</translation>
    </message>
    <message>
        <source>look up the holds not collected</source>
        <translation>chercher les réservations non récupérées</translation>
    </message>
    <message>
        <source>look up the member&apos;s holds</source>
        <translation>chercher les réservations du membre</translation>
    </message>
    <message>
        <source>look up the hold</source>
        <translation>chercher la réservation</translation>
    </message>
    <message>
        <source>cancel the hold</source>
        <translation>annuler la réservation</translation>
    </message>
    <message>
        <source>That hold is no longer waiting: another counter has filled or cancelled it. Nothing was changed.</source>
        <translation>Cette réservation n&apos;est plus en attente&#xa0;: une autre caisse l&apos;a honorée ou annulée. Rien n&apos;a été changé.</translation>
    </message>
</context>
<context>
    <name>HoldsPanel</name>
    <message>
        <source>%1 is now held for member %2 %3. Copies coming back are put aside for holds in the order they were placed.</source>
        <translation>%1 est maintenant réservé pour le membre %2 %3. Les copies rapportées sont mises de côté pour les réservations dans l&apos;ordre où elles ont été faites.</translation>
    </message>
    <message>
        <source>Hold placed</source>
        <translation>Réservation faite</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Hold a &amp;Title...</source>
        <translation>Réserver un &amp;titre...</translation>
    </message>
    <message>
        <source>Put a copy aside for this member</source>
        <translation>Mettre une copie de côté pour ce membre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a title and its hold&apos;s state</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OverdueCallList</name>
    <message>
        <source>home %1</source>
        <translation>rés. %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation>cell. %1</translation>
    </message>
    <message>
        <source>no phone on file</source>
        <translation>aucun téléphone au dossier</translation>
    </message>
    <message>
        <source>run the overdue call list</source>
        <translation>produire la liste d&apos;appels pour les retards</translation>
    </message>
    <message>
        <source>%1 %2: %3; 1 tape, %4 so far</source>
        <translation>%1 %2&#xa0;: %3&#xa0;; 1 cassette, %4 à ce jour</translation>
    </message>
    <message>
        <source>%1 %2: %3; %4 tapes, %5 so far</source>
        <translation>%1 %2&#xa0;: %3&#xa0;; %4 cassettes, %5 à ce jour</translation>
    </message>
</context>
<context>
    <name>OverdueLetters</name>
    <message>
        <source>Telephone %1</source>
        <translation>Téléphone %1</translation>
    </message>
    <message>
        <source>Overdue Letters %1</source>
        <translation>Lettres de retard %1</translation>
    </message>
    <message>
        <source>Member %1</source>
        <translation>Membre %1</translation>
    </message>
    <message>
        <source>Dear %1,</source>
        <translation>Bonjour %1,</translation>
    </message>
    <message>
        <source>Our records show this tape past its due date:</source>
        <translation>Selon nos dossiers, cette cassette n&apos;a pas été rapportée à la date prévue&#xa0;:</translation>
    </message>
    <message>
        <source>Our records show these tapes past their due date:</source>
        <translation>Selon nos dossiers, ces cassettes n&apos;ont pas été rapportées à la date prévue&#xa0;:</translation>
    </message>
    <message>
        <source>Tape %1, %2: due %3, 1 day late, %4 so far</source>
        <translation>Cassette %1, %2&#xa0;: à rapporter le %3, 1 jour de retard, %4 à ce jour</translation>
    </message>
    <message>
        <source>Tape %1, %2: due %3, %4 days late, %5 so far</source>
        <translation>Cassette %1, %2&#xa0;: à rapporter le %3, %4 jours de retard, %5 à ce jour</translation>
    </message>
    <message>
        <source>Late fees so far: %1</source>
        <translation>Frais de retard à ce jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please bring it back to the store as soon as you can: the late fee grows with each day it is out.</source>
        <translation>Veuillez la rapporter au magasin dès que possible&#xa0;: les frais de retard augmentent chaque jour où elle n&apos;est pas rapportée.</translation>
    </message>
    <message>
        <source>Please bring them back to the store as soon as you can: the late fee grows with each day they are out.</source>
        <translation>Veuillez les rapporter au magasin dès que possible&#xa0;: les frais de retard augmentent chaque jour où elles ne sont pas rapportées.</translation>
    </message>
    <message>
        <source>Thank you.</source>
        <translation>Merci.</translation>
    </message>
    <message>
        <source>The letters could not be drawn.</source>
        <translation>Les lettres n&apos;ont pas pu être dessinées.</translation>
    </message>
</context>
<context>
    <name>frmHoldTitle</name>
    <message>
        <source>For member %1 %2:</source>
        <translation>Pour le membre %1 %2&#xa0;:</translation>
    </message>
    <message>
        <source>%1	%2 (retired)</source>
        <translation>%1	%2 (supprimé)</translation>
    </message>
    <message>
        <source>%1	%2 (no copies for rent)</source>
        <translation>%1	%2 (aucune copie à louer)</translation>
    </message>
    <message>
        <source>Hold a Title</source>
        <translation>Réserver un titre</translation>
    </message>
    <message>
        <source>&amp;Title number or part of its name:</source>
        <translation>Numéro du &amp;titre ou partie de son nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <comment>places the hold</comment>
        <translation>&amp;Réserver</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type the title&apos;s number or part of its name.</source>
        <translation>Tapez le numéro du titre ou une partie de son nom.</translation>
    </message>
    <message>
        <source>title number</source>
        <translation>numéro de titre</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>Numéro non valide</translation>
    </message>
    <message>
        <source>No title matches &quot;%1&quot;.</source>
        <translation>Aucun titre ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>frmHolds</name>
    <message>
        <source>Holds</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Hold</source>
        <comment>its number</comment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Placed</source>
        <translation>Faite le</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cassette</translation>
    </message>
    <message>
        <source>&amp;Cancel Hold</source>
        <translation>&amp;Annuler la réservation</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Holds lapsed</source>
        <translation>Réservations expirées</translation>
    </message>
    <message>
        <source>%1 waiting, %2 ready</source>
        <comment>holds</comment>
        <translation>En attente&#xa0;: %1&#xa0;; à remettre&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cancel the hold of member %1 %2 on %3?</source>
        <translation>Annuler la réservation du membre %1 %2 pour %3&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel Hold</source>
        <translation>Annuler la réservation</translation>
    </message>
    <message>
        <source>Put tape %1 (%2) back on the shelf.</source>
        <translation>Remettez la cassette %1 (%2) sur l&apos;étagère.</translation>
    </message>
</context>
<context>
    <name>frmTapesOut</name>
    <message>
        <source>Tapes Out</source>
        <translation>Cassettes en location</translation>
    </message>
    <message>
        <source>&amp;On:</source>
        <comment>the day the list is for</comment>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <comment>how a day is typed</comment>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>O&amp;verdue only</source>
        <translation>En &amp;retard seulement</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Call List...</source>
        <translation>Liste d&apos;a&amp;ppels...</translation>
    </message>
    <message>
        <source>The overdue members to ring (manager code)</source>
        <translation>Les membres en retard à appeler (code du gérant)</translation>
    </message>
    <message>
        <source>&amp;Letters...</source>
        <translation>&amp;Lettres...</translation>
    </message>
    <message>
        <source>A letter to each overdue member (manager code)</source>
        <translation>Une lettre à chaque membre en retard (code du gérant)</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cassette</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Cell phone</source>
        <translation>Cellulaire</translation>
    </message>
    <message>
        <source>Rented</source>
        <translation>Louée le</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Days late</source>
        <translation>Jours de retard</translation>
    </message>
    <message>
        <source>Fee so far</source>
        <translation>Frais à ce jour</translation>
    </message>
    <message>
        <source>Save the overdue letters</source>
        <translation>Enregistrer les lettres de retard</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>1 letter to members overdue on %1 written to %2.</source>
        <translation>1 lettre aux membres en retard au %1 enregistrée dans %2.</translation>
    </message>
    <message>
        <source>%1 letters to members overdue on %2 written to %3.</source>
        <translation>%1 lettres aux membres en retard au %2 enregistrées dans %3.</translation>
    </message>
    <message>
        <source>Holds lapsed</source>
        <translation>Réservations expirées</translation>
    </message>
    <message>
        <source>1 tape out, %1 overdue; late fees so far %2</source>
        <translation>1 cassette en location, %1 en retard&#xa0;; frais de retard à ce jour %2</translation>
    </message>
    <message>
        <source>%1 tapes out, %2 overdue; late fees so far %3</source>
        <translation>%1 cassettes en location, %2 en retard&#xa0;; frais de retard à ce jour %3</translation>
    </message>
    <message>
        <source>Member %1 %2 has 1 tape out:</source>
        <translation>Le membre %1 %2 a 1 cassette en location&#xa0;:</translation>
    </message>
    <message>
        <source>Member %1 %2 has %3 tapes out:</source>
        <translation>Le membre %1 %2 a %3 cassettes en location&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>Tape %1 (%2), due %3, %n days late, %4 so far</source>
        <translation>
            <numerusform>Cassette %1 (%2), à rapporter le %3, %n jour de retard, %4 à ce jour</numerusform>
            <numerusform>Cassette %1 (%2), à rapporter le %3, %n jours de retard, %4 à ce jour</numerusform>
        </translation>
    </message>
    <message>
        <source>Tape %1 (%2), due %3</source>
        <translation>Cassette %1 (%2), à rapporter le %3</translation>
    </message>
    <message>
        <source>Late fees so far: %1</source>
        <translation>Frais de retard à ce jour&#xa0;: %1</translation>
    </message>
</context>
</TS>
