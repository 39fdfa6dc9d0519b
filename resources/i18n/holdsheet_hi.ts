<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet टीम द्वारा निर्मित</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 मेनू कमांड केवल तभी पढ़ता है जब आप शॉर्टकट शीट खोलते हैं, और केवल इसी कंप्यूटर पर। यह कोई डेटा इकट्ठा नहीं करता और नेटवर्क पर कुछ भी नहीं भेजता।</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>आपके मौजूदा ऐप के कीबोर्ड शॉर्टकट, बस एक कुंजी दबाए रखते ही।</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>संस्करण %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>सक्रिय ऐप में कीबोर्ड शॉर्टकट वाली कोई मेनू कमांड नहीं है, या वह अपने मेनू सुलभता सहायता के ज़रिए साझा नहीं करता।</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>कोई भी कमांड, मेनू या कुंजी आपकी खोज से मेल नहीं खाती। कोई दूसरा शब्द आज़माएँ।</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>कोई मिलान नहीं</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>कोई कीबोर्ड शॉर्टकट नहीं</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>चालू करें</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>पहली बार इंस्टॉल करने के बाद लॉग आउट करके फिर से लॉग इन करें, फिर एक्सटेंशन ऐप में %1 चालू करें।</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>इसे एक्सटेंशन ऐप में चालू करें, या चलाएँ: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>होल्ड कुंजी को Shell एक्सटेंशन %1 चाहिए: लॉग आउट करके फिर से लॉग इन करें, फिर एक्सटेंशन ऐप में इसे चालू करें।</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>होल्ड कुंजी को Shell एक्सटेंशन %1 चाहिए: एक्सटेंशन ऐप में इसे चालू करें।</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell एक्सटेंशन अभी इंस्टॉल नहीं है।</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell एक्सटेंशन बंद है।</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell एक्सटेंशन चालू है।</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>GNOME पर होल्ड कुंजी %1 के Shell एक्सटेंशन के ज़रिए काम करती है।</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet टीम द्वारा निर्मित</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>कम</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>ज़्यादा</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>ऐप की शॉर्टकट सहायता से</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>डेस्कटॉप शॉर्टकट</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 ने अपनी सुलभता बंद रखी है, इसलिए इसके मेनू नहीं पढ़े जा सकते। इसे --force-renderer-accessibility के साथ शुरू करें।</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n कमांड</numerusform>
            <numerusform>%n कमांड</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>%1 के मेनू का केवल एक भाग पढ़ा जा सका; शीट अधूरी है।</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 सुलभता बस पर नहीं है, इसलिए इसके मेनू नहीं पढ़े जा सकते। सुलभता चालू करके इसे फिर से शुरू करें।</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 प्रतिक्रिया नहीं दे रहा है; शीट अधूरी हो सकती है।</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 में पढ़ने के लिए न तो मेनू बार है और न ही शॉर्टकट सहायता।</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>सिस्टम की भाषा</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>धुंधला</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>काँच</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>इस डेस्कटॉप पर काँच उपलब्ध नहीं है, इसलिए पैनल धुंधले रूप में दिखता है।</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>ठोस</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Holdsheet से बाहर निकलें</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>सेटिंग</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>शॉर्टकट शीट दिखाएँ</translation>
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
        <translation>%1 (जारी)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>%1 से बनाया गया</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 के कीबोर्ड शॉर्टकट</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 डेस्कटॉप की सुलभता सहायता के ज़रिए ऐप के मेनू पढ़ता है। आप जिस ऐप का उपयोग कर रहे हैं, उसके शॉर्टकट देखने के लिए इसे चालू करें।</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet आपके ऐप के मेनू डेस्कटॉप की सुलभता सहायता के ज़रिए पढ़ता है, जो अभी बंद है। इसे चालू करने पर यह सेटिंग पूरे डेस्कटॉप पर लागू होती है और तब तक चालू रहती है, जब तक आप इसे बंद नहीं करते। जो ऐप पहले से खुले हैं, उन्हें शायद फिर से शुरू करना होगा, तभी Holdsheet उन्हें पढ़ पाएगा।</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>अभी नहीं</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>चालू करें</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>सुलभता सहायता चालू करें?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>कीबोर्ड सेटिंग</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>सुलभता सहायता चालू करें</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>सुलभता सहायता बंद है</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>सुलभता सहायता चालू है</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>सुलभता सहायता बंद है</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>ढूँढें और बदलें…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>पूर्ण स्क्रीन</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>नमूना मेनू</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>नई विंडो</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>बंद किया गया टैब फिर खोलें</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>कमांड या कुंजी खोजें</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>खोज साफ़ करें</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>पैनल की बनावट</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>थीम</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>%1 छोड़ने पर बंद करें</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>ऐप जोड़ें…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>बाहर रखें</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>बाहर रखने के लिए ऐप चुनें</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>जब इनमें से कोई ऐप सक्रिय हो, तब %1 दबाए रखने से %2 नहीं खुलता। यह उन ऐप के लिए उपयोगी है जो ख़ुद %1 कुंजी का उपयोग करते हैं, जैसे गेम या रिमोट डेस्कटॉप।</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>कोई ऐप बाहर नहीं रखा गया</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>%1 हटाएँ</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>ऐप खोजें</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>बाहर रखे गए ऐप</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>काँच प्रभाव</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>शॉर्टकट शीट दिखने से पहले %1 कुंजी को अकेले कितनी देर दबाए रखना है, आधे सेकंड से सात सेकंड तक। क्लिक करने या कोई दूसरी कुंजी दबाने पर यह रद्द हो जाता है।</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>दबाए रखने की अवधि</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>लंबी</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>छोटी</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>दबाए रखने की कुंजी</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>लॉगिन पर शुरू करें</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>ट्रे आइकन दिखाएँ</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>निष्क्रिय कमांड दिखाएँ</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>डेस्कटॉप शॉर्टकट शामिल करें</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>रूप-रंग</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>सामग्री</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>सामान्य</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>टेक्स्ट का आकार</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet सेटिंग</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>ईमेल से भेजें…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>प्रिंट करें…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>PDF के रूप में सहेजें…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>शॉर्टकट शीट को PDF के रूप में सहेजें</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>साझा करें…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>फ़ाइलों में दिखाएँ</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>निर्यात करें</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>बड़ा</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>छोटा</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>किसी ऐप की विंडो के बीच स्विच करें</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>फ़ाइलें खोजें</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>सारांश दिखाएँ</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>अगले इनपुट स्रोत पर जाएँ</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>पिछले इनपुट स्रोत पर जाएँ</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>किसी क्षेत्र का स्क्रीनशॉट क्लिपबोर्ड पर कॉपी करें</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>किसी क्षेत्र का स्क्रीनशॉट लें</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>इंटरैक्टिव रूप से स्क्रीनशॉट लें</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>स्क्रीनशॉट क्लिपबोर्ड पर कॉपी करें</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>स्क्रीनशॉट लें</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>डेस्कटॉप दिखाएँ</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>बाईं ओर के कार्यस्थान पर जाएँ</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>दाईं ओर के कार्यस्थान पर जाएँ</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>ऐप और फ़ाइलें खोजें</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>गहरा</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>हल्का</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>सिस्टम</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>शॉर्टकट शीट पर किसी कमांड पर क्लिक करें और Holdsheet उसे आपके ऐप में चला देगा, मानो आपने उसे मेनू से चुना हो।</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>क्लिक करके चलाएँ</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>शॉर्टकट शीट बंद करने के लिए Esc दबाएँ या उसके बाहर क्लिक करें।</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>%1 कुंजी को अकेले थोड़ी देर दबाए रखें, सक्रिय ऐप की शॉर्टकट शीट दिखाई देगी। बंद करने के लिए %1 को फिर से एक बार दबाएँ।</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>%1 दबाए रखें</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>रूप-रंग सेटिंग में काँच, धुंधला या ठोस पैनल, हल्की या गहरी थीम और टेक्स्ट का आकार चुनें।</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>अपने हिसाब से सजाएँ</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>टाइप करना शुरू करें, और शॉर्टकट शीट में केवल वही कमांड, मेनू या कुंजियाँ रह जाएँगी जिन्हें आप ढूँढ रहे हैं।</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>टाइप करके फ़िल्टर करें</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>शॉर्टकट शीट को प्रिंट करने, साझा करने या PDF के रूप में सहेजने के लिए नीचे दिए गए “निर्यात करें” का उपयोग करें।</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>प्रिंट करें या सहेजें</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Holdsheet को जानें</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>हो गया</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>सुलभता सहायता चालू करें</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>किसी भी ऐप में, उसके कीबोर्ड शॉर्टकट देखने के लिए %1 कुंजी को अकेले थोड़ी देर दबाए रखें। शॉर्टकट शीट बंद करने के लिए %1 को फिर से एक बार दबाएँ।</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>सेटिंग खोलें</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet केवल मेनू शीर्षक और उनके शॉर्टकट पढ़ता है, और केवल तभी जब आप शॉर्टकट शीट खोलते हैं। आपके कंप्यूटर से कुछ भी बाहर नहीं जाता।</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>सब तैयार है</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>नीचे “सुलभता सहायता चालू करें” पर क्लिक करें।</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 डेस्कटॉप की सुलभता सहायता चालू करता है, ताकि वह आपके मौजूदा ऐप के मेनू पढ़ सके। यह सेटिंग पूरे डेस्कटॉप पर लागू होती है।</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>जो ऐप पहले से खुले हैं, उन्हें फिर से शुरू करें, ताकि उनके मेनू शॉर्टकट शीट पर दिखें।</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>आप जिस ऐप का उपयोग कर रहे हैं, उसके सभी शॉर्टकट देखने के लिए %1 कुंजी दबाए रखें।</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>%1 में आपका स्वागत है</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>सुलभता सहायता की प्रतीक्षा की जा रही है…</translation>
    </message>
</context>
</TS>
