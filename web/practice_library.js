// The one call the practice part's core makes into its script (practice_events.cpp declares it):
// the JSON text answering the call in progress. Emscripten links this file into the practice
// part's script as a library: the call is a plain function expression, the form its linker names.
mergeInto(LibraryManager.library, {
  korvala_practice_reply: function (json) {
    Module.practice.reply(UTF8ToString(json));
  },
});
