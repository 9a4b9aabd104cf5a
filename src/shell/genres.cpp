// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "calendar/genres.h"
#include "clock/genreaiguilles.h"
#include "dategames/genres.h"
#include "day/genres.h"
#include "exercises/genres.h"

std::vector<std::unique_ptr<GenreQuestion>> tousLesGenres(const std::function<QDate()>& aujourdhui)
{
    std::vector<std::unique_ptr<GenreQuestion>> l = genresDe<GenreAiguilles>();
    const auto ajouter = [&l](std::vector<std::unique_ptr<GenreQuestion>> famille) {
        for (auto& g : famille)
            l.push_back(std::move(g));
    };
    ajouter(genresExercices());
    ajouter(genresJournee());
    ajouter(genresJeuxDates(aujourdhui));
    ajouter(genresCalendrier(aujourdhui));
    return l;
}
