<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>ReturnsStore</name>
    <message>
        <source>The tape or its title is no longer on file.</source>
        <translation>La cassette ou son titre ne figure plus au fichier.</translation>
    </message>
    <message>
        <source>Member %1, who rented it, is no longer on file.</source>
        <translation>Le membre %1, qui l&apos;a louée, ne figure plus au fichier.</translation>
    </message>
    <message>
        <source>Its rental keeps no late fee a day.</source>
        <translation>Sa location n&apos;indique pas de frais de retard par jour.</translation>
    </message>
    <message>
        <source>Its rental dates &quot;%1&quot; and &quot;%2&quot; are not dates.</source>
        <translation>Les dates de sa location, «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;», ne sont pas des dates.</translation>
    </message>
    <message>
        <source>Another counter changed its rental at the same time. Try again.</source>
        <translation>Une autre caisse a modifié sa location au même moment. Réessayez.</translation>
    </message>
    <message>
        <source>Member %1 is no longer on file.</source>
        <translation>Le membre %1 ne figure plus au fichier.</translation>
    </message>
    <message>
        <source>look up the tape&apos;s rental</source>
        <translation>chercher la location de la cassette</translation>
    </message>
    <message>
        <source>list the member&apos;s tapes still out</source>
        <translation>lister les cassettes du membre encore sorties</translation>
    </message>
    <message>
        <source>take the tapes back</source>
        <translation>reprendre les cassettes</translation>
    </message>
    <message>
        <source>take tape %1 back</source>
        <translation>reprendre la cassette %1</translation>
    </message>
    <message>
        <source>record the payment</source>
        <translation>enregistrer le paiement</translation>
    </message>
</context>
<context>
    <name>frmPayment</name>
    <message>
        <source>&amp;Cash</source>
        <translation>&amp;Comptant</translation>
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
        <source>MM/YY</source>
        <translation>MM/AA</translation>
    </message>
    <message>
        <source>Take %1 from %2 by %3?</source>
        <translation>Encaisser %1 de %2 (%3)&#xa0;?</translation>
    </message>
    <message>
        <source>Fee payment</source>
        <translation>Paiement des frais</translation>
    </message>
    <message>
        <source>There is no member %1.</source>
        <translation>Il n&apos;y a pas de membre %1.</translation>
    </message>
    <message>
        <source>Overdue fees paid in the amount of %1 by %2.</source>
        <translation>Frais de retard payés&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source>Payment made of %1 by %2</source>
        <translation>Paiement de %1 reçu (%2)</translation>
    </message>
    <message>
        <source>Customer Late fee payment</source>
        <translation>Paiement des frais de retard</translation>
    </message>
    <message>
        <source>Customer Late fee Payment</source>
        <translation>Paiement des frais de retard</translation>
    </message>
    <message>
        <source>Enter the customer Number:</source>
        <translation>Numéro de membre&#xa0;:</translation>
    </message>
    <message>
        <source>Method of payment:</source>
        <translation>Mode de paiement&#xa0;:</translation>
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
        <source>Enter</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Pay in Full</source>
        <translation>Tout payer</translation>
    </message>
    <message>
        <source>Pay partial</source>
        <translation>Payer une partie</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>%1 has fees owing of %2</source>
        <translation>%1 doit des frais de %2</translation>
    </message>
    <message>
        <source>%1 has no fees owing. No payments are necessary.</source>
        <translation>%1 ne doit pas de frais. Aucun paiement n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>Numéro non valide</translation>
    </message>
    <message>
        <source>That customer has been deleted.</source>
        <translation>Ce client a été supprimé.</translation>
    </message>
    <message>
        <source>(If customer is returning overdue videos at this time, enter the returns and then return to payment.)</source>
        <translation>(Si le client rapporte des cassettes en retard, enregistrez d&apos;abord les retours, puis revenez au paiement.)</translation>
    </message>
    <message>
        <source>Does the customer wish to do additional business at this time?</source>
        <translation>Le client souhaite-t-il faire d&apos;autres transactions maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Additional Transactions</source>
        <translation>Autres transactions</translation>
    </message>
    <message>
        <source>Fees paid</source>
        <translation>Frais payés</translation>
    </message>
    <message>
        <source>Partial Payment</source>
        <translation>Paiement partiel</translation>
    </message>
    <message>
        <source>%1 owes %2. Amount paid now:</source>
        <translation>%1 doit %2. Montant payé maintenant&#xa0;:</translation>
    </message>
    <message>
        <source>%1 Nothing has been paid.</source>
        <translation>%1 Rien n&apos;a été payé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount. Enter the amount paid, for example 2 or 2.50.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montant. Entrez le montant payé, par exemple 2 ou 2,50.</translation>
    </message>
    <message>
        <source>The amount paid must be more than $0.00. Nothing has been paid.</source>
        <translation>Le montant payé doit dépasser 0,00&#xa0;$. Rien n&apos;a été payé.</translation>
    </message>
    <message>
        <source>%1 still owing on account.</source>
        <translation>%1 reste dû au compte.</translation>
    </message>
