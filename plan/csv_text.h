#pragma once
// The pieces of a CSV line: a value as the shortest text that reads back to exactly that value (always
// with "." as its decimal point), and a field quoted when it holds a comma, a quotation mark or a line
// feed.

#include <charconv>
#include <string>
#include <string_view>
#include <system_error>

namespace plan {

template <typename Floating>
std::string shortest_text(Floating value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc{}) {
        throw std::system_error(std::make_error_code(error), "writing a value for the CSV");
    }
    return std::string(buffer, end);
}

std::string csv_field(std::string_view text);

}  // namespace plan
