// Headless chromium driven over the DevTools protocol on --remote-debugging-pipe
// (fds 3 and 4), without npm packages, for the browser checks.

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

// Starts the browser with its profile and temporary files in `work`. Returns
// { send(method, params, sessionId), onEvent(handler), log(), close() };
// handler(method, params, sessionId) sees every event of every session.
export function startChromium(browserPath, work) {
  fs.mkdirSync(path.join(work, 'tmp'), { recursive: true });
  const browser = spawn(
    browserPath,
    [
      '--headless',
      '--no-sandbox',
      '--disable-gpu',
      '--no-first-run',
      '--no-default-browser-check',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--disable-extensions',
      '--disable-breakpad',
      '--disable-crash-reporter',
      '--host-resolver-rules=MAP * ~NOTFOUND',
      `--user-data-dir=${path.join(work, 'profile')}`,
      '--remote-debugging-pipe',
      'about:blank',
    ],
    // Its own process group, so that its helper processes go with it, and its
    // own temporary folder, so that its singleton socket goes with the test's.
    {
      stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'],
      detached: true,
      env: { ...process.env, TMPDIR: path.join(work, 'tmp') },
    },
  );
  const gone = new Promise((resolve) => browser.on('exit', resolve));
  const kill = () => {
    try {
      process.kill(-browser.pid, 'SIGKILL');
    } catch {
      // already gone
    }
  };
  let log = '';
  browser.stderr.on('data', (d) => (log += d));
  let nextId = 0;
  const pending = new Map();
  const handlers = [];
  let buffer = Buffer.alloc(0);
  browser.stdio[4].on('data', (chunk) => {
    buffer = Buffer.concat([buffer, chunk]);
    for (let end; (end = buffer.indexOf(0)) >= 0; ) {
      const message = JSON.parse(buffer.subarray(0, end).toString('utf8'));
      buffer = buffer.subarray(end + 1);
      if (message.id !== undefined && pending.has(message.id)) {
        pending.get(message.id)(message);
        pending.delete(message.id);
      } else if (message.method) {
        for (const handler of handlers) handler(message.method, message.params, message.sessionId);
      }
    }
  });

  function send(method, params = {}, sessionId) {
    const message = { id: ++nextId, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      pending.set(message.id, (reply) =>
        reply.error ? reject(new Error(`${method}: ${reply.error.message}`)) : resolve(reply.result),
      );
      browser.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  async function close() {
    await Promise.race([send('Browser.close').catch(() => {}), new Promise((r) => setTimeout(r, 5000))]);
    kill();
    await gone;
  }

  return { send, onEvent: (handler) => handlers.push(handler), log: () => log, close };
}

// Waits until the tab shows a fully loaded page that `arrived` accepts; the
// browser's events are not relied on, so a late event of an earlier page cannot
// be taken for this one. Returns the page's address, or null after 20 s.
export async function settle(send, session, arrived) {
  const deadline = Date.now() + 20000;
  while (Date.now() < deadline) {
    try {
      const [href, state] = (
        await send(
          'Runtime.evaluate',
          { expression: '[location.href, document.readyState]', returnByValue: true },
          session,
        )
      ).result.value;
      if (arrived(href) && state === 'complete') return href;
    } catch {
      // the page is being replaced
    }
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  return null;
}

// One tab with its Page, Runtime, Log and Network events on: { send(method,
// params), evaluate(expression), settle(arrived), open(url, arrived),
// window(width, height, mobile, scale) }. open throws when the page never loads.
export async function openTab(chromium) {
  const { targetId } = await chromium.send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await chromium.send('Target.attachToTarget', { targetId, flatten: true });
  const send = (method, params) => chromium.send(method, params, sessionId);
  for (const domain of ['Page', 'Runtime', 'Log', 'Network']) await send(`${domain}.enable`);
  const tab = {
    send,
    async evaluate(expression) {
      const reply = await send('Runtime.evaluate', { expression, returnByValue: true, awaitPromise: true });
      if (reply.exceptionDetails)
        throw new Error(`${expression.slice(0, 60)}: ${reply.exceptionDetails.exception?.description}`);
      return reply.result.value;
    },
    settle: (arrived) => settle(chromium.send, sessionId, arrived),
    async open(url, arrived = (href) => href === url) {
      await send('Page.navigate', { url });
      const href = await tab.settle(arrived);
      if (href === null) throw new Error(`${url} did not load`);
      return href;
    },
    window: (width, height, mobile = width < 800, deviceScaleFactor = 1) =>
      send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor, mobile }),
  };
  return tab;
}

// Starts the browser in a fresh temporary folder, opens a tab and runs
// body({ chromium, tab, work }) under a watchdog of `seconds`; a throw is a
// failure. Closes the browser, removes the folder and exits with body's status.
export async function runInTab(browserPath, name, seconds, body) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), `${name}-`));
  const chromium = startChromium(browserPath, work);
  const watchdog = setTimeout(() => {
    console.error(`FAIL: ${name} did not finish in ${seconds} s\n${chromium.log()}`);
    chromium.close().finally(() => process.exit(1));
  }, seconds * 1000);
  let status = 1;
  try {
    status = await body({ chromium, tab: await openTab(chromium), work });
  } catch (error) {
    console.error(`FAIL: ${error.stack ?? error}\n${chromium.log().slice(-2000)}`);
  } finally {
    clearTimeout(watchdog);
    await chromium.close();
    try {
      fs.rmSync(work, { recursive: true, force: true, maxRetries: 5 });
    } catch (error) {
      console.error(`FAIL: could not remove ${work}: ${error.message}`);
      status = 1;
    }
  }
  process.exit(status);
}
