<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChangeGui</name>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>Change for</source>
        <translation>Wechselgeld für</translation>
    </message>
    <message>
        <source>F8 Process</source>
        <translation>F8 Buchen</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>ComboDialogGui</name>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>Please select the Waiter to Cash Up</source>
        <translation>Bitte den Kellner für die Abrechnung wählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>DateGui</name>
    <message>
        <source>Date Selection</source>
        <translation>Datumsauswahl</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Jan.</source>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>Feb.</source>
        <translation>Feb.</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Aug.</source>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>Sep.</source>
        <translation>Sep.</translation>
    </message>
    <message>
        <source>Oct.</source>
        <translation>Okt.</translation>
    </message>
    <message>
        <source>Nov.</source>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>Dec.</source>
        <translation>Dez.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>DepartmentRoutes</name>
    <message>
        <source>A route is printer, screen or both, not %1</source>
        <translation>Ein Weg ist Drucker, Bildschirm oder beides, nicht %1</translation>
    </message>
    <message>
        <source>There is no department %1</source>
        <translation>Es gibt keine Warengruppe %1</translation>
    </message>
</context>
<context>
    <name>DocPrint</name>
    <message>
        <source>%1 Error</source>
        <translation>%1 – Fehler</translation>
    </message>
    <message>
        <source>Instalation Error: %1</source>
        <translation>Installationsfehler: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Not a valid Zendrik Document&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kein gültiges Zendrik-Dokument&lt;/b&gt;</translation>
    </message>
    <message>
        <source>%1 Document Email</source>
        <translation>%1 – Dokument per E-Mail</translation>
    </message>
    <message>
        <source>Enter the required Email address</source>
        <translation>Bitte die E-Mail-Adresse eingeben</translation>
    </message>
    <message>
        <source>Error creating slip printer file %1</source>
        <translation>Fehler beim Anlegen der Bondrucker-Datei %1</translation>
    </message>
    <message>
        <source>The printer %1 did not take the document:

%2</source>
        <translation>Der Drucker %1 hat das Dokument nicht angenommen:

%2</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(Standard)</translation>
    </message>
    <message>
        <source>Could not print on %1</source>
        <translation>Drucken auf %1 nicht möglich</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Continued on page %1</source>
        <translation>Fortsetzung auf Seite %1</translation>
    </message>
</context>
<context>
    <name>DocPrintGui</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Slip80</source>
        <translation>Bon 80</translation>
    </message>
    <message>
        <source>slip40</source>
        <translation>Bon 40</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>F8 Print</source>
        <translation>F8 Drucken</translation>
    </message>
    <message>
        <source>F5 Process</source>
        <translation>F5 Buchen</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>KitchenSettings</name>
    <message>
        <source>Kitchen</source>
        <translation>Küche</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
</context>
<context>
    <name>NumEntry</name>
    <message>
        <source>Waiter Code</source>
        <translation>Kellnercode</translation>
    </message>
    <message>
        <source>Table No.</source>
        <translation>Tisch-Nr.</translation>
    </message>
    <message>
        <source>Invoice No.</source>
        <translation>Rechnungs-Nr.</translation>
    </message>
</context>
<context>
    <name>NumEntryGui</name>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>Waiter Code</source>
        <translation>Kellnercode</translation>
    </message>
    <message>
        <source>CLR</source>
        <translation>LÖ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PadEntry</name>
    <message>
        <source>Cash Amount</source>
        <translation>Barbetrag</translation>
    </message>
    <message>
        <source>C/Card Amount</source>
        <translation>Kreditkartenbetrag</translation>
    </message>
    <message>
        <source>Cheque Amount</source>
        <translation>Scheckbetrag</translation>
    </message>
    <message>
        <source>Eft Amount</source>
        <translation>EC-Kartenbetrag</translation>
    </message>
    <message>
        <source>Coupon Amount</source>
        <translation>Gutscheinbetrag</translation>
    </message>
    <message>
        <source>Tip Amount</source>
        <translation>Trinkgeld</translation>
    </message>
</context>
<context>
    <name>PadEntryGui</name>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>Cash Amount</source>
        <translation>Barbetrag</translation>
    </message>
    <message>
        <source>CLR</source>
        <translation>LÖ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>Unlock User</source>
        <translation>Benutzer entsperren</translation>
    </message>
    <message>
        <source>Confirm that you will unlock user &apos;%1&apos;, this will result in their sessions terminating</source>
        <translation>Bitte bestätigen: Benutzer &apos;%1&apos; wird entsperrt, seine Sitzungen werden dabei beendet</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Personel</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Unlock user %1</source>
        <translation>Benutzer %1 entsperrt</translation>
    </message>
</context>
<context>
    <name>PreparationTimes</name>
    <message>
        <source>Kitchen Preparation Times %1 to %2</source>
        <translation>Zubereitungszeiten der Küche %1 bis %2</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Portions</source>
        <translation>Portionen</translation>
    </message>
    <message>
        <source>Dockets</source>
        <translation>Bons</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Längste</translation>
    </message>
    <message>
        <source>By item</source>
        <translation>Nach Artikel</translation>
    </message>
    <message>
        <source>By hour of order</source>
        <translation>Nach Stunde der Bestellung</translation>
    </message>
    <message>
        <source>All dockets</source>
        <translation>Alle Bons</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Sales</name>
    <message>
        <source>Sales</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>There are items in the Sales tab. Using clear they will be lost forever !
Most likely you still need to press Order or Print Bill, If not, are you sure you wan&apos;t to clear everything ?

</source>
        <translation>Im Verkauf stehen noch Artikel. Beim Leeren gehen sie unwiderruflich verloren!
Wahrscheinlich fehlt noch Bestellen oder Rechnung drucken. Wenn nicht: wirklich alles leeren?

