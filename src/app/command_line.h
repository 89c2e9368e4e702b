#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace app {

// What the program answers on its command line without opening a window: "--help" and
// "--version" print to `out` and give the exit status. Nothing for any other arguments, which
// go to the window system (Qt's own -platform, -display, -session ...).
std::optional<int> AnswerCommandLine(const std::vector<std::string>& args, std::ostream& out);

} // namespace app
