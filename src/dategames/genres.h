// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <functional>
#include <memory>
#include <vector>

#include "common/question.h"

// The games on dates as a training session asks them: months written in
// years and months; a birth date from an age, an age on a date, the date
// of a birthday, each from today (as the clock gives it).
std::vector<std::unique_ptr<GenreQuestion>> genresJeuxDates(std::function<QDate()> aujourdhui);
