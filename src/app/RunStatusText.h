#pragma once
// Our own words for the state of a run and of the naming database, beside the described captions: the compute button
// keeps its caption cycle ("暂停" also after a run has run out of candidates), so its tooltip and the shortlist's
// status line say what is really going on.

#include "naming/RunPhase.h"
#include "shortlist/ShortlistSources.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace namewright {

class AppContext;

/// What a run is doing: `phase` is the compute button's, `series` the current series (0 before the first run),
/// `generating` whether a worker is alive, `storeFull` whether the result store refused rows.
QString runStatusText(RunPhase phase, std::uint32_t series, bool generating, bool storeFull);
/// runStatusText of the context's run.
QString runStatusText(AppContext& context);

/// One line saying that the naming database could not be read, where it was looked for and why; empty when it is
/// open.
QString databaseNotice(const AppContext& context);

/// Why the 补缺 filter can show no name for these sources (no chart, no database, nothing missing); empty when it
/// can.
QString missingElementNote(const ShortlistSources& sources);
/// With the parent's own 喜用神 ticked (`own`), which set 补缺 uses: "按自选喜用神（金水）补缺，不按本轮八字"; without,
/// missingElementNote(sources).
QString missingElementNote(const ShortlistSources& sources, std::optional<ElementSet> own);
/// The elements of a set in the order of the chart's labels (金木水火土): "金水".
QString elementSetText(ElementSet elements);

} // namespace namewright
