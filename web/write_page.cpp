// Writes the page's start as the build's own step: the page template with the window's markup
// and caption in it, and the window's style sheet, both from the control table.
// Usage: korvala_write_page TEMPLATE INDEX_HTML WINDOW_CSS
#include "form/content.hpp"
#include "web/window_markup.hpp"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kWindowPlace = "<!-- window -->";
constexpr std::string_view kCaptionPlace = "@CAPTION@";

bool replace(std::string& text, std::string_view place, const std::string& content) {
    const std::size_t at = text.find(place);
    if (at == std::string::npos) {
        return false;
    }
    text.replace(at, place.size(), content);
    return true;
}

bool write(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file.flush());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: korvala_write_page TEMPLATE INDEX_HTML WINDOW_CSS\n";
        return 2;
    }
    std::ifstream source(argv[1], std::ios::binary);
    std::string page((std::istreambuf_iterator<char>(source)), std::istreambuf_iterator<char>());
    if (!source || !replace(page, kWindowPlace, korvala::web::windowMarkup()) ||
        !replace(page, kCaptionPlace, korvala::form::content::caption())) {
        std::cerr << "korvala_write_page: " << argv[1] << " is not the page's template\n";
        return 1;
    }
    if (!write(argv[2], page) || !write(argv[3], korvala::web::windowStyle())) {
        std::cerr << "korvala_write_page: cannot write the page\n";
        return 1;
    }
    return 0;
}