</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Next Customer Please</source>
        <translation>Der Nächste bitte</translation>
    </message>
    <message>
        <source>Admin Mode - Till Closed</source>
        <translation>Admin-Modus – Kasse geschlossen</translation>
    </message>
    <message>
        <source>&amp;Client</source>
        <translation>&amp;Kunde</translation>
    </message>
    <message>
        <source>&amp;Receipt</source>
        <translation>&amp;Quittung</translation>
    </message>
    <message>
        <source>This account has a pending invoice</source>
        <translation>Dieses Konto hat eine offene Rechnung</translation>
    </message>
    <message>
        <source>No pending invoice</source>
        <translation>Keine offene Rechnung</translation>
    </message>
    <message>
        <source>Merge Clients</source>
        <translation>Kunden zusammenführen</translation>
    </message>
    <message>
        <source>You must first select the old client you are going to merge from</source>
        <translation>Bitte zuerst den alten Kunden wählen, der übernommen werden soll</translation>
    </message>
    <message>
        <source>You may not modify the CASH account !</source>
        <translation>Das Barkonto (CASH) darf nicht geändert werden!</translation>
    </message>
    <message>
        <source>Now select the new client
then select Merge Clients again</source>
        <translation>Jetzt den neuen Kunden wählen
und dann erneut Kunden zusammenführen wählen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>You have not selected a valid new client. Try again.</source>
        <translation>Es wurde kein gültiger neuer Kunde gewählt. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Confirm that you will merge Account number %1
to this new client ?</source>
        <translation>Bitte bestätigen: Konto Nr. %1
in diesen neuen Kunden übernehmen?</translation>
    </message>
    <message>
        <source>Merging clients ...</source>
        <translation>Kunden werden zusammengeführt ...</translation>
    </message>
    <message>
        <source>Acc: %1 to %2</source>
        <translation>Konto: %1 nach %2</translation>
    </message>
    <message>
        <source>Brevalon - New Account</source>
        <translation>Brevalon – Neues Konto</translation>
    </message>
    <message>
        <source>You need to fill in at least the following fields..
Name, for example Table 1 or Room 1</source>
        <translation>Mindestens diese Felder ausfüllen:
Name, zum Beispiel Table 1 oder Room 1</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Confirm that you wish to add a new account for %1</source>
        <translation>Bitte bestätigen: neues Konto für %1 anlegen</translation>
    </message>
    <message>
        <source>New Client</source>
        <translation>Neuer Kunde</translation>
    </message>
    <message>
        <source>Brevalon - Update Client</source>
        <translation>Brevalon – Kunde ändern</translation>
    </message>
    <message>
        <source>You must select a Client before you can execute an update</source>
        <translation>Vor dem Ändern bitte einen Kunden wählen</translation>
    </message>
    <message>
        <source>Brevalon - Update Account</source>
        <translation>Brevalon – Konto ändern</translation>
    </message>
    <message>
        <source>You need to fill in at least the clients Name</source>
        <translation>Mindestens der Name des Kunden muss ausgefüllt sein</translation>
    </message>
    <message>
        <source>Update Client</source>
        <translation>Kunde ändern</translation>
    </message>
    <message>
        <source>Acc: %1 - %2</source>
        <translation>Konto: %1 – %2</translation>
    </message>
    <message>
        <source>Brevalon - Purge Client</source>
        <translation>Brevalon – Kunde löschen</translation>
    </message>
    <message>
        <source>There is no Client selected, purge impossible !</source>
        <translation>Kein Kunde gewählt, Löschen nicht möglich!</translation>
    </message>
    <message>
        <source>You may not purge the CASH account !</source>
        <translation>Das Barkonto (CASH) darf nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Purge Client</source>
        <translation>Kunde löschen</translation>
    </message>
    <message>
        <source>Confirm that you will purge Client number %1</source>
        <translation>Bitte bestätigen: Kunde Nr. %1 löschen</translation>
    </message>
    <message>
        <source>Purging client ...</source>
        <translation>Kunde wird gelöscht ...</translation>
    </message>
    <message>
        <source>Acc: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>Do you wish to print a statement first ?</source>
        <translation>Vorher einen Kontoauszug drucken?</translation>
    </message>
    <message>
        <source>Search for Table by acc#</source>
        <translation>Tisch nach Konto-Nr. suchen</translation>
    </message>
    <message>
        <source>Search for Table</source>
        <translation>Tisch suchen</translation>
    </message>
    <message>
        <source>Search for Table by ID</source>
        <translation>Tisch nach Ausweis-Nr. suchen</translation>
    </message>
    <message>
        <source>Search for Table by email</source>
        <translation>Tisch nach E-Mail suchen</translation>
    </message>
    <message>
        <source>Search for Table by phone</source>
        <translation>Tisch nach Telefon suchen</translation>
    </message>
    <message>
        <source>Search for Table by fax</source>
        <translation>Tisch nach Fax suchen</translation>
    </message>
    <message>
        <source>Search for Table by cell</source>
        <translation>Tisch nach Mobilnummer suchen</translation>
    </message>
    <message>
        <source>Search for Table by Vat#</source>
        <translation>Tisch nach USt-IdNr. suchen</translation>
    </message>
    <message>
        <source>Search for Table by Notes</source>
        <translation>Tisch nach Notizen suchen</translation>
    </message>
    <message>
        <source>Search for Table by Postal</source>
        <translation>Tisch nach Postanschrift suchen</translation>
    </message>
    <message>
        <source>Search for Table by Shipping</source>
        <translation>Tisch nach Lieferanschrift suchen</translation>
    </message>
    <message>
        <source>Search for Client by discountA</source>
        <translation>Kunde nach Warenrabatt suchen</translation>
    </message>
    <message>
        <source>Search for Client by discountB</source>
        <translation>Kunde nach Sonderrabatt suchen</translation>
    </message>
    <message>
        <source>Search for Client with Bad Debt</source>
        <translation>Kunden mit Forderungsausfall suchen</translation>
    </message>
    <message>
        <source>Search for Client with keep credit</source>
        <translation>Kunden mit Guthaben suchen</translation>
    </message>
    <message>
        <source>TABLE</source>
        <translation>TABLE</translation>
    </message>
    <message>
        <source>ROOM</source>
        <translation>ROOM</translation>
    </message>
    <message>
        <source>Search for Touch Table</source>
        <translation>Tisch über Touch suchen</translation>
    </message>
    <message>
        <source>Searching for Table ...</source>
        <translation>Tisch wird gesucht ...</translation>
    </message>
    <message>
        <source>Could not find client</source>
        <translation>Kunde nicht gefunden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not find any match for search</source>
        <translation>Die Suche ergab keinen Treffer</translation>
    </message>
    <message>
        <source>Found client match</source>
        <translation>Kunde gefunden</translation>
    </message>
    <message>
        <source>Please select waiter</source>
        <translation>Bitte Kellner wählen</translation>
    </message>
    <message>
        <source> - Served by %1</source>
        <translation> – bedient von %1</translation>
    </message>
    <message>
        <source>You can not sell negative quantities !</source>
        <translation>Negative Mengen können nicht verkauft werden!</translation>
    </message>
    <message>
        <source>Inventory item not found</source>
        <translation>Artikel nicht gefunden</translation>
    </message>
    <message>
        <source>PLEASE COMPLETE YOUR CURRENT ORDER FIRST</source>
        <translation>BITTE ZUERST DIE LAUFENDE BESTELLUNG ABSCHLIESSEN</translation>
    </message>
    <message>
        <source>Searching for invoice number ...</source>
        <translation>Rechnungsnummer wird gesucht ...</translation>
    </message>
    <message>
        <source>Brevalon - Edit Invoice</source>
        <translation>Brevalon – Rechnung bearbeiten</translation>
    </message>
    <message>
        <source>Enter Invoice number.</source>
        <translation>Rechnungsnummer eingeben.</translation>
    </message>
    <message>
        <source>Inv #: %1</source>
        <translation>Rg.-Nr.: %1</translation>
    </message>
    <message>
        <source>Edit Bill</source>
        <translation>Rechnung bearbeiten</translation>
    </message>
    <message>
        <source>Inv #: %1 not found</source>
        <translation>Rg.-Nr.: %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Could not find any matching Invoice # %1</source>
        <translation>Keine Rechnung Nr. %1 gefunden</translation>
    </message>
    <message>
        <source>Invoice # %1 has been paid and can no longer be changed.
