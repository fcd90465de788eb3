// A tiny static file server on 127.0.0.1 for the page's folder, as any web server would serve
// it; it records every request, so that a test can tell what the page asked for.

import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.png': 'image/png',
  '.jpg': 'image/jpeg',
  '.ico': 'image/x-icon',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
};

export async function serveFolder(folder) {
  const requests = [];
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    requests.push(path);
    const file = normalize(join(folder, path.endsWith('/') ? `${path}index.html` : path));
    if (!file.startsWith(normalize(folder))) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': types[extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const sockets = new Set();
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    requests,
    close: () =>
      new Promise((resolve) => {
        server.close(resolve);
        for (const socket of sockets) {
          socket.destroy();
        }
      }),
  };
}
