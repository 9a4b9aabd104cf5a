// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "common/question.h"

// The games on dates as a training session asks them: months written in
// years and months.
std::vector<std::unique_ptr<GenreQuestion>> genresJeuxDates();
