// The page's pictures: the display saved as PNG or copied to the clipboard,
// and recorded as an animated GIF, all written by the firmware module's
// pictures library into its file system in memory and handed to the user.

// Offers bytes as a download named name.
export function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = Object.assign(document.createElement('a'), { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// A file name with the moment in it: axim7-2026-03-14-102030.png
export function fileName(extension, now = new Date()) {
  const two = (n) => String(n).padStart(2, '0');
  return `axim7-${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}-` +
         `${two(now.getHours())}${two(now.getMinutes())}${two(now.getSeconds())}.${extension}`;
}

export class Pictures {
  constructor(module, status) {
    this.M = module;
    this.status = status;  // shows a sentence to the user
    this.lastPng = null;
    this.lastGif = null;
  }

  error() { return this.M.UTF8ToString(this.M._axim_picture_error()); }
  nowCs() { return performance.now() / 10; }

  // The shown display as PNG bytes, or null (the reason shown).
  png(scale) {
    if (!this.M._axim_save_png(scale)) {
      this.status(this.error());
      return null;
    }
    this.lastPng = this.M.FS.readFile('/display.png');
    this.M.FS.unlink('/display.png');
    return this.lastPng;
  }

  savePng(scale) {
    const bytes = this.png(scale);
    if (bytes) download(bytes, fileName('png'), 'image/png');
  }

  async copyPng(scale) {
    const bytes = this.png(scale);
    if (!bytes) return;
    try {
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': new Blob([bytes], { type: 'image/png' }) })]);
      this.status(`The display (${scale}x) is on the clipboard.`);
    } catch (error) {
      this.status(`Could not copy to the clipboard: ${error.message}`);
    }
  }

  recording() { return this.M._axim_recording() === 1; }

  startRecording(scale) {
    if (!this.M._axim_record_start(scale, this.nowCs())) {
      this.status(this.error());
      return false;
    }
    this.status('Recording the display…');
    return true;
  }

  // After every presented frame.
  offer() {
    if (this.recording() && !this.M._axim_record_offer(this.nowCs())) this.status(this.error());
  }

  // Ends the recording and offers the GIF; returns its bytes or null.
  stopRecording() {
    const frames = this.M._axim_record_finish(this.nowCs());
    if (!frames) {
      this.status(this.error());
      return null;
    }
    this.lastGif = this.M.FS.readFile('/recording.gif');
    this.M.FS.unlink('/recording.gif');
    download(this.lastGif, fileName('gif'), 'image/gif');
    this.status(`Recorded ${frames} frames.`);
    return this.lastGif;
  }
}
