<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnalysisReports</name>
    <message>
        <source>Interest On Arrears</source>
        <translation>Verzugszinsen</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cheque</source>
        <translation>Scheck</translation>
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
        <source>Coupons</source>
        <translation>Gutscheine</translation>
    </message>
    <message>
        <source>Bad Debt</source>
        <translation>Forderungsausfall</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>CashUpReports</name>
    <message>
        <source>Cash</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>C/Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cheque</source>
        <translation>Scheck</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Gutschein</translation>
    </message>
    <message>
        <source>EFT</source>
        <translation>EC-Karte</translation>
    </message>
    <message>
        <source>Bad Debt</source>
        <translation>Forderungsausfall</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>On Acc.</source>
        <translation>Auf Zimmer</translation>
    </message>
    <message>
        <source>Coupons</source>
        <translation>Gutscheine</translation>
    </message>
    <message>
        <source>Write Off&apos;s</source>
        <translation>Abschreibungen</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Rundung</translation>
    </message>
</context>
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
    <name>CompTable</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>New Composition</source>
        <translation>Neue Zusammenstellung</translation>
    </message>
    <message>
        <source>Enter the new Composition name</source>
        <translation>Namen der neuen Zusammenstellung eingeben</translation>
    </message>
    <message>
        <source>The Composition %1 already exists</source>
        <translation>Die Zusammenstellung %1 gibt es bereits</translation>
    </message>
    <message>
        <source>Update Composition</source>
        <translation>Zusammenstellung ändern</translation>
    </message>
    <message>
        <source>You must highlight a Composition to update</source>
        <translation>Bitte zuerst die zu ändernde Zusammenstellung markieren</translation>
    </message>
    <message>
        <source>You must specify the Composition name</source>
        <translation>Bitte den Namen der Zusammenstellung angeben</translation>
    </message>
    <message>
        <source>Confirm that you wish to rename the Composition &apos;%1&apos; to &apos;%2&apos;</source>
        <translation>Bitte bestätigen: Zusammenstellung &apos;%1&apos; in &apos;%2&apos; umbenennen</translation>
    </message>
    <message>
        <source>Confirm that you wish to update Composition &apos;%1&apos;</source>
        <translation>Bitte bestätigen: Zusammenstellung &apos;%1&apos; ändern</translation>
    </message>
    <message>
        <source>Delete Composition</source>
        <translation>Zusammenstellung löschen</translation>
    </message>
    <message>
        <source>You must highlight a Composition to delete</source>
        <translation>Bitte zuerst die zu löschende Zusammenstellung markieren</translation>
    </message>
    <message>
        <source>Confirm that you wish to delete the Ciomposition  &apos;%1&apos; from the system</source>
        <translation>Bitte bestätigen: Zusammenstellung &apos;%1&apos; aus dem System löschen</translation>
    </message>
    <message>
        <source>No item matches %1</source>
        <translation>Kein Artikel passt zu %1</translation>
    </message>
    <message>
        <source>Choose the item to put in the composition</source>
        <translation>Artikel für die Zusammenstellung wählen</translation>
    </message>
    <message>
        <source>%1 names no single item: choose it from the list</source>
        <translation>%1 bezeichnet keinen eindeutigen Artikel: bitte aus der Liste wählen</translation>
    </message>
    <message>
        <source>You must highlight a Composition first</source>
        <translation>Bitte zuerst eine Zusammenstellung markieren</translation>
    </message>
    <message>
        <source>The quantity</source>
        <translation>Die Menge</translation>
    </message>
    <message>
        <source>The discount</source>
        <translation>Der Rabatt</translation>
    </message>
    <message>
        <source>New Composition Item</source>
        <translation>Neuer Artikel der Zusammenstellung</translation>
    </message>
    <message>
        <source>Confirm that you wish to add the Composition Item &apos;%1&apos;</source>
        <translation>Bitte bestätigen: Artikel &apos;%1&apos; in die Zusammenstellung aufnehmen</translation>
    </message>
    <message>
        <source>Update Composition Item</source>
        <translation>Artikel der Zusammenstellung ändern</translation>
    </message>
    <message>
        <source>You must highlight a Composition Item to Update</source>
        <translation>Bitte zuerst den zu ändernden Artikel der Zusammenstellung markieren</translation>
    </message>
    <message>
        <source>Confirm that you wish to update the Composition Item &apos;%1&apos;</source>
        <translation>Bitte bestätigen: Artikel &apos;%1&apos; der Zusammenstellung ändern</translation>
    </message>
    <message>
        <source>Delete Composition Item</source>
        <translation>Artikel der Zusammenstellung löschen</translation>
    </message>
    <message>
        <source>You must higlight a Composition  Item entry to delete</source>
        <translation>Bitte zuerst den zu löschenden Artikel der Zusammenstellung markieren</translation>
    </message>
    <message>
        <source>Confirm that you wish to delete the Composition Item &apos;%1&apos; from the Composition</source>
        <translation>Bitte bestätigen: Artikel &apos;%1&apos; aus der Zusammenstellung löschen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>CompTableGui</name>
    <message>
        <source>Brevalon Composition Manager</source>
        <translation>Brevalon – Zusammenstellungen verwalten</translation>
    </message>
    <message>
        <source>C&amp;ompositions</source>
        <translation>&amp;Zusammenstellungen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Add a composition; its name is asked for</source>
        <translation>Eine Zusammenstellung anlegen; der Name wird abgefragt</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Keep the name, department, remark and touch button shown</source>
        <translation>Den angezeigten Namen, die Warengruppe, die Bemerkung und die Touch-Taste speichern</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>Na&amp;me</translation>
    </message>
    <message>
        <source>Depar&amp;tment</source>
        <translation>&amp;Warengruppe</translation>
    </message>
    <message>
        <source>&amp;Remark</source>
        <translation>&amp;Bemerkung</translation>
    </message>
    <message>
        <source>The remark line that names the set on the bill</source>
        <translation>Die Bemerkungszeile, die das Menü auf der Rechnung benennt</translation>
    </message>
    <message>
        <source>Touch Te&amp;xt</source>
        <translation>&amp;Touch-Text</translation>
    </message>
    <message>
        <source>The text on the composition&apos;s touch button</source>
        <translation>Der Text auf der Touch-Taste der Zusammenstellung</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Choose the picture of the touch button, or remove it</source>
        <translation>Das Bild der Touch-Taste wählen oder entfernen</translation>
    </message>
    <message>
        <source>Base Total</source>
        <translation>Summe Grundpreis</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Tier1 Total</source>
        <translation>Summe Stufe 1</translation>
    </message>
    <message>
        <source>Tier2 Total</source>
        <translation>Summe Stufe 2</translation>
    </message>
    <message>
        <source>Search By D&amp;epartment</source>
        <translation>Suche nach Waren&amp;gruppe</translation>
    </message>
    <message>
        <source>&amp;Item</source>
        <translation>A&amp;rtikel</translation>
    </message>
    <message>
        <source>Choose the item, or type its code or the start of its description and press Return</source>
        <translation>Den Artikel wählen oder seinen Code bzw. den Anfang der Bezeichnung eingeben und Enter drücken</translation>
    </message>
    <message>
        <source>&amp;Quantity</source>
        <translation>M&amp;enge</translation>
    </message>
    <message>
        <source>Dis&amp;count</source>
        <translation>Rab&amp;att</translation>
    </message>
    <message>
        <source>Discount in percent</source>
        <translation>Rabatt in Prozent</translation>
    </message>
    <message>
        <source>Discount&amp;able</source>
        <translation>Rabatt&amp;fähig</translation>
    </message>
    <message>
        <source>F8 New</source>
        <translation>F8 Neu</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F5 Update</source>
        <translation>F5 Ändern</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6 Delete</source>
        <translation>F6 Löschen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabatt</translation>
    </message>
    <message>
        <source>Disc.</source>
        <translation>Rab.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Tier1 Price</source>
        <translation>Preis Stufe 1</translation>
    </message>
    <message>
        <source>Tier2 Price</source>
        <translation>Preis Stufe 2</translation>
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
    <name>DepTable</name>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>You must specify the Department</source>
        <translation>Bitte die Warengruppe angeben</translation>
    </message>
    <message>
        <source>The department %1 already exists</source>
        <translation>Die Warengruppe %1 gibt es bereits</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Warengruppen</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 angelegt</translation>
    </message>
    <message>
        <source>Modify Entry</source>
        <translation>Eintrag ändern</translation>
    </message>
    <message>
        <source>You must higlight an entry to modify</source>
        <translation>Bitte zuerst den zu ändernden Eintrag markieren</translation>
    </message>
    <message>
        <source>Confirm that you will update the highlighted entry
%1
with the values shown ?</source>
        <translation>Bitte bestätigen: markierten Eintrag
%1
mit den angezeigten Werten ändern?</translation>
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
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>The department %1 is no longer on file.
Another till may have deleted it.</source>
        <translation>Die Warengruppe %1 ist nicht mehr vorhanden.
Vielleicht hat eine andere Kasse sie gelöscht.</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>The department %1 still holds %2 items.
Move them to another department first.</source>
        <translation>Die Warengruppe %1 enthält noch %2 Artikel.
Bitte diese zuerst in eine andere Warengruppe verschieben.</translation>
    </message>
    <message>
        <source>The department %1 still holds %2 compositions.
Move them to another department first.</source>
        <translation>Die Warengruppe %1 enthält noch %2 Zusammenstellungen.
Bitte diese zuerst in eine andere Warengruppe verschieben.</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>You must higlight an entry to delete</source>
        <translation>Bitte zuerst den zu löschenden Eintrag markieren</translation>
    </message>
    <message>
        <source>Confirm that you will delete the highlighted entry
%1
from the system?</source>
        <translation>Bitte bestätigen: markierten Eintrag
%1
aus dem System löschen?</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Department Ranking</source>
        <translation>Reihenfolge der Warengruppen</translation>
    </message>
    <message>
        <source>Selected item is already at top of ranking</source>
        <translation>Der gewählte Eintrag steht bereits ganz oben</translation>
    </message>
    <message>
        <source>Selected item is already at bottom of ranking</source>
        <translation>Der gewählte Eintrag steht bereits ganz unten</translation>
    </message>
</context>
<context>
    <name>DepTableGui</name>
    <message>
        <source>Brevalon - Department Management</source>
        <translation>Brevalon – Warengruppen verwalten</translation>
    </message>
    <message>
        <source>&amp;Department</source>
        <translation>&amp;Warengruppe</translation>
    </message>
    <message>
        <source>The department&apos;s name, as its touch button shows it</source>
        <translation>Der Name der Warengruppe, wie ihn die Touch-Taste zeigt</translation>
    </message>
    <message>
        <source>Printer 1</source>
        <translation>Drucker 1</translation>
    </message>
    <message>
        <source>The department&apos;s lines go to the label printer</source>
        <translation>Die Zeilen der Warengruppe gehen an den Etikettendrucker</translation>
    </message>
    <message>
        <source>Printer 2</source>
        <translation>Drucker 2</translation>
    </message>
    <message>
        <source>The department&apos;s lines go to the kitchen printer</source>
        <translation>Die Zeilen der Warengruppe gehen an den Küchendrucker</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Choose the picture of the department&apos;s touch button, or remove it</source>
        <translation>Das Bild der Touch-Taste der Warengruppe wählen oder entfernen</translation>
    </message>
    <message>
        <source>F8 New</source>
        <translation>F8 Neu</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F5 Update</source>
        <translation>F5 Ändern</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6 Delete</source>
        <translation>F6 Löschen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F3 Clear</source>
        <translation>F3 Leeren</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Empty the fields for a new department</source>
        <translation>Die Felder für eine neue Warengruppe leeren</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Dockets &amp;to</source>
        <translation>Bons &amp;an</translation>
    </message>
    <message>
        <source>Where the department&apos;s docket lines go at its stations: the printer, the kitchen screen or both</source>
        <translation>Wohin die Bonzeilen der Warengruppe an ihren Stationen gehen: an den Drucker, an den Küchenbildschirm oder an beide</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Dockets to</source>
        <translation>Bons an</translation>
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
    <message>
        <source>label</source>
        <translation>Etikettenbon</translation>
    </message>
    <message>
        <source>kitchen</source>
        <translation>Küchenbon</translation>
    </message>
    <message>
        <source>label and kitchen</source>
        <translation>Etiketten- und Küchenbon</translation>
    </message>
    <message>
        <source>no station</source>
        <translation>keine Station</translation>
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
    <message>
        <source>The printer %1 cannot print now: %2.

