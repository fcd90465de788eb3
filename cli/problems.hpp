// korvala-calc's practice problems: one JSON line each,
// {"seed", "type", "unit", "statement", "given": [5 texts, "" where not given],
//  "asked": [letters], "answers": {letter: {"text", "exact"}}}, the letters among R H D S V B S₁,
// the texts in the settings' notation. The same seed and level give the same problems as the
// page's sheet.
#pragma once

#include "cli/options.hpp"
#include "cli/request_loop.hpp"
#include "runtime/number_settings.hpp"

#include <tl/expected.hpp>

namespace korvala::cli {

// Writes the wanted problems, one line each; stops at the first failed write.
[[nodiscard]] tl::expected<void, StreamFailure>
writeProblems(const ProblemsWanted& wanted, const runtime::NumberSettings& settings,
              const AnswerSink& write);

} // namespace korvala::cli
