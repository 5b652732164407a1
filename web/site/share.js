// A scenario shared by a link: its files (the scenario and the reference
// screens it compares with) packed, compressed and written into the link's
// fragment, which the browser never sends to any server. Opened, the link's
// files go through the same checks as dropped files, and play only when the
// user presses Play.

const Prefix = '#play=';
// The longest fragment made: links beyond this are cut by mail programs,
// chats and some browsers. Reference screens that would make it longer are
// left out (and named), the scenario then shared without its screens.
export const LongestLink = 32 * 1024;
// The most bytes a link's files unpack to (a scenario and a few screens).
const LargestUnpacked = 4 * 2 ** 20;

const toBase64Url = (bytes) => {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000)
    text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
};

const fromBase64Url = (text) => {
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
};

async function squeeze(bytes, stream) {
  const out = new Blob([bytes]).stream().pipeThrough(stream);
  const chunks = [];
  let size = 0;
  for await (const chunk of out) {
    size += chunk.length;
    if (size > LargestUnpacked) throw new RangeError('too large');
    chunks.push(chunk);
  }
  const whole = new Uint8Array(size);
  let at = 0;
  for (const chunk of chunks) whole.set(chunk, at), (at += chunk.length);
  return whole;
}

// The files as one record: a 1 (with its screens) or a 2 (without), then
// [name length, name, size, bytes] for each file.
function pack(files, screens) {
  const encoder = new TextEncoder();
  const parts = [Uint8Array.of(screens ? 1 : 2)];
  for (const { name, bytes } of files) {
    const label = encoder.encode(name);
    const head = new DataView(new ArrayBuffer(6));
    head.setUint16(0, label.length);
    head.setUint32(2, bytes.length);
    parts.push(new Uint8Array(head.buffer, 0, 2), label, new Uint8Array(head.buffer, 2, 4), bytes);
  }
  const whole = new Uint8Array(parts.reduce((n, p) => n + p.length, 0));
  let at = 0;
  for (const part of parts) whole.set(part, at), (at += part.length);
  return whole;
}

function unpack(whole) {
  if (whole[0] !== 1 && whole[0] !== 2) throw new RangeError('an unknown kind of link');
  const view = new DataView(whole.buffer, whole.byteOffset, whole.length);
  const decoder = new TextDecoder('utf-8', { fatal: true });
  const files = [];
  let at = 1;
  while (at < whole.length) {
    if (at + 2 > whole.length) throw new RangeError('cut short');
    const labelLength = view.getUint16(at);
    if (at + 6 + labelLength > whole.length) throw new RangeError('cut short');
    const name = decoder.decode(whole.subarray(at + 2, at + 2 + labelLength));
    const size = view.getUint32(at + 2 + labelLength);
    const start = at + 6 + labelLength;
    if (start + size > whole.length) throw new RangeError('cut short');
    files.push({ name, bytes: whole.slice(start, start + size) });
    at = start + size;
  }
  return { files, screens: whole[0] === 1 };
}

// The link for the files: { url, left } with the names of the reference
// screens left out to keep it short (then the scenario compares no screens).
export async function makeLink(files, base = location.href) {
  const url = new URL(base);
  url.hash = '';
  const scenario = files.filter((f) => /\.ya?ml$/i.test(f.name));
  const screens = files.filter((f) => !/\.ya?ml$/i.test(f.name));
  const link = async (chosen, withScreens) => `${url}${Prefix}${toBase64Url(
    await squeeze(pack(chosen, withScreens), new CompressionStream('deflate-raw')))}`;
  const whole = await link([...scenario, ...screens], true);
  if (whole.length - url.href.length <= LongestLink || screens.length === 0)
    return { url: whole, left: [] };
  return { url: await link(scenario, false), left: screens.map((f) => f.name) };
}

// { files, screens } of a link (screens false: it was made without its
// reference screens, which the scenario then skips), or null when there is
// no link; throws with a sentence
// when the fragment is not a link's.
export async function filesOfLink(hash = location.hash) {
  if (!hash.startsWith(Prefix)) return null;
  const text = hash.slice(Prefix.length);
  if (text.length > 2 * LongestLink || !/^[A-Za-z0-9_-]*$/.test(text))
    throw new Error('The link is not one this page made.');
  try {
    return unpack(await squeeze(fromBase64Url(text), new DecompressionStream('deflate-raw')));
  } catch (error) {
    throw new Error(error instanceof RangeError && error.message === 'too large'
      ? 'The link holds more than a scenario may be.'
      : 'The link is damaged (cut short, or not one this page made).');
  }
}