Use return instead</source>
        <translation>Rechnung Nr. %1 ist bezahlt und kann nicht mehr geändert werden.
Bitte stattdessen eine Rückgabe buchen</translation>
    </message>
    <message>
        <source>Invoice # %1 is open again: Edit takes its lines into the sale</source>
        <translation>Rechnung Nr. %1 ist wieder offen: Bearbeiten übernimmt ihre Zeilen in den Verkauf</translation>
    </message>
    <message>
        <source>About Brevalon</source>
        <translation>Über Brevalon</translation>
    </message>
    <message>
        <source>Brevalon - Resturant Point Of Sale</source>
        <translation>Brevalon – Kassensystem für die Gastronomie</translation>
    </message>
    <message>
        <source>You are &lt;b&gt;&lt;em&gt;</source>
        <translation>Sie sind &lt;b&gt;&lt;em&gt;</translation>
    </message>
    <message>
        <source> on &lt;b&gt;&lt;em&gt;</source>
        <translation> an &lt;b&gt;&lt;em&gt;</translation>
    </message>
    <message>
        <source>Your Cash account is &lt;b&gt;&lt;em&gt;</source>
        <translation>Ihr Barkonto ist &lt;b&gt;&lt;em&gt;</translation>
    </message>
    <message>
        <source>Process Invoice</source>
        <translation>Rechnung buchen</translation>
    </message>
    <message>
        <source>Fallback to Cash acc</source>
        <translation>Auf Barkonto buchen</translation>
    </message>
    <message>
        <source>You have not selected a client for this Invoice.
Do you want to process it as a CASH sale ?

</source>
        <translation>Für diese Rechnung ist kein Kunde gewählt.
Als Barverkauf (CASH) buchen?

</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <source>There are no Items to process</source>
        <translation>Keine Artikel zum Buchen vorhanden</translation>
    </message>
    <message>
        <source>Brevalon - Order</source>
        <translation>Brevalon – Bestellung</translation>
    </message>
    <message>
        <source>You have not selected a waiter for this order</source>
        <translation>Für diese Bestellung ist kein Kellner gewählt</translation>
    </message>
    <message>
        <source>Brevalon - Print Bill</source>
        <translation>Brevalon – Rechnung drucken</translation>
    </message>
    <message>
        <source>Low Stock - %1 : %2</source>
        <translation>Geringer Bestand – %1 : %2</translation>
    </message>
    <message>
        <source>Notes DO NOT appear on the Invoice</source>
        <translation>Notizen erscheinen NICHT auf der Rechnung</translation>
    </message>
    <message>
        <source>View old Invoice</source>
        <translation>Alte Rechnung ansehen</translation>
    </message>
    <message>
        <source>View old Refund</source>
        <translation>Alte Rückgabe ansehen</translation>
    </message>
    <message>
        <source>View old Quote</source>
        <translation>Altes Angebot ansehen</translation>
    </message>
    <message>
        <source>View old Receipt</source>
        <translation>Alte Quittung ansehen</translation>
    </message>
    <message>
        <source>You may not Void an Invoice that has been paid.
