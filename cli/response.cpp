#include "cli/response.hpp"

#include "form/value_box.hpp"
#include "form/words.hpp"

#include <nlohmann/json.hpp>

namespace korvala::cli {

namespace {

using Json = nlohmann::ordered_json;

// The texts are ours and valid UTF-8, but a regional symbol may not be; never throw on one.
std::string dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

struct OutcomeWriter {
    const runtime::NumberSettings& settings;

    Json operator()(const calc::Declined& /*declined*/) const { return {{"outcome", "declined"}}; }

    Json operator()(const calc::Completed& completed) const {
        Json texts = Json::array();
        Json shown = Json::array();
        for (std::size_t i = 0; i < calc::kQuantityCount; ++i) {
            texts.push_back(completed.texts[i]);
            shown.push_back(form::shownText(completed.values[i], settings));
        }
        Json exact = Json::array();
        for (const std::optional<std::string>& form : completed.exact) {
            exact.push_back(orNull(form));
        }
        Json steps = Json::array();
        for (const calc::StepLine& line : completed.steps) {
            steps.push_back(line.text);
        }
        return {{"outcome", "completed"},
                {"texts", texts},
                {"shown", shown},
                {"exact", exact},
                {"base", surface(completed.base)},
                {"total", surface(completed.total)},
                {"steps", steps}};
    }

    static Json orNull(const std::optional<std::string>& text) {
        return text ? Json(*text) : Json(nullptr);
    }

    static Json surface(const std::optional<calc::Surface>& value) {
        if (!value) {
            return nullptr;
        }
        return {{"text", value->text}, {"exact", orNull(value->exact)}};
    }

    Json operator()(const calc::Failed& failed) const {
        return {{"outcome", "error"},
                {"number", static_cast<int>(failed.error)},
                {"message", form::errorText(failed.error)}};
    }
};

} // namespace

std::string outcomeLine(const calc::CalculationOutcome& outcome,
                        const runtime::NumberSettings& settings) {
    return dump(std::visit(OutcomeWriter{settings}, outcome));
}

std::string invalidLine(std::size_t lineNumber, std::string_view message) {
    return dump(Json{{"outcome", "invalid"}, {"line", lineNumber}, {"message", message}});
}

} // namespace korvala::cli
