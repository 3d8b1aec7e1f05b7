<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BlogArchives</name>
    <message>
        <source>%1 archived records processed..</source>
        <translation>%1 enregistrements archivés traités..</translation>
    </message>
    <message>
        <source>Scanning month #%1</source>
        <translation>Analyse du mois n° %1</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Traitement de %1</translation>
    </message>
    <message>
        <source>Publishing record # %1</source>
        <translation>Publication de l&apos;enregistrement n° %1</translation>
    </message>
    <message>
        <source>Publishing done..</source>
        <translation>Publication terminée..</translation>
    </message>
</context>
<context>
    <name>BlogDatabase</name>
    <message>
        <source>Blog database does not exist, please reinstall this program to <byte value="xd"/>
ensure that it&apos;s in the right location</source>
        <translation>La base de données du blog n&apos;existe pas, veuillez réinstaller ce programme pour <byte value="xd"/>
vous assurer qu&apos;elle se trouve au bon emplacement</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>BlogEntries</name>
    <message>
        <source>Scanning record #%1</source>
        <translation>Examen de l&apos;enregistrement n° %1</translation>
    </message>
    <message>
        <source>Compacting database..</source>
        <translation>Compactage de la base de données..</translation>
    </message>
</context>
<context>
    <name>BlogFeed</name>
    <message>
        <source>Publishing feeditem # %1</source>
        <translation>Publication de l&apos;élément du flux n° %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>« %1 » n&apos;est pas une date valide</translation>
    </message>
</context>
<context>
    <name>BlogPublisher</name>
    <message>
        <source>Cannot create folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Removing old file called %1</source>
        <translation>Suppression de l&apos;ancien fichier %1</translation>
    </message>
    <message>
        <source>Cannot delete file %1</source>
        <translation>Impossible de supprimer le fichier %1</translation>
    </message>
    <message>
        <source>Publishing record # %1</source>
        <translation>Publication de l&apos;enregistrement n° %1</translation>
    </message>
    <message>
        <source>Publishing done..</source>
        <translation>Publication terminée..</translation>
    </message>
    <message>
        <source>%1 Records processed..</source>
        <translation>%1 enregistrements traités..</translation>
    </message>
    <message>
        <source>Nothing to publish, please enter data first.</source>
        <translation>Rien à publier, veuillez d&apos;abord saisir des données.</translation>
    </message>
    <message>
        <source>the entry&apos;s guid is not a file name</source>
        <translation>le guid du billet n&apos;est pas un nom de fichier</translation>
    </message>
</context>
<context>
    <name>DbConnection</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The database is not connected.</source>
        <translation>La base de données n&apos;est pas connectée.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Le fichier « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a database file.</source>
        <translation>« %1 » n&apos;est pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>Unknown database format version %1.</source>
        <translation>Version %1 du format de base de données inconnue.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>Le fichier %1 existe déjà.</translation>
    </message>
    <message>
        <source>Cannot compact %1: %2</source>
        <translation>Impossible de compacter %1 : %2</translation>
    </message>
    <message>
        <source>The database %1 is damaged: %2</source>
        <translation>La base de données %1 est endommagée : %2</translation>
    </message>
    <message>
        <source>The table %1 needs at least one column.</source>
        <translation>La table %1 doit avoir au moins une colonne.</translation>
    </message>
    <message>
        <source>No transaction is active.</source>
        <translation>Aucune transaction en cours.</translation>
    </message>
    <message>
        <source>The transaction was rolled back.</source>
        <translation>La transaction a été annulée.</translation>
    </message>
</context>
<context>
    <name>DbCursor</name>
    <message>
        <source>No current record.</source>
        <translation>Pas d&apos;enregistrement courant.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed table.</source>
        <translation>Cette opération est impossible sur une table fermée.</translation>
    </message>
    <message>
        <source>The table %1 has no free name for its row id.</source>
        <translation>La table %1 n&apos;a aucun nom libre pour son identifiant de ligne.</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Champ « %1 » introuvable</translation>
    </message>
    <message>
        <source>The record was deleted by another window.</source>
        <translation>L&apos;enregistrement a été supprimé dans une autre fenêtre.</translation>
    </message>
    <message>
        <source>The table %1 was changed by another window.</source>
        <translation>La table %1 a été modifiée dans une autre fenêtre.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>The record is not being edited or added.</source>
        <translation>L&apos;enregistrement n&apos;est ni en cours de modification ni en cours d&apos;ajout.</translation>
    </message>
    <message>
        <source>No filter is set.</source>
        <translation>Aucun filtre n&apos;est défini.</translation>
    </message>
</context>
<context>
    <name>DbExport</name>
    <message>
        <source>The column file %1 has a line longer than %2 bytes.</source>
        <translation>Le fichier de colonnes %1 contient une ligne de plus de %2 octets.</translation>
    </message>
    <message>
        <source>The column file %1 has more than %2 lines.</source>
        <translation>Le fichier de colonnes %1 contient plus de %2 lignes.</translation>
    </message>
    <message>
        <source>The channel holds more than %1 different field names; the table %2 cannot have that many columns.</source>
        <translation>Le canal contient plus de %1 noms de champs différents ; la table %2 ne peut pas avoir autant de colonnes.</translation>
    </message>
    <message>
        <source>The channel nests its fields too deeply, or names them too long, for the columns of the table %1 (more than %2 characters).</source>
        <translation>Les champs du canal sont trop imbriqués, ou leurs noms trop longs, pour les colonnes de la table %1 (plus de %2 caractères).</translation>
    </message>
    <message>
        <source>Channel table created..</source>
        <translation>Table du canal créée..</translation>
    </message>
    <message>
        <source>Item table created..</source>
        <translation>Table des éléments créée..</translation>
    </message>
    <message>
        <source>Parsing &amp;&amp; adding channel data..</source>
        <translation>Lecture &amp;&amp; ajout des données du canal..</translation>
    </message>
    <message>
        <source>Parsing &amp;&amp; adding item data..</source>
        <translation>Lecture &amp;&amp; ajout des données des éléments..</translation>
    </message>
    <message>
        <source>Serious error: data file not found, please reinstall program</source>
        <translation>Erreur grave : fichier de données introuvable, veuillez réinstaller le programme</translation>
    </message>
    <message>
        <source>There is nothing to export at this time</source>
        <translation>Il n&apos;y a rien à exporter pour le moment</translation>
    </message>
    <message>
        <source>Enter the path and name of the database file.</source>
        <translation>Saisissez le chemin et le nom du fichier de base de données.</translation>
    </message>
    <message>
        <source>Enter the name of the item table.</source>
        <translation>Saisissez le nom de la table des éléments.</translation>
    </message>
    <message>
        <source>The item table cannot be named %1: the database has a table of that name already.</source>
        <translation>La table des éléments ne peut pas s&apos;appeler %1 : la base de données contient déjà une table de ce nom.</translation>
    </message>
    <message>
        <source>Database created..</source>
        <translation>Base de données créée..</translation>
    </message>
    <message>
        <source>Done.. data exported..</source>
        <translation>Terminé.. données exportées..</translation>
    </message>
