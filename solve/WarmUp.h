// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up step for the program: the first use of the number library costs
// far more than any calculation (the dynamic loader binds its functions,
// pages of its code are read in, it builds small tables of primes), so the
// program pays it once, while nobody is waiting for an answer.
#pragma once

namespace arith {

// Runs one small calculation of every kind the windows make.
void WarmUp();

} // namespace arith
