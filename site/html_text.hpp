// Text put into the page's markup: the characters that would end a text or an attribute value
// early written as references. Nothing here fails.
#pragma once

#include <string>
#include <string_view>

namespace korvala::site {

[[nodiscard]] std::string htmlEscaped(std::string_view text);

} // namespace korvala::site
