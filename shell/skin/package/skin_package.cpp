#include "shell/skin/package/skin_package.h"

#include <algorithm>

namespace kestrun::skin {

std::string upper_ascii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

const PackageMember* find_member(const std::vector<PackageMember>& members, const std::string& upperName)
{
    for (const PackageMember& member : members) {
        if (upper_ascii(member.name) == upperName) {
            return &member;
        }
    }
    return nullptr;
}

}  // namespace kestrun::skin
