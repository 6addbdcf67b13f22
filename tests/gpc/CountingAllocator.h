// Counts every allocation of the test program made through operator new.
#pragma once

// Number of operator new calls since the program started.
long AllocationCount();
