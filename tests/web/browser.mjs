// Starts the page's static server and a headless Debian Chromium for the page's tests, the
// screenshots and the benchmark.

import { spawn } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { once } from 'node:events';
import { chromium } from 'playwright-core';

export const PHONE = { viewport: { width: 360, height: 640 }, deviceScaleFactor: 2, isMobile: true,
                       hasTouch: true };
export const DESKTOP = { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1 };

const CHROMIUM_FLAGS = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

const PAGE_SERVER = fileURLToPath(new URL('../../scripts/serve_web.py', import.meta.url));

// Serves `directory` on 127.0.0.1 at a port the system picks, as scripts/web.sh does; stop()
// ends that process by pid.
export async function startServer(directory) {
  const server = spawn('python3', ['-u', PAGE_SERVER, directory, '0'],
                       { stdio: ['ignore', 'pipe', 'ignore'] });
  let output = '';
  const port = await new Promise((resolve, reject) => {
    server.on('exit', (code) => reject(new Error(`the static server ended (${code})`)));
    server.stdout.on('data', (chunk) => {
      output += chunk;
      const match = /port (\d+)/.exec(output);
      if (match) {
        resolve(Number(match[1]));
      }
    });
  });
  server.stdout.resume();
  const exited = once(server, 'exit');
  return {
    origin: `http://127.0.0.1:${port}`,
    async stop() {
      if (server.exitCode === null && server.signalCode === null) {
        process.kill(server.pid, 'SIGTERM');
        await exited;
      }
    },
  };
}

// A fresh profile each time, so no earlier visit's cache or service worker is reused.
export async function launchBrowser(device) {
  const profile = await mkdtemp(join(tmpdir(), 'coldesign-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.COLDESIGN_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: CHROMIUM_FLAGS,
    ...device,
  });
  return {
    context,
    async close() {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// Resolves once the service worker has cached the page and controls `page`.
export async function waitUntilOffline(page) {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}
