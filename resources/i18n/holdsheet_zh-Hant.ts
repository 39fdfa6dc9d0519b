<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>由 Holdsheet 團隊打造</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 只會在您開啟速查表時讀取選單指令，而且只在這部電腦上進行。它不會收集任何資料，也不會透過網路傳送任何內容。</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>按住一個鍵，就能查看目前應用程式的鍵盤快捷鍵。</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>前景應用程式沒有設定鍵盤快捷鍵的選單指令，或是它沒有透過無障礙功能分享選單。</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>沒有符合搜尋內容的指令、選單或按鍵。請試試其他字詞。</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>沒有相符的結果</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>沒有鍵盤快捷鍵</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>開啟</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>首次安裝後，請登出再重新登入，然後在「擴充功能」應用程式中開啟 %1。</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>請在「擴充功能」應用程式中開啟它，或執行：%1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>長按鍵需要 Shell 擴充功能 %1：請登出再重新登入，然後在「擴充功能」中開啟它。</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>長按鍵需要 Shell 擴充功能 %1：請在「擴充功能」應用程式中開啟它。</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell 擴充功能尚未安裝。</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell 擴充功能已關閉。</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell 擴充功能已開啟。</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>在 GNOME 上，長按鍵透過 %1 的 Shell 擴充功能運作。</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>由 Holdsheet 團隊打造</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>弱</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>強</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>來自應用程式的快捷鍵說明</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>快捷鍵</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>桌面快捷鍵</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 關閉了無障礙功能，因此無法讀取其選單。請使用 --force-renderer-accessibility 啟動它。</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n 個指令</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>只能讀取 %1 的部分選單，速查表不完整。</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 不在無障礙匯流排上，因此無法讀取其選單。請在開啟無障礙功能後重新啟動它。</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 沒有回應，速查表可能不完整。</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 既沒有選單列，也沒有可讀取的快捷鍵說明。</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>系統語言</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>霧面</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>玻璃</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>此桌面不支援玻璃效果，因此面板會改用霧面外觀。</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>不透明</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>離開 Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>顯示速查表</translation>
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
        <translation>%1（續）</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>以 %1 製作</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 鍵盤快捷鍵</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 透過桌面的無障礙功能讀取應用程式選單。開啟此功能後，即可查看您正在使用的應用程式的快捷鍵。</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet 透過桌面的無障礙功能讀取您的應用程式選單，但此功能目前已關閉。開啟後，此設定會套用至整個桌面，並會保持開啟，直到您將其關閉。目前已開啟的應用程式可能需要重新啟動，Holdsheet 才能讀取。</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>稍後再說</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>開啟</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>要開啟無障礙功能嗎？</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>鍵盤設定</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>開啟無障礙功能</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>無障礙功能已關閉</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>無障礙功能已開啟</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>無障礙功能已關閉</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>尋找與取代…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>範例選單</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>開新視窗</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>重新開啟已關閉的分頁</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>搜尋指令或按鍵</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>清除搜尋</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>面板材質</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>放開 %1 鍵時關閉</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>加入應用程式…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>排除</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>選擇要排除的應用程式</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>當這些應用程式之一位於前景時，按住 %1 鍵不會開啟 %2。適用於本身會用到 %1 鍵的應用程式，例如遊戲或遠端桌面。</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>沒有排除的應用程式</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>移除%1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>搜尋應用程式</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>排除的應用程式</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>玻璃效果</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>設定單獨按住 %1 鍵多久後顯示速查表，範圍從半秒到七秒。點擊滑鼠或按下其他按鍵會取消按住。</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>按住時間</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>長</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>短</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>按住的按鍵</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>登入時啟動</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>顯示系統匣圖示</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>顯示已停用的指令</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>包含桌面快捷鍵</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>內容</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>文字大小</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet 設定</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>拷貝</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>透過郵件傳送…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>列印…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>儲存為 PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>將速查表儲存為 PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>分享…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>在「檔案」中顯示</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>切換應用程式的視窗</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>搜尋檔案</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>顯示活動概覽</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>切換至下一個輸入來源</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>切換至上一個輸入來源</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>複製區域擷圖至剪貼簿</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>區域擷圖</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>互動式擷圖</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>複製擷圖至剪貼簿</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>擷圖</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>切換至左方工作區</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>切換至右方工作區</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>搜尋應用程式與檔案</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>跟隨系統</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>點擊速查表中的指令，Holdsheet 就會在您的應用程式中執行它，就像您從選單中選取一樣。</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>點擊即執行</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>按下 Esc 鍵或點擊速查表外部即可關閉。</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>單獨按住 %1 鍵片刻，前景應用程式的速查表就會出現。再輕按一次 %1 鍵即可關閉。</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>按住 %1 鍵</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>在「外觀」設定中選擇玻璃、霧面或不透明面板、淺色或深色主題，以及文字大小。</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>打造專屬風格</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>開始輸入，即可在速查表中篩選出您要找的指令、選單或按鍵。</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>輸入即篩選</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>使用速查表底部的「匯出」，即可列印、分享速查表或將其儲存為 PDF。</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>列印或儲存</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>認識 Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>開啟無障礙功能</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>在任何應用程式中，單獨按住 %1 鍵片刻即可查看其鍵盤快捷鍵。再輕按一次 %1 鍵即可關閉速查表。</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>開啟設定</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet 只會讀取選單標題與其快捷鍵，而且只在您開啟速查表時讀取。任何資料都不會離開您的電腦。</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>一切就緒</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>請點擊下方的「開啟無障礙功能」。</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 會開啟桌面的無障礙功能，以便讀取您正在使用的應用程式選單。此設定會套用至整個桌面。</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>請重新啟動先前已開啟的應用程式，讓它們的選單顯示在速查表中。</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>按住 %1 鍵，即可查看目前應用程式的所有快捷鍵。</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>歡迎使用 %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>正在等待無障礙功能開啟…</translation>
    </message>
</context>
</TS>
