// Puts a text where the user can pass it on: on the clipboard, saying so, or, where the page may
// not write the clipboard (plain http, a page opened from a folder), into a field shown selected,
// ready to copy.
export async function copyOrShow(text, field, say, copiedText) {
  try {
    await navigator.clipboard.writeText(text);
    say(copiedText);
  } catch {
    field.value = text;
    field.hidden = false;
    field.focus();
    field.select();
  }
}
