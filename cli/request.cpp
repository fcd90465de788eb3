#include "cli/request.hpp"

#include <nlohmann/json.hpp>
#include <set>

namespace korvala::cli {

namespace {

using nlohmann::json;

constexpr std::size_t kCount = calc::kQuantityCount;
constexpr const char* kBadType = "\"type\" must be an integer from 0 to 8";
constexpr const char* kBadTexts = "\"texts\" must be an array of five strings";
constexpr const char* kBadChecks = "\"checks\" must be an array of five values, each 0 or 1";
constexpr const char* kNulByte = "a request must not hold a NUL byte";
constexpr const char* kTwice = "a member appears twice";
constexpr const char* kForeignMember =
    R"(a request has no members but "type", "texts" and "checks")";

bool isKnownMember(const std::string& key) {
    return key == "type" || key == "texts" || key == "checks";
}

tl::unexpected<InvalidRequest> invalid(const char* message) {
    return tl::make_unexpected(InvalidRequest{message});
}

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

tl::expected<Request, InvalidRequest> parseRequest(std::string_view line) {
    if (line.find('\0') != std::string_view::npos) {
        return invalid(kNulByte);
    }
    // The parser keeps the last of two equal keys; a request that says two things is refused.
    std::set<std::string> keys;
    bool repeated = false;
    const auto noteKey = [&](int depth, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::key && depth == 1 &&
            !keys.insert(parsed.get<std::string>()).second) {
            repeated = true;
        }
        return true;
    };
    const json object = json::parse(line, noteKey, false);
    if (object.is_discarded()) {
        return invalid("not valid JSON");
    }
    if (!object.is_object()) {
        return invalid("a request is a JSON object");
    }
    if (repeated) {
        return invalid(kTwice);
    }
    for (const auto& member : object.items()) {
        if (!isKnownMember(member.key())) {
            return invalid(kForeignMember);
        }
    }
    Request request;
    const auto type = object.find("type");
    if (type == object.end() || !type->is_number_integer()) {
        return invalid(kBadType);
    }
    // An unsigned beyond the range of long long wraps to a negative number: still rejected.
    const auto problemType = calc::problemTypeAt(type->get<long long>());
    if (!problemType) {
        return invalid(kBadType);
    }
    request.type = *problemType;
    if (!isFiveArray(object, "texts")) {
        return invalid(kBadTexts);
    }
    if (!isFiveArray(object, "checks")) {
        return invalid(kBadChecks);
    }
    for (std::size_t i = 0; i < kCount; ++i) {
        const json& text = object["texts"][i];
        if (!text.is_string()) {
            return invalid(kBadTexts);
        }
        request.texts[i] = text.get<std::string>();
        if (request.texts[i].find('\0') != std::string::npos) {
            return invalid(kNulByte);
        }
        const json& check = object["checks"][i];
        if (!check.is_number_integer() || (check != 0 && check != 1)) {
            return invalid(kBadChecks);
        }
        request.checks[i] = check == 1;
    }
    return request;
}

} // namespace korvala::cli
