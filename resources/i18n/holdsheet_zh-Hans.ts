<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>由 Holdsheet 团队打造</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 仅在您打开速查表时读取菜单命令，并且只在这台计算机上进行。它不收集任何数据，也不会通过网络发送任何内容。</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>按住一个键，即可查看当前应用的键盘快捷键。</translation>
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
        <translation>前台应用没有带键盘快捷键的菜单命令，或者它没有通过无障碍功能共享其菜单。</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>没有与搜索内容匹配的命令、菜单或按键。请尝试其他关键词。</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>无匹配结果</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>没有键盘快捷键</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>开启</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>首次安装后，请注销并重新登录，然后在“扩展”应用中开启 %1。</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>请在“扩展”应用中开启它，或运行：%1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>长按键需要 Shell 扩展 %1：请注销并重新登录，然后在“扩展”应用中开启它。</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>长按键需要 Shell 扩展 %1：请在“扩展”应用中开启它。</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell 扩展尚未安装。</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell 扩展已关闭。</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell 扩展已开启。</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>在 GNOME 上，长按键通过 %1 的 Shell 扩展工作。</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>由 Holdsheet 团队打造</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>弱</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>强</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>来自应用的快捷键帮助</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>桌面快捷键</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 关闭了无障碍功能，因此无法读取其菜单。请使用 --force-renderer-accessibility 启动它。</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n 个命令</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>只能读取 %1 的部分菜单，速查表不完整。</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 不在无障碍总线上，因此无法读取其菜单。请在开启无障碍功能后重新启动它。</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 未响应，速查表可能不完整。</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 既没有菜单栏，也没有可读取的快捷键帮助。</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>系统语言</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>磨砂</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>玻璃</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>此桌面不支持玻璃效果，因此面板将使用磨砂外观。</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>不透明</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>退出 Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>显示速查表</translation>
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
        <translation>%1（续）</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>由 %1 生成</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 键盘快捷键</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 通过桌面的无障碍功能读取应用菜单。开启此功能后，即可查看您正在使用的应用的快捷键。</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet 通过桌面的无障碍功能读取您的应用菜单，但此功能目前已关闭。开启后，此设置将对整个桌面生效，并会保持开启，直到您将其关闭。已经打开的应用可能需要重新启动，Holdsheet 才能读取它们。</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>开启</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>要开启无障碍功能吗？</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>键盘设置</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>开启无障碍功能</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>无障碍功能已关闭</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>无障碍功能已开启</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>无障碍功能已关闭</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>查找和替换…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>示例菜单</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>新建窗口</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>重新打开关闭的标签页</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>搜索命令或按键</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>清除搜索</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>面板材质</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>松开 %1 键时关闭</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>添加应用…</translation>
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
        <translation>选择要排除的应用</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>当这些应用中的任意一个位于前台时，按住 %1 键不会打开 %2。适用于本身会用到 %1 键的应用，例如游戏或远程桌面。</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>没有排除的应用</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>移除%1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>搜索应用</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>排除的应用</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>玻璃效果</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>设置单独按住 %1 键多久后显示速查表，范围为半秒到七秒。点击鼠标或按下其他键会取消按住。</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>按住时长</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>长</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>短</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>按住的按键</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>显示托盘图标</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>显示已禁用的命令</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>包含桌面快捷键</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>文字大小</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet 设置</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>拷贝</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>通过邮件发送…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>另存为 PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>将速查表另存为 PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>分享…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>在“文件”中显示</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>导出</translation>
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
        <translation>切换同一应用的窗口</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>搜索文件</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>显示活动概览</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>切换到下一个输入源</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>切换到上一个输入源</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>复制区域截图到剪贴板</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>区域截图</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>交互式截图</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>复制截图到剪贴板</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>截图</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>切换到左侧工作区</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>切换到右侧工作区</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>搜索应用和文件</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>点击速查表中的命令，Holdsheet 就会在您的应用中执行它，就像您从菜单中选择了它一样。</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>点击即执行</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>按 Esc 键或点击速查表外部即可关闭。</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>单独按住 %1 键片刻，前台应用的速查表就会出现。再次轻按 %1 键即可关闭。</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>按住 %1 键</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>在“外观”设置中选择玻璃、磨砂或不透明面板，浅色或深色主题，以及文字大小。</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>个性化设置</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>开始输入，即可在速查表中筛选出您要找的命令、菜单或按键。</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>输入即筛选</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>使用速查表底部的“导出”，即可打印、分享速查表或将其另存为 PDF。</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>打印或保存</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>了解 Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>开启无障碍功能</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>在任意应用中，单独按住 %1 键片刻即可查看其键盘快捷键。再次轻按 %1 键即可关闭速查表。</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet 只读取菜单标题及其快捷键，并且仅在您打开速查表时读取。任何信息都不会离开您的计算机。</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>一切就绪</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>请点击下方的“开启无障碍功能”。</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 会开启桌面的无障碍功能，以便读取您正在使用的应用的菜单。此设置对整个桌面生效。</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>请重新启动已经打开的应用，使其菜单显示在速查表中。</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>按住 %1 键，即可查看当前应用的所有快捷键。</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>欢迎使用 %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>正在等待无障碍功能开启…</translation>
    </message>
</context>
</TS>
