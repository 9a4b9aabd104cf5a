// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <functional>
#include <memory>
#include <vector>

#include "common/question.h"

// Every kind of question a training session may ask, from every screen
// family; today's date as the program's clock gives it.
std::vector<std::unique_ptr<GenreQuestion>> tousLesGenres(const std::function<QDate()>& aujourdhui);
