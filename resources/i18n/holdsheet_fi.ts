<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet-tiimin tekemä</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 lukee valikkokomentoja vain, kun avaat lunttilapun, ja vain tällä tietokoneella. Se ei kerää mitään tietoja eikä lähetä mitään verkon yli.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Käyttämäsi sovelluksen pikanäppäimet yhden näppäimen painalluksen päässä.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Etualalla olevassa sovelluksessa ei ole pikanäppäimillä varustettuja valikkokomentoja, tai se ei jaa valikoitaan esteettömyystuen kautta.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Mikään komento, valikko tai näppäin ei vastaa hakuasi. Kokeile toista sanaa.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Ei osumia</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Ei pikanäppäimiä</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Kirjaudu ensimmäisen asennuksen jälkeen ulos ja takaisin sisään ja ota sitten %1 käyttöön Laajennukset-sovelluksessa.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Ota se käyttöön Laajennukset-sovelluksessa tai suorita: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Pidettävä näppäin tarvitsee Shell-laajennuksen %1: kirjaudu ulos ja takaisin ja ota se käyttöön Laajennuksissa.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Pidettävä näppäin tarvitsee Shell-laajennuksen %1: ota se käyttöön Laajennukset-sovelluksessa.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell-laajennusta ei ole vielä asennettu.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell-laajennus ei ole käytössä.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell-laajennus on käytössä.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>GNOMEssa pidettävä näppäin toimii sovelluksen %1 Shell-laajennuksen kautta.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet-tiimin tekemä</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Vähemmän</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Enemmän</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>sovelluksen pikanäppäinohjeesta</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Pikanäppäimet</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Työpöydän pikanäppäimet</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>Sovelluksen %1 esteettömyys on pois päältä, joten sen valikoita ei voi lukea. Käynnistä se valitsimella --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n komento</numerusform>
            <numerusform>%n komentoa</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Sovelluksen %1 valikoista voitiin lukea vain osa; lunttilappu on puutteellinen.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 ei ole esteettömyysväylällä, joten sen valikoita ei voi lukea. Käynnistä se uudelleen esteettömyys päällä.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 ei vastaa; lunttilappu voi olla puutteellinen.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>Sovelluksella %1 ei ole valikkoriviä eikä pikanäppäinohjetta luettavaksi.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Järjestelmän kieli</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Huurrettu</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Lasi</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Lasi ei ole käytettävissä tällä työpöydällä, joten tausta näytetään huurrettuna.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Peittävä</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Lopeta Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Näytä lunttilappu</translation>
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
        <translation>%1 (jatkuu)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Tehty sovelluksella %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Sivu %1 / %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Sovelluksen %1 pikanäppäimet</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 lukee sovellusten valikot työpöydän esteettömyystuen kautta. Ota se käyttöön, niin näet käyttämäsi sovelluksen pikanäppäimet.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet lukee sovellustesi valikot työpöydän esteettömyystuen kautta, mutta esteettömyystuki ei ole käytössä. Käyttöönotto koskee koko työpöytää, ja tuki pysyy käytössä, kunnes poistat sen käytöstä. Jo avoinna olevat sovellukset on ehkä käynnistettävä uudelleen, ennen kuin Holdsheet voi lukea niitä.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Ei nyt</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Otetaanko esteettömyystuki käyttöön?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Näppäimistön asetukset</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Ota esteettömyystuki käyttöön</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Esteettömyystuki ei ole käytössä</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Esteettömyystuki on käytössä</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Esteettömyystuki ei ole käytössä</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Etsi ja korvaa…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Koko näyttö</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Esimerkkivalikko</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Uusi ikkuna</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Avaa suljettu välilehti uudelleen</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Etsi komentoa tai näppäintä</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Tyhjennä haku</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Tausta</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Teema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Sulje, kun %1 vapautetaan</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Lisää sovellus…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Sulje pois</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Valitse poissuljettava sovellus</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Kun jokin näistä sovelluksista on etualalla, %1-näppäimen pitäminen pohjassa ei avaa sovellusta %2. Hyödyllistä sovelluksille, jotka käyttävät itse %1-näppäintä, kuten peleille tai etätyöpöydille.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Ei poissuljettuja sovelluksia</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Poista %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Hae sovelluksia</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Poissuljetut sovellukset</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Lasiefekti</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Kuinka kauan pelkkää %1-näppäintä pidetään pohjassa, ennen kuin lunttilappu tulee näkyviin: puolesta sekunnista seitsemään sekuntiin. Napsautus tai muu näppäin keskeyttää painalluksen.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Pitoaika</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Pitkä</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Lyhyt</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Pidettävä näppäin</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Käynnistä kirjautuessa</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Näytä ilmoitusalueen kuvake</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Näytä käytöstä poistetut komennot</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Sisällytä työpöydän pikanäppäimet</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Ulkoasu</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Sisältö</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Tekstin koko</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet-asetukset</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Lähetä sähköpostilla…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Tulosta…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Tallenna PDF-tiedostona…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Tallenna lunttilappu PDF-tiedostona</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Jaa…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Näytä Tiedostoissa</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Suuri</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Normaali</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Pieni</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Vaihda sovelluksen ikkunoiden välillä</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Etsi tiedostoja</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Näytä yleisnäkymä</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Vaihda seuraavaan syötelähteeseen</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Vaihda edelliseen syötelähteeseen</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Kopioi kuvakaappaus alueesta leikepöydälle</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Ota kuvakaappaus alueesta</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Ota kuvakaappaus vuorovaikutteisesti</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Kopioi kuvakaappaus leikepöydälle</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Ota kuvakaappaus</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Näytä työpöytä</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Vaihda vasemmalla olevaan työtilaan</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Vaihda oikealla olevaan työtilaan</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Etsi sovelluksia ja tiedostoja</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Tumma</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Vaalea</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Napsauta komentoa lunttilapussa, niin Holdsheet suorittaa sen sovelluksessasi aivan kuin olisit valinnut sen valikosta.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Suorita napsauttamalla</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Sulje lunttilappu painamalla Esc-näppäintä tai napsauttamalla sen ulkopuolelle.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Pidä pelkkää %1-näppäintä hetki pohjassa, niin etualalla olevan sovelluksen lunttilappu tulee näkyviin. Sulje se painamalla %1-näppäintä lyhyesti uudelleen.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Pidä %1 pohjassa</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Valitse asetusten Ulkoasu-välilehdellä tausta (Lasi, Huurrettu tai Peittävä), vaalea tai tumma teema sekä tekstin koko.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Tee siitä omasi</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Ala kirjoittaa, niin lunttilappu rajautuu etsimiisi komentoihin, valikoihin tai näppäimiin.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Suodata kirjoittamalla</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Lunttilapun alareunan Vie-painikkeella voit tulostaa sen, jakaa sen tai tallentaa sen PDF-tiedostona.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Tulosta tai tallenna</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Näin Holdsheet toimii</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Valmis</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Ota esteettömyystuki käyttöön</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Pidä missä tahansa sovelluksessa pelkkää %1-näppäintä hetki pohjassa, niin näet sen pikanäppäimet. Sulje lunttilappu painamalla %1-näppäintä lyhyesti uudelleen.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Avaa asetukset</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet lukee vain valikoiden nimet ja niiden pikanäppäimet, ja vain kun avaat lunttilapun. Mitään ei lähetetä tietokoneeltasi.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Kaikki on valmiina</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Napsauta alla olevaa painiketta ”Ota esteettömyystuki käyttöön”.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 ottaa käyttöön työpöydän esteettömyystuen, jotta se voi lukea käyttämäsi sovelluksen valikot. Asetus koskee koko työpöytää.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Käynnistä jo avoinna olleet sovellukset uudelleen, jotta niiden valikot näkyvät lunttilapussa.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Pidä %1-näppäintä pohjassa, niin näet käyttämäsi sovelluksen kaikki pikanäppäimet.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Tervetuloa käyttämään sovellusta %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Odotetaan esteettömyystukea…</translation>
    </message>
</context>
</TS>
