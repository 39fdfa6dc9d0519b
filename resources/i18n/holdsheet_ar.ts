<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>من صنع فريق Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>لا يقرأ %1 أوامر القوائم إلا عند فتحك ورقة الاختصارات، وعلى هذا الحاسوب فقط. لا يجمع أي بيانات ولا يرسل شيئًا عبر الشبكة.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>اختصارات لوحة المفاتيح للتطبيق الذي تستخدمه، بضغطة مطوّلة على مفتاح واحد.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>الإصدارة %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>ليس في التطبيق النشط أوامر قوائم لها اختصارات لوحة مفاتيح، أو أنه لا يشارك قوائمه عبر دعم الإتاحة.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>لا يطابق بحثك أي أمر أو قائمة أو مفتاح. جرّب كلمة أخرى.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>لا نتائج</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>لا اختصارات للوحة المفاتيح</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>تشغيل</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>بعد أول تثبيت، سجّل الخروج ثم الدخول من جديد، ثم فعّل ‏%1 في تطبيق الامتدادات.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>فعّلها في تطبيق الامتدادات، أو شغّل: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>يحتاج مفتاح الضغط المطوّل إلى امتداد Shell ‏%1: سجّل الخروج ثم الدخول من جديد، ثم فعّله في الامتدادات.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>يحتاج مفتاح الضغط المطوّل إلى امتداد Shell ‏%1: فعّله في تطبيق الامتدادات.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>امتداد Shell غير مثبّت بعد.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>امتداد Shell متوقف.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>امتداد Shell يعمل.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>في GNOME، يعمل مفتاح الضغط المطوّل عبر امتداد Shell الخاص بـ %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>من صنع فريق Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>أقل</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>أكثر</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>من دليل اختصارات التطبيق</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>اختصارات سطح المكتب</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 يُبقي الإتاحة معطّلة، لذا لا يمكن قراءة قوائمه. شغّله باستخدام --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n أمر</numerusform>
            <numerusform>%n أمر</numerusform>
            <numerusform>%n أمران</numerusform>
            <numerusform>%n أوامر</numerusform>
            <numerusform>%n أمرًا</numerusform>
            <numerusform>%n أمر</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>لم يُقرأ سوى جزء من قوائم %1؛ ورقة الاختصارات غير مكتملة.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 ليس على ناقل الإتاحة، لذا لا يمكن قراءة قوائمه. أعد تشغيله مع تفعيل الإتاحة.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 لا يستجيب؛ قد تكون ورقة الاختصارات غير مكتملة.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>ليس لدى %1 شريط قوائم ولا دليل اختصارات لقراءته.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>لغة النظام</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>ضبابي</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>زجاجي</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>المظهر الزجاجي غير متاح على سطح المكتب هذا، لذا تستخدم اللوحة المظهر الضبابي.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>معتم</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>أنهِ Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>اعرض ورقة الاختصارات</translation>
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
        <translation>%1 (تتمة)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>صُنع باستخدام %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>اختصارات لوحة المفاتيح في %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>يقرأ %1 قوائم التطبيقات عبر دعم الإتاحة في سطح المكتب. فعّله لترى اختصارات التطبيق الذي تستخدمه.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>يقرأ Holdsheet قوائم تطبيقاتك عبر دعم الإتاحة في سطح المكتب، وهو معطّل حاليًا. ينطبق تفعيله على سطح المكتب بأكمله، ويظل مفعّلًا إلى أن تعطّله. قد يلزم إعادة تشغيل التطبيقات المفتوحة بالفعل حتى يتمكن Holdsheet من قراءتها.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>ليس الآن</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>فعّل</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>هل تريد تفعيل دعم الإتاحة؟</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>إعدادات لوحة المفاتيح</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>فعّل دعم الإتاحة</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>دعم الإتاحة معطّل</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>دعم الإتاحة مفعّل</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>دعم الإتاحة معطّل</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>ابحث واستبدل…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>قائمة نموذجية</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>نافذة جديدة</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>أعِد فتح اللسان المغلق</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>ابحث عن أمر أو مفتاح</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>مسح البحث</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>خامة اللوحة</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>أغلق عند إفلات %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>أضف تطبيقًا…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>استثنِ</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>اختر تطبيقًا لاستثنائه</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>لا يُفتح %2 بالضغط المطوّل على %1 ما دام أحد هذه التطبيقات نشطًا. يفيد ذلك مع التطبيقات التي تستخدم مفتاح %1 بنفسها، مثل الألعاب أو سطح المكتب البعيد.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>لا تطبيقات مستثناة</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>إزالة %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>ابحث في التطبيقات</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>التطبيقات المستثناة</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>تأثير الزجاج</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>المدة التي يُضغط فيها مفتاح %1 وحده قبل ظهور ورقة الاختصارات، من نصف ثانية إلى سبع ثوانٍ. تُلغي النقرةُ أو أي مفتاح آخر الضغطَ المطوّل.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>مدة الضغط</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>طويلة</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>قصيرة</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>مفتاح الضغط</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>ابدأ عند الولوج</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>أظهر أيقونة صينية النظام</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>أظهر الأوامر المعطّلة</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>ضمِّن اختصارات سطح المكتب</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>عن</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>المحتوى</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>حجم النص</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>إعدادات Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>انسخ</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>أرسل بالبريد الإلكتروني…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>اطبع…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>احفظ بصيغة PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>احفظ ورقة الاختصارات بصيغة PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>شارك…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>اعرض في الملفات</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>صدّر</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>كبير</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>صغير</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>تنقل بين نوافذ التطبيق</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>ابحث عن ملفات</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>اعرض النظرة العامة</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>تحول إلى مصدر الإدخال التالي</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>تحول إلى مصدر الإدخال السابق</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>انسخ لقطة المنطقة المحددة إلى الحافظة</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>خذ لقطة لمنطقة من الشاشة</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>خذ لقطة شاشة تفاعليًا</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>انسخ لقطة الشاشة إلى الحافظة</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>خذ لقطة للشاشة</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>اعرض سطح المكتب</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>انتقل إلى مساحة العمل على اليسار</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>انتقل إلى مساحة العمل على اليمين</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>ابحث عن تطبيقات وملفات</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>حسب النظام</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>انقر أمرًا في ورقة الاختصارات وسينفّذه Holdsheet في تطبيقك، كأنك اخترته من القائمة.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>انقر للتنفيذ</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>اضغط Esc أو انقر خارج ورقة الاختصارات لإغلاقها.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>اضغط مطوّلًا على مفتاح %1 وحده لحظةً، فتظهر ورقة الاختصارات للتطبيق النشط. اضغط %1 مرة أخرى لإغلاقها.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>اضغط %1 مطوّلًا</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>اختر من إعدادات المظهر لوحة زجاجية أو ضبابية أو معتمة، وسمة فاتحة أو داكنة، وحجم النص.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>اجعله على ذوقك</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>ابدأ الكتابة لتضييق ورقة الاختصارات إلى الأوامر أو القوائم أو المفاتيح التي تبحث عنها.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>اكتب للتصفية</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>استخدم «صدّر» أسفل ورقة الاختصارات لطباعتها أو مشاركتها أو حفظها بصيغة PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>اطبع أو احفظ</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>تعرّف على Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>فعّل دعم الإتاحة</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>في أي تطبيق، اضغط مطوّلًا على مفتاح %1 وحده لحظةً لترى اختصارات لوحة المفاتيح الخاصة به. اضغط %1 مرة أخرى لإغلاق ورقة الاختصارات.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>افتح الإعدادات</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>لا يقرأ Holdsheet إلا عناوين القوائم واختصاراتها، وذلك فقط عند فتحك ورقة الاختصارات. لا يغادر أي شيء حاسوبك.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>كل شيء جاهز</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>انقر «فعّل دعم الإتاحة» أدناه.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>يفعّل %1 دعم الإتاحة في سطح المكتب، ليتمكن من قراءة قوائم التطبيق الذي تستخدمه. ينطبق هذا الإعداد على سطح المكتب بأكمله.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>أعِد تشغيل التطبيقات التي كانت مفتوحة من قبل، لتظهر قوائمها في ورقة الاختصارات.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>اضغط مطوّلًا على مفتاح %1 لترى كل اختصارات التطبيق الذي تستخدمه.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>مرحبًا بك في %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>في انتظار دعم الإتاحة…</translation>
    </message>
</context>
</TS>
