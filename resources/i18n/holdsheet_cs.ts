<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Vytvořil tým Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 čte příkazy nabídek jen tehdy, když otevřete tahák, a jen na tomto počítači. Neshromažďuje žádná data a nic neodesílá přes síť.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Klávesové zkratky používané aplikace na dosah jedné podržené klávesy.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Aktivní aplikace nemá žádné příkazy nabídek s klávesovými zkratkami, nebo své nabídky nezpřístupňuje prostřednictvím podpory zpřístupnění.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Hledanému výrazu neodpovídá žádný příkaz, nabídka ani klávesa. Zkuste jiné slovo.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Žádné výsledky</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Žádné klávesové zkratky</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Zapnout</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Po první instalaci se odhlaste a znovu přihlaste, pak zapněte %1 v aplikaci Rozšíření.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Zapněte je v aplikaci Rozšíření, nebo spusťte: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Přidržovaná klávesa potřebuje rozšíření Shellu %1: odhlaste se a znovu přihlaste, pak je zapněte v Rozšířeních.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Přidržovaná klávesa potřebuje rozšíření Shellu %1: zapněte je v aplikaci Rozšíření.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Rozšíření Shellu ještě není nainstalováno.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Rozšíření Shellu je vypnuté.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Rozšíření Shellu je zapnuté.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>V GNOME funguje přidržovaná klávesa přes rozšíření Shellu aplikace %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Vytvořil tým Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Méně</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Více</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>z nápovědy klávesových zkratek aplikace</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Systémové klávesové zkratky</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 má vypnuté zpřístupnění, proto nelze přečíst jeho nabídky. Spusťte jej s přepínačem --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n příkaz</numerusform>
            <numerusform>%n příkazy</numerusform>
            <numerusform>%n příkazů</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Nabídky aplikace %1 se podařilo přečíst jen zčásti; tahák není úplný.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 není na sběrnici zpřístupnění, proto nelze přečíst jeho nabídky. Spusťte jej znovu se zapnutým zpřístupněním.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 neodpovídá; tahák nemusí být úplný.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 nemá lištu nabídek ani nápovědu klávesových zkratek ke čtení.</translation>
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
        <translation>Skleněné</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Skleněné pozadí není v tomto pracovním prostředí dostupné, proto panel používá matné.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Neprůhledné</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Ukončit Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Zobrazit tahák</translation>
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
        <translation>%1 (pokračování)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Vytvořeno v aplikaci %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Klávesové zkratky aplikace %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 čte nabídky aplikací prostřednictvím podpory zpřístupnění v pracovním prostředí. Zapněte ji, abyste viděli klávesové zkratky používané aplikace.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet čte nabídky vašich aplikací prostřednictvím podpory zpřístupnění v pracovním prostředí, která je vypnutá. Zapnutí platí pro celé pracovní prostředí a podpora zůstane zapnutá, dokud ji nevypnete. Aplikace, které už jsou otevřené, bude možná nutné restartovat, aby je Holdsheet mohl číst.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Teď ne</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Zapnout</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Zapnout podporu zpřístupnění?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Nastavení klávesnice</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Zapnout podporu zpřístupnění</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Podpora zpřístupnění je vypnutá</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Podpora zpřístupnění je zapnutá</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Podpora zpřístupnění je vypnutá</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Najít a nahradit…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Ukázková nabídka</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nové okno</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Znovu otevřít zavřenou kartu</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Hledat příkazy či klávesy</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Vymazat hledání</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Pozadí panelu</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Zavírat po uvolnění klávesy %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Přidat aplikaci…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Vyloučit</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Vyberte aplikaci k vyloučení</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Když je aktivní některá z těchto aplikací, podržení klávesy %1 %2 neotevře. Hodí se to pro aplikace, které klávesu %1 samy používají, například hry nebo vzdálené plochy.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Žádné vyloučené aplikace</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Odebrat %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Hledat aplikace</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Vyloučené aplikace</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efekt skla</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Jak dlouho je třeba držet samotnou klávesu %1, než se objeví tahák: od půl sekundy do sedmi sekund. Kliknutí nebo stisk jiné klávesy podržení zruší.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Doba podržení</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Dlouhá</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Krátká</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Držená klávesa</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Spouštět po přihlášení</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Zobrazovat ikonu v oznamovací oblasti</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Zobrazovat neaktivní příkazy</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Zahrnovat systémové klávesové zkratky</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Vzhled</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Obsah</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Velikost textu</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Nastavení Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Poslat e-mailem…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Tisk…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Uložit jako PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Uložit tahák jako PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Sdílet…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Zobrazit v Souborech</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Velká</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Malá</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Přepnout okna aplikace</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Hledat soubory</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Zobrazit přehled</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Přepnout na následující vstupní zdroj</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Přepnout na předchozí vstupní zdroj</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Zkopírovat snímek oblasti do schránky</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Pořídit snímek oblasti</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Pořídit snímek obrazovky interaktivně</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Zkopírovat snímek obrazovky do schránky</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Pořídit snímek obrazovky</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Přepnout na pracovní plochu vlevo</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Přepnout na pracovní plochu vpravo</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Hledat aplikace a soubory</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Systémový</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Klikněte na příkaz v taháku a Holdsheet ho spustí ve vaší aplikaci, jako byste ho vybrali z nabídky.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Spuštění kliknutím</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Tahák zavřete klávesou Esc nebo kliknutím mimo něj.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Chvíli podržte samotnou klávesu %1 a objeví se tahák aktivní aplikace. Zavřete ho dalším krátkým stiskem klávesy %1.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Podržte %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Na kartě „Vzhled“ v nastavení si zvolte skleněné, matné nebo neprůhledné pozadí panelu, světlý nebo tmavý motiv a velikost textu.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Přizpůsobení</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Začněte psát a tahák se zúží na příkazy, nabídky nebo klávesy, které hledáte.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Filtrování psaním</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Tlačítkem „Exportovat“ dole na taháku ho můžete vytisknout, sdílet nebo uložit jako PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Tisk a uložení</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Seznámení s Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Zapnout podporu zpřístupnění</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>V libovolné aplikaci chvíli podržte samotnou klávesu %1 a uvidíte její klávesové zkratky. Tahák zavřete dalším krátkým stiskem klávesy %1.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Otevřít nastavení</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet čte jen názvy položek nabídek a jejich klávesové zkratky, a to jen když otevřete tahák. Nic neopouští váš počítač.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Vše je připraveno</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klikněte níže na „Zapnout podporu zpřístupnění“.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 zapne podporu zpřístupnění v pracovním prostředí, aby mohl číst nabídky používané aplikace. Nastavení platí pro celé pracovní prostředí.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Restartujte aplikace, které už byly otevřené, aby se jejich nabídky objevily v taháku.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Podržte klávesu %1 a uvidíte všechny klávesové zkratky používané aplikace.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Vítá vás %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Čeká se na podporu zpřístupnění…</translation>
    </message>
</context>
</TS>
