<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BlogArchives</name>
    <message>
        <source>%1 archived records processed..</source>
        <translation>%1 archivierte Datensätze verarbeitet..</translation>
    </message>
    <message>
        <source>Scanning month #%1</source>
        <translation>Monat Nr. %1 wird durchsucht</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 wird verarbeitet</translation>
    </message>
    <message>
        <source>Publishing record # %1</source>
        <translation>Datensatz Nr. %1 wird veröffentlicht</translation>
    </message>
    <message>
        <source>Publishing done..</source>
        <translation>Veröffentlichung abgeschlossen..</translation>
    </message>
</context>
<context>
    <name>BlogDatabase</name>
    <message>
        <source>Blog database does not exist, please reinstall this program to <byte value="xd"/>
ensure that it&apos;s in the right location</source>
        <translation>Die Blog-Datenbank ist nicht vorhanden, bitte installieren Sie dieses Programm neu, um <byte value="xd"/>
sicherzustellen, dass sie am richtigen Ort liegt</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>BlogEntries</name>
    <message>
        <source>Scanning record #%1</source>
        <translation>Datensatz Nr. %1 wird geprüft</translation>
    </message>
    <message>
        <source>Compacting database..</source>
        <translation>Datenbank wird komprimiert..</translation>
    </message>
</context>
<context>
    <name>BlogFeed</name>
    <message>
        <source>Publishing feeditem # %1</source>
        <translation>Feed-Eintrag Nr. %1 wird veröffentlicht</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>„%1“ ist kein gültiges Datum</translation>
    </message>
</context>
<context>
    <name>BlogPublisher</name>
    <message>
        <source>Cannot create folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Removing old file called %1</source>
        <translation>Alte Datei %1 wird entfernt</translation>
    </message>
    <message>
        <source>Cannot delete file %1</source>
        <translation>Die Datei %1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Publishing record # %1</source>
        <translation>Datensatz Nr. %1 wird veröffentlicht</translation>
    </message>
    <message>
        <source>Publishing done..</source>
        <translation>Veröffentlichung abgeschlossen..</translation>
    </message>
    <message>
        <source>%1 Records processed..</source>
        <translation>%1 Datensätze verarbeitet..</translation>
    </message>
    <message>
        <source>Nothing to publish, please enter data first.</source>
        <translation>Nichts zu veröffentlichen, bitte geben Sie zuerst Daten ein.</translation>
    </message>
    <message>
        <source>the entry&apos;s guid is not a file name</source>
        <translation>die guid des Eintrags ist kein Dateiname</translation>
    </message>
</context>
<context>
    <name>DbConnection</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The database is not connected.</source>
        <translation>Die Datenbank ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a database file.</source>
        <translation>„%1“ ist keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>Unknown database format version %1.</source>
        <translation>Unbekannte Version %1 des Datenbankformats.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>Die Datei %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Cannot compact %1: %2</source>
        <translation>%1 kann nicht komprimiert werden: %2</translation>
    </message>
    <message>
        <source>The database %1 is damaged: %2</source>
        <translation>Die Datenbank %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>The table %1 needs at least one column.</source>
        <translation>Die Tabelle %1 braucht mindestens eine Spalte.</translation>
    </message>
    <message>
        <source>No transaction is active.</source>
        <translation>Keine Transaktion aktiv.</translation>
    </message>
    <message>
        <source>The transaction was rolled back.</source>
        <translation>Die Transaktion wurde zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>DbCursor</name>
    <message>
        <source>No current record.</source>
        <translation>Kein aktueller Datensatz.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed table.</source>
        <translation>Dieser Vorgang ist bei einer geschlossenen Tabelle nicht möglich.</translation>
    </message>
    <message>
        <source>The table %1 has no free name for its row id.</source>
        <translation>Die Tabelle %1 hat keinen freien Namen für ihre Zeilenkennung.</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Feld „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>The record was deleted by another window.</source>
        <translation>Der Datensatz wurde in einem anderen Fenster gelöscht.</translation>
    </message>
    <message>
        <source>The table %1 was changed by another window.</source>
        <translation>Die Tabelle %1 wurde in einem anderen Fenster geändert.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>The record is not being edited or added.</source>
        <translation>Der Datensatz wird weder bearbeitet noch hinzugefügt.</translation>
    </message>
    <message>
        <source>No filter is set.</source>
        <translation>Es ist kein Filter gesetzt.</translation>
    </message>
</context>
<context>
    <name>DbExport</name>
    <message>
        <source>The column file %1 has a line longer than %2 bytes.</source>
        <translation>Die Spaltendatei %1 hat eine Zeile, die länger als %2 Bytes ist.</translation>
    </message>
    <message>
        <source>The column file %1 has more than %2 lines.</source>
        <translation>Die Spaltendatei %1 hat mehr als %2 Zeilen.</translation>
    </message>
    <message>
        <source>The channel holds more than %1 different field names; the table %2 cannot have that many columns.</source>
        <translation>Der Kanal enthält mehr als %1 verschiedene Feldnamen; so viele Spalten kann die Tabelle %2 nicht haben.</translation>
    </message>
    <message>
        <source>The channel nests its fields too deeply, or names them too long, for the columns of the table %1 (more than %2 characters).</source>
        <translation>Die Felder des Kanals sind für die Spalten der Tabelle %1 zu tief verschachtelt oder haben zu lange Namen (mehr als %2 Zeichen).</translation>
    </message>
    <message>
        <source>Channel table created..</source>
        <translation>Kanaltabelle angelegt..</translation>
    </message>
    <message>
        <source>Item table created..</source>
        <translation>Eintragstabelle angelegt..</translation>
    </message>
    <message>
        <source>Parsing &amp;&amp; adding channel data..</source>
        <translation>Kanaldaten werden gelesen &amp;&amp; hinzugefügt..</translation>
    </message>
    <message>
        <source>Parsing &amp;&amp; adding item data..</source>
        <translation>Eintragsdaten werden gelesen &amp;&amp; hinzugefügt..</translation>
    </message>
    <message>
        <source>Serious error: data file not found, please reinstall program</source>
        <translation>Schwerer Fehler: Datendatei nicht gefunden, bitte installieren Sie das Programm neu</translation>
    </message>
    <message>
        <source>There is nothing to export at this time</source>
        <translation>Im Moment gibt es nichts zu exportieren</translation>
    </message>
    <message>
        <source>Enter the path and name of the database file.</source>
        <translation>Geben Sie Pfad und Namen der Datenbankdatei ein.</translation>
    </message>
    <message>
        <source>Enter the name of the item table.</source>
        <translation>Geben Sie den Namen der Eintragstabelle ein.</translation>
    </message>
    <message>
        <source>The item table cannot be named %1: the database has a table of that name already.</source>
        <translation>Die Eintragstabelle kann nicht %1 heißen: Die Datenbank hat bereits eine Tabelle mit diesem Namen.</translation>
    </message>
    <message>
        <source>Database created..</source>
        <translation>Datenbank angelegt..</translation>
    </message>
    <message>
        <source>Done.. data exported..</source>
        <translation>Fertig.. Daten exportiert..</translation>
    </message>