</context>
<context>
    <name>DbSyntax</name>
    <message>
        <source>Invalid sort term: %1</source>
        <translation>Critère de tri non valide : %1</translation>
    </message>
    <message>
        <source>Invalid filter: %1</source>
        <translation>Filtre non valide : %1</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>File %1 was cut short while it was read: it ends at byte offset %2 instead of %3. Another program may have changed it; open it again.</source>
        <translation>Le fichier %1 a été tronqué pendant sa lecture : il se termine à la position %2 au lieu de %3. Un autre programme l&apos;a peut-être modifié ; ouvrez-le à nouveau.</translation>
    </message>
    <message>
        <source>File %1 is damaged: it ends inside a node record at byte offset %2.</source>
        <translation>Le fichier %1 est endommagé : il se termine au milieu d&apos;un nœud à la position %2.</translation>
    </message>
    <message>
        <source>File %1 is damaged: negative %2 %3 at byte offset %4.</source>
        <translation>Le fichier %1 est endommagé : valeur négative %2 %3 à la position %4.</translation>
    </message>
    <message>
        <source>File %1 is damaged: %2 %3 at byte offset %4 is more than the %5 bytes left can hold.</source>
        <translation>Le fichier %1 est endommagé : %2 %3 à la position %4 dépasse les %5 octets restants.</translation>
    </message>
    <message>
        <source>Cannot write the channel document: %1</source>
        <translation>Impossible d&apos;écrire le document du canal : %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>(stream)</source>
        <translation>(flux de données)</translation>
    </message>
</context>
<context>
    <name>FeedCheck</name>
    <message>
        <source>The prefix &quot;%1&quot; is not declared. Declare it on the rss element with the namespace of its extension: xmlns:%1=&quot;...&quot;.</source>
        <translation>Le préfixe « %1 » n&apos;est pas déclaré. Déclarez-le sur l&apos;élément rss avec l&apos;espace de noms de son extension : xmlns:%1=&quot;...&quot;.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML (%1). Correct the markup here; the check cannot read past this point.</source>
        <translation>Le flux n&apos;est pas du XML bien formé (%1). Corrigez le balisage ici ; la vérification ne peut pas lire au-delà de ce point.</translation>
    </message>
    <message>
        <source>XML error: %1. Correct the markup here.</source>
        <translation>Erreur XML : %1. Corrigez le balisage ici.</translation>
    </message>
    <message>
        <source>The root element is &lt;%1&gt;, not &lt;rss&gt;. An RSS 2.0 feed is one rss element (&lt;rss version=&quot;2.0&quot;&gt;) holding a channel.</source>
        <translation>L&apos;élément racine est &lt;%1&gt;, et non &lt;rss&gt;. Un flux RSS 2.0 est un élément rss (&lt;rss version=&quot;2.0&quot;&gt;) qui contient un canal.</translation>
    </message>
    <message>
        <source>The enclosure&apos;s url &quot;%1&quot; is not an absolute web address. Give the full http:// or https:// address of the file.</source>
        <translation>L&apos;url « %1 » de la pièce jointe n&apos;est pas une adresse web absolue. Indiquez l&apos;adresse complète du fichier, en http:// ou https://.</translation>
    </message>
    <message>
        <source>The enclosure lacks %1. An enclosure needs url (the file&apos;s address), length (its size in bytes) and type (its MIME type).</source>
        <translation>Il manque %1 à la pièce jointe. Une pièce jointe a besoin de url (l&apos;adresse du fichier), length (sa taille en octets) et type (son type MIME).</translation>
    </message>
    <message>
        <source>The source&apos;s url &quot;%1&quot; is not an absolute web address. Give the full http:// or https:// address of the source feed.</source>
        <translation>L&apos;url « %1 » de la source n&apos;est pas une adresse web absolue. Indiquez l&apos;adresse complète du flux source, en http:// ou https://.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; in &lt;%2&gt; is not an RFC 822 date. Write it as day, date, month, year, time and zone: &quot;Tue, 09 Dec 2003 14:05:09 GMT&quot;.</source>
        <translation>La date « %1 » dans &lt;%2&gt; n&apos;est pas une date RFC 822. Écrivez le jour, la date, le mois, l&apos;année, l&apos;heure et le fuseau : « Tue, 09 Dec 2003 14:05:09 GMT ».</translation>
    </message>
    <message>
        <source>The guid is empty. Give the item a text that no other item uses.</source>
        <translation>Le guid est vide. Donnez à l&apos;élément un texte qu&apos;aucun autre élément n&apos;utilise.</translation>
    </message>
    <message>
        <source>The guid &quot;%1&quot; was already used on line %2. Give every item its own guid.</source>
        <translation>Le guid « %1 » est déjà utilisé à la ligne %2. Donnez à chaque élément son propre guid.</translation>
    </message>
    <message>
        <source>The guid &quot;%1&quot; counts as a permanent link (isPermaLink is absent or &quot;true&quot;) but is not a web address. Add isPermaLink=&quot;false&quot;, or make it the item&apos;s full http:// or https:// address.</source>
        <translation>Le guid « %1 » compte comme lien permanent (isPermaLink est absent ou vaut &quot;true&quot;) mais n&apos;est pas une adresse web. Ajoutez isPermaLink=&quot;false&quot;, ou donnez-lui l&apos;adresse complète de l&apos;élément, en http:// ou https://.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; in &lt;%2&gt; is not an absolute web address. Write the full address, starting with http:// or https://.</source>
        <translation>L&apos;adresse « %1 » dans &lt;%2&gt; n&apos;est pas une adresse web absolue. Écrivez l&apos;adresse complète, commençant par http:// ou https://.</translation>
    </message>
    <message>
        <source>The rss element holds no &lt;channel&gt;. Put the feed&apos;s title, link, description and items into one channel element.</source>
        <translation>L&apos;élément rss ne contient aucun &lt;channel&gt;. Placez le titre, le lien, la description et les éléments du flux dans un seul élément channel.</translation>
    </message>
    <message>
        <source>The channel lacks %1. A channel needs a title, a link to its web site and a description.</source>
        <translation>Il manque %1 au canal. Un canal a besoin d&apos;un titre, d&apos;un lien vers son site web et d&apos;une description.</translation>
    </message>
    <message>
        <source>The item has neither a &lt;title&gt; nor a &lt;description&gt;. Add at least one of them.</source>
        <translation>L&apos;élément n&apos;a ni &lt;title&gt; ni &lt;description&gt;. Ajoutez-en au moins un.</translation>
    </message>
    <message>
        <source>The feed cannot be read.</source>
        <translation>Le flux ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML. Correct the markup here; the check cannot read past this point.</source>
        <translation>Le flux n&apos;est pas du XML bien formé. Corrigez le balisage ici ; la vérification ne peut pas lire au-delà de ce point.</translation>
    </message>
</context>
<context>
    <name>FeedUpload</name>
    <message>
        <source>The server is still busy; upload again when it is ready.</source>
        <translation>Le serveur est encore occupé ; relancez l&apos;envoi quand il sera prêt.</translation>
    </message>
    <message>
        <source>Not connected to a server: connect first.</source>
        <translation>Pas de connexion à un serveur : connectez-vous d&apos;abord.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
