<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Entwickelt vom Holdsheet-Team</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 liest Menübefehle nur, wenn Sie den Spickzettel öffnen, und nur auf diesem Rechner. Es werden keine Daten gesammelt und nichts über das Netzwerk gesendet.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Die Tastenkürzel der Anwendung, die Sie gerade verwenden – einfach eine Taste gedrückt halten.</translation>
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
        <translation>Die Anwendung im Vordergrund hat keine Menübefehle mit Tastenkürzeln oder stellt ihre Menüs nicht über die Barrierefreiheit der Arbeitsumgebung bereit.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Kein Befehl, kein Menü und keine Taste passt zu Ihrer Suche. Versuchen Sie es mit einem anderen Begriff.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Keine Tastenkürzel</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Melden Sie sich nach der ersten Installation ab und wieder an und schalten Sie dann %1 in der Anwendung „Erweiterungen“ ein.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Schalten Sie sie in der Anwendung „Erweiterungen“ ein oder führen Sie aus: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Die Haltetaste braucht die Shell-Erweiterung %1: Melden Sie sich ab und wieder an und schalten Sie sie dann unter „Erweiterungen“ ein.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Die Haltetaste braucht die Shell-Erweiterung %1: Schalten Sie sie unter „Erweiterungen“ ein.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Die Shell-Erweiterung ist noch nicht installiert.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Die Shell-Erweiterung ist ausgeschaltet.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Die Shell-Erweiterung ist eingeschaltet.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>Unter GNOME funktioniert die Haltetaste über die Shell-Erweiterung von %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Entwickelt vom Holdsheet-Team</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Weniger</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>aus der Tastenkürzel-Hilfe der Anwendung</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Tastenkürzel der Arbeitsumgebung</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 hat die Barrierefreiheit ausgeschaltet, daher können die Menüs nicht gelesen werden. Starten Sie die Anwendung mit --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n Befehl</numerusform>
            <numerusform>%n Befehle</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Die Menüs von %1 konnten nur teilweise gelesen werden; der Spickzettel ist unvollständig.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 ist nicht am Barrierefreiheits-Bus angemeldet, daher können die Menüs nicht gelesen werden. Starten Sie die Anwendung mit eingeschalteter Barrierefreiheit neu.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 reagiert nicht; der Spickzettel ist möglicherweise unvollständig.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 hat weder eine Menüleiste noch eine Tastenkürzel-Hilfe, die gelesen werden kann.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Systemsprache</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Milchglas</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Glas ist in dieser Arbeitsumgebung nicht verfügbar, daher wird stattdessen Milchglas verwendet.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Deckend</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Holdsheet beenden</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Spickzettel anzeigen</translation>
    </message>
    <message id="mod.command">
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message id="mod.control">
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message id="mod.option">
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message id="mod.shift">
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message id="pdf.continued">
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Erstellt mit %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Tastenkürzel für %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 liest die Menüs von Anwendungen über die Barrierefreiheit der Arbeitsumgebung. Schalten Sie sie ein, um die Tastenkürzel der Anwendung zu sehen, die Sie gerade verwenden.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet liest die Menüs Ihrer Anwendungen über die Barrierefreiheit der Arbeitsumgebung, die derzeit ausgeschaltet ist. Das Einschalten gilt für die gesamte Arbeitsumgebung, und die Barrierefreiheit bleibt eingeschaltet, bis Sie sie wieder ausschalten. Bereits geöffnete Anwendungen müssen eventuell neu gestartet werden, bevor Holdsheet sie lesen kann.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Barrierefreiheit einschalten?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Tastatureinstellungen</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Barrierefreiheit einschalten</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Barrierefreiheit ist ausgeschaltet</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Barrierefreiheit ist eingeschaltet</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Barrierefreiheit ist ausgeschaltet</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Suchen und Ersetzen …</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Beispielmenü</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Geschlossenen Tab wieder öffnen</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Befehle oder Tasten suchen</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Suche löschen</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Hintergrund</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Beim Loslassen von %1 schließen</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Anwendung hinzufügen …</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Ausschließen</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Anwendung zum Ausschließen wählen</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Wenn eine dieser Anwendungen im Vordergrund ist, wird %2 durch Halten von %1 nicht geöffnet. Nützlich für Anwendungen, die die %1-Taste selbst verwenden, etwa Spiele oder Remote-Desktops.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Keine ausgeschlossenen Anwendungen</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Anwendungen suchen</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Ausgeschlossene Anwendungen</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Glaseffekt</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Wie lange die %1-Taste allein gehalten werden muss, bis der Spickzettel erscheint: von einer halben bis zu sieben Sekunden. Ein Klick oder eine andere Taste bricht das Halten ab.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Haltedauer</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Haltetaste</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Symbol in der Systemleiste anzeigen</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Deaktivierte Befehle anzeigen</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Tastenkürzel der Arbeitsumgebung anzeigen</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet-Einstellungen</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Per E-Mail senden …</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Drucken …</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Als PDF speichern …</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Spickzettel als PDF speichern</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Teilen …</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>In „Dateien“ zeigen</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Zwischen den Fenstern einer Anwendung wechseln</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Nach Dateien suchen</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Übersicht anzeigen</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Zur nächsten Eingabequelle wechseln</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Zur vorherigen Eingabequelle wechseln</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Bildschirmfoto eines Bereichs in die Zwischenablage kopieren</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Bildschirmfoto eines Bereichs aufnehmen</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Bildschirmfoto interaktiv aufnehmen</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Bildschirmfoto in die Zwischenablage kopieren</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Bildschirmfoto aufnehmen</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Schreibtisch anzeigen</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Zur Arbeitsfläche links wechseln</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Zur Arbeitsfläche rechts wechseln</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Anwendungen und Dateien suchen</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Klicken Sie im Spickzettel auf einen Befehl, und Holdsheet führt ihn in Ihrer Anwendung aus – so, als hätten Sie ihn im Menü gewählt.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Klicken und ausführen</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Drücken Sie Esc oder klicken Sie außerhalb des Spickzettels, um ihn zu schließen.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Halten Sie die %1-Taste allein einen Moment gedrückt, und der Spickzettel der Anwendung im Vordergrund erscheint. Tippen Sie erneut auf %1, um ihn zu schließen.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>%1 gedrückt halten</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Wählen Sie in den Einstellungen unter „Darstellung“ den Hintergrund (Glas, Milchglas oder Deckend), ein helles oder dunkles Design und die Textgröße.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Ganz nach Ihrem Geschmack</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Tippen Sie einfach los, um den Spickzettel auf die gesuchten Befehle, Menüs oder Tasten einzugrenzen.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Tippen zum Filtern</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Mit „Exportieren“ unten im Spickzettel können Sie ihn drucken, teilen oder als PDF speichern.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Drucken oder speichern</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Holdsheet kennenlernen</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Barrierefreiheit einschalten</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Halten Sie in einer beliebigen Anwendung die %1-Taste allein einen Moment gedrückt, um ihre Tastenkürzel zu sehen. Tippen Sie erneut auf %1, um den Spickzettel zu schließen.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet liest nur Menütitel und deren Tastenkürzel, und nur, wenn Sie den Spickzettel öffnen. Nichts verlässt Ihren Rechner.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Alles bereit</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klicken Sie unten auf „Barrierefreiheit einschalten“.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 schaltet die Barrierefreiheit der Arbeitsumgebung ein, damit die Menüs der Anwendung gelesen werden können, die Sie gerade verwenden. Die Einstellung gilt für die gesamte Arbeitsumgebung.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Starten Sie bereits geöffnete Anwendungen neu, damit ihre Menüs im Spickzettel erscheinen.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Halten Sie die %1-Taste gedrückt, um alle Tastenkürzel der Anwendung zu sehen, die Sie gerade verwenden.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Willkommen bei %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Warten, bis die Barrierefreiheit eingeschaltet ist …</translation>
    </message>
</context>
</TS>