</context>
<context>
    <name>DbSyntax</name>
    <message>
        <source>Invalid sort term: %1</source>
        <translation>Ungültiges Sortierkriterium: %1</translation>
    </message>
    <message>
        <source>Invalid filter: %1</source>
        <translation>Ungültiger Filter: %1</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>File %1 was cut short while it was read: it ends at byte offset %2 instead of %3. Another program may have changed it; open it again.</source>
        <translation>Die Datei %1 wurde beim Lesen gekürzt: Sie endet bei Byte-Position %2 statt %3. Möglicherweise hat ein anderes Programm sie geändert; öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>File %1 is damaged: it ends inside a node record at byte offset %2.</source>
        <translation>Die Datei %1 ist beschädigt: Sie endet innerhalb eines Knotens bei Byte-Position %2.</translation>
    </message>
    <message>
        <source>File %1 is damaged: negative %2 %3 at byte offset %4.</source>
        <translation>Die Datei %1 ist beschädigt: negativer Wert %2 %3 bei Byte-Position %4.</translation>
    </message>
    <message>
        <source>File %1 is damaged: %2 %3 at byte offset %4 is more than the %5 bytes left can hold.</source>
        <translation>Die Datei %1 ist beschädigt: %2 %3 bei Byte-Position %4 ist größer als die verbleibenden %5 Bytes.</translation>
    </message>
    <message>
        <source>Cannot write the channel document: %1</source>
        <translation>Das Kanaldokument kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>(stream)</source>
        <translation>(Datenstrom)</translation>
    </message>
</context>
<context>
    <name>FeedCheck</name>
    <message>
        <source>The prefix &quot;%1&quot; is not declared. Declare it on the rss element with the namespace of its extension: xmlns:%1=&quot;...&quot;.</source>
        <translation>Das Präfix „%1“ ist nicht deklariert. Deklarieren Sie es im rss-Element mit dem Namensraum seiner Erweiterung: xmlns:%1=&quot;...&quot;.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML (%1). Correct the markup here; the check cannot read past this point.</source>
        <translation>Der Feed ist kein wohlgeformtes XML (%1). Korrigieren Sie das Markup an dieser Stelle; die Prüfung kann hier nicht weiterlesen.</translation>
    </message>
    <message>
        <source>XML error: %1. Correct the markup here.</source>
        <translation>XML-Fehler: %1. Korrigieren Sie das Markup an dieser Stelle.</translation>
    </message>
    <message>
        <source>The root element is &lt;%1&gt;, not &lt;rss&gt;. An RSS 2.0 feed is one rss element (&lt;rss version=&quot;2.0&quot;&gt;) holding a channel.</source>
        <translation>Das Wurzelelement ist &lt;%1&gt;, nicht &lt;rss&gt;. Ein RSS-2.0-Feed ist ein rss-Element (&lt;rss version=&quot;2.0&quot;&gt;), das einen Kanal enthält.</translation>
    </message>
    <message>
        <source>The enclosure&apos;s url &quot;%1&quot; is not an absolute web address. Give the full http:// or https:// address of the file.</source>
        <translation>Die url „%1“ des Anhangs ist keine absolute Webadresse. Geben Sie die vollständige http://- oder https://-Adresse der Datei an.</translation>
    </message>
    <message>
        <source>The enclosure lacks %1. An enclosure needs url (the file&apos;s address), length (its size in bytes) and type (its MIME type).</source>
        <translation>Dem Anhang fehlt %1. Ein Anhang braucht url (die Adresse der Datei), length (ihre Größe in Bytes) und type (ihren MIME-Typ).</translation>
    </message>
    <message>
        <source>The source&apos;s url &quot;%1&quot; is not an absolute web address. Give the full http:// or https:// address of the source feed.</source>
        <translation>Die url „%1“ der Quelle ist keine absolute Webadresse. Geben Sie die vollständige http://- oder https://-Adresse des Quell-Feeds an.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; in &lt;%2&gt; is not an RFC 822 date. Write it as day, date, month, year, time and zone: &quot;Tue, 09 Dec 2003 14:05:09 GMT&quot;.</source>
        <translation>Das Datum „%1“ in &lt;%2&gt; ist kein RFC-822-Datum. Schreiben Sie Wochentag, Tag, Monat, Jahr, Uhrzeit und Zone: „Tue, 09 Dec 2003 14:05:09 GMT“.</translation>
    </message>
    <message>
        <source>The guid is empty. Give the item a text that no other item uses.</source>
        <translation>Die guid ist leer. Geben Sie dem Eintrag einen Text, den kein anderer Eintrag verwendet.</translation>
    </message>
    <message>
        <source>The guid &quot;%1&quot; was already used on line %2. Give every item its own guid.</source>
        <translation>Die guid „%1“ wurde bereits in Zeile %2 verwendet. Geben Sie jedem Eintrag eine eigene guid.</translation>
    </message>
    <message>
        <source>The guid &quot;%1&quot; counts as a permanent link (isPermaLink is absent or &quot;true&quot;) but is not a web address. Add isPermaLink=&quot;false&quot;, or make it the item&apos;s full http:// or https:// address.</source>
        <translation>Die guid „%1“ gilt als dauerhafter Link (isPermaLink fehlt oder ist &quot;true&quot;), ist aber keine Webadresse. Ergänzen Sie isPermaLink=&quot;false&quot; oder verwenden Sie die vollständige http://- oder https://-Adresse des Eintrags.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; in &lt;%2&gt; is not an absolute web address. Write the full address, starting with http:// or https://.</source>
        <translation>Die Adresse „%1“ in &lt;%2&gt; ist keine absolute Webadresse. Schreiben Sie die vollständige Adresse, beginnend mit http:// oder https://.</translation>
    </message>
    <message>
        <source>The rss element holds no &lt;channel&gt;. Put the feed&apos;s title, link, description and items into one channel element.</source>
        <translation>Das rss-Element enthält kein &lt;channel&gt;. Fassen Sie Titel, Link, Beschreibung und Einträge des Feeds in einem channel-Element zusammen.</translation>
    </message>
    <message>
        <source>The channel lacks %1. A channel needs a title, a link to its web site and a description.</source>
        <translation>Dem Kanal fehlt %1. Ein Kanal braucht einen Titel, einen Link zu seiner Website und eine Beschreibung.</translation>
    </message>
    <message>
        <source>The item has neither a &lt;title&gt; nor a &lt;description&gt;. Add at least one of them.</source>
        <translation>Der Eintrag hat weder &lt;title&gt; noch &lt;description&gt;. Ergänzen Sie mindestens eines davon.</translation>
    </message>
    <message>
        <source>The feed cannot be read.</source>
        <translation>Der Feed kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML. Correct the markup here; the check cannot read past this point.</source>
        <translation>Der Feed ist kein wohlgeformtes XML. Korrigieren Sie das Markup an dieser Stelle; die Prüfung kann hier nicht weiterlesen.</translation>
    </message>
