// The call the runtime makes into the browser for its number settings (regional_settings_web.cpp
// declares it): the values number_settings.js gives, copied as UTF-16 into out, each ended by
// U+001F; whether the language has them and they fit. Emscripten links this file into its script
// as a library: the call is a plain function expression, the form its linker names.
mergeInto(LibraryManager.library, {
  korvala_browser_number_values: function (out, capacity) {
    const text = Module.numberSettings.windowsNumberValues();
    if (text == null || text.length > capacity) {
      return false;
    }
    for (let i = 0; i < text.length; i++) {
      HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
    }
    return true;
  },
});