</context>
<context>
    <name>FeedValidator</name>
    <message>
        <source>Missing XML tag (&lt;?xml version=1.0&quot;?&gt;)</source>
        <translation>Balise XML manquante (&lt;?xml version=1.0&quot;?&gt;)</translation>
    </message>
    <message>
        <source>Missing &lt;rss version=&quot;&quot;&gt; field</source>
        <translation>Champ &lt;rss version=&quot;&quot;&gt; manquant</translation>
    </message>
    <message>
        <source>Missing RSS end marker (&lt;/rss&gt;)</source>
        <translation>Marqueur de fin RSS manquant (&lt;/rss&gt;)</translation>
    </message>
    <message>
        <source>Missing channel tag (&lt;channel&gt;)</source>
        <translation>Balise de canal manquante (&lt;channel&gt;)</translation>
    </message>
    <message>
        <source>Missing channel end marker (&lt;/channel&gt;)</source>
        <translation>Marqueur de fin de canal manquant (&lt;/channel&gt;)</translation>
    </message>
    <message>
        <source>Error : Nothing to validate, select a file first</source>
        <translation>Erreur : rien à valider, sélectionnez d&apos;abord un fichier</translation>
    </message>
    <message>
        <source>Error : File does not exist!</source>
        <translation>Erreur : le fichier n&apos;existe pas !</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot load datafile, reinstall program please!</source>
        <translation>Impossible de charger le fichier de données, veuillez réinstaller le programme !</translation>
    </message>
    <message>
        <source>Starting validation</source>
        <translation>Démarrage de la validation</translation>
    </message>
    <message>
        <source>Difference in item start and end markers (%1 &lt;item&gt; and %2 &lt;/item&gt;)</source>
        <translation>Différence entre les marqueurs de début et de fin d&apos;élément (%1 &lt;item&gt; et %2 &lt;/item&gt;)</translation>
    </message>
    <message>
        <source>error in %1 marker </source>
        <translation>erreur dans le marqueur %1 </translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>FolderUpload</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 holds more than %2 files; nothing was uploaded.</source>
        <translation>Le dossier %1 contient plus de %2 fichiers ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The folder %1 holds no files to upload.</source>
        <translation>Le dossier %1 ne contient aucun fichier à envoyer.</translation>
    </message>
    <message>
        <source>Nothing was uploaded: %1</source>
        <translation>Rien n&apos;a été envoyé : %1</translation>
    </message>
    <message>
        <source>%1 of %2 files stored; %3 was not: %4</source>
        <translation>%1 fichiers sur %2 enregistrés ; %3 ne l&apos;a pas été : %4</translation>
    </message>
    <message>
        <source>the upload was cancelled.</source>
        <translation>l&apos;envoi a été annulé.</translation>
    </message>
    <message>
        <source>Storing %1 (%2 of %3)</source>
        <translation>Enregistrement de %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>the connection was closed.</source>
        <translation>la connexion a été fermée.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>the server&apos;s starting folder</source>
        <translation>le dossier de départ du serveur</translation>
    </message>
    <message>
        <source>1 file stored in %1.</source>
        <translation>1 fichier enregistré dans %1.</translation>
    </message>
    <message>
        <source>%1 files stored in %2.</source>
        <translation>%1 fichiers enregistrés dans %2.</translation>
    </message>
</context>
<context>
    <name>OpmlImport</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Error..</source>
        <translation>Erreur..</translation>
    </message>
    <message>
        <source>Importing action done..</source>
        <translation>Importation terminée..</translation>
    </message>
    <message>
        <source>Saving file to disk..</source>
        <translation>Enregistrement du fichier..</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>RSS 2.0 channel authoring</source>
        <translation>Création de canaux RSS 2.0</translation>
    </message>
    <message>
        <source>with a small blog tool beside it</source>
        <translation>avec un petit outil de blog à côté</translation>
    </message>
    <message>
        <source>Starting, one moment please...</source>
        <translation>Démarrage, un instant je vous prie...</translation>
    </message>
    <message>
        <source>RSS 2.0 channel authoring and blogging</source>
        <translation>Création de canaux RSS 2.0 et blog</translation>
    </message>
    <message>
        <source>Made by hollicore</source>
        <translation>Réalisé par hollicore</translation>
    </message>
    <message>
        <source>Click the picture or press Esc to close</source>
        <translation>Cliquez sur l&apos;image ou appuyez sur Échap pour fermer</translation>
    </message>
</context>
<context>
    <name>ReferencedFileCopier</name>
    <message>
        <source>Copying image file # %1</source>
        <translation>Copie du fichier image n° %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>RssImport</name>
    <message>
        <source>Parsing RSS file</source>
        <translation>Lecture du fichier RSS</translation>
    </message>
    <message>
        <source>Parsing done, cleaning up</source>
        <translation>Lecture terminée, nettoyage</translation>
    </message>
    <message>
        <source>This does not seem to be a valid RSS file</source>
        <translation>Ce fichier ne semble pas être un fichier RSS valide</translation>
    </message>
    <message>
        <source>Saving resulting file to disk...</source>
        <translation>Enregistrement du fichier obtenu...</translation>
    </message>
    <message>
        <source>%1 retrieved and parsed succesfully</source>
        <translation>%1 récupéré et lu avec succès</translation>
    </message>
    <message>
        <source>Please fill in complete url of file to be retrieved</source>
        <translation>Veuillez saisir l&apos;URL complète du fichier à récupérer</translation>
    </message>
    <message>
        <source>Feeds of %1 are not supported at this time.</source>
        <translation>Les flux de %1 ne sont pas pris en charge pour le moment.</translation>
    </message>
