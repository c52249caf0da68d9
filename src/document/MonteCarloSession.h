#pragma once

#include "montecarlo/MonteCarloDraw.h"
#include "montecarlo/MonteCarloSettings.h"

#include <optional>
#include <string>
#include <vector>

class CQueltaDoc;

/// One "Monte Carlo" dialog on a fresh scenario: the settings the dialog shows, and the draws
/// the user runs, looks at on the chart and keeps or throws away until OK or Cancel. Every
/// button of the dialog is one call here; the drawn points wait in the document, where the
/// chart shows them, until they are retained or discarded.
class CMonteCarloSession {
public:
    /// A session on the document's (blank) scenario with the settings stored in `settingsPath`
    /// (the defaults when that file is missing or malformed).
    CMonteCarloSession(CQueltaDoc& doc, std::string settingsPath = "queltamc.txt");
    /// A session that ends without OK leaves the pending points out of the scenario.
    ~CMonteCarloSession();
    CMonteCarloSession(const CMonteCarloSession&) = delete;
    CMonteCarloSession& operator=(const CMonteCarloSession&) = delete;

    const SMonteCarloSettings& Settings() const { return m_settings; }
    /// The fields as the user edited them.
    void SetSettings(const SMonteCarloSettings& settings) { m_settings = settings; }

    /// Whether Run is offered: not while drawn points wait to be retained or discarded, nor
    /// while a draw is under way.
    bool CanRun() const { return !m_pendingDraw && !m_drawing; }
    /// Whether a draw handed out by BeginRun has not been finished yet.
    bool IsDrawing() const { return m_drawing; }
    /// The points drawn by the last Run and neither retained nor discarded yet.
    const std::vector<CFPoint>& DrawnPoints() const;

    /// "Run": draws the member count of points strictly inside the scale box from the seed,
    /// shows them on the chart and leaves the generator's state in the seed. Settings that
    /// cannot be drawn are refused with a message; a draw stopped by Escape, or one whose
    /// distribution hardly ever falls inside the box, keeps the points it found (the latter
    /// with a message). False when nothing was drawn because Run is not offered or the
    /// settings were refused.
    bool Run();
    /// The first half of Run, for a draw that runs elsewhere (a worker thread) while the user
    /// interface stays live: the request to draw, or nothing when Run is not offered or the
    /// settings were refused (with the message). Until FinishRun, Run is not offered.
    std::optional<SMonteCarloRequest> BeginRun();
    /// The second half of Run, on the thread that owns the document: takes the seed the draw
    /// left, shows the points (the message when too few fell inside the box) and waits for
    /// Retain or Discard. `request` is the one BeginRun gave, after its draw.
    void FinishRun(const SMonteCarloRequest& request, SMonteCarloDraw draw);
    /// "Retain": the drawn points become members with the preference type of the chosen model
    /// name; the list empties and Run is offered again.
    void Retain();
    /// "Discard": the drawn points are dropped and the scenario redrawn without them.
    void Discard();
    /// "Reset": the default settings (seed -1, no members, uniform on both axes, "Tradeoff").
    void Reset();
    /// "OK": Retain, store the settings file, and make the scenario a Monte Carlo one handed to
    /// the game, redrawn and modified.
    void Ok();
    /// "Cancel": the drawn points are dropped; the scenario keeps its source kind.
    void Cancel();

private:
    void ClearDrawnPoints();

    CQueltaDoc& m_doc;
    std::string m_settingsPath;
    SMonteCarloSettings m_settings;
    bool m_pendingDraw = false;
    bool m_drawing = false;
};
