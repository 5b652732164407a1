// The calls that move the instrument while the page runs the firmware alone
// (its small module, all the first frame needs), kept so that the module
// with the tools takes over at the same state: program start, then the same
// calls in the same order, each pass at the second it read. The firmware
// reads nothing else from outside, so the two end alike, frame for frame.
export class Journal {
  constructor(limit = 1 << 20) {
    this.entries = [];
    this.limit = limit;  // past it, the journal is lost and the hand-over starts afresh
    this.lost = false;
    this.fixed = null;   // the second the page holds the clock at, or null
  }

  add(...entry) {
    if (this.entries.length < this.limit) this.entries.push(entry);
    else this.lost = true;
  }

  // Plays the journal into a module just started; false when it was lost.
  replay(M) {
    if (this.lost) return false;
    const calls = {
      tick: () => M._axim_tick(),
      pass: (second) => { M._axim_fix_clock(second); M._axim_pass(); },
      key: (code) => M._axim_key(code),
      input: (input, position) => M._axim_set_input(input, position),
      on: () => M._axim_on(),
      off: () => M._axim_off(),
    };
    for (const [call, ...args] of this.entries) calls[call](...args);
    M._axim_fix_clock(this.fixed ?? -1);
    return true;
  }
}

// The page's calls that move the instrument, on module M; each is
// journaled when a journal is given.
export function panelCalls(M, journal = null) {
  const add = (...entry) => journal?.add(...entry);
  return {
    tick() { M._axim_tick(); add('tick'); },
    // Every pass asked for, run or not: one while off can still end a stop.
    pass() {
      const ran = M._axim_pass();
      add('pass', M._axim_pass_second());
      return ran;
    },
    key(code) { add('key', code); return M._axim_key(code); },
    setInput(input, position) { add('input', input, position); return M._axim_set_input(input, position); },
    on() { add('on'); M._axim_on(); },
    off() { add('off'); M._axim_off(); },
    fixClock(utc) { if (journal) journal.fixed = utc; M._axim_fix_clock(utc); },
  };
}

// Whether two modules stand alike: the frame, the lamp, on or off, the
// passes run and every input.
export function sameState(a, b) {
  const frame = (M) => M.HEAPU8.subarray(M._axim_frame(), M._axim_frame() + 160 * 120);
  const fa = frame(a), fb = frame(b);
  for (let i = 0; i < fa.length; i += 1) if (fa[i] !== fb[i]) return false;
  for (let i = 0; i < 7; i += 1)
    if (a._axim_position(i) !== b._axim_position(i) || a._axim_input_value(i) !== b._axim_input_value(i)) return false;
  return a._axim_lamp() === b._axim_lamp() && a._axim_running() === b._axim_running() &&
         a._axim_passes() === b._axim_passes() && a._axim_key_slot() === b._axim_key_slot();
}
