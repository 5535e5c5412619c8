// HTML building blocks shared by both sites' pages.
#pragma once

#include <string>
#include <string_view>

// Escapes & < > " for text and attribute values.
std::string htmlEscape(std::string_view text);

// A whole page: head with the title, the site's header, content, footer.
// The footer carries a table of its own, after any table of the content.
std::string statsPageFrame(std::string_view title, std::string_view content);
std::string scorePageFrame(std::string_view title, std::string_view content);

// A 4xx or 5xx page that says what was wrong with the request.
std::string errorPage(int status, std::string_view reason);
