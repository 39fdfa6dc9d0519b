<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Realizzato dal team di Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 legge i comandi dei menu solo quando si apre il riepilogo delle scorciatoie, e solo su questo computer. Non raccoglie dati e non invia nulla in rete.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Le scorciatoie da tastiera dell'applicazione in uso, tenendo premuto un solo tasto.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>L'applicazione in primo piano non ha comandi di menu con scorciatoie da tastiera, oppure non condivide i propri menu tramite il supporto all'accessibilità.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Nessun comando, menu o tasto corrisponde alla ricerca. Provare con un'altra parola.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Nessun risultato</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Nessuna scorciatoia da tastiera</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Attiva</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Dopo la prima installazione, uscire e rientrare nella sessione, poi attivare %1 nell'applicazione Estensioni.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Attivarla nell'applicazione Estensioni oppure eseguire: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Il tasto da tenere premuto richiede l'estensione Shell %1: uscire e rientrare nella sessione, poi attivarla in Estensioni.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Il tasto da tenere premuto richiede l'estensione Shell %1: attivarla nell'applicazione Estensioni.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>L'estensione Shell non è ancora installata.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>L'estensione Shell è disattivata.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>L'estensione Shell è attiva.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>Su GNOME, il tasto da tenere premuto funziona tramite l'estensione Shell di %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Realizzato dal team di Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Meno</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Più</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>dalla guida alle scorciatoie dell'applicazione</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Scorciatoie di sistema</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 tiene l'accessibilità disattivata, quindi i suoi menu non possono essere letti. Avviarlo con --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n comando</numerusform>
            <numerusform>%n comandi</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>È stato possibile leggere solo una parte dei menu di %1; il foglio è incompleto.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 non è sul bus dell'accessibilità, quindi i suoi menu non possono essere letti. Riavviarlo con l'accessibilità attiva.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 non risponde; il foglio potrebbe essere incompleto.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 non ha né una barra dei menu né una guida alle scorciatoie da leggere.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Satinato</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Vetro</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Il vetro non è disponibile su questo desktop, quindi il pannello usa l'aspetto satinato.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Opaco</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Esci da Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Preferenze</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Mostra riepilogo scorciatoie</translation>
    </message>
    <message id="mod.command">
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message id="mod.control">
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message id="mod.option">
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message id="mod.shift">
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message id="pdf.continued">
        <source>%1 (continued)</source>
        <translation>%1 (continua)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Creato con %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera di %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 legge i menu delle applicazioni tramite il supporto all'accessibilità del desktop. Attivarlo per vedere le scorciatoie dell'applicazione in uso.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet legge i menu delle applicazioni tramite il supporto all'accessibilità del desktop, che è disattivato. L'attivazione vale per l'intero desktop e il supporto resta attivo finché non viene disattivato. Potrebbe essere necessario riavviare le applicazioni già aperte prima che Holdsheet possa leggerle.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Attiva</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Attivare il supporto all'accessibilità?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Impostazioni tastiera</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Attiva il supporto all'accessibilità</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Il supporto all'accessibilità è disattivato</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Il supporto all'accessibilità è attivato</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Supporto all'accessibilità disattivato</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Trova e sostituisci…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Menu di esempio</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nuova finestra</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Riapri scheda chiusa</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Cerca comandi o tasti</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Cancella ricerca</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Materiale del pannello</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Chiudi al rilascio di %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Aggiungi applicazione…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Escludi</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Scegli un’applicazione da escludere</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Tenere premuto %1 non apre %2 quando una di queste applicazioni è in primo piano. Utile per le applicazioni che usano già il tasto %1, come giochi o desktop remoti.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Nessuna applicazione esclusa</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Cerca applicazioni</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Applicazioni escluse</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Effetto vetro</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Per quanto tempo tenere premuto il solo tasto %1 prima che compaia il riepilogo delle scorciatoie, da mezzo secondo a sette secondi. Un clic o un altro tasto annulla la pressione.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Durata della pressione</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Lunga</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Breve</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Tasto da tenere premuto</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Avvia all'accesso</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Mostra icona nell'area di notifica</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Mostra comandi disattivati</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Includi scorciatoie di sistema</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Dimensione testo</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Preferenze di Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Invia per email…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Salva come PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Salva riepilogo scorciatoie come PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Condividi…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Mostra in File</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Piccola</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Cambia finestra di un'applicazione</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Cerca file</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Mostra la panoramica</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Passa alla sorgente di input successiva</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Passa alla sorgente di input precedente</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copia una schermata di un'area negli appunti</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Cattura una schermata di un'area</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Cattura una schermata in modo interattivo</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copia una schermata negli appunti</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Cattura una schermata</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Mostra la scrivania</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Passa allo spazio di lavoro a sinistra</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Passa allo spazio di lavoro a destra</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Cerca applicazioni e file</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Facendo clic su un comando del riepilogo, Holdsheet lo esegue nell'applicazione, come se fosse stato scelto dal menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Clic per eseguire</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Premere Esc o fare clic fuori dal riepilogo per chiuderlo.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Tenendo premuto per un attimo il solo tasto %1, compare il riepilogo delle scorciatoie dell'applicazione in primo piano. Per chiuderlo, premere di nuovo brevemente %1.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Tenere premuto %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Nella scheda Aspetto delle preferenze è possibile scegliere un pannello in vetro, satinato od opaco, un tema chiaro o scuro e la dimensione del testo.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Su misura</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Iniziare a digitare per restringere il riepilogo ai comandi, ai menu o ai tasti cercati.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Digitare per filtrare</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Usare Esporta, in fondo al riepilogo, per stamparlo, condividerlo o salvarlo come PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Stampare o salvare</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Alla scoperta di Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Attiva il supporto all'accessibilità</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>In qualsiasi applicazione, tenere premuto per un attimo il solo tasto %1 per vederne le scorciatoie da tastiera. Premere di nuovo brevemente %1 per chiudere il riepilogo.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Apri preferenze</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet legge solo i titoli dei menu e le relative scorciatoie, e solo quando si apre il riepilogo. Nessun dato lascia il computer.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Tutto pronto</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Fare clic su «Attiva il supporto all'accessibilità» qui sotto.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 attiva il supporto all'accessibilità del desktop, così da poter leggere i menu dell'applicazione in uso. L'impostazione vale per l'intero desktop.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Riavviare le applicazioni già aperte, in modo che i loro menu compaiano nel riepilogo.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Tenere premuto il tasto %1 per vedere tutte le scorciatoie dell'applicazione in uso.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Benvenuti in %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>In attesa dell'attivazione del supporto all'accessibilità…</translation>
    </message>
</context>
</TS>
