#pragma once
#include <QString>

#include <cstdint>

#include "platform/cdaccess/CDTOCRecord.h"

// The CDDB disc id and the "cddb query" command of a table of contents.
namespace Cddb {

// Sum of the decimal digits of n; 0 for n <= 0.
int CddbDigitSum(int n);

// ((digit sums of the track start seconds) mod 255) << 24 | disc seconds << 8 | tracks.
uint32_t CalcDiscId(const CDTOCRecord& toc);

// The id as 8 hexadecimal digits, zero-padded.
QString DiscIdText(uint32_t id, bool upperCase);

// "cddb query <id> <tracks> <frame offsets...> <disc seconds>", no line end.
QString BuildQueryCommand(const CDTOCRecord& toc);

}  // namespace Cddb
