<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Realizat de echipa Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 citește comenzile din meniuri doar când deschideți fișa de scurtături și doar pe acest calculator. Nu colectează date și nu trimite nimic prin rețea.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Scurtăturile de tastatură ale aplicației pe care o folosiți, la o singură tastă ținută apăsată.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versiunea %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Aplicația din prim-plan nu are comenzi de meniu cu scurtături de tastatură sau nu își partajează meniurile prin suportul pentru accesibilitate.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Nicio comandă, niciun meniu și nicio tastă nu corespunde căutării. Încercați alt cuvânt.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Niciun rezultat</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Nicio scurtătură de tastatură</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Activează</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>După prima instalare, ieșiți din sesiune și intrați din nou, apoi activați %1 în aplicația Extensii.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Activați-o în aplicația Extensii sau rulați: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Tasta ținută apăsată are nevoie de extensia Shell %1: ieșiți din sesiune și reintrați, apoi activați-o în Extensii.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Tasta ținută apăsată are nevoie de extensia Shell %1: activați-o în aplicația Extensii.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Extensia Shell nu este încă instalată.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Extensia Shell este dezactivată.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Extensia Shell este activată.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>În GNOME, tasta ținută apăsată funcționează prin extensia Shell a %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Realizat de echipa Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Puțin</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Mult</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>din ajutorul pentru scurtături al aplicației</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Scurtături</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Scurtături de sistem</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 își ține accesibilitatea dezactivată, deci meniurile sale nu pot fi citite. Porniți aplicația cu --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n comandă</numerusform>
            <numerusform>%n comenzi</numerusform>
            <numerusform>%n de comenzi</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Doar o parte din meniurile aplicației %1 a putut fi citită; foaia este incompletă.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 nu este pe magistrala de accesibilitate, deci meniurile sale nu pot fi citite. Reporniți aplicația cu accesibilitatea activată.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 nu răspunde; foaia poate fi incompletă.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 nu are nici bară de meniuri, nici ajutor pentru scurtături de citit.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Limba sistemului</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Mat</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Sticlă</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Sticla nu este disponibilă pe acest sistem, așa că panoul folosește aspectul mat.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Opac</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Ieși din Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Preferințe</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Arată fișa de scurtături</translation>
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
        <translation>%1 (continuare)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Realizat cu %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Pagina %1 din %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Scurtături de tastatură pentru %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 citește meniurile aplicațiilor prin suportul pentru accesibilitate al sistemului. Activați-l pentru a vedea scurtăturile aplicației pe care o folosiți.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet citește meniurile aplicațiilor dumneavoastră prin suportul pentru accesibilitate al sistemului, care este dezactivat. Activarea se aplică întregului sistem, iar suportul rămâne activat până când îl dezactivați. Este posibil să fie nevoie să reporniți aplicațiile deja deschise pentru ca Holdsheet să le poată citi.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Nu acum</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Activează</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Activați suportul pentru accesibilitate?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Configurări tastatură</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Activează suportul pentru accesibilitate</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Suportul pentru accesibilitate este dezactivat</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Suportul pentru accesibilitate este activat</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Suport pentru accesibilitate dezactivat</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Caută și înlocuiește…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Ecran complet</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Meniu de exemplu</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Fereastră nouă</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Redeschide fila închisă</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Caută comenzi sau taste</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Șterge căutarea</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Materialul panoului</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Temă</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Închide la eliberarea tastei %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Adaugă o aplicație…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Exclude</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Alege o aplicație de exclus</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Ținerea apăsată a tastei %1 nu deschide %2 cât timp una dintre aceste aplicații este în prim-plan. Util pentru aplicațiile care folosesc ele însele tasta %1, cum ar fi jocurile sau desktopurile la distanță.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Nicio aplicație exclusă</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Elimină %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Caută aplicații</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Aplicații excluse</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efect de sticlă</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Cât timp trebuie ținută apăsată doar tasta %1 înainte să apară fișa de scurtături, de la o jumătate de secundă la șapte secunde. Un clic sau altă tastă anulează apăsarea.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Durata apăsării</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Lungă</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Scurtă</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Tasta ținută apăsată</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Pornește la autentificare</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Arată pictograma în zona de notificare</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Arată comenzile dezactivate</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Include scurtăturile de sistem</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Aspect</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Conținut</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Dimensiunea textului</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Preferințe Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Copiază</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Trimite prin e-mail…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Tipărește…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Salvează ca PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Salvează fișa de scurtături ca PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Partajează…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Afișează în Fișiere</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exportă</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Mare</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Medie</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Mică</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Comută ferestrele unei aplicații</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Caută fișiere</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Arată vederea de ansamblu</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Comută la următoarea sursă de intrare</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Comută la sursa de intrare anterioară</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copiază o captură de ecran a unei zone în clipboard</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Fă o captură de ecran a unei zone</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Fă o captură de ecran interactiv</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copiază o captură de ecran în clipboard</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Fă o captură de ecran</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Arată desktopul</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Comută la spațiul de lucru din stânga</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Comută la spațiul de lucru din dreapta</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Caută aplicații și fișiere</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Întunecată</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Luminoasă</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Faceți clic pe o comandă din fișa de scurtături și Holdsheet o execută în aplicație, ca și cum ați fi ales-o din meniu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Clic pentru executare</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Apăsați Esc sau faceți clic în afara fișei de scurtături pentru a o închide.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Țineți apăsată doar tasta %1 pentru o clipă și apare fișa de scurtături a aplicației din prim-plan. Apăsați scurt %1 din nou pentru a o închide.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Țineți apăsată tasta %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Alegeți un panou din sticlă, mat sau opac, o temă luminoasă sau întunecată și dimensiunea textului în fila Aspect din preferințe.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Personalizați</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Începeți să tastați pentru a restrânge fișa de scurtături la comenzile, meniurile sau tastele pe care le căutați.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Tastați pentru a filtra</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Folosiți Exportă, din partea de jos a fișei de scurtături, pentru a o tipări, partaja sau salva ca PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Tipăriți sau salvați</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Descoperiți Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Activează suportul pentru accesibilitate</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>În orice aplicație, țineți apăsată doar tasta %1 pentru o clipă ca să vedeți scurtăturile de tastatură ale acesteia. Apăsați scurt %1 din nou pentru a închide fișa de scurtături.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Deschide preferințele</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet citește doar titlurile meniurilor și scurtăturile lor și doar când deschideți fișa de scurtături. Nimic nu părăsește calculatorul dumneavoastră.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Totul este pregătit</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Faceți clic pe „Activează suportul pentru accesibilitate” mai jos.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 activează suportul pentru accesibilitate al sistemului, ca să poată citi meniurile aplicației pe care o folosiți. Setarea se aplică întregului sistem.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Reporniți aplicațiile deja deschise, pentru ca meniurile lor să apară în fișa de scurtături.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Țineți apăsată tasta %1 pentru a vedea toate scurtăturile aplicației pe care o folosiți.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Bun venit în %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Se așteaptă activarea suportului pentru accesibilitate…</translation>
    </message>
</context>
</TS>
