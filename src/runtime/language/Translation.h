#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Marks a text for the translators' template without translating it where it stands: the
// tables of static texts hold English, and the screens translate each as they show it.
#define N_(text) text

namespace lumenary {

// One language's catalogue, compiled from its translators' file by the build: its entries
// sorted by their English text, and its plural rule as code.
struct CatalogueEntry {
    const char* english;
    const char* englishPlural;  // null unless the text is counted
    const char* const* forms;   // one form, or one per plural form
};
struct Catalogue {
    const char* code;  // "cy", "fr", ...
    int (*pluralForm)(unsigned long n);
    std::span<const CatalogueEntry> entries;
};
// Every catalogue the build compiled, English not among them.
std::span<const Catalogue> catalogues();

// The languages there are, English first ("en", "cy", ...).
std::string languageList();
// The catalogue for a code as users and systems write it ("cy", "cy_GB.UTF-8", "fr-CA"); null
// for English and for a language there is no catalogue for.
const Catalogue* catalogueFor(std::string_view code);
// Whether the code names English or a language there is a catalogue for.
bool knownLanguage(std::string_view code);

// The first code of a list ("cy:en", "uk,pl") that names English or a language there is a
// catalogue for; empty when none does.
std::string firstKnownLanguage(std::string_view list);
// The language the user's environment asks for, in gettext's order: the first of LANGUAGE's list
// that there is a catalogue for (English counts), else the first set of LC_ALL, LC_MESSAGES and
// LANG. Unlike the C library's gettext, LANGUAGE holds under the plain "C" locale too, so that
// nothing need be installed. `variable` reads one variable (null when unset).
std::string languageFromEnvironment(const char* (*variable)(const char* name));

// The language the screens speak from now on; English when `code` is unknown (the result says so).
bool useLanguage(std::string_view code);
// "en" when English is in force.
std::string_view languageInForce();

// The text in the language in force; the English itself where the catalogue has none.
std::string tr(const char* english);
inline std::string tr(const std::string& english) { return tr(english.c_str()); }
// A counted text: the language's own form for `n`, filled with `values` (see fill).
std::string trn(const char* singular, const char* plural, unsigned long n, std::initializer_list<std::string> values);
// `pattern` with %d and %s (or %1$d, %2$s ... for a translation that reorders them) replaced by
// `values` in turn; %% is a percent sign.
std::string fill(std::string_view pattern, std::initializer_list<std::string> values);
// Both at once: tr(pattern) filled.
std::string trFill(const char* pattern, std::initializer_list<std::string> values);

}  // namespace lumenary
