#pragma once
// The processor's vector-register state. Code that leaves the upper halves of
// the 256-bit registers in use (a library's AVX routines, the GUI toolkit's
// start-up) makes every later SSE instruction on some processors pay for a
// state transition, and the maths library's sin and cos are then ten times
// slower. Sampling and drawing clear the state before they start, on every
// thread they run on.

// Clears the upper halves of the vector registers where the processor has
// AVX; does nothing elsewhere. Costs a few cycles.
void ClearUpperVectorState();
