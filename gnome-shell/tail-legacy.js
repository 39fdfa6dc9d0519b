
function init() {
    return new HoldsheetShell();
}
