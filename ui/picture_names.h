#pragma once
// What each picture shows, in words, for a screen reader: the king, the shopkeeper and the
// innkeeper, each hero's portraits by the hero's name, and an opponent by its name while it is
// in the ring.

#include <QString>

#include "core/game.h"

namespace verminadia::ui {

QString pictureName(W picture, const Game& g);

}  // namespace verminadia::ui