Use return instead</source>
        <translation>Eine bezahlte Rechnung kann nicht storniert werden.
Bitte stattdessen eine Rückgabe buchen</translation>
    </message>
    <message>
        <source>Pull Quote</source>
        <translation>Angebot übernehmen</translation>
    </message>
    <message>
        <source>Quote # %1</source>
        <translation>Angebot Nr. %1</translation>
    </message>
    <message>
        <source>These items of the quote are no longer sold and were left out:
%1</source>
        <translation>Diese Artikel des Angebots werden nicht mehr verkauft und wurden weggelassen:
%1</translation>
    </message>
    <message>
        <source>Search for Invoice</source>
        <translation>Rechnung suchen</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Invoice # %1 is already paid</source>
        <translation>Rechnung Nr. %1 ist bereits bezahlt</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>There is no order to preview</source>
        <translation>Keine Bestellung für die Vorschau vorhanden</translation>
    </message>
    <message>
        <source>Preview Bill</source>
        <translation>Rechnungsvorschau</translation>
    </message>
    <message>
        <source>Inv # %1</source>
        <translation>Rg.-Nr. %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>There are no Items pending</source>
        <translation>Keine offenen Artikel vorhanden</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Grundpreis</translation>
    </message>
    <message>
        <source>Brevalon - Receipt</source>
        <translation>Brevalon – Quittung</translation>
    </message>
    <message>
        <source>The amount tendered for this receipt is zero</source>
        <translation>Der gezahlte Betrag dieser Quittung ist null</translation>
    </message>
    <message>
        <source>Process Receipt</source>
        <translation>Quittung buchen</translation>
    </message>
    <message>
        <source>Rec #%1 Tend: %2  Change:%3  Tip: %4</source>
        <translation>Qu.-Nr. %1 Gez.: %2  Rückgeld: %3  Trinkgeld: %4</translation>
    </message>
    <message>
        <source>Change due %1</source>
        <translation>Rückgeld %1</translation>
    </message>
    <message>
        <source>Change due %1    Tip for %2 %3</source>
        <translation>Rückgeld %1    Trinkgeld für %2 %3</translation>
    </message>
    <message>
        <source>Brevalon - Tables</source>
        <translation>Brevalon – Tische</translation>
    </message>
    <message>
        <source>You have no sales privlages at all
and my not sell anything</source>
        <translation>Sie haben keine Verkaufsrechte
und dürfen nichts verkaufen</translation>
    </message>
    <message>
        <source>No valid items to vend.</source>
        <translation>Keine gültigen Artikel zum Verkaufen.</translation>
    </message>
    <message>
        <source>Brevalon - Sales</source>
        <translation>Brevalon – Verkauf</translation>
    </message>
    <message>
        <source>You have not validated this item</source>
        <translation>Dieser Artikel ist nicht geprüft</translation>
    </message>
    <message>
        <source>You have not validated this item
Do you want to process it anyway ?

</source>
        <translation>Dieser Artikel ist nicht geprüft.
Trotzdem buchen?

</translation>
    </message>
    <message>
        <source>This line is too large for the till:
at most %1 items and %2 on one line.</source>
        <translation>Diese Zeile ist zu groß für die Kasse:
höchstens %1 Stück und %2 in einer Zeile.</translation>
    </message>
    <message>
        <source>No valid message to vend</source>
        <translation>Kein gültiger Text zum Verkaufen</translation>
    </message>
    <message>
        <source>The invoice is empty</source>
        <translation>Die Rechnung ist leer</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Pvt. Notes</source>
        <translation>Interne Notizen</translation>
    </message>
    <message>
        <source>On Acc</source>
        <translation>Auf Zimmer</translation>
    </message>
    <message>
        <source>EFT</source>
        <translation>EC-Karte</translation>
    </message>
    <message>
        <source>TABLE </source>
        <translation>TABLE </translation>
    </message>
    <message>
        <source>ROOM </source>
        <translation>ROOM </translation>
    </message>
    <message>
        <source>Searching for serial number ...</source>
        <translation>Seriennummer wird gesucht ...</translation>
    </message>
    <message>
        <source>Enter serial number.</source>
        <translation>Seriennummer eingeben.</translation>
    </message>
    <message>
        <source>Could not find any matching serial number %1</source>
        <translation>Keine passende Seriennummer %1 gefunden</translation>
    </message>
    <message>
        <source>Brevalon - Bad login attempt at </source>
        <translation>Brevalon – Fehlgeschlagene Anmeldung um </translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Abmeldung</translation>
    </message>
    <message>
        <source>Brevalon - Waiting for login</source>
        <translation>Brevalon – Warten auf Anmeldung</translation>
    </message>
    <message>
        <source>Till Closed</source>
        <translation>Kasse geschlossen</translation>
    </message>
    <message>
        <source>Enter your code to log in</source>
        <translation>Zum Anmelden Ihren Code eingeben</translation>
    </message>
    <message>
        <source>Brevalon - </source>
        <translation>Brevalon – </translation>
    </message>
    <message>
        <source> Logged in at </source>
        <translation> angemeldet um </translation>
    </message>
    <message>
        <source>Have you done your cash up ?
Are you sure you wish to quit ?</source>
        <translation>Wurde der Kassenabschluss gemacht?