</context>
<context>
    <name>ServerFields</name>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protocole</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>FTP over TLS</source>
        <translation>FTP sur TLS</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>&amp;Server address</source>
        <translation>Adresse du &amp;serveur</translation>
    </message>
    <message>
        <source>Host name or address of the server, optionally followed by a colon and a port</source>
        <translation>Nom d&apos;hôte ou adresse du serveur, éventuellement suivi de deux-points et d&apos;un port</translation>
    </message>
    <message>
        <source>&amp;Username</source>
        <translation>&amp;Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 is being written by another program that does not finish; nothing was written.</source>
        <translation>Le fichier de paramètres %1 est en cours d&apos;écriture par un autre programme qui ne termine pas ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 does not start with a quoted value name. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 ne commence pas par un nom de valeur entre guillemets. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has no &apos;=&apos; after the value name. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 n&apos;a pas de &apos;=&apos; après le nom de valeur. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has a string value that is not a complete quoted text. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 a une valeur texte qui n&apos;est pas un texte complet entre guillemets. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has an integer value that is not a whole number from -2147483648 to 2147483647. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 a une valeur entière qui n&apos;est pas un nombre entier de -2147483648 à 2147483647. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has the type &quot;%3&quot;; only string and integer are known. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 a le type « %3 » ; seuls string et integer sont connus. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has text after the value. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 contient du texte après la valeur. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has a key without its closing &apos;]&apos;. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 a une clé sans &apos;]&apos; fermant. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 has an empty key path. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 a un chemin de clé vide. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: line %2 holds a value before any [key]. Correct or remove the file; it is left as it is.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : la ligne %2 contient une valeur avant toute [clé]. Corrigez ou supprimez le fichier ; il reste tel quel.</translation>
    </message>
    <message>
        <source>Invalid data type for &quot;%1&quot; under %2: it is a string value, an integer value was expected (settings file %3).</source>
        <translation>Type de données non valide pour « %1 » sous %2 : c&apos;est une valeur texte, une valeur entière était attendue (fichier de paramètres %3).</translation>
    </message>
    <message>
        <source>Invalid data type for &quot;%1&quot; under %2: it is an integer value, a string value was expected (settings file %3).</source>
        <translation>Type de données non valide pour « %1 » sous %2 : c&apos;est une valeur entière, une valeur texte était attendue (fichier de paramètres %3).</translation>
    </message>
    <message>
        <source>Invalid settings key &quot;%1&quot;.</source>
        <translation>Clé de paramètres « %1 » non valide.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; under %2 does not exist.</source>
        <translation>La valeur « %1 » sous %2 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>TKLocalizerOnFly</name>
    <message>
        <source>LANGUAGE_NAME</source>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Tchannelchild</name>
    <message>
        <source>Channel tree</source>
        <translation>Arbre du canal</translation>
    </message>
    <message>
        <source>font-weight: bold; padding: 4px;</source>
        <translation>font-weight: bold; padding: 4px;</translation>
    </message>
    <message>
        <source>Expand tree</source>
        <translation>Tout déplier</translation>
    </message>
    <message>
        <source>Collapse tree</source>
        <translation>Tout replier</translation>
    </message>
    <message>
        <source>Channel information</source>
        <translation>Informations du canal</translation>
    </message>
    <message>
        <source>Channel information </source>
        <translation>Informations du canal </translation>
    </message>
    <message>
        <source>Channel title</source>
        <translation>Titre du canal</translation>
    </message>
    <message>
        <source>Link to channel&apos;s website</source>
        <translation>Site web du canal</translation>
    </message>
    <message>
        <source>Description of channel</source>
        <translation>Description du canal</translation>
    </message>
    <message>
        <source>Managing editor</source>
        <translation>Rédacteur en chef</translation>
    </message>
    <message>
        <source>Email address for person responsible for editorial content</source>
        <translation>Adresse e-mail de la personne responsable du contenu éditorial</translation>
    </message>
    <message>
        <source>Webmaster</source>
        <translation>Webmestre</translation>
    </message>
    <message>
        <source>Email address for person responsible for technical issues relating to channel</source>
        <translation>Adresse e-mail de la personne responsable des questions techniques du canal</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Copyright notice for content in the channel</source>
        <translation>Mention de copyright pour le contenu du canal</translation>
    </message>
    <message>
        <source>Publishing date</source>
        <translation>Date de publication</translation>
    </message>
    <message>
        <source>Insert current date &amp;&amp; time</source>
        <translation>Date du jour</translation>
    </message>
    <message>
        <source>Insert current date &amp; time</source>
        <translation>Insérer la date &amp; l&apos;heure actuelles</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Time to live (TTL)</source>
        <translation>Durée de vie (TTL)</translation>
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
        <translation>Traiter, exporter &amp;&amp; enregistrer</translation>
    </message>
    <message>
        <source>Process, export,  &amp; save feed information</source>
        <translation>Traiter, exporter &amp; enregistrer le flux</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Close file without saving</source>
        <translation>Fermer le fichier sans enregistrer</translation>
    </message>
    <message>
        <source>Edit feed item</source>
        <translation>Modifier l&apos;élément du flux</translation>
    </message>
    <message>
        <source>Edit selected feed item data</source>
        <translation>Modifier les données de l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Title of article</source>
        <translation>Titre de l&apos;article</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Link local document</source>
        <translation>Lier un fichier local</translation>
    </message>
    <message>
        <source>Retrieve link from browser history</source>
        <translation>Depuis l&apos;historique</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Short descriptive text of article (500 chars max)</source>
        <translation>Court texte descriptif de l&apos;article (500 caractères max.)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Category of article</source>
        <translation>Catégorie de l&apos;article</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>The authors name and email address (name (emailaddress))</source>
        <translation>Nom et adresse e-mail de l&apos;auteur (nom (adresse e-mail))</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Update feed items</source>
        <translation>Mettre à jour les éléments</translation>
    </message>
    <message>
        <source>Cancel without making changes</source>
        <translation>Annuler sans modifier</translation>
    </message>
    <message>
        <source>New feed item</source>
        <translation>Nouvel élément</translation>
    </message>
    <message>
        <source>Add item to feed</source>
        <translation>Ajouter un élément au flux</translation>
    </message>
    <message>
        <source>Clear entries in edit boxes</source>
        <translation>Vider les champs de saisie</translation>
    </message>
    <message>
        <source>&amp;Delete section</source>
        <translation>&amp;Supprimer la section</translation>
    </message>
    <message>
        <source>Edit selected row</source>
        <translation>Modifier la ligne sélectionnée</translation>
    </message>
    <message>
        <source>Validate feed</source>
        <translation>Valider le flux</translation>
    </message>
    <message>
        <source>New title</source>
        <translation>Nouveau titre</translation>
    </message>
    <message>
        <source>Description of feed</source>
        <translation>Description du flux</translation>
    </message>
    <message>
        <source>en-us</source>
        <translation>en-us</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name is empty. Choose a name such as news.rss.</source>
        <translation>Impossible d&apos;exporter vers « %1 » : le nom de fichier est vide. Choisissez un nom comme news.rss.</translation>
    </message>
    <message>
        <source>Exporting and saving RSS file</source>
        <translation>Exportation et enregistrement du fichier RSS</translation>
    </message>
    <message>
        <source>File %1 succesfully exported to RSS format, Data has been saved.</source>
        <translation>Le fichier %1 a été exporté au format RSS, les données ont été enregistrées.</translation>
    </message>
    <message>
        <source>RSS files (*.rss);;XML file (*.xml)</source>
        <translation>Fichiers RSS (*.rss);;Fichier XML (*.xml)</translation>
    </message>
    <message>
        <source>Add &amp;image section</source>
        <translation>Ajouter une section &amp;image</translation>
    </message>
</context>
<context>
    <name>TemplateFiles</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
