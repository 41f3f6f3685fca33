#pragma once

// Milliseconds on the backend's clock (wraps like a 32-bit counter).
int MilliSecs();
// Sleeps ms milliseconds.
int Delay(int ms);
