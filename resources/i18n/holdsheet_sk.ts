<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Vytvoril tím Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 číta príkazy ponúk len vtedy, keď otvoríte ťahák, a len na tomto počítači. Nezhromažďuje žiadne údaje a nič neodosiela cez sieť.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Klávesové skratky používanej aplikácie na dosah jedného podržaného klávesu.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Verzia %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Aktívna aplikácia nemá žiadne príkazy ponúk s klávesovými skratkami alebo svoje ponuky nesprístupňuje cez podporu zjednodušenia ovládania.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Hľadanému výrazu nezodpovedá žiadny príkaz, ponuka ani kláves. Skúste iné slovo.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Žiadne výsledky</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Žiadne klávesové skratky</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Zapnúť</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Po prvej inštalácii sa odhláste a znova prihláste, potom zapnite %1 v aplikácii Rozšírenia.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Zapnite ho v aplikácii Rozšírenia alebo spustite: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Podržaný kláves potrebuje rozšírenie Shellu %1: odhláste sa a znova prihláste, potom ho zapnite v Rozšíreniach.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Podržaný kláves potrebuje rozšírenie Shellu %1: zapnite ho v aplikácii Rozšírenia.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Rozšírenie Shellu ešte nie je nainštalované.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Rozšírenie Shellu je vypnuté.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Rozšírenie Shellu je zapnuté.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>V GNOME funguje podržaný kláves cez rozšírenie Shellu aplikácie %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Vytvoril tím Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Menej</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Viac</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>z pomocníka klávesových skratiek aplikácie</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Klávesové skratky</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Systémové klávesové skratky</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 má vypnuté zjednodušenie ovládania, preto nemožno prečítať jeho ponuky. Spustite ho s prepínačom --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n príkaz</numerusform>
            <numerusform>%n príkazy</numerusform>
            <numerusform>%n príkazov</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Ponuky aplikácie %1 sa podarilo prečítať len čiastočne; ťahák nie je úplný.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 nie je na zbernici zjednodušenia ovládania, preto nemožno prečítať jeho ponuky. Spustite ho znova so zapnutým zjednodušením ovládania.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 neodpovedá; ťahák nemusí byť úplný.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 nemá panel ponúk ani pomocníka klávesových skratiek na čítanie.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Jazyk systému</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Matné</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Sklenené</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Sklenené pozadie nie je v tomto pracovnom prostredí dostupné, preto panel používa matné.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Nepriehľadné</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Ukončiť Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Zobraziť ťahák</translation>
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
        <translation>%1 (pokračovanie)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Vytvorené v aplikácii %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Klávesové skratky aplikácie %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 číta ponuky aplikácií cez podporu zjednodušenia ovládania v pracovnom prostredí. Zapnite ju, aby ste videli klávesové skratky používanej aplikácie.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet číta ponuky vašich aplikácií cez podporu zjednodušenia ovládania v pracovnom prostredí, ktorá je vypnutá. Zapnutie platí pre celé pracovné prostredie a podpora zostane zapnutá, kým ju nevypnete. Aplikácie, ktoré už sú otvorené, bude možno potrebné reštartovať, aby ich Holdsheet mohol čítať.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Teraz nie</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Zapnúť</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Zapnúť podporu zjednodušenia ovládania?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Nastavenia klávesnice</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Zapnúť podporu zjednodušenia ovládania</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Podpora zjednodušenia ovládania je vypnutá</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Podpora zjednodušenia ovládania je zapnutá</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Podpora zjednodušenia ovládania je vypnutá</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Nájsť a nahradiť…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Ukážková ponuka</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nové okno</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Znova otvoriť zatvorenú kartu</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Hľadať príkazy či klávesy</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Vymazať hľadanie</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Pozadie panela</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Téma</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Zatvárať po uvoľnení klávesu %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Pridať aplikáciu…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Vylúčiť</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Vyberte aplikáciu na vylúčenie</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Keď je aktívna niektorá z týchto aplikácií, podržanie klávesu %1 %2 neotvorí. Užitočné pre aplikácie, ktoré samy používajú kláves %1, napríklad hry alebo vzdialené plochy.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Žiadne vylúčené aplikácie</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Odstrániť %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Hľadať aplikácie</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Vylúčené aplikácie</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efekt skla</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Ako dlho treba držať samotný kláves %1, kým sa zobrazí ťahák: od pol sekundy do siedmich sekúnd. Kliknutie alebo stlačenie iného klávesu podržanie zruší.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Dĺžka podržania</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Dlhá</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Krátka</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Podržaný kláves</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Spúšťať po prihlásení</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Zobrazovať ikonu v oznamovacej oblasti</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Zobrazovať neaktívne príkazy</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Zahŕňať systémové klávesové skratky</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>O aplikácii</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Vzhľad</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Obsah</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Všeobecné</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Veľkosť textu</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Nastavenia Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Poslať e-mailom…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Tlačiť…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Uložiť ako PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Uložiť ťahák ako PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Zdieľať…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Zobraziť v Súboroch</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exportovať</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Veľká</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Stredná</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Malá</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Prepnúť okná aplikácie</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Hľadať súbory</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Zobraziť prehľad</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Prepnúť na nasledujúci zdroj vstupu</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Prepnúť na predchádzajúci zdroj vstupu</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Skopírovať snímku oblasti do schránky</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Zachytiť snímku oblasti</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Zachytiť snímku obrazovky interaktívne</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Skopírovať snímku obrazovky do schránky</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Zachytiť snímku obrazovky</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Zobraziť plochu</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Prepnúť na pracovný priestor vľavo</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Prepnúť na pracovný priestor vpravo</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Hľadať aplikácie a súbory</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Tmavá</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Svetlá</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Systémová</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Kliknite na príkaz v ťaháku a Holdsheet ho spustí vo vašej aplikácii, ako keby ste ho vybrali z ponuky.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Spustenie kliknutím</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Ťahák zatvoríte klávesom Esc alebo kliknutím mimo neho.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Chvíľu podržte samotný kláves %1 a zobrazí sa ťahák aktívnej aplikácie. Zatvoríte ho ďalším krátkym stlačením klávesu %1.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Podržte %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Na karte „Vzhľad“ v nastaveniach si zvoľte sklenené, matné alebo nepriehľadné pozadie panela, svetlú alebo tmavú tému a veľkosť textu.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Prispôsobenie</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Začnite písať a ťahák sa zúži na príkazy, ponuky alebo klávesy, ktoré hľadáte.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Filtrovanie písaním</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Tlačidlom „Exportovať“ v dolnej časti ťaháka ho môžete vytlačiť, zdieľať alebo uložiť ako PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Tlač a uloženie</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Zoznámte sa s Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Zapnúť podporu zjednodušenia ovládania</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>V ľubovoľnej aplikácii chvíľu podržte samotný kláves %1 a uvidíte jej klávesové skratky. Ťahák zatvoríte ďalším krátkym stlačením klávesu %1.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Otvoriť nastavenia</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet číta len názvy položiek ponúk a ich klávesové skratky, a to len keď otvoríte ťahák. Nič neopustí váš počítač.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Všetko je pripravené</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Kliknite nižšie na „Zapnúť podporu zjednodušenia ovládania“.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 zapne podporu zjednodušenia ovládania v pracovnom prostredí, aby mohol čítať ponuky používanej aplikácie. Nastavenie platí pre celé pracovné prostredie.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Reštartujte aplikácie, ktoré už boli otvorené, aby sa ich ponuky zobrazili v ťaháku.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Podržte kláves %1 a uvidíte všetky klávesové skratky používanej aplikácie.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Víta vás %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Čaká sa na podporu zjednodušenia ovládania…</translation>
    </message>
</context>
</TS>
