
export default class HoldsheetExtension extends Extension {
    enable() {
        this._shell = new HoldsheetShell();
        this._shell.enable();
    }

    disable() {
        this._shell.disable();
        this._shell = null;
    }
}
