// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <functional>
#include <memory>
#include <vector>

#include "common/question.h"

// The calendar's kinds of question, as a training session asks them, each
// with its section's levels: the same statements, answers and verdicts.
std::vector<std::unique_ptr<GenreQuestion>> genresCalendrier(const std::function<QDate()>& aujourdhui);