</context>
<context>
    <name>FeedUpload</name>
    <message>
        <source>The server is still busy; upload again when it is ready.</source>
        <translation>Der Server ist noch beschäftigt; laden Sie erneut hoch, sobald er bereit ist.</translation>
    </message>
    <message>
        <source>Not connected to a server: connect first.</source>
        <translation>Keine Verbindung zu einem Server: Verbinden Sie sich zuerst.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>FeedValidator</name>
    <message>
        <source>Missing XML tag (&lt;?xml version=1.0&quot;?&gt;)</source>
        <translation>XML-Tag fehlt (&lt;?xml version=1.0&quot;?&gt;)</translation>
    </message>
    <message>
        <source>Missing &lt;rss version=&quot;&quot;&gt; field</source>
        <translation>Feld &lt;rss version=&quot;&quot;&gt; fehlt</translation>
    </message>
    <message>
        <source>Missing RSS end marker (&lt;/rss&gt;)</source>
        <translation>RSS-Endmarke fehlt (&lt;/rss&gt;)</translation>
    </message>
    <message>
        <source>Missing channel tag (&lt;channel&gt;)</source>
        <translation>Kanal-Tag fehlt (&lt;channel&gt;)</translation>
    </message>
    <message>
        <source>Missing channel end marker (&lt;/channel&gt;)</source>
        <translation>Kanal-Endmarke fehlt (&lt;/channel&gt;)</translation>
    </message>
    <message>
        <source>Error : Nothing to validate, select a file first</source>
        <translation>Fehler: Nichts zu prüfen, wählen Sie zuerst eine Datei</translation>
    </message>
    <message>
        <source>Error : File does not exist!</source>
        <translation>Fehler: Die Datei ist nicht vorhanden!</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot load datafile, reinstall program please!</source>
        <translation>Die Datendatei kann nicht geladen werden, bitte installieren Sie das Programm neu!</translation>
    </message>
    <message>
        <source>Starting validation</source>
        <translation>Prüfung wird gestartet</translation>
    </message>
    <message>
        <source>Difference in item start and end markers (%1 &lt;item&gt; and %2 &lt;/item&gt;)</source>
        <translation>Anzahl der Start- und Endmarken der Einträge weicht ab (%1 &lt;item&gt; und %2 &lt;/item&gt;)</translation>
    </message>
    <message>
        <source>error in %1 marker </source>
        <translation>Fehler in Marke %1 </translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>FolderUpload</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The folder %1 holds more than %2 files; nothing was uploaded.</source>
        <translation>Der Ordner %1 enthält mehr als %2 Dateien; es wurde nichts hochgeladen.</translation>
    </message>
    <message>
        <source>The folder %1 holds no files to upload.</source>
        <translation>Der Ordner %1 enthält keine Dateien zum Hochladen.</translation>
    </message>
    <message>
        <source>Nothing was uploaded: %1</source>
        <translation>Es wurde nichts hochgeladen: %1</translation>
    </message>
    <message>
        <source>%1 of %2 files stored; %3 was not: %4</source>
        <translation>%1 von %2 Dateien gespeichert; %3 nicht: %4</translation>
    </message>
    <message>
        <source>the upload was cancelled.</source>
        <translation>das Hochladen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Storing %1 (%2 of %3)</source>
        <translation>%1 wird gespeichert (%2 von %3)</translation>
    </message>
    <message>
        <source>the connection was closed.</source>
        <translation>die Verbindung wurde geschlossen.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the server&apos;s starting folder</source>
        <translation>dem Startordner des Servers</translation>
    </message>
    <message>
        <source>1 file stored in %1.</source>
        <translation>1 Datei in %1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 files stored in %2.</source>
        <translation>%1 Dateien in %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>OpmlImport</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Error..</source>
        <translation>Fehler..</translation>
    </message>
    <message>
        <source>Importing action done..</source>
        <translation>Import abgeschlossen..</translation>
    </message>
    <message>
        <source>Saving file to disk..</source>
        <translation>Datei wird gespeichert..</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>RSS 2.0 channel authoring</source>
        <translation>RSS-2.0-Kanäle erstellen</translation>
    </message>
    <message>
        <source>with a small blog tool beside it</source>
        <translation>mit einem kleinen Blog-Werkzeug dazu</translation>
    </message>
    <message>
        <source>Starting, one moment please...</source>
        <translation>Programmstart, einen Moment bitte...</translation>
    </message>
    <message>
        <source>RSS 2.0 channel authoring and blogging</source>
        <translation>RSS-2.0-Kanäle erstellen und bloggen</translation>
    </message>
    <message>
        <source>Made by hollicore</source>
        <translation>Erstellt von hollicore</translation>
    </message>
    <message>
        <source>Click the picture or press Esc to close</source>
        <translation>Zum Schließen auf das Bild klicken oder Esc drücken</translation>
    </message>
</context>
<context>
    <name>ReferencedFileCopier</name>
    <message>
        <source>Copying image file # %1</source>
        <translation>Bilddatei Nr. %1 wird kopiert</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
</context>
<context>
    <name>RssImport</name>
    <message>
        <source>Parsing RSS file</source>
        <translation>RSS-Datei wird gelesen</translation>
    </message>
    <message>
        <source>Parsing done, cleaning up</source>
        <translation>Lesen abgeschlossen, wird aufgeräumt</translation>
    </message>
    <message>
        <source>This does not seem to be a valid RSS file</source>
        <translation>Dies scheint keine gültige RSS-Datei zu sein</translation>
    </message>
    <message>
        <source>Saving resulting file to disk...</source>
        <translation>Ergebnisdatei wird gespeichert...</translation>
    </message>
    <message>
        <source>%1 retrieved and parsed succesfully</source>
        <translation>%1 erfolgreich abgerufen und gelesen</translation>
    </message>
    <message>
        <source>Please fill in complete url of file to be retrieved</source>
        <translation>Bitte geben Sie die vollständige URL der abzurufenden Datei ein</translation>
    </message>
    <message>
        <source>Feeds of %1 are not supported at this time.</source>
        <translation>Feeds von %1 werden derzeit nicht unterstützt.</translation>
    </message>
</context>
<context>
    <name>ServerFields</name>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>FTP over TLS</source>
        <translation>FTP über TLS</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>&amp;Server address</source>
        <translation>&amp;Serveradresse</translation>
    </message>
    <message>
        <source>Host name or address of the server, optionally followed by a colon and a port</source>
        <translation>Hostname oder Adresse des Servers, optional gefolgt von Doppelpunkt und Port</translation>
    </message>
    <message>
        <source>&amp;Username</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Pass&amp;wort</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 is being written by another program that does not finish; nothing was written.</source>
        <translation>Die Einstellungsdatei %1 wird gerade von einem anderen Programm geschrieben, das nicht fertig wird; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 does not start with a quoted value name. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 beginnt nicht mit einem Wertnamen in Anführungszeichen. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has no &apos;=&apos; after the value name. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: In Zeile %2 fehlt &apos;=&apos; nach dem Wertnamen. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has a string value that is not a complete quoted text. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 hat einen Zeichenkettenwert, der kein vollständiger Text in Anführungszeichen ist. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has an integer value that is not a whole number from -2147483648 to 2147483647. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 hat einen Ganzzahlwert, der keine ganze Zahl von -2147483648 bis 2147483647 ist. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has the type &quot;%3&quot;; only string and integer are known. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 hat den Typ „%3“; bekannt sind nur string und integer. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has text after the value. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 hat Text nach dem Wert. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has a key without its closing &apos;]&apos;. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 hat einen Schlüssel ohne schließendes &apos;]&apos;. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has an empty key path. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 hat einen leeren Schlüsselpfad. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 holds a value before any [key]. Correct or remove the file; it is left as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Zeile %2 enthält einen Wert vor jedem [Schlüssel]. Korrigieren oder entfernen Sie die Datei; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>Invalid data type for &quot;%1&quot; under %2: it is a string value, an integer value was expected (settings file %3).</source>
        <translation>Ungültiger Datentyp für „%1“ unter %2: Es ist ein Zeichenkettenwert, erwartet wurde ein Ganzzahlwert (Einstellungsdatei %3).</translation>
    </message>
    <message>
        <source>Invalid data type for &quot;%1&quot; under %2: it is an integer value, a string value was expected (settings file %3).</source>
        <translation>Ungültiger Datentyp für „%1“ unter %2: Es ist ein Ganzzahlwert, erwartet wurde ein Zeichenkettenwert (Einstellungsdatei %3).</translation>
    </message>
    <message>
        <source>Invalid settings key &quot;%1&quot;.</source>
        <translation>Ungültiger Einstellungsschlüssel „%1“.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; under %2 does not exist.</source>
        <translation>Der Wert „%1“ unter %2 ist nicht vorhanden.</translation>
    </message>
