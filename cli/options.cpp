#include "cli/options.hpp"

#include "form/practice.hpp"
#include "runtime/characters.hpp"

#include <utility>
#include <vector>

namespace korvala::cli {

namespace {

constexpr int kCommonGroupSize = 3;

// Splits "--name=value" into its two halves; a plain "--name" has no inline value.
struct Argument {
    std::string_view name;
    std::optional<std::string_view> inlineValue;
};

Argument split(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    if (argument.starts_with("--") && equals != std::string_view::npos) {
        return {argument.substr(0, equals), argument.substr(equals + 1)};
    }
    return {argument, std::nullopt};
}

tl::unexpected<OptionsError> refused(std::string message) {
    return tl::make_unexpected(OptionsError{std::move(message)});
}

tl::unexpected<OptionsError> needsValue(const Argument& argument) {
    return refused(std::string(argument.name) + " needs a value");
}

// A whole number from `least` to `most`, in plain digits; nothing otherwise.
std::optional<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t least,
                                         std::uint64_t most) {
    constexpr std::size_t kMostDigits = 10;
    if (text.empty() || text.size() > kMostDigits) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (const char c : text) {
        const std::optional<int> digit = runtime::characters::digitValue(c);
        if (!digit) {
            return std::nullopt;
        }
        number = number * 10 + static_cast<std::uint64_t>(*digit);
    }
    if (number < least || number > most) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::string_view usageText() {
    return "Usage: korvala-calc [options] < requests.jsonl\n"
           "\n"
           "Reads one request a line, {\"type\": 0..8, \"texts\": [5 strings], \"checks\": [5 of 0 "
           "or 1]},\n"
           "and writes one JSON line per request with its outcome. A line longer than 1 MiB\n"
           "is answered as invalid.\n"
           "\n"
           "Number settings (without any of them, the user's regional settings apply):\n"
           "  --decimal S         decimal symbol (default \".\")\n"
           "  --group S           grouping symbol (default none; groups of 3 unless --grouping)\n"
           "  --grouping SIZES    group sizes: 3, 3;2 or none\n"
           "  --no-leading-zero   write .5000000 instead of 0.5000000\n"
           "  --negative-form N   0 (1.1), 1 -1.1, 2 - 1.1, 3 1.1-, 4 1.1 - (default 1)\n"
           "  --help              show this text\n"
           "  --version           show the version\n"
           "\n"
           "Practice problems instead of requests, one JSON line each:\n"
           "  --problems N        N problems, 1 to 20\n"
           "  --seed S            made from the seeds S, S + 1, ... (default 1)\n"
           "  --level L           1 whole numbers, 2 one decimal, 3 roots (default 1)\n"
           "\n"
           "Exit status: 0 every request answered, 1 some line invalid, 2 bad options or\n"
           "settings that could be misread, 3 a failed read or write.\n";
}

tl::expected<Options, OptionsError> parseOptions(std::span<const std::string_view> arguments) {
    Options options;
    runtime::NumberSettings settings = runtime::posixNumberSettings();
    bool explicitSettings = false;
    bool explicitSizes = false;
    std::optional<int> count;
    std::optional<std::uint64_t> seed;
    std::optional<std::uint64_t> level;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Argument argument = split(arguments[i]);
        const auto value = [&]() -> std::optional<std::string_view> {
            if (argument.inlineValue) {
                return argument.inlineValue;
            }
            if (i + 1 < arguments.size()) {
                return arguments[++i];
            }
            return std::nullopt;
        };
        if (argument.name == "--help" || argument.name == "-h") {
            options.help = true;
        } else if (argument.name == "--version") {
            options.version = true;
        } else if (argument.name == "--no-leading-zero") {
            settings.leadingZero = false;
            explicitSettings = true;
        } else if (argument.name == "--decimal") {
            const auto symbol = value();
            if (!symbol) {
                return needsValue(argument);
            }
            settings.decimalSymbol = *symbol;
            explicitSettings = true;
        } else if (argument.name == "--group") {
            const auto symbol = value();
            if (!symbol) {
                return needsValue(argument);
            }
            if (symbol->empty()) {
                return refused("--group needs a symbol (--grouping none turns grouping off)");
            }
            settings.groupSymbol = *symbol;
            explicitSettings = true;
        } else if (argument.name == "--grouping") {
            const auto sizes = value();
            if (!sizes) {
                return needsValue(argument);
            }
            std::optional<std::vector<int>> parsed = runtime::parseGroupSizes(*sizes);
            if (!parsed) {
                return refused("--grouping takes sizes such as 3, 3;2 or none");
            }
            settings.groupSizes = std::move(*parsed);
            explicitSettings = true;
            explicitSizes = true;
        } else if (argument.name == "--negative-form") {
            const auto form = value();
            if (!form) {
                return needsValue(argument);
            }
            const auto negativeForm = form->size() == 1 && runtime::characters::isDigit((*form)[0])
                                          ? runtime::negativeFormAt((*form)[0] - '0')
                                          : std::nullopt;
            if (!negativeForm) {
                return refused("--negative-form takes a number from 0 to 4");
            }
            settings.negativeForm = *negativeForm;
            explicitSettings = true;
        } else if (argument.name == "--problems" || argument.name == "--seed" ||
                   argument.name == "--level") {
            const auto text = value();
            if (!text) {
                return needsValue(argument);
            }
            if (argument.name == "--problems") {
                const auto number = wholeNumber(*text, 1, form::kMostProblemsAtOnce);
                if (!number) {
                    return refused("--problems takes a number from 1 to 20");
                }
                count = static_cast<int>(*number);
            } else if (argument.name == "--seed") {
                seed = wholeNumber(*text, 0, UINT32_MAX);
                if (!seed) {
                    return refused("--seed takes a number from 0 to 4294967295");
                }
            } else {
                level = wholeNumber(*text, 1, 3);
                if (!level) {
                    return refused("--level takes 1, 2 or 3");
                }
            }
        } else {
            return refused("unknown option " + std::string(arguments[i]));
        }
    }
    if (count) {
        options.problems = ProblemsWanted{*count, static_cast<std::uint32_t>(seed.value_or(1)),
                                          static_cast<int>(level.value_or(1))};
    } else if (seed || level) {
        return refused("--seed and --level go with --problems");
    }
    if (!explicitSizes && !settings.groupSymbol.empty()) {
        settings.groupSizes = {kCommonGroupSize};
    }
    if (explicitSettings) {
        auto checked = runtime::unambiguous(std::move(settings));
        if (!checked) {
            return refused("numbers could be misread: " + checked.error().why);
        }
        options.settings = std::move(*checked);
    }
    return options;
}

} // namespace korvala::cli
