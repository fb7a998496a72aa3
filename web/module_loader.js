// Loads a WebAssembly module of the page from beside this file: fetched in the browser, read
// from disk under Node (the tests).

// A module is a WASI reactor that asks the system for nothing: a build that links a WASI call
// all the same (output or exit, from a C library function) gets a stub that answers "not
// supported", or for exit throws.
const ERRNO_NOSYS = 52;

function systemStubs(module, name) {
  const stubs = {};
  for (const { module: from, name: call, kind } of WebAssembly.Module.imports(module)) {
    if (kind !== "function") {
      throw new Error(`${name} imports ${from}.${call}, a ${kind}`);
    }
    stubs[from] ??= {};
    stubs[from][call] =
      call === "proc_exit"
        ? (code) => {
            throw new Error(`${name} exited with ${code}`);
          }
        : () => ERRNO_NOSYS;
  }
  return stubs;
}

async function moduleBytes(url, name) {
  if (url.protocol === "file:") {
    const { readFile } = await import("node:fs/promises");
    return readFile(url);
  }
  const response = await fetch(url);
  if (!response.ok) {
    throw new Error(`${name}: ${response.status} ${response.statusText}`);
  }
  return response.arrayBuffer();
}

// The module of this name beside this file, compiled, with the imports it is instantiated with.
export async function compileModule(name) {
  const module = await WebAssembly.compile(await moduleBytes(new URL(`./${name}`,
    import.meta.url), name));
  return { module, imports: systemStubs(module, name) };
}
