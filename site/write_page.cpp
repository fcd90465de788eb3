// Writes the page's folder as the build's own step, from the page's sources and the window's
// description: the page with the window's markup, caption, description and icons in it, the
// style sheets (the window's places and colours, and the layouts' media queries from its size),
// the manifest, the service worker with the files it keeps, and the pictures. Beside the folder,
// the whole control table for the page's tests.
// Usage: korvala_write_page SOURCE_FOLDER RESOURCE_FOLDER SITE_FOLDER TABLE_JSON
#include "form/content.hpp"
#include "site/html_text.hpp"
#include "site/page_files.hpp"
#include "site/window_description.hpp"
#include "site/window_markup.hpp"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tl/expected.hpp>
#include <utility>

namespace {

namespace fs = std::filesystem;
namespace page = korvala::site;

std::optional<std::string> read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file) {
        return std::nullopt;
    }
    return text;
}

// What stopped the folder being written, in the words korvala_write_page prints after its name.
using Failure = tl::unexpected<std::string>;

std::string quoted(const fs::path& path) {
    std::ostringstream text;
    text << path;
    return text.str();
}

tl::expected<void, std::string> write(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file.flush()) {
        return Failure("cannot write " + quoted(path));
    }
    return {};
}

// The text with every occurrence replaced; nothing when there is none.
std::optional<std::string> replaced(std::string text, std::string_view place,
                                    const std::string& content) {
    bool found = false;
    for (std::size_t at = text.find(place); at != std::string::npos;
         at = text.find(place, at + content.size())) {
        text.replace(at, place.size(), content);
        found = true;
    }
    if (!found) {
        return std::nullopt;
    }
    return text;
}

// The text with each place replaced by its content; nothing when a place is missing.
std::optional<std::string>
filledIn(std::optional<std::string> text,
         std::initializer_list<std::pair<std::string_view, std::string>> places) {
    for (const auto& [place, content] : places) {
        if (!text) {
            return std::nullopt;
        }
        text = replaced(std::move(*text), place, content);
    }
    return text;
}

std::string iconLinks() {
    std::string links;
    for (const page::PagePicture& picture : page::pagePictures()) {
        if (picture.use == page::PictureUse::Favicon) {
            links += R"(<link rel="icon" href=")" + std::string(picture.file) + R"(" sizes=")" +
                     std::to_string(picture.width) + "x" + std::to_string(picture.height) +
                     R"(" type="image/png">)";
        } else if (picture.use == page::PictureUse::TouchIcon) {
            links += R"(<link rel="apple-touch-icon" href=")" + std::string(picture.file) + "\">";
        }
    }
    return links;
}

// The window's description as a data block, which no browser runs and the page's content
// security policy lets stand; "<" is escaped, so that no text in it can end the block early.
std::string descriptionScript() {
    std::string json;
    for (const char c : page::pageDescriptionJson()) {
        json += c == '<' ? std::string("\\u003c") : std::string(1, c);
    }
    return R"(<script type="application/json" id="window-description">)" + json + "</script>";
}

tl::expected<void, std::string> writePage(const fs::path& source, const fs::path& site) {
    const std::optional<std::string> page =
        filledIn(read(source / "index.html"),
                 {{"<!-- window -->", page::windowMarkup()},
                  {"<!-- icons -->", iconLinks()},
                  {"<!-- description -->", descriptionScript()},
                  {"@CAPTION@", page::htmlEscaped(korvala::form::content::caption())},
                  {"@DESCRIPTION@", page::htmlEscaped(page::kPageDescription)},
                  {"@THEME_COLOUR@", page::themeColour()}});
    if (!page) {
        return Failure(quoted(source / "index.html") + " is not the page");
    }
    const std::optional<std::string> style =
        filledIn(read(source / "korvala.css"), {{"(--wide-touch)", page::wideTouchQuery()},
                                                {"(--wide)", page::wideWindowQuery()}});
    if (!style) {
        return Failure(quoted(source / "korvala.css") + " has no layouts");
    }
    const std::optional<std::string> worker =
        filledIn(read(source / "sw.js"), {{"/* kept files */ []", page::keptFilesJson()}});
    if (!worker) {
        return Failure(quoted(source / "sw.js") + " has no place for the kept files");
    }
    const std::optional<std::string> practiceStyle = read(source / "practice.css");
    if (!practiceStyle) {
        return Failure("cannot read " + quoted(source / "practice.css"));
    }
    return write(site / "index.html", *page)
        .and_then([&] { return write(site / "korvala.css", *style); })
        .and_then([&] { return write(site / "practice.css", *practiceStyle); })
        .and_then([&] { return write(site / "window.css", page::windowStyle()); })
        .and_then([&] { return write(site / "manifest.webmanifest", page::manifestJson()); })
        .and_then([&] { return write(site / "sw.js", *worker); });
}

tl::expected<void, std::string> copyPictures(const fs::path& resources, const fs::path& site) {
    std::error_code error;
    for (const page::PagePicture& picture : page::pagePictures()) {
        const fs::path target = site / picture.file;
        fs::create_directories(target.parent_path(), error);
        const std::optional<std::string> bytes = read(resources / picture.source);
        if (error || !bytes || !write(target, *bytes)) {
            return Failure("cannot copy " + quoted(resources / picture.source));
        }
    }
    return {};
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
    if (error) {
        return 1;
    }
    const auto written = writePage(argv[1], site)
                             .and_then([&] { return copyPictures(argv[2], site); })
                             .and_then([&] { return write(argv[4], page::windowTableJson()); });
    if (!written) {
        std::cerr << "korvala_write_page: " << written.error() << "\n";
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
