<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Laget av teamet bak Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 leser menykommandoer bare når du åpner jukselappen, og bare på denne datamaskinen. Ingen data samles inn, og ingenting sendes over nettverket.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Tastatursnarveiene i appen du bruker – bare én tast unna.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Appen i forgrunnen har ingen menykommandoer med tastatursnarveier, eller den deler ikke menyene sine via skrivebordets tilgjengelighet.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Ingen kommando, meny eller tast samsvarer med søket. Prøv et annet ord.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Ingen treff</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Ingen tastatursnarveier</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Slå på</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Etter første installasjon må du logge ut og inn igjen, og så slå på %1 i appen Utvidelser.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Slå den på i appen Utvidelser, eller kjør: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Holdetasten trenger Shell-utvidelsen %1: logg ut og inn igjen, og slå den så på i Utvidelser.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Holdetasten trenger Shell-utvidelsen %1: slå den på i appen Utvidelser.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell-utvidelsen er ikke installert ennå.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell-utvidelsen er slått av.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell-utvidelsen er slått på.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>I GNOME virker holdetasten gjennom Shell-utvidelsen til %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Laget av teamet bak Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Mindre</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Mer</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>fra appens snarveishjelp</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Snarveier</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Skrivebordssnarveier</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 har tilgjengelighet slått av, så menyene kan ikke leses. Start den med --force-renderer-accessibility.</translation>
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
        <translation>Bare en del av menyene i %1 kunne leses; oversikten er ufullstendig.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 er ikke på tilgjengelighetsbussen, så menyene kan ikke leses. Start den på nytt med tilgjengelighet slått på.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 svarer ikke; oversikten kan være ufullstendig.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 har verken menylinje eller snarveishjelp som kan leses.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Systemspråk</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Frostet</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Glass</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Glass er ikke tilgjengelig på dette skrivebordet, så bakgrunnen vises frostet i stedet.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Dekkende</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Avslutt Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Vis jukselapp</translation>
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
        <translation>Shift</translation>
    </message>
    <message id="pdf.continued">
        <source>%1 (continued)</source>
        <translation>%1 (fortsatt)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Laget med %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Tastatursnarveier for %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 leser appmenyer via skrivebordets tilgjengelighet. Slå den på for å se snarveiene i appen du bruker.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet leser menyene i appene dine via skrivebordets tilgjengelighet, som er slått av. Når den slås på, gjelder innstillingen hele skrivebordet, og den forblir slått på til du slår den av. Apper som allerede er åpne, må kanskje startes på nytt før Holdsheet kan lese dem.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Ikke nå</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Slå på</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Slå på tilgjengelighet?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Tastaturinnstillinger</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Slå på tilgjengelighet</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Tilgjengelighet er slått av</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Tilgjengelighet er slått på</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Tilgjengelighet er slått av</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Søk og erstatt…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Fullskjerm</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Eksempelmeny</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nytt vindu</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Gjenåpne lukket fane</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Søk i kommandoer og taster</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Tøm søket</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Bakgrunn</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Lukk når %1 slippes</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Legg til app…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Utelat</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Velg en app som skal utelates</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Når en av disse appene er i forgrunnen, åpnes ikke %2 når du holder %1 nede. Nyttig for apper som selv bruker %1-tasten, for eksempel spill eller eksterne skrivebord.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Ingen utelatte apper</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Fjern %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Søk etter apper</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Utelatte apper</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Glasseffekt</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Hvor lenge %1-tasten må holdes nede alene før jukselappen vises, fra et halvt sekund til sju sekunder. Et klikk eller en annen tast avbryter.</translation>
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
        <translation>Språk</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Start ved innlogging</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Vis ikon i systemstatusfeltet</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Vis deaktiverte kommandoer</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Ta med skrivebordssnarveier</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Innhold</translation>
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
        <translation>Innstillinger for Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Send med e-post…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Skriv ut…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Lagre som PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Lagre jukselapp som PDF</translation>
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
        <translation>Eksporter</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Bytt vinduer i en app</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Søk etter filer</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Vis oversikten</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Bytt til neste inndatakilde</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Bytt til forrige inndatakilde</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Kopier et skjermbilde av et område til utklippstavlen</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Ta et skjermbilde av et område</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Ta et skjermbilde interaktivt</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Kopier et skjermbilde til utklippstavlen</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Ta et skjermbilde</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Vis skrivebordet</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Bytt til arbeidsområdet til venstre</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Bytt til arbeidsområdet til høyre</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Søk etter apper og filer</translation>
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
        <translation>Klikk på en kommando i jukselappen, så kjører Holdsheet den i appen din, som om du hadde valgt den i menyen.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Klikk for å kjøre</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Trykk på Esc eller klikk utenfor jukselappen for å lukke den.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Hold %1-tasten nede alene et øyeblikk, så vises jukselappen for appen i forgrunnen. Trykk på %1 igjen for å lukke den.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Hold %1 nede</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Velg bakgrunn (Glass, Frostet eller Dekkende), lyst eller mørkt tema og tekststørrelse under Utseende i innstillingene.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Gjør den til din egen</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Begynn å skrive for å snevre inn jukselappen til kommandoene, menyene eller tastene du leter etter.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Skriv for å filtrere</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Bruk Eksporter nederst i jukselappen for å skrive den ut, dele den eller lagre den som PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Skriv ut eller lagre</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Bli kjent med Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Slå på tilgjengelighet</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Hold %1-tasten nede alene et øyeblikk i en hvilken som helst app for å se tastatursnarveiene. Trykk på %1 igjen for å lukke jukselappen.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Åpne innstillinger</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet leser bare menytitler og snarveiene deres, og bare når du åpner jukselappen. Ingenting forlater datamaskinen din.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Alt er klart</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klikk på «Slå på tilgjengelighet» nedenfor.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 slår på skrivebordets tilgjengelighet, slik at menyene i appen du bruker, kan leses. Innstillingen gjelder hele skrivebordet.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Start allerede åpne apper på nytt, slik at menyene deres vises i jukselappen.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Hold %1-tasten nede for å se alle snarveiene i appen du bruker.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Velkommen til %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Venter på tilgjengelighet…</translation>
    </message>
</context>
</TS>