Nothing was sent to it. Start the printer, then print again.</source>
        <translation>Der Drucker %1 kann gerade nicht drucken: %2.

Es wurde nichts an ihn gesendet. Bitte den Drucker starten und erneut drucken.</translation>
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
    <name>FieldCheck</name>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 muss eine Zahl von %2 bis %3 sein, nicht „%4“.</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Einkauf</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Tier1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Tier2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>On Hand</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Tax1</source>
        <translation>Steuer 1</translation>
    </message>
    <message>
        <source>Tax2</source>
        <translation>Steuer 2</translation>
    </message>
    <message>
        <source>Ret.</source>
        <translation>Pfand</translation>
    </message>
    <message>
        <source>DTR</source>
        <translation>DTR</translation>
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
    <message>
        <source>Parts</source>
        <translation>Teile</translation>
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
    <name>PlotGui</name>
    <message>
        <source>Brevalon Results</source>
        <translation>Brevalon – Ergebnisse</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>Unlock User</source>
        <translation type="vanished">Benutzer entsperren</translation>
    </message>
    <message>
        <source>Confirm that you will unlock user &apos;%1&apos;, this will result in their sessions terminating</source>
        <translation type="vanished">Bitte bestätigen: Benutzer &apos;%1&apos; wird entsperrt, seine Sitzungen werden dabei beendet</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="vanished">&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="vanished">&amp;Nein</translation>
    </message>
    <message>
        <source>Personel</source>
        <translation type="vanished">Personal</translation>
    </message>
    <message>
        <source>Unlock user %1</source>
        <translation type="vanished">Benutzer %1 entsperrt</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
</context>
<context>
    <name>PrefsFields</name>
    <message>
        <source>(not set)</source>
        <translation>(nicht gesetzt)</translation>
    </message>
    <message>
        <source>Brevalon Preferences</source>
        <translation>Brevalon – Einstellungen</translation>
    </message>
    <message>
        <source>%1 may not be empty.</source>
        <translation>%1 darf nicht leer sein.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3.</source>
        <translation>%1 muss zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a list of byte values (0 to 255) separated by commas.</source>
        <translation>%1: „%2“ ist keine durch Kommas getrennte Liste von Bytewerten (0 bis 255).</translation>
    </message>
