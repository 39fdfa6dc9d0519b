<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Made by the Holdsheet team</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>The keyboard shortcuts of the app you are using, one held key away.</translation>
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
        <translation>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>No command, menu or key matches your search. Try a different word.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>No Matches</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>No Keyboard Shortcuts</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Turn On</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>After a first install, log out and back in, then turn on %1 in the Extensions app.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Turn it on in the Extensions app, or run: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>The hold key needs the Shell extension %1: turn it on in the Extensions app.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>The Shell extension is not installed yet.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>The Shell extension is off.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>The Shell extension is on.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>On GNOME, the hold key works through %1's Shell extension.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Made by the Holdsheet team</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Less</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>More</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>from the app's shortcuts help</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Desktop Shortcuts</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n command</numerusform>
            <numerusform>%n commands</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Only part of the menus of %1 could be read; the sheet is incomplete.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 is not responding; the sheet may be incomplete.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 has no menu bar and no shortcuts help to read.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>System Language</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Frosted</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Glass</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Glass is not available on this desktop, so the panel uses the frosted look.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Quit Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Show Cheat Sheet</translation>
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
        <translation>%1 (continued)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Made with %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 Keyboard Shortcuts</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Not Now</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Turn On</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Turn On Accessibility Support?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Keyboard Settings</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Turn On Accessibility Support</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Accessibility support is off</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Accessibility support is on</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Accessibility Support Is Off</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Find and Replace…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Sample Menu</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>New Window</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Reopen Closed Tab</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Search commands or keys</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Clear search</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Panel Material</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Close When %1 Is Released</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Add App…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Exclude</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Choose an App to Exclude</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>No excluded apps</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Remove %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Search Apps</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Excluded Apps</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Glass Effect</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Hold Duration</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Long</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Short</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Hold Key</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Start at Login</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Show Tray Icon</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Show Disabled Commands</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Include Desktop Shortcuts</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Text Size</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet Settings</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Email…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Save Cheat Sheet as PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Share…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Show in Files</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Switch windows of an app</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Search for files</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Show the overview</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Switch to next input source</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Switch to previous input source</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copy a screenshot of an area to clipboard</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Take a screenshot of an area</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Take a screenshot interactively</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copy a screenshot to clipboard</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Take a screenshot</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Switch to workspace on the left</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Switch to workspace on the right</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Search apps and files</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Click to Run</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Press Esc or click outside the cheat sheet to close it.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Hold %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Make It Yours</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Type to Filter</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Print or Save</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Get to Know Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Turn On Accessibility Support</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>You're All Set</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Click Turn On Accessibility Support below.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Restart apps that were already open, so that their menus appear on the cheat sheet.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Hold the %1 key to see every shortcut of the app you are using.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Welcome to %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Waiting for accessibility support…</translation>
    </message>
</context>
</TS>
