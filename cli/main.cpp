// korvala-calc: the cylinder calculation for scripts. Reads JSON Lines requests on standard
// input and answers each on standard output as soon as it is read.
#include "cli/options.hpp"
#include "cli/request.hpp"
#include "cli/response.hpp"
#include "runtime/regional_settings.hpp"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kUsageError = 2;

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

} // namespace

int main(int argc, char** argv) {
    using namespace korvala;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    cli::Options options;
    cli::OptionsError error;
    if (!cli::parseOptions(arguments, options, error)) {
        std::cerr << "korvala-calc: " << error.message << "\n\n" << cli::usageText();
        return kUsageError;
    }
    if (options.help) {
        std::cout << cli::usageText();
        return 0;
    }
    std::ios::sync_with_stdio(false);
    bool anyInvalid = false;
    std::string line;
    for (std::size_t lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (isBlankLine(line)) {
            continue;
        }
        const auto request = cli::parseRequest(line);
        if (const auto* invalid = std::get_if<cli::InvalidRequest>(&request)) {
            anyInvalid = true;
            std::cout << cli::invalidLine(lineNumber, invalid->message) << '\n' << std::flush;
            continue;
        }
        const runtime::NumberSettings settings =
            options.settings ? *options.settings : runtime::userNumberSettings();
        const auto outcome = calc::calculate(std::get<cli::Request>(request).input(), settings);
        std::cout << cli::outcomeLine(outcome, settings) << '\n' << std::flush;
    }
    return anyInvalid ? 1 : 0;
}
