// Debian's Chromium, headless, on this closed network: no sandbox as root, and none of its own
// connections to the outside (which would fail here and be counted as the page's).
import { chromium } from 'playwright-core';

export const chromiumPath = process.env.KORVALA_CHROMIUM ?? '/usr/bin/chromium';

export function launchBrowser() {
  return chromium.launch({
    executablePath: chromiumPath,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
}