</context>
<context>
    <name>PrefsGui</name>
    <message>
        <source>Brevalon Preferences</source>
        <translation>Brevalon – Einstellungen</translation>
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
    <name>PrefsMisc</name>
    <message>
        <source>Changed report preview font size</source>
        <translation>Schriftgröße der Berichtsvorschau geändert</translation>
    </message>
    <message>
        <source>Changed report preview scaling</source>
        <translation>Skalierung der Berichtsvorschau geändert</translation>
    </message>
    <message>
        <source>Changed report preview width</source>
        <translation>Breite der Berichtsvorschau geändert</translation>
    </message>
    <message>
        <source>Changed report preview height</source>
        <translation>Höhe der Berichtsvorschau geändert</translation>
    </message>
    <message>
        <source>Changed report lines per page</source>
        <translation>Berichtszeilen pro Seite geändert</translation>
    </message>
    <message>
        <source>Changed document preview font size</source>
        <translation>Schriftgröße der Belegvorschau geändert</translation>
    </message>
    <message>
        <source>Changed document preview width</source>
        <translation>Breite der Belegvorschau geändert</translation>
    </message>
    <message>
        <source>Changed document preview height</source>
        <translation>Höhe der Belegvorschau geändert</translation>
    </message>
    <message>
        <source>Changed Button Colour Mode</source>
        <translation>Tastenfarben geändert</translation>
    </message>
    <message>
        <source>Changed Rounding</source>
        <translation>Rundung geändert</translation>
    </message>
    <message>
        <source>Changed Arrears Interest</source>
        <translation>Verzugszinsen geändert</translation>
    </message>
    <message>
        <source>Changed Max Statement days</source>
        <translation>Max. Tage für Kontoauszüge geändert</translation>
    </message>
    <message>
        <source>Display Pole Changed</source>
        <translation>Kundenanzeige geändert</translation>
    </message>
    <message>
        <source>Display Pole Speed Changed</source>
        <translation>Baudrate der Kundenanzeige geändert</translation>
    </message>
    <message>
        <source>Display Pole DTR-DSR Changed</source>
        <translation>DTR-DSR der Kundenanzeige geändert</translation>
    </message>
    <message>
        <source>Cash Drawer Changed</source>
        <translation>Kassenschublade geändert</translation>
    </message>
    <message>
        <source>Cash Draw Speed Changed</source>
        <translation>Baudrate der Kassenschublade geändert</translation>
    </message>
    <message>
        <source>Cas Drawer DTR-DSR Changed</source>
        <translation>DTR-DSR der Kassenschublade geändert</translation>
    </message>
    <message>
        <source>Bank note %1</source>
        <translation>Geldschein %1</translation>
    </message>
    <message>
        <source>Changed Bank Note %1</source>
        <translation>Geldschein %1 geändert</translation>
    </message>
    <message>
        <source>Changed Qty Check</source>
        <translation>Mengenabfrage geändert</translation>
    </message>
    <message>
        <source>Changed Take Out Change</source>
        <translation>Rückgeld außer Haus geändert</translation>
    </message>
    <message>
        <source>Changed FullScreen</source>
        <translation>Vollbild geändert</translation>
    </message>
    <message>
        <source>Changed Log Actions</source>
        <translation>Aktionsprotokoll geändert</translation>
    </message>
    <message>
        <source>Changed Print Receipt</source>
        <translation>Quittungsdruck geändert</translation>
    </message>
    <message>
        <source>Changed Backup Media App</source>
        <translation>Sicherungsprogramm geändert</translation>
    </message>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>Do you wish to remove the Bank Note ?</source>
        <translation>Den Geldschein entfernen?</translation>
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
        <source>Choose a Bank Note</source>
        <translation>Geldschein wählen</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg *.bmp)</source>
        <translation>Bilder (*.png *.xpm *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>&amp;Misc</source>
        <translation>&amp;Sonstiges</translation>
    </message>
</context>
<context>
    <name>PrefsMiscGui</name>
    <message>
        <source>Report Preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Lines per page</source>
        <translation>Zeilen pro Seite</translation>
    </message>
    <message>
        <source>Document Preview</source>
        <translation>Belegvorschau</translation>
    </message>
    <message>
        <source>Button Colour Mode</source>
        <translation>Tastenfarben</translation>
    </message>
    <message>
        <source>No Colours</source>
        <translation>Keine Farben</translation>
    </message>
    <message>
        <source>Text Colours</source>
        <translation>Textfarben</translation>
    </message>
    <message>
        <source>Button Colours</source>
        <translation>Tastenfarben</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Rounding (cents)</source>
        <translation>Rundung (Cent)</translation>
    </message>
    <message>
        <source>Interest on Arrears %</source>
        <translation>Verzugszinsen %</translation>
    </message>
    <message>
        <source>Max statement days</source>
        <translation>Max. Tage für Kontoauszüge</translation>
    </message>
    <message>
        <source>Epson DM-D Display Pole</source>
        <translation>Kundenanzeige Epson DM-D</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
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
        <source>Speed</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>1200</source>
        <translation>1200</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>4800</source>
        <translation>4800</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <source>DTR-DSR</source>
        <translation>DTR-DSR</translation>
    </message>
    <message>
        <source>Cash Drawer</source>
        <translation>Kassenschublade</translation>
    </message>
    <message>
        <source>Bank Notes</source>
        <translation>Geldscheine</translation>
    </message>
    <message>
        <source>Note 1 ..</source>
        <translation>Schein 1 ..</translation>
    </message>
    <message>
        <source>Note 2 ..</source>
        <translation>Schein 2 ..</translation>
    </message>
    <message>
        <source>Note 3 ..</source>
        <translation>Schein 3 ..</translation>
    </message>
    <message>
        <source>Note 4 ..</source>
        <translation>Schein 4 ..</translation>
    </message>
    <message>
        <source>Note 5 ..</source>
        <translation>Schein 5 ..</translation>
    </message>
    <message>
        <source>Note 6 ..</source>
        <translation>Schein 6 ..</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Qty Check</source>
        <translation>Menge abfragen</translation>
    </message>
    <message>
        <source>Take Out Change</source>
        <translation>Rückgeld außer Haus</translation>
    </message>
    <message>
        <source>FullScreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Log Actions</source>
        <translation>Aktionen protokollieren</translation>
    </message>
    <message>
        <source>Print Receipt</source>
        <translation>Quittung drucken</translation>
    </message>
    <message>
        <source>Backup App.</source>
        <translation>Sicherungsprogramm</translation>
    </message>
</context>
<context>
    <name>PrefsPayments</name>
    <message>
        <source>Enabled SnapScan interface</source>
        <translation>SnapScan-Schnittstelle eingeschaltet</translation>
    </message>
    <message>
        <source>Disabled SnapScan interface</source>
        <translation>SnapScan-Schnittstelle ausgeschaltet</translation>
    </message>
    <message>
        <source>Changed SnapScan Server</source>
        <translation>SnapScan-Server geändert</translation>
    </message>
    <message>
        <source>Changed SnapScan Merchant Id</source>
        <translation>SnapScan-Händler-ID geändert</translation>
    </message>
    <message>
        <source>Enabled Semper interface</source>
        <translation>Semper-Schnittstelle eingeschaltet</translation>
    </message>
    <message>
        <source>Disabled Semper interface</source>
        <translation>Semper-Schnittstelle ausgeschaltet</translation>
    </message>
    <message>
        <source>The Semper port</source>
        <translation>Der Semper-Port</translation>
    </message>
    <message>
        <source>Changed Semper port</source>
        <translation>Semper-Port geändert</translation>
    </message>
    <message>
        <source>Changed Semper Server</source>
        <translation>Semper-Server geändert</translation>
    </message>
    <message>
        <source>Changed Semper Terminal Id</source>
        <translation>Semper-Terminal-ID geändert</translation>
    </message>
    <message>
        <source>Enabled New Semper Version</source>
        <translation>Neue Semper-Version eingeschaltet</translation>
    </message>
    <message>
        <source>Disabled New Semper Version</source>
        <translation>Neue Semper-Version ausgeschaltet</translation>
    </message>
    <message>
        <source>Brevalon Preferences</source>
        <translation>Brevalon – Einstellungen</translation>
    </message>
    <message>
        <source>The SnapScan interface needs its server.</source>
        <translation>Die SnapScan-Schnittstelle braucht ihren Server.</translation>
    </message>
    <message>
        <source>The SnapScan interface needs the Merchant Id.</source>
        <translation>Die SnapScan-Schnittstelle braucht die Händler-ID.</translation>
    </message>
    <message>
        <source>The Semper interface needs its server.</source>
        <translation>Die Semper-Schnittstelle braucht ihren Server.</translation>
    </message>
    <message>
        <source>The Semper Terminal Id may hold no commas (but a last one) and no &lt; or &gt;.</source>
        <translation>Die Semper-Terminal-ID darf keine Kommas (außer einem am Ende) und kein &lt; oder &gt; enthalten.</translation>
    </message>
    <message>
        <source>Pa&amp;yments</source>
        <translation>&amp;Zahlungen</translation>
    </message>
</context>
<context>
    <name>PrefsPaymentsGui</name>
    <message>
        <source>SnapScan</source>
        <translation>SnapScan</translation>
    </message>
    <message>
        <source>SnapScan interface</source>
        <translation>SnapScan-Schnittstelle</translation>
    </message>
    <message>
        <source>Print the QR payment code on slips and verify payments with F12</source>
        <translation>Den QR-Zahlungscode auf Bons drucken und Zahlungen mit F12 prüfen</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Host name of the payment service, without &quot;https://&quot;</source>
        <translation>Hostname des Zahlungsdienstes, ohne „https://“</translation>
    </message>
    <message>
        <source>Merchant Id</source>
        <translation>Händler-ID</translation>
    </message>
    <message>
        <source>The shop&apos;s identifier at the payment service</source>
        <translation>Die Kennung des Geschäfts beim Zahlungsdienst</translation>
    </message>
    <message>
        <source>Semper</source>
        <translation>Semper</translation>
    </message>
    <message>
        <source>Semper interface</source>
        <translation>Semper-Schnittstelle</translation>
    </message>
    <message>
        <source>Charge the &quot;On Acc&quot; amount of a sale to a hotel room or house account</source>
        <translation>Den Betrag „Auf Zimmer“ eines Verkaufs einem Hotelzimmer oder Hauskonto belasten</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Terminal Id</source>
        <translation>Terminal-ID</translation>
    </message>
    <message>
        <source>This till&apos;s code at the hotel system; empty: 0101</source>
        <translation>Die Kennung dieser Kasse im Hotelsystem; leer: 0101</translation>
    </message>
    <message>
        <source>Ver 6.1+</source>
        <translation>Ver 6.1+</translation>
    </message>
    <message>
        <source>The hotel system runs version 6.1 or later (batch messages)</source>
        <translation>Das Hotelsystem läuft mit Version 6.1 oder neuer (Stapelnachrichten)</translation>
    </message>
</context>
<context>
    <name>PrefsPersonnel</name>
    <message>
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>A login code is made of digits only, as typed on the keypad.</source>
        <translation>Ein Anmeldecode besteht nur aus Ziffern, wie sie am Zahlenfeld eingegeben werden.</translation>
    </message>
    <message>
        <source>%1 already logs in with this code. Every user needs a code of their own.</source>
        <translation>%1 meldet sich bereits mit diesem Code an. Jeder Benutzer braucht einen eigenen Code.</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Neuer Benutzer</translation>
    </message>
    <message>
        <source>Enter the new users name</source>
        <translation>Namen des neuen Benutzers eingeben</translation>
    </message>
    <message>
        <source>Enter the users SP initials</source>
        <translation>VK-Kürzel des Benutzers eingeben</translation>
    </message>
    <message>
        <source>Enter the user Login code</source>
        <translation>Anmeldecode des Benutzers eingeben</translation>
    </message>
    <message>
        <source>There is already a user %1.</source>
        <translation>Es gibt bereits einen Benutzer %1.</translation>
    </message>
    <message>
        <source>Personel</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>New user %1 added to system</source>
        <translation>Neuer Benutzer %1 angelegt</translation>
    </message>
    <message>
        <source>Update User</source>
        <translation>Benutzer ändern</translation>
    </message>
    <message>
        <source>You must have a user selected to perform an update</source>
        <translation>Vor dem Ändern bitte einen Benutzer wählen</translation>
    </message>
    <message>
        <source>The commission is a per cent from 0 to 100.</source>
        <translation>Die Provision ist ein Prozentsatz von 0 bis 100.</translation>
    </message>
    <message>
        <source>The cash account is an account number.</source>
        <translation>Das Barkonto ist eine Kontonummer.</translation>
    </message>
    <message>
        <source>Changed GUI Style for %1</source>
        <translation>Oberfläche für %1 geändert</translation>
    </message>
    <message>
        <source>User %1 updated</source>
        <translation>Benutzer %1 geändert</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Benutzer löschen</translation>
    </message>
    <message>
        <source>You must have a user selected to perform a delete</source>
        <translation>Vor dem Löschen bitte einen Benutzer wählen</translation>
    </message>
    <message>
        <source>You may not delete the Administrator</source>
        <translation>Der Administrator darf nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Confirm that you will remove user &apos;%1&apos; from the system</source>
        <translation>Bitte bestätigen: Benutzer &apos;%1&apos; aus dem System entfernen</translation>
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
        <source>User %1 deleted from system</source>
        <translation>Benutzer %1 aus dem System gelöscht</translation>
    </message>
    <message>
        <source>Unlock User</source>
        <translation>Benutzer entsperren</translation>
    </message>
    <message>
        <source>You must have a user selected to perform an unlock</source>
        <translation>Vor dem Entsperren bitte einen Benutzer wählen</translation>
    </message>
    <message>
        <source>Confirm that you will unlock user &apos;%1&apos;, this will result in their sessions terminating</source>
        <translation>Bitte bestätigen: Benutzer &apos;%1&apos; wird entsperrt, seine Sitzungen werden dabei beendet</translation>
    </message>
    <message>
        <source>Unlock user %1</source>
        <translation>Benutzer %1 entsperrt</translation>
    </message>
    <message>
        <source>&amp;Personnel</source>
        <translation>&amp;Personal</translation>
    </message>
</context>
<context>
    <name>PrefsPersonnelGui</name>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>S/P Initials</source>
        <translation>VK-Kürzel</translation>
    </message>
    <message>
        <source>Login Code</source>
        <translation>Anmeldecode</translation>
    </message>
    <message>
        <source>Commission %</source>
        <translation>Provision %</translation>
    </message>
    <message>
        <source>Commission on</source>
        <translation>Provision auf</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Brutto</translation>
    </message>
    <message>
        <source>Nett.</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Cash Account</source>
        <translation>Barkonto</translation>
    </message>
    <message>
        <source>GUI Style</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Touch Interface</source>
        <translation>Touch-Oberfläche</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Rechte</translation>
    </message>
    <message>
        <source>Mail Statements</source>
        <translation>Kontoauszüge per Post</translation>
    </message>
    <message>
        <source>Email Runs</source>
        <translation>E-Mail-Versand</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Datensicherung</translation>
    </message>
    <message>
        <source>Cash Up</source>
        <translation>Kassenabschluss</translation>
    </message>
    <message>
        <source>Cash Date</source>
        <translation>Kassentag</translation>
    </message>
    <message>
        <source>Month End</source>
        <translation>Monatsabschluss</translation>
    </message>
    <message>
        <source>Receive Stock</source>
        <translation>Wareneingang</translation>
    </message>
    <message>
        <source>Purge Clients</source>
        <translation>Kunden löschen</translation>
    </message>
    <message>
        <source>Merge Clients</source>
        <translation>Kunden zusammenführen</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Warengruppen</translation>
    </message>
    <message>
        <source>Suppliers</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <source>Stock Orders</source>
        <translation>Bestellungen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Audit Trail</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Journal Trail</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>View Statements</source>
        <translation>Kontoauszüge ansehen</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Rabatte</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Tax Control</source>
        <translation>Steuern ändern</translation>
    </message>
    <message>
        <source>Price Override</source>
        <translation>Preis überschreiben</translation>
    </message>
    <message>
        <source>Unvalidated Items</source>
        <translation>Ungeprüfte Artikel</translation>
    </message>
    <message>
        <source>View Actions</source>
        <translation>Aktionen ansehen</translation>
    </message>
    <message>
        <source>Cash Only Lock</source>
        <translation>Nur Barverkauf</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Rückgaben</translation>
    </message>
    <message>
        <source>Modify Clients</source>
        <translation>Kunden ändern</translation>
    </message>
    <message>
        <source>View Documents</source>
        <translation>Belege ansehen</translation>
    </message>
    <message>
        <source>Stock Price Adjust</source>
        <translation>Preise anpassen</translation>
    </message>
    <message>
        <source>Stock Price View</source>
        <translation>Preise ansehen</translation>
    </message>
    <message>
        <source>Sticky Cash</source>
        <translation>Barkonto vorwählen</translation>
    </message>
    <message>
        <source>Void Invoices</source>
        <translation>Rechnungen stornieren</translation>
    </message>
    <message>
        <source>Void Receipts</source>
        <translation>Quittungen stornieren</translation>
    </message>
</context>
<context>
    <name>PrefsPrinters</name>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Kitchen</source>
        <translation>Küche</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Slip80</source>
        <translation>Bon 80</translation>
    </message>
    <message>
        <source>Slip40</source>
        <translation>Bon 40</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Changed %1 printer mode</source>
        <translation>Modus des Druckers %1 geändert</translation>
    </message>
    <message>
        <source>Changed %1 printer preview</source>
        <translation>Vorschau des Druckers %1 geändert</translation>
    </message>
    <message>
        <source>Changed SMTP Server</source>
        <translation>SMTP-Server geändert</translation>
    </message>
    <message>
        <source>Changed Email Address</source>
        <translation>E-Mail-Adresse geändert</translation>
    </message>
    <message>
        <source>Changed SMTP Port</source>
        <translation>SMTP-Port geändert</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Init</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>BoldOff</source>
        <translation>Fett aus</translation>
    </message>
    <message>
        <source>Emp.</source>
        <translation>Hervorh.</translation>
    </message>
    <message>
        <source>Emp. Off</source>
        <translation>Hervorh. aus</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>DoubleOff</source>
        <translation>Doppelt aus</translation>
    </message>
    <message>
        <source>End of Page</source>
        <translation>Seitenende</translation>
    </message>
    <message>
        <source>Paper Cut</source>
        <translation>Papierschnitt</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Drawer Kick</source>
        <translation>Schublade öffnen</translation>
    </message>
    <message>
        <source>Bit Image</source>
        <translation>Rastergrafik</translation>
    </message>
    <message>
        <source>Changed slip printer %1 codes</source>
        <translation>Bondrucker-Codes %1 geändert</translation>
    </message>
    <message>
        <source>Changed slip40 printer %1 codes</source>
        <translation>Bondrucker-40-Codes %1 geändert</translation>
    </message>
    <message>
        <source>Changed printer black</source>
        <translation>Druckfarbe Text geändert</translation>
    </message>
    <message>
        <source>Changed printer Red</source>
        <translation>Druckfarbe Rot geändert</translation>
    </message>
    <message>
        <source>Changed printer Blue</source>
        <translation>Druckfarbe Blau geändert</translation>
    </message>
    <message>
        <source>Changed printer DarkBlue</source>
        <translation>Druckfarbe Dunkelblau geändert</translation>
    </message>
    <message>
        <source>Choose a logo</source>
        <translation>Logo wählen</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg *.bmp)</source>
        <translation>Bilder (*.png *.xpm *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Logo changed</source>
        <translation>Logo geändert</translation>
    </message>
    <message>
        <source>Old %1 : New %2</source>
        <translation>Alt %1 : Neu %2</translation>
    </message>
    <message>
        <source>%1, page size %2, orientation %3, colour mode %4, %5 copies</source>
        <translation>%1, Seitengröße %2, Ausrichtung %3, Farbmodus %4, %5 Exemplare</translation>
    </message>
    <message>
        <source>Receipt printer config</source>
        <translation>Quittungsdrucker eingerichtet</translation>
    </message>
    <message>
        <source>Config Invoice Printer</source>
        <translation>Rechnungsdrucker einrichten</translation>
    </message>
    <message>
        <source>Config Mail Printer</source>
        <translation>Postdrucker einrichten</translation>
    </message>
    <message>
        <source>Config KitchenPrinter</source>
        <translation>Küchendrucker einrichten</translation>
    </message>
    <message>
        <source>Config Label Printer</source>
        <translation>Etikettendrucker einrichten</translation>
    </message>
    <message>
        <source>Printers &amp;&amp; &amp;Email</source>
        <translation>Drucker &amp;&amp; &amp;E-Mail</translation>
    </message>
</context>
<context>
    <name>PrefsPrintersGui</name>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Setup ..</source>
        <translation>Einrichten ..</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>Mailing</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Kitchen 2 (Kitchen)</source>
        <translation>Küche 2 (Küche)</translation>
    </message>
    <message>
        <source>Kitchen 1 (Labels)</source>
        <translation>Küche 1 (Etiketten)</translation>
    </message>
    <message>
        <source>Company Logo</source>
        <translation>Firmenlogo</translation>
    </message>
    <message>
        <source>Browse ..</source>
        <translation>Durchsuchen ..</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>SMTP-Port</translation>
    </message>
    <message>
        <source>Page Colors</source>
        <translation>Seitenfarben</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Red background</source>
        <translation>Roter Hintergrund</translation>
    </message>
    <message>
        <source>Dark blue background</source>
        <translation>Dunkelblauer Hintergrund</translation>
    </message>
    <message>
        <source>Blue background</source>
        <translation>Blauer Hintergrund</translation>
    </message>
    <message>
        <source>Slip Printer Codes</source>
        <translation>Steuercodes der Bondrucker</translation>
    </message>
    <message>
        <source>Slip80 Codes</source>
        <translation>Codes Bon 80</translation>
    </message>
    <message>
        <source>Slip40 Codes</source>
        <translation>Codes Bon 40</translation>
    </message>
    <message>
        <source>Printer Init</source>
        <translation>Drucker-Init</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Off</source>
        <translation>Fett aus</translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation>Hervorhebung</translation>
    </message>
    <message>
        <source>Emphasis Off</source>
        <translation>Hervorhebung aus</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Double Off</source>
        <translation>Doppelt aus</translation>
    </message>
    <message>
        <source>End of Page</source>
        <translation>Seitenende</translation>
    </message>
    <message>
        <source>Paper Cut</source>
        <translation>Papierschnitt</translation>
    </message>
    <message>
        <source>Logo (NV)</source>
        <translation>Logo (NV)</translation>
    </message>
    <message>
        <source>Drawer Kick</source>
        <translation>Schublade öffnen</translation>
    </message>
    <message>
        <source>Bit Image</source>
        <translation>Rastergrafik</translation>
    </message>
</context>
<context>
    <name>PrefsSysInfo</name>
    <message>
        <source>Changed Business Name</source>
        <translation>Firmenname geändert</translation>
    </message>
    <message>
        <source>The business name</source>
        <translation>Der Firmenname</translation>
    </message>
    <message>
        <source>Changed Address Line %1</source>
        <translation>Adresszeile %1 geändert</translation>
    </message>
    <message>
        <source>Changed Invoice Footer 1</source>
        <translation>Fußzeile 1 der Rechnung geändert</translation>
    </message>
    <message>
        <source>Changed Invoice Footer 2</source>
        <translation>Fußzeile 2 der Rechnung geändert</translation>
    </message>
    <message>
        <source>Changed Statement Footer 1</source>
        <translation>Fußzeile 1 des Kontoauszugs geändert</translation>
    </message>
    <message>
        <source>Changed Statement Footer 2</source>
        <translation>Fußzeile 2 des Kontoauszugs geändert</translation>
    </message>
    <message>
        <source>Changed Statement Footer 3</source>
        <translation>Fußzeile 3 des Kontoauszugs geändert</translation>
    </message>
    <message>
        <source>Changed Hand Over Footer</source>
        <translation>Fußzeile der Inkassoübergabe geändert</translation>
    </message>
    <message>
        <source>Changed Receipt Footer</source>
        <translation>Fußzeile der Quittung geändert</translation>
    </message>
    <message>
        <source>Changed Tax Name</source>
        <translation>Name der Steuer geändert</translation>
    </message>
    <message>
        <source>Changed Tax Rate</source>
        <translation>Steuersatz geändert</translation>
    </message>
    <message>
        <source>Changed Levy Name</source>
        <translation>Name der Abgabe geändert</translation>
    </message>
    <message>
        <source>Changed Levy Rate</source>
        <translation>Satz der Abgabe geändert</translation>
    </message>
    <message>
        <source>Exclusive</source>
        <translation>zzgl. Steuer</translation>
    </message>
    <message>
        <source>Inclusive</source>
        <translation>inkl. Steuer</translation>
    </message>
    <message>
        <source>Changed Tax Mode</source>
        <translation>Steuermodus geändert</translation>
    </message>
    <message>
        <source>Changed Base Price Name</source>
        <translation>Name des Grundpreises geändert</translation>
    </message>
    <message>
        <source>Changed Base Price Markup</source>
        <translation>Aufschlag des Grundpreises geändert</translation>
    </message>
    <message>
        <source>Changed Tier 1 Name</source>
        <translation>Name der Stufe 1 geändert</translation>
    </message>
    <message>
        <source>Changed Tier 1 Markup</source>
        <translation>Aufschlag der Stufe 1 geändert</translation>
    </message>
    <message>
        <source>Changed Tier 2 Name</source>
        <translation>Name der Stufe 2 geändert</translation>
    </message>
    <message>
        <source>Changed Tier 2 Markup</source>
        <translation>Aufschlag der Stufe 2 geändert</translation>
    </message>
    <message>
        <source>Changed Language</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>&amp;SysInfo</source>
        <translation>&amp;Firmendaten</translation>
    </message>
</context>
<context>
    <name>PrefsSysInfoGui</name>
    <message>
        <source>Business</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Line 1 (business name)</source>
        <translation>Zeile 1 (Firmenname)</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Zeile 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Zeile 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Zeile 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Zeile 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Zeile 6</translation>
    </message>
    <message>
        <source>Line 7</source>
        <translation>Zeile 7</translation>
    </message>
    <message>
        <source>Footers</source>
        <translation>Fußzeilen</translation>
    </message>
    <message>
        <source>Invoice Footer 1</source>
        <translation>Rechnung Fußzeile 1</translation>
    </message>
    <message>
        <source>Invoice Footer 2</source>
        <translation>Rechnung Fußzeile 2</translation>
    </message>
    <message>
        <source>Statement Footer 1</source>
        <translation>Kontoauszug Fußzeile 1</translation>
    </message>
    <message>
        <source>Statement Footer 2</source>
        <translation>Kontoauszug Fußzeile 2</translation>
    </message>
    <message>
        <source>Statement Footer 3</source>
        <translation>Kontoauszug Fußzeile 3</translation>
    </message>
    <message>
        <source>Hand Over Footer</source>
        <translation>Fußzeile Inkassoübergabe</translation>
    </message>
    <message>
        <source>Receipt Footer</source>
        <translation>Quittung Fußzeile</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rate (0.15 = 15%)</source>
        <translation>Satz (0.15 = 15%)</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Levy</source>
        <translation>Abgabe</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Price Categories</source>
        <translation>Preisstufen</translation>
    </message>
    <message>
        <source>Markup</source>
        <translation>Aufschlag</translation>
    </message>
    <message>
        <source>Base Price</source>
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
    <name>Reporter</name>
    <message>
        <source>Graph Results</source>
        <translation>Ergebnisse als Diagramm</translation>
    </message>
    <message>
        <source>You must higlight entries to chart</source>
        <translation>Bitte zuerst die Einträge für das Diagramm markieren</translation>
    </message>
    <message>
        <source>Choose a destination file</source>
        <translation>Zieldatei wählen</translation>
    </message>
    <message>
        <source>Export as CSV (*.csv)</source>
        <translation>Als CSV exportieren (*.csv)</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>CSV Export aborted, can&apos;t create %1</source>
        <translation>CSV-Export abgebrochen, %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Export to CSV complete</source>
        <translation>CSV-Export abgeschlossen</translation>
    </message>
</context>
<context>
    <name>ReporterGui</name>
    <message>
        <source>Brevalon Reporter</source>
        <translation>Brevalon – Berichte</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
    <message>
        <source>Choose a destination backup</source>
        <translation>Ziel der Datensicherung wählen</translation>
    </message>
    <message>
        <source>Brevalon Backup (*.zbk)</source>
        <translation>Brevalon-Datensicherung (*.zbk)</translation>
    </message>
    <message>
        <source>Backup aborted, no destination choosen</source>
        <translation>Datensicherung abgebrochen, kein Ziel gewählt</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 wird verarbeitet</translation>
    </message>
    <message>
        <source>Backup aborted, can&apos;t create %1</source>
        <translation>Datensicherung abgebrochen, %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Backup aborted</source>
        <translation>Datensicherung abgebrochen</translation>
    </message>
    <message>
        <source>Backup aborted, %1</source>
        <translation>Datensicherung abgebrochen, %1</translation>
    </message>
    <message>
        <source>Brevalon Backup</source>
        <translation>Brevalon – Datensicherung</translation>
    </message>
    <message>
        <source>Skiping Writing Backup to media</source>
        <translation>Sicherung wird nicht auf den Datenträger geschrieben</translation>
    </message>
    <message>
        <source>No Backup Media App</source>
        <translation>Kein Sicherungsprogramm eingestellt</translation>
    </message>
    <message>
        <source>Backup complete</source>
        <translation>Datensicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Writing Backup to media ...</source>
        <translation>Sicherung wird auf den Datenträger geschrieben ...</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Rückgabewert %1</translation>
    </message>
    <message>
        <source>Backup created, but writing to media failed.</source>
        <translation>Datensicherung erstellt, aber das Schreiben auf den Datenträger ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Pending Order Report</source>
        <translation>Offene Bestellungen</translation>
    </message>
    <message>
        <source>Invoice No.</source>
        <translation>Rechnungs-Nr.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Brevalon - Pending Orders</source>
        <translation>Brevalon – Offene Bestellungen</translation>
    </message>
    <message>
        <source>There are no Pending Orders</source>
        <translation>Keine offenen Bestellungen vorhanden</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Stammdaten</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Warengruppen</translation>
    </message>
    <message>
        <source>Compositions</source>
        <translation>Zusammenstellungen</translation>
    </message>
    <message>
        <source>Suppliers</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <source>Receive Stock</source>
        <translation>Wareneingang</translation>
    </message>
    <message>
        <source>This account has an open order (Invoice # %1).

A quote or a refund cannot be made on it: print its bill first, or choose another account.</source>
        <translation>Dieses Konto hat eine offene Bestellung (Rechnung Nr. %1).

Darauf ist kein Angebot und keine Rückgabe möglich: bitte zuerst die Rechnung drucken oder ein anderes Konto wählen.</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rückgabe</translation>
    </message>
    <message>
        <source>Brevalon - Docket</source>
        <translation>Brevalon – Bon</translation>
    </message>
    <message>
        <source>Select an invoice, or a table with an open order, to print its dockets again.</source>
        <translation>Bitte eine Rechnung oder einen Tisch mit offener Bestellung wählen, um die Bons erneut zu drucken.</translation>
    </message>
    <message>
        <source>Reprint Docket</source>
        <translation>Bon nachdrucken</translation>
    </message>
    <message>
        <source>Invoice # %1 has no lines for the kitchen or the label printer.</source>
        <translation>Rechnung Nr. %1 hat keine Zeilen für die Küche oder den Etikettendrucker.</translation>
    </message>
    <message>
        <source>Invoice # %1 has just been paid at another till.</source>
        <translation>Rechnung Nr. %1 wurde soeben an einer anderen Kasse bezahlt.</translation>
    </message>
    <message>
        <source>Semper Interface failure, please contact support</source>
        <translation>Fehler der Semper-Schnittstelle, bitte den Support verständigen</translation>
    </message>
    <message>
        <source>Rec #%1: %2 to %3</source>
        <translation>Qu.-Nr. %1: %2 auf %3</translation>
    </message>
    <message>
        <source>Room Charge Failed</source>
        <translation>Zimmerbelastung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Receipt #%1 is posted, but the hotel system did not take its charge of %2 to %3.

Check the hotel system and make the charge there by hand.</source>
        <translation>Quittung Nr. %1 ist gebucht, aber das Hotelsystem hat die Belastung von %2 auf %3 nicht angenommen.

Bitte das Hotelsystem prüfen und die Belastung dort von Hand buchen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a quantity.
Type the number of items, for example %2.</source>
        <translation>„%1“ ist keine Menge.
Bitte die Stückzahl eingeben, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a price.
Type the price of one item, for example %2.</source>
        <translation>„%1“ ist kein Preis.
Bitte den Preis für ein Stück eingeben, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a discount.
Type a percentage from 0 to 100.</source>
        <translation>„%1“ ist kein Rabatt.
Bitte einen Prozentsatz von 0 bis 100 eingeben.</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Artikel hinzufügen</translation>
    </message>
    <message>
        <source>%1 @ %2</source>
        <translation>%1 @ %2</translation>
    </message>
    <message>
        <source>Unvalidated Item</source>
        <translation>Ungeprüfter Artikel</translation>
    </message>
    <message>
        <source>%1 %2 %3 @ %4</source>
        <translation>%1 %2 %3 @ %4</translation>
    </message>
    <message>
        <source>A note may hold at most %1 characters; this one has %2.</source>
        <translation>Eine Notiz darf höchstens %1 Zeichen lang sein; diese hat %2.</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Artikel entfernen</translation>
    </message>
    <message>
        <source>%1 %2@ %3</source>
        <translation>%1 %2@ %3</translation>
    </message>
    <message>
        <source>Semper comms in progress...</source>
        <translation>Verbindung mit Semper läuft...</translation>
    </message>
    <message>
        <source>Connection closed by Semper</source>
        <translation>Semper hat die Verbindung beendet</translation>
    </message>
    <message>
        <source>Semper Connection Closed</source>
        <translation>Semper-Verbindung beendet</translation>
    </message>
    <message>
        <source>Semper Interface Error number %1 occurred
</source>
        <translation>Fehler Nr. %1 der Semper-Schnittstelle
</translation>
    </message>
    <message>
        <source>: no answer within %1 seconds</source>
        <translation>: keine Antwort innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>Could not initialise curl</source>
        <translation>curl konnte nicht initialisiert werden</translation>
    </message>
    <message>
        <source>SnapScan did not answer within %1 seconds, payment not verified</source>
        <translation>SnapScan hat nicht innerhalb von %1 Sekunden geantwortet, Zahlung nicht bestätigt</translation>
    </message>
    <message>
        <source>SnapScan could not be reached, payment not verified:
%1</source>
        <translation>SnapScan nicht erreichbar, Zahlung nicht bestätigt:
%1</translation>
    </message>
    <message>
        <source>SnapScan your Merchant information is incorrect
Please check preferences</source>
        <translation>SnapScan: Ihre Händlerdaten sind falsch
Bitte die Einstellungen prüfen</translation>
    </message>
    <message>
        <source>SnapScan Invoice (%1) not yet paid</source>
        <translation>SnapScan: Rechnung (%1) noch nicht bezahlt</translation>
    </message>
    <message>
        <source>SnapScan Communication Error, payment not verified (%1)</source>
        <translation>SnapScan-Kommunikationsfehler, Zahlung nicht bestätigt (%1)</translation>
    </message>
    <message>
        <source>SnapScan payment pending please try again shortly</source>
        <translation>SnapScan-Zahlung steht noch aus, bitte gleich erneut versuchen</translation>
    </message>
    <message>
        <source>SnapScan payment failed, please try again shortly</source>
        <translation>SnapScan-Zahlung fehlgeschlagen, bitte gleich erneut versuchen</translation>
    </message>
    <message>
        <source>SnapScan reply refused, payment not verified: the amounts paid and required (%1) are not a payment</source>
        <translation>SnapScan-Antwort abgelehnt, Zahlung nicht bestätigt: gezahlter und geforderter Betrag (%1) ergeben keine Zahlung</translation>
    </message>
    <message>
        <source>No outstanding payments</source>
        <translation>Keine offenen Zahlungen</translation>
    </message>
    <message>
        <source>No invoice selected for payment</source>
        <translation>Keine Rechnung zum Bezahlen gewählt</translation>
    </message>
    <message>
        <source>Processing SnapScan payment for Invoice #%1</source>
        <translation>SnapScan-Zahlung für Rechnung Nr. %1 wird verarbeitet</translation>
    </message>
    <message>
        <source>SnapScan Invoice (%1) was paid for %2, but %3 is due: payment not taken</source>
        <translation>SnapScan: Rechnung (%1) wurde mit %2 bezahlt, fällig sind aber %3: Zahlung nicht übernommen</translation>
    </message>
    <message>
        <source>SnapScan %1</source>
        <translation>SnapScan %1</translation>
    </message>
    <message>
        <source>SnapScan Auth: %1</source>
        <translation>SnapScan-Autorisierung: %1</translation>
    </message>
    <message>
        <source>Patron left %1 (%2%) tip via SnapScan</source>
        <translation>Gast hat %1 (%2%) Trinkgeld über SnapScan gegeben</translation>
    </message>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source> Actions Report</source>
        <translation> – Aktionsprotokoll</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>The Actions log is empty.</source>
        <translation>Das Aktionsprotokoll ist leer.</translation>
    </message>
    <message>
        <source>Do you wish to clear the Action log ?</source>
        <translation>Soll das Aktionsprotokoll geleert werden?</translation>
    </message>
    <message>
        <source>Clearing Action Log ...</source>
        <translation>Aktionsprotokoll wird geleert ...</translation>
    </message>
    <message>
        <source>Clients Debt Report</source>
        <translation>Kundenschulden</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Account No.</source>
        <translation>Konto-Nr.</translation>
    </message>
    <message>
        <source>Phone No.</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Cell No.</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Client Debt</source>
        <translation>Kundenschulden</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Brevalon - Outstanding Invoices</source>
        <translation>Brevalon – Offene Rechnungen</translation>
    </message>
    <message>
        <source>There are no Outstanding Invoices</source>
        <translation>Keine offenen Rechnungen vorhanden</translation>
    </message>
    <message>
        <source>Outstanding Invoice Report</source>
        <translation>Offene Rechnungen</translation>
    </message>
    <message>
        <source>Invoice #</source>
        <translation>Rechnungs-Nr.</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Outstanding Invoices</source>
        <translation>Offene Rechnungen</translation>
    </message>
    <message>
        <source>All Clients</source>
        <translation>Alle Kunden</translation>
    </message>
    <message>
        <source>Report For</source>
        <translation>Bericht für</translation>
    </message>
    <message>
        <source>Clients Purchases Report</source>
        <translation>Kundeneinkäufe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Client Purchases</source>
        <translation>Kundeneinkäufe</translation>
    </message>
    <message>
        <source>Clients Expenditure Report</source>
        <translation>Kundenausgaben</translation>
    </message>
    <message>
        <source>Expenditure</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Client Expenditure</source>
        <translation>Kundenausgaben</translation>
    </message>
    <message>
        <source>Preparation Times from ..</source>
        <translation>Zubereitungszeiten von ..</translation>
    </message>
    <message>
        <source>Preparation Times until ..</source>
        <translation>Zubereitungszeiten bis ..</translation>
    </message>
    <message>
        <source>Brevalon - Preparation Times</source>
        <translation>Brevalon – Zubereitungszeiten</translation>
    </message>
    <message>
        <source>The end date %1 is before the start date %2.</source>
        <translation>Das Enddatum %1 liegt vor dem Anfangsdatum %2.</translation>
    </message>
    <message>
        <source>Preparation Times</source>
        <translation>Zubereitungszeiten</translation>
    </message>
    <message>
        <source>Outstanding Returns Report</source>
        <translation>Offene Rückgaben</translation>
    </message>
    <message>
        <source>Outstanding Returnables</source>
        <translation>Offene Pfandartikel</translation>
    </message>
    <message>
        <source>Brevalon Returns</source>
        <translation>Brevalon – Rückgaben</translation>
    </message>
    <message>
        <source>Returns for invoice number ...</source>
        <translation>Rückgaben zur Rechnungsnummer ...</translation>
    </message>
    <message>
        <source>There are no returnable items for Invoice %1</source>
        <translation>Rechnung %1 enthält keine Pfandartikel</translation>
    </message>
    <message>
        <source>Confirm the return of ..
</source>
        <translation>Bitte bestätigen: Rückgabe von ..
</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Report Until</source>
        <translation>Bericht bis</translation>
    </message>
    <message>
        <source>Brevalon - Report</source>
        <translation>Brevalon – Bericht</translation>
    </message>
    <message>
        <source>There is no %1 to report on.</source>
        <translation>Für %1 gibt es nichts auszuwerten.</translation>
    </message>
    <message>
        <source> Report</source>
        <translation> – Bericht</translation>
    </message>
    <message>
        <source>Sales Personel Performance Report</source>
        <translation>Verkäuferleistung</translation>
    </message>
    <message>
        <source>Description [S/P]</source>
        <translation>Bezeichnung [VK]</translation>
    </message>
    <message>
        <source>Sales Personel Performance</source>
        <translation>Verkäuferleistung</translation>
    </message>
    <message>
        <source>New Clients Report</source>
        <translation>Neue Kunden</translation>
    </message>
    <message>
        <source>New Clients</source>
        <translation>Neue Kunden</translation>
    </message>
    <message>
        <source>Daily Stock Sales - Stock Sales for ..</source>
        <translation>Tagesverkauf nach Artikel – Verkauf am ..</translation>
    </message>
    <message>
        <source>Stock Sales Report %1</source>
        <translation>Verkauf nach Artikel %1</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Einkauf</translation>
    </message>
    <message>
        <source>Daily Stock Sales</source>
        <translation>Tagesverkauf nach Artikel</translation>
    </message>
    <message>
        <source>Commission - Report For</source>
        <translation>Provision – Bericht für</translation>
    </message>
    <message>
        <source>Sales Commission Report</source>
        <translation>Verkaufsprovisionen</translation>
    </message>
    <message>
        <source>Sales Person</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>Total Sales.</source>
        <translation>Umsatz ges.</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Provision</translation>
    </message>
    <message>
        <source>Voids - Voids from ..</source>
        <translation>Stornos – Stornos von ..</translation>
    </message>
    <message>
        <source>Voids - Voids until ..</source>
        <translation>Stornos – Stornos bis ..</translation>
    </message>
    <message>
        <source>Voids Report</source>
        <translation>Stornos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>Voids</source>
        <translation>Stornos</translation>
    </message>
    <message>
        <source>Stock Levels Report</source>
        <translation>Lagerbestand</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>On Order</source>
        <translation>Bestellt</translation>
    </message>
    <message>
        <source>Hand Count</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Stock Levels</source>
        <translation>Lagerbestand</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
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
        <source>Price List</source>
        <translation>Preisliste</translation>
    </message>
    <message>
        <source>Brevalon - Split Bill</source>
        <translation>Brevalon – Rechnung teilen</translation>
    </message>
    <message>
        <source>Choose one bill to split in the list of open invoices</source>
        <translation>Wählen Sie in der Liste der offenen Rechnungen eine Rechnung zum Teilen</translation>
    </message>
    <message>
        <source>%1 has no bill to split</source>
        <translation>%1 hat keine Rechnung zum Teilen</translation>
    </message>
    <message>
        <source>Choose the table whose bill is split</source>
        <translation>Wählen Sie den Tisch, dessen Rechnung geteilt wird</translation>
    </message>
    <message>
        <source>Split bill # %1 of %2 between the guests</source>
        <translation>Rechnung Nr. %1 über %2 unter den Gästen teilen</translation>
    </message>
    <message>
        <source>By &amp;Items</source>
        <translation>Nach &amp;Positionen</translation>
    </message>
    <message>
        <source>&amp;Evenly</source>
        <translation>&amp;Gleichmäßig</translation>
    </message>
    <message>
        <source>There is nothing on bill # %1 to split</source>
        <translation>Auf Rechnung Nr. %1 ist nichts zu teilen</translation>
    </message>
    <message>
        <source>Into how many parts?</source>
        <translation>In wie viele Teile?</translation>
    </message>
    <message>
        <source>Split Bill</source>
        <translation>Rechnung teilen</translation>
    </message>
    <message>
        <source>Inv #: %1 into %2</source>
        <translation>Rg.-Nr.: %1 in %2</translation>
    </message>
    <message>
        <source>Bill # %1 is split into %2 bills, each paid on its own</source>
        <translation>Rechnung Nr. %1 ist in %2 Rechnungen geteilt, jede wird für sich bezahlt</translation>
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
    <message>
        <source>Reprint Docket</source>
        <translation>Bon nachdrucken</translation>
    </message>
    <message>
        <source>Print the kitchen and label dockets of the selected invoice, or of the open order, again</source>
        <translation>Die Küchen- und Etikettenbons der gewählten Rechnung oder der offenen Bestellung erneut drucken</translation>
    </message>
    <message>
        <source>Kitchen Preparation &amp;Times</source>
        <translation>&amp;Zubereitungszeiten der Küche</translation>
    </message>
    <message>
        <source>Split
Bill</source>
        <translation>Rechnung
teilen</translation>
    </message>
    <message>
        <source>Split the table&apos;s bill between its guests, by items or evenly</source>
        <translation>Die Rechnung des Tisches unter den Gästen teilen, nach Positionen oder gleichmäßig</translation>
    </message>
</context>
<context>
    <name>SemperChoice</name>
    <message>
        <source>CASH SALE</source>
        <translation>BARVERKAUF</translation>
    </message>
</context>
<context>
    <name>SemperGui</name>
    <message>
        <source>Room/Acc</source>
        <translation>Zimmer/Konto</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
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
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>not accepting jobs</source>
        <translation>nimmt keine Aufträge an</translation>
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
    <name>SplitEntry</name>
    <message>
        <source>Brevalon - Split Bill</source>
        <translation>Brevalon – Rechnung teilen</translation>
    </message>
    <message>
        <source>Bill # %1: touch a line to move one more of it to the new bill</source>
        <translation>Rechnung Nr. %1: Tippen Sie auf eine Zeile, um eins mehr davon auf die neue Rechnung zu setzen</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>To New Bill</source>
        <translation>Auf neue Rechnung</translation>
    </message>
    <message>
        <source>One Less
-</source>
        <translation>Eins weniger
-</translation>
    </message>
    <message>
        <source>All of
Line A</source>
        <translation>Ganze
Zeile A</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Cancel
F5</source>
        <translation>Abbrechen
F5</translation>
    </message>
    <message>
        <source>Split
F8</source>
        <translation>Teilen
F8</translation>
    </message>
    <message>
        <source>This bill %1    New bill %2</source>
        <translation>Diese Rechnung %1    Neue Rechnung %2</translation>
    </message>
</context>
<context>
    <name>Stock</name>
    <message>
        <source>Brevalon - Receive Stock</source>
        <translation>Brevalon – Wareneingang</translation>
    </message>
    <message>
        <source>No item matches %1</source>
        <translation>Kein Artikel passt zu %1</translation>
    </message>
    <message>
        <source>On hand %1, on order %2</source>
        <translation>Bestand %1, bestellt %2</translation>
    </message>
    <message>
        <source>You have not validated this item
You can not receive unknown stock

</source>
        <translation>Dieser Artikel ist nicht geprüft.
Unbekannte Ware kann nicht eingebucht werden

</translation>
    </message>
    <message>
        <source>The quantity</source>
        <translation>Die Menge</translation>
    </message>
    <message>
        <source>Check your quantity, zero or negative values are not accpted.
</source>
        <translation>Bitte die Menge prüfen, null oder negative Werte sind nicht zulässig.
</translation>
    </message>
    <message>
        <source>The price</source>
        <translation>Der Preis</translation>
    </message>
    <message>
        <source>The markup</source>
        <translation>Der Aufschlag</translation>
    </message>
    <message>
        <source>The cost</source>
        <translation>Der Einkaufspreis</translation>
    </message>
    <message>
        <source>The recieved stock list is empty</source>
        <translation>Die Liste des Wareneingangs ist leer</translation>
    </message>
    <message>
        <source>Highlight the line to take out of the list first</source>
        <translation>Bitte zuerst die zu entfernende Zeile markieren</translation>
    </message>
    <message>
        <source>Receive Stock</source>
        <translation>Wareneingang</translation>
    </message>
    <message>
        <source>%1 is no longer on file.
Nothing was received; take it out of the list and process again.</source>
        <translation>%1 ist nicht mehr vorhanden.
Es wurde nichts eingebucht; bitte aus der Liste entfernen und erneut buchen.</translation>
    </message>
    <message>
        <source>Stock Receieved</source>
        <translation>Wareneingang gebucht</translation>
    </message>
    <message numerus="yes">
        <source>Trace %1, %n line(s)</source>
        <translation>
            <numerusform>Vorgang %1, %n Zeile</numerusform>
            <numerusform>Vorgang %1, %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Stock Price Adjustment</source>
        <translation>Preisanpassung</translation>
    </message>
    <message>
        <source>%8 - Code %1, Price %2 -&gt; %3, Markup %4 -&gt; %5, Cost %6 -&gt; %7</source>
        <translation>%8 - Code %1, Preis %2 -&gt; %3, Aufschlag %4 -&gt; %5, Einkauf %6 -&gt; %7</translation>
    </message>
    <message>
        <source>You have not processed this stock
Do you want to abandon recieving stock ?</source>
        <translation>Dieser Wareneingang ist nicht gebucht.
Wareneingang wirklich verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>StockGui</name>
    <message>
        <source>Brevalon - Recieve Stock</source>
        <translation>Brevalon – Wareneingang</translation>
    </message>
    <message>
        <source>&amp;Supplier</source>
        <translation>&amp;Lieferant</translation>
    </message>
    <message>
        <source>The supplier who delivered</source>
        <translation>Der Lieferant dieser Lieferung</translation>
    </message>
    <message>
        <source>&amp;Item</source>
        <translation>A&amp;rtikel</translation>
    </message>
    <message>
        <source>Scan or type the code, or the start of the description, and press Return</source>
        <translation>Den Code scannen oder eingeben, oder den Anfang der Bezeichnung, dann Enter drücken</translation>
    </message>
    <message>
        <source>&amp;Quantity</source>
        <translation>&amp;Menge</translation>
    </message>
    <message>
        <source>Stock evel
Adjustment</source>
        <translation>Bestands-
korrektur</translation>
    </message>
    <message>
        <source>A correction of the stock level, not a delivery: it may be negative</source>
        <translation>Eine Korrektur des Bestands, keine Lieferung: darf negativ sein</translation>
    </message>
    <message>
        <source>Adjust prices if required</source>
        <translation>Preise bei Bedarf anpassen</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>&amp;Markup</source>
        <translation>&amp;Aufschlag</translation>
    </message>
    <message>
        <source>C&amp;ost</source>
        <translation>&amp;Einkauf</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Put the item in the list of stock received</source>
        <translation>Den Artikel in die Liste des Wareneingangs aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Take the highlighted line out of the list</source>
        <translation>Die markierte Zeile aus der Liste entfernen</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>These notes only get added when &lt;b&gt;Process&lt;/b&gt; is pressed</source>
        <translation>Diese Notizen werden erst beim &lt;b&gt;Buchen&lt;/b&gt; übernommen</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Markup</source>
        <translation>Aufschlag</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Einkauf</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
</context>
<context>
    <name>Supplier</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Add Supplier</source>
        <translation>Lieferant anlegen</translation>
    </message>
    <message>
        <source>You must specify the Company</source>
        <translation>Bitte die Firma angeben</translation>
    </message>
    <message>
        <source>The supplier %1 is already on file</source>
        <translation>Den Lieferanten %1 gibt es bereits</translation>
    </message>
    <message>
        <source>Confirm that you will add %1
to the list of suppliers with the details shown.</source>
        <translation>Bitte bestätigen: %1
mit den angezeigten Angaben als Lieferant anlegen.</translation>
    </message>
    <message>
        <source>Suppliers</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 angelegt</translation>
    </message>
    <message>
        <source>Update Supplier</source>
        <translation>Lieferant ändern</translation>
    </message>
    <message>
        <source>You have not selected a valid supplier. Try again.</source>
        <translation>Es wurde kein gültiger Lieferant gewählt. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Confirm that you will update %1
 in the list of suppliers with the details shown.</source>
        <translation>Bitte bestätigen: Lieferant %1
mit den angezeigten Angaben ändern.</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>Delete Supplier</source>
        <translation>Lieferant löschen</translation>
    </message>
    <message>
        <source>Confirm that you will delete %1
from the list of suppliers.</source>
        <translation>Bitte bestätigen: %1
aus der Liste der Lieferanten löschen.</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
</context>
<context>
    <name>SupplierGui</name>
    <message>
        <source>Brevalon - Suppliers</source>
        <translation>Brevalon – Lieferanten</translation>
    </message>
    <message>
        <source>C&amp;ompany</source>
        <translation>&amp;Firma</translation>
    </message>
    <message>
        <source>Co&amp;ntact</source>
        <translation>&amp;Ansprechpartner</translation>
    </message>
    <message>
        <source>&amp;Email</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>&amp;Tel</source>
        <translation>&amp;Telefon</translation>
    </message>
    <message>
        <source>F&amp;ax</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>Ce&amp;ll</source>
        <translation>&amp;Mobil</translation>
    </message>
    <message>
        <source>&amp;Postal Address</source>
        <translation>&amp;Postanschrift</translation>
    </message>
    <message>
        <source>P&amp;hysical Address</source>
        <translation>&amp;Hausanschrift</translation>
    </message>
    <message>
        <source>N&amp;otes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>F8 New</source>
        <translation>F8 Neu</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F5 Update</source>
        <translation>F5 Ändern</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6 Delete</source>
        <translation>F6 Löschen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F3 Clear</source>
        <translation>F3 Leeren</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Empty the fields for a new supplier</source>
        <translation>Die Felder für einen neuen Lieferanten leeren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Postal Address</source>
        <translation>Postanschrift</translation>
    </message>
    <message>
        <source>Physical Address</source>
        <translation>Hausanschrift</translation>
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
    <name>TouchPicture</name>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>Do you wish to remove the Touch Icon ?</source>
        <translation>Das Bild der Touch-Taste entfernen?</translation>
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
        <source>Choose Image</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Common images (*.jpg *.png *.bmp *.xpm);;Portable images (*.pbm *.pgm *.png *.ppm);;All files (*)</source>
        <translation>Gängige Bilder (*.jpg *.png *.bmp *.xpm);;Portable Bilder (*.pbm *.pgm *.png *.ppm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 is not a picture that Brevalon can read.
No picture was taken.</source>
        <translation>%1 ist kein Bild, das Brevalon lesen kann.
Es wurde kein Bild übernommen.</translation>
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
        <translation type="vanished">Brevalon wartet schon recht lange auf
eine vorübergehend belegte Systemressource.

Erzwingen oder weiter warten?

Erzwingen nur wählen, wenn sicher ist,
dass ein Programm abgestürzt ist und keine
andere Kasse gerade arbeitet!</translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="vanished">Erzwingen</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="vanished">Warten</translation>
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
        <translation type="vanished">Brevalon – Kontoauszug</translation>
    </message>
    <message>
        <source>Statements are not available yet in this version of Brevalon.
No statement was printed for account %1.</source>
        <translation type="vanished">Kontoauszüge gibt es in dieser Version von Brevalon noch nicht.
Für Konto %1 wurde kein Kontoauszug gedruckt.</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Interest on arrears</source>
        <translation>Verzugszinsen</translation>
    </message>
    <message>
        <source>Mail Renewals</source>
        <translation>Verlängerungen per Post</translation>
    </message>
    <message>
        <source>Confirm that you wish to print renewals for mailing
This may take a few minutes</source>
        <translation>Bitte bestätigen: Verlängerungen für den Postversand drucken
Das kann einige Minuten dauern</translation>
    </message>
    <message>
        <source>Brevalon - Mail Renewals</source>
        <translation>Brevalon – Verlängerungen per Post</translation>
    </message>
    <message>
        <source>Please select the mode for renewals</source>
        <translation>Bitte die Ausgabe der Verlängerungen wählen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Brevalon - Renewals</source>
        <translation>Brevalon – Verlängerungen</translation>
    </message>
    <message>
        <source>Operation completed</source>
        <translation>Vorgang abgeschlossen</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>You have not selected a valid client.</source>
        <translation>Es wurde kein gültiger Kunde gewählt.</translation>
    </message>
    <message>
        <source>Brevalon - Mail Statements</source>
        <translation>Brevalon – Kontoauszüge per Post</translation>
    </message>
    <message>
        <source>Account #%1 is past the %2 day limit
This account should have been handed over
Would you like to skip the printing of its statment ?</source>
        <translation>Konto Nr. %1 hat die Grenze von %2 Tagen überschritten
Dieses Konto hätte ans Inkasso übergeben werden sollen
Den Druck seines Kontoauszugs überspringen?</translation>
    </message>
    <message>
        <source>Balance B/F</source>
        <translation>Saldovortrag</translation>
    </message>
    <message>
        <source>Mail Statements</source>
        <translation>Kontoauszüge per Post</translation>
    </message>
    <message>
        <source>Confirm that you wish to print statements for mailing
This may take a few minutes</source>
        <translation>Bitte bestätigen: Kontoauszüge für den Postversand drucken
Das kann einige Minuten dauern</translation>
    </message>
    <message>
        <source>Please select the mode for statements</source>
        <translation>Bitte die Ausgabe der Kontoauszüge wählen</translation>
    </message>
    <message>
        <source>&amp;Email</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Email Statements</source>
        <translation>Kontoauszüge per E-Mail</translation>
    </message>
    <message>
        <source>Confirm that you wish to e-mail statements to every client with an e-mail address
This may take a few minutes</source>
        <translation>Bitte bestätigen: Kontoauszüge an alle Kunden mit E-Mail-Adresse senden
Das kann einige Minuten dauern</translation>
    </message>
    <message>
        <source>The statement of %1 could not be e-mailed.
Go on with the next clients?</source>
        <translation>Der Kontoauszug von %1 konnte nicht per E-Mail gesendet werden.
Mit den nächsten Kunden weitermachen?</translation>
    </message>
    <message>
        <source>&amp;Go on</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Statements e-mailed: %1</source>
        <translation>Kontoauszüge per E-Mail gesendet: %1</translation>
    </message>
    <message>
        <source>Already e-mailed this month, not sent again: %1</source>
        <translation>Diesen Monat schon gesendet, nicht erneut gesendet: %1</translation>
    </message>
    <message>
        <source>Not e-mailed:</source>
        <translation>Nicht gesendet:</translation>
    </message>
    <message>
        <source>No e-mail address:</source>
        <translation>Ohne E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Run the statements by e-mail again to send the rest: those already sent are not sent twice.</source>
        <translation>Den E-Mail-Versand der Kontoauszüge noch einmal starten, um den Rest zu senden: bereits gesendete werden nicht doppelt gesendet.</translation>
    </message>
    <message>
        <source>Order Management</source>
        <translation>Bestellwesen</translation>
    </message>
    <message>
        <source>Confirm that you wish to print order forms
This may take a few minutes</source>
        <translation>Bitte bestätigen: Bestellformulare drucken
Das kann einige Minuten dauern</translation>
    </message>
    <message>
        <source>Report For ...</source>
        <translation>Bericht für ...</translation>
    </message>
    <message>
        <source>Brevalon - Stock Trace Report</source>
        <translation>Brevalon – Wareneingangsprotokoll</translation>
    </message>
    <message>
        <source>No Stock Received for the specified period.</source>
        <translation>Im gewählten Zeitraum gab es keinen Wareneingang.</translation>
    </message>
    <message>
        <source>** Level Adjustment ** </source>
        <translation>** Bestandskorrektur ** </translation>
    </message>
    <message>
        <source>Audit Trail</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>No transactions found for this account</source>
        <translation>Keine Buchungen für dieses Konto gefunden</translation>
    </message>
    <message>
        <source>Brevalon - Too many wrong codes: wait %1 seconds</source>
        <translation>Brevalon – Zu viele falsche Codes: bitte %1 Sekunden warten</translation>
    </message>
    <message>
        <source>No database connection</source>
        <translation>Keine Verbindung zur Datenbank</translation>
    </message>
    <message>
        <source>The connection to the database is closed</source>
        <translation>Die Verbindung zur Datenbank ist geschlossen</translation>
    </message>
    <message>
        <source>The connection to the database was lost and has been opened again. What you just did was not done: please do it once more.</source>
        <translation>Die Verbindung zur Datenbank war unterbrochen und wurde wiederhergestellt. Der letzte Vorgang wurde nicht ausgeführt: bitte noch einmal ausführen.</translation>
    </message>
    <message>
        <source>The database cannot be reached. Nothing of what you just did was written. The till connects again by itself once the database is back.</source>
        <translation>Die Datenbank ist nicht erreichbar. Vom letzten Vorgang wurde nichts gespeichert. Die Kasse verbindet sich von selbst wieder, sobald die Datenbank wieder erreichbar ist.</translation>
    </message>
    <message>
        <source>Month End</source>
        <translation>Monatsabschluss</translation>
    </message>
    <message>
        <source>For the month %1</source>
        <translation>Für den Monat %1</translation>
    </message>
    <message>
        <source>Start Date for Analysis</source>
        <translation>Anfangsdatum der Auswertung</translation>
    </message>
    <message>
        <source>End Date for Analysis</source>
        <translation>Enddatum der Auswertung</translation>
    </message>
    <message>
        <source>Brevalon - Analysis</source>
        <translation>Brevalon – Auswertung</translation>
    </message>
    <message>
        <source>The end date %1 is before the start date %2.</source>
        <translation>Das Enddatum %1 liegt vor dem Anfangsdatum %2.</translation>
    </message>
    <message>
        <source>Analysis </source>
        <translation>Auswertung </translation>
    </message>
    <message>
        <source>For %1 through %2</source>
        <translation>Für %1 bis %2</translation>
    </message>
    <message>
        <source>Brevalon - Cash Up</source>
        <translation>Brevalon – Kassenabschluss</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;&lt;b&gt;There are pending orders&lt;/b&gt;&lt;/font&gt;&lt;p&gt;Would you still like to continue with Cash Up ?</source>
        <translation>&lt;font color=red&gt;&lt;b&gt;Es gibt offene Bestellungen&lt;/b&gt;&lt;/font&gt;&lt;p&gt;Trotzdem mit dem Kassenabschluss fortfahren?</translation>
    </message>
    <message>
        <source>Please select the mode for cash up</source>
        <translation>Bitte die Ausgabe des Kassenabschlusses wählen</translation>
    </message>
    <message>
        <source>&amp;Print/Process</source>
        <translation>&amp;Drucken/Buchen</translation>
    </message>
    <message>
        <source>Cash Up</source>
        <translation>Kassenabschluss</translation>
    </message>
    <message>
        <source>Preiview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The last cash up did not finish.
What it had not finished is counted in this one, once.</source>
        <translation>Der letzte Kassenabschluss wurde nicht beendet.
Was dabei offen blieb, wird einmal in diesem mitgezählt.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Cash Date</source>
        <translation>Kassentag</translation>
    </message>
    <message>
        <source>CASH</source>
        <translation>BAR</translation>
    </message>
    <message>
        <source>Waiter Cash Up</source>
        <translation>Kellnerabrechnung</translation>
    </message>
    <message>
        <source>No waiter served on %1.</source>
        <translation>Am %1 hat kein Kellner bedient.</translation>
    </message>
    <message>
        <source>Select Waiter for Cash Up</source>
        <translation>Kellner für die Abrechnung wählen</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;&lt;b&gt;There are pending orders&lt;/b&gt;&lt;/font&gt;&lt;p&gt;Would you still like to continue with Waiter Cash Up ?</source>
        <translation>&lt;font color=red&gt;&lt;b&gt;Es gibt offene Bestellungen&lt;/b&gt;&lt;/font&gt;&lt;p&gt;Trotzdem mit der Kellnerabrechnung fortfahren?</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;&lt;b&gt;The following orders have not been paid&lt;/b&gt;&lt;/font&gt;&lt;p&gt;Would you still like to continue with Waiter Cash Up ?&lt;p&gt;%1</source>
        <translation>&lt;font color=red&gt;&lt;b&gt;Folgende Bestellungen sind nicht bezahlt&lt;/b&gt;&lt;/font&gt;&lt;p&gt;Trotzdem mit der Kellnerabrechnung fortfahren?&lt;p&gt;%1</translation>
    </message>
    <message>
        <source>REPRINT</source>
        <translation>NACHDRUCK</translation>
    </message>
    <message>
        <source>Brevalon - Docket</source>
        <translation>Brevalon – Bon</translation>
    </message>
    <message>
        <source>The %1 docket of order %2 was not printed.

Its lines stay unsent: they go out with the next docket of this order, or reprint it from the Documents tab.</source>
        <translation>Der %1 der Bestellung %2 wurde nicht gedruckt.

Seine Zeilen bleiben ungesendet: sie gehen mit dem nächsten Bon dieser Bestellung hinaus, oder der Bon wird über den Reiter Belege nachgedruckt.</translation>
    </message>
    <message>
        <source>label</source>
        <translation>Etikettenbon</translation>
    </message>
    <message>
        <source>kitchen</source>
        <translation>Küchenbon</translation>
    </message>
    <message>
        <source>Could not find any matching Invoice # %1</source>
        <translation>Keine Rechnung Nr. %1 gefunden</translation>
    </message>
    <message>
        <source>Invoice # %1 is paid or voided and can no longer be split</source>
        <translation>Rechnung Nr. %1 ist bezahlt oder storniert und kann nicht mehr geteilt werden</translation>
    </message>
    <message>
        <source>Invoice # %1 has been cashed up and can no longer be split</source>
        <translation>Rechnung Nr. %1 ist abgerechnet und kann nicht mehr geteilt werden</translation>
    </message>
    <message>
        <source>There is nothing on bill # %1 to split</source>
        <translation>Auf Rechnung Nr. %1 ist nichts zu teilen</translation>
    </message>
    <message>
        <source>Bill # %1 has changed meanwhile: split it again</source>
        <translation>Rechnung Nr. %1 wurde inzwischen geändert: bitte erneut teilen</translation>
    </message>
    <message>
        <source>A line of %1 cannot give %2 to the new bill</source>
        <translation>Eine Zeile mit %1 kann nicht %2 an die neue Rechnung abgeben</translation>
    </message>
    <message>
        <source>Choose what goes to the new bill</source>
        <translation>Wählen Sie, was auf die neue Rechnung kommt</translation>
    </message>
    <message>
        <source>Something must stay on bill # %1</source>
        <translation>Etwas muss auf Rechnung Nr. %1 bleiben</translation>
    </message>
    <message>
        <source>A bill is split into 2 parts or more</source>
        <translation>Eine Rechnung wird in 2 oder mehr Teile geteilt</translation>
    </message>
    <message>
        <source>A bill of %1 cannot be split into %2 parts</source>
        <translation>Eine Rechnung über %1 kann nicht in %2 Teile geteilt werden</translation>
    </message>
</context>
<context>
    <name>VendTable</name>
    <message>
        <source>The base</source>
        <translation>Grundpreis</translation>
    </message>
    <message>
        <source>The tier 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>The tier 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>The cost</source>
        <translation>Der Einkaufspreis</translation>
    </message>
    <message>
        <source>%1 markup of %2 gives a negative price.</source>
        <translation>Der Aufschlag (%1) von %2 ergibt einen negativen Preis.</translation>
    </message>
    <message>
        <source>%1 markup</source>
        <translation>Der Aufschlag (%1)</translation>
    </message>
    <message>
        <source>%1 price</source>
        <translation>Der Preis (%1)</translation>
    </message>
    <message>
        <source>The stock on hand</source>
        <translation>Der Bestand</translation>
    </message>
    <message>
        <source>The re-order level</source>
        <translation>Der Meldebestand</translation>
    </message>
    <message>
        <source>The quantity to order to</source>
        <translation>Der Höchstbestand</translation>
    </message>
    <message>
        <source>The quantity on order</source>
        <translation>Die bestellte Menge</translation>
    </message>
    <message>
        <source>The days to renewal</source>
        <translation>Die Tage bis zur Verlängerung</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>You must specify the Description</source>
        <translation>Bitte die Bezeichnung angeben</translation>
    </message>
    <message>
        <source>You must specify the Code and Description</source>
        <translation>Bitte Code und Bezeichnung angeben</translation>
    </message>
    <message>
        <source>The product %1 is already allocated Code %2</source>
        <translation>Dem Artikel %1 ist bereits der Code %2 zugeordnet</translation>
    </message>
    <message>
        <source>The code %1 is already allocated to %2</source>
        <translation>Der Code %1 ist bereits %2 zugeordnet</translation>
    </message>
    <message>
        <source>Initial stock quanity on hand</source>
        <translation>Anfangsbestand</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Added %1 Stock Level %2</source>
        <translation>%1 angelegt, Bestand %2</translation>
    </message>
    <message>
        <source>Modify Entry</source>
        <translation>Eintrag ändern</translation>
    </message>
    <message>
        <source>You must higlight an entry to modify</source>
        <translation>Bitte zuerst den zu ändernden Eintrag markieren</translation>
    </message>
    <message>
        <source>Confirm that you will update the highlighted entry
%1, Code %2
with the values shown ?</source>
        <translation>Bitte bestätigen: markierten Eintrag
%1, Code %2
mit den angezeigten Werten ändern?</translation>
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
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>The entry %1, Code %2 is no longer on file.
Another till may have deleted it.</source>
        <translation>Der Eintrag %1, Code %2 ist nicht mehr vorhanden.
Vielleicht hat eine andere Kasse ihn gelöscht.</translation>
    </message>
    <message>
        <source>Stock level corrected by hand</source>
        <translation>Bestand von Hand korrigiert</translation>
    </message>
    <message>
        <source>Update %1 : %2 was %3 now %4</source>
        <translation>Änderung %1 : %2 war %3, jetzt %4</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Tier1 Price</source>
        <translation>Preis Stufe 1</translation>
    </message>
    <message>
        <source>Tier2 Price</source>
        <translation>Preis Stufe 2</translation>
    </message>
    <message>
        <source>Stock Level</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Tax1</source>
        <translation>Steuer 1</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>Tax2</source>
        <translation>Steuer 2</translation>
    </message>
    <message>
        <source>Returnable</source>
        <translation>Pfand</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>gesetzt</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>zurückgesetzt</translation>
    </message>
    <message>
        <source>Update %1 : %2 %3</source>
        <translation>Änderung %1 : %2 %3</translation>
    </message>
    <message>
        <source>%1 is part of the composition %2.
Take it out of the composition first.</source>
        <translation>%1 gehört zur Zusammenstellung %2.
Bitte zuerst aus der Zusammenstellung entfernen.</translation>
    </message>
    <message>
        <source>%1 is on the open bill or order %2.
It can be deleted once that is closed.</source>
        <translation>%1 steht auf der offenen Rechnung oder Bestellung %2.
Der Artikel kann gelöscht werden, sobald diese abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>You must higlight an entry to delete</source>
        <translation>Bitte zuerst den zu löschenden Eintrag markieren</translation>
    </message>
    <message>
        <source>Confirm that you will delete the highlighted entry
%1, Code %2
from the system?</source>
        <translation>Bitte bestätigen: markierten Eintrag
%1, Code %2
aus dem System löschen?</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Brevalon - Stock Management</source>
        <translation>Brevalon – Artikelverwaltung</translation>
    </message>
    <message>
        <source>&lt;b&gt;Price calculation conflict&lt;/b&gt;&lt;br&gt;&lt;font color=&quot;red&quot;&gt;&lt;em&gt;Selling at %1 : Calculated as %2&lt;/em&gt;&lt;/font&gt;&lt;br&gt;Would you like to update the &lt;b&gt;Cost&lt;/b&gt; or &lt;b&gt;Markup&lt;/b&gt;&lt;br&gt;You may also choose to ignore the issue</source>
        <translation>&lt;b&gt;Widerspruch in der Preiskalkulation&lt;/b&gt;&lt;br&gt;&lt;font color=&quot;red&quot;&gt;&lt;em&gt;Verkaufspreis %1 : Berechnet %2&lt;/em&gt;&lt;/font&gt;&lt;br&gt;Soll der &lt;b&gt;Einkauf&lt;/b&gt; oder der &lt;b&gt;Aufschlag&lt;/b&gt; angepasst werden?&lt;br&gt;Der Widerspruch kann auch ignoriert werden</translation>
    </message>
    <message>
        <source>&amp;Markup</source>
        <translation>&amp;Aufschlag</translation>
    </message>
    <message>
        <source>&amp;Cost</source>
        <translation>&amp;Einkauf</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>There is no cost to work a markup out from.
Enter the cost first.</source>
        <translation>Ohne Einkaufspreis lässt sich kein Aufschlag berechnen.
Bitte zuerst den Einkaufspreis eingeben.</translation>
    </message>
    <message>
        <source>There is no base markup to work the cost out from.
Enter the markup first.</source>
        <translation>Ohne Aufschlag auf den Grundpreis lässt sich kein Einkaufspreis berechnen.
Bitte zuerst den Aufschlag eingeben.</translation>
    </message>
    <message>
        <source>Inventory Ranking</source>
        <translation>Reihenfolge der Artikel</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>Selected item is already at top of ranking</source>
        <translation>Der gewählte Artikel steht bereits ganz vorn</translation>
    </message>
    <message>
        <source>Selected item is already at bottom of ranking</source>
        <translation>Der gewählte Artikel steht bereits ganz hinten</translation>
    </message>
    <message>
        <source>Brevalon</source>
        <translation>Brevalon</translation>
    </message>
    <message>
        <source>Confirm that you wish to update the stock levels based on stock receieved and dispensed ?</source>
        <translation>Bitte bestätigen: Bestände aus Wareneingang und Verkauf neu berechnen?</translation>
    </message>
    <message>
        <source>Update %1 : Stock Level was %2 now %3</source>
        <translation>Änderung %1 : Bestand war %2, jetzt %3</translation>
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
        <source>No Filter</source>
        <translation>Kein Filter</translation>
    </message>
    <message>
        <source>The entry with Code %1 is no longer on file.</source>
        <translation>Der Eintrag mit Code %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;/b&gt;No entry with code &lt;b&gt;%1&lt;/b&gt; located</source>
        <translation>&lt;b&gt;&lt;/b&gt;Kein Eintrag mit Code &lt;b&gt;%1&lt;/b&gt; gefunden</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;/b&gt;No entry matching &lt;b&gt;%1&lt;/b&gt; found</source>
        <translation>&lt;b&gt;&lt;/b&gt;Kein Eintrag passt zu &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;/b&gt;The exact match of &lt;b&gt;%1&lt;/b&gt; was not found.&lt;p&gt;The closest match &lt;b&gt;%2&lt;/b&gt; has been choosen</source>
        <translation>&lt;b&gt;&lt;/b&gt;Kein genauer Treffer für &lt;b&gt;%1&lt;/b&gt;.&lt;p&gt;Der ähnlichste Eintrag &lt;b&gt;%2&lt;/b&gt; wurde gewählt</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;/b&gt;No entry with Department &lt;b&gt;%1&lt;/b&gt; located</source>
        <translation>&lt;b&gt;&lt;/b&gt;Kein Eintrag mit Warengruppe &lt;b&gt;%1&lt;/b&gt; gefunden</translation>
    </message>
</context>
<context>
    <name>VendTableGui</name>
    <message>
        <source>Brevalon - Stock Management</source>
        <translation>Brevalon – Artikelverwaltung</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Finden</translation>
    </message>
    <message>
        <source>Code, description or department</source>
        <translation>Code, Bezeichnung oder Warengruppe</translation>
    </message>
    <message>
        <source>Type what to look for and press Return</source>
        <translation>Suchbegriff eingeben und Enter drücken</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;lter</source>
        <translation>Fi&amp;lter</translation>
    </message>
    <message>
        <source>Show the items of one department only</source>
        <translation>Nur die Artikel einer Warengruppe zeigen</translation>
    </message>
    <message>
        <source>&amp;Code</source>
        <translation>&amp;Code</translation>
    </message>
    <message>
        <source>The item code or bar code: scan it here to find the item</source>
        <translation>Artikelcode oder Strichcode: hier scannen, um den Artikel zu finden</translation>
    </message>
    <message>
        <source>&amp;Department</source>
        <translation>&amp;Warengruppe</translation>
    </message>
    <message>
        <source>Su&amp;pplier</source>
        <translation>Liefe&amp;rant</translation>
    </message>
    <message>
        <source>Descr&amp;iption</source>
        <translation>Be&amp;zeichnung</translation>
    </message>
    <message>
        <source>&amp;UOM</source>
        <translation>&amp;Einheit</translation>
    </message>
    <message>
        <source>Unit of measure, e.g. EACH, KG, BTL</source>
        <translation>Mengeneinheit, z. B. STK, KG, FL</translation>
    </message>
    <message>
        <source>C&amp;ost</source>
        <translation>Ein&amp;kauf</translation>
    </message>
    <message>
        <source>Base Markup</source>
        <translation>Aufschlag Grundpreis</translation>
    </message>
    <message>
        <source>The selling price before tax is the cost times the markup</source>
        <translation>Der Verkaufspreis vor Steuer ist der Einkaufspreis mal dem Aufschlag</translation>
    </message>
    <message>
        <source>Base Price</source>
        <translation>Grundpreis</translation>
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
        <source>Tier1 Markup</source>
        <translation>Aufschlag Stufe 1</translation>
    </message>
    <message>
        <source>Tier1 Price</source>
        <translation>Preis Stufe 1</translation>
    </message>
    <message>
        <source>&amp;Returnable</source>
        <translation>&amp;Pfand</translation>
    </message>
    <message>
        <source>D&amp;TR</source>
        <translation>&amp;DTR</translation>
    </message>
    <message>
        <source>Days to renewal: a reminder falls due this many days after the sale (0: none)</source>
        <translation>Tage bis zur Verlängerung: so viele Tage nach dem Verkauf wird eine Erinnerung fällig (0: keine)</translation>
    </message>
    <message>
        <source>Tier2 Markup</source>
        <translation>Aufschlag Stufe 2</translation>
    </message>
    <message>
        <source>Tier2 Price</source>
        <translation>Preis Stufe 2</translation>
    </message>
    <message>
        <source>On &amp;Hand</source>
        <translation>Bes&amp;tand</translation>
    </message>
    <message>
        <source>Stock on hand</source>
        <translation>Lagerbestand</translation>
    </message>
    <message>
        <source>R&amp;e-Order</source>
        <translation>&amp;Meldebestand</translation>
    </message>
    <message>
        <source>Order more when the stock falls to this level</source>
        <translation>Nachbestellen, wenn der Bestand auf diesen Wert fällt</translation>
    </message>
    <message>
        <source>Order &amp;To</source>
        <translation>&amp;Höchstbestand</translation>
    </message>
    <message>
        <source>Order up to this quantity (0: the item is not stocked)</source>
        <translation>Bis zu dieser Menge bestellen (0: Artikel wird nicht gelagert)</translation>
    </message>
    <message>
        <source>On Or&amp;der</source>
        <translation>&amp;In Bestellung</translation>
    </message>
    <message>
        <source>Re&amp;build Level</source>
        <translation>&amp;Neu berechnen</translation>
    </message>
    <message>
        <source>Work the stock on hand out again from the stock received and sold</source>
        <translation>Den Bestand aus Wareneingang und Verkauf neu berechnen</translation>
    </message>
    <message>
        <source>Touch &amp;Label</source>
        <translation>T&amp;ouch-Text</translation>
    </message>
    <message>
        <source>The text on the item&apos;s touch button</source>
        <translation>Der Text auf der Touch-Taste des Artikels</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Choose the picture of the touch button, or remove it</source>
        <translation>Das Bild der Touch-Taste wählen oder entfernen</translation>
    </message>
    <message>
        <source>F8 New</source>
        <translation>F8 Neu</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F5 Update</source>
        <translation>F5 Ändern</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6 Delete</source>
        <translation>F6 Löschen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F3 Clear</source>
        <translation>F3 Leeren</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Empty the fields for a new item</source>
        <translation>Die Felder für einen neuen Artikel leeren</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;vorn</translation>
    </message>
    <message>
        <source>Move the item&apos;s touch button one place earlier</source>
        <translation>Die Touch-Taste des Artikels einen Platz nach vorn setzen</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>N&amp;ach hinten</translation>
    </message>
    <message>
        <source>Move the item&apos;s touch button one place later</source>
        <translation>Die Touch-Taste des Artikels einen Platz nach hinten setzen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Search By Code</source>
        <translation>Suche nach Code</translation>
    </message>
    <message>
        <source>Search By Description</source>
        <translation>Suche nach Bezeichnung</translation>
    </message>
    <message>
        <source>Search By Department</source>
        <translation>Suche nach Warengruppe</translation>
    </message>
</context>
<context>
    <name>WaiterReports</name>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
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
