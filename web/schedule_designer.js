// Designs schedules in a worker (schedule_worker.js) of the page's own build: the worker is
// asked for with the build's hash, which the service worker refuses (409) once another tab has
// taken a newer build, so that a page never runs its scripts with another build's module. The
// worker starts at the first call and stays for the next ones.

export class OtherBuild extends Error {}

// `build`: the hash of the page's build (index.html's data-build).
export function scheduleDesigner(build) {
  const address = new URL(`schedule_worker.js?build=${encodeURIComponent(build)}`,
                          import.meta.url);
  const waiting = new Map();
  let nextId = 0;
  let starting = null;

  const fail = (error) => {
    for (const { reject } of waiting.values()) reject(error);
    waiting.clear();
    starting = null;  // the next call tries again
  };
  const start = async () => {
    const answer = await fetch(address);
    if (answer.status === 409) throw new OtherBuild();
    if (!answer.ok) throw new Error(`schedule_worker.js: ${answer.status}`);
    const worker = new Worker(address, { type: 'module' });
    worker.addEventListener('message', ({ data: { id, schedule, unavailable } }) => {
      const { resolve, reject } = waiting.get(id);
      waiting.delete(id);
      if (unavailable) {
        reject(new Error(unavailable));
      } else {
        resolve(schedule);
      }
    });
    worker.addEventListener('error', (event) => {
      event.preventDefault();
      fail(new Error('the schedule worker did not start'));
    });
    return worker;
  };
  const ready = () => {
    starting ??= start();
    starting.catch(() => {
      starting = null;
    });
    return starting;
  };

  return {
    // Starts the worker ahead of the first design; resolves once it is asked for.
    ready,
    // Resolves to the packed schedule (schedule.js) of `request`: { file: bytes } or { rows },
    // with materials and floorHeight.
    async design(request) {
      const worker = await ready();
      const id = nextId++;
      return new Promise((resolve, reject) => {
        waiting.set(id, { resolve, reject });
        worker.postMessage({ id, ...request });
      });
    },
  };
}