</context>
<context>
    <name>Tfrm_about</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>Tfrm_article</name>
    <message>
        <source>Blog Tool</source>
        <translation>Outil de blog</translation>
    </message>
    <message>
        <source>Add blog information to current article</source>
        <translation>Ajouter les informations de blog à l&apos;article actuel</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>Ajouter le billet</translation>
    </message>
    <message>
        <source>Save changes to blog database</source>
        <translation>Enregistrer les modifications dans la base de données du blog</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Delete selected entry</source>
        <translation>Supprimer le billet sélectionné</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Repair blogging database</source>
        <translation>Réparer la base de données du blog</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Publish Blog to your server</source>
        <translation>Publier le blog sur votre serveur</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Configure blog data</source>
        <translation>Configurer les données du blog</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Enter your title here</source>
        <translation>Saisissez votre titre ici</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Article link</source>
        <translation>Lien de l&apos;article</translation>
    </message>
    <message>
        <source>http://</source>
        <translation>http://</translation>
    </message>
    <message>
        <source>Retrieve link from browser history</source>
        <translation>Récupérer un lien dans l&apos;historique du navigateur</translation>
    </message>
    <message>
        <source>Link description</source>
        <translation>Description du lien</translation>
    </message>
    <message>
        <source>Enter link description here</source>
        <translation>Saisissez ici la description du lien</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Changer la police</translation>
    </message>
    <message>
        <source>Change fontsize</source>
        <translation>Changer la taille de la police</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Changer la couleur du texte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>B</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>U</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Strikethru</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>S</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Insert image</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Insert link</source>
        <translation>Insérer un lien</translation>
    </message>
    <message>
        <source>Load page...</source>
        <translation>Charger une page...</translation>
    </message>
    <message>
        <source>Double-click a day to give the selected entry that date</source>
        <translation>Double-cliquez sur un jour pour donner cette date au billet sélectionné</translation>
    </message>
    <message>
        <source>Active Items</source>
        <translation>Billets actifs</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Archived items</source>
        <translation>Billets archivés</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>&amp;Blog Actions</source>
        <translation>Actions du &amp;blog</translation>
    </message>
    <message>
        <source>Exit Blog tool</source>
        <translation>Quitter l&apos;outil de blog</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Compact database</source>
        <translation>Compacter la base de données</translation>
    </message>
    <message>
        <source>&amp;Publish Blog</source>
        <translation>&amp;Publier le blog</translation>
    </message>
    <message>
        <source>&amp;Edit selected entry</source>
        <translation>&amp;Modifier le billet sélectionné</translation>
    </message>
    <message>
        <source>&amp;Create new entry</source>
        <translation>&amp;Créer un billet</translation>
    </message>
    <message>
        <source>&amp;Delete selected entry</source>
        <translation>&amp;Supprimer le billet sélectionné</translation>
    </message>
    <message>
        <source>&amp;Toggle archive status</source>
        <translation>Changer l&apos;état d&apos;&amp;archivage</translation>
    </message>
    <message>
        <source>Toggle archive status</source>
        <translation>Changer l&apos;état d&apos;archivage</translation>
    </message>
</context>
<context>
    <name>Tfrm_blogconfig</name>
    <message>
        <source>Blog Configuration</source>
        <translation>Configuration du blog</translation>
    </message>
    <message>
        <source>The name, owner and e-mail address of your blog appear on its published pages.</source>
        <translation>Le nom, le propriétaire et l&apos;adresse e-mail de votre blog figurent sur ses pages publiées.</translation>
    </message>
    <message>
        <source>Blogname</source>
        <translation>Nom du blog</translation>
    </message>
    <message>
        <source>Name of blog owner</source>
        <translation>Nom du propriétaire du blog</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>&amp;Change data</source>
        <translation>&amp;Modifier les données</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>Tfrm_busy</name>
    <message>
        <source>Loading document</source>
        <translation>Chargement du document</translation>
    </message>
    <message>
        <source>Loading webdocument, one moment please</source>
        <translation>Chargement du document web, un instant je vous prie</translation>
    </message>
</context>
<context>
    <name>Tfrm_config</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your name will be used in the managing editor entries, leave blank for manual input</source>
        <translation>Votre nom sera utilisé comme rédacteur en chef ; laissez vide pour le saisir vous-même</translation>
    </message>
    <message>
        <source>Your emailaddress</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Link to your website / rss feed</source>
        <translation>Lien vers votre site web / flux RSS</translation>
    </message>
    <message>
        <source>Check this option if you want the article editor to run in Blog mode</source>
        <translation>Cochez cette option pour que l&apos;éditeur d&apos;articles fonctionne en mode blog</translation>
    </message>
    <message>
        <source>Run editor in Blog mode</source>
        <translation>Éditeur en mode blog</translation>
    </message>
    <message>
        <source>Load item article on selection</source>
        <translation>Charger l&apos;article de l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>Tfrm_exportdb</name>
    <message>
        <source>Export to Database</source>
        <translation>Exporter vers une base de données</translation>
    </message>
    <message>
        <source>Output path &amp;&amp; filename</source>
        <translation>Chemin &amp;&amp; nom du fichier de sortie</translation>
    </message>
    <message>
        <source>Output path and filename, this is where the database will be created.</source>
        <translation>Chemin et nom du fichier de sortie : la base de données sera créée ici.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Table name in database</source>
        <translation>Nom de la table dans la base</translation>
    </message>
    <message>
        <source>There will be two tables in the database, the first one is hardcoded and set to ChannelInformation, the second one will hold the feeditem information, you can name this table whatever you want.</source>
        <translation>La base de données contiendra deux tables : la première s&apos;appelle toujours ChannelInformation, la seconde contiendra les éléments du flux et vous pouvez la nommer comme vous le souhaitez.</translation>
    </message>
    <message>
        <source>Database version</source>
        <translation>Version de la base</translation>
    </message>
    <message>
        <source>Select the version you want this database to be compatible with</source>
        <translation>Choisissez la version avec laquelle cette base doit être compatible</translation>
    </message>
    <message>
        <source>Format version 30</source>
        <translation>Format version 30</translation>
    </message>
    <message>
        <source>Format version 40</source>
        <translation>Format version 40</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Tfrm_iehistory</name>
    <message>
        <source>Insert link from browser history</source>
        <translation>Insérer un lien de l&apos;historique du navigateur</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>No title found</source>
        <translation>Aucun titre trouvé</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>Tfrm_imageedit</name>
    <message>
        <source>Image Properties</source>
        <translation>Propriétés de l&apos;image</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Link (link to website)</source>
        <translation>Lien (lien vers le site web)</translation>
    </message>
    <message>
        <source>Url (url link to image)</source>
        <translation>URL (adresse de l&apos;image)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
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
        <translation>Importer une source RSS</translation>
    </message>
    <message>
        <source>Local resource</source>
        <translation>Source locale</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Click here to load local resource</source>
        <translation>Cliquez ici pour charger une source locale</translation>
    </message>
    <message>
        <source>Remote resource</source>
        <translation>Source distante</translation>
    </message>
    <message>
        <source>Fill in complete url &amp; filename to retrieve
for example http://www.example.com/news/feed.rss</source>
        <translation>Saisissez l&apos;URL complète et le nom du fichier à récupérer,
par exemple http://www.example.com/news/feed.rss</translation>
    </message>
    <message>
        <source>Click here to retrieve and process remote resource</source>
        <translation>Cliquez ici pour récupérer et traiter la source distante</translation>
    </message>
    <message>
        <source>Process file</source>
        <translation>Traiter le fichier</translation>
    </message>
</context>
<context>
    <name>Tfrm_importopml</name>
    <message>
        <source>Importing OPML Files</source>
        <translation>Importation de fichiers OPML</translation>
    </message>
    <message>
        <source>Local resource</source>
        <translation>Source locale</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Click here to load local resource</source>
        <translation>Cliquez ici pour charger une source locale</translation>
    </message>
    <message>
        <source>Remote resource</source>
        <translation>Source distante</translation>
    </message>
    <message>
        <source>Fill in complete url &amp; filename to retrieve
for example http://www.example.com/lists/feeds.opml</source>
        <translation>Saisissez l&apos;URL complète et le nom du fichier à récupérer,
