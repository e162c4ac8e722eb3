#pragma once
// The betting guide's page: the plays of the 3-digit game in our own words.

#include <string>

namespace vesk::tools {

// Rich text (HTML subset Qt shows).
std::string GuideText();

} // namespace vesk::tools
