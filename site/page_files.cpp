#include "site/page_files.hpp"

#include "form/content.hpp"

#include <array>
#include <nlohmann/json.hpp>
#include <string_view>

namespace korvala::site {

namespace {

namespace content = form::content;

constexpr std::array<PagePicture, 16> kPictures{{
    {kDrawing, "cylinder.jpg", PictureUse::Drawing, 137, 169, ""},
    {kSharpDrawing, "web/cylinder-2x.png", PictureUse::Drawing, 274, 338, ""},
    {"korvala.png", "korvala.png", PictureUse::Favicon, 32, 32, ""},
    {"icons/korvala-16.png", "icons/korvala-16.png", PictureUse::Icon, 16, 16, ""},
    {"icons/korvala-24.png", "icons/korvala-24.png", PictureUse::Icon, 24, 24, ""},
    {"icons/korvala-32.png", "icons/korvala-32.png", PictureUse::Icon, 32, 32, ""},
    {"icons/korvala-48.png", "icons/korvala-48.png", PictureUse::Icon, 48, 48, ""},
    {"icons/korvala-64.png", "icons/korvala-64.png", PictureUse::Icon, 64, 64, ""},
    {"icons/korvala-128.png", "icons/korvala-128.png", PictureUse::Icon, 128, 128, ""},
    {"icons/korvala-192.png", "web/korvala-192.png", PictureUse::Icon, 192, 192, ""},
    {"icons/korvala-256.png", "icons/korvala-256.png", PictureUse::Icon, 256, 256, ""},
    {"icons/korvala-512.png", "web/korvala-512.png", PictureUse::Icon, 512, 512, ""},
    {"icons/korvala-maskable-512.png", "web/korvala-maskable-512.png", PictureUse::Maskable, 512,
     512, ""},
    {"icons/apple-touch-icon.png", "web/apple-touch-icon.png", PictureUse::TouchIcon, 180, 180, ""},
    {"screenshots/wide.png", "web/screenshot-wide.png", PictureUse::Screenshot, 960, 720, "wide"},
    {"screenshots/narrow.png", "web/screenshot-narrow.png", PictureUse::Screenshot, 720, 1280,
     "narrow"},
}};

std::string hexColour(const content::Rgb& rgb) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : {rgb.red, rgb.green, rgb.blue}) {
        text += kDigits.at(static_cast<std::size_t>(channel / 16));
        text += kDigits.at(static_cast<std::size_t>(channel % 16));
    }
    return text;
}

std::string sizes(const PagePicture& picture) {
    return std::to_string(picture.width) + "x" + std::to_string(picture.height);
}

nlohmann::ordered_json pictureJson(const PagePicture& picture) {
    nlohmann::ordered_json json = {
        {"src", picture.file}, {"sizes", sizes(picture)}, {"type", "image/png"}};
    if (picture.use == PictureUse::Maskable) {
        json["purpose"] = "maskable";
    }
    if (!picture.formFactor.empty()) {
        json["form_factor"] = picture.formFactor;
    }
    return json;
}

} // namespace

std::span<const PagePicture> pagePictures() {
    return kPictures;
}

std::string themeColour() {
    return hexColour(content::kWindowBackground);
}

std::string manifestJson() {
    nlohmann::ordered_json manifest = {
        {"id", "./"},
        {"name", "Korvala"},
        {"short_name", "Korvala"},
        {"description", kPageDescription},
        {"lang", "bg"},
        {"dir", "ltr"},
        {"start_url", "./"},
        {"scope", "./"},
        {"display", "standalone"},
        {"background_color", themeColour()},
        {"theme_color", themeColour()},
        {"icons", nlohmann::ordered_json::array()},
        {"screenshots", nlohmann::ordered_json::array()},
    };
    for (const PagePicture& picture : kPictures) {
        if (picture.use == PictureUse::Icon || picture.use == PictureUse::Maskable) {
            manifest["icons"].push_back(pictureJson(picture));
        } else if (picture.use == PictureUse::Screenshot) {
            manifest["screenshots"].push_back(pictureJson(picture));
        }
    }
    return manifest.dump() + "\n";
}

std::string keptFilesJson() {
    // The practice part's script and style sheet too, though the page loads them only when first
    // wanted: a student opens practice offline as often as the window.
    nlohmann::json files = {"./",         "index.html",  "korvala.js",   "korvala.css",
                            "window.css", "practice.js", "practice.css", "manifest.webmanifest"};
    // The screenshots are for the install dialog alone, which needs a network anyway.
    for (const PagePicture& picture : kPictures) {
        if (picture.use != PictureUse::Screenshot) {
            files.push_back(picture.file);
        }
    }
    return files.dump();
}

} // namespace korvala::site
