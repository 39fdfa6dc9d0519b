<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet 팀 제작</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 앱은 단축키 목록을 열 때만, 이 컴퓨터 안에서만 메뉴 명령을 읽습니다. 어떤 데이터도 수집하지 않으며 네트워크로 아무것도 보내지 않습니다.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>키 하나만 길게 누르면 사용 중인 앱의 키보드 단축키가 한눈에 보입니다.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>맨 앞에 있는 앱에 키보드 단축키가 지정된 메뉴 명령이 없거나, 앱이 접근성 지원을 통해 메뉴를 공유하지 않습니다.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>검색어와 일치하는 명령, 메뉴, 키가 없습니다. 다른 단어로 검색해 보세요.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>일치하는 항목 없음</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>키보드 단축키 없음</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>켜기</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>처음 설치한 뒤에는 로그아웃했다가 다시 로그인한 다음 확장 앱에서 %1을(를) 켜세요.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>확장 앱에서 켜거나 다음을 실행하세요: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>길게 누르는 키에는 Shell 확장 %1이(가) 필요합니다. 로그아웃했다가 다시 로그인한 다음 확장 앱에서 켜세요.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>길게 누르는 키에는 Shell 확장 %1이(가) 필요합니다. 확장 앱에서 켜세요.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>Shell 확장이 아직 설치되지 않았습니다.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>Shell 확장이 꺼져 있습니다.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>Shell 확장이 켜져 있습니다.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>GNOME에서는 길게 누르는 키가 %1의 Shell 확장을 통해 작동합니다.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Holdsheet 팀 제작</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>약하게</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>강하게</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>앱의 단축키 도움말에서</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>데스크톱 단축키</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1의 접근성이 꺼져 있어 메뉴를 읽을 수 없습니다. --force-renderer-accessibility 옵션으로 실행하세요.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>명령 %n개</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>%1의 메뉴를 일부만 읽을 수 있었습니다. 시트가 불완전합니다.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1이(가) 접근성 버스에 없어 메뉴를 읽을 수 없습니다. 접근성을 켠 상태로 다시 실행하세요.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1이(가) 응답하지 않습니다. 시트가 불완전할 수 있습니다.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1에는 읽을 수 있는 메뉴 막대도 단축키 도움말도 없습니다.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>시스템 언어</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>반투명</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>유리</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>이 데스크톱에서는 유리를 사용할 수 없으므로 패널이 반투명으로 표시됩니다.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>불투명</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Holdsheet 끝내기</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>단축키 목록 보기</translation>
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
        <translation>%1 (계속)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>%1 앱으로 만듦</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>%1/%2페이지</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>%1 키보드 단축키</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 앱은 데스크톱의 접근성 지원을 통해 앱 메뉴를 읽습니다. 사용 중인 앱의 단축키를 보려면 접근성 지원을 켜세요.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet 앱은 데스크톱의 접근성 지원을 통해 앱 메뉴를 읽는데, 현재 접근성 지원이 꺼져 있습니다. 접근성 지원을 켜면 데스크톱 전체에 적용되며, 직접 끌 때까지 켜진 상태로 유지됩니다. 이미 열려 있는 앱은 Holdsheet 앱이 읽을 수 있도록 다시 시작해야 할 수 있습니다.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>나중에</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>켜기</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>접근성 지원을 켜시겠습니까?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>키보드 설정</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>접근성 지원 켜기</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>접근성 지원 꺼짐</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>접근성 지원 켜짐</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>접근성 지원이 꺼져 있습니다</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>찾아 바꾸기…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>예시 메뉴</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>새 창</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>닫은 탭 다시 열기</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>명령 또는 키 검색</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>검색 지우기</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>패널 재질</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>%1 키를 떼면 닫기</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>앱 추가…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>제외</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>제외할 앱 선택</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>이 앱 중 하나가 맨 앞에 있을 때는 %1 키를 길게 눌러도 %2 앱이 열리지 않습니다. 게임이나 원격 데스크톱처럼 %1 키를 직접 사용하는 앱에 유용합니다.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>제외된 앱 없음</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>%1 제거</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>앱 검색</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>제외된 앱</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>유리 효과</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>단축키 목록이 나타나기까지 %1 키만 누르고 있어야 하는 시간으로, 0.5초에서 7초까지 설정할 수 있습니다. 클릭하거나 다른 키를 누르면 길게 누르기가 취소됩니다.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>길게 누르는 시간</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>길게</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>짧게</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>길게 누를 키</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>로그인할 때 시작</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>트레이 아이콘 표시</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>비활성화된 명령 표시</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>데스크톱 단축키 포함</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>내용</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>글자 크기</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Holdsheet 설정</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>이메일로 보내기…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>PDF로 저장…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>단축키 목록을 PDF로 저장</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>공유…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>파일에서 보기</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>크게</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>작게</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>앱의 창 전환</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>파일 검색</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>현재 활동 개요 보기</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>다음 입력 소스로 전환</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>이전 입력 소스로 전환</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>영역 스크린샷을 클립보드로 복사</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>영역 스크린샷 찍기</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>대화형으로 스크린샷 찍기</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>스크린샷을 클립보드로 복사</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>스크린샷 찍기</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>왼쪽 작업 공간으로 전환</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>오른쪽 작업 공간으로 전환</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>앱 및 파일 검색</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>단축키 목록에서 명령을 클릭하면, 메뉴에서 직접 선택한 것처럼 Holdsheet 앱이 사용 중인 앱에서 그 명령을 실행합니다.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>클릭하여 실행</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Esc 키를 누르거나 단축키 목록 바깥을 클릭하면 닫힙니다.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>%1 키만 잠시 누르고 있으면 맨 앞에 있는 앱의 단축키 목록이 나타납니다. %1 키를 다시 짧게 누르면 닫힙니다.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>%1 키 길게 누르기</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>‘모양’ 설정에서 유리, 반투명, 불투명 패널과 밝은 테마 또는 어두운 테마, 글자 크기를 선택하세요.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>나만의 스타일로</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>입력을 시작하면 찾고 있는 명령, 메뉴, 키만 남도록 단축키 목록이 좁혀집니다.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>입력하여 필터링</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>단축키 목록 아래쪽의 ‘내보내기’를 사용하여 목록을 인쇄하거나 공유하거나 PDF로 저장하세요.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>인쇄 또는 저장</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Holdsheet 알아보기</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>접근성 지원 켜기</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>어떤 앱에서든 %1 키만 잠시 누르고 있으면 그 앱의 키보드 단축키가 표시됩니다. %1 키를 다시 짧게 누르면 단축키 목록이 닫힙니다.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>설정 열기</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet 앱은 메뉴 항목 이름과 단축키만 읽으며, 그것도 단축키 목록을 열 때만 읽습니다. 어떤 정보도 컴퓨터 밖으로 나가지 않습니다.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>모든 준비가 끝났습니다</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>아래의 ‘접근성 지원 켜기’를 클릭하세요.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 앱이 데스크톱의 접근성 지원을 켜서 사용 중인 앱의 메뉴를 읽을 수 있게 합니다. 이 설정은 데스크톱 전체에 적용됩니다.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>메뉴가 단축키 목록에 나타나도록, 이미 열려 있던 앱을 다시 시작하세요.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>%1 키를 길게 누르면 사용 중인 앱의 모든 단축키를 볼 수 있습니다.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>%1 사용을 환영합니다</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>접근성 지원을 기다리는 중…</translation>
    </message>
</context>
</TS>