par exemple http://www.example.com/lists/feeds.opml</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>URL / Filename </source>
        <translation>URL / nom de fichier </translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Traité</translation>
    </message>
    <message>
        <source>Progress all files</source>
        <translation>Progression de tous les fichiers</translation>
    </message>
    <message>
        <source>Process file</source>
        <translation>Traiter le fichier</translation>
    </message>
</context>
<context>
    <name>Tfrm_publishblog</name>
    <message>
        <source>Publish Blog</source>
        <translation>Publier le blog</translation>
    </message>
    <message>
        <source>Select template</source>
        <translation>Choisir le modèle</translation>
    </message>
    <message>
        <source>Selected template</source>
        <translation>Modèle choisi</translation>
    </message>
    <message>
        <source>Generator options</source>
        <translation>Options de génération</translation>
    </message>
    <message>
        <source>Generate RSS feed from blogs</source>
        <translation>Générer un flux RSS à partir des billets</translation>
    </message>
    <message>
        <source>Channel title</source>
        <translation>Titre du canal</translation>
    </message>
    <message>
        <source>Channel Description</source>
        <translation>Description du canal</translation>
    </message>
    <message>
        <source>Remote path to blog</source>
        <translation>Chemin distant du blog</translation>
    </message>
    <message>
        <source>Publish blog</source>
        <translation>Publier le blog</translation>
    </message>
    <message>
        <source>Preview blog after publishing</source>
        <translation>Afficher un aperçu du blog après la publication</translation>
    </message>
    <message>
        <source>Upload blog after publishing</source>
        <translation>Envoyer le blog après la publication</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Publish blog</source>
        <translation>&amp;Publier le blog</translation>
    </message>
    <message>
        <source>Go one step back</source>
        <translation>Revenir d&apos;une étape</translation>
    </message>
    <message>
        <source>Next step in process</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
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
        <translation>Envoyer le flux</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>Se &amp;connecter</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>Se connecter au serveur</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>Disconnect from server</source>
        <translation>Se déconnecter du serveur</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Répertoire</translation>
    </message>
    <message>
        <source>&amp;Remote file path</source>
        <translation>Chemin sur le se&amp;rveur</translation>
    </message>
    <message>
        <source>Type a directory of the server and press Enter to change to it</source>
        <translation>Saisissez un répertoire du serveur et appuyez sur Entrée pour y aller</translation>
    </message>
    <message>
        <source>Selected &amp;feed</source>
        <translation>&amp;Flux sélectionné</translation>
    </message>
    <message>
        <source>&amp;Upload feed</source>
        <translation>&amp;Envoyer le flux</translation>
    </message>
    <message>
        <source>Upload feed to server and disconnect</source>
        <translation>Envoyer le flux au serveur et se déconnecter</translation>
    </message>
</context>
<context>
    <name>Tfrm_uploadblog</name>
    <message>
        <source>Upload blog</source>
        <translation>Envoyer le blog</translation>
    </message>
    <message>
        <source>&amp;Remote folder</source>
        <translation>Dossier sur le se&amp;rveur</translation>
    </message>
    <message>
        <source>Folder of the server that receives the blog; a path without a leading / is taken below the folder the server starts in. Missing folders are created.</source>
        <translation>Dossier du serveur qui reçoit le blog ; un chemin sans / initial part du dossier de départ du serveur. Les dossiers manquants sont créés.</translation>
    </message>
    <message>
        <source>Published folder</source>
        <translation>Dossier publié</translation>
    </message>
    <message>
        <source>This file</source>
        <translation>Ce fichier</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>%v / %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Tfrm_validator</name>
    <message>
        <source>Feed validator</source>
        <translation>Validateur de flux</translation>
    </message>
    <message>
        <source>Feed path &amp;&amp; name</source>
        <translation>Chemin &amp;&amp; nom du flux</translation>
    </message>
    <message>
        <source>To select a local file click on the open button, if you want to validate a remote file then type in the full address and press enter</source>
        <translation>Pour choisir un fichier local, cliquez sur le bouton Ouvrir ; pour valider un fichier distant, saisissez son adresse complète et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Validate</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>#</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Feed check</source>
        <translation>Vérification du flux</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>What to change</source>
        <translation>Correction à apporter</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Import from</source>
        <translation>Importer depuis</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exporter vers</translation>
    </message>
    <message>
        <source>&amp;Blog editor</source>
        <translation>Éditeur de &amp;blog</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;New file</source>
        <translation>&amp;Nouveau fichier</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close all files</source>
        <translation>Fermer tous les fichiers</translation>
    </message>
    <message>
        <source>From RSS file (local or remote)</source>
        <translation>Depuis un fichier RSS (local ou distant)</translation>
    </message>
    <message>
        <source>Ctrl+Alt+R</source>
        <translation>Ctrl+Alt+R</translation>
    </message>
    <message>
        <source>OPML file</source>
        <translation>Fichier OPML</translation>
    </message>
    <message>
        <source>Ctrl+Alt+O</source>
        <translation>Ctrl+Alt+O</translation>
    </message>
    <message>
        <source>From Database</source>
        <translation>Depuis une base de données</translation>
    </message>
    <message>
        <source>Ctrl+Alt+D</source>
        <translation>Ctrl+Alt+D</translation>
    </message>
    <message>
        <source>Database file (SQLite)</source>
        <translation>Fichier de base de données (SQLite)</translation>
    </message>
    <message>
        <source>Shift+Ctrl+D</source>
        <translation>Shift+Ctrl+D</translation>
    </message>
    <message>
        <source>Upload feed</source>
        <translation>Envoyer le flux</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Alt+F4</source>
        <translation>Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Start Blog tool</source>
        <translation>&amp;Démarrer l&apos;outil de blog</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Feed Validator</source>
        <translation>Validateur de flux</translation>
    </message>
    <message>
        <source>Alt+F</source>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>&amp;Réorganiser</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>En &amp;cascade</translation>
    </message>
    <message>
        <source>&amp;Minimize All</source>
        <translation>Tout réd&amp;uire</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Mosaïque &amp;horizontale</translation>
    </message>
    <message>
        <source>&amp;Tile Vertically</source>
        <translation>Mosaïque &amp;verticale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Tidewell forums</source>
        <translation>Forums Tidewell</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Interface languages by the Qt translation system</source>
        <translation>Langues de l&apos;interface par le système de traduction de Qt</translation>
    </message>
    <message>
        <source>Create new channel</source>
        <translation>Créer un canal</translation>
    </message>
    <message>
        <source>Creates a new rss channel</source>
        <translation>Crée un nouveau canal RSS</translation>
    </message>
    <message>
        <source>Open existing rss channel</source>
        <translation>Ouvrir un canal RSS existant</translation>
    </message>
    <message>
        <source>Opens an existing channel (local)</source>
        <translation>Ouvre un canal existant (local)</translation>
    </message>
    <message>
        <source>Start Blog Tool</source>
        <translation>Démarrer l&apos;outil de blog</translation>
    </message>
    <message>
        <source>Start blog tool</source>
        <translation>Démarrer l&apos;outil de blog</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close current active screen</source>
        <translation>Fermer la fenêtre active</translation>
    </message>
