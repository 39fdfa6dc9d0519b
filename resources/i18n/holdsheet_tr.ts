<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet ekibi tarafından geliştirildi</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1, menü komutlarını yalnızca kısayol listesini açtığınızda ve yalnızca bu bilgisayarda okur. Hiçbir veri toplamaz ve ağ üzerinden hiçbir şey göndermez.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Kullandığınız uygulamanın klavye kısayolları, basılı tutacağınız tek bir tuş kadar yakında.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Öndeki uygulamada klavye kısayolu olan menü komutu yok ya da uygulama menülerini erişilebilirlik desteği üzerinden paylaşmıyor.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Aramanızla eşleşen komut, menü veya tuş yok. Farklı bir sözcük deneyin.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Eşleşme Yok</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Klavye Kısayolu Yok</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Aç</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>İlk kurulumdan sonra oturumu kapatıp yeniden açın, ardından Uzantılar uygulamasında %1 uzantısını etkinleştirin.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Uzantılar uygulamasında etkinleştirin veya şunu çalıştırın: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Basılı tutulan tuş %1 Shell uzantısını gerektirir: oturumu kapatıp yeniden açın, sonra Uzantılar'da etkinleştirin.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Basılı tutulan tuş %1 Shell uzantısını gerektirir: Uzantılar uygulamasında etkinleştirin.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell uzantısı henüz kurulmadı.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell uzantısı kapalı.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell uzantısı açık.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>GNOME'da basılı tutulan tuş, %1 uygulamasının Shell uzantısı üzerinden çalışır.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet ekibi tarafından geliştirildi</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Az</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Çok</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>uygulamanın kısayol yardımından</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Masaüstü Kısayolları</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 erişilebilirliğini kapalı tutuyor, bu yüzden menüleri okunamıyor. Uygulamayı --force-renderer-accessibility ile başlatın.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n komut</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>%1 menülerinin yalnızca bir kısmı okunabildi; kopya kâğıdı eksik.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 erişilebilirlik veri yolunda değil, bu yüzden menüleri okunamıyor. Uygulamayı erişilebilirlik açıkken yeniden başlatın.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 yanıt vermiyor; kopya kâğıdı eksik olabilir.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 uygulamasında okunacak bir menü çubuğu ya da kısayol yardımı yok.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Sistem Dili</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Buzlu</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Cam</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Bu masaüstünde cam kullanılamadığından panel buzlu görünümde gösteriliyor.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Opak</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Holdsheet Uygulamasından Çık</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Kısayol Listesini Göster</translation>
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
        <translation>%1 (devamı)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>%1 ile oluşturuldu</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Sayfa %1/%2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 Klavye Kısayolları</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1, uygulama menülerini masaüstünün erişilebilirlik desteği aracılığıyla okur. Kullandığınız uygulamanın kısayollarını görmek için erişilebilirlik desteğini açın.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet, uygulamalarınızın menülerini masaüstünün erişilebilirlik desteği aracılığıyla okur; bu destek şu anda kapalı. Açtığınızda bu ayar tüm masaüstü için geçerli olur ve siz kapatana kadar açık kalır. Zaten açık olan uygulamaların, Holdsheet tarafından okunabilmesi için yeniden başlatılması gerekebilir.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Şimdi Değil</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Aç</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Erişilebilirlik Desteği Açılsın mı?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Klavye Ayarları</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Erişilebilirlik Desteğini Aç</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Erişilebilirlik desteği kapalı</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Erişilebilirlik desteği açık</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Erişilebilirlik Desteği Kapalı</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Bul ve Değiştir…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Tam Ekran</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Örnek Menü</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Yeni Pencere</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Kapatılan Sekmeyi Yeniden Aç</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Komut veya tuş ara</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Aramayı temizle</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Panel Malzemesi</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>%1 Tuşu Bırakıldığında Kapat</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Uygulama Ekle…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Hariç Tut</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Hariç Tutulacak Uygulamayı Seçin</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Bu uygulamalardan biri öndeyken %1 tuşunu basılı tuttuğunuzda %2 açılmaz. Oyunlar veya uzak masaüstleri gibi %1 tuşunu kendisi kullanan uygulamalar için kullanışlıdır.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Hariç tutulan uygulama yok</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Kaldır: %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Uygulama Ara</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Hariç Tutulan Uygulamalar</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Cam Efekti</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Kısayol listesinin açılması için %1 tuşunun tek başına ne kadar süre basılı tutulacağını belirler (yarım saniye ile yedi saniye arası). Bir tıklama veya başka bir tuş, basılı tutmayı iptal eder.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Basılı Tutma Süresi</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Uzun</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Kısa</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Basılı Tutulan Tuş</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Oturum Açıldığında Başlat</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Tepsi Simgesini Göster</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Devre Dışı Komutları Göster</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Masaüstü Kısayollarını Dahil Et</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Görünüm</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>İçerik</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Metin Boyutu</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet Ayarları</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>E-postayla Gönder…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Yazdır…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>PDF Olarak Kaydet…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Kısayol Listesini PDF Olarak Kaydet</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Paylaş…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Dosyalar’da Göster</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Büyük</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Küçük</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Bir uygulamanın pencereleri arasında geçiş yap</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Dosya ara</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Etkinlikler genel görünümünü göster</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Sonraki giriş kaynağına geç</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Önceki giriş kaynağına geç</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Bir alanın ekran görüntüsünü panoya kopyala</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Bir alanın ekran görüntüsünü al</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Etkileşimli olarak ekran görüntüsü al</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Ekran görüntüsünü panoya kopyala</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Ekran görüntüsü al</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Masaüstünü göster</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Soldaki çalışma alanına geç</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Sağdaki çalışma alanına geç</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Uygulama ve dosya ara</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Kısayol listesinde bir komuta tıklayın; Holdsheet, komutu menüden seçmişsiniz gibi uygulamanızda çalıştırır.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Tıklayarak Çalıştırın</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Kapatmak için Esc tuşuna basın veya kısayol listesinin dışına tıklayın.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>%1 tuşunu tek başına bir süre basılı tutun; öndeki uygulamanın kısayol listesi açılır. Kapatmak için %1 tuşuna yeniden kısaca basın.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>%1 Tuşunu Basılı Tutun</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Görünüm ayarlarından cam, buzlu veya opak bir panel, açık veya koyu bir tema ve metin boyutunu seçin.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Kendinize Göre Ayarlayın</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Kısayol listesini aradığınız komutlara, menülere veya tuşlara daraltmak için yazmaya başlayın.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Yazarak Filtreleyin</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Kısayol listesini yazdırmak, paylaşmak veya PDF olarak kaydetmek için listenin altındaki Dışa Aktar düğmesini kullanın.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Yazdırın veya Kaydedin</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Holdsheet ile Tanışın</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Erişilebilirlik Desteğini Aç</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Herhangi bir uygulamanın klavye kısayollarını görmek için o uygulamadayken %1 tuşunu tek başına bir süre basılı tutun. Kısayol listesini kapatmak için %1 tuşuna yeniden kısaca basın.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Ayarları Aç</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet yalnızca menü başlıklarını ve bunların kısayollarını okur, bunu da yalnızca kısayol listesini açtığınızda yapar. Hiçbir şey bilgisayarınızın dışına çıkmaz.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Her Şey Hazır</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Aşağıdaki “Erişilebilirlik Desteğini Aç” düğmesine tıklayın.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1, kullandığınız uygulamanın menülerini okuyabilmek için masaüstünün erişilebilirlik desteğini açar. Bu ayar tüm masaüstü için geçerlidir.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Menülerinin kısayol listesinde görünmesi için önceden açık olan uygulamaları yeniden başlatın.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Kullandığınız uygulamanın tüm kısayollarını görmek için %1 tuşunu basılı tutun.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>%1 Uygulamasına Hoş Geldiniz</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Erişilebilirlik desteği bekleniyor…</translation>
    </message>
</context>
</TS>
