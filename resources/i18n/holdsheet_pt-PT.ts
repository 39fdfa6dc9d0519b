<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Feito pela equipa Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 lê os comandos dos menus apenas quando abre a folha de atalhos, e apenas neste computador. Não recolhe dados nem envia nada pela rede.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Os atalhos de teclado da aplicação que está a utilizar, à distância de uma tecla premida.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>A aplicação em primeiro plano não tem comandos de menu com atalhos de teclado, ou não partilha os menus através do suporte de acessibilidade.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Nenhum comando, menu ou tecla corresponde à pesquisa. Experimente outra palavra.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Sem resultados</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Sem atalhos de teclado</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Ativar</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Após a primeira instalação, termine a sessão e volte a entrar; depois ative %1 na aplicação Extensões.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Ative-a na aplicação Extensões ou execute: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>A tecla mantida precisa da extensão do Shell %1: termine a sessão e volte a entrar, depois ative-a em Extensões.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>A tecla mantida precisa da extensão do Shell %1: ative-a na aplicação Extensões.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>A extensão do Shell ainda não está instalada.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>A extensão do Shell está desativada.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>A extensão do Shell está ativada.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>No GNOME, a tecla mantida funciona através da extensão do Shell do %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Feito pela equipa Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Menos</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>da ajuda de atalhos da aplicação</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Atalhos do sistema</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 mantém a acessibilidade desativada, pelo que os seus menus não podem ser lidos. Inicie-a com --force-renderer-accessibility.</translation>
    </message>
    <message id="header.count" numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n comando</numerusform>
            <numerusform>%n comandos</numerusform>
        </translation>
    </message>
    <message id="header.cutShort">
        <source>Only part of the menus of %1 could be read; the sheet is incomplete.</source>
        <translation>Só foi possível ler parte dos menus de %1; a folha está incompleta.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 não está no barramento de acessibilidade, pelo que os seus menus não podem ser lidos. Reinicie-a com a acessibilidade ativada.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 não está a responder; a folha pode estar incompleta.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 não tem barra de menus nem ajuda de atalhos para ler.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Fosco</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Vidro</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>O vidro não está disponível neste sistema, pelo que o painel usa o aspeto fosco.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Opaco</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Encerrar Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Preferências</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Mostrar folha de atalhos</translation>
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
        <translation>%1 (continuação)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Feito com %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Atalhos de teclado de %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 lê os menus das aplicações através do suporte de acessibilidade do sistema. Ative-o para ver os atalhos da aplicação que está a utilizar.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet lê os menus das suas aplicações através do suporte de acessibilidade do sistema, que está desativado. Ao ativá-lo, a definição aplica-se a todo o sistema e mantém-se ativa até a desativar. Poderá ser necessário reiniciar as aplicações que já estão abertas para que Holdsheet as possa ler.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Ativar</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>Ativar o suporte de acessibilidade?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Definições do teclado</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Ativar o suporte de acessibilidade</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>O suporte de acessibilidade está desativado</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>O suporte de acessibilidade está ativado</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Suporte de acessibilidade desativado</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Localizar e substituir…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Ecrã completo</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Menu de exemplo</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nova janela</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Reabrir separador fechado</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Procurar comando ou tecla</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Limpar pesquisa</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Material do painel</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Fechar ao soltar %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Adicionar aplicação…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Excluir</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Escolha uma aplicação a excluir</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Manter a tecla %1 premida não abre %2 enquanto uma destas aplicações estiver em primeiro plano. Útil para aplicações que já usam a tecla %1, como jogos ou ambientes de trabalho remotos.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Nenhuma aplicação excluída</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Procurar aplicações</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Aplicações excluídas</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efeito vidro</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Durante quanto tempo manter premida apenas a tecla %1 até a folha de atalhos aparecer, de meio segundo a sete segundos. Um clique ou outra tecla cancela a pressão.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Duração da pressão</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Longa</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Curta</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Tecla a manter premida</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Mostrar ícone na área de notificação</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Mostrar comandos desativados</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Incluir atalhos do sistema</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Acerca</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Aspeto</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Preferências de Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Enviar por e-mail…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Guardar folha de atalhos como PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Partilhar…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Mostrar em Ficheiros</translation>
    </message>
    <message id="share.title">
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message id="size.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="size.medium">
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Alternar entre janelas de uma aplicação</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Procurar ficheiros</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Mostrar a vista geral</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Mudar para a origem de entrada seguinte</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Mudar para a origem de entrada anterior</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copiar uma captura de ecrã de uma área para a área de transferência</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Fazer uma captura de ecrã de uma área</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Fazer uma captura de ecrã interativa</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copiar uma captura de ecrã para a área de transferência</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Fazer uma captura de ecrã</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Mostrar o ambiente de trabalho</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Mover para a área de trabalho à esquerda</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Mover para a área de trabalho à direita</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Procurar aplicações e ficheiros</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message id="theme.light">
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message id="theme.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="tour.click.body">
        <source>Click a command on the cheat sheet and Holdsheet runs it in your app, as if you had chosen it from the menu.</source>
        <translation>Clique num comando da folha de atalhos e Holdsheet executa-o na aplicação, como se o tivesse escolhido no menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Clique para executar</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Prima Esc ou clique fora da folha de atalhos para a fechar.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Mantenha premida apenas a tecla %1 por um momento e aparece a folha de atalhos da aplicação em primeiro plano. Prima %1 brevemente outra vez para a fechar.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Mantenha %1 premida</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Escolha um painel de vidro, fosco ou opaco, um tema claro ou escuro e o tamanho do texto no separador Aspeto das preferências.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>À sua medida</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Comece a escrever para filtrar a folha de atalhos pelos comandos, menus ou teclas que procura.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Escreva para filtrar</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Use Exportar, no fundo da folha de atalhos, para a imprimir, partilhar ou guardar como PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Imprima ou guarde</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Conheça Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Ativar o suporte de acessibilidade</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Em qualquer aplicação, mantenha premida apenas a tecla %1 por um momento para ver os respetivos atalhos de teclado. Prima %1 brevemente outra vez para fechar a folha de atalhos.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Abrir preferências</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet lê apenas os títulos dos menus e os respetivos atalhos, e só quando abre a folha de atalhos. Nada sai do seu computador.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Está tudo pronto</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Clique em «Ativar o suporte de acessibilidade» abaixo.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 ativa o suporte de acessibilidade do sistema para poder ler os menus da aplicação que está a utilizar. A definição aplica-se a todo o sistema.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Reinicie as aplicações que já estavam abertas para que os respetivos menus apareçam na folha de atalhos.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Mantenha premida a tecla %1 para ver todos os atalhos da aplicação que está a utilizar.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Bem-vindo a %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>A aguardar a ativação do suporte de acessibilidade…</translation>
    </message>
</context>
</TS>
