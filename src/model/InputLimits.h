#pragma once

// The ranges every front end holds typed-in numbers to (the command line's options, the
// desktop's fields, the script functions), so that a value is refused the same way wherever it
// is typed. File readers keep their own clamping.

/// The largest magnitude of an issue-space coordinate: a point further out maps to no chart
/// cell that the grid can hold.
constexpr double kLargestCoordinate = 1e15;

/// The smallest and the largest zoom factor: far outside them no cell of the chart has a
/// finite issue-space size, so every concept would come out as not-a-number.
constexpr double kSmallestZoom = 1e-6;
constexpr double kLargestZoom = 1e6;

/// The vote rule is a fraction of the votes: from 0 to 1.
constexpr double kSmallestVoteRule = 0.0;
constexpr double kLargestVoteRule = 1.0;
