#include "KIN_GedcomProgress.h"

#include <algorithm>
#include <array>
#include <utility>

namespace
{
// Where each stage starts, in thousandths; reading the lines is most of the work.
constexpr std::array<std::size_t, 7> kStageStarts = {0, 150, 550, 650, 750, 850, 1000};
} // namespace

KIN_GedcomProgress::KIN_GedcomProgress(std::function<bool(std::size_t, std::size_t)> callback)
    : m_callback(std::move(callback))
{
}

bool KIN_GedcomProgress::Report(Stage stage, std::size_t nDone, std::size_t nItems)
{
    const auto nStage = static_cast<std::size_t>(stage);
    const std::size_t nFirst = kStageStarts[nStage];
    const std::size_t nSpan = kStageStarts[nStage + 1] - nFirst;
    const std::size_t nShare = nItems == 0 ? 0 : std::min(nDone, nItems) * nSpan / nItems;
    return Tell(nFirst + nShare);
}

bool KIN_GedcomProgress::Finish()
{
    return Tell(kTotal);
}

bool KIN_GedcomProgress::Tell(std::size_t nDone)
{
    if (m_bCancelled || !m_callback || nDone == m_nLastTold)
        return !m_bCancelled;
    m_nLastTold = nDone;
    m_bCancelled = !m_callback(nDone, kTotal);
    return !m_bCancelled;
}
