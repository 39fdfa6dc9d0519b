<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Stworzone przez zespół Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 odczytuje polecenia menu tylko po otwarciu ściągawki i tylko na tym komputerze. Nie zbiera żadnych danych i niczego nie wysyła przez sieć.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Skróty klawiszowe używanego programu — wystarczy przytrzymać jeden klawisz.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Aktywny program nie ma poleceń menu ze skrótami klawiszowymi lub nie udostępnia swoich menu przez obsługę ułatwień dostępu.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Żadne polecenie, menu ani klawisz nie pasują do wyszukiwanego tekstu. Proszę spróbować innego słowa.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Brak wyników</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Brak skrótów klawiszowych</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Włącz</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Po pierwszej instalacji proszę wylogować się i zalogować ponownie, a następnie włączyć %1 w programie Rozszerzenia.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Proszę włączyć je w programie Rozszerzenia lub wykonać: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Przytrzymywany klawisz wymaga rozszerzenia powłoki %1: proszę wylogować się i zalogować, a potem włączyć je w Rozszerzeniach.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Przytrzymywany klawisz wymaga rozszerzenia powłoki %1: proszę włączyć je w programie Rozszerzenia.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Rozszerzenie powłoki nie jest jeszcze zainstalowane.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Rozszerzenie powłoki jest wyłączone.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Rozszerzenie powłoki jest włączone.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>W GNOME przytrzymywany klawisz działa dzięki rozszerzeniu powłoki programu %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Stworzone przez zespół Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Mniej</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>z pomocy skrótów klawiszowych programu</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Skróty systemowe</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 ma wyłączone ułatwienia dostępu, więc nie można odczytać jego menu. Należy uruchomić go z opcją --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n polecenie</numerusform>
            <numerusform>%n polecenia</numerusform>
            <numerusform>%n poleceń</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Udało się odczytać tylko część menu aplikacji %1; ściągawka jest niekompletna.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 nie jest podłączony do magistrali ułatwień dostępu, więc nie można odczytać jego menu. Należy uruchomić go ponownie z włączonymi ułatwieniami dostępu.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 nie odpowiada; ściągawka może być niekompletna.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 nie ma ani paska menu, ani pomocy skrótów klawiszowych do odczytania.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Język systemu</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Matowe</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Szklane</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Szklane tło nie jest dostępne w tym środowisku, więc panel używa tła matowego.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Nieprzezroczyste</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Zakończ Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Wyświetl ściągawkę</translation>
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
        <translation>%1 (ciąg dalszy)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Utworzono w programie %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe programu %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 odczytuje menu programów przez obsługę ułatwień dostępu w środowisku. Po jej włączeniu będą widoczne skróty używanego programu.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet odczytuje menu programów przez obsługę ułatwień dostępu w środowisku, która jest wyłączona. Włączenie dotyczy całego środowiska, a obsługa pozostanie włączona do czasu jej wyłączenia. Już otwarte programy mogą wymagać ponownego uruchomienia, zanim Holdsheet będzie mógł odczytać ich menu.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Nie teraz</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Włącz</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Włączyć obsługę ułatwień dostępu?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Ustawienia klawiatury</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Włącz obsługę ułatwień dostępu</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Obsługa ułatwień dostępu jest wyłączona</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Obsługa ułatwień dostępu jest włączona</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Obsługa ułatwień dostępu jest wyłączona</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Znajdź i zastąp…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Przykładowe menu</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nowe okno</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Przywróć zamkniętą kartę</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Szukaj poleceń i klawiszy</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Wyczyść wyszukiwanie</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Tło panelu</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Zamykanie po puszczeniu klawisza %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Dodaj program…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Wyklucz</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Wybierz program do wykluczenia</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Kiedy aktywny jest jeden z tych programów, przytrzymanie klawisza %1 nie otwiera %2. Przydaje się to w programach, które same używają klawisza %1, na przykład w grach i pulpitach zdalnych.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Brak wykluczonych programów</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Szukaj programów</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Wykluczone programy</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efekt szkła</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Jak długo trzeba przytrzymać sam klawisz %1, zanim pojawi się ściągawka: od pół sekundy do siedmiu sekund. Kliknięcie lub naciśnięcie innego klawisza przerywa przytrzymanie.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Długo</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Krótko</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Przytrzymywany klawisz</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Uruchamianie po zalogowaniu</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Wyświetlanie ikony w zasobniku</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Wyświetlanie nieaktywnych poleceń</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Dołączanie skrótów systemowych</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Zawartość</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Rozmiar tekstu</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Ustawienia programu Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Skopiuj</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Wyślij e-mailem…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Wydrukuj…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Zapisz jako PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Zapis ściągawki jako PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Udostępnij…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Pokaż w Plikach</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Przełączenie między oknami programu</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Wyszukiwanie plików</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Wyświetlenie ekranu podglądu</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Przełączenie na następne źródło wprowadzania</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Przełączenie na poprzednie źródło wprowadzania</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Skopiowanie zrzutu obszaru do schowka</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Wykonanie zrzutu obszaru</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Interaktywne wykonanie zrzutu ekranu</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Skopiowanie zrzutu ekranu do schowka</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Wykonanie zrzutu ekranu</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Wyświetlenie pulpitu</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Przełączenie na lewy obszar roboczy</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Przełączenie na prawy obszar roboczy</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Wyszukiwanie programów i plików</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Kliknięcie polecenia na ściągawce sprawia, że Holdsheet wykonuje je w programie, tak jakby zostało wybrane z menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Uruchamianie kliknięciem</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Naciśnięcie klawisza Esc lub kliknięcie poza ściągawką ją zamyka.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Przytrzymanie przez chwilę samego klawisza %1 wyświetla ściągawkę aktywnego programu. Ponowne krótkie naciśnięcie klawisza %1 ją zamyka.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Przytrzymanie klawisza %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Na karcie „Wygląd” w ustawieniach można wybrać szklane, matowe lub nieprzezroczyste tło panelu, jasny lub ciemny motyw oraz rozmiar tekstu.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Własny wygląd</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Wystarczy zacząć pisać, aby zawęzić ściągawkę do szukanych poleceń, menu lub klawiszy.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Filtrowanie podczas pisania</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Przycisk „Eksportuj” na dole ściągawki umożliwia jej wydrukowanie, udostępnienie lub zapisanie jako PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Drukowanie i zapisywanie</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Poznaj Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Włącz obsługę ułatwień dostępu</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>W dowolnym programie przytrzymanie przez chwilę samego klawisza %1 wyświetla jego skróty klawiszowe. Ponowne krótkie naciśnięcie klawisza %1 zamyka ściągawkę.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Otwórz ustawienia</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet odczytuje tylko nazwy pozycji menu i ich skróty klawiszowe, i to tylko po otwarciu ściągawki. Nic nie opuszcza komputera.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Wszystko gotowe</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Proszę kliknąć poniższy przycisk „Włącz obsługę ułatwień dostępu”.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 włącza obsługę ułatwień dostępu w środowisku, aby móc odczytywać menu używanego programu. To ustawienie dotyczy całego środowiska.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Proszę ponownie uruchomić już otwarte programy, aby ich menu pojawiły się na ściągawce.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Przytrzymanie klawisza %1 wyświetla wszystkie skróty klawiszowe używanego programu.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Witamy w %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Oczekiwanie na obsługę ułatwień dostępu…</translation>
    </message>
</context>
</TS>
