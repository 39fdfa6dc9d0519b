<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>制作: Holdsheet チーム</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 がメニューのコマンドを読み取るのは、チートシートを開いたときだけです。処理はすべてこのコンピューター上で行われます。データを収集することも、ネットワーク経由で何かを送信することもありません。</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>使用中のアプリのキーボードショートカットを、キーの長押しひとつで。</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>最前面のアプリに、キーボードショートカットが割り当てられたメニューコマンドがないか、アプリがアクセシビリティ機能を通じてメニューを公開していません。</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>検索に一致するコマンド、メニュー、キーはありません。別の言葉で試してください。</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>一致する項目がありません</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>キーボードショートカットがありません</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>オンにする</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>初めてインストールしたときは、いったんログアウトして再ログインし、拡張機能アプリで %1 をオンにしてください。</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>拡張機能アプリでオンにするか、次を実行してください: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>長押しキーには Shell 拡張機能 %1 が必要です。ログアウトして再ログインし、拡張機能アプリでオンにしてください。</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>長押しキーには Shell 拡張機能 %1 が必要です。拡張機能アプリでオンにしてください。</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell 拡張機能はまだインストールされていません。</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell 拡張機能はオフです。</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell 拡張機能はオンです。</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>GNOME では、長押しキーは %1 の Shell 拡張機能を通じて動作します。</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>制作: Holdsheet チーム</translation>
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
        <translation>アプリのショートカットヘルプより</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>デスクトップのショートカット</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 はアクセシビリティがオフになっているため、メニューを読み取れません。--force-renderer-accessibility を付けて起動してください。</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n 個のコマンド</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>%1 のメニューは一部しか読み取れませんでした。チートシートは不完全です。</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 はアクセシビリティバスに接続されていないため、メニューを読み取れません。アクセシビリティをオンにして再起動してください。</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 が応答していません。チートシートが不完全な可能性があります。</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 には読み取れるメニューバーもショートカットヘルプもありません。</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>システムの言語</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>すりガラス</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>ガラス</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>このデスクトップではガラスを利用できないため、パネルはすりガラスで表示されます。</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>不透明</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Holdsheet を終了</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>チートシートを表示</translation>
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
        <translation>%1（続き）</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>%1 で作成</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 のキーボードショートカット</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 はデスクトップのアクセシビリティ機能を通じてアプリのメニューを読み取ります。使用中のアプリのショートカットを表示するには、この機能をオンにしてください。</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet はデスクトップのアクセシビリティ機能を通じてアプリのメニューを読み取りますが、この機能は現在オフになっています。オンにすると、この設定はデスクトップ全体に適用され、オフにするまでオンのままになります。すでに開いているアプリは、Holdsheet が読み取れるように再起動が必要な場合があります。</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>オンにする</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>アクセシビリティ機能をオンにしますか？</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>キーボードの設定</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>アクセシビリティ機能をオンにする</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>アクセシビリティ機能はオフです</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>アクセシビリティ機能はオンです</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>アクセシビリティ機能がオフです</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>検索と置換…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>サンプルメニュー</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>新しいウィンドウ</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>閉じたタブを開き直す</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>コマンドやキーを検索</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>検索をクリア</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>パネルの質感</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>%1 キーを離したら閉じる</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>アプリを追加…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>除外</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>除外するアプリを選択</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>これらのアプリが最前面にあるときは、%1 キーを長押ししても %2 は開きません。ゲームやリモートデスクトップなど、%1 キーを独自に使用するアプリに便利です。</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>除外したアプリはありません</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>アプリを検索</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>除外するアプリ</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>ガラス効果</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>チートシートが表示されるまで %1 キーだけを押し続ける時間です。0.5 秒から 7 秒の間で設定できます。クリックするか別のキーを押すと、長押しは取り消されます。</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>長押しの時間</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>長い</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>短い</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>長押しするキー</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>トレイアイコンを表示</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>無効なコマンドを表示</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>デスクトップのショートカットを含める</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>表示内容</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>文字サイズ</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet の設定</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>メールで送信…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>PDF として保存…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>チートシートを PDF として保存</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>共有…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>“ファイル”で表示</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>エクスポート</translation>
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
        <translation>アプリのウィンドウを切り替える</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>ファイルを検索する</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>アクティビティ画面を表示する</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>次の入力ソースに切り替える</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>前の入力ソースに切り替える</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>領域のスクリーンショットをクリップボードにコピーする</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>領域のスクリーンショットを撮る</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>対話的にスクリーンショットを撮る</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>スクリーンショットをクリップボードにコピーする</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>スクリーンショットを撮る</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>デスクトップを表示する</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>左側のワークスペースに切り替える</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>右側のワークスペースに切り替える</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>アプリとファイルを検索する</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>チートシートのコマンドをクリックすると、メニューから選んだときと同じように、Holdsheet がアプリでそのコマンドを実行します。</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>クリックで実行</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Esc キーを押すか、チートシートの外側をクリックすると閉じます。</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>%1 キーだけをしばらく押し続けると、最前面のアプリのチートシートが表示されます。もう一度 %1 キーを短く押すと閉じます。</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>%1 キーを長押し</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>「外観」の設定で、ガラス、すりガラス、不透明のパネル、ライトまたはダークのテーマ、文字サイズを選べます。</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>好みに合わせて</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>文字を入力し始めると、探しているコマンド、メニュー、キーにチートシートが絞り込まれます。</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>入力して絞り込み</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>チートシートの下部にある「エクスポート」から、印刷、共有、PDF としての保存ができます。</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>印刷と保存</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Holdsheet の使い方</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>アクセシビリティ機能をオンにする</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>どのアプリでも、%1 キーだけをしばらく押し続けると、そのアプリのキーボードショートカットが表示されます。もう一度 %1 キーを短く押すと、チートシートが閉じます。</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet が読み取るのはメニュー項目の名前とそのショートカットだけで、それもチートシートを開いたときに限られます。情報がコンピューターの外に送られることはありません。</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>準備が整いました</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>下の「アクセシビリティ機能をオンにする」をクリックしてください。</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 がデスクトップのアクセシビリティ機能をオンにし、使用中のアプリのメニューを読み取れるようにします。この設定はデスクトップ全体に適用されます。</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>メニューがチートシートに表示されるよう、すでに開いているアプリを再起動してください。</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>%1 キーを長押しすると、使用中のアプリのショートカットがすべて表示されます。</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>%1 へようこそ</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>アクセシビリティ機能の有効化を待っています…</translation>
    </message>
</context>
</TS>
