#include "cli/request.hpp"

#include <nlohmann/json.hpp>

namespace korvala::cli {

namespace {

using nlohmann::json;

constexpr std::size_t kCount = calc::kQuantityCount;
constexpr const char* kBadType = "\"type\" must be an integer from 0 to 8";
constexpr const char* kBadTexts = "\"texts\" must be an array of five strings";
constexpr const char* kBadChecks = "\"checks\" must be an array of five values, each 0 or 1";

bool isFiveArray(const json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_array() && it->size() == kCount;
}

} // namespace

calc::CalculationInput Request::input() const {
    calc::CalculationInput input;
    input.type = type;
    input.checks = checks;
    for (std::size_t i = 0; i < kCount; ++i) {
        input.texts[i] = texts[i];
    }
    return input;
}

std::variant<Request, InvalidRequest> parseRequest(std::string_view line) {
    const json object = json::parse(line, nullptr, false);
    if (object.is_discarded()) {
        return InvalidRequest{"not valid JSON"};
    }
    if (!object.is_object()) {
        return InvalidRequest{"a request is a JSON object"};
    }
    Request request;
    const auto type = object.find("type");
    if (type == object.end() || !type->is_number_integer()) {
        return InvalidRequest{kBadType};
    }
    // An unsigned beyond the range of long long wraps to a negative number: still rejected.
    const auto problemType = calc::problemTypeAt(type->get<long long>());
    if (!problemType) {
        return InvalidRequest{kBadType};
    }
    request.type = *problemType;
    if (!isFiveArray(object, "texts")) {
        return InvalidRequest{kBadTexts};
    }
    if (!isFiveArray(object, "checks")) {
        return InvalidRequest{kBadChecks};
    }
    for (std::size_t i = 0; i < kCount; ++i) {
        const json& text = object["texts"][i];
        if (!text.is_string()) {
            return InvalidRequest{kBadTexts};
        }
        request.texts[i] = text.get<std::string>();
        const json& check = object["checks"][i];
        if (!check.is_number_integer() || (check != 0 && check != 1)) {
            return InvalidRequest{kBadChecks};
        }
        request.checks[i] = check.get<int>();
    }
    return request;
}

} // namespace korvala::cli
