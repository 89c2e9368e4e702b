#pragma once

#include "platform/about_view.h"
#include "platform/ui.h"

namespace records {

// TAboutBox, "About Pelmar ": the program's name, version and credits; "View Statistics" tells in a
// message how often the program was launched, this start included.
platform::AboutBox MakeAboutBox(int launchCount, platform::Ui& ui);

} // namespace records
