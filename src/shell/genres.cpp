// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "clock/genreaiguilles.h"
#include "dategames/genres.h"
#include "day/genres.h"
#include "exercises/genres.h"

std::vector<std::unique_ptr<GenreQuestion>> tousLesGenres()
{
    std::vector<std::unique_ptr<GenreQuestion>> l = genresDe<GenreAiguilles>();
    for (auto* famille : {genresExercices, genresJournee, genresJeuxDates})
        for (auto& g : famille())
            l.push_back(std::move(g));
    return l;
}
