// Keeps the site on the device once it has been visited over HTTPS or from localhost, so that a
// lesson carries on when the school's network fails: the page, its script and every activity's
// pictures (packs/index.json names them), whichever activities were opened. The page and the
// scripts are answered from the cache and refreshed behind it (a rebuilt site arrives on the
// next visit); a sharper copy of a picture, which never changes under its name, from the cache
// once it has been fetched.
const cacheName = 'lumenary';
const core = ['./', 'index.html', 'lumenary-served.js', 'lumenary-served.wasm'];

async function keep() {
  const cache = await caches.open(cacheName);
  const packs = await (await fetch('packs/index.json')).json();
  await cache.addAll([...core, ...packs.map((name) => `packs/${name}.js`)]);
}

self.addEventListener('install', (event) => event.waitUntil(keep().then(() => self.skipWaiting())));

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(cacheName).then(async (cache) => {
    const cached = await cache.match(request, { ignoreSearch: true });
    const fetched = fetch(request).then((response) => {
      if (response.ok) cache.put(request, response.clone());
      return response;
    });
    if (!cached) return fetched;
    const isPicture = /\.(jpe?g|gif|bmp)$/i.test(new URL(request.url).pathname);
    if (!isPicture) fetched.catch(() => undefined);  // refreshed behind the cached answer, when the network is there
    return cached;
  }));
});