Brevalon wirklich beenden?</translation>
    </message>
    <message>
        <source>Cash Draw Opened</source>
        <translation>Kassenschublade geöffnet</translation>
    </message>
    <message>
        <source>F11 Department Selection</source>
        <translation>F11 Warengruppen</translation>
    </message>
    <message>
        <source>F11 %1</source>
        <translation>F11 %1</translation>
    </message>
    <message>
        <source>Quantity: %1</source>
        <translation>Menge: %1</translation>
    </message>
    <message>
        <source>Select new Table then Process pending order</source>
        <translation>Neuen Tisch wählen, dann die offene Bestellung buchen</translation>
    </message>
    <message>
        <source>Transfer from Table %1</source>
        <translation>Umbuchung von Tisch %1</translation>
    </message>
    <message>
        <source>Now process pending order</source>
        <translation>Jetzt die offene Bestellung buchen</translation>
    </message>
    <message>
        <source>Brevalon - Waiter</source>
        <translation>Brevalon – Kellner</translation>
    </message>
    <message>
        <source>Waiter: %1</source>
        <translation>Kellner: %1</translation>
    </message>
    <message>
        <source>Please select table / client</source>
        <translation>Bitte Tisch / Kunde wählen</translation>
    </message>
</context>
<context>
    <name>SalesGui</name>
    <message>
        <source>Client / Table (F1)</source>
        <translation>Kunde / Tisch (F1)</translation>
    </message>
    <message>
        <source>F1: the client or table this sale is for</source>
        <translation>F1: Kunde oder Tisch dieses Verkaufs</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Transfer
Table</source>
        <translation>Tisch
