<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>נוצר על ידי צוות Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 קורא פקודות תפריט רק כשפותחים את דף העזר, ורק במחשב הזה. הוא לא אוסף נתונים ולא שולח דבר דרך הרשת.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>צירופי המקשים של היישום שבשימוש, במרחק לחיצה ארוכה על מקש אחד.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>ליישום הפעיל אין פקודות תפריט עם צירופי מקשים, או שהוא לא משתף את התפריטים שלו דרך התמיכה בנגישות.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>אין פקודה, תפריט או מקש שתואמים לחיפוש. כדאי לנסות מילה אחרת.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>אין תוצאות</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>אין צירופי מקשים</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>הפעלה</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>אחרי התקנה ראשונה יש להתנתק ולהתחבר מחדש, ואז להפעיל את ‏%1 ביישום ההרחבות.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>יש להפעיל אותה ביישום ההרחבות, או להריץ: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>מקש ההחזקה זקוק להרחבת ה־Shell ‏%1: יש להתנתק ולהתחבר מחדש, ואז להפעיל אותה בהרחבות.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>מקש ההחזקה זקוק להרחבת ה־Shell ‏%1: יש להפעיל אותה ביישום ההרחבות.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>הרחבת ה־Shell עדיין לא מותקנת.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>הרחבת ה־Shell כבויה.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>הרחבת ה־Shell פועלת.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>ב־GNOME מקש ההחזקה פועל דרך הרחבת ה־Shell של %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>נוצר על ידי צוות Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>פחות</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>יותר</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>מתוך עזרת צירופי המקשים של היישום</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>צירופי מקשים</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>צירופי מקשים של שולחן העבודה</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>הנגישות של %1 כבויה, ולכן אי אפשר לקרוא את התפריטים שלו. יש להפעיל אותו עם --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n פקודה</numerusform>
            <numerusform>%n פקודות</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>ניתן היה לקרוא רק חלק מהתפריטים של %1; הדף אינו שלם.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 אינו מחובר לאפיק הנגישות, ולכן אי אפשר לקרוא את התפריטים שלו. יש להפעיל אותו מחדש כשהנגישות מופעלת.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 אינו מגיב; ייתכן שהדף אינו שלם.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>ל־%1 אין שורת תפריטים ואין עזרת צירופי מקשים לקריאה.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>שפת המערכת</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>חלבי</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>זכוכית</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>זכוכית אינה זמינה בשולחן העבודה הזה, ולכן החלונית מוצגת במראה חלבי.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>אטום</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>סגירת Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>הצגת דף העזר</translation>
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
        <translation>%1 (המשך)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>נוצר באמצעות %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>עמוד %1 מתוך %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>צירופי המקשים של %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 קורא את תפריטי היישומים דרך התמיכה בנגישות של שולחן העבודה. יש להפעיל אותה כדי לראות את צירופי המקשים של היישום שבשימוש.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet קורא את התפריטים של היישומים שלך דרך התמיכה בנגישות של שולחן העבודה, שכבויה כרגע. ההגדרה חלה על כל שולחן העבודה, והתמיכה נשארת פעילה עד שמכבים אותה. ייתכן שיהיה צורך להפעיל מחדש יישומים שכבר פתוחים, כדי ש־Holdsheet יוכל לקרוא אותם.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>לא עכשיו</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>הפעלה</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>להפעיל את התמיכה בנגישות?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>הגדרות מקלדת</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>הפעלת תמיכה בנגישות</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>התמיכה בנגישות כבויה</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>התמיכה בנגישות פעילה</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>התמיכה בנגישות כבויה</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>חיפוש והחלפה…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>מסך מלא</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>תפריט לדוגמה</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>חלון חדש</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>פתיחה מחדש של לשונית שנסגרה</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>חיפוש פקודות או מקשים</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>ניקוי החיפוש</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>רקע החלונית</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>ערכת נושא</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>סגירה עם שחרור %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>הוספת יישום…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>החרגה</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>בחירת יישום להחרגה</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>החזקת %1 לא פותחת את %2 כשאחד מהיישומים האלה פעיל. שימושי ליישומים שמשתמשים במקש %1 בעצמם, כמו משחקים או שולחן עבודה מרוחק.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>אין יישומים מוחרגים</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>הסרת %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>חיפוש יישומים</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>יישומים מוחרגים</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>אפקט זכוכית</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>כמה זמן יש להחזיק את מקש %1 לבדו לפני שדף העזר מופיע, מחצי שנייה ועד שבע שניות. לחיצת עכבר או מקש אחר מבטלים את ההחזקה.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>משך ההחזקה</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>ארוך</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>קצר</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>מקש ההחזקה</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>הפעלה עם הכניסה למערכת</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>הצגת סמל במגש המערכת</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>הצגת פקודות מושבתות</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>הכללת צירופי מקשים של שולחן העבודה</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>מראה</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>תוכן</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>גודל טקסט</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>הגדרות Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>העתקה</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>שליחה בדוא״ל…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>הדפסה…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>שמירה כ־PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>שמירת דף העזר כ־PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>שיתוף…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>הצגה בקבצים</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>ייצוא</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>גדול</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>בינוני</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>קטן</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>החלפה בין חלונות של יישום</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>חיפוש קבצים</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>הצגת הסקירה</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>מעבר למקור הקלט הבא</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>מעבר למקור הקלט הקודם</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>העתקת צילום של אזור ללוח הגזירים</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>צילום של אזור במסך</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>צילום מסך באופן הידודי</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>העתקת צילום מסך ללוח הגזירים</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>צילום המסך</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>הצגת שולחן העבודה</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>מעבר למרחב העבודה משמאל</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>מעבר למרחב העבודה מימין</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>חיפוש יישומים וקבצים</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>כהה</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>בהיר</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>לפי המערכת</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>בלחיצה על פקודה בדף העזר, Holdsheet מריץ אותה ביישום שלך, כאילו נבחרה מהתפריט.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>לחיצה להרצה</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>כדי לסגור את דף העזר, יש ללחוץ על Esc או מחוץ לדף.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>יש להחזיק את מקש %1 לבדו לרגע, ודף העזר של היישום הפעיל יופיע. לחיצה קצרה נוספת על %1 סוגרת אותו.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>החזקת %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>בהגדרות "מראה" אפשר לבחור חלונית מזכוכית, חלבית או אטומה, ערכת נושא בהירה או כהה ואת גודל הטקסט.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>התאמה אישית</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>אפשר להתחיל להקליד כדי לצמצם את דף העזר לפקודות, לתפריטים או למקשים שמחפשים.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>הקלדה לסינון</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>הכפתור "ייצוא" בתחתית דף העזר מאפשר להדפיס אותו, לשתף אותו או לשמור אותו כ־PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>הדפסה או שמירה</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>היכרות עם Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>סיום</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>הפעלת תמיכה בנגישות</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>בכל יישום, יש להחזיק את מקש %1 לבדו לרגע כדי לראות את צירופי המקשים שלו. לחיצה קצרה נוספת על %1 סוגרת את דף העזר.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>פתיחת ההגדרות</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet קורא רק כותרות תפריטים ואת צירופי המקשים שלהן, ורק כשפותחים את דף העזר. שום דבר לא יוצא מהמחשב שלך.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>הכול מוכן</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>יש ללחוץ על "הפעלת תמיכה בנגישות" למטה.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 מפעיל את התמיכה בנגישות של שולחן העבודה, כדי שיוכל לקרוא את התפריטים של היישום שבשימוש. ההגדרה חלה על כל שולחן העבודה.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>יש להפעיל מחדש יישומים שכבר היו פתוחים, כדי שהתפריטים שלהם יופיעו בדף העזר.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>החזקת מקש %1 מציגה את כל צירופי המקשים של היישום שבשימוש.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>ברוכים הבאים אל %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>בהמתנה לתמיכה בנגישות…</translation>
    </message>
</context>
</TS>
