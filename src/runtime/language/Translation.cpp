#include "Translation.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace lumenary {

namespace {

const Catalogue* inForce = nullptr;

// "cy_GB.UTF-8@euro" and "cy-GB" both name Welsh; the region is tried first, then the language.
std::vector<std::string> candidates(std::string_view code) {
    code = code.substr(0, code.find_first_of(".@"));
    std::string full(code);
    std::replace(full.begin(), full.end(), '-', '_');
    std::transform(full.begin(), full.end(), full.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::vector<std::string> tried{full};
    if (const auto cut = full.find('_'); cut != std::string::npos) tried.push_back(full.substr(0, cut));
    return tried;
}

const CatalogueEntry* entryFor(const char* english) {
    if (!inForce) return nullptr;
    const auto entries = inForce->entries;
    const auto found = std::lower_bound(entries.begin(), entries.end(), english,
                                        [](const CatalogueEntry& entry, const char* text) { return std::strcmp(entry.english, text) < 0; });
    return found != entries.end() && std::strcmp(found->english, english) == 0 ? &*found : nullptr;
}

}  // namespace

std::string languageList() {
    std::string list = "en";
    for (const Catalogue& catalogue : catalogues()) list += std::string(", ") + catalogue.code;
    return list;
}

const Catalogue* catalogueFor(std::string_view code) {
    for (const std::string& tried : candidates(code))
        for (const Catalogue& catalogue : catalogues())
            if (tried == catalogue.code) return &catalogue;
    return nullptr;
}

bool knownLanguage(std::string_view code) {
    const std::vector<std::string> tried = candidates(code);
    return catalogueFor(code) || std::find(tried.begin(), tried.end(), "en") != tried.end();
}

std::string firstKnownLanguage(std::string_view list) {
    while (!list.empty()) {
        const std::string_view code = list.substr(0, list.find_first_of(":,"));
        if (!code.empty() && knownLanguage(code)) return std::string(code);
        list.remove_prefix(std::min(list.size(), code.size() + 1));
    }
    return {};
}

std::string languageFromEnvironment(const char* (*variable)(const char* name)) {
    const char* list = variable("LANGUAGE");
    if (std::string listed = firstKnownLanguage(list ? list : ""); !listed.empty()) return listed;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = variable(name); value && *value) return value;
    return "en";
}

bool useLanguage(std::string_view code) {
    inForce = catalogueFor(code);
    return knownLanguage(code);
}

std::string_view languageInForce() { return inForce ? inForce->code : "en"; }

std::string tr(const char* english) {
    if (!*english) return {};
    const CatalogueEntry* entry = entryFor(english);
    return entry ? entry->forms[0] : english;
}

std::string trn(const char* singular, const char* plural, unsigned long n, std::initializer_list<std::string> values) {
    const CatalogueEntry* entry = entryFor(singular);
    const char* pattern = n == 1 ? singular : plural;
    if (entry && entry->englishPlural) pattern = entry->forms[inForce->pluralForm(n)];
    return fill(pattern, values);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string> values) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        std::size_t at = i + 1;
        std::size_t which = next;
        if (pattern[at] >= '1' && pattern[at] <= '9' && at + 1 < pattern.size() && pattern[at + 1] == '$') {
            which = static_cast<std::size_t>(pattern[at] - '1');
            at += 2;
        }
        if (at < pattern.size() && (pattern[at] == 'd' || pattern[at] == 's') && which < values.size()) {
            out += values.begin()[which];
            next = which + 1;
            i = at;
        } else if (pattern[at] == '%') {
            out += '%';
            i = at;
        } else {
            out += '%';
        }
    }
    return out;
}

std::string trFill(const char* pattern, std::initializer_list<std::string> values) { return fill(tr(pattern), values); }

}  // namespace lumenary