umbuchen</translation>
    </message>
    <message>
        <source>Pricing</source>
        <translation>Preisstufe</translation>
    </message>
    <message>
        <source>F9 Sales</source>
        <translation>F9 Verkauf</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>T&amp;ype</source>
        <translation>&amp;Art</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Pvt. Notes</source>
        <translation>Interne Notizen</translation>
    </message>
    <message>
        <source>S/P</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>&amp;Item</source>
        <translation>A&amp;rtikel</translation>
    </message>
    <message>
        <source>Code, bar code or the start of a description, then Enter</source>
        <translation>Code, Strichcode oder Anfang der Bezeichnung, dann Enter</translation>
    </message>
    <message>
        <source>&amp;Qty</source>
        <translation>&amp;Menge</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>&amp;Less %</source>
        <translation>Rabatt &amp;%</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Summe</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the line to the sale (Enter)</source>
        <translation>Die Zeile dem Verkauf hinzufügen (Enter)</translation>
    </message>
    <message>
        <source>Tax 1</source>
        <translation>Steuer 1</translation>
    </message>
    <message>
        <source>Tax 2</source>
        <translation>Steuer 2</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Stock:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>Quantity of the next line</source>
        <translation>Menge der nächsten Zeile</translation>
    </message>
    <message>
        <source>Remarks and notes for the sale</source>
        <translation>Bemerkungen und Notizen zum Verkauf</translation>
    </message>
    <message>
        <source>F11 Department Selection</source>
        <translation>F11 Warengruppen</translation>
    </message>
    <message>
        <source>Top Level</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Back to the departments</source>
        <translation>Zurück zu den Warengruppen</translation>
    </message>
    <message>
        <source>F6 Delete</source>
        <translation>F6 Löschen</translation>
    </message>
    <message>
        <source>Delete the selected line</source>
        <translation>Die gewählte Zeile löschen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Quantity keypad</source>
        <translation>Zahlenfeld für die Menge</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Rabatt</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Serial No.</source>
        <translation>Serien-Nr.</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Einkauf</translation>
    </message>
    <message>
        <source>Returnable</source>
        <translation>Pfand</translation>
    </message>
    <message>
        <source>DTR</source>
        <translation>DTR</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <source>F3 Preview</source>
        <translation>F3 Vorschau</translation>
    </message>
    <message>
        <source>&amp;Quote</source>
        <translation>A&amp;ngebot</translation>
    </message>
    <message>
        <source>Make the sale a quote for the client</source>
        <translation>Den Verkauf als Angebot für den Kunden erstellen</translation>
    </message>
    <message>
        <source>Ref&amp;und</source>
        <translation>Rück&amp;gabe</translation>
    </message>
    <message>
        <source>Give the sale&apos;s items back: a return</source>
        <translation>Die Artikel des Verkaufs zurücknehmen: eine Rückgabe</translation>
    </message>
    <message>
        <source>F5 Clear All</source>
        <translation>F5 Alles leeren</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>F7 Order</source>
        <translation>F7 Bestellen</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8 Print Bill</source>
        <translation>F8 Rechnung drucken</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Whether this account has an open bill</source>
        <translation>Ob dieses Konto eine offene Rechnung hat</translation>
    </message>
    <message>
        <source>F10 Receipt</source>
        <translation>F10 Quittung</translation>
    </message>
    <message>
        <source>Open Invoices</source>
        <translation>Offene Rechnungen</translation>
    </message>
    <message>
        <source>Invoice #</source>
        <translation>Rechnungs-Nr.</translation>
    </message>
    <message>
        <source>Tendered</source>
        <translation>Gezahlt</translation>
    </message>
    <message>
        <source>C&amp;ash</source>
        <translation>&amp;Bar</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>C/Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Put the rest of the balance here</source>
        <translation>Den restlichen Betrag hier eintragen</translation>
    </message>
    <message>
        <source>Cheque</source>
        <translation>Scheck</translation>
    </message>
    <message>
        <source>EFT</source>
        <translation>EC-Karte</translation>
    </message>
    <message>
        <source>&amp;Coupon</source>
        <translation>&amp;Gutschein</translation>
    </message>
    <message>
        <source>T&amp;ip</source>
        <translation>&amp;Trinkgeld</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Outstanding</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Change Due</source>
        <translation>Rückgeld</translation>
    </message>
    <message>
        <source>&amp;Ref Notes</source>
        <translation>&amp;Vermerk</translation>
    </message>
    <message>
        <source>Keep Credit</source>
        <translation>Guthaben behalten</translation>
    </message>
    <message>
        <source>F3 Refresh</source>
        <translation>F3 Aktualisieren</translation>
    </message>
    <message>
        <source>F6 Cash Draw</source>
        <translation>F6 Kassenschublade</translation>
    </message>
    <message>
        <source>F12 SnapScan</source>
        <translation>F12 SnapScan</translation>
    </message>
    <message>
        <source>F8 Process</source>
        <translation>F8 Buchen</translation>
    </message>
    <message>
        <source>&amp;Documents</source>
        <translation>&amp;Belege</translation>
    </message>
    <message>
        <source>History Over</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Find Invoice</source>
        <translation>Rechnung suchen</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <source>Paid by</source>
        <translation>Bezahlt mit</translation>
    </message>
    <message>
        <source>View Invoice</source>
        <translation>Rechnung ansehen</translation>
    </message>
    <message>
        <source>Void Invoice</source>
        <translation>Rechnung stornieren</translation>
    </message>
    <message>
        <source>Receipts</source>
        <translation>Quittungen</translation>
    </message>
    <message>
        <source>Receipt #</source>
        <translation>Quittungs-Nr.</translation>
    </message>
    <message>
        <source>View Receipt</source>
        <translation>Quittung ansehen</translation>
    </message>
    <message>
        <source>Void Receipt</source>
        <translation>Quittung stornieren</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Quote #</source>
        <translation>Angebots-Nr.</translation>
    </message>
    <message>
        <source>View Quote</source>
        <translation>Angebot ansehen</translation>
    </message>
    <message>
        <source>Pull Quote</source>
        <translation>Angebot übernehmen</translation>
    </message>
    <message>
        <source>&lt;em&gt;Pull&lt;/em&gt; the selected quote into the Sales editor</source>
        <translation>Das gewählte Angebot in den Verkauf &lt;em&gt;übernehmen&lt;/em&gt;</translation>
    </message>
    <message>
        <source>Returns</source>
        <translation>Rückgaben</translation>
    </message>
    <message>
        <source>Return #</source>
        <translation>Rückgabe-Nr.</translation>
    </message>
    <message>
        <source>View Return</source>
        <translation>Rückgabe ansehen</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Account #</source>
        <translation>Konto-Nr.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>ID No.</source>
        <translation>Ausweis-Nr.</translation>
    </message>
    <message>
        <source>VAT No.</source>
        <translation>USt-IdNr.</translation>
    </message>
    <message>
        <source>Shipping</source>
        <translation>Lieferanschrift</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Postanschrift</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Merch. Disc. %</source>
        <translation>Warenrabatt %</translation>
    </message>
    <message>
        <source>Other Disc. %</source>
        <translation>Sonderrabatt %</translation>
    </message>
    <message>
        <source>Price Tier</source>
        <translation>Preisstufe</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Grundpreis</translation>
    </message>
    <message>
        <source>Tier 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Tier 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>Bad Debt</source>
        <translation>Forderungsausfall</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>C&amp;lear Form</source>
        <translation>Formular &amp;leeren</translation>
    </message>
    <message>
        <source>F5 Update</source>
        <translation>F5 Ändern</translation>
    </message>
    <message>
        <source>F8 New</source>
        <translation>F8 Neu</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Se&amp;lect Client</source>
        <translation>Kunde &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Post</translation>
    </message>
    <message>
        <source>&amp;Admin</source>
        <translation>&amp;Verwaltung</translation>
    </message>
    <message>
        <source>&amp;Clients</source>
        <translation>&amp;Kunden</translation>
    </message>
    <message>
        <source>&amp;Manage</source>
        <translation>Stamm&amp;daten</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Be&amp;richte</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Statements</source>
        <translation>&amp;Kontoauszüge</translation>
    </message>
    <message>
        <source>&amp;Email</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>Renewals</source>
        <translation>Verlängerungen</translation>
    </message>
    <message>
        <source>&amp;Backup</source>
        <translation>Daten&amp;sicherung</translation>
    </message>
    <message>
        <source>&amp;Cash Up</source>
        <translation>&amp;Kassenabschluss</translation>
    </message>
    <message>
        <source>&amp;Month End</source>
        <translation>&amp;Monatsabschluss</translation>
    </message>
    <message>
        <source>&amp;Receive Stock</source>
        <translation>&amp;Wareneingang</translation>
    </message>
    <message>
        <source>Cash &amp;Date</source>
        <translation>Kassen&amp;tag</translation>
    </message>
    <message>
        <source>Reset Sequence</source>
        <translation>Nummernfolge zurücksetzen</translation>
    </message>
    <message>
        <source>Waiter Cash Up</source>
        <translation>Kellnerabrechnung</translation>
    </message>
    <message>
        <source>&amp;Logout</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Preferences ...</source>
        <translation>&amp;Einstellungen ...</translation>
    </message>
    <message>
        <source>&amp;Inventory</source>
        <translation>&amp;Artikel</translation>
    </message>
    <message>
        <source>&amp;Departments</source>
        <translation>&amp;Warengruppen</translation>
    </message>
    <message>
        <source>&amp;Compositions</source>
        <translation>&amp;Zusammenstellungen</translation>
    </message>
    <message>
        <source>&amp;Suppliers</source>
        <translation>&amp;Lieferanten</translation>
    </message>
    <message>
        <source>&amp;Orders</source>
        <translation>&amp;Bestellungen</translation>
    </message>
    <message>
        <source>&amp;Purge</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Search on S/N ..</source>
        <translation>Nach &amp;Seriennummer suchen ..</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Alles &amp;leeren</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Change Invoice</source>
        <translation>Rechnung ändern</translation>
    </message>
    <message>
        <source>Ctrl+F12</source>
        <translation>Ctrl+F12</translation>
    </message>
    <message>
        <source>&amp;Statement</source>
        <translation>&amp;Kontoauszug</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>&amp;Audit</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>F1 Client / Table</source>
        <translation>F1 Kunde / Tisch</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2 Item Entry</source>
        <translation>F2 Artikeleingabe</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11 Departments</source>
        <translation>F11 Warengruppen</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>&amp;Inventory Performance</source>
        <translation>&amp;Artikelumsatz</translation>
    </message>
    <message>
        <source>&amp;New Clients</source>
        <translation>&amp;Neue Kunden</translation>
    </message>
    <message>
        <source>Client &amp;Purchases</source>
        <translation>Kunden&amp;einkäufe</translation>
    </message>
    <message>
        <source>Client &amp;Expenditure</source>
        <translation>Kunden&amp;ausgaben</translation>
    </message>
    <message>
        <source>Client &amp;Debt</source>
        <translation>Kunden&amp;schulden</translation>
    </message>
    <message>
        <source>&amp;Commissons</source>
        <translation>&amp;Provisionen</translation>
    </message>
    <message>
        <source>&amp;Recieved Stock Audit</source>
        <translation>&amp;Wareneingangsprotokoll</translation>
    </message>
    <message>
        <source>S/P Performance</source>
        <translation>Verkäuferleistung</translation>
    </message>
    <message>
        <source>Stock &amp;Levels</source>
        <translation>&amp;Lagerbestand</translation>
    </message>
    <message>
        <source>Performance Anal&amp;ysis</source>
        <translation>Leistungsana&amp;lyse</translation>
    </message>
    <message>
        <source>Price List</source>
        <translation>Preisliste</translation>
    </message>
    <message>
        <source>All clients</source>
        <translation>Alle Kunden</translation>
    </message>
    <message>
        <source>&amp;Outstanding Invoices</source>
        <translation>&amp;Offene Rechnungen</translation>
    </message>
    <message>
        <source>Returnables</source>
        <translation>Pfandartikel</translation>
    </message>
    <message>
        <source>&amp;Pending Orders</source>
        <translation>Offene &amp;Bestellungen</translation>
    </message>
    <message>
        <source>Daily Stock Sales</source>
        <translation>Tagesverkauf nach Artikel</translation>
    </message>
    <message>
        <source>&amp;Voided documents</source>
        <translation>&amp;Stornierte Belege</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>Brevalon Sales</source>
        <translation>Brevalon Verkauf</translation>
    </message>
    <message>
        <source>%1 Not Implemented</source>
        <translation>%1 ist nicht umgesetzt</translation>
    </message>
