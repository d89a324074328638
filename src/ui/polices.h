#pragma once

namespace Ui {

// Maps the faces the windows name to the fonts Debian installs.
void installePolices();

} // namespace Ui