</context>
<context>
    <name>ValidationReport</name>
    <message>
        <source>Important markers are missing, validation cannot be continued.</source>
        <translation>Des marqueurs importants manquent, la validation ne peut pas continuer.</translation>
    </message>
    <message>
        <source>Congratulations, this file seems to checks out ok</source>
        <translation>Félicitations, ce fichier semble correct</translation>
    </message>
    <message>
        <source>Errors in file, details are in the error display</source>
        <translation>Erreurs dans le fichier, les détails figurent dans la liste des erreurs</translation>
    </message>
</context>
<context>
    <name>tidewell::blog::Tfrm_article</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Enter link description here</source>
        <translation>Saisissez ici la description du lien</translation>
    </message>
    <message>
        <source>The entry being edited is no longer in the blog database (it was deleted, archived or renumbered). Add it as a new entry instead.</source>
        <translation>Le billet en cours de modification n&apos;est plus dans la base de données du blog (il a été supprimé, archivé ou renuméroté). Ajoutez-le plutôt comme nouveau billet.</translation>
    </message>
    <message>
        <source>Enter title here</source>
        <translation>Saisissez le titre ici</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Voulez-vous vraiment supprimer ce billet ?</translation>
    </message>
    <message>
        <source>Enter url</source>
        <translation>Saisissez l&apos;URL</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>tidewell::blog::Tfrm_publishblog</name>
    <message>
        <source>You did not define a remote path to your blog, please enter the complete path now (eg. %1 </source>
        <translation>Vous n&apos;avez pas indiqué de chemin distant pour votre blog, veuillez saisir maintenant le chemin complet (par ex. %1)</translation>
    </message>
</context>
<context>
    <name>tidewell::channel::ArticleEditor</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Le serveur a répondu %1.</translation>
    </message>
    <message>
        <source>The load was cancelled.</source>
        <translation>Le chargement a été annulé.</translation>
    </message>
    <message>
        <source>The page could not be loaded.</source>
        <translation>La page n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Impossible de charger %1 : %2</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Lien hypertexte</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Picture source (file or address):</source>
        <translation>Source de l&apos;image (fichier ou adresse) :</translation>
    </message>
</context>
<context>
    <name>tidewell::channel::ArticlePanel</name>
    <message>
        <source>B</source>
        <translation>G</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <translation>S</translation>
    </message>
    <message>
        <source>S</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strike-through</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Insert hyperlink</source>
        <translation>Insérer un lien hypertexte</translation>
    </message>
    <message>
        <source>Insert image</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Save article</source>
        <translation>Enregistrer l&apos;article</translation>
    </message>
    <message>
        <source>Clear article</source>
        <translation>Effacer l&apos;article</translation>
    </message>
    <message>
        <source>Loading article, one moment please...</source>
        <translation>Chargement de l&apos;article, un instant je vous prie...</translation>
    </message>
    <message>
        <source>Save feed article</source>
        <translation>Enregistrer l&apos;article du flux</translation>
    </message>
    <message>
        <source>Html files (*.htm *.htm?);;All files (*)</source>
        <translation>Fichiers HTML (*.htm *.htm?);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the complete feed article?</source>
        <translation>Voulez-vous vraiment effacer tout l&apos;article du flux ?</translation>
    </message>
    <message>
        <source>Link local document</source>
        <translation>Lier un fichier local</translation>
    </message>
    <message>
        <source>Web files (*.htm *.htm? *.asp *.php *.php?)</source>
        <translation>Fichiers web (*.htm *.htm? *.asp *.php *.php?)</translation>
    </message>
    <message>
        <source>The local filename has been linked to the main channel link.</source>
        <translation>Le nom du fichier local a été lié au lien principal du canal.</translation>
    </message>
    <message>
        <source>Make sure you upload this file to that exact location!</source>
        <translation>Veillez à envoyer ce fichier exactement à cet emplacement !</translation>
    </message>
    <message>
        <source>Article saved as %1</source>
        <translation>Article enregistré sous %1</translation>
    </message>
</context>
<context>
    <name>tidewell::channel::Tchannelchild</name>
    <message>
        <source>No link title entered!, please correct.</source>
        <translation>Aucun titre de lien saisi ! Veuillez corriger.</translation>
    </message>
    <message>
        <source>No link entered!, please correct.</source>
        <translation>Aucun lien saisi ! Veuillez corriger.</translation>
    </message>
    <message>
        <source>Cannot remove channel information, you can only delete channel items.</source>
        <translation>Impossible de supprimer les informations du canal, seuls les éléments du canal peuvent être supprimés.</translation>
    </message>
    <message>
        <source>The export failed; the channel was not saved.</source>
        <translation>L&apos;exportation a échoué ; le canal n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>The channel %1 has changed. Save the changes?</source>
        <translation>Le canal %1 a été modifié. Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>File does not exist, or has not been saved yet!</source>
        <translation>Le fichier n&apos;existe pas ou n&apos;a pas encore été enregistré !</translation>
    </message>
    <message>
        <source>This channel has an image section already; edit it with &quot;Edit selected row&quot;.</source>
        <translation>Ce canal a déjà une section image ; modifiez-la avec « Modifier la ligne sélectionnée ».</translation>
    </message>
    <message>
        <source>Item &quot;%1&quot; added to the channel.</source>
        <translation>Élément « %1 » ajouté au canal.</translation>
    </message>
    <message>
        <source>Item &quot;%1&quot; updated.</source>
        <translation>Élément « %1 » mis à jour.</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_iehistory</name>
    <message>
        <source>No browser history found. Looked for Firefox and Chromium profiles in:
%1</source>
        <translation>Aucun historique de navigateur trouvé. Profils Firefox et Chromium recherchés dans :
%1</translation>
    </message>
    <message>
        <source>No browser history found. These history files hold no pages:
%1</source>
        <translation>Aucun historique de navigateur trouvé. Ces fichiers d&apos;historique ne contiennent aucune page :
%1</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_import</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>RSS files (*.rss);;Xml files (*.xml);;RDF files (*.rdf);;All channel files (*.xml *.rss *.rdf);;All files (*)</source>
        <translation>Fichiers RSS (*.rss);;Fichiers XML (*.xml);;Fichiers RDF (*.rdf);;Tous les fichiers de canal (*.xml *.rss *.rdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Connecting to server..</source>
        <translation>Connexion au serveur..</translation>
    </message>
    <message>
        <source>Connection has failed, try again..</source>
        <translation>La connexion a échoué, réessayez..</translation>
    </message>
    <message>
        <source>Invalid host name, make sure name is correct.</source>
        <translation>Nom d&apos;hôte non valide, vérifiez qu&apos;il est correct.</translation>
    </message>
    <message>
        <source>Site is redirecting us.. hold on Zub..</source>
        <translation>Le site nous redirige.. patientez..</translation>
    </message>
    <message>
        <source>File succesfully retrieved, commence parsing..</source>
        <translation>Fichier récupéré, début de la lecture..</translation>
    </message>
    <message>
        <source>cannot retrieve requested file, check url for accuracy</source>
        <translation>impossible de récupérer le fichier demandé, vérifiez l&apos;URL</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_importopml</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>OPML Files (*.opml)</source>
        <translation>Fichiers OPML (*.opml)</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Parsing file..</source>
        <translation>Lecture du fichier..</translation>
    </message>
    <message>
        <source>Parsing RSS links..</source>
        <translation>Lecture des liens RSS..</translation>
    </message>
    <message>
        <source>Starting retrieval of RSS urls..</source>
        <translation>Début de la récupération des URL RSS..</translation>
    </message>
    <message>
        <source>Connecting to server..</source>
        <translation>Connexion au serveur..</translation>
    </message>
    <message>
        <source>Connection failed..</source>
        <translation>La connexion a échoué..</translation>
    </message>
    <message>
        <source>Error..</source>
        <translation>Erreur..</translation>
    </message>
    <message>
        <source>Invalid hostname!..</source>
        <translation>Nom d&apos;hôte non valide !..</translation>
    </message>
</context>
<context>
    <name>tidewell::feeds::Tfrm_validator</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Feed files (*.rss *.xml)</source>
        <translation>Fichiers de flux (*.rss *.xml)</translation>
    </message>
</context>
<context>
    <name>tidewell::platform::HttpClient</name>
    <message>
        <source>%1 bytes were announced</source>
        <translation>%1 octets étaient annoncés</translation>
    </message>
    <message>
        <source>%1 redirected to %2: only http:// and https:// addresses are followed</source>
        <translation>%1 redirige vers %2 : seules les adresses http:// et https:// sont suivies</translation>
    </message>
    <message>
        <source>Redirected to %1</source>
        <translation>Redirigé vers %1</translation>
    </message>
    <message>
        <source>Requesting %1</source>
        <translation>Demande de %1</translation>
    </message>
    <message>
        <source>Looking up host %1</source>
        <translation>Recherche de l&apos;hôte %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <source>Host %1 not found</source>
        <translation>Hôte %1 introuvable</translation>
    </message>
    <message>
        <source>Time-out: %1 sent fewer than %2 bytes in %3 seconds</source>
        <translation>Délai dépassé : %1 a envoyé moins de %2 octets en %3 secondes</translation>
    </message>
    <message>
        <source>The answer from %1 is larger than %2 bytes</source>
        <translation>La réponse de %1 dépasse %2 octets</translation>
    </message>
    <message>
        <source>The transfer from %1 broke off before the answer was complete (%2 bytes received): %3</source>
        <translation>Le transfert depuis %1 s&apos;est interrompu avant la fin de la réponse (%2 octets reçus) : %3</translation>
    </message>
    <message>
        <source>The answer from %1 cannot be decoded: its content encoding &quot;%2&quot; is broken or unknown</source>
        <translation>La réponse de %1 ne peut pas être décodée : son encodage de contenu « %2 » est défectueux ou inconnu</translation>
    </message>
    <message>
        <source>Fetching %1 failed: %2</source>
        <translation>La récupération de %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Answer %1, %2 bytes</source>
        <translation>Réponse %1, %2 octets</translation>
    </message>
</context>
<context>
    <name>tidewell::platform::TransferClient</name>
    <message>
        <source>Connecting to %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <source>Listing %1</source>
        <translation>Liste de %1</translation>
    </message>
    <message>
        <source>Storing %1</source>
        <translation>Enregistrement de %1</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Le transfert a été annulé.</translation>
    </message>
    <message>
        <source>%1 stored</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Logged in to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>The directory listing is larger than %1 bytes.</source>
        <translation>La liste du répertoire dépasse %1 octets.</translation>
    </message>
    <message>
        <source>Unknown server</source>
        <translation>Serveur inconnu</translation>
    </message>
    <message>
        <source>The server %1 sent no host key.</source>
        <translation>Le serveur %1 n&apos;a envoyé aucune clé d&apos;hôte.</translation>
    </message>
    <message>
        <source>WARNING: the host key of %1 has changed; it is now %2. The connection was refused: someone may be listening in. If the server&apos;s key was really replaced, remove its line from %3 and connect again.</source>
        <translation>ATTENTION : la clé d&apos;hôte de %1 a changé ; elle vaut maintenant %2. La connexion a été refusée : quelqu&apos;un est peut-être à l&apos;écoute. Si la clé du serveur a vraiment été remplacée, supprimez sa ligne de %3 et reconnectez-vous.</translation>
    </message>
    <message>
        <source>The server %1 is not known yet. Its %2 host key has the fingerprint
%3
Do you trust this server and want to connect to it?</source>
        <translation>Le serveur %1 n&apos;est pas encore connu. Sa clé d&apos;hôte %2 a l&apos;empreinte
%3
Faites-vous confiance à ce serveur et voulez-vous vous y connecter ?</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) was not accepted.</source>
        <translation>La clé d&apos;hôte de %1 (%2) n&apos;a pas été acceptée.</translation>
    </message>
    <message>
        <source>The certificate of the server %1 cannot be verified (%2).
Its SHA-256 fingerprint is
%3
Do you trust this certificate for this server?</source>
        <translation>Le certificat du serveur %1 ne peut pas être vérifié (%2).
Son empreinte SHA-256 est
%3
Faites-vous confiance à ce certificat pour ce serveur ?</translation>
    </message>
    <message>
        <source>The certificate of %1 was not accepted (%2).</source>
        <translation>Le certificat de %1 n&apos;a pas été accepté (%2).</translation>
    </message>
</context>
<context>
    <name>tidewell::shell::TKLocalizerOnFly</name>
    <message>
        <source>Specified path &quot;%1&quot; does not exist</source>
        <translation>Le chemin indiqué « %1 » n&apos;existe pas</translation>
    </message>
    <message>
        <source>Language file &quot;%1&quot; not found</source>
        <translation>Fichier de langue « %1 » introuvable</translation>
    </message>
    <message>
        <source>Language file &quot;%1&quot; cannot be read</source>
        <translation>Le fichier de langue « %1 » ne peut pas être lu</translation>
    </message>
    <message>
        <source>Localizer is not initialized</source>
        <translation>La couche de langue n&apos;est pas initialisée</translation>
    </message>
</context>
<context>
    <name>tidewell::shell::Tmain</name>
    <message>
        <source>Open channel</source>
        <translation>Ouvrir un canal</translation>
    </message>
    <message>
        <source>Tidewell files (*.chf)</source>
        <translation>Fichiers Tidewell (*.chf)</translation>
    </message>
    <message>
        <source>Upload feed</source>
        <translation>Envoyer le flux</translation>
    </message>
    <message>
        <source>Make sure the current feed is up to date and saved.

Do you want to upload this feed now?</source>
        <translation>Vérifiez que le flux actuel est à jour et enregistré.

Voulez-vous envoyer ce flux maintenant ?</translation>
    </message>
    <message>
        <source>No web browser could be started to show the manual. Open this file in a browser:
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher le manuel. Ouvrez ce fichier dans un navigateur :
%1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
</context>
<context>
    <name>tidewell::transfer::Tfrm_exportdb</name>
    <message>
        <source>Select output directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>tidewell::transfer::Tfrm_upload</name>
    <message>
        <source>You have no feed to upload</source>
        <translation>Vous n&apos;avez aucun flux à envoyer</translation>
    </message>
</context>
</TS>
