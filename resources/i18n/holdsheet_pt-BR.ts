<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Feito pela equipe Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 lê os comandos dos menus apenas quando você abre a folha de atalhos, e somente neste computador. Não coleta dados e não envia nada pela rede.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Os atalhos de teclado do aplicativo que você está usando, ao alcance de uma tecla pressionada.</translation>
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
        <translation>O aplicativo em primeiro plano não tem comandos de menu com atalhos de teclado, ou não compartilha seus menus pelo suporte à acessibilidade.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Nenhum comando, menu ou tecla corresponde à sua busca. Tente outra palavra.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Nenhum atalho de teclado</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Ativar</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Após a primeira instalação, encerre a sessão e entre de novo; depois ative %1 no aplicativo Extensões.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Ative-a no aplicativo Extensões ou execute: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>A tecla mantida precisa da extensão do Shell %1: encerre a sessão e entre de novo, depois ative-a em Extensões.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>A tecla mantida precisa da extensão do Shell %1: ative-a no aplicativo Extensões.</translation>
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
        <translation>No GNOME, a tecla mantida funciona por meio da extensão do Shell do %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Feito pela equipe Holdsheet</translation>
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
        <translation>da ajuda de atalhos do aplicativo</translation>
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
        <translation>%1 mantém a acessibilidade desativada, então seus menus não podem ser lidos. Abra-o com --force-renderer-accessibility.</translation>
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
        <translation>%1 não está no barramento de acessibilidade, então seus menus não podem ser lidos. Reinicie-o com a acessibilidade ativada.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 não está respondendo; a folha pode estar incompleta.</translation>
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
        <translation>O vidro não está disponível neste sistema, então o painel usa a aparência fosca.</translation>
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
        <translation>%1 lê os menus dos aplicativos pelo suporte à acessibilidade do sistema. Ative-o para ver os atalhos do aplicativo que você está usando.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet lê os menus dos seus aplicativos pelo suporte à acessibilidade do sistema, que está desativado. Ao ativá-lo, a configuração vale para todo o sistema e continua ativada até você desativá-la. Talvez seja necessário reiniciar os aplicativos que já estão abertos para que Holdsheet possa lê-los.</translation>
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
        <translation>Ativar o suporte à acessibilidade?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Configurações de teclado</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Ativar suporte à acessibilidade</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>O suporte à acessibilidade está desativado</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>O suporte à acessibilidade está ativado</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Suporte à acessibilidade desativado</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Localizar e substituir…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
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
        <translation>Reabrir aba fechada</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Buscar comandos ou teclas</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Limpar busca</translation>
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
        <translation>Adicionar aplicativo…</translation>
    </message>
    <message id="settings.excluded.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="settings.excluded.choose">
        <source>Exclude</source>
        <translation>Ignorar</translation>
    </message>
    <message id="settings.excluded.chooserTitle">
        <source>Choose an App to Exclude</source>
        <translation>Escolha um aplicativo para ignorar</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Manter a tecla %1 pressionada não abre %2 enquanto um desses aplicativos estiver em primeiro plano. Útil para aplicativos que já usam a tecla %1, como jogos ou áreas de trabalho remotas.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>Nenhum aplicativo ignorado</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Buscar aplicativos</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Aplicativos ignorados</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efeito vidro</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Por quanto tempo manter pressionada apenas a tecla %1 antes de a folha de atalhos aparecer, de meio segundo a sete segundos. Um clique ou outra tecla cancela o pressionamento.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Duração do pressionamento</translation>
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
        <translation>Tecla a pressionar</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Mostrar ícone na bandeja do sistema</translation>
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
        <translation>Sobre</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Aparência</translation>
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
        <translation>Enviar por E-mail…</translation>
    </message>
    <message id="share.print">
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message id="share.savePDF">
        <source>Save as PDF…</source>
        <translation>Salvar como PDF…</translation>
    </message>
    <message id="share.savePDF.title">
        <source>Save Cheat Sheet as PDF</source>
        <translation>Salvar folha de atalhos como PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Compartilhar…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Mostrar em Arquivos</translation>
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
        <translation>Alternar janelas de um aplicativo</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Pesquisar arquivos</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Mostrar o panorama</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Alternar para a próxima fonte de entrada</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Alternar para a fonte de entrada anterior</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copiar uma captura de tela de uma área para a área de transferência</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Fazer uma captura de tela de uma área</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Fazer uma captura de tela interativamente</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copiar uma captura de tela para a área de transferência</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Fazer uma captura de tela</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Mostrar a área de trabalho</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Mudar para espaço de trabalho da esquerda</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Mudar para espaço de trabalho da direita</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Pesquisar aplicativos e arquivos</translation>
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
        <translation>Clique em um comando na folha de atalhos e Holdsheet o executa no seu aplicativo, como se você o tivesse escolhido no menu.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Clique para executar</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Pressione Esc ou clique fora da folha de atalhos para fechá-la.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Mantenha pressionada apenas a tecla %1 por um instante e a folha de atalhos do aplicativo em primeiro plano aparece. Pressione %1 rapidamente de novo para fechá-la.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Mantenha %1 pressionada</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Escolha um painel de vidro, fosco ou opaco, um tema claro ou escuro e o tamanho do texto na aba Aparência das preferências.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>Do seu jeito</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Comece a digitar para filtrar a folha de atalhos e ver só os comandos, menus ou teclas que você procura.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Digite para filtrar</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Use Exportar, na parte de baixo da folha de atalhos, para imprimi-la, compartilhá-la ou salvá-la como PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Imprima ou salve</translation>
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
        <translation>Ativar suporte à acessibilidade</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>Em qualquer aplicativo, mantenha pressionada apenas a tecla %1 por um instante para ver os atalhos de teclado dele. Pressione %1 rapidamente de novo para fechar a folha de atalhos.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Abrir preferências</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet lê apenas os títulos dos menus e seus atalhos, e só quando você abre a folha de atalhos. Nada sai do seu computador.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Tudo pronto</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Clique em “Ativar suporte à acessibilidade” abaixo.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 ativa o suporte à acessibilidade do sistema para poder ler os menus do aplicativo que você está usando. A configuração vale para todo o sistema.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Reinicie os aplicativos que já estavam abertos para que os menus deles apareçam na folha de atalhos.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Mantenha pressionada a tecla %1 para ver todos os atalhos do aplicativo que você está usando.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Boas-vindas a %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Aguardando a ativação do suporte à acessibilidade…</translation>
    </message>
</context>
</TS>
