// Remembers the largest single request made to the global operator new of the test program, so that a
// test can check that a reader never asks for more memory than its input justifies.
#pragma once

#include <cstddef>

namespace AllocationWatch {

// Forgets the requests made so far.
void Reset();
// Bytes of the largest request since the last Reset; 0 when there was none.
std::size_t Largest();

}  // namespace AllocationWatch