</context>
<context>
    <name>SlipSpool</name>
    <message>
        <source>The print command lpr could not be started: %1</source>
        <translation>Der Druckbefehl lpr konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The print command lpr stopped abnormally. %1</source>
        <translation>Der Druckbefehl lpr wurde abgebrochen. %1</translation>
    </message>
    <message>
        <source>lpr ended with status %1</source>
        <translation>lpr endete mit Status %1</translation>
    </message>
</context>
<context>
    <name>Smtp</name>
    <message>
        <source>No reply from the server.</source>
        <translation>Keine Antwort vom Server.</translation>
    </message>
    <message>
        <source>Email Error</source>
        <translation>E-Mail-Fehler</translation>
    </message>
    <message>
        <source>Could not contact SMTP server %1 or Port %2</source>
        <translation>SMTP-Server %1 an Port %2 nicht erreichbar</translation>
    </message>
    <message>
        <source>Error SMTP server:

</source>
        <translation>Fehler des SMTP-Servers:

</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Der Server hat die Verbindung beendet.</translation>
    </message>
</context>
<context>
    <name>TableEntry</name>
    <message>
        <source>TABLE</source>
        <translation>TABLE</translation>
    </message>
    <message>
        <source>ROOM</source>
        <translation>ROOM</translation>
    </message>
    <message>
        <source>Tables with open orders</source>
        <translation>Tische mit offenen Bestellungen</translation>
    </message>
    <message>
        <source>Free tables</source>
        <translation>Freie Tische</translation>
    </message>
    <message>
        <source>Bills to pay</source>
        <translation>Zu zahlende Rechnungen</translation>
    </message>
</context>
<context>
    <name>TableEntryGui</name>
    <message>
        <source>Select Table</source>
        <translation>Tisch wählen</translation>
    </message>
    <message>
        <source>Tables with open orders</source>
        <translation>Tische mit offenen Bestellungen</translation>
    </message>
    <message>
        <source>New Table
F2</source>
        <translation>Neuer Tisch
F2</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Pay Table
F8</source>
        <translation>Tisch zahlen
F8</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Pay
By Invoice
F6</source>
        <translation>Zahlen
nach Rechnung
F6</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Cancel
F5</source>
        <translation>Abbrechen
