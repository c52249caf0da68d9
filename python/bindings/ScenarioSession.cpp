#include "ScenarioSession.h"

namespace {

locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

} // namespace

CScopedCLocale::CScopedCLocale() : m_previous(uselocale(CLocale())) {}

CScopedCLocale::~CScopedCLocale() {
    uselocale(m_previous);
}
