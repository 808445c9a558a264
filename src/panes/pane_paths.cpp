#include "panes/pane_paths.h"

#include "core/text.h"

namespace zerin {

std::string fileSuffix(std::string_view path) {
    if (path.ends_with(":/")) return ":/";
    if (path.ends_with('/')) return "/";
    // Only the last component can carry the suffix: a "." in a folder name above it does
    // not make "b/README" the suffix of "a.b/README".
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return std::string(path.substr(dot + 1));
}

std::string trimName(std::string& path) {
    if (path.ends_with('/')) path.pop_back();
    const auto slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::erase(name, '"');
    return name;
}

std::string trimPath(std::string& path) {
    if (path.ends_with('/')) path.pop_back();
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return "false";
    return path.substr(0, slash);
}

std::string shortSuffixLower(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || path.size() - dot > 9) return {};
    const auto slash = path.rfind('/');
    if (slash != std::string_view::npos && dot < slash) return {};
    return text::lower(path.substr(dot + 1));
}

}  // namespace zerin
