#pragma once

namespace lumo {

// Lets pending window events (clicks, timer ticks, repaints) run, then returns.
void yieldToEventLoop();

// Blocks the calling thread; the program uses short waits between two yields.
void sleepMilliseconds(int milliseconds);

} // namespace lumo
