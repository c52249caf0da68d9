#pragma once

/// Thrown inside a long computation when the user asked to stop it; the computation catches it
/// where it started and keeps its previous result.
struct CComputationCancelled {};

/// Throws CComputationCancelled when the platform's cancel poll answers true.
void StopWhenCancelled();
