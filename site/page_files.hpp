// The page's folder beside its script and markup: the pictures the build copies in from the
// project's resources, what the web app manifest says of the page and which icons it names, and
// the files the service worker keeps for opening the page without a network. Every one of them
// is named here once. Nothing here fails.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korvala::site {

// The drawing in the picture box, and the same at twice its pixels for sharp screens.
inline constexpr std::string_view kDrawing = "cylinder.jpg";
inline constexpr std::string_view kSharpDrawing = "cylinder-2x.png";

// What the page says it is, in its meta description and in the manifest.
inline constexpr std::string_view kPageDescription =
    "Калкулатор за прав кръгов цилиндър: по две от R, H, D, S и V изчислява останалите три";

enum class PictureUse {
    Drawing,    // in the picture box
    Favicon,    // the browser's tab
    Icon,       // the installed app, any shape
    Maskable,   // the installed app, cut to the system's shape: opaque, the motif in the middle
    TouchIcon,  // iOS's home screen: opaque
    Screenshot, // the install dialog, wide or narrow
};

struct PagePicture {
    std::string_view file;   // in the page's folder
    std::string_view source; // in the project's res/ folder
    PictureUse use;
    int width;
    int height;
    std::string_view formFactor; // screenshots: "wide" or "narrow"
};

[[nodiscard]] std::span<const PagePicture> pagePictures();

// The window's background, as the browser's and the installed app's colour: "#c0c0ff".
[[nodiscard]] std::string themeColour();
// The web app manifest, as JSON.
[[nodiscard]] std::string manifestJson();
// Every file the service worker keeps, as a JSON array of paths relative to the page.
[[nodiscard]] std::string keptFilesJson();

} // namespace korvala::site
