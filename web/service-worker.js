// Keeps the hosted calculator for offline use: every file of the site is
// stored at the first visit and served from the store afterwards. A new
// build has a new version, and its files replace the old ones.
const VERSION = "dewpoint-@VERSION@";
const FILES = @FILES@;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(VERSION).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name !== VERSION).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The store first; the network only for what it does not hold.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") return;
    event.respondWith(caches.open(VERSION)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((stored) => stored ?? fetch(event.request)));
});
