// The processor's vector register state, which glibc's maths functions are sensitive to.
#pragma once

// Marks the upper halves of the AVX registers unused (vzeroupper) where the processor has AVX; does
// nothing elsewhere. Code that leaves them in use (Qt 6.4's string hash, run by every QApplication)
// makes each later SSE instruction on some processors pay a state transition: glibc's pow, exp, log
// and log10 then take about ten times as long, until something clears the state again.
void ClearUpperVectorState();
