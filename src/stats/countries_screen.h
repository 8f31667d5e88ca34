// The Countries screen (key C).
#pragma once

#include "stats/countries.h"

namespace hv {

struct App;

// Writes "country1.htm" or "country2.htm" from the template "HTML Template
// (rest)" and offers it.
void writeCountryPage(App& app, const CountryOverview& overview);

// Shows the countries, 20 display lines at a time, until Q. Without
// "country.txt" it says so and returns to the main menu.
void showCountries(App& app);

}  // namespace hv
