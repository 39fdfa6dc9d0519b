<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Udviklet af holdet bag Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 læser kun menukommandoer, når du åbner snydearket, og kun på denne computer. Der indsamles ingen data, og intet sendes over netværket.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Tastaturgenvejene i den app, du bruger – kun én tast væk.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Appen i forgrunden har ingen menukommandoer med tastaturgenveje, eller den deler ikke sine menuer via skrivebordets tilgængelighed.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Ingen kommando, menu eller tast matcher din søgning. Prøv et andet ord.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Ingen resultater</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Ingen tastaturgenveje</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Slå til</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Efter den første installation skal du logge ud og ind igen og derefter slå %1 til i appen Udvidelser.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Slå den til i appen Udvidelser, eller kør: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Holdetasten kræver Shell-udvidelsen %1: log ud og ind igen, og slå den derefter til i Udvidelser.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Holdetasten kræver Shell-udvidelsen %1: slå den til i appen Udvidelser.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell-udvidelsen er ikke installeret endnu.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell-udvidelsen er slået fra.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell-udvidelsen er slået til.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>I GNOME virker holdetasten gennem %1s Shell-udvidelse.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Udviklet af holdet bag Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Mindre</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Mere</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>fra appens genvejshjælp</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Genveje</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Skrivebordsgenveje</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 har tilgængelighed slået fra, så dens menuer kan ikke læses. Start den med --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n kommando</numerusform>
            <numerusform>%n kommandoer</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Kun en del af menuerne i %1 kunne læses; oversigten er ufuldstændig.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 er ikke på tilgængelighedsbussen, så dens menuer kan ikke læses. Genstart den med tilgængelighed slået til.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 svarer ikke; oversigten er måske ufuldstændig.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 har hverken en menulinje eller en genvejshjælp, der kan læses.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Systemsprog</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Frostet</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Glas er ikke tilgængeligt på dette skrivebord, så baggrunden vises frostet i stedet.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Dækkende</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Afslut Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Vis snydeark</translation>
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
        <translation>Skift</translation>
    </message>
    <message id="pdf.continued">
        <source>%1 (continued)</source>
        <translation>%1 (fortsat)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Lavet med %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Side %1 af %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Tastaturgenveje til %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 læser appmenuer via skrivebordets tilgængelighed. Slå den til for at se genvejene i den app, du bruger.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet læser menuerne i dine apps via skrivebordets tilgængelighed, som er slået fra. Når den slås til, gælder indstillingen for hele skrivebordet, og den forbliver slået til, indtil du slår den fra. Apps, der allerede er åbne, skal muligvis genstartes, før Holdsheet kan læse dem.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Ikke nu</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Slå til</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Slå tilgængelighed til?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Tastaturindstillinger</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Slå tilgængelighed til</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Tilgængelighed er slået fra</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Tilgængelighed er slået til</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Tilgængelighed er slået fra</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Find og erstat…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Fuld skærm</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Eksempelmenu</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nyt vindue</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Genåbn lukket faneblad</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Søg i kommandoer og taster</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Ryd søgning</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Baggrund</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Luk, når %1 slippes</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Tilføj app…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Udelad</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Vælg en app, der skal udelades</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Når en af disse apps er i forgrunden, åbner %2 ikke, når du holder %1 nede. Nyttigt til apps, der selv bruger %1-tasten, f.eks. spil eller fjernskriveborde.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Ingen udeladte apps</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Fjern %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Søg efter apps</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Udeladte apps</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Glaseffekt</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Hvor længe %1-tasten skal holdes nede alene, før snydearket vises – fra et halvt sekund til syv sekunder. Et klik eller en anden tast afbryder.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Holdetid</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Holdetast</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Start ved login</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Vis ikon i systembakken</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Vis deaktiverede kommandoer</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Medtag skrivebordsgenveje</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Udseende</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Indhold</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Tekststørrelse</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Indstillinger for Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Send med e-mail…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Udskriv…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Gem som PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Gem snydeark som PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Del…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Vis i Filer</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Eksportér</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Mellem</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Lille</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Skift vinduer i en app</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Søg efter filer</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Vis oversigten</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Skift til næste inputkilde</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Skift til forrige inputkilde</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Kopiér et skærmbillede af et område til udklipsholderen</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Tag et skærmbillede af et område</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Tag et skærmbillede interaktivt</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Kopiér et skærmbillede til udklipsholderen</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Tag et skærmbillede</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Vis skrivebordet</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Skift til arbejdsområdet til venstre</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Skift til arbejdsområdet til højre</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Søg efter apps og filer</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Mørk</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Lys</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Klik på en kommando i snydearket, så kører Holdsheet den i din app, som om du havde valgt den i menuen.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Klik for at køre</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Tryk på Esc eller klik uden for snydearket for at lukke det.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Hold %1-tasten nede alene et øjeblik, så vises snydearket for appen i forgrunden. Tryk på %1 igen for at lukke det.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Hold %1 nede</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Vælg en baggrund (Glas, Frostet eller Dækkende), et lyst eller mørkt tema og tekststørrelsen under Udseende i indstillingerne.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Gør det til dit eget</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Begynd at skrive for at indsnævre snydearket til de kommandoer, menuer eller taster, du leder efter.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Skriv for at filtrere</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Brug Eksportér nederst i snydearket til at udskrive det, dele det eller gemme det som PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Udskriv eller gem</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Lær Holdsheet at kende</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Slå tilgængelighed til</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Hold %1-tasten nede alene et øjeblik i en hvilken som helst app for at se dens tastaturgenveje. Tryk på %1 igen for at lukke snydearket.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Åbn indstillinger</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet læser kun menutitler og deres genveje, og kun når du åbner snydearket. Intet forlader din computer.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Alt er klar</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klik på “Slå tilgængelighed til” nedenfor.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 slår skrivebordets tilgængelighed til, så menuerne i den app, du bruger, kan læses. Indstillingen gælder for hele skrivebordet.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Genstart apps, der allerede var åbne, så deres menuer vises i snydearket.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Hold %1-tasten nede for at se alle genveje i den app, du bruger.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Velkommen til %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Venter på tilgængelighed…</translation>
    </message>
</context>
</TS>
