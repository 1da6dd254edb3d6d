// Keeps every file of the page, so that once opened it works without a network. scripts/web
// writes the list and the version (a digest of the files) in place of the two markers.
const kVersion = 'sampix-@VERSION@';
const kFichiers = [@FICHIERS@];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(kVersion).then((cache) => cache.addAll(kFichiers)).then(() => self.skipWaiting()));
});

// An older version's files go once this one is ready.
self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((noms) => Promise.all(noms.filter((n) => n !== kVersion).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(kVersion)
    .then((cache) => cache.match(e.request, { ignoreSearch: true }))
    .then((trouve) => trouve || fetch(e.request)));
});
