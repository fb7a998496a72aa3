// Works offline through the service worker, and offers a new build of the page when one has
// been installed: a banner with a reload button. The new build takes over only when the user
// asks, and the page then reloads whole, so it never runs the files of two builds at once.

export async function workOffline(serviceWorker, banner) {
  const registration = await serviceWorker.register('service-worker.js');
  const reload = banner.querySelector('button');

  // On the first visit the first build installs with no page to replace: nothing to offer.
  const offer = () => {
    if (registration.waiting && serviceWorker.controller) banner.hidden = false;
  };
  registration.addEventListener('updatefound', () => {
    registration.installing?.addEventListener('statechange', offer);
  });
  offer();

  let asked = false;
  reload.addEventListener('click', () => {
    asked = true;
    if (registration.waiting) {
      registration.waiting.postMessage('activate-new-version');
    } else {
      location.reload();
    }
  });
  // A new controller is the new build: asked for here, or in another tab of the page.
  let controller = serviceWorker.controller;
  serviceWorker.addEventListener('controllerchange', () => {
    if (asked) {
      location.reload();
    } else if (controller) {
      banner.hidden = false;
    }
    controller = serviceWorker.controller;
  });
}
