<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>สร้างโดยทีม Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 อ่านคำสั่งเมนูเฉพาะเมื่อคุณเปิดแผ่นสรุปปุ่มลัด และเฉพาะบนคอมพิวเตอร์เครื่องนี้เท่านั้น โดยไม่เก็บข้อมูลใดๆ และไม่ส่งสิ่งใดออกไปทางเครือข่าย</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>ปุ่มลัดของแอปที่คุณกำลังใช้ เพียงกดปุ่มเดียวค้างไว้</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>รุ่น %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>แอปที่ใช้งานอยู่ไม่มีคำสั่งเมนูที่มีปุ่มลัด หรือไม่ได้เปิดเผยเมนูผ่านการรองรับสิ่งอำนวยความสะดวก</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>ไม่มีคำสั่ง เมนู หรือปุ่มใดตรงกับคำค้นหาของคุณ ลองใช้คำอื่น</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>ไม่พบรายการที่ตรงกัน</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>ไม่มีปุ่มลัด</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>เปิด</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>หลังติดตั้งครั้งแรก ให้ออกจากระบบแล้วเข้าสู่ระบบใหม่ จากนั้นเปิด %1 ในแอปส่วนขยาย</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>เปิดในแอปส่วนขยาย หรือเรียกใช้: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>ปุ่มที่กดค้างต้องใช้ส่วนขยาย Shell %1: ออกจากระบบแล้วเข้าใหม่ จากนั้นเปิดในแอปส่วนขยาย</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>ปุ่มที่กดค้างต้องใช้ส่วนขยาย Shell %1: เปิดในแอปส่วนขยาย</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>ยังไม่ได้ติดตั้งส่วนขยาย Shell</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>ส่วนขยาย Shell ปิดอยู่</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>ส่วนขยาย Shell เปิดอยู่</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>บน GNOME ปุ่มที่กดค้างทำงานผ่านส่วนขยาย Shell ของ %1</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>สร้างโดยทีม Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>น้อย</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>มาก</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>จากวิธีใช้ปุ่มลัดของแอป</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>ปุ่มลัด</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>ปุ่มลัดของระบบ</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 ปิดสิ่งอำนวยความสะดวกไว้ จึงอ่านเมนูไม่ได้ ให้เปิดแอปด้วย --force-renderer-accessibility</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n คำสั่ง</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>อ่านเมนูของ %1 ได้เพียงบางส่วน ชีตไม่สมบูรณ์</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 ไม่ได้อยู่บนบัสสิ่งอำนวยความสะดวก จึงอ่านเมนูไม่ได้ ให้เริ่มแอปใหม่โดยเปิดสิ่งอำนวยความสะดวกไว้</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 ไม่ตอบสนอง ชีตอาจไม่สมบูรณ์</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 ไม่มีแถบเมนูและไม่มีวิธีใช้ปุ่มลัดให้อ่าน</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>ภาษาของระบบ</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>ฝ้า</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>กระจก</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>ระบบนี้ใช้แบบกระจกไม่ได้ แผงจึงใช้แบบฝ้าแทน</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>ทึบ</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>ออกจาก Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>แสดงแผ่นสรุปปุ่มลัด</translation>
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
        <translation>%1 (ต่อ)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>สร้างด้วย %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>หน้า %1 จาก %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>ปุ่มลัดของ %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 อ่านเมนูของแอปผ่านการรองรับสิ่งอำนวยความสะดวกของระบบ เปิดใช้เพื่อดูปุ่มลัดของแอปที่คุณกำลังใช้</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet อ่านเมนูของแอปของคุณผ่านการรองรับสิ่งอำนวยความสะดวกของระบบ ซึ่งขณะนี้ปิดอยู่ การเปิดใช้จะมีผลกับทั้งระบบ และจะเปิดอยู่จนกว่าคุณจะปิด แอปที่เปิดอยู่แล้วอาจต้องปิดแล้วเปิดใหม่ เพื่อให้ Holdsheet อ่านได้</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>ไว้ทีหลัง</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>เปิด</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>ต้องการเปิดการรองรับสิ่งอำนวยความสะดวกหรือไม่</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>การตั้งค่าแป้นพิมพ์</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>เปิดการรองรับสิ่งอำนวยความสะดวก</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>การรองรับสิ่งอำนวยความสะดวกปิดอยู่</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>การรองรับสิ่งอำนวยความสะดวกเปิดอยู่</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>การรองรับสิ่งอำนวยความสะดวกปิดอยู่</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>ค้นหาและแทนที่…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>เต็มจอ</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>เมนูตัวอย่าง</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>หน้าต่างใหม่</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>เปิดแท็บที่ปิดไปอีกครั้ง</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>ค้นหาคำสั่งหรือปุ่ม</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>ล้างการค้นหา</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>วัสดุของแผง</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>ธีม</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>ปิดเมื่อปล่อยปุ่ม %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>เพิ่มแอป…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>ยกเว้น</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>เลือกแอปที่จะยกเว้น</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>การกด %1 ค้างไว้จะไม่เปิด %2 ขณะที่แอปใดแอปหนึ่งในรายการนี้ใช้งานอยู่ เหมาะสำหรับแอปที่ใช้ปุ่ม %1 เอง เช่น เกมหรือเดสก์ท็อประยะไกล</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>ไม่มีแอปที่ยกเว้น</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>เอา %1 ออก</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>ค้นหาแอป</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>แอปที่ยกเว้น</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>เอฟเฟกต์กระจก</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>ระยะเวลาที่ต้องกดปุ่ม %1 ค้างไว้เพียงปุ่มเดียวก่อนที่แผ่นสรุปปุ่มลัดจะปรากฏ ตั้งได้ตั้งแต่ครึ่งวินาทีถึงเจ็ดวินาที การคลิกหรือกดปุ่มอื่นจะยกเลิกการกดค้าง</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>ระยะเวลากดค้าง</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>นาน</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>สั้น</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>ปุ่มที่กดค้าง</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>เริ่มทำงานเมื่อเข้าระบบ</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>แสดงไอคอนในถาดระบบ</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>แสดงคำสั่งที่ใช้งานไม่ได้</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>รวมปุ่มลัดของระบบ</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>รูปลักษณ์</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>เนื้อหา</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>ขนาดตัวอักษร</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>การตั้งค่า Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>ส่งทางอีเมล…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>พิมพ์…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>บันทึกเป็น PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>บันทึกแผ่นสรุปปุ่มลัดเป็น PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>แบ่งปัน…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>แสดงในไฟล์</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>ส่งออก</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>ใหญ่</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>กลาง</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>เล็ก</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>สลับหน้าต่างภายในแอป</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>ค้นหาแฟ้ม</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>แสดงภาพรวม</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>สลับไปยังช่องทางป้อนข้อความถัดไป</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>สลับไปยังช่องทางป้อนข้อความก่อนหน้า</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>จับภาพพื้นที่หน้าจอเข้าไปไว้ในคลิปบอร์ด</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>จับภาพพื้นที่หน้าจอ</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>จับภาพหน้าจอแบบโต้ตอบ</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>จับภาพหน้าจอเข้าไปไว้ในคลิปบอร์ด</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>จับภาพหน้าจอ</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>แสดงพื้นโต๊ะ</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>ย้ายไปพื้นที่ทำงานด้านซ้าย</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>ย้ายไปพื้นที่ทำงานด้านขวา</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>ค้นหาแอปและแฟ้ม</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>มืด</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>สว่าง</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>ตามระบบ</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>คลิกคำสั่งบนแผ่นสรุปปุ่มลัด แล้ว Holdsheet จะเรียกใช้คำสั่งนั้นในแอปของคุณ เหมือนกับที่คุณเลือกจากเมนู</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>คลิกเพื่อเรียกใช้</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>กด Esc หรือคลิกนอกแผ่นสรุปปุ่มลัดเพื่อปิด</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>กดปุ่ม %1 ค้างไว้เพียงปุ่มเดียวสักครู่ แผ่นสรุปปุ่มลัดของแอปที่ใช้งานอยู่จะปรากฏขึ้น กด %1 อีกครั้งเพื่อปิด</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>กด %1 ค้างไว้</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>เลือกแผงแบบกระจก ฝ้า หรือทึบ ธีมสว่างหรือมืด และขนาดตัวอักษรได้ในการตั้งค่ารูปลักษณ์</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>ปรับแต่งในแบบของคุณ</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>เริ่มพิมพ์เพื่อกรองแผ่นสรุปปุ่มลัดให้เหลือเฉพาะคำสั่ง เมนู หรือปุ่มที่คุณกำลังหา</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>พิมพ์เพื่อกรอง</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>ใช้ “ส่งออก” ที่ด้านล่างของแผ่นสรุปปุ่มลัดเพื่อพิมพ์ แบ่งปัน หรือบันทึกเป็น PDF</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>พิมพ์หรือบันทึก</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>ทำความรู้จัก Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>เสร็จสิ้น</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>เปิดการรองรับสิ่งอำนวยความสะดวก</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>ในแอปใดก็ได้ ให้กดปุ่ม %1 ค้างไว้เพียงปุ่มเดียวสักครู่เพื่อดูปุ่มลัดของแอปนั้น กด %1 อีกครั้งเพื่อปิดแผ่นสรุปปุ่มลัด</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>เปิดการตั้งค่า</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet อ่านเฉพาะชื่อเมนูและปุ่มลัด และอ่านเฉพาะเมื่อคุณเปิดแผ่นสรุปปุ่มลัดเท่านั้น ไม่มีข้อมูลใดออกจากคอมพิวเตอร์ของคุณ</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>พร้อมใช้งานแล้ว</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>คลิก “เปิดการรองรับสิ่งอำนวยความสะดวก” ด้านล่าง</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 จะเปิดการรองรับสิ่งอำนวยความสะดวกของระบบ เพื่อให้อ่านเมนูของแอปที่คุณกำลังใช้ได้ การตั้งค่านี้มีผลกับทั้งระบบ</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>ปิดแล้วเปิดแอปที่เปิดอยู่ก่อนหน้านี้อีกครั้ง เพื่อให้เมนูของแอปเหล่านั้นปรากฏบนแผ่นสรุปปุ่มลัด</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>กดปุ่ม %1 ค้างไว้เพื่อดูปุ่มลัดทั้งหมดของแอปที่คุณกำลังใช้</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>ยินดีต้อนรับสู่ %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>กำลังรอการรองรับสิ่งอำนวยความสะดวก…</translation>
    </message>
</context>
</TS>
