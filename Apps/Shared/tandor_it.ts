<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Tandor</name>
    <message>
        <source>%@ (most recent; dates known for %lld of %lld items)</source>
        <translation>%@ (il più recente; date note per %lld elementi su %lld)</translation>
    </message>
    <message>
        <source>%@ (the most recent of %lld items)</source>
        <translation>%@ (il più recente di %lld elementi)</translation>
    </message>
    <message>
        <source>%@ It grows back, so a weekly check keeps it small.</source>
        <translation>%@ Si riforma, quindi un controllo settimanale lo tiene piccolo.</translation>
    </message>
    <message>
        <source>%@ is a link to %@. Choose that folder itself.</source>
        <translation>%1$@ è un collegamento a %2$@. Scegli direttamente quella cartella.</translation>
    </message>
    <message>
        <source>%@ is a link, not a folder.</source>
        <translation>%@ è un collegamento, non una cartella.</translation>
    </message>
    <message>
        <source>%@ is in the Trash now, so this decision cannot be taken back here. History can put it back.</source>
        <translation>%@ ora è nel Cestino, quindi questa decisione non si può annullare qui. La Cronologia può rimetterlo a posto.</translation>
    </message>
    <message>
        <source>%@ is installed</source>
        <translation>%@ è installata</translation>
    </message>
    <message>
        <source>%@ is on. It fills the pile; nothing moves until you confirm.</source>
        <translation>%@ è attiva. Riempie la pila; nulla viene spostato finché non confermi.</translation>
    </message>
    <message>
        <source>%@ moved to the Trash in %lld cleanups. Restoring never overwrites anything.</source>
        <translation>%1$@ spostati nel Cestino in %2$lld pulizie. Il ripristino non sovrascrive mai nulla.</translation>
    </message>
    <message>
        <source>%@ moved to the Trash in 1 cleanup. Restoring never overwrites anything.</source>
        <translation>%@ spostati nel Cestino in 1 pulizia. Il ripristino non sovrascrive mai nulla.</translation>
    </message>
    <message>
        <source>%@ stays as a normal folder.</source>
        <translation>%@ resta una cartella normale.</translation>
    </message>
    <message>
        <source>%@ takes %@.</source>
        <translation>%@ occupa %@.</translation>
    </message>
    <message>
        <source>%@ was not moved, because Tandor could not record the move first: %@</source>
        <translation>%1$@ non è stato spostato, perché Tandor non ha potuto prima registrare lo spostamento: %2$@</translation>
    </message>
    <message>
        <source>%@ · %lld files</source>
        <translation>%@ · %lld file</translation>
    </message>
    <message>
        <source>%@, put %@ in the pile for review.</source>
        <translation>%@, metti nella pila da controllare %@.</translation>
    </message>
    <message>
        <source>%@: all done</source>
        <translation>%@: tutto fatto</translation>
    </message>
    <message>
        <source>%@×%@ · %@</source>
        <translation>%1$@×%2$@ · %3$@</translation>
    </message>
    <message>
        <source>%@… %lld of %lld</source>
        <translation>%1$@… %2$lld di %3$lld</translation>
    </message>
    <message>
        <source>%lld %@, %@ on disk</source>
        <translation>%lld %@, %@ su disco</translation>
    </message>
    <message numerus="yes">
        <source>%lld bytes</source>
        <translation>
            <numerusform>%lld byte</numerusform>
            <numerusform>%lld byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld copies of %@ · %@</source>
        <translation>%1$lld copie da %2$@ · %3$@</translation>
    </message>
    <message numerus="yes">
        <source>%lld could not be moved and stay in the pile.</source>
        <translation>
            <numerusform>%lld non è stato spostato e resta nella pila.</numerusform>
            <numerusform>%lld non sono stati spostati e restano nella pila.</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld could not be restored:</source>
        <translation>Impossibile ripristinarne %lld:</translation>
    </message>
    <message>
        <source>%lld days ago</source>
        <translation>%lld giorni fa</translation>
    </message>
    <message numerus="yes">
        <source>%lld files are in iCloud only. Tandor does not download them to compare.</source>
        <translation>
            <numerusform>%lld file è solo in iCloud. Tandor non lo scarica per confrontarlo.</numerusform>
            <numerusform>%lld file sono solo in iCloud. Tandor non li scarica per confrontarli.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files could not be moved on and stay in %@.</source>
        <translation>
            <numerusform>Impossibile spostare altrove %1$lld file: resta in %2$@.</numerusform>
            <numerusform>Impossibile spostare altrove %1$lld file: restano in %2$@.</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld files could not be read.</source>
        <translation>Non è stato possibile leggere %lld file.</translation>
    </message>
    <message numerus="yes">
        <source>%lld files from %@ are on the pile. Nothing moves until you confirm it.</source>
        <translation>
            <numerusform>%1$lld file di %2$@ è nella pila. Nulla si sposta finché non confermi.</numerusform>
            <numerusform>%1$lld file di %2$@ sono nella pila. Nulla si sposta finché non confermi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files sorted into folders</source>
        <translation>
            <numerusform>%lld file smistato in cartelle</numerusform>
            <numerusform>%lld file smistati in cartelle</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld files · %@</source>
        <translation>%1$lld file · %2$@</translation>
    </message>
    <message numerus="yes">
        <source>%lld folders could not be read. Your user account may not have permission to read them.</source>
        <translation>
            <numerusform>Non è stato possibile leggere %lld cartella. Il tuo account utente potrebbe non avere il permesso di leggerla.</numerusform>
            <numerusform>Non è stato possibile leggere %lld cartelle. Il tuo account utente potrebbe non avere il permesso di leggerle.</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld groups of files with identical content (same size and SHA-256)</source>
        <translation>%lld gruppi di file con contenuto identico (stessa dimensione e SHA-256)</translation>
    </message>
    <message>
        <source>%lld groups of photos that look alike, compared on this computer by their image fingerprints</source>
        <translation>%lld gruppi di foto simili, confrontate su questo computer in base alla loro impronta visiva</translation>
    </message>
    <message numerus="yes">
        <source>%lld groups · %@ besides the best shots</source>
        <translation>
            <numerusform>%1$lld gruppo · %2$@ oltre agli scatti migliori</numerusform>
            <numerusform>%1$lld gruppi · %2$@ oltre agli scatti migliori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld groups · %@ in extra copies</source>
        <translation>
            <numerusform>%1$lld gruppo · %2$@ in copie in più</numerusform>
            <numerusform>%1$lld gruppi · %2$@ in copie in più</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld item, %@ on disk</source>
        <translation>%lld elemento, %@ su disco</translation>
    </message>
    <message numerus="yes">
        <source>%lld items · %@</source>
        <translation>
            <numerusform>%lld elemento · %@</numerusform>
            <numerusform>%lld elementi · %@</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld items, %@ on disk</source>
        <translation>%lld elementi, %@ su disco</translation>
    </message>
    <message>
        <source>%lld months ago</source>
        <translation>%lld mesi fa</translation>
    </message>
    <message numerus="yes">
        <source>%lld more groups are copy-on-write clones: they already share their space, so there is nothing to gain.</source>
        <translation>
            <numerusform>%lld altro gruppo è un clone copy-on-write: condivide già il suo spazio, quindi non c'è nulla da guadagnare.</numerusform>
            <numerusform>Altri %lld gruppi sono cloni copy-on-write: condividono già il loro spazio, quindi non c'è nulla da guadagnare.</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld more match but were opened recently, so they stay</source>
        <translation>Altri %lld corrispondono ma sono stati aperti di recente, quindi restano</translation>
    </message>
    <message numerus="yes">
        <source>%lld moved into folders</source>
        <translation>
            <numerusform>%lld spostato in cartelle</numerusform>
            <numerusform>%lld spostati in cartelle</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld of them matched by name only: check they are not used by another app</source>
        <translation>%lld trovati solo per nome: controlla che non li usi un'altra app</translation>
    </message>
    <message>
        <source>%lld on the pile (%@) · %lld kept · %lld for later</source>
        <translation>%1$lld nella pila (%2$@) · %3$lld tenuti · %4$lld per dopo</translation>
    </message>
    <message>
        <source>%lld photos</source>
        <translation>%lld foto</translation>
    </message>
    <message numerus="yes">
        <source>%lld smaller</source>
        <translation>
            <numerusform>%lld più piccolo</numerusform>
            <numerusform>%lld più piccoli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld smaller items</source>
        <translation>
            <numerusform>%lld elemento più piccolo</numerusform>
            <numerusform>%lld elementi più piccoli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld snapshots</source>
        <translation>
            <numerusform>%lld istantanea</numerusform>
            <numerusform>%lld istantanee</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld suggestions · %@</source>
        <translation>
            <numerusform>%lld suggerimento · %@</numerusform>
            <numerusform>%lld suggerimenti · %@</numerusform>
        </translation>
    </message>
    <message>
        <source>%lld years ago</source>
        <translation>%lld anni fa</translation>
    </message>
    <message>
        <source>%lld%% of the scan</source>
        <translation>%lld%% della scansione</translation>
    </message>
    <message>
        <source>, best shot</source>
        <translation>, scatto migliore</translation>
    </message>
    <message>
        <source>, in pile</source>
        <translation>, nella pila</translation>
    </message>
    <message>
        <source>.%@ files in %@</source>
        <translation>File .%@ in %@</translation>
    </message>
    <message>
        <source>.%@ files in %@ not opened for %lld days</source>
        <translation>i file .%@ in %@ non aperti da %lld giorni</translation>
    </message>
    <message>
        <source>.%@ files in %@ older than %lld days</source>
        <translation>i file .%@ in %@ più vecchi di %lld giorni</translation>
    </message>
    <message>
        <source>1 snapshot</source>
        <translation>1 istantanea</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 giorni</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 giorni</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 giorni</translation>
    </message>
    <message>
        <source>A copy exists elsewhere, so you can get it back later.</source>
        <translation>Ne esiste una copia altrove, quindi potrai recuperarlo in seguito.</translation>
    </message>
    <message>
        <source>A folder with the same name sits next to the archive, so its content is already on disk.</source>
        <translation>Accanto all'archivio c'è una cartella con lo stesso nome, quindi il suo contenuto è già sul disco.</translation>
    </message>
    <message>
        <source>A sorting folder can stay, move its files on, or offer them for the pile after a few days. History puts every move back.</source>
        <translation>Una cartella di smistamento può restare, spostare altrove i suoi file o proporli per la pila dopo qualche giorno. La Cronologia ripristina ogni spostamento.</translation>
    </message>
    <message>
        <source>AI assistant</source>
        <translation>Assistente IA</translation>
    </message>
    <message>
        <source>AI models</source>
        <translation>Modelli di IA</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add all but the best to pile</source>
        <translation>Aggiungi tutto tranne i migliori alla pila</translation>
    </message>
    <message>
        <source>Add all extra copies to pile</source>
        <translation>Aggiungi tutte le copie in più alla pila</translation>
    </message>
    <message>
        <source>Add all to pile</source>
        <translation>Aggiungi tutto alla pila</translation>
    </message>
    <message>
        <source>Add copies</source>
        <translation>Aggiungi copie</translation>
    </message>
    <message>
        <source>Add others</source>
        <translation>Aggiungi le altre</translation>
    </message>
    <message>
        <source>Add suggestions or single items here.</source>
        <translation>Aggiungi qui suggerimenti o singoli elementi.</translation>
    </message>
    <message>
        <source>Add this to claude_desktop_config.json (Claude → Settings → Developer → Edit Config), then restart Claude.</source>
        <translation>Aggiungi questo a claude_desktop_config.json (Claude → Impostazioni → Sviluppatore → Modifica configurazione), poi riavvia Claude.</translation>
    </message>
    <message>
        <source>Add this to ~/.codex/config.toml.</source>
        <translation>Aggiungi questo a ~/.codex/config.toml.</translation>
    </message>
    <message>
        <source>Add to Pile</source>
        <translation>Aggiungi alla pila</translation>
    </message>
    <message>
        <source>Add to pile</source>
        <translation>Aggiungi alla pila</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>All reviewed</source>
        <translation>Tutto rivisto</translation>
    </message>
    <message>
        <source>Already back at %@.</source>
        <translation>Già ripristinato in %@.</translation>
    </message>
    <message>
        <source>Already extracted to “%@”</source>
        <translation>Già estratto in “%@”</translation>
    </message>
    <message>
        <source>An assistant sees folder and file names, sizes and Tandor's suggestions. It can't move or delete files: it can only propose them here, and you decide.</source>
        <translation>Un assistente vede i nomi di cartelle e file, le dimensioni e i suggerimenti di Tandor. Non può spostare né eliminare file: può solo proporli qui, e decidi tu.</translation>
    </message>
    <message>
        <source>Anything you remove can be put back.</source>
        <translation>Tutto ciò che rimuovi si può ripristinare.</translation>
    </message>
    <message>
        <source>App %@ · %@</source>
        <translation>App %@ · %@</translation>
    </message>
    <message>
        <source>App %@, %lld leftover %@ %@</source>
        <translation>App %@, %lld residui %@ %@</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>Cache delle app</translation>
    </message>
    <message>
        <source>App data</source>
        <translation>Dati delle app</translation>
    </message>
    <message>
        <source>Apple app, Tandor leaves it alone</source>
        <translation>App di Apple, Tandor la lascia stare</translation>
    </message>
    <message>
        <source>Application Scripts</source>
        <translation>Script delle applicazioni</translation>
    </message>
    <message>
        <source>Application Support</source>
        <translation>Supporto applicazioni</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Apps rebuild caches on their own. Tandor's Caches suggestions show the parts that are safe to remove.</source>
        <translation>Le app ricostruiscono le cache da sole. I suggerimenti Cache di Tandor mostrano le parti che si possono rimuovere senza rischi.</translation>
    </message>
    <message>
        <source>Apps store temporary data here and recreate it when missing. Quit the app before cleaning its cache.</source>
        <translation>Le app conservano qui dati temporanei e li ricreano se mancano. Chiudi l'app prima di pulirne la cache.</translation>
    </message>
    <message>
        <source>Archived app builds. Keep the ones you may need to read crash reports of shipped versions.</source>
        <translation>Build di app archiviate. Tieni quelle che ti servono per leggere i rapporti di crash delle versioni pubblicate.</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivi</translation>
    </message>
    <message>
        <source>Archives already extracted</source>
        <translation>Archivi già estratti</translation>
    </message>
    <message>
        <source>Automations</source>
        <translation>Automazioni</translation>
    </message>
    <message numerus="yes">
        <source>Automations added %lld items (%@) to the pile. Review them, then move them to the Trash.</source>
        <translation>
            <numerusform>Le automazioni hanno aggiunto %lld elemento (%@) alla pila. Controllalo, poi spostalo nel Cestino.</numerusform>
            <numerusform>Le automazioni hanno aggiunto %lld elementi (%@) alla pila. Controllali, poi spostali nel Cestino.</numerusform>
        </translation>
    </message>
    <message>
        <source>Automations found nothing new.</source>
        <translation>Le automazioni non hanno trovato nulla di nuovo.</translation>
    </message>
    <message>
        <source>Automations only fill the pile. Nothing moves until you confirm it, and everything goes to the Trash.</source>
        <translation>Le automazioni riempiono solo la pila. Nulla viene spostato finché non confermi, e tutto va nel Cestino.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Back to decks</source>
        <translation>Torna ai mazzi</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Batch %lld of %lld done</source>
        <translation>Gruppo %1$lld di %2$lld completato</translation>
    </message>
    <message>
        <source>Batch %lld of %lld · %lld of %lld</source>
        <translation>Gruppo %1$lld di %2$lld · %3$lld di %4$lld</translation>
    </message>
    <message>
        <source>Batch size</source>
        <translation>Dimensione gruppo</translation>
    </message>
    <message>
        <source>Best quality score from image analysis (sharpness, exposure, framing)</source>
        <translation>Miglior punteggio di qualità dall'analisi dell'immagine (nitidezza, esposizione, inquadratura)</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Build folders</source>
        <translation>Cartelle di build</translation>
    </message>
    <message>
        <source>Build folders of dormant projects</source>
        <translation>Cartelle di build di progetti inattivi</translation>
    </message>
    <message>
        <source>Build folders, caches and old installers are usually the quickest wins.</source>
        <translation>Cartelle di build, cache e vecchi programmi di installazione sono di solito i guadagni più rapidi.</translation>
    </message>
    <message>
        <source>Build the project again in Xcode.</source>
        <translation>Compila di nuovo il progetto in Xcode.</translation>
    </message>
    <message>
        <source>Cached images and web data of chat apps. They download again from the server. Quit the app first.</source>
        <translation>Immagini e dati web in cache delle app di chat. Si riscaricano dal server. Chiudi prima l'app.</translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Caches and temporary files</source>
        <translation>Cache e file temporanei</translation>
    </message>
    <message>
        <source>Caches, old downloads, duplicates, leftovers of apps.</source>
        <translation>Cache, vecchi download, duplicati, resti di app.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Changed in the last 24 hours</source>
        <translation>Modificato nelle ultime 24 ore</translation>
    </message>
    <message>
        <source>Chats and attachments</source>
        <translation>Chat e allegati</translation>
    </message>
    <message>
        <source>Check each group first</source>
        <translation>Controlla prima ogni gruppo</translation>
    </message>
    <message>
        <source>Check that a copy is in Photos, iCloud or a backup before removing it.</source>
        <translation>Verifica che ci sia una copia in Foto, iCloud o in un backup prima di rimuoverlo.</translation>
    </message>
    <message>
        <source>Check the Trash again</source>
        <translation>Controlla di nuovo il Cestino</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Scegli una cartella…</translation>
    </message>
    <message>
        <source>Choose an app to see what it keeps on your computer.</source>
        <translation>Scegli un'app per vedere cosa conserva sul tuo computer.</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Clean them from inside the tool (for example `docker system prune`), so it stays consistent.</source>
        <translation>Puliscile dall'interno dello strumento (per esempio `docker system prune`), così resta coerente.</translation>
    </message>
    <message>
        <source>Click a folder to open it, click the top row to go up</source>
        <translation>Fai clic su una cartella per aprirla, sulla riga in alto per risalire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Code projects</source>
        <translation>Progetti di codice</translation>
    </message>
    <message>
        <source>Comparing the start and end of files</source>
        <translation>Confronto dell'inizio e della fine dei file</translation>
    </message>
    <message>
        <source>Comparing whole files</source>
        <translation>Confronto dei file interi</translation>
    </message>
    <message>
        <source>Compress the folder again, or download the archive again.</source>
        <translation>Comprimi di nuovo la cartella o scarica di nuovo l'archivio.</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>Connect the device to Xcode again.</source>
        <translation>Collega di nuovo il dispositivo a Xcode.</translation>
    </message>
    <message>
        <source>Containers</source>
        <translation>Contenitori</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Cookies and web data the app stored.</source>
        <translation>Cookie e dati web salvati dall'app.</translation>
    </message>
    <message>
        <source>Cookies the app stored.</source>
        <translation>Cookie salvati dall'app.</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Could not open the list of kept files.</source>
        <translation>Impossibile aprire l'elenco dei file tenuti.</translation>
    </message>
    <message>
        <source>Could not open the list of sorting folders.</source>
        <translation>Impossibile aprire l'elenco delle cartelle di smistamento.</translation>
    </message>
    <message>
        <source>Could not read the cleanup history: %@</source>
        <translation>Impossibile leggere la cronologia delle pulizie: %@</translation>
    </message>
    <message>
        <source>Could not save the cleanup history: %@</source>
        <translation>Impossibile salvare la cronologia delle pulizie: %@</translation>
    </message>
    <message>
        <source>Could not save the list of kept files: %@</source>
        <translation>Impossibile salvare l'elenco dei file tenuti: %@</translation>
    </message>
    <message>
        <source>Could not save the list of sorting folders: %@</source>
        <translation>Impossibile salvare l'elenco delle cartelle di smistamento: %@</translation>
    </message>
    <message>
        <source>Could not update the cleanup history: %@</source>
        <translation>Impossibile aggiornare la cronologia delle pulizie: %@</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>DEB, RPM, DMG and other installers you probably already used.</source>
        <translation>DEB, RPM, DMG e altri installer che probabilmente hai già usato.</translation>
    </message>
    <message>
        <source>Data apps keep to start faster, and files they need only for a while.</source>
        <translation>Dati che le app conservano per avviarsi più in fretta, e file che servono loro solo per un po'.</translation>
    </message>
    <message>
        <source>Data leaves this computer only through your AI app.</source>
        <translation>I dati lasciano questo computer solo tramite la tua app di IA.</translation>
    </message>
    <message>
        <source>Data shared between apps of the same developer. Other apps may still use it.</source>
        <translation>Dati condivisi tra le app dello stesso sviluppatore. Altre app potrebbero usarli ancora.</translation>
    </message>
    <message>
        <source>Data the app created. May include documents or libraries you want to keep.</source>
        <translation>Dati creati dall'app. Possono includere documenti o librerie che vuoi tenere.</translation>
    </message>
    <message>
        <source>Debug symbols copied from connected iPhones. Xcode copies them again when the device reconnects.</source>
        <translation>Simboli di debug copiati dagli iPhone collegati. Xcode li copia di nuovo quando il dispositivo si ricollega.</translation>
    </message>
    <message>
        <source>Decide later, undo anytime</source>
        <translation>Decidi dopo, annulla quando vuoi</translation>
    </message>
    <message>
        <source>Decide with the arrow keys</source>
        <translation>Decidi con i tasti freccia</translation>
    </message>
    <message>
        <source>Decks</source>
        <translation>Mazzi</translation>
    </message>
    <message>
        <source>Dependencies and build output of projects not changed for 3 months. The project's tools recreate them.</source>
        <translation>Dipendenze e risultati di build di progetti non modificati da 3 mesi. Gli strumenti del progetto li ricreano.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Sviluppo</translation>
    </message>
    <message>
        <source>Developer tools data</source>
        <translation>Dati degli strumenti per sviluppatori</translation>
    </message>
    <message>
        <source>Disk images</source>
        <translation>Immagini disco</translation>
    </message>
    <message>
        <source>Disk images of Docker, UTM, Parallels and similar tools. They grow and rarely shrink by themselves.</source>
        <translation>Immagini disco di Docker, UTM, Parallels e strumenti simili. Crescono e raramente si riducono da sole.</translation>
    </message>
    <message>
        <source>Disk map</source>
        <translation>Mappa del disco</translation>
    </message>
    <message>
        <source>Docker creates an empty disk on its next start; pull the images again.</source>
        <translation>Docker crea un disco vuoto al prossimo avvio; scarica di nuovo le immagini.</translation>
    </message>
    <message>
        <source>Docker disk image</source>
        <translation>Immagine disco di Docker</translation>
    </message>
    <message>
        <source>Docker keeps every image, container and volume in this one file. Prefer "docker system prune" if you use Docker; remove the file only if you do not.</source>
        <translation>Docker tiene ogni immagine, container e volume in questo unico file. Se usi Docker preferisci "docker system prune"; rimuovi il file solo se non lo usi.</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Download the installer again from the vendor.</source>
        <translation>Scarica di nuovo il programma di installazione dal produttore.</translation>
    </message>
    <message>
        <source>Downloaded Python wheels. pip downloads them again when needed.</source>
        <translation>Pacchetti wheel di Python scaricati. pip li riscarica quando servono.</translation>
    </message>
    <message>
        <source>Downloaded dependencies and build cache. Gradle restores them on the next build.</source>
        <translation>Dipendenze scaricate e cache di build. Gradle le ripristina alla build successiva.</translation>
    </message>
    <message>
        <source>Downloaded model weights. LM Studio can download them again.</source>
        <translation>Pesi di modelli scaricati. LM Studio può scaricarli di nuovo.</translation>
    </message>
    <message>
        <source>Downloaded model weights. They can be pulled again from the internet.</source>
        <translation>Pesi di modelli scaricati. Si possono riscaricare da internet.</translation>
    </message>
    <message>
        <source>Downloaded package archives. Yarn downloads them again when needed.</source>
        <translation>Archivi di pacchetti scaricati. Yarn li riscarica quando servono.</translation>
    </message>
    <message>
        <source>Downloaded package tarballs. npm downloads them again when needed.</source>
        <translation>Archivi tar di pacchetti scaricati. npm li riscarica quando servono.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Downloads often hold things you already opened, installed or saved elsewhere.</source>
        <translation>I download contengono spesso cose già aperte, installate o salvate altrove.</translation>
    </message>
    <message>
        <source>Duplicate files</source>
        <translation>File duplicati</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicati</translation>
    </message>
    <message>
        <source>Duplicates are compared by content, not by name.</source>
        <translation>I duplicati sono confrontati per contenuto, non per nome.</translation>
    </message>
    <message>
        <source>Each simulated device keeps its own apps, data and downloaded assets (for example Siri voices).</source>
        <translation>Ogni dispositivo simulato conserva app, dati e risorse scaricate propri (per esempio le voci di Siri).</translation>
    </message>
    <message>
        <source>Each virtual machine is a whole computer, with its own files inside. Keep the ones you still start.</source>
        <translation>Ogni macchina virtuale è un computer intero, con i suoi file dentro. Tieni quelle che avvii ancora.</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, largest first.</source>
        <translation>Tutto ciò che è nella cartella Download, dal più grande.</translation>
    </message>
    <message>
        <source>Everything you pick waits here. One click moves it to the Trash, and History can put it back.</source>
        <translation>Tutto ciò che scegli aspetta qui. Un clic lo sposta nel Cestino e la Cronologia può rimetterlo a posto.</translation>
    </message>
    <message>
        <source>Everything you remove goes to the Trash, and History can put it back.</source>
        <translation>Tutto ciò che rimuovi va nel Cestino, e la Cronologia può ripristinarlo.</translation>
    </message>
    <message>
        <source>Exists elsewhere</source>
        <translation>Esiste altrove</translation>
    </message>
    <message>
        <source>Files it keeps in your Library</source>
        <translation>File che conserva nella tua Libreria</translation>
    </message>
    <message>
        <source>Files over 50 MB not changed for a year.</source>
        <translation>File oltre 50 MB non modificati da un anno.</translation>
    </message>
    <message>
        <source>Files under 1 MB, app data in Library and hidden folders, app bundles and photo libraries are not compared.</source>
        <translation>I file sotto 1 MB, i dati delle app in Library e nelle cartelle nascoste, i pacchetti delle app e le librerie di foto non vengono confrontati.</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Trova duplicati</translation>
    </message>
    <message>
        <source>Find identical files and similar photos</source>
        <translation>Trova file identici e foto simili</translation>
    </message>
    <message>
        <source>Finishing the last cleanup…</source>
        <translation>Completamento dell'ultima pulizia…</translation>
    </message>
    <message>
        <source>First shot of the group</source>
        <translation>Primo scatto del gruppo</translation>
    </message>
    <message>
        <source>Flatpak sandbox</source>
        <translation>Sandbox Flatpak</translation>
    </message>
    <message>
        <source>Folder with %lld files</source>
        <translation>Cartella con %lld file</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Free %@</source>
        <translation>Liberi %@</translation>
    </message>
    <message>
        <source>From %@ to %@</source>
        <translation>Da %@ a %@</translation>
    </message>
    <message>
        <source>Full Disk Access is off. You can turn it on later.</source>
        <translation>L'accesso completo al disco è disattivato. Puoi attivarlo più tardi.</translation>
    </message>
    <message>
        <source>Full Disk Access is on</source>
        <translation>L'accesso completo al disco è attivo</translation>
    </message>
    <message>
        <source>Full local backups made by Finder when you back up a device to this Mac.</source>
        <translation>Backup locali completi fatti dal Finder quando esegui il backup di un dispositivo su questo Mac.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Gradle cache</source>
        <translation>Cache di Gradle</translation>
    </message>
    <message>
        <source>Group Containers</source>
        <translation>Contenitori di gruppo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help and language</source>
        <translation>Aiuto e lingua</translation>
    </message>
    <message>
        <source>Hide the disk map</source>
        <translation>Nascondi la mappa del disco</translation>
    </message>
    <message>
        <source>Highest resolution</source>
        <translation>Risoluzione più alta</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>History puts it back</source>
        <translation>La Cronologia la rimette a posto</translation>
    </message>
    <message>
        <source>History, logs and window state the app keeps between runs.</source>
        <translation>Cronologia, log e stato delle finestre che l'app conserva tra un avvio e l'altro.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Cartella Home</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Come funziona</translation>
    </message>
    <message>
        <source>Hugging Face cache</source>
        <translation>Cache di Hugging Face</translation>
    </message>
    <message>
        <source>Identical files</source>
        <translation>File identici</translation>
    </message>
    <message>
        <source>If the system asks to quit and reopen Tandor, say yes. This screen turns green on its own.</source>
        <translation>Se il sistema chiede di chiudere e riaprire Tandor, rispondi di sì. Questa schermata diventa verde da sola.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>In Pile</source>
        <translation>Nella pila</translation>
    </message>
    <message>
        <source>In pile</source>
        <translation>Nella pila</translation>
    </message>
    <message>
        <source>In the Trash. Put Back moves it to %@.</source>
        <translation>Nel Cestino. Ripristina lo rimette in %@.</translation>
    </message>
    <message>
        <source>In your Downloads folder</source>
        <translation>Nella cartella Download</translation>
    </message>
    <message>
        <source>Install the game again from your Steam library.</source>
        <translation>Installa di nuovo il gioco dalla tua libreria Steam.</translation>
    </message>
    <message>
        <source>Installed JavaScript packages. Your package manager installs them again from package.json.</source>
        <translation>Pacchetti JavaScript installati. Il tuo gestore di pacchetti li reinstalla da package.json.</translation>
    </message>
    <message>
        <source>Installed Steam games, one item per game. Steam can download them again; saves are usually in Steam Cloud.</source>
        <translation>Giochi Steam installati, un elemento per gioco. Steam può scaricarli di nuovo; i salvataggi di solito sono in Steam Cloud.</translation>
    </message>
    <message>
        <source>Installer file. Once the app is installed it is not needed, and it can be downloaded again.</source>
        <translation>File di installazione. Una volta installata l'app non serve più, e si può scaricare di nuovo.</translation>
    </message>
    <message>
        <source>Installer files not touched for a month. Once installed, the app no longer needs them.</source>
        <translation>Programmi di installazione non toccati da un mese. Una volta installata, l'app non ne ha più bisogno.</translation>
    </message>
    <message>
        <source>Installers</source>
        <translation>Programmi di installazione</translation>
    </message>
    <message>
        <source>Installers and disk images</source>
        <translation>Installer e immagini disco</translation>
    </message>
    <message>
        <source>Installers of apps you already have</source>
        <translation>Programmi di installazione di app che hai già</translation>
    </message>
    <message>
        <source>Intermediate build output. Xcode rebuilds it on the next build.</source>
        <translation>Risultati intermedi di build. Xcode li ricrea alla build successiva.</translation>
    </message>
    <message>
        <source>It could not be moved: %@</source>
        <translation>Non è stato possibile spostarlo: %@</translation>
    </message>
    <message>
        <source>It is in use.</source>
        <translation>È in uso.</translation>
    </message>
    <message>
        <source>It is no longer there.</source>
        <translation>Non è più lì.</translation>
    </message>
    <message>
        <source>It is safe to remove: it is rebuilt automatically when needed.</source>
        <translation>Si può rimuovere senza rischi: viene ricreato automaticamente quando serve.</translation>
    </message>
    <message>
        <source>It now catches %@, but you approved about %@.</source>
        <translation>Ora trova %@, ma ne avevi approvati circa %@.</translation>
    </message>
    <message>
        <source>It takes %@ today</source>
        <translation>Oggi occupa %@</translation>
    </message>
    <message>
        <source>Its disk has no Trash that can be used safely.</source>
        <translation>Il suo disco non ha un Cestino che si possa usare in sicurezza.</translation>
    </message>
    <message>
        <source>Its disk is full.</source>
        <translation>Il suo disco è pieno.</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>TIENI</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Tieni</translation>
    </message>
    <message>
        <source>Keep as a Normal Folder</source>
        <translation>Tieni come cartella normale</translation>
    </message>
    <message>
        <source>Keep it and stop showing it</source>
        <translation>Tienilo e non mostrarlo più</translation>
    </message>
    <message>
        <source>Keep it as a normal folder</source>
        <translation>Tienila come cartella normale</translation>
    </message>
    <message>
        <source>Keep this copy instead</source>
        <translation>Tieni invece questa copia</translation>
    </message>
    <message>
        <source>Keep this one as the best</source>
        <translation>Tieni questa come migliore</translation>
    </message>
    <message>
        <source>Keeps the copy outside Downloads</source>
        <translation>Tiene la copia fuori da Download</translation>
    </message>
    <message>
        <source>Keeps the copy outside temporary folders</source>
        <translation>Tiene la copia fuori dalle cartelle temporanee</translation>
    </message>
    <message>
        <source>Keeps the copy that is not named like a copy</source>
        <translation>Tiene la copia che non ha il nome di una copia</translation>
    </message>
    <message>
        <source>Keeps the copy with the shortest path</source>
        <translation>Tiene la copia con il percorso più corto</translation>
    </message>
    <message>
        <source>Keeps the oldest copy</source>
        <translation>Tiene la copia più vecchia</translation>
    </message>
    <message>
        <source>LATER</source>
        <translation>DOPO</translation>
    </message>
    <message>
        <source>LM Studio models</source>
        <translation>Modelli di LM Studio</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>File grandi</translation>
    </message>
    <message>
        <source>Large videos</source>
        <translation>Video grandi</translation>
    </message>
    <message>
        <source>Largest file, least compressed</source>
        <translation>File più grande, meno compresso</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Dal più grande</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>Elementi più grandi</translation>
    </message>
    <message>
        <source>Last changed %@</source>
        <translation>Ultima modifica %@</translation>
    </message>
    <message>
        <source>Last opened %lld days ago</source>
        <translation>Ultima apertura %lld giorni fa</translation>
    </message>
    <message>
        <source>Last opened today</source>
        <translation>Aperto oggi</translation>
    </message>
    <message>
        <source>Last opened yesterday</source>
        <translation>Aperto ieri</translation>
    </message>
    <message>
        <source>Last opened: unknown</source>
        <translation>Ultima apertura: sconosciuta</translation>
    </message>
    <message>
        <source>Last run %@</source>
        <translation>Ultima esecuzione %@</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Later (↓)</source>
        <translation>Più tardi (↓)</translation>
    </message>
    <message>
        <source>Left to the pile, right to keep. Arrow keys work too.</source>
        <translation>A sinistra nella pila, a destra per tenere. Funzionano anche i tasti freccia.</translation>
    </message>
    <message>
        <source>Let AI assistants read Tandor's analysis</source>
        <translation>Consenti agli assistenti IA di leggere l'analisi di Tandor</translation>
    </message>
    <message>
        <source>Let Tandor see your whole home folder</source>
        <translation>Lascia che Tandor veda tutta la tua cartella Home</translation>
    </message>
    <message>
        <source>Light as a balloon: drop what you don't need.</source>
        <translation>Leggero come una mongolfiera: lascia cadere ciò che non ti serve.</translation>
    </message>
    <message>
        <source>Local Time Machine snapshots</source>
        <translation>Istantanee locali di Time Machine</translation>
    </message>
    <message>
        <source>Local backups made by Finder, one per device. Keep the latest one of a device you still use, unless it is backed up to iCloud.</source>
        <translation>Backup locali creati dal Finder, uno per dispositivo. Tieni l'ultimo di un dispositivo che usi ancora, a meno che non sia salvato su iCloud.</translation>
    </message>
    <message>
        <source>Location in use</source>
        <translation>Posizione occupata</translation>
    </message>
    <message>
        <source>Log files. Only useful for debugging the app.</source>
        <translation>File di log. Utili solo per il debug dell'app.</translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>Elementi di login</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Logs and diagnostic reports</source>
        <translation>Log e rapporti diagnostici</translation>
    </message>
    <message>
        <source>Looking at photos with image fingerprints… %lld of %lld</source>
        <translation>Confronto le foto con le impronte delle immagini… %1$lld di %2$lld</translation>
    </message>
    <message>
        <source>Looking for files of the same size…</source>
        <translation>Cerco file della stessa dimensione…</translation>
    </message>
    <message>
        <source>Looking for leftovers…</source>
        <translation>Ricerca dei residui…</translation>
    </message>
    <message>
        <source>MOVE</source>
        <translation>SPOSTA</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Matched by name only: check it is not used by another app.</source>
        <translation>Trovato solo per nome: controlla che non sia usato da un'altra app.</translation>
    </message>
    <message>
        <source>Measure Again</source>
        <translation>Misura di nuovo</translation>
    </message>
    <message>
        <source>Measured parts only</source>
        <translation>Solo le parti misurate</translation>
    </message>
    <message>
        <source>Measuring System Data…</source>
        <translation>Misurazione dei Dati di sistema…</translation>
    </message>
    <message>
        <source>Measuring your home folder</source>
        <translation>Misuro la tua cartella Home</translation>
    </message>
    <message>
        <source>Menu entry</source>
        <translation>Voce di menu</translation>
    </message>
    <message>
        <source>Messages attachments</source>
        <translation>Allegati di Messaggi</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Messaggistica</translation>
    </message>
    <message>
        <source>Models and datasets downloaded by Python tools. They download again on next use.</source>
        <translation>Modelli e dataset scaricati da strumenti Python. Si riscaricano al prossimo uso.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>More views</source>
        <translation>Altre viste</translation>
    </message>
    <message>
        <source>Most recent change %lld days ago (%@)</source>
        <translation>Modifica più recente %lld giorni fa (%@)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message numerus="yes">
        <source>Move %lld items (%@) to the Trash?</source>
        <translation>
            <numerusform>Spostare %lld elemento (%@) nel Cestino?</numerusform>
            <numerusform>Spostare %lld elementi (%@) nel Cestino?</numerusform>
        </translation>
    </message>
    <message>
        <source>Move (↑)</source>
        <translation>Sposta (↑)</translation>
    </message>
    <message>
        <source>Move Files to Another Folder…</source>
        <translation>Sposta i file in un'altra cartella…</translation>
    </message>
    <message>
        <source>Move On Now</source>
        <translation>Sposta ora</translation>
    </message>
    <message>
        <source>Move the files to another folder</source>
        <translation>Sposta i file in un'altra cartella</translation>
    </message>
    <message>
        <source>Move to %@ (↑)</source>
        <translation>Sposta in %@ (↑)</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message>
        <source>Move to a folder (↑)</source>
        <translation>Sposta in una cartella (↑)</translation>
    </message>
    <message numerus="yes">
        <source>Moved %lld files on. You can put them back from History.</source>
        <translation>
            <numerusform>Spostato altrove %lld file. Puoi ripristinarlo dalla Cronologia.</numerusform>
            <numerusform>Spostati altrove %lld file. Puoi ripristinarli dalla Cronologia.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %lld items (%@) to the Trash. Empty the Trash to get the space back.</source>
        <translation>
            <numerusform>Spostato %lld elemento (%@) nel Cestino. Svuota il Cestino per recuperare lo spazio.</numerusform>
            <numerusform>Spostati %lld elementi (%@) nel Cestino. Svuota il Cestino per recuperare lo spazio.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves on</source>
        <translation>Va altrove</translation>
    </message>
    <message>
        <source>Moving on stopped, because Tandor could not record the moves first: %@</source>
        <translation>Spostamento interrotto, perché Tandor non ha potuto prima registrare gli spostamenti: %@</translation>
    </message>
    <message>
        <source>Music and audio</source>
        <translation>Musica e audio</translation>
    </message>
    <message>
        <source>Name, for example To check</source>
        <translation>Nome, per esempio Da controllare</translation>
    </message>
    <message>
        <source>Needs review</source>
        <translation>Da controllare</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>New Sorting Folder…</source>
        <translation>Nuova cartella di smistamento…</translation>
    </message>
    <message>
        <source>New sorting folder</source>
        <translation>Nuova cartella di smistamento</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Dal più recente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message numerus="yes">
        <source>Next %lld files</source>
        <translation>
            <numerusform>Prossimo %lld file</numerusform>
            <numerusform>Prossimi %lld file</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps found.</source>
        <translation>Nessuna app trovata.</translation>
    </message>
    <message>
        <source>No automation is on yet.</source>
        <translation>Nessuna automazione è ancora attiva.</translation>
    </message>
    <message>
        <source>No cleanups yet.</source>
        <translation>Ancora nessuna pulizia.</translation>
    </message>
    <message>
        <source>No folder chosen</source>
        <translation>Nessuna cartella scelta</translation>
    </message>
    <message>
        <source>No folders yet. Press ↑ on a card to start sorting.</source>
        <translation>Ancora nessuna cartella. Premi ↑ su una scheda per iniziare a smistare.</translation>
    </message>
    <message>
        <source>No identical files found.</source>
        <translation>Nessun file identico trovato.</translation>
    </message>
    <message>
        <source>No leftovers found in your Library.</source>
        <translation>Nessun residuo trovato nella tua Libreria.</translation>
    </message>
    <message>
        <source>No longer in the Trash, so it cannot be put back. The Trash was probably emptied.</source>
        <translation>Non è più nel Cestino, quindi non si può ripristinare. Probabilmente il Cestino è stato svuotato.</translation>
    </message>
    <message>
        <source>No similar photos found.</source>
        <translation>Nessuna foto simile trovata.</translation>
    </message>
    <message>
        <source>Not changed for over %lld months. Tandor cannot tell whether you still need it.</source>
        <translation>Non modificato da oltre %lld mesi. Tandor non può sapere se ti serve ancora.</translation>
    </message>
    <message>
        <source>Not put back: %@ is no longer the file that was moved there.</source>
        <translation>Non ripristinato: %@ non è più il file che era stato spostato lì.</translation>
    </message>
    <message>
        <source>Nothing has gone to the Trash yet.</source>
        <translation>Non è ancora andato nulla nel Cestino.</translation>
    </message>
    <message>
        <source>Nothing has moved yet.</source>
        <translation>Non è stato spostato ancora nulla.</translation>
    </message>
    <message>
        <source>Nothing is lost by mistake</source>
        <translation>Niente si perde per errore</translation>
    </message>
    <message>
        <source>Nothing leaves yet</source>
        <translation>Per ora non se ne va niente</translation>
    </message>
    <message>
        <source>Nothing left to review here.</source>
        <translation>Qui non resta nulla da rivedere.</translation>
    </message>
    <message>
        <source>Nothing moved yet.</source>
        <translation>Ancora nulla è stato spostato.</translation>
    </message>
    <message>
        <source>Nothing to do: it shrinks after a restart. Quitting heavy apps keeps it small.</source>
        <translation>Non devi fare nulla: si riduce dopo un riavvio. Chiudere le app pesanti la mantiene piccola.</translation>
    </message>
    <message>
        <source>Nothing to do: macOS frees it automatically. It overlaps with other items here, so it is not added to the total.</source>
        <translation>Non devi fare nulla: macOS lo libera automaticamente. Si sovrappone ad altre voci di questo elenco, quindi non è sommato al totale.</translation>
    </message>
    <message>
        <source>Nothing to do: macOS removes them by itself after 24 hours, or sooner when space runs low. Their size cannot be measured by apps.</source>
        <translation>Non devi fare nulla: macOS le rimuove da solo dopo 24 ore, o prima quando lo spazio scarseggia. Le app non possono misurarne la dimensione.</translation>
    </message>
    <message>
        <source>Nothing worth cleaning found.</source>
        <translation>Niente che valga la pena pulire.</translation>
    </message>
    <message>
        <source>Nothing yet.</source>
        <translation>Ancora niente.</translation>
    </message>
    <message>
        <source>Nothing yet. Tandor learns from your cleanups.</source>
        <translation>Ancora niente. Tandor impara dalle tue pulizie.</translation>
    </message>
    <message>
        <source>Offer for the Pile in 30 Days</source>
        <translation>Proponi per la pila tra 30 giorni</translation>
    </message>
    <message>
        <source>Offer for the Pile in 7 Days</source>
        <translation>Proponi per la pila tra 7 giorni</translation>
    </message>
    <message>
        <source>Offer the files for the pile</source>
        <translation>Proponi i file per la pila</translation>
    </message>
    <message>
        <source>Old device support files</source>
        <translation>Vecchi file di supporto dei dispositivi</translation>
    </message>
    <message>
        <source>Old files</source>
        <translation>File vecchi</translation>
    </message>
    <message>
        <source>Old installers in Downloads</source>
        <translation>Vecchi programmi di installazione in Download</translation>
    </message>
    <message>
        <source>Old screen recordings</source>
        <translation>Vecchie registrazioni dello schermo</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Dal più vecchio</translation>
    </message>
    <message>
        <source>Ollama models</source>
        <translation>Modelli di Ollama</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attive</translation>
    </message>
    <message>
        <source>On the pile from this deck: %@</source>
        <translation>Nella pila da questo mazzo: %@</translation>
    </message>
    <message>
        <source>On this computer only</source>
        <translation>Solo su questo computer</translation>
    </message>
    <message>
        <source>One copy always stays</source>
        <translation>Una copia resta sempre</translation>
    </message>
    <message>
        <source>One file at a time, in short batches. Swipe left or press ← to put it on the pile, right or → to keep it, down or ↓ to decide later, up or ↑ to move it into a folder. Nothing goes to the Trash until you confirm the pile.</source>
        <translation>Un file alla volta, in piccoli gruppi. Trascina a sinistra o premi ← per metterlo nella pila, a destra o → per tenerlo, in basso o ↓ per decidere più tardi, in alto o ↑ per spostarlo in una cartella. Nulla va nel Cestino finché non confermi la pila.</translation>
    </message>
    <message>
        <source>One of My Folders…</source>
        <translation>Una delle mie cartelle…</translation>
    </message>
    <message>
        <source>Only copy</source>
        <translation>Unica copia</translation>
    </message>
    <message>
        <source>Only fills the pile</source>
        <translation>Riempie solo la pila</translation>
    </message>
    <message>
        <source>Only photo</source>
        <translation>Unica foto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open Privacy &amp; Security › Full Disk Access.</source>
        <translation>Apri Privacy e sicurezza › Accesso completo al disco.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Apri Impostazioni</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Apri Impostazioni di sistema</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Apri nel gestore di file</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Other files</source>
        <translation>Altri file</translation>
    </message>
    <message>
        <source>PILE</source>
        <translation>PILA</translation>
    </message>
    <message>
        <source>Partly shared with a copy-on-write clone: only this much comes back.</source>
        <translation>In parte condiviso con un clone copy-on-write: si recupera solo questo.</translation>
    </message>
    <message>
        <source>Paused: %@ Preview it again from Suggested to turn it back on.</source>
        <translation>In pausa: %@ Guarda di nuovo l'anteprima da Suggerite per riattivarla.</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photos &amp; videos</source>
        <translation>Foto e video</translation>
    </message>
    <message>
        <source>Photos 2024</source>
        <translation>Foto 2024</translation>
    </message>
    <message>
        <source>Photos and files received in Messages. With Messages in iCloud they stay in iCloud; otherwise this is the only copy on the Mac.</source>
        <translation>Foto e file ricevuti in Messaggi. Con Messaggi su iCloud restano su iCloud; altrimenti questa è l'unica copia sul Mac.</translation>
    </message>
    <message>
        <source>Photos and videos Telegram saved on this Mac. They stay in Telegram's cloud and download again when you open the chat.</source>
        <translation>Foto e video che Telegram ha salvato su questo Mac. Restano nel cloud di Telegram e si riscaricano quando apri la chat.</translation>
    </message>
    <message>
        <source>Photos, videos and documents received in WhatsApp, one item per chat. Keep what is not saved anywhere else.</source>
        <translation>Foto, video e documenti ricevuti in WhatsApp, un elemento per chat. Tieni ciò che non è salvato altrove.</translation>
    </message>
    <message>
        <source>Pick one of your folders, or let Tandor make a sorting folder in ~/Tandor.</source>
        <translation>Scegli una delle tue cartelle, o lascia che Tandor crei una cartella di smistamento in ~/Tandor.</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Pile (←)</source>
        <translation>Pila (←)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Press ↑ while swiping to move a file into a folder. Use one of your folders, or let Tandor make a sorting folder and decide later what happens to it. Every move can be put back from History.</source>
        <translation>Premi ↑ durante la revisione per spostare un file in una cartella. Usa una delle tue cartelle, oppure lascia che Tandor crei una cartella di smistamento e decidi dopo cosa farne. Ogni spostamento si può annullare dalla Cronologia.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Preview (space)</source>
        <translation>Anteprima (spazio)</translation>
    </message>
    <message>
        <source>Preview it first</source>
        <translation>Prima guarda l'anteprima</translation>
    </message>
    <message>
        <source>Project “%@” last changed %lld days ago</source>
        <translation>Progetto “%@” modificato l'ultima volta %lld giorni fa</translation>
    </message>
    <message>
        <source>Proposed by your assistant</source>
        <translation>Proposti dal tuo assistente</translation>
    </message>
    <message>
        <source>Purgeable %@</source>
        <translation>Eliminabili %@</translation>
    </message>
    <message>
        <source>Purgeable space</source>
        <translation>Spazio eliminabile</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Ripristinato</translation>
    </message>
    <message>
        <source>Put back %@ (%@).</source>
        <translation>Ripristinato %@ (%@).</translation>
    </message>
    <message numerus="yes">
        <source>Put back %lld items (%@).</source>
        <translation>
            <numerusform>Ripristinato %lld elemento (%@).</numerusform>
            <numerusform>Ripristinati %lld elementi (%@).</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit %@ first.</source>
        <translation>Prima chiudi %@.</translation>
    </message>
    <message>
        <source>Quit Tandor</source>
        <translation>Esci da Tandor</translation>
    </message>
    <message>
        <source>RAW photos</source>
        <translation>Foto RAW</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>Read only. They can't delete anything.</source>
        <translation>Solo lettura. Non possono eliminare nulla.</translation>
    </message>
    <message>
        <source>Reading file details</source>
        <translation>Lettura dei dettagli dei file</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronta</translation>
    </message>
    <message>
        <source>Ready for a first look</source>
        <translation>Pronto per un primo sguardo</translation>
    </message>
    <message>
        <source>Records that macOS and apps write while they run, plus crash reports.</source>
        <translation>Registrazioni che macOS e le app scrivono mentre sono in funzione, più i rapporti sugli arresti anomali.</translation>
    </message>
    <message>
        <source>Reduce motion</source>
        <translation>Riduci il movimento</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Regenerable</source>
        <translation>Rigenerabile</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Restart Tandor?</source>
        <translation>Riavviare Tandor?</translation>
    </message>
    <message>
        <source>Restarting empties the pile; nothing on it is moved to the Trash.</source>
        <translation>Il riavvio svuota la pila; nulla di ciò che contiene viene spostato nel Cestino.</translation>
    </message>
    <message>
        <source>Restore All (%lld)</source>
        <translation>Ripristina tutti (%lld)</translation>
    </message>
    <message>
        <source>Review them in Finder: select the device, then Manage Backups. Keep the latest one of each device you still use.</source>
        <translation>Controllali nel Finder: seleziona il dispositivo, poi Gestisci backup. Tieni il più recente di ogni dispositivo che usi ancora.</translation>
    </message>
    <message>
        <source>Run now</source>
        <translation>Esegui ora</translation>
    </message>
    <message>
        <source>Run npm install, yarn or pnpm install in the project.</source>
        <translation>Esegui npm install, yarn o pnpm install nel progetto.</translation>
    </message>
    <message>
        <source>Run the project's install or build command (npm install, swift build, cargo build, pod install).</source>
        <translation>Esegui il comando di installazione o di build del progetto (npm install, swift build, cargo build, pod install).</translation>
    </message>
    <message>
        <source>Run this once in a terminal.</source>
        <translation>Esegui questo comando una volta in un terminale.</translation>
    </message>
    <message>
        <source>Safe to remove once the device is updated: Finder downloads them again if needed.</source>
        <translation>Si possono rimuovere una volta aggiornato il dispositivo: se serve, il Finder li scarica di nuovo.</translation>
    </message>
    <message>
        <source>Same email %@</source>
        <translation>Stessa email %@</translation>
    </message>
    <message>
        <source>Same phone number ending in %@</source>
        <translation>Stesso numero di telefono che termina con %@</translation>
    </message>
    <message>
        <source>Saved window state</source>
        <translation>Stato delle finestre salvato</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizza</translation>
    </message>
    <message>
        <source>Scan Home Folder</source>
        <translation>Analizza la cartella Home</translation>
    </message>
    <message>
        <source>Scan again to see them in Browse.</source>
        <translation>Esegui di nuovo la scansione per vederli in Sfoglia.</translation>
    </message>
    <message>
        <source>Scan first to see what it would pick.</source>
        <translation>Esegui prima una scansione per vedere cosa sceglierebbe.</translation>
    </message>
    <message>
        <source>Scan home folder</source>
        <translation>Analizza la cartella Home</translation>
    </message>
    <message>
        <source>Scan to see your files by category.</source>
        <translation>Esegui una scansione per vedere i tuoi file per categoria.</translation>
    </message>
    <message>
        <source>Screen recordings</source>
        <translation>Registrazioni dello schermo</translation>
    </message>
    <message>
        <source>Screen recordings not touched for a month. Most are made to share once.</source>
        <translation>Registrazioni dello schermo non toccate da un mese. Quasi tutte servono per una sola condivisione.</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Istantanee dello schermo</translation>
    </message>
    <message>
        <source>Scripts folder the system creates for sandboxed apps.</source>
        <translation>Cartella di script che il sistema crea per le app in sandbox.</translation>
    </message>
    <message>
        <source>Search again</source>
        <translation>Cerca di nuovo</translation>
    </message>
    <message>
        <source>Search apps</source>
        <translation>Cerca app</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>See where the space in your home folder goes</source>
        <translation>Scopri dove va lo spazio della tua cartella Home</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Shared caches of the iOS Simulator. They are rebuilt on the next launch.</source>
        <translation>Cache condivise del Simulatore iOS. Si ricreano al prossimo avvio.</translation>
    </message>
    <message numerus="yes">
        <source>Show %lld kept files again</source>
        <translation>
            <numerusform>Mostra di nuovo %lld file tenuto</numerusform>
            <numerusform>Mostra di nuovo %lld file tenuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Show Original Location</source>
        <translation>Mostra la posizione originale</translation>
    </message>
    <message>
        <source>Show Tandor in File Manager</source>
        <translation>Mostra Tandor nel file manager</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostra nel file manager</translation>
    </message>
    <message>
        <source>Show in Trash</source>
        <translation>Mostra nel Cestino</translation>
    </message>
    <message>
        <source>Show the disk map</source>
        <translation>Mostra la mappa del disco</translation>
    </message>
    <message>
        <source>Shows the app in the applications menu. Without the app it starts nothing.</source>
        <translation>Mostra l'app nel menu delle applicazioni. Senza l'app non avvia nulla.</translation>
    </message>
    <message>
        <source>Similar is not identical: look at each group before moving anything. Click a photo to add it to the pile or take it out; right-click for more.</source>
        <translation>Simile non vuol dire identico: guarda ogni gruppo prima di spostare qualcosa. Fai clic su una foto per aggiungerla alla pila o toglierla; clic destro per altro.</translation>
    </message>
    <message>
        <source>Similar photos</source>
        <translation>Foto simili</translation>
    </message>
    <message>
        <source>Simulator caches</source>
        <translation>Cache del Simulatore</translation>
    </message>
    <message>
        <source>Simulator devices</source>
        <translation>Dispositivi del Simulatore</translation>
    </message>
    <message>
        <source>Single files over 1 GB. Tandor cannot tell whether you still need them.</source>
        <translation>Singoli file oltre 1 GB. Tandor non può sapere se ti servono ancora.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Skip for Now</source>
        <translation>Salta per ora</translation>
    </message>
    <message>
        <source>Slack, Discord and Teams caches</source>
        <translation>Cache di Slack, Discord e Teams</translation>
    </message>
    <message>
        <source>Small files</source>
        <translation>File piccoli</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>Smart</translation>
    </message>
    <message>
        <source>Something new is at %@. Move or rename it first; Tandor never overwrites files.</source>
        <translation>In %@ c'è qualcosa di nuovo. Spostalo o rinominalo prima; Tandor non sovrascrive mai i file.</translation>
    </message>
    <message>
        <source>Sort while you swipe</source>
        <translation>Smista mentre scorri</translation>
    </message>
    <message>
        <source>Sorting folders</source>
        <translation>Cartelle di smistamento</translation>
    </message>
    <message>
        <source>Space freed by moving this copy</source>
        <translation>Spazio liberato spostando questa copia</translation>
    </message>
    <message>
        <source>Space macOS can free on demand: iCloud files that also live in the cloud, old snapshots and some caches. It is counted as used, but apps that need room get it.</source>
        <translation>Spazio che macOS può liberare quando serve: file di iCloud che si trovano anche nel cloud, vecchie istantanee e alcune cache. È contato come usato, ma le app che hanno bisogno di spazio lo ottengono.</translation>
    </message>
    <message>
        <source>Start sorting</source>
        <translation>Inizia a smistare</translation>
    </message>
    <message>
        <source>Starts a helper of the app at login. Without the app it only fails in the background.</source>
        <translation>Avvia un programma di supporto dell'app al login. Senza l'app fallisce soltanto in background.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Stays</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Steam games</source>
        <translation>Giochi Steam</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>Passo %lld di %lld</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stop Tracking</source>
        <translation>Smetti di seguire</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Suggerite</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Swap and sleep image</source>
        <translation>Swap e immagine di stop</translation>
    </message>
    <message>
        <source>Swipe</source>
        <translation>Scorri</translation>
    </message>
    <message>
        <source>Swipe review</source>
        <translation>Revisione a schede</translation>
    </message>
    <message>
        <source>Swipe to decide</source>
        <translation>Scorri per decidere</translation>
    </message>
    <message>
        <source>Swipe up or press ↑ to move a file into a folder. It moves right away.</source>
        <translation>Trascina in alto o premi ↑ per spostare un file in una cartella. Si sposta subito.</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Dati di sistema</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>Take back the last decision</source>
        <translation>Annulla l'ultima decisione</translation>
    </message>
    <message>
        <source>Take it back out</source>
        <translation>Togli dalla pila</translation>
    </message>
    <message>
        <source>Take it back out of the pile</source>
        <translation>Toglila dalla pila</translation>
    </message>
    <message>
        <source>Tandor Tutorial</source>
        <translation>Tutorial di Tandor</translation>
    </message>
    <message>
        <source>Tandor can scan without it and tells you how many folders it skipped.</source>
        <translation>Tandor può analizzare anche senza e ti dice quante cartelle ha saltato.</translation>
    </message>
    <message>
        <source>Tandor cannot tell if you still need it, so have a look before removing it.</source>
        <translation>Tandor non può sapere se ti serve ancora, quindi controlla prima di rimuoverlo.</translation>
    </message>
    <message>
        <source>Tandor compares files of the same size byte for byte, and looks at photos through image fingerprints, all on this computer. It reads files but never changes them, and one copy of everything always stays.</source>
        <translation>Tandor confronta byte per byte i file della stessa dimensione e osserva le foto tramite le impronte delle immagini, tutto su questo computer. Legge i file ma non li modifica mai, e una copia di tutto resta sempre.</translation>
    </message>
    <message>
        <source>Tandor finds the clutter</source>
        <translation>Tandor trova il disordine</translation>
    </message>
    <message>
        <source>Tandor groups files by name and location only, on this computer. Nothing is opened or sent anywhere.</source>
        <translation>Tandor raggruppa i file solo per nome e posizione, su questo computer. Nulla viene aperto né inviato altrove.</translation>
    </message>
    <message>
        <source>Tandor measured %@ of System Data</source>
        <translation>Tandor ha misurato %@ di Dati di sistema</translation>
    </message>
    <message>
        <source>Tandor measures every folder, then suggests what can go. Nothing moves until you confirm, and everything goes to the Trash first.</source>
        <translation>Tandor misura ogni cartella, poi suggerisce cosa può andare via. Nulla si sposta finché non confermi, e tutto passa prima dal Cestino.</translation>
    </message>
    <message>
        <source>Tandor moves it right away. You can put it back at any time.</source>
        <translation>Tandor lo sposta subito. Puoi ripristinarlo quando vuoi.</translation>
    </message>
    <message>
        <source>Tandor never moves this to the Trash.</source>
        <translation>Tandor non sposta mai questo elemento nel Cestino.</translation>
    </message>
    <message>
        <source>Tandor only reads during a scan. Nothing moves until you confirm.</source>
        <translation>Durante l'analisi Tandor legge soltanto. Nulla si sposta finché non confermi.</translation>
    </message>
    <message>
        <source>Tandor reads what your user account can read and counts the folders it cannot.</source>
        <translation>Tandor legge ciò che il tuo account utente può leggere e conta le cartelle che non può leggere.</translation>
    </message>
    <message>
        <source>Tandor reminds you. Nothing goes to the Trash unless you confirm the pile.</source>
        <translation>Tandor te lo ricorda. Nulla va nel Cestino se non confermi la pila.</translation>
    </message>
    <message>
        <source>Tandor shows the new language after a restart.</source>
        <translation>Tandor mostra la nuova lingua dopo un riavvio.</translation>
    </message>
    <message>
        <source>Tandor's Developer suggestions explain which parts Xcode rebuilds by itself.</source>
        <translation>I suggerimenti Sviluppo di Tandor spiegano quali parti Xcode ricostruisce da solo.</translation>
    </message>
    <message>
        <source>Tandor's path, %@, is not valid UTF-8, so no set-up text can name it. Move Tandor to a folder whose name is valid UTF-8.</source>
        <translation>Il percorso di Tandor, %@, non è UTF-8 valido, quindi nessun testo di configurazione può indicarlo. Sposta Tandor in una cartella il cui nome sia UTF-8 valido.</translation>
    </message>
    <message>
        <source>Tandor's program file was moved or removed after it started, so no set-up text can name it. Start Tandor again from where it is now.</source>
        <translation>Il file del programma Tandor è stato spostato o rimosso dopo l'avvio, quindi nessun testo di configurazione può indicarlo. Avvia di nuovo Tandor da dove si trova ora.</translation>
    </message>
    <message>
        <source>Telegram downloaded media</source>
        <translation>Media scaricati da Telegram</translation>
    </message>
    <message>
        <source>Temporary data. Not needed without the app.</source>
        <translation>Dati temporanei. Non servono senza l'app.</translation>
    </message>
    <message>
        <source>That copy is inside %@, which is on the pile, so it would leave with it. Take that folder off the pile first.</source>
        <translation>Questa copia è dentro %@, che è nella pila, quindi se ne andrebbe con essa. Togli prima quella cartella dalla pila.</translation>
    </message>
    <message>
        <source>That is the copy Tandor keeps. Choose another copy to keep first.</source>
        <translation>È la copia che Tandor tiene. Scegli prima un'altra copia da tenere.</translation>
    </message>
    <message>
        <source>That is the shot Tandor keeps. Right-click another photo to keep it instead.</source>
        <translation>È lo scatto che Tandor tiene. Fai clic destro su un'altra foto per tenere quella.</translation>
    </message>
    <message>
        <source>That would move every copy of %@. One copy always stays.</source>
        <translation>Così sposteresti ogni copia di %@. Una copia resta sempre.</translation>
    </message>
    <message>
        <source>That would move every photo of the group. One always stays.</source>
        <translation>Così sposteresti ogni foto del gruppo. Una resta sempre.</translation>
    </message>
    <message>
        <source>The Categories view shows where every gigabyte goes, by kind of file.</source>
        <translation>La vista Categorie mostra dove va ogni gigabyte, per tipo di file.</translation>
    </message>
    <message>
        <source>The app and the selected files go to the pile. Nothing moves until you confirm.</source>
        <translation>L'app e i file selezionati vanno nella pila. Nulla viene spostato finché non confermi.</translation>
    </message>
    <message>
        <source>The app is already installed, so its installer is no longer needed.</source>
        <translation>L'app è già installata, quindi il suo programma di installazione non serve più.</translation>
    </message>
    <message>
        <source>The app's sandbox, with its data and settings.</source>
        <translation>La sandbox dell'app, con i suoi dati e le sue impostazioni.</translation>
    </message>
    <message>
        <source>The app's settings for this Mac. Only needed if you install it again.</source>
        <translation>Le impostazioni dell'app per questo Mac. Servono solo se la reinstalli.</translation>
    </message>
    <message>
        <source>The app's settings. Only needed if you install it again.</source>
        <translation>Le impostazioni dell'app. Servono solo se la reinstalli.</translation>
    </message>
    <message>
        <source>The app's settings; some apps keep all their data here too.</source>
        <translation>Le impostazioni dell'app; alcune app tengono qui anche tutti i loro dati.</translation>
    </message>
    <message>
        <source>The cleanup history could not be written, so it stayed.</source>
        <translation>Non è stato possibile scrivere la cronologia delle pulizie, quindi è rimasto qui.</translation>
    </message>
    <message>
        <source>The list below shows the same items.</source>
        <translation>L'elenco qui sotto mostra gli stessi elementi.</translation>
    </message>
    <message>
        <source>The switch could not be saved: %@</source>
        <translation>Non è stato possibile salvare l'interruttore: %@</translation>
    </message>
    <message>
        <source>The system does not tell apps an exact System Data number. Tandor shows the parts it can measure, and never removes them by itself.</source>
        <translation>Il sistema non comunica alle app un valore esatto dei Dati di sistema. Tandor mostra le parti che può misurare e non le rimuove mai da solo.</translation>
    </message>
    <message>
        <source>Then ask, for example: “What fills my disk? Propose what I can clean in Tandor.”</source>
        <translation>Poi chiedi, per esempio: “Cosa riempie il mio disco? Proponi cosa posso pulire in Tandor.”</translation>
    </message>
    <message>
        <source>These results come from an earlier scan. Search again to update them.</source>
        <translation>Questi risultati vengono da una scansione precedente. Cerca di nuovo per aggiornarli.</translation>
    </message>
    <message>
        <source>This folder is no longer in the scan.</source>
        <translation>Questa cartella non è più nella scansione.</translation>
    </message>
    <message>
        <source>This is an Apple app. Tandor does not uninstall it.</source>
        <translation>Questa è un'app di Apple. Tandor non la disinstalla.</translation>
    </message>
    <message>
        <source>Time Machine keeps hourly snapshots of your disk for about 24 hours, so you can restore files even when the backup disk is not connected. They hold on to the space of files you already deleted.</source>
        <translation>Time Machine conserva per circa 24 ore istantanee orarie del disco, così puoi ripristinare i file anche quando il disco di backup non è collegato. Trattengono lo spazio dei file che hai già eliminato.</translation>
    </message>
    <message>
        <source>To check</source>
        <translation>Da controllare</translation>
    </message>
    <message>
        <source>To get it back: %@</source>
        <translation>Per recuperarlo: %@</translation>
    </message>
    <message>
        <source>To the pile</source>
        <translation>Nella pila</translation>
    </message>
    <message>
        <source>Today it would pick %lld %@, %@</source>
        <translation>Oggi sceglierebbe %lld %@, %@</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Trash emptied</source>
        <translation>Cestino svuotato</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Turn on Tandor. If it is not in the list, click +, or drag Tandor from the file manager window into the list.</source>
        <translation>Attiva Tandor. Se non è nell'elenco, fai clic su +, oppure trascina Tandor dalla finestra del file manager nell'elenco.</translation>
    </message>
    <message>
        <source>Turn on this automation</source>
        <translation>Attiva questa automazione</translation>
    </message>
    <message>
        <source>Tutorial and language</source>
        <translation>Tutorial e lingua</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo last</source>
        <translation>Annulla l'ultima</translation>
    </message>
    <message>
        <source>Uninstall %@</source>
        <translation>Disinstalla %@</translation>
    </message>
    <message>
        <source>Update files Finder downloaded to install iOS or iPadOS.</source>
        <translation>File di aggiornamento che il Finder ha scaricato per installare iOS o iPadOS.</translation>
    </message>
    <message>
        <source>Use This Folder</source>
        <translation>Usa questa cartella</translation>
    </message>
    <message>
        <source>Use for ↑</source>
        <translation>Usa per ↑</translation>
    </message>
    <message>
        <source>Used %@</source>
        <translation>Usati %@</translation>
    </message>
    <message>
        <source>Usually under a minute.</source>
        <translation>Di solito meno di un minuto.</translation>
    </message>
    <message>
        <source>Version %@, %@</source>
        <translation>Versione %@, %@</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Videos over 200 MB outside photo libraries.</source>
        <translation>Video oltre 200 MB fuori dalle librerie di foto.</translation>
    </message>
    <message>
        <source>Virtual machines</source>
        <translation>Macchine virtuali</translation>
    </message>
    <message>
        <source>Virtual machines and Docker</source>
        <translation>Macchine virtuali e Docker</translation>
    </message>
    <message>
        <source>Virtual machines and containers</source>
        <translation>Macchine virtuali e container</translation>
    </message>
    <message>
        <source>Web content cache of the app.</source>
        <translation>Cache dei contenuti web dell'app.</translation>
    </message>
    <message>
        <source>Web storage</source>
        <translation>Dati web</translation>
    </message>
    <message>
        <source>Welcome to Tandor</source>
        <translation>Benvenuto in Tandor</translation>
    </message>
    <message>
        <source>What is in System Data</source>
        <translation>Cosa c'è nei Dati di sistema</translation>
    </message>
    <message>
        <source>What you could free, by category</source>
        <translation>Cosa potresti liberare, per categoria</translation>
    </message>
    <message>
        <source>WhatsApp media</source>
        <translation>Media di WhatsApp</translation>
    </message>
    <message>
        <source>When memory is full, macOS moves part of it to disk. The sleep image saves memory when the Mac sleeps.</source>
        <translation>Quando la memoria è piena, macOS ne sposta una parte sul disco. L'immagine di stop salva la memoria quando il Mac va in stop.</translation>
    </message>
    <message>
        <source>When you are done with it</source>
        <translation>Quando hai finito</translation>
    </message>
    <message>
        <source>When you ask, your AI app (Claude or Codex) sends what it reads from Tandor to its service, under your account. Tandor has no server and sends nothing itself. Turn this off and assistants can't connect.</source>
        <translation>Quando lo chiedi, la tua app di IA (Claude o Codex) invia al suo servizio ciò che legge da Tandor, con il tuo account. Tandor non ha un server e non invia nulla da sé. Disattiva questa opzione e gli assistenti non potranno collegarsi.</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>Where Move puts files</source>
        <translation>Dove Sposta mette i file</translation>
    </message>
    <message>
        <source>Where should this file go?</source>
        <translation>Dove deve andare questo file?</translation>
    </message>
    <message>
        <source>Who uses the space</source>
        <translation>Chi usa lo spazio</translation>
    </message>
    <message>
        <source>Window positions macOS restores when the app opens.</source>
        <translation>Posizioni delle finestre che macOS ripristina quando l'app si apre.</translation>
    </message>
    <message>
        <source>Without it, Mail, Messages and app data are skipped.</source>
        <translation>Senza, Mail, Messaggi e i dati delle app vengono saltati.</translation>
    </message>
    <message>
        <source>Written by Tandor from the facts below.</source>
        <translation>Scritto da Tandor in base ai fatti qui sotto.</translation>
    </message>
    <message>
        <source>Written on this computer by the on-device language model from the facts below. Nothing left your computer.</source>
        <translation>Scritto su questo computer dal modello linguistico locale in base ai fatti qui sotto. Nulla ha lasciato il tuo computer.</translation>
    </message>
    <message>
        <source>Xcode and simulators</source>
        <translation>Xcode e simulatori</translation>
    </message>
    <message>
        <source>Xcode archives</source>
        <translation>Archivi di Xcode</translation>
    </message>
    <message>
        <source>Xcode build data</source>
        <translation>Dati di build di Xcode</translation>
    </message>
    <message>
        <source>Xcode build data, simulators and device support files. macOS counts them as System Data.</source>
        <translation>Dati di compilazione di Xcode, simulatori e file di supporto dei dispositivi. macOS li conta come Dati di sistema.</translation>
    </message>
    <message>
        <source>Xcode can create the device again, but data inside it is lost.</source>
        <translation>Xcode può ricreare il dispositivo, ma i dati al suo interno vanno persi.</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Cache di Yarn</translation>
    </message>
    <message>
        <source>You can put them back from the Trash, or from Tandor's history.</source>
        <translation>Puoi ripristinarli dal Cestino o dalla cronologia di Tandor.</translation>
    </message>
    <message>
        <source>You chose this copy</source>
        <translation>Hai scelto questa copia</translation>
    </message>
    <message>
        <source>You chose this shot</source>
        <translation>Hai scelto questo scatto</translation>
    </message>
    <message>
        <source>You cleaned it on %lld different days, %@ in total</source>
        <translation>L'hai pulito in %lld giorni diversi, %@ in tutto</translation>
    </message>
    <message>
        <source>You confirm the whole pile. It goes to the Trash, and History can put it back.</source>
        <translation>Confermi tu tutta la pila. Va nel Cestino, e la Cronologia può rimetterla a posto.</translation>
    </message>
    <message>
        <source>You could free</source>
        <translation>Potresti liberare</translation>
    </message>
    <message>
        <source>You have no permission to move it.</source>
        <translation>Non hai il permesso di spostarlo.</translation>
    </message>
    <message>
        <source>You moved %lld .%@ files from %@ to the Trash in the last %lld months (%@)</source>
        <translation>Hai spostato nel Cestino %lld file .%@ da %@ negli ultimi %lld mesi (%@)</translation>
    </message>
    <message>
        <source>You never put one back</source>
        <translation>Non ne hai mai ripristinato nessuno</translation>
    </message>
    <message>
        <source>You put back %lld of them</source>
        <translation>Ne hai ripristinati %lld</translation>
    </message>
    <message>
        <source>You seem to remove these once you are done with them. Files opened in the last 30 days are left alone.</source>
        <translation>Sembra che tu li rimuova quando non ti servono più. I file aperti negli ultimi 30 giorni restano dove sono.</translation>
    </message>
    <message>
        <source>Your AI app starts Tandor in the background when it needs it. Folders your user account can't read stay hidden from it too.</source>
        <translation>La tua app di IA avvia Tandor in background quando le serve. Anche le cartelle che il tuo account utente non può leggere le restano nascoste.</translation>
    </message>
    <message>
        <source>Your folders, or Tandor's</source>
        <translation>Le tue cartelle, o quelle di Tandor</translation>
    </message>
    <message>
        <source>app caches</source>
        <translation>cache delle app</translation>
    </message>
    <message>
        <source>at least %@</source>
        <translation>almeno %@</translation>
    </message>
    <message>
        <source>automations.json could not be read: %@</source>
        <translation>Impossibile leggere automations.json: %@</translation>
    </message>
    <message>
        <source>build folders of dormant projects</source>
        <translation>cartelle di build di progetti inattivi</translation>
    </message>
    <message>
        <source>elapsed</source>
        <translation>trascorsi</translation>
    </message>
    <message>
        <source>files</source>
        <translation>file</translation>
    </message>
    <message>
        <source>gradle cache</source>
        <translation>cache di Gradle</translation>
    </message>
    <message>
        <source>iPhone and iPad backups</source>
        <translation>Backup di iPhone e iPad</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates</source>
        <translation>Aggiornamenti software di iPhone e iPad</translation>
    </message>
    <message>
        <source>item</source>
        <translation>elemento</translation>
    </message>
    <message>
        <source>items</source>
        <translation>elementi</translation>
    </message>
    <message>
        <source>items in %@</source>
        <translation>gli elementi in %@</translation>
    </message>
    <message>
        <source>items in %@ not opened for %lld days</source>
        <translation>gli elementi in %@ non aperti da %lld giorni</translation>
    </message>
    <message>
        <source>items in %@ older than %lld days</source>
        <translation>gli elementi in %@ più vecchi di %lld giorni</translation>
    </message>
    <message>
        <source>macOS handles it</source>
        <translation>Ci pensa macOS</translation>
    </message>
    <message>
        <source>macOS rotates its own logs. App logs in your Library can be reviewed in Tandor's suggestions.</source>
        <translation>macOS ricicla da solo i propri log. I log delle app nella tua Libreria si possono rivedere nei suggerimenti di Tandor.</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>misurati</translation>
    </message>
    <message>
        <source>node_modules folders</source>
        <translation>Cartelle node_modules</translation>
    </message>
    <message>
        <source>not measurable</source>
        <translation>non misurabile</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>Cache di npm</translation>
    </message>
    <message>
        <source>old device support files</source>
        <translation>vecchi file di supporto dei dispositivi</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>Cache di pip</translation>
    </message>
    <message>
        <source>ready for the pile</source>
        <translation>pronta per la pila</translation>
    </message>
    <message>
        <source>simulator caches</source>
        <translation>cache del Simulatore</translation>
    </message>
    <message>
        <source>slack, discord and teams caches</source>
        <translation>cache di Slack, Discord e Teams</translation>
    </message>
    <message>
        <source>stays a folder</source>
        <translation>resta una cartella</translation>
    </message>
    <message>
        <source>then to %@</source>
        <translation>poi in %@</translation>
    </message>
    <message numerus="yes">
        <source>to the pile in %lld days</source>
        <translation>
            <numerusform>nella pila tra %lld giorno</numerusform>
            <numerusform>nella pila tra %lld giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>xcode build data</source>
        <translation>dati di build di Xcode</translation>
    </message>
    <message>
        <source>yarn cache</source>
        <translation>cache di Yarn</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ieri</translation>
    </message>
    <message>
        <source>your folder</source>
        <translation>cartella tua</translation>
    </message>
    <message>
        <source>· %@</source>
        <translation>· %@</translation>
    </message>
    <message numerus="yes">
        <source>· %lld put back</source>
        <translation>
            <numerusform>· %lld ripristinato</numerusform>
            <numerusform>· %lld ripristinati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %lld more</source>
        <translation>
            <numerusform>… e %lld altro</numerusform>
            <numerusform>… e altri %lld</numerusform>
        </translation>
    </message>
    <message>
        <source>← pile · → keep · ↓ later · ↑ move</source>
        <translation>← pila · → tieni · ↓ dopo · ↑ sposta</translation>
    </message>
    <message>
        <source>← to the pile, → to keep, Space for a preview, ⌫ to undo.</source>
        <translation>← nella pila, → da tenere, Spazio per l'anteprima, ⌫ per annullare.</translation>
    </message>
    <message>
        <source>↑ goes here</source>
        <translation>↑ va qui</translation>
    </message>
    <message>
        <source>→ %@</source>
        <translation>→ %@</translation>
    </message>
</context>
</TS>