</context>
<context>
    <name>TKLocalizerOnFly</name>
    <message>
        <source>LANGUAGE_NAME</source>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Tchannelchild</name>
    <message>
        <source>Channel tree</source>
        <translation>Kanalbaum</translation>
    </message>
    <message>
        <source>font-weight: bold; padding: 4px;</source>
        <translation>font-weight: bold; padding: 4px;</translation>
    </message>
    <message>
        <source>Expand tree</source>
        <translation>Baum aufklappen</translation>
    </message>
    <message>
        <source>Collapse tree</source>
        <translation>Baum zuklappen</translation>
    </message>
    <message>
        <source>Channel information</source>
        <translation>Kanalinformationen</translation>
    </message>
    <message>
        <source>Channel information </source>
        <translation>Kanalinformationen </translation>
    </message>
    <message>
        <source>Channel title</source>
        <translation>Kanaltitel</translation>
    </message>
    <message>
        <source>Link to channel&apos;s website</source>
        <translation>Website des Kanals</translation>
    </message>
    <message>
        <source>Description of channel</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Managing editor</source>
        <translation>Redaktion</translation>
    </message>
    <message>
        <source>Email address for person responsible for editorial content</source>
        <translation>E-Mail-Adresse der Person, die für den redaktionellen Inhalt verantwortlich ist</translation>
    </message>
    <message>
        <source>Webmaster</source>
        <translation>Webmaster</translation>
    </message>
    <message>
        <source>Email address for person responsible for technical issues relating to channel</source>
        <translation>E-Mail-Adresse der Person, die für technische Fragen zum Kanal verantwortlich ist</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Copyright notice for content in the channel</source>
        <translation>Urheberrechtsvermerk für den Inhalt des Kanals</translation>
    </message>
    <message>
        <source>Publishing date</source>
        <translation>Veröffentlicht am</translation>
    </message>
    <message>
        <source>Insert current date &amp;&amp; time</source>
        <translation>Heutiges Datum</translation>
    </message>
    <message>
        <source>Insert current date &amp; time</source>
        <translation>Aktuelles Datum &amp; Uhrzeit einfügen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Time to live (TTL)</source>
        <translation>Gültigkeitsdauer (TTL)</translation>
    </message>
    <message>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <source>60</source>
        <translation>60</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>120</source>
        <translation>120</translation>
    </message>
    <message>
        <source>150</source>
        <translation>150</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>210</source>
        <translation>210</translation>
    </message>
    <message>
        <source>Process, export,  &amp;&amp; save feed information</source>
        <translation>Exportieren &amp;&amp; speichern</translation>
    </message>
    <message>
        <source>Process, export,  &amp; save feed information</source>
        <translation>Feed-Daten verarbeiten, exportieren &amp; speichern</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Schließen ohne Speichern</translation>
    </message>
    <message>
        <source>Close file without saving</source>
        <translation>Datei schließen, ohne zu speichern</translation>
    </message>
    <message>
        <source>Edit feed item</source>
        <translation>Feed-Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected feed item data</source>
        <translation>Daten des gewählten Feed-Eintrags bearbeiten</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Title of article</source>
        <translation>Titel des Artikels</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Link local document</source>
        <translation>Lokale Datei verlinken</translation>
    </message>
    <message>
        <source>Retrieve link from browser history</source>
        <translation>Aus dem Browserverlauf</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Short descriptive text of article (500 chars max)</source>
        <translation>Kurze Beschreibung des Artikels (höchstens 500 Zeichen)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Category of article</source>
        <translation>Kategorie des Artikels</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>The authors name and email address (name (emailaddress))</source>
        <translation>Name und E-Mail-Adresse des Autors (Name (E-Mail-Adresse))</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Update feed items</source>
        <translation>Feed-Einträge aktualisieren</translation>
    </message>
    <message>
        <source>Cancel without making changes</source>
        <translation>Abbrechen ohne Änderungen</translation>
    </message>
    <message>
        <source>New feed item</source>
        <translation>Neuer Feed-Eintrag</translation>
    </message>
    <message>
        <source>Add item to feed</source>
        <translation>Eintrag zum Feed hinzufügen</translation>
    </message>
    <message>
        <source>Clear entries in edit boxes</source>
        <translation>Eingabefelder leeren</translation>
    </message>
    <message>
        <source>&amp;Delete section</source>
        <translation>Abschnitt &amp;löschen</translation>
    </message>
    <message>
        <source>Edit selected row</source>
        <translation>Gewählte Zeile bearbeiten</translation>
    </message>
    <message>
        <source>Validate feed</source>
        <translation>Feed prüfen</translation>
    </message>
    <message>
        <source>New title</source>
        <translation>Neuer Titel</translation>
    </message>
    <message>
        <source>Description of feed</source>
        <translation>Beschreibung des Feeds</translation>
    </message>
    <message>
        <source>en-us</source>
        <translation>en-us</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name is empty. Choose a name such as news.rss.</source>
        <translation>Export nach „%1“ nicht möglich: Der Dateiname ist leer. Wählen Sie einen Namen wie news.rss.</translation>
    </message>
    <message>
        <source>Exporting and saving RSS file</source>
        <translation>RSS-Datei wird exportiert und gespeichert</translation>
    </message>
    <message>
        <source>File %1 succesfully exported to RSS format, Data has been saved.</source>
        <translation>Die Datei %1 wurde erfolgreich ins RSS-Format exportiert, die Daten wurden gespeichert.</translation>
    </message>
    <message>
        <source>RSS files (*.rss);;XML file (*.xml)</source>
        <translation>RSS-Dateien (*.rss);;XML-Datei (*.xml)</translation>
    </message>
    <message>
        <source>Add &amp;image section</source>
        <translation>&amp;Bildabschnitt hinzufügen</translation>
    </message>
