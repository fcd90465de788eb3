// Served from a web server, the page keeps its few files for opening again without a network;
// opened straight from a folder it needs no such help (and the browser offers none).
export function keepForOffline() {
  if (location.protocol === 'file:' || !('serviceWorker' in navigator)) {
    return;
  }
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
