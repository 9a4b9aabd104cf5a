// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "common/question.h"

// The exercises on hours and minutes as a training session asks them: the
// same questions, judging and verdicts as their sections.
std::vector<std::unique_ptr<GenreQuestion>> genresExercices();
