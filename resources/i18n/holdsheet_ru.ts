<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Разработано командой Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 читает команды меню, только когда вы открываете шпаргалку, и только на этом компьютере. Приложение не собирает данные и ничего не отправляет по сети.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Комбинации клавиш приложения, с которым вы работаете, — достаточно удержать одну клавишу.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>У активного приложения нет команд меню с комбинациями клавиш, или оно не предоставляет свои меню через поддержку специальных возможностей.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Ни одна команда, меню или клавиша не соответствует запросу. Попробуйте другое слово.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Ничего не найдено</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Нет комбинаций клавиш</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Включить</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>После первой установки выйдите из сеанса и войдите снова, затем включите %1 в приложении «Расширения».</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Включите его в приложении «Расширения» или выполните: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Удерживаемой клавише нужно расширение Shell %1: выйдите из сеанса и войдите снова, затем включите его в «Расширениях».</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Удерживаемой клавише нужно расширение Shell %1: включите его в приложении «Расширения».</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Расширение Shell ещё не установлено.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Расширение Shell выключено.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Расширение Shell включено.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>В GNOME удерживаемая клавиша работает через расширение Shell программы %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Разработано командой Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Меньше</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Больше</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>из справки по комбинациям клавиш приложения</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Системные комбинации клавиш</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>В приложении %1 специальные возможности отключены, поэтому его меню нельзя прочитать. Запустите его с ключом --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n команда</numerusform>
            <numerusform>%n команды</numerusform>
            <numerusform>%n команд</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Удалось прочитать лишь часть меню %1; шпаргалка неполная.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>Приложение %1 не подключено к шине специальных возможностей, поэтому его меню нельзя прочитать. Перезапустите его с включёнными специальными возможностями.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 не отвечает; шпаргалка может быть неполной.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>У приложения %1 нет ни строки меню, ни справки по комбинациям клавиш, которую можно прочитать.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Язык системы</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Матовый</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Стеклянный</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>В этой графической среде стеклянный фон недоступен, поэтому панель использует матовый.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Непрозрачный</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Завершить Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Показать шпаргалку</translation>
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
        <translation>%1 (продолжение)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Создано с помощью %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1: комбинации клавиш</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 читает меню приложений через системную поддержку специальных возможностей. Включите её, чтобы видеть комбинации клавиш приложения, с которым вы работаете.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet читает меню ваших приложений через системную поддержку специальных возможностей, которая сейчас выключена. Включение действует во всей системе, и поддержка остаётся включённой, пока вы её не выключите. Возможно, уже открытые приложения придётся перезапустить, чтобы Holdsheet смог их прочитать.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Включить</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Включить поддержку специальных возможностей?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Параметры клавиатуры</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Включить поддержку специальных возможностей</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Поддержка специальных возможностей выключена</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Поддержка специальных возможностей включена</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Поддержка специальных возможностей выключена</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Найти и заменить…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Полноэкранный режим</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Пример меню</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Новое окно</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Восстановить закрытую вкладку</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Поиск команд или клавиш</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Очистить поиск</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Фон панели</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Закрывать при отпускании %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Добавить приложение…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Исключить</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Выберите приложение для исключения</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Пока активно одно из этих приложений, удержание %1 не открывает %2. Это полезно для приложений, которые сами используют клавишу %1, например для игр или удалённых рабочих столов.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Нет исключённых приложений</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Удалить %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Поиск приложений</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Исключённые приложения</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Эффект стекла</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Сколько нужно удерживать одну только клавишу %1, чтобы появилась шпаргалка: от половины секунды до семи секунд. Щелчок или нажатие другой клавиши отменяет удержание.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Длительность удержания</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Долго</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Коротко</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Удерживаемая клавиша</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Показывать значок в системном лотке</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Показывать неактивные команды</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Добавлять системные комбинации клавиш</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>О приложении</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Размер текста</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Настройки Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Скопировать</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Отправить по почте…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Сохранить как PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Сохранить шпаргалку как PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Поделиться…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Показать в Файлах</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Мелкий</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Переключить окна приложения</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Поиск файлов</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Показать обзор</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Переключиться на следующий источник ввода</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Переключиться на предыдущий источник ввода</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Скопировать снимок области в буфер обмена</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Сделать снимок области</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Сделать снимок экрана в интерактивном режиме</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Скопировать снимок экрана в буфер обмена</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Сделать снимок экрана</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Переключиться на рабочее место слева</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Переключиться на рабочее место справа</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Поиск приложений и файлов</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Системная</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Щёлкните команду в шпаргалке, и Holdsheet выполнит её в вашем приложении так, будто вы выбрали её в меню.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Запуск щелчком</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Чтобы закрыть шпаргалку, нажмите Esc или щёлкните за её пределами.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Ненадолго удержите одну только клавишу %1, и появится шпаргалка активного приложения. Чтобы закрыть её, снова коротко нажмите %1.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Удерживайте %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>На вкладке «Внешний вид» в настройках можно выбрать стеклянный, матовый или непрозрачный фон панели, светлую или тёмную тему и размер текста.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Настройте под себя</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Начните вводить текст, чтобы оставить в шпаргалке только нужные команды, меню или клавиши.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Фильтр при вводе</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Кнопка «Экспорт» внизу шпаргалки позволяет распечатать её, поделиться ею или сохранить её как PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Печать и сохранение</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Знакомство с Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Включить поддержку специальных возможностей</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>В любом приложении ненадолго удержите одну только клавишу %1, чтобы увидеть его комбинации клавиш. Чтобы закрыть шпаргалку, снова коротко нажмите %1.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet читает только названия пунктов меню и их комбинации клавиш — и только когда вы открываете шпаргалку. Ничто не покидает ваш компьютер.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Всё готово</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Нажмите кнопку «Включить поддержку специальных возможностей» ниже.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 включает системную поддержку специальных возможностей, чтобы читать меню приложения, с которым вы работаете. Этот параметр действует во всей системе.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Перезапустите уже открытые приложения, чтобы их меню появились в шпаргалке.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Удерживайте клавишу %1, чтобы увидеть все комбинации клавиш приложения, с которым вы работаете.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Добро пожаловать в %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Ожидание поддержки специальных возможностей…</translation>
    </message>
</context>
</TS>
