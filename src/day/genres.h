// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "common/question.h"

// "La journée" as a training session asks it: a dial's time written as a
// digital clock, a dial's time said in words, a duration problem.
std::vector<std::unique_ptr<GenreQuestion>> genresJournee();
