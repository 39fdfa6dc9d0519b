<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Gemaakt door het Holdsheet-team</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 leest menuopdrachten alleen wanneer u het spiekbriefje opent, en alleen op deze computer. Er worden geen gegevens verzameld en er wordt niets via het netwerk verzonden.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>De sneltoetsen van de app die u gebruikt, op één ingedrukte toets afstand.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>De app op de voorgrond heeft geen menuopdrachten met sneltoetsen, of deelt zijn menu's niet via de toegankelijkheid van het bureaublad.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Geen opdracht, menu of toets komt overeen met uw zoekopdracht. Probeer een ander woord.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Geen resultaten</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Geen sneltoetsen</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Inschakelen</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Meld u na een eerste installatie af en weer aan, en schakel dan %1 in via de app Uitbreidingen.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Schakel haar in via de app Uitbreidingen, of voer uit: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>De vasthoudtoets heeft de Shell-uitbreiding %1 nodig: meld u af en weer aan en schakel haar dan in via Uitbreidingen.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>De vasthoudtoets heeft de Shell-uitbreiding %1 nodig: schakel haar in via de app Uitbreidingen.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>De Shell-uitbreiding is nog niet geïnstalleerd.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>De Shell-uitbreiding staat uit.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>De Shell-uitbreiding staat aan.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>Onder GNOME werkt de vasthoudtoets via de Shell-uitbreiding van %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Gemaakt door het Holdsheet-team</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Minder</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>uit de sneltoetsenhulp van de app</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Bureaubladsneltoetsen</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 houdt de toegankelijkheid uitgeschakeld, dus de menu's kunnen niet worden gelezen. Start de app met --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n opdracht</numerusform>
            <numerusform>%n opdrachten</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Slechts een deel van de menu’s van %1 kon worden gelezen; het spiekbriefje is onvolledig.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 staat niet op de toegankelijkheidsbus, dus de menu's kunnen niet worden gelezen. Start de app opnieuw met toegankelijkheid ingeschakeld.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 reageert niet; het spiekbriefje is mogelijk onvolledig.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 heeft geen menubalk en geen sneltoetsenhulp om te lezen.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Systeemtaal</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Matglas</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Glas is niet beschikbaar op dit bureaublad, daarom wordt in plaats daarvan matglas gebruikt.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Dekkend</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Holdsheet afsluiten</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Spiekbriefje tonen</translation>
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
        <translation>%1 (vervolg)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Gemaakt met %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Sneltoetsen van %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 leest de menu's van apps via de toegankelijkheid van het bureaublad. Schakel deze in om de sneltoetsen te zien van de app die u gebruikt.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet leest de menu's van uw apps via de toegankelijkheid van het bureaublad, die nu uit staat. Inschakelen geldt voor het hele bureaublad, en de toegankelijkheid blijft aan totdat u deze weer uitschakelt. Apps die al geopend zijn, moeten mogelijk opnieuw worden gestart voordat Holdsheet ze kan lezen.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Niet nu</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Inschakelen</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Toegankelijkheid inschakelen?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Toetsenbordinstellingen</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Toegankelijkheid inschakelen</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Toegankelijkheid staat uit</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Toegankelijkheid staat aan</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Toegankelijkheid staat uit</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Zoeken en vervangen…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Schermvullend</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Voorbeeldmenu</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nieuw venster</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Gesloten tabblad heropenen</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Opdracht of toets zoeken</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Zoekopdracht wissen</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Achtergrond</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Sluiten bij loslaten van %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>App toevoegen…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Uitsluiten</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Kies een app om uit te sluiten</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Als een van deze apps op de voorgrond staat, opent %2 niet wanneer u %1 ingedrukt houdt. Handig voor apps die de %1-toets zelf gebruiken, zoals games of externe bureaubladen.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Geen uitgesloten apps</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Apps zoeken</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Uitgesloten apps</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Glaseffect</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Hoe lang u alleen de %1-toets ingedrukt moet houden voordat het spiekbriefje verschijnt, van een halve seconde tot zeven seconden. Een klik of een andere toets breekt het ingedrukt houden af.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Indrukduur</translation>
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
        <translation>Ingedrukte toets</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Pictogram in systeemvak tonen</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Uitgeschakelde opdrachten tonen</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Bureaubladsneltoetsen opnemen</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Uiterlijk</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Inhoud</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Tekstgrootte</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet-instellingen</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopieer</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Verstuur via e-mail…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Opslaan als PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Spiekbriefje opslaan als PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Delen…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Toon in Bestanden</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Normaal</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Wisselen van venster binnen een app</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Bestanden zoeken</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Het overzicht tonen</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Overschakelen naar volgende invoerbron</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Overschakelen naar vorige invoerbron</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Een schermafdruk van een gebied naar het klembord kopiëren</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Een schermafdruk van een gebied maken</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Interactief een schermafdruk maken</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Een schermafdruk naar het klembord kopiëren</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Een schermafdruk maken</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Bureaublad tonen</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Schakelen naar werkblad links</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Schakelen naar werkblad rechts</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Apps en bestanden zoeken</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Klik op een opdracht op het spiekbriefje en Holdsheet voert deze uit in uw app, alsof u deze in het menu had gekozen.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Klikken om uit te voeren</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Druk op Esc of klik buiten het spiekbriefje om het te sluiten.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Houd alleen de %1-toets even ingedrukt en het spiekbriefje van de app op de voorgrond verschijnt. Druk nogmaals kort op %1 om het te sluiten.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>%1 ingedrukt houden</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Kies in de instellingen onder ‘Uiterlijk’ een achtergrond (Glas, Matglas of Dekkend), een licht of donker thema en de tekstgrootte.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Naar eigen smaak</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Begin te typen om het spiekbriefje te beperken tot de opdrachten, menu's of toetsen die u zoekt.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Typen om te filteren</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Gebruik ‘Exporteren’ onder aan het spiekbriefje om het af te drukken, te delen of als PDF op te slaan.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Afdrukken of opslaan</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Maak kennis met Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Toegankelijkheid inschakelen</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Houd in een willekeurige app alleen de %1-toets even ingedrukt om de sneltoetsen ervan te zien. Druk nogmaals kort op %1 om het spiekbriefje te sluiten.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Instellingen openen</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet leest alleen menutitels en hun sneltoetsen, en alleen wanneer u het spiekbriefje opent. Niets verlaat uw computer.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Alles is klaar</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klik hieronder op ‘Toegankelijkheid inschakelen’.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 schakelt de toegankelijkheid van het bureaublad in, zodat de menu's van de app die u gebruikt gelezen kunnen worden. De instelling geldt voor het hele bureaublad.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Start apps die al geopend waren opnieuw, zodat hun menu's op het spiekbriefje verschijnen.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Houd de %1-toets ingedrukt om alle sneltoetsen te zien van de app die u gebruikt.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Welkom bij %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Wachten op toegankelijkheid…</translation>
    </message>
</context>
</TS>
