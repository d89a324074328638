#pragma once

#include <functional>

class QWidget;

namespace Ui {

// Runs action once the window, just shown, has been painted on screen for the
// first time: what opens beside it does not delay its first picture.
void apresPremierePeinture(QWidget *fenetre, std::function<void()> action);

} // namespace Ui