F5</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>Till Closed</source>
        <translation>Kasse geschlossen</translation>
    </message>
    <message>
        <source>Brevalon - Login</source>
        <translation>Brevalon – Anmeldung</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Cancel or blank ID</source>
        <translation>Abgebrochen oder leerer Code</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Tried login %1</source>
        <translation>Anmeldeversuch %1</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;&lt;b&gt;%1 is currently shown as running on this terminal.&lt;/b&gt;&lt;/font&gt;&lt;p&gt;It is possible you have experienced a power failure or system crash. You can recover from this, but be warned ...&lt;br&gt;&lt;font color=&quot;red&quot; size=+1&gt;Any running session will terminate&lt;/font&gt;&lt;p&gt;Would you like to recover ?</source>
        <translation>&lt;font color=&quot;red&quot;&gt;&lt;b&gt;%1 ist an dieser Kasse noch als angemeldet eingetragen.&lt;/b&gt;&lt;/font&gt;&lt;p&gt;Vermutlich gab es einen Stromausfall oder einen Absturz. Die Sitzung kann wiederhergestellt werden, aber Achtung ...&lt;br&gt;&lt;font color=&quot;red&quot; size=+1&gt;Jede laufende Sitzung wird beendet&lt;/font&gt;&lt;p&gt;Wiederherstellen?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Old session for %1 cleared</source>
        <translation>Alte Sitzung von %1 aufgehoben</translation>
    </message>
    <message>
        <source>%1 currently running on to %2</source>
        <translation>%1 ist gerade an %2 angemeldet</translation>
    </message>
    <message>
        <source>Brevalon Error</source>
        <translation>Brevalon – Fehler</translation>
    </message>
    <message>
        <source>No Resturant details were located in the database</source>
        <translation>In der Datenbank wurden keine Angaben zum Restaurant gefunden</translation>
    </message>
    <message>
        <source>Brevalon has been waiting quite a long time for
a temporary system resource.

Should I force its use or wait longer ?

You should only use Force if you know
there was an application crash and no
other stations are busy !</source>
        <translation>Brevalon wartet schon recht lange auf
eine vorübergehend belegte Systemressource.

Erzwingen oder weiter warten?

Erzwingen nur wählen, wenn sicher ist,
dass ein Programm abgestürzt ist und keine
andere Kasse gerade arbeitet!</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Erzwingen</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <translation>COM2</translation>
    </message>
    <message>
        <source>VAT No. </source>
        <translation>USt-IdNr. </translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rückgabe</translation>
    </message>
    <message>
        <source>Account No %1, Doc No. %2</source>
        <translation>Konto Nr. %1, Beleg Nr. %2</translation>
    </message>
    <message>
        <source>TABLE </source>
        <translation>TABLE </translation>
    </message>
    <message>
        <source>Serial No: </source>
        <translation>Serien-Nr.: </translation>
    </message>
    <message>
        <source>Change for </source>
        <translation>Rückgeld auf </translation>
    </message>
    <message>
        <source>Change Amt </source>
        <translation>Rückgeld </translation>
    </message>
    <message>
        <source>Total Due</source>
        <translation>Zu zahlen</translation>
    </message>
    <message>
        <source>Void Invoice</source>
        <translation>Rechnung stornieren</translation>
    </message>
    <message>
        <source>Invoice # %1 has already been voided</source>
        <translation>Rechnung Nr. %1 ist bereits storniert</translation>
    </message>
    <message>
        <source>Enter the reason why you will void invoice number %1</source>
        <translation>Grund für die Stornierung der Rechnung Nr. %1 eingeben</translation>
    </message>
    <message>
        <source>You must give a reason you are trying to void this Invoice</source>
        <translation>Für die Stornierung dieser Rechnung muss ein Grund angegeben werden</translation>
    </message>
    <message>
        <source>RET:</source>
        <translation>RET:</translation>
    </message>
    <message>
        <source>Payment - Thank you</source>
        <translation>Zahlung – Vielen Dank</translation>
    </message>
    <message>
        <source>C/Card Payment - Thank you</source>
        <translation>Kreditkartenzahlung – Vielen Dank</translation>
    </message>
    <message>
        <source>Cheque Payment - Thank you</source>
        <translation>Scheckzahlung – Vielen Dank</translation>
    </message>
    <message>
        <source>Coupon Payment - Thank you</source>
        <translation>Gutscheinzahlung – Vielen Dank</translation>
    </message>
    <message>
        <source>On Account - Thank you</source>
        <translation>Auf Zimmer – Vielen Dank</translation>
    </message>
    <message>
        <source>EFT Payment - Thank you</source>
        <translation>EC-Kartenzahlung – Vielen Dank</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bad Debt Write Off&lt;/b&gt;</source>
        <translation>&lt;b&gt;Abschreibung Forderungsausfall&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Ref: %1</source>
        <translation>Vermerk: %1</translation>
    </message>
    <message>
        <source>Tendered %1</source>
        <translation>Gezahlt %1</translation>
    </message>
    <message>
        <source>Change due %2</source>
        <translation>Rückgeld %2</translation>
    </message>
    <message>
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Void Receipt</source>
        <translation>Quittung stornieren</translation>
    </message>
    <message>
        <source>Receipt # %1 has already been voided</source>
        <translation>Quittung Nr. %1 ist bereits storniert</translation>
    </message>
    <message>
        <source>Enter the reason why you will void receipt number %1</source>
        <translation>Grund für die Stornierung der Quittung Nr. %1 eingeben</translation>
    </message>
    <message>
        <source>You must give a reason you are trying to void this Receipt</source>
        <translation>Für die Stornierung dieser Quittung muss ein Grund angegeben werden</translation>
    </message>
    <message>
        <source>Acc: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>Rec #: %1</source>
        <translation>Qu.-Nr.: %1</translation>
    </message>
    <message>
        <source>Brevalon - Statement</source>
        <translation>Brevalon – Kontoauszug</translation>
    </message>
    <message>
        <source>Statements are not available yet in this version of Brevalon.
No statement was printed for account %1.</source>
        <translation>Kontoauszüge gibt es in dieser Version von Brevalon noch nicht.
Für Konto %1 wurde kein Kontoauszug gedruckt.</translation>
    </message>
</context>
<context>
    <name>ZkRichTextGui</name>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Alles drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Could not load the  database driver %1</source>
        <translation>Der Datenbanktreiber %1 konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Start up</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Host %1</source>
        <translation>Rechner %1</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Beenden</translation>
    </message>
</context>
</TS>
