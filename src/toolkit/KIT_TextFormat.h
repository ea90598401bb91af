#ifndef KIT_TEXTFORMAT_H
#define KIT_TEXTFORMAT_H

#include <cstdint>
#include <string>

// Number and text formatting shared by the file writer, the ruler, the choosers and the
// title, so that every number the program shows or stores is formatted one way.
//
// Each function returning a reference owns one static result, overwritten by its next
// call: callers copy it before calling the same function again. GUI thread only.
//
// A width of 0 leaves the text alone; a positive width right-justifies it, a negative one
// left-justifies it; a longer text is never cut.

void KIT_PadToWidth(std::string& text, int nWidth);
// Keeps what follows the later of the last slash and the last backslash.
void KIT_FileNameOfPath(std::string& text);

const std::string& KIT_Int32ToText(std::int32_t nValue, int nWidth = 0);
const std::string& KIT_UInt32ToText(std::uint32_t nValue, int nWidth = 0);
const std::string& KIT_Int64ToText(std::int64_t nValue, int nWidth = 0);
// Six significant digits, trailing zeros dropped ("1", "0.5", "1.23457e+06").
const std::string& KIT_DoubleToText(double value, int nWidth = 0);
const std::string& KIT_PaddedText(const std::string& text, int nWidth);

// 16-bit units narrow to their low byte; bytes widen to the unit of the same value.
const std::string& KIT_U16ToPaddedText(const std::u16string& text, int nWidth);
const std::string& KIT_U16ToText(const std::u16string& text);
const std::u16string& KIT_TextToU16(const std::string& text);

#endif