</context>
<context>
    <name>TemplateFiles</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>Tfrm_about</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>Tfrm_article</name>
    <message>
        <source>Blog Tool</source>
        <translation>Blog-Werkzeug</translation>
    </message>
    <message>
        <source>Add blog information to current article</source>
        <translation>Blog-Angaben zum aktuellen Artikel hinzufügen</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Save changes to blog database</source>
        <translation>Änderungen in der Blog-Datenbank speichern</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Delete selected entry</source>
        <translation>Gewählten Eintrag löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Repair blogging database</source>
        <translation>Blog-Datenbank reparieren</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Publish Blog to your server</source>
        <translation>Blog auf Ihrem Server veröffentlichen</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Configure blog data</source>
        <translation>Blog-Daten einstellen</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Enter your title here</source>
        <translation>Geben Sie hier Ihren Titel ein</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Article link</source>
        <translation>Link zum Artikel</translation>
    </message>
    <message>
        <source>http://</source>
        <translation>http://</translation>
    </message>
    <message>
        <source>Retrieve link from browser history</source>
        <translation>Link aus dem Browserverlauf holen</translation>
    </message>
    <message>
        <source>Link description</source>
        <translation>Linkbeschreibung</translation>
    </message>
    <message>
        <source>Enter link description here</source>
        <translation>Geben Sie hier die Linkbeschreibung ein</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Schriftart ändern</translation>
    </message>
    <message>
        <source>Change fontsize</source>
        <translation>Schriftgröße ändern</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Textfarbe ändern</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Strikethru</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Align center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Insert image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Insert link</source>
        <translation>Link einfügen</translation>
    </message>
    <message>
        <source>Load page...</source>
        <translation>Seite laden...</translation>
    </message>
    <message>
        <source>Double-click a day to give the selected entry that date</source>
        <translation>Doppelklicken Sie auf einen Tag, um dem gewählten Eintrag dieses Datum zu geben</translation>
    </message>
    <message>
        <source>Active Items</source>
        <translation>Aktive Einträge</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Archived items</source>
        <translation>Archivierte Einträge</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Blog Actions</source>
        <translation>&amp;Blog-Aktionen</translation>
    </message>
    <message>
        <source>Exit Blog tool</source>
        <translation>Blog-Werkzeug beenden</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Compact database</source>
        <translation>Datenbank komprimieren</translation>
    </message>
    <message>
        <source>&amp;Publish Blog</source>
        <translation>Blog &amp;veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Edit selected entry</source>
        <translation>Gewählten Eintrag &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Create new entry</source>
        <translation>Neuen Eintrag &amp;anlegen</translation>
    </message>
    <message>
        <source>&amp;Delete selected entry</source>
        <translation>Gewählten Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Toggle archive status</source>
        <translation>Archivstatus &amp;umschalten</translation>
    </message>
    <message>
        <source>Toggle archive status</source>
        <translation>Archivstatus umschalten</translation>
    </message>
</context>
<context>
    <name>Tfrm_blogconfig</name>
    <message>
        <source>Blog Configuration</source>
        <translation>Blog-Einstellungen</translation>
    </message>
    <message>
        <source>The name, owner and e-mail address of your blog appear on its published pages.</source>
        <translation>Name, Inhaber und E-Mail-Adresse Ihres Blogs erscheinen auf seinen veröffentlichten Seiten.</translation>
    </message>
    <message>
        <source>Blogname</source>
        <translation>Name des Blogs</translation>
    </message>
    <message>
        <source>Name of blog owner</source>
        <translation>Name des Blog-Inhabers</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>&amp;Change data</source>
        <translation>Daten ä&amp;ndern</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tfrm_busy</name>
    <message>
        <source>Loading document</source>
        <translation>Dokument wird geladen</translation>
    </message>
    <message>
        <source>Loading webdocument, one moment please</source>
        <translation>Webdokument wird geladen, einen Moment bitte</translation>
    </message>
</context>
<context>
    <name>Tfrm_config</name>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your name will be used in the managing editor entries, leave blank for manual input</source>
        <translation>Ihr Name wird als verantwortlicher Redakteur eingetragen; leer lassen für manuelle Eingabe</translation>
    </message>
    <message>
        <source>Your emailaddress</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Link to your website / rss feed</source>
        <translation>Link zu Ihrer Website / Ihrem RSS-Feed</translation>
    </message>
    <message>
        <source>Check this option if you want the article editor to run in Blog mode</source>
        <translation>Aktivieren Sie diese Option, wenn der Artikeleditor im Blog-Modus laufen soll</translation>
    </message>
    <message>
        <source>Run editor in Blog mode</source>
        <translation>Editor im Blog-Modus ausführen</translation>
    </message>
    <message>
        <source>Load item article on selection</source>
        <translation>Artikel eines Eintrags bei Auswahl laden</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>Angaben &amp;speichern</translation>
    </message>
</context>
<context>
    <name>Tfrm_exportdb</name>
    <message>
        <source>Export to Database</source>
        <translation>In Datenbank exportieren</translation>
    </message>
    <message>
        <source>Output path &amp;&amp; filename</source>
        <translation>Zielpfad &amp;&amp; Dateiname</translation>
    </message>
    <message>
        <source>Output path and filename, this is where the database will be created.</source>
        <translation>Zielpfad und Dateiname; hier wird die Datenbank angelegt.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Table name in database</source>
        <translation>Tabellenname in der Datenbank</translation>
    </message>
    <message>
        <source>There will be two tables in the database, the first one is hardcoded and set to ChannelInformation, the second one will hold the feeditem information, you can name this table whatever you want.</source>
        <translation>Die Datenbank erhält zwei Tabellen: Die erste heißt fest ChannelInformation, die zweite nimmt die Feed-Einträge auf; diese Tabelle können Sie beliebig benennen.</translation>
    </message>
    <message>
        <source>Database version</source>
        <translation>Datenbankversion</translation>
    </message>
    <message>
        <source>Select the version you want this database to be compatible with</source>
        <translation>Wählen Sie die Version, mit der diese Datenbank kompatibel sein soll</translation>
    </message>
    <message>
        <source>Format version 30</source>
        <translation>Formatversion 30</translation>
    </message>
    <message>
        <source>Format version 40</source>
        <translation>Formatversion 40</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tfrm_iehistory</name>
    <message>
        <source>Insert link from browser history</source>
        <translation>Link aus dem Browserverlauf einfügen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>No title found</source>
        <translation>Kein Titel gefunden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tfrm_imageedit</name>
    <message>
        <source>Image Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Link (link to website)</source>
        <translation>Link (Link zur Website)</translation>
    </message>
    <message>
        <source>Url (url link to image)</source>
        <translation>URL (Adresse des Bildes)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Tfrm_import</name>
    <message>
        <source>Import RSS resource</source>
        <translation>RSS-Quelle importieren</translation>
    </message>
    <message>
        <source>Local resource</source>
        <translation>Lokale Quelle</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Click here to load local resource</source>
        <translation>Hier klicken, um eine lokale Quelle zu laden</translation>
    </message>
    <message>
        <source>Remote resource</source>
        <translation>Entfernte Quelle</translation>
    </message>
    <message>
        <source>Fill in complete url &amp; filename to retrieve
for example http://www.example.com/news/feed.rss</source>
        <translation>Vollständige URL und Dateinamen zum Abrufen eingeben,
zum Beispiel http://www.example.com/news/feed.rss</translation>
    </message>
    <message>
        <source>Click here to retrieve and process remote resource</source>
        <translation>Hier klicken, um die entfernte Quelle abzurufen und zu verarbeiten</translation>
    </message>
    <message>
        <source>Process file</source>
        <translation>Datei verarbeiten</translation>
    </message>
</context>
<context>
    <name>Tfrm_importopml</name>
    <message>
        <source>Importing OPML Files</source>
        <translation>OPML-Dateien importieren</translation>
    </message>
    <message>
        <source>Local resource</source>
        <translation>Lokale Quelle</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Click here to load local resource</source>
        <translation>Hier klicken, um eine lokale Quelle zu laden</translation>
    </message>
    <message>
        <source>Remote resource</source>
        <translation>Entfernte Quelle</translation>
    </message>
    <message>
        <source>Fill in complete url &amp; filename to retrieve
