<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Créé par l’équipe Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 lit les commandes des menus uniquement lorsque vous ouvrez l’aide-mémoire, et uniquement sur cet ordinateur. Il ne collecte aucune donnée et n’envoie rien sur le réseau.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Les raccourcis clavier de l’application que vous utilisez, d’un simple appui prolongé sur une touche.</translation>
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
        <translation>L’application au premier plan n’a aucune commande de menu avec un raccourci clavier, ou elle ne partage pas ses menus via la prise en charge de l’accessibilité.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Aucune commande, aucun menu ni aucune touche ne correspond à votre recherche. Essayez un autre mot.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Aucun raccourci clavier</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Après une première installation, fermez la session puis rouvrez-la, et activez %1 dans l’application Extensions.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Activez-la dans l’application Extensions, ou exécutez : %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>La touche maintenue a besoin de l’extension Shell %1 : fermez puis rouvrez la session, puis activez-la dans Extensions.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>La touche maintenue a besoin de l’extension Shell %1 : activez-la dans l’application Extensions.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>L’extension Shell n’est pas encore installée.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>L’extension Shell est désactivée.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>L’extension Shell est activée.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>Sous GNOME, la touche maintenue passe par l’extension Shell de %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Créé par l’équipe Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Moins</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>de l’aide des raccourcis de l’application</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Raccourcis du bureau</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 garde son accessibilité désactivée : ses menus ne peuvent pas être lus. Lancez-le avec --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n commande</numerusform>
            <numerusform>%n commandes</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Seule une partie des menus de %1 a pu être lue ; l’aide-mémoire est incomplet.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 n’est pas sur le bus d’accessibilité : ses menus ne peuvent pas être lus. Relancez-le avec l’accessibilité activée.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 ne répond pas ; l’aide-mémoire est peut-être incomplet.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 n’a ni barre de menus ni aide des raccourcis à lire.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Langue du système</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Dépoli</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Verre</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Le verre n’est pas disponible sur ce bureau, le panneau prend donc l’aspect dépoli.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Opaque</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Quitter Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Préférences</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Afficher l’aide-mémoire</translation>
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
        <translation>Maj</translation>
    </message>
    <message id="pdf.continued">
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Créé avec %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 – Raccourcis clavier</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 lit les menus des applications grâce à la prise en charge de l’accessibilité du bureau. Activez-la pour voir les raccourcis de l’application que vous utilisez.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet lit les menus de vos applications grâce à la prise en charge de l’accessibilité du bureau, qui est désactivée. L’activer modifie un réglage qui s’applique à tout le bureau et qui reste actif jusqu’à ce que vous le désactiviez. Il faudra peut-être redémarrer les applications déjà ouvertes pour que Holdsheet puisse les lire.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Activer la prise en charge de l’accessibilité ?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Paramètres du clavier</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Activer la prise en charge de l’accessibilité</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>La prise en charge de l’accessibilité est désactivée</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>La prise en charge de l’accessibilité est activée</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Prise en charge de l’accessibilité désactivée</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Rechercher et remplacer…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Menu d’exemple</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Rouvrir l’onglet fermé</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Commande, menu ou touche</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Matière du panneau</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Fermer au relâchement de %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Ajouter une application…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Exclure</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Choisir une application à exclure</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Maintenir %1 n’ouvre pas %2 tant que l’une de ces applications est au premier plan. Utile pour les applications qui utilisent elles-mêmes la touche %1, comme les jeux ou les bureaux à distance.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Aucune application exclue</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Rechercher des applications</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Applications exclues</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Effet de verre</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Durée pendant laquelle la touche %1 doit être maintenue seule avant l’apparition de l’aide-mémoire, d’une demi-seconde à sept secondes. Un clic ou une autre touche annule l’appui.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Durée d’appui</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Longue</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Courte</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Touche à maintenir</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Afficher l’icône dans la zone de notification</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Afficher les commandes désactivées</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Inclure les raccourcis du bureau</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Préférences de Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Envoyer par e-mail…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Enregistrer l’aide-mémoire en PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Partager…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Afficher dans Fichiers</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Basculer entre les fenêtres d’une application</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Rechercher des fichiers</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Afficher la vue d’ensemble</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Passer à la source de saisie suivante</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Passer à la source de saisie précédente</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copier une capture d’écran d’une zone dans le presse-papiers</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Prendre une capture d’écran d’une zone</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Prendre une capture d’écran de manière interactive</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copier une capture d’écran dans le presse-papiers</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Prendre une capture d’écran</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Basculer vers l’espace de travail de gauche</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Basculer vers l’espace de travail de droite</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Rechercher des applications et des fichiers</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Cliquez sur une commande de l’aide-mémoire et Holdsheet l’exécute dans votre application, comme si vous l’aviez choisie dans le menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Cliquer pour exécuter</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Appuyez sur Échap ou cliquez en dehors de l’aide-mémoire pour le fermer.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Maintenez la touche %1 seule enfoncée un instant et l’aide-mémoire de l’application au premier plan s’affiche. Un appui bref sur %1 le referme.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Maintenir %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Choisissez un panneau en verre, dépoli ou opaque, un thème clair ou sombre et la taille du texte dans l’onglet Apparence des préférences.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>À votre goût</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Commencez à taper pour réduire l’aide-mémoire aux commandes, menus ou touches que vous cherchez.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Taper pour filtrer</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Utilisez le bouton Exporter en bas de l’aide-mémoire pour l’imprimer, le partager ou l’enregistrer en PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Imprimer ou enregistrer</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Découvrir Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Activer la prise en charge de l’accessibilité</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Dans n’importe quelle application, maintenez la touche %1 seule enfoncée un instant pour voir ses raccourcis clavier. Un appui bref sur %1 referme l’aide-mémoire.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Ouvrir les préférences</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet lit uniquement les titres des menus et leurs raccourcis, et seulement lorsque vous ouvrez l’aide-mémoire. Rien ne quitte votre ordinateur.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Tout est prêt</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Cliquez sur « Activer la prise en charge de l’accessibilité » ci-dessous.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 active la prise en charge de l’accessibilité du bureau afin de pouvoir lire les menus de l’application que vous utilisez. Ce réglage s’applique à tout le bureau.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Redémarrez les applications déjà ouvertes pour que leurs menus apparaissent dans l’aide-mémoire.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Maintenez la touche %1 enfoncée pour voir tous les raccourcis de l’application que vous utilisez.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Bienvenue dans %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>En attente de la prise en charge de l’accessibilité…</translation>
    </message>
</context>
</TS>
