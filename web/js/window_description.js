// The window as the core describes it: the control table and the window's own settings.
function readWindowDescription() {
  return JSON.parse(UTF8ToString(Module._korvala_window_description()));
}