for example http://www.example.com/lists/feeds.opml</source>
        <translation>Vollständige URL und Dateinamen zum Abrufen eingeben,
zum Beispiel http://www.example.com/lists/feeds.opml</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>URL / Filename </source>
        <translation>URL / Dateiname </translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Progress all files</source>
        <translation>Fortschritt aller Dateien</translation>
    </message>
    <message>
        <source>Process file</source>
        <translation>Datei verarbeiten</translation>
    </message>
</context>
<context>
    <name>Tfrm_publishblog</name>
    <message>
        <source>Publish Blog</source>
        <translation>Blog veröffentlichen</translation>
    </message>
    <message>
        <source>Select template</source>
        <translation>Vorlage wählen</translation>
    </message>
    <message>
        <source>Selected template</source>
        <translation>Gewählte Vorlage</translation>
    </message>
    <message>
        <source>Generator options</source>
        <translation>Erzeugungsoptionen</translation>
    </message>
    <message>
        <source>Generate RSS feed from blogs</source>
        <translation>RSS-Feed aus den Blog-Einträgen erzeugen</translation>
    </message>
    <message>
        <source>Channel title</source>
        <translation>Kanaltitel</translation>
    </message>
    <message>
        <source>Channel Description</source>
        <translation>Kanalbeschreibung</translation>
    </message>
    <message>
        <source>Remote path to blog</source>
        <translation>Entfernter Pfad zum Blog</translation>
    </message>
    <message>
        <source>Publish blog</source>
        <translation>Blog veröffentlichen</translation>
    </message>
    <message>
        <source>Preview blog after publishing</source>
        <translation>Blog nach dem Veröffentlichen in der Vorschau zeigen</translation>
    </message>
    <message>
        <source>Upload blog after publishing</source>
        <translation>Blog nach dem Veröffentlichen hochladen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Publish blog</source>
        <translation>Blog &amp;veröffentlichen</translation>
    </message>
    <message>
        <source>Go one step back</source>
        <translation>Einen Schritt zurück</translation>
    </message>
    <message>
        <source>Next step in process</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tfrm_splash</name>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
</context>
<context>
    <name>Tfrm_upload</name>
    <message>
        <source>Upload feed</source>
        <translation>Feed hochladen</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>Mit dem Server verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Disconnect from server</source>
        <translation>Verbindung zum Server trennen</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;Remote file path</source>
        <translation>Entfe&amp;rnter Dateipfad</translation>
    </message>
    <message>
        <source>Type a directory of the server and press Enter to change to it</source>
        <translation>Geben Sie ein Verzeichnis des Servers ein und drücken Sie die Eingabetaste, um dorthin zu wechseln</translation>
    </message>
    <message>
        <source>Selected &amp;feed</source>
        <translation>Ausgewählter &amp;Feed</translation>
    </message>
    <message>
        <source>&amp;Upload feed</source>
        <translation>Feed &amp;hochladen</translation>
    </message>
    <message>
        <source>Upload feed to server and disconnect</source>
        <translation>Feed auf den Server hochladen und Verbindung trennen</translation>
    </message>
</context>
<context>
    <name>Tfrm_uploadblog</name>
    <message>
        <source>Upload blog</source>
        <translation>Blog hochladen</translation>
    </message>
    <message>
        <source>&amp;Remote folder</source>
        <translation>Entfe&amp;rnter Ordner</translation>
    </message>
    <message>
        <source>Folder of the server that receives the blog; a path without a leading / is taken below the folder the server starts in. Missing folders are created.</source>
        <translation>Ordner des Servers, der den Blog aufnimmt; ein Pfad ohne führenden / gilt unterhalb des Startordners des Servers. Fehlende Ordner werden angelegt.</translation>
    </message>
    <message>
        <source>Published folder</source>
        <translation>Veröffentlichter Ordner</translation>
    </message>
    <message>
        <source>This file</source>
        <translation>Diese Datei</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>%v / %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Hochladen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
</context>
<context>
    <name>Tfrm_validator</name>
    <message>
        <source>Feed validator</source>
        <translation>Feed-Prüfung</translation>
    </message>
    <message>
        <source>Feed path &amp;&amp; name</source>
        <translation>Pfad &amp;&amp; Name des Feeds</translation>
    </message>
    <message>
        <source>To select a local file click on the open button, if you want to validate a remote file then type in the full address and press enter</source>
        <translation>Um eine lokale Datei zu wählen, klicken Sie auf die Schaltfläche Öffnen; um eine entfernte Datei zu prüfen, geben Sie die vollständige Adresse ein und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Validate</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Feed check</source>
        <translation>Feed-Prüfung</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>What to change</source>
        <translation>Was zu ändern ist</translation>
    </message>
</context>
<context>
    <name>Tmain</name>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Import from</source>
        <translation>Importieren aus</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exportieren nach</translation>
    </message>
    <message>
        <source>&amp;Blog editor</source>
        <translation>&amp;Blog-Editor</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;New file</source>
        <translation>&amp;Neue Datei</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Close all files</source>
        <translation>Alle Dateien schließen</translation>
    </message>
    <message>
        <source>From RSS file (local or remote)</source>
        <translation>Aus RSS-Datei (lokal oder entfernt)</translation>
    </message>
    <message>
        <source>Ctrl+Alt+R</source>
        <translation>Ctrl+Alt+R</translation>
    </message>
    <message>
        <source>OPML file</source>
        <translation>OPML-Datei</translation>
    </message>
    <message>
        <source>Ctrl+Alt+O</source>
        <translation>Ctrl+Alt+O</translation>
    </message>
    <message>
        <source>From Database</source>
        <translation>Aus Datenbank</translation>
    </message>
    <message>
        <source>Ctrl+Alt+D</source>
        <translation>Ctrl+Alt+D</translation>
    </message>
    <message>
        <source>Database file (SQLite)</source>
        <translation>Datenbankdatei (SQLite)</translation>
    </message>
    <message>
        <source>Shift+Ctrl+D</source>
        <translation>Shift+Ctrl+D</translation>
    </message>
    <message>
        <source>Upload feed</source>
        <translation>Feed hochladen</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Alt+F4</source>
        <translation>Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Start Blog tool</source>
        <translation>Blog-Werkzeug &amp;starten</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Feed Validator</source>
        <translation>Feed-Prüfung</translation>
    </message>
    <message>
        <source>Alt+F</source>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>&amp;Anordnen</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Minimize All</source>
        <translation>Alle &amp;minimieren</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>&amp;Horizontal anordnen</translation>
    </message>
    <message>
        <source>&amp;Tile Vertically</source>
        <translation>&amp;Vertikal anordnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Tidewell forums</source>
        <translation>Tidewell-Foren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Interface languages by the Qt translation system</source>
        <translation>Oberflächensprachen über das Qt-Übersetzungssystem</translation>
    </message>
    <message>
        <source>Create new channel</source>
        <translation>Neuen Kanal anlegen</translation>
    </message>
    <message>
        <source>Creates a new rss channel</source>
        <translation>Legt einen neuen RSS-Kanal an</translation>
    </message>
    <message>
        <source>Open existing rss channel</source>
        <translation>Vorhandenen RSS-Kanal öffnen</translation>
    </message>
    <message>
        <source>Opens an existing channel (local)</source>
        <translation>Öffnet einen vorhandenen Kanal (lokal)</translation>
    </message>
    <message>
        <source>Start Blog Tool</source>
        <translation>Blog-Werkzeug starten</translation>
    </message>
    <message>
        <source>Start blog tool</source>
        <translation>Blog-Werkzeug starten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close current active screen</source>
        <translation>Aktives Fenster schließen</translation>
    </message>
