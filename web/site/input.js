// Turning the knob with a wheel or a finger, and the keyboard's front panel,
// as numbers and the front panel's key names (their codes come from the
// firmware's table); no page or DOM here.

// The keyboard's front panel as on the desktop: F1, F2, Enter, + (or =) and
// -; null for any other key or with Ctrl, Alt or Meta held.
export function frontPanelKey(event) {
  if (event.ctrlKey || event.altKey || event.metaKey) return null;
  switch (event.key) {
    case 'F1': return 'left';
    case 'F2': return 'right';
    case 'Enter': return 'knob';
    case '+': case '=': return 'plus';
    case '-': return 'minus';
    default: return null;
  }
}

// Whole wheel notches, +1 for a notch away from the user. A mouse wheel's
// notch comes as one event of 50 or more pixels (how many depends on the
// system and the pixel ratio) or of lines; a touch pad's small pixel steps
// add up, a notch per 100 pixels, the part towards the next one kept.
export class WheelNotches {
  constructor() { this.rest = 0; }
  add(deltaY, deltaMode) {
    if (deltaY === 0) return 0;
    if (deltaMode !== 0 || Math.abs(deltaY) >= 50) {
      this.rest = 0;
      const lines = deltaMode === 1 ? Math.max(1, Math.round(Math.abs(deltaY) / 3)) : 1;
      return -Math.sign(deltaY) * lines;
    }
    this.rest += -deltaY / 100;
    const notches = Math.trunc(this.rest) + 0;  // never -0
    this.rest -= notches;
    return notches;
  }
}

// A finger on the knob: a tap presses it, a drag around its centre turns it
// one step per stepDegrees, clockwise positive.
export class KnobDrag {
  constructor(centreX, centreY, x, y, stepDegrees = 30, tapDistance = 10) {
    this.cx = centreX; this.cy = centreY;
    this.x0 = x; this.y0 = y;
    this.step = stepDegrees; this.tapDistance = tapDistance;
    this.last = this.angle(x, y);
    this.turn = 0;
    this.turned = false;
    this.farthest = 0;
  }
  angle(x, y) {
    // Too near the centre the angle means nothing.
    if (Math.hypot(x - this.cx, y - this.cy) < 6) return null;
    return Math.atan2(y - this.cy, x - this.cx) * 180 / Math.PI;
  }
  // Steps to turn for a move to (x, y).
  move(x, y) {
    this.farthest = Math.max(this.farthest, Math.hypot(x - this.x0, y - this.y0));
    const a = this.angle(x, y);
    if (a === null) return 0;
    if (this.last === null) { this.last = a; return 0; }
    let d = a - this.last;
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    this.last = a;
    this.turn += d;
    const steps = Math.trunc(this.turn / this.step);
    this.turn -= steps * this.step;
    if (steps !== 0) this.turned = true;
    return steps;
  }
  isTap() { return !this.turned && this.farthest < this.tapDistance; }
}

// Ticks of the 100 ms time base due by a moment of a monotonic clock in
// milliseconds: whole periods since the start not yet handed out, so a page
// that slept (a tab in the background) catches up at once.
export class TickClock {
  constructor(startMs, periodMs = 100) {
    this.start = startMs; this.period = periodMs; this.given = 0;
  }
  due(nowMs) {
    const total = Math.floor((nowMs - this.start) / this.period);
    const due = Math.max(0, total - this.given);
    this.given += due;
    return due;
  }
}
