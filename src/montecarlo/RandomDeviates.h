#pragma once

/// The next uniform deviate in (0, 1), at most 0.99999988, from the minimal standard generator
/// with a 32-entry shuffle. The caller owns `state`; the shuffle table and its last output are
/// shared by every caller in the process. A state of 0 or below, or a table never filled,
/// refills the table first.
double UniformDeviate(int& state);

/// The next standard normal deviate (polar method, the second value of each pair kept back for
/// the next call; the kept value is shared by every caller).
double NormalDeviate(int& state);

/// Forgets the shared shuffle table, its output and the kept normal value, as at start-up, so
/// that the next draw refills the table whatever state it is given.
void ResetRandomDeviates();