</context>
<context>
    <name>ValidationReport</name>
    <message>
        <source>Important markers are missing, validation cannot be continued.</source>
        <translation>Wichtige Marken fehlen, die Prüfung kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Congratulations, this file seems to checks out ok</source>
        <translation>Glückwunsch, diese Datei scheint in Ordnung zu sein</translation>
    </message>
    <message>
        <source>Errors in file, details are in the error display</source>
        <translation>Fehler in der Datei, Einzelheiten stehen in der Fehleranzeige</translation>
    </message>
</context>
<context>
    <name>tidewell::blog::Tfrm_article</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Enter link description here</source>
        <translation>Geben Sie hier die Linkbeschreibung ein</translation>
    </message>
    <message>
        <source>The entry being edited is no longer in the blog database (it was deleted, archived or renumbered). Add it as a new entry instead.</source>
        <translation>Der bearbeitete Eintrag ist nicht mehr in der Blog-Datenbank (er wurde gelöscht, archiviert oder neu nummeriert). Fügen Sie ihn stattdessen als neuen Eintrag hinzu.</translation>
    </message>
    <message>
        <source>Enter title here</source>
        <translation>Geben Sie hier den Titel ein</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Enter url</source>
        <translation>URL eingeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>tidewell::blog::Tfrm_publishblog</name>
    <message>
        <source>You did not define a remote path to your blog, please enter the complete path now (eg. %1 </source>
        <translation>Sie haben keinen entfernten Pfad zu Ihrem Blog angegeben, bitte geben Sie jetzt den vollständigen Pfad ein (z. B. %1)</translation>
    </message>
</context>
<context>
    <name>tidewell::channel::ArticleEditor</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Der Server antwortete %1.</translation>
    </message>
    <message>
        <source>The load was cancelled.</source>
        <translation>Das Laden wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The page could not be loaded.</source>
        <translation>Die Seite konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture source (file or address):</source>
        <translation>Bildquelle (Datei oder Adresse):</translation>
    </message>
</context>
<context>
    <name>tidewell::channel::ArticlePanel</name>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strike-through</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Insert hyperlink</source>
        <translation>Hyperlink einfügen</translation>
    </message>
    <message>
        <source>Insert image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Save article</source>
        <translation>Artikel speichern</translation>
    </message>
    <message>
        <source>Clear article</source>
        <translation>Artikel leeren</translation>
    </message>
    <message>
        <source>Loading article, one moment please...</source>
        <translation>Artikel wird geladen, einen Moment bitte...</translation>
    </message>
    <message>
        <source>Save feed article</source>
        <translation>Feed-Artikel speichern</translation>
    </message>
    <message>
        <source>Html files (*.htm *.htm?);;All files (*)</source>
        <translation>HTML-Dateien (*.htm *.htm?);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the complete feed article?</source>
        <translation>Möchten Sie den gesamten Feed-Artikel wirklich leeren?</translation>
    </message>
    <message>
        <source>Link local document</source>
        <translation>Lokale Datei verlinken</translation>
    </message>
    <message>
        <source>Web files (*.htm *.htm? *.asp *.php *.php?)</source>
        <translation>Webdateien (*.htm *.htm? *.asp *.php *.php?)</translation>
    </message>
    <message>
        <source>The local filename has been linked to the main channel link.</source>
        <translation>Der lokale Dateiname wurde mit dem Hauptlink des Kanals verknüpft.</translation>
    </message>
    <message>
        <source>Make sure you upload this file to that exact location!</source>
        <translation>Laden Sie diese Datei unbedingt genau an diese Stelle hoch!</translation>
    </message>
    <message>
        <source>Article saved as %1</source>
        <translation>Artikel als %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>tidewell::channel::Tchannelchild</name>
    <message>
        <source>No link title entered!, please correct.</source>
        <translation>Kein Linktitel eingegeben! Bitte korrigieren.</translation>
    </message>
    <message>
        <source>No link entered!, please correct.</source>
        <translation>Kein Link eingegeben! Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Cannot remove channel information, you can only delete channel items.</source>
        <translation>Die Kanalinformationen können nicht entfernt werden, nur Kanaleinträge lassen sich löschen.</translation>
    </message>
    <message>
        <source>The export failed; the channel was not saved.</source>
        <translation>Der Export ist fehlgeschlagen; der Kanal wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The channel %1 has changed. Save the changes?</source>
        <translation>Der Kanal %1 wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>File does not exist, or has not been saved yet!</source>
        <translation>Die Datei ist nicht vorhanden oder wurde noch nicht gespeichert!</translation>
    </message>
    <message>
        <source>This channel has an image section already; edit it with &quot;Edit selected row&quot;.</source>
        <translation>Dieser Kanal hat bereits einen Bildabschnitt; bearbeiten Sie ihn mit „Gewählte Zeile bearbeiten“.</translation>
    </message>
    <message>
        <source>Item &quot;%1&quot; added to the channel.</source>
        <translation>Eintrag „%1“ zum Kanal hinzugefügt.</translation>
    </message>
    <message>
        <source>Item &quot;%1&quot; updated.</source>
        <translation>Eintrag „%1“ aktualisiert.</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_iehistory</name>
    <message>
        <source>No browser history found. Looked for Firefox and Chromium profiles in:
%1</source>
        <translation>Kein Browserverlauf gefunden. Nach Firefox- und Chromium-Profilen wurde gesucht in:
%1</translation>
    </message>
    <message>
        <source>No browser history found. These history files hold no pages:
%1</source>
        <translation>Kein Browserverlauf gefunden. Diese Verlaufsdateien enthalten keine Seiten:
%1</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_import</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>RSS files (*.rss);;Xml files (*.xml);;RDF files (*.rdf);;All channel files (*.xml *.rss *.rdf);;All files (*)</source>
        <translation>RSS-Dateien (*.rss);;XML-Dateien (*.xml);;RDF-Dateien (*.rdf);;Alle Kanaldateien (*.xml *.rss *.rdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Connecting to server..</source>
        <translation>Verbindung zum Server wird hergestellt..</translation>
    </message>
    <message>
        <source>Connection has failed, try again..</source>
        <translation>Verbindung fehlgeschlagen, versuchen Sie es erneut..</translation>
    </message>
    <message>
        <source>Invalid host name, make sure name is correct.</source>
        <translation>Ungültiger Hostname, prüfen Sie die Schreibweise.</translation>
    </message>
    <message>
        <source>Site is redirecting us.. hold on Zub..</source>
        <translation>Die Website leitet uns um.. bitte warten..</translation>
    </message>
    <message>
        <source>File succesfully retrieved, commence parsing..</source>
        <translation>Datei erfolgreich abgerufen, wird gelesen..</translation>
    </message>
    <message>
        <source>cannot retrieve requested file, check url for accuracy</source>
        <translation>die angeforderte Datei kann nicht abgerufen werden, prüfen Sie die URL</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_importopml</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>OPML Files (*.opml)</source>
        <translation>OPML-Dateien (*.opml)</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Parsing file..</source>
        <translation>Datei wird gelesen..</translation>
    </message>
    <message>
        <source>Parsing RSS links..</source>
        <translation>RSS-Links werden gelesen..</translation>
    </message>
    <message>
        <source>Starting retrieval of RSS urls..</source>
        <translation>Abruf der RSS-URLs beginnt..</translation>
    </message>
    <message>
        <source>Connecting to server..</source>
        <translation>Verbindung zum Server wird hergestellt..</translation>
    </message>
    <message>
        <source>Connection failed..</source>
        <translation>Verbindung fehlgeschlagen..</translation>
    </message>
    <message>
        <source>Error..</source>
        <translation>Fehler..</translation>
    </message>
    <message>
        <source>Invalid hostname!..</source>
        <translation>Ungültiger Hostname!..</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_validator</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Feed files (*.rss *.xml)</source>
        <translation>Feed-Dateien (*.rss *.xml)</translation>
    </message>
</context>
<context>
    <name>tidewell::platform::HttpClient</name>
    <message>
        <source>%1 bytes were announced</source>
        <translation>%1 Bytes wurden angekündigt</translation>
    </message>
    <message>
        <source>%1 redirected to %2: only http:// and https:// addresses are followed</source>
        <translation>%1 leitet auf %2 um: Nur http://- und https://-Adressen werden verfolgt</translation>
    </message>
    <message>
        <source>Redirected to %1</source>
        <translation>Umgeleitet auf %1</translation>
    </message>
    <message>
        <source>Requesting %1</source>
        <translation>%1 wird angefordert</translation>
    </message>
    <message>
        <source>Looking up host %1</source>
        <translation>Host %1 wird gesucht</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbindung mit %1 wird hergestellt</translation>
    </message>
    <message>
        <source>Host %1 not found</source>
        <translation>Host %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Time-out: %1 sent fewer than %2 bytes in %3 seconds</source>
        <translation>Zeitüberschreitung: %1 sendete weniger als %2 Bytes in %3 Sekunden</translation>
    </message>
    <message>
        <source>The answer from %1 is larger than %2 bytes</source>
        <translation>Die Antwort von %1 ist größer als %2 Bytes</translation>
    </message>
    <message>
        <source>The transfer from %1 broke off before the answer was complete (%2 bytes received): %3</source>
        <translation>Die Übertragung von %1 brach ab, bevor die Antwort vollständig war (%2 Bytes empfangen): %3</translation>
    </message>
    <message>
        <source>The answer from %1 cannot be decoded: its content encoding &quot;%2&quot; is broken or unknown</source>
        <translation>Die Antwort von %1 kann nicht dekodiert werden: Ihre Inhaltskodierung „%2“ ist fehlerhaft oder unbekannt</translation>
    </message>
    <message>
        <source>Fetching %1 failed: %2</source>
        <translation>Abruf von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Answer %1, %2 bytes</source>
        <translation>Antwort %1, %2 Bytes</translation>
    </message>
</context>
<context>
    <name>tidewell::platform::TransferClient</name>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbindung mit %1 wird hergestellt</translation>
    </message>
    <message>
        <source>Listing %1</source>
        <translation>%1 wird aufgelistet</translation>
    </message>
    <message>
        <source>Storing %1</source>
        <translation>%1 wird gespeichert</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 stored</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Logged in to %1</source>
        <translation>Angemeldet bei %1</translation>
    </message>
    <message>
        <source>The directory listing is larger than %1 bytes.</source>
        <translation>Die Verzeichnisliste ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>Unknown server</source>
        <translation>Unbekannter Server</translation>
    </message>
    <message>
        <source>The server %1 sent no host key.</source>
        <translation>Der Server %1 hat keinen Hostschlüssel gesendet.</translation>
    </message>
    <message>
        <source>WARNING: the host key of %1 has changed; it is now %2. The connection was refused: someone may be listening in. If the server&apos;s key was really replaced, remove its line from %3 and connect again.</source>
        <translation>WARNUNG: Der Hostschlüssel von %1 hat sich geändert; er lautet jetzt %2. Die Verbindung wurde abgelehnt: Möglicherweise hört jemand mit. Wurde der Schlüssel des Servers wirklich ersetzt, entfernen Sie seine Zeile aus %3 und verbinden Sie sich erneut.</translation>
    </message>
    <message>
        <source>The server %1 is not known yet. Its %2 host key has the fingerprint
%3
Do you trust this server and want to connect to it?</source>
        <translation>Der Server %1 ist noch nicht bekannt. Sein %2-Hostschlüssel hat den Fingerabdruck
%3
Vertrauen Sie diesem Server und möchten Sie sich mit ihm verbinden?</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) was not accepted.</source>
        <translation>Der Hostschlüssel von %1 (%2) wurde nicht angenommen.</translation>
    </message>
    <message>
        <source>The certificate of the server %1 cannot be verified (%2).
Its SHA-256 fingerprint is
%3
Do you trust this certificate for this server?</source>
        <translation>Das Zertifikat des Servers %1 kann nicht überprüft werden (%2).
Sein SHA-256-Fingerabdruck ist
%3
Vertrauen Sie diesem Zertifikat für diesen Server?</translation>
    </message>
    <message>
        <source>The certificate of %1 was not accepted (%2).</source>
        <translation>Das Zertifikat von %1 wurde nicht angenommen (%2).</translation>
    </message>
</context>
<context>
    <name>tidewell::shell::TKLocalizerOnFly</name>
    <message>
        <source>Specified path &quot;%1&quot; does not exist</source>
        <translation>Der angegebene Pfad „%1“ ist nicht vorhanden</translation>
    </message>
    <message>
        <source>Language file &quot;%1&quot; not found</source>
        <translation>Sprachdatei „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Language file &quot;%1&quot; cannot be read</source>
        <translation>Die Sprachdatei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Localizer is not initialized</source>
        <translation>Die Sprachschicht ist nicht initialisiert</translation>
    </message>
</context>
<context>
    <name>tidewell::shell::Tmain</name>
    <message>
        <source>Open channel</source>
        <translation>Kanal öffnen</translation>
    </message>
    <message>
        <source>Tidewell files (*.chf)</source>
        <translation>Tidewell-Dateien (*.chf)</translation>
    </message>
    <message>
        <source>Upload feed</source>
        <translation>Feed hochladen</translation>
    </message>
    <message>
        <source>Make sure the current feed is up to date and saved.

Do you want to upload this feed now?</source>
        <translation>Stellen Sie sicher, dass der aktuelle Feed auf dem neuesten Stand und gespeichert ist.

Möchten Sie diesen Feed jetzt hochladen?</translation>
    </message>
    <message>
        <source>No web browser could be started to show the manual. Open this file in a browser:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um das Handbuch anzuzeigen. Öffnen Sie diese Datei in einem Browser:
%1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
</context>
<context>
    <name>tidewell::transfer::Tfrm_exportdb</name>
    <message>
        <source>Select output directory</source>
        <translation>Zielordner wählen</translation>
    </message>
</context>
<context>
    <name>tidewell::transfer::Tfrm_upload</name>
    <message>
        <source>You have no feed to upload</source>
        <translation>Sie haben keinen Feed zum Hochladen</translation>
    </message>
</context>
</TS>
