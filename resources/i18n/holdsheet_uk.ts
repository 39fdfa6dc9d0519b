<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Створено командою Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 читає команди меню лише тоді, коли ви відкриваєте шпаргалку, і лише на цьому комп’ютері. Програма не збирає жодних даних і нічого не надсилає мережею.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Клавіатурні скорочення програми, з якою ви працюєте, — досить утримати одну клавішу.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Активна програма не має команд меню з клавіатурними скороченнями або не надає доступу до своїх меню через підтримку доступності.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Жодна команда, меню чи клавіша не відповідає запиту. Спробуйте інше слово.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Нічого не знайдено</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Немає клавіатурних скорочень</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Увімкнути</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Після першого встановлення вийдіть із сеансу й увійдіть знову, потім увімкніть %1 у застосунку «Розширення».</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Увімкніть його в застосунку «Розширення» або виконайте: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Утримуваній клавіші потрібне розширення Shell %1: вийдіть із сеансу й увійдіть знову, потім увімкніть його в «Розширеннях».</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Утримуваній клавіші потрібне розширення Shell %1: увімкніть його в застосунку «Розширення».</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Розширення Shell ще не встановлено.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Розширення Shell вимкнено.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Розширення Shell увімкнено.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>У GNOME утримувана клавіша працює через розширення Shell програми %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Створено командою Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Менше</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Більше</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>з довідки клавіатурних скорочень програми</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Системні клавіатурні скорочення</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>У програмі %1 вимкнено доступність, тому її меню не можна прочитати. Запустіть її з ключем --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n команда</numerusform>
            <numerusform>%n команди</numerusform>
            <numerusform>%n команд</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Вдалося прочитати лише частину меню %1; шпаргалка неповна.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>Програма %1 не підключена до шини доступності, тому її меню не можна прочитати. Перезапустіть її з увімкненою доступністю.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 не відповідає; шпаргалка може бути неповною.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>У програми %1 немає ні рядка меню, ні довідки клавіатурних скорочень, яку можна прочитати.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Мова системи</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Матовий</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Скляний</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>У цьому графічному середовищі скляний фон недоступний, тому панель використовує матовий.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Непрозорий</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Вийти з Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Показати шпаргалку</translation>
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
        <translation>%1 (продовження)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Створено за допомогою %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1: клавіатурні скорочення</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 читає меню програм через системну підтримку доступності. Увімкніть її, щоб бачити клавіатурні скорочення програми, з якою ви працюєте.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet читає меню ваших програм через системну підтримку доступності, яку зараз вимкнено. Увімкнення діє в усій системі, і підтримка залишається увімкненою, доки ви її не вимкнете. Можливо, уже відкриті програми доведеться перезапустити, щоб Holdsheet міг їх прочитати.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Не зараз</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Увімкнути</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Увімкнути підтримку доступності?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Параметри клавіатури</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Увімкнути підтримку доступності</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Підтримку доступності вимкнено</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Підтримку доступності увімкнено</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Підтримку доступності вимкнено</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Знайти і замінити…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Повноекранний режим</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Зразок меню</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Нове вікно</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Відновити закриту вкладку</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Пошук команд або клавіш</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Очистити пошук</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Фон панелі</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Закривати після відпускання %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Додати програму…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Виключити</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Виберіть програму для виключення</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Поки активна одна з цих програм, утримання %1 не відкриває %2. Корисно для програм, які самі використовують клавішу %1, наприклад ігор або віддалених стільниць.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Немає виключених програм</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Вилучити %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Шукати програми</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Виключені програми</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Ефект скла</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Скільки утримувати саму лише клавішу %1, перш ніж з’явиться шпаргалка: від пів секунди до семи секунд. Клацання або натискання іншої клавіші скасовує утримання.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Тривалість утримання</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Довго</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Коротко</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Клавіша утримання</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Показувати піктограму в системному лотку</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Показувати неактивні команди</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Додавати системні клавіатурні скорочення</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Вигляд</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Вміст</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Загальне</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Розмір тексту</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Налаштування Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Скопіювати</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Надіслати поштою…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Надрукувати…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Зберегти як PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Зберегти шпаргалку як PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Поділитися…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Показати у Файлах</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Великий</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Малий</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Перемкнути вікна програми</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Пошук файлів</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Показати огляд</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Перемкнутися на наступне джерело введення</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Перемкнутися на попереднє джерело введення</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Скопіювати знімок області до буфера обміну</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Зробити знімок області</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Зробити знімок екрана в інтерактивному режимі</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Скопіювати знімок екрана до буфера обміну</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Зробити знімок екрана</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Показати стільницю</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Перейти на робочий простір ліворуч</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Перейти на робочий простір праворуч</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Пошук програм і файлів</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Системна</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Клацніть команду в шпаргалці, і Holdsheet виконає її у вашій програмі так, наче ви вибрали її в меню.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Запуск клацанням</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Щоб закрити шпаргалку, натисніть Esc або клацніть поза нею.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Ненадовго утримайте саму лише клавішу %1, і з’явиться шпаргалка активної програми. Щоб закрити її, знову коротко натисніть %1.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Утримуйте %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>На вкладці «Вигляд» у налаштуваннях можна вибрати скляний, матовий або непрозорий фон панелі, світлу або темну тему та розмір тексту.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Налаштуйте під себе</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Почніть вводити текст, щоб залишити в шпаргалці лише потрібні команди, меню або клавіші.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Фільтр під час введення</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Кнопка «Експорт» унизу шпаргалки дає змогу надрукувати її, поділитися нею або зберегти її як PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Друк і збереження</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Знайомство з Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Увімкнути підтримку доступності</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>У будь-якій програмі ненадовго утримайте саму лише клавішу %1, щоб побачити її клавіатурні скорочення. Щоб закрити шпаргалку, знову коротко натисніть %1.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Відкрити налаштування</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet читає лише назви пунктів меню та їхні клавіатурні скорочення — і лише тоді, коли ви відкриваєте шпаргалку. Ніщо не залишає ваш комп’ютер.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Усе готово</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Натисніть кнопку «Увімкнути підтримку доступності» нижче.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 вмикає системну підтримку доступності, щоб читати меню програми, з якою ви працюєте. Цей параметр діє в усій системі.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Перезапустіть програми, які вже були відкриті, щоб їхні меню з’явилися в шпаргалці.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Утримуйте клавішу %1, щоб побачити всі клавіатурні скорочення програми, з якою ви працюєте.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Вітаємо в %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Очікування на підтримку доступності…</translation>
    </message>
</context>
</TS>
