#pragma once

#include "core/TCalendarFields.h"

#include <cstdint>

// The platform's conversion between fields and ticks. Callers pass only values that Calendar.h
// has checked to lie within the common range, so both conversions give the same results.
std::int64_t ConvertFieldsToTicks(const TCalendarFields& fields);
TCalendarFields ConvertTicksToFields(std::int64_t ticks);
