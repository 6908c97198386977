#pragma once

#include <string>
#include <vector>

namespace vistarel {

// Styles live in two places: the shipped ones in the program's css/ folder, and a user's
// own in $XDG_DATA_HOME/vistarel/css/ (~/.local/share/vistarel/css/ by default), where they
// are saved when the program's folder cannot be written, as with an installed program.

std::string userStylesFolder(); // "" when there is no home to put it in

// The folder a saved style goes to: the program's css/ when it can be written, else the
// user's folder, made when missing.
std::string styleSavingFolder();

// Every style of both folders by file name, in natural order; a name in both is listed once.
std::vector<std::string> listStyleNames();

// The file a listed style is read and published from: the user's copy when there is one.
std::string stylePath(const std::string& name);

} // namespace vistarel
