// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "common/question.h"

// Every kind of question a training session may ask, from every screen family.
std::vector<std::unique_ptr<GenreQuestion>> tousLesGenres();
