<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Fet per l'equip de Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 llegeix les ordres dels menús només quan obriu el full de dreceres, i només en aquest ordinador. No recull cap dada ni envia res per la xarxa.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Les dreceres de teclat de l'aplicació que feu servir, només mantenint premuda una tecla.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versió %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>L'aplicació en primer pla no té ordres de menú amb dreceres de teclat, o no comparteix els seus menús mitjançant el suport d'accessibilitat.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Cap ordre, menú ni tecla coincideix amb la cerca. Proveu una altra paraula.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Cap coincidència</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Cap drecera de teclat</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Activa</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Després de la primera instal·lació, tanqueu la sessió i torneu a entrar; després activeu %1 a l'aplicació Extensions.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Activeu-la a l'aplicació Extensions o executeu: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>La tecla mantinguda necessita l'extensió del Shell %1: tanqueu la sessió i torneu a entrar, i activeu-la a Extensions.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>La tecla mantinguda necessita l'extensió del Shell %1: activeu-la a l'aplicació Extensions.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>L'extensió del Shell encara no està instal·lada.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>L'extensió del Shell està desactivada.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>L'extensió del Shell està activada.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>A GNOME, la tecla mantinguda funciona a través de l'extensió del Shell de %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Fet per l'equip de Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Menys</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Més</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>de l'ajuda de dreceres de l'aplicació</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Dreceres</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Dreceres de l'escriptori</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 té l'accessibilitat desactivada i no se'n poden llegir els menús. Inicieu-lo amb --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n ordre</numerusform>
            <numerusform>%n ordres</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Només s’ha pogut llegir una part dels menús de %1; el full és incomplet.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 no és al bus d'accessibilitat i no se'n poden llegir els menús. Reinicieu-lo amb l'accessibilitat activada.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 no respon; pot ser que el full estigui incomplet.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 no té barra de menús ni ajuda de dreceres per llegir.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Llengua del sistema</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Esmerilat</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Vidre</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>El vidre no està disponible en aquest escriptori, per això el panell fa servir l'aspecte esmerilat.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Opac</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Surt de Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Preferències</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Mostra el full de dreceres</translation>
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
        <translation>Maj</translation>
    </message>
    <message id="pdf.continued">
        <source>%1 (continued)</source>
        <translation>%1 (continuació)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Fet amb %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Pàgina %1 de %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1: dreceres de teclat</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 llegeix els menús de les aplicacions mitjançant el suport d'accessibilitat de l'escriptori. Activeu-lo per a veure les dreceres de l'aplicació que feu servir.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet llegeix els menús de les vostres aplicacions mitjançant el suport d'accessibilitat de l'escriptori, que està desactivat. En activar-lo, el paràmetre s'aplica a tot l'escriptori i continua activat fins que el desactiveu. Pot ser que calgui reiniciar les aplicacions que ja estan obertes perquè Holdsheet les pugui llegir.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Ara no</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Activa</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Voleu activar el suport d'accessibilitat?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Paràmetres del teclat</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Activa el suport d'accessibilitat</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>El suport d'accessibilitat està desactivat</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>El suport d'accessibilitat està activat</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Suport d'accessibilitat desactivat</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Cerca i substitueix…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Menú d'exemple</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Finestra nova</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Torna a obrir la pestanya tancada</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Cerca ordres o tecles</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Esborra la cerca</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Material del panell</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Tanca en deixar anar %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Afegeix una aplicació…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Exclou</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Tria una aplicació per excloure</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Mantenir premuda la tecla %1 no obre %2 mentre una d'aquestes aplicacions estigui en primer pla. És útil per a aplicacions que ja fan servir la tecla %1, com ara jocs o escriptoris remots.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Cap aplicació exclosa</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Suprimeix %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Cerca aplicacions</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Aplicacions excloses</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efecte de vidre</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Quant de temps cal mantenir premuda només la tecla %1 abans que aparegui el full de dreceres, des de mig segon fins a set segons. Un clic o una altra tecla cancel·len la pulsació.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Durada de la pulsació</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Llarga</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Curta</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Tecla de pulsació</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Llengua</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Obre en iniciar la sessió</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Mostra la icona a la safata del sistema</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Mostra les ordres desactivades</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Inclou les dreceres de l'escriptori</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Aparença</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Contingut</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Mida del text</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Preferències de Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Envia per correu…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Imprimeix…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Desa com a PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Desa el full de dreceres com a PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Comparteix…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Mostra a Fitxers</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exporta</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Gran</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Mitjana</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Petita</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Canvia entre les finestres d'una aplicació</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Cerca fitxers</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Mostra la vista general</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Canvia al mètode d'entrada següent</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Canvia al mètode d'entrada anterior</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copia una captura de pantalla d'una àrea al porta-retalls</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Fes una captura de pantalla d'una àrea</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Fes una captura de pantalla de manera interactiva</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copia una captura de pantalla al porta-retalls</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Fes una captura de pantalla</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Mostra l'escriptori</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Canvia a l'espai de treball de l'esquerra</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Canvia a l'espai de treball de la dreta</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Cerca aplicacions i fitxers</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Fosc</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Clar</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Feu clic en una ordre del full de dreceres i Holdsheet l'executarà a l'aplicació, com si l'haguéssiu triada al menú.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Feu clic per a executar</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Premeu Esc o feu clic fora del full de dreceres per a tancar-lo.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Mantingueu premuda només la tecla %1 un moment i apareixerà el full de dreceres de l'aplicació en primer pla. Torneu a prémer breument %1 per a tancar-lo.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Mantingueu premuda la tecla %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Trieu un panell de vidre, esmerilat o opac, un tema clar o fosc i la mida del text a la pestanya Aparença de les preferències.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Al vostre gust</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Comenceu a escriure per a reduir el full de dreceres a les ordres, els menús o les tecles que cerqueu.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Escriviu per a filtrar</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Feu servir Exporta, a la part inferior del full de dreceres, per a imprimir-lo, compartir-lo o desar-lo com a PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Imprimiu o deseu</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Coneixeu Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Fet</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Activa el suport d'accessibilitat</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>En qualsevol aplicació, mantingueu premuda només la tecla %1 un moment per a veure'n les dreceres de teclat. Torneu a prémer breument %1 per a tancar el full de dreceres.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Obre les preferències</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet només llegeix els títols dels menús i les seves dreceres, i només quan obriu el full de dreceres. No surt res del vostre ordinador.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Tot a punt</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Feu clic a «Activa el suport d'accessibilitat», aquí sota.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 activa el suport d'accessibilitat de l'escriptori per a poder llegir els menús de l'aplicació que feu servir. El paràmetre s'aplica a tot l'escriptori.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Reinicieu les aplicacions que ja estaven obertes perquè els seus menús apareguin al full de dreceres.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Mantingueu premuda la tecla %1 per a veure totes les dreceres de l'aplicació que feu servir.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Us donem la benvinguda a %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>S'està esperant que s'activi el suport d'accessibilitat…</translation>
    </message>
</context>
</TS>
