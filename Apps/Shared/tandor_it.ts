<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Tandor</name>
    <message>
        <source>%@ (most recent; the recently used list knows %lld of %lld items)</source>
        <translation>%@ (il più recente; l'elenco dei file usati di recente ne conosce %lld su %lld)</translation>
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
        <source>%@ · %lld files</source>
        <translation>%@ · %lld file</translation>
    </message>
    <message>
        <source>%lld %@, %@ on disk</source>
        <translation>%lld %@, %@ su disco</translation>
    </message>
    <message>
        <source>%lld could not be moved and stay in the pile.</source>
        <translation>%lld non sono stati spostati e restano nella pila.</translation>
    </message>
    <message>
        <source>%lld could not be restored:</source>
        <translation>Impossibile ripristinarne %lld:</translation>
    </message>
    <message>
        <source>%lld days ago</source>
        <translation>%lld giorni fa</translation>
    </message>
    <message>
        <source>%lld files could not be moved on and stay in %@.</source>
        <translation>Impossibile spostare altrove %1$lld file: restano in %2$@.</translation>
    </message>
    <message>
        <source>%lld files from %@ are on the pile. Nothing moves until you confirm it.</source>
        <translation>%1$lld file di %2$@ sono nella pila. Nulla si sposta finché non confermi.</translation>
    </message>
    <message>
        <source>%lld files sorted into folders</source>
        <translation>%lld file smistati in cartelle</translation>
    </message>
    <message>
        <source>%lld groups of files with identical content (same size and SHA-256)</source>
        <translation>%lld gruppi di file con contenuto identico (stessa dimensione e SHA-256)</translation>
    </message>
    <message>
        <source>%lld groups of photos that look alike, compared on this computer by their image fingerprints</source>
        <translation>%lld gruppi di foto simili, confrontate su questo computer in base alla loro impronta visiva</translation>
    </message>
    <message>
        <source>%lld item, %@ on disk</source>
        <translation>%lld elemento, %@ su disco</translation>
    </message>
    <message>
        <source>%lld items · %@</source>
        <translation>%lld elementi · %@</translation>
    </message>
    <message>
        <source>%lld items, %@ on disk</source>
        <translation>%lld elementi, %@ su disco</translation>
    </message>
    <message>
        <source>%lld months ago</source>
        <translation>%lld mesi fa</translation>
    </message>
    <message>
        <source>%lld more match but were opened recently, so they stay</source>
        <translation>Altri %lld corrispondono ma sono stati aperti di recente, quindi restano</translation>
    </message>
    <message>
        <source>%lld of them matched by name only: check they are not used by another app</source>
        <translation>%lld trovati solo per nome: controlla che non li usi un'altra app</translation>
    </message>
    <message>
        <source>%lld smaller</source>
        <translation>%lld più piccoli</translation>
    </message>
    <message>
        <source>%lld smaller items</source>
        <translation>%lld elementi più piccoli</translation>
    </message>
    <message>
        <source>%lld suggestions · %@</source>
        <translation>%lld suggerimenti · %@</translation>
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
        <source>.%@ files in %@</source>
        <translation>File .%@ in %@</translation>
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
        <source>AI models</source>
        <translation>Modelli di IA</translation>
    </message>
    <message>
        <source>Add suggestions or single items here.</source>
        <translation>Aggiungi qui suggerimenti o singoli elementi.</translation>
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
        <source>Already back at %@.</source>
        <translation>Già ripristinato in %@.</translation>
    </message>
    <message>
        <source>Already extracted to “%@”</source>
        <translation>Già estratto in “%@”</translation>
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
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
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
    <message>
        <source>Automations added %lld items (%@) to the pile. Review them, then move them to the Trash.</source>
        <translation>Le automazioni hanno aggiunto %lld elementi (%@) alla pila. Controllali, poi spostali nel Cestino.</translation>
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
        <source>Backups</source>
        <translation>Backup</translation>
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
        <source>Check the Trash again</source>
        <translation>Controlla di nuovo il Cestino</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Choose an app to see what it keeps on your computer.</source>
        <translation>Scegli un'app per vedere cosa conserva sul tuo computer.</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Click a folder to open it, click the top row to go up</source>
        <translation>Fai clic su una cartella per aprirla, sulla riga in alto per risalire</translation>
    </message>
    <message>
        <source>Code projects</source>
        <translation>Progetti di codice</translation>
    </message>
    <message>
        <source>Compress the folder again, or download the archive again.</source>
        <translation>Comprimi di nuovo la cartella o scarica di nuovo l'archivio.</translation>
    </message>
    <message>
        <source>Connect the device to Xcode again.</source>
        <translation>Collega di nuovo il dispositivo a Xcode.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
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
        <source>Debug symbols copied from connected iPhones. Xcode copies them again when the device reconnects.</source>
        <translation>Simboli di debug copiati dagli iPhone collegati. Xcode li copia di nuovo quando il dispositivo si ricollega.</translation>
    </message>
    <message>
        <source>Decide with the arrow keys</source>
        <translation>Decidi con i tasti freccia</translation>
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
        <source>Disk images</source>
        <translation>Immagini disco</translation>
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
        <source>Folder with %lld files</source>
        <translation>Cartella con %lld file</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Font</translation>
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
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>History puts it back</source>
        <translation>La Cronologia la rimette a posto</translation>
    </message>
    <message>
        <source>Hugging Face cache</source>
        <translation>Cache di Hugging Face</translation>
    </message>
    <message>
        <source>If the system asks to quit and reopen Tandor, say yes. This screen turns green on its own.</source>
        <translation>Se il sistema chiede di chiudere e riaprire Tandor, rispondi di sì. Questa schermata diventa verde da sola.</translation>
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
        <source>Installer files not touched for a month. Once installed, the app no longer needs them.</source>
        <translation>Programmi di installazione non toccati da un mese. Una volta installata, l'app non ne ha più bisogno.</translation>
    </message>
    <message>
        <source>Installers</source>
        <translation>Programmi di installazione</translation>
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
        <source>Left to the pile, right to keep. Arrow keys work too.</source>
        <translation>A sinistra nella pila, a destra per tenere. Funzionano anche i tasti freccia.</translation>
    </message>
    <message>
        <source>Let Tandor see the whole disk</source>
        <translation>Lascia che Tandor veda tutto il disco</translation>
    </message>
    <message>
        <source>Light as a balloon: drop what you don't need.</source>
        <translation>Leggero come una mongolfiera: lascia cadere ciò che non ti serve.</translation>
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
        <source>Looking for leftovers…</source>
        <translation>Ricerca dei residui…</translation>
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
        <source>Measuring your home folder</source>
        <translation>Misuro la tua cartella Inizio</translation>
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
        <source>Move %lld items (%@) to the Trash?</source>
        <translation>Spostare %lld elementi (%@) nel Cestino?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message>
        <source>Moved %lld files on. You can put them back from History.</source>
        <translation>Spostati altrove %lld file. Puoi ripristinarli dalla Cronologia.</translation>
    </message>
    <message>
        <source>Moved %lld items (%@) to the Trash. Empty the Trash to get the space back.</source>
        <translation>Spostati %lld elementi (%@) nel Cestino. Svuota il Cestino per recuperare lo spazio.</translation>
    </message>
    <message>
        <source>Music and audio</source>
        <translation>Musica e audio</translation>
    </message>
    <message>
        <source>Needs review</source>
        <translation>Da controllare</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
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
        <source>No leftovers found in your Library.</source>
        <translation>Nessun residuo trovato nella tua Libreria.</translation>
    </message>
    <message>
        <source>No longer in the Trash, so it cannot be put back. The Trash was probably emptied.</source>
        <translation>Non è più nel Cestino, quindi non si può ripristinare. Probabilmente il Cestino è stato svuotato.</translation>
    </message>
    <message>
        <source>Not changed for over %lld months. Tandor cannot tell whether you still need it.</source>
        <translation>Non modificato da oltre %lld mesi. Tandor non può sapere se ti serve ancora.</translation>
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
        <source>Nothing moved yet.</source>
        <translation>Ancora nulla è stato spostato.</translation>
    </message>
    <message>
        <source>Nothing worth cleaning found.</source>
        <translation>Niente che valga la pena pulire.</translation>
    </message>
    <message>
        <source>Nothing yet. Tandor learns from your cleanups.</source>
        <translation>Ancora niente. Tandor impara dalle tue pulizie.</translation>
    </message>
    <message>
        <source>Old device support files</source>
        <translation>Vecchi file di supporto dei dispositivi</translation>
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
        <source>Ollama models</source>
        <translation>Modelli di Ollama</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attive</translation>
    </message>
    <message>
        <source>On this computer only</source>
        <translation>Solo su questo computer</translation>
    </message>
    <message>
        <source>Only fills the pile</source>
        <translation>Riempie solo la pila</translation>
    </message>
    <message>
        <source>Open Privacy &amp; Security › Full Disk Access.</source>
        <translation>Apri Privacy e sicurezza › Accesso completo al disco.</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Apri Impostazioni di sistema</translation>
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
        <source>Pile</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
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
    <message>
        <source>Put back %lld items (%@).</source>
        <translation>Ripristinati %lld elementi (%@).</translation>
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
        <source>Ready for a first look</source>
        <translation>Pronto per un primo sguardo</translation>
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
        <source>Restore All (%lld)</source>
        <translation>Ripristina tutti (%lld)</translation>
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
        <source>Same email %@</source>
        <translation>Stessa email %@</translation>
    </message>
    <message>
        <source>Same phone number ending in %@</source>
        <translation>Stesso numero di telefono che termina con %@</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizza</translation>
    </message>
    <message>
        <source>Scan Home Folder</source>
        <translation>Analizza la cartella Inizio</translation>
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
        <translation>Analizza la cartella Inizio</translation>
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
        <source>Search apps</source>
        <translation>Cerca app</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>See where the space in your home folder goes</source>
        <translation>Scopri dove va lo spazio della tua cartella Inizio</translation>
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
        <source>Steam games</source>
        <translation>Giochi Steam</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>Passo %lld di %lld</translation>
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
        <source>Swipe</source>
        <translation>Scorri</translation>
    </message>
    <message>
        <source>Swipe to decide</source>
        <translation>Scorri per decidere</translation>
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
        <source>Take it back out</source>
        <translation>Togli dalla pila</translation>
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
        <source>Tandor finds the clutter</source>
        <translation>Tandor trova il disordine</translation>
    </message>
    <message>
        <source>Tandor groups files by name and location only, on this computer. Nothing is opened or sent anywhere.</source>
        <translation>Tandor raggruppa i file solo per nome e posizione, su questo computer. Nulla viene aperto né inviato altrove.</translation>
    </message>
    <message>
        <source>Tandor measures every folder, then suggests what can go. Nothing moves until you confirm, and everything goes to the Trash first.</source>
        <translation>Tandor misura ogni cartella, poi suggerisce cosa può andare via. Nulla si sposta finché non confermi, e tutto passa prima dal Cestino.</translation>
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
        <source>Tandor shows the new language after a restart.</source>
        <translation>Tandor mostra la nuova lingua dopo un riavvio.</translation>
    </message>
    <message>
        <source>Telegram downloaded media</source>
        <translation>Media scaricati da Telegram</translation>
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
        <source>The app is already in Applications, so its installer is no longer needed.</source>
        <translation>L'app è già in Applicazioni, quindi il suo programma di installazione non serve più.</translation>
    </message>
    <message>
        <source>The list below shows the same items.</source>
        <translation>L'elenco qui sotto mostra gli stessi elementi.</translation>
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
        <source>To get it back: %@</source>
        <translation>Per recuperarlo: %@</translation>
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
        <source>Uninstall %@</source>
        <translation>Disinstalla %@</translation>
    </message>
    <message>
        <source>Use This Folder</source>
        <translation>Usa questa cartella</translation>
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
        <source>Virtual machines</source>
        <translation>Macchine virtuali</translation>
    </message>
    <message>
        <source>Virtual machines and Docker</source>
        <translation>Macchine virtuali e Docker</translation>
    </message>
    <message>
        <source>Welcome to Tandor</source>
        <translation>Benvenuto in Tandor</translation>
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
        <source>Who uses the space</source>
        <translation>Chi usa lo spazio</translation>
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
        <source>You moved %lld .%@ files from %@ to the Trash in the last %lld months (%@)</source>
        <translation>Hai spostato nel Cestino %lld file .%@ da %@ negli ultimi %lld mesi (%@)</translation>
    </message>
    <message>
        <source>You put back %lld of them</source>
        <translation>Ne hai ripristinati %lld</translation>
    </message>
    <message>
        <source>automations.json could not be read: %@</source>
        <translation>Impossibile leggere automations.json: %@</translation>
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
        <source>iPhone and iPad backups</source>
        <translation>Backup di iPhone e iPad</translation>
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
        <source>npm cache</source>
        <translation>Cache di npm</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>Cache di pip</translation>
    </message>
    <message>
        <source>· %lld put back</source>
        <translation>· %lld ripristinati</translation>
    </message>
    <message>
        <source>… and %lld more</source>
        <translation>… e altri %lld</translation>
    </message>
    <message>
        <source>← to the pile, → to keep, Space for a preview, ⌫ to undo.</source>
        <translation>← nella pila, → da tenere, Spazio per l'anteprima, ⌫ per annullare.</translation>
    </message>
    <message>
        <source>→ %@</source>
        <translation>→ %@</translation>
    </message>
</context>
</TS>
