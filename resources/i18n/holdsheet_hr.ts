<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Izradio tim Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 čita naredbe izbornika samo kada otvoriš podsjetnik i samo na ovom računalu. Ne prikuplja nikakve podatke i ništa ne šalje preko mreže.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Prečaci tipkovnice aplikacije koju koristiš – dovoljno je držati jednu tipku.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Inačica %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Aktivna aplikacija nema naredbi izbornika s prečacima tipkovnice ili ne dijeli svoje izbornike putem podrške pristupačnosti.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Nijedna naredba, izbornik ni tipka ne odgovaraju pretrazi. Pokušaj s drugom riječi.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Nema rezultata</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Nema prečaca tipkovnice</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Uključi</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Nakon prve instalacije odjavi se i ponovno prijavi, a zatim uključi %1 u aplikaciji Proširenja.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Uključi ga u aplikaciji Proširenja ili pokreni: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Tipka za držanje treba Shell proširenje %1: odjavi se i ponovno prijavi, a zatim ga uključi u Proširenjima.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Tipka za držanje treba Shell proširenje %1: uključi ga u aplikaciji Proširenja.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell proširenje još nije instalirano.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell proširenje je isključeno.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell proširenje je uključeno.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>U GNOME-u tipka za držanje radi putem Shell proširenja aplikacije %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Izradio tim Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Manje</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Više</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>iz pomoći za prečace aplikacije</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Prečaci</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Prečaci sustava</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 ima isključenu pristupačnost pa se njezini izbornici ne mogu pročitati. Pokreni je s --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n naredba</numerusform>
            <numerusform>%n naredbe</numerusform>
            <numerusform>%n naredbi</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Izbornici aplikacije %1 mogli su se pročitati samo djelomično; popis nije potpun.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 nije na sabirnici pristupačnosti pa se njezini izbornici ne mogu pročitati. Ponovno je pokreni s uključenom pristupačnošću.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 ne odgovara; popis možda nije potpun.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 nema ni traku izbornika ni pomoć za prečace koja bi se mogla pročitati.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Jezik sustava</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Matirana</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Staklena</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Staklena pozadina nije dostupna u ovom radnom okruženju pa panel koristi matiranu.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Neprozirna</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Zatvori Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Prikaži podsjetnik</translation>
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
        <translation>%1 (nastavak)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Izrađeno u aplikaciji %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Stranica %1 od %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Prečaci tipkovnice: %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 čita izbornike aplikacija putem podrške pristupačnosti radnog okruženja. Uključi je kako bi se prikazali prečaci aplikacije koju koristiš.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet čita izbornike tvojih aplikacija putem podrške pristupačnosti radnog okruženja, koja je isključena. Uključivanje vrijedi za cijelo radno okruženje, a podrška ostaje uključena dok je ne isključiš. Aplikacije koje su već otvorene možda će trebati ponovno pokrenuti kako bi ih Holdsheet mogao čitati.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Ne sada</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Uključi</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Uključiti podršku pristupačnosti?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Postavke tipkovnice</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Uključi podršku pristupačnosti</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Podrška pristupačnosti je isključena</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Podrška pristupačnosti je uključena</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Podrška pristupačnosti je isključena</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Pronađi i zamijeni…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Cijeli zaslon</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Primjer izbornika</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Novi prozor</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Ponovno otvori zatvorenu karticu</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Traži naredbe ili tipke</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Očisti pretraživanje</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Pozadina panela</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Zatvori pri otpuštanju tipke %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Dodaj aplikaciju…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Izuzmi</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Odaberite aplikaciju za izuzimanje</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Dok je aktivna jedna od ovih aplikacija, držanje tipke %1 ne otvara %2. Korisno za aplikacije koje same koriste tipku %1, poput igara ili udaljenih radnih površina.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Nema izuzetih aplikacija</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Ukloni %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Pretraži aplikacije</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Izuzete aplikacije</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efekt stakla</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Koliko dugo treba držati samo tipku %1 prije nego što se pojavi podsjetnik: od pola sekunde do sedam sekundi. Klik ili pritisak druge tipke prekida držanje.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Trajanje držanja</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Dugo</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Kratko</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Tipka za držanje</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Pokreni pri prijavi</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Prikaži ikonu u području obavijesti</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Prikaži onemogućene naredbe</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Prikaži prečace sustava</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>O aplikaciji</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Izgled</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Sadržaj</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Općenito</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Veličina teksta</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Postavke aplikacije Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Pošalji e-poštom…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Ispiši…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Spremi kao PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Spremi podsjetnik kao PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Podijeli…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Prikaži u Datotekama</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Izvezi</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Velika</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Srednja</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Mala</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Prebaci prozore aplikacije</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Pretraži datoteke</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Prikaži pregled</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Prebaci na sljedeći izvor ulaza</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Prebaci na prethodni izvor ulaza</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Kopiraj snimku područja u međuspremnik</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Napravi snimku područja</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Interaktivno napravi snimku zaslona</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Kopiraj snimku zaslona u međuspremnik</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Napravi snimku zaslona</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Prikaži radnu površinu</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Prebaci na lijevi radni prostor</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Prebaci na desni radni prostor</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Pretraži aplikacije i datoteke</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Tamna</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Svijetla</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Prema sustavu</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Klikni naredbu na podsjetniku i Holdsheet će je pokrenuti u tvojoj aplikaciji, kao da je odabrana iz izbornika.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Klikni za pokretanje</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Pritisni Esc ili klikni izvan podsjetnika da ga zatvoriš.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Na trenutak drži samo tipku %1 i pojavit će se podsjetnik aktivne aplikacije. Ponovno kratko pritisni %1 da ga zatvoriš.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Drži %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>U postavkama, na kartici „Izgled“, odaberi staklenu, matiranu ili neprozirnu pozadinu panela, svijetlu ili tamnu temu i veličinu teksta.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Prilagodi po svom</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Počni tipkati da suziš podsjetnik na naredbe, izbornike ili tipke koje tražiš.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Tipkaj za filtriranje</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Gumbom „Izvezi“ na dnu podsjetnika možeš ga ispisati, podijeliti ili spremiti kao PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Ispis ili spremanje</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Upoznaj Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Uključi podršku pristupačnosti</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>U bilo kojoj aplikaciji na trenutak drži samo tipku %1 da vidiš njezine prečace tipkovnice. Ponovno kratko pritisni %1 da zatvoriš podsjetnik.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Otvori postavke</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet čita samo nazive stavki izbornika i njihove prečace, i to samo kada otvoriš podsjetnik. Ništa ne napušta tvoje računalo.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Sve je spremno</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klikni donji gumb „Uključi podršku pristupačnosti“.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 uključuje podršku pristupačnosti radnog okruženja kako bi mogao čitati izbornike aplikacije koju koristiš. Postavka vrijedi za cijelo radno okruženje.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Ponovno pokreni aplikacije koje su već bile otvorene kako bi se njihovi izbornici pojavili na podsjetniku.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Drži tipku %1 da vidiš sve prečace aplikacije koju koristiš.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Dobro došli u %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Čekanje na podršku pristupačnosti…</translation>
    </message>
</context>
</TS>
