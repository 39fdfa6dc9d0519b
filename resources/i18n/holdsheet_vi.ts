<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Do nhóm Holdsheet phát triển</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 chỉ đọc các lệnh menu khi bạn mở bảng phím tắt, và chỉ trên máy tính này. Không thu thập dữ liệu và không gửi gì qua mạng.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Phím tắt của ứng dụng bạn đang dùng, chỉ cần giữ một phím.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Phiên bản %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>Ứng dụng đang hoạt động không có lệnh menu nào có phím tắt, hoặc không chia sẻ menu qua khả năng truy cập.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Không có lệnh, menu hay phím nào khớp với nội dung tìm kiếm. Hãy thử từ khác.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Không có kết quả</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Không có phím tắt</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Bật</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Sau lần cài đặt đầu tiên, hãy đăng xuất rồi đăng nhập lại, sau đó bật %1 trong ứng dụng Tiện ích mở rộng.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Bật nó trong ứng dụng Tiện ích mở rộng, hoặc chạy: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>Phím giữ cần tiện ích mở rộng Shell %1: hãy đăng xuất rồi đăng nhập lại, sau đó bật nó trong Tiện ích mở rộng.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>Phím giữ cần tiện ích mở rộng Shell %1: hãy bật nó trong ứng dụng Tiện ích mở rộng.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Tiện ích mở rộng Shell chưa được cài đặt.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Tiện ích mở rộng Shell đang tắt.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Tiện ích mở rộng Shell đang bật.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>Trên GNOME, phím giữ hoạt động qua tiện ích mở rộng Shell của %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Do nhóm Holdsheet phát triển</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Ít</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Nhiều</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>từ trợ giúp phím tắt của ứng dụng</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Phím tắt</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Phím tắt hệ thống</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 đang tắt khả năng truy cập nên không thể đọc menu của ứng dụng. Hãy khởi động ứng dụng với --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n lệnh</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Chỉ đọc được một phần menu của %1; bảng chưa đầy đủ.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 không có trên bus khả năng truy cập nên không thể đọc menu của ứng dụng. Hãy khởi động lại ứng dụng khi đã bật khả năng truy cập.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 không phản hồi; bảng có thể chưa đầy đủ.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 không có thanh menu cũng không có trợ giúp phím tắt để đọc.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Ngôn ngữ hệ thống</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Mờ</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Kính</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>Hiệu ứng kính không khả dụng trên hệ thống này, nên khung dùng kiểu mờ.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Đặc</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Thoát Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Hiện bảng phím tắt</translation>
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
        <translation>%1 (tiếp theo)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Tạo bằng %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Trang %1/%2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Phím tắt của %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 đọc menu của ứng dụng thông qua khả năng truy cập của hệ thống. Hãy bật tính năng này để xem phím tắt của ứng dụng bạn đang dùng.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet đọc menu trong các ứng dụng của bạn thông qua khả năng truy cập của hệ thống, hiện đang tắt. Khi bật, cài đặt này áp dụng cho toàn bộ hệ thống và sẽ luôn bật cho đến khi bạn tắt đi. Có thể bạn cần khởi động lại các ứng dụng đã mở sẵn để Holdsheet đọc được chúng.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Để sau</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Bật</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Bật khả năng truy cập?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Cài đặt bàn phím</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Bật khả năng truy cập</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>Khả năng truy cập đang tắt</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>Khả năng truy cập đang bật</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Khả năng truy cập đang tắt</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Tìm và thay thế…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Toàn màn hình</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Menu mẫu</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Cửa sổ mới</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Mở lại thẻ đã đóng</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Tìm lệnh hoặc phím</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Xóa tìm kiếm</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Chất liệu khung</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Chủ đề</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Đóng khi nhả phím %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Thêm ứng dụng…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Loại trừ</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Chọn ứng dụng để loại trừ</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Giữ phím %1 sẽ không mở %2 khi một trong các ứng dụng này đang hoạt động. Hữu ích cho các ứng dụng tự dùng phím %1, như trò chơi hoặc điều khiển máy tính từ xa.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Không có ứng dụng nào bị loại trừ</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Xóa %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Tìm ứng dụng</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Ứng dụng bị loại trừ</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Hiệu ứng kính</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Thời gian cần giữ riêng phím %1 trước khi bảng phím tắt hiện ra, từ nửa giây đến bảy giây. Nhấp chuột hoặc nhấn phím khác sẽ hủy thao tác giữ.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Thời gian giữ</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Dài</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Ngắn</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Phím giữ</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Khởi động khi đăng nhập</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Hiện biểu tượng ở khay hệ thống</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Hiện lệnh bị vô hiệu hóa</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Bao gồm phím tắt hệ thống</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Diện mạo</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Nội dung</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Chung</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Cỡ chữ</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Cài đặt Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Gửi qua email…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>In…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Lưu dạng PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Lưu bảng phím tắt dạng PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Chia sẻ…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Hiển thị trong Tệp</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Xuất</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Lớn</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Vừa</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Nhỏ</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Chuyển cửa sổ của một ứng dụng</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Tìm tập tin</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Hiển thị tổng quan</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Chuyển sang kiểu gõ kế</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Chuyển sang kiểu gõ trước</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Chép ảnh chụp một vùng vào bộ nhớ tạm</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Chụp một vùng màn hình</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Chụp màn hình tương tác</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Chép ảnh chụp màn hình vào bộ nhớ tạm</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Chụp màn hình</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Hiện màn hình nền</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Chuyển sang không gian làm việc bên trái</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Chuyển sang không gian làm việc bên phải</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Tìm ứng dụng và tập tin</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Tối</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Sáng</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Hệ thống</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Nhấp vào một lệnh trên bảng phím tắt, Holdsheet sẽ chạy lệnh đó trong ứng dụng của bạn như thể bạn đã chọn nó từ menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Nhấp để chạy</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Nhấn Esc hoặc nhấp ra ngoài bảng phím tắt để đóng.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Giữ riêng phím %1 trong giây lát, bảng phím tắt của ứng dụng đang hoạt động sẽ hiện ra. Nhấn %1 một lần nữa để đóng.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Giữ phím %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Chọn khung kính, mờ hoặc đặc, chủ đề sáng hoặc tối và cỡ chữ trong phần cài đặt Diện mạo.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Tùy biến theo ý bạn</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Bắt đầu gõ để thu hẹp bảng phím tắt, chỉ còn những lệnh, menu hoặc phím bạn đang tìm.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Gõ để lọc</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Dùng nút Xuất ở cuối bảng phím tắt để in, chia sẻ hoặc lưu bảng dưới dạng PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>In hoặc lưu</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Làm quen với Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Xong</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Bật khả năng truy cập</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Trong bất kỳ ứng dụng nào, hãy giữ riêng phím %1 trong giây lát để xem các phím tắt của ứng dụng đó. Nhấn %1 một lần nữa để đóng bảng phím tắt.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Mở cài đặt</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet chỉ đọc tên menu và phím tắt của chúng, và chỉ khi bạn mở bảng phím tắt. Không có gì rời khỏi máy tính của bạn.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Mọi thứ đã sẵn sàng</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Nhấp “Bật khả năng truy cập” bên dưới.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 sẽ bật khả năng truy cập của hệ thống để có thể đọc menu của ứng dụng bạn đang dùng. Cài đặt này áp dụng cho toàn bộ hệ thống.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Khởi động lại các ứng dụng đã mở sẵn để menu của chúng xuất hiện trên bảng phím tắt.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Giữ phím %1 để xem mọi phím tắt của ứng dụng bạn đang dùng.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Chào mừng đến với %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Đang chờ khả năng truy cập…</translation>
    </message>
</context>
</TS>
