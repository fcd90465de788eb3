// Writes the page's folder as the build's own step, from the page's sources and the window's
// description: the page with the window's markup, caption, description and icons in it, the
// style sheets (the window's places and colours, and the layouts' media queries from its size),
// the manifest, the service worker with the files it keeps, and the pictures. Beside the folder,
// the whole control table for the page's tests.
// Usage: korvala_write_page SOURCE_FOLDER RESOURCE_FOLDER SITE_FOLDER TABLE_JSON
#include "form/content.hpp"
#include "web/html_text.hpp"
#include "web/page_files.hpp"
#include "web/window_description.hpp"
#include "web/window_markup.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;
namespace web = korvala::web;

std::optional<std::string> read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file) {
        return std::nullopt;
    }
    return text;
}

bool write(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file.flush());
}

// Replaces every occurrence; false when there is none.
bool replace(std::string& text, std::string_view place, const std::string& content) {
    bool found = false;
    for (std::size_t at = text.find(place); at != std::string::npos;
         at = text.find(place, at + content.size())) {
        text.replace(at, place.size(), content);
        found = true;
    }
    return found;
}

std::string iconLinks() {
    std::string links;
    for (const web::PagePicture& picture : web::pagePictures()) {
        if (picture.use == web::PictureUse::Favicon) {
            links += R"(<link rel="icon" href=")" + std::string(picture.file) + R"(" sizes=")" +
                     std::to_string(picture.width) + "x" + std::to_string(picture.height) +
                     R"(" type="image/png">)";
        } else if (picture.use == web::PictureUse::TouchIcon) {
            links += R"(<link rel="apple-touch-icon" href=")" + std::string(picture.file) + "\">";
        }
    }
    return links;
}

// The window's description as a data block, which no browser runs and the page's content
// security policy lets stand; "<" is escaped, so that no text in it can end the block early.
std::string descriptionScript() {
    std::string json;
    for (const char c : web::pageDescriptionJson()) {
        json += c == '<' ? std::string("\\u003c") : std::string(1, c);
    }
    return R"(<script type="application/json" id="window-description">)" + json + "</script>";
}

bool writePage(const fs::path& source, const fs::path& site) {
    std::optional<std::string> page = read(source / "index.html");
    if (!page || !replace(*page, "<!-- window -->", web::windowMarkup()) ||
        !replace(*page, "<!-- icons -->", iconLinks()) ||
        !replace(*page, "<!-- description -->", descriptionScript()) ||
        !replace(*page, "@CAPTION@", web::htmlEscaped(korvala::form::content::caption())) ||
        !replace(*page, "@DESCRIPTION@", web::htmlEscaped(web::kPageDescription)) ||
        !replace(*page, "@THEME_COLOUR@", web::themeColour())) {
        std::cerr << "korvala_write_page: " << (source / "index.html") << " is not the page\n";
        return false;
    }
    std::optional<std::string> style = read(source / "korvala.css");
    if (!style || !replace(*style, "(--wide-touch)", web::wideTouchQuery()) ||
        !replace(*style, "(--wide)", web::wideWindowQuery())) {
        std::cerr << "korvala_write_page: " << (source / "korvala.css") << " has no layouts\n";
        return false;
    }
    const std::optional<std::string> worker = read(source / "sw.js");
    if (!worker) {
        std::cerr << "korvala_write_page: cannot read " << (source / "sw.js") << "\n";
        return false;
    }
    return write(site / "index.html", *page) && write(site / "korvala.css", *style) &&
           write(site / "window.css", web::windowStyle()) &&
           write(site / "manifest.webmanifest", web::manifestJson()) &&
           write(site / "sw.js", "const files = " + web::keptFilesJson() + ";\n" + *worker);
}

bool copyPictures(const fs::path& resources, const fs::path& site) {
    std::error_code error;
    for (const web::PagePicture& picture : web::pagePictures()) {
        const fs::path target = site / picture.file;
        fs::create_directories(target.parent_path(), error);
        const std::optional<std::string> bytes = read(resources / picture.source);
        if (error || !bytes || !write(target, *bytes)) {
            std::cerr << "korvala_write_page: cannot copy " << (resources / picture.source) << "\n";
            return false;
        }
    }
    return true;
}

int run(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: korvala_write_page SOURCE_FOLDER RESOURCE_FOLDER SITE_FOLDER "
                     "TABLE_JSON\n";
        return 2;
    }
    const fs::path site = argv[3];
    std::error_code error;
    fs::create_directories(site, error);
    if (error || !writePage(argv[1], site) || !copyPictures(argv[2], site)) {
        return 1;
    }
    if (!write(argv[4], web::windowTableJson())) {
        std::cerr << "korvala_write_page: cannot write " << argv[4] << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "korvala_write_page: " << failure.what() << "\n";
        return 1;
    }
}
