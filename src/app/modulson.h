#pragma once

#include <QString>

// The sound player lives in a module loaded with the first sound.
namespace ModuleSon {
// Plays an embedded sound (a resource address) and returns when it has
// finished; does nothing when the module or the audio output is missing.
void joue(const QString &source);
// Releases the player, if one was ever made; before the application ends.
void libere();
} // namespace ModuleSon
