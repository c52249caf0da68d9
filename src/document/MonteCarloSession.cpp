#include "document/MonteCarloSession.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// A count far beyond what fits inside the box would draw forever; this many candidates per
// member is far more than any sensible distribution needs.
constexpr std::int64_t kCandidatesPerMember = 100000;

} // namespace

CMonteCarloSession::CMonteCarloSession(CQueltaDoc& doc, std::string settingsPath)
    : m_doc(doc), m_settingsPath(std::move(settingsPath)),
      m_settings(ReadMonteCarloSettings(m_settingsPath)) {}

CMonteCarloSession::~CMonteCarloSession() {
    m_doc.DrawnPoints().clear();
}

const std::vector<CFPoint>& CMonteCarloSession::DrawnPoints() const {
    return m_doc.DrawnPoints();
}

bool CMonteCarloSession::Run() {
    std::optional<SMonteCarloRequest> request = BeginRun();
    if (!request)
        return false;
    SMonteCarloDraw draw = request->Draw();
    FinishRun(*request, std::move(draw));
    return true;
}

std::optional<SMonteCarloRequest> CMonteCarloSession::BeginRun() {
    if (!CanRun())
        return std::nullopt;
    if (const std::string problem = MonteCarloSettingsProblem(m_settings); !problem.empty()) {
        MessageBoxOk(problem);
        return std::nullopt;
    }
    m_drawing = true;
    return SMonteCarloRequest{m_settings, m_doc.ScaleBox(),
                              kCandidatesPerMember * std::max<std::int64_t>(1, m_settings.members)};
}

void CMonteCarloSession::FinishRun(const SMonteCarloRequest& request, SMonteCarloDraw draw) {
    m_drawing = false;
    m_settings.seed = request.settings.seed;
    if (draw.exhausted)
        MessageBoxOk(TooFewInsideMessage(draw));
    // Points a stopped draw never reached are left out rather than kept at the origin.
    draw.points.resize(static_cast<std::size_t>(draw.accepted));
    m_doc.DrawnPoints() = std::move(draw.points);
    m_pendingDraw = true;
    Platform().RefreshViews();
}

void CMonteCarloSession::Retain() {
    if (!m_pendingDraw) {
        m_settings.prefType =
            GeneratorPreferenceType(m_settings.preferenceModel, m_settings.prefType);
        return;
    }
    SMonteCarloDraw draw;
    draw.points = std::move(m_doc.DrawnPoints());
    draw.accepted = static_cast<int>(draw.points.size());
    ClearDrawnPoints();
    RetainMonteCarloPoints(m_doc, m_settings, draw);
}

void CMonteCarloSession::Discard() {
    ClearDrawnPoints();
    Platform().RefreshViews();
}

void CMonteCarloSession::Reset() {
    m_settings = SMonteCarloSettings{};
}

void CMonteCarloSession::Ok() {
    Retain();
    WriteMonteCarloSettings(m_settings, m_settingsPath);
    FinishMonteCarloScenario(m_doc);
}

void CMonteCarloSession::Cancel() {
    ClearDrawnPoints();
    Platform().RefreshViews();
}

void CMonteCarloSession::ClearDrawnPoints() {
    m_doc.DrawnPoints().clear();
    m_pendingDraw = false;
}
