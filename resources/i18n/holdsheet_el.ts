<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Δημιουργήθηκε από την ομάδα Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>Η εφαρμογή %1 διαβάζει εντολές μενού μόνο όταν ανοίγετε τη λίστα συντομεύσεων και μόνο σε αυτόν τον υπολογιστή. Δεν συλλέγει δεδομένα και δεν στέλνει τίποτα μέσω δικτύου.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Οι συντομεύσεις πληκτρολογίου της εφαρμογής που χρησιμοποιείτε, αρκεί να κρατήσετε πατημένο ένα πλήκτρο.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Η εφαρμογή στο προσκήνιο δεν έχει εντολές μενού με συντομεύσεις πληκτρολογίου ή δεν κοινοποιεί τα μενού της μέσω της υποστήριξης προσβασιμότητας.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Καμία εντολή, μενού ή πλήκτρο δεν ταιριάζει με την αναζήτησή σας. Δοκιμάστε μια διαφορετική λέξη.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Κανένα αποτέλεσμα</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Καμία συντόμευση πληκτρολογίου</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Μετά την πρώτη εγκατάσταση, αποσυνδεθείτε και συνδεθείτε ξανά και έπειτα ενεργοποιήστε το %1 στην εφαρμογή Επεκτάσεις.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Ενεργοποιήστε την στις Επεκτάσεις ή εκτελέστε: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Το πλήκτρο κράτησης χρειάζεται την επέκταση Shell %1: αποσυνδεθείτε και συνδεθείτε ξανά, και ενεργοποιήστε την στις Επεκτάσεις.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Το πλήκτρο κράτησης χρειάζεται την επέκταση Shell %1: ενεργοποιήστε την στην εφαρμογή Επεκτάσεις.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Η επέκταση Shell δεν έχει εγκατασταθεί ακόμη.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Η επέκταση Shell είναι ανενεργή.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Η επέκταση Shell είναι ενεργή.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>Στο GNOME το πλήκτρο κράτησης χρειάζεται την επέκταση Shell του %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Δημιουργήθηκε από την ομάδα Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Λιγότερο</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Περισσότερο</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>από τη βοήθεια συντομεύσεων της εφαρμογής</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Συντομεύσεις</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Συντομεύσεις επιφάνειας εργασίας</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>Η εφαρμογή %1 έχει απενεργοποιημένη την προσβασιμότητα, οπότε τα μενού της δεν μπορούν να διαβαστούν. Ξεκινήστε την με --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n εντολή</numerusform>
            <numerusform>%n εντολές</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Μόνο μέρος των μενού της εφαρμογής %1 ήταν δυνατό να διαβαστεί· το φύλλο είναι ελλιπές.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>Η εφαρμογή %1 δεν βρίσκεται στον δίαυλο προσβασιμότητας, οπότε τα μενού της δεν μπορούν να διαβαστούν. Επανεκκινήστε την με ενεργοποιημένη την προσβασιμότητα.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>Η εφαρμογή %1 δεν αποκρίνεται· το φύλλο ενδέχεται να είναι ελλιπές.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>Η εφαρμογή %1 δεν έχει ούτε γραμμή μενού ούτε βοήθεια συντομεύσεων για ανάγνωση.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Γλώσσα συστήματος</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Θαμπό</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Γυάλινο</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Το γυάλινο υλικό δεν είναι διαθέσιμο σε αυτή την επιφάνεια εργασίας, γι’ αυτό το πάνελ εμφανίζεται θαμπό.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Συμπαγές</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Τερματισμός Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Εμφάνιση λίστας συντομεύσεων</translation>
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
        <translation>%1 (συνέχεια)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Δημιουργήθηκε με %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Σελίδα %1 από %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Συντομεύσεις πληκτρολογίου – %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>Η εφαρμογή %1 διαβάζει τα μενού των εφαρμογών μέσω της υποστήριξης προσβασιμότητας της επιφάνειας εργασίας. Ενεργοποιήστε την για να βλέπετε τις συντομεύσεις της εφαρμογής που χρησιμοποιείτε.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Η εφαρμογή Holdsheet διαβάζει τα μενού των εφαρμογών σας μέσω της υποστήριξης προσβασιμότητας της επιφάνειας εργασίας, η οποία είναι ανενεργή. Η ρύθμιση ισχύει για ολόκληρη την επιφάνεια εργασίας και η υποστήριξη παραμένει ενεργή μέχρι να την απενεργοποιήσετε. Ίσως χρειαστεί να επανεκκινήσετε τις εφαρμογές που είναι ήδη ανοιχτές, για να μπορεί η εφαρμογή Holdsheet να τις διαβάσει.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Όχι τώρα</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Ενεργοποίηση υποστήριξης προσβασιμότητας;</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Ρυθμίσεις πληκτρολογίου</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Ενεργοποίηση υποστήριξης προσβασιμότητας</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Η υποστήριξη προσβασιμότητας είναι ανενεργή</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Η υποστήριξη προσβασιμότητας είναι ενεργή</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Η υποστήριξη προσβασιμότητας είναι ανενεργή</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Εύρεση και αντικατάσταση…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Πλήρης οθόνη</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Δείγμα μενού</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Νέο παράθυρο</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Επαναφορά κλεισμένης καρτέλας</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Εύρεση εντολών ή πλήκτρων</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Εκκαθάριση αναζήτησης</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Υλικό πάνελ</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Θέμα</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Κλείσιμο όταν αφήνετε το %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Προσθήκη εφαρμογής…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Εξαίρεση</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Επιλέξτε εφαρμογή για εξαίρεση</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Όσο μία από αυτές τις εφαρμογές βρίσκεται στο προσκήνιο, το παρατεταμένο πάτημα του %1 δεν ανοίγει την εφαρμογή %2. Χρήσιμο για εφαρμογές που χρησιμοποιούν οι ίδιες το πλήκτρο %1, όπως παιχνίδια ή απομακρυσμένες επιφάνειες εργασίας.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Δεν υπάρχουν εξαιρούμενες εφαρμογές</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Αφαίρεση %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Αναζήτηση εφαρμογών</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Εξαιρούμενες εφαρμογές</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Εφέ γυαλιού</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Πόση ώρα πρέπει να κρατάτε πατημένο μόνο το πλήκτρο %1 μέχρι να εμφανιστεί η λίστα συντομεύσεων, από μισό έως επτά δευτερόλεπτα. Ένα κλικ ή ένα άλλο πλήκτρο ακυρώνει το παρατεταμένο πάτημα.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Διάρκεια πατήματος</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Μεγάλη</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Σύντομη</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Πλήκτρο πατήματος</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Εκκίνηση κατά τη σύνδεση</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Εμφάνιση εικονιδίου στο πλαίσιο συστήματος</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Εμφάνιση ανενεργών εντολών</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Συμπερίληψη συντομεύσεων επιφάνειας εργασίας</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Περιεχόμενο</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Μέγεθος κειμένου</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Ρυθμίσεις Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Αποστολή με email…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Εκτύπωση…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Αποθήκευση ως PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Αποθήκευση λίστας συντομεύσεων ως PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Κοινή χρήση…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Εμφάνιση στα Αρχεία</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Μεγάλο</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Μεσαίο</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Μικρό</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Εναλλαγή παραθύρων μιας εφαρμογής</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Αναζήτηση αρχείων</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Εμφάνιση επισκόπησης</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Εναλλαγή στην επόμενη πηγή εισόδου</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Εναλλαγή στην προηγούμενη πηγή εισόδου</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Αντιγραφή στιγμιότυπου περιοχής στο πρόχειρο</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Λήψη στιγμιότυπου περιοχής</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Διαδραστική λήψη στιγμιότυπου οθόνης</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Αντιγραφή στιγμιότυπου οθόνης στο πρόχειρο</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Λήψη στιγμιότυπου οθόνης</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Εμφάνιση επιφάνειας εργασίας</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Εναλλαγή στο χώρο εργασίας αριστερά</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Εναλλαγή στο χώρο εργασίας δεξιά</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Αναζήτηση εφαρμογών και αρχείων</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Σκοτεινό</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Φωτεινό</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Σύστημα</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Κάντε κλικ σε μια εντολή της λίστας συντομεύσεων και η εφαρμογή Holdsheet θα την εκτελέσει στην εφαρμογή σας, σαν να την είχατε επιλέξει από το μενού.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Κλικ για εκτέλεση</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Πατήστε Esc ή κάντε κλικ έξω από τη λίστα συντομεύσεων για να την κλείσετε.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Κρατήστε πατημένο μόνο το πλήκτρο %1 για λίγο και θα εμφανιστεί η λίστα συντομεύσεων της εφαρμογής στο προσκήνιο. Πατήστε ξανά σύντομα το %1 για να την κλείσετε.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Κρατήστε πατημένο το %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Επιλέξτε γυάλινο, θαμπό ή συμπαγές πάνελ, φωτεινό ή σκοτεινό θέμα και μέγεθος κειμένου στις ρυθμίσεις «Εμφάνιση».</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Στα μέτρα σας</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Αρχίστε να πληκτρολογείτε για να περιορίσετε τη λίστα συντομεύσεων στις εντολές, τα μενού ή τα πλήκτρα που αναζητάτε.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Πληκτρολογήστε για φιλτράρισμα</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Χρησιμοποιήστε το κουμπί «Εξαγωγή» στο κάτω μέρος της λίστας συντομεύσεων για να την εκτυπώσετε, να τη μοιραστείτε ή να την αποθηκεύσετε ως PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Εκτύπωση ή αποθήκευση</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Γνωριμία με την εφαρμογή Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Τέλος</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Ενεργοποίηση υποστήριξης προσβασιμότητας</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Σε οποιαδήποτε εφαρμογή, κρατήστε πατημένο μόνο το πλήκτρο %1 για λίγο για να δείτε τις συντομεύσεις πληκτρολογίου της. Πατήστε ξανά σύντομα το %1 για να κλείσετε τη λίστα συντομεύσεων.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Άνοιγμα ρυθμίσεων</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Η εφαρμογή Holdsheet διαβάζει μόνο τους τίτλους των μενού και τις συντομεύσεις τους, και μόνο όταν ανοίγετε τη λίστα συντομεύσεων. Τίποτα δεν φεύγει από τον υπολογιστή σας.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Όλα είναι έτοιμα</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Κάντε κλικ στο «Ενεργοποίηση υποστήριξης προσβασιμότητας» παρακάτω.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>Η εφαρμογή %1 ενεργοποιεί την υποστήριξη προσβασιμότητας της επιφάνειας εργασίας, ώστε να μπορεί να διαβάζει τα μενού της εφαρμογής που χρησιμοποιείτε. Η ρύθμιση ισχύει για ολόκληρη την επιφάνεια εργασίας.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Επανεκκινήστε τις εφαρμογές που ήταν ήδη ανοιχτές, ώστε τα μενού τους να εμφανίζονται στη λίστα συντομεύσεων.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Κρατήστε πατημένο το πλήκτρο %1 για να δείτε όλες τις συντομεύσεις της εφαρμογής που χρησιμοποιείτε.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Καλώς ήρθατε στην εφαρμογή %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Αναμονή για την υποστήριξη προσβασιμότητας…</translation>
    </message>
</context>
</TS>
