#pragma once

#include <string>

namespace qt {

// The bytes of a picture or sound built into the program (a file name of the generated
// builtin/ folder, such as "splash.bmp"); empty when there is no such resource.
std::string ReadBuiltin(const std::string& name);

} // namespace qt
