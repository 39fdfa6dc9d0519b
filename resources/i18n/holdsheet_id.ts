<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Dibuat oleh tim Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 membaca perintah menu hanya saat Anda membuka lembar pintasan, dan hanya di komputer ini. Tidak ada data yang dikumpulkan dan tidak ada yang dikirim melalui jaringan.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Pintasan papan tik aplikasi yang sedang Anda gunakan, cukup dengan menahan satu tombol.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Aplikasi yang aktif tidak memiliki perintah menu dengan pintasan papan tik, atau tidak membagikan menunya melalui dukungan aksesibilitas.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Tidak ada perintah, menu, atau tombol yang cocok dengan pencarian Anda. Coba kata lain.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Tidak ada yang cocok</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Tidak ada pintasan papan tik</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Aktifkan</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Setelah pemasangan pertama, keluar lalu masuk lagi, kemudian aktifkan %1 di aplikasi Ekstensi.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Aktifkan di aplikasi Ekstensi, atau jalankan: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Tombol tahan memerlukan ekstensi Shell %1: keluar lalu masuk lagi, kemudian aktifkan di aplikasi Ekstensi.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Tombol tahan memerlukan ekstensi Shell %1: aktifkan di aplikasi Ekstensi.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Ekstensi Shell belum terpasang.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Ekstensi Shell nonaktif.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Ekstensi Shell aktif.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>Di GNOME, tombol tahan bekerja melalui ekstensi Shell milik %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Dibuat oleh tim Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Kurang</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Lebih</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>dari bantuan pintasan aplikasi</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Pintasan desktop</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 menonaktifkan aksesibilitasnya, sehingga menunya tidak dapat dibaca. Jalankan dengan --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n perintah</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Hanya sebagian menu %1 yang dapat dibaca; lembar ini tidak lengkap.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 tidak ada di bus aksesibilitas, sehingga menunya tidak dapat dibaca. Mulai ulang dengan aksesibilitas diaktifkan.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 tidak merespons; lembar ini mungkin tidak lengkap.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 tidak memiliki bilah menu maupun bantuan pintasan untuk dibaca.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Bahasa sistem</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Buram</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Kaca</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Kaca tidak tersedia di desktop ini, jadi panel memakai tampilan buram.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Keluar dari Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Tampilkan lembar pintasan</translation>
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
        <translation>%1 (lanjutan)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Dibuat dengan %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Halaman %1 dari %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Pintasan papan tik %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 membaca menu aplikasi melalui dukungan aksesibilitas desktop. Aktifkan untuk melihat pintasan aplikasi yang sedang Anda gunakan.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet membaca menu aplikasi Anda melalui dukungan aksesibilitas desktop, yang saat ini nonaktif. Jika diaktifkan, pengaturan ini berlaku untuk seluruh desktop dan tetap aktif sampai Anda menonaktifkannya. Aplikasi yang sudah terbuka mungkin perlu dimulai ulang sebelum Holdsheet dapat membacanya.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Nanti saja</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Aktifkan</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Aktifkan dukungan aksesibilitas?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Pengaturan papan tik</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Aktifkan dukungan aksesibilitas</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Dukungan aksesibilitas nonaktif</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Dukungan aksesibilitas aktif</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Dukungan aksesibilitas nonaktif</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Cari dan ganti…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Layar penuh</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Menu contoh</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Jendela baru</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Buka lagi tab yang ditutup</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Cari perintah atau tombol</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Hapus pencarian</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Material panel</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Tutup saat %1 dilepas</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Tambah aplikasi…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Kecualikan</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Pilih aplikasi untuk dikecualikan</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Menahan %1 tidak membuka %2 selama salah satu aplikasi ini aktif. Berguna untuk aplikasi yang memakai tombol %1 sendiri, seperti gim atau desktop jarak jauh.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Tidak ada aplikasi yang dikecualikan</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Hapus %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Cari aplikasi</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Aplikasi yang dikecualikan</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efek kaca</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Berapa lama tombol %1 saja harus ditahan sebelum lembar pintasan muncul, dari setengah detik hingga tujuh detik. Klik atau menekan tombol lain akan membatalkannya.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Durasi tahan</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Lama</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Singkat</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Tombol tahan</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Mulai saat log masuk</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Tampilkan ikon baki</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Tampilkan perintah nonaktif</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Sertakan pintasan desktop</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Penampilan</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Konten</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Ukuran teks</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Pengaturan Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Kirim lewat Email…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Cetak…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Simpan sebagai PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Simpan lembar pintasan sebagai PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Bagikan…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Tampilkan di File</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Ekspor</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Besar</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Sedang</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Kecil</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Bertukar jendela dari suatu aplikasi</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Cari berkas</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Tampilkan ikhtisar</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Pindah ke sumber masukan selanjutnya</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Pindah ke sumber masukan sebelumnya</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Salin cuplikan layar suatu area ke papan klip</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Ambil cuplikan layar suatu area</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Ambil cuplikan layar secara interaktif</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Salin cuplikan layar ke papan klip</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Ambil cuplikan layar</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Tampilkan desktop</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Pindah ke ruang kerja di sebelah kiri</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Pindah ke ruang kerja di sebelah kanan</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Cari aplikasi dan berkas</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Gelap</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Terang</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Klik sebuah perintah pada lembar pintasan, dan Holdsheet akan menjalankannya di aplikasi Anda, seolah-olah Anda memilihnya dari menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Klik untuk menjalankan</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Tekan Esc atau klik di luar lembar pintasan untuk menutupnya.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Tahan tombol %1 saja sejenak, dan lembar pintasan aplikasi yang aktif akan muncul. Tekan %1 sekali lagi untuk menutupnya.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Tahan %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Pilih panel kaca, buram, atau solid, tema terang atau gelap, serta ukuran teks di pengaturan Penampilan.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Sesuaikan sesuka Anda</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Mulailah mengetik untuk mempersempit lembar pintasan ke perintah, menu, atau tombol yang Anda cari.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Ketik untuk menyaring</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Gunakan Ekspor di bagian bawah lembar pintasan untuk mencetaknya, membagikannya, atau menyimpannya sebagai PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Cetak atau simpan</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Kenali Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Aktifkan dukungan aksesibilitas</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Di aplikasi apa pun, tahan tombol %1 saja sejenak untuk melihat pintasan papan tiknya. Tekan %1 sekali lagi untuk menutup lembar pintasan.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Buka pengaturan</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet hanya membaca judul menu dan pintasannya, dan hanya saat Anda membuka lembar pintasan. Tidak ada yang keluar dari komputer Anda.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Semuanya siap</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Klik “Aktifkan dukungan aksesibilitas” di bawah.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 mengaktifkan dukungan aksesibilitas desktop agar dapat membaca menu aplikasi yang sedang Anda gunakan. Pengaturan ini berlaku untuk seluruh desktop.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Mulai ulang aplikasi yang sudah terbuka agar menunya muncul di lembar pintasan.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Tahan tombol %1 untuk melihat semua pintasan aplikasi yang sedang Anda gunakan.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Selamat datang di %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Menunggu dukungan aksesibilitas…</translation>
    </message>
</context>
</TS>
