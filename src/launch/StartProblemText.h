#pragma once

#include <string>

#include "platform/ProcessStarter.h"

namespace vorlent {

// What is wrong and what to do, for a failed start whose code alone does not say it; empty
// otherwise.
std::string startProblemExplanation(const StartResult& result);

}  // namespace vorlent
