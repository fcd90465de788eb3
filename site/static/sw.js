// Keeps the page's files so that it opens again without a network. Each file is fetched from the
// server first, so that a new version is taken as soon as it is there, and from the kept copy only
// when the server cannot be reached.
const cacheName = 'korvala';
// The build writes the list in (page_files.cpp).
const files = /* kept files */ [];

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(cacheName)
      .then((cache) => cache.addAll(files))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith(
    fetch(request)
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          event.waitUntil(caches.open(cacheName).then((cache) => cache.put(request, copy)));
        }
        return response;
      })
      .catch(() =>
        caches.match(request, { ignoreSearch: true }).then((kept) => kept ?? Response.error()),
      ),
  );
});
