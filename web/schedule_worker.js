// The column schedule designed off the page's thread, so that a file of a hundred thousand
// columns never holds the page still. Started by schedule_designer.js; each message asks for
// one schedule ({ id, file: bytes } or { id, rows }, with the materials and floor height) and
// is answered with { id, schedule } (packed, its arrays transferred) or { id, unavailable }.

import loadSchedule from './schedule.js';

const loading = loadSchedule();
// A module that cannot load is told at each request, as `unavailable`.
loading.catch(() => {});

self.addEventListener('message', async ({ data: { id, file, rows, materials, floorHeight } }) => {
  let schedule;
  try {
    const designer = await loading;
    schedule = file ? designer.designSchedulePacked(file, materials, floorHeight)
      : designer.designScheduleRowsPacked(rows, materials, floorHeight);
  } catch (error) {
    self.postMessage({ id, unavailable: String(error) });
    return;
  }
  const transfer = schedule.ok ? [schedule.csv, schedule.ends, schedule.levelText,
    schedule.levelColumn, ...Object.values(schedule.columns), ...Object.values(schedule.typeRows)]
    .map((array) => array.buffer) : [];
  self.postMessage({ id, schedule }, transfer);
});
