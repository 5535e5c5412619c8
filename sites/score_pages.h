// The pages of the hidden-score site. The tool finds the score after
// "td>隐藏分</td>", CR LF, four TABs and "<td>", up to the next "</"; the
// not-found page carries no such cell.
#pragma once

#include <string>
#include <string_view>

std::string scoreFormPage();
std::string scorePage(std::string_view serverName, std::string_view name, int score);
std::string scoreNotFoundPage(std::string_view serverName, std::string_view name);