</context>
<context>
    <name>frmReturn</name>
    <message>
        <source>Tape %1 is not out on rental.</source>
        <translation>La cassette %1 n&apos;est pas en location.</translation>
    </message>
    <message>
        <source>Video Return</source>
        <translation>Retour de cassettes</translation>
    </message>
    <message>
        <source>Return Videos here.</source>
        <translation>Retournez les cassettes ici.</translation>
    </message>
    <message>
        <source>VID:</source>
        <translation>Cassette&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the Video ID of a video being returned here.</source>
        <translation>Entrez ici le numéro de la cassette rapportée.</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>These are other videos currently being rented by the person who last returned a video. If they are being returned at the same time, just click on them and hit return.</source>
        <translation>Les autres cassettes louées par la personne qui vient de rapporter une cassette. Si elle les rapporte aussi, cliquez dessus, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Return Vids</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Click to return from the textbox or listbox</source>
        <translation>Cliquez pour retourner la cassette tapée ou celles choisies dans la liste</translation>
    </message>
    <message>
        <source>Back to main</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Do you wish to return video %1?<byte value="xd"/>
(No to return selected items from listbox.)</source>
        <translation>Voulez-vous retourner la cassette %1&#xa0;?<byte value="xd"/>
(Non pour retourner celles choisies dans la liste.)</translation>
    </message>
    <message>
        <source>Return video source</source>
        <translation>Cassettes à retourner</translation>
    </message>
    <message>
        <source>Must designate videos to return</source>
        <translation>Indiquez les cassettes à retourner</translation>
    </message>
    <message>
        <source>Return error</source>
        <translation>Erreur de retour</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Tape %1</source>
        <translation>Cassette %1</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>Numéro non valide</translation>
    </message>
    <message>
        <source>Return error.</source>
        <translation>Erreur de retour</translation>
    </message>
    <message>
        <source>That tape has been deleted. Please recheck and consult manager.</source>
        <translation>Cette cassette a été supprimée. Vérifiez de nouveau et consultez le gérant.</translation>
    </message>
    <message>
        <source>Deleted Tape</source>
        <translation>Cassette supprimée</translation>
    </message>
    <message>
        <source>member %1 %2</source>
        <translation>membre %1 %2</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>retour prévu le %1</translation>
    </message>
    <message>
        <source>on time</source>
        <translation>à temps</translation>
    </message>
    <message>
        <source>1 day late</source>
        <translation>1 jour de retard</translation>
    </message>
    <message>
        <source>%1 days late</source>
        <translation>%1 jours de retard</translation>
    </message>
    <message>
        <source>fee&#xa0;%1 added to the member&apos;s account</source>
        <translation>frais&#xa0;de&#xa0;%1 portés au compte du membre</translation>
    </message>
    <message>
        <source>no fee</source>
        <translation>aucuns frais</translation>
    </message>
    <message>
        <source>Video returned overdue.</source>
        <translation>Cassette rapportée en retard</translation>
    </message>
    <message>
        <source>Video returned</source>
        <translation>Cassette rapportée</translation>
    </message>
    <message>
        <source>Member %1 has no other tapes out.</source>
        <translation>Le membre %1 n&apos;a aucune autre cassette en location.</translation>
    </message>
    <message>
        <source>Member %1 still has:</source>
        <translation>Le membre %1 a encore&#xa0;:</translation>
    </message>
    <message>
        <source>%1	%2  due %3  OVERDUE</source>
        <translation>%1	%2  retour %3  EN RETARD</translation>
    </message>
    <message>
        <source>%1	%2  due %3</source>
        <translation>%1	%2  retour %3</translation>
    </message>
    <message>
        <source>Tape %1 had just been returned at another counter; nothing was charged here.</source>
        <translation>La cassette %1 venait d&apos;être retournée à une autre caisse&#xa0;; rien n&apos;a été facturé ici.</translation>
    </message>
    <message>
        <source>The return date %1 is before tape %2 was rented on %3. Check the date; nothing has been returned.</source>
        <translation>La date de retour %1 précède la location de la cassette %2, le %3. Vérifiez la date&#xa0;; rien n&apos;a été retourné.</translation>
    </message>
    <message numerus="yes">
        <source>%n videos have been returned. $%1 in fees have been accumulated.</source>
        <translation>
            <numerusform>%n cassette a été retournée. %1&#xa0;$ de frais ont été portés au compte.</numerusform>
            <numerusform>%n cassettes ont été retournées. %1&#xa0;$ de frais ont été portés au compte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Videos returned.</source>
        <translation>Cassettes retournées</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Réservation</translation>
    </message>
</context>
</TS>
