// Asks an X window to close, as a window manager's close button does.
#pragma once

bool SendDeleteWindow(unsigned long window);
