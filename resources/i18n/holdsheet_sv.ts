<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Skapad av teamet bakom Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 läser menykommandon bara när du öppnar fusklappen, och bara på den här datorn. Inga data samlas in och ingenting skickas över nätverket.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Tangentbordsgenvägarna i appen du använder – bara en tangent bort.</translation>
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
        <translation>Appen i förgrunden har inga menykommandon med tangentbordsgenvägar, eller så delar den inte sina menyer via hjälpmedelsstödet.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Inget kommando, ingen meny och ingen tangent matchar sökningen. Prova ett annat ord.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Inga träffar</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Inga tangentbordsgenvägar</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Slå på</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Efter den första installationen loggar du ut och in igen och slår sedan på %1 i appen Tillägg.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Slå på det i appen Tillägg, eller kör: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Hålltangenten behöver Shell-tillägget %1: logga ut och in igen och slå sedan på det i Tillägg.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Hålltangenten behöver Shell-tillägget %1: slå på det i appen Tillägg.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell-tillägget är inte installerat än.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell-tillägget är avstängt.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell-tillägget är påslaget.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>I GNOME fungerar hålltangenten genom %1s Shell-tillägg.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Skapad av teamet bakom Holdsheet</translation>
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
        <translation>från appens genvägshjälp</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Genvägar</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Skrivbordsgenvägar</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 har hjälpmedelsstödet avstängt, så dess menyer kan inte läsas. Starta den med --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n kommando</numerusform>
            <numerusform>%n kommandon</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Bara en del av menyerna i %1 kunde läsas; fusklappen är ofullständig.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 finns inte på hjälpmedelsbussen, så dess menyer kan inte läsas. Starta om den med hjälpmedelsstödet påslaget.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 svarar inte; fusklappen kan vara ofullständig.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 har varken menyrad eller genvägshjälp att läsa.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Systemspråk</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Frostat</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Glas är inte tillgängligt på det här skrivbordet, så bakgrunden visas frostad i stället.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Täckande</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Avsluta Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Visa fusklapp</translation>
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
        <translation>%1 (forts.)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Skapad med %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Tangentbordsgenvägar för %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 läser appmenyer via skrivbordets hjälpmedelsstöd. Slå på det för att se genvägarna i appen du använder.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet läser menyerna i dina appar via skrivbordets hjälpmedelsstöd, som är avstängt. När det slås på gäller det hela skrivbordet, och det förblir påslaget tills du stänger av det. Appar som redan är öppna kan behöva startas om innan Holdsheet kan läsa dem.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Inte nu</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Slå på</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Slå på hjälpmedelsstöd?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Tangentbordsinställningar</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Slå på hjälpmedelsstöd</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Hjälpmedelsstödet är avstängt</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Hjälpmedelsstödet är påslaget</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Hjälpmedelsstödet är avstängt</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Sök och ersätt…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Helskärm</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Exempelmeny</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nytt fönster</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Återöppna stängd flik</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Sök kommando eller tangent</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Rensa sökning</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Bakgrund</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Stäng när %1 släpps</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Lägg till app…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Undanta</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Välj en app att undanta</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>När någon av dessa appar är i förgrunden öppnas inte %2 när du håller ned %1. Användbart för appar som själva använder %1-tangenten, till exempel spel eller fjärrskrivbord.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Inga undantagna appar</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Ta bort %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Sök efter appar</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Undantagna appar</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Glaseffekt</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Hur länge %1-tangenten ska hållas ned ensam innan fusklappen visas, från en halv sekund till sju sekunder. Ett klick eller en annan tangent avbryter.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Hålltid</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Lång</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Hålltangent</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Visa ikon i systemfältet</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Visa inaktiverade kommandon</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Ta med skrivbordsgenvägar</translation>
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
        <translation>Innehåll</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Textstorlek</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Inställningar för Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Skicka med e-post…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Skriv ut…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Spara som PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Spara fusklapp som PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Dela…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Visa i Filer</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Växla mellan fönster i en app</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Sök efter filer</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Visa översiktsvyn</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Växla till nästa inmatningskälla</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Växla till föregående inmatningskälla</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Kopiera en skärmbild av ett område till urklipp</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Ta en skärmbild av ett område</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Ta en skärmbild interaktivt</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Kopiera en skärmbild till urklipp</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Ta en skärmbild</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Visa skrivbordet</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Växla till arbetsyta åt vänster</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Växla till arbetsyta åt höger</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Sök efter appar och filer</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Klicka på ett kommando i fusklappen så kör Holdsheet det i din app, som om du hade valt det i menyn.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Klicka för att köra</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Tryck på Esc eller klicka utanför fusklappen för att stänga den.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Håll ned %1-tangenten ensam en stund så visas fusklappen för appen i förgrunden. Tryck på %1 igen för att stänga den.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Håll ned %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Välj bakgrund (Glas, Frostat eller Täckande), ljust eller mörkt tema och textstorlek under Utseende i inställningarna.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Gör den till din egen</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Börja skriva för att begränsa fusklappen till de kommandon, menyer eller tangenter du letar efter.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Skriv för att filtrera</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Använd Exportera längst ned i fusklappen för att skriva ut den, dela den eller spara den som PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Skriv ut eller spara</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Lär känna Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Slå på hjälpmedelsstöd</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Håll ned %1-tangenten ensam en stund i valfri app för att se dess tangentbordsgenvägar. Tryck på %1 igen för att stänga fusklappen.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Öppna inställningar</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet läser bara menytitlar och deras genvägar, och bara när du öppnar fusklappen. Ingenting lämnar din dator.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Allt är klart</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klicka på ”Slå på hjälpmedelsstöd” nedan.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 slår på skrivbordets hjälpmedelsstöd så att menyerna i appen du använder kan läsas. Inställningen gäller hela skrivbordet.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Starta om appar som redan var öppna, så att deras menyer visas i fusklappen.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Håll ned %1-tangenten för att se alla genvägar i appen du använder.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Välkommen till %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Väntar på hjälpmedelsstöd…</translation>
    </message>
</context>
</TS>
