#ifndef KIN_GEDCOMUTF8_H
#define KIN_GEDCOMUTF8_H

#include <cstddef>
#include <string>
#include <string_view>

// Writing and checking UTF-8, the form every decoded text takes.
class KIN_GedcomUtf8
{
public:
    static constexpr char32_t kReplacement = 0xFFFD;

    // Appends the code point; one beyond Unicode or a lone surrogate appends U+FFFD.
    static void Append(std::string& text, char32_t nCodePoint);
    // Appends the bytes read as Latin-1: each byte is the code point of its value.
    static void AppendLatin1(std::string& text, std::string_view bytes);
    // True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
    static bool IsValid(std::string_view bytes);
    // The bytes as they are when valid, else read as Latin-1.
    static void AppendValidOrLatin1(std::string& text, std::string_view bytes);
    // The longest start of text no longer than nMaxBytes that ends between two characters.
    static std::string_view Cut(std::string_view text, std::size_t nMaxBytes);
};

#endif
