<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
    <message id="about.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Creado por el equipo de Holdsheet</translation>
    </message>
    <message id="about.privacy">
        <source>%1 reads menu commands only when you open the cheat sheet, and only on this computer. It collects no data and sends nothing over the network.</source>
        <translation>%1 lee los comandos de los menús solo cuando abre la hoja de atajos y solo en este equipo. No recopila datos ni envía nada por la red.</translation>
    </message>
    <message id="about.tagline">
        <source>The keyboard shortcuts of the app you are using, one held key away.</source>
        <translation>Los atajos de teclado de la aplicación que está usando, con solo mantener pulsada una tecla.</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message id="app.name">
        <source>Holdsheet</source>
        <translation>Holdsheet</translation>
    </message>
    <message id="empty.body">
        <source>The app in front has no menu commands with keyboard shortcuts, or it does not share its menus through accessibility support.</source>
        <translation>La aplicación en primer plano no tiene comandos de menú con atajos de teclado o no comparte sus menús mediante el soporte de accesibilidad.</translation>
    </message>
    <message id="empty.search.body">
        <source>No command, menu or key matches your search. Try a different word.</source>
        <translation>Ningún comando, menú o tecla coincide con su búsqueda. Pruebe con otra palabra.</translation>
    </message>
    <message id="empty.search.title">
        <source>No Matches</source>
        <translation>Sin resultados</translation>
    </message>
    <message id="empty.title">
        <source>No Keyboard Shortcuts</source>
        <translation>Sin atajos de teclado</translation>
    </message>
    <message id="extension.enable">
        <source>Turn On</source>
        <translation>Activar</translation>
    </message>
    <message id="extension.howto.missing">
        <source>After a first install, log out and back in, then turn on %1 in the Extensions app.</source>
        <translation>Tras la primera instalación, cierre la sesión y vuelva a iniciarla; después active %1 en la aplicación Extensiones.</translation>
    </message>
    <message id="extension.howto.off">
        <source>Turn it on in the Extensions app, or run: %1</source>
        <translation>Actívela en la aplicación Extensiones o ejecute: %1</translation>
    </message>
    <message id="extension.notice.missing">
        <source>The hold key needs the Shell extension %1: log out and back in, then turn it on in the Extensions app.</source>
        <translation>La tecla mantenida necesita la extensión de Shell %1: cierre la sesión y vuelva a entrar, y actívela en Extensiones.</translation>
    </message>
    <message id="extension.notice.off">
        <source>The hold key needs the Shell extension %1: turn it on in the Extensions app.</source>
        <translation>La tecla mantenida necesita la extensión de Shell %1: actívela en la aplicación Extensiones.</translation>
    </message>
    <message id="extension.status.missing">
        <source>The Shell extension is not installed yet.</source>
        <translation>La extensión de Shell aún no está instalada.</translation>
    </message>
    <message id="extension.status.off">
        <source>The Shell extension is off.</source>
        <translation>La extensión de Shell está desactivada.</translation>
    </message>
    <message id="extension.status.on">
        <source>The Shell extension is on.</source>
        <translation>La extensión de Shell está activada.</translation>
    </message>
    <message id="extension.why">
        <source>On GNOME, the hold key works through %1's Shell extension.</source>
        <translation>En GNOME, la tecla mantenida funciona mediante la extensión de Shell de %1.</translation>
    </message>
    <message id="footer.madeBy">
        <source>Made by the Holdsheet team</source>
        <translation>Creado por el equipo de Holdsheet</translation>
    </message>
    <message id="glass.less">
        <source>Less</source>
        <translation>Menos</translation>
    </message>
    <message id="glass.more">
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message id="group.fromHelp">
        <source>from the app's shortcuts help</source>
        <translation>de la ayuda de atajos de la aplicación</translation>
    </message>
    <message id="group.help">
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message id="group.system">
        <source>Desktop Shortcuts</source>
        <translation>Atajos del escritorio</translation>
    </message>
    <message id="header.browserAccessibilityOff">
        <source>%1 keeps its accessibility off, so its menus cannot be read. Start it with --force-renderer-accessibility.</source>
        <translation>%1 tiene la accesibilidad desactivada, por lo que no se pueden leer sus menús. Ábralo con --force-renderer-accessibility.</translation>
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
        <translation>Solo se ha podido leer una parte de los menús de %1; la hoja está incompleta.</translation>
    </message>
    <message id="header.notOnAccessibilityBus">
        <source>%1 is not on the accessibility bus, so its menus cannot be read. Restart it with accessibility turned on.</source>
        <translation>%1 no está en el bus de accesibilidad, por lo que no se pueden leer sus menús. Reinícielo con la accesibilidad activada.</translation>
    </message>
    <message id="header.notResponding">
        <source>%1 is not responding; the sheet may be incomplete.</source>
        <translation>%1 no responde; es posible que la hoja esté incompleta.</translation>
    </message>
    <message id="header.nothingToRead">
        <source>%1 has no menu bar and no shortcuts help to read.</source>
        <translation>%1 no tiene barra de menús ni ayuda de atajos que leer.</translation>
    </message>
    <message id="lang.system">
        <source>System Language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message id="material.frosted">
        <source>Frosted</source>
        <translation>Esmerilado</translation>
    </message>
    <message id="material.glass">
        <source>Glass</source>
        <translation>Cristal</translation>
    </message>
    <message id="material.glass.unavailable">
        <source>Glass is not available on this desktop, so the panel uses the frosted look.</source>
        <translation>El cristal no está disponible en este escritorio, así que el panel usa el aspecto esmerilado.</translation>
    </message>
    <message id="material.solid">
        <source>Solid</source>
        <translation>Opaco</translation>
    </message>
    <message id="menu.quit">
        <source>Quit Holdsheet</source>
        <translation>Salir de Holdsheet</translation>
    </message>
    <message id="menu.settings">
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message id="menu.show">
        <source>Show Cheat Sheet</source>
        <translation>Mostrar la hoja de atajos</translation>
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
        <translation>Mayús</translation>
    </message>
    <message id="pdf.continued">
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message id="pdf.madeWith">
        <source>Made with %1</source>
        <translation>Creado con %1</translation>
    </message>
    <message id="pdf.page">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="pdf.title">
        <source>%1 Keyboard Shortcuts</source>
        <translation>Atajos de teclado de %1</translation>
    </message>
    <message id="perm.body">
        <source>%1 reads app menus through the desktop's accessibility support. Turn it on to see the shortcuts of the app you are using.</source>
        <translation>%1 lee los menús de las aplicaciones mediante el soporte de accesibilidad del escritorio. Actívelo para ver los atajos de la aplicación que está usando.</translation>
    </message>
    <message id="perm.enable.body">
        <source>Holdsheet reads the menus of your apps through the desktop's accessibility support, which is off. Turning it on is a setting for the whole desktop and stays on until you turn it off. Apps that are already open may need to be restarted before Holdsheet can read them.</source>
        <translation>Holdsheet lee los menús de sus aplicaciones mediante el soporte de accesibilidad del escritorio, que está desactivado. Al activarlo, el ajuste se aplica a todo el escritorio y permanece activado hasta que lo desactive. Es posible que deba reiniciar las aplicaciones que ya están abiertas para que Holdsheet pueda leerlas.</translation>
    </message>
    <message id="perm.enable.cancel">
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message id="perm.enable.confirm">
        <source>Turn On</source>
        <translation>Activar</translation>
    </message>
    <message id="perm.enable.title">
        <source>Turn On Accessibility Support?</source>
        <translation>¿Activar el soporte de accesibilidad?</translation>
    </message>
    <message id="perm.inputMonitoring">
        <source>Keyboard Settings</source>
        <translation>Configuración del teclado</translation>
    </message>
    <message id="perm.open">
        <source>Turn On Accessibility Support</source>
        <translation>Activar el soporte de accesibilidad</translation>
    </message>
    <message id="perm.status.missing">
        <source>Accessibility support is off</source>
        <translation>El soporte de accesibilidad está desactivado</translation>
    </message>
    <message id="perm.status.ok">
        <source>Accessibility support is on</source>
        <translation>El soporte de accesibilidad está activado</translation>
    </message>
    <message id="perm.title">
        <source>Accessibility Support Is Off</source>
        <translation>Soporte de accesibilidad desactivado</translation>
    </message>
    <message id="preview.findReplace">
        <source>Find and Replace…</source>
        <translation>Buscar y reemplazar…</translation>
    </message>
    <message id="preview.fullScreen">
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message id="preview.menu">
        <source>Sample Menu</source>
        <translation>Menú de ejemplo</translation>
    </message>
    <message id="preview.newWindow">
        <source>New Window</source>
        <translation>Nueva ventana</translation>
    </message>
    <message id="preview.reopenTab">
        <source>Reopen Closed Tab</source>
        <translation>Reabrir pestaña cerrada</translation>
    </message>
    <message id="search.placeholder">
        <source>Search commands or keys</source>
        <translation>Buscar comandos o teclas</translation>
    </message>
    <message id="search.clear">
        <source>Clear search</source>
        <translation>Borrar búsqueda</translation>
    </message>
    <message id="settings.appearance.material">
        <source>Panel Material</source>
        <translation>Material del panel</translation>
    </message>
    <message id="settings.appearance.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.closeOnRelease">
        <source>Close When %1 Is Released</source>
        <translation>Cerrar al soltar %1</translation>
    </message>
    <message id="settings.excluded.add">
        <source>Add App…</source>
        <translation>Añadir aplicación…</translation>
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
        <translation>Elegir una aplicación para excluir</translation>
    </message>
    <message id="settings.excluded.help">
        <source>Holding %1 does not open %2 while one of these apps is in front. Useful for apps that use the %1 key themselves, such as games or remote desktops.</source>
        <translation>Mantener pulsada la tecla %1 no abre %2 mientras una de estas aplicaciones esté en primer plano. Útil para aplicaciones que usan ellas mismas la tecla %1, como juegos o escritorios remotos.</translation>
    </message>
    <message id="settings.excluded.none">
        <source>No excluded apps</source>
        <translation>No hay aplicaciones excluidas</translation>
    </message>
    <message id="settings.excluded.remove">
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message id="settings.excluded.search">
        <source>Search Apps</source>
        <translation>Buscar aplicaciones</translation>
    </message>
    <message id="settings.excluded.title">
        <source>Excluded Apps</source>
        <translation>Aplicaciones excluidas</translation>
    </message>
    <message id="settings.glassAmount">
        <source>Glass Effect</source>
        <translation>Efecto cristal</translation>
    </message>
    <message id="settings.hold.help">
        <source>How long to hold the %1 key by itself before the cheat sheet appears, from half a second to seven seconds. A click or another key cancels the hold.</source>
        <translation>Cuánto tiempo hay que mantener pulsada solo la tecla %1 antes de que aparezca la hoja de atajos, desde medio segundo hasta siete segundos. Un clic u otra tecla cancelan la pulsación.</translation>
    </message>
    <message id="settings.hold.label">
        <source>Hold Duration</source>
        <translation>Duración de la pulsación</translation>
    </message>
    <message id="settings.hold.long">
        <source>Long</source>
        <translation>Larga</translation>
    </message>
    <message id="settings.hold.short">
        <source>Short</source>
        <translation>Corta</translation>
    </message>
    <message id="settings.holdKey">
        <source>Hold Key</source>
        <translation>Tecla que mantener pulsada</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="settings.launchAtLogin">
        <source>Start at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message id="settings.menuBarIcon">
        <source>Show Tray Icon</source>
        <translation>Mostrar icono en la bandeja del sistema</translation>
    </message>
    <message id="settings.showDisabled">
        <source>Show Disabled Commands</source>
        <translation>Mostrar comandos desactivados</translation>
    </message>
    <message id="settings.showSystem">
        <source>Include Desktop Shortcuts</source>
        <translation>Incluir atajos del escritorio</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message id="settings.tab.content">
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.textSize">
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message id="settings.title">
        <source>Holdsheet Settings</source>
        <translation>Preferencias de Holdsheet</translation>
    </message>
    <message id="share.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="share.email">
        <source>Email…</source>
        <translation>Enviar por correo…</translation>
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
        <translation>Guardar la hoja de atajos como PDF</translation>
    </message>
    <message id="share.share">
        <source>Share…</source>
        <translation>Compartir…</translation>
    </message>
    <message id="share.showInFiles">
        <source>Show in Files</source>
        <translation>Mostrar en Archivos</translation>
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
        <translation>Mediano</translation>
    </message>
    <message id="size.small">
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message id="sys.appWindows">
        <source>Switch windows of an app</source>
        <translation>Cambiar entre ventanas de una aplicación</translation>
    </message>
    <message id="sys.finderSearch">
        <source>Search for files</source>
        <translation>Buscar archivos</translation>
    </message>
    <message id="sys.missionControl">
        <source>Show the overview</source>
        <translation>Mostrar la vista general</translation>
    </message>
    <message id="sys.nextInputSource">
        <source>Switch to next input source</source>
        <translation>Cambiar a la siguiente fuente de entrada</translation>
    </message>
    <message id="sys.prevInputSource">
        <source>Switch to previous input source</source>
        <translation>Cambiar a la fuente de entrada anterior</translation>
    </message>
    <message id="sys.screenshotAreaClipboard">
        <source>Copy a screenshot of an area to clipboard</source>
        <translation>Copiar una captura de pantalla de un área al portapapeles</translation>
    </message>
    <message id="sys.screenshotAreaFile">
        <source>Take a screenshot of an area</source>
        <translation>Hacer una captura de pantalla de un área</translation>
    </message>
    <message id="sys.screenshotOptions">
        <source>Take a screenshot interactively</source>
        <translation>Hacer una captura de pantalla de forma interactiva</translation>
    </message>
    <message id="sys.screenshotScreenClipboard">
        <source>Copy a screenshot to clipboard</source>
        <translation>Copiar una captura de pantalla al portapapeles</translation>
    </message>
    <message id="sys.screenshotScreenFile">
        <source>Take a screenshot</source>
        <translation>Hacer una captura de pantalla</translation>
    </message>
    <message id="sys.showDesktop">
        <source>Show desktop</source>
        <translation>Mostrar el escritorio</translation>
    </message>
    <message id="sys.spaceLeft">
        <source>Switch to workspace on the left</source>
        <translation>Cambiar al área de trabajo de la izquierda</translation>
    </message>
    <message id="sys.spaceRight">
        <source>Switch to workspace on the right</source>
        <translation>Cambiar al área de trabajo de la derecha</translation>
    </message>
    <message id="sys.spotlight">
        <source>Search apps and files</source>
        <translation>Buscar aplicaciones y archivos</translation>
    </message>
    <message id="theme.dark">
        <source>Dark</source>
        <translation>Oscuro</translation>
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
        <translation>Haga clic en un comando de la hoja de atajos y Holdsheet lo ejecutará en su aplicación, como si lo hubiera elegido en el menú.</translation>
    </message>
    <message id="tour.click.title">
        <source>Click to Run</source>
        <translation>Clic para ejecutar</translation>
    </message>
    <message id="tour.close">
        <source>Press Esc or click outside the cheat sheet to close it.</source>
        <translation>Pulse Esc o haga clic fuera de la hoja de atajos para cerrarla.</translation>
    </message>
    <message id="tour.hold.body">
        <source>Hold the %1 key by itself for a moment and the cheat sheet of the app in front appears. Tap %1 again to close it.</source>
        <translation>Mantenga pulsada solo la tecla %1 un momento y aparecerá la hoja de atajos de la aplicación en primer plano. Vuelva a pulsar %1 brevemente para cerrarla.</translation>
    </message>
    <message id="tour.hold.title">
        <source>Hold %1</source>
        <translation>Mantener pulsada la tecla %1</translation>
    </message>
    <message id="tour.look.body">
        <source>Choose a glass, frosted or solid panel, a light or dark theme and the text size in the Appearance settings.</source>
        <translation>Elija un panel de cristal, esmerilado u opaco, un tema claro u oscuro y el tamaño del texto en la pestaña Apariencia de las preferencias.</translation>
    </message>
    <message id="tour.look.title">
        <source>Make It Yours</source>
        <translation>A su gusto</translation>
    </message>
    <message id="tour.search.body">
        <source>Start typing to narrow the cheat sheet down to the commands, menus or keys you are looking for.</source>
        <translation>Empiece a escribir para reducir la hoja de atajos a los comandos, menús o teclas que busca.</translation>
    </message>
    <message id="tour.search.title">
        <source>Type to Filter</source>
        <translation>Escribir para filtrar</translation>
    </message>
    <message id="tour.share.body">
        <source>Use Export at the bottom of the cheat sheet to print it, share it or save it as a PDF.</source>
        <translation>Use Exportar, en la parte inferior de la hoja de atajos, para imprimirla, compartirla o guardarla como PDF.</translation>
    </message>
    <message id="tour.share.title">
        <source>Print or Save</source>
        <translation>Imprimir o guardar</translation>
    </message>
    <message id="tour.title">
        <source>Get to Know Holdsheet</source>
        <translation>Conozca Holdsheet</translation>
    </message>
    <message id="welcome.done">
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message id="welcome.grant">
        <source>Turn On Accessibility Support</source>
        <translation>Activar el soporte de accesibilidad</translation>
    </message>
    <message id="welcome.howto">
        <source>In any app, hold the %1 key by itself for a moment to see its keyboard shortcuts. Tap %1 again to close the cheat sheet.</source>
        <translation>En cualquier aplicación, mantenga pulsada solo la tecla %1 un momento para ver sus atajos de teclado. Vuelva a pulsar %1 brevemente para cerrar la hoja de atajos.</translation>
    </message>
    <message id="welcome.openSettings">
        <source>Open Settings</source>
        <translation>Abrir las preferencias</translation>
    </message>
    <message id="welcome.privacy">
        <source>Holdsheet reads only menu titles and their shortcuts, and only when you open the cheat sheet. Nothing leaves your computer.</source>
        <translation>Holdsheet solo lee los títulos de los menús y sus atajos, y solo cuando abre la hoja de atajos. Nada sale de su equipo.</translation>
    </message>
    <message id="welcome.ready">
        <source>You're All Set</source>
        <translation>Todo listo</translation>
    </message>
    <message id="welcome.step1">
        <source>Click Turn On Accessibility Support below.</source>
        <translation>Haga clic en «Activar el soporte de accesibilidad», más abajo.</translation>
    </message>
    <message id="welcome.step2">
        <source>%1 switches on the desktop's accessibility support, so it can read the menus of the app you are using. The setting applies to the whole desktop.</source>
        <translation>%1 activa el soporte de accesibilidad del escritorio para poder leer los menús de la aplicación que está usando. El ajuste se aplica a todo el escritorio.</translation>
    </message>
    <message id="welcome.step3">
        <source>Restart apps that were already open, so that their menus appear on the cheat sheet.</source>
        <translation>Reinicie las aplicaciones que ya estaban abiertas para que sus menús aparezcan en la hoja de atajos.</translation>
    </message>
    <message id="welcome.subtitle">
        <source>Hold the %1 key to see every shortcut of the app you are using.</source>
        <translation>Mantenga pulsada la tecla %1 para ver todos los atajos de la aplicación que está usando.</translation>
    </message>
    <message id="welcome.title">
        <source>Welcome to %1</source>
        <translation>Bienvenido a %1</translation>
    </message>
    <message id="welcome.waiting">
        <source>Waiting for accessibility support…</source>
        <translation>Esperando a que se active el soporte de accesibilidad…</translation>
    </message>
</context>
</TS>
