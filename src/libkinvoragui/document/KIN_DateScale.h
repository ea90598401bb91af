#ifndef KIN_DATESCALE_H
#define KIN_DATESCALE_H

#include <cstdint>
#include <string>
#include <vector>

// The fixed 41-step date scale from -100G to 2200, and the conversions between years, their
// texts and their positions on the time axis. The axis is linear from -1000 on; before it,
// each power of ten takes 90 units. The lists are built on first use and never change.
// GUI thread only.

const std::vector<std::string>& KIN_ScaleTexts();
const std::vector<std::int64_t>& KIN_ScaleYears();
const std::vector<std::int32_t>& KIN_ScalePositions();
// 1 for the emphasised steps (-1G, -1M, -1K, 0, 1000, 2000), else 0.
const std::vector<std::uint8_t>& KIN_ScaleMarks();

// Position of a year on the time axis; 0 before the first step.
std::int32_t KIN_YearToPosition(std::int64_t nYear);
// "1850", "-1.5K", "-2.5M", "-100G": six significant digits before the suffix.
std::string KIN_DateToText(std::int64_t nYear);
// Reads what the user typed: "1850", "-1K", "-2,5M" or "-1.5G". An empty text gives 1 and a
// text without a number -32768 (times the suffix's multiplier).
std::int64_t KIN_TextToDate(const std::string& text);

#endif
