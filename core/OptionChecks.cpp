#include "core/OptionChecks.h"

#include "core/HeadsUp.h"

namespace {

bool EyePauseFits(const TSettingsOptions& options) {
    return DurationSeconds(options.eyePauseLength) < DurationSeconds(options.eyePauseInterval);
}

}  // namespace

TOptionProblem CheckOptions(const TSettingsOptions& options) {
    if (options.eyePauses && !EyePauseFits(options)) {
        return TOptionProblem::eyePauseNotShorter;
    }
    if (options.workingHours && options.workingHoursFrom == options.workingHoursTo) {
        return TOptionProblem::sameWorkingHours;
    }
    if (options.workingHours && options.workingDays == 0) {
        return TOptionProblem::noWorkingDay;
    }
    return TOptionProblem::none;
}

void MendOptions(TSettingsOptions& options) {
    const TSettingsOptions defaults;
    if (!EyePauseFits(options)) {
        options.eyePauseInterval = defaults.eyePauseInterval;
        options.eyePauseLength = defaults.eyePauseLength;
    }
    if (options.workingHoursFrom == options.workingHoursTo) {
        options.workingHoursFrom = defaults.workingHoursFrom;
        options.workingHoursTo = defaults.workingHoursTo;
    }
    if (options.workingDays == 0) {
        options.workingDays = defaults.workingDays;
    }
}
