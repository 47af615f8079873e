#pragma once

#include <QStringView>

// Wildcard patterns as filters use them: "*" any run of characters (also
// none), "?" any one character, "#" any one digit 0-9, "[list]" any one
// character of the list and "[!list]" any one character not in it, where a
// list may hold ranges such as "a-z". Every other character compares exactly.
// "[]" stands for nothing at all. A "[" without its "]", or a range whose
// ends are in descending order, makes the pattern malformed.
//
// Runs in time proportional to text length times pattern length at most,
// whatever the pattern: there is no exponential backtracking.
enum class WildcardResult { Match, NoMatch, Malformed };

WildcardResult WildcardMatch(QStringView text, QStringView pattern);

// The number and description a malformed pattern is reported with.
inline constexpr int kInvalidPatternNumber = 93;
inline constexpr const char *kInvalidPatternText = "Invalid pattern string";
