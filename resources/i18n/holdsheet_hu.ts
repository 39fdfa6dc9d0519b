<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Készítette: Holdsheet csapat</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 csak akkor olvassa be a menüparancsokat, amikor megnyitja a puskát, és csak ezen a számítógépen. Nem gyűjt adatokat, és semmit sem küld a hálózaton.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>A használt alkalmazás gyorsbillentyűi – elég egyetlen billentyűt nyomva tartani.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>%1 verzió</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Az aktív alkalmazásnak nincsenek gyorsbillentyűvel rendelkező menüparancsai, vagy nem teszi elérhetővé a menüit az akadálymentesítési támogatáson keresztül.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Egy parancs, menü vagy billentyű sem felel meg a keresésnek. Próbáljon más szót.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Nincs találat</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Nincsenek gyorsbillentyűk</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Bekapcsolás</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Az első telepítés után jelentkezzen ki és be, majd kapcsolja be a(z) %1 kiterjesztést a Kiterjesztések alkalmazásban.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Kapcsolja be a Kiterjesztések alkalmazásban, vagy futtassa: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>A nyomva tartott billentyűhöz kell a(z) %1 Shell-kiterjesztés: jelentkezzen ki és be, majd kapcsolja be a Kiterjesztésekben.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>A nyomva tartott billentyűhöz kell a(z) %1 Shell-kiterjesztés: kapcsolja be a Kiterjesztések alkalmazásban.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>A Shell-kiterjesztés még nincs telepítve.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>A Shell-kiterjesztés ki van kapcsolva.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>A Shell-kiterjesztés be van kapcsolva.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>GNOME alatt a nyomva tartott billentyű a(z) %1 Shell-kiterjesztésén keresztül működik.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Készítette: Holdsheet csapat</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Kevesebb</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Több</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>az alkalmazás gyorsbillentyű-súgójából</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Gyorsbillentyűk</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Rendszerszintű gyorsbillentyűk</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 akadálymentesítése ki van kapcsolva, ezért a menüi nem olvashatók be. Indítsa el a --force-renderer-accessibility kapcsolóval.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n parancs</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>%1 menüiből csak egy részt sikerült beolvasni; a puska hiányos.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 nincs az akadálymentesítési buszon, ezért a menüi nem olvashatók be. Indítsa újra bekapcsolt akadálymentesítéssel.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 nem válaszol; a puska hiányos lehet.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 nem rendelkezik sem menüsorral, sem beolvasható gyorsbillentyű-súgóval.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Rendszer nyelve</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Matt</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Üveg</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Az üveg háttér ebben az asztali környezetben nem érhető el, ezért a panel matt hátteret használ.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Átlátszatlan</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Holdsheet bezárása</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Puska megjelenítése</translation>
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
        <translation>%1 (folytatás)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Készült ezzel: %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>%1. oldal / %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 – gyorsbillentyűk</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 az asztali környezet akadálymentesítési támogatásán keresztül olvassa be az alkalmazások menüit. Kapcsolja be, hogy lássa a használt alkalmazás gyorsbillentyűit.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet az asztali környezet akadálymentesítési támogatásán keresztül olvassa be az alkalmazások menüit, ez a támogatás azonban jelenleg ki van kapcsolva. A bekapcsolás a teljes asztali környezetre vonatkozik, és a támogatás addig marad bekapcsolva, amíg ki nem kapcsolja. Előfordulhat, hogy a már megnyitott alkalmazásokat újra kell indítani ahhoz, hogy Holdsheet be tudja olvasni őket.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Most nem</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Bekapcsolás</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Bekapcsolja az akadálymentesítési támogatást?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Billentyűzetbeállítások</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Akadálymentesítési támogatás bekapcsolása</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Az akadálymentesítési támogatás ki van kapcsolva</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Az akadálymentesítési támogatás be van kapcsolva</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Az akadálymentesítési támogatás ki van kapcsolva</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Keresés és csere…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Teljes képernyő</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Mintamenü</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Új ablak</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Bezárt lap újranyitása</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Parancs vagy billentyű</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Keresés törlése</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Panel háttere</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Téma</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Bezárás a %1 felengedésekor</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Alkalmazás hozzáadása…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Kizárás</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Válassza ki a kizárandó alkalmazást</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Ha ezen alkalmazások egyike van előtérben, %2 nem nyílik meg a %1 nyomva tartására. Hasznos olyan alkalmazásoknál, amelyek maguk is használják a %1 billentyűt, például játékoknál vagy távoli asztaloknál.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Nincsenek kizárt alkalmazások</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>%1 eltávolítása</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Alkalmazások keresése</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Kizárt alkalmazások</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Üveghatás</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Mennyi ideig kell egyedül nyomva tartani a %1 billentyűt, mielőtt megjelenik a puska: fél másodperctől hét másodpercig. Egy kattintás vagy egy másik billentyű megszakítja a nyomva tartást.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Nyomva tartás ideje</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Hosszú</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Rövid</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Nyomva tartott billentyű</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Indítás bejelentkezéskor</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Ikon megjelenítése az értesítési területen</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Letiltott parancsok megjelenítése</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Rendszerszintű gyorsbillentyűk megjelenítése</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Megjelenés</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Tartalom</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Szövegméret</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet beállításai</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Küldés e-mailben…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Nyomtatás…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Mentés PDF-ként…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Puska mentése PDF-ként</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Megosztás…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Megjelenítés a Fájlokban</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exportálás</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Nagy</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Közepes</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Kicsi</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Váltás egy alkalmazás ablakai között</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Fájlok keresése</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Áttekintés megjelenítése</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Váltás a következő bemeneti forrásra</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Váltás az előző bemeneti forrásra</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Egy terület képernyőképének másolása a vágólapra</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Képernyőkép készítése egy területről</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Képernyőkép készítése interaktívan</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Képernyőkép másolása a vágólapra</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Képernyőkép készítése</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Asztal megjelenítése</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Átváltás a balra lévő munkaterületre</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Átváltás a jobbra lévő munkaterületre</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Alkalmazások és fájlok keresése</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Sötét</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Világos</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Rendszer</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Kattintson egy parancsra a puskán: Holdsheet úgy hajtja végre az alkalmazásban, mintha a menüből választotta volna ki.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Futtatás kattintással</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>A puska bezárásához nyomja meg az Esc billentyűt, vagy kattintson a puskán kívülre.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Tartsa nyomva egy pillanatig egyedül a %1 billentyűt, és megjelenik az aktív alkalmazás puskája. A bezárásához nyomja meg röviden újra a %1 billentyűt.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>%1 nyomva tartása</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>A beállítások „Megjelenés” lapján választhat üveg, matt vagy átlátszatlan panelhátteret, világos vagy sötét témát, valamint szövegméretet.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Testreszabás</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Kezdjen el gépelni, és a puska csak a keresett parancsokat, menüket vagy billentyűket mutatja.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Szűrés gépeléssel</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>A puska alján lévő „Exportálás” gombbal kinyomtathatja, megoszthatja vagy PDF-ként mentheti a puskát.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Nyomtatás vagy mentés</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Holdsheet bemutatása</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Akadálymentesítési támogatás bekapcsolása</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Bármely alkalmazásban tartsa nyomva egy pillanatig egyedül a %1 billentyűt, és megjelennek az alkalmazás gyorsbillentyűi. A puska bezárásához nyomja meg röviden újra a %1 billentyűt.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Beállítások megnyitása</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet csak a menüelemek nevét és gyorsbillentyűit olvassa be, és csak akkor, amikor megnyitja a puskát. Semmi sem hagyja el a számítógépét.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Minden készen áll</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Kattintson lent az „Akadálymentesítési támogatás bekapcsolása” gombra.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 bekapcsolja az asztali környezet akadálymentesítési támogatását, hogy be tudja olvasni a használt alkalmazás menüit. A beállítás a teljes asztali környezetre vonatkozik.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Indítsa újra a már megnyitott alkalmazásokat, hogy a menüik megjelenjenek a puskán.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Tartsa nyomva a %1 billentyűt, és láthatja a használt alkalmazás összes gyorsbillentyűjét.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Üdvözöljük – %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Várakozás az akadálymentesítési támogatásra…</translation>
    </message>
</context>
</TS>
